// Exported phases atan2(im, re) and the Cartesian-to-polar composites.
//
// Every form evaluates the double-precision atan2 kernel; single-precision
// and 16-bit sources convert exactly and round the result once.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "core/check.h"
#include "core/fpenv.h"
#include "core/scale.h"
#include "core/simd.h"
#include "math_dkernels.h"
#include "veks.h"

namespace veks {
namespace {

// Four source elements as re/im double pairs (lo = elements 0, 1).
struct Quad {
    __m128d re_lo, re_hi, im_lo, im_hi;
};

inline Quad quad(const float* p) {  // interleaved 32fc
    const __m128 a = _mm_loadu_ps(p), b = _mm_loadu_ps(p + 4);
    const __m128 re = _mm_shuffle_ps(a, b, _MM_SHUFFLE(2, 0, 2, 0));
    const __m128 im = _mm_shuffle_ps(a, b, _MM_SHUFFLE(3, 1, 3, 1));
    return {_mm_cvtps_pd(re), _mm_cvtps_pd(_mm_movehl_ps(re, re)), _mm_cvtps_pd(im),
            _mm_cvtps_pd(_mm_movehl_ps(im, im))};
}
inline Quad quad(const float* re, const float* im) {  // split 32f
    const __m128 r = _mm_loadu_ps(re), m = _mm_loadu_ps(im);
    return {_mm_cvtps_pd(r), _mm_cvtps_pd(_mm_movehl_ps(r, r)), _mm_cvtps_pd(m), _mm_cvtps_pd(_mm_movehl_ps(m, m))};
}

template <bool wide>
double phase1(double re, double im) {
    return atan2_d<ScalarLanes, wide>(im, re);
}

// Single-precision results from interleaved (im == nullptr, stride 2) or
// split sources of type S.
template <class S>
void phase_to_float(const S* re, const S* im, float* dst, int len) {
    const bool inter = im == nullptr;
    auto scalar = [&](std::ptrdiff_t i) {
        const double r = inter ? re[2 * i] : re[i], m = inter ? re[2 * i + 1] : im[i];
        dst[i] = static_cast<float>(phase1<false>(r, m));
    };
    if constexpr (std::is_same_v<S, float>) {
        simd::sweep<4>(dst, len, scalar, [&](std::ptrdiff_t i) {
            const Quad q = inter ? quad(re + 2 * i) : quad(re + i, im + i);
            const __m128 lo = _mm_cvtpd_ps(atan2_d<SseLanes, false>(q.im_lo, q.re_lo));
            const __m128 hi = _mm_cvtpd_ps(atan2_d<SseLanes, false>(q.im_hi, q.re_hi));
            _mm_storeu_ps(dst + i, _mm_movelh_ps(lo, hi));
        });
    } else {
        for (int i = 0; i < len; ++i) scalar(i);
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
    phase_to_float<float>(&pSrc->re, nullptr, pDst, len);
    return vekStsNoErr;
}
VekStatus veksPhase_32f(const Vek32f* pSrcRe, const Vek32f* pSrcIm, Vek32f* pDst, int len) {
    VEKS_CHECK(check_vec(len, pSrcRe, pSrcIm, pDst));
    phase_to_float<float>(pSrcRe, pSrcIm, pDst, len);
    return vekStsNoErr;
}
VekStatus veksPhase_16sc32f(const Vek16sc* pSrc, Vek32f* pDst, int len) {
    VEKS_CHECK(check_vec(len, pSrc, pDst));
    phase_to_float<Vek16s>(&pSrc->re, nullptr, pDst, len);
    return vekStsNoErr;
}
VekStatus veksPhase_16s32f(const Vek16s* pSrcRe, const Vek16s* pSrcIm, Vek32f* pDst, int len) {
    VEKS_CHECK(check_vec(len, pSrcRe, pSrcIm, pDst));
    phase_to_float<Vek16s>(pSrcRe, pSrcIm, pDst, len);
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
