#include "classfile/class_check.h"

#include <cstring>

#include "xbuffer.h"
#include "xfile.h"

const char kFormatNotCorrect[] = "Format of the class file is not correct\n";
const char kClassNameNotCorrect[] = "Class name is not correct, it must be\n";
const char kPackageNotCorrect[] = "Package is not correct, it must be\n";
const char kClassFileMissing[] = "The class file does not exist or can not be opened:\n";

namespace {

const char kErrorOn[] = "Error on ";
const char kKindBoth[] = "application and applet";
const char kKindApplication[] = "application";
const char kKindApplet[] = "applet";
const char kKindEnd[] = "\n\n";
const char kMainName[] = "main";
const char kStringType[] = "java.lang.String";
const char kVoid[] = "void";
const char kSwingApplet[] = "javax.swing.JApplet";
const char kAwtApplet[] = "java.applet.Applet";
constexpr int kPublicStatic = 0x0009;
constexpr int kAccPrivate = 0x0002;
constexpr int kAccStatic = 0x0008;
constexpr int kAccVarargs = 0x0080;  // main(String... args)
constexpr int kAccInterface = 0x0200;
constexpr int kAccAbstract = 0x0400;
// From this class-file version on, the launcher also runs a main() without
// parameters and a main that is not static or not public.
constexpr int kInstanceMainMajorVersion = 69;
const char kConstructor[] = "<init>";
constexpr int kClassSuffixLength = 6;  // ".class"

// Windows takes both; the native build's paths use '/'.
bool IsSeparator(char c)
{
    return c == '\\' || c == '/';
}

// The file name without folder and extension: the text between the last
// separator and the last dot; empty when that dot lies in a folder name.
XString FileTitle(const char* path)
{
    const int length = static_cast<int>(std::strlen(path));
    int lastSeparator = -1;
    int lastDot = -1;
    for (int i = 0; i < length; ++i) {
        if (IsSeparator(path[i]))
            lastSeparator = i;
        else if (path[i] == '.')
            lastDot = i;
    }
    if (lastDot < 0)
        return XString(path + lastSeparator + 1);
    if (lastDot < lastSeparator)
        return XString();
    return XString(path + lastSeparator + 1, lastDot - lastSeparator - 1);
}

const char* SkipBlanks(const char* p)
{
    while (*p == ' ')
        ++p;
    return p;
}

const char* SkipWord(const char* p, const char* word)
{
    p = SkipBlanks(p);
    const size_t n = std::strlen(word);
    return std::strncmp(p, word, n) == 0 ? p + n : nullptr;
}

// A method's name text is its name, "(" and then, with blanks allowed
// before each, the given parts.
bool IsMethodSignature(const XString& name, const char* method, const char* const* parts, int partCount)
{
    const int prefixLength = static_cast<int>(std::strlen(method));
    if (name.Length() <= prefixLength + 1 || name.CompareN(method, prefixLength) != 0 ||
        name.Data()[prefixLength] != '(')
        return false;
    const char* p = name.Data() + prefixLength + 1;
    for (int i = 0; i < partCount; ++i) {
        p = SkipWord(p, parts[i]);
        if (!p)
            return false;
    }
    return true;
}

bool IsMainSignature(const XString& name)
{
    static const char* const kParts[] = {kStringType, "[", "]", ")"};
    return IsMethodSignature(name, kMainName, kParts, 4);
}

bool HasNoParameters(const XString& name, const char* method)
{
    static const char* const kParts[] = {")"};
    return IsMethodSignature(name, method, kParts, 1);
}

// An instance main needs an object: a concrete class with a constructor
// without parameters that the launcher may call.
bool LauncherCanInstantiate(const ClassInfo& info)
{
    if (info.access & (kAccInterface | kAccAbstract))
        return false;
    for (int i = 0; i < info.methods.Count(); ++i) {
        const MemberDesc& method = *info.methods.At(i);
        if (HasNoParameters(method.name, kConstructor) && !(method.access & kAccPrivate))
            return true;
    }
    return false;
}

bool IsLaunchableMain(const ClassInfo& info, const MemberDesc& method)
{
    // The launcher only starts a main that returns void.
    if (std::strcmp(method.type.Data(), kVoid) != 0)
        return false;
    if (info.majorVersion < kInstanceMainMajorVersion)
        return (method.access & ~kAccVarargs) == kPublicStatic && IsMainSignature(method.name);
    if (!IsMainSignature(method.name) && !HasNoParameters(method.name, kMainName))
        return false;
    if (method.access & (kAccPrivate | kAccAbstract))
        return false;
    return (method.access & kAccStatic) || LauncherCanInstantiate(info);
}

bool StartsWith(const XString& text, const char* prefix)
{
    return std::strncmp(text.Data(), prefix, std::strlen(prefix)) == 0;
}

int Fail(const char* text, const XString& detail, int isApplication, int isApplet, XString& message)
{
    ClassCheckMessage(text, isApplication, isApplet, message);
    message.AppendString(detail);
    return 0;
}

}  // namespace

