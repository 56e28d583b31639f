// First-order pre-emphasis of speech coders, in place: x[n] - val*x[n-1]
// with x[-1] = 0. Walking from the end keeps every x[n-1] unread-over.
#include <cstdint>

#include "core/check.h"
#include "core/scale.h"
#include "veks.h"

using namespace veks;

VekStatus veksPreemphasize_32f(Vek32f* pSrcDst, int len, Vek32f val) {
    VEKS_CHECK(check_vec(len, pSrcDst));
    for (int n = len - 1; n > 0; --n) pSrcDst[n] = pSrcDst[n] - val * pSrcDst[n - 1];
    return vekStsNoErr;
}

// Single-precision arithmetic, rounded to nearest (ties to even, the
// default mode) and saturated.
VekStatus veksPreemphasize_16s(Vek16s* pSrcDst, int len, Vek32f val) {
    VEKS_CHECK(check_vec(len, pSrcDst));
    const float magic = 12582912.0f;  // 1.5 * 2^23: adding it rounds to an integer
    for (int n = len - 1; n >= 0; --n) {
        const float prev = n > 0 ? float(pSrcDst[n - 1]) : 0.0f;
        const float y = float(pSrcDst[n]) - val * prev;
        const float r = (y >= -4194304.0f && y <= 4194304.0f) ? (y + magic) - magic : y;
        pSrcDst[n] = saturate<Vek16s>(r);
    }
    return vekStsNoErr;
}
