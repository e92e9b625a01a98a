#include "tree_contents.h"

#include <cstring>

namespace {

HTREEITEM Handle(ContentsItem item)
{
    return static_cast<HTREEITEM>(const_cast<void*>(item));
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
