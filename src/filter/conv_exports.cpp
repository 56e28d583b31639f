// Exported linear, biased and cyclic convolutions.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "conv_route.h"
#include "core/check.h"
#include "round_sat.h"

namespace veks {
namespace {

template <class T>
VekStatus conv(const T* a, int na, const T* b, int nb, T* dst) {
    VEKS_CHECK(check_ptrs(a, b, dst));
    VEKS_CHECK(check_param(na < 1 || nb < 1, vekStsSizeErr));
    return conv_any(a, na, b, nb, dst);
}

// 16-bit data: computed in single precision, stored scaled and saturated.
VekStatus conv16(const Vek16s* a, int na, const Vek16s* b, int nb, Vek16s* dst, int sf) {
    VEKS_CHECK(check_ptrs(a, b, dst));
    VEKS_CHECK(check_param(na < 1 || nb < 1, vekStsSizeErr));
    const std::size_t n = std::size_t(na) + std::size_t(nb) - 1;
    WorkBuffer buf(sizeof(float) * (std::size_t(na) + std::size_t(nb) + n));
    if (!buf) return vekStsMemAllocErr;
    float* fa = buf.as<float>();
    float* fb = fa + na;
    float* fd = fb + nb;
    std::copy(a, a + na, fa);
    std::copy(b, b + nb, fb);
    VEKS_CHECK(conv_any(fa, na, fb, nb, fd));
    const double scale = std::ldexp(1.0, -std::max(-2100, std::min(2100, sf)));
    for (std::size_t i = 0; i < n; ++i) dst[i] = round_sat<Vek16s>(double(fd[i]) * scale);
    return vekStsNoErr;
}

}  // namespace
}  // namespace veks

using namespace veks;

VekStatus veksConv_32f(const Vek32f* pSrc1, int src1Len, const Vek32f* pSrc2, int src2Len, Vek32f* pDst) {
    return conv(pSrc1, src1Len, pSrc2, src2Len, pDst);
}
VekStatus veksConv_64f(const Vek64f* pSrc1, int src1Len, const Vek64f* pSrc2, int src2Len, Vek64f* pDst) {
    return conv(pSrc1, src1Len, pSrc2, src2Len, pDst);
}
VekStatus veksConv_16s_Sfs(const Vek16s* pSrc1, int src1Len, const Vek16s* pSrc2, int src2Len, Vek16s* pDst,
                           int scaleFactor) {
    return conv16(pSrc1, src1Len, pSrc2, src2Len, pDst, scaleFactor);
}

// The signal occupies pSrc2[-bias] .. pSrc2[src2Len - bias - 1]; every
// output sums the taps whose input lies inside it.
VekStatus veksConvBiased_32f(const Vek32f* pSrc1, int src1Len, const Vek32f* pSrc2, int src2Len, Vek32f* pDst,
                             int dstLen, int bias) {
    VEKS_CHECK(check_ptrs(pSrc1, pSrc2, pDst));
    VEKS_CHECK(check_param(src1Len < 1 || src2Len < 1, vekStsSizeErr));
    VEKS_CHECK(check_len(dstLen));
    for (int n = 0; n < dstLen; ++n) {
        // n - k in [-bias, src2Len - bias - 1] and k in [0, src1Len - 1].
        const std::int64_t k0 = std::max<std::int64_t>(0, std::int64_t(n) - src2Len + bias + 1);
        const std::int64_t k1 = std::min<std::int64_t>(src1Len - 1, std::int64_t(n) + bias);
        float acc = 0.0f;
        for (std::int64_t k = k0; k <= k1; ++k) acc += pSrc1[k] * pSrc2[n - k];
        pDst[n] = acc;
    }
    return vekStsNoErr;
}

VekStatus veksConvCyclic4x4_32f32fc(const Vek32f* x, const Vek32fc* h, Vek32fc* y) {
    for (int n = 0; n < 4; ++n) {
        float re = 0.0f, im = 0.0f;
        for (int k = 0; k < 4; ++k) {
            re += x[k] * h[(n - k + 4) & 3].re;
            im += x[k] * h[(n - k + 4) & 3].im;
        }
        y[n].re = re;
        y[n].im = im;
    }
    return vekStsNoErr;
}

VekStatus veksConvCyclic8x8_32f(const Vek32f* x, const Vek32f* h, Vek32f* y) {
    for (int n = 0; n < 8; ++n) {
        float acc = 0.0f;
        for (int k = 0; k < 8; ++k) acc += x[k] * h[(n - k + 8) & 7];
        y[n] = acc;
    }
    return vekStsNoErr;
}

// 32-bit sums (wrapping as 32-bit lanes do), an arithmetic right shift by
// the scale factor (at most 31, truncating) or a left shift by its
// negation (0 from 32 on), then saturation.
VekStatus veksConvCyclic8x8_16s_Sfs(const Vek16s* x, const Vek16s* h, Vek16s* y, int scaleFactor) {
    for (int n = 0; n < 8; ++n) {
        std::uint32_t acc = 0;
        for (int k = 0; k < 8; ++k) acc += std::uint32_t(std::int32_t(x[k]) * h[(n - k + 8) & 7]);
        std::int32_t v = std::int32_t(acc);
        if (scaleFactor >= 0) {
            v >>= std::min(scaleFactor, 31);
        } else {
            v = -scaleFactor >= 32 ? 0 : std::int32_t(std::uint32_t(v) << -scaleFactor);
        }
        y[n] = saturate<Vek16s>(v);
    }
    return vekStsNoErr;
}
