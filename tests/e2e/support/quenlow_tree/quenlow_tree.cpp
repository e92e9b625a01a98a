#include "quenlow_tree.h"

#include <gtest/gtest.h>

#include <cstdio>

#include "settings/settings_file.h"
#include "support/child_process.h"
#include "support/known_settings.h"
#include "support/process_window.h"
#include "support/test_files.h"

namespace {
const char* const kSiblings[] = {"Farrowick.exe", "Skelbrand.exe", "Dovrekell.exe", "Hembrook.exe",
                                 "Ferrudel.exe",  "Wendmire.exe",  "Tollgarth.exe"};
}  // namespace

Tree MakeTree(const std::string& name, bool withSettings, const char* leaveOut)
{
    Tree tree{ScratchPath(name)};
    CreateDirectoryA(tree.dir.c_str(), nullptr);
    CreateDirectoryA(tree.Bin().c_str(), nullptr);
    CreateDirectoryA((tree.dir + "\\Setting").c_str(), nullptr);
    RemoveFile(tree.Log());
    RemoveFile(tree.Settings());
    EXPECT_TRUE(CopyFileA(QUENLOW_EXE, tree.Exe().c_str(), FALSE));
    for (const char* sibling : kSiblings) {
        const std::string target = tree.Bin() + "\\" + sibling;
        RemoveFile(target);
        if (!leaveOut || std::string(leaveOut) != sibling) {
            EXPECT_TRUE(CopyFileA(QUENLOW_RECORDER, target.c_str(), FALSE));
        }
    }
    if (withSettings) {
        SettingsFile settings;
        EXPECT_TRUE(settings.OpenAndInit(tree.Settings().c_str()));
        UseKnownSettings(settings);
        settings.Close();
    }
    return tree;
}

std::vector<std::string> Records(const std::string& log)
{
    std::vector<std::string> records;
    const std::string bytes = ReadFileBytes(log);
    size_t start = 0;
    for (size_t end; (end = bytes.find('\0', start)) != std::string::npos; start = end + 1)
        records.push_back(bytes.substr(start, end - start));
    return records;
}

Program::Program(const std::string& line) : commandLine(line)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    std::string writable = commandLine;
    started = CreateProcessA(nullptr, &writable[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info);
    if (!started) {
        startError = GetLastError();
        ADD_FAILURE() << "could not start " << commandLine << ": error " << startError;
    }
}

Program::Program(HWND window) : commandLine("(the process of a window)")
{
    GetWindowThreadProcessId(window, &info.dwProcessId);
    info.hProcess = OpenProcess(PROCESS_TERMINATE | SYNCHRONIZE | PROCESS_QUERY_INFORMATION, FALSE, info.dwProcessId);
    started = info.hProcess != nullptr;
    if (!started) {
        startError = GetLastError();
        ADD_FAILURE() << "no process for the window: error " << startError;
    }
}

Program::~Program()
{
    if (!started)
        return;
    if (WaitForSingleObject(info.hProcess, 0) == WAIT_TIMEOUT)
        TerminateProcess(info.hProcess, 1);
    // The process is gone before the next test starts one that looks for it.
    WaitForSingleObject(info.hProcess, 5000);
    if (info.hThread)
        CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
}

bool Program::Ended(DWORD timeoutMs) const
{
    if (!started)
        return false;
    if (WaitForSingleObject(info.hProcess, timeoutMs) == WAIT_OBJECT_0)
        return true;
    std::fprintf(stderr, "%s still runs after %lu ms; its windows:\n%s", commandLine.c_str(),
                 static_cast<unsigned long>(timeoutMs), Windows().c_str());
    return false;
}

std::string Program::Windows() const
{
    return started ? DescribeWindows(info.dwProcessId) : std::string("  (not started)\n");
}

HWND Program::FindWindowOf(const char* className, const char* caption) const
{
    return FindProcessWindow(info.dwProcessId, className, caption);
}

HWND Program::FindDialog(const char* caption) const
{
    return FindWindowOf("#32770", caption);
}

HWND Program::WaitForDialog(const char* caption) const
{
    HWND found = nullptr;
    if (!WaitFor([&] { return (found = FindDialog(caption)) != nullptr; }, 60000))
        std::fprintf(stderr, "no dialog \"%s\" of %s; its windows:\n%s", caption, commandLine.c_str(),
                     Windows().c_str());
    return found;
}

HWND StartMainDialog(const Tree& tree, std::unique_ptr<Program>& quenlow)
{
    quenlow.reset(new Program("\"" + tree.Exe() + "\""));
    return quenlow->WaitForDialog("Quenlow 3.201");
}

bool CloseMainDialog(HWND dialog, const Program* quenlow)
{
    if (dialog)
        PostMessageA(dialog, WM_COMMAND, IDCANCEL, 0);
    return !quenlow || quenlow->Ended(60000);
}

std::string MessageText(HWND box)
{
    char text[2048] = {};
    GetDlgItemTextA(box, 0xFFFF, text, sizeof text);
    return text;
}

void Press(HWND box, int button)
{
    SendMessageA(GetDlgItem(box, button), BM_CLICK, 0, 0);
}

std::string MakeToolTree(const std::string& name, const char* toolExe, const char* toolName)
{
    const std::string root = WindowsPath(ScratchPath(name));
    for (const char* folder : {"", "\\bin", "\\Setting", "\\temp"})
        CreateDirectoryA((root + folder).c_str(), nullptr);
    if (!CopyFileA(WindowsPath(toolExe).c_str(), (root + "\\bin\\" + toolName).c_str(), FALSE) ||
        !CopyFileA(WindowsPath(QUENLOW_RECORDER).c_str(), (root + "\\Quenlow.exe").c_str(), FALSE))
        return std::string();
    return root;
}
