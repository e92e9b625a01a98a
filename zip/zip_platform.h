#pragma once

// What the reader needs from the operating system, passed in so that the
// parsing core stays free of Win32 and runs natively under the sanitizers.
struct ZipPlatform {
    // Rewrites length bytes in place from the OEM code page to the ANSI one.
    void (*oemToAnsi)(char* text, int length);
    // Converts length bytes of UTF-8 to the ANSI code page into out (room for
    // length bytes: no character grows) and returns the bytes written.
    int (*utf8ToAnsi)(const char* text, int length, char* out);
    // True when the path lies on a drive whose volumes the user swaps.
    bool (*isRemovableDrive)(const char* path);
};

// The Win32 conversions on Windows; natively, names pass unchanged and no
// drive is removable.
const ZipPlatform& ZipSystemPlatform();
