#include "property_listing.h"

namespace property_listing {

namespace {

// The position of the first `wanted` byte from pos on, or size when the end
// mark (or the end of the data) comes first.
size_t FindBefore(const unsigned char* data, size_t size, size_t pos, unsigned char wanted)
{
    for (; pos < size; ++pos) {
        if (data[pos] == wanted)
            return pos;
        if (data[pos] == kEnd || data[pos] == kNameEnd || data[pos] == kValueEnd)
            return size;
    }
    return size;
}

void SplitPieces(const unsigned char* value, size_t length, std::vector<XString>& pieces)
{
    size_t start = 0;
    for (size_t i = 0; i <= length; ++i) {
        if (i < length && value[i] != ';')
            continue;
        if (i > start)
            pieces.push_back(XString(reinterpret_cast<const char*>(value + start), static_cast<int>(i - start)));
        start = i + 1;
    }
}

}  // namespace

std::vector<Property> Parse(const unsigned char* data, size_t size)
{
    std::vector<Property> properties;
    if (size < 2 || data[0] != kStart)
        return properties;
    size_t pos = 1;
    while (pos < size && data[pos] != kEnd) {
        const size_t nameEnd = FindBefore(data, size, pos, kNameEnd);
        if (nameEnd == size)
            break;
        const size_t valueEnd = FindBefore(data, size, nameEnd + 1, kValueEnd);
        if (valueEnd == size)
            break;
        Property property;
        property.name.Assign(reinterpret_cast<const char*>(data + pos), static_cast<int>(nameEnd - pos));
        SplitPieces(data + nameEnd + 1, valueEnd - nameEnd - 1, property.pieces);
        properties.push_back(property);
        pos = valueEnd + 1;
    }
    return properties;
}

}  // namespace property_listing
