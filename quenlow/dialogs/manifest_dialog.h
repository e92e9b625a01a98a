#pragma once

#include <windows.h>

#include "dialog.h"
#include "xstring.h"

// "Manifest file": edits the manifest named in the main dialog, modally.
// Nothing is written until Save, or Yes when a changed text is closed.
class DlgManifest : public Dialog {
public:
    DlgManifest(HWND owner, const char* path, const char* text);

protected:
    BOOL OnInitDialog() override;
    void OnOK() override {}
    // Escape closes as the caption's button does: a changed text is asked about.
    void OnCancel() override { CloseAsked(); }
    RouteTable Routes() const override;

private:
    INT_PTR OnSave(WPARAM, LPARAM);
    INT_PTR OnCloseButton(WPARAM, LPARAM);
    void CloseAsked();
    XString EditText() const;
    bool IsChanged(const XString& text) const;
    // 1 when the text is in the file (written now or already there).
    int SaveText(const XString& text);

    XString path;
    XString savedText;  // as last loaded or saved
};

// What the manifest button does with the path in the main dialog: reads the
// file and opens the editor on it, or tells the user why it cannot.
void EditManifestFile(HWND owner, const char* path);

// Reads a manifest for the editor; kManifestRead when text holds it.
enum ManifestReadResult { kManifestRead, kManifestNotOpened, kManifestNotText };
ManifestReadResult ReadManifestText(const char* path, XString& text);
