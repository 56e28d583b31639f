// Ramps, slopes and the Jaehne chirp, one template per operation.
#ifndef VEKS_GENERATE_LINE_KERNELS_H
#define VEKS_GENERATE_LINE_KERNELS_H

#include <cmath>
#include <type_traits>

#include "generate/round_away.h"

namespace veks {

// Ramp: each element evaluated on its own, float(i) * slope + offset in
// single precision (double for 64f); integers in double, rounded half away
// from zero and saturated.
template <class T>
void ramp_fill(T* dst, int len, float offset, float slope) {
    if constexpr (std::is_same_v<T, float>) {
        for (int i = 0; i < len; ++i) dst[i] = static_cast<float>(i) * slope + offset;
    } else if constexpr (std::is_same_v<T, double>) {
        const double o = offset, s = slope;
        for (int i = 0; i < len; ++i) dst[i] = static_cast<double>(i) * s + o;
    } else {
        const double o = offset, s = slope;
        for (int i = 0; i < len; ++i) dst[i] = round_away<T>(static_cast<double>(i) * s + o);
    }
}

// The precision a slope accumulates in.
template <class T>
using SlopeReal = std::conditional_t<std::is_same_v<T, double>, double, float>;

// Integers from the accumulated line: nearest with ties to even, saturated.
template <class T, class P>
inline T slope_store(P v) {
    if constexpr (std::is_floating_point_v<T>)
        return v;
    else
        return saturate<T>(static_cast<double>(std::rint(v)));
}

// Slope: four lanes start at offset + l * slope and each adds 4 * slope per
// step. The lane of element i is i mod 4 whatever the alignment, so results
// never depend on where the vector lies.
template <class T>
void slope_fill(T* dst, int len, SlopeReal<T> offset, SlopeReal<T> slope) {
    using P = SlopeReal<T>;
    if (slope == P(0)) {
        const T v = std::is_floating_point_v<T> ? static_cast<T>(offset) : round_away<T>(offset);
        for (int i = 0; i < len; ++i) dst[i] = v;
        return;
    }
    P acc[4];
    for (int l = 0; l < 4; ++l) acc[l] = static_cast<P>(l) * slope + offset;
    const P step = P(4) * slope;
    int i = 0;
    for (; i + 4 <= len; i += 4) {
        for (int l = 0; l < 4; ++l) {
            dst[i + l] = slope_store<T>(acc[l]);
            acc[l] += step;
        }
    }
    for (int l = 0; i + l < len; ++l) dst[i + l] = slope_store<T>(acc[l]);
}

// A magnitude below zero (never for unsigned types).
template <class T>
constexpr bool is_negative(T v) {
    if constexpr (std::is_unsigned_v<T>)
        return false;
    else
        return v < T(0);
}

// Jaehne chirp: magn * sin(pi * i^2 / (2 len)) in double.
template <class T>
void jaehne_fill(T* dst, int len, T magn) {
    const double m = static_cast<double>(magn), den = 2.0 * len;
    for (int i = 0; i < len; ++i) {
        const double di = i;
        dst[i] = round_away<T>(m * std::sin(M_PI * di * di / den));
    }
}

}  // namespace veks

#endif
