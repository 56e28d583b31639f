// The integer rounding of the deterministic generators: half away from
// zero (v + 0.5 or v - 0.5, then truncation), saturated to the type.
#ifndef VEKS_GENERATE_ROUND_AWAY_H
#define VEKS_GENERATE_ROUND_AWAY_H

#include <type_traits>

#include "core/scale.h"

namespace veks {

template <class T>
inline T round_away(double v) {
    if constexpr (std::is_floating_point_v<T>)
        return static_cast<T>(v);
    else
        return saturate<T>(v >= 0.0 ? v + 0.5 : v - 0.5);
}

}  // namespace veks

#endif
