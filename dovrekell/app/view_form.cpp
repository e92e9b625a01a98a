#include "view_form.h"

#include <commctrl.h>

#include <cctype>
#include <string>
#include <vector>

#include "controls.h"
#include "data_exchange.h"
#include "docs_scan.h"
#include "dovrekell_ids.h"
#include "extension_text.h"
#include "frame.h"
#include "help_settings.h"
#include "help_settings_controls.h"
#include "location_text.h"
#include "online_items.h"
#include "online_tree.h"
#include "paths/file_system.h"
#include "seams.h"
#include "tab_control.h"
#include "text_rules.h"
#include "title_search.h"
#include "tree_contents.h"
#include "tree_view.h"
#include "win32_folder_walk.h"

namespace {

const int kPageControls[4][12] = {
    {IDC_CONTENTS},
    {IDC_INDEX_EDIT, IDC_INDEX_LIST},
    {IDC_SEARCH_FILES_GROUP, IDC_SEARCH_FILES_TEXT, IDC_SEARCH_FILES, IDC_SEARCH_TEXT, IDC_RESULTS, IDC_SEARCH,
     IDC_POSITION_GROUP, IDC_CASE, IDC_ANY_PLACE, IDC_BEGINNING, IDC_END, IDC_MIDDLE},
    {IDC_FAVORITES, IDC_FAVORITE_ADD, IDC_FAVORITE_REMOVE},
};
const char* const kTabTexts[4] = {"Contents", "Index", "Search", "Favorite"};

std::string Lowered(std::string text)
{
    for (char& c : text)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return text;
}

std::string Trimmed(const std::string& text)
{
    const size_t first = text.find_first_not_of(' ');
    if (first == std::string::npos)
        return std::string();
    return text.substr(first, text.find_last_not_of(' ') - first + 1);
}

void Move(HWND control, int x, int y, int width, int height)
{
    MoveWindow(control, x, y, width, height, TRUE);
}

void Redraw(HWND window, const RECT* rect = nullptr)
{
    RedrawWindow(window, rect, nullptr, RDW_UPDATENOW | RDW_ERASE | RDW_INVALIDATE);
}

// Expands the item with everything below it, or collapses it so.
void ExpandAll(const TreeView& tree, HTREEITEM item, bool expand)
{
    HTREEITEM child = tree.Child(item);
    if (!child)
        return;
    if (!expand)
        tree.Send(TVM_EXPAND, TVE_COLLAPSE, reinterpret_cast<LPARAM>(item));
    for (; child; child = tree.Next(child))
        ExpandAll(tree, child, expand);
    if (expand)
        tree.Send(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item));
}

}  // namespace

ZViewForm::ZViewForm(HWND parent, ZFrm& frame) : FormView(IDD_PANEL, parent), frame(frame) {}

ZViewForm::~ZViewForm()
{
    if (worker)
        CloseHandle(worker);
}

ZViewForm::RouteTable ZViewForm::Routes() const
{
    static const MessageRoute routes[] = {
        OnMessage(WM_SIZE, &ZViewForm::OnSize),
        OnMessage(kScanEnded, &ZViewForm::OnScanEnded),
        OnMessage(WM_TIMER, &ZViewForm::OnShowTimer),
        OnMessage(WM_DESTROY, &ZViewForm::OnDestroyPanel),
        OnNotify(TCN_SELCHANGE, IDC_TABS, &ZViewForm::OnTabChange),
        OnCommand(LBN_DBLCLK, IDC_INDEX_LIST, &ZViewForm::OnIndexOpen),
        OnCommand(EN_CHANGE, IDC_INDEX_EDIT, &ZViewForm::OnIndexEdit),
        OnCommand(BN_CLICKED, IDC_FAVORITE_ADD, &ZViewForm::OnFavoriteAdd),
        OnCommand(BN_CLICKED, IDC_FAVORITE_REMOVE, &ZViewForm::OnFavoriteRemove),
        OnCommand(LBN_DBLCLK, IDC_FAVORITES, &ZViewForm::OnFavoriteOpen),
        OnCommand(BN_CLICKED, IDC_SEARCH, &ZViewForm::OnTitleSearch),
        OnCommand(LBN_DBLCLK, IDC_RESULTS, &ZViewForm::OnResultOpen),
        OnNotify(NM_DBLCLK, IDC_CONTENTS, &ZViewForm::OnTreeDoubleClick),
        OnNotify(NM_RCLICK, IDC_CONTENTS, &ZViewForm::OnTreeRightClick),
        OnNotify(TVN_SELCHANGEDA, IDC_CONTENTS, &ZViewForm::OnTreeSelection),
        OnCommand(BN_CLICKED, IDC_SEARCH_FILES, &ZViewForm::OnSearchFiles),
    };
    return Table(routes);
}

