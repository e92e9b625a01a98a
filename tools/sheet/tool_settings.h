#pragma once

#include "settings/settings_file.h"

// The settings store of the two tools: the tag-file engine over the tool's
// own file ("\Setting\ExecuteDebug.set" or "\Setting\Compile.set"), with one
// accessor pair per key. It lives on the stack of the operation that needs
// it; the file is open from Open until the destructor.

enum class ToolKind { ExecuteDebug, Compile };

// Sections of the execute-and-debug tool's file (the compile tool has only
// kToolSectionMain).
extern const char kToolSectionMain[];
extern const char kSectionArgs[];
extern const char kSectionParams[];
extern const char kSectionDlgDebug[];
extern const char kSectionDlgDebugClasses[];
extern const char kSectionDlgDebugMethods[];
extern const char kSectionDlgDebugFields[];
extern const char kSectionDebugCommands[];
extern const char kSectionExecStdin[];
extern const char kSectionExecSuffix[];

// How a named set's save went.
enum class NamedSave { Stored, TooMany, TooLong, BadName, NotWritten };

class ZSettings : public SettingsFile {
public:
    // At most this many named sets per section are kept; a load deletes the
    // rest.
    static constexpr int kNamedSetLimit = 21;
    static constexpr int kAppletMinimum = 100;

    explicit ZSettings(ToolKind kind) : kind(kind) {}

    ToolKind Kind() const { return kind; }
    // The file name under "<root>\Setting".
    const char* FileName() const;

    // Opens the file as it exists, else creates it, and appends each of the
    // tool's sections that it lacks. 0 when it can be neither opened nor
    // created.
    int Open(const char* path);
    // The file for reading and writing as it exists, nothing added.
    int OpenExisting(const char* path);
#ifdef _WIN32
    // "<root>\Setting\<file>", root being the folder above the program's bin.
    XString GetPath() const;
    int Open() { return Open(GetPath().Data()); }
    int OpenExisting() { return OpenExisting(GetPath().Data()); }
#endif

    // Both tools. Flag counts: execute-and-debug 5, compile 6.
    void GetOptionBools(int* flags);
    int SetOptionBools(const int* flags);
    int GetMainBools();
    int SetMainBools(int on);
    void GetUserCmd(XString& text);
    int SetUserCmd(const char* text);

    // Execute-and-debug tool.
    void GetAppletSize(int* width, int* height);
    int SetAppletSize(int width, int height);
    void GetFindBools(int* flags);  // six flags
    int SetFindBools(const int* flags);
    int GetDebugBools();
    int SetDebugBools(int on);
    int GetExecBools();
    int SetExecBools(int on);
    int GetDlgClassBytes(int* value);  // 1 when the key exists
    int SetDlgClassBytes(int value);
    int GetDlgWatchBytes(int* first, int* second);
    int SetDlgWatchBytes(int first, int second);

    // Named argument (args 1) and parameter (args 0) sets.
    void ReadNamed(const char* name, XString& content, int args);
    NamedSave WriteNamed(const char* name, const char* content, int args);
    // The names in file order, at most kNamedSetLimit; the lines of further
    // names are deleted from the file.
    void CollectNames(StringList& names, int args);
    int DeleteKey(const char* section, const char* key) { return RemoveKey(section, key); }

    // Compile tool.
    void GetTarget(XString& text);
    int SetTarget(const char* text);
    void GetOptionInts(int* style, int* output);
    int SetOptionInts(int style, int output);
    int GetCompInts();
    int SetCompInts(int pause);
    // The output-folder history as its combo box shows it, for a page that
    // has no window yet.
    int LoadMainHistory(StringList& items) { return LoadListItems(items, kToolSectionMain, 1); }
    int SaveMainHistory(const StringList& items) { return SaveListItems(items, kToolSectionMain, 1); }

#ifdef _WIN32
    int LoadClassHistory(HWND__* combo) { return LoadListBox(combo, kSectionDlgDebugClasses, 1); }
    int SaveClassHistory(HWND__* combo) { return SaveListBox(combo, kSectionDlgDebugClasses, 1); }
    int LoadMethodHistory(HWND__* combo) { return LoadListBox(combo, kSectionDlgDebugMethods, 1); }
    int SaveMethodHistory(HWND__* combo) { return SaveListBox(combo, kSectionDlgDebugMethods, 1); }
    int LoadFieldHistory(HWND__* combo) { return LoadListBox(combo, kSectionDlgDebugFields, 1); }
    int SaveFieldHistory(HWND__* combo) { return SaveListBox(combo, kSectionDlgDebugFields, 1); }
    int LoadDebugCommands(HWND__* combo) { return LoadListBox(combo, kSectionDebugCommands, 1); }
    int SaveDebugCommands(HWND__* combo) { return SaveListBox(combo, kSectionDebugCommands, 1); }
    int LoadStdinHistory(HWND__* combo) { return LoadListBox(combo, kSectionExecStdin, 1); }
    int SaveStdinHistory(HWND__* combo) { return SaveListBox(combo, kSectionExecStdin, 1); }
    int LoadSuffixHistory(HWND__* combo) { return LoadListBox(combo, kSectionExecSuffix, 1); }
    int SaveSuffixHistory(HWND__* combo) { return SaveListBox(combo, kSectionExecSuffix, 1); }
    int LoadMainHistory(HWND__* combo) { return LoadListBox(combo, kToolSectionMain, 1); }
    int SaveMainHistory(HWND__* combo) { return SaveListBox(combo, kToolSectionMain, 1); }
    // Fills the combo box with CollectNames and selects its first entry.
    int LoadNames(HWND__* combo, int args);
#endif

private:
    const SettingsKey& Row(int key) const;
    int GetOneFlag(int key);
    int SetOneFlag(int key, int on);

    ToolKind kind;
};

// The message a refused named set shows, or null when it was stored.
const char* NamedSaveRefusal(NamedSave result);
