#include "classfile/class_info.h"

#include <cstring>

#include "spare_blocks.h"

void* MemberDesc::operator new(size_t size)
{
    return size == sizeof(MemberDesc) ? SpareBlocks<sizeof(MemberDesc)>::Take() : ::operator new(size);
}

void MemberDesc::operator delete(void* record, size_t size)
{
    if (size == sizeof(MemberDesc))
        SpareBlocks<sizeof(MemberDesc)>::Give(record);
    else
        ::operator delete(record);
}

void KeepSpareBlocksForThisThread()
{
    SpareBlocks<XString::kHeadroom>::KeepForThisThread();
    SpareBlocks<sizeof(MemberDesc)>::KeepForThisThread();
}

bool SpareBlocksKeptByThisThread()
{
    return SpareBlocks<XString::kHeadroom>::KeptByThisThread();
}

const char kSourceFileAttribute[] = "SourceFile";
const char kInnerClassesAttribute[] = "InnerClasses";
const char kExceptionsAttribute[] = "Exceptions";

namespace {

unsigned BigEndian16(const unsigned char* p)
{
    return static_cast<unsigned>((p[0] << 8) | p[1]);
}

const char* AttributeName(const ClassFile& file, const AttributeInfo& attribute)
{
    const ConstantPoolEntry* name = file.GetConstant(attribute.attribute_name_index);
    return name ? name->text : nullptr;
}

bool IsAttribute(const ClassFile& file, const AttributeInfo& attribute, const char* wanted)
{
    // Most attributes a reader meets are others: the first byte tells.
    const char* name = AttributeName(file, attribute);
    return name && name[0] == wanted[0] && std::strcmp(name, wanted) == 0;
}

// How many 16-bit items after a 16-bit count really fit in the body, so a
// count larger than the body never reads past it.
unsigned ItemsInBody(const AttributeInfo& attribute, unsigned itemSize)
{
    if (attribute.length < 2)
        return 0;
    const unsigned declared = BigEndian16(attribute.bytes);
    const unsigned fit = (attribute.length - 2) / itemSize;
    return declared < fit ? declared : fit;
}

void ToJavaForm(MemberDesc& desc)
{
    desc.name.ReplaceChar('/', '.');
    desc.type.ReplaceChar('/', '.');
    for (int k = 0; k < desc.names.Count(); ++k)
        desc.names.At(k)->ReplaceChar('/', '.');
    desc.javaForm = true;
}

}  // namespace

void ClassInfo::Clear()
{
    sourceFile.Assign("", 0);
    package.Assign("", 0);
    className.Assign("", 0);
    referencedClasses.Reset();
    referencedSlots.clear();
    referencedSlotsUsed = 0;
    interfaces.RemoveAll();
    superClass.Assign("", 0);
    innerClasses.RemoveAll();
    fields.RemoveAll();
    methods.RemoveAll();
}

