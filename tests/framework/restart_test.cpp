// The restart the installation steps ask for: the shutdown privilege that NT
// requires is asked for before the restart, and a refused restart is said.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "restart.h"
#include "seams.h"

namespace {

std::vector<std::string> calls;
int answer = IDNO;
BOOL privilegeGranted = TRUE;
BOOL restartTaken = TRUE;

int RecordMessage(HWND, const char* text, const char* caption, UINT type)
{
    calls.push_back(std::string("message ") + caption + " " + std::to_string(type) + ": " + text);
    return answer;
}

BOOL RecordPrivilege(const char* name)
{
    calls.push_back(std::string("privilege ") + name);
    SetLastError(privilegeGranted ? ERROR_SUCCESS : ERROR_NOT_ALL_ASSIGNED);
    return privilegeGranted;
}

BOOL RecordExit(UINT flags, DWORD reason)
{
    calls.push_back("exit " + std::to_string(flags) + " " + std::to_string(reason));
    SetLastError(restartTaken ? ERROR_SUCCESS : ERROR_ACCESS_DENIED);
    return restartTaken;
}

TEST(Restart, ThePrivilegeComesBeforeTheRestartAndARefusalIsSaid)
{
    const std::string question = "message Message " + std::to_string(MB_YESNO) + ": Reboot now?";
    const std::string refused = "message Message " + std::to_string(MB_OK | MB_ICONERROR) +
                                ": The computer could not be restarted (error ";
    const struct {
        const char* name;
        int answer;
        BOOL privilege;
        BOOL restart;
        bool begun;
        std::vector<std::string> calls;
    } cases[] = {
        {"no", IDNO, TRUE, TRUE, false, {question}},
        {"yes", IDYES, TRUE, TRUE, true, {question, "privilege SeShutdownPrivilege", "exit 6 0"}},
        {"yes, the restart refused", IDYES, TRUE, FALSE, false,
         {question, "privilege SeShutdownPrivilege", "exit 6 0", refused + "5).\nRestart it yourself."}},
        {"yes, the privilege refused", IDYES, FALSE, TRUE, false,
         {question, "privilege SeShutdownPrivilege", refused + "1300).\nRestart it yourself."}},
    };
    seams::ShowMessage = RecordMessage;
    seams::EnablePrivilege = RecordPrivilege;
    seams::ExitSystem = RecordExit;
    for (const auto& c : cases) {
        calls.clear();
        answer = c.answer;
        privilegeGranted = c.privilege;
        restartTaken = c.restart;
        EXPECT_EQ(AskToRestart("Reboot now?", EWX_REBOOT | EWX_FORCE, "Restart it yourself."), c.begun) << c.name;
        EXPECT_EQ(calls, c.calls) << c.name;
    }
    seams::Restore();
}

// The real privilege call: the token of a process run by the user holds the
// shutdown privilege, so enabling it succeeds and asks nothing of anyone.
TEST(Restart, TheRealPrivilegeCallEnablesTheShutdownPrivilege)
{
    seams::Restore();
    EXPECT_TRUE(seams::EnablePrivilege("SeShutdownPrivilege")) << GetLastError();
    SetLastError(0);
    EXPECT_FALSE(seams::EnablePrivilege("SeNoSuchPrivilege"));
}

}  // namespace
