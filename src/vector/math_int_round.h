// Exactly rounded integer results of roots and exponentials, for the
// integer forms whose values cannot be decided in double precision.
#ifndef VEKS_VECTOR_MATH_INT_ROUND_H
#define VEKS_VECTOR_MATH_INT_ROUND_H

#include <cmath>
#include <cstdint>

#include "math_exp_table.h"

namespace veks {

// Nearest integer, ties to even, to x^(1/k) * 2^-sf for k = 2 or 3,
// clamped to maxv. The estimate comes from long double; the decision
// compares (2r +- 1)^k with 2^k x exactly in 128-bit integers.
inline std::uint64_t root_scaled(std::uint64_t x, int k, int sf, std::uint64_t maxv) {
    using u128 = unsigned __int128;
    if (x == 0 || sf > 70) return 0;
    if (sf < -70) return maxv;
    const int up = sf < 0 ? -sf : 0;   // extra factor 2^(k * up) on x
    const int down = sf > 0 ? sf : 0;  // extra factor 2^(k * down) on the half points
    const int xbits = 64 - __builtin_clzll(x);
    if (xbits + k + k * up > 128) return maxv;  // (2 root)^k >= 2^128: root >= 2^42
    const u128 lhs = u128(x) << (k + k * up);
    // Sign of h^k * 2^(k*down) - lhs; an overflowing product is larger.
    auto cmp = [&](u128 h) -> int {
        u128 p = 1;
        for (int i = 0; i < k; ++i)
            if (__builtin_mul_overflow(p, h, &p)) return 1;
        const int shift = k * down;
        if (shift >= 128 || (shift > 0 && (p >> (128 - shift)) != 0)) return 1;
        p <<= shift;
        return p < lhs ? -1 : p > lhs ? 1 : 0;
    };
    const long double root = k == 2 ? sqrtl(static_cast<long double>(x)) : cbrtl(static_cast<long double>(x));
    const long double est = ldexpl(root, -sf);
    if (est >= static_cast<long double>(maxv) + 2.0L) return maxv;
    std::uint64_t r = static_cast<std::uint64_t>(est + 0.5L);
    while (r > 0 && cmp(2 * u128(r) - 1) > 0) --r;
    while (r < maxv && cmp(2 * u128(r) + 1) < 0) ++r;
    if (r < maxv && (r & 1) && cmp(2 * u128(r) + 1) == 0) ++r;
    if (r > 0 && (r & 1) && cmp(2 * u128(r) - 1) == 0) --r;
    return r < maxv ? r : maxv;
}

// e^x * 2^-sf rounded half up and clamped to [0, maxv]. Exact for
// |sf| <= 64 through the two-part table; beyond it the product is formed in
// double precision, plus one half, truncated.
inline std::int64_t exp_scaled(std::int64_t x, int sf, std::int64_t maxv) {
    if (sf < -64 || sf > 64) {
        const double v = std::exp(static_cast<double>(x)) * std::ldexp(1.0, -sf);
        if (!(v < static_cast<double>(maxv))) return v != v ? 0 : maxv;
        return static_cast<std::int64_t>(v + 0.5);
    }
    if (x < kExpTableMin) return 0;  // below 0.004 for every sf >= -64
    if (x > kExpTableMax) return maxv;
    const double hi = std::ldexp(kExpTable[x - kExpTableMin][0], -sf);
    const double lo = std::ldexp(kExpTable[x - kExpTableMin][1], -sf);
    if (hi >= 0x1p63) return maxv;
    __int128 r;
    if (hi < 0x1p52) {
        // hi + 0.5 is exact; lo can only matter when that sum is an integer.
        const double a = hi + 0.5;
        const double f = std::floor(a);
        r = static_cast<__int128>(f) - (a == f && lo < 0 ? 1 : 0);
    } else {
        // hi is an integer and lo + 0.5 is exact.
        r = static_cast<__int128>(hi) + static_cast<__int128>(std::floor(lo + 0.5));
    }
    return r > maxv ? maxv : static_cast<std::int64_t>(r);
}

}  // namespace veks

#endif
