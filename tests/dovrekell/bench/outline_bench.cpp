// The class outline's cost next to the parse it draws on, over a folder tree
// of class files held in memory (a JDK's classes: jimage extract --dir D
// $JAVA_HOME/lib/modules). Prints the parse alone, the whole outline (parse,
// fill, write), and what the outline adds as a share of the parse.
//
//   outline_bench <folder>
#include <chrono>
#include <cstdio>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "class_outline.h"
#include "support/bench/class_files.h"

namespace {

using Clock = std::chrono::steady_clock;

double Seconds(Clock::time_point start)
{
    return std::chrono::duration<double>(Clock::now() - start).count();
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder of class files>\n", argv[0]);
        return 2;
    }
    std::vector<std::string> paths;
    CollectClassFiles(argv[1], paths);
    std::vector<std::string> classes;
    for (const std::string& path : paths) {
        std::ifstream in(path, std::ios::binary);
        classes.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (classes.empty()) {
        std::fprintf(stderr, "no class files under %s\n", argv[1]);
        return 1;
    }

    double parseBest = 1e9, outlineBest = 1e9;
    long parsed = 0, written = 0;
    size_t outlineBytes = 0;
    for (int round = 0; round < 3; ++round) {
        Clock::time_point start = Clock::now();
        parsed = 0;
        for (const std::string& bytes : classes) {
            ClassFile file;
            int code = 0;
            parsed += file.Parse(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size(), &code);
        }
        const double parse = Seconds(start);

        start = Clock::now();
        written = 0;
        outlineBytes = 0;
        for (const std::string& bytes : classes) {
            ClassOutline outline;
            if (!outline.Parse(reinterpret_cast<const unsigned char*>(bytes.data()), bytes.size()))
                continue;
            outlineBytes += static_cast<size_t>(outline.Write(nullptr, true, true, nullptr).Length());
            ++written;
        }
        const double whole = Seconds(start);
        parseBest = parse < parseBest ? parse : parseBest;
        outlineBest = whole < outlineBest ? whole : outlineBest;
    }
    const double added = outlineBest - parseBest;
    std::printf("%zu class files in memory, %ld parsed, %ld outlines (%.1f MB of text)\n", classes.size(), parsed,
                written, outlineBytes / 1e6);
    std::printf("parse alone:              %7.3f s\n", parseBest);
    std::printf("parse, fill and write:    %7.3f s\n", outlineBest);
    std::printf("outline (fill and write): %7.3f s = %.2f x the parse\n", added, added / parseBest);
    return 0;
}
