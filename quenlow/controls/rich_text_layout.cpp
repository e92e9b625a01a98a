#include "rich_text_layout.h"

#include <algorithm>
#include <cctype>
#include <cstdlib>

namespace {

bool IsBlank(char c)
{
    return c == ' ' || c == '\t' || c == '\r' || c == '\n';
}

std::string LowerTrimmed(const std::string& text)
{
    size_t first = 0;
    size_t last = text.size();
    while (first < last && IsBlank(text[first]))
        ++first;
    while (last > first && IsBlank(text[last - 1]))
        --last;
    std::string result = text.substr(first, last - first);
    for (char& c : result)
        c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
    return result;
}

// Pixel values far beyond any picture are held here, so sums of them never
// overflow.
constexpr long kFar = 1L << 20;

int Number(const std::string& text)
{
    const long value = std::strtol(text.c_str(), nullptr, 10);
    return static_cast<int>(std::max(-kFar, std::min(kFar, value)));
}

void Advance(int& position, int distance)
{
    const long moved = static_cast<long>(position) + distance;
    position = static_cast<int>(std::max(-kFar, std::min(kFar, moved)));
}

// Sizes outside 1..1999 pixels would draw nothing useful: they are passed over.
void ApplySize(const std::string& value, int& size)
{
    const int pixels = Number(value);
    if (pixels >= 1 && pixels <= 1999)
        size = pixels;
}

// Letter by letter: "-b" clears bold wherever it stands, else a 'b' sets it,
// else bold keeps its value; the same for italic, underline and strike-out.
void ApplyStyle(const std::string& value, RichFont& font)
{
    struct Flag {
        char letter;
        int RichFont::*field;
    };
    static const Flag flags[] = {
        {'b', &RichFont::bold}, {'i', &RichFont::italic}, {'u', &RichFont::underline}, {'s', &RichFont::strikeOut}};
    for (const Flag& flag : flags) {
        const char upper = static_cast<char>(std::toupper(static_cast<unsigned char>(flag.letter)));
        const std::string cleared = std::string("-") + flag.letter;
        const std::string clearedUpper = std::string("-") + upper;
        if (value.find(cleared) != std::string::npos || value.find(clearedUpper) != std::string::npos)
            font.*flag.field = 0;
        else if (value.find(flag.letter) != std::string::npos || value.find(upper) != std::string::npos)
            font.*flag.field = 1;
    }
}

RichFont InheritingLook()
{
    RichFont look;
    look.face.clear();
    look.size = 0;
    look.bold = look.italic = look.underline = look.strikeOut = kRichInherit;
    look.color = look.background = kRichInheritColor;
    return look;
}

// The link look with every field still marked inherit taken from the text's font.
RichFont ResolveLook(const RichFont& look, const RichFont& font)
{
    RichFont result = look;
    if (result.face.empty())
        result.face = font.face;
    if (result.size == 0)
        result.size = font.size;
    for (int RichFont::*flag : {&RichFont::bold, &RichFont::italic, &RichFont::underline, &RichFont::strikeOut}) {
        if (result.*flag == kRichInherit)
            result.*flag = font.*flag;
    }
    if (result.color == kRichInheritColor)
        result.color = font.color;
    if (result.background == kRichInheritColor)
        result.background = font.background;
    return result;
}

// "#<number>" names a bitmap of the program; any other source names nothing.
int BitmapIdOf(const std::string& source)
{
    if (source.size() < 2 || source[0] != '#')
        return 0;
    for (size_t i = 1; i < source.size(); ++i) {
        if (!std::isdigit(static_cast<unsigned char>(source[i])))
            return 0;
    }
    return Number(source.substr(1));
}

class Layouter {
public:
    Layouter(int width, RichColor ruleColor, RichMeasure& measure) : ruleColor(ruleColor), measure(measure)
    {
        fonts.emplace_back();
        RichBox box;
        box.width = width;
        boxes.push_back(box);
    }

    RichLayout Run(const char* text)
    {
        std::string source = text ? text : "";
        source += '\n';
        for (size_t i = 0; i < source.size(); ++i) {
            const char c = source[i];
            if (!inTag) {
                if (c == '<') {
                    FlushRun();
                    StartTag();
                } else if (c == '\n') {
                    LineFeed();
                } else {
                    pending += c;
                }
            } else if (quote) {
                if (c == quote) {
                    quote = 0;
                    if (nameRead)
                        ApplyAttribute(attribute, value);
                } else {
                    value += c;
                }
            } else if (c == '>') {
                inTag = false;
                EndTag();
            } else if (IsBlank(c)) {
                if (!nameRead && !token.empty()) {
                    tag = LowerTrimmed(token);
                    nameRead = true;
                    NameRead();
                }
                token.clear();
            } else if (c == '=' && i + 1 < source.size() && (source[i + 1] == '\'' || source[i + 1] == '"')) {
                attribute = LowerTrimmed(token);
                token.clear();
                value.clear();
                quote = source[++i];
            } else {
                token += c;
            }
        }
        // The rest of the text after an unterminated tag is lost, but not
        // the line it stood in.
        if (inTag)
            EndLine();
        layout.contentHeight = std::max(0, std::min(y, kRichContentLimit));
        return layout;
    }

private:
    void StartTag()
    {
        inTag = true;
        nameRead = false;
        quote = 0;
        token.clear();
        tag.clear();
    }

