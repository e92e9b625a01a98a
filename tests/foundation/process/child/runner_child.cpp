// A console program for the runner tests. Its arguments are steps, done in
// order:
//   out:HEX err:HEX   write the bytes to standard output / error
//   lines:N           N lines of a fixed pattern to standard output
//   errlines:N        the same N lines to standard error
//   adding:N          N lines "adding: fileN.class" to standard output
//   sleep:MS          sleep
//   stdin:CODE        read standard input until a line "Terminate", then exit with CODE
//   exit:CODE         exit with CODE
//   touch:PATH        create an empty file at PATH
//   spawn:MS          start a copy of this program that holds the same
//                     standard handles and sleeps MS; writes its process id
//                     to standard output as "spawned:ID" and a line end
// Output goes through WriteFile, so no C runtime translates or buffers it.
#include <windows.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>

namespace {

void Write(DWORD which, const std::string& bytes)
{
    DWORD done = 0;
    WriteFile(GetStdHandle(which), bytes.data(), static_cast<DWORD>(bytes.size()), &done, nullptr);
}

std::string FromHex(const char* hex)
{
    std::string bytes;
    for (; hex[0] && hex[1]; hex += 2) {
        char pair[3] = {hex[0], hex[1], 0};
        bytes += static_cast<char>(std::strtoul(pair, nullptr, 16));
    }
    return bytes;
}

int WaitForTerminateLine()
{
    std::string seen;
    char c = 0;
    DWORD got = 0;
    while (ReadFile(GetStdHandle(STD_INPUT_HANDLE), &c, 1, &got, nullptr) && got == 1) {
        seen += c;
        if (seen.find("Terminate\r\n") != std::string::npos)
            return 1;
    }
    return 0;
}

void Spawn(const char* sleepMs)
{
    char self[MAX_PATH];
    GetModuleFileNameA(nullptr, self, sizeof self);
    std::string line = std::string("\"") + self + "\" sleep:" + sleepMs;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES;
    startup.hStdInput = GetStdHandle(STD_INPUT_HANDLE);
    startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
    startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    PROCESS_INFORMATION info = {};
    if (!CreateProcessA(nullptr, &line[0], nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info))
        return;
    CloseHandle(info.hThread);
    CloseHandle(info.hProcess);
    Write(STD_OUTPUT_HANDLE, "spawned:" + std::to_string(info.dwProcessId) + "\r\n");
}

}  // namespace

int main(int argc, char** argv)
{
    for (int i = 1; i < argc; ++i) {
        const char* arg = argv[i];
        const char* value = std::strchr(arg, ':');
        if (!value)
            return 100;
        ++value;
        const std::string step(arg, static_cast<size_t>(value - 1 - arg));
        if (step == "out" || step == "err") {
            Write(step == "out" ? STD_OUTPUT_HANDLE : STD_ERROR_HANDLE, FromHex(value));
        } else if (step == "lines" || step == "errlines" || step == "adding") {
            const int n = std::atoi(value);
            std::string all;
            char line[96];
            for (int k = 0; k < n; ++k) {
                if (step != "adding")
                    std::snprintf(line, sizeof(line), "line %06d abcdefghijklmnopqrstuvwxyz0123456789\r\n", k);
                else
                    std::snprintf(line, sizeof(line), "adding: file%d.class\r\n", k);
                all += line;
            }
            Write(step == "errlines" ? STD_ERROR_HANDLE : STD_OUTPUT_HANDLE, all);
        } else if (step == "sleep") {
            Sleep(static_cast<DWORD>(std::atoi(value)));
        } else if (step == "stdin") {
            if (WaitForTerminateLine())
                return std::atoi(value);
        } else if (step == "spawn") {
            Spawn(value);
        } else if (step == "exit") {
            return std::atoi(value);
        } else if (step == "touch") {
            HANDLE file = CreateFileA(value, GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, FILE_ATTRIBUTE_NORMAL, nullptr);
            if (file == INVALID_HANDLE_VALUE)
                return 102;
            CloseHandle(file);
        } else {
            return 101;
        }
    }
    return 0;
}
