// AVX2 instantiations of the single-precision kernels: eight float lanes,
// the same operations per lane as the SSE2 and scalar paths (no fused
// multiply-add), hence the same bits. Called only after the run-time check.
//
// Every header of this unit is included under the wider target, and all
// code it instantiates has internal linkage, so no AVX2 copy of an inline
// function can stand in for a baseline one at link time.
#pragma GCC target("avx2")

#include <immintrin.h>

#include "math_fdrive.h"
#include "math_float.h"

namespace veks {
namespace {

struct AvxF {
    using V = __m256;
    using M = __m256;
    using I = __m256i;
    static constexpr int lanes = 8;
    static V loadu(const float* p) { return _mm256_loadu_ps(p); }
    static void storeu(float* p, V v) { _mm256_storeu_ps(p, v); }
    // Eight interleaved complex elements: the in-lane shuffle leaves the
    // 64-bit pairs in the order 0 2 1 3. The kernels work lane by lane, so
    // one permutation of the result (`in_order`) puts them back instead of
    // one for each part.
    static void deinterleave(const float* p, V& re, V& im) {
        const __m256 a = _mm256_loadu_ps(p), b = _mm256_loadu_ps(p + 8);
        re = _mm256_shuffle_ps(a, b, _MM_SHUFFLE(2, 0, 2, 0));
        im = _mm256_shuffle_ps(a, b, _MM_SHUFFLE(3, 1, 3, 1));
    }
    static V in_order(V v) {
        return _mm256_castpd_ps(_mm256_permute4x64_pd(_mm256_castps_pd(v), _MM_SHUFFLE(3, 1, 2, 0)));
    }
    static V set1(float x) { return _mm256_set1_ps(x); }
    static V add(V a, V b) { return _mm256_add_ps(a, b); }
    static V sub(V a, V b) { return _mm256_sub_ps(a, b); }
    static V mul(V a, V b) { return _mm256_mul_ps(a, b); }
    static V div(V a, V b) { return _mm256_div_ps(a, b); }
    static V sqrt(V a) { return _mm256_sqrt_ps(a); }
    static M lt(V a, V b) { return _mm256_cmp_ps(a, b, _CMP_LT_OQ); }
    static M eq(V a, V b) { return _mm256_cmp_ps(a, b, _CMP_EQ_OQ); }
    static M isnan(V a) { return _mm256_cmp_ps(a, a, _CMP_UNORD_Q); }
    static M m_or(M a, M b) { return _mm256_or_ps(a, b); }
    static M m_and(M a, M b) { return _mm256_and_ps(a, b); }
    static M m_andnot(M a, M b) { return _mm256_andnot_ps(a, b); }
    static V select(M m, V a, V b) { return _mm256_blendv_ps(b, a, m); }
    static I bits(V a) { return _mm256_castps_si256(a); }
    static V from_bits(I i) { return _mm256_castsi256_ps(i); }
    static I iset1(std::int32_t x) { return _mm256_set1_epi32(x); }
    static I iadd(I a, I b) { return _mm256_add_epi32(a, b); }
    static I isub(I a, I b) { return _mm256_sub_epi32(a, b); }
    static I iand(I a, I b) { return _mm256_and_si256(a, b); }
    static I ior(I a, I b) { return _mm256_or_si256(a, b); }
    template <int n> static I isra(I a) { return _mm256_srai_epi32(a, n); }
    template <int n> static I isll(I a) { return _mm256_slli_epi32(a, n); }
    static V to_float(I a) { return _mm256_cvtepi32_ps(a); }
    static M sign(V a) { return _mm256_castsi256_ps(_mm256_srai_epi32(_mm256_castps_si256(a), 31)); }
    static int movemask(M m) { return _mm256_movemask_ps(m); }
};

}  // namespace

void exp_32f_avx2(const float* src, float* dst, int len) { fmap<AvxF, ExpF>(src, dst, len); }
void atan_32f_avx2(const float* src, float* dst, int len) { fmap<AvxF, AtanF>(src, dst, len); }
int ln_32f_avx2(const float* src, float* dst, int len) { return fmap_flagged<AvxF, LnF>(src, dst, len); }
void phase_32f_avx2(const float* re, const float* im, float* dst, int len) { fmap2<AvxF, PhaseF>(re, im, dst, len); }
int sqrt_32f_avx2(const float* src, float* dst, int len) { return fmap_any<AvxF, SqrtF>(src, dst, len); }
void magnitude_32f_avx2(const float* re, const float* im, float* dst, int len) {
    fmap2<AvxF, MagnitudeF>(re, im, dst, len);
}
void power_32f_avx2(const float* re, const float* im, float* dst, int len) { fmap2<AvxF, PowerF>(re, im, dst, len); }

}  // namespace veks
