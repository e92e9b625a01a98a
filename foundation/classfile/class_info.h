#pragma once

#include <cstddef>
#include <vector>

#include "classfile/class_file.h"
#include "classfile/class_texts.h"
#include "classfile/owning_array.h"
#include "garray.h"
#include "xobject.h"
#include "xstring.h"

struct InnerClassDesc {
    int access = 0;   // inner_class_access_flags
    XString name;
};

struct MemberDesc {
    int access = 0;
    XString name;     // a field's name; a method's name with its parameter types
    XString type;     // the field's type or the method's return type
    StringList names; // a method's thrown exception classes

    // A class has as many of these as members, made and dropped together.
    static void* operator new(size_t size);
    static void operator delete(void* record, size_t size);
};

using InnerClassDescArray = OwningArray<InnerClassDesc>;
using MemberDescArray = OwningArray<MemberDesc>;

// The readable view of a parsed class as strings of their own: Java source
// names, member types and the classes it uses outside its own package, as
// ClassTexts reads them.
class ClassInfo : public XObject {
public:
    ClassInfo() = default;
    ClassInfo(const ClassInfo&) = delete;
    ClassInfo& operator=(const ClassInfo&) = delete;
    ~ClassInfo() override = default;

    void Clear();
    // Clears, then fills from a successful parse.
    void Fill(const ClassFile& file);

    // Descriptor decoding, names in the '/' form; object types are recorded
    // as referenced. Each appends to out; several types of one run are
    // joined by ",".
    void DecodeType(const char* descriptor, int length, XString& out);
    void DecodeObjectType(const char* descriptor, int length, XString& out);
    void DecodeParameters(const char* piece, int length, XString& out);

    // ClassNames
    int access = 0;
    // The class file's major version: which launcher rules apply to it.
    int majorVersion = 0;
    XString sourceFile;
    XString package;
    XString className;
    // Sorted by byte value, no duplicates.
    StringPtrList referencedClasses;
    // SuperTypes
    StringList interfaces;
    XString superClass;

    InnerClassDescArray innerClasses;
    MemberDescArray fields;
    MemberDescArray methods;

private:
    void Decode(ClassTexts::Descriptor kind, const char* descriptor, int length, XString& out);
    void FillMembers(const ClassTexts& texts, const std::vector<MemberTexts>& from, MemberDescArray& to);
};

// The calling thread keeps the blocks of the strings and member records it
// drops for the next ones (see spare_blocks.h); the thread that builds class
// outlines asks for it.
void KeepSpareBlocksForThisThread();
bool SpareBlocksKeptByThisThread();
