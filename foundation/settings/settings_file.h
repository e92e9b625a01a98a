#pragma once

#include "../garray.h"
#include "../xbuffer.h"
#include "../xfile.h"
#include "../xobject.h"
#include "../xstring.h"
#include "main_keys.h"

#ifdef _WIN32
struct HWND__;
#endif

// A settings tag file edited in place. Every get reads what is on disk now;
// every set rewrites only the bytes it changes and moves the rest of the file
// behind them. Layout of a section:
//   {SECT_NAME}
//   <KEY>
//   [KEY_NAME]value
//   <LIST>
//   (item)
// Lines end with CR LF; a line break inside a value is stored as 0xAB.
class SettingsFile : public XObject {
public:
    // A line of the file holds at most this many bytes; writes that would make
    // a longer line are refused, so every reader of the format can take it.
    static constexpr int kLineLimit = 999;
    static constexpr int kFlagCount = 13;
    static constexpr int kClasspathFlagCount = 9;
    static constexpr unsigned char kLineBreakByte = 0xAB;
    // How many entries a limited list (a history) keeps.
    static constexpr int kListLimit = 20;

    struct LineSpan {
        int start = 0;  // first byte of the line
        int next = 0;   // first byte after its CR LF
    };

    SettingsFile() = default;
    ~SettingsFile() override = default;

    // Opens the file for reading and writing, creating it when it is missing.
    int Open(const char* path);
    // Opens an existing file for reading and writing, or for reading only
    // when it can not be written (a read-only file): every get works then and
    // every set reports 0. 1 when the file is open, either way.
    int OpenExisting(const char* path);
    bool IsReadOnly() const { return readOnly; }
    void Close() { file.Close(); }
    bool IsOpen() const { return file.IsOpen(); }
    XFile& File() { return file; }

    // Building blocks.
    int FindSection(const char* header, LineSpan* span = nullptr);
    int AddSection(const char* name);
    int ReadLine(XString& line, LineSpan* span = nullptr);
    int WriteLine(const char* text);
    int WriteBlankLines(int n);
    int ReplaceRange(int start, int end, const char* text, int textLength = -1);
    int ReadTail(int offset, XBuffer& tail, int* length);

    // Values. Section and key are plain names ("SECT_MAIN", "KEY_MAIN_BOOLS").
    int GetInt(const char* section, const char* key, int* value);
    int GetUInt(const char* section, const char* key, unsigned* value);
    void GetString(XString& value, const char* section, const char* key, int flat);
    int SetString(const char* value, const char* section, const char* key);
    int GetRawString(XString& value, const char* section, const char* key);
    int SetRawString(const char* value, const char* section, const char* key);
    int SetInt(const char* section, const char* key, int value);
    int GetBools(int* flags, const char* section, const char* key);
    int SetBools(const int* flags, const char* section, const char* key);
    int GetCpBools(const char* section, const char* key, int* record, int* flags);
    int SetCpBools(const char* section, const char* key, const int* flags);
    // Removes the key's line from the section's key part; 0 when there is none.
    int RemoveKey(const char* section, const char* key);

    // Lists.
    int FirstListItem(const char* section, XString& item);
    int NextListItem(XString& item);
    int AddListItem(const char* section, const char* item, int checkDuplicates, int caseSensitive);
    int SetListText(const char* section, const char* text);
    int SetList(const StringList& items, const char* section);
    int GetList(StringList& items, const char* section);
    int ReadListToString(const char* section, XString& out, int quote);
    // List entries that saves on this object left out, each too long for a
    // line of the file; the rest of each list was saved. The owner of the
    // saves tells the user (LeftOutMessage) once for all of them.
    const StringList& LeftOut() const { return leftOut; }
    // The list as a control shows it: items trimmed, blank ones left out;
    // limit keeps the first kListLimit. The count of items added.
    int LoadListItems(StringList& items, const char* section, int limit);
    // Replaces the list with the items; limit keeps the first kListLimit.
    int SaveListItems(const StringList& items, const char* section, int limit);

#ifdef _WIN32
    // The same for combo boxes and list boxes. A combo's edit text becomes
    // its newest entry before it is saved.
    int LoadListBox(HWND__* control, const char* section, int limit);
    int SaveListBox(HWND__* control, const char* section, int limit);
#endif

    // The main program's file. OpenAndInit opens it (creating it when it is
    // missing) and appends each fixed section it lacks, with its defaults.
    int OpenAndInit(const char* path);
    // Appends each fixed section that the open file lacks, with its defaults,
    // behind every byte the file had. 1 when all of them can then be found.
    int AddMissingSections();
#ifdef _WIN32
    static XString GetPath();  // "<program directory>\Setting\Quenlow.set"
    int OpenAndInit() { return OpenAndInit(GetPath().Data()); }
#endif

