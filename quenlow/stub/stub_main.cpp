// The launcher stub: the program part of every Windows executable the suite
// builds. It reads the trailer behind its own PE image and runs the main class
// with a Java home from the registry, its own file serving as the jar.
#include <windows.h>

#include <cstring>

#include "java_home.h"
#include "stub_command.h"
#include "stub_trailer.h"
#include "paths/file_system.h"
#include "paths/path_text.h"
#include "sibling_class_path.h"
#include "xbuffer.h"
#include "xfile.h"

namespace {

constexpr char kTerminateLine[] = "Terminate";

// Where the stub's own errors go. A windowed program (an executable built to
// run javaw) has no console: a message box tells the user, unless its
// streams were handed to it (/streams: the main dialog's pane reads them). A
// console program writes them to its standard error.
bool errorsInMessageBox = false;

void Complain(const char* text)
{
    XString line(text);
    line.Append("\r\n");
    DWORD written = 0;
    HANDLE err = GetStdHandle(STD_ERROR_HANDLE);
    if (!errorsInMessageBox && err && err != INVALID_HANDLE_VALUE &&
        WriteFile(err, line.Data(), static_cast<DWORD>(line.Length()), &written, nullptr))
        return;
    MessageBoxA(nullptr, text, "Message", MB_OK | MB_ICONERROR);
}

// Whether this image is a windowed program: Create makes an executable one
// or the other by its header.
bool IsWindowedProgram()
{
    const unsigned char* base = reinterpret_cast<const unsigned char*>(GetModuleHandleA(nullptr));
    const IMAGE_DOS_HEADER* dos = reinterpret_cast<const IMAGE_DOS_HEADER*>(base);
    const IMAGE_NT_HEADERS* nt = reinterpret_cast<const IMAGE_NT_HEADERS*>(base + dos->e_lfanew);
    return nt->OptionalHeader.Subsystem == IMAGE_SUBSYSTEM_WINDOWS_GUI;
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
    const StubArguments arguments = ReadStubArguments(GetCommandLineA());
    const bool streams = arguments.first == StubArguments::Streams;
    errorsInMessageBox = !streams && IsWindowedProgram();

    const XString exePath = GetModulePath();
    XFile self;
    XBuffer bytes;
    int size = 0;
    StubTrailer trailer;
    if (exePath.IsEmpty() || !self.Open(exePath.Data(), XFile::OpenExisting, 0) || !self.ReadWhole(bytes, &size) ||
        !ParseStubTrailer(bytes.Data(), static_cast<size_t>(size), PeImageEnd(bytes.Data(), static_cast<size_t>(size)),
                          trailer)) {
        Complain("This program carries no Java application to run.");
        return 1;
    }
    self.Close();
    bytes.Free();

    XString home;
    if (!FindHome(trailer, home)) {
        Complain("No Java runtime is installed: the registry names no Java home.");
        return 1;
    }

    // Resolved as a run of the main class resolves them: the system archives
    // in the Java homes, the sibling entries and detected archives against
    // the folder the executable lies in, as against the class folder there.
    const XString systemPart = SystemClassPathPart(trailer.systemClassPath.Data());
    const XString siblingPart = SiblingClassPathPart(FileFolder(exePath.Data()).Data(), trailer.siblingClassPath.Data(),
                                                     trailer.autoDetectJars, trailer.autoDetectZips);

    HWND reportTo = nullptr;
    if (arguments.first == StubArguments::Number) {
        HWND window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(arguments.number));
        if (IsWindow(window))
            reportTo = window;
    }
    // A number that names no window is the program's own first argument.
    const char* userArguments = streams || reportTo ? arguments.afterFirst : arguments.all;
    const XString command = BuildStubCommand(trailer, home.Data(), exePath.Data(), systemPart.Data(),
                                             siblingPart.Data(), userArguments);
    return Run(command, streams, reportTo);
}
