// Scaling rules of the integer reductions that compute their result in
// double or in wide integers.
#ifndef VEKS_STATS_INT_SCALE_H
#define VEKS_STATS_INT_SCALE_H

#include <cmath>
#include <cstdint>
#include <limits>

#include "core/scale.h"

namespace veks {

// x * 2^-sf clamped to [lo, hi], then rounded to nearest even (the
// processor's default rounding).
template <class T>
T clamp_round(double x, int sf) {
    const int e = sf > 4000 ? -4000 : sf < -4000 ? 4000 : -sf;  // far past any double range
    double v = std::ldexp(x, e);
    constexpr double lo = double(std::numeric_limits<T>::lowest()), hi = double(std::numeric_limits<T>::max());
    if (v < lo) v = lo;
    if (v > hi) v = hi;
    return static_cast<T>(std::nearbyint(v));
}

// Rounded to nearest even first, then saturated to T.
template <class T>
T round_saturate(double v) {
    return saturate<T>(std::nearbyint(v));
}

// Exact integer n / d (d > 0) rounded to nearest, ties to even, on the
// magnitude with the sign restored.
inline __int128 div_round_even(__int128 n, __int128 d) {
    const bool neg = n < 0;
    const __int128 a = neg ? -n : n;
    __int128 q = a / d;
    const __int128 r = a - q * d;
    if (2 * r > d || (2 * r == d && (q & 1))) ++q;
    return neg ? -q : q;
}

}  // namespace veks

#endif
