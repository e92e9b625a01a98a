#include "registration.h"

#include <shlwapi.h>

#include "com_glue.h"
#include "pivrellon_ids.h"
#include "xstring.h"

namespace {

const char kApprovedKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Shell Extensions\\Approved";
const char kApprovalText[] = "Pivrellon extension";
const char kModuleMark[] = "%MODULE%";

#define CLASS_KEY "CLSID\\" QUENLOW_MENU_CLSID_TEXT
#define HANDLER_SUBKEY "\\shellex\\ContextMenuHandlers\\Quenlow"

// A value under HKEY_CLASSES_ROOT (a null name is the key's default value; a
// null text makes the key only).
struct RegistryRow {
    const char* key;
    const char* name;
    const char* text;
};

const RegistryRow kRows[] = {
    {"Pivrellon.QuenlowMenu.1", nullptr, "QuenlowMenu Class"},
    {"Pivrellon.QuenlowMenu.1\\CLSID", nullptr, QUENLOW_MENU_CLSID_TEXT},
    {"Pivrellon.QuenlowMenu", nullptr, "QuenlowMenu Class"},
    {"Pivrellon.QuenlowMenu\\CLSID", nullptr, QUENLOW_MENU_CLSID_TEXT},
    {"Pivrellon.QuenlowMenu\\CurVer", nullptr, "Pivrellon.QuenlowMenu.1"},
    {CLASS_KEY, nullptr, "QuenlowMenu Class"},
    {CLASS_KEY "\\ProgID", nullptr, "Pivrellon.QuenlowMenu.1"},
    {CLASS_KEY "\\VersionIndependentProgID", nullptr, "Pivrellon.QuenlowMenu"},
    {CLASS_KEY "\\Programmable", nullptr, nullptr},
    {CLASS_KEY "\\InprocServer32", nullptr, kModuleMark},
    {CLASS_KEY "\\InprocServer32", "ThreadingModel", "Apartment"},
    {CLASS_KEY "\\TypeLib", nullptr, PIVRELLON_TYPELIB_TEXT},
    {"*" HANDLER_SUBKEY, nullptr, QUENLOW_MENU_CLSID_TEXT},
    {"Folder" HANDLER_SUBKEY, nullptr, QUENLOW_MENU_CLSID_TEXT},
    {"Directory" HANDLER_SUBKEY, nullptr, QUENLOW_MENU_CLSID_TEXT},
};

// Removed whole at unregistration. "CLSID", "*", "Folder", "Directory" and
// their shellex parts are shared with every other program and stay.
const char* const kRemovedKeys[] = {
    "Pivrellon.QuenlowMenu.1",
    "Pivrellon.QuenlowMenu",
    CLASS_KEY,
    "*" HANDLER_SUBKEY,
    "Folder" HANDLER_SUBKEY,
    "Directory" HANDLER_SUBKEY,
};

bool IsWindowsNt()
{
    return (GetVersion() & 0x80000000u) == 0;
}

HRESULT WriteRow(const RegistryRow& row, const XString& module)
{
    HKEY key = nullptr;
    LONG status = RegCreateKeyExA(HKEY_CLASSES_ROOT, row.key, 0, nullptr, REG_OPTION_NON_VOLATILE, KEY_SET_VALUE,
                                  nullptr, &key, nullptr);
    if (status != ERROR_SUCCESS)
        return HRESULT_FROM_WIN32(status);
    if (row.text) {
        const char* text = row.text == kModuleMark ? module.Data() : row.text;
        status = RegSetValueExA(key, row.name, 0, REG_SZ, reinterpret_cast<const BYTE*>(text),
                                static_cast<DWORD>(strlen(text) + 1));
    }
    RegCloseKey(key);
    return HRESULT_FROM_WIN32(status);
}

bool TypeLibraryRegistered()
{
    HKEY key = nullptr;
    if (RegOpenKeyExA(HKEY_CLASSES_ROOT, "TypeLib\\" PIVRELLON_TYPELIB_TEXT, 0, KEY_READ, &key) != ERROR_SUCCESS)
        return false;
    RegCloseKey(key);
    return true;
}

HRESULT WithTypeLibrary(bool registering)
{
    // A type library that is not registered is already unregistered; the
    // system's answer for that case differs between versions.
    if (!registering && !TypeLibraryRegistered())
        return S_OK;
    WCHAR widePath[MAX_PATH + 1];
    ITypeLib* library = nullptr;
    HRESULT result = LoadOwnTypeLibrary(&library, widePath);
    if (FAILED(result))
        return result;
    if (registering) {
        result = RegisterTypeLib(library, widePath, nullptr);
    } else {
        TLIBATTR* attributes = nullptr;
        result = library->GetLibAttr(&attributes);
        if (SUCCEEDED(result)) {
            result = UnRegisterTypeLib(attributes->guid, attributes->wMajorVerNum, attributes->wMinorVerNum,
                                       attributes->lcid, attributes->syskind);
            library->ReleaseTLibAttr(attributes);
        }
    }
    library->Release();
    return result;
}

}  // namespace

HRESULT ApproveShellExtension(bool approve)
{
    if (!IsWindowsNt())
        return S_OK;
    HKEY key = nullptr;
    LONG status = RegOpenKeyExA(HKEY_LOCAL_MACHINE, kApprovedKey, 0, KEY_SET_VALUE, &key);
    if (status != ERROR_SUCCESS) {
        // Without the list there is nothing to take the class off.
        return !approve && status == ERROR_FILE_NOT_FOUND ? S_OK : E_ACCESSDENIED;
    }
    if (approve) {
        status = RegSetValueExA(key, QUENLOW_MENU_CLSID_TEXT, 0, REG_SZ,
                                reinterpret_cast<const BYTE*>(kApprovalText), sizeof kApprovalText);
    } else {
        status = RegDeleteValueA(key, QUENLOW_MENU_CLSID_TEXT);
        // A value that is already missing leaves the list as unregistration wants it.
        if (status == ERROR_FILE_NOT_FOUND)
            status = ERROR_SUCCESS;
    }
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? S_OK : E_ACCESSDENIED;
}

HRESULT RegisterMenuServer()
{
    const XString module = ModulePath();
    for (const RegistryRow& row : kRows) {
        const HRESULT result = WriteRow(row, module);
        if (FAILED(result))
            return result;
    }
    return WithTypeLibrary(true);
}

HRESULT UnregisterMenuServer()
{
    HRESULT result = S_OK;
    for (const char* removed : kRemovedKeys) {
        const DWORD status = SHDeleteKeyA(HKEY_CLASSES_ROOT, removed);
        if (status != ERROR_SUCCESS && status != ERROR_FILE_NOT_FOUND && SUCCEEDED(result))
            result = HRESULT_FROM_WIN32(status);
    }
    const HRESULT library = WithTypeLibrary(false);
    return FAILED(result) ? result : library;
}
