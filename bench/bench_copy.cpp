// Copy, fill and reverse against the C library and the standard library.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstring>

#include "veks.h"

namespace {

constexpr long kMin = 64, kMax = 64 << 20;

struct Bytes {
    explicit Bytes(long n) : src(veksMalloc_8u(int(n))), dst(veksMalloc_8u(int(n))) {
        std::memset(src, 1, size_t(n));
        std::memset(dst, 2, size_t(n));
    }
    ~Bytes() { veksFree(src); veksFree(dst); }
    Vek8u* src;
    Vek8u* dst;
};

template <class Fn>
void run(benchmark::State& st, Fn fn) {
    const long n = st.range(0);
    Bytes b(n);
    for (auto _ : st) {
        fn(b.src, b.dst, n);
        benchmark::ClobberMemory();
    }
    st.SetBytesProcessed(st.iterations() * n);
}

void BM_memcpy(benchmark::State& st) { run(st, [](Vek8u* s, Vek8u* d, long n) { std::memcpy(d, s, size_t(n)); }); }
void BM_veksCopy_8u(benchmark::State& st) { run(st, [](Vek8u* s, Vek8u* d, long n) { veksCopy_8u(s, d, int(n)); }); }
void BM_veksCopy_32f(benchmark::State& st) {
    run(st, [](Vek8u* s, Vek8u* d, long n) { veksCopy_32f((Vek32f*)s, (Vek32f*)d, int(n / 4)); });
}
void BM_memset(benchmark::State& st) { run(st, [](Vek8u*, Vek8u* d, long n) { std::memset(d, 7, size_t(n)); }); }
void BM_veksSet_8u(benchmark::State& st) { run(st, [](Vek8u*, Vek8u* d, long n) { veksSet_8u(7, d, int(n)); }); }
void BM_memset0(benchmark::State& st) { run(st, [](Vek8u*, Vek8u* d, long n) { std::memset(d, 0, size_t(n)); }); }
void BM_veksZero_32f(benchmark::State& st) { run(st, [](Vek8u*, Vek8u* d, long n) { veksZero_32f((Vek32f*)d, int(n / 4)); }); }

void BM_std_reverse_copy(benchmark::State& st) {
    run(st, [](Vek8u* s, Vek8u* d, long n) { std::reverse_copy((float*)s, (float*)s + n / 4, (float*)d); });
}
void BM_scalar_flip(benchmark::State& st) {
    run(st, [](Vek8u* s, Vek8u* d, long n) {
        const float* x = (const float*)s;
        float* y = (float*)d;
        const long m = n / 4;
#pragma GCC novector
        for (long i = 0; i < m; ++i) y[i] = x[m - 1 - i];
    });
}
void BM_veksFlip_32f(benchmark::State& st) { run(st, [](Vek8u* s, Vek8u* d, long n) { veksFlip_32f((Vek32f*)s, (Vek32f*)d, int(n / 4)); }); }

#define SIZES ->RangeMultiplier(4)->Range(kMin, kMax)
BENCHMARK(BM_memcpy) SIZES;
BENCHMARK(BM_veksCopy_8u) SIZES;
BENCHMARK(BM_veksCopy_32f) SIZES;
BENCHMARK(BM_memset) SIZES;
BENCHMARK(BM_veksSet_8u) SIZES;
BENCHMARK(BM_memset0) SIZES;
BENCHMARK(BM_veksZero_32f) SIZES;
BENCHMARK(BM_std_reverse_copy) SIZES;
BENCHMARK(BM_scalar_flip) SIZES;
BENCHMARK(BM_veksFlip_32f) SIZES;

}  // namespace

BENCHMARK_MAIN();
