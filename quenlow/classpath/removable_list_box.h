#pragma once

#include <windows.h>

// The list of the System page's jar files: a list box that offers "Remove
// the jar file" on a right click and then deletes every selected entry.
class RemovableListBox {
public:
    RemovableListBox() = default;
    ~RemovableListBox();
    RemovableListBox(const RemovableListBox&) = delete;
    RemovableListBox& operator=(const RemovableListBox&) = delete;

    // Takes over the dialog's list box.
    bool Attach(HWND dialog, int id);
    HWND Handle() const { return hwnd; }

private:
    static LRESULT CALLBACK SubclassProcedure(HWND hwnd, UINT message, WPARAM wParam, LPARAM lParam,
                                              UINT_PTR id, DWORD_PTR data);
    void OnRightButtonDown(LPARAM lParam) const;

    HWND hwnd = nullptr;
};

// Deletes every selected entry of a multiple-selection list box, from the
// last index down; the count deleted.
int DeleteSelectedEntries(HWND list);
