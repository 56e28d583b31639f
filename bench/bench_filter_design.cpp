// Median filter against a brute-force selection per window, windows
// against a scalar libm loop, in the same run.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cmath>
#include <random>
#include <vector>

#include "veks.h"

namespace {

std::vector<float> noise(int n) {
    std::mt19937 g(3);
    std::uniform_real_distribution<float> d(-1, 1);
    std::vector<float> v(n);
    for (auto& e : v) e = d(g);
    return v;
}

constexpr int kMedianLen = 1 << 20;

void BM_FilterMedian_32f_veks(benchmark::State& st) {
    const int m = int(st.range(0));
    auto x = noise(kMedianLen);
    std::vector<float> y(kMedianLen);
    for (auto _ : st) {
        veksFilterMedian_32f(x.data(), y.data(), kMedianLen, m);
        benchmark::DoNotOptimize(y.data());
    }
    st.SetItemsProcessed(st.iterations() * kMedianLen);
}
BENCHMARK(BM_FilterMedian_32f_veks)->Arg(3)->Arg(9)->Arg(31);

// std::nth_element over a copy of every window, borders repeated.
void BM_FilterMedian_32f_nth_element(benchmark::State& st) {
    const int m = int(st.range(0)), h = m / 2;
    auto x = noise(kMedianLen);
    std::vector<float> y(kMedianLen), w(m);
    for (auto _ : st) {
        for (int n = 0; n < kMedianLen; ++n) {
            for (int i = 0; i < m; ++i) w[i] = x[std::min(std::max(n - h + i, 0), kMedianLen - 1)];
            std::nth_element(w.begin(), w.begin() + h, w.end());
            y[n] = w[h];
        }
        benchmark::DoNotOptimize(y.data());
    }
    st.SetItemsProcessed(st.iterations() * kMedianLen);
}
BENCHMARK(BM_FilterMedian_32f_nth_element)->Arg(3)->Arg(9)->Arg(31);

constexpr int kWinLen = 1 << 16;

void BM_WinHann_32f_veks(benchmark::State& st) {
    auto x = noise(kWinLen);
    std::vector<float> y(kWinLen);
    for (auto _ : st) {
        veksWinHann_32f(x.data(), y.data(), kWinLen);
        benchmark::DoNotOptimize(y.data());
    }
    st.SetItemsProcessed(st.iterations() * kWinLen);
}
BENCHMARK(BM_WinHann_32f_veks);

void BM_WinHann_32f_libm(benchmark::State& st) {
    auto x = noise(kWinLen);
    std::vector<float> y(kWinLen);
    const double c = 2 * 3.14159265358979323846 / (kWinLen - 1);
    for (auto _ : st) {
        for (int n = 0; n < kWinLen; ++n) y[n] = float(x[n] * (0.5 - 0.5 * std::cos(c * n)));
        benchmark::DoNotOptimize(y.data());
    }
    st.SetItemsProcessed(st.iterations() * kWinLen);
}
BENCHMARK(BM_WinHann_32f_libm);

void BM_WinBlackmanStd_64f_veks(benchmark::State& st) {
    std::vector<double> x(kWinLen, 1.0), y(kWinLen);
    for (auto _ : st) {
        veksWinBlackmanStd_64f(x.data(), y.data(), kWinLen);
        benchmark::DoNotOptimize(y.data());
    }
    st.SetItemsProcessed(st.iterations() * kWinLen);
}
BENCHMARK(BM_WinBlackmanStd_64f_veks);

void BM_WinBlackmanStd_64f_libm(benchmark::State& st) {
    std::vector<double> x(kWinLen, 1.0), y(kWinLen);
    const double c = 2 * 3.14159265358979323846 / (kWinLen - 1);
    for (auto _ : st) {
        for (int n = 0; n < kWinLen; ++n) y[n] = x[n] * (0.42 - 0.5 * std::cos(c * n) + 0.08 * std::cos(2 * c * n));
        benchmark::DoNotOptimize(y.data());
    }
    st.SetItemsProcessed(st.iterations() * kWinLen);
}
BENCHMARK(BM_WinBlackmanStd_64f_libm);

// Kaiser with a libm Bessel function (std::cyl_bessel_i).
void BM_WinKaiser_32f_veks(benchmark::State& st) {
    auto x = noise(kWinLen);
    std::vector<float> y(kWinLen);
    const float alpha = 70.0f / (kWinLen - 1);
    for (auto _ : st) {
        veksWinKaiser_32f(x.data(), y.data(), kWinLen, alpha);
        benchmark::DoNotOptimize(y.data());
    }
    st.SetItemsProcessed(st.iterations() * kWinLen);
}
BENCHMARK(BM_WinKaiser_32f_veks);

void BM_WinKaiser_32f_libm(benchmark::State& st) {
    auto x = noise(kWinLen);
    std::vector<float> y(kWinLen);
    const double alpha = double(70.0f / (kWinLen - 1)), m = kWinLen - 1;
    for (auto _ : st) {
        const double norm = 1.0 / std::cyl_bessel_i(0.0, alpha * m / 2);
        for (int n = 0; n < kWinLen; ++n) y[n] = float(x[n] * std::cyl_bessel_i(0.0, alpha * std::sqrt(n * (m - n))) * norm);
        benchmark::DoNotOptimize(y.data());
    }
    st.SetItemsProcessed(st.iterations() * kWinLen);
}
BENCHMARK(BM_WinKaiser_32f_libm);

}  // namespace

BENCHMARK_MAIN();
