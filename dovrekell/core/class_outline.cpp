#include "class_outline.h"

#include <cstdio>
#include <cstring>

namespace {

struct AccessWord {
    const char* text;
    int mask;
};

// In the order the outline prints them. A method's 0x40 and 0x80 (bridge and
// varargs) share their bits with the field words and print as those.
const AccessWord kAccessWords[] = {
    {"public", 0x1},     {"private", 0x2},      {"protected", 0x4}, {"static", 0x8},
    {"final", 0x10},     {"synchronized", 0x20}, {"volatile", 0x40}, {"transient", 0x80},
    {"native", 0x100},   {"interface", 0x200},  {"abstract", 0x400}, {"strict_", 0x800},
};

constexpr int kInterfaceFlag = 0x200;
constexpr int kAbstractFlag = 0x400;

bool StartsWith(const char* text, const char* prefix)
{
    return std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

void AppendShortNames(const StringList& names, XString& out)
{
    for (int i = 0; i < names.Count(); ++i) {
        out.AppendString(ShortName(names.At(i)->Data(), false));
        out.AppendChar(i + 1 < names.Count() ? ',' : ' ');
    }
}

}  // namespace

XString AccessWords(int flags, bool forClass)
{
    if (forClass)
        flags &= ~0x20;
    flags &= ~kInterfaceFlag;
    XString words;
    for (const AccessWord& word : kAccessWords) {
        if (flags & word.mask) {
            words.Append(word.text);
            words.AppendChar(' ');
        }
    }
    return words;
}

XString ShortName(const char* name, bool stripOuter)
{
    const char* lastDot = std::strrchr(name, '.');
    const char* tail = lastDot ? lastDot + 1 : name;
    if (stripOuter) {
        const char* dollar = std::strchr(tail, '$');
        if (dollar && !(dollar[1] >= '0' && dollar[1] <= '9'))
            tail = dollar + 1;
    }
    return XString(tail);
}

XString MethodDisplayName(const char* className, const char* methodText)
{
    XString out;
    const char* open = std::strchr(methodText, '(');
    const int nameLength = open ? static_cast<int>(open - methodText) : static_cast<int>(std::strlen(methodText));
    if (nameLength == 6 && std::strncmp(methodText, "<init>", 6) == 0)
        out.Append(className);
    else
        out.Append(methodText, nameLength);
    out.AppendChar('(');
    if (!open) {
        out.AppendChar(')');
        return out;
    }

    const char* piece = open + 1;
    for (int position = 0;; ++position) {
        while (*piece == ' ')
            ++piece;
        const char* end = piece;
        while (*end && *end != ',' && *end != ')')
            ++end;
        const XString type(piece, static_cast<int>(end - piece));
        const XString shortType = ShortName(type.Data(), false);
        if (!shortType.IsEmpty()) {
            char first = shortType[0];
            if (first >= 'A' && first <= 'Z')
                first = static_cast<char>(first - 'A' + 'a');
            char parameter[32];
            std::snprintf(parameter, sizeof parameter, " %c%d", first, position);
            out.AppendString(shortType);
            out.Append(parameter);
        }
        if (*end != ',') {
            out.AppendChar(')');
            break;
        }
        out.AppendChar(',');
        piece = end + 1;
    }
    return out;
}

int ClassOutline::Parse(const unsigned char* data, size_t size)
{
    file.Reset();
    info.Clear();
    int code = 0;
    if (file.ParseBuffer(data, size, &code) != 1 || !file.endedAtEnd)
        return 0;
    info.Fill(file);
    return 1;
}

XString ClassOutline::Write(const char* note, bool fileLine, bool packageAndImports, const char* header) const
{
    XString out;
    if (note) {
        out.Append("//note: retrieved directly from classpath ");
        out.Append(note);
        out.Append("\n");
    }
    if (fileLine) {
        out.Append("//file: ");
        out.AppendString(info.sourceFile);
        out.Append("\n");
    }
    if (header) {
        out.Append("//");
        out.Append(header);
        out.Append("\n");
    }
    out.Append("\n\n");
    if (!info.package.IsEmpty()) {
        out.Append(packageAndImports ? "package " : "import ");
        out.AppendString(info.package);
        out.Append(packageAndImports ? ";\n\n" : ".*;\n\n");
    }
    if (packageAndImports && info.referencedClasses.Count() > 0) {
        for (int i = 0; i < info.referencedClasses.Count(); ++i) {
            out.Append("import ");
            out.AppendString(*info.referencedClasses.StringAt(i));
            out.Append(";\n");
        }
        out.Append("\n");
    }
    WriteClassLine(out);
    WriteFields(out);
    WriteInnerClasses(out);
    WriteMethods(out);
    out.Append("}\n");
    return out;
}

void ClassOutline::WriteClassLine(XString& out) const
{
    const bool isInterface = (info.access & kInterfaceFlag) != 0;
    out.AppendString(AccessWords(info.access, !isInterface));
    out.Append(isInterface ? "interface " : "class ");
    out.AppendString(info.className);
    out.AppendChar(' ');
    if (isInterface) {
        if (info.interfaces.Count() > 0) {
            out.Append("extends ");
            AppendShortNames(info.interfaces, out);
        }
    } else {
        if (!info.superClass.IsEmpty()) {
            out.Append("extends ");
            out.AppendString(ShortName(info.superClass.Data(), false));
            out.AppendChar(' ');
        }
        if (info.interfaces.Count() > 0) {
            out.Append("implements ");
            AppendShortNames(info.interfaces, out);
        }
    }
    out.Append("\n{\n");
}

void ClassOutline::WriteFields(XString& out) const
{
    // An inner class's synthetic fields (this$0, val$x) name themselves with
    // a '$'; the section shows when any other field is left.
    const bool inner = std::strchr(info.className.Data(), '$') != nullptr;
    bool headerWritten = false;
    for (int i = 0; i < info.fields.Count(); ++i) {
        const MemberDesc& field = *info.fields.At(i);
        if (inner && std::strchr(field.name.Data(), '$'))
            continue;
        if (!headerWritten) {
            out.Append("\t//field\n");
            headerWritten = true;
        }
        out.AppendChar('\t');
        out.AppendString(AccessWords(field.access, false));
        out.AppendString(ShortName(field.type.Data(), false));
        out.AppendChar(' ');
        out.AppendString(field.name);
        out.Append(";\n");
    }
    if (headerWritten)
        out.Append("\n");
}

void ClassOutline::WriteInnerClasses(XString& out) const
{
    // The list can name the class itself (an anonymous or local class lists
    // its own entry); every other entry is a class declared inside it.
    XString ownName(info.package);
    if (!ownName.IsEmpty())
        ownName.AppendChar('.');
    ownName.AppendString(info.className);
    bool headerWritten = false;
    for (int i = 0; i < info.innerClasses.Count(); ++i) {
        const InnerClassDesc& inner = *info.innerClasses.At(i);
        if (std::strcmp(inner.name.Data(), ownName.Data()) == 0)
            continue;
        if (!headerWritten) {
            out.Append("\t//inner class\n");
            headerWritten = true;
        }
        out.AppendChar('\t');
        out.AppendString(AccessWords(inner.access, true));
        out.Append(inner.access & kInterfaceFlag ? "interface " : "class ");
        out.AppendString(ShortName(inner.name.Data(), true));
        out.Append("\n\t{\n\t}\n");
    }
    if (headerWritten)
        out.Append("\n");
}

void ClassOutline::WriteMethods(XString& out) const
{
    const bool isInterface = (info.access & kInterfaceFlag) != 0;
    const bool isAbstract = (info.access & kAbstractFlag) != 0;
    bool constructorHeader = false;
    bool methodHeader = false;
    for (int i = 0; i < info.methods.Count(); ++i) {
        const MemberDesc& method = *info.methods.At(i);
        const char* name = method.name.Data();
        if (StartsWith(name, "<clinit>"))
            continue;
        if (StartsWith(name, "<init>")) {
            if (!constructorHeader) {
                out.Append("\t//constructor\n");
                constructorHeader = true;
            }
        } else if (!methodHeader) {
            if (constructorHeader)
                out.Append("\n");
            out.Append("\t//method\n");
            methodHeader = true;
        }
        out.AppendChar('\t');
        out.AppendString(AccessWords(method.access, false));
        out.AppendString(ShortName(method.type.Data(), false));
        out.AppendChar(' ');
        out.AppendString(MethodDisplayName(info.className.Data(), name));
        if (method.names.Count() > 0) {
            out.Append(" throws ");
            for (int k = 0; k < method.names.Count(); ++k) {
                if (k > 0)
                    out.AppendChar(',');
                out.AppendString(ShortName(method.names.At(k)->Data(), false));
            }
        }
        const bool bodiless = (methodHeader && isInterface) || (isAbstract && (method.access & kAbstractFlag));
        out.Append(bodiless ? ";\n" : "\n\t{\n\t}\n");
    }
}
