#include "run_command.h"

#include "java_home.h"
#include "paths/path_text.h"
#include "sibling_class_path.h"

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
    line.AppendString(SiblingClassPathPart(baseFolder, record.siblingClassPath.Data(), record.autoDetectJars,
                                           record.autoDetectZips));
    line.AppendChar(' ');
    line.Append(className);
    line.AppendChar(' ');
    line.Append(mainArgs);
    return line;
}
