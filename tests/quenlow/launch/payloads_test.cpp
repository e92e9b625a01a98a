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

// A field that held the separator would split in two and shift every field
// after it, so a text holding it is refused with a message naming it; the
// payload's last field has nothing behind it and may hold the byte.
TEST(Payloads, ATextHoldingTheSeparatorIsRefusedByName)
{
    const struct {
        const char* what;
        int (*check)(const char* bad, XString& message);
        const char* name;
    } cases[] = {
        {"selection", [](const char* bad, XString& m) { return CheckInsideInfo(ClassPathRecord(), bad, m); },
         "selection"},
        {"class path of a tool",
         [](const char* bad, XString& m) {
             ClassPathRecord r = FullRecord();
             r.userDirClassPath.Assign(bad);
             return CheckInsideInfo(r, "1\nC:\\src\n", m);
         },
         "user class path of folders"},
        {"class-info options",
         [](const char* bad, XString& m) { return CheckClassInfoPayload(FullRecord(), bad, m); },
         "other Java options"},
        {"double-click class folder",
         [](const char* bad, XString& m) {
             DoubleClickClass t;
             t.rootFolder.Assign(bad);
             return CheckDoubleClickPayload(t, FullRecord(), "", "", m);
         },
         "class folder"},
        {"double-click arguments",
         [](const char* bad, XString& m) { return CheckDoubleClickPayload(DoubleClickClass(), FullRecord(), bad, "", m); },
         "arguments for main()"},
        {"double-click system class path",
         [](const char* bad, XString& m) {
             ClassPathRecord r;
             r.systemClassPath.Assign(bad);
             return CheckDoubleClickPayload(DoubleClickClass(), r, "", "", m);
         },
         "system class path"},
    };
    for (const auto& c : cases) {
        XString message;
        EXPECT_EQ(c.check("1\nC:\\a\xA5" "b\\src\n", message), 0) << c.what;
        const std::string text = message.Data();
        EXPECT_NE(text.find(std::string("The ") + c.name + "\n"), std::string::npos) << c.what << ": " << text;
        EXPECT_NE(text.find("C:\\a\xA5" "b\\src"), std::string::npos) << c.what;
        EXPECT_NE(text.find("(byte 0xA5)"), std::string::npos) << c.what;
        // The trailer's marks are no separators here.
        EXPECT_EQ(c.check("C:\\a\xAB\xBB" "b", message), 1) << c.what;
    }
    XString message;
    EXPECT_EQ(CheckClassInfoPayload(FullRecord(), "-Dx=1", message), 1);
}

TEST(Payloads, ProgramCommands)
{
    EXPECT_STREQ(ProgramCommand("C:\\Q\\bin", "Farrowick.exe", " /inside-info x").Data(),
                 "\"C:\\Q\\bin\\Farrowick.exe\" /inside-info x");
    EXPECT_STREQ(ProgramCommand("C:\\Q", "bin\\Dovrekell.exe", "").Data(), "\"C:\\Q\\bin\\Dovrekell.exe\"");
}

}  // namespace
