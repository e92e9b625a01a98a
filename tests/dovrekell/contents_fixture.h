#pragma once

#include <filesystem>
#include <fstream>
#include <memory>
#include <string>
#include <vector>

#include "docs_scan.h"
#include "support/test_files.h"

// A Contents tree of its own for the scan: items in memory, the index as a
// list, and a dump with one line per item, two blanks per level.
class MemoryContents : public ContentsBuilder {
public:
    struct Node {
        std::string text;
        int image = 0;
        Node* parent = nullptr;
        std::vector<std::unique_ptr<Node>> children;
    };

    ContentsItem Child(ContentsItem item) const override
    {
        const Node* node = static_cast<const Node*>(item);
        return node->children.empty() ? nullptr : node->children.front().get();
    }
    ContentsItem Next(ContentsItem item) const override
    {
        const Node* node = static_cast<const Node*>(item);
        const auto& siblings = node->parent ? node->parent->children : roots.children;
        for (size_t i = 0; i + 1 < siblings.size(); ++i) {
            if (siblings[i].get() == node)
                return siblings[i + 1].get();
        }
        return nullptr;
    }
    ContentsItem Parent(ContentsItem item) const override { return static_cast<const Node*>(item)->parent; }
    XString Text(ContentsItem item) const override { return XString(static_cast<const Node*>(item)->text.c_str()); }
    int Image(ContentsItem item) const override { return static_cast<const Node*>(item)->image; }

    ContentsItem Insert(ContentsItem parent, const char* text, int image) override
    {
        Node* owner = parent ? const_cast<Node*>(static_cast<const Node*>(parent)) : &roots;
        owner->children.push_back(std::make_unique<Node>());
        Node* node = owner->children.back().get();
        node->text = text;
        node->image = image;
        node->parent = parent ? owner : nullptr;
        ++inserted;
        return node;
    }
    void Delete(ContentsItem item) override
    {
        const Node* node = static_cast<const Node*>(item);
        auto& siblings = node->parent ? node->parent->children : roots.children;
        for (auto it = siblings.begin(); it != siblings.end(); ++it) {
            if (it->get() == node) {
                siblings.erase(it);
                return;
            }
        }
    }
    void AddIndexEntry(const char* title, const char* location) override
    {
        index.emplace_back(title, location);
    }

    std::vector<std::string> Dump() const
    {
        std::vector<std::string> lines;
        for (const auto& root : roots.children)
            DumpNode(*root, 0, lines);
        return lines;
    }

    std::vector<std::pair<std::string, std::string>> index;
    int inserted = 0;

private:
    static void DumpNode(const Node& node, int depth, std::vector<std::string>& lines)
    {
        lines.push_back(std::string(2 * depth, ' ') + node.text);
        for (const auto& child : node.children)
            DumpNode(*child, depth + 1, lines);
    }

    Node roots;
};

// The Contents tree that the fixture documentation folder (built by the
// tests: see BuildFixtureDocs) must give with the user group "txt;XML",
// children in name order.
inline const std::vector<std::string>& ExpectedFixtureContents()
{
    static const std::vector<std::string> lines = {
        "Document",
        "  api",
        "    java",
        "      lang",
        "        Object",
        "        String",
        "        StringBuilder",
        "  index",
        "  specs",
        "    intro",
        "Java",
        "  demo",
        "    Demo.java",
        "  specs",
        "    Hello.java",
        "Class",
        "  demo",
        "    Demo.class",
        "Jar & Zip",
        "  demo",
        "    demo.jar",
        "Txt & Xml",
        "  config.XML",
        "  notes.txt",
        "Utilities",
        "  README",
        "  api",
        "    package-list",
        "    stylesheet.css",
    };
    return lines;
}

// Relative paths ('/' separated) of the fixture documentation folder's files.
inline const std::vector<std::string>& FixtureDocsFiles()
{
    static const std::vector<std::string> files = {
        "index.html",
        "api/java/lang/Object.html",
        "api/java/lang/String.html",
        "api/java/lang/StringBuilder.html",
        "api/package-list",
        "api/stylesheet.css",
        "specs/intro.htm",
        "specs/Hello.java",
        "images/logo.gif",
        "images/deep/bg.png",
        "demo/Demo.java",
        "demo/Demo.class",
        "demo/demo.jar",
        "notes.txt",
        "config.XML",
        "README",
        "tool.exe",
    };
    return files;
}

inline void TouchFixtureFile(const std::filesystem::path& path)
{
    std::filesystem::create_directories(path.parent_path());
    std::ofstream(path) << "x";
}

// Builds the fixture documentation folder "<scratch>/<name>/docs"; its path.
inline std::string BuildFixtureDocs(const std::string& name)
{
    const std::filesystem::path docs = std::filesystem::path(ScratchPath(name)) / "docs";
    for (const std::string& file : FixtureDocsFiles())
        TouchFixtureFile(docs / file);
    return docs.string();
}
