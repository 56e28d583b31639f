// The two vector types of the self-sorting FFT on 256-bit registers: W
// interleaved complex values of one precision per register. Included only
// by kernel files compiled for AVX2 and FMA or wider; the anonymous
// namespace keeps every inline function here private to that file, so
// none of them can stand in for a baseline one elsewhere.
#ifndef VEKS_TRANSFORM_FFT_WIDE_YMM_H
#define VEKS_TRANSFORM_FFT_WIDE_YMM_H

#include <immintrin.h>

namespace veks {
namespace fft {
namespace {

struct C32x4 {
    using T = float;
    using V = __m256;
    static constexpr int W = 4;
    static constexpr bool kFuse = false;  // 16 registers: no room for 16 values
    static V load(const T* p) { return _mm256_loadu_ps(p); }
    static void store(T* p, V v) { _mm256_storeu_ps(p, v); }
    static V add(V a, V b) { return _mm256_add_ps(a, b); }
    static V sub(V a, V b) { return _mm256_sub_ps(a, b); }
    static V mul(V a, T s) { return _mm256_mul_ps(a, _mm256_set1_ps(s)); }
    static V swap(V a) { return _mm256_permute_ps(a, 0xB1); }
    static V wre(V w) { return _mm256_moveldup_ps(w); }
    static V wim(V w) { return _mm256_movehdup_ps(w); }
    static V fmaddsub(V a, V b, V c) { return _mm256_fmaddsub_ps(a, b, c); }
    static V fmsubadd(V a, V b, V c) { return _mm256_fmsubadd_ps(a, b, c); }
    static V mulv(V a, V b) { return _mm256_mul_ps(a, b); }
    static V set1(T v) { return _mm256_set1_ps(v); }
    static V bcast(const T* p) { return _mm256_broadcast_ss(p); }
    static V addsub(V a, V b) { return _mm256_addsub_ps(a, b); }
    // y[l] = (v0[l], v1[l], v2[l], v3[l]) for the four lanes l.
    static void transpose(V& v0, V& v1, V& v2, V& v3) {
        const __m256d a = _mm256_castps_pd(v0), b = _mm256_castps_pd(v1);
        const __m256d c = _mm256_castps_pd(v2), d = _mm256_castps_pd(v3);
        const __m256d t0 = _mm256_unpacklo_pd(a, b), t1 = _mm256_unpackhi_pd(a, b);
        const __m256d t2 = _mm256_unpacklo_pd(c, d), t3 = _mm256_unpackhi_pd(c, d);
        v0 = _mm256_castpd_ps(_mm256_permute2f128_pd(t0, t2, 0x20));
        v1 = _mm256_castpd_ps(_mm256_permute2f128_pd(t1, t3, 0x20));
        v2 = _mm256_castpd_ps(_mm256_permute2f128_pd(t0, t2, 0x31));
        v3 = _mm256_castpd_ps(_mm256_permute2f128_pd(t1, t3, 0x31));
    }
};

struct C64x2 {
    using T = double;
    using V = __m256d;
    static constexpr int W = 2;
    static constexpr bool kFuse = false;
    static V load(const T* p) { return _mm256_loadu_pd(p); }
    static void store(T* p, V v) { _mm256_storeu_pd(p, v); }
    static V add(V a, V b) { return _mm256_add_pd(a, b); }
    static V sub(V a, V b) { return _mm256_sub_pd(a, b); }
    static V mul(V a, T s) { return _mm256_mul_pd(a, _mm256_set1_pd(s)); }
    static V swap(V a) { return _mm256_permute_pd(a, 0x5); }
    static V wre(V w) { return _mm256_movedup_pd(w); }
    static V wim(V w) { return _mm256_permute_pd(w, 0xF); }
    static V fmaddsub(V a, V b, V c) { return _mm256_fmaddsub_pd(a, b, c); }
    static V fmsubadd(V a, V b, V c) { return _mm256_fmsubadd_pd(a, b, c); }
    static V mulv(V a, V b) { return _mm256_mul_pd(a, b); }
    static V set1(T v) { return _mm256_set1_pd(v); }
    static V bcast(const T* p) { return _mm256_broadcast_sd(p); }
    static V addsub(V a, V b) { return _mm256_addsub_pd(a, b); }
    // Lane l of the four vectors becomes the two vectors 2l, 2l+1.
    static void transpose(V& v0, V& v1, V& v2, V& v3) {
        const V a = _mm256_permute2f128_pd(v0, v1, 0x20), b = _mm256_permute2f128_pd(v2, v3, 0x20);
        const V c = _mm256_permute2f128_pd(v0, v1, 0x31), d = _mm256_permute2f128_pd(v2, v3, 0x31);
        v0 = a, v1 = b, v2 = c, v3 = d;
    }
};

}  // namespace
}  // namespace fft
}  // namespace veks

#endif
