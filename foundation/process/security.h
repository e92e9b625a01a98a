#pragma once

#include <windows.h>

// On the NT family, children and pipes get a security descriptor with a null
// DACL and handle inheritance; other systems take none.
class InheritableAttributes {
public:
    InheritableAttributes();
    InheritableAttributes(const InheritableAttributes&) = delete;
    InheritableAttributes& operator=(const InheritableAttributes&) = delete;

    SECURITY_ATTRIBUTES* Get() { return isNt ? &attributes : nullptr; }

    static bool IsNt() { return (GetVersion() & 0x80000000u) == 0; }

private:
    bool isNt;
    SECURITY_DESCRIPTOR descriptor{};
    SECURITY_ATTRIBUTES attributes{};
};
