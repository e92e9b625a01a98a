// The System page's library tree, built from a JDK home that the registry
// names, and "Add as classpath" from its right-click menu.
#include <cstring>

#include "sheet_cp_fixture.h"
#include "support/java_version_switch.h"
#include "tree_view.h"

namespace {

// The key today's JDK installers write, alone: no key of older kits is left.
constexpr char kJdkKey[] = "SOFTWARE\\JavaSoft\\JDK";

// Each item as "<indent><text> <image>/<selected image>".
void DumpTree(const TreeView& tree, HTREEITEM item, const std::string& indent, std::vector<std::string>& lines)
{
    for (; item; item = tree.Next(item)) {
        TVITEMA info = {};
        info.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_HANDLE;
        info.hItem = item;
        tree.Send(TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&info));
        lines.push_back(indent + tree.Text(item).Data() + " " + std::to_string(info.iImage) + "/" +
                        std::to_string(info.iSelectedImage));
        DumpTree(tree, tree.Child(item), indent + "  ", lines);
    }
}

HTREEITEM FindItem(const TreeView& tree, HTREEITEM item, const char* text)
{
    for (; item; item = tree.Next(item)) {
        if (std::strcmp(tree.Text(item).Data(), text) == 0)
            return item;
        if (HTREEITEM found = FindItem(tree, tree.Child(item), text))
            return found;
    }
    return nullptr;
}

struct ShownMenu {
    bool shown = false;
    bool grayed = false;
};
ShownMenu lastMenu;
UINT chosen = 0;
BOOL ChooseFromMenu(HMENU menu, UINT, int, int, HWND)
{
    lastMenu.shown = true;
    lastMenu.grayed = (GetMenuState(menu, ID_CP_ADD_AS_CLASSPATH, MF_BYCOMMAND) & MF_GRAYED) != 0;
    return static_cast<BOOL>(chosen);
}

// Right-clicks the item's text as the tree reports it to its page.
ShownMenu RightClick(const ScriptedSheet& s, const char* text)
{
    TreeView tree(s.Item(kSystem, IDC_CP_LIBRARY_TREE));
    HTREEITEM item = FindItem(tree, tree.Root(), text);
    EXPECT_NE(item, nullptr) << text;
    RECT rect = {};
    tree.ItemRect(item, rect);
    POINT at = {(rect.left + rect.right) / 2, (rect.top + rect.bottom) / 2};
    ClientToScreen(tree.Handle(), &at);
    SetCursorPos(at.x, at.y);
    lastMenu = ShownMenu();
    NMHDR header = {tree.Handle(), static_cast<UINT_PTR>(IDC_CP_LIBRARY_TREE), static_cast<UINT>(NM_RCLICK)};
    SendMessageA(s.Page(kSystem).Handle(), WM_NOTIFY, IDC_CP_LIBRARY_TREE, reinterpret_cast<LPARAM>(&header));
    return lastMenu;
}

TEST_F(SheetCpTest, LibraryTreeOfTheJdkAndAddAsClasspath)
{
    const std::string home = ScratchPath("jdk-home");
    for (const char* folder : {"", "\\bin", "\\lib", "\\jre", "\\jre\\lib", "\\jre\\lib\\ext", "\\jre\\lib\\im"})
        CreateDirectoryA((home + folder).c_str(), nullptr);
    // The runs take their javaw from the home whose archives the tree shows.
    WriteFileBytes(home + "\\bin\\javaw.exe", "MZ");
    for (const char* jar : {"\\lib\\tools.jar", "\\jre\\lib\\rt.jar", "\\jre\\lib\\ext\\extra.jar"})
        WriteFileBytes(home + jar, "PK");
    JavaVersionSwitch key(kJdkKey, "1.3-cpsheet-test", home);
    MakeSettings();
    seams::TrackPopup = ChooseFromMenu;
    Run({[&](ScriptedSheet& s) {
        TreeView tree(s.Item(kSystem, IDC_CP_LIBRARY_TREE));
        std::vector<std::string> lines;
        DumpTree(tree, tree.Root(), "", lines);
        // Folders without jar files ("jre\lib\im") get no node.
        EXPECT_EQ(lines, (std::vector<std::string>{"JDK library 0/1", "  lib 2/3", "    tools.jar 6/7", "  jre 2/3",
                                                   "    lib 2/3", "      rt.jar 4/5", "      ext 2/3",
                                                   "        extra.jar 6/7"}));
        EXPECT_FALSE(RightClick(s, "rt.jar").shown);  // part of the runtime itself
        chosen = ID_CP_ADD_AS_CLASSPATH;
        ShownMenu menu = RightClick(s, "tools.jar");
        EXPECT_TRUE(menu.shown);
        EXPECT_FALSE(menu.grayed);
        EXPECT_EQ(s.Entries(kSystem, IDC_CP_SYSTEM_LIST), std::vector<std::string>{"tools.jar"});
        menu = RightClick(s, "tools.jar");
        EXPECT_TRUE(menu.grayed);
        EXPECT_EQ(s.Entries(kSystem, IDC_CP_SYSTEM_LIST), std::vector<std::string>{"tools.jar"});
        RightClick(s, "extra.jar");
        EXPECT_EQ(s.Entries(kSystem, IDC_CP_SYSTEM_LIST), (std::vector<std::string>{"extra.jar", "tools.jar"}));
        // "Remove the jar file" on the list takes the selected entries away.
        s.SelectEntry(kSystem, IDC_CP_SYSTEM_LIST, "extra.jar");
        chosen = ID_CP_REMOVE_JAR;
        SendMessageA(s.Item(kSystem, IDC_CP_SYSTEM_LIST), WM_RBUTTONDOWN, 0, MAKELPARAM(4, 4));
        EXPECT_EQ(s.Entries(kSystem, IDC_CP_SYSTEM_LIST), std::vector<std::string>{"tools.jar"});
        s.Apply();
        s.Close();
    }});
    SettingsFile settings;
    ASSERT_TRUE(settings.OpenExisting(path.c_str()));
    XString classPath;
    settings.GetSystemClasspath(classPath);
    EXPECT_STREQ(classPath.Data(), "tools.jar;");
}

}  // namespace
