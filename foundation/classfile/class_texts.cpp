#include "classfile/class_texts.h"

#include <algorithm>
#include <cstring>

#include "xstring.h"

const char kSourceFileAttribute[] = "SourceFile";
const char kInnerClassesAttribute[] = "InnerClasses";
const char kExceptionsAttribute[] = "Exceptions";

namespace {

unsigned BigEndian16(const unsigned char* p)
{
    return static_cast<unsigned>((p[0] << 8) | p[1]);
}

bool IsAttribute(const ClassFile& file, const AttributeInfo& attribute, const char* wanted)
{
    // Most attributes a reader meets are others: the first byte tells.
    const ConstantPoolEntry* entry = file.GetConstant(attribute.attribute_name_index);
    const char* name = entry ? entry->text : nullptr;
    return name && name[0] == wanted[0] && std::strcmp(name, wanted) == 0;
}

// How many items of itemSize bytes after a 16-bit count really fit in the
// body, so a count larger than the body never reads past it.
unsigned ItemsInBody(const AttributeInfo& attribute, unsigned itemSize)
{
    if (attribute.length < 2)
        return 0;
    const unsigned declared = BigEndian16(attribute.bytes);
    const unsigned fit = (attribute.length - 2) / itemSize;
    return declared < fit ? declared : fit;
}

// Most classes name fewer outside classes than this holds.
constexpr size_t kReferencedRoom = 1024;

void ToJavaForm(std::string& text)
{
    ReplaceChars(&text[0], text.size(), '/', '.');
}

}  // namespace

void ClassTexts::Clear()
{
    // A NUL at offset 0: an empty span reads as "".
    buffer.assign(1, '\0');
    referencedBuffer.assign(1, '\0');
    access = 0;
    majorVersion = 0;
    sourceFile = package = className = superClass = TextSpan();
    interfaces.clear();
    referenced.clear();
    innerClasses.clear();
    fields.clear();
    methods.clear();
    thrown.clear();
    referencedSlots.clear();
    referencedSlotsUsed = 0;
}

void ClassTexts::Fill(const ClassFile& file)
{
    Clear();
    // About what the texts of a class take, so the buffers seldom grow.
    buffer.reserve(file.bufferLength / 4 + 256);
    referencedBuffer.reserve(kReferencedRoom);
    referenced.reserve(kReferencedRoom / 32);
    fields.reserve(static_cast<size_t>(file.fields.Count()));
    methods.reserve(static_cast<size_t>(file.methods.Count()));
    access = file.access_flags;
    majorVersion = file.major_version;
    ReadClassNames(file);
    ReadClassAttributes(file);
    ReadInterfaces(file);
    ReadFields(file);
    ReadMethods(file);
    SortReferenced();
    ToJavaForm(buffer);
    ToJavaForm(referencedBuffer);
    // The source file's name is the one text that keeps its '/'.
    if (sourceText)
        sourceFile = AddText(sourceText);
    sourceText = nullptr;
}

TextSpan ClassTexts::Close(size_t start)
{
    const TextSpan span{start, buffer.size() - start};
    buffer += '\0';
    return span;
}

TextSpan ClassTexts::AddText(const char* text)
{
    const size_t start = Open();
    buffer.append(text);
    return Close(start);
}

TextSpan ClassTexts::AddText(const char* text, size_t length)
{
    const size_t start = Open();
    buffer.append(text, length);
    return Close(start);
}

void ClassTexts::ReadClassNames(const ClassFile& file)
{
    if (const char* name = file.GetClassName(file.this_class)) {
        // The package is what comes before the last '/'; a name without one
        // has none.
        if (const char* slash = std::strrchr(name, '/')) {
            package = AddText(name, static_cast<size_t>(slash - name));
            className = AddText(slash + 1);
        } else {
            className = AddText(name);
        }
    }
    if (const char* super = file.GetClassName(file.super_class)) {
        superClass = AddText(super);
        RecordReferenced(super, superClass.length);
    }
}

