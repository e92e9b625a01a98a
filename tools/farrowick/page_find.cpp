#include "page_find.h"

#include <cstring>

#include "farrowick_sheet.h"
#include "inside_info.h"
#include "page_layout.h"
#include "popup_menu.h"
#include "seams.h"
#include "tool_page_ids.h"
#include "walked_folder.h"

namespace {

constexpr int kExpand = 1018;
constexpr int kCollapse = 1019;
constexpr int kFindMenu = 129;
constexpr int kFindPage = 1;
constexpr int kInset = 8;
constexpr int kImageSize = 16;

// The text of path relative to base (the part after base and its '\').
const char* Relative(const char* path, const char* base)
{
    const size_t length = std::strlen(base);
    if (std::strncmp(path, base, length) == 0 && path[length] == '\\')
        return path + length + 1;
    return path;
}

template <typename Visit>
void ForEachEntry(const char* folder, const char* pattern, Visit visit)
{
    XString search(folder);
    search.AppendChar('\\');
    search.Append(pattern);
    WIN32_FIND_DATAA data;
    const HANDLE find = FindFirstFileA(search.Data(), &data);
    if (find == INVALID_HANDLE_VALUE)
        return;
    do {
        if (std::strcmp(data.cFileName, ".") != 0 && std::strcmp(data.cFileName, "..") != 0)
            visit(data);
    } while (FindNextFileA(find, &data));
    FindClose(find);
}

HTREEITEM ParentOf(HWND tree, HTREEITEM item)
{
    return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(item)));
}

bool IsFolder(const WIN32_FIND_DATAA& data)
{
    return (data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) != 0;
}

}  // namespace

const char* OutputFolderRefusal(const CompileOptions& options)
{
    if (options.output != kOutputFolder)
        return nullptr;
    const char* refusal = nullptr;
    if (options.outputFolder.IsEmpty()) {
        refusal = "Please select an \"Output directory\",\nor use \"Output locally\"  on page Options";
    } else {
        const PathKind kind = ProbePath(options.outputFolder.Data());
        if (kind == PathKind::Missing)
            refusal = "\"Output directory\" on page Options does not exist,\nplease create it";
        else if (kind == PathKind::File)
            refusal = "\"Output directory\" on page Options is a file,\nplease change it to a real directory.\n";
    }
    return refusal;
}

int CheckOutputFolder(HWND owner, const CompileOptions& options)
{
    const char* refusal = OutputFolderRefusal(options);
    if (!refusal)
        return 1;
    seams::ShowMessage(owner, refusal, "Message", MB_OK);
    return 0;
}

ZSheetPgFind::ZSheetPgFind(FarrowickSheet& owner) : ZSheetPage(IDD_PAGE_FIND, owner), farrowick(owner) {}

BOOL ZSheetPgFind::OnInitDialog()
{
    // Folders and Java files, each with its selected form.
    if (images.Load(IDB_COMPILE_TREE, kImageSize, RGB(255, 255, 255)))
        Tree().SetImages(images.Handle());
    return ZSheetPage::OnInitDialog();
}

void ZSheetPgFind::Layout()
{
    const RECT area = InsetClient(Handle(), kInset);
    const SIZE button = SizeOf(Item(kExpand));
    const int top = area.top + 20;
    const int buttonLeft = area.right - button.cx;
    PlaceAt(Item(kTree), {area.left, top, buttonLeft - 10, area.bottom});
    PlaceAt(Item(kExpand), {buttonLeft, top, area.right, top + button.cy});
    const int collapseTop = top + button.cy + button.cy / 2;
    PlaceAt(Item(kCollapse), {buttonLeft, collapseTop, area.right, collapseTop + button.cy});
}

RouteTable ZSheetPgFind::Routes() const
{
    static const MessageRoute routes[] = {
        OnCommand(BN_CLICKED, kExpand, &ZSheetPgFind::OnExpand),
        OnCommand(BN_CLICKED, kCollapse, &ZSheetPgFind::OnCollapse),
        OnNotify(NM_RCLICK, kTree, &ZSheetPgFind::OnRightClick),
    };
    return Table(routes);
}

int ZSheetPgFind::Kind(HTREEITEM item) const
{
    return static_cast<int>(Tree().Data(item));
}

