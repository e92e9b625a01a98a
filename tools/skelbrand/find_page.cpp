#include "find_page.h"

#include <cstring>

#include "class_target.h"
#include "controls.h"
#include "dialog.h"
#include "process/start_child.h"
#include "seams.h"
#include "sheet.h"
#include "tool_page_ids.h"
#include "walked_folder.h"
#include "window_place.h"

namespace {

enum FindIds {
    kTree = 1029,
    kApplications = 1036,
    kApplets = 1037,
    kGeneral = 1033,
    kFormatErrors = 1034,
    kPackageErrors = 1039,
    kExpand = 1035,
    kCountsButton = 1040,
    kLegendButton = 1041,
    kLegendClose = 1055,
};

// The settings bits' order.
const int kFlagIds[6] = {kApplications, kApplets, kGeneral, kFormatErrors, kPackageErrors, kExpand};
constexpr int kExpandFlag = 5;
constexpr int kFolderImage = 0;
constexpr int kInset = 8;
constexpr int kImageSize = 16;
const char kBothQuestion[] = "Treat the class as\nApplication\t if press 'Yes'\nApplet\t\t if press 'No'";

bool IsRunnable(int kind)
{
    return kind == kClassApplication || kind == kClassApplet || kind == kClassBoth;
}

class LegendDialog : public Dialog {
public:
    explicit LegendDialog(HWND owner) : Dialog(IDD_LEGEND, owner) {}

protected:
    RouteTable Routes() const override
    {
        static const MessageRoute routes[] = {OnCommand(BN_CLICKED, kLegendClose, &LegendDialog::OnClose)};
        return Table(routes);
    }

private:
    INT_PTR OnClose(WPARAM, LPARAM)
    {
        EndDialog(IDOK);
        return 0;
    }
};

}  // namespace

ZSheetPgFind::ZSheetPgFind(ZSheet& owner, ClassStarter& classStarter)
    : ZSheetPage(IDD_PAGE_FIND, owner), starter(classStarter)
{
}

ZSheetPgFind::~ZSheetPgFind()
{
    if (images)
        ImageList_Destroy(images);
}

RouteTable ZSheetPgFind::Routes() const
{
    static const MessageRoute routes[] = {
        OnCommand(BN_CLICKED, kCountsButton, &ZSheetPgFind::OnCounts),
        OnCommand(BN_CLICKED, kLegendButton, &ZSheetPgFind::OnLegend),
        OnNotify(NM_RCLICK, kTree, &ZSheetPgFind::OnRightClick),
        // The menu's commands also arrive as commands of the page.
        OnMenu(kExecute, &ZSheetPgFind::OnMenuCommand),
        OnMenu(kDebug, &ZSheetPgFind::OnMenuCommand),
        OnMenu(kStopExecute, &ZSheetPgFind::OnMenuCommand),
        OnMenu(kStopDebug, &ZSheetPgFind::OnMenuCommand),
        OnMenu(kViewInfo, &ZSheetPgFind::OnMenuCommand),
    };
    return Table(routes);
}

BOOL ZSheetPgFind::OnInitDialog()
{
    images = ImageList_LoadImageA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDB_FIND_KINDS), kImageSize, 1,
                                  RGB(255, 255, 255), IMAGE_BITMAP, LR_CREATEDIBSECTION);
    SendMessageA(Item(kTree), TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
    EnableWindow(Item(kCountsButton), FALSE);
    return ZSheetPage::OnInitDialog();
}

void ZSheetPgFind::Exchange(DataExchange& dx)
{
    for (int i = 0; i < 6; ++i)
        dx.Check(kFlagIds[i], flags[i]);
}

void ZSheetPgFind::LoadSettings(ZSettings& settings)
{
    int stored[6] = {};
    settings.GetFindBools(stored);
    for (int i = 0; i < 6; ++i)
        flags[i] = stored[i] ? BST_CHECKED : BST_UNCHECKED;
    UpdateData(false);
}

void ZSheetPgFind::SaveSettings(ZSettings& settings)
{
    UpdateData(true);
    int stored[6];
    for (int i = 0; i < 6; ++i)
        stored[i] = flags[i] == BST_CHECKED;
    settings.SetFindBools(stored);
}

void ZSheetPgFind::Layout()
{
    HWND tree = Item(kTree);
    RECT area;
    GetClientRect(Handle(), &area);
    const RECT place = PlaceInParent(tree);
    MoveWindow(tree, place.left, place.top, area.right - kInset - place.left, area.bottom - kInset - place.top, TRUE);
}

void ZSheetPgFind::Reset()
{
    SendMessageA(Item(kTree), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT));
    root = nullptr;
    EnableWindow(Item(kCountsButton), FALSE);
    shown = FindDisplay();
    counts = FindCounts();
}

