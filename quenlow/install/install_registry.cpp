#include "install_registry.h"

#include <shlwapi.h>

#include <cstring>

#include "paths/file_system.h"
#include "registry.h"

const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kUninstallValue[] = "QuenlowUninstall";
const char kInstallValue[] = "QuenlowInstall";
const char kDocumentType[] = "quenlow.document";

int WriteRunValue(const char* name, const char* text)
{
    HKEY run;
    if (RegCreateKeyExA(HKEY_CURRENT_USER, kRunKey, 0, nullptr, 0, KEY_SET_VALUE, nullptr, &run, nullptr) !=
        ERROR_SUCCESS)
        return 0;
    const LONG written = RegSetValueExA(run, name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                        static_cast<DWORD>(std::strlen(text) + 1));
    RegCloseKey(run);
    return written == ERROR_SUCCESS;
}

int ReadRunValue(const char* name, XString& text)
{
    return ReadRegistryText(HKEY_CURRENT_USER, kRunKey, name, kRegistryTextSize, text);
}

int DeleteRunValue(const char* name)
{
    HKEY run;
    if (RegOpenKeyExA(HKEY_CURRENT_USER, kRunKey, 0, KEY_SET_VALUE, &run) != ERROR_SUCCESS)
        return 0;
    const LONG deleted = RegDeleteValueA(run, name);
    RegCloseKey(run);
    return deleted == ERROR_SUCCESS;
}

int DeleteKeyTree(HKEY root, const char* subKey)
{
    return SHDeleteKeyA(root, subKey) == ERROR_SUCCESS;
}

bool RegisterShellMenu(bool doRegister)
{
    if (OleInitialize(nullptr) != S_OK)
        return false;
    bool registered = false;
    XString library = GetBinDir();
    library.Append("\\Pivrellon.dll");
    HMODULE module = LoadLibraryExA(library.Data(), nullptr, LOAD_WITH_ALTERED_SEARCH_PATH);
    if (module) {
        using Export = HRESULT(STDAPICALLTYPE*)();
        auto entry = reinterpret_cast<Export>(reinterpret_cast<void*>(
            GetProcAddress(module, doRegister ? "DllRegisterServer" : "DllUnregisterServer")));
        if (entry)
            registered = entry() == 0;
        FreeLibrary(module);
    }
    OleUninitialize();
    return registered;
}

XString OpenCommandFor(const char* programPath)
{
    XString command("\"");
    command.Append(programPath);
    command.Append("\" /double-click \"%1\"");
    return command;
}

void SetClassAssociation(SettingsFile& settings, const char* programPath, int runApplications, int runApplets,
                         int showErrors, int monitorStreams, int appletWidth, int appletHeight)
{
    XString earlier;
    if (ReadRegistryString(HKEY_CLASSES_ROOT, ".class", nullptr, earlier) && !earlier.IsEmpty() &&
        lstrcmpiA(earlier.Data(), kDocumentType) != 0)
        settings.SetDoubleClickDoc(earlier.Data());
    int flags[SettingsFile::kFlagCount] = {};
    settings.GetKeyFlags(kKeyExplorerBools, flags);
    flags[0] = runApplications;
    flags[1] = runApplets;
    flags[2] = showErrors;
    flags[3] = monitorStreams;
    settings.SetExplorerOptions(flags, appletWidth, appletHeight);
    WriteRegistryString(HKEY_CLASSES_ROOT, ".class", kDocumentType);
    XString commandKey(kDocumentType);
    commandKey.Append("\\shell\\open\\command");
    WriteRegistryString(HKEY_CLASSES_ROOT, commandKey.Data(), OpenCommandFor(programPath).Data());
}

int RemoveClassAssociation(SettingsFile& settings)
{
    XString earlier;
    settings.GetDoubleClickDoc(earlier);
    if (!earlier.IsEmpty()) {
        WriteRegistryString(HKEY_CLASSES_ROOT, ".class", earlier.Data());
        settings.SetDoubleClickDoc("");
    } else {
        DeleteKeyTree(HKEY_CLASSES_ROOT, ".class");
    }
    // With its shell\open\command below it, a plain key delete would fail.
    DeleteKeyTree(HKEY_CLASSES_ROOT, kDocumentType);
    return 1;
}

namespace {
const char* SkipBlanks(const char* p)
{
    while (*p == ' ')
        ++p;
    return p;
}
}  // namespace

bool UninstallCommandNames(const char* command, const char* directory)
{
    const char* p = SkipBlanks(command);
    if (*p != '"')
        return false;
    p = std::strchr(p + 1, '"');
    if (!p)
        return false;
    p = SkipBlanks(p + 1);
    if (std::strncmp(p, "/uninstall", 10) != 0)
        return false;
    p = SkipBlanks(p + 10);
    return lstrcmpiA(p, directory) == 0;
}
