#include "contents_memory.h"

namespace {

const ContentsMemory::Node* AsNode(ContentsItem item)
{
    return static_cast<const ContentsMemory::Node*>(item);
}

}  // namespace

ContentsItem ContentsMemory::Child(ContentsItem item) const
{
    const Node* node = AsNode(item);
    return node->children.empty() ? nullptr : node->children.front().get();
}

ContentsItem ContentsMemory::Next(ContentsItem item) const
{
    const Node* node = AsNode(item);
    const auto& siblings = Siblings(node);
    return node->place + 1 < siblings.size() ? siblings[node->place + 1].get() : nullptr;
}

ContentsItem ContentsMemory::Parent(ContentsItem item) const
{
    return AsNode(item)->parent;
}

XString ContentsMemory::Text(ContentsItem item) const
{
    return AsNode(item)->text;
}

int ContentsMemory::Image(ContentsItem item) const
{
    return AsNode(item)->image;
}

ContentsItem ContentsMemory::Insert(ContentsItem parent, const char* text, int image)
{
    Node* owner = parent ? const_cast<Node*>(AsNode(parent)) : &roots;
    std::unique_ptr<Node> node(new Node);
    node->text.Assign(text);
    node->image = image;
    node->parent = parent ? owner : nullptr;
    node->place = owner->children.size();
    owner->children.push_back(std::move(node));
    ++inserted;
    return owner->children.back().get();
}

void ContentsMemory::AddIndexEntry(const char* title, const char* location)
{
    index.emplace_back(XString(title), XString(location));
}
