// Dot products of every type combination. Floating forms accumulate in
// interleaved partials (sixteen for 32f from 16 elements, two below);
// integer forms are exact and then scaled.
#include <algorithm>
#include <cstdint>

#include "complex_terms.h"
#include "core/check.h"
#include "core/cpu.h"
#include "core/scale.h"
#include "core/simd.h"
#include "int_scale.h"
#include "lane_sum.h"
#include "reduce_dot.h"
#include "veks.h"

namespace veks {
namespace {

// Sixteen float partials in four packets; the tail goes to partials
// k mod 16 one by one; then the halving combination.
float dot_32f(const float* a, const float* b, std::size_t n) {
    if (n < 16) return lane_sum<2, float>(n, [a, b](std::size_t k) { return a[k] * b[k]; });
    float p[16];
    std::size_t i = 0;
    if (cpu_info().avx2) {
        i = dot_32f_partials_avx2(a, b, n, p);
    } else {
        __m128 s0 = _mm_setzero_ps(), s1 = s0, s2 = s0, s3 = s0;
        for (; i + 16 <= n; i += 16) {
            s0 = _mm_add_ps(s0, _mm_mul_ps(_mm_loadu_ps(a + i), _mm_loadu_ps(b + i)));
            s1 = _mm_add_ps(s1, _mm_mul_ps(_mm_loadu_ps(a + i + 4), _mm_loadu_ps(b + i + 4)));
            s2 = _mm_add_ps(s2, _mm_mul_ps(_mm_loadu_ps(a + i + 8), _mm_loadu_ps(b + i + 8)));
            s3 = _mm_add_ps(s3, _mm_mul_ps(_mm_loadu_ps(a + i + 12), _mm_loadu_ps(b + i + 12)));
        }
        _mm_storeu_ps(p, s0);
        _mm_storeu_ps(p + 4, s1);
        _mm_storeu_ps(p + 8, s2);
        _mm_storeu_ps(p + 12, s3);
    }
    for (int j = 0; i < n; ++i, ++j) p[j] += a[i] * b[i];
    return combine_halving<16>(p);
}

// Every other form: L interleaved partials of Acc-typed products.
template <class Acc, int L, class A, class B>
auto dot_generic(const A* a, const B* b, int len) {
    using Term = decltype(product<Acc>(a[0], b[0]));
    return lane_sum<L, Term>(static_cast<std::size_t>(len),
                             [a, b](std::size_t k) { return product<Acc>(a[k], b[k]); });
}

template <class R, class Acc, int L, class A, class B>
VekStatus dot_float(const A* a, const B* b, int len, R* out) {
    VEKS_CHECK(check_vec(len, a, b, out));
    const auto s = dot_generic<Acc, L>(a, b, len);
    if constexpr (std::is_arithmetic_v<R>) *out = R(s);
    else *out = R{decltype(out->re)(s.re), decltype(out->re)(s.im)};
    return vekStsNoErr;
}

// Integer forms: `finish` turns each exact component into the result part.
template <class R, class Acc, class A, class B, class Finish>
VekStatus dot_int(const A* a, const B* b, int len, R* out, Finish finish) {
    VEKS_CHECK(check_vec(len, a, b, out));
    const auto s = dot_generic<Acc, 1>(a, b, len);
    if constexpr (std::is_arithmetic_v<R>) *out = finish(s);
    else *out = R{finish(s.re), finish(s.im)};
    return vekStsNoErr;
}

auto exact_to(int) {
    return [](auto s) { return s; };
}
template <class T>
auto scaled(int sf, int lo, int hi) {
    const int e = std::clamp(sf, lo, hi);
    return [e](auto s) { return scale_exact<T>(static_cast<__int128>(s), e); };
}
auto to_float() {
    return [](auto s) { return static_cast<float>(s); };
}
// 32-bit operands: the double sum scaled and rounded to nearest even.
auto scaled_double(int sf) {
    const double f = double_scale(std::clamp(sf, -31, 93));
    return [f](double s) { return round_saturate<Vek32s>(s * f); };
}

}  // namespace
}  // namespace veks

using namespace veks;

VekStatus veksDotProd_32f(const Vek32f* pSrc1, const Vek32f* pSrc2, int len, Vek32f* pDp) {
    VEKS_CHECK(check_vec(len, pSrc1, pSrc2, pDp));
    *pDp = dot_32f(pSrc1, pSrc2, static_cast<std::size_t>(len));
    return vekStsNoErr;
}

