// winsock2.h must come before windows.h, which app.h brings.
#include <winsock2.h>

#include "app.h"

#include <richedit.h>

#include <vector>

namespace {

std::vector<HWND>& ModelessDialogs()
{
    static std::vector<HWND> dialogs;
    return dialogs;
}

HBRUSH dialogBrush = nullptr;
COLORREF dialogText = RGB(0, 0, 0);

}  // namespace

App* App::current = nullptr;

App::App()
{
    current = this;
}

App::~App()
{
    if (current == this)
        current = nullptr;
}

int App::Main(HINSTANCE hInstance, const char* commandLine)
{
    instance = hInstance;
    if (!InitInstance(commandLine ? commandLine : ""))
        return 0;
    return Run();
}

int App::Run()
{
    MSG msg;
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (PreTranslate(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    return static_cast<int>(msg.wParam);
}

bool App::StartSockets()
{
    WSADATA data;
    return WSAStartup(MAKEWORD(1, 1), &data) == 0;
}

bool App::LoadRichEdit()
{
    static HMODULE library = LoadLibraryA("riched20.dll");
    return library != nullptr;
}

bool App::InitOle()
{
    const HRESULT result = OleInitialize(nullptr);
    return SUCCEEDED(result);
}

void App::SetDialogColors(COLORREF background, COLORREF text)
{
    if (dialogBrush)
        DeleteObject(dialogBrush);
    dialogBrush = CreateSolidBrush(background);
    dialogText = text;
}

HBRUSH App::DialogBrush()
{
    return dialogBrush;
}

COLORREF App::DialogTextColor()
{
    return dialogText;
}

void App::AddModeless(HWND dialog)
{
    ModelessDialogs().push_back(dialog);
}

void App::RemoveModeless(HWND dialog)
{
    std::vector<HWND>& dialogs = ModelessDialogs();
    for (size_t i = 0; i < dialogs.size(); ++i) {
        if (dialogs[i] == dialog) {
            dialogs.erase(dialogs.begin() + static_cast<long>(i));
            return;
        }
    }
}

bool App::PreTranslate(MSG& msg)
{
    for (HWND dialog : ModelessDialogs()) {
        if (IsWindow(dialog) && IsDialogMessageA(dialog, &msg))
            return true;
    }
    return false;
}
