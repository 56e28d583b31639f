// Exact scaled integer quotients: round(x * 2^-sf / d) with a chosen
// rounding, saturated to T. Works on magnitudes; the shifted dividend
// stays in 64 bits when it can and falls back to 128-bit long division
// otherwise, so every scale factor gives the exact result.
#ifndef VEKS_CORE_EXACT_DIV_H
#define VEKS_CORE_EXACT_DIV_H

#include <cstdint>
#include <limits>

namespace veks {

enum class DivRound { Zero, NearEven, NearAway };

namespace detail {

using u128 = unsigned __int128;

template <class U>
inline U bump(U q, U r, U b, DivRound mode) {
    if (mode == DivRound::Zero) return q;
    const U rest = b - r;  // compares 2r with b without overflow
    return (r > rest || (r == rest && (mode == DivRound::NearAway || (q & 1)))) ? q + 1 : q;
}

}  // namespace detail

// x, d: exact integers below 2^64 in magnitude; d != 0.
template <class T>
T exact_quotient(__int128 x, __int128 d, int sf, DivRound mode) {
    using detail::u128;
    if (x == 0) return T(0);
    const bool neg = (x < 0) != (d < 0);
    u128 a = x < 0 ? u128(-x) : u128(x), b = d < 0 ? u128(-d) : u128(d);
    constexpr u128 sat = u128(1) << 65;  // above every T's magnitude
    u128 q;
    if (sf > 0) {
        if (sf > 64) return T(0);  // |quotient| < 1/2
        b <<= sf;
        q = detail::bump(a / b, a % b, b, mode);
    } else {
        const int s = -sf;
        if (s <= 63) {
            a <<= s;
            if (a < (u128(1) << 64) && b < (u128(1) << 32)) {  // the common case, in 64 bits
                const std::uint64_t a64 = std::uint64_t(a), b64 = std::uint64_t(b);
                q = detail::bump<std::uint64_t>(a64 / b64, a64 % b64, b64, mode);
            } else {
                q = detail::bump(a / b, a % b, b, mode);
            }
        } else if (s > 130) {
            q = sat;
        } else {
            // Long division one bit at a time past 2^63.
            a <<= 63;
            q = a / b;
            u128 r = a % b;
            for (int k = 63; k < s && q < sat; ++k) {
                r <<= 1;
                q = (q << 1) | (r >= b ? 1 : 0);
                if (r >= b) r -= b;
            }
            if (q < sat) q = detail::bump(q, r, b, mode);
        }
    }
    using L = std::numeric_limits<T>;
    if (neg) return q > u128(-(__int128(L::lowest()))) ? L::lowest() : T(-__int128(q));
    return q > u128(L::max()) ? L::max() : T(q);
}

// The value of a zero divisor: the type's maximum for a positive dividend,
// its minimum for a negative one (0 when unsigned), 0 for a zero dividend.
template <class T>
T divide_by_zero(__int128 x) {
    using L = std::numeric_limits<T>;
    return x > 0 ? L::max() : x < 0 ? (L::is_signed ? L::lowest() : L::max()) : T(0);
}

}  // namespace veks

#endif
