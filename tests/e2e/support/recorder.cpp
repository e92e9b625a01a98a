// Stands in for a program of the installation in end-to-end tests: appends
// its raw command line, bytes as received, to "<own path>.log" and exits.
// Each record ends with a NUL, so command lines holding line breaks stay apart.
#include <windows.h>

#include <cstring>

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char path[MAX_PATH + 8];
    const DWORD length = GetModuleFileNameA(nullptr, path, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 1;
    std::strcpy(path + length, ".log");
    HANDLE log = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                             FILE_ATTRIBUTE_NORMAL, nullptr);
    if (log == INVALID_HANDLE_VALUE)
        return 1;
    const char* line = GetCommandLineA();
    DWORD written = 0;
    WriteFile(log, line, static_cast<DWORD>(std::strlen(line)) + 1, &written, nullptr);
    CloseHandle(log);
    return 0;
}
