// Lane traits for the double-precision function kernels.
//
// The exponential, logarithm and arc tangent kernels are written once
// against these traits and instantiated for one double (the scalar heads and
// tails), two doubles (SSE2) and four doubles (AVX2). Every trait maps an
// operation to the same IEEE operation per lane, so all instantiations give
// the same bits for the same input.
//
// Everything here has internal linkage on purpose: the AVX2 instantiations
// are compiled in a translation unit with a wider target, and no inline
// function of that unit may be merged with the baseline copies.
#ifndef VEKS_VECTOR_MATH_LANES_H
#define VEKS_VECTOR_MATH_LANES_H

#include <emmintrin.h>

#include <cstdint>
#include <cstring>

namespace veks {
namespace {

struct ScalarLanes {
    using V = double;
    using M = bool;
    using I = std::uint64_t;
    static constexpr int lanes = 1;
    static V set1(double x) { return x; }
    static V add(V a, V b) { return a + b; }
    static V sub(V a, V b) { return a - b; }
    static V mul(V a, V b) { return a * b; }
    static V div(V a, V b) { return a / b; }
    static M lt(V a, V b) { return a < b; }
    static M le(V a, V b) { return a <= b; }
    static M eq(V a, V b) { return a == b; }
    static M isnan(V a) { return a != a; }
    static M m_or(M a, M b) { return a || b; }
    static M m_and(M a, M b) { return a && b; }
    static M m_andnot(M a, M b) { return !a && b; }  // (not a) and b
    static V select(M m, V a, V b) { return m ? a : b; }
    static I bits(V a) { I i; std::memcpy(&i, &a, sizeof i); return i; }
    static V from_bits(I i) { V a; std::memcpy(&a, &i, sizeof a); return a; }
    static I iset1(std::uint64_t x) { return x; }
    static I iadd(I a, I b) { return a + b; }
    static I isub(I a, I b) { return a - b; }
    static I iand(I a, I b) { return a & b; }
    static I ior(I a, I b) { return a | b; }
    template <int n> static I isrl(I a) { return a >> n; }
    template <int n> static I isll(I a) { return a << n; }
    static M sign(V a) { return (bits(a) >> 63) != 0; }
    static int movemask(M m) { return m ? 1 : 0; }
};

struct SseLanes {
    using V = __m128d;
    using M = __m128d;
    using I = __m128i;
    static constexpr int lanes = 2;
    static V set1(double x) { return _mm_set1_pd(x); }
    static V add(V a, V b) { return _mm_add_pd(a, b); }
    static V sub(V a, V b) { return _mm_sub_pd(a, b); }
    static V mul(V a, V b) { return _mm_mul_pd(a, b); }
    static V div(V a, V b) { return _mm_div_pd(a, b); }
    static M lt(V a, V b) { return _mm_cmplt_pd(a, b); }
    static M le(V a, V b) { return _mm_cmple_pd(a, b); }
    static M eq(V a, V b) { return _mm_cmpeq_pd(a, b); }
    static M isnan(V a) { return _mm_cmpunord_pd(a, a); }
    static M m_or(M a, M b) { return _mm_or_pd(a, b); }
    static M m_and(M a, M b) { return _mm_and_pd(a, b); }
    static M m_andnot(M a, M b) { return _mm_andnot_pd(a, b); }
    static V select(M m, V a, V b) { return _mm_or_pd(_mm_and_pd(m, a), _mm_andnot_pd(m, b)); }
    static I bits(V a) { return _mm_castpd_si128(a); }
    static V from_bits(I i) { return _mm_castsi128_pd(i); }
    static I iset1(std::uint64_t x) { return _mm_set1_epi64x(static_cast<long long>(x)); }
    static I iadd(I a, I b) { return _mm_add_epi64(a, b); }
    static I isub(I a, I b) { return _mm_sub_epi64(a, b); }
    static I iand(I a, I b) { return _mm_and_si128(a, b); }
    static I ior(I a, I b) { return _mm_or_si128(a, b); }
    template <int n> static I isrl(I a) { return _mm_srli_epi64(a, n); }
    template <int n> static I isll(I a) { return _mm_slli_epi64(a, n); }
    // Whole-lane mask of the sign bit: the high dword's sign, spread.
    static M sign(V a) {
        return _mm_castsi128_pd(_mm_shuffle_epi32(_mm_srai_epi32(_mm_castpd_si128(a), 31), 0xF5));
    }
    static int movemask(M m) { return _mm_movemask_pd(m); }
};

}  // namespace
}  // namespace veks

#endif
