// Extreme searches written once over the element type, a value map
// (identity or saturated magnitude) and the direction.
//
// Values are reduced block by block; the index result is the first
// position, in the earliest block holding the extreme, whose mapped value
// equals it, which is exactly what a strict first-occurrence scan gives.
#ifndef VEKS_STATS_EXTREMES_SCAN_H
#define VEKS_STATS_EXTREMES_SCAN_H

#include <cstddef>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "core/simd.h"

namespace veks {

struct Identity {
    template <class T>
    T operator()(T x) const { return x; }
};

// |x| saturated to the type: |-32768| = 32767, |-2^31| = 2^31 - 1.
struct SatAbs {
    template <class T>
    T operator()(T x) const {
        if (x == std::numeric_limits<T>::lowest()) return std::numeric_limits<T>::max();
        return x < 0 ? T(-x) : x;
    }
};

template <bool Max, class V>
inline bool better(V a, V b) { return Max ? a > b : a < b; }

// Extreme of map(p[i]) over n >= 1 elements. Floats use packet max/min
// over four independent accumulators; integers a plain loop, which the
// compiler vectorises.
template <bool Max, class T, class Map>
auto extreme_value(const T* p, std::size_t n, Map map) {
    using V = decltype(map(p[0]));
    std::size_t i = 0;
    V best = map(p[0]);
    if constexpr (std::is_floating_point_v<T> && std::is_same_v<Map, Identity>) {
        using P = simd::Packet<T>;
        constexpr std::size_t L = P::lanes;
        if (n >= 8 * L) {
            auto op = [](typename P::V x, typename P::V acc) { return Max ? P::max(x, acc) : P::min(x, acc); };
            typename P::V a0 = P::loadu(p), a1 = P::loadu(p + L), a2 = P::loadu(p + 2 * L),
                          a3 = P::loadu(p + 3 * L);
            for (i = 4 * L; i + 4 * L <= n; i += 4 * L) {
                a0 = op(P::loadu(p + i), a0);
                a1 = op(P::loadu(p + i + L), a1);
                a2 = op(P::loadu(p + i + 2 * L), a2);
                a3 = op(P::loadu(p + i + 3 * L), a3);
            }
            a0 = op(a1, a0);
            a2 = op(a3, a2);
            a0 = op(a2, a0);
            alignas(16) T lanes[L];
            P::store(lanes, a0);
            best = lanes[0];
            for (std::size_t k = 1; k < L; ++k)
                if (better<Max>(lanes[k], best)) best = lanes[k];
        }
    }
    for (; i < n; ++i) {
        const V v = map(p[i]);
        if (better<Max>(v, best)) best = v;
    }
    return best;
}

// Whether any of the kRun values at p equals v (an ordered compare, as ==
// is: -0 equals +0, a NaN equals nothing).
constexpr int kRun = 16;
inline bool any_equal_run(const float* p, float v) {
    const __m128 x = _mm_set1_ps(v);
    const __m128 m = _mm_or_ps(_mm_or_ps(_mm_cmpeq_ps(_mm_loadu_ps(p), x), _mm_cmpeq_ps(_mm_loadu_ps(p + 4), x)),
                               _mm_or_ps(_mm_cmpeq_ps(_mm_loadu_ps(p + 8), x), _mm_cmpeq_ps(_mm_loadu_ps(p + 12), x)));
    return _mm_movemask_ps(m) != 0;
}
inline bool any_equal_run(const double* p, double v) {
    const __m128d x = _mm_set1_pd(v);
    __m128d m = _mm_setzero_pd();
    for (int j = 0; j < kRun; j += 4)
        m = _mm_or_pd(m, _mm_or_pd(_mm_cmpeq_pd(_mm_loadu_pd(p + j), x), _mm_cmpeq_pd(_mm_loadu_pd(p + j + 2), x)));
    return _mm_movemask_pd(m) != 0;
}
template <class T, class V, class Map>
bool any_equal_run(const T* p, V v, Map map) {
    if constexpr (std::is_floating_point_v<T> && std::is_same_v<Map, Identity>) {
        return any_equal_run(p, v);
    } else {
        bool any = false;
        for (int j = 0; j < kRun; ++j) any |= map(p[j]) == v;
        return any;
    }
}

// First i with map(p[i]) == v, or 0 when none compares equal (a NaN).
// Whole runs are tested at once; only the run holding the match is
// scanned one by one.
template <class T, class V, class Map>
int first_equal(const T* p, int len, V v, Map map) {
    int i = 0;
    while (i + kRun <= len && !any_equal_run(p + i, v, map)) i += kRun;
    for (; i < len; ++i)
        if (map(p[i]) == v) return i;
    return 0;
}

// First index of the extreme of map(p[i]); the block size only decides how
// much is rescanned.
template <bool Max, class T, class Map>
int extreme_index(const T* p, int len, Map map) {
    constexpr int kBlock = sizeof(T) == 2 ? 4096 : 2048;
    using V = decltype(map(p[0]));
    V best = extreme_value<Max>(p, static_cast<std::size_t>(len < kBlock ? len : kBlock), map);
    int best_block = 0;
    for (int b = kBlock; b < len; b += kBlock) {
        const int count = len - b < kBlock ? len - b : kBlock;
        const V v = extreme_value<Max>(p + b, static_cast<std::size_t>(count), map);
        if (better<Max>(v, best)) {
            best = v;
            best_block = b;
        }
    }
    return first_equal(p + best_block, len - best_block, best, map) + best_block;
}

}  // namespace veks

#endif
