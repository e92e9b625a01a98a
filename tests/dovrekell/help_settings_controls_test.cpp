#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "help_settings_controls.h"
#include "support/test_files.h"

namespace {

TEST(HelpSettingsCombo, LoadsEachTextOnceAndSavesInOrder)
{
    const std::string path = ScratchPath("combo.set");
    RemoveFile(path);
    HelpSettings settings;
    ASSERT_EQ(settings.OpenAndInit(path.c_str()), 1);
    StringList saved;
    for (const char* text : {"String", "array list", "string", "String", " padded "})
        saved.Add(text);
    ASSERT_TRUE(settings.SetList(HelpSettings::kSearch, saved));

    HWND combo = CreateWindowExA(0, "COMBOBOX", "", WS_POPUP | CBS_DROPDOWN, 0, 0, 200, 200, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(combo, nullptr);
    const ComboBox box(combo);
    LoadCombo(settings, HelpSettings::kSearch, box);
    ASSERT_EQ(box.GetCount(), 4);
    EXPECT_STREQ(box.GetItemText(2).Data(), "string");
    EXPECT_STREQ(box.GetItemText(3).Data(), " padded ");
    EXPECT_EQ(box.GetCurSel(), 0);

    box.DeleteString(1);
    ASSERT_TRUE(SaveCombo(settings, HelpSettings::kSearchFile, box));
    StringList read;
    settings.GetList(HelpSettings::kSearchFile, read);
    ASSERT_EQ(read.Count(), 3);
    EXPECT_STREQ(read.At(0)->Data(), "String");
    EXPECT_STREQ(read.At(1)->Data(), "string");
    EXPECT_STREQ(read.At(2)->Data(), " padded ");
    DestroyWindow(combo);
}

}  // namespace
