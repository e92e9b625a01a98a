#pragma once

#include <vector>

#include "bitmap_button.h"
#include "dialog.h"
#include "xstring.h"

class ZViewForm;

// The modal "JDK documentation options": the documentation folder (picked,
// or found on the fixed drives) and the extra text-file extensions. Apply
// saves both and reloads the panel's documentation when either changed.
class DocsOptionsDialog : public Dialog {
public:
    DocsOptionsDialog(HWND parent, ZViewForm& panel);

    // The fixed drives' roots; tests give their own.
    std::vector<XString> driveRoots;

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    RouteTable Routes() const override;

private:
    INT_PTR OnOpen(WPARAM, LPARAM);
    INT_PTR OnFind(WPARAM, LPARAM);
    INT_PTR OnAdd(WPARAM, LPARAM);
    INT_PTR OnRemove(WPARAM, LPARAM);
    INT_PTR OnApply(WPARAM, LPARAM);
    INT_PTR OnCancelButton(WPARAM, LPARAM);
    INT_PTR OnHelpButton(WPARAM, LPARAM);

    void ScanDrives();
    std::vector<XString> Entries(int id) const;

    ZViewForm& panel;
    BitmapButton addButton;
    BitmapButton removeButton;
    std::vector<XString> foundFolders;
    XString shownFolder;
    std::vector<XString> shownExtensions;
};

// The roots of the fixed drives, in the system's order.
std::vector<XString> FixedDriveRoots();
