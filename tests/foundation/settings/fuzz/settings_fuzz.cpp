// Mutation run over the settings engine. Each input is a settings file; the
// first bytes also choose an edit. Properties: reads never change the file;
// an edit that fails leaves it byte for byte; an edit that succeeds touches
// only its own section (the bytes before the section's header and from the
// next header on stay) and reads back; the main program's opening keeps every
// byte the file had and leaves every fixed section findable and writable.
#include <unistd.h>

#include <cstdio>
#include <fstream>
#include <random>
#include <sstream>
#include <string>

#include "fuzz/fuzz_run.h"
#include "settings/settings_file.h"

namespace {

const char* const kSections[] = {"S", "SECT_MAIN", "SECT_A", "SECT_MAIN_ICON"};
const char* const kKeys[] = {"K", "KEY_PROGRAMINIT", "KEY_X"};

std::string path;

std::string ReadFile()
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    return s.str();
}

void WriteFile(const unsigned char* data, size_t size)
{
    std::ofstream out(path, std::ios::binary | std::ios::trunc);
    out.write(reinterpret_cast<const char*>(data), static_cast<std::streamsize>(size));
}

// The section's header start and the start of the next line beginning with
// "{" (or the end): what an edit of the section may change.
bool SectionBounds(const std::string& bytes, const char* section, int& start, int& end)
{
    SettingsFile reader;
    if (!reader.Open(path.c_str()))
        return false;
    const std::string header = std::string("{") + section + "}";
    SettingsFile::LineSpan span;
    if (!reader.FindSection(header.c_str(), &span))
        return false;
    start = span.start;
    const int size = static_cast<int>(bytes.size());
    int next = span.next;
    for (int pos = span.next; pos < size; pos = next) {
        SettingsLineEnd(bytes.data(), size, pos, &next);
        if (bytes[static_cast<size_t>(pos)] == '{') {
            end = pos;
            return true;
        }
    }
    end = size;
    return true;
}

void ReadEverything(SettingsFile& settings, FuzzReader& r)
{
    for (const char* section : kSections) {
        for (const char* key : kKeys) {
            int i = 0;
            unsigned u = 0;
            XString text;
            settings.GetInt(section, key, &i);
            settings.GetUInt(section, key, &u);
            settings.GetString(text, section, key, r.Flag());
            settings.GetRawString(text, section, key);
        }
        StringList items;
        settings.GetList(items, section);
        XString joined;
        settings.ReadListToString(section, joined, r.Flag());
    }
}

std::string Printable(FuzzReader& r, bool lineBreaks)
{
    std::string text = r.Text(40);
    std::string out;
    for (char c : text) {
        if (c == '\0' || static_cast<unsigned char>(c) == SettingsFile::kLineBreakByte)
            continue;  // a stored 0xAB is a line break by the format's own rule
        if (!lineBreaks && (c == '\r' || c == '\n'))
            continue;
        out += c;
    }
    return out;
}

// What GetString gives back for a stored value: CR LF, LF and a CR alone are
// each one line break.
std::string BreaksAsLf(const std::string& text)
{
    std::string out;
    for (size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n')
            continue;
        out += text[i] == '\r' ? '\n' : text[i];
    }
    return out;
}