BOOL ZViewForm::OnInitDialog()
{
    TreeView tree(Handle(), IDC_CONTENTS);
    groups.SetOnlineRoot(tree.Insert(nullptr, "Online", ContentsBuilder::kOnlineImage,
                                     ContentsBuilder::kOnlineImage + 1));
    return TRUE;
}

void ZViewForm::Exchange(bool saving)
{
    const DataExchange exchange(Handle(), saving);
    exchange.Radio(IDC_ANY_PLACE, searchPosition);
    exchange.Check(IDC_CASE, caseSensitive);
    if (searchPosition < 0)
        searchPosition = 0;
}

void ZViewForm::InitialUpdate()
{
    HelpSettings settings;
    if (settings.OpenAndInit()) {
        StringList favorites;
        settings.GetFavorites(favorites);
        for (int i = 0; i < favorites.Count(); ++i) {
            const XString& location = *favorites.At(i);
            AddLocationEntry(Item(IDC_FAVORITES), LocationTitle(location.Data()).Data(), location.Data());
        }
        LoadCombo(settings, HelpSettings::kSearch, ComboBox(Handle(), IDC_SEARCH_TEXT));
        LoadCombo(settings, HelpSettings::kSearchFile, ComboBox(Handle(), IDC_SEARCH_FILES_TEXT));
        settings.GetSearchOptions(&caseSensitive, &searchPosition);
        settings.Close();
    }
    Exchange(false);

    if (treeImages.Load(IDB_TREE, 16, RGB(255, 255, 255), 1))
        TreeView(Handle(), IDC_CONTENTS).SetImages(treeImages.Handle());

    const TabControl tabs(Handle(), IDC_TABS);
    for (int page = 0; page < 4; ++page) {
        std::vector<HWND> controls;
        for (int id : kPageControls[page]) {
            if (id)
                controls.push_back(Item(id));
        }
        pages.AddPage(controls);
        tabs.Insert(page, kTabTexts[page]);
    }
    Layout();
    tabs.SetCurSel(0);
    pages.Show(0);

    // Once per start: the online list and status pages come from our server
    // while the documentation is read.
    online.Start({onlineHost.Data(), GetProgramDir().Data(), Item(IDC_CONTENTS),
                  static_cast<HTREEITEM>(const_cast<void*>(groups.OnlineRoot()))});
    LoadDocumentation();
}

