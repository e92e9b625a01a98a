#include "page_finder.h"

#include "text_rules.h"

namespace {

constexpr char kTextEdit[] = "Textedit";
constexpr char kCharacter[] = "Character";

}  // namespace

bool PageFinder::Find(FindablePage& page, const char* text, int flags, bool reportMissing)
{
    if (!EqualsIgnoringCase(text, lastText.Data()) || flags != lastFlags)
        hasBookmark = false;
    lastText.Assign(text);
    lastFlags = flags;

    std::unique_ptr<PageTextRange> range = page.BodyRange();
    if (!range)
        return false;
    if (hasBookmark) {
        if (range->MoveToBookmark(bookmark)) {
            // Past the last match's first character, to the end of the page.
            range->MoveStart(kCharacter, 1);
            range->MoveEnd(kTextEdit, 1);
        } else {
            hasBookmark = false;
            range->MoveStart(kTextEdit, 1);
            range->MoveEnd(kTextEdit, 1);
        }
    } else {
        range->MoveStart(kTextEdit, 0);
        range->MoveEnd(kTextEdit, 1);
    }

    if (range->Search(lastText, flags)) {
        hasBookmark = range->GetBookmark(bookmark);
        range->SelectAndShow();
        return true;
    }
    if (hasBookmark) {
        hasBookmark = false;
        Find(page, text, flags, false);  // wrap: once more from the top
        return true;
    }
    return !reportMissing;
}
