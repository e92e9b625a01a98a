#include "single_instance.h"

#include <cstdint>

namespace single_instance {

bool Publish(const char* name, HWND window)
{
    // Kept for the life of the process on purpose: closing either would
    // remove the slot while this instance still runs.
    HANDLE mapping = CreateFileMappingA(INVALID_HANDLE_VALUE, nullptr, PAGE_READWRITE, 0, 4, name);
    if (!mapping)
        return false;
    void* view = MapViewOfFile(mapping, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, 4);
    if (!view) {
        CloseHandle(mapping);
        return false;
    }
    // Window handles carry 32 significant bits, also in 64-bit processes.
    *static_cast<volatile uint32_t*>(view) = static_cast<uint32_t>(reinterpret_cast<UINT_PTR>(window));
    return true;
}

HWND Find(const char* name)
{
    HANDLE mapping = OpenFileMappingA(FILE_MAP_ALL_ACCESS, FALSE, name);
    if (!mapping)
        return nullptr;
    HWND window = nullptr;
    if (void* view = MapViewOfFile(mapping, FILE_MAP_READ | FILE_MAP_WRITE, 0, 0, 4)) {
        window = reinterpret_cast<HWND>(static_cast<UINT_PTR>(*static_cast<volatile uint32_t*>(view)));
        UnmapViewOfFile(view);
    }
    CloseHandle(mapping);
    return window;
}

bool RaiseExisting(const char* name)
{
    HWND window = Find(name);
    if (!window || !IsWindow(window))
        return false;
    ShowWindow(window, SW_RESTORE);
    SetForegroundWindow(window);
    return true;
}

}  // namespace single_instance
