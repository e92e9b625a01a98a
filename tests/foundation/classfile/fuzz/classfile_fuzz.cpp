// Seeded random mutator over the class-file reader: damages real class files
// in many small ways and runs every result through the parse, the class
// information and the checks. Built with the native sanitizers, so any read
// outside the data, leak or undefined behaviour ends the run with a report.
//
//   classfile_fuzz <seconds> <seed> <class file>...
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <fstream>
#include <map>
#include <memory>
#include <random>
#include <sstream>
#include <string>
#include <vector>

#include "exercise.h"

namespace {

using Bytes = std::vector<unsigned char>;

Bytes ReadAll(const char* path)
{
    std::ifstream in(path, std::ios::binary);
    std::ostringstream s;
    s << in.rdbuf();
    const std::string text = s.str();
    return Bytes(text.begin(), text.end());
}

const unsigned kInteresting[] = {0, 1, 2, 7, 0x7F, 0x80, 0xFF, 0x100, 0x7FFF, 0x8000, 0xFFFE, 0xFFFF,
                                 0x10000, 0x7FFFFFFF, 0x80000000u, 0xFFFFFFF0u, 0xFFFFFFFFu};

class Mutator {
public:
    explicit Mutator(unsigned seed) : random(seed) {}

    size_t Below(size_t n) { return n ? static_cast<size_t>(random() % n) : 0; }

    void Mutate(Bytes& data, const std::vector<Bytes>& corpus)
    {
        const int steps = 1 + static_cast<int>(Below(4));
        for (int s = 0; s < steps; ++s)
            MutateOnce(data, corpus);
    }

private:
    void Put(Bytes& data, size_t at, unsigned value, int width)
    {
        for (int i = 0; i < width && at + i < data.size(); ++i)
            data[at + i] = static_cast<unsigned char>(value >> (8 * (width - 1 - i)));
    }

    void MutateOnce(Bytes& data, const std::vector<Bytes>& corpus)
    {
        const size_t n = data.size();
        switch (Below(9)) {
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
            Bytes extra(len);
            for (unsigned char& b : extra)
                b = static_cast<unsigned char>(random());
            data.insert(data.begin() + static_cast<long>(at), extra.begin(), extra.end());
            break;
        }
        case 6: {  // repeat a run
            if (!n)
                break;
            const size_t at = Below(n), len = 1 + Below(std::min<size_t>(n - at, 32));
            Bytes run(data.begin() + static_cast<long>(at), data.begin() + static_cast<long>(at + len));
            data.insert(data.begin() + static_cast<long>(Below(n + 1)), run.begin(), run.end());
            break;
        }
        case 7: {  // splice the tail of another class
            const Bytes& other = corpus[Below(corpus.size())];
            const size_t at = Below(n + 1), from = Below(other.size() + 1);
            data.resize(at);
            data.insert(data.end(), other.begin() + static_cast<long>(from), other.end());
            break;
        }
        default:  // a constant-pool tag anywhere
            if (n)
                data[Below(n)] = static_cast<unsigned char>(Below(24));
            break;
        }
    }

    std::mt19937 random;
};

}  // namespace

int main(int argc, char** argv)
{
    if (argc < 4) {
        std::fprintf(stderr, "usage: %s <seconds> <seed> <class file>...\n", argv[0]);
        return 2;
    }
    const double seconds = std::atof(argv[1]);
    const unsigned seed = static_cast<unsigned>(std::strtoul(argv[2], nullptr, 10));
    std::vector<Bytes> corpus;
    for (int i = 3; i < argc; ++i) {
        Bytes b = ReadAll(argv[i]);
        if (b.empty()) {
            std::fprintf(stderr, "cannot read %s\n", argv[i]);
            return 2;
        }
        corpus.push_back(std::move(b));
    }

    Mutator mutator(seed);
    std::map<int, long> outcomes;
    long runs = 0;
    double slowest = 0;
    const auto start = std::chrono::steady_clock::now();
    for (;;) {
        const double elapsed = std::chrono::duration<double>(std::chrono::steady_clock::now() - start).count();
        if (elapsed >= seconds)
            break;
        Bytes input = corpus[mutator.Below(corpus.size())];
        mutator.Mutate(input, corpus);
        const auto t0 = std::chrono::steady_clock::now();
        ++outcomes[ExerciseClassReader(input.data(), input.size())];
        const double took = std::chrono::duration<double>(std::chrono::steady_clock::now() - t0).count();
        if (took > slowest)
            slowest = took;
        if (took > 1.0) {
            std::fprintf(stderr, "one input took %.2f s (seed %u, run %ld)\n", took, seed, runs);
            return 1;
        }
        ++runs;
    }
    std::printf("%ld inputs, seed %u, slowest %.4f s; outcome codes:", runs, seed, slowest);
    for (const auto& o : outcomes)
        std::printf(" %d:%ld", o.first, o.second);
    std::printf("\n");
    return 0;
}
