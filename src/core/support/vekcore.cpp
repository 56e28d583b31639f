// Core support library. Small on purpose: a counted aligned allocator and a
// thread budget. Everything is lock-free so any thread may call at any time.
#include "vekcore.h"

#include <atomic>
#include <cstdlib>
#include <unistd.h>

namespace {

constexpr uint64_t kAlign = 64;

std::atomic<int> g_threads{0};           // 0: use the default budget
std::atomic<int64_t> g_fail_countdown{0};  // > 0: fail when it reaches 1
std::atomic<int64_t> g_live{0};
std::atomic<int64_t> g_calls{0};
std::atomic<uint64_t> g_last_size{0};

// The default budget, read once: OMP_NUM_THREADS when it starts with a
// positive number (the first level of a nested list), the processor count
// otherwise. glibc answers _SC_NPROCESSORS_ONLN by opening and parsing a
// sysfs file, which cost more than a short parallel call itself.
int default_threads() {
    static const int count = [] {
        if (const char* env = std::getenv("OMP_NUM_THREADS")) {
            char* end = nullptr;
            const long n = std::strtol(env, &end, 10);
            if (end != env && n > 0 && n <= 1024) return static_cast<int>(n);
        }
        const long n = sysconf(_SC_NPROCESSORS_ONLN);
        return n > 0 ? static_cast<int>(n) : 1;
    }();
    return count;
}

bool injected_failure() {
    int64_t c = g_fail_countdown.load(std::memory_order_relaxed);
    while (c > 0) {
        if (g_fail_countdown.compare_exchange_weak(c, c - 1, std::memory_order_relaxed))
            return c == 1;
    }
    return false;
}

}  // namespace

extern "C" {

void* vekMalloc(uint64_t size) {
    g_calls.fetch_add(1, std::memory_order_relaxed);
    g_last_size.store(size, std::memory_order_relaxed);
    if (size == 0 || injected_failure()) return nullptr;
    if (size > UINT64_MAX - kAlign) return nullptr;
    void* p = nullptr;
    if (posix_memalign(&p, kAlign, static_cast<size_t>(size)) != 0) return nullptr;
    g_live.fetch_add(1, std::memory_order_relaxed);
    return p;
}

void vekFree(void* ptr) {
    if (!ptr) return;
    g_live.fetch_sub(1, std::memory_order_relaxed);
    std::free(ptr);
}

int ownGetNumThreads(void) {
    int n = g_threads.load(std::memory_order_relaxed);
    return n > 0 ? n : default_threads();
}

void vekcoreSetNumThreads(int n) { g_threads.store(n > 0 ? n : 0, std::memory_order_relaxed); }

void vekcoreFailAllocation(int64_t n) { g_fail_countdown.store(n > 0 ? n : 0, std::memory_order_relaxed); }

int64_t vekcoreLiveBlocks(void) { return g_live.load(std::memory_order_relaxed); }

int64_t vekcoreAllocCalls(void) { return g_calls.load(std::memory_order_relaxed); }

uint64_t vekcoreLastRequest(void) { return g_last_size.load(std::memory_order_relaxed); }

}  // extern "C"
