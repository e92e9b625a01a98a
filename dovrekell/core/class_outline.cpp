#include "class_outline.h"

#include <cstdio>
#include <cstring>
#include <memory>

#include "classfile/class_info.h"
#include "outline_text.h"

namespace {

struct AccessWord {
    const char* text;  // with its blank
    size_t length;
    int mask;
};

// In the order the outline prints them. A method's 0x40 and 0x80 (bridge and
// varargs) share their bits with the field words and print as those.
const AccessWord kAccessWords[] = {
    {"public ", 7, 0x1},     {"private ", 8, 0x2},       {"protected ", 10, 0x4}, {"static ", 7, 0x8},
    {"final ", 6, 0x10},     {"synchronized ", 13, 0x20}, {"volatile ", 9, 0x40},  {"transient ", 10, 0x80},
    {"native ", 7, 0x100},   {"interface ", 10, 0x200},  {"abstract ", 9, 0x400}, {"strict_ ", 8, 0x800},
};

constexpr int kInterfaceFlag = 0x200;
constexpr int kAbstractFlag = 0x400;

// Only the special names begin with '<'.
bool StartsWith(const char* text, const char* prefix)
{
    return text[0] == prefix[0] && std::strncmp(text, prefix, std::strlen(prefix)) == 0;
}

// The text after the last '.' of [begin, end), as a range.
const char* ShortStart(const char* begin, const char* end, bool stripOuter)
{
    // From the end: the last '.' is the only one that counts.
    const char* tail = end;
    while (tail > begin && tail[-1] != '.')
        --tail;
    if (stripOuter) {
        for (const char* p = tail; p < end; ++p) {
            if (*p == '$') {
                if (!(p[1] >= '0' && p[1] <= '9') || p + 1 >= end)
                    tail = p + 1;
                break;
            }
        }
    }
    return tail;
}

void AppendShortName(OutlineText& out, const ClassTexts& texts, TextSpan name, bool stripOuter = false)
{
    const char* begin = texts.Text(name);
    const char* end = begin + name.length;
    const char* tail = ShortStart(begin, end, stripOuter);
    out.Append(tail, static_cast<size_t>(end - tail));
}

void AppendShortNames(const ClassTexts& texts, const std::vector<TextSpan>& names, OutlineText& out)
{
    for (size_t i = 0; i < names.size(); ++i) {
        AppendShortName(out, texts, names[i]);
        out.Append(i + 1 < names.size() ? ',' : ' ');
    }
}

void AppendText(OutlineText& out, const ClassTexts& texts, TextSpan text)
{
    out.Append(texts.Text(text), text.length);
}

// The words of each four bits of the flags, for every value of those bits:
// three look-ups then print any set of flags, in the words' order.
struct AccessRun {
    char text[40];
    size_t length;
};

struct AccessRuns {
    AccessRun runs[3][16];

    AccessRuns()
    {
        for (int group = 0; group < 3; ++group) {
            for (int bits = 0; bits < 16; ++bits) {
                AccessRun& run = runs[group][bits];
                run.length = 0;
                for (int k = 0; k < 4; ++k) {
                    const AccessWord& word = kAccessWords[group * 4 + k];
                    if ((bits << (group * 4)) & word.mask) {
                        std::memcpy(run.text + run.length, word.text, word.length);
                        run.length += word.length;
                    }
                }
            }
        }
    }
};

void AppendAccessWords(OutlineText& out, int flags, bool forClass)
{
    static const AccessRuns table;
    if (forClass)
        flags &= ~0x20;
    flags &= ~kInterfaceFlag;
    for (int group = 0; group < 3; ++group) {
        const AccessRun& run = table.runs[group][(flags >> (group * 4)) & 0xF];
        if (run.length)
            out.Append(run.text, run.length);
    }
}

// As "%d" prints it, without the cost of a formatted print per parameter.
void AppendDecimal(OutlineText& out, int value)
{
    if (value >= 0 && value < 10) {
        out.Append(static_cast<char>('0' + value));
        return;
    }
    char digits[12];
    int n = 0;
    unsigned magnitude = value < 0 ? 0u - static_cast<unsigned>(value) : static_cast<unsigned>(value);
    do {
        digits[n++] = static_cast<char>('0' + magnitude % 10);
        magnitude /= 10;
    } while (magnitude);
    if (value < 0)
        out.Append('-');
    while (n > 0)
        out.Append(digits[--n]);
}

void AppendMethodDisplayName(OutlineText& out, const char* className, const char* methodText)
{
    const char* open = std::strchr(methodText, '(');
    const size_t nameLength = open ? static_cast<size_t>(open - methodText) : std::strlen(methodText);
    if (nameLength == 6 && std::strncmp(methodText, "<init>", 6) == 0)
        out.AppendString(className);
    else
        out.Append(methodText, nameLength);
    out.Append('(');
    if (!open) {
        out.Append(')');
        return;
    }
    const char* piece = open + 1;
    for (int position = 0;; ++position) {
        while (*piece == ' ')
            ++piece;
        // One pass finds both the type's end and its last '.'.
        const char* end = piece;
        const char* shortType = piece;
        for (; *end && *end != ',' && *end != ')'; ++end) {
            if (*end == '.')
                shortType = end + 1;
        }
        if (shortType < end) {
            char first = *shortType;
            if (first >= 'A' && first <= 'Z')
                first = static_cast<char>(first - 'A' + 'a');
            out.Append(shortType, static_cast<size_t>(end - shortType));
            out.Append(' ');
            out.Append(first);
            AppendDecimal(out, position);
        }
        if (*end != ',') {
            out.Append(')');
            break;
        }
        out.Append(',');
        piece = end + 1;
    }
}

OutlineText& KeptText()
{
    static OutlineText* text = new OutlineText;  // never freed: see spare_blocks.h
    return *text;
}

XString ToXString(const OutlineText& text)
{
    return XString(text.Data(), static_cast<int>(text.Length()));
}

}  // namespace

