// Exported running linear and power averages.
#include <cstdint>
#include <cstdlib>

#include "core/check.h"
#include "speech/average_kernels.h"
#include "veks.h"

namespace veks {
namespace {

enum class Kind { Linear, Power };

inline int clamp_shift(int s, int top) { return s < 0 ? 0 : s > top ? top : s; }

template <class Term>
std::int32_t update(const Vek16s* src, int len, std::int32_t acc, int alpha, bool fast, Term term) {
    if (fast) {
        // Single precision; folding stays finite for small alpha only.
        const float a = static_cast<float>(alpha), y = static_cast<float>(acc);
        const float r = std::abs(alpha) <= 8 ? avg::folded(src, len, y, a, term) : avg::recurrence(src, len, y, a, term);
        return avg::to_accumulator(r, -2147483648.0f, 2147483520.0f);
    }
    const double r = avg::folded(src, len, static_cast<double>(acc), static_cast<double>(alpha), term);
    return avg::to_accumulator(r, -2147483648.0, 2147483647.0);
}

template <Kind K>
VekStatus running_average(const Vek16s* src, int len, Vek32s* acc, int shift, Vek16s alpha, VekHintAlgorithm hint) {
    VEKS_CHECK(check_vec(len, src, acc));
    if constexpr (K == Kind::Linear) {
        const int s = clamp_shift(shift, 15);
        const bool fast = hint == vekAlgHintFast && alpha >= -6 && alpha <= 8;
        *acc = update(src, len, *acc, alpha, fast, [s](std::int16_t x) { return std::int32_t(x) >> s; });
    } else {
        const int s = clamp_shift(shift, 31);
        const bool fast = hint == vekAlgHintFast;
        *acc = update(src, len, *acc, alpha, fast, [s](std::int16_t x) { return (std::int32_t(x) * x) >> s; });
    }
    return vekStsNoErr;
}

}  // namespace
}  // namespace veks

using namespace veks;

VekStatus veksUpdateLinear_16s32s_I(const Vek16s* pSrc, int len, Vek32s* pSrcDst, int srcShiftRight, Vek16s alpha,
                                    VekHintAlgorithm hint) {
    return running_average<Kind::Linear>(pSrc, len, pSrcDst, srcShiftRight, alpha, hint);
}

VekStatus veksUpdatePower_16s32s_I(const Vek16s* pSrc, int len, Vek32s* pSrcDst, int srcShiftRight, Vek16s alpha,
                                   VekHintAlgorithm hint) {
    return running_average<Kind::Power>(pSrc, len, pSrcDst, srcShiftRight, alpha, hint);
}
