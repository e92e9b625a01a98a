#pragma once
// The rich-text label's tag language read into a layout: the runs of text
// and pictures with their places, the lines, the rules and the link
// rectangles, all in content coordinates. Free of any drawing: a small
// measuring interface answers how large a text or a bitmap is.
#include <cstdint>
#include <string>
#include <vector>

// Colours as the platform keeps them: red in the low byte, blue in byte 2.
using RichColor = int32_t;
constexpr RichColor kRichNoColor = -1;       // none: the colour key lets the background through
constexpr RichColor kRichInheritColor = -2;  // a link look's field taken from the text around it
constexpr int kRichInherit = -1;             // likewise for a link look's style flags

constexpr RichColor RichRgb(int red, int green, int blue)
{
    return static_cast<RichColor>(red | (green << 8) | (blue << 16));
}

// Both pictures of a label are this high: content below is cut.
constexpr int kRichContentLimit = 5000;
// A face name holds at most this many characters.
constexpr size_t kRichFaceLength = 259;

struct RichFont {
    std::string face = "Arial";
    int size = 12;  // pixels
    int bold = 0;
    int italic = 0;
    int underline = 0;
    int strikeOut = 0;
    RichColor color = 0;
    RichColor background = kRichNoColor;
};

enum RichAlign { kRichLeft = 0, kRichCenter = 1, kRichRight = 2 };
enum RichVerticalAlign { kRichTop = 0, kRichMiddle = 1, kRichBottom = 2 };

struct RichBox {
    int align = kRichCenter;
    int valign = kRichMiddle;
    int width = 0;
    int height = kRichContentLimit;
};

struct RichSize {
    int width = 0;
    int height = 0;
};

struct RichRect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;
    bool Contains(int x, int y) const { return x >= left && x < right && y >= top && y < bottom; }
};

class RichMeasure {
public:
    // The text drawn on one line in this font.
    virtual RichSize TextSize(const RichFont& font, const std::string& text) = 0;
    // The program's bitmap with this number; {0, 0} when there is none.
    virtual RichSize BitmapSize(int bitmapId) = 0;

protected:
    ~RichMeasure() = default;
};

// A piece of one line: a text in one font, or a bitmap in a frame. Outside a
// link the hover look is the normal one.
struct RichRun {
    enum Kind { kText, kBitmap };
    Kind kind = kText;
    std::string text;
    RichFont font;
    RichFont hoverFont;
    int bitmapId = 0;
    int border = 0;
    RichColor borderColor = kRichNoColor;
    RichColor hoverBorderColor = kRichNoColor;
    RichRect place;
    std::string link;
};

struct RichRule {
    RichRect place;
    RichColor color = 0;
};

struct RichLine {
    RichRect place;
    size_t firstRun = 0;
    size_t runCount = 0;
};

struct RichLink {
    RichRect place;
    std::string target;
};

struct RichLayout {
    std::vector<RichRun> runs;
    std::vector<RichLine> lines;
    std::vector<RichRule> rules;
    std::vector<RichLink> links;
    int contentHeight = 0;
};

// Lays the tag text out for a label this many pixels wide; a bare rule takes
// ruleColor.
RichLayout LayoutRichText(const char* text, int width, RichColor ruleColor, RichMeasure& measure);

// A colour value "r,g,b" (each modulo 256), "none" or "transparant"; anything
// else leaves colour as it was.
void ParseRichColor(const std::string& value, RichColor& colour);

// A link target that starts with '#' belongs to the label's owner:
// "#<text>#<n>" calls the owner's callback n with the text, "#<n>" calls it
// with none; a number of 0 (or none) calls nothing. False for any other
// target, which the shell opens.
struct RichOwnerCall {
    int number = 0;
    bool hasText = false;
    std::string text;
};
bool ParseOwnerCall(const std::string& target, RichOwnerCall& call);
