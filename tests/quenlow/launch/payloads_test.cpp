#include "payloads.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// An independent reader: the fields of a payload split at 0xA5.
std::vector<std::string> Fields(const XString& payload)
{
    std::vector<std::string> fields(1);
    for (int i = 0; i < payload.Length(); ++i) {
        if (payload[i] == '\xA5')
            fields.emplace_back();
        else
            fields.back() += payload[i];
    }
    return fields;
}

ClassPathRecord FullRecord()
{
    ClassPathRecord r;
    r.systemClassPath.Assign("C:\\sys.jar;");
    r.userZipClassPath.Assign("\"C:\\My Libs\\u.jar\";");
    r.userDirClassPath.Assign("\"C:\\classes\";");
    r.siblingClassPath.Assign("C:\\sib.zip;");
    r.autoDetectJars = true;
    return r;
}

TEST(Payloads, InsideInfoWithEmptyRecordKeepsAllSeparators)
{
    const XString payload = InsideInfo(ClassPathRecord(), "1\nC:\\src\n");
    EXPECT_EQ(std::string(payload.Data()), "0\xA5" "0\xA5\xA5\xA5\xA5\xA5" "1\nC:\\src\n\xA5");
}

TEST(Payloads, InsideInfoRoundTrips)
{
    const XString payload = InsideInfo(FullRecord(), "2\nC:\\a\nC:\\b c\\X.java\n");
    EXPECT_EQ(Fields(payload), (std::vector<std::string>{"1", "0", "C:\\sys.jar;", "\"C:\\My Libs\\u.jar\";",
                                                          "\"C:\\classes\";", "C:\\sib.zip;",
                                                          "2\nC:\\a\nC:\\b c\\X.java\n", ""}));
}

TEST(Payloads, ClassInfoEndsWithTheQuotedArgument)
{
    const XString payload = ClassInfoPayload(FullRecord(), "-Dx=1", "\"C:\\a b\\Hello.class\"");
    EXPECT_EQ(Fields(payload), (std::vector<std::string>{"1", "0", "C:\\sys.jar;", "\"C:\\My Libs\\u.jar\";",
                                                          "\"C:\\classes\";", "C:\\sib.zip;", "-Dx=1",
                                                          "\"C:\\a b\\Hello.class\""}));
}

TEST(Payloads, DoubleClickLayout)
{
    DoubleClickClass target;
    target.runApplication = true;
    target.runApplet = true;
    target.rootFolder.Assign("C:\\work");
    target.qualifiedName.Assign("demo.Main");
    DoubleClickOptions options;
    options.monitorStreams = true;
    options.appletWidth = 640;
    options.appletHeight = 480;
    const XString payload = DoubleClickPayload(false, target, options, FullRecord(), "a b", "-Xmx64m");
    EXPECT_EQ(Fields(payload),
              (std::vector<std::string>{"0", "1", "1", "1", "640", "480", "1", "0", "C:\\sys.jar;",
                                        "\"C:\\My Libs\\u.jar\";", "\"C:\\classes\";", "C:\\sib.zip;", "a b",
                                        "C:\\work", "-Xmx64m", "demo.Main"}));
}

TEST(Payloads, ProgramCommands)
{
    EXPECT_STREQ(ProgramCommand("C:\\Q\\bin", "Farrowick.exe", " /inside-info x").Data(),
                 "\"C:\\Q\\bin\\Farrowick.exe\" /inside-info x");
    EXPECT_STREQ(ProgramCommand("C:\\Q", "bin\\Dovrekell.exe", "").Data(), "\"C:\\Q\\bin\\Dovrekell.exe\"");
}

}  // namespace