    void NameRead()
    {
        if (tag == "font") {
            workFont = fonts.back();
            workBox = boxes.back();
        } else if (tag == "a") {
            linkLook = InheritingLook();
        } else if (tag == "img") {
            imageBorder = 2;
            imageBorderColor = kRichNoColor;
            imageSource.clear();
        } else if (tag == "hr") {
            StartRule(10);
        }
    }

    void StartRule(int narrower)
    {
        ruleColorNow = ruleColor;
        ruleThickness = 2;
        ruleWidth = boxes.back().width - narrower;
        ruleAlign = kRichCenter;
    }

    void ApplyAttribute(const std::string& name, const std::string& text)
    {
        if (tag == "font") {
            ApplyFontAttribute(name, text, workFont);
            if (name == "align") {
                const std::string align = LowerTrimmed(text);
                if (align == "left")
                    workBox.align = kRichLeft;
                else if (align == "center")
                    workBox.align = kRichCenter;
                else if (align == "right")
                    workBox.align = kRichRight;
            } else if (name == "valign") {
                const std::string align = LowerTrimmed(text);
                if (align == "top")
                    workBox.valign = kRichTop;
                else if (align == "middle")
                    workBox.valign = kRichMiddle;
                else if (align == "bottom")
                    workBox.valign = kRichBottom;
            }
        } else if (tag == "a") {
            if (name == "href")
                linkTarget = text;
            else
                ApplyFontAttribute(name, text, linkLook);
        } else if (tag == "img") {
            if (name == "src")
                imageSource = text;
            else if (name == "border")
                imageBorder = Number(text);
            else if (name == "color")
                ParseRichColor(text, imageBorderColor);
        } else if (tag == "hr") {
            if (name == "color") {
                ParseRichColor(text, ruleColorNow);
            } else if (name == "width") {
                ruleWidth = Number(text);
            } else if (name == "size") {
                ruleThickness = Number(text);
            } else if (name == "align") {
                const std::string align = LowerTrimmed(text);
                ruleAlign = align == "left" ? kRichLeft : align == "right" ? kRichRight : kRichCenter;
            }
        } else if (tag == "vspace" && name == "size") {
            EndLine();
            Advance(y, Number(text));
        } else if (tag == "hspace" && name == "size") {
            Advance(penX, Number(text));
        }
    }

    static void ApplyFontAttribute(const std::string& name, const std::string& text, RichFont& font)
    {
        if (name == "size")
            ApplySize(text, font.size);
        else if (name == "face")
            font.face = text.substr(0, kRichFaceLength);
        else if (name == "style")
            ApplyStyle(text, font);
        else if (name == "color")
            ParseRichColor(text, font.color);
        else if (name == "background")
            ParseRichColor(text, font.background);
    }

    void EndTag()
    {
        // Without a blank the name is only seen now, and only the bare forms
        // that need no attributes act.
        const bool bare = !nameRead;
        if (bare)
            tag = LowerTrimmed(token);
        if (tag == "font" && !bare) {
            fonts.push_back(workFont);
            boxes.push_back(workBox);
        } else if (tag == "/font") {
            if (fonts.size() > 1) {
                fonts.pop_back();
                boxes.pop_back();
            }
        } else if (tag == "/a") {
            linkTarget.clear();
        } else if (tag == "img" && !bare) {
            AddBitmap();
            imageBorder = 0;
            imageBorderColor = kRichNoColor;
            imageSource.clear();
        } else if (tag == "hr") {
            if (bare)
                StartRule(100);
            AddRule();
        } else if (tag == "br") {
            LineFeed();
        } else if (tag == "p") {
            LineFeed();
            LineFeed();
        }
    }

    bool InLink() const { return !linkTarget.empty(); }

    void FlushRun()
    {
        if (pending.empty())
            return;
        RichRun run;
        run.text = pending;
        run.font = fonts.back();
        RichSize size = measure.TextSize(run.font, run.text);
        if (InLink()) {
            run.hoverFont = ResolveLook(linkLook, run.font);
            const RichSize hover = measure.TextSize(run.hoverFont, run.text);
            size.width = std::max(size.width, hover.width);
            size.height = std::max(size.height, hover.height);
        } else {
            run.hoverFont = run.font;
        }
        pending.clear();
        AddRun(run, size);
    }

