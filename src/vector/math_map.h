// Element-wise drivers for the double-precision function kernels.
//
// A kernel is a struct with `template <class L> static V eval(V x)` over the
// lane traits. The drivers widen single-precision input exactly to double,
// evaluate, and round back once, in blocks of SSE2 lanes with the scalar
// instantiation on the unaligned head and the tail (same bits).
//
// Kernels that report special elements (the logarithms) also provide
// `template <class L> static M flag_a(V)`/`flag_b(V)`; the driver returns the
// kind of the first flagged element in vector order: 0, 1 (a) or 2 (b).
#ifndef VEKS_VECTOR_MATH_MAP_H
#define VEKS_VECTOR_MATH_MAP_H

#include <cstddef>

#include "core/simd.h"
#include "math_lanes.h"

namespace veks {
namespace {

template <class K, class S, class D>
inline void map_scalar(const S* src, D* dst, std::ptrdiff_t i) {
    dst[i] = static_cast<D>(K::template eval<ScalarLanes>(static_cast<double>(src[i])));
}

// double -> double.
template <class K>
void map_64f(const double* src, double* dst, int len) {
    simd::sweep<2>(
        dst, len, [&](std::ptrdiff_t i) { map_scalar<K>(src, dst, i); },
        [&](std::ptrdiff_t i) { _mm_storeu_pd(dst + i, K::template eval<SseLanes>(_mm_loadu_pd(src + i))); });
}

// float -> double.
template <class K>
void map_32f64f(const float* src, double* dst, int len) {
    simd::sweep<2>(
        dst, len, [&](std::ptrdiff_t i) { map_scalar<K>(src, dst, i); },
        [&](std::ptrdiff_t i) {
            const __m128 v = simd::load_float_pair(src + i);
            _mm_storeu_pd(dst + i, K::template eval<SseLanes>(_mm_cvtps_pd(v)));
        });
}

// double -> float.
template <class K>
void map_64f32f(const double* src, float* dst, int len) {
    simd::sweep<4>(
        dst, len, [&](std::ptrdiff_t i) { map_scalar<K>(src, dst, i); },
        [&](std::ptrdiff_t i) {
            const __m128 lo = _mm_cvtpd_ps(K::template eval<SseLanes>(_mm_loadu_pd(src + i)));
            const __m128 hi = _mm_cvtpd_ps(K::template eval<SseLanes>(_mm_loadu_pd(src + i + 2)));
            _mm_storeu_ps(dst + i, _mm_movelh_ps(lo, hi));
        });
}

// First flagged kind among `n` lanes given the two lane bit masks.
inline int first_kind(int a, int b) {
    const int any = a | b;
    if (!any) return 0;
    const int low = any & -any;
    return (b & low) ? 2 : 1;
}

// Two elements of S widened to double lanes.
template <class S>
inline __m128d load2(const S* p) {
    if constexpr (sizeof(S) == 4)
        return _mm_cvtps_pd(simd::load_float_pair(p));
    else
        return _mm_loadu_pd(p);
}

// Flag-reporting twin of the maps: same kernels, and the first special kind.
template <class K, class S, class D>
int map_flagged(const S* src, D* dst, int len) {
    int kind = 0;
    auto scalar = [&](std::ptrdiff_t i) {
        const double x = static_cast<double>(src[i]);
        dst[i] = static_cast<D>(K::template eval<ScalarLanes>(x));
        if (!kind) kind = first_kind(K::template flag_a<ScalarLanes>(x), K::template flag_b<ScalarLanes>(x));
    };
    auto pair = [&](__m128d x) {
        if (!kind)
            kind = first_kind(_mm_movemask_pd(K::template flag_a<SseLanes>(x)),
                              _mm_movemask_pd(K::template flag_b<SseLanes>(x)));
        return K::template eval<SseLanes>(x);
    };
    if constexpr (sizeof(D) == 8) {
        simd::sweep<2>(dst, len, scalar, [&](std::ptrdiff_t i) { _mm_storeu_pd(dst + i, pair(load2(src + i))); });
    } else {
        simd::sweep<4>(dst, len, scalar, [&](std::ptrdiff_t i) {
            const __m128 lo = _mm_cvtpd_ps(pair(load2(src + i)));
            const __m128 hi = _mm_cvtpd_ps(pair(load2(src + i + 2)));
            _mm_storeu_ps(dst + i, _mm_movelh_ps(lo, hi));
        });
    }
    return kind;
}

}  // namespace
}  // namespace veks

#endif
