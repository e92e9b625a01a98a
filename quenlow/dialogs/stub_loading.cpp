#include "stub_loading.h"

#include "help.h"
#include "help_topics.h"
#include "icon_check.h"
#include "paths/file_system.h"
#include "paths/path_text.h"
#include "seams.h"
#include "stub_file.h"

namespace {

int Tell(HWND owner, const char* text)
{
    seams::ShowMessage(owner, text, "Message", MB_OK);
    return 0;
}

const char* IconStubFailure(IconStubResult result)
{
    switch (result) {
    case IconStubResult::BadFormat: return "Bad format of user icon file";
    case IconStubResult::CannotConvert: return "Can not convert user icon file";
    case IconStubResult::CannotProcessSystemIcons: return "Can not process system icons";
    case IconStubResult::CannotReplace16: return "Error in replace 16x16 image";
    case IconStubResult::CannotReplace32: return "Error in replace 32x32 image";
    case IconStubResult::CannotReplace48: return "Error in replace 48x48 image";
    default: return nullptr;
    }
}

}  // namespace

int LoadPlainStub(HWND owner, const char* programDir, Bytes& stub)
{
    Bytes iconTable;
    if (!ReadStubFile(0, programDir, stub, iconTable))
        return Tell(owner, "Can not open compressed file");
    return 1;
}

int LoadIconStub(HWND owner, const char* iconFile, int richColors, int preferSameSize, const char* programDir,
                 Bytes& stub)
{
    Bytes bytes;
    if (!ReadFileBytes(iconFile, bytes))
        return Tell(owner, "Can not open user icon file");
    IconFile icon;
    if (!icon.Parse(bytes.data(), bytes.size()))
        return Tell(owner, IconStubFailure(IconStubResult::BadFormat));
    if (!icon.HasImages()) {
        if (seams::ShowMessage(owner, "The user icon file is not suitable for Quenlow\ndo you want to read help file now?",
                               "Message", MB_YESNO) == IDYES)
            ShowHelpTopic(owner, kHelpUserIcon);
        return 0;
    }
    const bool rich = richColors && icon.HasRichImage();
    Bytes iconTable;
    if (!ReadStubFile(rich ? 1 : 0, programDir, stub, iconTable))
        return Tell(owner, "Can not open compressed file");
    const IconStubResult result = PutIconIntoStub(icon, rich, preferSameSize != 0, stub, iconTable);
    if (result != IconStubResult::Done)
        return Tell(owner, IconStubFailure(result));
    return 1;
}

int ConfirmIconFormat(HWND owner, const CreateRequest& request, bool showTable)
{
    if (!request.exe || (!showTable && !request.userIcon))
        return 1;
    Bytes bytes;
    XString table;
    int standard = 0;
    const bool named = FileExists(request.iconFile.Data()) && !IsDirectory(request.iconFile.Data()) &&
                       lstrcmpiA(PathExtension(request.iconFile.Data()).Data(), "ico") == 0;
    if (!named || !ReadFileBytes(request.iconFile.Data(), bytes) ||
        !DescribeIconFormat(bytes.data(), bytes.size(), table, &standard))
        return Tell(owner, "It is not an available icon file");
    if (showTable) {
        seams::ShowMessage(owner, table.Data(), "Message", MB_OK);
    } else if (!standard &&
               seams::ShowMessage(owner, "The icon file is not in standard format,\ndo you want to read help file now?",
                                  "Message", MB_YESNO) == IDYES) {
        ShowHelpTopic(owner, kHelpUserIcon);
    }
    return standard;
}
