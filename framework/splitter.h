#pragma once

#include <windows.h>

#include <vector>

#include "window.h"

// A static splitter: a fixed grid of panes laid out by row and column sizes.
// Every row but the last gets its ideal size (0 when the space left is below
// its minimum); the last takes what is left. Bars between panes may be 0
// pixels wide, which leaves only the gap; a bar wider than the gap can be
// dragged. Commands and notifications of the panes go on to the parent.
class Splitter : public Window {
public:
    Splitter(int rows, int columns);

    bool CreateStatic(HWND parent, int id, const RECT& place);
    // The window shown in a pane; it becomes a child of the splitter.
    void SetPane(int row, int column, HWND pane);
    HWND Pane(int row, int column) const;
    // The id a pane's window should carry (as the frame's first pane id counts).
    int PaneId(int row, int column) const { return firstPaneId + row * 16 + column; }

    void SetRowInfo(int row, int ideal, int minimum);
    void SetColumnInfo(int column, int ideal, int minimum);
    int RowHeight(int row) const { return rows[static_cast<size_t>(row)].actual; }
    int ColumnWidth(int column) const { return columns[static_cast<size_t>(column)].actual; }
    // Bar width and height (0 for none) and the gap between panes.
    void SetBars(int barWidth, int barHeight, int gapX, int gapY);
    void RecalcLayout();

protected:
    const char* ClassName() const override { return "QuenlowSplitter"; }
    void DescribeClass(WNDCLASSEXA& windowClass) const override;
    LRESULT HandleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;

private:
    struct Line {
        int ideal = 0;
        int minimum = 0;
        int actual = 0;
    };
    static void Distribute(std::vector<Line>& lines, int total, int spacing);
    int ColumnBarAt(int x) const;  // the column left of a draggable bar at x, or -1

    std::vector<Line> rows;
    std::vector<Line> columns;
    std::vector<HWND> panes;
    int barX = 6;
    int barY = 6;
    int gapX = 6;
    int gapY = 6;
    int firstPaneId = 0;
    int dragging = -1;  // the column whose right bar is being dragged
};
