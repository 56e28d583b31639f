// Exported ramps, slopes and Jaehne chirps: one line per type code.
#include "core/check.h"
#include "generate/line_kernels.h"
#include "veks.h"

using namespace veks;

#define VEKS_LINES(code, T, SlopeArg)                                                      \
    VekStatus veksVectorRamp_##code(T* pDst, int len, Vek32f offset, Vek32f slope) {       \
        VEKS_CHECK(check_vec(len, pDst));                                                  \
        ramp_fill(pDst, len, offset, slope);                                               \
        return vekStsNoErr;                                                                \
    }                                                                                      \
    VekStatus veksVectorSlope_##code(T* pDst, int len, SlopeArg offset, SlopeArg slope) {  \
        VEKS_CHECK(check_vec(len, pDst));                                                  \
        slope_fill(pDst, len, offset, slope);                                              \
        return vekStsNoErr;                                                                \
    }                                                                                      \
    VekStatus veksVectorJaehne_##code(T* pDst, int len, T magn) {                          \
        VEKS_CHECK(check_vec(len, pDst));                                                  \
        VEKS_CHECK(check_param(is_negative(magn), vekStsJaehneErr));                             \
        jaehne_fill(pDst, len, magn);                                                      \
        return vekStsNoErr;                                                                \
    }

VEKS_LINES(8u, Vek8u, Vek32f)
VEKS_LINES(8s, Vek8s, Vek32f)
VEKS_LINES(16u, Vek16u, Vek32f)
VEKS_LINES(16s, Vek16s, Vek32f)
VEKS_LINES(32u, Vek32u, Vek32f)
VEKS_LINES(32s, Vek32s, Vek32f)
VEKS_LINES(32f, Vek32f, Vek32f)
VEKS_LINES(64f, Vek64f, Vek64f)
