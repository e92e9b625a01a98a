#pragma once

#include "settings/settings_file.h"

// The help browser's settings file ("<program folder>\Setting\Dovrekell.set"):
// its six records, their lists and the few keys the browser keeps. Each user
// builds one on the stack, opens it, reads or writes, and lets it close.
class HelpSettings {
public:
    static constexpr char kFavorite[] = "SECT_FAVORITE";
    static constexpr char kFind[] = "SECT_FIND";
    static constexpr char kSearch[] = "SECT_SEARCH";
    static constexpr char kSearchFile[] = "SECT_SEARCHFILE";
    static constexpr char kDocsFolders[] = "SECT_DLGOPJDKDOC";
    static constexpr char kDocsExtensions[] = "SECT_DLGOPJDKDOCEXTS";

    // Opens the file, creating it when missing, and appends every record it lacks.
    int OpenAndInit(const char* path);
    // Opens an existing file only; adds nothing.
    int Open(const char* path);
#ifdef _WIN32
    static XString GetPath();
    int OpenAndInit() { return OpenAndInit(GetPath().Data()); }
    int Open() { return Open(GetPath().Data()); }
#endif
    void Close() { file.Close(); }
    bool IsOpen() const { return file.IsOpen(); }

    // A record's list items in order (empty items kept).
    int GetList(const char* record, StringList& items) { return file.GetList(items, record); }
    // Replaces a record's list; each item one line (line breaks split items).
    int SetList(const char* record, const StringList& items) { return file.SetList(items, record); }
    // The favorite locations; empty items are skipped.
    void GetFavorites(StringList& locations);
    int SaveFavorites(const StringList& locations) { return SetList(kFavorite, locations); }

    // The title search's case flag (0..1) and position (0 any place, 1
    // beginning, 2 end, 3 middle), packed into one key.
    void GetSearchOptions(int* caseSensitive, int* position);
    int SetSearchOptions(int caseSensitive, int position);
    int GetWholeWord();
    int SetWholeWord(int wholeWord);
    XString GetLastDir();
    int SetLastDir(const char* folder);
    // The documentation folder: the first folder of the options' list.
    XString GetDocsFolder();

    SettingsFile& File() { return file; }

private:
    SettingsFile file;
};
