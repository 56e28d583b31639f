// Norms of a vector and of the difference of two vectors. The element
// (x or x1 - x2) is formed once by an accessor, so every norm is written
// once for both forms.
#include <xmmintrin.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <limits>

#include "core/check.h"
#include "core/scale.h"
#include "lane_sum.h"
#include "veks.h"

namespace veks {
namespace {

// Element k of one vector, or of the difference of two.
template <class T>
struct One {
    const T* a;
    T operator()(std::size_t k) const { return a[k]; }
};

template <class T>
struct Diff {
    const T* a;
    const T* b;
    auto operator()(std::size_t k) const {
        if constexpr (std::is_same_v<T, Vek16s>) return std::int32_t(a[k]) - std::int32_t(b[k]);
        else if constexpr (std::is_same_v<T, Vek32fc> || std::is_same_v<T, Vek64fc>) return T{a[k].re - b[k].re, a[k].im - b[k].im};
        else return T(a[k] - b[k]);
    }
};

// Magnitudes and squares by element kind.
inline float mag(float x) { return std::fabs(x); }
inline double mag(double x) { return std::fabs(x); }
inline std::uint32_t mag(std::int32_t x) { return x < 0 ? std::uint32_t(0) - std::uint32_t(x) : std::uint32_t(x); }
inline std::uint32_t mag(Vek16s x) { return mag(std::int32_t(x)); }
inline float mag(Vek32fc x) { return std::sqrt(x.re * x.re + x.im * x.im); }
inline double mag(Vek64fc x) { return std::sqrt(x.re * x.re + x.im * x.im); }

// The quick modulus of the 32fc L1 norm: reciprocal-square-root estimate
// plus one Newton step, exactly 0 for a zero element.
inline float quick_mag(Vek32fc x) {
    const float s = x.re * x.re + x.im * x.im;
    if (s == 0.0f) return 0.0f;
    const float r = _mm_cvtss_f32(_mm_rsqrt_ss(_mm_set_ss(s)));
    const float m = s * r;
    return 0.5f * m * (3.0f - r * m);
}

template <class Elem>
auto norm_inf(std::size_t n, Elem e) {
    auto best = mag(e(0));
    for (std::size_t k = 1; k < n; ++k) {
        const auto m = mag(e(k));
        if (m > best) best = m;
    }
    return best;
}

// Single precision: eight lanes; double: four; integers: exact 64 bits.
template <class Elem>
auto norm_l1(std::size_t n, Elem e) {
    using M = decltype(mag(e(0)));
    if constexpr (std::is_same_v<M, float>) return lane_sum<8, float>(n, [&](std::size_t k) { return mag(e(k)); });
    else if constexpr (std::is_same_v<M, double>) return lane_sum<4, double>(n, [&](std::size_t k) { return mag(e(k)); });
    else return lane_sum<1, std::uint64_t>(n, [&](std::size_t k) { return std::uint64_t(mag(e(k))); });
}

template <class Elem>
auto norm_l2sqr(std::size_t n, Elem e) {
    using X = decltype(e(0));
    if constexpr (std::is_same_v<X, float>) {
        return lane_sum<8, float>(n, [&](std::size_t k) { const float x = e(k); return x * x; });
    } else if constexpr (std::is_same_v<X, double>) {
        return lane_sum<4, double>(n, [&](std::size_t k) { const double x = e(k); return x * x; });
    } else if constexpr (std::is_same_v<X, Vek32fc>) {
        return lane_sum<4, double>(n, [&](std::size_t k) {
            const X x = e(k);
            return double(x.re) * x.re + double(x.im) * x.im;
        });
    } else if constexpr (std::is_same_v<X, Vek64fc>) {
        return lane_sum<4, double>(n, [&](std::size_t k) { const X x = e(k); return x.re * x.re + x.im * x.im; });
    } else {
        return lane_sum<1, std::uint64_t>(n, [&](std::size_t k) {
            const std::int64_t x = e(k);
            return std::uint64_t(x * x);
        });
    }
}

// Scaling of the 32-bit integer Inf and L1 results: truncating right
// shift, zero from 32 on, saturating left shift down to -31.
Vek32s shift_to_32s(std::uint64_t v, int sf) {
    if (sf >= 32) return 0;
    if (sf > 0) v >>= sf;
    if (sf < 0) {
        const int s = std::max(sf, -31);
        if (v > (std::uint64_t(INT32_MAX) >> -s)) return INT32_MAX;
        v <<= -s;
    }
    return v > std::uint64_t(INT32_MAX) ? INT32_MAX : Vek32s(v);
}

// 64-bit results: arithmetic right shift, or left shift down to -63 with
// saturation once the value would need 64 bits.
Vek64s shift_to_64s(std::uint64_t v, int sf) {
    constexpr std::uint64_t kMax = std::uint64_t(INT64_MAX);
    if (sf >= 64) return 0;
    if (sf > 0) return Vek64s(v >> sf);
    if (sf < 0) {
        const int s = std::max(sf, -63);
        if (v > (kMax >> -s)) return INT64_MAX;
        return Vek64s(v << -s);
    }
    return v > kMax ? INT64_MAX : Vek64s(v);
}

// sqrt of the exact sum, times 2^-sf, truncated toward zero, saturated.
Vek32s l2_to_32s(std::uint64_t sum, int sf) {
    const double v = std::ldexp(std::sqrt(double(sum)), std::clamp(-sf, -2000, 2000));
    return saturate<Vek32s>(std::trunc(v));
}

template <class R, class Elem>
VekStatus finish_inf(std::size_t n, Elem e, R* out) { *out = R(norm_inf(n, e)); return vekStsNoErr; }
template <class R, class Elem>
VekStatus finish_l1(std::size_t n, Elem e, R* out) { *out = R(norm_l1(n, e)); return vekStsNoErr; }
template <class R, class Elem>
VekStatus finish_l2(std::size_t n, Elem e, R* out) {
    *out = R(std::sqrt(double(norm_l2sqr(n, e))));
    return vekStsNoErr;
}
template <class Elem>
VekStatus finish_l1_quick(std::size_t n, Elem e, Vek64f* out) {
    *out = lane_sum<8, float>(n, [&](std::size_t k) { return quick_mag(e(k)); });
    return vekStsNoErr;
}

}  // namespace
}  // namespace veks

