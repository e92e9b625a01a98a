#include <gtest/gtest.h>

#include "location_text.h"

namespace {

struct LocationCase {
    const char* location;
    int html;
    const char* title;
};

const LocationCase kCases[] = {
    {"C:\\jdk\\docs\\api\\index.html", 1, "index"},
    {"C:\\jdk\\docs\\api\\index.html#top", 1, "index.html#top"},
    {"C:\\jdk\\docs\\x.HTM", 1, "x"},
    {"C:\\jdk\\docs\\archive.zip", 0, "archive.zip"},
    {"C:\\jdk\\docs\\readme", 0, "readme"},
    {"C:\\jdk\\src\\Foo.java", 0, "Foo.java"},
    // The dot lies in a folder's name: the file has no extension.
    {"C:\\a.b\\readme", 0, "readme"},
    {"http://example.org/guide/intro.htm", 1, "intro"},
    {"C:\\docs\\.html", 1, ".html"},
    {"C:\\docs\\page.html.txt", 0, "page.html.txt"},
};

TEST(LocationText, HtmlAndTitleFollowTheLastComponent)
{
    for (const LocationCase& c : kCases) {
        EXPECT_EQ(IsHtmlLocation(c.location), c.html) << c.location;
        EXPECT_STREQ(LocationTitle(c.location).Data(), c.title) << c.location;
    }
}

TEST(LocationText, DocsLocationMessage)
{
    EXPECT_STREQ(DocsLocationMessage("").Data(), "\nJDK documentation has not been initialized\n");
    EXPECT_STREQ(DocsLocationMessage("C:\\jdk\\docs\\index.html").Data(), "\nC:\\jdk\\docs\n\n");
    EXPECT_STREQ(DocsLocationMessage("docs").Data(), "\n\n\n");
}

}  // namespace
