// Conversions and the less-than threshold against VOLK and against plain
// scalar loops compiled at -O3, at 1 Ki, 64 Ki and 1 Mi elements.
#include <benchmark/benchmark.h>

#include <cmath>
#include <cstdint>
#include <cstring>

#include "veks.h"

#ifdef VEKS_HAVE_VOLK
#include <volk/volk.h>
#endif

namespace {

#define SCALAR_O3 __attribute__((optimize("O3"), noinline))

// Source and destination of n elements each, from the library allocator.
struct Buffers {
    explicit Buffers(long n) : src(veksMalloc_8u(int(n * 8))), dst(veksMalloc_8u(int(n * 8))), n(n) {
        auto* f = reinterpret_cast<float*>(src);
        auto* s = reinterpret_cast<std::int16_t*>(src + n * 4);
        for (long i = 0; i < n; ++i) {
            f[i] = float((i * 7919) % 20001 - 10000) * 0.37f;
            s[i] = std::int16_t((i * 7919) % 65536 - 32768);
        }
    }
    ~Buffers() {
        veksFree(src);
        veksFree(dst);
    }
    float* f32() { return reinterpret_cast<float*>(src); }
    std::int16_t* s16() { return reinterpret_cast<std::int16_t*>(src + n * 4); }
    std::uint8_t* u8() { return reinterpret_cast<std::uint8_t*>(src + n * 4); }
    Vek8u* src;
    Vek8u* dst;
    long n;
};

template <class Fn>
void run(benchmark::State& st, Fn fn) {
    const long n = st.range(0);
    Buffers b(n);
    for (auto _ : st) {
        fn(b, int(n));
        benchmark::ClobberMemory();
    }
    st.SetItemsProcessed(st.iterations() * n);
}

// ---- 16s -> 32f ----
SCALAR_O3 void scalar_16s32f(const std::int16_t* s, float* d, int n) {
    for (int i = 0; i < n; ++i) d[i] = float(s[i]);
}
void BM_16s32f_veks(benchmark::State& st) {
    run(st, [](Buffers& b, int n) { veksConvert_16s32f(b.s16(), (float*)b.dst, n); });
}
void BM_16s32f_scalar(benchmark::State& st) {
    run(st, [](Buffers& b, int n) { scalar_16s32f(b.s16(), (float*)b.dst, n); });
}

// ---- 32f -> 16s, nearest ----
SCALAR_O3 void scalar_32f16s(const float* s, std::int16_t* d, int n) {
    for (int i = 0; i < n; ++i) {
        const float r = std::nearbyint(s[i]);
        d[i] = std::int16_t(r > 32767.0f ? 32767 : r < -32768.0f ? -32768 : int(r));
    }
}
void BM_32f16s_veks(benchmark::State& st) {
    run(st, [](Buffers& b, int n) { veksConvert_32f16s_Sfs(b.f32(), (Vek16s*)b.dst, n, vekRndNear, 0); });
}
void BM_32f16s_scalar(benchmark::State& st) {
    run(st, [](Buffers& b, int n) { scalar_32f16s(b.f32(), (std::int16_t*)b.dst, n); });
}

// ---- 32f -> 8u, nearest ----
SCALAR_O3 void scalar_32f8u(const float* s, std::uint8_t* d, int n) {
    for (int i = 0; i < n; ++i) {
        const float r = std::nearbyint(s[i]);
        d[i] = std::uint8_t(r > 255.0f ? 255 : r < 0.0f ? 0 : int(r));
    }
}
void BM_32f8u_veks(benchmark::State& st) {
    run(st, [](Buffers& b, int n) { veksConvert_32f8u_Sfs(b.f32(), b.dst, n, vekRndNear, 0); });
}
void BM_32f8u_scalar(benchmark::State& st) {
    run(st, [](Buffers& b, int n) { scalar_32f8u(b.f32(), b.dst, n); });
}

// ---- 8u -> 32f ----
SCALAR_O3 void scalar_8u32f(const std::uint8_t* s, float* d, int n) {
    for (int i = 0; i < n; ++i) d[i] = float(s[i]);
}
void BM_8u32f_veks(benchmark::State& st) {
    run(st, [](Buffers& b, int n) { veksConvert_8u32f(b.u8(), (float*)b.dst, n); });
}
void BM_8u32f_scalar(benchmark::State& st) {
    run(st, [](Buffers& b, int n) { scalar_8u32f(b.u8(), (float*)b.dst, n); });
}

// ---- 32f -> 64f ----
SCALAR_O3 void scalar_32f64f(const float* s, double* d, int n) {
    for (int i = 0; i < n; ++i) d[i] = s[i];
}
void BM_32f64f_veks(benchmark::State& st) {
    run(st, [](Buffers& b, int n) { veksConvert_32f64f(b.f32(), (double*)b.dst, n); });
}
void BM_32f64f_scalar(benchmark::State& st) {
    run(st, [](Buffers& b, int n) { scalar_32f64f(b.f32(), (double*)b.dst, n); });
}

// ---- less-than threshold in place ----
SCALAR_O3 void scalar_lt(float* p, int n, float level) {
    for (int i = 0; i < n; ++i)
        if (p[i] < level) p[i] = level;
}
void BM_ThresholdLT_32f_I_veks(benchmark::State& st) {
    run(st, [](Buffers& b, int n) { veksThreshold_LT_32f_I(b.f32(), n, 0.5f); });
}
void BM_ThresholdLT_32f_I_scalar(benchmark::State& st) {
    run(st, [](Buffers& b, int n) { scalar_lt(b.f32(), n, 0.5f); });
}

// ---- half precision (software conversion on both sides) ----
SCALAR_O3 void scalar_32f16f(const float* s, _Float16* d, int n) {
    for (int i = 0; i < n; ++i) d[i] = static_cast<_Float16>(s[i]);
}
SCALAR_O3 void scalar_16f32f(const _Float16* s, float* d, int n) {
    for (int i = 0; i < n; ++i) d[i] = float(s[i]);
}
void BM_32f16f_veks(benchmark::State& st) {
    run(st, [](Buffers& b, int n) { veksConvert_32f16f(b.f32(), (Vek16f*)b.dst, n, 1); });
}
void BM_32f16f_scalar(benchmark::State& st) {
    run(st, [](Buffers& b, int n) { scalar_32f16f(b.f32(), (_Float16*)b.dst, n); });
}
void BM_16f32f_veks(benchmark::State& st) {
    run(st, [](Buffers& b, int n) { veksConvert_16f32f((const Vek16f*)b.s16(), (float*)b.dst, n); });
}
void BM_16f32f_scalar(benchmark::State& st) {
    run(st, [](Buffers& b, int n) { scalar_16f32f((const _Float16*)b.s16(), (float*)b.dst, n); });
}

#define SIZES ->Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 20)
BENCHMARK(BM_16s32f_veks) SIZES;
BENCHMARK(BM_16s32f_scalar) SIZES;
BENCHMARK(BM_32f16s_veks) SIZES;
BENCHMARK(BM_32f16s_scalar) SIZES;
BENCHMARK(BM_32f8u_veks) SIZES;
BENCHMARK(BM_32f8u_scalar) SIZES;
BENCHMARK(BM_8u32f_veks) SIZES;
BENCHMARK(BM_8u32f_scalar) SIZES;
BENCHMARK(BM_32f64f_veks) SIZES;
BENCHMARK(BM_32f64f_scalar) SIZES;
BENCHMARK(BM_ThresholdLT_32f_I_veks) SIZES;
BENCHMARK(BM_ThresholdLT_32f_I_scalar) SIZES;
BENCHMARK(BM_32f16f_veks) SIZES;
BENCHMARK(BM_32f16f_scalar) SIZES;
BENCHMARK(BM_16f32f_veks) SIZES;
BENCHMARK(BM_16f32f_scalar) SIZES;

#ifdef VEKS_HAVE_VOLK
void BM_16s32f_volk(benchmark::State& st) {
    run(st, [](Buffers& b, int n) { volk_16i_s32f_convert_32f((float*)b.dst, b.s16(), 1.0f, unsigned(n)); });
}
void BM_32f16s_volk(benchmark::State& st) {
    run(st, [](Buffers& b, int n) { volk_32f_s32f_convert_16i((std::int16_t*)b.dst, b.f32(), 1.0f, unsigned(n)); });
}
void BM_32f8u_volk_8i(benchmark::State& st) {
    run(st, [](Buffers& b, int n) { volk_32f_s32f_convert_8i((std::int8_t*)b.dst, b.f32(), 1.0f, unsigned(n)); });
}
void BM_8u32f_volk_8i(benchmark::State& st) {
    run(st, [](Buffers& b, int n) { volk_8i_s32f_convert_32f((float*)b.dst, (const std::int8_t*)b.u8(), 1.0f, unsigned(n)); });
}
void BM_32f64f_volk(benchmark::State& st) {
    run(st, [](Buffers& b, int n) { volk_32f_convert_64f((double*)b.dst, b.f32(), unsigned(n)); });
}
// VOLK has no threshold; its nearest kernel is the element-wise maximum
// against a vector of levels (one more source stream than the in-place
// threshold reads).
void BM_ThresholdLT_32f_I_volk_max(benchmark::State& st) {
    const long n = st.range(0);
    float* level = reinterpret_cast<float*>(veksMalloc_32f(int(n)));
    for (long i = 0; i < n; ++i) level[i] = 0.5f;
    run(st, [level](Buffers& b, int len) { volk_32f_x2_max_32f(b.f32(), b.f32(), level, unsigned(len)); });
    veksFree(level);
}
BENCHMARK(BM_16s32f_volk) SIZES;
BENCHMARK(BM_32f16s_volk) SIZES;
BENCHMARK(BM_32f8u_volk_8i) SIZES;
BENCHMARK(BM_8u32f_volk_8i) SIZES;
BENCHMARK(BM_32f64f_volk) SIZES;
BENCHMARK(BM_ThresholdLT_32f_I_volk_max) SIZES;
#endif

}  // namespace

BENCHMARK_MAIN();
