// The System page: jar files of the installed JDK or JRE, picked from a
// tree of their library folders.
#include <cstring>

#include "classpath_entries.h"
#include "classpath_sheet_ids.h"
#include "help_topics.h"
#include "java_home.h"
#include "popup_menu.h"
#include "sheet_cp.h"
#include "tree_view.h"
#include "xfind.h"

namespace {

// Images of the tree, each followed by its selected form.
enum TreeImage { kImageRoot = 0, kImageFolder = 2, kImageStandardJar = 4, kImageOtherJar = 6 };

const char* const kStandardJars[] = {"rt.jar", "i18n.jar", "sunrsasign.jar", "jsse.jar", "jce.jar", "charsets.jar"};

bool IsStandardJar(const char* name)
{
    for (const char* standard : kStandardJars) {
        if (std::strcmp(name, standard) == 0)
            return true;
    }
    return false;
}

// The child of parent with exactly this text, inserted last when missing.
HTREEITEM FolderNode(const TreeView& tree, HTREEITEM parent, const XString& part)
{
    for (HTREEITEM child = tree.Child(parent); child; child = tree.Next(child)) {
        if (std::strcmp(tree.Text(child).Data(), part.Data()) == 0)
            return child;
    }
    return tree.Insert(parent, part.Data(), kImageFolder, kImageFolder + 1);
}

// Names of the jar files in a folder, in the order the search gives them.
void JarNames(const XString& folder, StringList& names)
{
    XString pattern(folder);
    pattern.Append("\\*.jar");
    XFind find;
    for (bool more = find.FindFirst(pattern.Data()); more; more = find.FindNext()) {
        if (!find.IsDirectory() && !find.IsDots())
            names.Add(find.FileName());
    }
}

}  // namespace

SheetCpPgSystem::SheetCpPgSystem(SheetCp& sheet) : CpPage(sheet, IDD_CP_SYSTEM, 0, kHelpCpSystem) {}

BOOL SheetCpPgSystem::OnInitDialog()
{
    jarList.Attach(Handle(), IDC_CP_SYSTEM_LIST);
    if (images.Load(IDB_CP_LIBRARY_TREE, 16, RGB(255, 255, 255), 1))
        TreeView(Handle(), IDC_CP_LIBRARY_TREE).SetImages(images.Handle());
    // Until the settings say otherwise.
    CheckRadioButton(Handle(), IDC_CP_JRE, IDC_CP_JDK, IDC_CP_JRE);
    BuildLibraryTree();
    return CpPage::OnInitDialog();
}

PropertyPage::RouteTable SheetCpPgSystem::Routes() const
{
    static const MessageRoute routes[] = {
        OnCommand(BN_CLICKED, IDC_CP_JRE, &SheetCpPgSystem::OnLibraryChoice),
        OnCommand(BN_CLICKED, IDC_CP_JDK, &SheetCpPgSystem::OnLibraryChoice),
    };
    return Table(routes);
}

INT_PTR SheetCpPgSystem::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NOTIFY) {
        const NMHDR* header = reinterpret_cast<const NMHDR*>(lParam);
        if (header->idFrom == IDC_CP_LIBRARY_TREE && header->code == NM_RCLICK) {
            OnTreeRightClick();
            SetMessageResult(0);
            return TRUE;
        }
    }
    return CpPage::HandleMessage(message, wParam, lParam);
}

INT_PTR SheetCpPgSystem::OnLibraryChoice(WPARAM, LPARAM)
{
    BuildLibraryTree();
    return TRUE;
}

