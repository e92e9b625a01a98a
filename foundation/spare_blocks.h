#pragma once

#include <atomic>
#include <cstddef>
#include <cstdlib>
#include <thread>

// Blocks of one size kept for the next allocation of that size, for one
// thread only: the thread that builds class outlines makes and drops strings
// and records by the thousand, and taking them back from a short list costs
// far less than the heap each time. Every other thread, and the owner once
// kKept blocks are kept, goes to the heap. No thread-local storage: its
// clean-up at a thread's end can wait on the heap while another thread is
// being ended. The kept blocks are the process's until it ends.
template <size_t kSize>
class SpareBlocks {
public:
    static constexpr int kKept = 2048;

    // The calling thread keeps blocks from now on, unless another one does.
    static void KeepForThisThread()
    {
        Pool& pool = Shared();
        bool expected = false;
        if (pool.claimed.compare_exchange_strong(expected, true)) {
            pool.owner = std::this_thread::get_id();
            pool.ready.store(true, std::memory_order_release);
        }
    }

    static bool KeptByThisThread() { return Shared().Mine(); }

    static void* Take()
    {
        Pool& pool = Shared();
        if (pool.Mine() && pool.count > 0)
            return pool.blocks[--pool.count];
        void* block = std::malloc(kSize);
        if (!block)
            std::abort();  // like the strings and arrays, these assume memory is there
        return block;
    }

    static void Give(void* block)
    {
        Pool& pool = Shared();
        if (pool.Mine() && pool.count < kKept)
            pool.blocks[pool.count++] = block;
        else
            std::free(block);
    }

private:
    struct Pool {
        std::atomic<bool> claimed{false};
        std::atomic<bool> ready{false};
        std::thread::id owner;  // written once, before ready
        int count = 0;
        void* blocks[kKept];

        bool Mine() const
        {
            return ready.load(std::memory_order_acquire) && owner == std::this_thread::get_id();
        }
    };

    static Pool& Shared()
    {
        // Never destroyed: strings of static objects are freed after the
        // end of main.
        static Pool* pool = new Pool;
        return *pool;
    }
};
