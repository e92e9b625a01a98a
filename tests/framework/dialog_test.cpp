#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "app.h"
#include "controls.h"
#include "dialog.h"
#include "framework_test_ids.h"
#include "seams.h"
#include "single_instance.h"

namespace {

constexpr UINT_PTR kClickTimer = 7;

// A dialog that records what its routes saw; optionally clicks Run by itself.
class RunDialog : public Dialog {
public:
    explicit RunDialog(HWND parent = nullptr, bool clickRunWhenShown = false)
        : Dialog(IDD_TEST, parent), clickRun(clickRunWhenShown)
    {
    }

    std::vector<std::string> seen;

protected:
    BOOL OnInitDialog() override
    {
        seen.push_back("init");
        Control(Handle(), IDC_NAME).SetText("demo.Main");
        if (clickRun)
            SetTimer(Handle(), kClickTimer, 10, nullptr);
        return TRUE;
    }
    RouteTable Routes() const override
    {
        static const MessageRoute routes[] = {
            OnCommand(BN_CLICKED, IDC_RUN, &RunDialog::OnRun),
            OnCommand(EN_CHANGE, IDC_NAME, &RunDialog::OnNameChange),
            OnMessage(WM_TIMER, &RunDialog::OnTimer),
        };
        return Table(routes);
    }
    void OnCancel() override
    {
        seen.push_back("cancel");
        Dialog::OnCancel();
    }

private:
    INT_PTR OnRun(WPARAM, LPARAM)
    {
        seen.push_back("run:" + std::string(Control(Handle(), IDC_NAME).GetText().Data()));
        EndDialog(42);
        return TRUE;
    }
    INT_PTR OnNameChange(WPARAM, LPARAM)
    {
        seen.push_back("change");
        return TRUE;
    }
    INT_PTR OnTimer(WPARAM id, LPARAM)
    {
        if (id == kClickTimer) {
            KillTimer(Handle(), kClickTimer);
            Button(Handle(), IDC_RUN).Click();
        }
        return TRUE;
    }

    bool clickRun;
};

TEST(Dialog, ModalLoopEndsWithTheHandlersResultAndGivesTheOwnerBack)
{
    HWND owner = CreateWindowExA(0, "STATIC", "owner", WS_OVERLAPPEDWINDOW, 0, 0, 100, 100, nullptr, nullptr,
                                 GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(owner, nullptr);
    RunDialog dialog(owner, true);
    EXPECT_EQ(dialog.DoModal(), 42);
    EXPECT_EQ(dialog.seen, (std::vector<std::string>{"init", "change", "run:demo.Main"}));
    EXPECT_TRUE(IsWindowEnabled(owner));
    EXPECT_EQ(dialog.Handle(), nullptr);  // destroyed when the loop ended
    DestroyWindow(owner);
}

TEST(Dialog, RoutesCommandsAndFallsBackToOkAndCancel)
{
    RunDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HWND hwnd = dialog.Handle();
    SendMessageA(hwnd, WM_COMMAND, MAKEWPARAM(IDCANCEL, BN_CLICKED), 0);
    EXPECT_EQ(dialog.seen.back(), "cancel");
    EXPECT_FALSE(IsWindow(hwnd));  // a modeless dialog ends by going away
}

TEST(Dialog, MissingTemplateFailsWithoutAWindow)
{
    Dialog dialog(999);
    EXPECT_EQ(dialog.DoModal(), -1);
    EXPECT_FALSE(dialog.Create());
}

TEST(Dialog, PaintsWithTheApplicationsDialogColours)
{
    App::SetDialogColors(RGB(224, 240, 255), RGB(0, 0, 0));
    RunDialog dialog;
    ASSERT_TRUE(dialog.Create());
    HDC dc = GetDC(dialog.Handle());
    const LRESULT brush = SendMessageA(dialog.Handle(), WM_CTLCOLORDLG, reinterpret_cast<WPARAM>(dc),
                                       reinterpret_cast<LPARAM>(dialog.Handle()));
    EXPECT_EQ(reinterpret_cast<HBRUSH>(brush), App::DialogBrush());
    ReleaseDC(dialog.Handle(), dc);
}

struct Recorded {
    std::string text;
    std::string caption;
    UINT type = 0;
};
Recorded lastMessage;

int RecordAndAnswerNo(HWND, const char* text, const char* caption, UINT type)
{
    lastMessage = {text, caption, type};
    return IDNO;
}

TEST(Seams, MessageBoxesCanBeRecordedAndAnswered)
{
    seams::ShowMessage = RecordAndAnswerNo;
    EXPECT_EQ(seams::ShowMessage(nullptr, "Error:\ncan not read", "Quenlow", MB_YESNO | MB_ICONERROR), IDNO);
    EXPECT_EQ(lastMessage.text, "Error:\ncan not read");
    EXPECT_EQ(lastMessage.caption, "Quenlow");
    EXPECT_EQ(lastMessage.type, static_cast<UINT>(MB_YESNO | MB_ICONERROR));
    seams::Restore();
    EXPECT_NE(seams::ShowMessage, &RecordAndAnswerNo);
}

}  // namespace

namespace {

TEST(SingleInstance, APublishedWindowIsFoundAndRaised)
{
    const char* name = "quenlow_test_slot";
    EXPECT_EQ(single_instance::Find(name), nullptr);
    EXPECT_FALSE(single_instance::RaiseExisting(name));
    RunDialog dialog;
    ASSERT_TRUE(dialog.Create());
    ShowWindow(dialog.Handle(), SW_MINIMIZE);
    ASSERT_TRUE(single_instance::Publish(name, dialog.Handle()));
    EXPECT_EQ(single_instance::Find(name), dialog.Handle());
    EXPECT_TRUE(single_instance::RaiseExisting(name));
    EXPECT_FALSE(IsIconic(dialog.Handle()));
}

}  // namespace
