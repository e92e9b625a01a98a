#include <gtest/gtest.h>

#include <memory>
#include <string>

#include "classpath_entries.h"

namespace {

TEST(SiblingEntry, OnlyRelativePathsPass)
{
    struct Case {
        const char* text;
        bool valid;
    };
    const Case cases[] = {
        {"lib\\x.jar", true},
        {"classes", true},
        {"lib\\deep\\y.zip", true},
        {"x.jar", true},
        {"C:\\x.jar", false},      // a drive
        {"C:x.jar", false},        // a drive's current folder
        {"\\lib\\x.jar", false},   // from the root of the drive
        {"\\", false},
        {"lib\\\\x.jar", false},   // two backslashes in a row
        {"\\\\server\\share", false},
        {"lib/x.jar", false},
        {"*.jar", false},
        {"lib\\\"x\".jar", false},
        {"lib\\", true},           // a folder written with its backslash
    };
    for (const Case& c : cases)
        EXPECT_EQ(IsValidSiblingEntry(c.text), c.valid) << c.text;
}

TEST(EntryBytes, ReservedBytesAreRefusedWithTheirName)
{
    XString message;
    EXPECT_EQ(CheckEntryBytes(XString("C:\\lib\\\xE9t\xE9.jar"), message), 1);  // other high bytes are letters
    EXPECT_TRUE(message.IsEmpty());
    for (const char* byte : {"\xA5", "\xAB", "\xBB"}) {
        XString entry("C:\\lib\\a");
        entry.Append(byte);
        entry.Append(".jar");
        XString refused;
        EXPECT_EQ(CheckEntryBytes(entry, refused), 0) << std::hex << (static_cast<unsigned char>(byte[0]) + 0);
        EXPECT_NE(std::string(refused.Data()).find("class path"), std::string::npos) << refused.Data();
    }
}

TEST(SystemList, DiffersOnCountOrAnEntryTheCopyLacks)
{
    auto list = [](std::initializer_list<const char*> items) {
        auto made = std::make_unique<StringList>();
        for (const char* item : items)
            made->Add(item);
        return made;
    };
    EXPECT_FALSE(ListDiffers(*list({}), *list({})));
    EXPECT_FALSE(ListDiffers(*list({"a.jar", "b.jar"}), *list({"b.jar", "a.jar"})));  // order is the list box's
    EXPECT_TRUE(ListDiffers(*list({"a.jar"}), *list({"a.jar", "b.jar"})));
    EXPECT_TRUE(ListDiffers(*list({"A.jar"}), *list({"a.jar"})));  // letter case counts
    EXPECT_TRUE(ListDiffers(*list({"a.jar", "c.jar"}), *list({"a.jar", "b.jar"})));
}

}  // namespace
