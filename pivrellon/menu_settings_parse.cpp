#include "menu_settings_parse.h"

#include <cerrno>
#include <climits>
#include <cstdlib>
#include <cstring>

#include "settings/settings_file.h"

namespace {

// A line is looked at through a fixed buffer inside Explorer's process: a
// hand-edited line longer than this is cut, never overrun.
constexpr size_t kLineBuffer = 1024;

// Copies the line at pos (at most kLineBuffer - 1 bytes) and returns where
// the next line starts. Lines end as the settings engine ends them.
size_t ReadLine(const unsigned char* data, size_t size, size_t pos, char (&line)[kLineBuffer])
{
    const char* text = reinterpret_cast<const char*>(data);
    // The engine's offsets are ints; a settings file is never near that size.
    const int limit = size > INT_MAX ? INT_MAX : static_cast<int>(size);
    if (pos >= static_cast<size_t>(limit)) {
        line[0] = '\0';
        return size;
    }
    int next = 0;
    const int end = SettingsLineEnd(text, limit, static_cast<int>(pos), &next);
    size_t kept = static_cast<size_t>(end) - pos;
    if (kept > kLineBuffer - 1)
        kept = kLineBuffer - 1;
    std::memcpy(line, text + pos, kept);
    line[kept] = '\0';
    return static_cast<size_t>(next);
}

bool StartsWith(const char* line, const char* prefix)
{
    return std::strncmp(line, prefix, std::strlen(prefix)) == 0;
}

bool IsHeader(const char* line, const char* header)
{
    size_t length = std::strlen(line);
    while (length > 0 && line[length - 1] == ' ')
        --length;
    return length == std::strlen(header) && std::memcmp(line, header, length) == 0;
}

int ToInt(const char* digits)
{
    errno = 0;
    const long parsed = std::strtol(digits, nullptr, 10);
    if (parsed > INT_MAX)
        return INT_MAX;
    if (parsed < INT_MIN)
        return INT_MIN;
    return static_cast<int>(parsed);
}

}  // namespace

bool FindSettingInt(const unsigned char* data, size_t size, const char* section, const char* key, int* value)
{
    char header[kLineBuffer];
    char bracketed[kLineBuffer];
    if (std::strlen(section) + 3 > kLineBuffer || std::strlen(key) + 3 > kLineBuffer)
        return false;
    std::strcpy(header, "{");
    std::strcat(header, section);
    std::strcat(header, "}");
    std::strcpy(bracketed, "[");
    std::strcat(bracketed, key);
    std::strcat(bracketed, "]");

    char line[kLineBuffer];
    size_t pos = 0;
    bool inSection = false;
    while (pos < size) {
        pos = ReadLine(data, size, pos, line);
        if (!inSection) {
            inSection = line[0] == '{' && IsHeader(line, header);
            continue;
        }
        if (StartsWith(line, "<LIST>") || line[0] == '{')
            return false;
        if (StartsWith(line, bracketed)) {
            *value = ToInt(line + std::strlen(bracketed));
            return true;
        }
    }
    return false;
}
