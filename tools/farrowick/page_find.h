#pragma once

#include <vector>

#include "compile_job.h"
#include "image_list.h"
#include "sheet_page.h"
#include "tree_view.h"

class FarrowickSheet;

// The Find page: the Java sources of the selection in a tree of folders
// (folders without sources below them left out); a right click compiles one
// file, the files of a folder, or those of a folder and its sub-folders.
class ZSheetPgFind final : public ZSheetPage {
public:
    enum ItemKind { kRootItem = 0, kFolderItem = 1, kFileItem = 2 };

    explicit ZSheetPgFind(FarrowickSheet& owner);
    int NeedsWindowAtStart() const override { return 0; }
    void Layout() override;

    // compile 1 also compiles the Java files directly under the root.
    void BuildTree(int compile);
    XString ItemPath(HTREEITEM item) const;
    void CompileFromItem(HTREEITEM item, int topmostOnly);
    // The menu commands a right click on the item offers (0: no menu).
    static constexpr UINT kTopmost = 32771;
    static constexpr UINT kAll = 32772;
    static constexpr UINT kCompile = 32773;
    int MenuCommands(HTREEITEM item, UINT* commands) const;
    // Runs a menu command on the item as the right click would.
    void RunCommand(HTREEITEM item, UINT command);
    HTREEITEM Root() const { return root; }
    TreeView Tree() const { return TreeView(Item(kTree)); }

    static constexpr int kTree = 1017;

protected:
    BOOL OnInitDialog() override;
    RouteTable Routes() const override;

private:
    INT_PTR OnExpand(WPARAM, LPARAM);
    INT_PTR OnCollapse(WPARAM, LPARAM);
    INT_PTR OnRightClick(WPARAM, LPARAM);

    void AddFolderItems(HTREEITEM parent, const char* parentPath, const char* folder);
    void AddSubFolders(HTREEITEM item, const char* folder);
    void AddJavaFiles(HTREEITEM parent, const char* folder, int directlyInStart);
    void CollectFiles(HTREEITEM folder, const XString& folderPath, int topmostOnly);
    // The texts of the root's file items, found without the tree, so that a
    // compile of them need not wait for it (and need not ask it: each
    // question costs).
    std::vector<XString> RootFileNames() const;
    // Shows the page and builds the tree: the root, its files, and its
    // folders (those of a selection only when not compiling).
    void FillTree(const std::vector<XString>& rootFiles, int compile);
    void ExpandAll(HTREEITEM item, UINT action);
    int Kind(HTREEITEM item) const;

    FarrowickSheet& farrowick;
    HTREEITEM root = nullptr;
    ImageList images;
};

// The output-folder checks before a compile: a message and 0 when the
// chosen folder is missing, absent or a file.
int CheckOutputFolder(HWND owner, const CompileOptions& options);
// The message of that refusal; null when the folder will do.
const char* OutputFolderRefusal(const CompileOptions& options);
