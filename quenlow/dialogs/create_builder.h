#pragma once

#include <windows.h>

#include <functional>

#include "create_checks.h"
#include "create_request.h"
#include "exe_container.h"
#include "process/runner_create.h"
#include "process/runner_owner.h"
#include "settings/settings_file.h"
#include "xstring.h"

// What the checks before a build decided it packs.
struct CreateSources {
    XString jarTool;        // the unquoted jar.exe
    XString baseFolder;     // the class-path root of the main class
    XString className;      // dotted
    XString mainArgs;       // the main() arguments an executable carries
    XString collectFolder;  // the folder whose files are packed
};

// What a Create keeps for the next ones of this session.
struct CreateMemory {
    // The folder whose files last went into an argument file.
    XString argumentFileFolder;
};

// What the creating information shows of a finished build.
struct CreateResult {
    XString title;
    XString report;
};

// Builds the Windows executable or the executable jar of a Create: runs the
// jar tool through the create runner, whose output goes to runnerOwner's
// pane, and tells the user in message boxes owned by window what went wrong.
class CreateBuilder {
public:
    CreateBuilder(HWND window, SettingsFile& settings, RunnerCreate& runner, RunnerOwner& runnerOwner,
                  CreateMemory& memory);
    // A tool held for a build that stopped before running it is ended.
    ~CreateBuilder();
    CreateBuilder(const CreateBuilder&) = delete;
    CreateBuilder& operator=(const CreateBuilder&) = delete;

    // 1 when the file was created, with its report in result.
    int BuildExe(const CreateRequest& request, const CreateSources& sources, CreateResult& result);
    int BuildJar(const CreateRequest& request, const CreateSources& sources, CreateResult& result);

private:
    // What the executable's trailer carries for this request.
    ExeTrailerFields TrailerFields(const CreateRequest& request, const CreateSources& sources);
    // Finds the files to pack and makes the jar tool's command for them. A
    // folder whose last Create needed an argument file most likely needs one
    // again: the tool's process, whose command line is then known, is made
    // and held while the files are found, and goes once its file is written.
    int PrepareJarTool(const CreateRequest& request, const CreateSources& sources, const char* target,
                       const char* manifest, JarCommand& jar);
    // Runs the jar tool with the command and judges its run: 1 when it
    // started, ended in time with exit code 0; 0 after telling the user.
    // whileRunning, when given, is done once the tool has started, before
    // its end is waited for.
    int RunJarTool(const char* baseFolder, const JarCommand& jar, int exe,
                   const std::function<void()>& whileRunning = nullptr);

    HWND window;
    SettingsFile& settings;
    RunnerCreate& runner;
    RunnerOwner& runnerOwner;
    CreateMemory& memory;
};
