// Vector kernels of the hot conversions. Each block function handles 16
// elements and gives the bits of the matching scalar rule in
// convert_rules.h; `convert_sweep` runs the scalar rule on the unaligned
// head and the tail.
#ifndef VEKS_VECTOR_CONVERT_KERNELS_H
#define VEKS_VECTOR_CONVERT_KERNELS_H

#include <tmmintrin.h>

#include <cstdint>
#include <type_traits>

#include "convert_rules.h"
#include "core/simd.h"

namespace veks {
namespace conv {

template <class S, class D, class Scalar, class Block>
inline void convert_sweep(const S* src, D* dst, int len, Scalar&& scalar, Block&& block) {
    simd::sweep<16>(
        dst, len, [&](std::ptrdiff_t i) { dst[i] = scalar(src[i]); },
        [&](std::ptrdiff_t i) { block(src + i, dst + i); });
}

// A plain loop for conversions the compiler vectorises on its own with
// the same instructions as the scalar form.
template <class S, class D, class Scalar>
inline void convert_loop(const S* src, D* dst, int len, Scalar&& scalar) {
    for (int i = 0; i < len; ++i) dst[i] = scalar(src[i]);
}

inline __m128i loadu_i(const void* p) { return _mm_loadu_si128(static_cast<const __m128i*>(p)); }
inline void storeu_i(void* p, __m128i v) { _mm_storeu_si128(static_cast<__m128i*>(p), v); }

// ---- integer to single ---------------------------------------------------

// Stores 8 int16 lanes as floats, times `m` when Scaled.
template <bool Scaled>
inline void store_16s_as_32f(__m128i x, float* d, __m128 m) {
    __m128 lo = _mm_cvtepi32_ps(_mm_srai_epi32(_mm_unpacklo_epi16(x, x), 16));
    __m128 hi = _mm_cvtepi32_ps(_mm_srai_epi32(_mm_unpackhi_epi16(x, x), 16));
    if (Scaled) {
        lo = _mm_mul_ps(lo, m);
        hi = _mm_mul_ps(hi, m);
    }
    _mm_storeu_ps(d, lo);
    _mm_storeu_ps(d + 4, hi);
}

template <bool Scaled>
struct Block16s32f {
    __m128 m;
    void operator()(const std::int16_t* s, float* d) const {
        store_16s_as_32f<Scaled>(loadu_i(s), d, m);
        store_16s_as_32f<Scaled>(loadu_i(s + 8), d + 8, m);
    }
};

struct Block8u32f {
    void operator()(const std::uint8_t* s, float* d) const {
        const __m128i z = _mm_setzero_si128();
        const __m128i x = loadu_i(s);
        const __m128i w0 = _mm_unpacklo_epi8(x, z), w1 = _mm_unpackhi_epi8(x, z);
        _mm_storeu_ps(d, _mm_cvtepi32_ps(_mm_unpacklo_epi16(w0, z)));
        _mm_storeu_ps(d + 4, _mm_cvtepi32_ps(_mm_unpackhi_epi16(w0, z)));
        _mm_storeu_ps(d + 8, _mm_cvtepi32_ps(_mm_unpacklo_epi16(w1, z)));
        _mm_storeu_ps(d + 12, _mm_cvtepi32_ps(_mm_unpackhi_epi16(w1, z)));
    }
};

struct Block8s32f {
    void operator()(const std::int8_t* s, float* d) const {
        const __m128i x = loadu_i(s);
        // Each byte doubled into a 16-bit lane, then shifted down with sign.
        const __m128i w0 = _mm_srai_epi16(_mm_unpacklo_epi8(x, x), 8);
        const __m128i w1 = _mm_srai_epi16(_mm_unpackhi_epi8(x, x), 8);
        store_16s_as_32f<false>(w0, d, _mm_setzero_ps());
        store_16s_as_32f<false>(w1, d + 8, _mm_setzero_ps());
    }
};

// ---- single to integer ---------------------------------------------------

// 16 singles to D under the rounding direction the caller set (Zero,
// Near) or with the half added to the magnitude (Fin). Only the final
// packing differs between destination types.
template <class D, Rnd Mode, bool Scaled>
struct Block32fInt {
    __m128 m;  // scale multiplier
    __m128 lo, hi, cap;

    Block32fInt(float mul, Range r)
        : m(_mm_set1_ps(mul)), lo(_mm_set1_ps(float(r.lo))), hi(_mm_set1_ps(float(r.hi))),
          cap(_mm_set1_ps(upper_cap<float>(r))) {}

    __m128i one(const float* s) const {
        __m128 v = _mm_loadu_ps(s);
        if (Scaled) v = _mm_mul_ps(v, m);
        if constexpr (Mode == Rnd::Fin) {
            v = _mm_min_ps(v, cap);  // NaN takes the cap (second operand)
            v = _mm_max_ps(v, _mm_sub_ps(lo, _mm_set1_ps(1.0f)));
            const __m128i sign = _mm_srai_epi32(_mm_castps_si128(v), 31);
            const __m128 a = _mm_add_ps(_mm_andnot_ps(_mm_set1_ps(-0.0f), v), _mm_set1_ps(0.5f));
            const __m128i t = _mm_cvttps_epi32(a);
            return _mm_sub_epi32(_mm_xor_si128(t, sign), sign);
        } else if constexpr (std::is_same_v<D, std::int32_t>) {
            const __m128i over = _mm_castps_si128(_mm_cmpgt_ps(v, cap));
            return _mm_xor_si128(_mm_cvtps_epi32(v), over);  // 0x80000000 -> 0x7FFFFFFF
        } else {
            v = _mm_min_ps(_mm_max_ps(v, lo), hi);  // NaN takes the minimum
            return _mm_cvtps_epi32(v);
        }
    }

    void operator()(const float* s, D* d) const {
        const __m128i a = one(s), b = one(s + 4), c = one(s + 8), e = one(s + 12);
        if constexpr (std::is_same_v<D, std::int32_t>) {
            storeu_i(d, a);
            storeu_i(d + 4, b);
            storeu_i(d + 8, c);
            storeu_i(d + 12, e);
        } else if constexpr (std::is_same_v<D, std::int16_t>) {
            storeu_i(d, _mm_packs_epi32(a, b));
            storeu_i(d + 8, _mm_packs_epi32(c, e));
        } else if constexpr (std::is_same_v<D, std::uint16_t>) {
            storeu_i(d, pack_u16(a, b));
            storeu_i(d + 8, pack_u16(c, e));
        } else if constexpr (std::is_same_v<D, std::uint8_t>) {
            storeu_i(d, _mm_packus_epi16(_mm_packs_epi32(a, b), _mm_packs_epi32(c, e)));
        } else {
            storeu_i(d, _mm_packs_epi16(_mm_packs_epi32(a, b), _mm_packs_epi32(c, e)));
        }
    }

    // Unsigned 16-bit saturation without SSE4.1: shift into the signed
    // range, pack with signed saturation, shift back. Lanes already lie
    // above INT32_MIN + 32768 here (clamped in float first).
    static __m128i pack_u16(__m128i a, __m128i b) {
        const __m128i bias = _mm_set1_epi32(32768);
        const __m128i p = _mm_packs_epi32(_mm_sub_epi32(a, bias), _mm_sub_epi32(b, bias));
        return _mm_xor_si128(p, _mm_set1_epi16(-32768));
    }
};

}  // namespace conv
}  // namespace veks

#endif
