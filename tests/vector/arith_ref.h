// Exact references for scaled integer results: the wide value r is scaled
// by 2^-sf with a floor division and an explicit half-way test (ties to
// even), then clamped; independent of the library's shift formulas.
#ifndef VEKS_TEST_ARITH_REF_H
#define VEKS_TEST_ARITH_REF_H

#include <cstdint>
#include <cstring>
#include <type_traits>
#include <limits>
#include <vector>

#include "test_util.h"

namespace ref {

using i128 = __int128;

template <class T>
T clamp(i128 r) {
    if (r > i128(std::numeric_limits<T>::max())) return std::numeric_limits<T>::max();
    if (r < i128(std::numeric_limits<T>::lowest())) return std::numeric_limits<T>::lowest();
    return T(r);
}

// round_half_even(r / 2^sf) for sf >= 1, |r| < 2^126.
inline i128 div_pow2(i128 r, int sf) {
    if (sf >= 127) return 0;
    const i128 d = i128(1) << sf;
    i128 q = r / d, m = r % d;
    if (m < 0) {
        m += d;
        q -= 1;
    }
    const i128 twice = 2 * m;
    if (twice > d || (twice == d && (q & 1))) ++q;
    return q;
}

template <class T>
T scaled(i128 r, int sf) {
    if (sf > 0) return clamp<T>(div_pow2(r, sf));
    if (sf == 0 || r == 0) return clamp<T>(r);
    const int s = -sf;
    const i128 a = r < 0 ? -r : r;
    if (s >= 100 || a > (i128(1) << (126 - s))) return r > 0 ? std::numeric_limits<T>::max() : std::numeric_limits<T>::lowest();
    return clamp<T>(r * (i128(1) << s));
}

// Random values with the type's limits, 0 and +-1 mixed in.
template <class T>
std::vector<T> data(std::size_t n, std::uint64_t seed);

// Complex elements: parts drawn like real values.
template <class T>
std::vector<T> cdata(std::size_t n, std::uint64_t seed) {
    using P = decltype(T::re);
    const std::vector<P> parts = data<P>(2 * n, seed);
    std::vector<T> v(n);
    std::memcpy(v.data(), parts.data(), n * sizeof(T));
    return v;
}

template <class T>
std::vector<T> data(std::size_t n, std::uint64_t seed) {
    if constexpr (std::is_class_v<T>) return cdata<T>(n, seed);
    else {
    vt::Rng rng(seed);
    std::vector<T> v(n);
    const T special[] = {std::numeric_limits<T>::max(), std::numeric_limits<T>::lowest(), T(0), T(1), T(T(0) - T(1)),
                         T(2), T(3)};
    for (std::size_t i = 0; i < n; ++i) {
        const auto r = rng.raw();
        v[i] = (r & 3) == 0 ? special[(r >> 8) % 7] : (r & 3) == 1 ? T(static_cast<int>(r >> 16) % 9) : T(r >> 5);
    }
    return v;
    }
}

// Scale factors across every path: both thresholds, 0, 1, 2 and far out.
inline std::vector<int> scale_factors(int zero_above, int bound_at) {
    std::vector<int> s{0, 1, 2, 3, -1, -2, 1000, -1000, 200, -200, 70, -70};
    for (int d = -2; d <= 2; ++d) {
        s.push_back(zero_above + d);
        s.push_back(bound_at + d);
    }
    for (int f = bound_at; f <= zero_above; f += 5) s.push_back(f);
    return s;
}

inline const std::vector<int>& lengths() {
    static const std::vector<int> l{1, 2, 7, 8, 15, 16, 17, 23, 31, 32, 33, 47, 64, 67, 130};
    return l;
}

}  // namespace ref

#endif
