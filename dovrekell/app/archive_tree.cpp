#include "archive_tree.h"

#include <cstring>
#include <string>
#include <vector>

#include "dovrekell_ids.h"
#include "image_list.h"
#include "text_rules.h"

ArchiveTree::ArchiveTree() : listing(new ArchiveListing) {}

ArchiveTree::~ArchiveTree() = default;

bool ArchiveTree::Create(HWND parent, const RECT& place, int id)
{
    const DWORD style = WS_CHILD | WS_TABSTOP | WS_BORDER | TVS_HASLINES | TVS_LINESATROOT | TVS_HASBUTTONS |
                        TVS_SHOWSELALWAYS;
    hwnd = CreateWindowExA(0, WC_TREEVIEWA, "", style, place.left, place.top, place.right - place.left,
                           place.bottom - place.top, parent, reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)),
                           GetModuleHandleA(nullptr), nullptr);
    if (!hwnd)
        return false;
    ImageList images;
    if (images.Load(IDB_ARCHIVE_IMAGES, 16, RGB(255, 255, 255)))
        SetImages(images.Release());  // a tree's normal list is not destroyed with it
    return true;
}

HTREEITEM ArchiveTree::Add(HTREEITEM parent, const std::string& text, int image) const
{
    return Insert(parent, text.c_str(), image, image + 1);
}

void ArchiveTree::ShowArchive(const char* path, const char* extension)
{
    Show(true);
    DeleteAll();
    const char* slash = std::strrchr(path, '\\');
    HTREEITEM root = Insert(nullptr, slash ? slash + 1 : path, 0, 0);
    const int rootImage = EqualsIgnoringCase(extension, "zip") ? kZipRoot : kJarRoot;
    TVITEMA item = {};
    item.mask = TVIF_IMAGE | TVIF_SELECTEDIMAGE;
    item.hItem = root;
    item.iImage = rootImage;
    item.iSelectedImage = rootImage + 1;
    Send(TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&item));

    if (!listing->Open(path)) {
        Add(root, "can not open the file", kError);
        Expand(root);
        return;
    }
    std::vector<std::string> folders, files;
    listing->ListChildren("", folders, files);
    for (const std::string& folder : folders)
        Add(root, folder, kFolder);
    for (const std::string& file : files)
        Add(root, file, kEntry);
    Expand(root);
}

void ArchiveTree::OnSelectionChanged(const NMTREEVIEWA& change)
{
    HTREEITEM selected = change.itemNew.hItem;
    if (!selected || Image(selected) != kFolder || Child(selected))
        return;
    // The folder's path: its text and its ancestors' below the root.
    std::string folder = Text(selected).Data();
    HTREEITEM root = Root();
    for (HTREEITEM up = reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(selected)));
         up && up != root;
         up = reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(up))))
        folder = std::string(Text(up).Data()) + "/" + folder;
    std::vector<std::string> folders, files;
    listing->ListChildren(folder, folders, files);
    for (const std::string& sub : folders)
        Add(selected, sub, kFolder);
    for (const std::string& file : files)
        Add(selected, file, kEntry);
    Expand(selected);
}
