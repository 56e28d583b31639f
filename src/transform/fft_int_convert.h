// Conversions of the integer FFT forms: integers widen exactly to the
// floating type; results return multiplied by 2^-scaleFactor, rounded to
// nearest with ties to even and saturated.
#ifndef VEKS_TRANSFORM_FFT_INT_CONVERT_H
#define VEKS_TRANSFORM_FFT_INT_CONVERT_H

#include <cmath>
#include <cstddef>

#include "core/scale.h"

namespace veks {
namespace fft {

template <class I, class F>
inline void widen(const I* src, F* dst, std::ptrdiff_t n) {
    for (std::ptrdiff_t i = 0; i < n; ++i) dst[i] = static_cast<F>(src[i]);
}

template <class I, class F>
inline I narrow_one(F v, int sf) {
    // ldexp is exact for every scale factor; clamping keeps it in range
    // without changing any result.
    const int e = sf > 2000 ? -2000 : sf < -2000 ? 2000 : -sf;
    return saturate<I>(std::nearbyint(std::ldexp(static_cast<double>(v), e)));
}

template <class F, class I>
inline void narrow(const F* src, I* dst, std::ptrdiff_t n, int sf) {
    for (std::ptrdiff_t i = 0; i < n; ++i) dst[i] = narrow_one<I>(src[i], sf);
}

}  // namespace fft
}  // namespace veks

#endif
