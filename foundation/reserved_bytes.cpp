#include "reserved_bytes.h"

#include <cstdio>

namespace reserved_bytes {

namespace {

bool Refuses(Set refused, unsigned char byte)
{
    switch (byte) {
    case kFieldEnd:
        return true;  // every set refuses the field end
    case kTrailerMark:
    case kJarMark:
        return refused == kAllMarks;
    default:
        return false;
    }
}

}  // namespace

unsigned char FindRefusedByte(const XString& text, Set refused)
{
    for (int i = 0; i < text.Length(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(text[i]);
        if (Refuses(refused, byte))
            return byte;
    }
    return 0;
}

int CheckCarriedTexts(const CarriedText* texts, int count, XString& message)
{
    for (int i = 0; i < count; ++i) {
        const unsigned char byte = FindRefusedByte(*texts[i].text, texts[i].refused);
        if (byte) {
            message = RefusedByteMessage(texts[i].name, *texts[i].text, byte);
            return 0;
        }
    }
    return 1;
}

XString RefusedByteMessage(const char* name, const XString& text, unsigned char byte)
{
    // The character as the user sees it in Windows' single-byte text, and
    // the byte, so the message is clear whatever the display shows.
    char described[64];
    std::snprintf(described, sizeof described, "holds the character %c (byte 0x%02X),\n", static_cast<char>(byte),
                  static_cast<unsigned>(byte));
    XString message("The ");
    message.Append(name);
    message.Append("\n");
    message.AppendString(text);
    message.Append("\n");
    message.Append(described);
    message.Append("which marks the end of a field where it is handed on, so it can not be passed.\n"
                   "Please rename the file or folder, or change the text, and try again.\n"
                   "Nothing was created or started.\n");
    return message;
}

}  // namespace reserved_bytes
