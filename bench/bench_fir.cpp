// FIR, multirate FIR: veks against liquid-dsp and a plain direct loop on the
// same taps and signal, in the same run.
#include <benchmark/benchmark.h>

#include <complex>
#include <random>
#include <vector>

#include "veks.h"
#include "vekcore.h"

#ifdef VEKS_HAVE_LIQUID
#include <complex>
#include <liquid/liquid.h>
#endif

namespace {

std::vector<float> noise(size_t n, unsigned seed) {
    std::mt19937 g(seed);
    std::uniform_real_distribution<float> d(-1, 1);
    std::vector<float> v(n);
    for (auto& x : v) x = d(g);
    return v;
}

// args: taps, samples, threads (single thread unless the third says 2)
void BM_veks_fir_32f(benchmark::State& s) {
    const int L = int(s.range(0)), n = int(s.range(1));
    vekcoreSetNumThreads(int(s.range(2)));
    auto h = noise(L, 1), x = noise(n, 2);
    std::vector<float> y(n);
    VekFIRState_32f* st;
    veksFIRInitAlloc_32f(&st, h.data(), L, nullptr);
    for (auto _ : s) {
        veksFIR_32f(x.data(), y.data(), n, st);
        benchmark::DoNotOptimize(y.data());
    }
    veksFIRFree_32f(st);
    vekcoreSetNumThreads(0);
    s.SetItemsProcessed(s.iterations() * n);
}

void BM_plain_loop_32f(benchmark::State& s) {
    const int L = int(s.range(0)), n = int(s.range(1));
    auto h = noise(L, 1), x = noise(n + L, 2);
    std::vector<float> y(n);
    for (auto _ : s) {
        for (int k = 0; k < n; ++k) {
            float acc = 0;
            for (int j = 0; j < L; ++j) acc += h[j] * x[k + L - 1 - j];
            y[k] = acc;
        }
        benchmark::DoNotOptimize(y.data());
    }
    s.SetItemsProcessed(s.iterations() * n);
}

void BM_veks_fir_32fc(benchmark::State& s) {
    const int L = int(s.range(0)), n = int(s.range(1));
    auto h = noise(2 * L, 1), x = noise(2 * n, 2);
    std::vector<float> y(2 * n);
    vekcoreSetNumThreads(1);
    VekFIRState_32fc* st;
    veksFIRInitAlloc_32fc(&st, reinterpret_cast<Vek32fc*>(h.data()), L, nullptr);
    for (auto _ : s) {
        veksFIR_32fc(reinterpret_cast<Vek32fc*>(x.data()), reinterpret_cast<Vek32fc*>(y.data()), n, st);
        benchmark::DoNotOptimize(y.data());
    }
    veksFIRFree_32fc(st);
    vekcoreSetNumThreads(0);
    s.SetItemsProcessed(s.iterations() * n);
}

void BM_veks_decim4_32f(benchmark::State& s) {
    const int L = int(s.range(0)), n = int(s.range(1));
    auto h = noise(L, 1), x = noise(n, 2);
    std::vector<float> y(n / 4);
    vekcoreSetNumThreads(1);
    VekFIRState_32f* st;
    veksFIRMRInitAlloc_32f(&st, h.data(), L, 1, 0, 4, 0, nullptr);
    for (auto _ : s) {
        veksFIR_32f(x.data(), y.data(), n / 4, st);
        benchmark::DoNotOptimize(y.data());
    }
    veksFIRFree_32f(st);
    vekcoreSetNumThreads(0);
    s.SetItemsProcessed(s.iterations() * n);
}

#ifdef VEKS_HAVE_LIQUID
void BM_liquid_firfilt_rrrf(benchmark::State& s) {
    const int L = int(s.range(0)), n = int(s.range(1));
    auto h = noise(L, 1), x = noise(n, 2);
    std::vector<float> y(n);
    firfilt_rrrf q = firfilt_rrrf_create(h.data(), L);
    for (auto _ : s) {
        firfilt_rrrf_execute_block(q, x.data(), n, y.data());
        benchmark::DoNotOptimize(y.data());
    }
    firfilt_rrrf_destroy(q);
    s.SetItemsProcessed(s.iterations() * n);
}

void BM_liquid_firfilt_cccf(benchmark::State& s) {
    const int L = int(s.range(0)), n = int(s.range(1));
    auto h = noise(2 * L, 1), x = noise(2 * n, 2);
    std::vector<float> y(2 * n);
    firfilt_cccf q = firfilt_cccf_create(reinterpret_cast<liquid_float_complex*>(h.data()), L);
    for (auto _ : s) {
        firfilt_cccf_execute_block(q, reinterpret_cast<liquid_float_complex*>(x.data()), n,
                                   reinterpret_cast<liquid_float_complex*>(y.data()));
        benchmark::DoNotOptimize(y.data());
    }
    firfilt_cccf_destroy(q);
    s.SetItemsProcessed(s.iterations() * n);
}

void BM_liquid_firdecim_rrrf(benchmark::State& s) {
    const int L = int(s.range(0)), n = int(s.range(1));
    auto h = noise(L, 1), x = noise(n, 2);
    std::vector<float> y(n / 4);
    firdecim_rrrf q = firdecim_rrrf_create(4, h.data(), L);
    for (auto _ : s) {
        firdecim_rrrf_execute_block(q, x.data(), n / 4, y.data());
        benchmark::DoNotOptimize(y.data());
    }
    firdecim_rrrf_destroy(q);
    s.SetItemsProcessed(s.iterations() * n);
}
#endif

void real_args(benchmark::internal::Benchmark* b) {
    for (int L : {16, 64, 128, 1024})
        for (int n : {4096, 65536}) b->Args({L, n, 1});
}
void thread_args(benchmark::internal::Benchmark* b) {
    for (int L : {16, 128, 1024}) b->Args({L, 65536, 2});
}
void two(benchmark::internal::Benchmark* b) {
    for (int L : {16, 128, 1024}) b->Args({L, 65536});
}

BENCHMARK(BM_veks_fir_32f)->Apply(real_args);
BENCHMARK(BM_veks_fir_32f)->Apply(thread_args);
BENCHMARK(BM_plain_loop_32f)->Apply(real_args);
BENCHMARK(BM_veks_fir_32fc)->Apply(two);
BENCHMARK(BM_veks_decim4_32f)->Apply(two);
#ifdef VEKS_HAVE_LIQUID
BENCHMARK(BM_liquid_firfilt_rrrf)->Apply(real_args);
BENCHMARK(BM_liquid_firfilt_cccf)->Apply(two);
BENCHMARK(BM_liquid_firdecim_rrrf)->Apply(two);
#endif

}  // namespace

BENCHMARK_MAIN();