void ZSheetPgFind::FillTree(int topmostOnly)
{
    Reset();
    UpdateData(true);
    shown.applications = flags[0] == BST_CHECKED;
    shown.applets = flags[1] == BST_CHECKED;
    shown.general = flags[2] == BST_CHECKED;
    shown.formatErrors = flags[3] == BST_CHECKED;
    shown.packageErrors = flags[4] == BST_CHECKED;

    const ZInsideInfo& info = sheet.Info();
    root = InsertItem(TVI_ROOT, info.startDirectory.Data(), kFolderImage);
    if (info.hasSelection) {
        for (int i = 0; i < info.classFiles.Count(); ++i)
            AddClass(info.classFiles.At(i)->Data());
        if (!topmostOnly) {
            for (int i = 0; i < info.folders.Count(); ++i)
                FindClasses(info.folders.At(i)->Data(), 0);
        }
    } else {
        FindClasses(info.startDirectory.Data(), topmostOnly);
    }
    EnableWindow(Item(kCountsButton), TRUE);
    SendMessageA(Item(kTree), TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(root));
}

void ZSheetPgFind::FindClasses(const char* folder, int topmostOnly)
{
    WIN32_FIND_DATAA entry;
    XString pattern(folder);
    pattern.Append("\\*.class");
    HANDLE found = FindFirstFileA(pattern.Data(), &entry);
    if (found != INVALID_HANDLE_VALUE) {
        do {
            if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)
                continue;
            XString path(folder);
            path.AppendChar('\\');
            path.Append(entry.cFileName);
            AddClass(path.Data());
        } while (FindNextFileA(found, &entry));
        FindClose(found);
    }
    if (topmostOnly)
        return;
    pattern.Assign(folder);
    pattern.Append("\\*.*");
    found = FindFirstFileA(pattern.Data(), &entry);
    if (found == INVALID_HANDLE_VALUE)
        return;
    do {
        if (!IsSubFolderToWalk(entry))
            continue;
        XString path(folder);
        path.AppendChar('\\');
        path.Append(entry.cFileName);
        FindClasses(path.Data(), 0);
    } while (FindNextFileA(found, &entry));
    FindClose(found);
}

HTREEITEM ZSheetPgFind::InsertItem(HTREEITEM parent, const char* text, int image)
{
    TVINSERTSTRUCTA insert = {};
    insert.hParent = parent;
    insert.hInsertAfter = TVI_LAST;
    insert.item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    insert.item.pszText = const_cast<char*>(text);
    insert.item.iImage = image;
    insert.item.iSelectedImage = image + 1;
    return reinterpret_cast<HTREEITEM>(SendMessageA(Item(kTree), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
}

HTREEITEM ZSheetPgFind::FolderChild(HTREEITEM parent, const XString& text)
{
    HWND tree = Item(kTree);
    for (HTREEITEM child = TreeView_GetChild(tree, parent); child; child = TreeView_GetNextSibling(tree, child)) {
        char buffer[MAX_PATH];
        TVITEMA item = {};
        item.mask = TVIF_TEXT | TVIF_IMAGE;
        item.hItem = child;
        item.pszText = buffer;
        item.cchTextMax = sizeof buffer;
        if (SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&item)) && item.iImage == kFolderImage &&
            lstrcmpiA(buffer, text.Data()) == 0)
            return child;
    }
    const HTREEITEM folder = InsertItem(parent, text.Data(), kFolderImage);
    if (flags[kExpandFlag] == BST_CHECKED)
        SendMessageA(tree, TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
    return folder;
}

void ZSheetPgFind::AddClass(const char* path)
{
    ++counts.total;
    const int kind = ClassifyClassFile(path);
    if (kind < kClassApplication || kind > kClassPackageError || kind % 2 != 0)
        return;
    ++counts.kinds[kind / 2 - 1];
    if (!KindShown(shown, kind))
        return;
    XString folders;
    XString name;
    SplitBelowRoot(sheet.Info().startDirectory.Data(), path, folders, name);
    HTREEITEM parent = root;
    for (const char* part = folders.Data(); *part;) {
        const char* end = std::strchr(part, '\\');
        parent = FolderChild(parent, XString(part, static_cast<int>(end - part)));
        part = end + 1;
    }
    InsertItem(parent, name.Data(), kind);
    // Read live: a change shows with the next class added.
    if (Button(Item(kFlagIds[kExpandFlag])).GetCheck() == BST_CHECKED) {
        SendMessageA(Item(kTree), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(parent));
        SendMessageA(Item(kTree), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(root));
    }
}

XString ZSheetPgFind::ItemPath(HTREEITEM target) const
{
    HWND tree = Item(kTree);
    XString path;
    for (HTREEITEM item = target; item; item = TreeView_GetParent(tree, item)) {
        char buffer[MAX_PATH * 2];
        TVITEMA data = {};
        data.mask = TVIF_TEXT;
        data.hItem = item;
        data.pszText = buffer;
        data.cchTextMax = sizeof buffer;
        SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
        XString part(buffer);
        if (!path.IsEmpty())
            part.AppendChar('\\');
        part.AppendString(path);
        path = part;
        // A class outside the start folder carries its whole path.
        if (item != root && item == target && IsWholePath(buffer))
            break;
    }
    return path;
}

int ZSheetPgFind::ItemKind(HTREEITEM target) const
{
    TVITEMA data = {};
    data.mask = TVIF_IMAGE;
    data.hItem = target;
    SendMessageA(Item(kTree), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&data));
    return data.iImage;
}

