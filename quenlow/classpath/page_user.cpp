// The User page: archives and folders of the user's own, picked through the
// file dialog and the folder picker.
#include <cstring>

#include "browse_folder.h"
#include "classpath_sheet_ids.h"
#include "help.h"
#include "help_topics.h"
#include "paths/path_text.h"
#include "seams.h"
#include "sheet_cp.h"

namespace {

constexpr char kArchiveFilter[] =
    "jar files (*.jar)\0*.jar\0zip files (*.zip)\0*.zip\0compressed files (*.jar;*.zip)\0*.jar;*.zip\0"
    "all file (*.*)\0*.*\0";

void RemoveSelected(HWND page, int listId, const char* nothingSelected)
{
    HWND list = GetDlgItem(page, listId);
    if (SendMessageA(list, LB_GETCOUNT, 0, 0) <= 0)
        return;
    if (SendMessageA(list, LB_GETSELCOUNT, 0, 0) <= 0) {
        seams::ShowMessage(page, nothingSelected, "Message", MB_OK);
        return;
    }
    DeleteSelectedEntries(list);
}

}  // namespace

SheetCpPgUser::SheetCpPgUser(SheetCp& sheet) : CpPage(sheet, IDD_CP_USER, 1, kHelpCpUser) {}

PropertyPage::RouteTable SheetCpPgUser::Routes() const
{
    static const MessageRoute routes[] = {
        OnCommand(BN_CLICKED, IDC_CP_ZIP_ADD, &SheetCpPgUser::OnAddArchive),
        OnCommand(BN_CLICKED, IDC_CP_DIR_ADD, &SheetCpPgUser::OnAddFolder),
        OnCommand(BN_CLICKED, IDC_CP_ZIP_REMOVE, &SheetCpPgUser::OnRemoveArchives),
        OnCommand(BN_CLICKED, IDC_CP_DIR_REMOVE, &SheetCpPgUser::OnRemoveFolders),
    };
    return Table(routes);
}

INT_PTR SheetCpPgUser::HandleMessage(UINT message, WPARAM wParam, LPARAM lParam)
{
    if (message == WM_NCLBUTTONDOWN && wParam == HTHELP) {
        ShowHelpTopic(Handle(), kHelpCpUserOptions);
        return TRUE;
    }
    return CpPage::HandleMessage(message, wParam, lParam);
}

bool SheetCpPgUser::AddEntry(int listId, const XString& entry) const
{
    return AcceptEntry(Handle(), entry) && AddUnlessPresent(Item(listId), entry.Data());
}

INT_PTR SheetCpPgUser::OnAddArchive(WPARAM, LPARAM)
{
    SettingsFile settings;
    if (!settings.OpenExisting(sheet.SettingsPath().Data()))
        return TRUE;
    XString lastFolder;
    settings.GetLastFile(lastFolder);
    char path[MAX_PATH] = {};
    OPENFILENAMEA request = {};
    request.lStructSize = sizeof request;
    request.hwndOwner = Handle();
    request.lpstrFilter = kArchiveFilter;
    request.lpstrFile = path;
    request.nMaxFile = sizeof path;
    request.lpstrInitialDir = lastFolder.IsEmpty() ? nullptr : lastFolder.Data();
    request.Flags = OFN_FILEMUSTEXIST | OFN_PATHMUSTEXIST | OFN_HIDEREADONLY;
    if (seams::ChooseOpenFile(&request)) {
        const XString chosen(path);
        if (AcceptEntry(Handle(), chosen)) {
            AddUnlessPresent(Item(IDC_CP_ZIP_LIST), chosen.Data());
            settings.SetLastFile(PathDirectory(chosen.Data()).Data());
        }
    }
    settings.Close();
    return TRUE;
}

INT_PTR SheetCpPgUser::OnAddFolder(WPARAM, LPARAM)
{
    SettingsFile settings;
    if (!settings.OpenExisting(sheet.SettingsPath().Data()))
        return TRUE;
    XString lastFolder;
    settings.GetLastDir(lastFolder);
    BrowseHelper helper;
    helper.initialFolder = lastFolder.IsEmpty() ? nullptr : lastFolder.Data();
    XString chosen;
    // A drive root stays "D:\": "D:" alone is the drive's current folder.
    if (BrowseForFolder(Handle(), helper, chosen, seams::ChooseFolder) && AcceptEntry(Handle(), chosen)) {
        AddUnlessPresent(Item(IDC_CP_DIR_LIST), chosen.Data());
        settings.SetLastDir(chosen.Data());
    }
    settings.Close();
    return TRUE;
}

INT_PTR SheetCpPgUser::OnRemoveArchives(WPARAM, LPARAM)
{
    RemoveSelected(Handle(), IDC_CP_ZIP_LIST, "Please select zipped files for removing");
    return TRUE;
}

INT_PTR SheetCpPgUser::OnRemoveFolders(WPARAM, LPARAM)
{
    RemoveSelected(Handle(), IDC_CP_DIR_LIST, "Please select directories for removing");
    return TRUE;
}

void SheetCpPgUser::Load(SettingsFile& settings)
{
    int flags[SettingsFile::kClasspathFlagCount] = {};
    settings.GetUserClasspathFlags(flags);
    SetCheckBoxes(Handle(), flags);
    settings.LoadUserZipList(Item(IDC_CP_ZIP_LIST));
    settings.LoadUserDirList(Item(IDC_CP_DIR_LIST));
}

int SheetCpPgUser::Save(SettingsFile& settings)
{
    int flags[SettingsFile::kClasspathFlagCount];
    ReadRecord(flags);
    int saved = settings.SetUserClasspathFlags(flags);
    saved &= settings.SaveUserZipList(Item(IDC_CP_ZIP_LIST));
    saved &= settings.SaveUserDirList(Item(IDC_CP_DIR_LIST));
    return saved;
}
