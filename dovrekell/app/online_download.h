#pragma once

#include <windows.h>
#include <commctrl.h>
#include <wininet.h>

#include <memory>
#include <string>

// The online thread: fetches the online item list and the two status pages
// from our server, then fills the Online part of the Contents tree. It runs
// once per start; Stop ends it, bounded, before the tree goes away.
class OnlineDownload {
public:
    struct Settings {
        std::string host;         // "name" or "name:port"
        std::string localFolder;  // the module's folder; the pages go to its "html" folder
        HWND tree = nullptr;
        HTREEITEM onlineRoot = nullptr;
    };

    // Every step of the thread ends within a moment of a stop but a name
    // look-up, which nothing can cut short.
    static constexpr DWORD kStopWaitMs = 5000;

    // The host of the build, "name" or "name:port".
    static const char* DefaultHost();

    OnlineDownload() = default;
    ~OnlineDownload();
    OnlineDownload(const OnlineDownload&) = delete;
    OnlineDownload& operator=(const OnlineDownload&) = delete;

    bool Start(const Settings& settings);
    // Asks the thread to stop, aborts its connection and waits at most
    // timeoutMs; true when it has ended (or never ran). While false, the
    // thread may still send to the tree: what it fills must stay until the
    // tree itself goes, and a later Stop waits again.
    bool Stop(DWORD timeoutMs = kStopWaitMs);
    bool IsRunning() const;

    struct Shared;  // what the thread keeps even when it outlives this object

private:
    std::shared_ptr<Shared> shared;
    HANDLE thread = nullptr;
};

// Fetches remote (a path below the host) into local: a whole 200 answer
// replaces local through a temporary file beside it; any other answer leaves
// local untouched. 1 for any answer but 401 and an incomplete body; 0 for
// those and for a failed connection. Exposed for the tests.
int DownloadFile(HINTERNET session, const char* host, const char* remote, const char* local,
                 const volatile LONG* keepRunning);
