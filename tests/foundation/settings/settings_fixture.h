#pragma once

#include <gtest/gtest.h>

#include <string>

#include "settings/settings_file.h"
#include "support/test_files.h"

// A settings file in the scratch folder with given bytes, opened for editing.
class SettingsTest : public ::testing::Test {
protected:
    void Start(const std::string& bytes)
    {
        path = ScratchPath(std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()) + ".set");
        ASSERT_TRUE(WriteFileBytes(path, bytes));
        ASSERT_EQ(settings.Open(path.c_str()), 1);
    }
    std::string Bytes()
    {
        settings.Close();
        std::string bytes = ReadFileBytes(path);
        EXPECT_EQ(settings.Open(path.c_str()), 1);
        return bytes;
    }
    std::string Get(const char* section, const char* key, int flat = 0)
    {
        XString value;
        settings.GetString(value, section, key, flat);
        return value.Data();
    }

    std::string path;
    SettingsFile settings;
};

inline std::string Section(const std::string& name, const std::string& keys = "", const std::string& items = "")
{
    return "\r\n\r\n{" + name + "}\r\n<KEY>\r\n" + keys + "<LIST>\r\n" + items;
}
