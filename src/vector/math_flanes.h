// Lane traits for the single-precision function kernels: one float (heads
// and tails) and four floats (SSE2). The AVX2 translation unit adds eight.
// Each trait is the same IEEE operation per lane, so every instantiation of
// a kernel returns the same bits. Internal linkage for the reason given in
// math_lanes.h.
#ifndef VEKS_VECTOR_MATH_FLANES_H
#define VEKS_VECTOR_MATH_FLANES_H

#include <emmintrin.h>

#include <cstdint>
#include <cstring>

namespace veks {
namespace {

struct ScalarF {
    using V = float;
    using M = bool;
    using I = std::int32_t;
    static constexpr int lanes = 1;
    static V loadu(const float* p) { return *p; }
    static void storeu(float* p, V v) { *p = v; }
    static void deinterleave(const float* p, V& re, V& im) { re = p[0], im = p[1]; }
    static V in_order(V v) { return v; }
    static V set1(float x) { return x; }
    static V add(V a, V b) { return a + b; }
    static V sub(V a, V b) { return a - b; }
    static V mul(V a, V b) { return a * b; }
    static V div(V a, V b) { return a / b; }
    static V sqrt(V a) { return __builtin_sqrtf(a); }
    static M lt(V a, V b) { return a < b; }
    static M eq(V a, V b) { return a == b; }
    static M isnan(V a) { return a != a; }
    static M m_or(M a, M b) { return a || b; }
    static M m_and(M a, M b) { return a && b; }
    static M m_andnot(M a, M b) { return !a && b; }  // (not a) and b
    static V select(M m, V a, V b) { return m ? a : b; }
    static I bits(V a) { I i; std::memcpy(&i, &a, sizeof i); return i; }
    static V from_bits(I i) { V a; std::memcpy(&a, &i, sizeof a); return a; }
    static I iset1(std::int32_t x) { return x; }
    static I iadd(I a, I b) { return static_cast<I>(static_cast<std::uint32_t>(a) + static_cast<std::uint32_t>(b)); }
    static I isub(I a, I b) { return static_cast<I>(static_cast<std::uint32_t>(a) - static_cast<std::uint32_t>(b)); }
    static I iand(I a, I b) { return a & b; }
    static I ior(I a, I b) { return a | b; }
    template <int n> static I isra(I a) { return a >> n; }
    template <int n> static I isll(I a) { return static_cast<I>(static_cast<std::uint32_t>(a) << n); }
    static V to_float(I a) { return static_cast<float>(a); }
    static M sign(V a) { return bits(a) < 0; }
    static int movemask(M m) { return m ? 1 : 0; }
};

struct SseF {
    using V = __m128;
    using M = __m128;
    using I = __m128i;
    static constexpr int lanes = 4;
    static V loadu(const float* p) { return _mm_loadu_ps(p); }
    static void storeu(float* p, V v) { _mm_storeu_ps(p, v); }
    // Four interleaved complex elements to their real and imaginary parts.
    static void deinterleave(const float* p, V& re, V& im) {
        const __m128 a = _mm_loadu_ps(p), b = _mm_loadu_ps(p + 4);
        re = _mm_shuffle_ps(a, b, _MM_SHUFFLE(2, 0, 2, 0));
        im = _mm_shuffle_ps(a, b, _MM_SHUFFLE(3, 1, 3, 1));
    }
    static V in_order(V v) { return v; }
    static V set1(float x) { return _mm_set1_ps(x); }
    static V add(V a, V b) { return _mm_add_ps(a, b); }
    static V sub(V a, V b) { return _mm_sub_ps(a, b); }
    static V mul(V a, V b) { return _mm_mul_ps(a, b); }
    static V div(V a, V b) { return _mm_div_ps(a, b); }
    static V sqrt(V a) { return _mm_sqrt_ps(a); }
    static M lt(V a, V b) { return _mm_cmplt_ps(a, b); }
    static M eq(V a, V b) { return _mm_cmpeq_ps(a, b); }
    static M isnan(V a) { return _mm_cmpunord_ps(a, a); }
    static M m_or(M a, M b) { return _mm_or_ps(a, b); }
    static M m_and(M a, M b) { return _mm_and_ps(a, b); }
    static M m_andnot(M a, M b) { return _mm_andnot_ps(a, b); }
    static V select(M m, V a, V b) { return _mm_or_ps(_mm_and_ps(m, a), _mm_andnot_ps(m, b)); }
    static I bits(V a) { return _mm_castps_si128(a); }
    static V from_bits(I i) { return _mm_castsi128_ps(i); }
    static I iset1(std::int32_t x) { return _mm_set1_epi32(x); }
    static I iadd(I a, I b) { return _mm_add_epi32(a, b); }
    static I isub(I a, I b) { return _mm_sub_epi32(a, b); }
    static I iand(I a, I b) { return _mm_and_si128(a, b); }
    static I ior(I a, I b) { return _mm_or_si128(a, b); }
    template <int n> static I isra(I a) { return _mm_srai_epi32(a, n); }
    template <int n> static I isll(I a) { return _mm_slli_epi32(a, n); }
    static V to_float(I a) { return _mm_cvtepi32_ps(a); }
    static M sign(V a) { return _mm_castsi128_ps(_mm_srai_epi32(_mm_castps_si128(a), 31)); }
    static int movemask(M m) { return _mm_movemask_ps(m); }
};

}  // namespace
}  // namespace veks

#endif
