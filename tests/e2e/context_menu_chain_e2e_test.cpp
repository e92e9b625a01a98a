// From a right-click to the tool: the context-menu library, hosted through
// COM as Explorer hosts it, starts the real Quenlow.exe, which hands the
// selection to the real compile or execute-and-debug tool; the tool's Main
// page reports what arrived.
#include <windows.h>
#include <shlobj.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "drop_data_object.h"
#include "main_dialog_ids.h"
#include "option_dialogs_ids.h"
#include "pivrellon_ids.h"
#include "settings/settings_file.h"
#include "support/quenlow_tree/quenlow_tree.h"
#include "support/test_files.h"
#include "support/tool_report.h"

namespace {

using HresultFunction = HRESULT(STDAPICALLTYPE*)();

class ContextMenuChain : public ::testing::Test {
protected:
    void SetUp() override
    {
        CoInitialize(nullptr);
        root = WindowsPath(ScratchPath("Chain Install"));
        bin = root + "\\bin";
        CreateDirectoryA(root.c_str(), nullptr);
        CreateDirectoryA(bin.c_str(), nullptr);
        CreateDirectoryA((root + "\\Setting").c_str(), nullptr);
        ASSERT_TRUE(CopyFileA(WindowsPath(QUENLOW_EXE).c_str(), (root + "\\Quenlow.exe").c_str(), FALSE));
        ASSERT_TRUE(CopyFileA(WindowsPath(PIVRELLON_DLL).c_str(), (bin + "\\Pivrellon.dll").c_str(), FALSE));
        ASSERT_TRUE(CopyFileA(WindowsPath(QUENLOW_FARROWICK).c_str(), (bin + "\\Farrowick.exe").c_str(), FALSE));
        ASSERT_TRUE(CopyFileA(WindowsPath(QUENLOW_SKELBRAND).c_str(), (bin + "\\Skelbrand.exe").c_str(), FALSE));
        {
            SettingsFile settings;
            ASSERT_EQ(settings.OpenAndInit((root + "\\Setting\\Quenlow.set").c_str()), 1);
            settings.SetProgramInit(1);  // the association is not this test's business
        }
        selection = WindowsPath(ScratchPath("chain selection"));
        CreateDirectoryA(selection.c_str(), nullptr);
        ASSERT_TRUE(WriteFileBytes(selection + "\\Main.java", "class Main {}"));
        ASSERT_TRUE(WriteFileBytes(selection + "\\Main.class", "\xCA\xFE\xBA\xBE"));
        CreateDirectoryA((selection + "\\sub").c_str(), nullptr);
        library = LoadLibraryA((bin + "\\Pivrellon.dll").c_str());
        ASSERT_NE(library, nullptr);
        ASSERT_EQ(Call("DllRegisterServer"), S_OK);
        RemoveFile(bin + "\\commandline.log");
    }
    void TearDown() override
    {
        if (library) {
            Call("DllUnregisterServer");
            FreeLibrary(library);
        }
        CoUninitialize();
    }
    HRESULT Call(const char* name)
    {
        auto function = reinterpret_cast<HresultFunction>(reinterpret_cast<void*>(GetProcAddress(library, name)));
        return function ? function() : E_NOTIMPL;
    }
    // What a right-click on the paths shows: the top-level items' texts,
    // "" for a separator.
    std::vector<std::string> MenuShown(const std::vector<std::string>& paths)
    {
        std::vector<std::string> texts;
        IShellExtInit* init = nullptr;
        if (FAILED(CoCreateInstance(CLSID_QuenlowMenu, nullptr, CLSCTX_INPROC_SERVER, IID_IShellExtInit,
                                    reinterpret_cast<void**>(&init))))
            return texts;
        DropDataObject* data = new DropDataObject(paths);
        init->Initialize(nullptr, data, nullptr);
        data->Release();
        IContextMenu* menu = nullptr;
        init->QueryInterface(IID_IContextMenu, reinterpret_cast<void**>(&menu));
        init->Release();
        if (!menu)
            return texts;
        HMENU popup = CreatePopupMenu();
        menu->QueryContextMenu(popup, 0, 100, 200, CMF_NORMAL);
        for (int i = 0; i < GetMenuItemCount(popup); ++i) {
            char text[128] = {};
            GetMenuStringA(popup, static_cast<UINT>(i), text, sizeof text, MF_BYPOSITION);
            texts.push_back(text);
        }
        menu->Release();
        DestroyMenu(popup);
        return texts;
    }

