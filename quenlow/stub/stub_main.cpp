// The launcher stub: the program part of every Windows executable the suite
// builds. It reads the trailer behind its own PE image and runs the main class
// with a Java home from the registry, its own file serving as the jar.
#include <windows.h>

#include <cstring>

#include "java_home.h"
#include "stub_command.h"
#include "stub_trailer.h"
#include "paths/file_system.h"
#include "xbuffer.h"
#include "xfile.h"

namespace {

constexpr char kTerminateLine[] = "Terminate";

void Complain(const char* text)
{
    DWORD written = 0;
    HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    if (err && err != INVALID_HANDLE_VALUE && WriteFile(err, text, static_cast<DWORD>(std::strlen(text)), &written, nullptr))
        return;
    MessageBoxA(nullptr, text, "Message", MB_OK | MB_ICONERROR);
}

// Archives of the given kind beside the executable, each in quotes and
// followed by ';'.
void DetectArchives(const XString& folder, const char* extension, XString& list)
{
    StringPtrList names;
    FindFilesByExtension(names, folder.Data(), extension);
    for (int i = 0; i < names.Count(); ++i) {
        list.AppendChar('"');
        list.AppendString(folder);
        list.AppendChar('\\');
        list.AppendString(*names.StringAt(i));
        list.Append("\";");
    }
}

// The suite's own lookup: a runtime first, and only a home that holds the
// tool the command runs.
bool FindHome(const StubTrailer& trailer, XString& home)
{
    return FindJavaHome(kJreThenJdk, StubJavaTool(trailer), home) != 0;
}

struct Child {
    HANDLE process = nullptr;
};

// Reads lines from our standard input; "Terminate" ends the program and us.
DWORD WINAPI WatchForTerminate(LPVOID parameter)
{
    Child* child = static_cast<Child*>(parameter);
    HANDLE in = GetStdHandle(STD_INPUT_HANDLE);
    XString line;
    char c;
    DWORD got = 0;
    while (ReadFile(in, &c, 1, &got, nullptr) && got == 1) {
        if (c != '\n') {
            if (c != '\r')
                line.AppendChar(c);
            continue;
        }
        if (std::strcmp(line.Data(), kTerminateLine) == 0) {
            TerminateProcess(child->process, 1);
            ExitProcess(1);
        }
        line.Assign("", 0);
    }
    return 0;
}

int Run(const XString& command, bool streams, HWND reportTo)
{
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    HANDLE nul = INVALID_HANDLE_VALUE;
    if (streams) {
        // The program writes straight into our pipes; its input is nothing,
        // since our own input carries the stop request.
        SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
        nul = CreateFileA("NUL", GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, &inherit, OPEN_EXISTING, 0, nullptr);
        startup.dwFlags = STARTF_USESTDHANDLES;
        startup.hStdInput = nul;
        startup.hStdOutput = GetStdHandle(STD_OUTPUT_HANDLE);
        startup.hStdError = GetStdHandle(STD_ERROR_HANDLE);
    }
    PROCESS_INFORMATION info = {};
    XBuffer line;
    if (!line.Resize(command.Length() + 1))
        return 1;
    std::memcpy(line.Data(), command.Data(), static_cast<size_t>(command.Length()) + 1);
    if (!CreateProcessA(nullptr, line.Text(), nullptr, nullptr, TRUE, 0, nullptr, nullptr, &startup, &info)) {
        XString text("Can not start ");
        text.AppendString(command);
        text.Append("\r\n");
        Complain(text.Data());
        if (nul != INVALID_HANDLE_VALUE)
            CloseHandle(nul);
        return 1;
    }
    CloseHandle(info.hThread);
    if (nul != INVALID_HANDLE_VALUE)
        CloseHandle(nul);

    Child child{info.hProcess};
    if (streams) {
        HANDLE watcher = CreateThread(nullptr, 0, WatchForTerminate, &child, 0, nullptr);
        if (watcher)
            CloseHandle(watcher);
    }
    if (reportTo)
        MessageBoxA(reportTo, command.Data(), "Command", MB_OK | MB_ICONINFORMATION);

    WaitForSingleObject(info.hProcess, INFINITE);
    DWORD code = 1;
    GetExitCodeProcess(info.hProcess, &code);
    CloseHandle(info.hProcess);
    return static_cast<int>(code);
}

}  // namespace

int main()
{
    const XString exePath = GetModulePath();
    XFile self;
    XBuffer bytes;
    int size = 0;
    StubTrailer trailer;
    if (exePath.IsEmpty() || !self.Open(exePath.Data(), XFile::OpenExisting, 0) || !self.ReadWhole(bytes, &size) ||
        !ParseStubTrailer(bytes.Data(), static_cast<size_t>(size), PeImageEnd(bytes.Data(), static_cast<size_t>(size)),
                          trailer)) {
        Complain("This program carries no Java application to run.\r\n");
        return 1;
    }
    self.Close();
    bytes.Free();

    XString home;
    if (!FindHome(trailer, home)) {
        Complain("No Java runtime is installed: the registry names no Java home.\r\n");
        return 1;
    }

    XString folder(exePath);
    while (!folder.IsEmpty() && folder.LastChar() != '\\')
        folder.RemoveLast();
    folder.RemoveLast();
    XString detected;
    if (trailer.autoDetectJars)
        DetectArchives(folder, "jar", detected);
    if (trailer.autoDetectZips)
        DetectArchives(folder, "zip", detected);

    const StubArguments arguments = ReadStubArguments(GetCommandLineA());
    const bool streams = arguments.first == StubArguments::Streams;
    HWND reportTo = nullptr;
    if (arguments.first == StubArguments::Number) {
        HWND window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(arguments.number));
        if (IsWindow(window))
            reportTo = window;
    }
    // A number that names no window is the program's own first argument.
    const char* userArguments = streams || reportTo ? arguments.afterFirst : arguments.all;
    const XString command = BuildStubCommand(trailer, home.Data(), exePath.Data(), detected.Data(), userArguments);
    return Run(command, streams, reportTo);
}
