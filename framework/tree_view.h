#pragma once

#include <windows.h>
#include <commctrl.h>

#include "controls.h"

// A tree-view control: each method is the TVM_ message it sends.
class TreeView : public Control {
public:
    using Control::Control;

    // A new item as the last child of parent (null: a root item).
    HTREEITEM Insert(HTREEITEM parent, const char* text, int image = 0, int selectedImage = 0,
                     LPARAM data = 0) const;
    bool DeleteAll() const { return Send(TVM_DELETEITEM, 0, reinterpret_cast<LPARAM>(TVI_ROOT)) != 0; }
    int Count() const { return static_cast<int>(Send(TVM_GETCOUNT)); }

    XString Text(HTREEITEM item) const;
    LPARAM Data(HTREEITEM item) const;
    int Image(HTREEITEM item) const;  // -1 for no item

    HTREEITEM Root() const { return Relative(nullptr, TVGN_ROOT); }
    HTREEITEM Child(HTREEITEM item) const { return Relative(item, TVGN_CHILD); }
    HTREEITEM Next(HTREEITEM item) const { return Relative(item, TVGN_NEXT); }
    HTREEITEM Selection() const { return Relative(nullptr, TVGN_CARET); }
    bool Select(HTREEITEM item) const
    {
        return Send(TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item)) != 0;
    }
    bool Expand(HTREEITEM item) const
    {
        return Send(TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(item)) != 0;
    }
    // The item under a point in the tree's client coordinates; flags gets
    // the TVHT_ bits (exactly TVHT_ONITEMLABEL on an item's text).
    HTREEITEM HitTest(POINT point, UINT* flags = nullptr) const;
    // The item's label rectangle in client coordinates; false when it is not shown.
    bool ItemRect(HTREEITEM item, RECT& rect) const;
    HIMAGELIST SetImages(HIMAGELIST images, int kind = TVSIL_NORMAL) const
    {
        return reinterpret_cast<HIMAGELIST>(Send(TVM_SETIMAGELIST, static_cast<WPARAM>(kind),
                                                 reinterpret_cast<LPARAM>(images)));
    }

private:
    HTREEITEM Relative(HTREEITEM item, UINT relation) const
    {
        return reinterpret_cast<HTREEITEM>(Send(TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
    }
};