    void AddBitmap()
    {
        const int id = BitmapIdOf(imageSource);
        const RichSize bitmap = id ? measure.BitmapSize(id) : RichSize();
        if (bitmap.width <= 0 || bitmap.height <= 0)
            return;
        RichRun run;
        run.kind = RichRun::kBitmap;
        run.bitmapId = id;
        run.border = imageBorder;
        run.borderColor = imageBorderColor;
        run.hoverBorderColor = imageBorderColor;
        if (InLink() && linkLook.color != kRichInheritColor)
            run.hoverBorderColor = linkLook.color;
        run.font = run.hoverFont = fonts.back();
        AddRun(run, {bitmap.width + 2 * imageBorder, bitmap.height + 2 * imageBorder});
    }

    void AddRun(RichRun& run, RichSize size)
    {
        if (InLink())
            run.link = linkTarget;
        run.place = {penX, 0, penX + size.width, size.height};
        Advance(penX, size.width);
        lineRuns.push_back(run);
        lineValigns.push_back(boxes.back().valign);
    }

    void LineFeed()
    {
        FlushRun();
        if (lineRuns.empty()) {
            penX = 0;
            Advance(y, measure.TextSize(fonts.back(), " ").height);
            return;
        }
        EndLine();
    }

    // The line takes the alignment and width on top of the stack now, each
    // run the vertical alignment it was added under.
    void EndLine()
    {
        int height = 0;
        for (const RichRun& run : lineRuns)
            height = std::max(height, run.place.bottom);
        const RichBox& box = boxes.back();
        const int width = penX;
        int x = 0;
        if (box.align == kRichCenter)
            x = box.width / 2 - width / 2;
        else if (box.align == kRichRight)
            x = box.width - width;
        if (!lineRuns.empty()) {
            RichLine line;
            line.place = {x, y, x + width, y + height};
            line.firstRun = layout.runs.size();
            line.runCount = lineRuns.size();
            layout.lines.push_back(line);
        }
        for (size_t i = 0; i < lineRuns.size(); ++i) {
            RichRun& run = lineRuns[i];
            const int runHeight = run.place.bottom;
            int top = 0;
            if (lineValigns[i] == kRichMiddle)
                top = height / 2 - runHeight / 2;
            else if (lineValigns[i] == kRichBottom)
                top = height - runHeight;
            run.place = {x + run.place.left, y + top, x + run.place.right, y + top + runHeight};
            if (!run.link.empty())
                layout.links.push_back({run.place, run.link});
            layout.runs.push_back(run);
        }
        lineRuns.clear();
        lineValigns.clear();
        Advance(y, height);
        penX = 0;
    }

    void AddRule()
    {
        EndLine();
        const int boxWidth = boxes.back().width;
        int x = boxWidth / 2 - ruleWidth / 2;
        if (ruleAlign == kRichLeft)
            x = 0;
        else if (ruleAlign == kRichRight)
            x = boxWidth - ruleWidth;
        layout.rules.push_back({{x, y + 2, x + ruleWidth, y + 2 + ruleThickness}, ruleColorNow});
        Advance(y, ruleThickness + 4);
    }

    const RichColor ruleColor;
    RichMeasure& measure;
    RichLayout layout;
    std::vector<RichFont> fonts;
    std::vector<RichBox> boxes;

    // The text read so far.
    std::string pending;
    std::vector<RichRun> lineRuns;
    std::vector<int> lineValigns;
    int penX = 0;
    int y = 0;

    // The tag being read.
    bool inTag = false;
    bool nameRead = false;
    char quote = 0;
    std::string token;
    std::string tag;
    std::string attribute;
    std::string value;

    RichFont workFont;
    RichBox workBox;
    std::string linkTarget;
    RichFont linkLook = InheritingLook();
    int imageBorder = 0;
    RichColor imageBorderColor = kRichNoColor;
    std::string imageSource;
    RichColor ruleColorNow = 0;
    int ruleThickness = 2;
    int ruleWidth = 0;
    int ruleAlign = kRichCenter;
};

int ColourPart(const std::string& text)
{
    const int part = Number(text) % 256;
    return part < 0 ? part + 256 : part;
}

}  // namespace

void ParseRichColor(const std::string& value, RichColor& colour)
{
    if (value == "none" || value == "transparant") {
        colour = kRichNoColor;
        return;
    }
    const size_t first = value.find(',');
    const size_t second = first == std::string::npos ? first : value.find(',', first + 1);
    if (second == std::string::npos)
        return;
    colour = RichRgb(ColourPart(value.substr(0, first)), ColourPart(value.substr(first + 1, second - first - 1)),
                     ColourPart(value.substr(second + 1)));
}

RichLayout LayoutRichText(const char* text, int width, RichColor ruleColor, RichMeasure& measure)
{
    return Layouter(width, ruleColor, measure).Run(text);
}

bool ParseOwnerCall(const std::string& target, RichOwnerCall& call)
{
    if (target.empty() || target[0] != '#')
        return false;
    call = RichOwnerCall();
    const size_t second = target.find('#', 1);
    if (second == std::string::npos) {
        call.number = Number(target.substr(1));
    } else {
        call.hasText = true;
        call.text = target.substr(1, second - 1);
        call.number = Number(target.substr(second + 1));
    }
    return true;
}
