// IEEE binary16 encode and decode. The scalar forms work on the bit
// patterns alone; the four-lane forms give the same bits.
#ifndef VEKS_VECTOR_HALF_FLOAT_H
#define VEKS_VECTOR_HALF_FLOAT_H

#include <emmintrin.h>

#include <cstdint>
#include <cstring>

namespace veks {
namespace half {

inline std::uint32_t bits_of(float f) {
    std::uint32_t b;
    std::memcpy(&b, &f, sizeof b);
    return b;
}
inline float float_of(std::uint32_t b) {
    float f;
    std::memcpy(&f, &b, sizeof f);
    return f;
}

// Exact: every binary16 value is a single value.
inline float to_float(std::uint16_t h) {
    const std::uint32_t sign = std::uint32_t(h & 0x8000u) << 16;
    const std::uint32_t exp = (h >> 10) & 0x1Fu;
    const std::uint32_t man = h & 0x3FFu;
    if (exp == 0x1F) return float_of(sign | 0x7F800000u | (man << 13));  // inf, NaN with its payload
    if (exp != 0) return float_of(sign | ((exp + 112) << 23) | (man << 13));
    // Zero or subnormal: man * 2^-24, exact in single.
    const float mag = float(man) * 5.9604644775390625e-8f;
    return float_of(sign | bits_of(mag));
}

// Rounds to binary16, to nearest even (`nearest`) or toward zero.
// Magnitudes of 65536 and more become infinity in both directions.
inline std::uint16_t from_float(float f, bool nearest) {
    const std::uint32_t b = bits_of(f);
    const std::uint16_t sign = std::uint16_t((b >> 16) & 0x8000u);
    const std::uint32_t a = b & 0x7FFFFFFFu;
    if (a > 0x7F800000u) return std::uint16_t(sign | 0x7E00u | ((a >> 13) & 0x3FFu));  // quiet NaN
    if (a >= 0x47800000u) return std::uint16_t(sign | 0x7C00u);                         // |f| >= 65536
    if (a >= 0x38800000u) {                                                             // normal half
        std::uint32_t h = (a - (112u << 23)) >> 13;
        const std::uint32_t rem = a & 0x1FFFu;
        if (nearest && (rem > 0x1000u || (rem == 0x1000u && (h & 1u)))) ++h;  // may carry to inf
        return std::uint16_t(sign | h);
    }
    const std::uint32_t e = a >> 23;
    if (e < 102) return sign;  // below 2^-25: rounds to zero either way
    const std::uint32_t m = (a & 0x7FFFFFu) | 0x800000u;
    const std::uint32_t shift = 126 - e;  // 14 .. 24
    std::uint32_t q = m >> shift;
    const std::uint32_t rem = m & ((1u << shift) - 1);
    const std::uint32_t halfway = 1u << (shift - 1);
    if (nearest && (rem > halfway || (rem == halfway && (q & 1u)))) ++q;  // may reach the smallest normal
    return std::uint16_t(sign | q);
}

// ---- four lanes at a time ----------------------------------------------------

// Four binary16 values (zero-extended in 32-bit lanes) to singles, exactly.
inline __m128 to_float4(__m128i h) {
    const __m128i em = _mm_and_si128(h, _mm_set1_epi32(0x7FFF));
    const __m128i sign = _mm_slli_epi32(_mm_and_si128(h, _mm_set1_epi32(0x8000)), 16);
    // Normal values: rebias the exponent; infinities and NaNs get a second
    // rebias that lifts exponent 31 to 255.
    __m128i bits = _mm_add_epi32(_mm_slli_epi32(em, 13), _mm_set1_epi32(112 << 23));
    const __m128i special = _mm_cmpgt_epi32(em, _mm_set1_epi32(0x7BFF));
    bits = _mm_add_epi32(bits, _mm_and_si128(special, _mm_set1_epi32(112 << 23)));
    // Zeros and subnormals: man * 2^-24, exact in single.
    const __m128i small = _mm_cmplt_epi32(em, _mm_set1_epi32(0x400));
    const __m128 sub = _mm_mul_ps(_mm_cvtepi32_ps(em), _mm_set1_ps(5.9604644775390625e-8f));
    bits = _mm_or_si128(_mm_andnot_si128(small, bits), _mm_and_si128(small, _mm_castps_si128(sub)));
    return _mm_castsi128_ps(_mm_or_si128(bits, sign));
}

// Four singles to binary16 without the sign bit, in 32-bit lanes. The
// subnormal range rounds by adding 0.5f, whose last place is the unit of
// the smallest subnormal half: the caller must have set the processor's
// rounding direction to the one wanted (nearest even or toward zero).
template <bool Nearest>
inline __m128i from_float4_magnitude(__m128 x) {
    const __m128i a = _mm_and_si128(_mm_castps_si128(x), _mm_set1_epi32(0x7FFFFFFF));
    __m128i normal = _mm_sub_epi32(a, _mm_set1_epi32(112 << 23));
    if (Nearest)
        normal = _mm_add_epi32(_mm_add_epi32(normal, _mm_set1_epi32(0xFFF)),
                               _mm_and_si128(_mm_srli_epi32(a, 13), _mm_set1_epi32(1)));
    normal = _mm_srli_epi32(normal, 13);
    const __m128 sub_f = _mm_add_ps(_mm_castsi128_ps(a), _mm_set1_ps(0.5f));
    const __m128i sub = _mm_sub_epi32(_mm_castps_si128(sub_f), _mm_set1_epi32(0x3F000000));
    const __m128i is_sub = _mm_cmplt_epi32(a, _mm_set1_epi32(0x38800000));
    __m128i h = _mm_or_si128(_mm_andnot_si128(is_sub, normal), _mm_and_si128(is_sub, sub));
    const __m128i big = _mm_cmpgt_epi32(a, _mm_set1_epi32(0x477FFFFF));  // 65536 and up, inf, NaN
    h = _mm_or_si128(_mm_andnot_si128(big, h), _mm_and_si128(big, _mm_set1_epi32(0x7C00)));
    const __m128i nan = _mm_cmpgt_epi32(a, _mm_set1_epi32(0x7F800000));
    const __m128i payload = _mm_or_si128(_mm_set1_epi32(0x7E00), _mm_and_si128(_mm_srli_epi32(a, 13), _mm_set1_epi32(0x3FF)));
    return _mm_or_si128(_mm_andnot_si128(nan, h), _mm_and_si128(nan, payload));
}

// Eight singles to eight binary16 words.
template <bool Nearest>
inline __m128i from_float8(__m128 lo, __m128 hi) {
    const __m128i m = _mm_packs_epi32(from_float4_magnitude<Nearest>(lo), from_float4_magnitude<Nearest>(hi));
    const __m128i s = _mm_packs_epi32(_mm_srai_epi32(_mm_castps_si128(lo), 31), _mm_srai_epi32(_mm_castps_si128(hi), 31));
    return _mm_or_si128(m, _mm_and_si128(s, _mm_set1_epi16(-32768)));
}

}  // namespace half
}  // namespace veks

#endif
