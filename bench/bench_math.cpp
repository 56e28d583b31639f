// Elementary functions, magnitude, phase and power spectrum against SLEEF's
// 1-ulp vector functions, VOLK's kernels and plain glibc loops, all single
// threaded (the library's thread budget is fixed to 1) except the *_2t rows.
#include <benchmark/benchmark.h>

#include <cmath>
#include <complex>
#include <cstring>
#include <vector>

#include "veks.h"
#include "vekcore.h"

#ifdef VEKS_HAVE_SLEEF
#include <sleef.h>
#endif
#ifdef VEKS_HAVE_VOLK
#include <volk/volk.h>
#endif

namespace {

// Inputs in the useful range of each function; complex data as pairs.
struct Data {
    explicit Data(long n, float lo, float hi) : x(n), y(n), z(2 * n), out(n) {
        unsigned s = 12345;
        auto next = [&] { return (s = s * 1664525u + 1013904223u) >> 8; };
        for (long i = 0; i < n; ++i) x[i] = lo + (hi - lo) * float(next()) / float(1 << 24);
        for (long i = 0; i < n; ++i) y[i] = lo + (hi - lo) * float(next()) / float(1 << 24);
        for (long i = 0; i < 2 * n; ++i) z[i] = float(next()) / float(1 << 23) - 1.0f;
    }
    std::vector<float> x, y, z, out;
    const Vek32fc* zc() const { return reinterpret_cast<const Vek32fc*>(z.data()); }
};

template <class Fn>
void run(benchmark::State& st, float lo, float hi, Fn fn, int threads = 1) {
    const long n = st.range(0);
    Data d(n, lo, hi);
    vekcoreSetNumThreads(threads);
    for (auto _ : st) {
        fn(d, n);
        benchmark::DoNotOptimize(d.out.data());
        benchmark::ClobberMemory();
    }
    vekcoreSetNumThreads(0);
    st.SetItemsProcessed(st.iterations() * n);
}

#define BENCH(name, lo, hi, ...)                                                                   \
    void BM_##name(benchmark::State& st) { run(st, lo, hi, [](Data& d, long n) { __VA_ARGS__; }); } \
    BENCHMARK(BM_##name)->Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 20);

// Square root.
BENCH(veksSqrt_32f, 0, 1000, veksSqrt_32f(d.x.data(), d.out.data(), int(n)))
BENCH(libm_sqrtf, 0, 1000, for (long i = 0; i < n; ++i) d.out[i] = std::sqrt(d.x[i]))
#ifdef VEKS_HAVE_VOLK
BENCH(volk_32f_sqrt_32f, 0, 1000, volk_32f_sqrt_32f(d.out.data(), d.x.data(), unsigned(n)))
#endif
void BM_veksSqrt_32f_2t(benchmark::State& st) {
    run(st, 0, 1000, [](Data& d, long n) { veksSqrt_32f(d.x.data(), d.out.data(), int(n)); }, 2);
}
BENCHMARK(BM_veksSqrt_32f_2t)->Arg(1 << 20);

// Exponential.
BENCH(veksExp_32f, -80, 80, veksExp_32f(d.x.data(), d.out.data(), int(n)))
BENCH(libm_expf, -80, 80, for (long i = 0; i < n; ++i) d.out[i] = std::exp(d.x[i]))
#ifdef VEKS_HAVE_SLEEF
BENCH(Sleef_expf4_u10, -80, 80,
      for (long i = 0; i < n; i += 4) _mm_storeu_ps(&d.out[i], Sleef_expf4_u10(_mm_loadu_ps(&d.x[i]))))
#endif
#ifdef VEKS_HAVE_VOLK
BENCH(volk_32f_exp_32f, -80, 80, volk_32f_exp_32f(d.out.data(), d.x.data(), unsigned(n)))
#endif

// Natural logarithm.
BENCH(veksLn_32f, 1e-3f, 1e3f, veksLn_32f(d.x.data(), d.out.data(), int(n)))
BENCH(libm_logf, 1e-3f, 1e3f, for (long i = 0; i < n; ++i) d.out[i] = std::log(d.x[i]))
#ifdef VEKS_HAVE_SLEEF
BENCH(Sleef_logf4_u10, 1e-3f, 1e3f,
      for (long i = 0; i < n; i += 4) _mm_storeu_ps(&d.out[i], Sleef_logf4_u10(_mm_loadu_ps(&d.x[i]))))
#endif

// Arc tangent.
BENCH(veksArctan_32f, -10, 10, veksArctan_32f(d.x.data(), d.out.data(), int(n)))
BENCH(libm_atanf, -10, 10, for (long i = 0; i < n; ++i) d.out[i] = std::atan(d.x[i]))
#ifdef VEKS_HAVE_SLEEF
BENCH(Sleef_atanf4_u10, -10, 10,
      for (long i = 0; i < n; i += 4) _mm_storeu_ps(&d.out[i], Sleef_atanf4_u10(_mm_loadu_ps(&d.x[i]))))
#endif
#ifdef VEKS_HAVE_VOLK
BENCH(volk_32f_atan_32f, -10, 10, volk_32f_atan_32f(d.out.data(), d.x.data(), unsigned(n)))
#endif

// Magnitude of interleaved complex data.
BENCH(veksMagnitude_32fc, 0, 1, veksMagnitude_32fc(d.zc(), d.out.data(), int(n)))
BENCH(libm_magnitude, 0, 1,
      for (long i = 0; i < n; ++i) d.out[i] = std::sqrt(d.z[2 * i] * d.z[2 * i] + d.z[2 * i + 1] * d.z[2 * i + 1]))
BENCH(libm_hypotf, 0, 1, for (long i = 0; i < n; ++i) d.out[i] = std::hypot(d.z[2 * i], d.z[2 * i + 1]))
#ifdef VEKS_HAVE_VOLK
BENCH(volk_32fc_magnitude_32f, 0, 1,
      volk_32fc_magnitude_32f(d.out.data(), reinterpret_cast<const lv_32fc_t*>(d.z.data()), unsigned(n)))
#endif
void BM_veksMagnitude_32fc_2t(benchmark::State& st) {
    run(st, 0, 1, [](Data& d, long n) { veksMagnitude_32fc(d.zc(), d.out.data(), int(n)); }, 2);
}
BENCHMARK(BM_veksMagnitude_32fc_2t)->Arg(1 << 20);

// Phase of interleaved complex data.
BENCH(veksPhase_32fc, 0, 1, veksPhase_32fc(d.zc(), d.out.data(), int(n)))
BENCH(libm_atan2f, 0, 1, for (long i = 0; i < n; ++i) d.out[i] = std::atan2(d.z[2 * i + 1], d.z[2 * i]))
#ifdef VEKS_HAVE_SLEEF
BENCH(Sleef_atan2f4_u10, 0, 1, for (long i = 0; i < n; i += 4) {
    const __m128 a = _mm_loadu_ps(&d.z[2 * i]), b = _mm_loadu_ps(&d.z[2 * i + 4]);
    const __m128 re = _mm_shuffle_ps(a, b, _MM_SHUFFLE(2, 0, 2, 0)), im = _mm_shuffle_ps(a, b, _MM_SHUFFLE(3, 1, 3, 1));
    _mm_storeu_ps(&d.out[i], Sleef_atan2f4_u10(im, re));
})
#endif
#ifdef VEKS_HAVE_VOLK
BENCH(volk_32fc_s32f_atan2_32f, 0, 1,
      volk_32fc_s32f_atan2_32f(d.out.data(), reinterpret_cast<const lv_32fc_t*>(d.z.data()), 1.0f, unsigned(n)))
#endif

// Power spectrum.
BENCH(veksPowerSpectr_32fc, 0, 1, veksPowerSpectr_32fc(d.zc(), d.out.data(), int(n)))
BENCH(libm_power, 0, 1,
      for (long i = 0; i < n; ++i) d.out[i] = d.z[2 * i] * d.z[2 * i] + d.z[2 * i + 1] * d.z[2 * i + 1])
#ifdef VEKS_HAVE_VOLK
BENCH(volk_32fc_magnitude_squared_32f, 0, 1,
      volk_32fc_magnitude_squared_32f(d.out.data(), reinterpret_cast<const lv_32fc_t*>(d.z.data()), unsigned(n)))
#endif

// Goertzel at one frequency against the plain single-precision recurrence.
BENCH(veksGoertz_32f, -1, 1, {
    Vek32fc v;
    veksGoertz_32f(d.x.data(), int(n), &v, 0.123f);
    d.out[0] = v.re;
})
BENCH(scalar_goertzel_32f, -1, 1, {
    const float c = 2.0f * std::cos(2.0f * 3.14159265f * 0.123f);
    float s1 = 0, s2 = 0;
    for (long i = 0; i < n; ++i) {
        const float s = d.x[i] + c * s1 - s2;
        s2 = s1;
        s1 = s;
    }
    d.out[0] = s1 * std::cos(2.0f * 3.14159265f * 0.123f) - s2;
})

}  // namespace

BENCHMARK_MAIN();
