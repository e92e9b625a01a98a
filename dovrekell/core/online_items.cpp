#include "online_items.h"

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

void AddOnlineLine(OnlineTreeBuilder& tree, ContentsItem parent, const char* line)
{
    OnlineLine parsed;
    if (!ParseOnlineLine(line, parsed))
        return;
    for (size_t i = 0; i + 1 < parsed.path.size(); ++i) {
        const XString& name = parsed.path[i];
        ContentsItem folder = nullptr;
        for (ContentsItem child = tree.Child(parent); child; child = tree.Next(child)) {
            if (tree.Image(child) == OnlineItem::kFolderImage && EqualsIgnoringCase(tree.Text(child).Data(), name.Data())) {
                folder = child;
                break;
            }
        }
        if (!folder) {
            OnlineItem* item = new OnlineItem;
            item->image = OnlineItem::kFolderImage;
            item->number = parsed.number;
            folder = tree.InsertOnline(parent, name.Data(), item);
            tree.SortOnline(parent);
        }
        if (!folder)
            return;
        parent = folder;
    }
    OnlineItem* leaf = new OnlineItem;
    leaf->image = OnlineItem::kLeafImage;
    leaf->number = parsed.number;
    leaf->location = parsed.location;
    tree.InsertOnline(parent, parsed.path.back().Data(), leaf);
    tree.SortOnline(parent);
}

void FillOnlineTree(OnlineTreeBuilder& tree, ContentsItem parent, const char* text, size_t size)
{
    std::string line;
    for (size_t i = 0; i <= size; ++i) {
        if (i == size || text[i] == '\n') {
            AddOnlineLine(tree, parent, line.c_str());
            line.clear();
        } else if (text[i] != '\r' && text[i] != '\t') {
            line.push_back(text[i]);
        }
    }
}
