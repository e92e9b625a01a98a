#pragma once

#include <windows.h>

#include <memory>
#include <utility>
#include <vector>

#include "contents_memory.h"
#include "extension_groups.h"
#include "form_view.h"
#include "image_list.h"
#include "online_download.h"
#include "tab_page_groups.h"
#include "xstring.h"

class ZFrm;

// The left panel on its dialog template: the Contents tree, the Index, the
// title and file searches, and the favorites. It owns the flags the
// documentation worker shares with the frame: busy while a scan runs (set
// and cleared on the window thread), keep-running cleared to ask the worker
// to stop (plain integers the worker polls).
class ZViewForm : public FormView {
public:
    // Sent by the worker when its scan has ended.
    static constexpr UINT kScanEnded = WM_APP + 1;
    enum StatusPage { kErrorPage = 0, kWaitPage = 1, kCompletePage = 2 };

    ZViewForm(HWND parent, ZFrm& frame);
    ~ZViewForm() override;

    // After the frame has all its views: settings, tabs, and the first load.
    void InitialUpdate();
    // Reads the folder and the user's groups from the settings and, when the
    // folder is a documentation folder, starts the scan.
    void LoadDocumentation();
    void ShowStatusPage(int kind);
    void IndexLookup();

    volatile LONG busy = 0;
    volatile long keepRunning = 1;
    ExtensionGroups groups;  // also holds the documentation folder text
    // Stopped before the frame destroys the panel, so the thread never
    // outlives the tree it fills.
    OnlineDownload online;
    // Where the online thread fetches from; a test names a server of its own.
    XString onlineHost{OnlineDownload::DefaultHost()};

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    void OnCancel() override {}
    RouteTable Routes() const override;

private:
    static DWORD WINAPI Worker(void* parameter);

    void FillFromScan();
    void Layout();
    void Exchange(bool saving);
    void OpenEntry(int listId);

    INT_PTR OnSize(WPARAM, LPARAM);
    INT_PTR OnTabChange(WPARAM, LPARAM);
    INT_PTR OnIndexOpen(WPARAM, LPARAM);
    INT_PTR OnIndexEdit(WPARAM, LPARAM);
    INT_PTR OnFavoriteAdd(WPARAM, LPARAM);
    INT_PTR OnFavoriteRemove(WPARAM, LPARAM);
    INT_PTR OnFavoriteOpen(WPARAM, LPARAM);
    INT_PTR OnTitleSearch(WPARAM, LPARAM);
    INT_PTR OnResultOpen(WPARAM, LPARAM);
    INT_PTR OnTreeDoubleClick(WPARAM, LPARAM);
    INT_PTR OnTreeRightClick(WPARAM, LPARAM);
    INT_PTR OnTreeSelection(WPARAM, LPARAM);
    INT_PTR OnSearchFiles(WPARAM, LPARAM);
    INT_PTR OnScanEnded(WPARAM, LPARAM);
    INT_PTR OnDestroyPanel(WPARAM, LPARAM);

    ZFrm& frame;
    int searchPosition = 0;
    int caseSensitive = 0;
    ImageList treeImages;
    HANDLE worker = nullptr;
    // Written by the worker before it posts its end, read after it.
    std::unique_ptr<ContentsMemory> scanned;
    std::vector<std::pair<ContentsItem, ContentsItem>> scannedRoots;  // scanned root, tree root
    ExtensionGroups scanGroups;
    TabPageGroups pages;
    bool settingIndexText = false;
};
