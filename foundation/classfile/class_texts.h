#pragma once

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

#include "classfile/class_file.h"

// Where one text of a ClassTexts lies in its buffer; a NUL follows it there.
struct TextSpan {
    size_t at = 0;
    size_t length = 0;
};

struct InnerClassTexts {
    int access = 0;  // inner_class_access_flags
    TextSpan name;
};

struct MemberTexts {
    int access = 0;
    TextSpan name;  // a field's name; a method's name with its parameter types
    TextSpan type;  // the field's type or the method's return type
    // A method's thrown exception classes: thrownCount spans of thrown from
    // firstThrown on.
    size_t firstThrown = 0;
    size_t thrownCount = 0;
};

// The readable texts of a parsed class in Java form: source names, member
// types and the classes it uses outside its own package. Every text is
// written once into one growing buffer and the records only say where it
// lies, so a class costs a few allocations however many members it has.
// The readers keep to the record's bounds: a damaged class gives empty or
// shorter texts, never a read outside its data.
class ClassTexts {
public:
    ClassTexts() { Clear(); }
    void Clear();
    // Clears, then reads the class of a successful parse.
    void Fill(const ClassFile& file);

    // The text of a span of this object's buffer, NUL-ended; valid until
    // the next text is added.
    const char* Text(TextSpan span) const { return buffer.data() + span.at; }
    // The same for the referenced classes' spans.
    const char* ReferencedText(TextSpan span) const { return referencedBuffer.data() + span.at; }

    // Descriptor decoding into a text of its own, names in the '/' form;
    // object types are recorded as referenced. Several types of one run are
    // joined by ",".
    enum class Descriptor { kTypes, kObjectType, kParameters };
    TextSpan Decode(Descriptor kind, const char* descriptor, int length);

    int access = 0;
    // The class file's major version: which launcher rules apply to it.
    int majorVersion = 0;
    TextSpan sourceFile;
    TextSpan package;
    TextSpan className;
    TextSpan superClass;
    std::vector<TextSpan> interfaces;
    // In referencedBuffer; sorted by the byte values of their '/' form, no
    // duplicates, in Java form once Fill is done.
    std::vector<TextSpan> referenced;
    std::vector<InnerClassTexts> innerClasses;
    std::vector<MemberTexts> fields;
    std::vector<MemberTexts> methods;
    std::vector<TextSpan> thrown;

private:
    size_t Open() const { return buffer.size(); }
    TextSpan Close(size_t start);
    TextSpan AddText(const char* text);  // up to its NUL
    TextSpan AddText(const char* text, size_t length);

    void ReadClassNames(const ClassFile& file);
    void ReadClassAttributes(const ClassFile& file);
    void ReadInnerClasses(const ClassFile& file, const AttributeInfo& attribute);
    void ReadInterfaces(const ClassFile& file);
    void ReadFields(const ClassFile& file);
    void ReadMethods(const ClassFile& file);
    // Appends a method descriptor's parameter types; gives where its ')'
    // is, or the length when there is none.
    int ReadParameters(const char* descriptor, int length);
    // Which name indices of method attributes are the exceptions' one: a
    // class's methods share a few names, and each costs a constant look-up
    // and a comparison otherwise.
    struct AttributeNameMemo {
        int exceptions = -1;
        int others[2] = {-1, -1};
        int nextOther = 0;
    };
    void ReadExceptions(const ClassFile& file, const MemberInfo& method, MemberTexts& texts, AttributeNameMemo& memo);

    // Descriptor decoding, appended to the open text.
    void DecodeTypes(const char* descriptor, int length);
    void DecodeObjectType(const char* descriptor, int length);
    void DecodeParameters(const char* piece, int length);
    void DecodeMemberType(const char* descriptor, int length);

    // name[0, length) in the '/' form; a NUL need not follow it.
    void RecordReferenced(const char* name, size_t length);
    void AddReferencedSlot(uint64_t hash, uint32_t index);
    void SortReferenced();

    // Every text is read in the '/' form, which the referenced classes are
    // compared in; Fill turns both buffers into Java form at its end.
    std::string buffer;
    std::string referencedBuffer;
    // The SourceFile attribute's text until Fill adds it.
    const char* sourceText = nullptr;
    // The referenced classes again, by a hash of their '/' form: most names
    // are met many times, and finding one here costs one comparison.
    struct ReferencedSlot {
        uint64_t hash;
        uint32_t index;  // in referenced, plus one; 0: free
    };
    std::vector<ReferencedSlot> referencedSlots;  // a power of two long, or empty
    size_t referencedSlotsUsed = 0;
};

// Attribute names the readers look for.
extern const char kSourceFileAttribute[];
extern const char kInnerClassesAttribute[];
extern const char kExceptionsAttribute[];
