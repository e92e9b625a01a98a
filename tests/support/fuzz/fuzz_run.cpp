#include "fuzz_run.h"

#include <time.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <random>
#include <sstream>

namespace {

const unsigned kInteresting[] = {0, 1, 2, 7, 0x7F, 0x80, 0xFF, 0x100, 0x7FFF, 0x8000, 0xFFFE, 0xFFFF,
                                 0x10000, 0x7FFFFFFF, 0x80000000u, 0xFFFFFFF0u, 0xFFFFFFFFu};

// The input being exercised, written out when a property breaks.
const FuzzBytes* current = nullptr;
const char* currentName = "fuzz";

FuzzBytes ReadAll(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    const std::string text = s.str();
    return FuzzBytes(text.begin(), text.end());
}

double ThreadCpuSeconds()
{
    timespec t{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &t);
    return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) / 1e9;
}

class Mutator {
public:
    Mutator(unsigned seed, const FuzzTarget& target) : random(seed), target(target) {}

    size_t Below(size_t n) { return n ? static_cast<size_t>(random() % n) : 0; }

    void Mutate(FuzzBytes& data, const std::vector<FuzzBytes>& corpus)
    {
        const int steps = 1 + static_cast<int>(Below(4));
        for (int s = 0; s < steps; ++s)
            MutateOnce(data, corpus);
    }

private:
    void Put(FuzzBytes& data, size_t at, unsigned value, int width)
    {
        for (int i = 0; i < width && at + i < data.size(); ++i)
            data[at + i] = static_cast<unsigned char>(value >> (8 * (width - 1 - i)));
    }

    void MutateOnce(FuzzBytes& data, const std::vector<FuzzBytes>& corpus)
    {
        const size_t n = data.size();
        switch (Below(10)) {
        case 0:  // flip one bit
            if (n)
                data[Below(n)] ^= static_cast<unsigned char>(1u << Below(8));
            break;
        case 1:  // set one byte
            if (n)
                data[Below(n)] = static_cast<unsigned char>(random());
            break;
        case 2:  // a count, index or length of a telling size
            if (n)
                Put(data, Below(n), kInteresting[Below(sizeof kInteresting / sizeof kInteresting[0])],
                    Below(2) ? 2 : 4);
            break;
        case 3:  // cut the end
            data.resize(Below(n + 1));
            break;
        case 4: {  // remove a run
            if (!n)
                break;
            const size_t at = Below(n), len = 1 + Below(std::min<size_t>(n - at, 64));
            data.erase(data.begin() + static_cast<long>(at), data.begin() + static_cast<long>(at + len));
            break;
        }
        case 5: {  // insert random bytes
            const size_t at = Below(n + 1), len = 1 + Below(16);
            FuzzBytes extra(len);
            for (unsigned char& b : extra)
                b = static_cast<unsigned char>(random());
            data.insert(data.begin() + static_cast<long>(at), extra.begin(), extra.end());
            break;
        }
        case 6: {  // repeat a run
            if (!n)
                break;
            const size_t at = Below(n), len = 1 + Below(std::min<size_t>(n - at, 32));
            FuzzBytes run(data.begin() + static_cast<long>(at), data.begin() + static_cast<long>(at + len));
            data.insert(data.begin() + static_cast<long>(Below(n + 1)), run.begin(), run.end());
            break;
        }
        case 7: {  // splice the tail of another input
            const FuzzBytes& other = corpus[Below(corpus.size())];
            const size_t at = Below(n + 1), from = Below(other.size() + 1);
            data.resize(at);
            data.insert(data.end(), other.begin() + static_cast<long>(from), other.end());
            break;
        }
        case 8:  // a byte with a role in the format
            if (n && !target.markBytes.empty())
                data[Below(n)] = target.markBytes[Below(target.markBytes.size())];
            break;
        default: {  // a token of the format
            if (target.dictionary.empty())
                break;
            const std::string& token = target.dictionary[Below(target.dictionary.size())];
            data.insert(data.begin() + static_cast<long>(Below(n + 1)), token.begin(), token.end());
            break;
        }
        }
    }

    std::mt19937 random;
    const FuzzTarget& target;
};

void WriteFailure()
{
    if (!current)
        return;
    const std::string path = std::string(currentName) + "-failure.bin";
    std::ofstream out(path, std::ios::binary);
    out.write(reinterpret_cast<const char*>(current->data()), static_cast<std::streamsize>(current->size()));
    std::fprintf(stderr, "input written to %s (replay it with: replay %s)\n", path.c_str(), path.c_str());
}

}  // namespace

std::string FuzzReader::Text(size_t max)
{
    const size_t length = Byte() % (max + 1);
    std::string text;
    for (size_t i = 0; i < length && More(); ++i)
        text += static_cast<char>(Byte());
    return text;
}

void FuzzFail(const char* what, const std::string& detail)
{
    std::fprintf(stderr, "%s: property broken: %s %s\n", currentName, what, detail.c_str());
    WriteFailure();
    std::abort();
}

int RunFuzz(int argc, char** argv, const FuzzTarget& target)
{
    currentName = target.name;
    if (argc == 3 && std::strcmp(argv[1], "replay") == 0) {
        const FuzzBytes input = ReadAll(argv[2]);
        const int outcome = target.exercise(input.data(), input.size());
        std::printf("outcome %d\n", outcome);
        return 0;
    }
    if (argc < 3) {
        std::fprintf(stderr, "usage: %s <seconds> <seed> [seed file]...\n       %s replay <file>\n", argv[0],
                     argv[0]);
        return 2;
    }
    const double seconds = std::atof(argv[1]);
    const unsigned seed = static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10));
    std::vector<FuzzBytes> corpus = target.seeds;
    for (int i = 3; i < argc; ++i) {
        FuzzBytes b = ReadAll(argv[i]);
        if (b.empty()) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 2;
        }
        corpus.push_back(std::move(b));
    }
    if (corpus.empty())
        corpus.emplace_back();

    Mutator mutator(seed, target);
    std::map<int, long> outcomes;
    long runs = 0;
    double slowest = 0;
    const auto start = std::chrono::steady_clock::now();
    for (;;) {
        const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (elapsed >= seconds)
            break;
        FuzzBytes input = corpus[mutator.Below(corpus.size())];
        mutator.Mutate(input, corpus);
        current = &input;
        const double t0 = ThreadCpuSeconds();
        ++outcomes[target.exercise(input.data(), input.size())];
        const double took = ThreadCpuSeconds() - t0;
        current = nullptr;
        if (took > slowest)
            slowest = took;
        if (took > 1.0) {
            std::fprintf(stderr, "one input took %.2f s of CPU time (seed %u, run %ld)\n", took, seed, runs);
            current = &input;
            WriteFailure();
            return 1;
        }
        ++runs;
    }
    std::printf("%s: %ld inputs, seed %u, slowest %.4f s CPU; outcome codes:", target.name, runs, seed, slowest);
    for (const auto& o : outcomes)
        std::printf(" %d:%ld", o.first, o.second);
    std::printf("\n");
    return 0;
}
