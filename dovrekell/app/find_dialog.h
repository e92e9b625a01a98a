#pragma once

#include "dialog.h"

// What the find dialog asks of its page view.
class TextFinder {
public:
    // Flags: 2 whole word, 4 match case. False when the text is not found
    // and reportMissing is set.
    virtual bool FindText(const char* text, int flags, bool reportMissing) = 0;

protected:
    ~TextFinder() = default;
};

// The small modeless "Find text" window of the page view: a history of
// searched texts and the whole-word choice kept in the settings; the case
// choice lives only as long as the program.
class FindTextDialog : public Dialog {
public:
    static constexpr int kWholeWord = 2;
    static constexpr int kMatchCase = 4;

    FindTextDialog(HWND parent, TextFinder& finder);

    // Shows the dialog with its history and whole-word choice reloaded; a
    // shown dialog is left as it is.
    void Show();

protected:
    void OnOK() override {}
    void OnCancel() override { Close(); }
    RouteTable Routes() const override;

private:
    void Close();
    INT_PTR OnFind(WPARAM, LPARAM);
    INT_PTR OnClose(WPARAM, LPARAM);

    TextFinder& finder;
};