XString AccessWords(int flags, bool forClass)
{
    OutlineText words;
    AppendAccessWords(words, flags, forClass);
    return ToXString(words);
}

XString ShortName(const char* name, bool stripOuter)
{
    const char* end = name + std::strlen(name);
    return XString(ShortStart(name, end, stripOuter));
}

XString MethodDisplayName(const char* className, const char* methodText)
{
    OutlineText out;
    AppendMethodDisplayName(out, className, methodText);
    return ToXString(out);
}

int ClassOutline::Parse(const unsigned char* data, size_t size)
{
    KeepSpareBlocksForThisThread();
    file.Reset();
    texts.Clear();
    int code = 0;
    if (file.ParseBuffer(data, size, &code) != 1 || !file.endedAtEnd)
        return 0;
    texts.Fill(file);
    return 1;
}

XString ClassOutline::Write(const char* note, bool fileLine, bool packageAndImports, const char* header) const
{
    // The thread that keeps spare blocks also keeps one buffer from outline
    // to outline: a fresh one for each class costs a good part of its write.
    std::unique_ptr<OutlineText> own;
    if (!SpareBlocksKeptByThisThread())
        own.reset(new OutlineText);
    OutlineText& out = own ? *own : KeptText();
    out.Clear();
    if (note) {
        out.Append("//note: retrieved directly from classpath ");
        out.AppendString(note);
        out.Append("\n");
    }
    if (fileLine) {
        out.Append("//file: ");
        AppendText(out, texts, texts.sourceFile);
        out.Append("\n");
    }
    if (header) {
        out.Append("//");
        out.AppendString(header);
        out.Append("\n");
    }
    out.Append("\n\n");
    if (texts.package.length > 0) {
        if (packageAndImports) {
            out.Append("package ");
            AppendText(out, texts, texts.package);
            out.Append(";\n\n");
        } else {
            out.Append("import ");
            AppendText(out, texts, texts.package);
            out.Append(".*;\n\n");
        }
    }
    if (packageAndImports && !texts.referenced.empty()) {
        for (const TextSpan& name : texts.referenced) {
            out.Append("import ");
            out.Append(texts.ReferencedText(name), name.length);
            out.Append(";\n");
        }
        out.Append("\n");
    }
    WriteClassLine(out);
    WriteFields(out);
    WriteInnerClasses(out);
    WriteMethods(out);
    out.Append("}\n");
    return ToXString(out);
}

