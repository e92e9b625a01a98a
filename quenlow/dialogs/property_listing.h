#pragma once

#include <cstddef>
#include <vector>

#include "xstring.h"

// The listing the Java property probe writes to its standard output: one
// byte 0xAB, then per property its name, 0xA4, its value, 0xA5; then 0xBB.
namespace property_listing {

constexpr unsigned char kStart = 0xAB;
constexpr unsigned char kNameEnd = 0xA4;
constexpr unsigned char kValueEnd = 0xA5;
constexpr unsigned char kEnd = 0xBB;

struct Property {
    XString name;
    // The value split at ';', empty pieces left out: "a;b;" gives a and b,
    // an empty value none.
    std::vector<XString> pieces;
};

// The properties in the order of the listing. Reading stops at the end
// mark, at the end of the data, or where a property lacks a separator (that
// property is left out). Nothing is read unless the data starts with the
// start mark.
std::vector<Property> Parse(const unsigned char* data, size_t size);

}  // namespace property_listing
