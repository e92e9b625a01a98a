#pragma once

#include "xstring.h"

// The bytes the Execute page sends to a program's standard input: the text
// with its \u escapes decoded when asked, then the suffix byte. No Win32.

// Two hexadecimal digits (any other character counts 0); 0 when the escape
// is not exactly two characters long or gives the byte 0.
int DecodeEscapeByte(const char* escape, int length, unsigned char* byte);

enum class SendDecode { Ok, NothingToSend, BadText, BadSuffix };

// suffix is "none" or an escape; decodeText turns each "\uXY" of the text
// into its byte.
SendDecode DecodeSendBytes(const char* text, const char* suffix, int decodeText, XString& bytes);
