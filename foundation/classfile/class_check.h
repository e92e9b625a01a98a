#pragma once

#include "classfile/class_info.h"
#include "xstring.h"

extern const char kFormatNotCorrect[];     // "Format of the class file is not correct\n"
extern const char kClassNameNotCorrect[];  // "Class name is not correct, it must be\n"
extern const char kPackageNotCorrect[];    // "Package is not correct, it must be\n"
extern const char kClassFileMissing[];     // "The class file does not exist or can not be opened:\n" + path

// A main method the java launcher starts: public static void main(String[])
// (or String...), with no other flag on it; in class files of Java 25 and
// later also a void main() or main(String[]) that is not private, static or
// not (an instance main needs a concrete class with a non-private
// constructor without parameters).
bool HasMainMethod(const ClassInfo& info);

// The message of a failed check: an "Error on <kind>" line and a blank line
// when the class is an application or an applet, then the text.
void ClassCheckMessage(const char* text, int isApplication, int isApplet, XString& message);

// Reads the class file at path and decides whether it may be run: 1 when it
// is neither an application nor an applet, or when its name and package agree
// with where it lies (then root is the class-path folder and fullName the
// dotted class name); 0 with message set otherwise.
int CheckClassFile(const char* path, int* isApplication, int* isApplet, XString& root, XString& fullName,
                   XString& message);

// Reads and classifies the class file at path: 1 when it is one well-formed
// class file (info filled), 0 when not, -1 when it cannot be opened.
int ReadClassFile(const char* path, ClassInfo& info, int* isApplication, int* isApplet);

// The byte-level halves of CheckClassFile, kept apart from the file access.
// ClassifyClass: 0 when the bytes are not one well-formed class file.
int ClassifyClass(const unsigned char* data, size_t size, ClassInfo& info, int* isApplication, int* isApplet);
// LocateClass: the class file's path against the class it holds; 1 with
// root and fullName set, 0 with message set.
int LocateClass(const char* path, const ClassInfo& info, int isApplication, int isApplet, XString& root,
                XString& fullName, XString& message);
