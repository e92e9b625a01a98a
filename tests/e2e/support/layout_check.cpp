#include "e2e/support/layout_check.h"

#include <cstdio>

#include "support/screen_picture.h"

namespace {

constexpr UINT kAnswerMs = 5000;

// The window's thread has handled what was sent before (a window of another
// process answers once its queue got there).
void WaitUntilIdle(HWND window)
{
    DWORD_PTR ignored = 0;
    SendMessageTimeoutA(window, WM_NULL, 0, 0, SMTO_ABORTIFHUNG, kAnswerMs, &ignored);
}

std::string ClassOf(HWND window)
{
    char name[64] = {};
    GetClassNameA(window, name, sizeof name);
    return name;
}

std::string ShortText(HWND window)
{
    char text[256] = {};
    DWORD_PTR copied = 0;
    if (!SendMessageTimeoutA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text), SMTO_ABORTIFHUNG,
                             kAnswerMs, &copied))
        text[0] = 0;
    std::string shown;
    for (const char* c = text; *c && shown.size() < 40; ++c)
        shown += (*c == '\r' || *c == '\n' || *c == '\t') ? ' ' : *c;
    return shown;
}

std::string RectText(const RECT& r)
{
    char text[80];
    std::snprintf(text, sizeof text, "(%ld,%ld)-(%ld,%ld)", static_cast<long>(r.left), static_cast<long>(r.top),
                  static_cast<long>(r.right), static_cast<long>(r.bottom));
    return text;
}

struct Control {
    HWND window;
    int id;
    std::string className;
    RECT rect;  // in the parent's client coordinates
};

std::string Describe(const Control& control)
{
    return "id " + std::to_string(control.id) + " " + control.className + " \"" + ShortText(control.window) + "\" " +
           RectText(control.rect);
}

bool SameClass(const std::string& name, const char* wanted) { return lstrcmpiA(name.c_str(), wanted) == 0; }

// A control whose job is to hold others: they may lie wholly inside it.
bool IsContainer(const Control& control)
{
    const LONG style = GetWindowLongA(control.window, GWL_STYLE);
    if (SameClass(control.className, "Button"))
        return (style & BS_TYPEMASK) == BS_GROUPBOX;
    if (SameClass(control.className, "Static")) {
        switch (style & SS_TYPEMASK) {
        case SS_BLACKRECT:
        case SS_GRAYRECT:
        case SS_WHITERECT:
        case SS_BLACKFRAME:
        case SS_GRAYFRAME:
        case SS_WHITEFRAME:
        case SS_ETCHEDFRAME:
            return true;
        default:
            return false;
        }
    }
    return SameClass(control.className, "SysTabControl32");
}

bool Holds(const RECT& outer, const RECT& inner)
{
    return inner.left >= outer.left && inner.top >= outer.top && inner.right <= outer.right &&
           inner.bottom <= outer.bottom;
}

bool Allowed(const Control& a, const Control& b, const std::vector<LayoutOverlay>& allowed)
{
    for (const LayoutOverlay& pair : allowed) {
        if ((pair.under == a.id && pair.over == b.id) || (pair.under == b.id && pair.over == a.id))
            return true;
    }
    return false;
}

// The shown children of one parent, in its client coordinates.
std::vector<Control> ShownChildren(HWND parent)
{
    std::vector<Control> children;
    for (HWND child = GetWindow(parent, GW_CHILD); child; child = GetWindow(child, GW_HWNDNEXT)) {
        if (!IsWindowVisible(child))
            continue;
        Control control = {child, GetDlgCtrlID(child), ClassOf(child), {}};
        GetWindowRect(child, &control.rect);
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&control.rect), 2);
        if (control.rect.right <= control.rect.left || control.rect.bottom <= control.rect.top)
            continue;
        children.push_back(control);
    }
    return children;
}

void CheckChildren(HWND parent, const std::string& parentName, const std::vector<LayoutOverlay>& allowed,
                   std::vector<std::string>& problems)
{
    RECT client;
    GetClientRect(parent, &client);
    const std::vector<Control> children = ShownChildren(parent);
    for (size_t i = 0; i < children.size(); ++i) {
        const Control& child = children[i];
        if (!Holds(client, child.rect))
            problems.push_back(Describe(child) + " reaches past the client area " + RectText(client) + " of " +
                               parentName);
        for (size_t j = i + 1; j < children.size(); ++j) {
            const Control& other = children[j];
            RECT common;
            if (!IntersectRect(&common, &child.rect, &other.rect))
                continue;
            if ((IsContainer(child) && Holds(child.rect, other.rect)) ||
                (IsContainer(other) && Holds(other.rect, child.rect)) || Allowed(child, other, allowed))
                continue;
            problems.push_back(Describe(child) + " overlaps " + Describe(other) + " in " + parentName);
        }
        CheckChildren(child.window, Describe(child), allowed, problems);
    }
}

}  // namespace

std::vector<std::string> LayoutProblems(HWND window, const std::vector<LayoutOverlay>& allowed)
{
    std::vector<std::string> problems;
    CheckChildren(window, "window " + ClassOf(window) + " \"" + ShortText(window) + "\"", allowed, problems);
    return problems;
}

std::string WindowScreensFolder() { return QUENLOW_WINDOW_SCREENS; }

std::vector<std::string> CheckLayout(HWND window, const std::string& name, const std::vector<LayoutOverlay>& allowed)
{
    SetForegroundWindow(window);
    BringWindowToTop(window);
    RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    WaitUntilIdle(window);
    Sleep(300);  // the display server shows what was painted
    std::vector<std::string> problems = LayoutProblems(window, allowed);
    CreateDirectoryA(WindowScreensFolder().c_str(), nullptr);
    const std::string path = WindowScreensFolder() + "\\" + name + ".bmp";
    // A maximised window's frame lies past the screen's edges, where there
    // are no pixels to take: its client area then.
    if (!SavePicture(CaptureWindow(window, IsZoomed(window) != FALSE), path.c_str()))
        problems.push_back("no screenshot could be saved as " + path);
    return problems;
}

std::vector<std::string> CheckLayoutBothSizes(HWND window, const std::string& name,
                                              const std::vector<LayoutOverlay>& allowed)
{
    std::vector<std::string> problems;
    for (const std::string& line : CheckLayout(window, name + "-first", allowed))
        problems.push_back("first size: " + line);
    if (!(GetWindowLongA(window, GWL_STYLE) & WS_MAXIMIZEBOX))
        return problems;
    ShowWindow(window, SW_MAXIMIZE);
    WaitUntilIdle(window);
    if (!IsZoomed(window))
        problems.push_back("maximised: the window did not maximise");
    for (const std::string& line : CheckLayout(window, name + "-maximised", allowed))
        problems.push_back("maximised: " + line);
    ShowWindow(window, SW_RESTORE);
    WaitUntilIdle(window);
    return problems;
}

std::string LayoutReport(const std::vector<std::string>& problems)
{
    std::string report;
    for (const std::string& line : problems)
        report += line + "\n";
    return report;
}
