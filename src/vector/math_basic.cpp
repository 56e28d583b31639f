// Exported absolute values, squares and floating-point square roots.
#include <cmath>
#include <complex>
#include <cstdint>

#include "core/check.h"
#include "core/cpu.h"
#include "core/parallel.h"
#include "core/scale.h"
#include "core/simd.h"
#include "math_float.h"
#include "veks.h"

namespace veks {
namespace {

using simd::Packet;

// Absolute value; |min| of the integer types saturates to max.
template <class T>
T abs_scalar(T x) {
    if constexpr (std::is_floating_point_v<T>) {
        return std::fabs(x);
    } else {
        return x < 0 ? (x == std::numeric_limits<T>::min() ? std::numeric_limits<T>::max() : T(-x)) : x;
    }
}

template <class T>
typename Packet<T>::V abs_packet(typename Packet<T>::V v) {
    using P = Packet<T>;
    if constexpr (std::is_same_v<T, float>) {
        return _mm_and_ps(v, _mm_castsi128_ps(_mm_set1_epi32(0x7FFFFFFF)));
    } else if constexpr (std::is_same_v<T, double>) {
        return _mm_and_pd(v, _mm_castsi128_pd(_mm_set1_epi64x(0x7FFFFFFFFFFFFFFFll)));
    } else if constexpr (sizeof(T) == 2) {
        return P::max(v, P::subs(P::zero(), v));  // 0 - (-32768) saturates to 32767
    } else {
        const __m128i a = P::abs(v);              // -2^31 stays -2^31 ...
        return _mm_add_epi32(a, _mm_srai_epi32(a, 31));  // ... and wraps to 2^31 - 1
    }
}

template <class T>
VekStatus abs_vec(const T* src, T* dst, int len) {
    VEKS_CHECK(check_vec(len, src, dst));
    using P = Packet<T>;
    simd::sweep<P::lanes>(
        dst, len, [&](std::ptrdiff_t i) { dst[i] = abs_scalar(src[i]); },
        [&](std::ptrdiff_t i) { P::storeu(dst + i, abs_packet<T>(P::loadu(src + i))); });
    return vekStsNoErr;
}

// Real float squares.
template <class T>
VekStatus sqr_float(const T* src, T* dst, int len) {
    VEKS_CHECK(check_vec(len, src, dst));
    using P = Packet<T>;
    simd::sweep<P::lanes>(
        dst, len, [&](std::ptrdiff_t i) { dst[i] = src[i] * src[i]; },
        [&](std::ptrdiff_t i) {
            const auto v = P::loadu(src + i);
            P::storeu(dst + i, P::mul(v, v));
        });
    return vekStsNoErr;
}

// Complex float squares (re^2 - im^2, 2 re im), one element at a time
// through the parts so the vector form keeps the scalar rounding.
template <class T, class C>
VekStatus sqr_complex(const C* src, C* dst, int len) {
    VEKS_CHECK(check_vec(len, src, dst));
    const T* s = reinterpret_cast<const T*>(src);
    T* d = reinterpret_cast<T*>(dst);
    for (int i = 0; i < len; ++i) {
        const T re = s[2 * i], im = s[2 * i + 1];
        d[2 * i] = re * re - im * im;
        d[2 * i + 1] = (re * im) * T(2);
    }
    return vekStsNoErr;
}

// Integer squares: the exact square scaled by the shared rounding rule.
template <class T>
VekStatus sqr_int(const T* src, T* dst, int len, int sf) {
    VEKS_CHECK(check_vec(len, src, dst));
    for (int i = 0; i < len; ++i) {
        const std::int64_t x = src[i];
        dst[i] = scale_exact<T>(x * x, sf);
    }
    return vekStsNoErr;
}

VekStatus sqr_16sc(const Vek16sc* src, Vek16sc* dst, int len, int sf) {
    VEKS_CHECK(check_vec(len, src, dst));
    for (int i = 0; i < len; ++i) {
        const std::int64_t re = src[i].re, im = src[i].im;
        dst[i] = Vek16sc{scale_exact<Vek16s>(re * re - im * im, sf), scale_exact<Vek16s>(2 * re * im, sf)};
    }
    return vekStsNoErr;
}

// IEEE square roots; a negative element (not -0) raises the warning.
template <class T>
int sqrt_piece(const T* src, T* dst, int len) {
    if constexpr (std::is_same_v<T, float>)
        if (cpu_info().avx2) return sqrt_32f_avx2(src, dst, len);
    using P = Packet<T>;
    int neg = 0;
    auto negmask = P::zero();
    simd::sweep<P::lanes>(
        dst, len,
        [&](std::ptrdiff_t i) {
            neg |= src[i] < T(0);
            dst[i] = std::sqrt(src[i]);
        },
        [&](std::ptrdiff_t i) {
            const auto v = P::loadu(src + i);
            if constexpr (std::is_same_v<T, float>)
                negmask = _mm_or_ps(negmask, _mm_cmplt_ps(v, P::zero()));
            else
                negmask = _mm_or_pd(negmask, _mm_cmplt_pd(v, P::zero()));
            P::storeu(dst + i, P::sqrt(v));
        });
    if constexpr (std::is_same_v<T, float>)
        neg |= _mm_movemask_ps(negmask) != 0;
    else
        neg |= _mm_movemask_pd(negmask) != 0;
    return neg;
}

template <class T>
VekStatus sqrt_float(const T* src, T* dst, int len, int threshold) {
    VEKS_CHECK(check_vec(len, src, dst));
    const int neg = run_split(len, threshold, kElementwiseThreadCap,
                              [&](int at, int n) { return sqrt_piece(src + at, dst + at, n); });
    return neg ? vekStsSqrtNegArg : vekStsNoErr;
}

// Principal complex roots; single precision is computed in double and
// rounded once.
template <class T, class C>
VekStatus sqrt_complex(const C* src, C* dst, int len, int threshold) {
    VEKS_CHECK(check_vec(len, src, dst));
    const T* s = reinterpret_cast<const T*>(src);
    T* d = reinterpret_cast<T*>(dst);
    run_split(len, threshold, kElementwiseThreadCap, [&](int at, int n) {
        for (int i = at; i < at + n; ++i) {
            const std::complex<double> r = std::sqrt(std::complex<double>(s[2 * i], s[2 * i + 1]));
            d[2 * i] = static_cast<T>(r.real());
            d[2 * i + 1] = static_cast<T>(r.imag());
        }
        return 0;
    });
    return vekStsNoErr;
}

}  // namespace
}  // namespace veks

