// Exported phases atan2(im, re) and the Cartesian-to-polar composites.
//
// Single-precision results come from the float kernel (16-bit parts convert
// to float exactly), double results and the integer forms from the double
// kernel.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/check.h"
#include "core/fpenv.h"
#include "core/scale.h"
#include "core/simd.h"
#include "math_dkernels.h"
#include "math_float.h"
#include "veks.h"

namespace veks {
namespace {

template <bool wide>
double phase1(double re, double im) {
    return atan2_d<ScalarLanes, wide>(im, re);
}

// Single-precision results of 16-bit sources: the parts convert exactly
// to float and go through the float kernel in blocks.
void phase_16s_to_float(const Vek16s* re, const Vek16s* im, float* dst, int len) {
    float r[256], m[256];
    for (int at = 0; at < len; at += 256) {
        const int n = std::min(len - at, 256);
        for (int i = 0; i < n; ++i) {
            r[i] = im ? re[at + i] : re[2 * (at + i)];
            m[i] = im ? im[at + i] : re[2 * (at + i) + 1];
        }
        phase_32f(r, m, dst + at, n);
    }
}

void phase_64f(const double* re, const double* im, double* dst, int len) {
    const bool inter = im == nullptr;
    simd::sweep<2>(
        dst, len,
        [&](std::ptrdiff_t i) {
            dst[i] = inter ? phase1<true>(re[2 * i], re[2 * i + 1]) : phase1<true>(re[i], im[i]);
        },
        [&](std::ptrdiff_t i) {
            __m128d r, m;
            if (inter) {
                const __m128d a = _mm_loadu_pd(re + 2 * i), b = _mm_loadu_pd(re + 2 * i + 2);
                r = _mm_unpacklo_pd(a, b);
                m = _mm_unpackhi_pd(a, b);
            } else {
                r = _mm_loadu_pd(re + i);
                m = _mm_loadu_pd(im + i);
            }
            _mm_storeu_pd(dst + i, atan2_d<SseLanes, true>(m, r));
        });
}

// Integer phases: the double phase times 2^-sf, nearest even, saturated.
template <class S, class D>
void phase_int(const S* re, const S* im, D* dst, int len, int sf) {
    FpEnvGuard env;
    const bool inter = im == nullptr;
    const double scale = double_scale(std::clamp(sf, -200, 200));
    for (int i = 0; i < len; ++i) {
        const double r = inter ? re[2 * i] : re[i], m = inter ? re[2 * i + 1] : im[i];
        dst[i] = saturate<D>(std::nearbyint(phase1<false>(r, m) * scale));
    }
}

}  // namespace
}  // namespace veks

using namespace veks;

