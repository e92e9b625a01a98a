#include "tool_settings.h"

#include <windows.h>

#include "paths/file_system.h"
#include "paths/path_text.h"

XString ZSettings::GetPath() const
{
    // The tools live in "<root>\bin"; the module path cut twice gives root.
    const XString module = GetModulePath();
    XString path = module.IsEmpty() ? XString() : PathDirectory(PathDirectory(module.Data()).Data());
    path.Append("\\Setting\\");
    path.Append(FileName());
    return path;
}

int ZSettings::LoadNames(HWND__* combo, int args)
{
    StringList names;
    CollectNames(names, args);
    for (int i = 0; i < names.Count(); ++i)
        SendMessageA(combo, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(names.At(i)->Data()));
    if (SendMessageA(combo, CB_GETCOUNT, 0, 0) > 0)
        SendMessageA(combo, CB_SETCURSEL, 0, 0);
    return names.Count();
}
