#include "sibling_starts.h"

#include <cstdio>
#include <cstring>

#include "class_path.h"
#include "classfile/class_check.h"
#include "paths/file_system.h"
#include "process/start_child.h"
#include "seams.h"

XString SiblingMissingMessage(const char* programName, const char* commandLine)
{
    XString message("Can not start ");
    message.Append(programName);
    message.Append(".\nThe program may be missing from the installation:\n");
    message.Append(commandLine);
    message.Append("\n");
    return message;
}

XString CommandTooLongMessage(const char* programName)
{
    char limit[16];
    std::snprintf(limit, sizeof limit, "%d", kMaxCommandLine - 1);
    XString message("Can not start ");
    message.Append(programName);
    message.Append(":\nits command line is longer than Windows allows (");
    message.Append(limit);
    message.Append(" characters).\nPlease choose fewer or shorter entries.\n");
    return message;
}

int StartSibling(HWND owner, const char* programName, const XString& commandLine)
{
    if (commandLine.Length() >= kMaxCommandLine) {
        seams::ShowMessage(owner, CommandTooLongMessage(programName).Data(), "Message", MB_OK | MB_ICONERROR);
        return 0;
    }
    if (StartChildProcess(commandLine.Data()))
        return 1;
    // Name the program and where it was looked for, not the whole payload.
    XString path;
    const char* line = commandLine.Data();
    const char* end = line[0] == '"' ? std::strchr(line + 1, '"') : nullptr;
    if (end)
        path.Assign(line + 1, static_cast<int>(end - line - 1));
    else
        path.Assign(line);
    seams::ShowMessage(owner, SiblingMissingMessage(programName, path.Data()).Data(), "Message",
                       MB_OK | MB_ICONERROR);
    return 0;
}

int PayloadFits(HWND owner, int fits, const XString& message)
{
    if (!fits)
        seams::ShowMessage(owner, message.Data(), "Message", MB_OK | MB_ICONERROR);
    return fits;
}

void StartDoubleClickRunner(HWND owner, const char* programDir, bool runFlag, const DoubleClickOptions& options,
                            const char* classFile, const ClassPathRecord& record, const char* mainArgs,
                            const char* otherOptions)
{
    if (!options.runApplications && !options.runApplets && !options.showErrors)
        return;
    int isApplication = 0;
    int isApplet = 0;
    DoubleClickClass target;
    XString message;
    // The check's message is the one failure a double-click shows, whatever
    // the show-errors option says.
    if (!CheckClassFile(classFile, &isApplication, &isApplet, target.rootFolder, target.qualifiedName, message)) {
        seams::ShowMessage(owner, message.Data(), "Message", MB_OK);
        return;
    }
    target.runApplication = isApplication && options.runApplications;
    target.runApplet = isApplet && options.runApplets;
    if (!target.runApplication && !target.runApplet)
        return;
    if (!PayloadFits(owner, CheckDoubleClickPayload(target, record, mainArgs, otherOptions, message), message))
        return;
    XString payload = DoubleClickPayload(runFlag, target, options, record, mainArgs, otherOptions);
    XString rest(" ");
    rest.AppendString(payload);
    XString folder(programDir);
    folder.Append("\\bin");
    StartSibling(owner, "Wendmire", ProgramCommand(folder.Data(), "Wendmire.exe", rest.Data()));
}

int StartClassInfoViewer(const char* classFile, const ClassPathRecord& record, const char* otherOptions)
{
    XString message;
    if (!PayloadFits(nullptr, CheckClassInfoPayload(record, otherOptions, message), message))
        return 0;
    XString rest(" /inside-info ");
    rest.AppendString(ClassInfoPayload(record, otherOptions, classFile));
    return StartSibling(nullptr, "Hembrook", ProgramCommand(GetBinDir().Data(), "Hembrook.exe", rest.Data()));
}

int StartClassInfoViewer(SettingsFile& settings, const char* classFile)
{
    ClassPathTarget target;
    target.classInfo = true;
    ClassPathRecord record;
    CollectClassPath(settings, record, target);
    return StartClassInfoViewer(classFile, record, OtherJavaOptionsFor(settings, kOtherJavaForClassInfo).Data());
}

void StartCompressedFileViewer(const char* file)
{
    XString rest(" /inside-info ");
    rest.Append(file);
    StartSibling(nullptr, "Ferrudel", ProgramCommand(GetBinDir().Data(), "Ferrudel.exe", rest.Data()));
}

void StartHelpBrowser(const char* programDir)
{
    XString folder(programDir);
    folder.Append("\\bin");
    StartSibling(nullptr, "Dovrekell", ProgramCommand(folder.Data(), "Dovrekell.exe", ""));
}

void StartLibraryChecker(const char* programDir, bool withTools)
{
    XString folder(programDir);
    folder.Append("\\bin");
    StartSibling(nullptr, "Tollgarth", ProgramCommand(folder.Data(), "Tollgarth.exe", withTools ? " /t" : ""));
}

namespace {
// Flag-set entry of each of the eight boxes; entry 5 has no box.
constexpr int kBoxEntries[8] = {0, 1, 2, 3, 4, 6, 7, 8};
}  // namespace

void SetCheckBoxes(const HWND* boxes, const int* flags)
{
    for (int i = 0; i < 8; ++i) {
        if (boxes[i])
            SendMessageA(boxes[i], BM_SETCHECK, flags[kBoxEntries[i]] ? BST_CHECKED : BST_UNCHECKED, 0);
    }
}

void GetCheckBoxes(int* flags, const HWND* boxes)
{
    for (int i = 0; i < 8; ++i) {
        if (boxes[i])
            flags[kBoxEntries[i]] = SendMessageA(boxes[i], BM_GETCHECK, 0, 0) == BST_CHECKED ? 1 : 0;
    }
}
