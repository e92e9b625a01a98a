// The class outline's cost next to the parse it draws on, over a folder tree
// of class files held in memory (a JDK's classes: jimage extract --dir D
// $JAVA_HOME/lib/modules). Prints the parse alone, the whole outline (parse,
// fill, write), and what the outline adds as a share of the parse: that
// share is the figure that must stay at or below 1.
//
//   outline_bench <folder> [rounds]
//
// Rounds alternate parse and outline and the best of each is kept; times are
// the thread's CPU time, so other work on a shared machine disturbs them less.
#include <time.h>

#include <cstdio>
#include <cstdlib>
#include <fstream>
#include <iterator>
#include <string>
#include <vector>

#include "class_outline.h"
#include "support/bench/class_files.h"

namespace {

double CpuSeconds()
{
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) / 1e9;
}

const unsigned char* Bytes(const std::string& s)
{
    return reinterpret_cast<const unsigned char*>(s.data());
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2 && argc != 3) {
        std::fprintf(stderr, "usage: %s <folder of class files> [rounds]\n", argv[0]);
        return 2;
    }
    const int rounds = argc == 3 ? std::atoi(argv[2]) : 7;
    std::vector<std::string> paths;
    CollectClassFiles(argv[1], paths);
    std::vector<std::string> classes;
    for (const std::string& path : paths) {
        std::ifstream in(path, std::ios::binary);
        classes.emplace_back(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
    }
    if (classes.empty() || rounds < 1) {
        std::fprintf(stderr, "no class files under %s\n", argv[1]);
        return 1;
    }

    double parseBest = 1e9, outlineBest = 1e9;
    long parsed = 0, written = 0;
    size_t outlineBytes = 0;
    for (int round = 0; round < rounds; ++round) {
        double start = CpuSeconds();
        parsed = 0;
        for (const std::string& bytes : classes) {
            ClassFile file;
            int code = 0;
            parsed += file.Parse(Bytes(bytes), bytes.size(), &code);
        }
        const double parse = CpuSeconds() - start;

        start = CpuSeconds();
        written = 0;
        outlineBytes = 0;
        for (const std::string& bytes : classes) {
            ClassOutline outline;
            if (!outline.Parse(Bytes(bytes), bytes.size()))
                continue;
            outlineBytes += static_cast<size_t>(outline.Write(nullptr, true, true, nullptr).Length());
            ++written;
        }
        const double whole = CpuSeconds() - start;
        parseBest = parse < parseBest ? parse : parseBest;
        outlineBest = whole < outlineBest ? whole : outlineBest;
    }
    const double added = outlineBest - parseBest;
    std::printf("%zu class files in memory, %ld parsed, %ld outlines (%.1f MB of text), best of %d rounds\n",
                classes.size(), parsed, written, outlineBytes / 1e6, rounds);
    std::printf("parse alone:              %7.3f s\n", parseBest);
    std::printf("parse, fill and write:    %7.3f s\n", outlineBest);
    std::printf("outline (fill and write): %7.3f s = %.2f x the parse\n", added, added / parseBest);
    return 0;
}
