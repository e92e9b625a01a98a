#include <gtest/gtest.h>

#include <deque>
#include <string>

#include "extension_groups.h"
#include "extension_text.h"

namespace {

TEST(ExtensionText, ListsAndWords)
{
    struct Case {
        const char* text;
        int isList;
        int isWord;
    };
    const Case cases[] = {
        {"a;b;", 1, 0}, {";a", 0, 0},   {"a;;b", 0, 0}, {"a b", 0, 0}, {"a.b", 0, 0},
        {"", 0, 0},     {"Txt_2", 1, 1}, {"txt;XML", 1, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(IsExtensionList(c.text), c.isList) << c.text;
        EXPECT_EQ(IsPlainWord(c.text), c.isWord) << c.text;
    }

    std::vector<XString> items;
    SplitExtensionList(";  txt  ; ;xml;", items);
    ASSERT_EQ(items.size(), 2u);
    EXPECT_STREQ(items[0].Data(), "txt");
    EXPECT_STREQ(items[1].Data(), "xml");
}

TEST(ExtensionGroups, UserGroupsAreLabelledFromTheirExtensions)
{
    struct Case {
        const char* text;
        const char* label;
        std::vector<std::string> extensions;
    };
    const Case cases[] = {
        {"txt;XML", "Txt & Xml", {"txt", "xml"}},
        {"log", "Log", {"log"}},
        {" 1st ; cfg;", "1st & Cfg", {"1st", "cfg"}},
    };
    for (const Case& c : cases) {
        ExtensionGroups groups;
        groups.AddUserGroup(c.text);
        ASSERT_EQ(groups.UserGroups().size(), 1u);
        const ExtensionGroup& group = groups.UserGroups()[0];
        EXPECT_STREQ(group.label.Data(), c.label) << c.text;
        ASSERT_EQ(group.extensions.size(), c.extensions.size()) << c.text;
        for (size_t i = 0; i < c.extensions.size(); ++i)
            EXPECT_STREQ(group.extensions[i].Data(), c.extensions[i].c_str());
    }
}

TEST(ExtensionGroups, CatchAllExcludedAndGroupedExtensions)
{
    ExtensionGroups groups;
    groups.AddFixedGroups();
    groups.AddUserGroup("txt;XML");
    EXPECT_STREQ(groups.CatchAllLabel().Data(), "Utilities");
    struct Case {
        const char* extension;
        int inGroups;
        int catchAll;
    };
    const Case cases[] = {{"HTML", 1, 0}, {"java", 1, 0}, {"zip", 1, 0}, {"xml", 1, 0},
                          {"GIF", 0, 0},  {"z", 0, 0},    {"cfg", 0, 1}, {"properties", 0, 1}};
    for (const Case& c : cases) {
        EXPECT_EQ(groups.IsInGroups(c.extension), c.inGroups) << c.extension;
        EXPECT_EQ(groups.IsCatchAllExtension(c.extension), c.catchAll) << c.extension;
    }
    XString found;
    EXPECT_EQ(groups.FindGroupedExtension("cfg; Jar ;txt", found), 1);
    EXPECT_STREQ(found.Data(), "Jar");
    EXPECT_EQ(groups.FindExcludedExtension("cfg;log", found), 0);
    EXPECT_EQ(groups.FindExcludedExtension("cfg;DLL;exe", found), 1);
    EXPECT_STREQ(found.Data(), "DLL");

    groups.Reset();
    EXPECT_TRUE(groups.FixedGroups().empty());
    EXPECT_TRUE(groups.CatchAllLabel().IsEmpty());
    EXPECT_EQ(groups.IsInGroups("java"), 0);
}

// A tree of named nodes; folders have image 4, files image 6.
class FakeTree : public ContentsTree {
public:
    struct Node {
        std::string text;
        int image;
        Node* parent;
        std::deque<Node*> children;
    };
    Node* Add(Node* parent, const std::string& text, int image)
    {
        nodes.push_back(Node{text, image, parent, {}});
        Node* node = &nodes.back();
        if (parent)
            parent->children.push_back(node);
        return node;
    }
    ContentsItem Child(ContentsItem item) const override
    {
        const Node* node = static_cast<const Node*>(item);
        return node->children.empty() ? nullptr : node->children.front();
    }
    ContentsItem Next(ContentsItem item) const override
    {
        const Node* node = static_cast<const Node*>(item);
        if (!node->parent)
            return nullptr;
        const std::deque<Node*>& siblings = node->parent->children;
        for (size_t i = 0; i + 1 < siblings.size(); ++i) {
            if (siblings[i] == node)
                return siblings[i + 1];
        }
        return nullptr;
    }
    ContentsItem Parent(ContentsItem item) const override { return static_cast<const Node*>(item)->parent; }
    XString Text(ContentsItem item) const override { return XString(static_cast<const Node*>(item)->text.c_str()); }
    int Image(ContentsItem item) const override { return static_cast<const Node*>(item)->image; }

private:
    std::deque<Node> nodes;
};

TEST(ExtensionGroups, CollectFilesWalksTheGroupsRoot)
{
    FakeTree tree;
    ExtensionGroups groups;
    groups.AddFixedGroups();
    groups.SetDocsFolder("C:\\docs");
    FakeTree::Node* java = tree.Add(nullptr, "Java", 2);
    FakeTree::Node* utilities = tree.Add(nullptr, "Utilities", 0);
    groups.FixedGroups()[1].root = java;
    groups.SetCatchAllRoot(utilities);

    FakeTree::Node* src = tree.Add(java, "src", 4);
    tree.Add(src, "Main.JAVA", 6);
    tree.Add(tree.Add(src, "util", 4), "List.java", 6);
    tree.Add(java, "notes.txt", 6);
    tree.Add(utilities, "a.txt", 6);
    tree.Add(utilities, ".txt", 6);
    tree.Add(utilities, "atxt", 6);
    tree.Add(tree.Add(utilities, "sub", 4), "b.TXT", 6);

    struct Case {
        const char* extension;
        std::vector<std::string> paths;
    };
    const Case cases[] = {
        {"java", {"C:\\docs\\src\\Main.JAVA", "C:\\docs\\src\\util\\List.java"}},
        // One-letter names count: "a.txt" is listed by the tree, so it is found.
        {"txt", {"C:\\docs\\a.txt", "C:\\docs\\sub\\b.TXT"}},
        {"cfg", {}},
    };
    for (const Case& c : cases) {
        std::vector<XString> paths;
        groups.CollectFiles(tree, c.extension, paths);
        ASSERT_EQ(paths.size(), c.paths.size()) << c.extension;
        for (size_t i = 0; i < paths.size(); ++i)
            EXPECT_STREQ(paths[i].Data(), c.paths[i].c_str());
    }

    ContentsItem root = nullptr;
    const FakeTree::Node* list = src->children[1]->children[0];
    EXPECT_STREQ(groups.RelativePath(tree, list, &root).Data(), "src\\util\\List.java");
    EXPECT_EQ(root, java);
    EXPECT_EQ(groups.IsRoot(utilities), 1);
    EXPECT_EQ(groups.IsRoot(src), 0);
    EXPECT_EQ(groups.IsDocumentRoot(java), 0);
}

}  // namespace