void ZSheetPgFind::AddJavaFiles(HTREEITEM parent, const char* folder, int directlyInStart)
{
    ForEachEntry(folder, "*.java", [&](const WIN32_FIND_DATAA& data) {
        if (IsFolder(data))
            return;
        Tree().Insert(parent, data.cFileName, 2, directlyInStart ? 2 : 3, kFileItem);
    });
}

void ZSheetPgFind::AddSubFolders(HTREEITEM item, const char* folder)
{
    ForEachEntry(folder, "*.*", [&](const WIN32_FIND_DATAA& data) {
        if (!IsSubFolderToWalk(data))
            return;
        XString sub(folder);
        sub.AppendChar('\\');
        sub.Append(data.cFileName);
        AddFolderItems(item, folder, sub.Data());
    });
}

void ZSheetPgFind::AddFolderItems(HTREEITEM parent, const char* parentPath, const char* folder)
{
    const HTREEITEM item = Tree().Insert(parent, Relative(folder, parentPath), 0, 1, kFolderItem);
    AddJavaFiles(item, folder, 0);
    AddSubFolders(item, folder);
    // Folders with no Java file below them are left out.
    if (!Tree().Child(item))
        SendMessageA(Item(kTree), TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(item));
}

std::vector<XString> ZSheetPgFind::RootFileNames() const
{
    // The files the root's items name: the selected Java files, relative to
    // the start folder, or the Java files in the folder to be searched.
    const ZInsideInfo& info = sheet.Info();
    const char* start = info.startDirectory.Data();
    std::vector<XString> names;
    if (info.hasSelection) {
        for (int i = 0; i < info.JavaFiles().Count(); ++i)
            names.emplace_back(Relative(info.JavaFiles().At(i)->Data(), start));
    } else {
        ForEachEntry(start, "*.java", [&](const WIN32_FIND_DATAA& data) {
            if (!IsFolder(data))
                names.emplace_back(data.cFileName);
        });
    }
    return names;
}

void ZSheetPgFind::FillTree(const std::vector<XString>& rootFiles, int compile)
{
    const ZInsideInfo& info = sheet.Info();
    // Shown first: the page's window is made when it is first shown.
    sheet.SetActivePage(kFindPage);
    const TreeView tree = Tree();
    SendMessageA(Item(kTree), WM_SETREDRAW, FALSE, 0);
    tree.DeleteAll();
    const char* start = info.startDirectory.Data();
    root = tree.Insert(nullptr, start, 0, 1, kRootItem);
    for (const XString& name : rootFiles)
        tree.Insert(root, name.Data(), 2, 2, kFileItem);
    if (!info.hasSelection)
        AddSubFolders(root, start);
    else if (!compile)
        for (int i = 0; i < info.folders.Count(); ++i)
            AddFolderItems(root, start, info.folders.At(i)->Data());
    tree.Expand(root);
    SendMessageA(Item(kTree), WM_SETREDRAW, TRUE, 0);
    InvalidateRect(Item(kTree), nullptr, TRUE);
}

void ZSheetPgFind::BuildTree(int compile)
{
    const std::vector<XString> rootFiles = RootFileNames();
    if (!compile) {
        FillTree(rootFiles, 0);
        return;
    }
    // The compile of the root's files needs no tree: javac is started
    // first, and the tree is built while it comes up.
    ZCompileJob& job = farrowick.Job();
    CompileOptions options;
    farrowick.OptionsPage().GetCompileOptions(options);
    if (OutputFolderRefusal(options)) {
        FillTree(rootFiles, 1);
        CheckOutputFolder(Handle(), options);
        return;
    }
    job.options = options;
    const XString& base = sheet.Info().startDirectory;
    job.ClearFiles();
    for (const XString& name : rootFiles) {
        XString path(base);
        path.AppendChar('\\');
        path.AppendString(name);
        job.AddFile(path.Data());
    }
    job.startDirectory = base;
    farrowick.CompilePage().StartCompile(base.Data(), [&] { FillTree(rootFiles, 1); });
}

XString ZSheetPgFind::ItemPath(HTREEITEM item) const
{
    const TreeView tree = Tree();
    const HTREEITEM parent = ParentOf(Item(kTree), item);
    if (!parent)
        return tree.Text(item);
    XString path = ItemPath(parent);
    path.AppendChar('\\');
    path.AppendString(tree.Text(item));
    return path;
}

