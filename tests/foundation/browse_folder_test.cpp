#include <windows.h>

#include <gtest/gtest.h>

#include <shlobj.h>

#include <algorithm>
#include <vector>

#include "browse_folder.h"

namespace {

constexpr UINT kHandledByHelper = WM_APP + 1;
constexpr UINT kLeftToPicker = WM_APP + 2;

// Stands in for the picker's own window procedure.
std::vector<UINT> g_pickerMessages;
LRESULT CALLBACK PickerProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message >= WM_APP)
        g_pickerMessages.push_back(message);
    return DefWindowProcA(window, message, wParam, lParam);
}

struct RecordingHelper : BrowseHelper {
    std::vector<UINT> seen;
    int OnMessage(UINT message, WPARAM, LPARAM) override
    {
        seen.push_back(message);
        return message == kHandledByHelper;
    }
};

TEST(BrowseHelper, TheInitialisedPickerIsSubclassedThroughTheHelper)
{
    WNDCLASSA wc = {};
    wc.lpfnWndProc = PickerProc;
    wc.hInstance = GetModuleHandleA(nullptr);
    wc.lpszClassName = "QuenlowFakePicker";
    ASSERT_TRUE(RegisterClassA(&wc));
    HWND picker = CreateWindowExA(0, wc.lpszClassName, "", WS_POPUP, 0, 0, 10, 10, nullptr, nullptr,
                                  wc.hInstance, nullptr);
    ASSERT_NE(picker, nullptr);

    RecordingHelper helper;
    // Messages other than "initialised" leave the picker alone.
    EXPECT_EQ(BrowseCallbackProc(picker, BFFM_SELCHANGED, 0, reinterpret_cast<LPARAM>(&helper)), 0);
    EXPECT_EQ(helper.dialog, nullptr);

    EXPECT_EQ(BrowseCallbackProc(picker, BFFM_INITIALIZED, 0, reinterpret_cast<LPARAM>(&helper)), 0);
    EXPECT_EQ(helper.dialog, picker);
    EXPECT_EQ(helper.oldProc, PickerProc);
    ASSERT_FALSE(helper.seen.empty());
    EXPECT_EQ(helper.seen.front(), static_cast<UINT>(WM_INITDIALOG));

    SendMessageA(picker, kHandledByHelper, 0, 0);
    SendMessageA(picker, kLeftToPicker, 0, 0);
    EXPECT_EQ(g_pickerMessages, std::vector<UINT>{ kLeftToPicker });
    EXPECT_NE(std::find(helper.seen.begin(), helper.seen.end(), kHandledByHelper), helper.seen.end());

    DestroyWindow(picker);
    UnregisterClassA(wc.lpszClassName, wc.hInstance);
}

}  // namespace
