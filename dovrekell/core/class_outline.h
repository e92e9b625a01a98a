#pragma once

#include <cstddef>

#include "classfile/class_file.h"
#include "classfile/class_texts.h"
#include "xstring.h"

class OutlineText;

// A Java-like outline of one compiled class: package, imports, the class line
// with its super types, then fields, inner classes, constructors and methods
// with empty bodies. The parse and the information drawn from it live and die
// together; the file viewer builds one per display.
class ClassOutline {
public:
    // 1 when the whole buffer is one well-formed class; only then is the
    // information filled and Write meaningful.
    int Parse(const unsigned char* data, size_t size);

    // note: a class-path note line (null: none); header: one more comment
    // line (null: none).
    XString Write(const char* note, bool fileLine, bool packageAndImports, const char* header) const;

private:
    void WriteClassLine(OutlineText& out) const;
    void WriteFields(OutlineText& out) const;
    void WriteInnerClasses(OutlineText& out) const;
    void WriteMethods(OutlineText& out) const;
    // The inner-class list can name the class itself.
    bool IsOwnName(TextSpan name) const;

    ClassFile file;
    ClassTexts texts;
};

// The words of the set access flags, each followed by one blank. The class
// form drops 0x20, which on a class means "super", not "synchronized".
XString AccessWords(int flags, bool forClass);
// The text after the last '.'; with stripOuter, a member class's name loses
// its outer class ("Outer$Inner" gives "Inner"; "Outer$1" stays).
XString ShortName(const char* name, bool stripOuter);
// A method as the outline prints it: "main(String[] s0)", a constructor under
// its class's name.
XString MethodDisplayName(const char* className, const char* methodText);
