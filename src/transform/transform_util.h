// Small arithmetic shared by the DFT and DCT specifications.
#ifndef VEKS_TRANSFORM_TRANSFORM_UTIL_H
#define VEKS_TRANSFORM_TRANSFORM_UTIL_H

#include <cmath>
#include <cstddef>

#include "veks.h"

namespace veks {

inline std::size_t up32(std::size_t b) { return (b + 31) & ~std::size_t(31); }
inline bool is_pow2(long n) { return (n & (n - 1)) == 0; }
// The smallest order with 2^order >= n.
inline int log2_of(long n) {
    int order = 0;
    while ((1L << order) < n) ++order;
    return order;
}
// The single-value path of the 16-bit transforms: x * 2^-sf rounded half
// up, saturated.
inline Vek16s narrow_one(double x, int sf) {
    const double v = std::floor(x * std::ldexp(1.0, -sf) + 0.5);
    return static_cast<Vek16s>(v > 32767.0 ? 32767.0 : v < -32768.0 ? -32768.0 : v);
}

}  // namespace veks

#endif
