// FM discriminator: the angle of conj(p) * c between consecutive complex
// 16-bit samples, by a rational arctangent in single precision, scaled to
// 32768 / pi per radian. Blocks of eight samples run the same operations in
// SSE registers (pmaddwd gives exactly the 32-bit wrapping products), so
// block and scalar samples agree to the bit.
#include <tmmintrin.h>

#include <cstdint>

#include "core/check.h"
#include "veks.h"

namespace veks {
namespace {

// atan(x) for x in [0, 1].
inline float atan_unit(float x) {
    const float t = x * x;
    const float num = 1.0f + t * (1.120234f + t * (0.28050455f + t * 0.008561189f));
    const float den = 1.0f + t * (1.4535671f + t * (0.565031f + t * 0.04901759f));
    return x * num / den;
}

inline Vek16s discriminate(std::int32_t pre, std::int32_t pim, std::int32_t cre, std::int32_t cim) {
    // 32-bit wrapping products: only +2^31 wraps, to 0x80000000.
    const std::uint32_t I = std::uint32_t(pre * cim) - std::uint32_t(pim * cre);
    const std::uint32_t R = std::uint32_t(pre * cre) + std::uint32_t(pim * cim);
    const std::int32_t si = static_cast<std::int32_t>(I);
    const bool r_wrapped = R == 0x80000000u;
    const std::int32_t sr = static_cast<std::int32_t>(R);
    const bool r_neg = !r_wrapped && sr < 0;
    const float a = si < 0 ? -static_cast<float>(si) : static_cast<float>(si);
    float b = r_wrapped ? 2147483648.0f : (sr < 0 ? -static_cast<float>(sr) : static_cast<float>(sr));
    float angle;
    if (a > b) {
        angle = 1.5707964f - atan_unit(b / a);
    } else {
        if (b == 0.0f) b = 1.0f;
        angle = atan_unit(a / b);
    }
    if (r_neg)
        angle = si >= 0 ? 3.1415927f - angle : angle - 3.1415927f;
    else if (si < 0)
        angle = -angle;
    const float v = angle * 10430.378f;
    if (v >= 0.0f) {
        const float r = v + 0.5f;
        return r >= 32767.0f ? Vek16s(32767) : static_cast<Vek16s>(static_cast<std::int32_t>(r));
    }
    return static_cast<Vek16s>(static_cast<std::int32_t>(v - 0.5f));
}

// Four samples: pairs (p.re, p.im) and (c.re, c.im) interleaved as 16-bit lanes.
inline __m128i discriminate4(__m128i p, __m128i c) {
    const __m128i zero = _mm_setzero_si128();
    const __m128i R = _mm_madd_epi16(p, c);
    // (c.im, 0) and (0, c.re) pick p.re * c.im and p.im * c.re apart.
    const __m128i cim0 = _mm_srli_epi32(c, 16);
    const __m128i cre1 = _mm_slli_epi32(c, 16);
    const __m128i I = _mm_sub_epi32(_mm_madd_epi16(p, cim0), _mm_madd_epi16(p, cre1));
    const __m128 sign = _mm_castsi128_ps(_mm_set1_epi32(int(0x80000000u)));
    // |float(R)|: the wrapped +2^31 converts to -2^31 and its magnitude is right.
    const __m128 a = _mm_andnot_ps(sign, _mm_cvtepi32_ps(I));
    const __m128 b = _mm_andnot_ps(sign, _mm_cvtepi32_ps(R));
    const __m128i r_min = _mm_cmpeq_epi32(R, _mm_set1_epi32(int(0x80000000u)));
    const __m128 r_neg = _mm_castsi128_ps(_mm_andnot_si128(r_min, _mm_cmplt_epi32(R, zero)));
    const __m128 i_neg = _mm_castsi128_ps(_mm_cmplt_epi32(I, zero));
    const __m128 one = _mm_set1_ps(1.0f);
    const __m128 swap = _mm_cmpgt_ps(a, b);
    // x = b / a when swapped, else a / b with a zero b read as 1.
    const __m128 b_zero = _mm_cmpeq_ps(b, _mm_setzero_ps());
    const __m128 b_den = _mm_or_ps(_mm_and_ps(b_zero, one), _mm_andnot_ps(b_zero, b));
    const __m128 num = _mm_or_ps(_mm_and_ps(swap, b), _mm_andnot_ps(swap, a));
    const __m128 den = _mm_or_ps(_mm_and_ps(swap, a), _mm_andnot_ps(swap, b_den));
    const __m128 x = _mm_div_ps(num, den);
    const __m128 t = _mm_mul_ps(x, x);
    auto poly = [t, one](float c1, float c2, float c3) {
        const __m128 inner = _mm_add_ps(_mm_set1_ps(c2), _mm_mul_ps(t, _mm_set1_ps(c3)));
        const __m128 mid = _mm_add_ps(_mm_set1_ps(c1), _mm_mul_ps(t, inner));
        return _mm_add_ps(one, _mm_mul_ps(t, mid));
    };
    const __m128 at = _mm_div_ps(_mm_mul_ps(x, poly(1.120234f, 0.28050455f, 0.008561189f)),
                                 poly(1.4535671f, 0.565031f, 0.04901759f));
    __m128 angle = _mm_or_ps(_mm_and_ps(swap, _mm_sub_ps(_mm_set1_ps(1.5707964f), at)), _mm_andnot_ps(swap, at));
    const __m128 pi = _mm_set1_ps(3.1415927f);
    const __m128 left = _mm_or_ps(_mm_and_ps(i_neg, _mm_sub_ps(angle, pi)), _mm_andnot_ps(i_neg, _mm_sub_ps(pi, angle)));
    const __m128 right = _mm_xor_ps(angle, _mm_and_ps(i_neg, sign));
    angle = _mm_or_ps(_mm_and_ps(r_neg, left), _mm_andnot_ps(r_neg, right));
    const __m128 v = _mm_mul_ps(angle, _mm_set1_ps(10430.378f));
    const __m128 nonneg = _mm_cmpge_ps(v, _mm_setzero_ps());
    const __m128 up = _mm_min_ps(_mm_add_ps(v, _mm_set1_ps(0.5f)), _mm_set1_ps(32767.0f));
    const __m128 down = _mm_sub_ps(v, _mm_set1_ps(0.5f));
    return _mm_cvttps_epi32(_mm_or_ps(_mm_and_ps(nonneg, up), _mm_andnot_ps(nonneg, down)));
}

}  // namespace
}  // namespace veks

