#include "app.h"

#include <vector>

namespace {

std::vector<MessageFilter*>& Filters()
{
    static std::vector<MessageFilter*> filters;
    return filters;
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

HINSTANCE App::Instance()
{
    static HINSTANCE instance = [] {
        HMODULE module = nullptr;
        GetModuleHandleExA(GET_MODULE_HANDLE_EX_FLAG_FROM_ADDRESS | GET_MODULE_HANDLE_EX_FLAG_UNCHANGED_REFCOUNT,
                           reinterpret_cast<const char*>(&Filters), &module);
        return module ? module : GetModuleHandleA(nullptr);
    }();
    return instance;
}

int App::Main(const char* commandLine)
{
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

void App::RunModalLoop(HWND owner, const std::function<bool()>& running, const std::function<bool(MSG&)>& ownKeys)
{
    const bool ownerWasEnabled = owner && IsWindowEnabled(owner);
    if (ownerWasEnabled)
        EnableWindow(owner, FALSE);
    MSG msg;
    while (running()) {
        const BOOL got = GetMessageA(&msg, nullptr, 0, 0);
        if (got <= 0) {
            PostQuitMessage(static_cast<int>(msg.wParam));
            break;
        }
        if (ownKeys(msg) || PreTranslate(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    if (ownerWasEnabled)
        EnableWindow(owner, TRUE);
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

void App::AddFilter(MessageFilter& filter)
{
    Filters().push_back(&filter);
}

void App::RemoveFilter(MessageFilter& filter)
{
    std::vector<MessageFilter*>& filters = Filters();
    for (size_t i = filters.size(); i-- > 0;) {
        if (filters[i] == &filter) {
            filters.erase(filters.begin() + static_cast<long>(i));
            return;
        }
    }
}

bool App::PreTranslate(MSG& msg)
{
    // By index from the newest: a filter may end (and remove itself or an
    // older one) while it handles the message.
    std::vector<MessageFilter*>& filters = Filters();
    for (size_t i = filters.size(); i-- > 0;) {
        if (i < filters.size() && filters[i]->PreTranslate(msg))
            return true;
    }
    return false;
}
