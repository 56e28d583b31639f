// Reciprocal threshold: y = 1 / x', where x' is x with its magnitude raised
// to the level (sign or phase kept). Long vectors are shared between two
// threads; each piece is position-independent, so the split never changes
// a result.
#include <cmath>
#include <limits>

#include "core/check.h"
#include "core/fpenv.h"
#include "core/parallel.h"
#include "threshold_rules.h"
#include "veks.h"

namespace veks {
namespace {

// Serial kernels: return 1 when an element was zero (possible with level 0
// only). Exceptions are masked for the duration.
template <class T>
int inv_real(const T* src, T* dst, int len, T level) {
    FpEnvGuard env(Rounding::Nearest);
    if (level > 0) {
        for (int i = 0; i < len; ++i) {
            const T a = std::fabs(src[i]);
            dst[i] = T(1) / std::copysign(a < level ? level : a, src[i]);
        }
        return 0;
    }
    int zero = 0;
    for (int i = 0; i < len; ++i) {
        zero |= src[i] == 0;
        dst[i] = T(1) / src[i];
    }
    return zero;
}

// A zero element with level 0 gives infinities in both parts.
template <class C>
int inv_cplx(const C* src, C* dst, int len, typename thr::Cplx<C>::Level level) {
    using T = typename thr::Cplx<C>::Part;
    FpEnvGuard env(Rounding::Nearest);
    const T level2 = level * level;
    int zero = 0;
    for (int i = 0; i < len; ++i) {
        C z = src[i];
        const T m2 = z.re * z.re + z.im * z.im;
        if (m2 < level2) {
            if (m2 == 0) {
                z = C{level, 0};
            } else {
                const T s = level / std::sqrt(m2);
                z = C{z.re * s, z.im * s};
            }
        } else if (m2 == 0) {
            zero = 1;
            constexpr T inf = std::numeric_limits<T>::infinity();
            dst[i] = C{inf, inf};
            continue;
        }
        const T d = z.re * z.re + z.im * z.im;
        dst[i] = C{z.re / d, -z.im / d};
    }
    return zero;
}

int ownveksInvThresh_32f(const Vek32f* s, Vek32f* d, int n, Vek32f l) { return inv_real(s, d, n, l); }
int ownveksInvThresh_64f(const Vek64f* s, Vek64f* d, int n, Vek64f l) { return inv_real(s, d, n, l); }
int ownveksInvThresh_32fc(const Vek32fc* s, Vek32fc* d, int n, Vek32f l) { return inv_cplx(s, d, n, l); }
int ownveksInvThresh_64fc(const Vek64fc* s, Vek64fc* d, int n, Vek64f l) { return inv_cplx(s, d, n, l); }

template <class T, class L, class Kernel>
int run_parallel(const T* src, T* dst, int len, L level, Kernel kernel) {
    return run_omp(len, kElementwiseThreadCap,
                   [&](int offset, int count) { return kernel(src + offset, dst + offset, count, level); });
}

int ownveksInvThresh_32f_omp(const Vek32f* s, Vek32f* d, int n, Vek32f l) {
    return run_parallel(s, d, n, l, ownveksInvThresh_32f);
}
int ownveksInvThresh_64f_omp(const Vek64f* s, Vek64f* d, int n, Vek64f l) {
    return run_parallel(s, d, n, l, ownveksInvThresh_64f);
}
int ownveksInvThresh_32fc_omp(const Vek32fc* s, Vek32fc* d, int n, Vek32f l) {
    return run_parallel(s, d, n, l, ownveksInvThresh_32fc);
}
int ownveksInvThresh_64fc_omp(const Vek64fc* s, Vek64fc* d, int n, Vek64f l) {
    return run_parallel(s, d, n, l, ownveksInvThresh_64fc);
}

// From `parallel_from` elements on the parallel kernel runs, and a zero
// element is reported as a division by zero instead of an inverse of zero.
template <class T, class L>
VekStatus inv_threshold(const T* src, T* dst, int len, L level, int parallel_from, int (*serial)(const T*, T*, int, L),
                        int (*parallel)(const T*, T*, int, L)) {
    VEKS_CHECK(check_vec(len, src, dst));
    VEKS_CHECK(check_param(level < 0, vekStsThreshNegLevelErr));
    if (len < parallel_from) return serial(src, dst, len, level) ? vekStsInvOfZero : vekStsNoErr;
    return parallel(src, dst, len, level) ? vekStsDivByZero : vekStsNoErr;
}

}  // namespace
}  // namespace veks

using namespace veks;

#define VEKS_LTINV(code, T, L, from)                                                                           \
    VekStatus veksThreshold_LTInv_##code(const T* pSrc, T* pDst, int len, L level) {                          \
        return inv_threshold(pSrc, pDst, len, level, from, ownveksInvThresh_##code, ownveksInvThresh_##code##_omp); \
    }                                                                                                          \
    VekStatus veksThreshold_LTInv_##code##_I(T* pSrcDst, int len, L level) {                                   \
        return inv_threshold<T, L>(pSrcDst, pSrcDst, len, level, from, ownveksInvThresh_##code,                \
                                   ownveksInvThresh_##code##_omp);                                             \
    }
VEKS_LTINV(32f, Vek32f, Vek32f, 8192)
VEKS_LTINV(64f, Vek64f, Vek64f, 2048)
VEKS_LTINV(32fc, Vek32fc, Vek32f, 2048)
VEKS_LTINV(64fc, Vek64fc, Vek64f, 512)
