// Galdrove: opens the documentation help browser through the main program.
#include <windows.h>

#include "process/start_child.h"
#include "starter_command.h"
#include "paths/file_system.h"

namespace {

int StarterMain()
{
    StartChildProcess(BuildStarterCommand(GetModulePath().Data()).Data());
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    return StarterMain();
}
