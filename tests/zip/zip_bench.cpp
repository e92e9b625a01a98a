// Lists an archive of 100,000 entries with the reader and with the
// machine's `unzip -Z1`, and prints entries per second for both.
//   zip_bench [archive]   (default: one written to /tmp by this program)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <vector>

#include "zip_archive.h"
#include "zip_writer.h"

namespace {

constexpr int kEntries = 100000;
constexpr int kRounds = 5;

std::string WriteBenchArchive()
{
    std::vector<WriterEntry> entries;
    entries.reserve(kEntries);
    char name[96];
    for (int i = 0; i < kEntries; ++i) {
        if (i % 100 == 0) {
            std::snprintf(name, sizeof name, "org/example/generated/pkg%04d/", i / 100);
            entries.push_back({name, 0x031e, 0, 0x41ed0010});
        } else {
            std::snprintf(name, sizeof name, "org/example/generated/pkg%04d/Generated%06d.class", i / 100, i);
            entries.push_back({name, 0x031e, 0, 0x81a40000});
        }
    }
    WriterOptions options;
    options.zip64 = true;  // more entries than the 16-bit count holds
    const std::string path = "/tmp/zip_bench_100k.zip";
    FILE* f = std::fopen(path.c_str(), "wb");
    const std::string bytes = WriteTestZip(entries, options);
    if (!f || std::fwrite(bytes.data(), 1, bytes.size(), f) != bytes.size() || std::fclose(f) != 0) {
        std::fprintf(stderr, "cannot write %s\n", path.c_str());
        std::exit(2);
    }
    return path;
}

double Seconds(std::chrono::steady_clock::time_point since)
{
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

}  // namespace

int main(int argc, char** argv)
{
    const std::string path = argc > 1 ? argv[1] : WriteBenchArchive();

    double best = 1e9;
    long listed = 0;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        ZipArchive archive;
        archive.Open(path.c_str(), ZipArchive::ModeOpenReadOnly);
        ZipFileHeader header;
        long n = 0, dirs = 0;
        for (int i = 0; archive.GetFileInfo(header, i); ++i, ++n)
            dirs += header.IsDirectory() + (header.GetFileName().Length() == 0);
        archive.Close();
        const double took = Seconds(start);
        best = took < best ? took : best;
        listed = n;
        (void)dirs;
    }

    double bestUnzip = 1e9;
    long unzipListed = 0;
    const std::string command = "unzip -Z1 '" + path + "'";
    for (int round = 0; round < kRounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe)
            return 2;
        char line[4096];
        long n = 0;
        while (std::fgets(line, sizeof line, pipe))
            ++n;
        const int status = pclose(pipe);
        const double took = Seconds(start);
        bestUnzip = took < bestUnzip ? took : bestUnzip;
        unzipListed = status == 0 ? n : -1;
    }

    std::printf("archive: %s\n", path.c_str());
    std::printf("reader:    %ld entries in %.4f s = %.0f entries/s (best of %d)\n", listed, best, listed / best, kRounds);
    std::printf("unzip -Z1: %ld entries in %.4f s = %.0f entries/s (best of %d)\n", unzipListed, bestUnzip,
                unzipListed / bestUnzip, kRounds);
    std::printf("reader speed / unzip speed: %.2f\n", bestUnzip / best * listed / (unzipListed > 0 ? unzipListed : 1));
    return 0;
}
