// Combo-box and list-box helpers against real controls (needs a display).
#include "settings_fixture.h"

#include <windows.h>

#include <string>
#include <vector>

namespace {

class ControlsTest : public SettingsTest {
protected:
    void SetUp() override
    {
        parent = CreateWindowExA(0, "STATIC", "host", WS_OVERLAPPEDWINDOW, 0, 0, 300, 300, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        ASSERT_NE(parent, nullptr);
    }
    void TearDown() override { DestroyWindow(parent); }

    HWND Make(const char* className, DWORD style)
    {
        HWND h = CreateWindowExA(0, className, "", WS_CHILD | WS_VISIBLE | style, 0, 0, 200, 200, parent, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
        EXPECT_NE(h, nullptr);
        return h;
    }
    static std::vector<std::string> Entries(HWND h, bool combo)
    {
        std::vector<std::string> out;
        const int n = static_cast<int>(SendMessageA(h, combo ? CB_GETCOUNT : LB_GETCOUNT, 0, 0));
        for (int i = 0; i < n; ++i) {
            char text[256] = {};
            SendMessageA(h, combo ? CB_GETLBTEXT : LB_GETTEXT, i, reinterpret_cast<LPARAM>(text));
            out.push_back(text);
        }
        return out;
    }

    HWND parent = nullptr;
};

TEST_F(ControlsTest, ComboLoadsTrimmedItemsAndSavesItsEditTextFirst)
{
    Start(Section("SECT_MAIN_MAINCLASS", "", "(  demo.Main )\r\n(   )\r\n(app.Start)\r\n(demo.Other)\r\n"));
    HWND combo = Make("COMBOBOX", CBS_DROPDOWN);
    EXPECT_EQ(settings.LoadListBox(combo, "SECT_MAIN_MAINCLASS", 0), 3);
    EXPECT_EQ(Entries(combo, true), (std::vector<std::string>{"demo.Main", "app.Start", "demo.Other"}));
    EXPECT_EQ(SendMessageA(combo, CB_GETCURSEL, 0, 0), 0);

    // Typing an entry that is already further down moves it to the top.
    SetWindowTextA(combo, "demo.Other");
    EXPECT_EQ(settings.SaveListBox(combo, "SECT_MAIN_MAINCLASS", 0), 1);
    EXPECT_EQ(Bytes(), Section("SECT_MAIN_MAINCLASS", "", "(demo.Other)\r\n(demo.Main)\r\n(app.Start)\r\n"));

    // A blank edit text changes nothing in the order.
    SetWindowTextA(combo, "   ");
    EXPECT_EQ(settings.SaveListBox(combo, "SECT_MAIN_MAINCLASS", 0), 1);
    EXPECT_EQ(Entries(combo, true), (std::vector<std::string>{"demo.Other", "demo.Main", "app.Start"}));
}

TEST_F(ControlsTest, ListBoxKeepsTwentyWithTheLimit)
{
    std::string items;
    for (int i = 0; i < 25; ++i)
        items += "(C:\\lib\\" + std::to_string(i) + ".jar)\r\n";
    Start(Section("SECT_DLGOP_SIBLING", "", items));
    HWND list = Make("LISTBOX", 0);
    EXPECT_EQ(settings.LoadListBox(list, "SECT_DLGOP_SIBLING", 1), 20);
    SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>("C:\\extra.jar"));
    EXPECT_EQ(settings.SaveListBox(list, "SECT_DLGOP_SIBLING", 1), 1);
    StringList saved;
    settings.GetList(saved, "SECT_DLGOP_SIBLING");
    EXPECT_EQ(saved.Count(), 20);
    EXPECT_STREQ(saved.GetAt(19).Data(), "C:\\lib\\19.jar");
}

}  // namespace
