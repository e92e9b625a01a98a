// Descriptor decoding of ClassTexts: field descriptors and the pieces of a
// method descriptor turned into Java type names, appended to the open text.
#include "classfile/class_texts.h"

#include <cstring>

namespace {

struct Primitive {
    const char* name;
    size_t length;
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

void AppendDimensions(int dimensions, std::string& out)
{
    for (int d = 0; d < dimensions; ++d)
        out.append("[]", 2);
}

}  // namespace

TextSpan ClassTexts::Decode(Descriptor kind, const char* descriptor, int length)
{
    // A text ends at its first NUL, like the constants the readers decode.
    const void* nul = length > 0 ? std::memchr(descriptor, 0, static_cast<size_t>(length)) : nullptr;
    if (nul)
        length = static_cast<int>(static_cast<const char*>(nul) - descriptor);
    const size_t start = Open();
    if (kind == Descriptor::kTypes)
        DecodeTypes(descriptor, length);
    else if (kind == Descriptor::kObjectType)
        DecodeObjectType(descriptor, length);
    else
        DecodeParameters(descriptor, length);
    return Close(start);
}

void ClassTexts::DecodeTypes(const char* descriptor, int length)
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
            buffer += ',';
        first = false;
        if (i < length) {
            const Primitive primitive = PrimitiveName(descriptor[i]);
            if (primitive.name)
                buffer.append(primitive.name, primitive.length);
            else
                buffer += descriptor[i];
            ++i;
        }
        AppendDimensions(dimensions, buffer);
    }
}

void ClassTexts::DecodeObjectType(const char* descriptor, int length)
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
    // own would cost for every object type of every member.
    const size_t nameStart = buffer.size();
    buffer.append(descriptor + i, static_cast<size_t>(end - i));
    RecordReferenced(buffer.data() + nameStart, static_cast<size_t>(end - i));
    AppendDimensions(dimensions, buffer);
}

void ClassTexts::DecodeParameters(const char* piece, int length)
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
        DecodeTypes(piece, objectStart);
    if (objectStart < length) {
        if (objectStart > 0)
            buffer += ',';
        DecodeObjectType(piece + objectStart, length - objectStart);
    }
}

void ClassTexts::DecodeMemberType(const char* descriptor, int length)
{
    if (length > 0 && descriptor[length - 1] == ';')
        DecodeObjectType(descriptor, length - 1);
    else
        DecodeTypes(descriptor, length);
}
