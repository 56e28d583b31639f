// The two vector types of the split-format FFT on 256-bit registers. Between
// its passes the transform keeps blocks of B complex values as B real parts
// followed by B imaginary parts, so complex products and the rotations by i
// need no lane swaps. A block takes the bytes its B values take in
// interleaved order, lane l holding value kLane[l] of the block. Included
// only by kernel files compiled for AVX2 and FMA; the anonymous namespace
// keeps every inline function here private to that file.
#ifndef VEKS_TRANSFORM_FFT_SPLIT_YMM_H
#define VEKS_TRANSFORM_FFT_SPLIT_YMM_H

#include <immintrin.h>

#include "fft_wide_ymm.h"

namespace veks {
namespace fft {
namespace {

// Loads, stores, sums, products and broadcasts come from the interleaved
// types of the same precision.
struct S32 : C32x4 {
    static constexpr int B = 8;
    static V fmadd(V a, V b, V c) { return _mm256_fmadd_ps(a, b, c); }
    static V fmsub(V a, V b, V c) { return _mm256_fmsub_ps(a, b, c); }
    // Lane 0 of a in lanes 0, 1, 4, 5, lane 2 in lanes 2, 3, 6, 7.
    static V spread_lanes_0_2(V a) { return _mm256_permutevar8x32_ps(a, _mm256_setr_epi32(0, 0, 2, 2, 0, 0, 2, 2)); }
    // p[0] in lanes 0, 1, 4, 5, p[1] in lanes 2, 3, 6, 7.
    static V spread_pair(const T* p) {
        return _mm256_permute_ps(_mm256_castpd_ps(_mm256_broadcast_sd(reinterpret_cast<const double*>(p))), 0x50);
    }
    // kLane = {0, 1, 4, 5, 2, 3, 6, 7}: the order in which one in-lane
    // shuffle of two interleaved registers leaves the parts.
    static void split(V a, V b, V& r, V& i) { r = _mm256_shuffle_ps(a, b, 0x88), i = _mm256_shuffle_ps(a, b, 0xDD); }
    static void join(V r, V i, V& a, V& b) { a = _mm256_unpacklo_ps(r, i), b = _mm256_unpackhi_ps(r, i); }
    // v[j] holds part j of the values of 8 consecutive p (lanes in kLane
    // order); afterwards v[b] is the block of y[4p + j] for p = 2b, 2b + 1.
    static void to_blocks(V (&v)[4]) {
        const V a = _mm256_unpacklo_ps(v[0], v[1]), b = _mm256_unpackhi_ps(v[0], v[1]);
        const V c = _mm256_unpacklo_ps(v[2], v[3]), d = _mm256_unpackhi_ps(v[2], v[3]);
        v[0] = _mm256_permute2f128_ps(a, c, 0x20), v[1] = _mm256_permute2f128_ps(a, c, 0x31);
        v[2] = _mm256_permute2f128_ps(b, d, 0x20), v[3] = _mm256_permute2f128_ps(b, d, 0x31);
    }
    // The halves (pairs of lanes 0-1 and 4-5, or 2-3 and 6-7) of a and b
    // that belong to the even or the odd of two p, joined into one block.
    static V even_halves(V a, V b) {
        return _mm256_castpd_ps(_mm256_unpacklo_pd(_mm256_castps_pd(a), _mm256_castps_pd(b)));
    }
    static V odd_halves(V a, V b) {
        return _mm256_castpd_ps(_mm256_unpackhi_pd(_mm256_castps_pd(a), _mm256_castps_pd(b)));
    }
};

struct S64 : C64x2 {
    static constexpr int B = 4;
    static V fmadd(V a, V b, V c) { return _mm256_fmadd_pd(a, b, c); }
    static V fmsub(V a, V b, V c) { return _mm256_fmsub_pd(a, b, c); }
    // kLane = {0, 2, 1, 3}.
    static void split(V a, V b, V& r, V& i) { r = _mm256_unpacklo_pd(a, b), i = _mm256_unpackhi_pd(a, b); }
    static void join(V r, V i, V& a, V& b) { a = _mm256_unpacklo_pd(r, i), b = _mm256_unpackhi_pd(r, i); }
    // v[j] holds part j of the values of 4 consecutive p; afterwards v[b]
    // is the block of y[4b + j].
    static void to_blocks(V (&v)[4]) {
        const V a = _mm256_unpacklo_pd(v[0], v[2]), b = _mm256_unpacklo_pd(v[1], v[3]);
        const V c = _mm256_unpackhi_pd(v[0], v[2]), d = _mm256_unpackhi_pd(v[1], v[3]);
        v[0] = _mm256_permute2f128_pd(a, b, 0x20), v[1] = _mm256_permute2f128_pd(a, b, 0x31);
        v[2] = _mm256_permute2f128_pd(c, d, 0x20), v[3] = _mm256_permute2f128_pd(c, d, 0x31);
    }
};

}  // namespace
}  // namespace fft
}  // namespace veks

#endif
