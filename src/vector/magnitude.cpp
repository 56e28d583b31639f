// Exported magnitudes, squared magnitudes and power spectra.
//
// Interleaved and split complex sources share one kernel each: an element
// source yields (re, im) for element i, as scalars or as a packet of four.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>
#include <type_traits>
#include <utility>

#include "core/check.h"
#include "core/cpu.h"
#include "core/fpenv.h"
#include "core/parallel.h"
#include "core/scale.h"
#include "core/simd.h"
#include "math_float.h"
#include "math_int_round.h"
#include "veks.h"

namespace veks {
namespace {

// Parts of element i of an interleaved (one pointer) or split source.
template <class T>
struct Interleaved {
    const T* p;
    T re(std::ptrdiff_t i) const { return p[2 * i]; }
    T im(std::ptrdiff_t i) const { return p[2 * i + 1]; }
    Interleaved shifted(int at) const { return {p + 2 * at}; }
    const T* re_ptr() const { return p; }
    const T* im_ptr() const { return nullptr; }  // interleaved
};
template <class T>
struct Split {
    const T* r;
    const T* m;
    T re(std::ptrdiff_t i) const { return r[i]; }
    T im(std::ptrdiff_t i) const { return m[i]; }
    Split shifted(int at) const { return {r + at, m + at}; }
    const T* re_ptr() const { return r; }
    const T* im_ptr() const { return m; }
};

// Four single-precision (re, im) pairs as two packets.
inline void load4(const Interleaved<float>& s, std::ptrdiff_t i, __m128& re, __m128& im) {
    const __m128 a = _mm_loadu_ps(s.p + 2 * i), b = _mm_loadu_ps(s.p + 2 * i + 4);
    re = _mm_shuffle_ps(a, b, _MM_SHUFFLE(2, 0, 2, 0));
    im = _mm_shuffle_ps(a, b, _MM_SHUFFLE(3, 1, 3, 1));
}
inline void load4(const Split<float>& s, std::ptrdiff_t i, __m128& re, __m128& im) {
    re = _mm_loadu_ps(s.r + i);
    im = _mm_loadu_ps(s.m + i);
}
// Two double pairs.
inline void load2(const Interleaved<double>& s, std::ptrdiff_t i, __m128d& re, __m128d& im) {
    const __m128d a = _mm_loadu_pd(s.p + 2 * i), b = _mm_loadu_pd(s.p + 2 * i + 2);
    re = _mm_unpacklo_pd(a, b);
    im = _mm_unpackhi_pd(a, b);
}
inline void load2(const Split<double>& s, std::ptrdiff_t i, __m128d& re, __m128d& im) {
    re = _mm_loadu_pd(s.r + i);
    im = _mm_loadu_pd(s.m + i);
}
// Four exact 16-bit sums of squares as int32 lanes (2^31 wraps to -2^31).
inline __m128i sumsq4(const Interleaved<std::int16_t>& s, std::ptrdiff_t i) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(s.p + 2 * i));
    return _mm_madd_epi16(v, v);
}
inline __m128i sumsq4(const Split<std::int16_t>& s, std::ptrdiff_t i) {
    const __m128i r = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(s.r + i));
    const __m128i m = _mm_loadl_epi64(reinterpret_cast<const __m128i*>(s.m + i));
    const __m128i v = _mm_unpacklo_epi16(r, m);
    return _mm_madd_epi16(v, v);
}
template <class S>
std::uint32_t sumsq(const S& s, std::ptrdiff_t i) {
    const std::int32_t re = s.re(i), im = s.im(i);
    return static_cast<std::uint32_t>(re * re) + static_cast<std::uint32_t>(im * im);
}
// Single precision of the exact sum; the only sum above 2^31 - 1 is 2^31
// itself, which the wrapped conversion gives as -2^31: the absolute value
// repairs it.
inline __m128 sumsq_float4(__m128i s) {
    return _mm_and_ps(_mm_cvtepi32_ps(s), _mm_castsi128_ps(_mm_set1_epi32(0x7FFFFFFF)));
}

