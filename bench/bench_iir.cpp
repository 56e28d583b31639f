// IIR cascades, convolution and cross-correlation side by side with
// liquid-dsp, plain loops and an FFTW-based convolution in the same run.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "veks.h"
#include "vekcore.h"
#ifdef VEKS_HAVE_LIQUID
#include <complex.h>
#include <liquid/liquid.h>
#endif
#ifdef VEKS_HAVE_FFTW3F
#include <fftw3.h>
#endif

namespace {

constexpr int kBlock = 4096;
constexpr int kSections = 4;

// Four stable sections: B0 B1 B2 A0 A1 A2 each.
template <class T>
std::vector<T> sections() {
    std::vector<T> t;
    for (int q = 0; q < kSections; ++q) {
        const double r = 0.6 + 0.08 * q, w = 0.3 + 0.4 * q;
        t.insert(t.end(), {T(0.2), T(0.3), T(0.1), T(1), T(-2 * r * std::cos(w)), T(r * r)});
    }
    return t;
}

template <class T>
std::vector<T> noise(int n, unsigned seed = 1) {
    std::mt19937 g(seed);
    std::uniform_real_distribution<double> d(-1, 1);
    std::vector<T> v(n);
    for (auto& e : v) e = T(d(g));
    return v;
}

template <class T, class State, class Init, class Run, class Free>
void veks_biquad(benchmark::State& st, Init init, Run run, Free fr) {
    const auto t = sections<T>();
    State* s = nullptr;
    init(&s, t.data(), kSections, nullptr);
    auto x = noise<T>(kBlock);
    std::vector<T> y(kBlock);
    for (auto _ : st) {
        run(x.data(), y.data(), kBlock, s);
        benchmark::DoNotOptimize(y.data());
    }
    fr(s);
    st.SetItemsProcessed(st.iterations() * kBlock);
}

void BM_IIRBiQuad4_32f_veks(benchmark::State& st) {
    veks_biquad<float, VekIIRState_32f>(st, veksIIRInitAlloc_BiQuad_32f, veksIIR_32f, veksIIRFree_32f);
}
void BM_IIRBiQuad4_64f_veks(benchmark::State& st) {
    veks_biquad<double, VekIIRState_64f>(st, veksIIRInitAlloc_BiQuad_64f, veksIIR_64f, veksIIRFree_64f);
}

// The plain transposed direct form II cascade, sample by sample.
template <class T>
void plain_biquad(benchmark::State& st) {
    const auto t = sections<T>();
    T d[2 * kSections] = {};
    auto x = noise<T>(kBlock);
    std::vector<T> y(kBlock);
    for (auto _ : st) {
        for (int n = 0; n < kBlock; ++n) {
            T v = x[n];
            for (int q = 0; q < kSections; ++q) {
                const T* c = &t[6 * q];
                const T o = c[0] * v + d[2 * q];
                d[2 * q] = c[1] * v - c[4] * o + d[2 * q + 1];
                d[2 * q + 1] = c[2] * v - c[5] * o;
                v = o;
            }
            y[n] = v;
        }
        benchmark::DoNotOptimize(y.data());
    }
    st.SetItemsProcessed(st.iterations() * kBlock);
}
void BM_IIRBiQuad4_32f_plain(benchmark::State& st) { plain_biquad<float>(st); }
void BM_IIRBiQuad4_64f_plain(benchmark::State& st) { plain_biquad<double>(st); }

#ifdef VEKS_HAVE_LIQUID
void BM_IIRBiQuad4_32f_liquid(benchmark::State& st) {
    const auto t = sections<float>();
    std::vector<float> b, a;
    for (int q = 0; q < kSections; ++q) {
        b.insert(b.end(), t.begin() + 6 * q, t.begin() + 6 * q + 3);
        a.insert(a.end(), t.begin() + 6 * q + 3, t.begin() + 6 * q + 6);
    }
    iirfilt_rrrf f = iirfilt_rrrf_create_sos(b.data(), a.data(), kSections);
    auto x = noise<float>(kBlock);
    std::vector<float> y(kBlock);
    for (auto _ : st) {
        iirfilt_rrrf_execute_block(f, x.data(), kBlock, y.data());
        benchmark::DoNotOptimize(y.data());
    }
    iirfilt_rrrf_destroy(f);
    st.SetItemsProcessed(st.iterations() * kBlock);
}
BENCHMARK(BM_IIRBiQuad4_32f_liquid);
#endif
BENCHMARK(BM_IIRBiQuad4_32f_veks);
BENCHMARK(BM_IIRBiQuad4_32f_plain);
BENCHMARK(BM_IIRBiQuad4_64f_veks);
BENCHMARK(BM_IIRBiQuad4_64f_plain);

// Convolution sizes: (long, short).
void conv_args(benchmark::internal::Benchmark* b) { b->Args({1000, 100})->Args({100000, 10000}); }

void BM_Conv_32f_veks(benchmark::State& st) {
    const int n1 = int(st.range(0)), n2 = int(st.range(1));
    auto a = noise<float>(n1), b = noise<float>(n2, 2);
    std::vector<float> y(n1 + n2 - 1);
    for (auto _ : st) {
        veksConv_32f(a.data(), n1, b.data(), n2, y.data());
        benchmark::DoNotOptimize(y.data());
    }
}
BENCHMARK(BM_Conv_32f_veks)->Apply(conv_args)->UseRealTime();

// The same on one thread: the transforms alone, without the wake-up of a
// second thread on a shared machine.
void BM_Conv_32f_veks_1thread(benchmark::State& st) {
    vekcoreSetNumThreads(1);
    BM_Conv_32f_veks(st);
    vekcoreSetNumThreads(0);
}
BENCHMARK(BM_Conv_32f_veks_1thread)->Args({100000, 10000});

void BM_Conv_32f_loop(benchmark::State& st) {
    const int n1 = int(st.range(0)), n2 = int(st.range(1));
    auto a = noise<float>(n1), b = noise<float>(n2, 2);
    std::vector<float> y(n1 + n2 - 1);
    for (auto _ : st) {
        for (int n = 0; n < n1 + n2 - 1; ++n) {
            float s = 0;
            for (int k = std::max(0, n - n2 + 1); k <= std::min(n, n1 - 1); ++k) s += a[k] * b[n - k];
            y[n] = s;
        }
        benchmark::DoNotOptimize(y.data());
    }
}
BENCHMARK(BM_Conv_32f_loop)->Args({1000, 100})->Args({100000, 10000})->Iterations(3);

#ifdef VEKS_HAVE_FFTW3F
// Zero-padded real transforms of both inputs, a complex product, one
// inverse transform; plans made once, outside the timing.
struct FftwConv {
    int N;
    float *x, *h;
    fftwf_complex *X, *H;
    fftwf_plan fx, fh, inv;
    explicit FftwConv(int n) : N(1) {
        while (N < n) N *= 2;
        x = fftwf_alloc_real(N);
        h = fftwf_alloc_real(N);
        X = fftwf_alloc_complex(N / 2 + 1);
        H = fftwf_alloc_complex(N / 2 + 1);
        fx = fftwf_plan_dft_r2c_1d(N, x, X, FFTW_ESTIMATE);
        fh = fftwf_plan_dft_r2c_1d(N, h, H, FFTW_ESTIMATE);
        inv = fftwf_plan_dft_c2r_1d(N, X, x, FFTW_ESTIMATE);
    }
    ~FftwConv() {
        fftwf_destroy_plan(fx), fftwf_destroy_plan(fh), fftwf_destroy_plan(inv);
        fftwf_free(x), fftwf_free(h), fftwf_free(X), fftwf_free(H);
    }
    // out[i] = (a conv b)[off + i], i < count; conj_b correlates instead.
    void run(const float* a, int na, const float* b, int nb, float* out, int off, int count) {
        std::copy(a, a + na, x);
        std::fill(x + na, x + N, 0.0f);
        std::copy(b, b + nb, h);
        std::fill(h + nb, h + N, 0.0f);
        fftwf_execute(fx);
        fftwf_execute(fh);
        const float s = 1.0f / N;
        for (int k = 0; k <= N / 2; ++k) {
            const float re = X[k][0] * H[k][0] - X[k][1] * H[k][1];
            const float im = X[k][0] * H[k][1] + X[k][1] * H[k][0];
            X[k][0] = re * s, X[k][1] = im * s;
        }
        fftwf_execute(inv);
        std::copy(x + off, x + off + count, out);
    }
};

void BM_Conv_32f_fftw(benchmark::State& st) {
    const int n1 = int(st.range(0)), n2 = int(st.range(1));
    auto a = noise<float>(n1), b = noise<float>(n2, 2);
    std::vector<float> y(n1 + n2 - 1);
    FftwConv c(n1 + n2 - 1);
    for (auto _ : st) {
        c.run(a.data(), n1, b.data(), n2, y.data(), 0, n1 + n2 - 1);
        benchmark::DoNotOptimize(y.data());
    }
}
BENCHMARK(BM_Conv_32f_fftw)->Apply(conv_args);
#endif

// Cross-correlation, 1000 lags from 0: a 1,000-sample template against a
// 10,000-sample signal (direct route) and two 10,000-sample signals (FFT).
void corr_args(benchmark::internal::Benchmark* b) { b->Args({1000, 10000})->Args({10000, 10000}); }
constexpr int kLags = 1000;

void BM_CrossCorr_32f_veks(benchmark::State& st) {
    const int n1 = int(st.range(0)), n2 = int(st.range(1));
    auto a = noise<float>(n1), b = noise<float>(n2, 2);
    std::vector<float> y(kLags);
    for (auto _ : st) {
        veksCrossCorr_32f(a.data(), n1, b.data(), n2, y.data(), kLags, 0);
        benchmark::DoNotOptimize(y.data());
    }
}
BENCHMARK(BM_CrossCorr_32f_veks)->Apply(corr_args);

void BM_CrossCorr_32f_loop(benchmark::State& st) {
    const int n1 = int(st.range(0)), n2 = int(st.range(1));
    auto a = noise<float>(n1), b = noise<float>(n2, 2);
    std::vector<float> y(kLags);
    for (auto _ : st) {
        for (int lag = 0; lag < kLags; ++lag) {
            float s = 0;
            for (int k = 0; k < n1 && k + lag < n2; ++k) s += a[k] * b[k + lag];
            y[lag] = s;
        }
        benchmark::DoNotOptimize(y.data());
    }
}
BENCHMARK(BM_CrossCorr_32f_loop)->Apply(corr_args);

#ifdef VEKS_HAVE_FFTW3F
void BM_CrossCorr_32f_fftw(benchmark::State& st) {
    const int n1 = int(st.range(0)), n2 = int(st.range(1));
    auto a = noise<float>(n1), b = noise<float>(n2, 2);
    std::vector<float> ar(a.rbegin(), a.rend()), y(kLags);  // correlation = convolution with a reversed
    FftwConv c(n1 + n2 - 1);
    for (auto _ : st) {
        c.run(ar.data(), n1, b.data(), n2, y.data(), n1 - 1, kLags);
        benchmark::DoNotOptimize(y.data());
    }
}
BENCHMARK(BM_CrossCorr_32f_fftw)->Apply(corr_args);
#endif

}  // namespace

BENCHMARK_MAIN();
