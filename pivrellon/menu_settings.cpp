#include "menu_settings.h"

#include <windows.h>

#include "menu_settings_parse.h"
#include "xbuffer.h"

bool MenuSettings::ReadInt(const char* section, const char* key, int* value) const
{
    // Read access only, so a read-only file still gives its values; writing
    // is shared because the main program keeps this file open for writing
    // while it runs.
    HANDLE file = CreateFileA(path.Data(), GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE, nullptr,
                              OPEN_EXISTING, FILE_ATTRIBUTE_NORMAL, nullptr);
    if (file == INVALID_HANDLE_VALUE)
        return false;
    bool found = false;
    const DWORD size = GetFileSize(file, nullptr);
    XBuffer bytes;
    DWORD got = 0;
    if (size != INVALID_FILE_SIZE && size < 0x7FFFFFFF && bytes.Resize(static_cast<int>(size) + 1) &&
        ReadFile(file, bytes.Data(), size, &got, nullptr) && got == size) {
        found = FindSettingInt(bytes.Data(), got, section, key, value);
    }
    CloseHandle(file);
    return found;
}
