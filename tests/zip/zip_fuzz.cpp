// Seeded mutation run against the reader (native build, ASan and UBSan):
//   zip_fuzz [seconds] [seed] [archive...]
// Starts from the checked-in archives and a few written here, mutates them,
// and lists each result. Only the reader's own exceptions may come out; a
// crash, a leak, a hang (5 s per input) or an allocation above 64 MiB ends
// the run with a failure.
#include <chrono>
#include <csignal>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <map>
#include <random>
#include <string>
#include <vector>

#include <unistd.h>

#include "zip_archive.h"
#include "zip_writer.h"

extern "C" const char* __asan_default_options()
{
    return "max_allocation_size_mb=64:allocator_may_return_null=0:detect_leaks=1";
}

namespace {

std::string ReadAll(const std::string& path)
{
    std::string out;
    if (FILE* f = std::fopen(path.c_str(), "rb")) {
        char block[65536];
        size_t n;
        while ((n = std::fread(block, 1, sizeof block, f)) > 0)
            out.append(block, n);
        std::fclose(f);
    }
    return out;
}

bool WriteAll(const std::string& path, const std::string& bytes)
{
    FILE* f = std::fopen(path.c_str(), "wb");
    if (!f)
        return false;
    const bool ok = std::fwrite(bytes.data(), 1, bytes.size(), f) == bytes.size();
    return std::fclose(f) == 0 && ok;
}

void ShiftOem(char* text, int length)
{
    for (int i = 0; i < length; ++i)
        text[i] = static_cast<char>(text[i] ^ 0x80);
}

// Drops continuation bytes: output never grows, as the real converter's.
int DropContinuations(const char* text, int length, char* out)
{
    int n = 0;
    for (int i = 0; i < length; ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xc0) != 0x80)
            out[n++] = text[i];
    }
    return n;
}

bool removableNow = false;  // chosen per input

bool SometimesRemovable(const char*)
{
    return removableNow;
}

std::vector<std::string> Seeds(int argc, char** argv)
{
    std::vector<std::string> seeds;
    for (int i = 3; i < argc; ++i)
        seeds.push_back(ReadAll(argv[i]));
    const std::vector<WriterEntry> entries = {
        {"META-INF/"}, {"META-INF/MANIFEST.MF", 20, 0x0808, 0}, {"a/b/", 0x031e, 0, 0x41ed0010},
        {"a/b/C.class", 0x031e, 0, 0x81a40000}, {"caf\x82", 20, 0, 0x20}, {"caf\xc3\xa9", 20, 0x0800, 0}};
    WriterOptions plain, stub, wide, comment, span, wideOffsets;
    wideOffsets.offsetsInExtraField = true;
    stub.stub = std::string(300, 'S');
    wide.zip64 = true;
    comment.comment = "PK\x05\x06 a comment";
    span.thisDisk = 1;
    for (const WriterOptions* o : {&plain, &stub, &wide, &comment, &span, &wideOffsets})
        seeds.push_back(WriteTestZip(entries, *o));
    return seeds;
}

const uint32_t kInteresting[] = {0, 1, 0x7f, 0x80, 0xff, 0x100, 0x7fff, 0x8000, 0xffff, 0x10000,
                                 0x7fffffff, 0x80000000u, 0xfffffffeu, 0xffffffffu, 46, 22, 0x0800};
const char* const kSignatures[] = {"PK\x05\x06", "PK\x01\x02", "PK\x06\x07", "PK\x06\x06", "PK\x03\x04"};

void Mutate(std::string& data, std::mt19937& rng)
{
    auto pick = [&](size_t n) { return n == 0 ? size_t(0) : size_t(rng() % n); };
    const int steps = 1 + static_cast<int>(rng() % 4);
    for (int s = 0; s < steps; ++s) {
        switch (rng() % 8) {
        case 0:
            if (!data.empty())
                data[pick(data.size())] ^= static_cast<char>(1u << (rng() % 8));
            break;
        case 1:
        case 2: {  // a field set to an edge value
            const size_t width = (rng() % 2) ? 2 : 4;
            if (data.size() < width)
                break;
            const size_t at = pick(data.size() - width + 1);
            const uint32_t v = kInteresting[pick(sizeof kInteresting / sizeof kInteresting[0])];
            for (size_t i = 0; i < width; ++i)
                data[at + i] = static_cast<char>((v >> (8 * i)) & 0xff);
            break;
        }
        case 3:
            data.resize(pick(data.size() + 1));
            break;
        case 4:
            data.insert(pick(data.size() + 1), std::string(1 + pick(64), static_cast<char>(rng())));
            break;
        case 5:
            if (!data.empty()) {
                const size_t at = pick(data.size());
                data.erase(at, 1 + pick(std::min<size_t>(64, data.size() - at)));
            }
            break;
        case 6:
            data.insert(pick(data.size() + 1), kSignatures[pick(5)], 4);
            break;
        default:
            if (!data.empty()) {
                const size_t at = pick(data.size());
                data.insert(pick(data.size() + 1), data.substr(at, 1 + pick(128)));
            }
            break;
        }
    }
}

int ListOnce(const std::string& path, const ZipPlatform& platform, std::map<int, long>& causes)
{
    ZipArchive archive;
    archive.SetPlatform(platform);
    try {
        archive.Open(path.c_str(), ZipArchive::ModeOpenReadOnly);
        ZipFileHeader header;
        int dirs = 0;
        for (int i = 0; archive.GetFileInfo(header, i); ++i)
            dirs += header.IsDirectory() + (header.GetFileName().Length() == 0);
        causes[0]++;
        return dirs;
    } catch (const ZipExceptionUse& e) {
        causes[e.cause]++;
    } catch (const ZipFileException& e) {
        causes[-e.cause]++;
    }
    if (!archive.IsClosed(true) || !archive.IsClosed(false)) {
        std::fprintf(stderr, "archive left open after a failed open\n");
        std::abort();
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv)
{
    const double seconds = argc > 1 ? std::atof(argv[1]) : 180;
    const unsigned seed = argc > 2 ? static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10)) : 1;
    std::mt19937 rng(seed);
    const std::vector<std::string> seeds = Seeds(argc, argv);
    const std::string path = "/tmp/zip_fuzz_" + std::to_string(getpid()) + ".zip";
    const ZipPlatform platform = {ShiftOem, DropContinuations, SometimesRemovable};

    std::map<int, long> causes;
    long runs = 0;
    const auto start = std::chrono::steady_clock::now();
    while (std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count() < seconds) {
        std::string data = seeds[rng() % seeds.size()];
        Mutate(data, rng);
        removableNow = rng() % 4 == 0;
        if (!WriteAll(path, data)) {
            std::fprintf(stderr, "cannot write %s\n", path.c_str());
            return 2;
        }
        alarm(5);  // a hang ends the run through SIGALRM
        try {
            ListOnce(path, platform, causes);
        } catch (...) {
            WriteAll(path + ".crash", data);
            std::fprintf(stderr, "unexpected exception; input kept in %s.crash\n", path.c_str());
            return 1;
        }
        alarm(0);
        ++runs;
    }
    std::remove(path.c_str());
    std::printf("%ld inputs in %.0f s (seed %u)\n", runs, seconds, seed);
    for (const auto& c : causes)
        std::printf("  %s %d: %ld\n", c.first > 0 ? "code" : c.first == 0 ? "opened" : "file error", c.first, c.second);
    return 0;
}
