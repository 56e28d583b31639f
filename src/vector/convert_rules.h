// Element rules of the conversions: one scalar function per kind of
// conversion. The vector kernels reproduce these bit for bit, and the
// scalar heads and tails call them directly.
//
// Float-to-integer rules that round through the processor's conversion
// instruction expect the caller to have set the rounding direction
// (FpEnvGuard) for the whole call.
#ifndef VEKS_VECTOR_CONVERT_RULES_H
#define VEKS_VECTOR_CONVERT_RULES_H

#include <emmintrin.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "core/fpenv.h"

namespace veks {
namespace conv {

enum class Rnd { Zero, Near, Fin };

// rndMode argument: 0 truncates, 1 rounds half to even, anything else
// rounds half away from zero.
inline Rnd rnd_of(int mode) { return mode == 0 ? Rnd::Zero : mode == 1 ? Rnd::Near : Rnd::Fin; }

inline int clamp_sf(int sf, int lo, int hi) { return sf < lo ? lo : sf > hi ? hi : sf; }

// Destination range of an integer result, as 64-bit bounds (24-bit
// destinations have no C++ type of their own).
struct Range {
    std::int64_t lo, hi;
};
template <class D>
constexpr Range range_of() {
    return {std::numeric_limits<D>::lowest(), std::numeric_limits<D>::max()};
}
constexpr Range kRangeS24{-8388608, 8388607};
constexpr Range kRangeU24{0, 16777215};

inline std::int64_t clamp64(std::int64_t v, Range r) { return v < r.lo ? r.lo : v > r.hi ? r.hi : v; }

// ---- integer to narrower integer ---------------------------------------

// x * 2^-sf rounded by `mode` on the magnitude, saturated to `r`.
inline std::int64_t scale_int(std::int64_t x, int sf, Rnd mode, Range r) {
    if (sf == 0) return clamp64(x, r);
    if (sf < 0) {
        if (x == 0) return 0;
        const int up = -sf;
        const __int128 big = __int128(1) << 64;  // beyond every range
        const __int128 a = x < 0 ? -__int128(x) : __int128(x);
        const __int128 v = up >= 64 || a >= (big >> up) ? big : a << up;
        if (x < 0) return -v < r.lo ? r.lo : std::int64_t(-v);
        return v > r.hi ? r.hi : std::int64_t(v);
    }
    if (sf >= 100) return 0;  // every magnitude below 2^64 rounds to 0
    using U = unsigned __int128;
    U a = x < 0 ? U(0) - U(__int128(x)) : U(x);
    const U half = U(1) << (sf - 1);
    switch (mode) {
        case Rnd::Zero: a >>= sf; break;
        case Rnd::Near: a = (a + half - 1 + ((a >> sf) & 1)) >> sf; break;
        case Rnd::Fin: a = (a + half) >> sf; break;
    }
    if (x < 0) return a > U(-r.lo) ? r.lo : -std::int64_t(a);
    return a > U(r.hi) ? r.hi : std::int64_t(a);
}

// ---- scale multipliers ---------------------------------------------------

// 2^-sf as a single whose exponent field is 127 - sf: a field at or below
// 0 gives 0, at or above 255 gives infinity.
inline float field_scale_32f(int sf) {
    const int field = 127 - clamp_sf(sf, -200, 200);
    const std::uint32_t bits = field <= 0 ? 0u : field >= 255 ? 0x7F800000u : std::uint32_t(field) << 23;
    float f;
    std::memcpy(&f, &bits, sizeof f);
    return f;
}

inline double field_scale_64f(int sf) {
    const int field = 1023 - clamp_sf(sf, -2100, 2100);
    const std::uint64_t bits = field <= 0 ? 0u : field >= 2047 ? 0x7FF0000000000000ull : std::uint64_t(field) << 52;
    double d;
    std::memcpy(&d, &bits, sizeof d);
    return d;
}

// 2^-sf reached by |sf| halvings or doublings of 1.0 in the type's own
// precision, so large positive sf pass through the subnormals to 0.
template <class F>
F repeated_scale(int sf) {
    const int steps = sf < 0 ? -sf : sf;
    const int enough = sizeof(F) == 4 ? 300 : 2200;  // the value is 0 or inf by then
    const F step = sf < 0 ? F(2) : F(0.5);
    F m = 1;
    for (int i = 0; i < steps && i < enough; ++i) m *= step;
    return m;
}

// ---- float to integer ----------------------------------------------------

inline std::int32_t cvt_mxcsr(float v) { return _mm_cvtss_si32(_mm_set_ss(v)); }
inline std::int32_t cvt_mxcsr(double v) { return _mm_cvtsd_si32(_mm_set_sd(v)); }

// The largest value of the source type that does not exceed r.hi.
template <class F>
constexpr F upper_cap(Range r) {
    if constexpr (sizeof(F) == 4) return r.hi == 2147483647 ? 2147483520.0f : F(r.hi);
    return F(r.hi);
}

// Modes Zero and Near, with the rounding direction set by the caller:
// v above the cap gives the maximum; NaN and large negative values come
// out of the conversion as INT32_MIN and saturate to the minimum.
template <class F>
inline std::int64_t to_int_mxcsr(F v, Range r) {
    if (v > upper_cap<F>(r)) return r.hi;
    return clamp64(cvt_mxcsr(v), r);
}

// Mode Fin: clamp to the cap (NaN too), add one half to the magnitude in
// the source precision, truncate, restore the sign.
template <class F>
inline std::int64_t to_int_fin(F v, Range r) {
    const F cap = upper_cap<F>(r);
    if (!(v <= cap)) v = cap;
    const F t = std::trunc(std::fabs(v) + F(0.5));
    if (!std::signbit(v)) return std::int64_t(t);
    return t >= -F(r.lo) ? r.lo : -std::int64_t(t);
}

// The 64-bit destination: exact multiplier, explicit rounding.
inline std::int64_t to_int64(double x, double mul, double overflow_at, Rnd mode) {
    constexpr std::int64_t lo = std::numeric_limits<std::int64_t>::lowest();
    constexpr std::int64_t hi = std::numeric_limits<std::int64_t>::max();
    if (x != x) return lo;
    if (x == 0) return 0;
    if (std::fabs(x) >= overflow_at) return x > 0 ? hi : lo;
    const double v = x * mul;
    if (std::fabs(v) >= 9223372036854775808.0) return v > 0 ? hi : lo;
    double t = std::trunc(v);
    switch (mode) {
        case Rnd::Zero: break;
        case Rnd::Near: {
            const double frac = std::fabs(v - t);
            const bool odd = std::fmod(t, 2.0) != 0;
            if (frac > 0.5 || (frac == 0.5 && odd)) t += v > 0 ? 1.0 : -1.0;
            break;
        }
        case Rnd::Fin: t = std::trunc(v > 0 ? v + 0.5 : v - 0.5); break;
    }
    if (t >= 9223372036854775808.0) return hi;
    return std::int64_t(t);
}

}  // namespace conv
}  // namespace veks

#endif
