// Seeded mutation run against the payload reader (native build, ASan and
// UBSan):  inside_info_fuzz [seconds] [seed]
// Starts from payloads the main program's writer produces, mutates them
// (bytes flipped, inserted, deleted, separators and line breaks spliced in,
// cut anywhere) and reads each through the command-line taker, the hand-over
// reader and Parse, both tools' forms. A crash, an overread or a broken
// invariant ends the run with a failure.
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <random>
#include <string>
#include <vector>

#include "inside_info.h"
#include "payloads.h"

namespace {

unsigned long long gProbeSeed = 0;

// A path is missing, a file or a folder by a hash of its text, so a path
// answers the same way within one run.
PathKind HashProbe(const char* path)
{
    unsigned long long h = 1469598103934665603ull ^ gProbeSeed;
    for (const char* p = path; *p; ++p)
        h = (h ^ static_cast<unsigned char>(*p)) * 1099511628211ull;
    return static_cast<PathKind>(h % 3);
}

std::vector<std::string> Seeds()
{
    ClassPathRecord full;
    full.systemClassPath.Assign("C:\\jdk\\lib\\tools.jar;C:\\sys.zip;");
    full.userZipClassPath.Assign("\"C:\\My Libs\\u.jar\";");
    full.userDirClassPath.Assign("\"C:\\classes\";");
    full.siblingClassPath.Assign("C:\\sib.zip;");
    full.autoDetectJars = full.autoDetectZips = true;
    const char* selections[] = {"1\nC:\\src\n", "1\nC:\\src\\A.class", "3\nC:\\a\nC:\\b\\X.class\nC:\\c\\Y.java\n",
                                "0\n", "2\n\r\nC:\\odd.d\\x\n", ""};
    std::vector<std::string> seeds;
    for (const char* selection : selections) {
        seeds.push_back(InsideInfo(ClassPathRecord(), selection).Data());
        seeds.push_back(InsideInfo(full, selection).Data());
    }
    return seeds;
}

void Mutate(std::string& s, std::mt19937& rng)
{
    static const char kSpecial[] = {'\xA5', '\n', '\r', '"', '0', '1', '\\', '.', ' ', '\0'};
    const int steps = 1 + static_cast<int>(rng() % 6);
    for (int i = 0; i < steps; ++i) {
        const size_t at = s.empty() ? 0 : rng() % (s.size() + 1);
        switch (rng() % 6) {
        case 0:
            if (at < s.size())
                s[at] = static_cast<char>(rng());
            break;
        case 1:
            s.insert(at, 1, kSpecial[rng() % sizeof kSpecial]);
            break;
        case 2:
            if (at < s.size())
                s.erase(at, 1 + rng() % 8);
            break;
        case 3:
            s.resize(at);
            break;
        case 4:
            s.insert(at, std::string(1 + rng() % 64, static_cast<char>(rng())));
            break;
        default:
            if (!s.empty())
                s.insert(at, s.substr(rng() % s.size(), 1 + rng() % 32));
            break;
        }
    }
}

// Folders come only from lines of the selection, which are at least two
// characters long; flags are 0 or 1.
bool ListsHold(const ZInsideInfo& info)
{
    for (int i = 0; i < info.folders.Count(); ++i) {
        if (info.folders.At(i)->Length() < 2)
            return false;
    }
    return (info.hasSelection == 0 || (info.hasSelection == 1 && info.selectedCount > 0)) &&
           (info.autoJars | info.autoZips) <= 1;
}

}  // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 5;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 1;
    std::mt19937 rng(seed);
    gProbeSeed = seed;
    const std::vector<std::string> seeds = Seeds();
    const auto stop = std::chrono::steady_clock::now() + std::chrono::duration<double>(seconds);
    unsigned long long runs = 0;
    ZInsideInfo skelbrand("class", HashProbe);
    ZInsideInfo farrowick("java", HashProbe);
    while (std::chrono::steady_clock::now() < stop) {
        for (int batch = 0; batch < 256; ++batch, ++runs) {
            std::string bytes = seeds[rng() % seeds.size()];
            Mutate(bytes, rng);

            // The hand-over record, exactly as large as it came: no byte
            // beyond it may be read.
            std::vector<char> record(bytes.begin(), bytes.end());
            const XString handed = HandOverText(record.empty() ? nullptr : record.data(),
                                                static_cast<unsigned long>(record.size()));
            if (handed.Length() > static_cast<int>(record.size())) {
                std::fprintf(stderr, "hand-over text longer than its record\n");
                return 1;
            }

            const std::string commandLine = "/inside-info " + bytes;
            XString payload;
            if (!TakeInsideInfoPayload(commandLine.c_str(), payload))
                payload = handed;
            for (ZInsideInfo* info : {&skelbrand, &farrowick}) {
                const int parsed = info->Parse(payload.Data());
                if ((parsed != 0 && parsed != 1) || !ListsHold(*info)) {
                    std::fprintf(stderr, "broken record after payload of %zu bytes\n", bytes.size());
                    return 1;
                }
            }
        }
    }
    std::printf("inside_info_fuzz: %llu payloads in %.0f s, seed %u, clean\n", runs, seconds, seed);
    return 0;
}
