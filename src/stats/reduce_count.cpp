// Counts: values inside a range and zero crossings; and the sliding
// window sums, whose running total is kept in single precision.
#include <cstdint>
#include <cstring>

#include "core/check.h"
#include "lane_sum.h"
#include "veks.h"

namespace veks {
namespace {

template <class T>
int sgn(T x) { return (x > 0) - (x < 0); }

// Sign bit of each element for the sign-bit count (a zero is positive).
inline int sign_bit(Vek16s x) { return static_cast<std::uint16_t>(x) >> 15; }
inline int sign_bit(Vek32f x) { return x < 0.0f; }

// Product in the element's own arithmetic: a float product that
// underflows to zero does not count.
inline bool opposite(Vek16s a, Vek16s b) { return std::int32_t(a) * std::int32_t(b) < 0; }
inline bool opposite(Vek32f a, Vek32f b) { return a * b < 0.0f; }

template <class T>
VekStatus zero_crossing(const T* src, int len, Vek32f* out, VekZCType type) {
    VEKS_CHECK(check_vec(len, src, out));
    VEKS_CHECK(check_param(type != vekZCSignChange && type != vekZCSignBit && type != vekZCCount0,
                           vekStsZeroCrossingTypeErr));
    std::int64_t count = 0;
    if (type == vekZCSignChange) {
        for (int i = 1; i < len; ++i) count += opposite(src[i - 1], src[i]);
    } else if (type == vekZCSignBit) {
        for (int i = 1; i < len; ++i) count += sign_bit(src[i - 1]) != sign_bit(src[i]);
    } else {
        for (int i = 1; i < len; ++i) {
            const int d = sgn(src[i]) - sgn(src[i - 1]);
            count += d < 0 ? -d : d;
        }
        count >>= 1;
    }
    *out = static_cast<Vek32f>(count);
    return vekStsNoErr;
}

// First window: eight single-precision lanes over the first multiple of
// eight elements, combined by halving, then the rest in order. Each next
// sum adds the integer difference of the entering and leaving elements.
template <class T>
VekStatus sum_window(const T* src, Vek32f* dst, int len, int mask) {
    VEKS_CHECK(check_ptrs(src, dst));
    VEKS_CHECK(check_param(mask < 1, vekStsWinLenErr));
    if (len < 1) return vekStsNoErr;
    const std::size_t whole = std::size_t(mask) / 8 * 8;
    float s = lane_sum<8, float>(whole, [src](std::size_t k) { return float(src[k]); });
    for (std::size_t k = whole; k < std::size_t(mask); ++k) s += float(src[k]);
    dst[0] = s;
    for (int i = 1; i < len; ++i) {
        s += float(std::int32_t(src[i - 1 + mask]) - std::int32_t(src[i - 1]));
        dst[i] = s;
    }
    return vekStsNoErr;
}

}  // namespace
}  // namespace veks

using namespace veks;

VekStatus veksCountInRange_32s(const Vek32s* pSrc, int len, int* pCounts, Vek32s lowerBound, Vek32s upperBound) {
    VEKS_CHECK(check_vec(len, pSrc, pCounts));
    int count = 0;
    for (int i = 0; i < len; ++i) count += pSrc[i] > lowerBound && pSrc[i] < upperBound;
    *pCounts = count;
    return vekStsNoErr;
}

VekStatus veksZeroCrossing_16s32f(const Vek16s* pSrc, int len, Vek32f* pValZCR, VekZCType zcType) {
    return zero_crossing(pSrc, len, pValZCR, zcType);
}
VekStatus veksZeroCrossing_32f(const Vek32f* pSrc, int len, Vek32f* pValZCR, VekZCType zcType) {
    return zero_crossing(pSrc, len, pValZCR, zcType);
}
VekStatus veksSumWindow_8u32f(const Vek8u* pSrc, Vek32f* pDst, int len, int maskSize) {
    return sum_window(pSrc, pDst, len, maskSize);
}
VekStatus veksSumWindow_16s32f(const Vek16s* pSrc, Vek32f* pDst, int len, int maskSize) {
    return sum_window(pSrc, pDst, len, maskSize);
}