void ClassOutline::WriteClassLine(OutlineText& out) const
{
    const bool isInterface = (texts.access & kInterfaceFlag) != 0;
    AppendAccessWords(out, texts.access, !isInterface);
    if (isInterface)
        out.Append("interface ");
    else
        out.Append("class ");
    AppendText(out, texts, texts.className);
    out.Append(' ');
    if (isInterface) {
        if (!texts.interfaces.empty()) {
            out.Append("extends ");
            AppendShortNames(texts, texts.interfaces, out);
        }
    } else {
        if (texts.superClass.length > 0) {
            out.Append("extends ");
            AppendShortName(out, texts, texts.superClass);
            out.Append(' ');
        }
        if (!texts.interfaces.empty()) {
            out.Append("implements ");
            AppendShortNames(texts, texts.interfaces, out);
        }
    }
    out.Append("\n{\n");
}

void ClassOutline::WriteFields(OutlineText& out) const
{
    // An inner class's synthetic fields (this$0, val$x) name themselves with
    // a '$'; the section shows when any other field is left.
    const bool inner = std::strchr(texts.Text(texts.className), '$') != nullptr;
    bool headerWritten = false;
    for (const MemberTexts& field : texts.fields) {
        if (inner && std::strchr(texts.Text(field.name), '$'))
            continue;
        if (!headerWritten) {
            out.Append("\t//field\n");
            headerWritten = true;
        }
        out.Append('\t');
        AppendAccessWords(out, field.access, false);
        AppendShortName(out, texts, field.type);
        out.Append(' ');
        AppendText(out, texts, field.name);
        out.Append(";\n");
    }
    if (headerWritten)
        out.Append("\n");
}

void ClassOutline::WriteInnerClasses(OutlineText& out) const
{
    // The list can name the class itself (an anonymous or local class lists
    // its own entry); every other entry is a class declared inside it.
    bool headerWritten = false;
    for (const InnerClassTexts& inner : texts.innerClasses) {
        if (IsOwnName(inner.name))
            continue;
        if (!headerWritten) {
            out.Append("\t//inner class\n");
            headerWritten = true;
        }
        out.Append('\t');
        AppendAccessWords(out, inner.access, true);
        if (inner.access & kInterfaceFlag)
            out.Append("interface ");
        else
            out.Append("class ");
        AppendShortName(out, texts, inner.name, true);
        out.Append("\n\t{\n\t}\n");
    }
    if (headerWritten)
        out.Append("\n");
}

void ClassOutline::WriteMethods(OutlineText& out) const
{
    const bool isInterface = (texts.access & kInterfaceFlag) != 0;
    const bool isAbstract = (texts.access & kAbstractFlag) != 0;
    // Each run of constructors or of methods stands under its own header, a
    // blank line before every header but the first: a class that declares
    // a constructor between methods would otherwise show the later methods
    // as constructors.
    enum class Kind { kNone, kConstructor, kMethod } last = Kind::kNone;
    bool methodHeader = false;
    for (const MemberTexts& method : texts.methods) {
        const char* name = texts.Text(method.name);
        if (StartsWith(name, "<clinit>"))
            continue;
        const Kind kind = StartsWith(name, "<init>") ? Kind::kConstructor : Kind::kMethod;
        if (kind != last) {
            if (last != Kind::kNone)
                out.Append("\n");
            if (kind == Kind::kConstructor) {
                out.Append("\t//constructor\n");
            } else {
                out.Append("\t//method\n");
                methodHeader = true;
            }
            last = kind;
        }
        out.Append('\t');
        AppendAccessWords(out, method.access, false);
        AppendShortName(out, texts, method.type);
        out.Append(' ');
        AppendMethodDisplayName(out, texts.Text(texts.className), name);
        if (method.thrownCount > 0) {
            out.Append(" throws ");
            for (size_t k = 0; k < method.thrownCount; ++k) {
                if (k > 0)
                    out.Append(',');
                AppendShortName(out, texts, texts.thrown[method.firstThrown + k]);
            }
        }
        const bool bodiless = (methodHeader && isInterface) || (isAbstract && (method.access & kAbstractFlag));
        if (bodiless)
            out.Append(";\n");
        else
            out.Append("\n\t{\n\t}\n");
    }
}

bool ClassOutline::IsOwnName(TextSpan name) const
{
    // The class's own name in Java form: the package, '.', the name.
    const TextSpan package = texts.package;
    const TextSpan own = texts.className;
    const char* text = texts.Text(name);
    if (package.length == 0)
        return name.length == own.length && std::memcmp(text, texts.Text(own), own.length) == 0;
    return name.length == package.length + 1 + own.length &&
           std::memcmp(text, texts.Text(package), package.length) == 0 && text[package.length] == '.' &&
           std::memcmp(text + package.length + 1, texts.Text(own), own.length) == 0;
}
