#include "dialog_runner_owner.h"

#include "rich_edit.h"

const int DialogRunnerOwner::kRunButtonIds[5] = {1010, 1009, 1014, 1026, 1025};

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

void DialogRunnerOwner::ShowControl(int id, int show)
{
    ShowWindow(GetDlgItem(dialog, id), show ? SW_SHOW : SW_HIDE);
}

XString DialogRunnerOwner::OutputText()
{
    return RichEdit(Pane()).GetText();
}
