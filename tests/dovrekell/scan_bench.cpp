// Benchmark, not a test: the panel's Contents scan (worker walk, tree control
// and index list filled) against a bare walk of the same tree, and against
// the scan's own walk with nothing kept; over a tree of about 20,000 files
// and over a folder shaped like a JDK's API bundle. Prints the times, the
// ratios, and a digest of each tree built (the same digest before and after
// a change of the scan means the same tree, order included).
//   dovrekell_scan_bench [dump-folder]   also writes each tree and index there
#include <windows.h>
#include <commctrl.h>

#include <algorithm>
#include <cstdint>
#include <cstdio>
#include <fstream>
#include <string>

#include "app.h"
#include "chosen_docs_folder.h"
#include "contents_memory.h"
#include "docs_scan.h"
#include "fake_browser.h"
#include "frame.h"
#include "help_settings.h"
#include "jdk_like_docs.h"
#include "support/bench/stopwatch.h"
#include "win32_folder_walk.h"

namespace {

constexpr int kFolders = 200;
constexpr int kFilesPerFolder = 100;

void Write(const std::string& path)
{
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    if (file != INVALID_HANDLE_VALUE)
        CloseHandle(file);
}

// Javadoc-like: pages, a few sources and pictures in every folder.
std::string BuildTree(const std::string& base)
{
    const std::string docs = base + "\\docs";
    CreateDirectoryA(base.c_str(), nullptr);
    CreateDirectoryA(docs.c_str(), nullptr);
    CreateDirectoryA((docs + "\\api").c_str(), nullptr);
    CreateDirectoryA((docs + "\\specs").c_str(), nullptr);
    Write(docs + "\\index.html");
    for (int f = 0; f < kFolders; ++f) {
        const std::string folder = docs + "\\api\\package" + std::to_string(f);
        CreateDirectoryA(folder.c_str(), nullptr);
        for (int i = 0; i < kFilesPerFolder; ++i) {
            const char* extension = i % 10 == 0 ? ".gif" : (i % 10 == 1 ? ".java" : ".html");
            Write(folder + "\\Class" + std::to_string(i) + extension);
        }
    }
    return docs;
}

int WalkAll(Win32FolderWalk& walk, const std::string& folder)
{
    std::vector<FolderEntry> entries;
    if (!walk.List(folder.c_str(), entries))
        return 0;
    int count = 0;
    for (const FolderEntry& entry : entries) {
        ++count;
        if (entry.directory)
            count += WalkAll(walk, folder + "\\" + entry.name.Data());
    }
    return count;
}

// The scan's walk with nothing kept.
class DiscardingContents : public ContentsBuilder {
public:
    ContentsItem Child(ContentsItem) const override { return nullptr; }
    ContentsItem Next(ContentsItem) const override { return nullptr; }
    ContentsItem Parent(ContentsItem) const override { return nullptr; }
    XString Text(ContentsItem) const override { return XString(); }
    int Image(ContentsItem) const override { return 0; }
    ContentsItem Insert(ContentsItem, const char*, int) override { return this; }
    void AddIndexEntry(const char*, const char*) override {}
};

void PrepareGroups(ExtensionGroups& groups, ContentsBuilder& builder, const std::string& docs,
                   const char* userGroup = nullptr)
{
    groups.AddFixedGroups();
    if (userGroup)
        groups.AddUserGroup(userGroup);
    for (auto* list : {&groups.FixedGroups(), &groups.UserGroups()}) {
        for (ExtensionGroup& group : *list)
            group.root = builder.Insert(nullptr, group.label.Data(), ContentsBuilder::kRootImage);
    }
    groups.SetCatchAllRoot(builder.Insert(nullptr, groups.CatchAllLabel().Data(), ContentsBuilder::kRootImage));
    groups.SetDocsFolder(docs.c_str());
}

// The tree's lines (text and image, two blanks a level), then the index's.
std::string DumpTree(const ContentsMemory& tree)
{
    std::string dump;
    struct Walker {
        std::string& dump;
        void Visit(const ContentsMemory::Node& node, int depth)
        {
            dump += std::string(2 * depth, ' ') + node.text.Data() + " [" + std::to_string(node.image) + "]\n";
            for (const auto& child : node.children)
                Visit(*child, depth + 1);
        }
    } walker{dump};
    for (const auto& root : tree.Roots())
        walker.Visit(*root, 0);
    for (const auto& entry : tree.Index())
        dump += std::string("index ") + entry.first.Data() + " " + entry.second.Data() + "\n";
    return dump;
}

uint64_t Digest(const std::string& text)
{
    uint64_t hash = 14695981039346656037ull;
    for (unsigned char c : text) {
        hash ^= c;
        hash *= 1099511628211ull;
    }
    return hash;
}

// The best of three runs: the machine's other work only ever adds time.
template <class Action>
double Best(Action action)
{
    double best = Time(action);
    for (int run = 1; run < 3; ++run)
        best = std::min(best, Time(action));
    return best;
}

void Measure(const char* label, const std::string& docs, const std::string& dumpFile)
{
    Win32FolderWalk walk;
    int entries = 0;
    const double bare = Best([&] { entries = WalkAll(walk, docs); });

    ExtensionGroups plain;
    DiscardingContents discard;
    PrepareGroups(plain, discard, docs);
    const long keepRunning = 1;
    const double walks = Best([&] { BuildContents(plain, walk, discard, keepRunning); });

    ContentsMemory tree;
    ExtensionGroups groups;
    PrepareGroups(groups, tree, docs, "txt;md");
    BuildContents(groups, walk, tree, keepRunning);
    const std::string dump = DumpTree(tree);
    if (!dumpFile.empty())
        std::ofstream(dumpFile, std::ios::binary) << dump;

    if (!ChooseDocsFolder(docs.c_str()))
        return;
    int index = 0;
    // A frame as the program starts it, each run; the scan is timed from
    // its start until the tree and the index are in their controls, and the
    // frame's making and closing beside it.
    double bestScan = 1e9;
    const double whole = Best([&] {
        ZDoc document;
        FakeBrowser browser;
        ZFrm frame(document, browser);
        if (!frame.Create())
            return;
        LARGE_INTEGER started;
        QueryPerformanceCounter(&started);
        frame.Panel().InitialUpdate();
        MSG msg;
        while (frame.Panel().busy && GetMessageA(&msg, nullptr, 0, 0) > 0) {
            TranslateMessage(&msg);
            DispatchMessageA(&msg);
        }
        LARGE_INTEGER shown;
        QueryPerformanceCounter(&shown);
        bestScan = std::min(bestScan, Seconds(started, shown));
        index = static_cast<int>(SendDlgItemMessageA(frame.Panel().Handle(), 1010, LB_GETCOUNT, 0, 0));
        DestroyWindow(frame.Handle());
        // The frame's end asks the loop to quit; the next frame has a loop of its own.
        while (PeekMessageA(&msg, nullptr, WM_QUIT, WM_QUIT, PM_REMOVE))
            ;
    });

    std::printf("%s (best of 3 runs each)\n", label);
    std::printf("  entries walked        %d (tree items %d, index entries %d, tree digest %016llx)\n", entries,
                tree.Inserted(), index, static_cast<unsigned long long>(Digest(dump)));
    std::printf("  bare walk             %.3f s\n", bare);
    std::printf("  scan walk, no tree    %.3f s  (%.2f x bare walk)\n", walks, walks / bare);
    std::printf("  panel scan with tree  %.3f s  (%.2f x bare walk, goal at most 2 x)\n", bestScan, bestScan / bare);
    std::printf("  with the frame made and closed around it  %.3f s  (%.2f x bare walk)\n", whole, whole / bare);
}

}  // namespace

int main(int argc, char** argv)
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_COOL_CLASSES};
    InitCommonControlsEx(&controls);
    const std::string dumpFolder = argc > 1 ? argv[1] : "";
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string plain = BuildTree(std::string(temp) + "dovrekell-scan-bench");
    Measure("tree of 20,000 files", plain, dumpFolder.empty() ? "" : dumpFolder + "\\plain_tree.txt");
    const std::string jdk = jdk_like_docs::Build(std::string(temp) + "dovrekell-jdk-like-docs");
    Measure("folder shaped like a JDK API bundle (10,289 files, 630 folders)", jdk,
            dumpFolder.empty() ? "" : dumpFolder + "\\jdk_tree.txt");
    return 0;
}
