#include "registry.h"

#include "xbuffer.h"

int ReadRegistryText(HKEY root, const char* subKey, const char* valueName, int maxBytes, XString& out, REGSAM view)
{
    if (maxBytes <= 0)
        return 0;
    HKEY key = nullptr;
    if (RegOpenKeyExA(root, subKey, 0, KEY_READ | view, &key) != ERROR_SUCCESS)
        return 0;
    // Room for the text, its NUL, and one byte more: a value stored without
    // its NUL (which the ANSI conversion may want to add) still ends inside
    // the buffer, and a text too long shows itself by its length.
    XBuffer buffer;
    if (!buffer.Resize(maxBytes + 2)) {
        RegCloseKey(key);
        return 0;
    }
    DWORD size = static_cast<DWORD>(maxBytes + 1);
    const LONG status = RegQueryValueExA(key, valueName, nullptr, nullptr,
                                         reinterpret_cast<BYTE*>(buffer.Text()), &size);
    RegCloseKey(key);
    if (status != ERROR_SUCCESS || size > static_cast<DWORD>(maxBytes + 1))
        return 0;
    buffer.Text()[size] = 0;
    const int length = lstrlenA(buffer.Text());  // up to the value's own NUL, when it has one
    if (length > maxBytes)
        return 0;
    out.Assign(buffer.Text(), length);
    return 1;
}

int ReadRegistryString(HKEY root, const char* subKey, const char* valueName, XString& out)
{
    return ReadRegistryText(root, subKey, valueName, kRegistryTextSize, out);
}

int WriteRegistryString(HKEY root, const char* subKey, const char* text)
{
    HKEY key = nullptr;
    if (RegCreateKeyExA(root, subKey, 0, nullptr, 0, KEY_WRITE, nullptr, &key,
                        nullptr) != ERROR_SUCCESS)
        return 0;
    const DWORD size = static_cast<DWORD>(lstrlenA(text) + 1);
    const LONG status = RegSetValueExA(key, nullptr, 0, REG_SZ, reinterpret_cast<const BYTE*>(text), size);
    RegCloseKey(key);
    return status == ERROR_SUCCESS ? 1 : 0;
}
