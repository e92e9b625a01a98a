// Parsing speed over a folder tree of class files: the time to read every
// file, to read and parse it, and to read, parse and fill its class
// information.
//
//   classfile_bench <folder>
#include <chrono>
#include <cstdio>
#include <string>
#include <vector>

#include "classfile/class_info.h"
#include "support/bench/class_files.h"
#include "xbuffer.h"
#include "xfile.h"

namespace {

struct Pass {
    double seconds = 0;
    long bytes = 0;
    long parsed = 0;
};

enum Work { kRead, kParse, kFill };

Pass Run(const std::vector<std::string>& files, Work work)
{
    Pass pass;
    XBuffer buffer;
    ClassFile file;
    ClassInfo info;
    const auto start = std::chrono::steady_clock::now();
    for (const std::string& path : files) {
        XFile in;
        int length = 0;
        if (!in.Open(path.c_str(), XFile::OpenExisting, 0) || !in.ReadWhole(buffer, &length))
            continue;
        in.Close();
        pass.bytes += length;
        if (work == kRead)
            continue;
        int code = 0;
        if (file.Parse(buffer.Data(), static_cast<size_t>(length), &code)) {
            if (work == kFill)
                info.Fill(file);
            ++pass.parsed;
        }
    }
    pass.seconds = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
    return pass;
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: %s <folder of class files>\n", argv[0]);
        return 2;
    }
    std::vector<std::string> files;
    CollectClassFiles(argv[1], files);
    if (files.empty()) {
        std::fprintf(stderr, "no class files under %s\n", argv[1]);
        return 1;
    }
    Run(files, kRead);  // warm the page cache so every pass reads from memory
    const Pass read = Run(files, kRead);
    const Pass parse = Run(files, kParse);
    const Pass fill = Run(files, kFill);
    const double n = static_cast<double>(files.size());
    std::printf("%zu class files, %.1f MB\n", files.size(), read.bytes / 1e6);
    std::printf("read:                  %7.3f s %9.0f files/s\n", read.seconds, n / read.seconds);
    std::printf("read, parse:           %7.3f s %9.0f files/s  parse %.0f%% of the read\n", parse.seconds,
                n / parse.seconds, 100.0 * (parse.seconds - read.seconds) / read.seconds);
    std::printf("read, parse, fill:     %7.3f s %9.0f files/s  parse and fill %.0f%% of the read\n", fill.seconds,
                n / fill.seconds, 100.0 * (fill.seconds - read.seconds) / read.seconds);
    std::printf("parsed %ld of %zu\n", fill.parsed, files.size());
    return fill.parsed == static_cast<long>(files.size()) ? 0 : 1;
}
