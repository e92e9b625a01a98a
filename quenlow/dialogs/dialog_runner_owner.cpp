#include "dialog_runner_owner.h"

#include "main_dialog_ids.h"
#include "rich_edit.h"

const int DialogRunnerOwner::kRunButtonIds[5] = {IDC_CREATE, IDC_RUN_MAIN_CLASS, IDC_LAUNCH_OUTPUT,
                                                 IDC_VIEW_EXE_COMMAND, IDC_CLASS_INFO};

DialogRunnerOwner::DialogRunnerOwner(HWND dialogWindow) : dialog(dialogWindow)
{
    InitializeCriticalSection(&appendLock);
}

DialogRunnerOwner::~DialogRunnerOwner()
{
    DeleteCriticalSection(&appendLock);
}

void DialogRunnerOwner::ShowStatus(const char* text)
{
    ShowWindow(Pane(), SW_SHOW);
    RichEditReplaceAll(Pane(), text);
}

void DialogRunnerOwner::AppendOutput(const char* text)
{
    EnterCriticalSection(&appendLock);
    RichEditAppend(Pane(), text);
    LeaveCriticalSection(&appendLock);
}

void DialogRunnerOwner::EnableRunButtons(int enable)
{
    for (int id : kRunButtonIds)
        EnableWindow(GetDlgItem(dialog, id), enable ? TRUE : FALSE);
}

HWND DialogRunnerOwner::Pane() const
{
    return GetDlgItem(dialog, IDC_OUTPUT_PANE);
}

void DialogRunnerOwner::ShowRunning(RunKind kind, int running)
{
    const bool mainClass = kind == kMainClassRun;
    HWND start = GetDlgItem(dialog, mainClass ? IDC_RUN_MAIN_CLASS : IDC_LAUNCH_OUTPUT);
    HWND stop = GetDlgItem(dialog, mainClass ? IDC_STOP_MAIN_CLASS : IDC_STOP_OUTPUT);
    // The one shown first, so the place is never empty between the two.
    if (running) {
        ShowWindow(stop, SW_SHOW);
        ShowWindow(start, SW_HIDE);
    } else {
        ShowWindow(start, SW_SHOW);
        ShowWindow(stop, SW_HIDE);
    }
}

XString DialogRunnerOwner::OutputText()
{
    return RichEdit(Pane()).GetText();
}