void ClassTexts::ReadClassAttributes(const ClassFile& file)
{
    for (int i = 0; i < file.attributes.Count(); ++i) {
        const AttributeInfo& attribute = *file.attributes.At(i);
        if (IsAttribute(file, attribute, kSourceFileAttribute)) {
            if (attribute.length < 2)
                continue;
            const ConstantPoolEntry* source = file.GetConstant(static_cast<int>(BigEndian16(attribute.bytes)));
            if (source && source->text)
                sourceText = source->text;
        } else if (IsAttribute(file, attribute, kInnerClassesAttribute)) {
            ReadInnerClasses(file, attribute);
        }
    }
}

void ClassTexts::ReadInnerClasses(const ClassFile& file, const AttributeInfo& attribute)
{
    const unsigned records = ItemsInBody(attribute, 8);
    for (unsigned r = 0; r < records; ++r) {
        const unsigned char* record = attribute.bytes + 2 + r * 8;
        const unsigned outer = BigEndian16(record + 2);
        // Only classes declared in this one: other classes' members that it
        // merely uses are listed here too.
        if (outer != 0 && outer != file.this_class)
            continue;
        InnerClassTexts inner;
        inner.access = static_cast<int>(BigEndian16(record + 6));
        if (const char* name = file.GetClassName(static_cast<int>(BigEndian16(record)))) {
            inner.name = AddText(name);
            RecordReferenced(name, inner.name.length);
        }
        innerClasses.push_back(inner);
    }
}

void ClassTexts::ReadInterfaces(const ClassFile& file)
{
    for (int i = 0; i < file.interfaces.Count(); ++i) {
        if (const char* name = file.GetClassName(file.interfaces.GetAt(i))) {
            interfaces.push_back(AddText(name));
            RecordReferenced(name, interfaces.back().length);
        }
    }
}

void ClassTexts::ReadFields(const ClassFile& file)
{
    for (int i = 0; i < file.fields.Count(); ++i) {
        const MemberInfo& field = *file.fields.At(i);
        MemberTexts texts;
        texts.access = field.access_flags;
        const ConstantPoolEntry* descriptor = file.GetConstant(field.descriptor_index);
        const ConstantPoolEntry* name = file.GetConstant(field.name_index);
        if (descriptor && descriptor->text && name && name->text) {
            const size_t start = Open();
            DecodeMemberType(descriptor->text, static_cast<int>(std::strlen(descriptor->text)));
            texts.type = Close(start);
            texts.name = AddText(name->text);
        }
        fields.push_back(texts);
    }
}

void ClassTexts::ReadMethods(const ClassFile& file)
{
    AttributeNameMemo memo;
    for (int i = 0; i < file.methods.Count(); ++i) {
        const MemberInfo& method = *file.methods.At(i);
        const ConstantPoolEntry* name = file.GetConstant(method.name_index);
        const ConstantPoolEntry* descriptor = file.GetConstant(method.descriptor_index);
        if (!name || !name->text || !descriptor || !descriptor->text)
            continue;
        MemberTexts texts;
        texts.access = method.access_flags;
        const char* text = descriptor->text;
        const int length = static_cast<int>(std::strlen(text));
        size_t start = Open();
        buffer.append(name->text);
        buffer += '(';
        const int end = ReadParameters(text, length);
        buffer += ')';
        texts.name = Close(start);
        if (end < length) {
            start = Open();
            DecodeMemberType(text + end + 1, length - end - 1);
            texts.type = Close(start);
        }
        ReadExceptions(file, method, texts, memo);
        methods.push_back(texts);
    }
}

int ClassTexts::ReadParameters(const char* text, int length)
{
    const int start = length > 0 && text[0] == '(' ? 1 : 0;
    const char* close = std::strchr(text + start, ')');
    const int end = close ? static_cast<int>(close - text) : length;
    bool first = true;
    for (int p = start; p < end;) {
        const void* semicolon = std::memchr(text + p, ';', static_cast<size_t>(end - p));
        const int q = semicolon ? static_cast<int>(static_cast<const char*>(semicolon) - text) : end;
        if (q > p) {
            if (!first)
                buffer += ',';
            DecodeParameters(text + p, q - p);
            first = false;
        }
        p = q + 1;
    }
    return end;
}

