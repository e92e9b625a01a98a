#include "class_target.h"

#include "classfile/class_check.h"

const char kCanNotReadClass[] = "can not read the class";
const char kWrongQualifyWith[] = "wrong qualify with ";
const char kNotAnApplication[] = "the class is not an application";
const char kNotAnApplet[] = "the class is not an applet";

namespace {

void CopyNames(const MemberDescArray& members, StringList& names)
{
    names.RemoveAll();
    for (int i = 0; i < members.Count(); ++i)
        names.Add(members.At(i)->name);
}

XString DottedName(const ClassInfo& info)
{
    XString name(info.package);
    if (!name.IsEmpty())
        name.AppendChar('.');
    name.AppendString(info.className);
    return name;
}

}  // namespace

void DebugTarget::Clear()
{
    valid = 0;
    classRoot.Assign("");
    className.Assign("");
    fieldNames.RemoveAll();
    methodNames.RemoveAll();
}

void DebugTarget::Set(const XString& root, const XString& name, const ClassInfo& info)
{
    valid = 1;
    classRoot.Copy(root);
    className.Copy(name);
    CopyNames(info.fields, fieldNames);
    CopyNames(info.methods, methodNames);
}

int ClassifyClassFile(const char* path)
{
    ClassInfo info;
    int isApplication = 0;
    int isApplet = 0;
    if (ReadClassFile(path, info, &isApplication, &isApplet) <= 0)
        return kClassFormatError;
    XString root;
    XString name;
    XString message;
    if (!LocateClass(path, info, isApplication, isApplet, root, name, message))
        return kClassPackageError;
    if (isApplication && isApplet)
        return kClassBoth;
    return isApplication ? kClassApplication : isApplet ? kClassApplet : kClassGeneral;
}

int ClassCheck(const char* path, int wantApplication, XString& classRoot, XString& className, DebugTarget& target,
               XString& error)
{
    target.Clear();
    ClassInfo info;
    int isApplication = 0;
    int isApplet = 0;
    if (ReadClassFile(path, info, &isApplication, &isApplet) <= 0) {
        error.Assign(kCanNotReadClass);
        return 0;
    }
    className = DottedName(info);
    XString located;
    XString message;
    if (!LocateClass(path, info, isApplication, isApplet, classRoot, located, message)) {
        error.Assign(kWrongQualifyWith);
        error.AppendString(className);
        return 0;
    }
    if (wantApplication ? !isApplication : !isApplet) {
        error.Assign(wantApplication ? kNotAnApplication : kNotAnApplet);
        return 0;
    }
    target.Set(classRoot, className, info);
    return 1;
}
