#include "install_registry.h"

#include <shlwapi.h>

#include <cstring>

#include "paths/file_system.h"
#include "registry.h"

const char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
const char kUninstallValue[] = "QuenlowUninstall";
const char kInstallValue[] = "QuenlowInstall";
const char kDocumentType[] = "quenlow.document";
const char kAssociationKeptMessage[] =
    "Double click on class files is not set up:\n.class files stay with the program that opens them now,\n"
    "whose file type could not be kept to put back at uninstallation.\n";

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

namespace {

constexpr char kClassExtension[] = ".class";

enum class EarlierType { None, Ours, Other, Unreadable };

// What HKCR .class names now. A default value that is not a text this
// program can read and write back as it was counts as unreadable.
EarlierType ReadEarlierType(XString& type)
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, kClassExtension, 0, KEY_QUERY_VALUE, &key) != ERROR_SUCCESS)
        return EarlierType::None;
    DWORD kind = 0;
    DWORD size = 0;
    const LONG status = RegQueryValueExA(key, nullptr, nullptr, &kind, nullptr, &size);
    RegCloseKey(key);
    if (status == ERROR_FILE_NOT_FOUND)
        return EarlierType::None;
    if (status != ERROR_SUCCESS || kind != REG_SZ ||
        !ReadRegistryString(HKEY_CLASSES_ROOT, kClassExtension, nullptr, type))
        return EarlierType::Unreadable;
    if (type.IsEmpty())
        return EarlierType::None;
    return lstrcmpiA(type.Data(), kDocumentType) == 0 ? EarlierType::Ours : EarlierType::Other;
}

// Takes .class's default value away; the key goes too when nothing else
// is left in it, so another program's sub-keys and values stay.
void RemoveClassType()
{
    HKEY key;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, kClassExtension, 0, KEY_QUERY_VALUE | KEY_SET_VALUE, &key) != ERROR_SUCCESS)
        return;
    RegDeleteValueA(key, "");
    DWORD subKeys = 0;
    DWORD values = 0;
    const LONG status = RegQueryInfoKeyA(key, nullptr, nullptr, nullptr, &subKeys, nullptr, nullptr, &values,
                                         nullptr, nullptr, nullptr, nullptr);
    RegCloseKey(key);
    if (status == ERROR_SUCCESS && subKeys == 0 && values == 0)
        RegDeleteKeyA(HKEY_CLASSES_ROOT, kClassExtension);
}

}  // namespace

int SetClassAssociation(SettingsFile& settings, const char* programPath, int runApplications, int runApplets,
                        int showErrors, int monitorStreams, int appletWidth, int appletHeight)
{
    XString earlier;
    switch (ReadEarlierType(earlier)) {
    case EarlierType::Unreadable:
        return 0;
    case EarlierType::Other: {
        // Another program's type is replaced only once it is kept for the
        // uninstallation to put back.
        XString kept;
        if (!settings.SetDoubleClickDoc(earlier.Data()))
            return 0;
        settings.GetDoubleClickDoc(kept);
        if (std::strcmp(kept.Data(), earlier.Data()) != 0)
            return 0;
        break;
    }
    default:
        break;
    }
    int flags[SettingsFile::kFlagCount] = {};
    settings.GetKeyFlags(kKeyExplorerBools, flags);
    flags[0] = runApplications;
    flags[1] = runApplets;
    flags[2] = showErrors;
    flags[3] = monitorStreams;
    settings.SetExplorerOptions(flags, appletWidth, appletHeight);
    WriteRegistryString(HKEY_CLASSES_ROOT, kClassExtension, kDocumentType);
    XString commandKey(kDocumentType);
    commandKey.Append("\\shell\\open\\command");
    WriteRegistryString(HKEY_CLASSES_ROOT, commandKey.Data(), OpenCommandFor(programPath).Data());
    return 1;
}

int RemoveClassAssociation(SettingsFile& settings)
{
    XString current;
    // Only the association this program wrote is taken back: a type another
    // program has set since stays.
    if (ReadEarlierType(current) == EarlierType::Ours) {
        XString earlier;
        settings.GetDoubleClickDoc(earlier);
        if (!earlier.IsEmpty())
            WriteRegistryString(HKEY_CLASSES_ROOT, kClassExtension, earlier.Data());
        else
            RemoveClassType();
    }
    settings.SetDoubleClickDoc("");
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
