// Scaling of the 32-bit integer FIR sums to 16 bits: by 2^e with
// e = tapsFactor - scaleFactor clamped to -31 .. 31, then saturation.
#ifndef VEKS_FILTER_FIR_INT_SCALE_H
#define VEKS_FILTER_FIR_INT_SCALE_H

#include <algorithm>
#include <cstdint>

#include "core/scale.h"
#include "filter/fir_types.h"

namespace veks {
namespace fir {

inline int sum_exponent(int tapsFactor, int sf) {
    const long e = long(tapsFactor) - long(sf);
    return static_cast<int>(std::clamp(e, -31L, 31L));
}

// mode: 0 floor, 1 nearest with halves to even, 2 nearest with halves away
// from zero (the rounding-mode argument of the stream states).
inline std::int16_t scale_sum(std::int32_t s, int e, int mode = 1) {
    std::int64_t v = s;
    if (e > 0) {
        v *= std::int64_t(1) << e;  // multiply: a left shift of a negative value is undefined
    } else if (e < 0) {
        const int d = -e;
        if (mode == 0) v >>= d;
        else if (mode == 1) v = shift_round_even<std::int64_t>(v, d);
        else v = v < 0 ? -((-v + (std::int64_t(1) << (d - 1))) >> d) : (v + (std::int64_t(1) << (d - 1))) >> d;
    }
    return saturate<std::int16_t>(v);
}

inline Cx<std::int16_t> scale_sum(Cx<std::int32_t> s, int e, int mode = 1) {
    return {scale_sum(s.re, e, mode), scale_sum(s.im, e, mode)};
}

}  // namespace fir
}  // namespace veks

#endif
