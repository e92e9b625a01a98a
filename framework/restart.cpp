#include "restart.h"

#include <cstdio>

#include "seams.h"

namespace {

constexpr char kShutdownPrivilege[] = "SeShutdownPrivilege";  // SE_SHUTDOWN_NAME in every character set

}  // namespace

bool AskToRestart(const char* question, UINT flags, const char* leftToDo)
{
    if (seams::ShowMessage(nullptr, question, "Message", MB_YESNO) != IDYES)
        return false;
    // Windows 95 and 98 know no privileges: only NT needs one.
    const bool nt = (GetVersion() & 0x80000000u) == 0;
    DWORD error = ERROR_SUCCESS;
    if (nt && !seams::EnablePrivilege(kShutdownPrivilege))
        error = GetLastError();
    else if (!seams::ExitSystem(flags, 0))
        error = GetLastError();
    else
        return true;
    char text[512];
    std::snprintf(text, sizeof text, "The computer could not be restarted (error %lu).\n%s",
                  static_cast<unsigned long>(error), leftToDo);
    seams::ShowMessage(nullptr, text, "Message", MB_OK | MB_ICONERROR);
    return false;
}
