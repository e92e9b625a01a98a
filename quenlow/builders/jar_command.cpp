#include "jar_command.h"

#include <cctype>
#include <cstring>

#include "paths/path_text.h"

namespace {

constexpr char kClassSuffix[] = ".class";
constexpr size_t kClassSuffixLength = sizeof kClassSuffix - 1;
constexpr char kMainClassKey[] = "main-class:";
constexpr size_t kMainClassKeyLength = sizeof kMainClassKey - 1;

}  // namespace

int ClassRootFromPath(const char* path, const char* qualifiedName, XString& baseFolder)
{
    const size_t length = std::strlen(path);
    const size_t nameLength = std::strlen(qualifiedName);
    // "\" + name as folders + ".class" must fit behind a non-empty root.
    if (length < nameLength + kClassSuffixLength + 2)
        return 0;
    const size_t rootLength = length - nameLength - kClassSuffixLength - 1;
    if (path[rootLength] != '\\' || std::strcmp(path + length - kClassSuffixLength, kClassSuffix) != 0)
        return 0;
    for (size_t i = 0; i < nameLength; ++i) {
        const char c = path[rootLength + 1 + i] == '\\' ? '.' : path[rootLength + 1 + i];
        if (c != qualifiedName[i])
            return 0;
    }
    // A class of the default package right below a drive root keeps the root
    // itself ("C:\"), not the drive's current folder ("C:").
    const bool driveRoot = rootLength == 2 && path[1] == ':';
    baseFolder.Assign(path, static_cast<int>(driveRoot ? rootLength + 1 : rootLength));
    return 1;
}

int CheckManifestText(const char* text, size_t size, const char* mainClass, XString& error, int* entryFound)
{
    *entryFound = 0;
    size_t at = size;
    for (size_t i = 0; size - i >= kMainClassKeyLength; ++i) {
        size_t k = 0;
        while (k < kMainClassKeyLength &&
               std::tolower(static_cast<unsigned char>(text[i + k])) == kMainClassKey[k])
            ++k;
        if (k == kMainClassKeyLength) {
            at = i;
            break;
        }
    }
    if (at == size) {
        error.Assign("Error: can not find entry \"main-class:\"");
        return 0;
    }
    *entryFound = 1;
    size_t pos = at + kMainClassKeyLength;
    while (pos < size && text[pos] == ' ')
        ++pos;
    const size_t nameLength = std::strlen(mainClass);
    if (size - pos < nameLength || std::memcmp(text + pos, mainClass, nameLength) != 0) {
        error.Assign("Error: can not find entry main-class '");
        error.Append(mainClass);
        error.Append("' in manifest file");
        return 0;
    }
    pos += nameLength;
    if (pos >= size || (text[pos] != '\r' && text[pos] != '\n')) {
        error.Assign("Error: bad format of manifest file");
        return 0;
    }
    return 1;
}

XString DefaultManifestText(const char* mainClass)
{
    XString text("Main-Class: ");
    text.Append(mainClass);
    text.Append("\r\n\r\n");
    return text;
}

int RelativeNameStart(const char* baseFolder)
{
    const size_t length = std::strlen(baseFolder);
    return static_cast<int>(length > 0 && baseFolder[length - 1] == '\\' ? length : length + 1);
}

XString JarToolCommand(const char* jarTool, const char* manifest, bool compression, const char* target,
                       const StringPtrList& files, const char* baseFolder)
{
    XString command;
    AppendQuotedPath(command, jarTool);
    if (manifest) {
        command.Append(compression ? " cmfv " : " cmfv0 ");
        AppendQuotedPath(command, manifest);
        command.AppendChar(' ');
    } else {
        command.Append(compression ? " cfvM " : " cfvM0 ");
    }
    AppendQuotedPath(command, target);
    const int skip = RelativeNameStart(baseFolder);
    for (int i = 0; i < files.Count(); ++i) {
        const XString* file = files.StringAt(i);
        command.AppendChar(' ');
        AppendQuotedPath(command, file->Length() > skip ? file->Data() + skip : "");
    }
    return command;
}

XString BuildJarReport(const JarReportFacts& facts)
{
    XString report("Create for\texecutable jar\n\nAdd manifest\t");
    report.Append(facts.defaultManifest ? "default\n" : "user file\n");
    report.Append("\nCompression\t");
    report.Append(facts.compression ? "true\n" : "false\n");
    report.Append("Main class directory only\t");
    report.Append(facts.mainClassDirectoryOnly ? "true\n" : "false\n");
    report.Append("\nInclude files\t");
    report.Append(facts.includeAll ? "all\n" : "selected\n");
    report.Append("Exclude files\t");
    report.Append(facts.exclusionDisabled ? "disabled\n" : "selected\n");
    return report;
}