void ZViewForm::Layout()
{
    const HWND tabs = Item(IDC_TABS);
    if (!tabs)
        return;
    RECT client;
    GetClientRect(Handle(), &client);
    const int l = client.left, t = client.top, r = client.right, b = client.bottom;
    Move(tabs, l, t + 2, r - l, b - t - 2);
    RECT tab = {};
    SendMessageA(tabs, TCM_GETITEMRECT, 0, reinterpret_cast<LPARAM>(&tab));
    const int x0 = l + 10, x1 = r - 10, y1 = b - 10, w = x1 - x0, y0 = tab.bottom + 14;
    int a = w / 10;
    if (a < 12)
        a = 12;
    const int half = x0 + w / 2 + a / 2;
    const int middle = (x0 + x1) / 2;
    Move(Item(IDC_CONTENTS), x0, y0, w, y1 - y0);
    Move(Item(IDC_INDEX_EDIT), x0, y0, w, 20);
    Move(Item(IDC_INDEX_LIST), x0, y0 + 30, w, y1 - y0 - 30);
    Move(Item(IDC_SEARCH_FILES_GROUP), x0, y0, w, 50);
    Move(Item(IDC_SEARCH_FILES_TEXT), x0 + 10, y0 + 20, w - 90, 120);
    Move(Item(IDC_SEARCH_FILES), x1 - 70, y0 + 20, 60, 22);
    Move(Item(IDC_RESULTS), x0, y0 + 58, w, y1 - 98 - y0 - 58);
    Move(Item(IDC_SEARCH_TEXT), x0, y1 - 90, w - 70, 120);
    Move(Item(IDC_SEARCH), x1 - 65, y1 - 90, 65, 22);
    Move(Item(IDC_CASE), x0, y1 - 63, w, 13);
    Move(Item(IDC_POSITION_GROUP), x0, y1 - 50, w, 50);
    Move(Item(IDC_ANY_PLACE), x0 + a, y1 - 38, w / 2 - a, 17);
    Move(Item(IDC_BEGINNING), x0 + a, y1 - 21, w / 2 - a, 17);
    Move(Item(IDC_END), half, y1 - 38, x1 - 3 - half, 17);
    Move(Item(IDC_MIDDLE), half, y1 - 21, x1 - 3 - half, 17);
    Move(Item(IDC_FAVORITES), x0, y0, w, y1 - 30 - y0);
    Move(Item(IDC_FAVORITE_ADD), x0, y1 - 22, middle - 15 - x0, 22);
    Move(Item(IDC_FAVORITE_REMOVE), middle + 15, y1 - 22, x1 - middle - 15, 22);
    Redraw(Item(IDC_SEARCH_FILES_TEXT));
    Redraw(Item(IDC_SEARCH_TEXT));
    Redraw(Handle());
}

INT_PTR ZViewForm::OnSize(WPARAM, LPARAM)
{
    Layout();
    return 0;
}

INT_PTR ZViewForm::OnTabChange(WPARAM, LPARAM)
{
    pages.Show(TabControl(Handle(), IDC_TABS).CurSel());
    SetMessageResult(0);
    return TRUE;
}

void ZViewForm::ShowStatusPage(int kind)
{
    static const char* const kPages[] = {"error.html", "wait.html", "complete.html"};
    if (kind < kErrorPage || kind > kCompletePage)
        return;
    XString location = UnderProgramDir("\\html\\");
    location.Append(kPages[kind]);
    frame.OpenLocation(location.Data(), kind == kCompletePage);
}

