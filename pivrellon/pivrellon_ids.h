#pragma once

// Registry forms of the library's identifiers.
#define QUENLOW_MENU_CLSID_TEXT "{7A41C2E5-3B9D-4F08-A6C1-5D2E8B90F3A4}"
#define PIVRELLON_TYPELIB_TEXT "{7A41C2E1-3B9D-4F08-A6C1-5D2E8B90F3A4}"

// Resources.
#define IDR_TYPELIB 1
#define IDS_PROJNAME 100
#define IDI_PIVRELLON 201
#define IDB_MENU_SUITE 506
#define IDB_MENU_COMPILE 507
#define IDB_MENU_EXECUTE 508

#ifndef RC_INVOKED
#include <windows.h>

extern const CLSID CLSID_QuenlowMenu;
extern const IID LIBID_PIVRELLONLib;
extern const IID IID_IQuenlowMenu;
#endif