void ZSheetPgFind::CollectFiles(HTREEITEM folder, const XString& folderPath, int topmostOnly)
{
    // The folder's path is built once: each question to the tree control
    // costs more the more items it holds.
    const TreeView tree = Tree();
    for (HTREEITEM child = tree.Child(folder); child; child = tree.Next(child)) {
        const int kind = Kind(child);
        if (kind != kFileItem && topmostOnly)
            continue;
        XString path(folderPath);
        path.AppendChar('\\');
        path.AppendString(tree.Text(child));
        if (kind == kFileItem)
            farrowick.Job().AddFile(path.Data());
        else
            CollectFiles(child, path, 0);
    }
}

void ZSheetPgFind::CompileFromItem(HTREEITEM item, int topmostOnly)
{
    ZCompileJob& job = farrowick.Job();
    CompileOptions options;
    farrowick.OptionsPage().GetCompileOptions(options);
    if (!CheckOutputFolder(Handle(), options))
        return;
    job.options = options;
    const bool file = Kind(item) == kFileItem;
    const XString base = ItemPath(file ? ParentOf(Item(kTree), item) : item);
    job.ClearFiles();
    if (file) {
        job.AddFile(ItemPath(item).Data());
    } else {
        CollectFiles(item, base, topmostOnly);
    }
    job.startDirectory = base;
    farrowick.CompilePage().StartCompile(base.Data());
}

int ZSheetPgFind::MenuCommands(HTREEITEM item, UINT* commands) const
{
    const TreeView tree = Tree();
    if (Kind(item) == kFileItem) {
        commands[0] = kCompile;
        return 1;
    }
    bool hasFile = false;
    bool hasFolder = false;
    for (HTREEITEM child = tree.Child(item); child; child = tree.Next(child))
        (Kind(child) == kFileItem ? hasFile : hasFolder) = true;
    int count = 0;
    if (hasFile)
        commands[count++] = kTopmost;
    if (hasFolder)
        commands[count++] = kAll;
    return count;
}

void ZSheetPgFind::RunCommand(HTREEITEM item, UINT command)
{
    if (farrowick.CompilePage().IsCompiling()) {
        seams::ShowMessage(Handle(), "It is in compiling, please wait...", "Message", MB_OK);
        return;
    }
    if (command == kTopmost || command == kCompile)
        CompileFromItem(item, 1);
    else if (command == kAll)
        CompileFromItem(item, 0);
}

INT_PTR ZSheetPgFind::OnRightClick(WPARAM, LPARAM)
{
    const TreeView tree = Tree();
    const HTREEITEM selected = tree.Selection();
    if (!selected)
        return 0;
    POINT cursor;
    GetCursorPos(&cursor);
    POINT client = cursor;
    ScreenToClient(Item(kTree), &client);
    UINT flags = 0;
    if (tree.HitTest(client, &flags) != selected || !(flags & TVHT_ONITEMLABEL))
        return 0;
    UINT offered[3];
    const int count = MenuCommands(selected, offered);
    if (count == 0)
        return 0;
    PopupMenu menu;
    if (!menu.Load(kFindMenu))
        return 0;
    for (UINT id : {kTopmost, kAll, kCompile}) {
        bool kept = false;
        for (int i = 0; i < count; ++i)
            kept = kept || offered[i] == id;
        if (!kept)
            DeleteMenu(menu.Popup(), id, MF_BYCOMMAND);
    }
    const UINT command = menu.Track(Handle(), cursor);
    if (command)
        RunCommand(selected, command);
    return 1;
}

void ZSheetPgFind::ExpandAll(HTREEITEM item, UINT action)
{
    const TreeView tree = Tree();
    for (HTREEITEM child = tree.Child(item); child; child = tree.Next(child))
        ExpandAll(child, action);
    SendMessageA(Item(kTree), TVM_EXPAND, action, reinterpret_cast<LPARAM>(item));
}

INT_PTR ZSheetPgFind::OnExpand(WPARAM, LPARAM)
{
    if (!root)
        return 0;
    ExpandAll(root, TVE_EXPAND);
    Tree().Expand(root);
    SendMessageA(Item(kTree), TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(root));
    return 0;
}

INT_PTR ZSheetPgFind::OnCollapse(WPARAM, LPARAM)
{
    if (!root)
        return 0;
    ExpandAll(root, TVE_COLLAPSE);
    Tree().Expand(root);
    SendMessageA(Item(kTree), TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(root));
    return 0;
}
