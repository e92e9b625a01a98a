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
#include "pivrellon_ids.h"
#include "settings/settings_file.h"
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
        for (int i = 0; i < 300; ++i) {
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
        for (int i = 0; i < 100 && IsWindow(sheet); ++i)
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

}  // namespace
