// Closes the help browser's frame while a documentation scan is busy, as a
// program of its own: a simulated scan, or with a documentation folder as
// its argument the panel's real scan of that folder. The exit code is the
// message loop's (0) when the frame waited for the worker, 2 when it closed
// under it, 3 when it did not come up.
#include <winsock2.h>
#include <windows.h>
#include <commctrl.h>
#include <tlhelp32.h>

#include <cstdio>
#include <cstring>
#include <set>
#include <string>

#include "app.h"
#include "chosen_docs_folder.h"
#include "fake_browser.h"
#include "frame.h"
#include "help_settings.h"
#include "support/loopback_http_server.h"

namespace {

constexpr DWORD kWorkerTailMs = 120;  // the worker's last step after it saw the request

struct Scan {
    ZViewForm* panel;
    volatile LONG finishedAt;
};

DWORD WINAPI SimulatedScan(void* parameter)
{
    Scan* scan = static_cast<Scan*>(parameter);
    while (scan->panel->keepRunning)
        Sleep(5);
    Sleep(kWorkerTailMs);
    InterlockedExchange(&scan->finishedAt, static_cast<LONG>(GetTickCount()));
    InterlockedExchange(&scan->panel->busy, 0);
    return 0;
}

// The message loop to its end, noting whether the frame went while busy.
int RunUntilClosed(ZFrm& frame, bool* closedUnderWorker)
{
    MSG msg = {};
    while (GetMessageA(&msg, nullptr, 0, 0) > 0) {
        if (App::PreTranslate(msg))
            continue;
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
        if (!IsWindow(frame.Handle()) && frame.Panel().busy)
            *closedUnderWorker = true;
    }
    return static_cast<int>(msg.wParam);
}

// The panel's own worker over the folder; closed at once.
int CloseDuringRealScan(ZFrm& frame, const char* docs)
{
    if (!ChooseDocsFolder(docs))
        return 3;
    frame.Panel().InitialUpdate();
    if (!frame.Panel().busy)
        return 3;
    PostMessageA(frame.Handle(), WM_CLOSE, 0, 0);
    bool closedUnderWorker = false;
    const int code = RunUntilClosed(frame, &closedUnderWorker);
    return closedUnderWorker ? 2 : code;
}

std::set<DWORD> ThreadsOfThisProcess()
{
    std::set<DWORD> threads;
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPTHREAD, 0);
    if (snapshot == INVALID_HANDLE_VALUE)
        return threads;
    THREADENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    for (BOOL more = Thread32First(snapshot, &entry); more; more = Thread32Next(snapshot, &entry)) {
        if (entry.th32OwnerProcessID == GetCurrentProcessId())
            threads.insert(entry.th32ThreadID);
    }
    CloseHandle(snapshot);
    return threads;
}

// Destroys the frame while the scan of docs runs and the online list still
// trickles in from a server of our own; no thread the frame started may be
// left after it. Exit code 0, or 2 with the threads left.
int DestroyDuringDownloadAndScan(const char* docs)
{
    const std::string list(100000, 'x');
    LoopbackServer server({{"/software/dovrekell/online/onlinefile/onlineitem.txt", {200, list, std::string::npos, 20}}});
    if (!ChooseDocsFolder(docs))
        return 3;

    const std::set<DWORD> before = ThreadsOfThisProcess();
    {
        ZDoc document;
        FakeBrowser browser;
        ZFrm frame(document, browser);
        if (!frame.Create())
            return 3;
        frame.Panel().onlineHost = server.Host().c_str();
        frame.Panel().InitialUpdate();
        const DWORD start = GetTickCount();
        while (server.requests == 0 && GetTickCount() - start < 30000)
            Sleep(10);
        if (server.requests == 0 || !frame.Panel().busy || !frame.Panel().online.IsRunning())
            return 3;
        DestroyWindow(frame.Handle());
    }
    int left = 0;
    for (DWORD thread : ThreadsOfThisProcess()) {
        if (!before.count(thread)) {
            std::printf("thread %lu still runs\n", static_cast<unsigned long>(thread));
            ++left;
        }
    }
    return left ? 2 : 0;
}

}  // namespace

int main(int argc, char** argv)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_BAR_CLASSES | ICC_COOL_CLASSES};
    InitCommonControlsEx(&controls);
    if (argc > 2 && std::strcmp(argv[1], "--destroy-busy") == 0)
        return DestroyDuringDownloadAndScan(argv[2]);
    ZDoc document;
    FakeBrowser browser;
    ZFrm frame(document, browser);
    if (!frame.Create())
        return 3;
    if (argc > 1)
        return CloseDuringRealScan(frame, argv[1]);

    Scan scan = {&frame.Panel(), 0};
    frame.Panel().busy = 1;
    frame.Panel().keepRunning = 1;
    HANDLE worker = CreateThread(nullptr, 0, SimulatedScan, &scan, 0, nullptr);
    if (!worker)
        return 3;
    PostMessageA(frame.Handle(), WM_CLOSE, 0, 0);
    bool closedUnderWorker = false;
    const int code = RunUntilClosed(frame, &closedUnderWorker);
    const DWORD closedAt = GetTickCount();
    const bool workerDone = WaitForSingleObject(worker, 60000) == WAIT_OBJECT_0;
    CloseHandle(worker);
    if (closedUnderWorker || !workerDone || scan.finishedAt == 0 ||
        static_cast<LONG>(closedAt - static_cast<DWORD>(scan.finishedAt)) < 0)
        return 2;
    return code;
}