int Exercise(const unsigned char* data, size_t size)
{
    WriteFile(data, size);
    const std::string before(reinterpret_cast<const char*>(data), size);
    // The edit is chosen by a hash of the whole input, so every edit meets
    // every kind of file, and a replay repeats it.
    unsigned hash = 2166136261u;
    for (size_t i = 0; i < size; ++i)
        hash = (hash ^ data[i]) * 16777619u;
    std::mt19937 choose(hash);
    unsigned char choices[64];
    for (unsigned char& c : choices)
        c = static_cast<unsigned char>(choose());
    FuzzReader r(choices, sizeof choices);
    {
        SettingsFile settings;
        if (!settings.Open(path.c_str()))
            FuzzFail("open");
        ReadEverything(settings, r);
    }
    if (ReadFile() != before)
        FuzzFail("a read changed the file");

    const char* section = kSections[r.Below(4)];
    const char* key = kKeys[r.Below(3)];
    int start = 0;
    int end = 0;
    const bool found = SectionBounds(before, section, start, end);

    SettingsFile settings;
    settings.Open(path.c_str());
    const unsigned op = r.Below(8);
    int result = 0;
    std::string readBack;
    switch (op) {
    case 0: {
        const std::string value = Printable(r, r.Below(8) == 0);
        result = settings.SetRawString(value.c_str(), section, key);
        if (result) {
            XString got;
            settings.GetRawString(got, section, key);
            if (value != got.Data())
                FuzzFail("SetRawString does not read back", value + " / " + got.Data());
        }
        break;
    }
    case 1: {
        const std::string value = Printable(r, true);
        result = settings.SetString(value.c_str(), section, key);
        if (result) {
            XString got;
            settings.GetString(got, section, key, 0);
            if (BreaksAsLf(value) != got.Data())
                FuzzFail("SetString does not read back", value);
        }
        break;
    }
    case 2: {
        const int value = static_cast<int>(r.Byte() | (r.Byte() << 8) | (r.Byte() << 16) | (r.Byte() << 24));
        result = settings.SetInt(section, key, value);
        int got = value + 1;
        if (result && (!settings.GetInt(section, key, &got) || got != value))
            FuzzFail("SetInt does not read back");
        break;
    }
    case 3: {
        const std::string item = Printable(r, r.Below(8) == 0);
        result = settings.AddListItem(section, item.c_str(), r.Flag(), r.Flag());
        if (result) {
            // The item goes after the last item line; other lines may follow.
            StringList items;
            settings.GetList(items, section);
            bool there = false;
            for (int i = 0; i < items.Count(); ++i)
                there = there || item == items.At(i)->Data();
            if (!there)
                FuzzFail("AddListItem does not read back", item);
        }
        break;
    }
    case 4: {
        std::vector<std::string> items;
        StringList list;
        for (unsigned n = r.Below(4); n > 0; --n) {
            items.push_back(Printable(r, false));
            list.Add(XString(items.back().c_str()));
        }
        result = settings.SetList(list, section);
        if (result) {
            StringList got;
            settings.GetList(got, section);
            std::vector<std::string> nonEmpty;
            for (const std::string& item : items) {
                if (!item.empty())
                    nonEmpty.push_back(item);
            }
            // Empty elements make no lines, except one at the very start.
            std::vector<std::string> read;
            for (int i = 0; i < got.Count(); ++i) {
                if (got.At(i)->Length())
                    read.push_back(got.At(i)->Data());
            }
            if (read != nonEmpty)
                FuzzFail("SetList does not read back");
        }
        break;
    }
    case 5: {
        const std::string name = r.Flag() ? section : Printable(r, false);
        result = settings.AddSection(name.c_str());
        const std::string header = "{" + name + "}";
        if (result && !settings.FindSection(header.c_str()))
            FuzzFail("an added section is not found", name);
        break;
    }
    case 6: {
        settings.Close();
        if (!settings.OpenAndInit(path.c_str()))
            FuzzFail("OpenAndInit");
        const std::string after = ReadFile();
        if (after.compare(0, before.size(), before) != 0)
            FuzzFail("opening lost bytes the file had");
        for (const char* fixed : kMainSections) {
            if (!settings.FindSection((std::string("{") + fixed + "}").c_str()))
                FuzzFail("a fixed section is missing after opening", fixed);
        }
        const int value = 2 + static_cast<int>(r.Below(50));
        if (!settings.SetProgramInit(value) || settings.GetProgramInit() != value)
            FuzzFail("a key of the opened file does not read back");
        return 20;
    }
    default: {
        XString flat;
        settings.GetString(flat, section, key, 1);
        return 21;
    }
    }
    settings.Close();
    const std::string after = ReadFile();
    if (!result) {
        if (after != before)
            FuzzFail("a refused edit changed the file");
        return static_cast<int>(op) * 2;
    }
    if (op == 5)
        return 11;  // a new section goes at the end
    if (!found)
        FuzzFail("an edit of a missing section succeeded");
    const size_t tail = before.size() - static_cast<size_t>(end);
    if (after.compare(0, static_cast<size_t>(start), before, 0, static_cast<size_t>(start)) != 0 ||
        after.size() < tail + static_cast<size_t>(start) ||
        after.compare(after.size() - tail, tail, before, static_cast<size_t>(end), tail) != 0)
        FuzzFail("an edit touched bytes outside its section");
    return static_cast<int>(op) * 2 + 1;
}

}  // namespace

int main(int argc, char** argv)
{
    path = "/tmp/settings_fuzz_" + std::to_string(getpid()) + ".set";
    FuzzTarget target;
    target.name = "settings_fuzz";
    const std::string seeds[] = {
        "\r\n\r\n{SECT_MAIN}\r\n<KEY>\r\n[KEY_PROGRAMINIT]1\r\n<LIST>\r\n\r\n\r\n{S}\r\n<KEY>\r\n[K]v\r\n<LIST>\r\n(a)\r\n",
        "{S}\r\nX\n",
        "{SECT_MAIN_ICON}\r\n<KEY>\r\n[A]1\r{SECT_MAIN}\r\n<KEY>\r\n[KEY_PROGRAMINIT]5\r\n<LIST>\r\n",
        "{SECT_A}\n<KEY>\n[KEY_X]1\n<LIST>\n(a.jar)\n",
        "",
    };
    for (const std::string& s : seeds)
        target.seeds.emplace_back(s.begin(), s.end());
    target.dictionary = {"\r\n", "\r", "\n", "{S}", "{SECT_MAIN}", "{SECT_A}", "<KEY>", "<LIST>", "[K]", "[KEY_X]",
                         "(", ")", "{", "   "};
    target.markBytes = {'\r', '\n', '{', '}', '[', ']', '(', ')', '<', ' ', 0xAB, 0};
    target.exercise = Exercise;
    const int status = RunFuzz(argc, argv, target);
    std::remove(path.c_str());
    return status;
}
