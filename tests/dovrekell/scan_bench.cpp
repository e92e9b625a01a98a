// Benchmark, not a test: the panel's Contents scan of a documentation tree of
// about 20,000 files (tree control and index list filled by the worker)
// against a bare walk of the same tree, and against the scan's own walks
// with the tree left out. Prints the times and the ratios.
#include <windows.h>
#include <commctrl.h>

#include <cstdio>
#include <string>

#include "app.h"
#include "docs_scan.h"
#include "fake_browser.h"
#include "frame.h"
#include "help_settings.h"
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
        if (entry.directory && !entry.link)
            count += WalkAll(walk, folder + "\\" + entry.name.Data());
    }
    return count;
}

// The scan's walks with nothing kept.
class DiscardingContents : public ContentsBuilder {
public:
    ContentsItem Child(ContentsItem) const override { return nullptr; }
    ContentsItem Next(ContentsItem) const override { return nullptr; }
    ContentsItem Parent(ContentsItem) const override { return nullptr; }
    XString Text(ContentsItem) const override { return XString(); }
    int Image(ContentsItem) const override { return 0; }
    ContentsItem Insert(ContentsItem, const char*, int) override { return this; }
    void Delete(ContentsItem) override {}
    void AddIndexEntry(const char*, const char*) override {}
};

double Seconds(LARGE_INTEGER start, LARGE_INTEGER end, LARGE_INTEGER frequency)
{
    return static_cast<double>(end.QuadPart - start.QuadPart) / static_cast<double>(frequency.QuadPart);
}

}  // namespace

int main()
{
    INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_WIN95_CLASSES | ICC_BAR_CLASSES | ICC_COOL_CLASSES};
    InitCommonControlsEx(&controls);
    char temp[MAX_PATH] = {};
    GetTempPathA(MAX_PATH, temp);
    const std::string docs = BuildTree(std::string(temp) + "dovrekell-scan-bench");
    LARGE_INTEGER frequency, start, end;
    QueryPerformanceFrequency(&frequency);

    Win32FolderWalk walk;
    QueryPerformanceCounter(&start);
    const int entries = WalkAll(walk, docs);
    QueryPerformanceCounter(&end);
    const double bare = Seconds(start, end, frequency);

    ExtensionGroups groups;
    groups.AddFixedGroups();
    groups.SetDocsFolder(docs.c_str());
    DiscardingContents discard;
    const long keepRunning = 1;
    QueryPerformanceCounter(&start);
    BuildContents(groups, walk, discard, keepRunning);
    QueryPerformanceCounter(&end);
    const double walks = Seconds(start, end, frequency);

    HelpSettings settings;
    const std::string settingsFolder = HelpSettings::GetPath().Data();
    CreateDirectoryA(settingsFolder.substr(0, settingsFolder.rfind('\\')).c_str(), nullptr);
    if (!settings.OpenAndInit())
        return 1;
    StringList folders;
    folders.Add(docs.c_str());
    settings.SetList(HelpSettings::kDocsFolders, folders);
    settings.Close();
    ZDoc document;
    FakeBrowser browser;
    ZFrm frame(document, browser);
    if (!frame.Create())
        return 1;
    QueryPerformanceCounter(&start);
    frame.Panel().InitialUpdate();
    MSG msg;
    while (frame.Panel().busy && GetMessageA(&msg, nullptr, 0, 0) > 0) {
        TranslateMessage(&msg);
        DispatchMessageA(&msg);
    }
    QueryPerformanceCounter(&end);
    const double scan = Seconds(start, end, frequency);
    const int index = static_cast<int>(SendDlgItemMessageA(frame.Panel().Handle(), 1010, LB_GETCOUNT, 0, 0));
    DestroyWindow(frame.Handle());

    std::printf("entries walked        %d (index entries %d)\n", entries, index);
    std::printf("bare walk             %.3f s\n", bare);
    std::printf("scan walks, no tree   %.3f s  (%.1f x bare walk)\n", walks, walks / bare);
    std::printf("panel scan with tree  %.3f s  (%.1f x bare walk, %.1f x scan walks)\n", scan, scan / bare,
                scan / walks);
    return 0;
}
