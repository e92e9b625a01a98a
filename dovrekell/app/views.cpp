#include "views.h"

#include "dovrekell_ids.h"
#include "text_rules.h"

RouteTable ZViewOther::Routes() const
{
    static const MessageRoute routes[] = {
        OnMessage(WM_CREATE, &ZViewOther::OnCreate),
        OnMessage(WM_SIZE, &ZViewOther::OnSize),
        OnNotify(TVN_SELCHANGEDA, IDC_ARCHIVE_TREE, &ZViewOther::OnTreeSelection),
    };
    return Table(routes);
}

INT_PTR ZViewOther::OnCreate(WPARAM, LPARAM)
{
    RECT client;
    GetClientRect(Handle(), &client);
    if (!viewer.Create(Handle(), client, IDC_TEXT_VIEWER) || !tree.Create(Handle(), client, IDC_ARCHIVE_TREE))
        return -1;
    return 0;
}

INT_PTR ZViewOther::OnSize(WPARAM, LPARAM lParam)
{
    const int width = LOWORD(lParam);
    const int height = HIWORD(lParam);
    for (HWND child : {viewer.Handle(), tree.Handle()}) {
        if (child)
            MoveWindow(child, 0, 0, width, height, TRUE);
    }
    return 0;
}

INT_PTR ZViewOther::OnTreeSelection(WPARAM, LPARAM lParam)
{
    tree.OnSelectionChanged(*reinterpret_cast<const NMTREEVIEWA*>(lParam));
    return 0;
}

void ZViewOther::ShowFile(const char* shownPath, const char* shownExtension)
{
    path.Assign(shownPath);
    extension.Assign(shownExtension);
    if (!viewer.IsValid() || !tree.IsValid())
        return;
    if (EqualsIgnoringCase(shownExtension, "jar") || EqualsIgnoringCase(shownExtension, "zip")) {
        tree.ShowArchive(shownPath, shownExtension);
        viewer.Show(false);
    } else {
        viewer.ShowFile(shownPath, shownExtension);
        tree.Show(false);
    }
}
