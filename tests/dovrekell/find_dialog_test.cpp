// The find text dialog over a page view that finds nothing: its history,
// its messages and which of its choices outlive the program.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "controls.h"
#include "dovrekell_ids.h"
#include "find_dialog.h"
#include "help_settings_fixture.h"
#include "seams.h"

namespace {

struct Search {
    std::string text;
    int flags;
};

class RecordingFinder : public TextFinder {
public:
    bool FindText(const char* text, int flags, bool reportMissing) override
    {
        searches.push_back({text, flags});
        return !reportMissing;
    }
    std::vector<Search> searches;
};

std::vector<std::string> shownMessages;

int RecordMessage(HWND, const char* text, const char*, UINT)
{
    shownMessages.push_back(text);
    return IDOK;
}

std::vector<std::string> Entries(HWND dialog)
{
    const ComboBox combo(dialog, IDC_FIND_TEXT);
    std::vector<std::string> entries;
    for (int i = 0; i < combo.GetCount(); ++i)
        entries.push_back(combo.GetItemText(i).Data());
    return entries;
}

void Find(HWND dialog, const char* text)
{
    SetDlgItemTextA(dialog, IDC_FIND_TEXT, text);
    SendMessageA(dialog, WM_COMMAND, MAKEWPARAM(IDC_FIND, BN_CLICKED), 0);
}

TEST(FindTextDialog, HistoryMessagesAndKeptChoices)
{
    seams::ShowMessage = RecordMessage;
    RemoveHelpSettingsFile();
    RecordingFinder finder;
    {
        FindTextDialog dialog(nullptr, finder);
        ASSERT_TRUE(dialog.Create());
        dialog.Show();
        const HWND window = dialog.Handle();
        Find(window, "   ");
        EXPECT_EQ(shownMessages, std::vector<std::string>{"Please input text for finding"});
        EXPECT_TRUE(finder.searches.empty());

        Button(window, IDC_FIND_WHOLE_WORD).SetCheck(BST_CHECKED);
        Button(window, IDC_FIND_CASE).SetCheck(BST_CHECKED);
        for (const char* text : {"  alpha ", "beta", "gamma", "Alpha"})
            Find(window, text);
        // Trimmed, newest first, an entry equal but for case moved up once.
        EXPECT_EQ(Entries(window), (std::vector<std::string>{"Alpha", "gamma", "beta"}));
        ASSERT_EQ(finder.searches.size(), 4u);
        EXPECT_EQ(finder.searches[0].text, "alpha");
        EXPECT_EQ(finder.searches[0].flags, FindTextDialog::kWholeWord | FindTextDialog::kMatchCase);
        EXPECT_EQ(shownMessages.back(), "Can not find\nAlpha");

        SendMessageA(window, WM_CLOSE, 0, 0);
        EXPECT_FALSE(IsWindowVisible(window));
    }
    // A new start: the history and whole word come back, case does not.
    FindTextDialog dialog(nullptr, finder);
    ASSERT_TRUE(dialog.Create());
    dialog.Show();
    EXPECT_EQ(Entries(dialog.Handle()), (std::vector<std::string>{"Alpha", "gamma", "beta"}));
    EXPECT_EQ(Button(dialog.Handle(), IDC_FIND_WHOLE_WORD).GetCheck(), BST_CHECKED);
    EXPECT_EQ(Button(dialog.Handle(), IDC_FIND_CASE).GetCheck(), BST_UNCHECKED);
    SendMessageA(dialog.Handle(), WM_CLOSE, 0, 0);
    RemoveHelpSettingsFile();
    seams::Restore();
}

}  // namespace
