#include "run_command.h"

#include <cstring>

#include "garray.h"
#include "java_home.h"
#include "paths/path_text.h"

namespace {

// The pieces that a ";" ends; a rest after the last ";" is dropped.
template <class Add>
void ForEachPiece(const char* text, Add add)
{
    for (const char* end = std::strchr(text, ';'); end; end = std::strchr(text, ';')) {
        add(XString(text, static_cast<int>(end - text)));
        text = end + 1;
    }
}

}  // namespace

XString SiblingClassPathPart(const char* baseFolder, const ClassPathRecord& record)
{
    StringPtrList names;
    ForEachPiece(record.siblingClassPath.Data(), [&](const XString& piece) { names.InsertSorted(piece.Data()); });
    if (record.autoDetectJars)
        FindFilesByExtension(names, baseFolder, "jar");
    if (record.autoDetectZips)
        FindFilesByExtension(names, baseFolder, "zip");
    // A drive root ("C:\") already ends with the separator.
    const size_t baseLength = std::strlen(baseFolder);
    const bool endsWithSeparator = baseLength > 0 && baseFolder[baseLength - 1] == '\\';
    XString part;
    for (int i = 0; i < names.Count(); ++i) {
        part.AppendChar('"');
        part.Append(baseFolder);
        if (!endsWithSeparator)
            part.AppendChar('\\');
        part.AppendString(*names.StringAt(i));
        part.Append("\";");
    }
    return part;
}

XString MainClassCommandLine(const char* quotedJavaw, const char* baseFolder, const ClassPathRecord& record,
                             const char* className, const char* mainArgs)
{
    XString line(quotedJavaw);
    line.Append(" -classpath ");
    // A drive root must not end in \" : java would read the quote as text.
    AppendQuotedPath(line, baseFolder);
    line.AppendChar(';');
    line.AppendString(SystemClassPathPart(record.systemClassPath.Data()));
    line.AppendString(record.userZipClassPath);
    line.AppendString(record.userDirClassPath);
    line.AppendString(SiblingClassPathPart(baseFolder, record));
    line.AppendChar(' ');
    line.Append(className);
    line.AppendChar(' ');
    line.Append(mainArgs);
    return line;
}