#define VEKS_DOT_FLOAT(code, A, B, R, Acc, L) \
    VekStatus veksDotProd_##code(const A* pSrc1, const B* pSrc2, int len, R* pDp) { return dot_float<R, Acc, L>(pSrc1, pSrc2, len, pDp); }

VEKS_DOT_FLOAT(32fc, Vek32fc, Vek32fc, Vek32fc, float, 4)
VEKS_DOT_FLOAT(32f32fc, Vek32f, Vek32fc, Vek32fc, float, 4)
VEKS_DOT_FLOAT(32f64f, Vek32f, Vek32f, Vek64f, double, 4)
VEKS_DOT_FLOAT(32fc64fc, Vek32fc, Vek32fc, Vek64fc, double, 4)
VEKS_DOT_FLOAT(32f32fc64fc, Vek32f, Vek32fc, Vek64fc, double, 4)
VEKS_DOT_FLOAT(64f, Vek64f, Vek64f, Vek64f, double, 4)
VEKS_DOT_FLOAT(64fc, Vek64fc, Vek64fc, Vek64fc, double, 4)
VEKS_DOT_FLOAT(64f64fc, Vek64f, Vek64fc, Vek64fc, double, 4)

#define VEKS_DOT_INT(code, A, B, R, Acc, finish)                                 \
    VekStatus veksDotProd_##code(const A* pSrc1, const B* pSrc2, int len, R* pDp) { \
        return dot_int<R, Acc>(pSrc1, pSrc2, len, pDp, finish);                  \
    }
#define VEKS_DOT_SFS(code, A, B, R, Acc, finish)                                                  \
    VekStatus veksDotProd_##code(const A* pSrc1, const B* pSrc2, int len, R* pDp, int scaleFactor) { \
        return dot_int<R, Acc>(pSrc1, pSrc2, len, pDp, finish);                                   \
    }

VEKS_DOT_INT(16s64s, Vek16s, Vek16s, Vek64s, std::int64_t, exact_to(0))
VEKS_DOT_INT(16sc64sc, Vek16sc, Vek16sc, Vek64sc, std::int64_t, exact_to(0))
VEKS_DOT_INT(16s16sc64sc, Vek16s, Vek16sc, Vek64sc, std::int64_t, exact_to(0))
VEKS_DOT_INT(16s32f, Vek16s, Vek16s, Vek32f, std::int64_t, to_float())
VEKS_DOT_INT(16sc32fc, Vek16sc, Vek16sc, Vek32fc, std::int64_t, to_float())
VEKS_DOT_INT(16s16sc32fc, Vek16s, Vek16sc, Vek32fc, std::int64_t, to_float())
VEKS_DOT_SFS(16s_Sfs, Vek16s, Vek16s, Vek16s, std::int64_t, scaled<Vek16s>(scaleFactor, -15, 31))
VEKS_DOT_SFS(16sc_Sfs, Vek16sc, Vek16sc, Vek16sc, std::int64_t, scaled<Vek16s>(scaleFactor, -15, 31))
VEKS_DOT_SFS(16s16sc_Sfs, Vek16s, Vek16sc, Vek16sc, std::int64_t, scaled<Vek16s>(scaleFactor, -15, 31))
VEKS_DOT_SFS(16s32s_Sfs, Vek16s, Vek16s, Vek32s, std::int64_t, scaled<Vek32s>(scaleFactor, -31, 31))
VEKS_DOT_SFS(16sc32sc_Sfs, Vek16sc, Vek16sc, Vek32sc, std::int64_t, scaled<Vek32s>(scaleFactor, -31, 31))
VEKS_DOT_SFS(16s16sc32sc_Sfs, Vek16s, Vek16sc, Vek32sc, std::int64_t, scaled<Vek32s>(scaleFactor, -31, 31))
// 16 x 32-bit products can pass 2^63 in long vectors: a wider accumulator.
VEKS_DOT_SFS(16s32s32s_Sfs, Vek16s, Vek32s, Vek32s, __int128, scaled<Vek32s>(scaleFactor, -31, 31))
VEKS_DOT_SFS(32s_Sfs, Vek32s, Vek32s, Vek32s, double, scaled_double(scaleFactor))
VEKS_DOT_SFS(32sc_Sfs, Vek32sc, Vek32sc, Vek32sc, double, scaled_double(scaleFactor))
VEKS_DOT_SFS(32s32sc_Sfs, Vek32s, Vek32sc, Vek32sc, double, scaled_double(scaleFactor))