    // Any key of the main program's table, as its row says: defaults when
    // missing, ranges held on reading, flag sets of the row's size.
    int GetKeyInt(MainKey id) { return GetRowInt(kMainKeys[id]); }
    unsigned GetKeyUInt(MainKey id) { return GetRowUInt(kMainKeys[id]); }
    void GetKeyFlags(MainKey id, int* flags) { GetRowFlags(kMainKeys[id], flags); }
    void GetKeyText(MainKey id, XString& text, int flat = 0) { GetRowText(kMainKeys[id], text, flat); }
    int SetKeyInt(MainKey id, int value) { return SetRowInt(kMainKeys[id], value); }
    int SetKeyFlags(MainKey id, const int* flags) { return SetRowFlags(kMainKeys[id], flags); }
    int SetKeyText(MainKey id, const char* text) { return SetRowText(kMainKeys[id], text); }
    // The same for a key of any program's table.
    int GetRowInt(const SettingsKey& row);
    unsigned GetRowUInt(const SettingsKey& row);
    void GetRowFlags(const SettingsKey& row, int* flags);
    void GetRowText(const SettingsKey& row, XString& text, int flat = 0);
    int SetRowInt(const SettingsKey& row, int value);
    int SetRowFlags(const SettingsKey& row, const int* flags);
    int SetRowText(const SettingsKey& row, const char* text);

    int GetProgramInit() { return GetKeyInt(kKeyProgramInit); }
    int SetProgramInit(int value) { return SetKeyInt(kKeyProgramInit, value); }
    void GetMainBools(int* flags) { GetKeyFlags(kKeyMainBools, flags); }
    int SetMainBools(const int* flags) { return SetKeyFlags(kKeyMainBools, flags); }
    int GetMenuExpand() { return GetKeyInt(kKeyMenuExpand); }
    int SetMenuExpand(int value) { return SetKeyInt(kKeyMenuExpand, value); }
    void GetDoubleClickDoc(XString& text) { GetKeyText(kKeyDoubleClickDoc, text); }
    int SetDoubleClickDoc(const char* text) { return SetKeyText(kKeyDoubleClickDoc, text); }
    void GetExplorerOptions(int* flags, int* appletWidth, int* appletHeight);
    int SetExplorerOptions(const int* flags, int appletWidth, int appletHeight);
    int GetSheetPage(int pageCount);  // held to 0 .. pageCount - 1
    int SetSheetPage(int page) { return SetKeyInt(kKeySheetPage, page); }
    void GetClasspathFlags(int* flags) { GetKeyFlags(kKeyClasspathBools, flags); }
    int SetClasspathFlags(const int* flags) { return SetKeyFlags(kKeyClasspathBools, flags); }
    void GetFileOptions(int* bit0, int* bit1);
    int SetFileOptions(int bit0, int bit1);
    int GetFileInts() { return GetKeyInt(kKeyFileInts); }
    int SetFileInts(int seconds) { return SetKeyInt(kKeyFileInts, seconds); }
    void GetMenuOptions(int* flags) { GetKeyFlags(kKeyMenuBools, flags); }
    int SetMenuOptions(const int* flags) { return SetKeyFlags(kKeyMenuBools, flags); }
    void GetIconOptions(int* flags) { GetKeyFlags(kKeyIconBools, flags); }
    int SetIconOptions(const int* flags) { return SetKeyFlags(kKeyIconBools, flags); }
    void GetOtherJavaFlags(int* flags) { GetKeyFlags(kKeyOtherJavaBools, flags); }
    int SetOtherJavaFlags(const int* flags) { return SetKeyFlags(kKeyOtherJavaBools, flags); }
    void GetOtherJavaOptions(XString& text, int flat) { GetKeyText(kKeyOtherJavaOptions, text, flat); }
    int SetOtherJavaOptions(const char* text) { return SetKeyText(kKeyOtherJavaOptions, text); }
    void GetMainArgsFlags(int* flags) { GetKeyFlags(kKeyMainArgsBools, flags); }
    int SetMainArgsFlags(const int* flags) { return SetKeyFlags(kKeyMainArgsBools, flags); }
    void GetLastFile(XString& text) { GetKeyText(kKeyLastFile, text); }
    int SetLastFile(const char* text) { return SetKeyText(kKeyLastFile, text); }
    void GetLastDir(XString& text) { GetKeyText(kKeyLastDir, text); }
    int SetLastDir(const char* text) { return SetKeyText(kKeyLastDir, text); }
    void GetUserClasspathFlags(int* flags) { GetKeyFlags(kKeyUserClasspathBools, flags); }
    int SetUserClasspathFlags(const int* flags) { return SetKeyFlags(kKeyUserClasspathBools, flags); }
    void GetOneForAllFlags(int* flags) { GetKeyFlags(kKeyOneForAllBools, flags); }
    int SetOneForAllFlags(const int* flags) { return SetKeyFlags(kKeyOneForAllBools, flags); }
    void GetSiblingFlags(int* flags) { GetKeyFlags(kKeySiblingBools, flags); }
    int SetSiblingFlags(const int* flags) { return SetKeyFlags(kKeySiblingBools, flags); }

