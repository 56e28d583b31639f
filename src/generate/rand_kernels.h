// Uniform and Gaussian fills on top of the generator engine, written once
// for every element type. The words are drawn into a small block first and
// scaled in a second pass, which the compiler vectorises; both passes are
// exact, so the block size never shows in the results.
#ifndef VEKS_GENERATE_RAND_KERNELS_H
#define VEKS_GENERATE_RAND_KERNELS_H

#include <cmath>
#include <cstdint>
#include <type_traits>

#include "core/scale.h"
#include "generate/rand_engine.h"

namespace veks {
namespace rng {

constexpr int kBlock = 256;

// value = mid + step * u in double; floats round, integers truncate (the
// value always lies between low and high, so it fits the type).
template <class T>
void uniform_fill(T* dst, int len, double mid, double step, Engine& e) {
    std::int32_t words[kBlock];
    for (int off = 0; off < len; off += kBlock) {
        const int n = len - off < kBlock ? len - off : kBlock;
        e.fill(words, n);
        T* out = dst + off;
        for (int k = 0; k < n; ++k) {
            const double v = mid + step * static_cast<double>(words[k]);
            if constexpr (std::is_floating_point_v<T>)
                out[k] = static_cast<T>(v);
            else
                out[k] = static_cast<T>(static_cast<int>(v));
        }
    }
}

// The pending half of a polar-method pair, kept between state calls.
struct GaussCache {
    std::uint32_t need_pair = 1;
    double factor = 0.0;
    double cached = 0.0;  // x1 of the last pair
};

// stdDev * factor * x + mean in the rounding each element type asks for:
// single precision adds the mean after rounding the product, integers
// truncate the double value and saturate.
template <class T, class P>
inline T gauss_value(double scaled, P mean) {
    if constexpr (std::is_same_v<T, float>)
        return static_cast<float>(scaled) + mean;
    else if constexpr (std::is_same_v<T, double>)
        return scaled + mean;
    else
        return saturate<T>(scaled + static_cast<double>(mean));
}

// Polar method: pairs (x1, x2) uniform in the unit disc give two normal
// values, x2's first, then x1's (possibly in the next call).
//
// Candidates are drawn in rounds of at most the pairs still needed, so the
// engine never runs ahead of the words the sequence consumes; each round
// keeps the accepted pairs (branch-free), then takes the logarithms and
// square roots in straight loops.
template <class T, class P>
void gauss_fill(T* dst, int len, P mean, P std_dev, Engine& e, GaussCache& c) {
    constexpr int kPairs = kBlock / 2;
    const double sd = static_cast<double>(std_dev);
    int i = 0;
    if (!c.need_pair && len > 0) {
        dst[i++] = gauss_value<T>(sd * c.factor * c.cached, mean);
        c.need_pair = 1;
    }
    std::int32_t words[kBlock];
    double x1[kPairs], x2[kPairs], s[kPairs];
    while (i < len) {
        const int want = (len - i + 1) / 2;
        const int k = want < kPairs ? want : kPairs;
        e.fill(words, 2 * k);
        int m = 0;
        for (int j = 0; j < k; ++j) {
            const double a = static_cast<double>(words[2 * j]) * kTwoPowM31;
            const double b = static_cast<double>(words[2 * j + 1]) * kTwoPowM31;
            const double r = a * a + b * b;
            x1[m] = a;
            x2[m] = b;
            s[m] = r;
            m += (r < 1.0 && r != 0.0) ? 1 : 0;
        }
        for (int j = 0; j < m; ++j) s[j] = std::sqrt(-2.0 * std::log(s[j]) / s[j]);  // the factor
        for (int j = 0; j < m; ++j) {
            const double g = sd * s[j];
            dst[i++] = gauss_value<T>(g * x2[j], mean);
            if (i < len) {
                dst[i++] = gauss_value<T>(g * x1[j], mean);
            } else {
                c.need_pair = 0;
                c.factor = s[j];
                c.cached = x1[j];
            }
        }
    }
}

}  // namespace rng
}  // namespace veks

#endif
