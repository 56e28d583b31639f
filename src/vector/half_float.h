// IEEE binary16 encode and decode on the bit patterns, so the results do
// not depend on the processor's rounding state.
#ifndef VEKS_VECTOR_HALF_FLOAT_H
#define VEKS_VECTOR_HALF_FLOAT_H

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

}  // namespace half
}  // namespace veks

#endif