INT_PTR ZSheetPgFind::OnMenuCommand(WPARAM wParam, LPARAM)
{
    RunCommand(LOWORD(wParam));
    return 0;
}

INT_PTR ZSheetPgFind::OnCounts(WPARAM, LPARAM)
{
    seams::ShowMessage(Handle(), CountsText().Data(), "Message", MB_OK);
    return 0;
}

INT_PTR ZSheetPgFind::OnLegend(WPARAM, LPARAM)
{
    LegendDialog(Handle()).DoModal();
    return 0;
}

INT_PTR ZSheetPgFind::OnRightClick(WPARAM, LPARAM)
{
    HWND tree = Item(kTree);
    const HTREEITEM selected = TreeView_GetSelection(tree);
    if (!selected || ItemKind(selected) == kFolderImage)
        return 0;
    POINT cursor;
    GetCursorPos(&cursor);
    TVHITTESTINFO hit = {};
    hit.pt = cursor;
    ScreenToClient(tree, &hit.pt);
    if (reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit))) != selected ||
        !(hit.flags & TVHT_ONITEMLABEL))
        return 0;
    HMENU bar = LoadMenuA(GetModuleHandleA(nullptr), MAKEINTRESOURCEA(IDR_FIND_MENU));
    HMENU menu = GetSubMenu(bar, 0);
    if (IsRunnable(ItemKind(selected))) {
        DeleteMenu(menu, starter.ClassBusy(0) ? kExecute : kStopExecute, MF_BYCOMMAND);
        DeleteMenu(menu, starter.ClassBusy(1) ? kDebug : kStopDebug, MF_BYCOMMAND);
    } else {
        EnableMenuItem(menu, kExecute, MF_BYCOMMAND | MF_GRAYED);
        EnableMenuItem(menu, kDebug, MF_BYCOMMAND | MF_GRAYED);
        DeleteMenu(menu, kStopExecute, MF_BYCOMMAND);
        DeleteMenu(menu, kStopDebug, MF_BYCOMMAND);
    }
    const int command = seams::TrackPopup(menu, TPM_RETURNCMD | TPM_LEFTALIGN, cursor.x, cursor.y, Handle());
    DestroyMenu(bar);
    RunCommand(command);
    return 1;
}

void ZSheetPgFind::RunCommand(int command)
{
    switch (command) {
    case kExecute:
        StartFromTree(0);
        break;
    case kDebug:
        StartFromTree(1);
        break;
    case kStopExecute:
        starter.StopClass(0);
        break;
    case kStopDebug:
        starter.StopClass(1);
        break;
    case kViewInfo:
        StartClassInfo();
        break;
    default:
        break;
    }
}

void ZSheetPgFind::StartFromTree(int debug)
{
    const HTREEITEM selected = TreeView_GetSelection(Item(kTree));
    if (!selected)
        return;
    const int kind = ItemKind(selected);
    if (!IsRunnable(kind))
        return;
    const XString path = ItemPath(selected);
    int isApplication = kind != kClassApplet;
    if (kind == kClassBoth)
        isApplication = seams::ShowMessage(Handle(), kBothQuestion, "Message", MB_YESNO) == IDYES;
    starter.StartClass(path.Data(), isApplication, debug);
}

void ZSheetPgFind::StartClassInfo()
{
    const HTREEITEM selected = TreeView_GetSelection(Item(kTree));
    if (!selected)
        return;
    XString command("\"");
    command.AppendString(ToolRootFolder());
    command.Append("\\Quenlow.exe\" /class-info \"");
    command.AppendString(ItemPath(selected));
    command.AppendChar('"');
    StartChildProcess(command.Data(), SW_HIDE);
}
