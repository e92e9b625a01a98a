// Lists an archive of 100,000 entries with the reader and with the
// machine's `unzip -Z1`, whole process against whole process: this program
// started again as a lister (`zip_bench --list ARCHIVE`, the reader printing
// one name a line) next to `unzip -Z1 ARCHIVE`, each read through a pipe.
// Prints entries per second for both and their ratio.
//   zip_bench [archive]   (default: one written to /tmp by this program)
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <sys/wait.h>
#include <unistd.h>
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

// The reader's listing, as `unzip -Z1` prints it; 1 when the archive
// cannot be read.
int ListArchive(const char* path)
{
    try {
        ZipArchive archive;
        archive.Open(path, ZipArchive::ModeOpenReadOnly);
        ZipFileHeader header;
        for (int i = 0; archive.GetFileInfo(header, i); ++i) {
            std::fputs(header.GetFileName().Data(), stdout);
            std::fputc('\n', stdout);
        }
        archive.Close();
    } catch (...) {
        return 1;
    }
    return 0;
}

struct Timed {
    double best = 1e9;
    long lines = 0;
    int status = 0;  // the exit status of the last round
};

// A command's standard output counted line by line, its best time over the rounds.
Timed TimeCommand(const std::string& command)
{
    Timed timed;
    for (int round = 0; round < kRounds; ++round) {
        const auto start = std::chrono::steady_clock::now();
        FILE* pipe = popen(command.c_str(), "r");
        if (!pipe) {
            timed.status = -1;
            return timed;
        }
        char line[4096];
        long n = 0;
        while (std::fgets(line, sizeof line, pipe))
            ++n;
        const int status = pclose(pipe);
        const double took = Seconds(start);
        timed.best = took < timed.best ? took : timed.best;
        timed.lines = n;
        timed.status = WIFEXITED(status) ? WEXITSTATUS(status) : -1;
    }
    return timed;
}

std::string SelfPath()
{
    char path[4096];
    const ssize_t n = readlink("/proc/self/exe", path, sizeof path - 1);
    return n > 0 ? std::string(path, static_cast<size_t>(n)) : std::string("zip_bench");
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc > 2 && std::string(argv[1]) == "--list")
        return ListArchive(argv[2]);
    const std::string path = argc > 1 ? argv[1] : WriteBenchArchive();

    const Timed reader = TimeCommand("'" + SelfPath() + "' --list '" + path + "'");
    // unzip's status 1 is a warning (bytes in front of the archive, as in a
    // .jmod): its listing is whole.
    const Timed unzip = TimeCommand("unzip -Z1 '" + path + "' 2>/dev/null");

    std::printf("archive: %s\n", path.c_str());
    std::printf("whole processes, each read through a pipe, best of %d\n", kRounds);
    std::printf("reader:    %ld entries in %.4f s = %.0f entries/s%s\n", reader.lines, reader.best,
                reader.lines / reader.best, reader.status == 0 ? "" : "  (failed)");
    std::printf("unzip -Z1: %ld entries in %.4f s = %.0f entries/s%s\n", unzip.lines, unzip.best,
                unzip.lines / unzip.best,
                unzip.status == 0 ? "" : unzip.status == 1 ? "  (exit 1: warnings, listing whole)" : "  (failed)");
    const bool comparable = reader.status == 0 && (unzip.status == 0 || unzip.status == 1) && reader.lines > 0;
    if (!comparable) {
        std::printf("no ratio: a listing failed\n");
        return 1;
    }
    if (reader.lines != unzip.lines)
        std::printf("the listings differ in length: %ld and %ld entries\n", reader.lines, unzip.lines);
    std::printf("reader speed / unzip speed: %.2f\n",
                (reader.lines / reader.best) / (unzip.lines / unzip.best));
    return 0;
}
