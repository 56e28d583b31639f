// Exported direct tones: parameter checks in the documented order, the
// continuation phase, and one generator per output shape.
#include <type_traits>

#include "core/check.h"
#include "generate/phase.h"
#include "generate/round_away.h"
#include "generate/tone_kernels.h"
#include "veks.h"

namespace veks {
namespace {

// The fast setup pays off from this length on.
constexpr int kFastFrom = 1024;

template <class M, class P>
VekStatus tone_checks(const void* dst, int len, M magn, P rFreq, const P* pPhase) {
    VEKS_CHECK(check_ptrs(pPhase));
    VEKS_CHECK(check_param(!(magn > M(0)), vekStsToneMagnErr));
    VEKS_CHECK(check_param(!freq_ok(rFreq), vekStsToneFreqErr));
    VEKS_CHECK(check_param(!phase_ok(*pPhase), vekStsTonePhaseErr));
    return check_vec(len, dst);
}

// Real tones; T is the output element, M the magnitude, P the precision of
// frequency and phase.
template <class T, class M, class P>
VekStatus tone_real(T* dst, int len, M magn, P rFreq, P* pPhase, VekHintAlgorithm hint) {
    VEKS_CHECK(tone_checks(dst, len, magn, rFreq, pPhase));
    const double m = magn, w = kTwoPi * static_cast<double>(rFreq), ph = *pPhase;
    const bool fast = hint == vekAlgHintFast && len >= kFastFrom;
    if (std::is_same_v<T, double>) {
        tone::rotator(len, m, w, ph, [dst](int n0, const double* re, const double*, int count) {
            for (int k = 0; k < count; ++k) dst[n0 + k] = round_away<T>(re[k]);
        });
    } else if (fast) {
        tone::long_stride(len, m, w, ph, [dst](int n0, const double* y, int count) {
            for (int k = 0; k < count; ++k) dst[n0 + k] = round_away<T>(y[k]);
        });
    } else {
        tone::recurrence(len, m, w, ph, [dst](int n, double v) { dst[n] = round_away<T>(v); });
    }
    *pPhase = continuation_phase<P>(ph, w, len);
    return vekStsNoErr;
}

// Complex tones (cos, sin); C is the complex element type.
template <class C, class M, class P>
VekStatus tone_complex(C* dst, int len, M magn, P rFreq, P* pPhase) {
    VEKS_CHECK(tone_checks(dst, len, magn, rFreq, pPhase));
    using Part = decltype(dst->re);
    const double m = magn, w = kTwoPi * static_cast<double>(rFreq), ph = *pPhase;
    tone::rotator(len, m, w, ph, [dst](int n0, const double* re, const double* im, int count) {
        for (int k = 0; k < count; ++k) {
            dst[n0 + k].re = round_away<Part>(re[k]);
            dst[n0 + k].im = round_away<Part>(im[k]);
        }
    });
    *pPhase = continuation_phase<P>(ph, w, len);
    return vekStsNoErr;
}

}  // namespace
}  // namespace veks

using namespace veks;

#define VEKS_TONE(code, T, C, M, P)                                                                 \
    VekStatus veksTone_Direct_##code(T* pDst, int len, M magn, P rFreq, P* pPhase,                  \
                                     VekHintAlgorithm hint) {                                       \
        return tone_real(pDst, len, magn, rFreq, pPhase, hint);                                     \
    }                                                                                               \
    VekStatus veksTone_Direct_##code##c(C* pDst, int len, M magn, P rFreq, P* pPhase,               \
                                        VekHintAlgorithm) {                                         \
        return tone_complex(pDst, len, magn, rFreq, pPhase);                                        \
    }

VEKS_TONE(32f, Vek32f, Vek32fc, Vek32f, Vek32f)
VEKS_TONE(64f, Vek64f, Vek64fc, Vek64f, Vek64f)
VEKS_TONE(16s, Vek16s, Vek16sc, Vek16s, Vek32f)
