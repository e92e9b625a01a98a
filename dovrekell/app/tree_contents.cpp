#include "tree_contents.h"

#include <cstring>

namespace {

HTREEITEM Handle(ContentsItem item)
{
    return static_cast<HTREEITEM>(const_cast<void*>(item));
}

size_t FolderCount(const char* location)
{
    size_t folders = 0;
    for (const char* c = location; *c; ++c) {
        if (*c == '\\' || *c == '/')
            ++folders;
    }
    return folders;
}

}  // namespace

ContentsItem TreeContents::Child(ContentsItem item) const
{
    return tree.Child(Handle(item));
}

ContentsItem TreeContents::Next(ContentsItem item) const
{
    return tree.Next(Handle(item));
}

ContentsItem TreeContents::Parent(ContentsItem item) const
{
    return reinterpret_cast<HTREEITEM>(tree.Send(TVM_GETNEXTITEM, TVGN_PARENT, reinterpret_cast<LPARAM>(Handle(item))));
}

XString TreeContents::Text(ContentsItem item) const
{
    return tree.Text(Handle(item));
}

int TreeContents::Image(ContentsItem item) const
{
    return tree.Image(Handle(item));
}

bool AddLocationEntry(HWND list, const char* title, const char* location)
{
    const LRESULT entry = SendMessageA(list, LB_ADDSTRING, 0, reinterpret_cast<LPARAM>(title));
    if (entry < 0)
        return false;
    const size_t length = std::strlen(location) + 1;
    char* copy = new char[length];
    std::memcpy(copy, location, length);
    SendMessageA(list, LB_SETITEMDATA, static_cast<WPARAM>(entry), reinterpret_cast<LPARAM>(copy));
    return true;
}

const char* EntryLocation(HWND list, int entry)
{
    const LRESULT data = SendMessageA(list, LB_GETITEMDATA, static_cast<WPARAM>(entry), 0);
    return data == LB_ERR ? nullptr : reinterpret_cast<const char*>(data);
}

void DeleteLocationEntry(HWND list, int entry)
{
    delete[] EntryLocation(list, entry);
    SendMessageA(list, LB_DELETESTRING, static_cast<WPARAM>(entry), 0);
}

void ClearLocationEntries(HWND list)
{
    const int count = static_cast<int>(SendMessageA(list, LB_GETCOUNT, 0, 0));
    for (int entry = 0; entry < count; ++entry)
        delete[] EntryLocation(list, entry);
    SendMessageA(list, LB_RESETCONTENT, 0, 0);
}

void AddLocationEntries(HWND list, const std::vector<std::pair<XString, XString>>& entries)
{
    size_t bytes = 0;
    for (const auto& entry : entries)
        bytes += static_cast<size_t>(entry.first.Length()) + 1;
    SendMessageA(list, WM_SETREDRAW, FALSE, 0);
    SendMessageA(list, LB_INITSTORAGE, entries.size(), static_cast<LPARAM>(bytes));
    for (const auto& entry : entries)
        AddLocationEntry(list, entry.first.Data(), entry.second.Data());
    SendMessageA(list, WM_SETREDRAW, TRUE, 0);
    RedrawWindow(list, nullptr, nullptr, RDW_ERASE | RDW_INVALIDATE | RDW_FRAME);
}

int FindIndexEntry(HWND list, const char* text)
{
    const LRESULT first = SendMessageA(list, LB_FINDSTRING, static_cast<WPARAM>(-1), reinterpret_cast<LPARAM>(text));
    if (first == LB_ERR)
        return -1;
    // An equal title also begins with the text, so none comes before the
    // first found; the exact search starts after the index it is given
    // and wraps round to the top at the end.
    LRESULT best = LB_ERR;
    size_t bestFolders = 0;
    for (LRESULT after = first - 1;;) {
        const LRESULT equal =
            SendMessageA(list, LB_FINDSTRINGEXACT, static_cast<WPARAM>(after), reinterpret_cast<LPARAM>(text));
        if (equal == LB_ERR || equal <= after)
            break;
        const char* location = EntryLocation(list, static_cast<int>(equal));
        const size_t folders = location ? FolderCount(location) : 0;
        if (best == LB_ERR || folders < bestFolders) {
            best = equal;
            bestFolders = folders;
        }
        after = equal;
    }
    return static_cast<int>(best == LB_ERR ? first : best);
}
