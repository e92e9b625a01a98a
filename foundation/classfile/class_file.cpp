#include "classfile/class_file.h"

#include <cstring>

int ClassFile::ReadU2(const unsigned char* data, size_t size, size_t& pos, unsigned short* value)
{
    if (pos > size || size - pos < 2)
        return 0;
    *value = static_cast<unsigned short>((data[pos] << 8) | data[pos + 1]);
    pos += 2;
    return 1;
}

int ClassFile::ReadBigEndian(const unsigned char* data, size_t size, size_t& pos, int n, unsigned int* value)
{
    if (n < 0 || pos > size || size - pos < static_cast<size_t>(n))
        return 0;
    *value = 0;
    for (int i = 0; i < n; ++i)
        *value = (*value << 8) | data[pos + i];
    pos += static_cast<size_t>(n);
    return 1;
}

unsigned char* ParseStorage::AddCopy(const unsigned char* data, size_t size)
{
    unsigned char* block = new unsigned char[size + 1];
    std::memcpy(block, data, size);
    block[size] = 0;
    copies.Add(block);
    return block;
}

ConstantPoolEntry* ParseStorage::AddEntries(size_t n)
{
    ConstantPoolEntry* block = new ConstantPoolEntry[n];
    entryBlocks.Add(block);
    return block;
}

void ParseStorage::Free()
{
    for (int i = 0; i < copies.Count(); ++i)
        delete[] static_cast<unsigned char*>(copies.GetAt(i));
    for (int i = 0; i < entryBlocks.Count(); ++i)
        delete[] static_cast<ConstantPoolEntry*>(entryBlocks.GetAt(i));
    copies.Reset();
    entryBlocks.Reset();
}

int ClassFile::ReadBytes(const unsigned char*, size_t size, size_t& pos, size_t n, const unsigned char** bytes) const
{
    if (pos > size || size - pos < n)
        return 0;
    *bytes = copy + pos;
    pos += n;
    return 1;
}

int ClassFile::Parse(const unsigned char* data, size_t size, int* code)
{
    Reset();
    return ParseBuffer(data, size, code);
}

int ClassFile::ParseBuffer(const unsigned char* data, size_t size, int* code)
{
    bufferLength = size;
    endedAtEnd = 0;
    if (size == 0) {
        *code = kParseEmpty;
        return 0;
    }
    copy = storage.AddCopy(data, size);
    size_t pos = 0;
    // Each stage runs only when the ones before it succeeded.
    const int failed =
        !ReadHeader(data, size, pos)                      ? kParseHeader
        : !ReadConstantPool(data, size, pos)              ? kParseConstantPool
        : !ReadClassHeader(data, size, pos)               ? kParseClassHeader
        : !ReadInterfaces(data, size, pos)                ? kParseInterfaces
        : !ReadMembers(data, size, pos, fields)           ? kParseFields
        : !ReadMembers(data, size, pos, methods)          ? kParseMethods
        : !ReadAttributes(data, size, pos, attributes)    ? kParseAttributes
                                                          : kParseOk;
    if (failed != kParseOk) {
        *code = failed;
        return 0;
    }
    endedAtEnd = pos == size ? 1 : 0;
    if (!endedAtEnd) {
        *code = kParseTrailing;
        return 0;
    }
    *code = kParseOk;
    return 1;
}

void ClassFile::Reset()
{
    constantPool.RemoveAll();
    storage.Free();
    copy = nullptr;
    interfaces.RemoveAll();
    fields.RemoveAll();
    methods.RemoveAll();
    attributes.RemoveAll();
    wideConstantCount = 0;
    endedAtEnd = 0;
}

int ClassFile::ReadHeader(const unsigned char* data, size_t size, size_t& pos)
{
    // The magic is kept but not compared: a wrong one still parses.
    return ReadBigEndian(data, size, pos, 4, &magic) && ReadU2(data, size, pos, &minor_version) &&
           ReadU2(data, size, pos, &major_version);
}

int ClassFile::ReadConstantPool(const unsigned char* data, size_t size, size_t& pos)
{
    unsigned short count = 0;
    if (!ReadU2(data, size, pos, &count))
        return 0;
    constant_pool_count = count;
    // Every entry takes at least 3 bytes, so the data bounds the records a
    // count can ask for (the one that fails included).
    const size_t asked = count > wideConstantCount + 1 ? static_cast<size_t>(count - wideConstantCount - 1) : 0;
    const size_t fit = (size - pos) / 3 + 1;
    ConstantPoolEntry* records = asked ? storage.AddEntries(asked < fit ? asked : fit) : nullptr;
    int i = 1;
    while (i < constant_pool_count - wideConstantCount) {
        ConstantPoolEntry* entry = records++;
        constantPool.Add(entry);
        entry->index = static_cast<unsigned short>(i + wideConstantCount);
        if (!ReadConstant(data, size, pos, entry))
            return 0;
        ++i;
    }
    // Fails for a count of 0 and for a Long or Double whose second slot would
    // lie past the end of the pool.
    return i == constant_pool_count - wideConstantCount;
}

