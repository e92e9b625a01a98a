#pragma once

#include "classfile/class_info.h"
#include "garray.h"
#include "xstring.h"

// What the debug dialogs offer: the class last checked for a run and its
// members. One per sheet.
struct DebugTarget {
    int valid = 0;
    XString classRoot;
    XString className;
    StringList fieldNames;
    StringList methodNames;

    void Clear();
    void Set(const XString& root, const XString& name, const ClassInfo& info);
};

// Kinds of a class file as the Find page sorts them.
enum ClassKind {
    kClassApplication = 2,
    kClassApplet = 4,
    kClassBoth = 6,
    kClassGeneral = 8,
    kClassFormatError = 10,   // unreadable, not a class file, or not read to its end
    kClassPackageError = 12,  // package and name disagree with the path
};

int ClassifyClassFile(const char* path);

// Whether the class file may be run as the wanted kind; 1 with the class
// root, the dotted class name and the target set, 0 with the error text.
int ClassCheck(const char* path, int wantApplication, XString& classRoot, XString& className, DebugTarget& target,
               XString& error);

extern const char kCanNotReadClass[];    // "can not read the class"
extern const char kWrongQualifyWith[];   // "wrong qualify with " + class name
extern const char kNotAnApplication[];   // "the class is not an application"
extern const char kNotAnApplet[];        // "the class is not an applet"
