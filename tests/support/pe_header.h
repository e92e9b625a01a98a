#pragma once
// Reads a program's subsystem from its PE header as the loader sees it, for
// tests that check what kind of program a file is.
#include <windows.h>

#include <cstring>
#include <string>

// IMAGE_SUBSYSTEM_WINDOWS_GUI (2), IMAGE_SUBSYSTEM_WINDOWS_CUI (3), ...; 0
// when the bytes hold no PE image.
inline unsigned PeSubsystemOf(const std::string& bytes)
{
    IMAGE_DOS_HEADER dos;
    if (bytes.size() < sizeof dos)
        return 0;
    std::memcpy(&dos, bytes.data(), sizeof dos);
    const size_t nt = static_cast<size_t>(dos.e_lfanew);
    if (dos.e_magic != IMAGE_DOS_SIGNATURE || bytes.size() < nt + sizeof(IMAGE_NT_HEADERS64))
        return 0;
    DWORD signature;
    WORD magic;
    std::memcpy(&signature, bytes.data() + nt, sizeof signature);
    std::memcpy(&magic, bytes.data() + nt + 4 + sizeof(IMAGE_FILE_HEADER), sizeof magic);
    if (signature != IMAGE_NT_SIGNATURE)
        return 0;
    if (magic == IMAGE_NT_OPTIONAL_HDR32_MAGIC) {
        IMAGE_NT_HEADERS32 headers;
        std::memcpy(&headers, bytes.data() + nt, sizeof headers);
        return headers.OptionalHeader.Subsystem;
    }
    if (magic == IMAGE_NT_OPTIONAL_HDR64_MAGIC) {
        IMAGE_NT_HEADERS64 headers;
        std::memcpy(&headers, bytes.data() + nt, sizeof headers);
        return headers.OptionalHeader.Subsystem;
    }
    return 0;
}