template <class S>
constexpr bool is_16s = std::is_same_v<decltype(std::declval<S>().re(0)), std::int16_t>;

enum class Op { Magn, Power };

// Floating magnitude or power in the element precision.
template <Op op, class T, class S>
void float_kernel(const S& src, T* dst, int len) {
    auto scalar = [&](std::ptrdiff_t i) {
        const T re = src.re(i), im = src.im(i);
        const T p = re * re + im * im;
        dst[i] = op == Op::Magn ? std::sqrt(p) : p;
    };
    if constexpr (std::is_same_v<T, float>) {
        if (cpu_info().avx2) {
            (op == Op::Magn ? magnitude_32f_avx2 : power_32f_avx2)(src.re_ptr(), src.im_ptr(), dst, len);
            return;
        }
        simd::sweep<4>(dst, len, scalar, [&](std::ptrdiff_t i) {
            __m128 re, im;
            load4(src, i, re, im);
            const __m128 p = _mm_add_ps(_mm_mul_ps(re, re), _mm_mul_ps(im, im));
            _mm_storeu_ps(dst + i, op == Op::Magn ? _mm_sqrt_ps(p) : p);
        });
    } else {
        simd::sweep<2>(dst, len, scalar, [&](std::ptrdiff_t i) {
            __m128d re, im;
            load2(src, i, re, im);
            const __m128d p = _mm_add_pd(_mm_mul_pd(re, re), _mm_mul_pd(im, im));
            _mm_storeu_pd(dst + i, op == Op::Magn ? _mm_sqrt_pd(p) : p);
        });
    }
}

// 16-bit sources to single precision from the exact sum of squares.
template <Op op, class S>
void int16_float_kernel(const S& src, float* dst, int len) {
    simd::sweep<4>(
        dst, len,
        [&](std::ptrdiff_t i) {
            const float p = static_cast<float>(sumsq(src, i));
            dst[i] = op == Op::Magn ? std::sqrt(p) : p;
        },
        [&](std::ptrdiff_t i) {
            const __m128 p = sumsq_float4(sumsq4(src, i));
            _mm_storeu_ps(dst + i, op == Op::Magn ? _mm_sqrt_ps(p) : p);
        });
}

// 16-bit magnitude, correctly rounded: the double root of an integer below
// 2^32 is never close enough to a half-integer to round the wrong way.
template <class S>
void int16_magn_sfs_kernel(const S& src, std::int16_t* dst, int len, double scale) {
    for (int i = 0; i < len; ++i) {
        const double y = std::sqrt(static_cast<double>(sumsq(src, i))) * scale;
        dst[i] = saturate<std::int16_t>(std::min(std::nearbyint(y), 65536.0));
    }
}

// Runs `kernel(shifted source, dst + at, count)` serially or on the frame.
template <class S, class D, class K>
void split_run(const S& src, D* dst, int len, int threshold, K&& kernel) {
    run_split(len, threshold, kElementwiseThreadCap, [&](int at, int n) {
        kernel(src.shifted(at), dst + at, n);
        return 0;
    });
}

template <class T, class S>
VekStatus magnitude(const S& src, T* dst, int len, int threshold) {
    split_run(src, dst, len, threshold, [](const S& s, T* d, int n) {
        if constexpr (is_16s<S>)
            int16_float_kernel<Op::Magn>(s, d, n);
        else
            float_kernel<Op::Magn, T>(s, d, n);
    });
    return vekStsNoErr;
}

template <class S>
VekStatus magnitude_16s_sfs(const S& src, std::int16_t* dst, int len, int sf) {
    FpEnvGuard env;
    const double scale = double_scale(std::clamp(sf, -40, 40));
    split_run(src, dst, len, 2048, [&](const S& s, std::int16_t* d, int n) { int16_magn_sfs_kernel(s, d, n, scale); });
    return vekStsNoErr;
}

