#include "extension_groups.h"

#include <cstring>
#include <string>

#include "extension_text.h"
#include "text_rules.h"

namespace {

struct FixedGroup {
    const char* label;
    const char* extensions[3];
};

const FixedGroup kFixedGroups[] = {
    {"Document", {"html", "htm", nullptr}},
    {"Java", {"java", nullptr, nullptr}},
    {"Class", {"class", nullptr, nullptr}},
    {"Jar & Zip", {"jar", "zip", nullptr}},
};

constexpr char kCatchAllLabel[] = "Utilities";

// Files that are never worth listing as documentation.
const char* const kExcludedExtensions[] = {"exe", "dll", "ocx", "pdf", "gif", "jpg", "bmp", "png",
                                           "tif", "pic", "psd", "pdd", "raw", "tar", "z"};

void TrimTrailing(XString& text, char c)
{
    while (!text.IsEmpty() && text.LastChar() == c)
        text.RemoveLast();
}

int ContainedIn(const std::vector<ExtensionGroup>& groups, const char* extension)
{
    for (const ExtensionGroup& group : groups) {
        if (group.Contains(extension))
            return 1;
    }
    return 0;
}

}  // namespace

int ExtensionGroup::Contains(const char* extension) const
{
    for (const XString& own : extensions) {
        if (EqualsIgnoringCase(own.Data(), extension))
            return 1;
    }
    return 0;
}

void ExtensionGroups::Reset()
{
    fixedGroups.clear();
    userGroups.clear();
    catchAllLabel.Assign("");
    catchAllRoot = nullptr;
    docsFolder.Assign("");
}

void ExtensionGroups::AddFixedGroups()
{
    for (const FixedGroup& fixed : kFixedGroups) {
        ExtensionGroup group;
        group.label.Assign(fixed.label);
        for (const char* extension : fixed.extensions) {
            if (extension)
                group.extensions.emplace_back(extension);
        }
        fixedGroups.push_back(group);
    }
    catchAllLabel.Assign(kCatchAllLabel);
}

void ExtensionGroups::AddUserGroup(const char* text)
{
    std::string lowered(text);
    for (char& c : lowered) {
        if (c >= 'A' && c <= 'Z')
            c = static_cast<char>(c - 'A' + 'a');
    }
    ExtensionGroup group;
    SplitExtensionList(lowered.c_str(), group.extensions);
    for (const XString& extension : group.extensions) {
        const char first = extension[0];
        group.label.AppendChar(first >= 'a' && first <= 'z' ? static_cast<char>(first - 'a' + 'A') : first);
        group.label.Append(extension.Data() + 1);
        group.label.Append(" & ");
    }
    TrimTrailing(group.label, ' ');
    TrimTrailing(group.label, '&');
    TrimTrailing(group.label, ' ');
    userGroups.push_back(group);
}

void ExtensionGroups::AddUserGroups(const std::vector<XString>& texts)
{
    for (const XString& text : texts)
        AddUserGroup(text.Data());
}

int ExtensionGroups::IsInGroups(const char* extension) const
{
    return ContainedIn(fixedGroups, extension) || ContainedIn(userGroups, extension) ? 1 : 0;
}

int ExtensionGroups::IsExcluded(const char* extension)
{
    for (const char* excluded : kExcludedExtensions) {
        if (EqualsIgnoringCase(excluded, extension))
            return 1;
    }
    return 0;
}

int ExtensionGroups::IsCatchAllExtension(const char* extension) const
{
    return !IsExcluded(extension) && !IsInGroups(extension) ? 1 : 0;
}

int ExtensionGroups::FindGroupedExtension(const char* listText, XString& extension) const
{
    std::vector<XString> items;
    SplitExtensionList(listText, items);
    for (const XString& item : items) {
        if (ContainedIn(fixedGroups, item.Data()) || ContainedIn(userGroups, item.Data())) {
            extension.Copy(item);
            return 1;
        }
    }
    return 0;
}

int ExtensionGroups::FindExcludedExtension(const char* listText, XString& extension) const
{
    std::vector<XString> items;
    SplitExtensionList(listText, items);
    for (const XString& item : items) {
        if (IsExcluded(item.Data())) {
            extension.Copy(item);
            return 1;
        }
    }
    return 0;
}

int ExtensionGroups::IsRoot(ContentsItem item) const
{
    if (!item)
        return 0;
    for (const std::vector<ExtensionGroup>* groups : {&fixedGroups, &userGroups}) {
        for (const ExtensionGroup& group : *groups) {
            if (group.root == item)
                return 1;
        }
    }
    return item == catchAllRoot || item == onlineRoot ? 1 : 0;
}

int ExtensionGroups::IsDocumentRoot(ContentsItem item) const
{
    return !fixedGroups.empty() && item && fixedGroups.front().root == item ? 1 : 0;
}

XString ExtensionGroups::RelativePath(const ContentsTree& tree, ContentsItem item, ContentsItem* root) const
{
    XString path;
    while (item && !IsRoot(item)) {
        XString step = tree.Text(item);
        step.AppendChar('\\');
        step.AppendString(path);
        path.Copy(step);
        item = tree.Parent(item);
    }
    if (root)
        *root = item;
    TrimTrailing(path, '\\');
    return path;
}

ContentsItem ExtensionGroups::RootFor(const char* extension) const
{
    for (const std::vector<ExtensionGroup>* groups : {&fixedGroups, &userGroups}) {
        for (const ExtensionGroup& group : *groups) {
            if (group.Contains(extension))
                return group.root;
        }
    }
    return catchAllRoot;
}

void ExtensionGroups::CollectFiles(const ContentsTree& tree, const char* extension,
                                   std::vector<XString>& paths) const
{
    if (ContentsItem root = RootFor(extension))
        CollectBelow(tree, root, extension, paths);
}

void ExtensionGroups::CollectBelow(const ContentsTree& tree, ContentsItem parent, const char* extension,
                                   std::vector<XString>& paths) const
{
    XString ending(".");
    ending.Append(extension);
    const int shortest = static_cast<int>(std::strlen(extension)) + 2;
    for (ContentsItem item = tree.Child(parent); item; item = tree.Next(item)) {
        if (tree.Image(item) != ContentsTree::kFileImage) {
            CollectBelow(tree, item, extension, paths);
            continue;
        }
        // "a.txt" is a file of its own: at least one character before the dot.
        const XString name = tree.Text(item);
        if (name.Length() < shortest || !EndsWithIgnoringCase(name.Data(), ending.Data()))
            continue;
        XString path(docsFolder);
        path.AppendChar('\\');
        path.AppendString(RelativePath(tree, item, nullptr));
        paths.push_back(path);
    }
}
