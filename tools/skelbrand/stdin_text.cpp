#include "stdin_text.h"

#include <cstring>

namespace {

const char kNoSuffix[] = "none";

int DigitValue(char c)
{
    if (c >= '0' && c <= '9')
        return c - '0';
    if (c >= 'a' && c <= 'f')
        return c - 'a' + 10;
    if (c >= 'A' && c <= 'F')
        return c - 'A' + 10;
    return 0;
}

int DecodeText(const char* text, XString& bytes)
{
    for (const char* p = text; *p;) {
        const char* escape = std::strstr(p, "\\u");
        if (!escape) {
            bytes.Append(p);
            break;
        }
        bytes.Append(p, static_cast<int>(escape - p));
        const int left = static_cast<int>(std::strlen(escape + 2));
        unsigned char byte = 0;
        if (!DecodeEscapeByte(escape + 2, left < 2 ? left : 2, &byte))
            return 0;
        bytes.AppendChar(static_cast<char>(byte));
        p = escape + 4;
    }
    return 1;
}

}  // namespace

int DecodeEscapeByte(const char* escape, int length, unsigned char* byte)
{
    if (length != 2)
        return 0;
    const int value = DigitValue(escape[0]) * 16 + DigitValue(escape[1]);
    if (value == 0)
        return 0;
    *byte = static_cast<unsigned char>(value);
    return 1;
}

SendDecode DecodeSendBytes(const char* text, const char* suffix, int decodeText, XString& bytes)
{
    bytes.Assign("");
    const bool hasSuffix = std::strcmp(suffix, kNoSuffix) != 0;
    unsigned char suffixByte = 0;
    if (hasSuffix && !DecodeEscapeByte(suffix, static_cast<int>(std::strlen(suffix)), &suffixByte))
        return SendDecode::BadSuffix;
    if (!hasSuffix && !*text)
        return SendDecode::NothingToSend;
    if (decodeText && *text) {
        if (!DecodeText(text, bytes))
            return SendDecode::BadText;
    } else {
        bytes.Append(text);
    }
    if (hasSuffix)
        bytes.AppendChar(static_cast<char>(suffixByte));
    return SendDecode::Ok;
}
