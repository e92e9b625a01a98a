// Stands in for a program of the installation: appends the command line it
// was started with, byte for byte and followed by a NUL, to
// "commandline.log" beside itself, and ends. The NUL lets a test count
// starts, since command lines may hold line breaks.
#include <windows.h>

#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char log[MAX_PATH + 32] = {};
    const DWORD length = GetModuleFileNameA(nullptr, log, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 1;
    char* slash = std::strrchr(log, '\\');
    std::strcpy(slash ? slash + 1 : log, "commandline.log");

    HANDLE file = CreateFileA(log, FILE_APPEND_DATA, FILE_SHARE_READ, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return 1;
    const char* line = GetCommandLineA();
    DWORD written = 0;
    // One write, so a reader never sees half a record.
    const DWORD size = static_cast<DWORD>(std::strlen(line) + 1);
    WriteFile(file, line, size, &written, nullptr);
    CloseHandle(file);
    return written == size ? 0 : 1;
}
