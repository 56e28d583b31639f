// Exported floating-point and complex floating-point division. Real
// quotients are true IEEE divisions; a zero divisor gives infinity with the
// dividend's sign (0/0 a fixed NaN pattern) and the warning. Constant
// divisors become products with the reciprocal through the MulC family.
#include <emmintrin.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>

#include "core/check.h"
#include "core/parallel.h"
#include "core/simd.h"
#include "veks.h"
#include "wide_table.h"

namespace veks {
namespace div {
namespace {

template <class T>
struct Bits;
template <>
struct Bits<float> {
    using U = std::uint32_t;
    static constexpr U nan00 = kNan00_32f;  // 0/0
};
template <>
struct Bits<double> {
    using U = std::uint64_t;
    static constexpr U nan00 = kNan00_64f;
};

template <class T>
T from_bits(typename Bits<T>::U u) {
    T t;
    std::memcpy(&t, &u, sizeof t);
    return t;
}

template <class T>
T divide(T x, T d) {
    if (d != 0) return x / d;
    if (x == 0) return from_bits<T>(Bits<T>::nan00);
    if (x != x) return x / d;
    return std::copysign(std::numeric_limits<T>::infinity(), x);
}

// The packet twin of divide(); returns the mask of zero divisors.
template <class T>
int divide_block(const T* d, const T* x, T* dst) {
    using P = simd::Packet<T>;
    if constexpr (sizeof(T) == 4) {
        const __m128 dv = _mm_loadu_ps(d), xv = _mm_loadu_ps(x);
        const __m128 dz = _mm_cmpeq_ps(dv, _mm_setzero_ps());
        __m128 q = _mm_div_ps(xv, dv);
        const int mask = _mm_movemask_ps(dz);
        if (mask) {
            const __m128 inf = _mm_or_ps(_mm_and_ps(xv, _mm_set1_ps(-0.0f)), _mm_set1_ps(INFINITY));
            const __m128 special = _mm_and_ps(dz, _mm_cmpord_ps(xv, xv));  // NaN dividends keep x / d
            const __m128 xz = _mm_cmpeq_ps(xv, _mm_setzero_ps());
            const __m128 fix = _mm_or_ps(_mm_and_ps(xz, _mm_castsi128_ps(_mm_set1_epi32(int(Bits<float>::nan00)))),
                                         _mm_andnot_ps(xz, inf));
            q = _mm_or_ps(_mm_and_ps(special, fix), _mm_andnot_ps(special, q));
        }
        P::storeu(dst, q);
        return mask;
    } else {
        const __m128d dv = _mm_loadu_pd(d), xv = _mm_loadu_pd(x);
        const __m128d dz = _mm_cmpeq_pd(dv, _mm_setzero_pd());
        __m128d q = _mm_div_pd(xv, dv);
        const int mask = _mm_movemask_pd(dz);
        if (mask) {
            const __m128d inf = _mm_or_pd(_mm_and_pd(xv, _mm_set1_pd(-0.0)), _mm_set1_pd(INFINITY));
            const __m128d special = _mm_and_pd(dz, _mm_cmpord_pd(xv, xv));
            const __m128d xz = _mm_cmpeq_pd(xv, _mm_setzero_pd());
            const __m128d fix = _mm_or_pd(_mm_and_pd(xz, _mm_castsi128_pd(_mm_set1_epi64x(std::int64_t(Bits<double>::nan00)))),
                                          _mm_andnot_pd(xz, inf));
            q = _mm_or_pd(_mm_and_pd(special, fix), _mm_andnot_pd(special, q));
        }
        P::storeu(dst, q);
        return mask;
    }
}

inline int wide_div(const WideKernels& w, const float* d, const float* x, float* dst, int len) {
    return w.div_32f(d, x, dst, len);
}
inline int wide_div(const WideKernels& w, const double* d, const double* x, double* dst, int len) {
    return w.div_64f(d, x, dst, len);
}

template <class T>
int div_piece(const T* d, const T* x, T* dst, int len) {
    if (const WideKernels* w = wide_kernels()) return wide_div(*w, d, x, dst, len) != 0;
    constexpr int L = simd::Packet<T>::lanes;
    int zero_seen = 0;
    simd::sweep<2 * L>(
        dst, len,
        [&](std::ptrdiff_t i) {
            zero_seen |= d[i] == 0;
            dst[i] = divide(x[i], d[i]);
        },
        [&](std::ptrdiff_t i) {
            zero_seen |= divide_block(d + i, x + i, dst + i) | divide_block(d + i + L, x + i + L, dst + i + L);
        });
    return zero_seen != 0;
}

template <class T>
VekStatus div_real(const T* d, const T* x, T* dst, int len, int threshold) {
    VEKS_CHECK(check_vec(len, d, x, dst));
    return run_split(len, threshold, kElementwiseThreadCap,
                     [&](int off, int n) { return div_piece(d + off, x + off, dst + off, n); })
               ? vekStsDivByZero
               : vekStsNoErr;
}

// x * conj(d) / |d|^2 in the element precision.
template <class C>
int cdiv_piece(const C* d, const C* x, C* dst, int len) {
    int zero_seen = 0;
    for (int i = 0; i < len; ++i) {
        const auto m = d[i].re * d[i].re + d[i].im * d[i].im;
        zero_seen |= m == 0;
        const auto re = x[i].re * d[i].re + x[i].im * d[i].im;
        const auto im = x[i].im * d[i].re - x[i].re * d[i].im;
        dst[i] = C{re / m, im / m};
    }
    return zero_seen;
}

template <class C>
VekStatus div_cplx(const C* d, const C* x, C* dst, int len) {
    VEKS_CHECK(check_vec(len, d, x, dst));
    return run_split(len, 1024, kElementwiseThreadCap,
                     [&](int off, int n) { return cdiv_piece(d + off, x + off, dst + off, n); })
               ? vekStsDivByZero
               : vekStsNoErr;
}

// val * (1 / x), the reciprocal a true division.
VekStatus divcrev_32f(const Vek32f* src, Vek32f val, Vek32f* dst, int len) {
    VEKS_CHECK(check_vec(len, src, dst));
    const int z = run_split(len, 4096, kElementwiseThreadCap, [&](int off, int n) {
        int zero_seen = 0;
        for (int i = off; i < off + n; ++i) {
            zero_seen |= src[i] == 0;
            dst[i] = val * (1.0f / src[i]);
        }
        return zero_seen;
    });
    return z ? vekStsDivByZero : vekStsNoErr;
}

template <class C>
C reciprocal(C v) {
    const auto m = v.re * v.re + v.im * v.im;
    return C{v.re / m, -v.im / m};
}

}  // namespace
}  // namespace div
}  // namespace veks

