// Integer scaling of `_Sfs` results: r * 2^-scaleFactor, rounded to nearest
// with ties to even, then saturated to the destination type.
#ifndef VEKS_CORE_SCALE_H
#define VEKS_CORE_SCALE_H

#include <cstdint>
#include <cstring>
#include <limits>
#include <type_traits>

namespace veks {

// Clamp a wide value into T's range.
template <class T, class W>
constexpr T saturate(W r) {
    using L = std::numeric_limits<T>;
    if constexpr (std::is_floating_point_v<W>) {
        if (!(r >= W(L::lowest()))) return r != r ? T(0) : L::lowest();  // NaN -> 0
        if (r >= W(L::max())) return L::max();
        return T(r);
    } else {
        if (r < W(L::lowest())) return L::lowest();
        if (r > W(L::max())) return L::max();
        return T(r);
    }
}

// Arithmetic right shift by sf >= 1 with round-half-to-even:
// (r + 2^(sf-1) - 1 + ((r >> sf) & 1)) >> sf. W must hold r + 2^(sf-1).
template <class W>
constexpr W shift_round_even(W r, int sf) {
    return (r + (W(1) << (sf - 1)) - 1 + ((r >> sf) & 1)) >> sf;
}

// The sf = 1 special form: (r + ((r >> 1) & 1)) >> 1.
template <class W>
constexpr W shift_round_even_1(W r) {
    return (r + ((r >> 1) & 1)) >> 1;
}

// Full reference rule for any scale factor, on a wide exact result r.
// Used by the generic paths; hot kernels pick a specialised path per call.
template <class T>
constexpr T scale_exact(__int128 r, int sf) {
    if (sf > 0) {
        if (sf >= 126) return T(0);  // |r| < 2^125 always rounds to 0
        return saturate<T>(shift_round_even<__int128>(r, sf));
    }
    if (sf < 0) {
        if (r == 0) return T(0);
        if (sf <= -64) return r > 0 ? std::numeric_limits<T>::max() : std::numeric_limits<T>::lowest();
        const __int128 lim = __int128(1) << 64;
        const __int128 a = r < 0 ? -r : r;
        if (a >= (lim >> -sf)) return r > 0 ? std::numeric_limits<T>::max() : std::numeric_limits<T>::lowest();
        return saturate<T>(r * (__int128(1) << -sf));
    }
    return saturate<T>(r);
}

// The single-precision factor 2^-sf built directly from its bits: exact for
// sf in [-127, 126], no range check (callers clamp where their family says).
inline float float_scale(int sf) {
    const std::uint32_t bits = 0x3F800000u - (static_cast<std::uint32_t>(sf) << 23);
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

// The double factor 2^-sf, exact for sf in [-1022, 1023].
inline double double_scale(int sf) {
    const std::uint64_t bits = 0x3FF0000000000000ull - (static_cast<std::uint64_t>(static_cast<std::int64_t>(sf)) << 52);
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

// Which kernel a scale factor selects, given the family's thresholds: every
// result rounds to 0 above `zero_above`; every non-zero result saturates at
// or below `bound_at`.
enum class ScalePath { Plain, One, Pos, Zero, Neg, Bound };

constexpr ScalePath scale_path(int sf, int zero_above, int bound_at) {
    if (sf == 0) return ScalePath::Plain;
    if (sf == 1) return ScalePath::One;
    if (sf > zero_above) return ScalePath::Zero;
    if (sf > 0) return ScalePath::Pos;
    if (sf <= bound_at) return ScalePath::Bound;
    return ScalePath::Neg;
}

}  // namespace veks

#endif