void ZViewForm::LoadDocumentation()
{
    const TreeView tree(Handle(), IDC_CONTENTS);
    for (HTREEITEM root = tree.Root(); root;) {
        const HTREEITEM next = tree.Next(root);
        if (root != groups.OnlineRoot())
            tree.Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(root));
        root = next;
    }
    frame.History().Clear();

    groups.Reset();
    groups.AddFixedGroups();
    for (ExtensionGroup& group : groups.FixedGroups())
        group.root = tree.Insert(nullptr, group.label.Data(), ContentsBuilder::kRootImage,
                                 ContentsBuilder::kRootImage + 1);

    HelpSettings settings;
    if (settings.OpenAndInit()) {
        groups.SetDocsFolder(settings.GetDocsFolder().Data());
        StringList lists;
        settings.GetList(HelpSettings::kDocsExtensions, lists);
        for (int i = 0; i < lists.Count(); ++i)
            groups.AddUserGroup(lists.At(i)->Data());
        settings.Close();
    }

    Win32FolderWalk walk;
    ClearLocationEntries(Item(IDC_INDEX_LIST));
    ClearLocationEntries(Item(IDC_RESULTS));
    if (!IsDocsFolder(walk, groups.DocsFolder().Data())) {
        ShowStatusPage(kErrorPage);
        return;
    }
    ShowStatusPage(kWaitPage);
    for (ExtensionGroup& group : groups.UserGroups())
        group.root = tree.Insert(nullptr, group.label.Data(), ContentsBuilder::kRootImage,
                                 ContentsBuilder::kRootImage + 1);
    groups.SetCatchAllRoot(tree.Insert(nullptr, groups.CatchAllLabel().Data(), ContentsBuilder::kRootImage,
                                       ContentsBuilder::kRootImage + 1));
    // The worker scans into memory with roots of its own; the window thread
    // moves the result into the controls when it ends.
    scanned.reset(new ContentsFeed);
    scanGroups = groups;
    scannedRoots.clear();
    for (auto* list : {&scanGroups.FixedGroups(), &scanGroups.UserGroups()}) {
        for (ExtensionGroup& group : *list) {
            ContentsItem own = scanned->Insert(nullptr, group.label.Data(), ContentsBuilder::kRootImage);
            scannedRoots.emplace_back(own, group.root);
            group.root = own;
        }
    }
    ContentsItem catchAll = scanned->Insert(nullptr, groups.CatchAllLabel().Data(), ContentsBuilder::kRootImage);
    scannedRoots.emplace_back(catchAll, groups.CatchAllRoot());
    scanGroups.SetCatchAllRoot(catchAll);
    // The roots are in the tree already.
    scanned->Take();
    shownItems.clear();
    for (const auto& roots : scannedRoots)
        shownItems[static_cast<const ContentsMemory::Node*>(roots.first)] =
            static_cast<HTREEITEM>(const_cast<void*>(roots.second));
    // Both flags are set here, before the thread runs, so a close that
    // comes at once already finds the panel busy.
    keepRunning = 1;
    busy = 1;
    if (worker)
        CloseHandle(worker);
    worker = CreateThread(nullptr, 0, Worker, this, 0, nullptr);
    if (!worker)
        busy = 0;
    else
        SetTimer(Handle(), kShowTimer, kShowEveryMs, nullptr);
}

DWORD WINAPI ZViewForm::Worker(void* parameter)
{
    ZViewForm* panel = static_cast<ZViewForm*>(parameter);
    Win32FolderWalk walk;
    BuildContents(panel->scanGroups, walk, *panel->scanned, panel->keepRunning);
    // The views, the history and the browser belong to the window thread.
    PostMessageA(panel->Handle(), kScanEnded, 0, 0);
    return 0;
}

INT_PTR ZViewForm::OnScanEnded(WPARAM, LPARAM)
{
    if (worker) {
        WaitForSingleObject(worker, INFINITE);  // its end message is its last step
        CloseHandle(worker);
        worker = nullptr;
    }
    KillTimer(Handle(), kShowTimer);
    // A close that stopped the scan does not want the tree any more.
    if (keepRunning)
        ShowScanned();
    scanned.reset();
    shownItems.clear();
    busy = 0;
    ShowStatusPage(kCompletePage);
    IndexLookup();
    return TRUE;
}

INT_PTR ZViewForm::OnShowTimer(WPARAM timer, LPARAM)
{
    if (timer == kShowTimer && scanned && keepRunning)
        ShowScanned();
    return 0;
}

// Each parent was made, and so shown, before its children; the tree and the
// index get their items in the order the scan made them, as if all came at
// once.
void ZViewForm::ShowScanned()
{
    const ContentsFeed::Batch batch = scanned->Take();
    if (!batch.nodes.empty()) {
        const TreeView tree(Handle(), IDC_CONTENTS);
        SendMessageA(tree.Handle(), WM_SETREDRAW, FALSE, 0);
        for (const ContentsMemory::Node* node : batch.nodes)
            shownItems[node] = tree.Insert(shownItems[node->parent], node->text.Data(), node->image, node->image + 1);
        SendMessageA(tree.Handle(), WM_SETREDRAW, TRUE, 0);
        RedrawWindow(tree.Handle(), nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME);
    }
    if (!batch.index.empty())
        AddLocationEntries(Item(IDC_INDEX_LIST), batch.index);
}

