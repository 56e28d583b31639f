// Exported polar-to-Cartesian conversions (m cos p, m sin p).
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/check.h"
#include "core/fpenv.h"
#include "core/scale.h"
#include "veks.h"

namespace veks {
namespace {

// Floating forms: single precision is computed in double and rounded once.
// `im == nullptr` writes interleaved pairs to `re`.
template <class T>
void polar_float(const T* magn, const T* phase, T* re, T* im, int len) {
    for (int i = 0; i < len; ++i) {
        const double m = magn[i], p = phase[i];
        const T x = static_cast<T>(m * std::cos(p)), y = static_cast<T>(m * std::sin(p));
        if (im) {
            re[i] = x;
            im[i] = y;
        } else {
            re[2 * i] = x;
            re[2 * i + 1] = y;
        }
    }
}

// Rounded half away from zero, saturated to 16 bits.
inline Vek16s round_away_16s(double v) {
    const double r = v > 0 ? v + 0.5 : v - 0.5;
    return saturate<Vek16s>(std::trunc(std::clamp(r, -65536.0, 65536.0)));
}

// Fixed-point phases with `fraction` bits; nearest-even products.
template <class T>
void polar_fixed(const T* magn, const T* phase, int fraction, T* dst, int len) {
    FpEnvGuard env;
    const double scale = std::ldexp(1.0, -fraction);
    for (int i = 0; i < len; ++i) {
        const double m = magn[i], p = phase[i] * scale;
        dst[2 * i] = saturate<T>(std::nearbyint(m * std::cos(p)));
        dst[2 * i + 1] = saturate<T>(std::nearbyint(m * std::sin(p)));
    }
}

}  // namespace
}  // namespace veks

using namespace veks;

VekStatus veksPolarToCart_32fc(const Vek32f* pSrcMagn, const Vek32f* pSrcPhase, Vek32fc* pDst, int len) {
    VEKS_CHECK(check_vec(len, pSrcMagn, pSrcPhase, pDst));
    polar_float(pSrcMagn, pSrcPhase, &pDst->re, static_cast<Vek32f*>(nullptr), len);
    return vekStsNoErr;
}
VekStatus veksPolarToCart_64fc(const Vek64f* pSrcMagn, const Vek64f* pSrcPhase, Vek64fc* pDst, int len) {
    VEKS_CHECK(check_vec(len, pSrcMagn, pSrcPhase, pDst));
    polar_float(pSrcMagn, pSrcPhase, &pDst->re, static_cast<Vek64f*>(nullptr), len);
    return vekStsNoErr;
}
VekStatus veksPolarToCart_32f(const Vek32f* pSrcMagn, const Vek32f* pSrcPhase, Vek32f* pDstRe, Vek32f* pDstIm,
                              int len) {
    VEKS_CHECK(check_vec(len, pSrcMagn, pSrcPhase, pDstRe, pDstIm));
    polar_float(pSrcMagn, pSrcPhase, pDstRe, pDstIm, len);
    return vekStsNoErr;
}
VekStatus veksPolarToCart_64f(const Vek64f* pSrcMagn, const Vek64f* pSrcPhase, Vek64f* pDstRe, Vek64f* pDstIm,
                              int len) {
    VEKS_CHECK(check_vec(len, pSrcMagn, pSrcPhase, pDstRe, pDstIm));
    polar_float(pSrcMagn, pSrcPhase, pDstRe, pDstIm, len);
    return vekStsNoErr;
}

VekStatus veksPolarToCart_16sc_Sfs(const Vek16s* pSrcMagn, const Vek16s* pSrcPhase, Vek16sc* pDst, int len,
                                   int magnScaleFactor, int phaseScaleFactor) {
    VEKS_CHECK(check_vec(len, pSrcMagn, pSrcPhase, pDst));
    const double ms = double_scale(std::clamp(magnScaleFactor, -1000, 1000));
    const double ps = double_scale(std::clamp(phaseScaleFactor, -1000, 1000));
    for (int i = 0; i < len; ++i) {
        const double m = pSrcMagn[i] * ms, p = pSrcPhase[i] * ps;
        pDst[i] = Vek16sc{round_away_16s(m * std::cos(p)), round_away_16s(m * std::sin(p))};
    }
    return vekStsNoErr;
}

VekStatus veksPolarToCart_16sc(const Vek16s* pSrcMagn, const Vek16s* pSrcPhase, int phaseFixedPoint, Vek16sc* pDst,
                               int len) {
    VEKS_CHECK(check_vec(len, pSrcMagn, pSrcPhase, pDst));
    VEKS_CHECK(check_param(phaseFixedPoint < 0 || phaseFixedPoint >= 16, vekStsSizeErr));
    polar_fixed(pSrcMagn, pSrcPhase, phaseFixedPoint, &pDst->re, len);
    return vekStsNoErr;
}
VekStatus veksPolarToCart_32sc(const Vek32s* pSrcMagn, const Vek32s* pSrcPhase, int phaseFixedPoint, Vek32sc* pDst,
                               int len) {
    VEKS_CHECK(check_vec(len, pSrcMagn, pSrcPhase, pDst));
    VEKS_CHECK(check_param(phaseFixedPoint < 0 || phaseFixedPoint >= 32, vekStsSizeErr));
    polar_fixed(pSrcMagn, pSrcPhase, phaseFixedPoint, &pDst->re, len);
    return vekStsNoErr;
}
