#include "file_view_text.h"

#include <cstring>
#include <string>

#include "class_outline.h"
#include "text_rules.h"

namespace {

FileViewText Error(const char* path, const char* message)
{
    FileViewText shown;
    if (path) {
        shown.text.Assign(path);
        shown.text.AppendChar('\n');
    }
    shown.text.Append(message);
    shown.isError = true;
    return shown;
}

}  // namespace

FileViewText TextForFile(const char* path, const char* extension, const unsigned char* data, size_t size)
{
    if (!data)
        return Error(path, "Can not open the file");
    if (size == 0)
        return Error(path, "The file is empty");
    if (EqualsIgnoringCase(extension, "class")) {
        ClassOutline outline;
        if (!outline.Parse(data, size))
            return Error(nullptr, "Error: the class is in bad format");
        FileViewText shown;
        shown.text = outline.Write(nullptr, true, true, nullptr);
        return shown;
    }
    if (std::memchr(data, 0, size))
        return Error(path, "The file is not a text file");
    // Built whole, then assigned once: the string grows by small steps.
    const char* text = reinterpret_cast<const char*>(data);
    std::string lines;
    lines.reserve(size);
    for (size_t i = 0; i < size; ++i) {
        // A CR before an LF goes; a lone CR stays.
        if (text[i] == '\r' && i + 1 < size && text[i + 1] == '\n')
            continue;
        lines.push_back(text[i]);
    }
    FileViewText shown;
    shown.text.Assign(lines.data(), static_cast<int>(lines.size()));
    return shown;
}