void ZViewForm::IndexLookup()
{
    if (busy)
        return;
    const ListBox index(Handle(), IDC_INDEX_LIST);
    const XString text = Control(Handle(), IDC_INDEX_EDIT).GetText();
    int found = FindIndexEntry(index.Handle(), text.Data());
    if (found < 0)
        found = 0;
    index.Send(LB_SETTOPINDEX, static_cast<WPARAM>(found));
    index.SetCurSel(found);
}

INT_PTR ZViewForm::OnIndexEdit(WPARAM, LPARAM)
{
    if (!settingIndexText)
        IndexLookup();
    return TRUE;
}

void ZViewForm::OpenEntry(int listId)
{
    const ListBox list(Handle(), listId);
    const int entry = list.GetCurSel();
    if (entry < 0)
        return;
    const char* location = EntryLocation(list.Handle(), entry);
    if (!location || !*location)
        return;
    const XString copy(location);
    frame.OpenLocation(copy.Data(), true);
}

INT_PTR ZViewForm::OnIndexOpen(WPARAM, LPARAM)
{
    const ListBox index(Handle(), IDC_INDEX_LIST);
    const int entry = index.GetCurSel();
    if (busy || entry < 0 || !EntryLocation(index.Handle(), entry))
        return TRUE;
    settingIndexText = true;
    Control(Handle(), IDC_INDEX_EDIT).SetText(index.GetItemText(entry).Data());
    settingIndexText = false;
    OpenEntry(IDC_INDEX_LIST);
    return TRUE;
}

INT_PTR ZViewForm::OnResultOpen(WPARAM, LPARAM)
{
    OpenEntry(IDC_RESULTS);
    return TRUE;
}

INT_PTR ZViewForm::OnFavoriteOpen(WPARAM, LPARAM)
{
    if (!busy)
        OpenEntry(IDC_FAVORITES);
    return TRUE;
}

INT_PTR ZViewForm::OnFavoriteAdd(WPARAM, LPARAM)
{
    const XString location = frame.GetCurrentLocation();
    const ListBox favorites(Handle(), IDC_FAVORITES);
    if (location.IsEmpty())
        return TRUE;
    for (int entry = 0; entry < favorites.GetCount(); ++entry) {
        const char* own = EntryLocation(favorites.Handle(), entry);
        if (own && EqualsIgnoringCase(own, location.Data()))
            return TRUE;
    }
    if (AddLocationEntry(favorites.Handle(), LocationTitle(location.Data()).Data(), location.Data()))
        favorites.SetCurSel(favorites.GetCount() - 1);
    return TRUE;
}

INT_PTR ZViewForm::OnFavoriteRemove(WPARAM, LPARAM)
{
    const ListBox favorites(Handle(), IDC_FAVORITES);
    const int entry = favorites.GetCurSel();
    if (entry < 0)
        return TRUE;
    DeleteLocationEntry(favorites.Handle(), entry);
    const int count = favorites.GetCount();
    if (count > 0)
        favorites.SetCurSel(entry < count ? entry : count - 1);
    return TRUE;
}

