// Element rules of the thresholds. Every comparison is strict, and each
// rule is written so that a NaN element goes the way its comparison sends
// it (kept by LT/GT, replaced by LTVal).
#ifndef VEKS_VECTOR_THRESHOLD_RULES_H
#define VEKS_VECTOR_THRESHOLD_RULES_H

#include <cmath>
#include <cstdint>
#include <type_traits>

#include "core/scale.h"
#include "veks.h"

namespace veks {
namespace thr {

// ---- real elements ---------------------------------------------------------

template <class T>
struct Less {
    T level;
    T operator()(T x) const { return x < level ? level : x; }
};
template <class T>
struct Greater {
    T level;
    T operator()(T x) const { return x > level ? level : x; }
};
template <class T>
struct LessVal {
    T level, value;
    T operator()(T x) const { return level <= x ? x : value; }
};
template <class T>
struct GreaterVal {
    T level, value;
    T operator()(T x) const { return x > level ? value : x; }
};
template <class T>
struct LessGreaterVal {
    T level_lt, value_lt, level_gt, value_gt;
    T operator()(T x) const { return x > level_gt ? value_gt : level_lt <= x ? x : value_lt; }
};

// Magnitude rules keep the sign: integers measure |x| in a wider type (so
// |-32768| is 32768), floats copy the sign bit (so -0 keeps its sign).
template <class T, bool RaiseToLevel>
struct AbsRule {
    T level;
    T operator()(T x) const {
        if constexpr (std::is_floating_point_v<T>) {
            const T a = std::fabs(x);
            const T m = RaiseToLevel ? (a < level ? level : a) : (a > level ? level : a);
            return std::copysign(m, x);
        } else {
            const std::int64_t a = x < 0 ? -std::int64_t(x) : std::int64_t(x);
            const bool act = RaiseToLevel ? a < level : a > level;
            return act ? (x < 0 ? T(-level) : level) : x;
        }
    }
};

// ---- complex elements ------------------------------------------------------

// Per complex type: the part type, the real type of the level, and the
// type in which the squared modulus is compared (exact for 16sc).
template <class C>
struct Cplx;
template <>
struct Cplx<Vek16sc> {
    using Part = Vek16s;
    using Level = Vek16s;
    using Mod2 = std::int64_t;
    using Work = double;
};
template <>
struct Cplx<Vek32fc> {
    using Part = Vek32f;
    using Level = Vek32f;
    using Mod2 = float;
    using Work = float;
};
template <>
struct Cplx<Vek64fc> {
    using Part = Vek64f;
    using Level = Vek64f;
    using Mod2 = double;
    using Work = double;
};

template <class C>
typename Cplx<C>::Mod2 mod2(C z) {
    using M = typename Cplx<C>::Mod2;
    return M(z.re) * M(z.re) + M(z.im) * M(z.im);
}

// A part scaled in the working precision; 16-bit parts round to nearest
// under the direction the caller set, and saturate.
template <class C>
typename Cplx<C>::Part scale_part(typename Cplx<C>::Part p, typename Cplx<C>::Work s) {
    using W = typename Cplx<C>::Work;
    if constexpr (std::is_same_v<C, Vek16sc>)
        return saturate<Vek16s>(std::nearbyint(W(p) * s));
    else
        return p * s;
}

// Less / Greater on the modulus: an acted-on element is scaled to the
// modulus `level`, keeping its phase.
template <class C, bool IsLess>
struct CplxScale {
    using K = Cplx<C>;
    typename K::Mod2 level2;
    C operator()(C z) const {
        const typename K::Mod2 m2 = mod2(z);
        const bool act = IsLess ? m2 < level2 : m2 > level2;
        if (!act) return z;
        const typename K::Work s = std::sqrt(typename K::Work(level2) / typename K::Work(m2));
        return C{scale_part<C>(z.re, s), scale_part<C>(z.im, s)};
    }
};

template <class C, bool IsLess>
struct CplxVal {
    typename Cplx<C>::Mod2 level2;
    C value;
    C operator()(C z) const {
        const auto m2 = mod2(z);
        return (IsLess ? m2 < level2 : m2 > level2) ? value : z;
    }
};

// level^2 in the comparison type.
template <class C>
typename Cplx<C>::Mod2 square_level(typename Cplx<C>::Level level) {
    using M = typename Cplx<C>::Mod2;
    return M(level) * M(level);
}

}  // namespace thr
}  // namespace veks

#endif