using namespace veks;

// One line per (norm, types): the body sees `n` and `e`, the element.
#define VEKS_NORM(name, T, R, body)                                                    \
    VekStatus veksNorm_##name(const T* pSrc, int len, R* pNorm) {                      \
        VEKS_CHECK(check_vec(len, pSrc, pNorm));                                       \
        const std::size_t n = std::size_t(len);                                        \
        const One<T> e{pSrc};                                                          \
        auto* out = pNorm;                                                             \
        return body;                                                                   \
    }                                                                                  \
    VekStatus veksNormDiff_##name(const T* pSrc1, const T* pSrc2, int len, R* pNorm) { \
        VEKS_CHECK(check_vec(len, pSrc1, pSrc2, pNorm));                               \
        const std::size_t n = std::size_t(len);                                        \
        const Diff<T> e{pSrc1, pSrc2};                                                 \
        auto* out = pNorm;                                                             \
        return body;                                                                   \
    }
#define VEKS_NORM_SFS(name, T, R, body)                                                                 \
    VekStatus veksNorm_##name(const T* pSrc, int len, R* pNorm, int scaleFactor) {                      \
        VEKS_CHECK(check_vec(len, pSrc, pNorm));                                                        \
        const std::size_t n = std::size_t(len);                                                         \
        const One<T> e{pSrc};                                                                           \
        const int sf = scaleFactor;                                                                     \
        *pNorm = body;                                                                                  \
        return vekStsNoErr;                                                                             \
    }                                                                                                   \
    VekStatus veksNormDiff_##name(const T* pSrc1, const T* pSrc2, int len, R* pNorm, int scaleFactor) { \
        VEKS_CHECK(check_vec(len, pSrc1, pSrc2, pNorm));                                                \
        const std::size_t n = std::size_t(len);                                                         \
        const Diff<T> e{pSrc1, pSrc2};                                                                  \
        const int sf = scaleFactor;                                                                     \
        *pNorm = body;                                                                                  \
        return vekStsNoErr;                                                                             \
    }

VEKS_NORM(Inf_32f, Vek32f, Vek32f, finish_inf(n, e, out))
VEKS_NORM(Inf_64f, Vek64f, Vek64f, finish_inf(n, e, out))
VEKS_NORM(Inf_32fc32f, Vek32fc, Vek32f, finish_inf(n, e, out))
VEKS_NORM(Inf_64fc64f, Vek64fc, Vek64f, finish_inf(n, e, out))
VEKS_NORM(Inf_16s32f, Vek16s, Vek32f, finish_inf(n, e, out))
VEKS_NORM(L1_32f, Vek32f, Vek32f, finish_l1(n, e, out))
VEKS_NORM(L1_64f, Vek64f, Vek64f, finish_l1(n, e, out))
VEKS_NORM(L1_32fc64f, Vek32fc, Vek64f, finish_l1_quick(n, e, out))
VEKS_NORM(L1_64fc64f, Vek64fc, Vek64f, finish_l1(n, e, out))
VEKS_NORM(L1_16s32f, Vek16s, Vek32f, finish_l1(n, e, out))
VEKS_NORM(L2_32f, Vek32f, Vek32f, finish_l2(n, e, out))
VEKS_NORM(L2_64f, Vek64f, Vek64f, finish_l2(n, e, out))
VEKS_NORM(L2_32fc64f, Vek32fc, Vek64f, finish_l2(n, e, out))
VEKS_NORM(L2_64fc64f, Vek64fc, Vek64f, finish_l2(n, e, out))
VEKS_NORM(L2_16s32f, Vek16s, Vek32f, finish_l2(n, e, out))

VEKS_NORM_SFS(Inf_16s32s_Sfs, Vek16s, Vek32s, shift_to_32s(norm_inf(n, e), sf))
VEKS_NORM_SFS(L1_16s32s_Sfs, Vek16s, Vek32s, shift_to_32s(norm_l1(n, e), sf))
VEKS_NORM_SFS(L1_16s64s_Sfs, Vek16s, Vek64s, shift_to_64s(norm_l1(n, e), sf))
VEKS_NORM_SFS(L2_16s32s_Sfs, Vek16s, Vek32s, l2_to_32s(norm_l2sqr(n, e), sf))
VEKS_NORM_SFS(L2Sqr_16s64s_Sfs, Vek16s, Vek64s, shift_to_64s(norm_l2sqr(n, e), sf))
