// Hosts the library as Explorer does: registered from a copy inside a
// temporary installation tree, created through COM, initialised with a
// CF_HDROP selection, asked for its menu and told to run a verb. The
// installation's Quenlow.exe is a recorder that logs its command line.
#include <gtest/gtest.h>

#include <windows.h>
#include <shlobj.h>

#include <string>
#include <vector>

#include "drop_data_object.h"
#include "pivrellon_ids.h"
#include "quenlow_menu.h"
#include "seams.h"
#include "support/test_files.h"

namespace {

using HresultFunction = HRESULT(STDAPICALLTYPE*)();

void MakeFile(const std::string& path)
{
    ASSERT_TRUE(WriteFileBytes(path, "x")) << path;
}

// The temporary installation: <root>\bin\Pivrellon.dll, <root>\Quenlow.exe,
// <root>\Setting\Quenlow.set, and a folder of files to select.
struct Installation {
    std::string root;
    std::string dll;
    std::string program;
    std::string settings;
    std::string log;
    std::string sel;  // the selection folder, with a trailing backslash
    std::vector<std::string> bigFiles;
    HMODULE library = nullptr;
};

Installation install;

// Names long enough that 150 of them outgrow one command line.
const std::vector<std::string>& BigFiles()
{
    if (install.bigFiles.empty()) {
        const std::string big = WindowsPath(ScratchPath("big")) + "\\";
        CreateDirectoryA(big.c_str(), nullptr);
        for (int i = 0; i < 150; ++i) {
            std::string name = big + std::string(240 - big.size(), 'n') + std::to_string(1000 + i) + ".class";
            MakeFile(name);
            install.bigFiles.push_back(name);
        }
    }
    return install.bigFiles;
}

HRESULT CallExport(const char* name)
{
    auto function = reinterpret_cast<HresultFunction>(reinterpret_cast<void*>(GetProcAddress(install.library, name)));
    return function ? function() : E_NOTIMPL;
}

enum class Layout { Expanded, Collapsed, CollapsedInUse, NoSettingsFile };

// Writes the settings file for a layout and returns a handle that holds it
// open the way the file may be found: as a read-only file behaves (no one
// may write), or as the running main program holds it (read and write,
// sharing both). The menu must read it either way.
HANDLE UseLayout(Layout layout)
{
    SetFileAttributesA(install.settings.c_str(), FILE_ATTRIBUTE_NORMAL);
    DeleteFileA(install.settings.c_str());
    if (layout == Layout::NoSettingsFile)
        return INVALID_HANDLE_VALUE;
    const std::string value = layout == Layout::Expanded ? "1" : "0";
    const bool readOnly = layout == Layout::Collapsed;
    WriteFileBytes(install.settings, "{SECT_MAIN}\r\n<KEY>\r\n[KEY_PROGRAMINIT]1\r\n[KEY_MENUEXPAND]" + value +
                                         "\r\n<LIST>\r\n{SECT_OTHER}\r\n<KEY>\r\n[KEY_MENUEXPAND]1\r\n<LIST>\r\n");
    if (layout == Layout::Expanded)
        return INVALID_HANDLE_VALUE;
    if (readOnly) {
        SetFileAttributesA(install.settings.c_str(), FILE_ATTRIBUTE_READONLY);
        return CreateFileA(install.settings.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0,
                           nullptr);
    }
    return CreateFileA(install.settings.c_str(), GENERIC_READ | GENERIC_WRITE, FILE_SHARE_READ | FILE_SHARE_WRITE,
                       nullptr, OPEN_EXISTING, 0, nullptr);
}

void ReleaseLayout(HANDLE held)
{
    if (held != INVALID_HANDLE_VALUE)
        CloseHandle(held);
}

class MenuHost : public ::testing::Test {
protected:
    static void SetUpTestSuite()
    {
        CoInitialize(nullptr);
        install.root = WindowsPath(ScratchPath("Quenlow Home"));
        CreateDirectoryA(install.root.c_str(), nullptr);
        CreateDirectoryA((install.root + "\\bin").c_str(), nullptr);
        CreateDirectoryA((install.root + "\\Setting").c_str(), nullptr);
        install.dll = install.root + "\\bin\\Pivrellon.dll";
        install.program = install.root + "\\Quenlow.exe";
        install.settings = install.root + "\\Setting\\Quenlow.set";
        install.log = install.root + "\\commandline.log";
        CopyFileA(WindowsPath(PIVRELLON_DLL).c_str(), install.dll.c_str(), FALSE);
        CopyFileA(WindowsPath(RECORDER_EXE).c_str(), install.program.c_str(), FALSE);

        install.sel = WindowsPath(ScratchPath("selection")) + "\\";
        CreateDirectoryA(install.sel.c_str(), nullptr);
        CreateDirectoryA((install.sel + "src").c_str(), nullptr);
        for (const char* name : {"My Class.class", "Upper.CLASS", "lib.JAR", "Second.class", "Main.java"})
            MakeFile(install.sel + name);

        install.library = LoadLibraryA(install.dll.c_str());
    }