INT_PTR ZViewForm::OnTitleSearch(WPARAM, LPARAM)
{
    if (busy)
        return TRUE;
    const ComboBox combo(Handle(), IDC_SEARCH_TEXT);
    const std::string text = Trimmed(combo.GetText().Data());
    if (text.empty()) {
        seams::ShowMessage(Handle(), "Please input text for search", "Message", MB_OK);
        return TRUE;
    }
    const HWND results = Item(IDC_RESULTS);
    ClearLocationEntries(results);
    Exchange(true);
    const std::string wanted = caseSensitive ? text : Lowered(text);
    const ListBox index(Handle(), IDC_INDEX_LIST);
    const int count = index.GetCount();
    std::vector<std::pair<XString, XString>> found;
    for (int entry = 0; entry < count; ++entry) {
        const XString title = index.GetItemText(entry);
        const std::string compared = caseSensitive ? title.Data() : Lowered(title.Data());
        if (!TitleMatches(compared.c_str(), wanted.c_str(), searchPosition))
            continue;
        const char* location = EntryLocation(index.Handle(), entry);
        if (location && *location)
            found.emplace_back(title, XString(location));
    }
    AddLocationEntries(results, found);
    PutOnTop(combo, text.c_str());
    return TRUE;
}

INT_PTR ZViewForm::OnSearchFiles(WPARAM, LPARAM)
{
    if (busy)
        return TRUE;
    const ComboBox combo(Handle(), IDC_SEARCH_FILES_TEXT);
    const XString typed = combo.GetText();
    std::string extension;
    for (const char* c = typed.Data(); *c; ++c) {
        if (*c != ' ')
            extension += *c;
    }
    if (!IsPlainWord(extension.c_str())) {
        seams::ShowMessage(Handle(), "Please input a file extension (such as txt or xml) for search", "Message",
                           MB_OK);
        return TRUE;
    }
    if (EqualsIgnoringCase(extension.c_str(), "htm") || EqualsIgnoringCase(extension.c_str(), "html")) {
        seams::ShowMessage(Handle(), "Can not search HTML files", "Message", MB_OK);
        return TRUE;
    }
    const HWND results = Item(IDC_RESULTS);
    ClearLocationEntries(results);
    PutOnTop(combo, typed.Data());
    const TreeContents contents(Item(IDC_CONTENTS));
    std::vector<XString> paths;
    groups.CollectFiles(contents, extension.c_str(), paths);
    std::vector<std::pair<XString, XString>> found;
    found.reserve(paths.size());
    for (const XString& path : paths)
        found.emplace_back(LocationTitle(path.Data()), path);
    AddLocationEntries(results, found);
    return TRUE;
}

INT_PTR ZViewForm::OnTreeDoubleClick(WPARAM, LPARAM)
{
    SetMessageResult(0);
    const TreeView tree(Handle(), IDC_CONTENTS);
    const HTREEITEM item = tree.Selection();
    if (busy || !item || tree.Image(item) < ContentsTree::kFileImage)
        return TRUE;
    POINT cursor;
    GetCursorPos(&cursor);
    ScreenToClient(tree.Handle(), &cursor);
    UINT flags = 0;
    if (tree.HitTest(cursor, &flags) != item || !(flags & (TVHT_ONITEMICON | TVHT_ONITEMLABEL)))
        return TRUE;
    const TreeContents contents(tree.Handle());
    ContentsItem root = nullptr;
    const XString relative = groups.RelativePath(contents, item, &root);
    XString location;
    if (root && root == groups.OnlineRoot()) {
        const OnlineItem* stored = reinterpret_cast<const OnlineItem*>(tree.Data(item));
        if (!stored || stored->location.IsEmpty())
            return TRUE;
        location.Copy(stored->location);
    } else {
        location.Copy(groups.DocsFolder());
        location.AppendChar('\\');
        location.AppendString(relative);
        if (groups.IsDocumentRoot(root)) {
            XString page(location);
            page.Append(".html");
            location.Append(FileExists(page.Data()) ? ".html" : ".htm");
        }
    }
    frame.OpenLocation(location.Data(), true);
    return TRUE;
}

