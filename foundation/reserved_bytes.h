#pragma once

#include "xstring.h"

// Bytes with fixed roles in what the programs hand one another: 0xA5 ends a
// field of the payloads and of a built executable's trailer, 0xAB and 0xBB
// mark where that trailer begins and ends. A text holding one of them can not
// travel in a field that ends at it; such a text is refused, with a message
// that names it, before anything is written or started.
namespace reserved_bytes {

constexpr unsigned char kFieldEnd = 0xA5;
constexpr unsigned char kTrailerMark = 0xAB;
constexpr unsigned char kJarMark = 0xBB;

// Which of the three bytes a field can not hold.
enum Set : unsigned { kFieldEndOnly = 1u, kAllMarks = 7u };

// One text that is about to be handed on, with what the user calls it.
struct CarriedText {
    const char* name;  // "class path", "main class", ...
    const XString* text;
    Set refused;
};

// The first byte of text that the set refuses; 0 when there is none.
unsigned char FindRefusedByte(const XString& text, Set refused);

// Checks the texts in order. 1 when all of them fit; else 0 and the message
// for the first one that does not.
int CheckCarriedTexts(const CarriedText* texts, int count, XString& message);

// "The <name>\n<text>\nholds the character <c> (byte 0x<hex>), ..."
XString RefusedByteMessage(const char* name, const XString& text, unsigned char byte);

}  // namespace reserved_bytes
