// Reductions, maximum search and radix sorts against a scalar loop, VOLK,
// OpenBLAS, std::sort and Boost's spreadsort in the same run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdint>
#include <random>
#include <vector>

#include <emmintrin.h>

#include "veks.h"
#ifdef VEKS_HAVE_VOLK
#include <volk/volk.h>
#endif
#ifdef VEKS_HAVE_OPENBLAS
#include <cblas.h>
#endif
#ifdef VEKS_HAVE_BOOST
#include <boost/sort/spreadsort/spreadsort.hpp>
#endif

namespace {

std::vector<float> random_floats(long n, unsigned seed) {
    std::mt19937 g(seed);
    std::uniform_real_distribution<float> d(-1000.f, 1000.f);
    std::vector<float> v(static_cast<std::size_t>(n));
    for (auto& x : v) x = d(g);
    return v;
}

template <class Fn>
void reduce(benchmark::State& st, Fn fn) {
    const long n = st.range(0);
    const std::vector<float> a = random_floats(n, 1), b = random_floats(n, 2);
    for (auto _ : st) benchmark::DoNotOptimize(fn(a.data(), b.data(), int(n)));
    st.SetBytesProcessed(st.iterations() * n * long(sizeof(float)));
}

// A read of the vector at full speed: the memory-bandwidth yardstick.
void BM_read_bandwidth(benchmark::State& st) {
    reduce(st, [](const float* a, const float*, int n) {
        __m128i acc = _mm_setzero_si128(), acc2 = acc;
        int i = 0;
        for (; i + 8 <= n; i += 8) {
            acc = _mm_or_si128(acc, _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i)));
            acc2 = _mm_or_si128(acc2, _mm_loadu_si128(reinterpret_cast<const __m128i*>(a + i + 4)));
        }
        return _mm_cvtsi128_si32(_mm_or_si128(acc, acc2));
    });
}

void BM_scalar_sum(benchmark::State& st) {
    reduce(st, [](const float* a, const float*, int n) {
        float s = 0;
        for (int i = 0; i < n; ++i) s += a[i];
        return s;
    });
}
void BM_veksSum_32f_accurate(benchmark::State& st) {
    reduce(st, [](const float* a, const float*, int n) { float s; veksSum_32f(a, n, &s, vekAlgHintAccurate); return s; });
}
void BM_veksSum_32f_fast(benchmark::State& st) {
    reduce(st, [](const float* a, const float*, int n) { float s; veksSum_32f(a, n, &s, vekAlgHintFast); return s; });
}
void BM_scalar_dot(benchmark::State& st) {
    reduce(st, [](const float* a, const float* b, int n) {
        float s = 0;
        for (int i = 0; i < n; ++i) s += a[i] * b[i];
        return s;
    });
}
void BM_veksDotProd_32f(benchmark::State& st) {
    reduce(st, [](const float* a, const float* b, int n) { float s; veksDotProd_32f(a, b, n, &s); return s; });
}
void BM_veksMaxIndx_32f(benchmark::State& st) {
    reduce(st, [](const float* a, const float*, int n) { float m; int i; veksMaxIndx_32f(a, n, &m, &i); return i; });
}
#ifdef VEKS_HAVE_VOLK
void BM_volk_32f_accumulator_s32f(benchmark::State& st) {
    reduce(st, [](const float* a, const float*, int n) { float s; volk_32f_accumulator_s32f(&s, a, unsigned(n)); return s; });
}
void BM_volk_32f_x2_dot_prod_32f(benchmark::State& st) {
    reduce(st, [](const float* a, const float* b, int n) { float s; volk_32f_x2_dot_prod_32f(&s, a, b, unsigned(n)); return s; });
}
void BM_volk_32f_index_max_32u(benchmark::State& st) {
    reduce(st, [](const float* a, const float*, int n) { std::uint32_t i; volk_32f_index_max_32u(&i, a, std::uint32_t(n)); return i; });
}
BENCHMARK(BM_volk_32f_accumulator_s32f)->Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 20);
BENCHMARK(BM_volk_32f_x2_dot_prod_32f)->Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 20);
BENCHMARK(BM_volk_32f_index_max_32u)->Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 20);
#endif
#ifdef VEKS_HAVE_OPENBLAS
void BM_cblas_sdot(benchmark::State& st) {
    reduce(st, [](const float* a, const float* b, int n) { return cblas_sdot(n, a, 1, b, 1); });
}
void BM_cblas_isamax(benchmark::State& st) {
    reduce(st, [](const float* a, const float*, int n) { return cblas_isamax(n, a, 1); });
}
BENCHMARK(BM_cblas_sdot)->Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 20);
BENCHMARK(BM_cblas_isamax)->Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 20);
#endif
BENCHMARK(BM_read_bandwidth)->Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 20);
BENCHMARK(BM_scalar_sum)->Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 20);
BENCHMARK(BM_veksSum_32f_accurate)->Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 20);
BENCHMARK(BM_veksSum_32f_fast)->Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 20);
BENCHMARK(BM_scalar_dot)->Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 20);
BENCHMARK(BM_veksDotProd_32f)->Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 20);
BENCHMARK(BM_veksMaxIndx_32f)->Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 20);

