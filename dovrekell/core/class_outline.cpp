#include "class_outline.h"

#include <cstdio>
#include <cstring>
#include <string>

#include "classfile/class_info.h"

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

// The outline is built in a std::string and handed over once: an XString
// grows by small steps, which costs more than the whole outline otherwise.

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

void AppendShortName(std::string& out, const ClassTexts& texts, TextSpan name, bool stripOuter = false)
{
    const char* begin = texts.Text(name);
    const char* end = begin + name.length;
    out.append(ShortStart(begin, end, stripOuter), end);
}

void AppendShortNames(const ClassTexts& texts, const std::vector<TextSpan>& names, std::string& out)
{
    for (size_t i = 0; i < names.size(); ++i) {
        AppendShortName(out, texts, names[i]);
        out += i + 1 < names.size() ? ',' : ' ';
    }
}

void AppendText(std::string& out, const ClassTexts& texts, TextSpan text)
{
    out.append(texts.Text(text), text.length);
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

void AppendAccessWords(std::string& out, int flags, bool forClass)
{
    static const AccessRuns table;
    if (forClass)
        flags &= ~0x20;
    flags &= ~kInterfaceFlag;
    for (int group = 0; group < 3; ++group) {
        const AccessRun& run = table.runs[group][(flags >> (group * 4)) & 0xF];
        if (run.length)
            out.append(run.text, run.length);
    }
}

// As "%d" prints it, without the cost of a formatted print per parameter.
void AppendDecimal(std::string& out, int value)
{
    if (value >= 0 && value < 10) {
        out += static_cast<char>('0' + value);
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
        out += '-';
    while (n > 0)
        out += digits[--n];
}

void AppendMethodDisplayName(std::string& out, const char* className, const char* methodText)
{
    const char* open = std::strchr(methodText, '(');
    const size_t nameLength = open ? static_cast<size_t>(open - methodText) : std::strlen(methodText);
    if (nameLength == 6 && std::strncmp(methodText, "<init>", 6) == 0)
        out += className;
    else
        out.append(methodText, nameLength);
    out += '(';
    if (!open) {
        out += ')';
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
            out.append(shortType, end);
            out += ' ';
            out += first;
            AppendDecimal(out, position);
        }
        if (*end != ',') {
            out += ')';
            break;
        }
        out += ',';
        piece = end + 1;
    }
}

std::string& KeptBuffer()
{
    static std::string* buffer = new std::string;  // never freed: see spare_blocks.h
    return *buffer;
}

XString ToXString(const std::string& text)
{
    return XString(text.data(), static_cast<int>(text.size()));
}

}  // namespace

XString AccessWords(int flags, bool forClass)
{
    std::string words;
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
    std::string out;
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
    std::string fresh;
    std::string& out = SpareBlocksKeptByThisThread() ? KeptBuffer() : fresh;
    out.clear();
    if (note) {
        out += "//note: retrieved directly from classpath ";
        out += note;
        out += "\n";
    }
    if (fileLine) {
        out += "//file: ";
        AppendText(out, texts, texts.sourceFile);
        out += "\n";
    }
    if (header) {
        out += "//";
        out += header;
        out += "\n";
    }
    out += "\n\n";
    if (texts.package.length > 0) {
        out += packageAndImports ? "package " : "import ";
        AppendText(out, texts, texts.package);
        out += packageAndImports ? ";\n\n" : ".*;\n\n";
    }
    if (packageAndImports && !texts.referenced.empty()) {
        for (const TextSpan& name : texts.referenced) {
            out += "import ";
            out.append(texts.ReferencedText(name), name.length);
            out += ";\n";
        }
        out += "\n";
    }
    WriteClassLine(out);
    WriteFields(out);
    WriteInnerClasses(out);
    WriteMethods(out);
    out += "}\n";
    return ToXString(out);
}

void ClassOutline::WriteClassLine(std::string& out) const
{
    const bool isInterface = (texts.access & kInterfaceFlag) != 0;
    AppendAccessWords(out, texts.access, !isInterface);
    out += isInterface ? "interface " : "class ";
    AppendText(out, texts, texts.className);
    out += ' ';
    if (isInterface) {
        if (!texts.interfaces.empty()) {
            out += "extends ";
            AppendShortNames(texts, texts.interfaces, out);
        }
    } else {
        if (texts.superClass.length > 0) {
            out += "extends ";
            AppendShortName(out, texts, texts.superClass);
            out += ' ';
        }
        if (!texts.interfaces.empty()) {
            out += "implements ";
            AppendShortNames(texts, texts.interfaces, out);
        }
    }
    out += "\n{\n";
}

void ClassOutline::WriteFields(std::string& out) const
{
    // An inner class's synthetic fields (this$0, val$x) name themselves with
    // a '$'; the section shows when any other field is left.
    const bool inner = std::strchr(texts.Text(texts.className), '$') != nullptr;
    bool headerWritten = false;
    for (const MemberTexts& field : texts.fields) {
        if (inner && std::strchr(texts.Text(field.name), '$'))
            continue;
        if (!headerWritten) {
            out += "\t//field\n";
            headerWritten = true;
        }
        out += '\t';
        AppendAccessWords(out, field.access, false);
        AppendShortName(out, texts, field.type);
        out += ' ';
        AppendText(out, texts, field.name);
        out += ";\n";
    }
    if (headerWritten)
        out += "\n";
}

void ClassOutline::WriteInnerClasses(std::string& out) const
{
    // The list can name the class itself (an anonymous or local class lists
    // its own entry); every other entry is a class declared inside it.
    bool headerWritten = false;
    for (const InnerClassTexts& inner : texts.innerClasses) {
        if (IsOwnName(inner.name))
            continue;
        if (!headerWritten) {
            out += "\t//inner class\n";
            headerWritten = true;
        }
        out += '\t';
        AppendAccessWords(out, inner.access, true);
        out += inner.access & kInterfaceFlag ? "interface " : "class ";
        AppendShortName(out, texts, inner.name, true);
        out += "\n\t{\n\t}\n";
    }
    if (headerWritten)
        out += "\n";
}

void ClassOutline::WriteMethods(std::string& out) const
{
    const bool isInterface = (texts.access & kInterfaceFlag) != 0;
    const bool isAbstract = (texts.access & kAbstractFlag) != 0;
    bool constructorHeader = false;
    bool methodHeader = false;
    for (const MemberTexts& method : texts.methods) {
        const char* name = texts.Text(method.name);
        if (StartsWith(name, "<clinit>"))
            continue;
        if (StartsWith(name, "<init>")) {
            if (!constructorHeader) {
                out += "\t//constructor\n";
                constructorHeader = true;
            }
        } else if (!methodHeader) {
            if (constructorHeader)
                out += "\n";
            out += "\t//method\n";
            methodHeader = true;
        }
        out += '\t';
        AppendAccessWords(out, method.access, false);
        AppendShortName(out, texts, method.type);
        out += ' ';
        AppendMethodDisplayName(out, texts.Text(texts.className), name);
        if (method.thrownCount > 0) {
            out += " throws ";
            for (uint32_t k = 0; k < method.thrownCount; ++k) {
                if (k > 0)
                    out += ',';
                AppendShortName(out, texts, texts.thrown[method.firstThrown + k]);
            }
        }
        const bool bodiless = (methodHeader && isInterface) || (isAbstract && (method.access & kAbstractFlag));
        out += bodiless ? ";\n" : "\n\t{\n\t}\n";
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
