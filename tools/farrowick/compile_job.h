#pragma once

#include <atomic>
#include <vector>

#include "xstring.h"

// What the compile tool compiles and how: the units (folders with their
// source files, kept sorted by path), the options the Options page hands
// over, the counters of a running compile and the report at its end. No
// Win32: built and tested natively as well.

enum CompileStyle { kCompileWhole = 0, kCompileByDirectory = 1, kCompileByFile = 2 };
enum OutputChoice { kOutputLocal = 0, kOutputDefault = 1, kOutputFolder = 2 };

struct CompileOptions {
    int output = kOutputLocal;
    XString outputFolder;
    int g = 0;
    int deprecation = 0;
    int nowarn = 0;
    int verbose = 0;
    int autoStyle = 0;
    int noUserCommand = 0;
    int style = kCompileWhole;
    XString target;
    XString userCommand;
};

struct CompileFile {
    unsigned char failed = 0;
    unsigned char compiled = 0;
    XString name;
};

struct CompileDirectory {
    XString path;
    std::vector<CompileFile> files;
    unsigned char failed = 0;
    unsigned char compiled = 0;
};

class ZCompileJob {
public:
    // Byte-wise, case-sensitive binary search: the index of the directory, or
    // where it would be inserted; found says which.
    int FindDirectory(const char* path, int& found) const;
    // The folder part (before the last '\') names the unit; the file keeps
    // the order of adding within it.
    void AddFile(const char* path);
    void ClearFiles() { directories.clear(); }

    int DirectoryCount() const { return static_cast<int>(directories.size()); }
    const CompileDirectory& Directory(int index) const { return directories[index]; }
    int FileCount() const;
    // 0 when the global index is out of range.
    int FileAt(int index, int& directory, int& file) const;

    // One line per file: the quoted path and LF.
    XString WholeText() const;
    XString DirectoryText(int index) const;
    XString FileText(int index) const;

    // The outcome of the unit at index in the style (nothing for a whole).
    void RecordResult(int style, int index, int failed);
    // Empty for a whole; else the headline and the directory or file report.
    XString Report(int style) const;

    // A compile of one directory or one file runs as a whole when the
    // automatic style is on.
    int EffectiveStyle() const;

    CompileOptions options;
    XString displayCommand;
    XString startDirectory;
    // Shared with the runner's threads: the step on the window thread reads
    // them while the error reader advances the unit.
    std::atomic<int> currentUnit{0};
    std::atomic<int> failedUnits{0};
    std::atomic<int> compiling{0};

private:
    void AppendFileLine(XString& text, const CompileDirectory& directory, const CompileFile& file) const;
    XString DirectoryReport() const;
    XString FileReport() const;

    std::vector<CompileDirectory> directories;
};