// Sorts: each iteration restores the unsorted data outside the timing.
template <class T, class Fn>
void sort_bench(benchmark::State& st, Fn fn) {
    const long n = st.range(0);
    std::mt19937 g(3);
    std::vector<T> src(static_cast<std::size_t>(n)), v, tmp(src.size());
    for (auto& x : src) {
        if constexpr (std::is_floating_point_v<T>) x = std::uniform_real_distribution<T>(-1e6, 1e6)(g);
        else x = T(g());
    }
    for (auto _ : st) {
        st.PauseTiming();
        v = src;
        st.ResumeTiming();
        fn(v.data(), tmp.data(), int(n));
        benchmark::ClobberMemory();
    }
    st.SetItemsProcessed(st.iterations() * n);
}

void BM_std_sort_32f(benchmark::State& st) { sort_bench<float>(st, [](float* a, float*, int n) { std::sort(a, a + n); }); }
void BM_std_sort_32s(benchmark::State& st) { sort_bench<int>(st, [](int* a, int*, int n) { std::sort(a, a + n); }); }
void BM_veksSortRadixAscend_32f_I(benchmark::State& st) {
    sort_bench<float>(st, [](float* a, float* t, int n) { veksSortRadixAscend_32f_I(a, t, n); });
}
void BM_veksSortRadixAscend_32s_I(benchmark::State& st) {
    sort_bench<int>(st, [](int* a, int* t, int n) { veksSortRadixAscend_32s_I(a, t, n); });
}
void BM_veksSortAscend_32f_I(benchmark::State& st) {
    sort_bench<float>(st, [](float* a, float*, int n) { veksSortAscend_32f_I(a, n); });
}
#ifdef VEKS_HAVE_BOOST
void BM_spreadsort_32f(benchmark::State& st) {
    sort_bench<float>(st, [](float* a, float*, int n) { boost::sort::spreadsort::spreadsort(a, a + n); });
}
void BM_spreadsort_32s(benchmark::State& st) {
    sort_bench<int>(st, [](int* a, int*, int n) { boost::sort::spreadsort::spreadsort(a, a + n); });
}
BENCHMARK(BM_spreadsort_32f)->Arg(1 << 20)->Arg(1 << 24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_spreadsort_32s)->Arg(1 << 20)->Arg(1 << 24)->Unit(benchmark::kMillisecond);
#endif
BENCHMARK(BM_std_sort_32f)->Arg(1 << 20)->Arg(1 << 24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_std_sort_32s)->Arg(1 << 20)->Arg(1 << 24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_veksSortRadixAscend_32f_I)->Arg(1 << 20)->Arg(1 << 24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_veksSortRadixAscend_32s_I)->Arg(1 << 20)->Arg(1 << 24)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_veksSortAscend_32f_I)->Arg(1 << 20)->Unit(benchmark::kMillisecond);

}  // namespace

BENCHMARK_MAIN();