void ClassInfo::Fill(const ClassFile& file)
{
    Clear();
    FromClassFile(file);
    ReadFields(file);
    ReadMethods(file);
    ToDottedNames();
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

void ClassInfo::RecordReferenced(const char* name)
{
    RecordReferenced(name, std::strlen(name));
}

void ClassInfo::RecordReferenced(const char* name, size_t length)
{
    const char* lastSlash = name + length;
    while (lastSlash > name && *--lastSlash != '/') {
    }
    if (*lastSlash != '/')
        return;
    // A class directly in our own package is not an outside reference.
    const int plen = package.Length();
    if (plen > 0 && lastSlash - name == plen && std::memcmp(name, package.Data(), static_cast<size_t>(plen)) == 0)
        return;
    const uint64_t hash = NameHash(name, length);
    if (!referencedSlots.empty()) {
        const size_t mask = referencedSlots.size() - 1;
        for (size_t i = static_cast<size_t>(hash >> 32) & mask; referencedSlots[i].name; i = (i + 1) & mask) {
            const ReferencedSlot& slot = referencedSlots[i];
            if (slot.hash == hash && static_cast<size_t>(slot.name->Length()) == length &&
                std::memcmp(slot.name->Data(), name, length) == 0)
                return;
        }
    }
    AddReferencedSlot(hash, referencedClasses.InsertSorted(name));
}

void ClassInfo::AddReferencedSlot(uint64_t hash, const XString* name)
{
    // At most half full, so a search ends at a free slot soon.
    if (static_cast<size_t>(referencedSlotsUsed + 1) * 2 > referencedSlots.size()) {
        std::vector<ReferencedSlot> old(referencedSlots.empty() ? 64 : referencedSlots.size() * 2,
                                        ReferencedSlot{0, nullptr});
        old.swap(referencedSlots);
        referencedSlotsUsed = 0;
        for (const ReferencedSlot& slot : old) {
            if (slot.name)
                AddReferencedSlot(slot.hash, slot.name);
        }
    }
    const size_t mask = referencedSlots.size() - 1;
    size_t i = static_cast<size_t>(hash >> 32) & mask;
    while (referencedSlots[i].name)
        i = (i + 1) & mask;
    referencedSlots[i] = ReferencedSlot{hash, name};
    ++referencedSlotsUsed;
}

void ClassInfo::FromClassFile(const ClassFile& file)
{
    access = file.access_flags;
    majorVersion = file.major_version;
    if (const char* name = file.GetClassName(file.this_class)) {
        className.Assign(name);
        GetPackagePart(className, package);
    }
    if (const char* super = file.GetClassName(file.super_class)) {
        superClass.Assign(super);
        RecordReferenced(super);
    }
    ReadClassAttributes(file);
    for (int i = 0; i < file.interfaces.Count(); ++i) {
        if (const char* name = file.GetClassName(file.interfaces.GetAt(i))) {
            interfaces.Add(name);
            RecordReferenced(name);
        }
    }
}

void ClassInfo::ReadClassAttributes(const ClassFile& file)
{
    for (int i = 0; i < file.attributes.Count(); ++i) {
        const AttributeInfo& attribute = *file.attributes.At(i);
        if (IsAttribute(file, attribute, kSourceFileAttribute)) {
            if (attribute.length < 2)
                continue;
            const ConstantPoolEntry* source = file.GetConstant(static_cast<int>(BigEndian16(attribute.bytes)));
            if (source && source->text)
                sourceFile.Assign(source->text);
        } else if (IsAttribute(file, attribute, kInnerClassesAttribute)) {
            ReadInnerClasses(file, attribute);
        }
    }
}

void ClassInfo::ReadInnerClasses(const ClassFile& file, const AttributeInfo& attribute)
{
    const unsigned records = ItemsInBody(attribute, 8);
    for (unsigned r = 0; r < records; ++r) {
        const unsigned char* record = attribute.bytes + 2 + r * 8;
        const unsigned outer = BigEndian16(record + 2);
        // Only classes declared in this one: other classes' members that it
        // merely uses are listed here too.
        if (outer != 0 && outer != file.this_class)
            continue;
        InnerClassDesc* inner = new InnerClassDesc;
        innerClasses.Add(inner);
        inner->access = static_cast<int>(BigEndian16(record + 6));
        if (const char* name = file.GetClassName(static_cast<int>(BigEndian16(record)))) {
            inner->name.Assign(name);
            RecordReferenced(name);
        }
    }
}

void ClassInfo::ReadFields(const ClassFile& file)
{
    for (int i = 0; i < file.fields.Count(); ++i) {
        const MemberInfo& field = *file.fields.At(i);
        MemberDesc* desc = new MemberDesc;
        fields.Add(desc);
        desc->access = field.access_flags;
        const ConstantPoolEntry* descriptor = file.GetConstant(field.descriptor_index);
        const ConstantPoolEntry* name = file.GetConstant(field.name_index);
        if (descriptor && descriptor->text && name && name->text) {
            decodingJavaForm = true;
            DecodeMemberType(descriptor->text, static_cast<int>(std::strlen(descriptor->text)), desc->type);
            decodingJavaForm = false;
            desc->name.Assign(name->text);
            desc->name.ReplaceChar('/', '.');
        }
        desc->javaForm = true;
    }
}

void ClassInfo::ReadMethods(const ClassFile& file)
{
    AttributeNameMemo memo;
    for (int i = 0; i < file.methods.Count(); ++i) {
        const MemberInfo& method = *file.methods.At(i);
        const ConstantPoolEntry* name = file.GetConstant(method.name_index);
        const ConstantPoolEntry* descriptor = file.GetConstant(method.descriptor_index);
        if (!name || !name->text || !descriptor || !descriptor->text)
            continue;
        MemberDesc* desc = new MemberDesc;
        methods.Add(desc);
        desc->access = method.access_flags;
        desc->name.Assign(name->text);
        desc->name.ReplaceChar('/', '.');
        desc->name.AppendChar('(');
        decodingJavaForm = true;

        const char* text = descriptor->text;
        const int length = static_cast<int>(std::strlen(text));
        const int start = length > 0 && text[0] == '(' ? 1 : 0;
        const char* close = std::strchr(text + start, ')');
        const int end = close ? static_cast<int>(close - text) : length;
        bool first = true;
        for (int p = start; p < end;) {
            const void* semicolon = std::memchr(text + p, ';', static_cast<size_t>(end - p));
            const int q = semicolon ? static_cast<int>(static_cast<const char*>(semicolon) - text) : end;
            if (q > p) {
                if (!first)
                    desc->name.AppendChar(',');
                DecodeParameters(text + p, q - p, desc->name);
                first = false;
            }
            p = q + 1;
        }
        desc->name.AppendChar(')');
        if (close)
            DecodeMemberType(close + 1, length - end - 1, desc->type);
        decodingJavaForm = false;
        ReadExceptions(file, method, *desc, memo);
        desc->javaForm = true;
    }
}

void ClassInfo::ReadExceptions(const ClassFile& file, const MemberInfo& method, MemberDesc& desc,
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
        const unsigned count = ItemsInBody(attribute, 2);
        for (unsigned k = 0; k < count; ++k) {
            const int index = static_cast<int>(BigEndian16(attribute.bytes + 2 + k * 2));
            if (const char* name = file.GetClassName(index)) {
                desc.names.Add(name);
                desc.names.At(desc.names.Count() - 1)->ReplaceChar('/', '.');
                RecordReferenced(name);
            }
        }
        return;  // only the first one counts
    }
}

void ClassInfo::ToDottedNames()
{
    // The hashes are of the '/' form; a name recorded after this step goes
    // by the sorted search alone.
    referencedSlots.clear();
    referencedSlotsUsed = 0;
    package.ReplaceChar('/', '.');
    superClass.ReplaceChar('/', '.');
    for (int i = 0; i < referencedClasses.Count(); ++i)
        referencedClasses.StringAt(i)->ReplaceChar('/', '.');
    for (int i = 0; i < interfaces.Count(); ++i)
        interfaces.At(i)->ReplaceChar('/', '.');
    for (int i = 0; i < innerClasses.Count(); ++i)
        innerClasses.At(i)->name.ReplaceChar('/', '.');
    MemberDescArray* members[] = {&fields, &methods};
    for (MemberDescArray* array : members) {
        for (int i = 0; i < array->Count(); ++i) {
            if (!array->At(i)->javaForm)
                ToJavaForm(*array->At(i));
        }
    }
}
