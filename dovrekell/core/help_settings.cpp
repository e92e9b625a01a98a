#include "help_settings.h"

namespace {

const char* const kRecords[] = {HelpSettings::kFavorite,    HelpSettings::kFind,
                                HelpSettings::kSearch,      HelpSettings::kSearchFile,
                                HelpSettings::kDocsFolders, HelpSettings::kDocsExtensions};

constexpr char kSearchOptionsKey[] = "KEY_2WORD";
constexpr char kWholeWordKey[] = "KEY_FIND_WHOLEWORD";
constexpr char kLastDirKey[] = "KEY_LASTDIR";

int Clamp(int value, int low, int high)
{
    return value < low ? low : value > high ? high : value;
}

}  // namespace

int HelpSettings::OpenAndInit(const char* path)
{
    Close();
    if (!file.File().Open(path, XFile::OpenExisting, 1) && !file.File().Create(path, 0))
        return 0;
    for (const char* record : kRecords)
        file.AddSection(record);  // adds only a record the file lacks
    return 1;
}

int HelpSettings::Open(const char* path)
{
    Close();
    return file.File().Open(path, XFile::OpenExisting, 1);
}

void HelpSettings::GetFavorites(StringList& locations)
{
    XString item;
    for (int more = file.FirstListItem(kFavorite, item); more; more = file.NextListItem(item)) {
        if (!item.IsEmpty())
            locations.Add(item);
    }
}

void HelpSettings::GetSearchOptions(int* caseSensitive, int* position)
{
    unsigned packed = 0;
    file.GetUInt(kSearch, kSearchOptionsKey, &packed);
    *caseSensitive = Clamp(static_cast<int>(packed & 0xFFFF), 0, 1);
    *position = Clamp(static_cast<int>(packed >> 16), 0, 3);
}

int HelpSettings::SetSearchOptions(int caseSensitive, int position)
{
    const unsigned packed = (static_cast<unsigned>(caseSensitive) & 0xFFFF) |
                            (static_cast<unsigned>(position) & 0xFFFF) << 16;
    return file.SetInt(kSearch, kSearchOptionsKey, static_cast<int>(packed));
}

int HelpSettings::GetWholeWord()
{
    int value = 0;
    return file.GetInt(kFind, kWholeWordKey, &value) && value != 0 ? 1 : 0;
}

int HelpSettings::SetWholeWord(int wholeWord)
{
    return file.SetInt(kFind, kWholeWordKey, wholeWord);
}

XString HelpSettings::GetLastDir()
{
    XString folder;
    file.GetRawString(folder, kDocsFolders, kLastDirKey);
    return folder;
}

int HelpSettings::SetLastDir(const char* folder)
{
    return file.SetRawString(folder, kDocsFolders, kLastDirKey);
}

XString HelpSettings::GetDocsFolder()
{
    XString folder;
    file.FirstListItem(kDocsFolders, folder);
    return folder;
}
