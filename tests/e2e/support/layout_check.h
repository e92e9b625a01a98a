#pragma once
// What a user meets in a window's layout: controls they cannot see whole
// because they reach past their parent, and controls that lie on top of one
// another. Works on windows of any process.
#include <windows.h>

#include <string>
#include <vector>

// Two sibling controls, by id, that the window lays on top of each other on
// purpose (a picture over a frame that marks its place, say).
struct LayoutOverlay {
    int under;
    int over;
};

// One readable line per fault among the window's visible descendants:
// - a control whose window rectangle is not inside its parent's client area;
// - two visible siblings that overlap, unless one of them is a container (a
//   group box, a static frame or rectangle, a tab control) that holds the
//   other wholly, or the pair is one of the allowed overlays.
// Controls of no area count as not shown. Lines name the control's id,
// class, text and rectangle in its parent's client coordinates.
std::vector<std::string> LayoutProblems(HWND window, const std::vector<LayoutOverlay>& allowed = {});

// The folder of the build where the checked windows' screenshots land.
std::string WindowScreensFolder();

// The window redrawn and brought to the front, its problems, and its
// screenshot saved as <WindowScreensFolder()>\<name>.bmp.
std::vector<std::string> CheckLayout(HWND window, const std::string& name,
                                     const std::vector<LayoutOverlay>& allowed = {});

// CheckLayout at the window's present size ("<name>-first") and, when it has
// a maximise box, maximised ("<name>-maximised") and restored afterwards.
// Each line starts with the size it was seen at.
std::vector<std::string> CheckLayoutBothSizes(HWND window, const std::string& name,
                                              const std::vector<LayoutOverlay>& allowed = {});

// The lines joined for a test's failure message.
std::string LayoutReport(const std::vector<std::string>& problems);
