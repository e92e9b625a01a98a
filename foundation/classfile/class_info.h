#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "classfile/class_file.h"
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
    // Set by the readers, which turn a member's texts into Java form while
    // they are fresh; ToDottedNames then has nothing left to do for it.
    bool javaForm = false;

    // A class has as many of these as members, made and dropped together.
    static void* operator new(size_t size);
    static void operator delete(void* record, size_t size);
};

using InnerClassDescArray = OwningArray<InnerClassDesc>;
using MemberDescArray = OwningArray<MemberDesc>;

// The readable view of a parsed class: Java source names, member types and
// the classes it uses outside its own package. Filled in one order after a
// successful parse: Clear, FromClassFile, ReadFields, ReadMethods,
// ToDottedNames. Before the last step the class's own names and the
// referenced classes are in the internal '/' form (the name tests compare
// them so); a member's texts are in Java form once its reader is done.
class ClassInfo : public XObject {
public:
    ClassInfo() = default;
    ClassInfo(const ClassInfo&) = delete;
    ClassInfo& operator=(const ClassInfo&) = delete;
    ~ClassInfo() override = default;

    void Clear();
    void FromClassFile(const ClassFile& file);
    void ReadFields(const ClassFile& file);
    void ReadMethods(const ClassFile& file);
    void ToDottedNames();
    // The whole fill in its fixed order.
    void Fill(const ClassFile& file);

    // Descriptor decoding; object types are recorded as referenced. Each
    // appends to out; several types of one run are joined by ",".
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
    // While the readers decode a member's types: names go into the text in
    // Java form (recorded in '/' form first), so the member needs no second
    // pass over its texts.
    bool decodingJavaForm = false;

    // The referenced classes again, by a hash of their '/' form, until
    // ToDottedNames: most names are met many times, and finding one here
    // costs one comparison where the sorted search costs several.
    struct ReferencedSlot {
        uint64_t hash;
        const XString* name;  // null: free
    };
    std::vector<ReferencedSlot> referencedSlots;  // a power of two long, or empty
    int referencedSlotsUsed = 0;

    void RecordReferenced(const char* name);
    void RecordReferenced(const char* name, size_t length);  // name[length] is its NUL
    void AddReferencedSlot(uint64_t hash, const XString* name);
    void ReadClassAttributes(const ClassFile& file);
    void ReadInnerClasses(const ClassFile& file, const AttributeInfo& attribute);
    // Which name indices of method attributes are the exceptions' one: a
    // class's methods share a few names, and each costs a constant look-up
    // and a comparison otherwise.
    struct AttributeNameMemo {
        int exceptions = -1;
        int others[2] = {-1, -1};
        int nextOther = 0;
    };
    void ReadExceptions(const ClassFile& file, const MemberInfo& method, MemberDesc& desc, AttributeNameMemo& memo);
    void DecodeMemberType(const char* descriptor, int length, XString& out);
};

// The calling thread keeps the blocks of the strings and member records it
// drops for the next ones (see spare_blocks.h); the thread that builds class
// outlines asks for it.
void KeepSpareBlocksForThisThread();
bool SpareBlocksKeptByThisThread();

// Attribute names the information reads.
extern const char kSourceFileAttribute[];
extern const char kInnerClassesAttribute[];
extern const char kExceptionsAttribute[];
