#pragma once

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

// Tree items of another process: their texts, images and places through
// memory of that process.
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

    std::string Text(HTREEITEM item)
    {
        int image = 0;
        return Item(item, &image);
    }

    HTREEITEM Next(HTREEITEM item, UINT how)
    {
        return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
    }

    // One line per item, "<indent><text> [image]" (with the selected image
    // after a '/' when asked), siblings sorted: the file system's listing
    // order is not the test's concern. An item whose text is root is shown
    // as rootName.
    std::string Outline(HTREEITEM item, int depth, const std::string& root = "", const std::string& rootName = "",
                        bool selectedImages = false)
    {
        std::vector<std::string> lines;
        for (; item; item = Next(item, TVGN_NEXT)) {
            int image = 0;
            int selected = 0;
            std::string text = Item(item, &image, &selected);
            if (!root.empty() && text == root)
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

    // The item of a path of texts below the first root.
    HTREEITEM Find(const std::vector<std::string>& texts) { return FindBelow(Next(nullptr, TVGN_ROOT), texts); }

    // The item of a path of texts whose first text names a root, then
    // children down from it.
    HTREEITEM FindFromRoots(const std::vector<std::string>& texts)
    {
        HTREEITEM item = Next(nullptr, TVGN_ROOT);
        while (item && Text(item) != texts.front())
            item = Next(item, TVGN_NEXT);
        return item ? FindBelow(item, std::vector<std::string>(texts.begin() + 1, texts.end())) : nullptr;
    }

    // The item's label rectangle in the tree's client area.
    bool LabelRect(HTREEITEM item, RECT& rect)
    {
        RECT in = {};
        static_assert(sizeof in >= sizeof item, "the item goes in the rectangle's place");
        CopyMemory(&in, &item, sizeof item);
        return WriteProcessMemory(process, memory, &in, sizeof in, nullptr) &&
               SendMessageA(tree, TVM_GETITEMRECT, TRUE, reinterpret_cast<LPARAM>(memory)) &&
               ReadProcessMemory(process, memory, &rect, sizeof rect, nullptr);
    }

private:
    HTREEITEM FindBelow(HTREEITEM item, const std::vector<std::string>& texts)
    {
        for (const std::string& want : texts) {
            item = Next(item, TVGN_CHILD);
            while (item && Text(item) != want)
                item = Next(item, TVGN_NEXT);
        }
        return item;
    }

    static constexpr int kText = 512;
    HWND tree;
    HANDLE process = nullptr;
    char* memory = nullptr;
};