using namespace veks;

VekStatus veksDemodulateFM_CToR_16s(const Vek16s* pSrcRe, const Vek16s* pSrcIm, Vek16s* pDst, int len,
                                    Vek16sc* pDlyPoint) {
    VEKS_CHECK(check_vec(len, pSrcRe, pSrcIm, pDst, pDlyPoint));
    std::int32_t pre = pDlyPoint->re, pim = pDlyPoint->im;
    int n = 0;
    // The blocks read inputs one sample back, so a destination that overlaps
    // an input takes the sample-by-sample path.
    auto apart = [len](const void* a, const void* b) {
        const auto x = reinterpret_cast<std::uintptr_t>(a), y = reinterpret_cast<std::uintptr_t>(b);
        const std::uintptr_t bytes = static_cast<std::uintptr_t>(len) * sizeof(Vek16s);
        return x + bytes <= y || y + bytes <= x;
    };
    if (len > 8 && apart(pDst, pSrcRe) && apart(pDst, pSrcIm)) {
        // Sample 0 pairs with the delay point; from sample 1 on, the previous
        // samples are the inputs one element back.
        pDst[0] = discriminate(pre, pim, pSrcRe[0], pSrcIm[0]);
        for (n = 1; n + 8 <= len; n += 8) {
            auto load = [](const Vek16s* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); };
            const __m128i cre = load(pSrcRe + n), cim = load(pSrcIm + n);
            const __m128i pr = load(pSrcRe + n - 1), pi = load(pSrcIm + n - 1);
            const __m128i lo = discriminate4(_mm_unpacklo_epi16(pr, pi), _mm_unpacklo_epi16(cre, cim));
            const __m128i hi = discriminate4(_mm_unpackhi_epi16(pr, pi), _mm_unpackhi_epi16(cre, cim));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(pDst + n), _mm_packs_epi32(lo, hi));
        }
        pre = pSrcRe[n - 1];
        pim = pSrcIm[n - 1];
    }
    for (; n < len; ++n) {
        const std::int32_t cre = pSrcRe[n], cim = pSrcIm[n];
        pDst[n] = discriminate(pre, pim, cre, cim);
        pre = cre;
        pim = cim;
    }
    pDlyPoint->re = static_cast<Vek16s>(pre);
    pDlyPoint->im = static_cast<Vek16s>(pim);
    return vekStsNoErr;
}