void SheetCpPgSystem::BuildLibraryTree() const
{
    TreeView tree(Handle(), IDC_CP_LIBRARY_TREE);
    tree.DeleteAll();
    const bool jre = IsDlgButtonChecked(Handle(), IDC_CP_JRE) == BST_CHECKED;
    XString home;
    // The home whose archives a run resolves the chosen names against.
    if (!FindLibraryHome(jre ? kJreOnly : kJdkOnly, home))
        return;
    HTREEITEM root = tree.Insert(nullptr, jre ? "JRE library" : "JDK library", kImageRoot, kImageRoot + 1);
    const char* const* folders = jre ? kJreLibFolders : kJdkLibFolders;
    const int folderCount = jre ? kJreLibFolderCount : kJdkLibFolderCount;
    for (int i = 0; i < folderCount; ++i) {
        XString folder(home);
        folder.AppendChar('\\');
        folder.Append(folders[i]);
        StringList jars;
        JarNames(folder, jars);
        if (jars.Count() == 0)
            continue;
        HTREEITEM node = root;
        const char* part = folders[i];
        while (*part) {
            const char* end = std::strchr(part, '\\');
            const int length = end ? static_cast<int>(end - part) : static_cast<int>(std::strlen(part));
            node = FolderNode(tree, node, XString(part, length));
            tree.Expand(node);
            part += length + (end ? 1 : 0);
        }
        for (int j = 0; j < jars.Count(); ++j) {
            const int image = IsStandardJar(jars.At(j)->Data()) ? kImageStandardJar : kImageOtherJar;
            tree.Insert(node, jars.At(j)->Data(), image, image + 1);
        }
        tree.Expand(node);
    }
    tree.Expand(root);
}

void SheetCpPgSystem::OnTreeRightClick() const
{
    TreeView tree(Handle(), IDC_CP_LIBRARY_TREE);
    POINT cursor;
    GetCursorPos(&cursor);
    POINT inTree = cursor;
    ScreenToClient(tree.Handle(), &inTree);
    UINT flags = 0;
    HTREEITEM item = tree.HitTest(inTree, &flags);
    // Only the jars that are not part of the runtime itself can be added.
    if (!item || flags != TVHT_ONITEMLABEL || tree.Image(item) != kImageOtherJar)
        return;
    const XString name = tree.Text(item);
    HWND list = Item(IDC_CP_SYSTEM_LIST);
    PopupMenu menu;
    if (!menu.Load(IDM_CP_ADD_JAR))
        return;
    const bool present = SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(-1),
                                      reinterpret_cast<LPARAM>(name.Data())) != LB_ERR;
    menu.Enable(ID_CP_ADD_AS_CLASSPATH, !present);
    if (menu.Track(Handle(), cursor) == ID_CP_ADD_AS_CLASSPATH)
        AddUnlessPresent(list, name.Data());
}

void SheetCpPgSystem::Load(SettingsFile& settings)
{
    int flags[SettingsFile::kClasspathFlagCount] = {};
    settings.GetClasspathFlags(flags);
    SetCheckBoxes(Handle(), flags);
    CheckRadioButton(Handle(), IDC_CP_JRE, IDC_CP_JDK, flags[kCpLibraryJre] ? IDC_CP_JRE : IDC_CP_JDK);
    BuildLibraryTree();
    settings.LoadSystemClasspaths(loaded);
    HWND list = Item(IDC_CP_SYSTEM_LIST);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
    for (int i = 0; i < loaded.Count(); ++i)
        SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(loaded.At(i)->Data()));
}

int SheetCpPgSystem::Save(SettingsFile& settings)
{
    int flags[SettingsFile::kClasspathFlagCount];
    ReadRecord(flags);
    flags[kCpLibraryJre] = IsDlgButtonChecked(Handle(), IDC_CP_JRE) == BST_CHECKED ? 1 : 0;
    int saved = settings.SetClasspathFlags(flags);
    StringList now;
    ListBoxEntries(Item(IDC_CP_SYSTEM_LIST), now);
    if (ListDiffers(now, loaded)) {
        const int listSaved = settings.SaveSystemClasspaths(now);
        saved &= listSaved;
        // The copy follows the file, or a change undone later is never written.
        if (listSaved)
            ListBoxEntries(Item(IDC_CP_SYSTEM_LIST), loaded);
    }
    return saved;
}
