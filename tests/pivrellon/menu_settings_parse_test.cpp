#include <gtest/gtest.h>

#include <string>

#include "menu_settings_parse.h"

namespace {

bool Find(const std::string& file, int* value)
{
    return FindSettingInt(reinterpret_cast<const unsigned char*>(file.data()), file.size(), "SECT_MAIN",
                          "KEY_MENUEXPAND", value);
}

TEST(MenuSettingsParse, FindsTheKeyOnlyInTheKeyPartOfItsSection)
{
    const std::string longLine(5000, 'x');
    const struct {
        const char* name;
        std::string file;
        bool found;
        int value;
    } cases[] = {
        {"plain", "{SECT_MAIN}\r\n<KEY>\r\n[KEY_MENUEXPAND]0\r\n<LIST>\r\n", true, 0},
        {"other value", "{SECT_MAIN}\r\n<KEY>\r\n[KEY_OTHER]5\r\n[KEY_MENUEXPAND]1\r\n<LIST>\r\n", true, 1},
        {"header with trailing blanks", "{SECT_MAIN}  \r\n[KEY_MENUEXPAND]0\r\n", true, 0},
        {"last line without line end", "{SECT_MAIN}\r\n[KEY_MENUEXPAND]7", true, 7},
        {"lone CR ends a line", "{SECT_MAIN}\r\n[A]1\r[KEY_MENUEXPAND]0\r<LIST>\r", true, 0},
        // As in the settings engine, a lone CR stays the line's last byte: no header.
        {"header ended by a lone CR", "{SECT_MAIN}\r[KEY_MENUEXPAND]0\r<LIST>\r", false, 0},
        {"after <LIST> is not seen", "{SECT_MAIN}\r\n<KEY>\r\n<LIST>\r\n[KEY_MENUEXPAND]0\r\n", false, 0},
        {"in another section", "{SECT_OTHER}\r\n[KEY_MENUEXPAND]0\r\n<LIST>\r\n{SECT_MAIN}\r\n<KEY>\r\n<LIST>\r\n",
         false, 0},
        {"section without <LIST> ends at the next header",
         "{SECT_MAIN}\r\n<KEY>\r\n{SECT_NEXT}\r\n[KEY_MENUEXPAND]0\r\n", false, 0},
        {"header that only starts like it", "{SECT_MAINX}\r\n[KEY_MENUEXPAND]0\r\n", false, 0},
        {"header case differs", "{sect_main}\r\n[KEY_MENUEXPAND]0\r\n", false, 0},
        {"hand-edited long lines", "{SECT_MAIN}\r\n" + longLine + "\r\n[KEY_MENUEXPAND]" + longLine + "\r\n",
         true, 0},
        {"long line before the section", longLine + "\r\n{SECT_MAIN}\r\n[KEY_MENUEXPAND]3\r\n", true, 3},
        {"value too large for an int", "{SECT_MAIN}\r\n[KEY_MENUEXPAND]99999999999\r\n", true, 2147483647},
        {"empty file", "", false, 0},
    };
    for (const auto& c : cases) {
        int value = -1;
        EXPECT_EQ(Find(c.file, &value), c.found) << c.name;
        if (c.found) {
            EXPECT_EQ(value, c.value) << c.name;
        }
    }
}

TEST(MenuSettingsParse, NeverReadsPastTheGivenBytes)
{
    // The buffer holds more than the size says: the key lies beyond it.
    const std::string bytes = "{SECT_MAIN}\r\n[KEY_MENUEXPAND]0\r\n";
    int value = -1;
    EXPECT_FALSE(FindSettingInt(reinterpret_cast<const unsigned char*>(bytes.data()), 13, "SECT_MAIN",
                                "KEY_MENUEXPAND", &value));
    EXPECT_TRUE(FindSettingInt(reinterpret_cast<const unsigned char*>(bytes.data()), 30, "SECT_MAIN",
                               "KEY_MENUEXPAND", &value));
    EXPECT_EQ(value, 0);
}

}  // namespace
