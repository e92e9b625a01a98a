#include <windows.h>

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <thread>
#include <vector>

#include "controls.h"
#include "dialog.h"
#include "framework_test_ids.h"
#include "property_sheet.h"

namespace {

using Log = std::vector<std::string>;

class FirstPage : public PropertyPage {
public:
    explicit FirstPage(Log& log) : PropertyPage(IDD_PAGE_ONE), log(log) {}

    XString text{"demo"};
    int check = BST_CHECKED;
    int radio = 1;
    int combo = 2;

protected:
    BOOL OnInitDialog() override
    {
        ComboBox choices(Handle(), IDC_PAGE_COMBO);
        for (const char* choice : {"zero", "one", "two"})
            choices.AddString(choice);
        return PropertyPage::OnInitDialog();
    }
    void Exchange(DataExchange& dx) override
    {
        dx.Text(IDC_PAGE_TEXT, text);
        dx.Check(IDC_PAGE_CHECK, check);
        dx.Radio(IDC_RADIO_A, radio);
        dx.ComboIndex(IDC_PAGE_COMBO, combo);
    }
    bool OnApply() override
    {
        log.push_back("apply first");
        return true;
    }
    RouteTable Routes() const override
    {
        static const MessageRoute routes[] = {
            OnCommand(EN_CHANGE, IDC_PAGE_TEXT, &FirstPage::OnTextChange),
        };
        return Table(routes);
    }

private:
    INT_PTR OnTextChange(WPARAM, LPARAM)
    {
        SetModified();
        return TRUE;
    }

    Log& log;
};

// Refuses to be left while its text reads "stay".
class SecondPage : public PropertyPage {
public:
    explicit SecondPage(Log& log) : PropertyPage(IDD_PAGE_TWO), log(log) {}

protected:
    bool OnSetActive() override
    {
        log.push_back("second active");
        return true;
    }
    bool OnKillActive() override
    {
        if (Control(Handle(), IDC_SECOND_TEXT).GetText().CompareN("stay") == 0) {
            log.push_back("second refused");
            return false;
        }
        return PropertyPage::OnKillActive();
    }
    bool OnApply() override
    {
        log.push_back("apply second");
        return true;
    }
    void OnReset() override { log.push_back("reset second"); }

private:
    Log& log;
};

constexpr UINT_PTR kScriptTimer = 11;
constexpr int kApplyButton = 0x3021;  // the sheet's Apply button

// A two-page sheet that plays a script, one step per timer tick, from its
// own (subclassed) window; WM_COPYDATA is one of its routes.
class TestSheet : public PropertySheet {
public:
    using Step = std::function<void(TestSheet&)>;

    TestSheet(Log& log, std::vector<Step> steps)
        : PropertySheet("Sheet"), first(log), second(log), log(log), steps(std::move(steps))
    {
        AddPage(first);
        AddPage(second);
    }

    FirstPage first;
    SecondPage second;
    std::string copied;
    bool visibleAtInit = true;