    static void TearDownTestSuite()
    {
        if (install.library)
            CallExport("DllUnregisterServer");
        CoUninitialize();
        if (install.library)
            FreeLibrary(install.library);
    }

    void SetUp() override
    {
        ASSERT_NE(install.library, nullptr);
        ASSERT_EQ(CallExport("DllRegisterServer"), S_OK);
    }
};

// Created as Explorer creates it and initialised with the selection.
IContextMenu* CreateMenu(const std::vector<std::string>& paths, HRESULT* initialized)
{
    IShellExtInit* init = nullptr;
    if (FAILED(CoCreateInstance(CLSID_QuenlowMenu, nullptr, CLSCTX_INPROC_SERVER, IID_IShellExtInit,
                                reinterpret_cast<void**>(&init))))
        return nullptr;
    DropDataObject* data = new DropDataObject(paths);
    *initialized = init->Initialize(nullptr, data, nullptr);
    data->Release();
    IContextMenu* menu = nullptr;
    init->QueryInterface(IID_IContextMenu, reinterpret_cast<void**>(&menu));
    init->Release();
    return menu;
}

// One item per entry: "-" a separator; "~" grayed; "#id"; "*" a check-mark
// bitmap; a submenu's items in brackets.
std::string DumpMenu(HMENU menu)
{
    std::string out;
    const int count = GetMenuItemCount(menu);
    for (int i = 0; i < count; ++i) {
        char text[128] = {};
        MENUITEMINFOA item = {};
        item.cbSize = sizeof item;
        item.fMask = MIIM_FTYPE | MIIM_STATE | MIIM_ID | MIIM_SUBMENU | MIIM_CHECKMARKS | MIIM_STRING;
        item.dwTypeData = text;
        item.cch = sizeof text;
        GetMenuItemInfoA(menu, static_cast<UINT>(i), TRUE, &item);
        if (i > 0)
            out += '|';
        if (item.fType & MFT_SEPARATOR) {
            out += '-';
            continue;
        }
        if (item.fState & MFS_GRAYED)
            out += '~';
        out += text;
        out += '#' + std::to_string(item.wID);
        if (item.hbmpChecked)
            out += '*';
        if (item.hSubMenu)
            out += '[' + DumpMenu(item.hSubMenu) + ']';
    }
    return out;
}

// The host's own menu the items go into: between "Open" and "Properties".
const char kHostOnly[] = "Open#1|Properties#2";

std::string Item(const char* enabled, int verb)
{
    static const char* const texts[] = {
        "View class code and hierarchy#100", "Execute the class as if double-clicking#101",
        "View the compressed file#102", "Compile ...#103*", "Execute and debug ...#104*",
    };
    return (enabled[verb] == '1' ? "" : "~") + std::string(texts[verb]);
}

std::string ExpectedMenu(Layout layout, const char* enabled)
{
    if (layout == Layout::Collapsed) {
        return "Open#1|Quenlow#0*[" + Item(enabled, 0) + "|" + Item(enabled, 1) + "|" + Item(enabled, 2) + "|-|" +
               Item(enabled, 3) + "|" + Item(enabled, 4) + "]|Properties#2";
    }
    return "Open#1|-|" + Item(enabled, 0) + "|" + Item(enabled, 1) + "|" + Item(enabled, 2) +
           "|Compile, execute and debug#0*[" + Item(enabled, 3) + "|" + Item(enabled, 4) + "]|-|Properties#2";
}

TEST_F(MenuHost, SelectionAndLayoutGiveTheItems)
{
    const struct {
        const char* name;
        std::vector<std::string> files;
        const char* enabled;  // the five verbs; null: no menu at all
    } selections[] = {
        {"one .class", {"My Class.class"}, "11001"},
        {"one .CLASS", {"Upper.CLASS"}, nullptr},
        {"a .jar", {"lib.JAR"}, "00100"},
        {"two classes", {"My Class.class", "Second.class"}, "00001"},
        {"a folder", {"src"}, "00011"},
        {"a folder and files", {"src", "Main.java", "Second.class"}, "00011"},
        {"a missing path", {"My Class.class", "gone.class"}, nullptr},
    };
    const struct {
        const char* name;
        Layout layout;
    } layouts[] = {
        {"KEY_MENUEXPAND 1", Layout::Expanded},
        {"KEY_MENUEXPAND 0, read-only file", Layout::Collapsed},
        {"KEY_MENUEXPAND 0, file in use by the main program", Layout::CollapsedInUse},
        {"no settings file", Layout::NoSettingsFile},
    };
    for (const auto& layout : layouts) {
        const HANDLE held = UseLayout(layout.layout);
        if (layout.layout == Layout::Collapsed || layout.layout == Layout::CollapsedInUse) {
            ASSERT_NE(held, INVALID_HANDLE_VALUE);
        }
        for (const auto& selection : selections) {
            SCOPED_TRACE(std::string(selection.name) + " / " + layout.name);
            std::vector<std::string> paths;
            for (const std::string& file : selection.files)
                paths.push_back(install.sel + file);
            HRESULT initialized = E_FAIL;
            IContextMenu* menu = CreateMenu(paths, &initialized);
            ASSERT_NE(menu, nullptr);
            EXPECT_EQ(initialized, S_OK);

            HMENU host = CreatePopupMenu();
            AppendMenuA(host, MF_STRING, 1, "Open");
            AppendMenuA(host, MF_STRING, 2, "Properties");
            const HRESULT added = menu->QueryContextMenu(host, 1, 100, 200, CMF_NORMAL);
            // The absent file gives the expanded layout.
            const Layout shown = layout.layout == Layout::Expanded || layout.layout == Layout::NoSettingsFile
                                     ? Layout::Expanded
                                     : Layout::Collapsed;
            EXPECT_EQ(added, selection.enabled ? MAKE_HRESULT(SEVERITY_SUCCESS, 0, 6) : S_OK);
            EXPECT_EQ(DumpMenu(host), selection.enabled ? ExpectedMenu(shown, selection.enabled) : kHostOnly);
            DestroyMenu(host);
            menu->Release();
        }
        ReleaseLayout(held);
    }
    UseLayout(Layout::NoSettingsFile);
}

// Waits up to 60 s for the recorder's log to hold this many starts.
std::vector<std::string> WaitForStarts(size_t wanted)
{
    std::vector<std::string> starts;
    for (int tries = 0; tries < 600; ++tries) {
        starts.clear();
        const std::string bytes = ReadFileBytes(install.log);
        size_t from = 0;
        for (size_t nul; (nul = bytes.find('\0', from)) != std::string::npos; from = nul + 1)
            starts.push_back(bytes.substr(from, nul - from));
        if (starts.size() >= wanted)
            break;
        Sleep(100);
    }
    return starts;
}

HRESULT Invoke(IContextMenu* menu, const char* verb)
{
    CMINVOKECOMMANDINFO info = {};
    info.cbSize = sizeof info;
    info.lpVerb = verb;
    info.lpDirectory = "C:\\";
    info.nShow = SW_SHOWNORMAL;
    return menu->InvokeCommand(&info);
}

TEST_F(MenuHost, EachVerbStartsQuenlowWithItsCommandLine)
{
    const std::string program = "\"" + install.program + "\"";
    std::string bigLine = program + " /execute-files 100\n";
    std::vector<std::string> hundred(BigFiles().begin(), BigFiles().begin() + 100);
    for (const std::string& path : hundred)
        bigLine += path + "\n";
    const struct {
        const char* name;
        std::vector<std::string> paths;
        int verb;
        std::string line;
    } cases[] = {
        {"class info", {install.sel + "My Class.class"}, 0,
         program + " /class-info \"" + install.sel + "My Class.class\""},
        {"double-click", {install.sel + "My Class.class"}, 1,
         program + " /double-click \"" + install.sel + "My Class.class\""},
        {"compressed file", {install.sel + "lib.JAR"}, 2, program + " /compress-file \"" + install.sel + "lib.JAR\""},
        {"compile", {install.sel + "src", install.sel + "Main.java", install.sel + "Second.class"}, 3,
         program + " /compile-files 3\n" + install.sel + "src\n" + install.sel + "Main.java\n" + install.sel +
             "Second.class\n"},
        {"execute and debug", {install.sel + "My Class.class", install.sel + "Second.class"}, 4,
         program + " /execute-files 2\n" + install.sel + "My Class.class\n" + install.sel + "Second.class\n"},
        {"a long selection", hundred, 4, bigLine},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        DeleteFileA(install.log.c_str());
        HRESULT initialized = E_FAIL;
        IContextMenu* menu = CreateMenu(c.paths, &initialized);
        ASSERT_NE(menu, nullptr);
        ASSERT_EQ(initialized, S_OK);
        // Verbs outside the five, by number or by name, start nothing.
        EXPECT_EQ(Invoke(menu, MAKEINTRESOURCEA(5)), E_FAIL);
        EXPECT_EQ(Invoke(menu, "open"), E_FAIL);
        EXPECT_EQ(Invoke(menu, MAKEINTRESOURCEA(c.verb)), S_OK);
        menu->Release();
        const std::vector<std::string> starts = WaitForStarts(1);
        ASSERT_EQ(starts.size(), 1u);
        EXPECT_EQ(starts[0], c.line);
    }
}

struct RecordedMessage {
    int count = 0;
    std::string text;
    std::string caption;
    UINT type = 0;
};
RecordedMessage recorded;

int RecordMessage(HWND, const char* text, const char* caption, UINT type)
{
    ++recorded.count;
    recorded.text = text;
    recorded.caption = caption;
    recorded.type = type;
    return IDOK;
}

// Hosted in this process, where the message box can be replaced.
TEST(MenuInProcess, TooLargeASelectionIsToldNotDropped)
{
    seams::ShowMessage = RecordMessage;
    IShellExtInit* init = nullptr;
    ASSERT_EQ(QuenlowMenu::Create(IID_IShellExtInit, reinterpret_cast<void**>(&init)), S_OK);
    DropDataObject* data = new DropDataObject(BigFiles());
    EXPECT_EQ(init->Initialize(nullptr, data, nullptr), S_OK);
    data->Release();
    IContextMenu* menu = nullptr;
    ASSERT_EQ(init->QueryInterface(IID_IContextMenu, reinterpret_cast<void**>(&menu)), S_OK);
    init->Release();
    EXPECT_EQ(Invoke(menu, MAKEINTRESOURCEA(4)), S_OK);
    menu->Release();
    seams::Restore();
    EXPECT_EQ(recorded.count, 1);
    EXPECT_NE(recorded.text.find("too large"), std::string::npos) << recorded.text;
    EXPECT_EQ(recorded.caption, "Message");
    EXPECT_EQ(recorded.type & MB_ICONERROR, static_cast<UINT>(MB_ICONERROR));
}

TEST_F(MenuHost, LibraryStaysWhileAnythingOfItLives)
{
    EXPECT_EQ(CallExport("DllCanUnloadNow"), S_OK);
    IContextMenu* menu = nullptr;
    ASSERT_EQ(CoCreateInstance(CLSID_QuenlowMenu, nullptr, CLSCTX_INPROC_SERVER, IID_IContextMenu,
                               reinterpret_cast<void**>(&menu)),
              S_OK);
    EXPECT_EQ(CallExport("DllCanUnloadNow"), S_FALSE);

    // The automation face answers from the embedded type library.
    IDispatch* dispatch = nullptr;
    ASSERT_EQ(menu->QueryInterface(IID_IDispatch, reinterpret_cast<void**>(&dispatch)), S_OK);
    UINT count = 0;
    EXPECT_EQ(dispatch->GetTypeInfoCount(&count), S_OK);
    EXPECT_EQ(count, 1u);
    ITypeInfo* info = nullptr;
    ASSERT_EQ(dispatch->GetTypeInfo(0, 0, &info), S_OK);
    TYPEATTR* attributes = nullptr;
    ASSERT_EQ(info->GetTypeAttr(&attributes), S_OK);
    EXPECT_TRUE(IsEqualGUID(attributes->guid, IID_IQuenlowMenu));
    info->ReleaseTypeAttr(attributes);
    info->Release();
    IUnknown* a = nullptr;
    IUnknown* b = nullptr;
    dispatch->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&a));
    menu->QueryInterface(IID_IUnknown, reinterpret_cast<void**>(&b));
    EXPECT_EQ(a, b);  // one identity over all its interfaces
    a->Release();
    b->Release();
    dispatch->Release();
    EXPECT_EQ(CallExport("DllCanUnloadNow"), S_FALSE);
    menu->Release();
    EXPECT_EQ(CallExport("DllCanUnloadNow"), S_OK);

    // A kept factory and a server lock hold the library as well.
    IClassFactory* factory = nullptr;
    ASSERT_EQ(CoGetClassObject(CLSID_QuenlowMenu, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                               reinterpret_cast<void**>(&factory)),
              S_OK);
    EXPECT_EQ(CallExport("DllCanUnloadNow"), S_FALSE);
    factory->LockServer(TRUE);
    factory->Release();
    EXPECT_EQ(CallExport("DllCanUnloadNow"), S_FALSE);
    ASSERT_EQ(CoGetClassObject(CLSID_QuenlowMenu, CLSCTX_INPROC_SERVER, nullptr, IID_IClassFactory,
                               reinterpret_cast<void**>(&factory)),
              S_OK);
    factory->LockServer(FALSE);
    factory->Release();
    EXPECT_EQ(CallExport("DllCanUnloadNow"), S_OK);
}

}  // namespace
