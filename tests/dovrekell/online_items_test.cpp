// The online item list's line grammar and the tree shape its lines give.
#include "online_items.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <memory>
#include <string>
#include <vector>

namespace {

std::string Describe(const OnlineLine& line)
{
    std::string out = std::to_string(line.number) + "|" + line.location.Data() + "|";
    for (size_t i = 0; i < line.path.size(); ++i)
        out += (i ? "/" : "") + std::string(line.path[i].Data());
    return out;
}

TEST(OnlineItems, LineGrammar)
{
    const struct {
        const char* line;
        const char* expected;  // number|location|path, or null: ignored
    } cases[] = {
        {"  3-http://h/p?a/b/c", "3|http://h/p|a/b/c"},
        {"12-loc  ?  Title  ", "12|loc|Title"},
        {"7- loc?x", "7| loc|x"},                              // only trailing blanks leave the location
        {"x-loc?t", "0|loc|t"},                                // no digits: number 0
        {"4-c:\\docs\\a.html?Guide\\Intro", "4|c:/docs/a.html|Guide/Intro"},
        {"5-a?b?c", "5|a|b?c"},                                // the first '?' ends the location
        {"6-http://x-y?z", "6|http://x-y|z"},                  // the first '-' ends the number
        {"", nullptr},
        {"   ", nullptr},
        {"// 3-loc?t", nullptr},                               // comment
        {"  /3-loc?t", nullptr},
        {"3 loc?t", nullptr},                                  // no '-'
        {"-loc?t", nullptr},                                   // '-' first
        {"   -loc?t", nullptr},
        {"3-http://h/p a/b", nullptr},                         // no '?'
        {"3-   ?t", nullptr},                                  // empty location
        {"3-loc?   ", nullptr},                                // empty display path
    };
    for (const auto& c : cases) {
        OnlineLine parsed;
        const int named = ParseOnlineLine(c.line, parsed);
        if (!c.expected) {
            EXPECT_EQ(named, 0) << c.line;
            continue;
        }
        ASSERT_EQ(named, 1) << c.line;
        EXPECT_EQ(Describe(parsed), c.expected) << c.line;
    }
}

// A tree of plain nodes answering the builder's questions.
class MemoryTree : public OnlineTreeBuilder {
public:
    struct Node {
        std::string text;
        std::unique_ptr<OnlineItem> item;
        Node* parent = nullptr;
        std::vector<std::unique_ptr<Node>> children;
    };

    Node root;

    ContentsItem Child(ContentsItem item) const override
    {
        const Node* node = static_cast<const Node*>(item);
        return node->children.empty() ? nullptr : node->children.front().get();
    }
    ContentsItem Next(ContentsItem item) const override
    {
        const Node* node = static_cast<const Node*>(item);
        const auto& siblings = node->parent->children;
        for (size_t i = 0; i + 1 < siblings.size(); ++i) {
            if (siblings[i].get() == node)
                return siblings[i + 1].get();
        }
        return nullptr;
    }
    ContentsItem Parent(ContentsItem item) const override { return static_cast<const Node*>(item)->parent; }
    XString Text(ContentsItem item) const override { return XString(static_cast<const Node*>(item)->text.c_str()); }
    int Image(ContentsItem item) const override { return static_cast<const Node*>(item)->item->image; }
    ContentsItem InsertOnline(ContentsItem parent, const char* text, OnlineItem* item) override
    {
        Node* node = const_cast<Node*>(static_cast<const Node*>(parent));
        node->children.emplace_back(new Node{text, std::unique_ptr<OnlineItem>(item), node, {}});
        return node->children.back().get();
    }
    void SortOnline(ContentsItem parent) override
    {
        auto& children = const_cast<Node*>(static_cast<const Node*>(parent))->children;
        std::stable_sort(children.begin(), children.end(), [](const auto& a, const auto& b) {
            return CompareOnlineItems(*a->item, *b->item) < 0;
        });
    }

    // Indented lines "text number location", folders marked with '/'.
    std::string Draw(const Node& node, const std::string& indent = "") const
    {
        std::string out;
        for (const auto& child : node.children) {
            out += indent + child->text + (child->item->image == OnlineItem::kFolderImage ? "/" : "") + " " +
                   std::to_string(child->item->number) + (child->item->location.IsEmpty() ? "" : " ") +
                   child->item->location.Data() + "\n";
            out += Draw(*child, indent + "  ");
        }
        return out;
    }
};

TEST(OnlineItems, ListFillsTheTreeLeavesFirstByNumber)
{
    const std::string list =
        "// the online items\r\n"
        "  3-http://h/c?a/b/c\r\n"
        "2-http://h/x\t?a/x\n"
        "1-http://h/y?A/y\n"
        "9-http://h/top?Top\n"
        "4-no question mark\n"
        "\n"
        "0-http://h/first?First";
    MemoryTree tree;
    FillOnlineTree(tree, &tree.root, list.data(), list.size());
    EXPECT_EQ(tree.Draw(tree.root),
              "First 0 http://h/first\n"
              "Top 9 http://h/top\n"  // leaves sort before folders, whatever their number
              "a/ 3\n"
              "  y 1 http://h/y\n"
              "  x 2 http://h/x\n"
              "  b/ 3\n"
              "    c 3 http://h/c\n");
}

TEST(OnlineItems, EmptyListAddsNothing)
{
    MemoryTree tree;
    FillOnlineTree(tree, &tree.root, "", 0);
    FillOnlineTree(tree, &tree.root, "\r\n\t\n", 4);
    EXPECT_TRUE(tree.root.children.empty());
}

}  // namespace
