// Scale-factor paths of integer results, as small policy objects.
//
// An `_Sfs` kernel computes the exact result r of each element in a wide
// type W and hands it to one of the scalers below, chosen once per call by
// `with_scaler`. Every scaler gives saturate(round_half_even(r * 2^-sf)),
// each specialised to one range of scale factors so that the inner loop is
// one add, one shift and one clamp.
#ifndef VEKS_CORE_SCALED_INT_H
#define VEKS_CORE_SCALED_INT_H

#include <limits>
#include <type_traits>

#include "core/scale.h"

namespace veks {
namespace sfs {

template <class T>
constexpr T max_of() { return std::numeric_limits<T>::max(); }
template <class T>
constexpr T min_of() { return std::numeric_limits<T>::lowest(); }

// scaleFactor 0: saturate only.
template <class T, class W>
struct Plain {
    T operator()(W r) const { return saturate<T>(r); }
};

// scaleFactor 1: halve with ties to even.
template <class T, class W>
struct One {
    T operator()(W r) const { return saturate<T>(shift_round_even_1<W>(r)); }
};

// scaleFactor 2 .. zero threshold; W must hold r + 2^(sf-1).
template <class T, class W>
struct Pos {
    int sf;
    T operator()(W r) const { return saturate<T>(shift_round_even<W>(r, sf)); }
};

// scaleFactor -1 .. bound threshold + 1: clamp first, then shift, so the
// shift never leaves W. T's limits are multiples of 2^s, so the pre-shift
// limits are exact.
template <class T, class W>
struct Neg {
    int s;  // -scaleFactor, >= 1
    T operator()(W r) const {
        if (r > (W(max_of<T>()) >> s)) return max_of<T>();
        if (r < (W(min_of<T>()) >> s)) return min_of<T>();
        return T(r * (W(1) << s));
    }
};

// At or below the bound threshold: every non-zero result saturates.
template <class T, class W>
struct Bound {
    T operator()(W r) const { return r > 0 ? max_of<T>() : r < 0 ? min_of<T>() : T(0); }
};

// The general rule for any scale factor (reference paths, rare forms).
template <class T, class W>
struct Exact {
    int sf;
    T operator()(W r) const { return scale_exact<T>(static_cast<__int128>(r), sf); }
};

// Calls body(scaler) with the scaler for `sf`. The zero threshold is the
// caller's business (it fills through the public zero function); scale
// factors above it never reach here. Scale factors at or below `bound_at`
// take the bound scaler.
template <class T, class W, class Body>
inline auto with_scaler(int sf, int bound_at, Body&& body) {
    if (sf == 0) return body(Plain<T, W>{});
    if (sf == 1) return body(One<T, W>{});
    if (sf > 1) return body(Pos<T, W>{sf});
    if (sf <= bound_at) return body(Bound<T, W>{});
    return body(Neg<T, W>{-sf});
}

// Does `sf` lie above the zero threshold `zero_above`?
constexpr bool zero_fill(int sf, int zero_above) { return sf > zero_above; }

}  // namespace sfs
}  // namespace veks

#endif
