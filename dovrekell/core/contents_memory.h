#pragma once

#include <memory>
#include <utility>
#include <vector>

#include "docs_scan.h"

// A Contents tree and index in memory: the worker scans into it without a
// message to the window thread per item, which then fills its controls in
// one go; tests read it directly.
class ContentsMemory : public ContentsBuilder {
public:
    struct Node {
        XString text;
        int image = 0;
        Node* parent = nullptr;
        size_t place = 0;  // index among its siblings
        std::vector<std::unique_ptr<Node>> children;
    };

    ContentsItem Child(ContentsItem item) const override;
    ContentsItem Next(ContentsItem item) const override;
    ContentsItem Parent(ContentsItem item) const override;
    XString Text(ContentsItem item) const override;
    int Image(ContentsItem item) const override;
    ContentsItem Insert(ContentsItem parent, const char* text, int image) override;
    void AddIndexEntry(const char* title, const char* location) override;

    const std::vector<std::unique_ptr<Node>>& Roots() const { return roots.children; }
    const std::vector<std::pair<XString, XString>>& Index() const { return index; }
    int Inserted() const { return inserted; }

private:
    const std::vector<std::unique_ptr<Node>>& Siblings(const Node* node) const
    {
        return node->parent ? node->parent->children : roots.children;
    }

    Node roots;
    std::vector<std::pair<XString, XString>> index;
    int inserted = 0;
};
