#include "online_items.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>
#include <string>

#include "text_rules.h"

namespace {

XString Trimmed(const char* begin, const char* end, bool front)
{
    if (front) {
        while (begin < end && *begin == ' ')
            ++begin;
    }
    while (end > begin && end[-1] == ' ')
        --end;
    return XString(begin, static_cast<int>(end - begin));
}

}  // namespace

int ParseOnlineLine(const char* line, OnlineLine& parsed)
{
    while (*line == ' ')
        ++line;
    if (*line == 0 || *line == '/')
        return 0;
    const char* dash = std::strchr(line, '-');
    if (!dash || dash == line)
        return 0;
    const std::string number(line, dash);
    std::string rest(dash + 1);
    for (char& c : rest) {
        if (c == '\\')
            c = '/';
    }
    const size_t question = rest.find('?');
    if (question == std::string::npos)
        return 0;
    const char* text = rest.c_str();
    parsed.number = std::atoi(number.c_str());
    parsed.location = Trimmed(text, text + question, false);
    const XString display = Trimmed(text + question + 1, text + rest.size(), true);
    if (parsed.location.IsEmpty() || display.IsEmpty())
        return 0;
    parsed.path.clear();
    const char* part = display.Data();
    for (;;) {
        const char* slash = std::strchr(part, '/');
        if (!slash) {
            parsed.path.emplace_back(part);
            break;
        }
        parsed.path.emplace_back(part, static_cast<int>(slash - part));
        part = slash + 1;
    }
    return 1;
}

int CompareOnlineItems(const OnlineItem& a, const OnlineItem& b)
{
    if (a.image != b.image)
        return a.image > b.image ? -1 : 1;
    if (a.number != b.number)
        return a.number < b.number ? -1 : 1;
    return 0;
}

namespace {

// The folder called name among nodes (ignoring case), made at the end when
// there is none yet: the line that makes it gives it its number.
OnlineNode& FolderIn(std::vector<OnlineNode>& nodes, const XString& name, int number)
{
    for (OnlineNode& node : nodes) {
        if (node.item.image == OnlineItem::kFolderImage && EqualsIgnoringCase(node.text.Data(), name.Data()))
            return node;
    }
    nodes.push_back(OnlineNode{name, OnlineItem{OnlineItem::kFolderImage, number, XString()}, {}});
    return nodes.back();
}

void AddLine(std::vector<OnlineNode>& roots, const OnlineLine& line)
{
    std::vector<OnlineNode>* level = &roots;
    for (size_t i = 0; i + 1 < line.path.size(); ++i)
        level = &FolderIn(*level, line.path[i], line.number).children;
    level->push_back(OnlineNode{line.path.back(), OnlineItem{OnlineItem::kLeafImage, line.number, line.location}, {}});
}

// Sorted once at the end, stably: the same order as sorting after every
// line, which put each new item behind the equal ones before it.
void SortLevels(std::vector<OnlineNode>& nodes)
{
    std::stable_sort(nodes.begin(), nodes.end(), [](const OnlineNode& a, const OnlineNode& b) {
        return CompareOnlineItems(a.item, b.item) < 0;
    });
    for (OnlineNode& node : nodes)
        SortLevels(node.children);
}

}  // namespace

std::vector<OnlineNode> ReadOnlineList(const char* text, size_t size, const volatile long* keepRunning)
{
    std::vector<OnlineNode> roots;
    std::string line;
    OnlineLine parsed;
    for (size_t i = 0; i <= size; ++i) {
        if (i == size || text[i] == '\n') {
            if (keepRunning && !*keepRunning)
                break;
            if (ParseOnlineLine(line.c_str(), parsed))
                AddLine(roots, parsed);
            line.clear();
        } else if (text[i] != '\r' && text[i] != '\t') {
            line.push_back(text[i]);
        }
    }
    SortLevels(roots);
    return roots;
}
