#include "view_html.h"

#include "paths/path_text.h"
#include "text_rules.h"

ZViewHtml::ZViewHtml(NavigationRecorder& owner, HtmlBrowser& shownBrowser) : recorder(owner), browser(shownBrowser)
{
    browser.SetListener(this);
}

ZViewHtml::~ZViewHtml()
{
    browser.SetListener(nullptr);
}

bool ZViewHtml::Create(HWND parent, int id, const RECT& place)
{
    if (!browser.CreateIn(parent, id, place))
        return false;
    findDialog.reset(new FindTextDialog(browser.Window(), *this));
    return findDialog->Create();
}

void ZViewHtml::NavigateTo(const char* location)
{
    ownNavigation = true;
    // Relative links of local pages that the browser hands to the system
    // (downloads, other programs) resolve from the page's folder.
    SetCurrentDirectoryA(PathDirectory(location).Data());
    browser.Navigate(location);
}

void ZViewHtml::OnNavigateComplete2(const char*)
{
    const XString location = browser.Location();
    if (!EqualsIgnoringCase(location.Data(), lastCompleted.Data())) {
        finder.ForgetMatch();
        lastCompleted.Copy(location);
        if (!ownNavigation)
            recorder.RecordNavigation(location.Data());
    }
    ownNavigation = false;
}

bool ZViewHtml::FindText(const char* text, int flags, bool reportMissing)
{
    return finder.Find(browser, text, flags, reportMissing);
}
