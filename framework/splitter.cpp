#include "splitter.h"

Splitter::Splitter(int rowCount, int columnCount)
    : rows(static_cast<size_t>(rowCount)),
      columns(static_cast<size_t>(columnCount)),
      panes(static_cast<size_t>(rowCount * columnCount), nullptr)
{
}

bool Splitter::CreateStatic(HWND parent, int id, const RECT& place)
{
    firstPaneId = id;
    return Create(parent, place, id, WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN);
}

void Splitter::DescribeClass(WNDCLASSEXA& windowClass) const
{
    windowClass.hbrBackground = reinterpret_cast<HBRUSH>(static_cast<INT_PTR>(COLOR_BTNFACE + 1));
}

void Splitter::SetPane(int row, int column, HWND pane)
{
    panes[static_cast<size_t>(row * static_cast<int>(columns.size()) + column)] = pane;
    if (pane && GetParent(pane) != Handle())
        SetParent(pane, Handle());
}

HWND Splitter::Pane(int row, int column) const
{
    return panes[static_cast<size_t>(row * static_cast<int>(columns.size()) + column)];
}

void Splitter::SetRowInfo(int row, int ideal, int minimum)
{
    rows[static_cast<size_t>(row)].ideal = ideal;
    rows[static_cast<size_t>(row)].minimum = minimum;
}

void Splitter::SetColumnInfo(int column, int ideal, int minimum)
{
    columns[static_cast<size_t>(column)].ideal = ideal;
    columns[static_cast<size_t>(column)].minimum = minimum;
}

void Splitter::SetBars(int barWidth, int barHeight, int gapWidth, int gapHeight)
{
    barX = barWidth;
    barY = barHeight;
    gapX = gapWidth;
    gapY = gapHeight;
}

void Splitter::Distribute(std::vector<Line>& lines, int total, int spacing)
{
    int left = total;
    for (size_t i = 0; i < lines.size(); ++i) {
        Line& line = lines[i];
        if (i + 1 == lines.size()) {
            line.actual = left > 0 ? left : 0;
            break;
        }
        line.actual = line.ideal < left ? line.ideal : left;
        if (line.actual < line.minimum)
            line.actual = 0;  // too small to be of use: the next line takes the room
        if (line.actual < 0)
            line.actual = 0;
        left -= line.actual + spacing;
    }
}

void Splitter::RecalcLayout()
{
    if (!Handle())
        return;
    RECT client;
    GetClientRect(Handle(), &client);
    const int spaceX = barX > gapX ? barX : gapX;
    const int spaceY = barY > gapY ? barY : gapY;
    Distribute(columns, client.right, spaceX);
    Distribute(rows, client.bottom, spaceY);
    int y = 0;
    for (size_t r = 0; r < rows.size(); ++r) {
        int x = 0;
        for (size_t c = 0; c < columns.size(); ++c) {
            if (HWND pane = panes[r * columns.size() + c])
                MoveWindow(pane, x, y, columns[c].actual, rows[r].actual, TRUE);
            x += columns[c].actual + spaceX;
        }
        y += rows[r].actual + spaceY;
    }
    InvalidateRect(Handle(), nullptr, TRUE);
}

int Splitter::ColumnBarAt(int x) const
{
    if (barX <= gapX)
        return -1;
    int right = 0;
    for (size_t c = 0; c + 1 < columns.size(); ++c) {
        right += columns[c].actual;
        if (x >= right && x < right + barX)
            return static_cast<int>(c);
        right += barX;
    }
    return -1;
}

LRESULT Splitter::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    switch (message) {
    case WM_SIZE:
        RecalcLayout();
        return 0;
    case WM_COMMAND:
    case WM_NOTIFY:
        return SendMessageA(GetParent(Handle()), message, wParam, lParam);
    case WM_SETCURSOR:
        if (LOWORD(lParam) == HTCLIENT && reinterpret_cast<HWND>(wParam) == Handle()) {
            POINT point;
            GetCursorPos(&point);
            ScreenToClient(Handle(), &point);
            if (ColumnBarAt(point.x) >= 0) {
                SetCursor(LoadCursorA(nullptr, MAKEINTRESOURCEA(32644)));  // IDC_SIZEWE
                return TRUE;
            }
        }
        break;
    case WM_LBUTTONDOWN:
        dragging = ColumnBarAt(static_cast<short>(LOWORD(lParam)));
        if (dragging >= 0)
            SetCapture(Handle());
        return 0;
    case WM_MOUSEMOVE:
        if (dragging >= 0 && GetCapture() == Handle()) {
            int left = 0;
            for (int c = 0; c < dragging; ++c)
                left += columns[static_cast<size_t>(c)].actual + barX;
            const int width = static_cast<short>(LOWORD(lParam)) - left;
            columns[static_cast<size_t>(dragging)].ideal = width > 0 ? width : 0;
            RecalcLayout();
        }
        return 0;
    case WM_LBUTTONUP:
    case WM_CANCELMODE:
        if (dragging >= 0 && GetCapture() == Handle())
            ReleaseCapture();
        dragging = -1;
        return 0;
    default:
        break;
    }
    return Window::HandleMessage(message, wParam, lParam);
}
