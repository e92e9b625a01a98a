// The rich-text label's tag language and layout against a measure whose
// sizes are simple to work out: a character is half the font size wide
// (one more when bold) and a line is the size plus 2 high.
#include "about_text.h"
#include "rich_label_scroll.h"
#include "rich_text_layout.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <string>

namespace {

constexpr RichColor kShadow = RichRgb(128, 128, 128);

class FakeMeasure : public RichMeasure {
public:
    RichSize TextSize(const RichFont& font, const std::string& text) override
    {
        return {static_cast<int>(text.size()) * (font.size / 2 + font.bold), font.size + 2};
    }
    // Bitmap 5 is 16 x 10; there is no other.
    RichSize BitmapSize(int bitmapId) override { return bitmapId == 5 ? RichSize{16, 10} : RichSize{}; }
};

std::string Rect(const RichRect& r)
{
    return std::to_string(r.left) + "," + std::to_string(r.top) + "-" + std::to_string(r.right) + "," +
           std::to_string(r.bottom);
}

// Each run as text@place, bitmaps as #id, links as ->target, rules as
// hr@place, then the content height.
std::string Describe(const RichLayout& layout)
{
    std::string out;
    for (const RichRun& run : layout.runs) {
        out += run.kind == RichRun::kText ? run.text : "#" + std::to_string(run.bitmapId);
        out += "@" + Rect(run.place);
        if (!run.link.empty())
            out += "->" + run.link;
        out += " ";
    }
    for (const RichRule& rule : layout.rules)
        out += "hr@" + Rect(rule.place) + " ";
    return out + "h" + std::to_string(layout.contentHeight);
}

RichLayout Layout(const char* text, int width = 100)
{
    FakeMeasure measure;
    return LayoutRichText(text, width, kShadow, measure);
}

TEST(RichTextLayout, RunsLinesAndPlaces)
{
    const struct {
        const char* text;
        int width;
        const char* expected;
    } cases[] = {
        // Plain text is centred in Arial 12.
        {"ab", 100, "ab@44,0-56,14 h14"},
        // A line takes the alignment on top of the stack when it ends.
        {"<font align='left'>a</font>b", 100, "a@44,0-50,14 b@50,0-56,14 h14"},
        {"<font align='left'>a<br></font>", 100, "a@0,0-6,14 h28"},
        {"<font align='right'>ab\n</font>", 100, "ab@88,0-100,14 h28"},
        // A line feed and <br> end a line; on an empty line they add a blank's height.
        {"a\nb<br>c", 100, "a@47,0-53,14 b@47,14-53,28 c@47,28-53,42 h42"},
        {"a<p>b", 100, "a@47,0-53,14 b@47,28-53,42 h42"},
        {"<font size='20'>\n</font>a", 100, "a@47,22-53,36 h36"},
        // Sizes outside 1..1999 keep the size before.
        {"<font size='20'><font size='0'>a</font><font size='2000'>b</font></font>", 100,
         "a@40,0-50,22 b@50,0-60,22 h22"},
        // Vertical alignment of each run within the line's height.
        {"a<font size='20'>B</font><font valign='bottom'>c</font><font valign='top'>d</font>", 100,
         "a@36,4-42,18 B@42,0-52,22 c@52,8-58,22 d@58,0-64,14 h22"},
        // vspace ends the line and moves down; hspace moves the pen.
        {"a<vspace size='10'>b", 100, "a@47,0-53,14 b@47,24-53,38 h38"},
        {"a<hspace size='8'>b", 100, "a@40,0-46,14 b@54,0-60,14 h14"},
        // Rules: "<hr >" is 10 pixels narrower than the box, the bare "<hr>" 100.
        {"<hr >", 200, "hr@5,2-195,4 h20"},
        {"<hr>", 200, "hr@50,2-150,4 h20"},
        {"a<hr width='50' size='3' align='right'>", 200, "a@97,0-103,14 hr@150,16-200,19 h35"},
        {"<hr width='50' align='LEFT'>", 200, "hr@0,2-50,4 h20"},
        // Bitmaps in a frame of border pixels; other sources draw nothing.
        {"<img src='#5'>", 100, "#5@40,0-60,14 h14"},
        {"<img src='#5' border='0'>x", 100, "#5@39,2-55,12 x@55,0-61,14 h14"},
        {"<img src='x.bmp'><img src='#9'><img>", 100, "h14"},
        // The hover look's size counts; a link spread over two lines has a rectangle on each.
        {"<a href='http://x/' size='20'>ab</a>c", 100, "ab@37,0-57,22->http://x/ c@57,4-63,18 h22"},
        {"<a href='#go#1'>one<br>two</a>", 100, "one@41,0-59,14->#go#1 two@41,14-59,28->#go#1 h28"},
        // Bare "<font>" and "<a>" do nothing; unknown tags are passed over.
        {"<font size='20'>a<font>b</font>c</font>", 100, "a@37,0-47,22 b@47,0-57,22 c@57,4-63,18 h22"},
        {"<a>a</a><b>b</b>", 100, "a@44,0-50,14 b@50,0-56,14 h14"},
        // Names are read in any case; a value may hold blanks and '>'; a
        // value without quotes is ignored.
        {"<FONT SIZE='20' Align='LEFT'>a<BR></FONT>", 100, "a@0,0-10,22 h36"},
        {"<a href=\"x >y\">t</a><font size=20>u</font>", 100, "t@44,0-50,14->x >y u@50,0-56,14 h14"},
        // An unterminated tag swallows the rest of the text, not the line before it.
        {"ab\ncd<font size='20'>e\nf<font size='20'", 100, "ab@44,0-56,14 cd@39,18-51,32 e@51,14-61,36 f@45,36-55,58 h58"},
        {"", 100, "h14"},
    };
    for (const auto& c : cases)
        EXPECT_EQ(Describe(Layout(c.text, c.width)), c.expected) << c.text;
}

TEST(RichTextLayout, FontStateOfARun)
{
    const struct {
        const char* text;
        RichFont expected;
    } cases[] = {
        {"x", RichFont()},
        {"<font face='Tahoma' style='biu' color='255,204,51' background='1,2,3'>x",
         {"Tahoma", 12, 1, 1, 1, 0, RichRgb(255, 204, 51), RichRgb(1, 2, 3)}},
        // "-b" clears bold wherever it stands; letters not named keep their value.
        {"<font style='BS'><font style='-b u'>x", {"Arial", 12, 0, 0, 1, 1, 0, kRichNoColor}},
        // Colours modulo 256; one comma or an empty value changes nothing.
        {"<font color='300,0,0'>x", {"Arial", 12, 0, 0, 0, 0, RichRgb(44, 0, 0), kRichNoColor}},
        {"<font color='9,9,9'><font color='1,2' background=''>x",
         {"Arial", 12, 0, 0, 0, 0, RichRgb(9, 9, 9), kRichNoColor}},
        {"<font background='1,1,1'><font color='none' background='transparant'>x",
         {"Arial", 12, 0, 0, 0, 0, kRichNoColor, kRichNoColor}},
    };
    for (const auto& c : cases) {
        const RichLayout layout = Layout(c.text);
        ASSERT_EQ(layout.runs.size(), 1u) << c.text;
        const RichFont& font = layout.runs[0].font;
        EXPECT_EQ(font.face, c.expected.face) << c.text;
        EXPECT_EQ(font.size, c.expected.size) << c.text;
        EXPECT_EQ(font.bold, c.expected.bold) << c.text;
        EXPECT_EQ(font.italic, c.expected.italic) << c.text;
        EXPECT_EQ(font.underline, c.expected.underline) << c.text;
        EXPECT_EQ(font.strikeOut, c.expected.strikeOut) << c.text;
        EXPECT_EQ(font.color, c.expected.color) << c.text;
        EXPECT_EQ(font.background, c.expected.background) << c.text;
    }
    const std::string longFace = "<font face='" + std::string(300, 'f') + "'>x";
    EXPECT_EQ(Layout(longFace.c_str()).runs[0].font.face, std::string(kRichFaceLength, 'f'));
}

TEST(RichTextLayout, LinkLookTakesWhatItDoesNotSetFromTheText)
{
    const RichLayout layout =
        Layout("<font face='Tahoma' color='1,1,1' style='b'><a href='u' color='255,0,0' style='-b u'>ab</a>"
               "<a href='v' color='0,0,255'><img src='#5'></a><img src='#5' color='0,9,0'>");
    ASSERT_EQ(layout.runs.size(), 3u);
    const RichFont& hover = layout.runs[0].hoverFont;
    EXPECT_EQ(hover.face, "Tahoma");
    EXPECT_EQ(hover.size, 12);
    EXPECT_EQ(hover.bold, 0);
    EXPECT_EQ(hover.underline, 1);
    EXPECT_EQ(hover.color, RichRgb(255, 0, 0));
    EXPECT_EQ(layout.runs[0].font.color, RichRgb(1, 1, 1));
    EXPECT_EQ(layout.runs[0].font.bold, 1);
    // A linked bitmap's frame takes the link's colour under the pointer.
    EXPECT_EQ(layout.runs[1].borderColor, kRichNoColor);
    EXPECT_EQ(layout.runs[1].hoverBorderColor, RichRgb(0, 0, 255));
    EXPECT_EQ(layout.runs[2].borderColor, RichRgb(0, 9, 0));
    EXPECT_EQ(layout.runs[2].hoverBorderColor, RichRgb(0, 9, 0));
    ASSERT_EQ(layout.links.size(), 2u);
    EXPECT_EQ(layout.links[1].target, "v");
    // A bare rule takes the colour it is given; a rule's own colour wins.
    EXPECT_EQ(Layout("<hr>").rules[0].color, kShadow);
    EXPECT_EQ(Layout("<hr color='none'>").rules[0].color, kRichNoColor);
}

TEST(RichTextLayout, AboutTextShowsTheNameTheVersionAndARuleOfElevenSteps)
{
    const int width = 288;
    const RichLayout layout = Layout(kAboutText, width);
    ASSERT_EQ(layout.runs.size(), 13u);
    auto centred = [width](const RichRect& place) { return std::abs(place.left + place.right - width) <= 1; };
    const RichRun& name = layout.runs[0];
    EXPECT_EQ(name.text, "Quenlow");
    EXPECT_EQ(name.font.face, "Comic Sans MS");
    EXPECT_EQ(name.font.size, 26);
    EXPECT_EQ(name.font.bold, 1);
    EXPECT_EQ(name.font.color, RichRgb(255, 204, 51));
    EXPECT_TRUE(centred(name.place));
    const RichRun& version = layout.runs[1];
    EXPECT_EQ(version.text, "Version 3.201");
    EXPECT_EQ(version.font.face, "Tahoma");
    EXPECT_EQ(version.font.color, RichRgb(255, 255, 51));
    EXPECT_TRUE(centred(version.place));
    EXPECT_LT(name.place.bottom, version.place.top);
    const RichColor steps[] = {RichRgb(100, 75, 25),  RichRgb(125, 100, 35), RichRgb(150, 115, 50),
                               RichRgb(175, 135, 65), RichRgb(200, 155, 75), RichRgb(255, 204, 102),
                               RichRgb(200, 155, 75), RichRgb(175, 135, 65), RichRgb(150, 115, 50),
                               RichRgb(125, 100, 35), RichRgb(100, 75, 25)};
    for (size_t i = 0; i < 11; ++i) {
        const RichRun& step = layout.runs[2 + i];
        EXPECT_EQ(step.text, i == 5 ? "______" : "____") << i;
        EXPECT_EQ(step.font.bold, i == 5 ? 1 : 0) << i;
        EXPECT_EQ(step.font.color, steps[i]) << i;
        EXPECT_EQ(step.place.top, layout.runs[2].place.top) << i;
    }
    ASSERT_EQ(layout.lines.size(), 3u);
    EXPECT_TRUE(centred(layout.lines[2].place));
    // Blank lines: one above the name, one below, one above the version, one
    // below it, five after the rule and the text's own last line feed.
    EXPECT_EQ(layout.contentHeight, 10 * 14 + 28 + 2 * 14);
}

TEST(RichTextLayout, ContentBelowTheBitmapsIsCut)
{
    std::string tall;
    for (int i = 0; i < 400; ++i)
        tall += "line\n";
    EXPECT_EQ(Layout(tall.c_str()).contentHeight, kRichContentLimit);
}

TEST(RichTextLayout, OwnerTargetsNameACallbackAndAText)
{
    const struct {
        const char* target;
        bool owner;
        int number;
        bool hasText;
        const char* text;
    } cases[] = {
        {"#About#3", true, 3, true, "About"},
        {"#7", true, 7, false, ""},
        {"##2", true, 2, true, ""},
        {"#text#", true, 0, true, "text"},  // no number: nothing is called
        {"#", true, 0, false, ""},
        {"http://example.org/#top", false, 0, false, ""},
        {"", false, 0, false, ""},
    };
    for (const auto& c : cases) {
        RichOwnerCall call;
        ASSERT_EQ(ParseOwnerCall(c.target, call), c.owner) << c.target;
        if (!c.owner)
            continue;
        EXPECT_EQ(call.number, c.number) << c.target;
        EXPECT_EQ(call.hasText, c.hasText) << c.target;
        EXPECT_EQ(call.text, c.text) << c.target;
    }
}

TEST(RichLabelScroll, TimerAndDragPositionsWrapAtTheContentHeight)
{
    EXPECT_EQ(NextScrollPosition(5, 100), 6);
    EXPECT_EQ(NextScrollPosition(100, 100), 1);
    EXPECT_EQ(NextScrollPosition(-50, 100), -49);
    const struct {
        int anchor;
        int pointerY;
        int height;
        int position;
    } drags[] = {
        {30, 40, 100, 90},   // dragged down by 10 past the top: the end shows
        {30, 20, 100, 10},
        {250, 20, 100, 30},
        {DragAnchor(60, 95), 70, 100, 85},
        {30, 40, 0, 0},      // empty content
        {30, 40, -5, 0},
    };
    for (const auto& d : drags)
        EXPECT_EQ(DragScrollPosition(d.anchor, d.pointerY, d.height), d.position) << d.anchor << " " << d.pointerY;
}

TEST(RichLabelScroll, PaintCopiesTheContentInALoop)
{
    auto describe = [](int position, int height, int client) {
        std::string out;
        for (const RichSlice& s : PaintSlices(position, height, client))
            out += std::to_string(s.windowY) + ":" + std::to_string(s.contentY) + "+" + std::to_string(s.height) + " ";
        return out;
    };
    EXPECT_EQ(describe(0, 100, 50), "0:0+50 ");
    EXPECT_EQ(describe(90, 100, 50), "0:90+10 10:0+40 ");
    EXPECT_EQ(describe(100, 100, 50), "0:0+50 ");
    // A start position above 0 lets the text enter from below.
    EXPECT_EQ(describe(-50, 100, 80), "50:0+30 ");
    // Content that fits stands still at the top.
    EXPECT_EQ(describe(30, 40, 50), "0:0+40 ");
    EXPECT_EQ(describe(0, 0, 50), "");
}

TEST(RichLabelScroll, LinksAreFoundAlsoWhereTheContentWrapped)
{
    const std::vector<RichLink> links = {{{0, 0, 10, 8}, "top"}, {{0, 60, 10, 70}, "middle"}};
    const struct {
        int x;
        int y;
        bool scrolling;
        int position;
        int found;
    } cases[] = {
        {5, 65, false, 0, 1},
        {5, 65, false, 40, 1},  // a label that does not scroll ignores the position
        {5, 25, true, 40, 1},
        {5, 8, true, 95, 0},     // content y 103 wrapped round to 3
        {5, 3, true, 95, -1},    // content y 98: nothing there
        {15, 8, true, 95, -1},
        {5, 5, true, -50, -1},
    };
    for (const auto& c : cases)
        EXPECT_EQ(FindRichLink(links, c.x, c.y, c.scrolling, c.position, 100), c.found) << c.y << " " << c.position;
}

}  // namespace
