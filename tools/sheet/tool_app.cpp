#include "tool_app.h"

#include <commctrl.h>

#include "rich_edit.h"
#include "single_instance.h"

HWND FindRunningSheet(ToolKind kind)
{
    HWND window = single_instance::Find(ZSheet::SlotName(kind));
    // A slot may outlive its window (an instance that crashed): such a slot
    // must not swallow the request.
    if (!window || !IsWindow(window))
        return nullptr;
    const INT_PTR mark = reinterpret_cast<INT_PTR>(GetPropA(window, ZSheet::kToolProperty));
    return mark == (kind == ToolKind::Compile ? 2 : 1) ? window : nullptr;
}

BOOL ZApp::InitInstance(const char* commandLine)
{
    XString payload;
    if (!TakeInsideInfoPayload(commandLine, payload))
        return FALSE;

    if (HWND running = FindRunningSheet(kind)) {
        ShowWindow(running, SW_RESTORE);
        SetForegroundWindow(running);
        COPYDATASTRUCT record = {};
        record.dwData = 0;
        record.cbData = static_cast<DWORD>(payload.Length() + 1);
        record.lpData = const_cast<char*>(payload.Data());
        // Synchronous: the running sheet has the payload when this returns.
        SendMessageA(running, WM_COPYDATA, 0, reinterpret_cast<LPARAM>(&record));
        return FALSE;
    }

    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_TAB_CLASSES};
    InitCommonControlsEx(&controls);
    LoadRichEditLibrary();
    std::unique_ptr<ZSheet> sheet = CreateSheet(payload.Data());
    sheet->DoModal();
    return FALSE;
}
