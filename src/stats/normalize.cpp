// (x - vSub) * (1 / vDiv), the reciprocal formed once.
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/check.h"
#include "core/scale.h"
#include "int_scale.h"
#include "veks.h"

namespace veks {
namespace {

// Floating forms refuse a divisor below the smallest normal number.
template <class T, class Sub, class P>
VekStatus normalize_float(const P* src, P* dst, int len, Sub sub, T div) {
    VEKS_CHECK(check_vec(len, src, dst));
    VEKS_CHECK(check_param(std::fabs(div) < std::numeric_limits<T>::min(), vekStsDivByZeroErr));
    const T r = T(1) / div;
    for (int i = 0; i < len; ++i) {
        if constexpr (std::is_floating_point_v<P>) {
            dst[i] = (src[i] - sub) * r;
        } else {
            dst[i] = P{(src[i].re - sub.re) * r, (src[i].im - sub.im) * r};
        }
    }
    return vekStsNoErr;
}

// 16-bit forms: the 32-bit difference in single precision times
// 2^-sf / vDiv (one division; |sf| taken modulo 128), rounded to nearest
// even and saturated.
float int_factor(int sf, int div) {
    const int m = sf < 0 ? -((-(sf + 1)) % 128 + 1) % 128 : sf % 128;  // sign kept, |sf| mod 128
    return float_scale(m) / float(div);
}

inline Vek16s apply(Vek16s x, Vek16s sub, float f) {
    return round_saturate<Vek16s>(double(float(std::int32_t(x) - std::int32_t(sub)) * f));
}

}  // namespace
}  // namespace veks

using namespace veks;

VekStatus veksNormalize_32f(const Vek32f* pSrc, Vek32f* pDst, int len, Vek32f vSub, Vek32f vDiv) {
    return normalize_float<float>(pSrc, pDst, len, vSub, vDiv);
}
VekStatus veksNormalize_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int len, Vek32fc vSub, Vek32f vDiv) {
    return normalize_float<float>(pSrc, pDst, len, vSub, vDiv);
}
VekStatus veksNormalize_64f(const Vek64f* pSrc, Vek64f* pDst, int len, Vek64f vSub, Vek64f vDiv) {
    return normalize_float<double>(pSrc, pDst, len, vSub, vDiv);
}
VekStatus veksNormalize_64fc(const Vek64fc* pSrc, Vek64fc* pDst, int len, Vek64fc vSub, Vek64f vDiv) {
    return normalize_float<double>(pSrc, pDst, len, vSub, vDiv);
}

VekStatus veksNormalize_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, int len, Vek16s vSub, int vDiv, int scaleFactor) {
    VEKS_CHECK(check_vec(len, pSrc, pDst));
    VEKS_CHECK(check_param(vDiv == 0, vekStsDivByZeroErr));
    const float f = int_factor(scaleFactor, vDiv);
    for (int i = 0; i < len; ++i) pDst[i] = apply(pSrc[i], vSub, f);
    return vekStsNoErr;
}

VekStatus veksNormalize_16sc_Sfs(const Vek16sc* pSrc, Vek16sc* pDst, int len, Vek16sc vSub, int vDiv, int scaleFactor) {
    VEKS_CHECK(check_vec(len, pSrc, pDst));
    VEKS_CHECK(check_param(vDiv == 0, vekStsDivByZeroErr));
    const float f = int_factor(scaleFactor, vDiv);
    for (int i = 0; i < len; ++i) pDst[i] = Vek16sc{apply(pSrc[i].re, vSub.re, f), apply(pSrc[i].im, vSub.im, f)};
    return vekStsNoErr;
}
