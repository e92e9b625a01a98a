#pragma once

#include <windows.h>

#include "create_request.h"
#include "icon_convert.h"

// The launcher stub for a built executable, each telling the user what went
// wrong (caption "Message") and returning 0, or returning 1.

// The plain stub (P0) of the stub file.
int LoadPlainStub(HWND owner, const char* programDir, Bytes& stub);

// The stub with the user's icon images in place of its own: the rich-colour
// stub when richColors is on and the icon holds an image deeper than 4 bits.
int LoadIconStub(HWND owner, const char* iconFile, int richColors, int preferSameSize, const char* programDir,
                 Bytes& stub);

// Whether the user's icon is one the stub can take. With showTable the
// table of its images is shown whatever it holds; otherwise a file that is
// not in standard format brings the offer to read the help page. Nothing to
// check (1) unless an exe with a user icon is asked for, or the table.
int ConfirmIconFormat(HWND owner, const CreateRequest& request, bool showTable);
