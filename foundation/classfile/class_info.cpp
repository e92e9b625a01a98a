#include "classfile/class_info.h"

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

void ClassInfo::Clear()
{
    access = 0;
    majorVersion = 0;
    sourceFile.Assign("", 0);
    package.Assign("", 0);
    className.Assign("", 0);
    referencedClasses.Reset();
    interfaces.RemoveAll();
    superClass.Assign("", 0);
    innerClasses.RemoveAll();
    fields.RemoveAll();
    methods.RemoveAll();
}

void ClassInfo::Fill(const ClassFile& file)
{
    Clear();
    ClassTexts texts;
    texts.Fill(file);
    access = texts.access;
    majorVersion = texts.majorVersion;
    sourceFile.Assign(texts.Text(texts.sourceFile), static_cast<int>(texts.sourceFile.length));
    package.Assign(texts.Text(texts.package), static_cast<int>(texts.package.length));
    className.Assign(texts.Text(texts.className), static_cast<int>(texts.className.length));
    superClass.Assign(texts.Text(texts.superClass), static_cast<int>(texts.superClass.length));
    // Already in order: each goes at the end.
    for (const TextSpan& name : texts.referenced)
        referencedClasses.Add(new XString(texts.ReferencedText(name), static_cast<int>(name.length)));
    for (const TextSpan& name : texts.interfaces)
        interfaces.Add(texts.Text(name), static_cast<int>(name.length));
    for (const InnerClassTexts& from : texts.innerClasses) {
        InnerClassDesc* inner = new InnerClassDesc;
        innerClasses.Add(inner);
        inner->access = from.access;
        inner->name.Assign(texts.Text(from.name), static_cast<int>(from.name.length));
    }
    FillMembers(texts, texts.fields, fields);
    FillMembers(texts, texts.methods, methods);
}

void ClassInfo::FillMembers(const ClassTexts& texts, const std::vector<MemberTexts>& from, MemberDescArray& to)
{
    for (const MemberTexts& member : from) {
        MemberDesc* desc = new MemberDesc;
        to.Add(desc);
        desc->access = member.access;
        desc->name.Assign(texts.Text(member.name), static_cast<int>(member.name.length));
        desc->type.Assign(texts.Text(member.type), static_cast<int>(member.type.length));
        for (size_t k = 0; k < member.thrownCount; ++k) {
            const TextSpan& name = texts.thrown[member.firstThrown + k];
            desc->names.Add(texts.Text(name), static_cast<int>(name.length));
        }
    }
}

void ClassInfo::Decode(ClassTexts::Descriptor kind, const char* descriptor, int length, XString& out)
{
    ClassTexts texts;
    const TextSpan text = texts.Decode(kind, descriptor, length);
    out.Append(texts.Text(text), static_cast<int>(text.length));
    for (const TextSpan& name : texts.referenced)
        referencedClasses.InsertSorted(texts.ReferencedText(name));
}

void ClassInfo::DecodeType(const char* descriptor, int length, XString& out)
{
    Decode(ClassTexts::Descriptor::kTypes, descriptor, length, out);
}

void ClassInfo::DecodeObjectType(const char* descriptor, int length, XString& out)
{
    Decode(ClassTexts::Descriptor::kObjectType, descriptor, length, out);
}

void ClassInfo::DecodeParameters(const char* piece, int length, XString& out)
{
    Decode(ClassTexts::Descriptor::kParameters, piece, length, out);
}