VekStatus veksPhase_32fc(const Vek32fc* pSrc, Vek32f* pDst, int len) {
    VEKS_CHECK(check_vec(len, pSrc, pDst));
    phase_32f(&pSrc->re, nullptr, pDst, len);
    return vekStsNoErr;
}
VekStatus veksPhase_32f(const Vek32f* pSrcRe, const Vek32f* pSrcIm, Vek32f* pDst, int len) {
    VEKS_CHECK(check_vec(len, pSrcRe, pSrcIm, pDst));
    phase_32f(pSrcRe, pSrcIm, pDst, len);
    return vekStsNoErr;
}
VekStatus veksPhase_16sc32f(const Vek16sc* pSrc, Vek32f* pDst, int len) {
    VEKS_CHECK(check_vec(len, pSrc, pDst));
    phase_16s_to_float(&pSrc->re, nullptr, pDst, len);
    return vekStsNoErr;
}
VekStatus veksPhase_16s32f(const Vek16s* pSrcRe, const Vek16s* pSrcIm, Vek32f* pDst, int len) {
    VEKS_CHECK(check_vec(len, pSrcRe, pSrcIm, pDst));
    phase_16s_to_float(pSrcRe, pSrcIm, pDst, len);
    return vekStsNoErr;
}
VekStatus veksPhase_64fc(const Vek64fc* pSrc, Vek64f* pDst, int len) {
    VEKS_CHECK(check_vec(len, pSrc, pDst));
    phase_64f(&pSrc->re, nullptr, pDst, len);
    return vekStsNoErr;
}
VekStatus veksPhase_64f(const Vek64f* pSrcRe, const Vek64f* pSrcIm, Vek64f* pDst, int len) {
    VEKS_CHECK(check_vec(len, pSrcRe, pSrcIm, pDst));
    phase_64f(pSrcRe, pSrcIm, pDst, len);
    return vekStsNoErr;
}
VekStatus veksPhase_16sc_Sfs(const Vek16sc* pSrc, Vek16s* pDst, int len, int scaleFactor) {
    VEKS_CHECK(check_vec(len, pSrc, pDst));
    phase_int(&pSrc->re, static_cast<const Vek16s*>(nullptr), pDst, len, scaleFactor);
    return vekStsNoErr;
}
VekStatus veksPhase_32sc_Sfs(const Vek32sc* pSrc, Vek32s* pDst, int len, int scaleFactor) {
    VEKS_CHECK(check_vec(len, pSrc, pDst));
    phase_int(&pSrc->re, static_cast<const Vek32s*>(nullptr), pDst, len, scaleFactor);
    return vekStsNoErr;
}
VekStatus veksPhase_16s_Sfs(const Vek16s* pSrcRe, const Vek16s* pSrcIm, Vek16s* pDst, int len, int scaleFactor) {
    VEKS_CHECK(check_vec(len, pSrcRe, pSrcIm, pDst));
    phase_int(pSrcRe, pSrcIm, pDst, len, scaleFactor);
    return vekStsNoErr;
}

// The composites run the magnitude over the whole vector, then the phase;
// each part checks its own pointers.
VekStatus veksCartToPolar_32fc(const Vek32fc* pSrc, Vek32f* pDstMagn, Vek32f* pDstPhase, int len) {
    const VekStatus m = veksMagnitude_32fc(pSrc, pDstMagn, len);
    const VekStatus p = veksPhase_32fc(pSrc, pDstPhase, len);
    return m != vekStsNoErr ? m : p;
}
VekStatus veksCartToPolar_64fc(const Vek64fc* pSrc, Vek64f* pDstMagn, Vek64f* pDstPhase, int len) {
    const VekStatus m = veksMagnitude_64fc(pSrc, pDstMagn, len);
    const VekStatus p = veksPhase_64fc(pSrc, pDstPhase, len);
    return m != vekStsNoErr ? m : p;
}
VekStatus veksCartToPolar_32f(const Vek32f* pSrcRe, const Vek32f* pSrcIm, Vek32f* pDstMagn, Vek32f* pDstPhase,
                              int len) {
    const VekStatus m = veksMagnitude_32f(pSrcRe, pSrcIm, pDstMagn, len);
    const VekStatus p = veksPhase_32f(pSrcRe, pSrcIm, pDstPhase, len);
    return m != vekStsNoErr ? m : p;
}
VekStatus veksCartToPolar_64f(const Vek64f* pSrcRe, const Vek64f* pSrcIm, Vek64f* pDstMagn, Vek64f* pDstPhase,
                              int len) {
    const VekStatus m = veksMagnitude_64f(pSrcRe, pSrcIm, pDstMagn, len);
    const VekStatus p = veksPhase_64f(pSrcRe, pSrcIm, pDstPhase, len);
    return m != vekStsNoErr ? m : p;
}
// The integer composite computes phases only after a clean magnitude pass.
VekStatus veksCartToPolar_16sc_Sfs(const Vek16sc* pSrc, Vek16s* pDstMagn, Vek16s* pDstPhase, int len,
                                   int magnScaleFactor, int phaseScaleFactor) {
    VEKS_CHECK(veksMagnitude_16sc_Sfs(pSrc, pDstMagn, len, magnScaleFactor));
    return veksPhase_16sc_Sfs(pSrc, pDstPhase, len, phaseScaleFactor);
}