template <class T, class S>
VekStatus power(const S& src, T* dst, int len) {
    if constexpr (is_16s<S>)
        int16_float_kernel<Op::Power>(src, dst, len);
    else
        float_kernel<Op::Power, T>(src, dst, len);
    return vekStsNoErr;
}

// 16-bit power with truncating shifts, limited to 32767.
template <class S>
VekStatus power_16s_sfs(const S& src, std::int16_t* dst, int len, int sf) {
    for (int i = 0; i < len; ++i) {
        const std::uint64_t p = sumsq(src, i);
        std::uint64_t v;
        if (sf < -14)
            v = p ? 32767 : 0;
        else if (sf < 0)
            v = p << -sf;
        else
            v = sf >= 32 ? 0 : p >> sf;
        dst[i] = static_cast<std::int16_t>(std::min<std::uint64_t>(v, 32767));
    }
    return vekStsNoErr;
}

}  // namespace
}  // namespace veks

using namespace veks;

using I16 = Interleaved<std::int16_t>;
using S16 = Split<std::int16_t>;

VekStatus veksMagnitude_32fc(const Vek32fc* pSrc, Vek32f* pDst, int len) {
    VEKS_CHECK(check_vec(len, pSrc, pDst));
    return magnitude(Interleaved<float>{&pSrc->re}, pDst, len, 2048);
}
VekStatus veksMagnitude_64fc(const Vek64fc* pSrc, Vek64f* pDst, int len) {
    VEKS_CHECK(check_vec(len, pSrc, pDst));
    return magnitude(Interleaved<double>{&pSrc->re}, pDst, len, 256);
}
VekStatus veksMagnitude_16sc32f(const Vek16sc* pSrc, Vek32f* pDst, int len) {
    VEKS_CHECK(check_vec(len, pSrc, pDst));
    return magnitude(I16{&pSrc->re}, pDst, len, 4096);
}
VekStatus veksMagnitude_32f(const Vek32f* pSrcRe, const Vek32f* pSrcIm, Vek32f* pDst, int len) {
    VEKS_CHECK(check_vec(len, pSrcRe, pSrcIm, pDst));
    return magnitude(Split<float>{pSrcRe, pSrcIm}, pDst, len, 4096);
}
VekStatus veksMagnitude_64f(const Vek64f* pSrcRe, const Vek64f* pSrcIm, Vek64f* pDst, int len) {
    VEKS_CHECK(check_vec(len, pSrcRe, pSrcIm, pDst));
    return magnitude(Split<double>{pSrcRe, pSrcIm}, pDst, len, 256);
}
VekStatus veksMagnitude_16s32f(const Vek16s* pSrcRe, const Vek16s* pSrcIm, Vek32f* pDst, int len) {
    VEKS_CHECK(check_vec(len, pSrcRe, pSrcIm, pDst));
    return magnitude(S16{pSrcRe, pSrcIm}, pDst, len, 2048);
}
VekStatus veksMagnitude_16sc_Sfs(const Vek16sc* pSrc, Vek16s* pDst, int len, int scaleFactor) {
    VEKS_CHECK(check_vec(len, pSrc, pDst));
    return magnitude_16s_sfs(I16{&pSrc->re}, pDst, len, scaleFactor);
}
VekStatus veksMagnitude_16s_Sfs(const Vek16s* pSrcRe, const Vek16s* pSrcIm, Vek16s* pDst, int len, int scaleFactor) {
    VEKS_CHECK(check_vec(len, pSrcRe, pSrcIm, pDst));
    return magnitude_16s_sfs(S16{pSrcRe, pSrcIm}, pDst, len, scaleFactor);
}
VekStatus veksMagnitude_32sc_Sfs(const Vek32sc* pSrc, Vek32s* pDst, int len, int scaleFactor) {
    VEKS_CHECK(check_vec(len, pSrc, pDst));
    run_split(len, 256, kElementwiseThreadCap, [&](int at, int n) {
        for (int i = at; i < at + n; ++i) {
            const std::int64_t re = pSrc[i].re, im = pSrc[i].im;
            const std::uint64_t p = static_cast<std::uint64_t>(re * re) + static_cast<std::uint64_t>(im * im);
            pDst[i] = static_cast<Vek32s>(root_scaled(p, 2, scaleFactor, 2147483647u));
        }
        return 0;
    });
    return vekStsNoErr;
}