    // Class paths from the lists; empty when a list is empty or missing.
    int LoadSystemClasspaths(StringList& items) { return GetList(items, kSectionSystemClasspath); }
    int SaveSystemClasspaths(const StringList& items) { return SetList(items, kSectionSystemClasspath); }
    void GetSystemClasspath(XString& classPath);   // item; item; ...
    void GetUserZipClasspath(XString& classPath);  // "item";"item";...
    void GetUserDirClasspath(XString& classPath);
    void GetSiblingClasspath(XString& classPath);
    // The included extensions ("class" always among them, sorted) unless
    // allFiles is set; the excluded ones unless noExclusion is set.
    void GetExtensionLists(int allFiles, StringPtrList& include, int noExclusion, StringList& exclude);

#ifdef _WIN32
    int LoadMainClassList(HWND__* control) { return LoadListBox(control, kSectionMainClasses, 0); }
    int SaveMainClassList(HWND__* control) { return SaveListBox(control, kSectionMainClasses, 0); }
    int LoadOutputList(HWND__* control) { return LoadListBox(control, kSectionOutputs, 0); }
    int SaveOutputList(HWND__* control) { return SaveListBox(control, kSectionOutputs, 0); }
    int LoadIconList(HWND__* control) { return LoadListBox(control, kSectionIcons, 0); }
    int SaveIconList(HWND__* control) { return SaveListBox(control, kSectionIcons, 0); }
    int LoadManifestList(HWND__* control) { return LoadListBox(control, kSectionManifests, 0); }
    int SaveManifestList(HWND__* control) { return SaveListBox(control, kSectionManifests, 0); }
    int LoadIncludeExtensions(HWND__* control) { return LoadListBox(control, kSectionIncludeExtensions, 0); }
    int SaveIncludeExtensions(HWND__* control) { return SaveListBox(control, kSectionIncludeExtensions, 0); }
    int LoadExcludeExtensions(HWND__* control) { return LoadListBox(control, kSectionExcludeExtensions, 0); }
    int SaveExcludeExtensions(HWND__* control) { return SaveListBox(control, kSectionExcludeExtensions, 0); }
    int LoadUserZipList(HWND__* control) { return LoadListBox(control, kSectionUserZips, 0); }
    int SaveUserZipList(HWND__* control) { return SaveListBox(control, kSectionUserZips, 0); }
    int LoadUserDirList(HWND__* control) { return LoadListBox(control, kSectionUserDirs, 0); }
    int SaveUserDirList(HWND__* control) { return SaveListBox(control, kSectionUserDirs, 0); }
    int LoadSiblingList(HWND__* control) { return LoadListBox(control, kSectionSiblings, 1); }
    int SaveSiblingList(HWND__* control) { return SaveListBox(control, kSectionSiblings, 1); }
#endif

private:
    struct KeyLookup {
        bool found = false;
        LineSpan line;      // the key line when found
        int insertAt = 0;   // where a missing key line goes
        XString value;      // the rest of the key line
    };
    struct ListBounds {
        int start = 0;      // first byte after the "<LIST>" line
        int lastItemEnd = 0;  // after the last "(" line, or start
    };

    int LookUpKey(const char* section, const char* key, KeyLookup& lookup);
    int WriteKeyLine(const char* section, const char* key, const char* value, int valueLength = -1);
    int FindList(const char* section, ListBounds& bounds, const char* duplicate = nullptr,
                 int caseSensitive = 1);
    int InsertListBlock(const char* section, const XString& block, int replaceItems);

    XFile file;
    StringList leftOut;
    bool readOnly = false;
    int listLineStart = 0;
    int listNext = 0;
};

// Where a line of a settings file ends: one rule for every reader of the
// format. CR LF ends a line and belongs to neither line; a CR without LF ends
// it too and stays its last character; a lone LF is an ordinary byte. Returns
// the end of the line's text; *next receives the start of the next line (size
// when the line is the last one).
int SettingsLineEnd(const char* data, int size, int pos, int* next);

// Whether text appended after these bytes starts a line of its own.
bool EndsWithLineEnd(const char* data, int size);

// The list block for a text of lines: one "(line)" CR LF per non-empty line.
XString BuildListBlock(const char* text);

// What the user is told of list entries a save left out: each named by its
// beginning and its length.
XString LeftOutMessage(const StringList& entries);

// The text without white space at either end.
XString TrimWhiteSpace(const XString& s);
