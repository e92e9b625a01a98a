// Galdrove: opens the documentation help browser through the main program.
#include <windows.h>

#include "process/start_child.h"
#include "starter_command.h"
#include "xbuffer.h"

namespace {

XString ModulePath()
{
    XBuffer buffer;
    for (DWORD size = MAX_PATH;; size *= 2) {
        if (!buffer.Resize(static_cast<int>(size)))
            return XString();
        const DWORD got = GetModuleFileNameA(nullptr, buffer.Text(), size);
        if (got < size)
            return XString(buffer.Text(), static_cast<int>(got));
    }
}

int StarterMain()
{
    StartChildProcess(BuildStarterCommand(ModulePath().Data()).Data());
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return StarterMain();
}
