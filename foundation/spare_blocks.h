#pragma once

#include <cstddef>
#include <cstdlib>

// Blocks of one size kept by a thread for its next allocation of that size:
// the class reader builds and drops records and strings by the thousand, and
// taking them back from a short list costs far less than the heap each time.
// At most kKept blocks are kept; at the thread's end they go back to the
// heap, and blocks given later are freed at once.
template <size_t kSize>
class SpareBlocks {
public:
    static constexpr int kKept = 2048;

    static void* Take()
    {
        SpareBlocks& spare = Mine();
        if (spare.count > 0)
            return spare.blocks[--spare.count];
        void* block = std::malloc(kSize);
        if (!block)
            std::abort();  // like the strings and arrays, these assume memory is there
        return block;
    }

    static void Give(void* block)
    {
        SpareBlocks& spare = Mine();
        if (!spare.closed && spare.count < kKept)
            spare.blocks[spare.count++] = block;
        else
            std::free(block);
    }

    ~SpareBlocks()
    {
        closed = true;
        while (count > 0)
            std::free(blocks[--count]);
    }

private:
    SpareBlocks() = default;
    static SpareBlocks& Mine()
    {
        thread_local SpareBlocks spare;
        return spare;
    }

    void* blocks[kKept];
    int count = 0;
    bool closed = false;
};