void ClassTexts::ReadExceptions(const ClassFile& file, const MemberInfo& method, MemberTexts& texts,
                                AttributeNameMemo& memo)
{
    for (int i = 0; i < method.attributes.Count(); ++i) {
        const AttributeInfo& attribute = *method.attributes.At(i);
        const int nameIndex = attribute.attribute_name_index;
        if (nameIndex != memo.exceptions) {
            if (nameIndex == memo.others[0] || nameIndex == memo.others[1])
                continue;
            if (!IsAttribute(file, attribute, kExceptionsAttribute)) {
                memo.others[memo.nextOther] = nameIndex;
                memo.nextOther ^= 1;
                continue;
            }
            memo.exceptions = nameIndex;
        }
        texts.firstThrown = thrown.size();
        const unsigned count = ItemsInBody(attribute, 2);
        for (unsigned k = 0; k < count; ++k) {
            const int index = static_cast<int>(BigEndian16(attribute.bytes + 2 + k * 2));
            if (const char* name = file.GetClassName(index)) {
                thrown.push_back(AddText(name));
                RecordReferenced(name, thrown.back().length);
            }
        }
        texts.thrownCount = thrown.size() - texts.firstThrown;
        return;  // only the first one counts
    }
}

namespace {

// The last eight bytes (fewer for a short name) and the length: names that
// share a package differ at their end.
uint64_t NameHash(const char* name, size_t length)
{
    uint64_t tail = 0;
    if (length >= 8)
        std::memcpy(&tail, name + length - 8, 8);
    else
        std::memcpy(&tail, name, length);
    return (tail ^ (length * 0x100000001B3ULL)) * 0x9E3779B97F4A7C15ULL;
}

}  // namespace

void ClassTexts::RecordReferenced(const char* name, size_t length)
{
    const char* lastSlash = name + length;
    while (lastSlash > name && *--lastSlash != '/') {
    }
    if (length == 0 || *lastSlash != '/')
        return;
    // A class directly in our own package is not an outside reference.
    const size_t plen = package.length;
    if (plen > 0 && static_cast<size_t>(lastSlash - name) == plen && std::memcmp(name, Text(package), plen) == 0)
        return;
    const uint64_t hash = NameHash(name, length);
    if (!referencedSlots.empty()) {
        const size_t mask = referencedSlots.size() - 1;
        for (size_t i = static_cast<size_t>(hash >> 32) & mask; referencedSlots[i].index; i = (i + 1) & mask) {
            const ReferencedSlot& slot = referencedSlots[i];
            const TextSpan known = referenced[slot.index - 1];
            if (slot.hash == hash && known.length == length && std::memcmp(ReferencedText(known), name, length) == 0)
                return;
        }
    }
    const TextSpan span{referencedBuffer.size(), length};
    referencedBuffer.append(name, length);
    referencedBuffer += '\0';
    referenced.push_back(span);
    AddReferencedSlot(hash, static_cast<uint32_t>(referenced.size()));
}

void ClassTexts::AddReferencedSlot(uint64_t hash, uint32_t index)
{
    // At most half full, so a search ends at a free slot soon.
    if ((referencedSlotsUsed + 1) * 2 > referencedSlots.size()) {
        std::vector<ReferencedSlot> old(referencedSlots.empty() ? 16 : referencedSlots.size() * 2, ReferencedSlot{0, 0});
        old.swap(referencedSlots);
        referencedSlotsUsed = 0;
        for (const ReferencedSlot& slot : old) {
            if (slot.index)
                AddReferencedSlot(slot.hash, slot.index);
        }
    }
    const size_t mask = referencedSlots.size() - 1;
    size_t i = static_cast<size_t>(hash >> 32) & mask;
    while (referencedSlots[i].index)
        i = (i + 1) & mask;
    referencedSlots[i] = ReferencedSlot{hash, index};
    ++referencedSlotsUsed;
}

void ClassTexts::SortReferenced()
{
    // No name holds a NUL, so this is the order strcmp gives.
    const char* texts = referencedBuffer.data();
    std::sort(referenced.begin(), referenced.end(), [texts](const TextSpan& a, const TextSpan& b) {
        const int order = std::memcmp(texts + a.at, texts + b.at, std::min(a.length, b.length));
        return order < 0 || (order == 0 && a.length < b.length);
    });
    // The hashes point at places in the list, which the sort changed.
    referencedSlots.clear();
    referencedSlotsUsed = 0;
}