using namespace veks;

#define VEKS_ABS(code, T)                                                                        \
    VekStatus veksAbs_##code(const T* pSrc, T* pDst, int len) { return abs_vec(pSrc, pDst, len); } \
    VekStatus veksAbs_##code##_I(T* pSrcDst, int len) { return abs_vec(pSrcDst, pSrcDst, len); }

VEKS_ABS(16s, Vek16s)
VEKS_ABS(32s, Vek32s)
VEKS_ABS(32f, Vek32f)
VEKS_ABS(64f, Vek64f)

#define VEKS_SQR_INT(code, T)                                                                    \
    VekStatus veksSqr_##code##_Sfs(const T* pSrc, T* pDst, int len, int scaleFactor) {          \
        return sqr_int(pSrc, pDst, len, scaleFactor);                                            \
    }                                                                                            \
    VekStatus veksSqr_##code##_ISfs(T* pSrcDst, int len, int scaleFactor) {                      \
        return sqr_int(pSrcDst, pSrcDst, len, scaleFactor);                                      \
    }

VEKS_SQR_INT(8u, Vek8u)
VEKS_SQR_INT(16s, Vek16s)
VEKS_SQR_INT(16u, Vek16u)

VekStatus veksSqr_16sc_Sfs(const Vek16sc* pSrc, Vek16sc* pDst, int len, int scaleFactor) {
    return sqr_16sc(pSrc, pDst, len, scaleFactor);
}
VekStatus veksSqr_16sc_ISfs(Vek16sc* pSrcDst, int len, int scaleFactor) {
    return sqr_16sc(pSrcDst, pSrcDst, len, scaleFactor);
}

#define VEKS_SQR_FLOAT(code, T, sqr)                                                             \
    VekStatus veksSqr_##code(const T* pSrc, T* pDst, int len) { return sqr(pSrc, pDst, len); }  \
    VekStatus veksSqr_##code##_I(T* pSrcDst, int len) { return sqr(pSrcDst, pSrcDst, len); }

VEKS_SQR_FLOAT(32f, Vek32f, sqr_float<Vek32f>)
VEKS_SQR_FLOAT(64f, Vek64f, sqr_float<Vek64f>)
VEKS_SQR_FLOAT(32fc, Vek32fc, (sqr_complex<Vek32f, Vek32fc>))
VEKS_SQR_FLOAT(64fc, Vek64fc, (sqr_complex<Vek64f, Vek64fc>))

#define VEKS_SQRT_FLOAT(code, T, sqrt, threshold)                                                \
    VekStatus veksSqrt_##code(const T* pSrc, T* pDst, int len) { return sqrt(pSrc, pDst, len, threshold); } \
    VekStatus veksSqrt_##code##_I(T* pSrcDst, int len) { return sqrt(pSrcDst, pSrcDst, len, threshold); }

VEKS_SQRT_FLOAT(32f, Vek32f, sqrt_float<Vek32f>, 4096)
VEKS_SQRT_FLOAT(64f, Vek64f, sqrt_float<Vek64f>, 512)
VEKS_SQRT_FLOAT(32fc, Vek32fc, (sqrt_complex<Vek32f, Vek32fc>), 512)
VEKS_SQRT_FLOAT(64fc, Vek64fc, (sqrt_complex<Vek64f, Vek64fc>), 64)