int ClassFile::ReadConstant(const unsigned char* data, size_t size, size_t& pos, ConstantPoolEntry* entry)
{
    if (pos >= size)
        return 0;
    entry->tag = data[pos++];
    unsigned short u2 = 0;
    switch (entry->tag) {
    case kTagUtf8: {
        if (!ReadU2(data, size, pos, &u2))
            return 0;
        entry->value1 = u2;
        const unsigned char* bytes = nullptr;
        if (!ReadBytes(data, size, pos, u2, &bytes))
            return 0;
        // The byte after the text in our copy is the next entry's tag (or
        // the class's access flags), which is read from the caller's data, so
        // it can carry the text's NUL.
        copy[pos] = 0;
        entry->text = reinterpret_cast<const char*>(bytes);
        return 1;
    }
    case kTagInteger:
    case kTagFloat:
        return ReadBigEndian(data, size, pos, 4, &entry->value1);
    case kTagLong:
    case kTagDouble:
        if (!ReadBigEndian(data, size, pos, 4, &entry->value1) || !ReadBigEndian(data, size, pos, 4, &entry->value2))
            return 0;
        ++wideConstantCount;
        return 1;
    case kTagClass:
    case kTagString:
    case kTagMethodType:
    case kTagModule:
    case kTagPackage:
        return ReadBigEndian(data, size, pos, 2, &entry->value1);
    case kTagMethodHandle:
        // reference_kind (1 byte), then reference_index.
        return ReadBigEndian(data, size, pos, 1, &entry->value1) && ReadBigEndian(data, size, pos, 2, &entry->value2);
    case kTagFieldref:
    case kTagMethodref:
    case kTagInterfaceMethodref:
    case kTagNameAndType:
    case kTagDynamic:
    case kTagInvokeDynamic:
        return ReadBigEndian(data, size, pos, 2, &entry->value1) && ReadBigEndian(data, size, pos, 2, &entry->value2);
    default:
        return 0;
    }
}

int ClassFile::ReadClassHeader(const unsigned char* data, size_t size, size_t& pos)
{
    return ReadU2(data, size, pos, &access_flags) && ReadU2(data, size, pos, &this_class) &&
           ReadU2(data, size, pos, &super_class);
}

int ClassFile::ReadInterfaces(const unsigned char* data, size_t size, size_t& pos)
{
    unsigned short count = 0;
    if (!ReadU2(data, size, pos, &count))
        return 0;
    for (unsigned i = 0; i < count; ++i) {
        unsigned short index = 0;
        if (!ReadU2(data, size, pos, &index))
            return 0;
        interfaces.Add(index);
    }
    return 1;
}

int ClassFile::ReadMembers(const unsigned char* data, size_t size, size_t& pos, MemberInfoArray& members)
{
    unsigned short count = 0;
    if (!ReadU2(data, size, pos, &count))
        return 0;
    for (unsigned i = 0; i < count; ++i) {
        MemberInfo* member = new MemberInfo;
        members.Add(member);
        if (!ReadU2(data, size, pos, &member->access_flags) || !ReadU2(data, size, pos, &member->name_index) ||
            !ReadU2(data, size, pos, &member->descriptor_index) ||
            !ReadAttributes(data, size, pos, member->attributes))
            return 0;
    }
    return 1;
}

int ClassFile::ReadAttributes(const unsigned char* data, size_t size, size_t& pos, AttributeInfoArray& attributes)
{
    unsigned short count = 0;
    if (!ReadU2(data, size, pos, &count))
        return 0;
    for (unsigned i = 0; i < count; ++i) {
        AttributeInfo* attribute = new AttributeInfo;
        attributes.Add(attribute);
        if (!ReadU2(data, size, pos, &attribute->attribute_name_index) ||
            !ReadBigEndian(data, size, pos, 4, &attribute->length) ||
            !ReadBytes(data, size, pos, attribute->length, &attribute->bytes))
            return 0;
    }
    return 1;
}

const ConstantPoolEntry* ClassFile::GetConstant(int index) const
{
    const int entries = constantPool.Count();
    if (index <= 0 || entries == 0)
        return nullptr;
    int position;
    if (wideConstantCount == 0) {
        position = index - 1;
        if (position >= entries)
            return nullptr;
    } else {
        // After k wide entries an index sits k positions below itself, so the
        // entry can only lie in a window as wide as the wide count.
        const int hi = entries - 1 < index - 1 ? entries - 1 : index - 1;
        const int lo = hi - wideConstantCount > 0 ? hi - wideConstantCount : 0;
        position = SearchConstant(lo, hi, index);
    }
    const ConstantPoolEntry* entry = constantPool.At(position);
    return entry && entry->index == index ? entry : nullptr;
}

int ClassFile::SearchConstant(int lo, int hi, int index) const
{
    for (;;) {
        if (lo >= hi || constantPool.At(lo)->index >= index)
            return lo;
        if (hi == lo + 1 || index >= constantPool.At(hi)->index)
            return hi;
        const int mid = lo + (hi - lo) / 2;
        const int atMid = constantPool.At(mid)->index;
        if (atMid == index)
            return mid;
        if (atMid < index)
            lo = mid + 1;
        else
            hi = mid - 1;
    }
}

const ConstantPoolEntry* ClassFile::GetClassNameEntry(int index) const
{
    const ConstantPoolEntry* entry = GetConstant(index);
    if (!entry || entry->value1 > 0xFFFF)
        return nullptr;
    return GetConstant(static_cast<int>(entry->value1));
}

const char* ClassFile::GetClassName(int index) const
{
    const ConstantPoolEntry* entry = GetClassNameEntry(index);
    return entry ? entry->text : nullptr;
}

void GetPackagePart(XString& className, XString& package)
{
    const char* slash = std::strrchr(className.Data(), '/');
    if (!slash)
        return;
    const int cut = static_cast<int>(slash - className.Data());
    package.Assign(className.Data(), cut);
    XString name(slash + 1);
    className.Copy(name);
}