INT_PTR ZViewForm::OnTreeRightClick(WPARAM, LPARAM)
{
    SetMessageResult(0);
    const TreeView tree(Handle(), IDC_CONTENTS);
    const HTREEITEM item = tree.Selection();
    if (!item || tree.Image(item) > ContentsBuilder::kFolderImage)
        return TRUE;
    POINT cursor;
    GetCursorPos(&cursor);
    POINT inTree = cursor;
    ScreenToClient(tree.Handle(), &inTree);
    UINT flags = 0;
    if (tree.HitTest(inTree, &flags) != item || !(flags & TVHT_ONITEMLABEL))
        return TRUE;
    HMENU menu = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_TREE_MENU));
    if (!menu)
        return TRUE;
    const UINT command = static_cast<UINT>(
        seams::TrackPopup(GetSubMenu(menu, 0), TPM_RETURNCMD, cursor.x, cursor.y, Handle()));
    DestroyMenu(menu);
    if (command == ID_TREE_EXPAND) {
        const LPARAM first = tree.Send(TVM_GETNEXTITEM, TVGN_FIRSTVISIBLE, 0);
        ExpandAll(tree, item, true);
        tree.Send(TVM_SELECTITEM, TVGN_FIRSTVISIBLE, first);
    } else if (command == ID_TREE_COLLAPSE) {
        ExpandAll(tree, item, false);
    }
    return TRUE;
}

INT_PTR ZViewForm::OnTreeSelection(WPARAM, LPARAM)
{
    SetMessageResult(0);
    const HWND tree = Item(IDC_CONTENTS);
    RECT area;
    GetWindowRect(tree, &area);
    MapWindowPoints(nullptr, Handle(), reinterpret_cast<POINT*>(&area), 2);
    InflateRect(&area, 2, 2);
    Redraw(Handle(), &area);
    return TRUE;
}

// At WM_DESTROY the controls still exist, so their lists can be saved.
INT_PTR ZViewForm::OnDestroyPanel(WPARAM, LPARAM)
{
    keepRunning = 0;
    if (worker) {
        // The worker fills members of this panel: it must have ended before
        // they go. It stops at its next entry, so this is a short wait;
        // anything it sends meanwhile is answered.
        while (MsgWaitForMultipleObjects(1, &worker, FALSE, INFINITE, QS_SENDMESSAGE) == WAIT_OBJECT_0 + 1) {
            MSG msg;
            PeekMessageA(&msg, nullptr, 0, 0, PM_NOREMOVE | PM_QS_SENDMESSAGE);
        }
        CloseHandle(worker);
        worker = nullptr;
    }
    HelpSettings settings;
    if (settings.OpenAndInit()) {
        const HWND favorites = Item(IDC_FAVORITES);
        StringList locations;
        const int count = static_cast<int>(SendMessageA(favorites, LB_GETCOUNT, 0, 0));
        for (int entry = 0; entry < count; ++entry) {
            const char* location = EntryLocation(favorites, entry);
            locations.Add(location ? location : "");
        }
        settings.SaveFavorites(locations);
        SaveCombo(settings, HelpSettings::kSearch, ComboBox(Handle(), IDC_SEARCH_TEXT));
        SaveCombo(settings, HelpSettings::kSearchFile, ComboBox(Handle(), IDC_SEARCH_FILES_TEXT));
        Exchange(true);
        settings.SetSearchOptions(caseSensitive, searchPosition);
        settings.Close();
        // The panel is going: the box has no owner.
        ReportLeftOut(settings, nullptr);
    }
    ClearLocationEntries(Item(IDC_INDEX_LIST));
    ClearLocationEntries(Item(IDC_FAVORITES));
    ClearLocationEntries(Item(IDC_RESULTS));
    // The online thread fills this subtree: its records are freed only once
    // it has ended. One still in a name look-up may yet send to the tree,
    // so its items are left to go with the tree.
    const HTREEITEM onlineRoot = static_cast<HTREEITEM>(const_cast<void*>(groups.OnlineRoot()));
    if (online.Stop() && onlineRoot) {
        const OnlineTree onlineTree(Item(IDC_CONTENTS));
        onlineTree.DeleteBelow(onlineRoot);
        TreeView(Handle(), IDC_CONTENTS).Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(onlineRoot));
        groups.SetOnlineRoot(nullptr);
    }
    return FALSE;
}
