// FM discriminator: the angle of conj(p) * c between consecutive complex
// 16-bit samples, by a rational arctangent in single precision, scaled to
// 32768 / pi per radian.
#include <cstdint>

#include "core/check.h"
#include "veks.h"

namespace veks {
namespace {

// atan(x) for x in [0, 1].
inline float atan_unit(float x) {
    const float t = x * x;
    const float num = 1.0f + t * (1.120234f + t * (0.28050455f + t * 0.008561189f));
    const float den = 1.0f + t * (1.4535671f + t * (0.565031f + t * 0.04901759f));
    return x * num / den;
}

inline Vek16s discriminate(std::int32_t pre, std::int32_t pim, std::int32_t cre, std::int32_t cim) {
    // 32-bit wrapping products: only +2^31 wraps, to 0x80000000.
    const std::uint32_t I = std::uint32_t(pre * cim) - std::uint32_t(pim * cre);
    const std::uint32_t R = std::uint32_t(pre * cre) + std::uint32_t(pim * cim);
    const std::int32_t si = static_cast<std::int32_t>(I);
    const bool r_wrapped = R == 0x80000000u;
    const std::int32_t sr = static_cast<std::int32_t>(R);
    const bool r_neg = !r_wrapped && sr < 0;
    const float a = si < 0 ? -static_cast<float>(si) : static_cast<float>(si);
    float b = r_wrapped ? 2147483648.0f : (sr < 0 ? -static_cast<float>(sr) : static_cast<float>(sr));
    float angle;
    if (a > b) {
        angle = 1.5707964f - atan_unit(b / a);
    } else {
        if (b == 0.0f) b = 1.0f;
        angle = atan_unit(a / b);
    }
    if (r_neg)
        angle = si >= 0 ? 3.1415927f - angle : angle - 3.1415927f;
    else if (si < 0)
        angle = -angle;
    const float v = angle * 10430.378f;
    if (v >= 0.0f) {
        const float r = v + 0.5f;
        return r >= 32767.0f ? Vek16s(32767) : static_cast<Vek16s>(static_cast<std::int32_t>(r));
    }
    return static_cast<Vek16s>(static_cast<std::int32_t>(v - 0.5f));
}

}  // namespace
}  // namespace veks

using namespace veks;

VekStatus veksDemodulateFM_CToR_16s(const Vek16s* pSrcRe, const Vek16s* pSrcIm, Vek16s* pDst, int len,
                                    Vek16sc* pDlyPoint) {
    VEKS_CHECK(check_vec(len, pSrcRe, pSrcIm, pDst, pDlyPoint));
    std::int32_t pre = pDlyPoint->re, pim = pDlyPoint->im;
    for (int n = 0; n < len; ++n) {
        const std::int32_t cre = pSrcRe[n], cim = pSrcIm[n];
        pDst[n] = discriminate(pre, pim, cre, cim);
        pre = cre;
        pim = cim;
    }
    pDlyPoint->re = static_cast<Vek16s>(pre);
    pDlyPoint->im = static_cast<Vek16s>(pim);
    return vekStsNoErr;
}
