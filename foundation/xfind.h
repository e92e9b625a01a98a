#pragma once

#include <windows.h>

#include "xobject.h"
#include "xstring.h"

// A directory search that is always closed again: by Close, by a new
// FindFirst, or by the destructor.
class XFind : public XObject {
public:
    XFind() = default;
    XFind(const XFind&) = delete;
    XFind& operator=(const XFind&) = delete;
    ~XFind() override;

    bool FindFirst(const char* pattern);
    bool FindNext();
    bool IsDots() const;
    bool IsDirectory() const;
    void Close();

    const WIN32_FIND_DATAA& Found() const { return found; }
    const char* FileName() const { return found.cFileName; }
    const XString& Directory() const { return directory; }  // pattern up to its last backslash
    XString& Extra() { return extra; }                       // for the caller's use

private:
    HANDLE search = nullptr;
    XString directory;
    WIN32_FIND_DATAA found{};
    XString extra;
};