VekStatus veksMagSquared_32fc64f(const Vek32fc* pSrc, Vek64f* pDst, int len) {
    VEKS_CHECK(check_vec(len, pSrc, pDst));
    for (int i = 0; i < len; ++i) {
        const double re = pSrc[i].re, im = pSrc[i].im;
        pDst[i] = re * re + im * im;
    }
    return vekStsNoErr;
}
VekStatus veksMagSquared_32sc32s_Sfs(const Vek32sc* pSrc, Vek32s* pDst, int len, int scaleFactor) {
    VEKS_CHECK(check_vec(len, pSrc, pDst));
    for (int i = 0; i < len; ++i) {
        const __int128 re = pSrc[i].re, im = pSrc[i].im;
        pDst[i] = scale_exact<Vek32s>(re * re + im * im, scaleFactor);
    }
    return vekStsNoErr;
}

VekStatus veksPowerSpectr_32fc(const Vek32fc* pSrc, Vek32f* pDst, int len) {
    VEKS_CHECK(check_vec(len, pSrc, pDst));
    return power(Interleaved<float>{&pSrc->re}, pDst, len);
}
VekStatus veksPowerSpectr_64fc(const Vek64fc* pSrc, Vek64f* pDst, int len) {
    VEKS_CHECK(check_vec(len, pSrc, pDst));
    return power(Interleaved<double>{&pSrc->re}, pDst, len);
}
VekStatus veksPowerSpectr_16sc32f(const Vek16sc* pSrc, Vek32f* pDst, int len) {
    VEKS_CHECK(check_vec(len, pSrc, pDst));
    return power(I16{&pSrc->re}, pDst, len);
}
VekStatus veksPowerSpectr_32f(const Vek32f* pSrcRe, const Vek32f* pSrcIm, Vek32f* pDst, int len) {
    VEKS_CHECK(check_vec(len, pSrcRe, pSrcIm, pDst));
    return power(Split<float>{pSrcRe, pSrcIm}, pDst, len);
}
VekStatus veksPowerSpectr_64f(const Vek64f* pSrcRe, const Vek64f* pSrcIm, Vek64f* pDst, int len) {
    VEKS_CHECK(check_vec(len, pSrcRe, pSrcIm, pDst));
    return power(Split<double>{pSrcRe, pSrcIm}, pDst, len);
}
VekStatus veksPowerSpectr_16s32f(const Vek16s* pSrcRe, const Vek16s* pSrcIm, Vek32f* pDst, int len) {
    VEKS_CHECK(check_vec(len, pSrcRe, pSrcIm, pDst));
    return power(S16{pSrcRe, pSrcIm}, pDst, len);
}
VekStatus veksPowerSpectr_16sc_Sfs(const Vek16sc* pSrc, Vek16s* pDst, int len, int scaleFactor) {
    VEKS_CHECK(check_vec(len, pSrc, pDst));
    return power_16s_sfs(I16{&pSrc->re}, pDst, len, scaleFactor);
}
VekStatus veksPowerSpectr_16s_Sfs(const Vek16s* pSrcRe, const Vek16s* pSrcIm, Vek16s* pDst, int len,
                                  int scaleFactor) {
    VEKS_CHECK(check_vec(len, pSrcRe, pSrcIm, pDst));
    return power_16s_sfs(S16{pSrcRe, pSrcIm}, pDst, len, scaleFactor);
}