    // Right-click on the paths and choose the verb.
    HRESULT Choose(const std::vector<std::string>& paths, int verb)
    {
        IShellExtInit* init = nullptr;
        HRESULT result = CoCreateInstance(CLSID_QuenlowMenu, nullptr, CLSCTX_INPROC_SERVER, IID_IShellExtInit,
                                          reinterpret_cast<void**>(&init));
        if (FAILED(result))
            return result;
        DropDataObject* data = new DropDataObject(paths);
        result = init->Initialize(nullptr, data, nullptr);
        data->Release();
        IContextMenu* menu = nullptr;
        if (SUCCEEDED(result))
            result = init->QueryInterface(IID_IContextMenu, reinterpret_cast<void**>(&menu));
        init->Release();
        if (FAILED(result))
            return result;
        HMENU popup = CreatePopupMenu();
        menu->QueryContextMenu(popup, 0, 100, 200, CMF_NORMAL);
        CMINVOKECOMMANDINFO info = {};
        info.cbSize = sizeof info;
        info.lpVerb = MAKEINTRESOURCEA(verb);
        info.nShow = SW_SHOWNORMAL;
        result = menu->InvokeCommand(&info);
        menu->Release();
        DestroyMenu(popup);
        return result;
    }
    // The tool's sheet with the caption.
    static HWND WaitForSheet(const char* caption)
    {
        for (int i = 0; i < 600; ++i) {
            if (HWND sheet = FindWindowA(nullptr, caption))
                return sheet;
            Sleep(100);
        }
        return nullptr;
    }
    std::string Report(HWND sheet) const { return ToolReport(sheet, selection); }
    static bool Close(HWND sheet)
    {
        PostMessageA(sheet, WM_SYSCOMMAND, SC_CLOSE, 0);
        for (int i = 0; i < 600 && IsWindow(sheet); ++i)
            Sleep(100);
        return !IsWindow(sheet);
    }

    std::string root, bin, selection;
    HMODULE library = nullptr;
};

TEST_F(ContextMenuChain, CompileAndExecuteOpenTheToolsWithTheSelectionReported)
{
    // Defaults: no class-path list is used for these two; no archive detection.
    const struct {
        const char* name;
        std::vector<std::string> paths;
        int verb;
        const char* caption;
        const char* golden;
    } cases[] = {
        {"compile a folder", {selection}, 3, "Quenlow: compile ...", "chain_compile_folder.txt"},
        {"execute and debug a class file", {selection + "\\Main.class"}, 4, "Quenlow: execute and debug",
         "chain_execute_class.txt"},
        {"execute and debug several", {selection + "\\sub", selection + "\\Main.class", selection + "\\Main.java"}, 4,
         "Quenlow: execute and debug", "chain_execute_several.txt"},
        {"compile several", {selection + "\\sub", selection + "\\Main.class", selection + "\\Main.java"}, 3,
         "Quenlow: compile ...", "chain_compile_several.txt"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.name);
        ASSERT_EQ(Choose(c.paths, c.verb), S_OK);
        HWND sheet = WaitForSheet(c.caption);
        ASSERT_NE(sheet, nullptr);
        EXPECT_EQ(Report(sheet), ReadFileBytes(TestDataPath(std::string("e2e/golden/tools/") + c.golden)));
        EXPECT_TRUE(Close(sheet));
    }
}

TEST_F(ContextMenuChain, TheContextMenuStyleChosenInQuenlowShapesTheMenu)
{
    const std::vector<std::string> paths = {selection + "\\Main.java"};
    const size_t expanded = MenuShown(paths).size();
    EXPECT_GT(expanded, 1u) << "expanded: the verbs stand in the menu itself";
    Program quenlow("\"" + root + "\\Quenlow.exe\"");
    const HWND main = quenlow.WaitForDialog("Quenlow 3.201");
    ASSERT_NE(main, nullptr);
    PostMessageA(main, WM_COMMAND, ID_MENU_STYLE_OPTIONS, 0);
    const HWND style = quenlow.WaitForDialog("Context menu style");
    ASSERT_NE(style, nullptr);
    PostMessageA(GetDlgItem(style, IDC_MENU_COLLAPSED), BM_CLICK, 0, 0);
    PostMessageA(GetDlgItem(style, IDC_MENU_STYLE_APPLY), BM_CLICK, 0, 0);
    EXPECT_TRUE(WaitFor([&] { return !IsWindow(style); }, 60000));
    PostMessageA(main, WM_COMMAND, IDCANCEL, 0);
    EXPECT_TRUE(quenlow.Ended(60000));
    // Collapsed: one submenu holds them all.
    EXPECT_EQ(MenuShown(paths).size(), 1u);
}

}  // namespace
