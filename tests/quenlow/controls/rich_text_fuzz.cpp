// Seeded mutation run against the rich-text label's tag language (native
// build, ASan and UBSan):   rich_text_fuzz [seconds] [seed]
// Starts from the About text and a few tag texts, mutates them with bytes
// and pieces of tags, lays each result out and moves it as the label would:
// timer ticks, drags, paints and link hits. A crash, an overflow, a leak or a
// broken promise of the layout ends the run with a failure.
#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "about_text.h"
#include "rich_label_scroll.h"
#include "rich_text_layout.h"

namespace {

// Sizes from the font, as a real measure's grow with it.
class FuzzMeasure : public RichMeasure {
public:
    RichSize TextSize(const RichFont& font, const std::string& text) override
    {
        return {static_cast<int>(text.size()) * (font.size / 2 + font.bold), font.size + 2};
    }
    RichSize BitmapSize(int bitmapId) override { return bitmapId % 3 ? RichSize{bitmapId % 40, 12} : RichSize{}; }
};

const char* const kPieces[] = {
    "<", ">", "'", "\"", "=", " ", "\n", "\r", "#", ",", "-", "<font ", "</font>", "<font>", "<a href='", "</a>",
    "<a>", "<br>", "<p>", "<hr>", "<hr ", "<img src='#", "<vspace size='", "<hspace size='", "size='", "face='",
    "style='-b u", "color='300,-7,9'", "background='none'", "align='right'", "valign='bottom'", "width='",
    "border='", "99999999999", "-2147483648", "#About#3", "transparant", "'>",
};

bool Check(bool condition, const char* what, const std::string& text)
{
    if (!condition)
        std::fprintf(stderr, "broken: %s\ninput: %s\n", what, text.c_str());
    return condition;
}

bool Exercise(const std::string& text, std::mt19937& random)
{
    FuzzMeasure measure;
    const int width = static_cast<int>(random() % 400);
    const RichLayout layout = LayoutRichText(text.c_str(), width, RichRgb(128, 128, 128), measure);
    const int height = layout.contentHeight;
    if (!Check(height >= 0 && height <= kRichContentLimit, "content height within the pictures", text))
        return false;
    for (const RichLink& link : layout.links) {
        if (!Check(!link.target.empty(), "every link has a target", text))
            return false;
    }
    size_t inLines = 0;
    for (const RichLine& line : layout.lines)
        inLines += line.runCount;
    if (!Check(inLines == layout.runs.size(), "every run in one line", text))
        return false;
    const int client = static_cast<int>(random() % 300) + 1;
    int position = static_cast<int>(random() % 200) - 100;
    for (int i = 0; i < 50; ++i) {
        position = NextScrollPosition(position, height);
        int painted = 0;
        for (const RichSlice& slice : PaintSlices(position, height, client)) {
            if (!Check(slice.height > 0 && slice.windowY >= 0 && slice.contentY >= 0 && slice.contentY < height,
                       "paint bands inside content and window", text))
                return false;
            painted += slice.height;
        }
        if (!Check(painted <= client, "paint bands fit the window", text))
            return false;
        const int x = static_cast<int>(random() % 500) - 50;
        const int y = static_cast<int>(random() % 500) - 50;
        const int hit = FindRichLink(layout.links, x, y, RichScrolls(height, client), position, height);
        if (!Check(hit >= -1 && hit < static_cast<int>(layout.links.size()), "a hit names a link", text))
            return false;
        const int dragged = DragScrollPosition(DragAnchor(y, position), x, height);
        if (!Check(dragged >= 0 && (height <= 0 || dragged < height), "a drag stays in the loop", text))
            return false;
        RichOwnerCall call;
        if (!layout.links.empty())
            ParseOwnerCall(layout.links[static_cast<size_t>(i) % layout.links.size()].target, call);
    }
    return true;
}

std::string Mutate(std::string text, std::mt19937& random)
{
    const int changes = 1 + static_cast<int>(random() % 8);
    for (int i = 0; i < changes; ++i) {
        const size_t at = text.empty() ? 0 : random() % (text.size() + 1);
        switch (random() % 4) {
        case 0:
            if (!text.empty() && at < text.size())
                text[at] = static_cast<char>(random() % 256);
            break;
        case 1:
            if (!text.empty() && at < text.size())
                text.erase(at, 1 + random() % std::min<size_t>(16, text.size() - at));
            break;
        default:
            text.insert(at, kPieces[random() % (sizeof kPieces / sizeof kPieces[0])]);
            break;
        }
    }
    // NUL ends the label's text: keep the mutation visible.
    std::replace(text.begin(), text.end(), '\0', ' ');
    return text.substr(0, 20000);
}

}  // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 10.0;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 1u;
    std::mt19937 random(seed);
    std::vector<std::string> seeds = {
        kAboutText,
        "<font align='left'>a</font>b\n<a href='#go#1' color='1,2,3' style='u'>link<br>wrapped</a>",
        "<hr width='50' size='3' align='right' color='9,9,9'><img src='#5' border='3'><vspace size='10'>x",
        "",
    };
    const auto end = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    long runs = 0;
    while (std::chrono::steady_clock::now() < end) {
        std::string text = Mutate(seeds[random() % seeds.size()], random);
        if (!Exercise(text, random))
            return 1;
        if (random() % 16 == 0 && seeds.size() < 64)
            seeds.push_back(text);
        ++runs;
    }
    std::printf("%ld inputs, seed %u: no fault\n", runs, seed);
    return 0;
}
