// Floating-point results stored as integers: nearest, ties to even, then
// saturation to the integer type.
#ifndef VEKS_FILTER_ROUND_SAT_H
#define VEKS_FILTER_ROUND_SAT_H

#include <cmath>

#include "core/scale.h"

namespace veks {

template <class P>
inline P round_sat(double v) {
    if (std::fabs(v) < 4503599627370496.0) {  // 2^52: adding the magic constant rounds exactly
        const double magic = 6755399441055744.0;
        v = (v + magic) - magic;
    }
    return saturate<P>(v);
}

}  // namespace veks

#endif
