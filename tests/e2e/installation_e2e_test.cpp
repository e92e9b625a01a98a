// The two small programs of the installation, run for real under Wine.
#include <windows.h>
#include <tlhelp32.h>

#include <gtest/gtest.h>

#include <string>

#include "support/quenlow_tree/quenlow_tree.h"
#include "support/test_files.h"

namespace {

bool CopyProgram(const char* from, const std::string& to)
{
    return CopyFileA(from, to.c_str(), FALSE) != FALSE;
}

bool RunAndWait(const std::string& commandLine)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    PROCESS_INFORMATION info = {};
    std::string line = commandLine;
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &info))
        return false;
    WaitForSingleObject(info.hProcess, 60000);
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return true;
}

int CountProcesses(const char* name)
{
    HANDLE snapshot = CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
    PROCESSENTRY32 entry = {};
    entry.dwSize = sizeof entry;
    int count = 0;
    for (BOOL more = Process32First(snapshot, &entry); more; more = Process32Next(snapshot, &entry)) {
        if (lstrcmpiA(entry.szExeFile, name) == 0)
            ++count;
    }
    CloseHandle(snapshot);
    return count;
}

constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";

bool RunValueExists()
{
    HKEY run;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_READ, &run) != ERROR_SUCCESS)
        return false;
    const bool exists = RegQueryValueExA(run, "QuenlowUninstall", nullptr, nullptr, nullptr, nullptr) == ERROR_SUCCESS;
    RegCloseKey(run);
    return exists;
}

TEST(Galdrove, StartsTheMainProgramWithTheHelpSwitchFromAFolderWithABlank)
{
    const std::string install = ScratchPath("My Quenlow");
    CreateDirectoryA(install.c_str(), nullptr);
    CreateDirectoryA((install + "\\bin").c_str(), nullptr);
    ASSERT_TRUE(CopyProgram(QUENLOW_RECORDER, install + "\\Quenlow.exe"));
    ASSERT_TRUE(CopyProgram(QUENLOW_GALDROVE, install + "\\bin\\Galdrove.exe"));
    ASSERT_TRUE(RunAndWait("\"" + install + "\\bin\\Galdrove.exe\""));
    const std::string log = install + "\\commandline.log";
    ASSERT_TRUE(WaitFor([&] { return !ReadFileBytes(log).empty(); }, 60000));
    const std::string expected = "\"" + install + "\\Quenlow.exe\" /jdkdochelp";
    EXPECT_EQ(ReadFileBytes(log), expected + std::string(1, '\0'));
}

TEST(Ostrabec, FinishesTheUninstallationAndDeletesItself)
{
    const std::string system = ScratchPath("system");
    const std::string install = ScratchPath("Quenlow Install");
    CreateDirectoryA(system.c_str(), nullptr);
    CreateDirectoryA(install.c_str(), nullptr);
    CreateDirectoryA((install + "\\bin").c_str(), nullptr);
    ASSERT_TRUE(WriteFileBytes(install + "\\bin\\Pivrellon.dll", "library"));
    const std::string finisher = system + "\\Ostrabec.exe";
    ASSERT_TRUE(CopyProgram(QUENLOW_OSTRABEC, finisher));

    HKEY run;
    ASSERT_EQ(RegCreateKeyExA(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_WRITE, nullptr, &run, nullptr),
              ERROR_SUCCESS);
    const std::string value = "\"" + finisher + "\" /uninstall " + install;
    RegSetValueExA(run, "QuenlowUninstall", 0, REG_SZ, reinterpret_cast<const BYTE*>(value.c_str()),
                   static_cast<DWORD>(value.size() + 1));
    RegCloseKey(run);

    ASSERT_TRUE(RunAndWait(value));
    EXPECT_FALSE(RunValueExists());
    EXPECT_FALSE(FileExists(install + "\\bin\\Pivrellon.dll"));
    EXPECT_EQ(GetFileAttributesA(install.c_str()), INVALID_FILE_ATTRIBUTES);
    EXPECT_TRUE(WaitFor([&] { return !FileExists(finisher) && !FileExists(system + "\\Ostrabec.bat"); }, 60000))
        << "the finisher or its batch file is still there";
    EXPECT_TRUE(WaitFor([] { return CountProcesses("cmd.exe") == 0; }, 60000)) << "a command interpreter is left";
}

TEST(Ostrabec, LeavesAFolderThatIsNotEmpty)
{
    const std::string system = ScratchPath("system2");
    const std::string install = ScratchPath("kept");
    CreateDirectoryA(system.c_str(), nullptr);
    CreateDirectoryA(install.c_str(), nullptr);
    ASSERT_TRUE(WriteFileBytes(install + "\\user-file.txt", "mine"));
    const std::string finisher = system + "\\Ostrabec.exe";
    ASSERT_TRUE(CopyProgram(QUENLOW_OSTRABEC, finisher));
    ASSERT_TRUE(RunAndWait("\"" + finisher + "\" /uninstall " + install));
    EXPECT_TRUE(FileExists(install + "\\user-file.txt"));
    EXPECT_TRUE(WaitFor([&] { return !FileExists(finisher); }, 60000));
}

}  // namespace
