#pragma once

#include <memory>
#include <string>

#include "xstring.h"

// A text range over a shown page, as the browser's document model offers it.
// Units are the model's own names ("Character", "Textedit").
class PageTextRange {
public:
    virtual ~PageTextRange() = default;
    virtual bool MoveToBookmark(const std::wstring& bookmark) = 0;
    virtual void MoveStart(const char* unit, int count) = 0;
    virtual void MoveEnd(const char* unit, int count) = 0;
    virtual bool Search(const XString& text, int flags) = 0;
    virtual bool GetBookmark(std::wstring& bookmark) = 0;
    virtual void SelectAndShow() = 0;
};

// The page whose body the finder searches; null when no page is there.
class FindablePage {
public:
    virtual std::unique_ptr<PageTextRange> BodyRange() = 0;

protected:
    ~FindablePage() = default;
};

// Find in page: the same text and flags again move on to the next match, and
// after the last match the search wraps to the first.
class PageFinder {
public:
    // True when found (or wrapped); false only when nothing is found and
    // reportMissing is set.
    bool Find(FindablePage& page, const char* text, int flags, bool reportMissing);
    // A new page: the next search starts from its top.
    void ForgetMatch() { hasBookmark = false; }
    bool HasMatch() const { return hasBookmark; }

private:
    XString lastText;
    int lastFlags = 0;
    bool hasBookmark = false;
    std::wstring bookmark;
};
