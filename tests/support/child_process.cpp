#include "child_process.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <vector>

namespace {

struct Drain {
    HANDLE pipe;
    std::string* text;
    HANDLE spoke;  // set at the first bytes read
};

DWORD WINAPI DrainPipe(LPVOID parameter)
{
    Drain* drain = static_cast<Drain*>(parameter);
    char block[4096];
    DWORD got = 0;
    while (ReadFile(drain->pipe, block, sizeof block, &got, nullptr) && got) {
        drain->text->append(block, got);
        SetEvent(drain->spoke);
    }
    return 0;
}

bool MakePipe(HANDLE& read, HANDLE& write, bool childReads)
{
    SECURITY_ATTRIBUTES inherit = {sizeof inherit, nullptr, TRUE};
    if (!CreatePipe(&read, &write, &inherit, 0))
        return false;
    // Only the child's end is inherited.
    SetHandleInformation(childReads ? write : read, HANDLE_FLAG_INHERIT, 0);
    return true;
}

struct WindowList {
    DWORD process;
    std::string text;
};

BOOL CALLBACK ListWindow(HWND window, LPARAM data)
{
    auto* list = reinterpret_cast<WindowList*>(data);
    DWORD process = 0;
    GetWindowThreadProcessId(window, &process);
    if (process != list->process)
        return TRUE;
    char className[64] = {}, caption[256] = {}, message[2048] = {};
    GetClassNameA(window, className, sizeof className);
    GetWindowTextA(window, caption, sizeof caption);
    list->text += std::string("  ") + className + " \"" + caption + "\"" + (IsWindowVisible(window) ? " shown" : " hidden");
    // A message box's text is its static control 0xFFFF.
    if (GetDlgItemTextA(window, 0xFFFF, message, sizeof message))
        list->text += std::string(": ") + message;
    list->text += "\n";
    return TRUE;
}

}  // namespace

std::string DescribeWindows(DWORD processId)
{
    WindowList list = {processId, std::string()};
    EnumWindows(ListWindow, reinterpret_cast<LPARAM>(&list));
    return list.text.empty() ? "  (none)\n" : list.text;
}

ChildResult RunChild(const std::string& commandLine, const std::string& input, DWORD timeoutMs, DWORD inputDelayMs)
{
    ChildResult result;
    HANDLE inRead, inWrite, outRead, outWrite, errRead, errWrite;
    if (!MakePipe(inRead, inWrite, true) || !MakePipe(outRead, outWrite, false) || !MakePipe(errRead, errWrite, false))
        return result;
    STARTUPINFOA startup = {};
    startup.cb = sizeof startup;
    startup.dwFlags = STARTF_USESTDHANDLES | STARTF_USESHOWWINDOW;
    startup.wShowWindow = SW_HIDE;
    startup.hStdInput = inRead;
    startup.hStdOutput = outWrite;
    startup.hStdError = errWrite;
    PROCESS_INFORMATION info = {};
    std::vector<char> line(commandLine.begin(), commandLine.end());
    line.push_back(0);
    result.started = CreateProcessA(nullptr, line.data(), nullptr, nullptr, TRUE, CREATE_NEW_CONSOLE, nullptr,
                                    nullptr, &startup, &info) != FALSE;
    CloseHandle(inRead);
    CloseHandle(outWrite);
    CloseHandle(errWrite);
    if (!result.started) {
        result.startError = GetLastError();
        ADD_FAILURE() << "could not start " << commandLine << ": error " << result.startError;
        CloseHandle(inWrite);
        CloseHandle(outRead);
        CloseHandle(errRead);
        return result;
    }
    CloseHandle(info.hThread);
    HANDLE outSpoke = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    HANDLE errSpoke = CreateEventA(nullptr, TRUE, FALSE, nullptr);
    Drain outDrain{outRead, &result.out, outSpoke};
    Drain errDrain{errRead, &result.err, errSpoke};
    HANDLE readers[2] = {CreateThread(nullptr, 0, DrainPipe, &outDrain, 0, nullptr),
                         CreateThread(nullptr, 0, DrainPipe, &errDrain, 0, nullptr)};
    if (!input.empty()) {
        if (inputDelayMs)
            WaitForSingleObject(outSpoke, inputDelayMs);
        DWORD written = 0;
        WriteFile(inWrite, input.data(), static_cast<DWORD>(input.size()), &written, nullptr);
    }
    if (WaitForSingleObject(info.hProcess, timeoutMs) != WAIT_OBJECT_0) {
        result.timedOut = true;
        std::fprintf(stderr, "%s still ran after %lu ms; its windows:\n%s", commandLine.c_str(),
                     static_cast<unsigned long>(timeoutMs), DescribeWindows(info.dwProcessId).c_str());
        TerminateProcess(info.hProcess, 255);
        WaitForSingleObject(info.hProcess, 5000);
    }
    GetExitCodeProcess(info.hProcess, &result.exitCode);
    CloseHandle(inWrite);
    // Grandchildren may still hold the write ends; the readers get a bounded wait.
    WaitForMultipleObjects(2, readers, TRUE, 5000);
    for (HANDLE reader : readers)
        CloseHandle(reader);
    CloseHandle(outRead);
    CloseHandle(errRead);
    CloseHandle(outSpoke);
    CloseHandle(errSpoke);
    CloseHandle(info.hProcess);
    return result;
}
