// Descriptor decoding of ClassInfo: field descriptors and the pieces of a
// method descriptor turned into Java type names.
#include "classfile/class_info.h"

namespace {

const char* PrimitiveName(char letter)
{
    switch (letter) {
    case 'B': return "byte";
    case 'C': return "char";
    case 'D': return "double";
    case 'F': return "float";
    case 'I': return "int";
    case 'J': return "long";
    case 'S': return "short";
    case 'V': return "void";
    case 'Z': return "boolean";
    default: return nullptr;
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
            const char* name = PrimitiveName(descriptor[i]);
            if (name)
                out.Append(name);
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
    while (end < length && descriptor[end] != ';')
        ++end;
    // The name is recorded from where it now ends the text: a copy of its
    // own would cost an allocation for every object type of every member.
    const int nameStart = out.Length();
    out.Append(descriptor + i, end - i);
    RecordReferenced(out.Data() + nameStart);
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
