// Signal generation and speech support against the standard library's
// generators, plain libm loops and liquid-dsp, all on 1 Mi samples.
#include <benchmark/benchmark.h>

#include <cmath>
#include <random>
#include <vector>

#include "veks.h"

#ifdef VEKS_HAVE_LIQUID
#include <complex.h>
#include <liquid/liquid.h>
#endif

namespace {

constexpr int kN = 1 << 20;

template <class Fn>
void run(benchmark::State& st, Fn fn) {
    std::vector<float> out(kN);
    for (auto _ : st) {
        fn(out.data());
        benchmark::DoNotOptimize(out.data());
        benchmark::ClobberMemory();
    }
    st.SetItemsProcessed(st.iterations() * kN);
}

// --- uniform ---------------------------------------------------------------
void BM_veksRandUniform_Direct_32f(benchmark::State& st) {
    unsigned seed = 1;
    run(st, [&](float* y) { veksRandUniform_Direct_32f(y, kN, -1.f, 1.f, &seed); });
}
void BM_veksRandUniform_32f_state(benchmark::State& st) {
    VekRandUniformState_32f* s = nullptr;
    veksRandUniformInitAlloc_32f(&s, -1.f, 1.f, 1);
    run(st, [&](float* y) { veksRandUniform_32f(y, kN, s); });
    veksRandUniformFree_32f(s);
}
void BM_mt19937_uniform_real(benchmark::State& st) {
    std::mt19937 g(1);
    std::uniform_real_distribution<float> d(-1.f, 1.f);
    run(st, [&](float* y) {
        for (int i = 0; i < kN; ++i) y[i] = d(g);
    });
}
// --- Gaussian --------------------------------------------------------------
void BM_veksRandGauss_Direct_32f(benchmark::State& st) {
    unsigned seed = 1;
    run(st, [&](float* y) { veksRandGauss_Direct_32f(y, kN, 0.f, 1.f, &seed); });
}
void BM_mt19937_normal(benchmark::State& st) {
    std::mt19937 g(1);
    std::normal_distribution<float> d(0.f, 1.f);
    run(st, [&](float* y) {
        for (int i = 0; i < kN; ++i) y[i] = d(g);
    });
}
#ifdef VEKS_HAVE_LIQUID
void BM_liquid_randf(benchmark::State& st) {
    run(st, [](float* y) {
        for (int i = 0; i < kN; ++i) y[i] = randf();
    });
}
void BM_liquid_randnf(benchmark::State& st) {
    run(st, [](float* y) {
        for (int i = 0; i < kN; ++i) y[i] = randnf();
    });
}
#endif
// --- tones -----------------------------------------------------------------
void BM_veksTone_Direct_32f_accurate(benchmark::State& st) {
    run(st, [](float* y) {
        float ph = 0.3f;
        veksTone_Direct_32f(y, kN, 1.f, 0.0123f, &ph, vekAlgHintAccurate);
    });
}
void BM_veksTone_Direct_32f_fast(benchmark::State& st) {
    run(st, [](float* y) {
        float ph = 0.3f;
        veksTone_Direct_32f(y, kN, 1.f, 0.0123f, &ph, vekAlgHintFast);
    });
}
void BM_sinf_loop(benchmark::State& st) {
    run(st, [](float* y) {
        const float w = 2.f * float(M_PI) * 0.0123f;
        for (int i = 0; i < kN; ++i) y[i] = std::sin(w * float(i) + 0.3f + float(M_PI / 2));
    });
}
void BM_veksTone_Direct_32fc(benchmark::State& st) {
    std::vector<Vek32fc> out(kN);
    for (auto _ : st) {
        float ph = 0.3f;
        veksTone_Direct_32fc(out.data(), kN, 1.f, 0.0123f, &ph, vekAlgHintNone);
        benchmark::ClobberMemory();
    }
    st.SetItemsProcessed(st.iterations() * kN);
}
void BM_sincosf_loop(benchmark::State& st) {
    std::vector<Vek32fc> out(kN);
    for (auto _ : st) {
        const float w = 2.f * float(M_PI) * 0.0123f;
        for (int i = 0; i < kN; ++i) {
            const float a = w * float(i) + 0.3f;
            out[i].re = std::cos(a);
            out[i].im = std::sin(a);
        }
        benchmark::ClobberMemory();
    }
    st.SetItemsProcessed(st.iterations() * kN);
}
#ifdef VEKS_HAVE_LIQUID
void BM_liquid_nco_cexpf(benchmark::State& st) {
    std::vector<Vek32fc> out(kN);
    nco_crcf q = nco_crcf_create(LIQUID_VCO);
    nco_crcf_set_frequency(q, 2.f * float(M_PI) * 0.0123f);
    for (auto _ : st) {
        for (int i = 0; i < kN; ++i) {
            float c, s;
            nco_crcf_sincos(q, &s, &c);
            out[i].re = c;
            out[i].im = s;
            nco_crcf_step(q);
        }
        benchmark::ClobberMemory();
    }
    nco_crcf_destroy(q);
    st.SetItemsProcessed(st.iterations() * kN);
}
#endif
// --- triangles, ramps ------------------------------------------------------
void BM_veksTriangle_Direct_32f(benchmark::State& st) {
    run(st, [](float* y) {
        float ph = 0.f;
        veksTriangle_Direct_32f(y, kN, 1.f, 0.0123f, 0.5f, &ph);
    });
}
void BM_plain_triangle_loop(benchmark::State& st) {
    run(st, [](float* y) {
        const double w = 2 * M_PI * 0.0123, h1 = M_PI + 0.5, h2 = M_PI - 0.5;
        for (int i = 0; i < kN; ++i) {
            const double p = std::fmod(w * i, 2 * M_PI);
            y[i] = float(p < h1 ? 1 - 2 * p / h1 : 2 * (p - h1) / h2 - 1);
        }
    });
}
void BM_veksVectorSlope_16s(benchmark::State& st) {
    std::vector<Vek16s> out(kN);
    for (auto _ : st) {
        veksVectorSlope_16s(out.data(), kN, -30000.f, 0.05f);
        benchmark::ClobberMemory();
    }
    st.SetItemsProcessed(st.iterations() * kN);
}
void BM_plain_slope_16s(benchmark::State& st) {
    std::vector<Vek16s> out(kN);
    for (auto _ : st) {
        for (int i = 0; i < kN; ++i) {
            const float v = std::nearbyint(-30000.f + 0.05f * float(i));
            out[i] = Vek16s(v > 32767.f ? 32767.f : v < -32768.f ? -32768.f : v);
        }
        benchmark::ClobberMemory();
    }
    st.SetItemsProcessed(st.iterations() * kN);
}
// --- speech ----------------------------------------------------------------
std::vector<Vek16s> speech_input() {
    std::vector<Vek16s> x(kN);
    unsigned seed = 7;
    veksRandUniform_Direct_16s(x.data(), kN, -20000, 20000, &seed);
    return x;
}
void BM_veksUpdatePower_16s32s_I(benchmark::State& st) {
    const auto x = speech_input();
    for (auto _ : st) {
        Vek32s acc = 0;
        veksUpdatePower_16s32s_I(x.data(), kN, &acc, 8, -3, vekAlgHintAccurate);
        benchmark::DoNotOptimize(acc);
    }
    st.SetItemsProcessed(st.iterations() * kN);
}
void BM_plain_power_average(benchmark::State& st) {
    const auto x = speech_input();
    for (auto _ : st) {
        double y = 0;
        for (int i = 0; i < kN; ++i) y = -3.0 * y + 4.0 * double((int(x[i]) * x[i]) >> 8);
        benchmark::DoNotOptimize(y);
    }
    st.SetItemsProcessed(st.iterations() * kN);
}
void BM_veksCauchyDD2_32f_I(benchmark::State& st) {
    std::vector<float> x(kN, 0.7f), d2(kN);
    for (auto _ : st) {
        veksCauchyDD2_32f_I(x.data(), d2.data(), kN, 1.5f);
        benchmark::ClobberMemory();
    }
    st.SetItemsProcessed(st.iterations() * kN);
}
void BM_veksDemodulateFM_CToR_16s(benchmark::State& st) {
    const auto re = speech_input();
    auto im = speech_input();
    std::reverse(im.begin(), im.end());
    std::vector<Vek16s> out(kN);
    for (auto _ : st) {
        Vek16sc d{1, 0};
        veksDemodulateFM_CToR_16s(re.data(), im.data(), out.data(), kN, &d);
        benchmark::ClobberMemory();
    }
    st.SetItemsProcessed(st.iterations() * kN);
}
void BM_atan2f_discriminator(benchmark::State& st) {
    const auto re = speech_input();
    auto im = speech_input();
    std::reverse(im.begin(), im.end());
    std::vector<Vek16s> out(kN);
    for (auto _ : st) {
        int pr = 1, pi = 0;
        for (int i = 0; i < kN; ++i) {
            const float I = float(pr) * im[i] - float(pi) * re[i], R = float(pr) * re[i] + float(pi) * im[i];
            out[i] = Vek16s(std::lrint(std::min(32767.f, std::atan2(I, R) * 10430.378f)));
            pr = re[i];
            pi = im[i];
        }
        benchmark::ClobberMemory();
    }
    st.SetItemsProcessed(st.iterations() * kN);
}

BENCHMARK(BM_veksRandUniform_Direct_32f);
BENCHMARK(BM_veksRandUniform_32f_state);
BENCHMARK(BM_mt19937_uniform_real);
BENCHMARK(BM_veksRandGauss_Direct_32f);
BENCHMARK(BM_mt19937_normal);
#ifdef VEKS_HAVE_LIQUID
BENCHMARK(BM_liquid_randf);
BENCHMARK(BM_liquid_randnf);
#endif
BENCHMARK(BM_veksTone_Direct_32f_accurate);
BENCHMARK(BM_veksTone_Direct_32f_fast);
BENCHMARK(BM_sinf_loop);
BENCHMARK(BM_veksTone_Direct_32fc);
BENCHMARK(BM_sincosf_loop);
#ifdef VEKS_HAVE_LIQUID
BENCHMARK(BM_liquid_nco_cexpf);
#endif
BENCHMARK(BM_veksTriangle_Direct_32f);
BENCHMARK(BM_plain_triangle_loop);
BENCHMARK(BM_veksVectorSlope_16s);
BENCHMARK(BM_plain_slope_16s);
BENCHMARK(BM_veksUpdatePower_16s32s_I);
BENCHMARK(BM_plain_power_average);
BENCHMARK(BM_veksCauchyDD2_32f_I);
BENCHMARK(BM_veksDemodulateFM_CToR_16s);
BENCHMARK(BM_atan2f_discriminator);

}  // namespace

BENCHMARK_MAIN();
