#include "start_child.h"

#include <windows.h>

#include <cstring>

#include "process_runner.h"
#include "security.h"
#include "xbuffer.h"

int StartChildProcess(const char* commandLine, int show)
{
    const size_t length = std::strlen(commandLine);
    if (length >= static_cast<size_t>(kMaxCommandLine))
        return 0;
    XBuffer line;  // CreateProcessA may write into its command line
    if (!line.Resize(static_cast<int>(length) + 1))
        return 0;
    std::memcpy(line.Data(), commandLine, length + 1);

    InheritableAttributes attributes;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESHOWWINDOW;
    startup.wShowWindow = static_cast<WORD>(show);
    PROCESS_INFORMATION info = {};
    // Under the runners' lock: no pipe end of a run being started is
    // inheritable by this child.
    EnterChildStart();
    const BOOL started = CreateProcessA(nullptr, line.Text(), attributes.Get(), nullptr, TRUE, CREATE_NEW_CONSOLE,
                                        nullptr, nullptr, &startup, &info);
    LeaveChildStart();
    if (!started)
        return 0;
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    return 1;
}
