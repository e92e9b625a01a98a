// Stands in for a program of the installation: appends the command line it
// was started with, byte for byte and followed by a NUL, to
// "commandline.log" beside itself, and ends. The NUL lets a test count
// starts, since command lines may hold line breaks.
//
// Under the name jdb.exe it stands in for the debugger, which a tool drives
// through its standard input: it then goes on to append each line of its
// standard input, line end included, to "stdin.log" beside itself as soon as
// the line is complete, and ends on the line "exit", as jdb does. Before it
// ends there it writes the bytes of "exit.out" beside itself, when there is
// one, to its standard output, so that a test can see output that arrives
// just before the end. It writes nothing else.
#include <windows.h>

#include <cstring>
#include <string>

namespace {

// One write, so a reader never sees half a record.
bool AppendTo(const char* path, const char* bytes, DWORD size)
{
    HANDLE file = CreateFileA(path, FILE_APPEND_DATA, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_ALWAYS,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    DWORD written = 0;
    WriteFile(file, bytes, size, &written, nullptr);
    CloseHandle(file);
    return written == size;
}

std::string ReadWhole(const char* path)
{
    std::string bytes;
    HANDLE file = CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr, OPEN_EXISTING,
                              FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return bytes;
    char chunk[4096];
    DWORD got = 0;
    while (ReadFile(file, chunk, sizeof chunk, &got, nullptr) && got > 0)
        bytes.append(chunk, got);
    CloseHandle(file);
    return bytes;
}

int ActAsDebugger(const std::string& folder)
{
    const std::string log = folder + "stdin.log";
    HANDLE input = GetStdHandle(STD_INPUT_HANDLE);
    std::string pending;
    char chunk[1024];
    DWORD got = 0;
    while (ReadFile(input, chunk, sizeof chunk, &got, nullptr) && got > 0) {
        pending.append(chunk, got);
        for (size_t end; (end = pending.find('\n')) != std::string::npos; pending.erase(0, end + 1)) {
            const std::string line = pending.substr(0, end + 1);
            AppendTo(log.c_str(), line.data(), static_cast<DWORD>(line.size()));
            if (line == "exit\n" || line == "exit\r\n") {
                const std::string output = ReadWhole((folder + "exit.out").c_str());
                DWORD written = 0;
                if (!output.empty())
                    WriteFile(GetStdHandle(STD_OUTPUT_HANDLE), output.data(), static_cast<DWORD>(output.size()),
                              &written, nullptr);
                return 0;
            }
        }
    }
    return 0;
}

}  // namespace

int WINAPI WinMain(HINSTANCE, HINSTANCE, LPSTR, int)
{
    char self[MAX_PATH + 32] = {};
    const DWORD length = GetModuleFileNameA(nullptr, self, MAX_PATH);
    if (length == 0 || length >= MAX_PATH)
        return 1;
    const char* slash = std::strrchr(self, '\\');
    const std::string folder(self, slash ? static_cast<size_t>(slash + 1 - self) : 0);
    const char* name = slash ? slash + 1 : self;

    const char* line = GetCommandLineA();
    if (!AppendTo((folder + "commandline.log").c_str(), line, static_cast<DWORD>(std::strlen(line) + 1)))
        return 1;
    return lstrcmpiA(name, "jdb.exe") == 0 ? ActAsDebugger(folder) : 0;
}
