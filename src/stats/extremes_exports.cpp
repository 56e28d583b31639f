// Exported extreme searches: Max, Min, their magnitude and index forms,
// MinMax with and without indexes. One line per type code.
#include "core/check.h"
#include "extremes_scan.h"
#include "veks.h"

namespace veks {
namespace {

template <bool Max, class T, class Map = Identity>
VekStatus extreme(const T* src, int len, T* value, Map map = {}) {
    VEKS_CHECK(check_vec(len, src, value));
    *value = extreme_value<Max>(src, static_cast<std::size_t>(len), map);
    return vekStsNoErr;
}

// The index pointer is optional: without it this is the plain search.
template <bool Max, class T, class Map = Identity>
VekStatus extreme_indexed(const T* src, int len, T* value, int* index, Map map = {}) {
    if (!index) return extreme<Max>(src, len, value, map);
    VEKS_CHECK(check_vec(len, src, value));
    const int i = extreme_index<Max>(src, len, map);
    *value = map(src[i]);
    *index = i;
    return vekStsNoErr;
}

template <class T>
VekStatus min_max(const T* src, int len, T* mn, T* mx) {
    VEKS_CHECK(check_vec(len, src, mn, mx));
    const std::size_t n = static_cast<std::size_t>(len);
    const T lo = extreme_value<false>(src, n, Identity{});
    const T hi = extreme_value<true>(src, n, Identity{});
    *mn = lo;
    *mx = hi;
    return vekStsNoErr;
}

// Both extremes first, then the first position equal to each.
template <class T>
VekStatus min_max_indexed(const T* src, int len, T* mn, int* mn_index, T* mx, int* mx_index) {
    VEKS_CHECK(check_vec(len, src, mn, mx, mn_index, mx_index));
    const std::size_t n = static_cast<std::size_t>(len);
    const T lo = extreme_value<false>(src, n, Identity{});
    const T hi = extreme_value<true>(src, n, Identity{});
    *mn = lo;
    *mx = hi;
    *mn_index = first_equal(src, len, lo, Identity{});
    *mx_index = first_equal(src, len, hi, Identity{});
    return vekStsNoErr;
}

}  // namespace
}  // namespace veks

using namespace veks;

#define VEKS_MAX_MIN(code, T)                                                                               \
    VekStatus veksMax_##code(const T* pSrc, int len, T* pMax) { return extreme<true>(pSrc, len, pMax); }    \
    VekStatus veksMin_##code(const T* pSrc, int len, T* pMin) { return extreme<false>(pSrc, len, pMin); }   \
    VekStatus veksMaxIndx_##code(const T* pSrc, int len, T* pMax, int* pIndx) {                             \
        return extreme_indexed<true>(pSrc, len, pMax, pIndx);                                               \
    }                                                                                                       \
    VekStatus veksMinIndx_##code(const T* pSrc, int len, T* pMin, int* pIndx) {                             \
        return extreme_indexed<false>(pSrc, len, pMin, pIndx);                                              \
    }

#define VEKS_MAX_MIN_ABS(code, T)                                                                           \
    VekStatus veksMaxAbs_##code(const T* pSrc, int len, T* pMaxAbs) {                                       \
        return extreme<true>(pSrc, len, pMaxAbs, SatAbs{});                                                 \
    }                                                                                                       \
    VekStatus veksMinAbs_##code(const T* pSrc, int len, T* pMinAbs) {                                       \
        return extreme<false>(pSrc, len, pMinAbs, SatAbs{});                                                \
    }                                                                                                       \
    VekStatus veksMaxAbsIndx_##code(const T* pSrc, int len, T* pMaxAbs, int* pIndx) {                       \
        return extreme_indexed<true>(pSrc, len, pMaxAbs, pIndx, SatAbs{});                                  \
    }                                                                                                       \
    VekStatus veksMinAbsIndx_##code(const T* pSrc, int len, T* pMinAbs, int* pIndx) {                       \
        return extreme_indexed<false>(pSrc, len, pMinAbs, pIndx, SatAbs{});                                 \
    }

#define VEKS_MIN_MAX(code, T)                                                                               \
    VekStatus veksMinMax_##code(const T* pSrc, int len, T* pMin, T* pMax) {                                 \
        return min_max(pSrc, len, pMin, pMax);                                                              \
    }                                                                                                       \
    VekStatus veksMinMaxIndx_##code(const T* pSrc, int len, T* pMin, int* pMinIndx, T* pMax, int* pMaxIndx) { \
        return min_max_indexed(pSrc, len, pMin, pMinIndx, pMax, pMaxIndx);                                  \
    }

VEKS_MAX_MIN(16s, Vek16s)
VEKS_MAX_MIN(32s, Vek32s)
VEKS_MAX_MIN(32f, Vek32f)
VEKS_MAX_MIN(64f, Vek64f)

VEKS_MAX_MIN_ABS(16s, Vek16s)
VEKS_MAX_MIN_ABS(32s, Vek32s)

VEKS_MIN_MAX(8u, Vek8u)
VEKS_MIN_MAX(16u, Vek16u)
VEKS_MIN_MAX(16s, Vek16s)
VEKS_MIN_MAX(32u, Vek32u)
VEKS_MIN_MAX(32s, Vek32s)
VEKS_MIN_MAX(32f, Vek32f)
VEKS_MIN_MAX(64f, Vek64f)
