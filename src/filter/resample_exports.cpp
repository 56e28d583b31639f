// Integer-factor up-sampling by zero insertion and down-sampling by
// keeping every factor-th sample, with the phase carried between blocks.
#include <cstdint>
#include <cstring>

#include "core/check.h"
#include "veks.h"

namespace veks {
namespace {

template <class T>
VekStatus sample_checks(const T* src, int srcLen, T* dst, int* dstLen, int factor, int* phase) {
    VEKS_CHECK(check_ptrs(src, dst, dstLen, phase));
    VEKS_CHECK(check_len(srcLen));
    VEKS_CHECK(check_param(factor < 1, vekStsSampleFactorErr));
    return check_param(*phase < 0 || *phase >= factor, vekStsSamplePhaseErr);
}

template <class T>
VekStatus sample_up(const T* src, int srcLen, T* dst, int* dstLen, int factor, int* phase) {
    VEKS_CHECK(sample_checks(src, srcLen, dst, dstLen, factor, phase));
    const std::size_t n = std::size_t(srcLen), f = std::size_t(factor);
    if (f == 1) {
        std::memcpy(dst, src, n * sizeof(T));
    } else {
        std::memset(static_cast<void*>(dst), 0, n * f * sizeof(T));
        T* d = dst + *phase;
        for (std::size_t k = 0; k < n; ++k) d[k * f] = src[k];
    }
    *dstLen = int(n * f);
    return vekStsNoErr;
}

template <class T>
VekStatus sample_down(const T* src, int srcLen, T* dst, int* dstLen, int factor, int* phase) {
    VEKS_CHECK(sample_checks(src, srcLen, dst, dstLen, factor, phase));
    const int p = *phase;
    const int count = p < srcLen ? (srcLen - 1 - p) / factor + 1 : 0;
    if (factor == 1) {
        std::memcpy(dst, src, std::size_t(srcLen) * sizeof(T));
    } else {
        const T* s = src + p;
        for (int k = 0; k < count; ++k) dst[k] = s[std::size_t(k) * std::size_t(factor)];
    }
    *dstLen = count;
    *phase = int(std::int64_t(p) + std::int64_t(factor) * count - srcLen);
    return vekStsNoErr;
}

}  // namespace
}  // namespace veks

using namespace veks;

#define VEKS_SAMPLE(code, T)                                                                          \
    VekStatus veksSampleUp_##code(const T* pSrc, int srcLen, T* pDst, int* pDstLen, int factor, int* pPhase) { \
        return sample_up(pSrc, srcLen, pDst, pDstLen, factor, pPhase);                                \
    }                                                                                                 \
    VekStatus veksSampleDown_##code(const T* pSrc, int srcLen, T* pDst, int* pDstLen, int factor, int* pPhase) { \
        return sample_down(pSrc, srcLen, pDst, pDstLen, factor, pPhase);                              \
    }

VEKS_SAMPLE(16s, Vek16s)
VEKS_SAMPLE(16sc, Vek16sc)
VEKS_SAMPLE(32f, Vek32f)
VEKS_SAMPLE(32fc, Vek32fc)
VEKS_SAMPLE(64f, Vek64f)
VEKS_SAMPLE(64fc, Vek64fc)
