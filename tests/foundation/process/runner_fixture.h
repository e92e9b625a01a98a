#pragma once

// A window with the main dialog's run controls (output pane 1023 and the run
// buttons) for the runners, and the test child program.
#include <windows.h>

#include <gtest/gtest.h>

#include <string>

#include "dialog_runner_owner.h"
#include "main_dialog_ids.h"

// Generous limits: Wine starts a console child in a fraction of a second,
// and a few seconds when the machine is loaded.
constexpr DWORD kRunLimitMs = 60000;

class RunnerWindowTest : public ::testing::Test {
protected:
    void SetUp() override;
    void TearDown() override;

    // The pane's text as a user reads it, paragraph ends as LF.
    std::string PaneText();
    bool IsEnabled(int id) { return IsWindowEnabled(GetDlgItem(window, id)) != FALSE; }
    bool IsShown(int id) { return (GetWindowLongA(GetDlgItem(window, id), GWL_STYLE) & WS_VISIBLE) != 0; }
    // Puts the buttons in their running state, as the dialog does on a start.
    void ShowRunning();

    HWND window = nullptr;
    DialogRunnerOwner* owner = nullptr;
};

// The quoted path of the test child followed by its steps.
std::string ChildCommand(const std::string& steps);
// "out:HEX" / "err:HEX" steps for the given bytes.
std::string OutStep(const std::string& bytes);
std::string ErrStep(const std::string& bytes);
// What the child's "lines:N" step prints, with LF line ends.
std::string PatternLines(int n);
int CountOf(const std::string& text, const std::string& part);
// Whether the process with this id has gone.
bool ProcessEnded(DWORD id);
