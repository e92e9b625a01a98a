#pragma once

#include "xstring.h"

// The browser's document: only the path of the location shown, whose file
// title leads the frame's caption.
class ZDoc {
public:
    void SetPathName(const char* location) { path.Assign(location); }
    const XString& PathName() const { return path; }
    // The caption of a frame titled appTitle: "<file title> - <appTitle>".
    XString Caption(const char* appTitle) const;

private:
    XString path;
};
