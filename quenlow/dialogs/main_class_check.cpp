// The class file is read before <windows.h> comes in: its GetClassName
// macro would rename the reader's member.
#include "main_class_check.h"

#include <cstring>

#include "classfile/class_file.h"
#include "jar_command.h"
#include "xbuffer.h"
#include "xfile.h"

namespace {

// The this-class name of a whole, well-formed class file, dotted.
int ReadClassName(const char* path, XString& className)
{
    XFile file;
    if (!file.Open(path, XFile::OpenExisting, 0))
        return 0;
    XBuffer bytes;
    int length = 0;
    if (!file.ReadWhole(bytes, &length) || length <= 0)
        return 0;
    ClassFile classFile;
    int code = 0;
    if (!classFile.Parse(bytes.Data(), static_cast<size_t>(length), &code))
        return 0;
    const char* name = classFile.GetClassName(classFile.this_class);
    if (!name || !*name)
        return 0;
    className.Assign(name);
    className.ReplaceChar('/', '.');
    return 1;
}

}  // namespace

#include "seams.h"

namespace {

int Refuse(HWND owner, const char* text)
{
    seams::ShowMessage(owner, text, "Message", MB_OK);
    return 0;
}

}  // namespace

int CheckMainClass(const char* mainClassPath, XString& baseFolder, XString& className, HWND__* owner)
{
    if (!*mainClassPath)
        return Refuse(owner, "Please input an application class as Main class");
    const size_t length = std::strlen(mainClassPath);
    if (length < 7 || std::strcmp(mainClassPath + length - 6, ".class") != 0 ||
        !ReadClassName(mainClassPath, className))
        return Refuse(owner, "Main class is not an available class file");
    if (!ClassRootFromPath(mainClassPath, className.Data(), baseFolder))
        return Refuse(owner, "Main class is in wrong package directory");
    return 1;
}