bool HasMainMethod(const ClassInfo& info)
{
    for (int i = 0; i < info.methods.Count(); ++i) {
        if (IsLaunchableMain(info, *info.methods.At(i)))
            return true;
    }
    return false;
}

void ClassCheckMessage(const char* text, int isApplication, int isApplet, XString& message)
{
    message.Assign("", 0);
    if (isApplication || isApplet) {
        message.Assign(kErrorOn);
        message.Append(isApplication && isApplet ? kKindBoth : isApplication ? kKindApplication : kKindApplet);
        message.Append(kKindEnd);
    }
    message.Append(text);
}

int ClassifyClass(const unsigned char* data, size_t size, ClassInfo& info, int* isApplication, int* isApplet)
{
    *isApplication = 0;
    *isApplet = 0;
    ClassFile file;
    int code = 0;
    if (!file.Parse(data, size, &code) || !file.endedAtEnd)
        return 0;
    info.Fill(file);
    *isApplication = HasMainMethod(info) ? 1 : 0;
    *isApplet = StartsWith(info.superClass, kSwingApplet) || StartsWith(info.superClass, kAwtApplet) ? 1 : 0;
    return 1;
}

int LocateClass(const char* path, const ClassInfo& info, int isApplication, int isApplet, XString& root,
                XString& fullName, XString& message)
{
    if (std::strcmp(info.className.Data(), FileTitle(path).Data()) != 0)
        return Fail(kClassNameNotCorrect, info.className, isApplication, isApplet, message);

    fullName.Copy(info.package);
    if (!fullName.IsEmpty())
        fullName.AppendChar('.');
    fullName.AppendString(info.className);

    // The path must end in <package folders>\<class name>.class, below a
    // non-empty class-path folder.
    const int pathLength = static_cast<int>(std::strlen(path));
    const int nameLength = fullName.Length();
    if (pathLength <= nameLength + kClassSuffixLength + 1)
        return Fail(kPackageNotCorrect, fullName, isApplication, isApplet, message);
    const int rootLength = pathLength - nameLength - kClassSuffixLength - 1;
    XString folders(path + rootLength + 1, nameLength);
    folders.ReplaceChar('\\', '.');
    folders.ReplaceChar('/', '.');
    if (std::strcmp(folders.Data(), fullName.Data()) != 0 || !IsSeparator(path[rootLength]))
        return Fail(kPackageNotCorrect, fullName, isApplication, isApplet, message);

    // A bare drive ("C:") names the drive's current folder, not its root, so
    // the root keeps its separator there.
    const bool bareDrive = rootLength == 2 && path[1] == ':';
    root.Assign(path, bareDrive ? rootLength + 1 : rootLength);
    return 1;
}

int ReadClassFile(const char* path, ClassInfo& info, int* isApplication, int* isApplet)
{
    *isApplication = 0;
    *isApplet = 0;
    XFile file;
    XBuffer content;
    int length = 0;
    if (!file.Open(path, XFile::OpenExisting, 0))
        return -1;
    if (file.GetSize() > 0 && file.ReadWhole(content, &length))
        return ClassifyClass(content.Data(), static_cast<size_t>(length), info, isApplication, isApplet);
    return 0;
}

int CheckClassFile(const char* path, int* isApplication, int* isApplet, XString& root, XString& fullName,
                   XString& message)
{
    ClassInfo info;
    const int read = ReadClassFile(path, info, isApplication, isApplet);
    if (read < 0) {
        // A file that is not there has no format to blame.
        message.Assign(kClassFileMissing);
        message.Append(path);
        message.Append("\n");
        return 0;
    }
    if (read == 0) {
        ClassCheckMessage(kFormatNotCorrect, 0, 0, message);
        return 0;
    }
    if (!*isApplication && !*isApplet)
        return 1;
    return LocateClass(path, info, *isApplication, *isApplet, root, fullName, message);
}
