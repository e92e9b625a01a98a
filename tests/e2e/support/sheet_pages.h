#pragma once

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstring>
#include <string>
#include <vector>

// A tool's sheet in another process as a user sees it: its pages, and the
// items of a page's tree, read through memory of that process.

// The page of the sheet that holds the control.
inline HWND PageWith(HWND sheet, int id)
{
    HWND page = nullptr;
    while ((page = FindWindowExA(sheet, page, "#32770", nullptr)) != nullptr) {
        if (GetDlgItem(page, id))
            return page;
    }
    return nullptr;
}

class RemoteTree {
public:
    explicit RemoteTree(HWND tree) : tree(tree)
    {
        DWORD pid = 0;
        GetWindowThreadProcessId(tree, &pid);
        process = OpenProcess(PROCESS_VM_OPERATION | PROCESS_VM_READ | PROCESS_VM_WRITE, FALSE, pid);
        memory = static_cast<char*>(
            VirtualAllocEx(process, nullptr, sizeof(TVITEMA) + kText, MEM_COMMIT, PAGE_READWRITE));
    }
    ~RemoteTree()
    {
        VirtualFreeEx(process, memory, 0, MEM_RELEASE);
        CloseHandle(process);
    }
    RemoteTree(const RemoteTree&) = delete;
    RemoteTree& operator=(const RemoteTree&) = delete;

    std::string Item(HTREEITEM item, int* image, int* selectedImage = nullptr)
    {
        TVITEMA data = {};
        data.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE;
        data.hItem = item;
        data.pszText = memory + sizeof(TVITEMA);
        data.cchTextMax = kText;
        WriteProcessMemory(process, memory, &data, sizeof data, nullptr);
        SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(memory));
        ReadProcessMemory(process, memory, &data, sizeof data, nullptr);
        char text[kText] = {};
        ReadProcessMemory(process, memory + sizeof(TVITEMA), text, kText - 1, nullptr);
        *image = data.iImage;
        if (selectedImage)
            *selectedImage = data.iSelectedImage;
        return text;
    }

    HTREEITEM Next(HTREEITEM item, UINT how)
    {
        return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
    }

    // One line per item, "<indent><text> [image]" (with the selected image
    // after a '/' when asked), siblings sorted: the file system's listing
    // order is not the test's concern.
    std::string Outline(HTREEITEM item, int depth, const std::string& root, const std::string& rootName,
                        bool selectedImages = false)
    {
        std::vector<std::string> lines;
        for (; item; item = Next(item, TVGN_NEXT)) {
            int image = 0;
            int selected = 0;
            std::string text = Item(item, &image, &selected);
            if (text == root)
                text = rootName;
            std::string images = std::to_string(image);
            if (selectedImages)
                images += "/" + std::to_string(selected);
            lines.push_back(std::string(depth * 2, ' ') + text + " [" + images + "]\n" +
                            Outline(Next(item, TVGN_CHILD), depth + 1, root, rootName, selectedImages));
        }
        std::sort(lines.begin(), lines.end());
        std::string all;
        for (const auto& line : lines)
            all += line;
        return all;
    }

    // The item of a path of texts below the root (the root for none).
    HTREEITEM Find(const std::vector<std::string>& texts)
    {
        HTREEITEM item = Next(nullptr, TVGN_ROOT);
        for (const std::string& want : texts) {
            item = Next(item, TVGN_CHILD);
            int image = 0;
            while (item && Item(item, &image) != want)
                item = Next(item, TVGN_NEXT);
        }
        return item;
    }

    // The item's label rectangle in the tree's client area.
    bool LabelRect(HTREEITEM item, RECT& rect)
    {
        RECT in = {};
        std::memcpy(&in, &item, sizeof item);
        return WriteProcessMemory(process, memory, &in, sizeof in, nullptr) &&
               SendMessageA(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(memory)) &&
               ReadProcessMemory(process, memory, &rect, sizeof rect, nullptr);
    }

private:
    static constexpr int kText = 512;
    HWND tree;
    HANDLE process = nullptr;
    char* memory = nullptr;
};

// Polls a condition for up to timeoutMs (the tests' WaitFor, for this header
// alone).
template <class Condition>
bool PollFor(Condition condition, DWORD timeoutMs)
{
    for (const DWORD start = GetTickCount(); !condition(); Sleep(50)) {
        if (GetTickCount() - start > timeoutMs)
            return false;
    }
    return true;
}

// A right click on the label of the tree's item and the menu's command at
// the place (0: the first) chosen with the keyboard, as a user would; the
// real pointer is moved onto the item, as the page tests where it was.
inline bool ChooseFromItemMenu(HWND sheet, HWND tree, HTREEITEM item, int place)
{
    if (!item)
        return false;
    RemoteTree remote(tree);
    SendMessageA(tree, TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
    SendMessageA(tree, TVM_ENSUREVISIBLE, 0, reinterpret_cast<LPARAM>(item));
    RECT label;
    if (!remote.LabelRect(item, label))
        return false;
    POINT point = {(label.left + label.right) / 2, (label.top + label.bottom) / 2};
    POINT screen = point;
    ClientToScreen(tree, &screen);
    SetForegroundWindow(sheet);
    SetCursorPos(screen.x, screen.y);
    PostMessageA(tree, WM_RBUTTONDOWN, MK_RBUTTON, MAKELPARAM(point.x, point.y));
    PostMessageA(tree, WM_RBUTTONUP, 0, MAKELPARAM(point.x, point.y));
    HWND menu = nullptr;
    if (!PollFor([&] { return (menu = FindWindowA("#32768", nullptr)) != nullptr && IsWindowVisible(menu); }, 20000))
        return false;
    for (int i = 0; i <= place; ++i)
        PostMessageA(menu, WM_KEYDOWN, VK_DOWN, 0);
    PostMessageA(menu, WM_KEYDOWN, VK_RETURN, 0);
    return PollFor([&] { return !IsWindow(menu) || !IsWindowVisible(menu); }, 20000);
}

