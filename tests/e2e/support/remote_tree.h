#pragma once

#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <string>
#include <vector>

// Tree items of another process: their texts and images through memory of
// that process.
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

    std::string Item(HTREEITEM item, int* image)
    {
        TVITEMA data = {};
        data.mask = TVIF_TEXT | TVIF_IMAGE;
        data.hItem = item;
        data.pszText = memory + sizeof(TVITEMA);
        data.cchTextMax = kText;
        WriteProcessMemory(process, memory, &data, sizeof data, nullptr);
        SendMessageA(tree, TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(memory));
        ReadProcessMemory(process, memory, &data, sizeof data, nullptr);
        char text[kText] = {};
        ReadProcessMemory(process, memory + sizeof(TVITEMA), text, kText - 1, nullptr);
        *image = data.iImage;
        return text;
    }

    HTREEITEM Next(HTREEITEM item, UINT how)
    {
        return reinterpret_cast<HTREEITEM>(SendMessageA(tree, TVM_GETNEXTITEM, how, reinterpret_cast<LPARAM>(item)));
    }

    // One line per item, "<indent><text> [image]", siblings sorted: the
    // file system's listing order is not the test's concern.
    std::string Outline(HTREEITEM item, int depth, const std::string& root, const std::string& rootName)
    {
        std::vector<std::string> lines;
        for (; item; item = Next(item, TVGN_NEXT)) {
            int image = 0;
            std::string text = Item(item, &image);
            if (text == root)
                text = rootName;
            lines.push_back(std::string(depth * 2, ' ') + text + " [" + std::to_string(image) + "]\n" +
                            Outline(Next(item, TVGN_CHILD), depth + 1, root, rootName));
        }
        std::sort(lines.begin(), lines.end());
        std::string all;
        for (const auto& line : lines)
            all += line;
        return all;
    }

    // The item of a path of texts below the root.
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

private:
    static constexpr int kText = 512;
    HWND tree;
    HANDLE process = nullptr;
    char* memory = nullptr;
};
