// Element-wise maximum and minimum of two vectors, in place.
#include <cstddef>
#include <type_traits>

#include "core/check.h"
#include "core/simd.h"
#include "veks.h"

namespace veks {
namespace {

template <bool Max, class T>
T pick(T s, T d) { return (Max ? s > d : s < d) ? s : d; }

template <bool Max, class T>
VekStatus every(const T* src, T* srcdst, int len) {
    VEKS_CHECK(check_vec(len, src, srcdst));
    const std::size_t n = static_cast<std::size_t>(len);
    std::size_t i = 0;
    if constexpr (std::is_floating_point_v<T>) {
        // Packet max/min(s, d) selects exactly as pick() does.
        using P = simd::Packet<T>;
        for (; i + P::lanes <= n; i += P::lanes) {
            const auto s = P::loadu(src + i), d = P::loadu(srcdst + i);
            P::storeu(srcdst + i, Max ? P::max(s, d) : P::min(s, d));
        }
    }
    for (; i < n; ++i) srcdst[i] = pick<Max>(src[i], srcdst[i]);
    return vekStsNoErr;
}

}  // namespace
}  // namespace veks

using namespace veks;

#define VEKS_EVERY(op, Max, code, T) \
    VekStatus veks##op##Every_##code##_I(const T* pSrc, T* pSrcDst, int len) { return every<Max>(pSrc, pSrcDst, len); }

VEKS_EVERY(Max, true, 8u, Vek8u)
VEKS_EVERY(Max, true, 16u, Vek16u)
VEKS_EVERY(Max, true, 16s, Vek16s)
VEKS_EVERY(Max, true, 32s, Vek32s)
VEKS_EVERY(Max, true, 32f, Vek32f)
VEKS_EVERY(Min, false, 8u, Vek8u)
VEKS_EVERY(Min, false, 16u, Vek16u)
VEKS_EVERY(Min, false, 16s, Vek16s)
VEKS_EVERY(Min, false, 32s, Vek32s)
VEKS_EVERY(Min, false, 32f, Vek32f)
VEKS_EVERY(Min, false, 64f, Vek64f)
