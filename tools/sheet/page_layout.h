#pragma once

#include <windows.h>

// Small steps the pages' layouts share.

// A window's outer size.
SIZE SizeOf(HWND window);
// The page's client area less the inset on every side.
RECT InsetClient(HWND page, int inset);
// Moves a child to the rectangle (in its parent's client coordinates).
void PlaceAt(HWND child, const RECT& place);
// The tab control over the rectangle and the panes it switches between in
// its display area: below the height of its first tab, inset on every side.
void PlaceTabbedPanes(HWND tabs, const RECT& place, const int* panes, int paneCount, int inset);
// The height, at most the one given, at which the multi-line edit shows only
// whole lines of its font: a last line cut in half is never shown.
int WholeLinesHeight(HWND edit, int height);
