#include "manifest_dialog.h"

#include <cstring>

#include "controls.h"
#include "info_dialogs_ids.h"
#include "seams.h"
#include "xbuffer.h"
#include "xfile.h"

DlgManifest::DlgManifest(HWND owner, const char* manifestPath, const char* text)
    : Dialog(IDD_MANIFEST, owner), path(manifestPath), savedText(text)
{
}

Dialog::RouteTable DlgManifest::Routes() const
{
    static const MessageRoute routes[] = {
        OnCommand(BN_CLICKED, IDC_MANIFEST_SAVE, &DlgManifest::OnSave),
        OnCommand(BN_CLICKED, IDC_INFO_CLOSE, &DlgManifest::OnCloseButton),
    };
    return Table(routes);
}

BOOL DlgManifest::OnInitDialog()
{
    XString caption("Manifest file - ");
    caption.AppendString(path);
    SetWindowTextA(Handle(), caption.Data());
    HWND edit = Item(IDC_MANIFEST_TEXT);
    SendMessageA(edit, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(ANSI_FIXED_FONT)), FALSE);
    // Typing may make the text longer than the control's default limit.
    Edit(edit).SetLimit(0);
    SetWindowTextA(edit, savedText.Data());
    return TRUE;
}

XString DlgManifest::EditText() const
{
    return Control(Handle(), IDC_MANIFEST_TEXT).GetText();
}

bool DlgManifest::IsChanged(const XString& text) const
{
    return text.CompareN(savedText.Data(), savedText.Length() + 1) != 0;
}

int DlgManifest::SaveText(const XString& text)
{
    if (!IsChanged(text))
        return 1;
    XFile file;
    if (!file.Open(path.Data(), XFile::OpenExisting, 1) || !file.Write(text.Data(), text.Length()) || !file.Truncate())
        return 0;
    file.Close();
    savedText = text;
    return 1;
}

INT_PTR DlgManifest::OnSave(WPARAM, LPARAM)
{
    if (!SaveText(EditText()))
        seams::ShowMessage(Handle(), "Can not save file", "Message", MB_OK);
    return TRUE;
}

INT_PTR DlgManifest::OnCloseButton(WPARAM, LPARAM)
{
    PostMessageA(Handle(), WM_CLOSE, 0, 0);
    return TRUE;
}

void DlgManifest::CloseAsked()
{
    const XString text = EditText();
    if (IsChanged(text)) {
        const int answer = seams::ShowMessage(Handle(), "The file is modified,\ndo you want to save change?",
                                              "Message", MB_YESNOCANCEL);
        if (answer == IDCANCEL)
            return;
        // A failed save keeps the editor open with the text, so nothing is lost unseen.
        if (answer == IDYES && !SaveText(text)) {
            seams::ShowMessage(Handle(), "Can not save file", "Message", MB_OK);
            return;
        }
    }
    EndDialog(IDOK);
}

ManifestReadResult ReadManifestText(const char* path, XString& text)
{
    XFile file;
    XBuffer bytes;
    int length = 0;
    if (!file.Open(path, XFile::OpenExisting, 0) || !file.ReadWhole(bytes, &length))
        return kManifestNotOpened;
    if (std::memchr(bytes.Data(), 0, static_cast<size_t>(length)))
        return kManifestNotText;
    text.Assign(bytes.Text(), length);
    return kManifestRead;
}

void EditManifestFile(HWND owner, const char* path)
{
    if (!path || !*path) {
        seams::ShowMessage(owner, "Please input a manifest file", "Message", MB_OK);
        return;
    }
    XString text;
    switch (ReadManifestText(path, text)) {
    case kManifestNotOpened:
        seams::ShowMessage(owner, "Error: can not open the manifest file", "Message", MB_OK);
        return;
    case kManifestNotText:
        seams::ShowMessage(owner, "Error: the manifest file is not a text file", "Message", MB_OK);
        return;
    case kManifestRead:
        break;
    }
    DlgManifest(owner, path, text.Data()).DoModal();
}
