// Descriptor decoding of ClassInfo: field descriptors and the pieces of a
// method descriptor turned into Java type names.
#include "classfile/class_info.h"

#include <cstring>

namespace {

struct Primitive {
    const char* name;
    int length;
};

Primitive PrimitiveName(char letter)
{
    switch (letter) {
    case 'B': return {"byte", 4};
    case 'C': return {"char", 4};
    case 'D': return {"double", 6};
    case 'F': return {"float", 5};
    case 'I': return {"int", 3};
    case 'J': return {"long", 4};
    case 'S': return {"short", 5};
    case 'V': return {"void", 4};
    case 'Z': return {"boolean", 7};
    default: return {nullptr, 0};
    }
}

// Turns the text's '/' into '.' from start on, in place.
void JavaFormFrom(XString& text, int start)
{
    char* const end = const_cast<char*>(text.Data()) + text.Length();
    for (char* p = end - (text.Length() - start); p < end; ++p) {
        if (*p == '/')
            *p = '.';
    }
}

void AppendDimensions(int dimensions, XString& out)
{
    for (int d = 0; d < dimensions; ++d)
        out.Append("[]", 2);
}

}  // namespace

void ClassInfo::DecodeType(const char* descriptor, int length, XString& out)
{
    int i = 0;
    bool first = true;
    while (i < length) {
        int dimensions = 0;
        while (i < length && descriptor[i] == '[') {
            ++dimensions;
            ++i;
        }
        if (!first)
            out.AppendChar(',');
        first = false;
        if (i < length) {
            const Primitive primitive = PrimitiveName(descriptor[i]);
            if (primitive.name)
                out.Append(primitive.name, primitive.length);
            else if (decodingJavaForm && descriptor[i] == '/')
                out.AppendChar('.');
            else
                out.AppendChar(descriptor[i]);
            ++i;
        }
        AppendDimensions(dimensions, out);
    }
}

void ClassInfo::DecodeObjectType(const char* descriptor, int length, XString& out)
{
    int i = 0;
    int dimensions = 0;
    while (i < length && descriptor[i] == '[') {
        ++dimensions;
        ++i;
    }
    if (i < length && descriptor[i] == 'L')
        ++i;
    int end = i;
    if (i < length) {
        const void* semicolon = std::memchr(descriptor + i, ';', static_cast<size_t>(length - i));
        end = semicolon ? static_cast<int>(static_cast<const char*>(semicolon) - descriptor) : length;
    }
    // The name is recorded from where it now ends the text: a copy of its
    // own would cost an allocation for every object type of every member.
    const int nameStart = out.Length();
    out.Append(descriptor + i, end - i);
    RecordReferenced(out.Data() + nameStart, static_cast<size_t>(out.Length() - nameStart));
    if (decodingJavaForm)
        JavaFormFrom(out, nameStart);
    AppendDimensions(dimensions, out);
}

void ClassInfo::DecodeParameters(const char* piece, int length, XString& out)
{
    // A piece cut at ';' holds primitives, then at most one object type that
    // runs to its end; the '[' run just before the 'L' belongs to the object.
    int objectStart = length;
    for (int i = 0; i < length; ++i) {
        if (piece[i] == 'L') {
            objectStart = i;
            break;
        }
    }
    while (objectStart > 0 && objectStart < length && piece[objectStart - 1] == '[')
        --objectStart;
    if (objectStart > 0)
        DecodeType(piece, objectStart, out);
    if (objectStart < length) {
        if (objectStart > 0)
            out.AppendChar(',');
        DecodeObjectType(piece + objectStart, length - objectStart, out);
    }
}

void ClassInfo::DecodeMemberType(const char* descriptor, int length, XString& out)
{
    if (length > 0 && descriptor[length - 1] == ';')
        DecodeObjectType(descriptor, length - 1, out);
    else
        DecodeType(descriptor, length, out);
}
