#include "runner_fixture.h"

#include <cstdio>

#include "rich_edit.h"
#include "support/pane_text.h"

void RunnerWindowTest::SetUp()
{
    ASSERT_TRUE(LoadRichEditLibrary());
    window = CreateWindowExA(0, "STATIC", "runner host", WS_OVERLAPPEDWINDOW, 0, 0, 400, 300, nullptr, nullptr,
                             GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(window, nullptr);
    HWND pane = CreateWindowExA(0, RichEdit::kClassName, "", WS_CHILD | WS_VISIBLE | ES_MULTILINE | WS_VSCROLL, 0, 0,
                                300, 200, window, reinterpret_cast<HMENU>(static_cast<INT_PTR>(IDC_OUTPUT_PANE)),
                                GetModuleHandleA(nullptr), nullptr);
    ASSERT_NE(pane, nullptr);
    // The default limit of 32767 characters would cut long runs short.
    RichEdit(pane).LimitText(16 * 1024 * 1024);
    const int buttons[] = {1009, 1010, 1014, 1017, 1025, 1026, 1027};
    for (int id : buttons)
        ASSERT_NE(CreateWindowExA(0, "BUTTON", "b", WS_CHILD | WS_VISIBLE, 0, 0, 20, 20, window,
                                  reinterpret_cast<HMENU>(static_cast<INT_PTR>(id)), GetModuleHandleA(nullptr),
                                  nullptr),
                  nullptr);
    owner = new DialogRunnerOwner(window);
}

void RunnerWindowTest::TearDown()
{
    delete owner;
    if (window)
        DestroyWindow(window);
}

std::string RunnerWindowTest::PaneText()
{
    return PaneLines(owner->OutputText());
}

void RunnerWindowTest::ShowRunning()
{
    owner->ShowRunning(RunnerOwner::kMainClassRun, 1);
    owner->ShowRunning(RunnerOwner::kTestRun, 1);
}

std::string ChildCommand(const std::string& steps)
{
    std::string path = QUENLOW_RUNNER_CHILD;
    for (char& c : path)
        if (c == '/')
            c = '\\';
    return "\"" + path + "\" " + steps;
}

static std::string Hex(const std::string& bytes)
{
    std::string hex;
    char pair[3];
    for (unsigned char c : bytes) {
        std::snprintf(pair, sizeof(pair), "%02x", c);
        hex += pair;
    }
    return hex;
}

std::string OutStep(const std::string& bytes)
{
    return "out:" + Hex(bytes);
}

std::string ErrStep(const std::string& bytes)
{
    return "err:" + Hex(bytes);
}

std::string PatternLines(int n)
{
    std::string all;
    char line[96];
    for (int k = 0; k < n; ++k) {
        std::snprintf(line, sizeof(line), "line %06d abcdefghijklmnopqrstuvwxyz0123456789\n", k);
        all += line;
    }
    return all;
}

int CountOf(const std::string& text, const std::string& part)
{
    int count = 0;
    for (size_t at = text.find(part); at != std::string::npos; at = text.find(part, at + part.size()))
        ++count;
    return count;
}

bool ProcessEnded(DWORD id)
{
    HANDLE process = OpenProcess(SYNCHRONIZE, FALSE, id);
    if (!process)
        return true;
    const bool ended = WaitForSingleObject(process, 0) == WAIT_OBJECT_0;
    CloseHandle(process);
    return ended;
}
