// The Java property listing's reader: what becomes a property and its
// pieces, and where reading stops.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "property_listing.h"

namespace {

// "<" for the start mark, "=" name end, ";" stays, "|" value end, ">" end mark.
std::string Listing(const std::string& shape)
{
    std::string bytes;
    for (char c : shape) {
        switch (c) {
        case '<': bytes += '\xAB'; break;
        case '=': bytes += '\xA4'; break;
        case '|': bytes += '\xA5'; break;
        case '>': bytes += '\xBB'; break;
        default: bytes += c; break;
        }
    }
    return bytes;
}

// "name:piece,piece" per property, properties joined by blanks.
std::string Describe(const std::vector<property_listing::Property>& properties)
{
    std::string out;
    for (const auto& property : properties) {
        if (!out.empty())
            out += ' ';
        out += std::string(property.name.Data()) + ':';
        for (size_t i = 0; i < property.pieces.size(); ++i)
            out += (i ? "," : "") + std::string(property.pieces[i].Data());
    }
    return out;
}

TEST(PropertyListingTest, PropertiesPiecesAndWhereReadingStops)
{
    const struct {
        const char* name;
        std::string listing;
        std::string expected;
    } cases[] = {
        {"normal", Listing("<java.version=17|os.name=Linux|>"), "java.version:17 os.name:Linux"},
        {"empty value gives no child", Listing("<a=|b=x|>"), "a: b:x"},
        {"pieces split at ';', empty ones left out", Listing("<p=a;b;|q=;;c|>"), "p:a,b q:c"},
        {"missing name end stops before the property", Listing("<a=1|broken|c=3|>"), "a:1"},
        {"missing value end at the end of the data", Listing("<a=1|b=2"), "a:1"},
        {"stray end mark in a name", Listing("<a=1|b>c=2|>"), "a:1"},
        {"stray end mark in a value", Listing("<a=1|b=2>3|c=4|>"), "a:1"},
        {"nothing after the end mark", Listing("<a=1|>b=2|"), "a:1"},
        {"no end mark", Listing("<a=1|b=2|"), "a:1 b:2"},
        {"no start mark", Listing("a=1|>"), ""},
        {"start mark alone", Listing("<"), ""},
        {"empty", "", ""},
        {"high bytes are ordinary", Listing("<user.name=J\xF6rg|>"), "user.name:J\xF6rg"},
    };
    for (const auto& c : cases) {
        const auto properties = property_listing::Parse(reinterpret_cast<const unsigned char*>(c.listing.data()),
                                                        c.listing.size());
        EXPECT_EQ(Describe(properties), c.expected) << c.name;
    }
}

}  // namespace
