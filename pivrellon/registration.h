#pragma once

#include <windows.h>

// Puts the class on (or takes it off) the shell's list of approved
// extensions; only NT keeps that list.
HRESULT ApproveShellExtension(bool approve);

// The class, its ProgIDs, the type library and the context-menu handler keys.
HRESULT RegisterMenuServer();
HRESULT UnregisterMenuServer();