    HWND Focus() const { return GetFocus(); }
    // The step runs again at the next tick: it waits for something.
    void Again() { --next; }
    HWND PageItem(int page, int id) const { return GetDlgItem(Page(page).Handle(), id); }

protected:
    void OnInitSheet() override
    {
        visibleAtInit = IsWindowVisible(Handle()) != FALSE;
        SetTimer(Handle(), kScriptTimer, 40, nullptr);
    }
    RouteTable Routes() const override
    {
        static const MessageRoute routes[] = {
            OnMessage(WM_COPYDATA, &TestSheet::OnCopyData),
            OnMessage(WM_TIMER, &TestSheet::OnTimer),
        };
        return Table(routes);
    }

private:
    INT_PTR OnCopyData(WPARAM, LPARAM lParam)
    {
        const COPYDATASTRUCT* data = reinterpret_cast<const COPYDATASTRUCT*>(lParam);
        copied.assign(static_cast<const char*>(data->lpData), data->cbData);
        return TRUE;
    }
    INT_PTR OnTimer(WPARAM id, LPARAM)
    {
        if (id != kScriptTimer)
            return 0;
        SetControlKey(false);
        if (next < steps.size() && ++ticks < kMostTicks) {
            steps[next++](*this);
        } else {
            // A script that did not end the sheet: end it, so the test ends.
            KillTimer(Handle(), kScriptTimer);
            log.push_back("script ran out");
            PropSheet_PressButton(Handle(), PSBTN_CANCEL);
        }
        return 0;
    }

public:
    // Ctrl as the loop's key handling sees it, for keys posted after it.
    static void SetControlKey(bool down)
    {
        BYTE keys[256];
        GetKeyboardState(keys);
        keys[VK_CONTROL] = down ? 0x80 : 0;
        SetKeyboardState(keys);
    }

private:
    Log& log;
    std::vector<Step> steps;
    size_t next = 0;
    int ticks = 0;
    static constexpr int kMostTicks = 250;  // ten seconds of 40 ms ticks
};

void PostKey(HWND target, UINT key, bool control = false)
{
    TestSheet::SetControlKey(control);
    PostMessageA(target, WM_KEYDOWN, key, 1);
}

TEST(PropertySheet, KeysPagesApplyAndCopyDataUnderOurOwnLoop)
{
    Log log;
    Dialog modeless(IDD_TEST);  // open beside the sheet, with its own keys
    ASSERT_TRUE(modeless.Create());
    std::vector<std::string> seen;
    std::thread sender;
    TestSheet* running = nullptr;
    auto note = [&](const std::string& what) { seen.push_back(what); };
    TestSheet sheet(log, {
        [&](TestSheet& s) {
            running = &s;
            EXPECT_EQ(s.ActiveIndex(), 0);
            // The members reached the controls.
            EXPECT_STREQ(Control(s.PageItem(0, IDC_PAGE_TEXT)).GetText().Data(), "demo");
            EXPECT_EQ(Button(s.PageItem(0, IDC_PAGE_CHECK)).GetCheck(), BST_CHECKED);
            EXPECT_EQ(Button(s.PageItem(0, IDC_RADIO_B)).GetCheck(), BST_CHECKED);
            EXPECT_EQ(ComboBox(s.PageItem(0, IDC_PAGE_COMBO)).GetCurSel(), 2);
            SetFocus(s.PageItem(0, IDC_PAGE_TEXT));
            PostKey(s.Focus(), VK_TAB);
        },
        [&](TestSheet& s) {
            if (s.Focus() == s.PageItem(0, IDC_PAGE_CHECK))
                note("tab inside the page");
            // The user's edits, read back when the page is left.
            Control(s.PageItem(0, IDC_PAGE_TEXT)).SetText("edited");
            Button(s.PageItem(0, IDC_PAGE_CHECK)).SetCheck(BST_UNCHECKED);
            Button(s.PageItem(0, IDC_RADIO_B)).SetCheck(BST_UNCHECKED);
            Button(s.PageItem(0, IDC_RADIO_A)).SetCheck(BST_CHECKED);
            ComboBox(s.PageItem(0, IDC_PAGE_COMBO)).SetCurSel(0);
            PostKey(s.Focus(), VK_TAB, true);
        },
        [&](TestSheet& s) {
            if (s.ActiveIndex() == 1)
                note("ctrl+tab to the second page");
            Control(s.PageItem(1, IDC_SECOND_TEXT)).SetText("stay");
            SetFocus(s.PageItem(1, IDC_SECOND_TEXT));
            PostKey(s.Focus(), VK_TAB, true);
        },
        [&](TestSheet& s) {
            if (s.ActiveIndex() == 1)
                note("refusal keeps the page");
            Control(s.PageItem(1, IDC_SECOND_TEXT)).SetText("go");
            // From another thread, as a second start hands its payload over.
            HWND target = s.Handle();
            sender = std::thread([target] {
                static char payload[] = "/inside-info x";
                COPYDATASTRUCT data = {0, sizeof payload - 1, payload};
                DWORD_PTR answer = 0;
                SendMessageTimeoutA(target, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&data), SMTO_ABORTIFHUNG, 60000,
                                    &answer);
            });
            SetFocus(modeless.Item(IDC_NAME));
            PostKey(modeless.Item(IDC_NAME), VK_TAB);
        },
        [&](TestSheet& s) {
            if (s.copied.empty()) {
                s.Again();
                return;
            }
            if (GetFocus() == modeless.Item(IDC_RUN))
                note("the modeless dialog keeps its tab");
            Button(GetDlgItem(s.Handle(), kApplyButton)).Click();
        },
        [&](TestSheet& s) {
            if (IsWindowEnabled(GetDlgItem(s.Handle(), kApplyButton)) == FALSE)
                note("applied");
            Button(GetDlgItem(s.Handle(), IDOK)).Click();
        },
    });
    EXPECT_EQ(sheet.DoModal(), IDOK);
    if (sender.joinable())
        sender.join();
    EXPECT_NE(running, nullptr);
    EXPECT_EQ(seen, (std::vector<std::string>{"tab inside the page", "ctrl+tab to the second page",
                                              "refusal keeps the page", "the modeless dialog keeps its tab",
                                              "applied"}));
    EXPECT_EQ(sheet.copied, "/inside-info x");
    // Apply comes back to the current page with PSN_SETACTIVE; OK applies
    // again and ends.
    EXPECT_EQ(log, (Log{"second active", "second refused", "apply first", "apply second", "second active",
                        "apply first", "apply second"}));
    EXPECT_STREQ(sheet.first.text.Data(), "edited");
    EXPECT_EQ(sheet.first.check, BST_UNCHECKED);
    EXPECT_EQ(sheet.first.radio, 0);
    EXPECT_EQ(sheet.first.combo, 0);
    EXPECT_EQ(sheet.Handle(), nullptr);  // destroyed when the loop ended
}

TEST(PropertySheet, TheSheetShowsOnceItIsSetUp)
{
    Log log;
    bool visible = false;
    TestSheet sheet(log, {
        [&](TestSheet& s) { visible = IsWindowVisible(s.Handle()) != FALSE; },
        [](TestSheet& s) { Button(GetDlgItem(s.Handle(), IDCANCEL)).Click(); },
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_FALSE(sheet.visibleAtInit);
    EXPECT_TRUE(visible);
}

TEST(PropertySheet, CancelEndsWithoutApplying)
{
    Log log;
    TestSheet sheet(log, {
        [](TestSheet& s) { s.SetActivePage(1); },
        [](TestSheet& s) { Button(GetDlgItem(s.Handle(), IDCANCEL)).Click(); },
    });
    EXPECT_EQ(sheet.DoModal(), IDCANCEL);
    EXPECT_EQ(log, (Log{"second active", "reset second"}));
    EXPECT_STREQ(sheet.first.text.Data(), "demo");
}

}  // namespace
