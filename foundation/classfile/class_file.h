#pragma once

#include <cstddef>

#include "classfile/owning_array.h"
#include "garray.h"
#include "xobject.h"
#include "xstring.h"

// Constant-pool tags the reader accepts, with the names the class-file format
// gives them.
enum ConstantTag : unsigned char {
    kTagUtf8 = 1,
    kTagInteger = 3,
    kTagFloat = 4,
    kTagLong = 5,
    kTagDouble = 6,
    kTagClass = 7,
    kTagString = 8,
    kTagFieldref = 9,
    kTagMethodref = 10,
    kTagInterfaceMethodref = 11,
    kTagNameAndType = 12,
    kTagMethodHandle = 15,
    kTagMethodType = 16,
    kTagDynamic = 17,
    kTagInvokeDynamic = 18,
    kTagModule = 19,
    kTagPackage = 20,
};

// Result codes of a parse: the stage that failed.
enum ClassParseCode {
    kParseOk = 0,
    kParseEmpty = 10,
    kParseHeader = 101,
    kParseConstantPool = 102,
    kParseClassHeader = 103,
    kParseInterfaces = 104,
    kParseFields = 105,
    kParseMethods = 106,
    kParseAttributes = 107,
    kParseTrailing = 108,
};

struct ConstantPoolEntry {
    unsigned char tag = 0;
    unsigned short index = 0;   // 1-based; a Long or Double also takes index + 1
    unsigned int value1 = 0;    // see the readers in class_file.cpp for each tag
    unsigned int value2 = 0;
    const char* text = nullptr; // Utf8 only: the bytes as stored, NUL added
};

struct AttributeInfo {
    unsigned short attribute_name_index = 0;
    unsigned int length = 0;
    const unsigned char* bytes = nullptr;  // exactly length bytes
};

// The pool's records live in the ClassFile's storage; the array only points.
class ConstantPoolArray : public PtrArray {
public:
    ConstantPoolEntry* At(int index) const { return static_cast<ConstantPoolEntry*>(GetAt(index)); }
    void RemoveAll() { Reset(); }
};

using AttributeInfoArray = OwningArray<AttributeInfo>;
using InterfaceList = WordArray;

struct MemberInfo {
    unsigned short access_flags = 0;
    unsigned short name_index = 0;
    unsigned short descriptor_index = 0;
    AttributeInfoArray attributes;
};

using MemberInfoArray = OwningArray<MemberInfo>;

// The memory of the parses since the last Reset: copies of their input, which
// Utf8 texts and attribute bodies point into, and blocks of constant-pool
// records. One allocation per kind and parse instead of one per item keeps
// parsing cheaper than reading the file.
class ParseStorage {
public:
    ParseStorage() = default;
    ParseStorage(const ParseStorage&) = delete;
    ParseStorage& operator=(const ParseStorage&) = delete;
    ~ParseStorage() { Free(); }

    unsigned char* AddCopy(const unsigned char* data, size_t size);  // size + 1 bytes
    ConstantPoolEntry* AddEntries(size_t n);
    void Free();

private:
    PtrArray copies;
    PtrArray entryBlocks;
};

// One compiled Java class read from a memory buffer into plain records. Only
// structure and lengths are checked; attribute bodies stay raw bytes. The
// object owns copies of everything: nothing points into the caller's buffer,
// and nothing is written to it.
class ClassFile : public XObject {
public:
    ClassFile() = default;
    ClassFile(const ClassFile&) = delete;
    ClassFile& operator=(const ClassFile&) = delete;
    ~ClassFile() override = default;

    // 1 on success; 0 with *code set to the failing stage. ParseBuffer
    // expects an empty object; Parse resets first.
    int ParseBuffer(const unsigned char* data, size_t size, int* code);
    int Parse(const unsigned char* data, size_t size, int* code);
    void Reset();

    const ConstantPoolEntry* GetConstant(int index) const;
    const ConstantPoolEntry* GetClassNameEntry(int index) const;
    const char* GetClassName(int index) const;   // null when nothing resolves

    unsigned int magic = 0;
    unsigned short minor_version = 0;
    unsigned short major_version = 0;
    ConstantPoolArray constantPool;
    int constant_pool_count = 0;
    int wideConstantCount = 0;
    unsigned short access_flags = 0;
    unsigned short this_class = 0;
    unsigned short super_class = 0;
    InterfaceList interfaces;
    MemberInfoArray fields;
    MemberInfoArray methods;
    AttributeInfoArray attributes;
    unsigned char endedAtEnd = 0;
    size_t bufferLength = 0;

    // Byte readers: each checks that enough bytes remain before the end,
    // advances pos on success and leaves it alone on failure.
    static int ReadU2(const unsigned char* data, size_t size, size_t& pos, unsigned short* value);
    static int ReadBigEndian(const unsigned char* data, size_t size, size_t& pos, int n, unsigned int* value);
    // Points *copy at the n bytes in the stored copy of the data.
    int ReadBytes(const unsigned char* data, size_t size, size_t& pos, size_t n, const unsigned char** copy) const;

private:
    int ReadHeader(const unsigned char* data, size_t size, size_t& pos);
    int ReadConstantPool(const unsigned char* data, size_t size, size_t& pos);
    int ReadConstant(const unsigned char* data, size_t size, size_t& pos, ConstantPoolEntry* entry);
    int ReadClassHeader(const unsigned char* data, size_t size, size_t& pos);
    int ReadInterfaces(const unsigned char* data, size_t size, size_t& pos);
    int ReadMembers(const unsigned char* data, size_t size, size_t& pos, MemberInfoArray& members);
    int ReadAttributes(const unsigned char* data, size_t size, size_t& pos, AttributeInfoArray& attributes);
    int SearchConstant(int lo, int hi, int index) const;

    ParseStorage storage;
    unsigned char* copy = nullptr;  // of the data of the current parse
};

// Splits an internal class name at its last '/': the package gets what is
// before it, the name keeps what follows. A name without '/' is left alone and
// the package is not touched.
void GetPackagePart(XString& className, XString& package);
