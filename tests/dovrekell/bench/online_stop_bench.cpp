// Benchmark, not a test: how long a stop of the online thread takes while
// it fills the Online tree from a list of many items, next to the half
// second a closing window may spend on it.
//   online_stop_bench [items] [rounds]     (3000 items, 7 rounds)
#include <winsock2.h>
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "online_download.h"
#include "online_tree.h"
#include "support/loopback_http_server.h"
#include "tree_view.h"

namespace {

constexpr double kGoalSeconds = 0.5;

double Seconds(const LARGE_INTEGER& from, const LARGE_INTEGER& to)
{
    LARGE_INTEGER frequency;
    QueryPerformanceFrequency(&frequency);
    return static_cast<double>(to.QuadPart - from.QuadPart) / static_cast<double>(frequency.QuadPart);
}

void Pump()
{
    MSG message;
    while (PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

}  // namespace

int main(int argc, char** argv)
{
    const int items = argc > 1 ? std::atoi(argv[1]) : 3000;
    const int rounds = argc > 2 ? std::atoi(argv[2]) : 7;
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TREEVIEW_CLASSES};
    InitCommonControlsEx(&controls);
    HWND tree = CreateWindowExA(0, WC_TREEVIEWA, "", WS_OVERLAPPEDWINDOW | WS_VISIBLE | TVS_HASBUTTONS, 0, 0, 300,
                                600, nullptr, nullptr, GetModuleHandleA(nullptr), nullptr);
    const HTREEITEM root = TreeView(tree).Insert(nullptr, "Online", 2, 3);

    std::string list;
    for (int i = items; i > 0; --i)
        list += std::to_string(i) + "-http://h/" + std::to_string(i) + "?F" + std::to_string(i % 7) + "/L" +
                std::to_string(i) + "\n";
    LoopbackServer server({{"/software/dovrekell/online/onlinefile/onlineitem.txt", {200, list}}});
    char module[MAX_PATH];
    GetModuleFileNameA(nullptr, module, sizeof module);
    std::string folder(module);
    folder.resize(folder.rfind('\\'));
    CreateDirectoryA((folder + "\\html").c_str(), nullptr);

    std::printf("online stop during the fill of %d items, %d rounds\n", items, rounds);
    std::vector<double> stops;
    int unfinished = 0;
    for (int round = 0; round < rounds; ++round) {
        OnlineDownload download;
        download.Start({server.Host(), folder, tree, root});
        while (!TreeView(tree).Child(root) && download.IsRunning()) {
            Pump();
            Sleep(1);
        }
        LARGE_INTEGER from, to;
        QueryPerformanceCounter(&from);
        const bool ended = download.Stop(60000);
        QueryPerformanceCounter(&to);
        if (!ended)
            ++unfinished;
        stops.push_back(Seconds(from, to));
        OnlineTree(tree).DeleteBelow(root);
    }
    std::sort(stops.begin(), stops.end());
    const double median = stops[stops.size() / 2];
    std::printf("stop: best %.4f s, median %.4f s, worst %.4f s; goal %.1f s; worst/goal %.2f%s\n", stops.front(),
                median, stops.back(), kGoalSeconds, stops.back() / kGoalSeconds,
                unfinished ? " (a stop did not end the thread)" : "");
    DestroyWindow(tree);
    return unfinished || stops.back() > kGoalSeconds ? 1 : 0;
}
