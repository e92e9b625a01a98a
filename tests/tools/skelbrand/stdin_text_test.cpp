#include "stdin_text.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

namespace {

TEST(DecodeEscapeByte, TwoDigitsOfAnyCaseOthersCountZeroAndZeroFails)
{
    const struct {
        const char* escape;
        int ok;
        int byte;
    } cases[] = {
        {"0a", 1, 0x0A}, {"41", 1, 0x41}, {"Ff", 1, 0xFF}, {"g1", 1, 0x01}, {"1z", 1, 0x10},
        {"00", 0, 0},    {"zz", 0, 0},    {"a", 0, 0},     {"abc", 0, 0},   {"", 0, 0},
    };
    for (const auto& c : cases) {
        unsigned char byte = 0;
        EXPECT_EQ(DecodeEscapeByte(c.escape, static_cast<int>(std::strlen(c.escape)), &byte), c.ok) << c.escape;
        if (c.ok) {
            EXPECT_EQ(byte, c.byte) << c.escape;
        }
    }
}

TEST(DecodeSendBytes, TextEscapesAndSuffix)
{
    const struct {
        const char* text;
        const char* suffix;
        int decode;
        SendDecode result;
        const char* bytes;
    } cases[] = {
        {"", "0a", 0, SendDecode::Ok, "\n"},
        {"", "none", 0, SendDecode::NothingToSend, ""},
        {"hello", "none", 0, SendDecode::Ok, "hello"},
        {"hi", "00", 0, SendDecode::BadSuffix, ""},
        {"hi", "zz", 0, SendDecode::BadSuffix, ""},
        {"a\\u41b", "none", 1, SendDecode::Ok, "aAb"},
        {"a\\u41b", "0d", 0, SendDecode::Ok, "a\\u41b\r"},
        {"\\u41\\u42", "0a", 1, SendDecode::Ok, "AB\n"},
        {"x\\u4", "none", 1, SendDecode::BadText, ""},
        {"x\\u", "none", 1, SendDecode::BadText, ""},
        {"x\\u00", "none", 1, SendDecode::BadText, ""},
    };
    for (const auto& c : cases) {
        XString bytes;
        EXPECT_EQ(DecodeSendBytes(c.text, c.suffix, c.decode, bytes), c.result) << c.text << " + " << c.suffix;
        if (c.result == SendDecode::Ok) {
            EXPECT_EQ(std::string(bytes.Data(), static_cast<size_t>(bytes.Length())), c.bytes) << c.text;
        }
    }
}

}  // namespace