using namespace veks;
using namespace veks::div;

VekStatus veksDiv_32f(const Vek32f* pSrc1, const Vek32f* pSrc2, Vek32f* pDst, int len) {
    return div_real(pSrc1, pSrc2, pDst, len, 4096);
}
VekStatus veksDiv_32f_I(const Vek32f* pSrc, Vek32f* pSrcDst, int len) { return div_real<Vek32f>(pSrc, pSrcDst, pSrcDst, len, 4096); }
VekStatus veksDiv_64f(const Vek64f* pSrc1, const Vek64f* pSrc2, Vek64f* pDst, int len) {
    return div_real(pSrc1, pSrc2, pDst, len, 1024);
}
VekStatus veksDiv_64f_I(const Vek64f* pSrc, Vek64f* pSrcDst, int len) { return div_real<Vek64f>(pSrc, pSrcDst, pSrcDst, len, 1024); }
VekStatus veksDiv_32fc(const Vek32fc* pSrc1, const Vek32fc* pSrc2, Vek32fc* pDst, int len) {
    return div_cplx(pSrc1, pSrc2, pDst, len);
}
VekStatus veksDiv_32fc_I(const Vek32fc* pSrc, Vek32fc* pSrcDst, int len) { return div_cplx<Vek32fc>(pSrc, pSrcDst, pSrcDst, len); }
VekStatus veksDiv_64fc(const Vek64fc* pSrc1, const Vek64fc* pSrc2, Vek64fc* pDst, int len) {
    return div_cplx(pSrc1, pSrc2, pDst, len);
}
VekStatus veksDiv_64fc_I(const Vek64fc* pSrc, Vek64fc* pSrcDst, int len) { return div_cplx<Vek64fc>(pSrc, pSrcDst, pSrcDst, len); }

#define VEKS_DIVC_REAL(code, T)                                                     \
    VekStatus veksDivC_##code(const T* pSrc, T val, T* pDst, int len) {             \
        VEKS_CHECK(check_vec(len, pSrc, pDst));                                     \
        VEKS_CHECK(check_param(val == 0, vekStsDivByZeroErr));                      \
        return veksMulC_##code(pSrc, T(1) / val, pDst, len);                        \
    }                                                                               \
    VekStatus veksDivC_##code##_I(T val, T* pSrcDst, int len) {                     \
        VEKS_CHECK(check_vec(len, pSrcDst));                                        \
        VEKS_CHECK(check_param(val == 0, vekStsDivByZeroErr));                      \
        return veksMulC_##code##_I(T(1) / val, pSrcDst, len);                       \
    }
VEKS_DIVC_REAL(32f, Vek32f)
VEKS_DIVC_REAL(64f, Vek64f)

#define VEKS_DIVC_CPLX(code, C)                                                     \
    VekStatus veksDivC_##code(const C* pSrc, C val, C* pDst, int len) {             \
        VEKS_CHECK(check_vec(len, pSrc, pDst));                                     \
        VEKS_CHECK(check_param(val.re * val.re + val.im * val.im == 0, vekStsDivByZeroErr)); \
        return veksMulC_##code(pSrc, reciprocal(val), pDst, len);                   \
    }                                                                               \
    VekStatus veksDivC_##code##_I(C val, C* pSrcDst, int len) {                     \
        VEKS_CHECK(check_vec(len, pSrcDst));                                        \
        VEKS_CHECK(check_param(val.re * val.re + val.im * val.im == 0, vekStsDivByZeroErr)); \
        return veksMulC_##code##_I(reciprocal(val), pSrcDst, len);                  \
    }
VEKS_DIVC_CPLX(32fc, Vek32fc)
VEKS_DIVC_CPLX(64fc, Vek64fc)

VekStatus veksDivCRev_32f(const Vek32f* pSrc, Vek32f val, Vek32f* pDst, int len) { return divcrev_32f(pSrc, val, pDst, len); }
VekStatus veksDivCRev_32f_I(Vek32f val, Vek32f* pSrcDst, int len) { return divcrev_32f(pSrcDst, val, pSrcDst, len); }
