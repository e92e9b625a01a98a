#pragma once

#include "../garray.h"
#include "../xbuffer.h"
#include "../xfile.h"
#include "../xobject.h"
#include "../xstring.h"

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

    struct LineSpan {
        int start = 0;  // first byte of the line
        int next = 0;   // first byte after its CR LF
    };

    SettingsFile() = default;
    ~SettingsFile() override = default;

    // Opens the file for reading and writing, creating it when it is missing.
    int Open(const char* path);
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

    // Lists.
    int FirstListItem(const char* section, XString& item);
    int NextListItem(XString& item);
    int AddListItem(const char* section, const char* item, int checkDuplicates, int caseSensitive);
    int SetListText(const char* section, const char* text);
    int SetList(const StringList& items, const char* section);
    int GetList(StringList& items, const char* section);
    int ReadListToString(const char* section, XString& out, int quote);

#ifdef _WIN32
    // Combo boxes and list boxes; limit keeps the first 20 entries.
    int LoadListBox(HWND__* control, const char* section, int limit);
    int SaveListBox(HWND__* control, const char* section, int limit);
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
    int listLineStart = 0;
    int listNext = 0;
};

// The list block for a text of lines: one "(line)" CR LF per non-empty line.
XString BuildListBlock(const char* text);

// The text without white space at either end.
XString TrimWhiteSpace(const XString& s);
