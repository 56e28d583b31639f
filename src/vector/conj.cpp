// Exported conjugates and reversed conjugates of complex vectors.
#include <cstdint>

#include "core/check.h"
#include "core/simd.h"
#include "veks.h"

namespace veks {
namespace {

// -(-32768) saturates to 32767.
inline std::int16_t neg_sat(std::int16_t v) { return v == -32768 ? 32767 : static_cast<std::int16_t>(-v); }

inline Vek16sc conj1(Vek16sc z) { return Vek16sc{z.re, neg_sat(z.im)}; }
inline Vek32fc conj1(Vek32fc z) { return Vek32fc{z.re, -z.im}; }
inline Vek64fc conj1(Vek64fc z) { return Vek64fc{z.re, -z.im}; }

// The imaginary lanes of one 16-byte block negated.
inline __m128i conj_block(__m128i v, Vek16sc) {
    const __m128i im = _mm_set1_epi32(static_cast<int>(0xFFFF0000u));
    return _mm_or_si128(_mm_andnot_si128(im, v), _mm_and_si128(im, _mm_subs_epi16(_mm_setzero_si128(), v)));
}
inline __m128i conj_block(__m128i v, Vek32fc) { return _mm_xor_si128(v, _mm_set1_epi64x(0x8000000000000000ll)); }
inline __m128i conj_block(__m128i v, Vek64fc) { return _mm_xor_si128(v, _mm_set_epi64x(0x8000000000000000ll, 0)); }

template <class C>
VekStatus conj(const C* src, C* dst, int len) {
    VEKS_CHECK(check_vec(len, src, dst));
    constexpr int per_block = 16 / sizeof(C);
    simd::sweep<per_block>(
        dst, len, [&](std::ptrdiff_t i) { dst[i] = conj1(src[i]); },
        [&](std::ptrdiff_t i) {
            const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(src + i));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), conj_block(v, C{}));
        });
    return vekStsNoErr;
}

template <class C>
VekStatus conj_flip(const C* src, C* dst, int len) {
    VEKS_CHECK(check_vec(len, src, dst));
    for (int i = 0; i < len; ++i) dst[i] = conj1(src[len - 1 - i]);
    return vekStsNoErr;
}

}  // namespace
}  // namespace veks

using namespace veks;

#define VEKS_CONJ(code, C)                                                                          \
    VekStatus veksConj_##code(const C* pSrc, C* pDst, int len) { return conj(pSrc, pDst, len); }   \
    VekStatus veksConj_##code##_I(C* pSrcDst, int len) { return conj(pSrcDst, pSrcDst, len); }     \
    VekStatus veksConjFlip_##code(const C* pSrc, C* pDst, int len) { return conj_flip(pSrc, pDst, len); }

VEKS_CONJ(16sc, Vek16sc)
VEKS_CONJ(32fc, Vek32fc)
VEKS_CONJ(64fc, Vek64fc)
