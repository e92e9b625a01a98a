#pragma once
// The registry keys of the Java kits, switched for a test's life. Tests that
// use it hold the registry lock: no other test may look at the keys meanwhile.
#include <windows.h>

#include <cstring>
#include <string>

// Where 64-bit kits write, and where both widths of the suite look.
inline constexpr REGSAM kKitView = KEY_WOW64_64KEY;

// A Java key's CurrentVersion, switched for the test's life; a version key
// made for the test is removed again, and so is a CurrentVersion that was
// not there before.
class JavaVersionSwitch {
public:
    JavaVersionSwitch(const char* javaKey, const char* version, const std::string& home)
    {
        DWORD disposition = 0;
        RegCreateKeyExA(HKEY_LOCAL_MACHINE, javaKey, 0, nullptr, 0, KEY_ALL_ACCESS | kKitView, nullptr, &key,
                        &disposition);
        madeKey = disposition == REG_CREATED_NEW_KEY ? javaKey : "";
        char text[256] = {};
        DWORD size = sizeof text - 1;
        hadVersion = RegQueryValueExA(key, "CurrentVersion", nullptr, nullptr, reinterpret_cast<BYTE*>(text),
                                      &size) == ERROR_SUCCESS;
        original = text;
        madeVersion = version;
        if (!home.empty()) {
            HKEY versionKey;
            RegCreateKeyExA(key, version, 0, nullptr, 0, KEY_ALL_ACCESS | kKitView, nullptr, &versionKey,
                            nullptr);
            RegSetValueExA(versionKey, "JavaHome", 0, REG_SZ, reinterpret_cast<const BYTE*>(home.c_str()),
                           static_cast<DWORD>(home.size() + 1));
            RegCloseKey(versionKey);
        }
        Set(version);
    }
    ~JavaVersionSwitch()
    {
        if (hadVersion)
            Set(original.c_str());
        else
            RegDeleteValueA(key, "CurrentVersion");
        RegDeleteKeyA(key, madeVersion.c_str());
        RegCloseKey(key);
        if (!madeKey.empty())
            RegDeleteKeyExA(HKEY_LOCAL_MACHINE, madeKey.c_str(), kKitView, 0);
    }

private:
    void Set(const char* version)
    {
        RegSetValueExA(key, "CurrentVersion", 0, REG_SZ, reinterpret_cast<const BYTE*>(version),
                       static_cast<DWORD>(std::strlen(version) + 1));
    }
    HKEY key = nullptr;
    bool hadVersion = false;
    std::string original;
    std::string madeVersion;
    std::string madeKey;
};
