// Element types of the FIR family and the conversions between a filter's
// data type and the type it computes in.
//
// A float state computes in its tap type T (float, double or their complex
// forms); narrower or integer data are converted to T on the way in and
// back with the type mix's own rounding on the way out.
#ifndef VEKS_FILTER_FIR_TYPES_H
#define VEKS_FILTER_FIR_TYPES_H

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <type_traits>

#include "core/scale.h"

namespace veks {
namespace fir {

template <class R>
struct Cx {
    R re, im;
};

template <class T>
struct is_cx : std::false_type {};
template <class R>
struct is_cx<Cx<R>> : std::true_type {};

template <class T>
struct part_of {
    using type = T;
};
template <class R>
struct part_of<Cx<R>> {
    using type = R;
};
template <class T>
using Part = typename part_of<T>::type;

// Arithmetic on the compute types. The complex product is written as
// re = a*c + (-b)*d, im = a*d + b*c so that the SIMD kernels, which use the
// same two products per part, give the same bits.
template <class R>
inline R mul(R a, R b) { return a * b; }
template <class R>
inline Cx<R> mul(Cx<R> h, Cx<R> x) { return {h.re * x.re + (-h.im) * x.im, h.re * x.im + h.im * x.re}; }
template <class R>
inline R add(R a, R b) { return a + b; }
template <class R>
inline Cx<R> add(Cx<R> a, Cx<R> b) { return {a.re + b.re, a.im + b.im}; }
template <class R>
inline R sub(R a, R b) { return a - b; }
template <class R>
inline Cx<R> sub(Cx<R> a, Cx<R> b) { return {a.re - b.re, a.im - b.im}; }
template <class T>
inline T zero() { return T{}; }

// How a result in the compute type is stored in the data type.
enum class Narrow {
    Same,        // data type is the compute type
    Plain,       // double -> float
    SfsEven32f,  // float -> integer: x * 2^-sf in single precision, nearest even
    SfsEven64f,  // double -> integer: x * 2^-sf, nearest even
    SfsAway64f,  // double -> integer: x * 2^-sf, nearest with halves away from zero
};

// The single-precision multiplier 2^-sf from its exponent field; fields
// outside the normal range give 0 or infinity.
inline float sfs_multiplier_32f(int sf) {
    const long field = 127L - sf;
    if (field <= 0) return 0.0f;
    if (field >= 255) return std::numeric_limits<float>::infinity();
    return float_scale(sf);
}

inline double sfs_multiplier_64f(int sf) {
    if (sf > 1074) return 0.0;
    if (sf < -1023) return std::numeric_limits<double>::infinity();
    return std::ldexp(1.0, -sf);
}

// Round to nearest, halves to even, whatever the MXCSR rounding mode
// (std::round ignores it; an exact half is redone on the halved value).
inline double round_half_even(double d) {
    if (std::fabs(d - std::trunc(d)) == 0.5) return 2.0 * std::round(d * 0.5);
    return std::round(d);
}

// Saturating round of a scaled value; NaN gives the minimum.
template <class I, class F>
inline I round_even_sat(F v) {
    if (!(v >= F(std::numeric_limits<I>::lowest()))) return std::numeric_limits<I>::lowest();
    if (v >= F(std::numeric_limits<I>::max())) return std::numeric_limits<I>::max();
    return static_cast<I>(round_half_even(static_cast<double>(v)));
}

template <class I, class F>
inline I round_away_sat(F v) {
    if (v != v) return std::numeric_limits<I>::max();
    if (v <= F(std::numeric_limits<I>::lowest())) return std::numeric_limits<I>::lowest();
    if (v >= F(std::numeric_limits<I>::max())) return std::numeric_limits<I>::max();
    return static_cast<I>(std::round(v));
}

// Data element -> compute element.
template <class T, class D>
inline T widen(D x) {
    if constexpr (is_cx<T>::value) {
        using R = Part<T>;
        return T{static_cast<R>(x.re), static_cast<R>(x.im)};
    } else {
        return static_cast<T>(x);
    }
}

// Compute element -> data element under the mix's rule. `scale` is the
// multiplier 2^-sf prepared once per call.
template <Narrow N, class D, class T, class S>
inline D narrow(T y, S scale) {
    if constexpr (is_cx<T>::value) {
        using DP = Part<D>;
        return D{narrow<N, DP>(y.re, scale), narrow<N, DP>(y.im, scale)};
    } else if constexpr (N == Narrow::Same) {
        return y;
    } else if constexpr (N == Narrow::Plain) {
        return static_cast<D>(y);
    } else if constexpr (N == Narrow::SfsEven32f || N == Narrow::SfsEven64f) {
        return round_even_sat<D>(y * scale);
    } else {
        return round_away_sat<D>(y * scale);
    }
}

// Public delay-line values of an integer-data mix are whole numbers held in
// the compute type; they go back without scaling.
template <class D, class T>
inline D narrow_history(T y) {
    if constexpr (is_cx<T>::value) {
        using DP = Part<D>;
        return D{narrow_history<DP>(y.re), narrow_history<DP>(y.im)};
    } else if constexpr (std::is_floating_point_v<D>) {
        return static_cast<D>(y);
    } else {
        return round_even_sat<D>(y);
    }
}

template <Narrow N>
inline auto narrow_scale(int sf) {
    if constexpr (N == Narrow::SfsEven32f) return sfs_multiplier_32f(sf);
    else return sfs_multiplier_64f(sf);
}

// Same bits, other type (public and internal element structs).
template <class To, class From>
inline To bits_as(const From& v) {
    static_assert(sizeof(To) == sizeof(From), "same size");
    To t;
    std::memcpy(static_cast<void*>(&t), &v, sizeof t);
    return t;
}

}  // namespace fir
}  // namespace veks

#endif
