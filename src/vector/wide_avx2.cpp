// The wide element-wise kernels on 32-byte registers; compiled with AVX2
// and reached only through the run-time check. Partial steps use masked
// loads and stores for 32- and 64-bit lanes and a small zeroed buffer for
// narrower ones.
#include <immintrin.h>

#include "core/short_move.h"
#include "wide_kernels.h"

namespace veks {
namespace {

// The first n bytes of p in a zeroed 16- or 32-byte block, and back.
template <class R, class E>
R load_bytes(const E* p, idx n) {
    alignas(32) unsigned char buf[sizeof(R)] = {};
    move_short(buf, p, std::size_t(n) * sizeof(E));
    R r;
    std::memcpy(&r, buf, sizeof r);
    return r;
}
template <class R, class E>
void store_bytes(E* p, idx n, R v) {
    alignas(32) unsigned char buf[sizeof(R)];
    std::memcpy(buf, &v, sizeof v);
    move_short(p, buf, std::size_t(n) * sizeof(E));
}

struct Avx2F32 {
    using T = float;
    using V = __m256;
    using M = __m256;
    using I = __m256i;
    static constexpr int L = 8;

    static __m256i below(idx n) {
        return _mm256_cmpgt_epi32(_mm256_set1_epi32(int(n)), _mm256_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7));
    }
    static constexpr bool kRealign = false;
    static V loadu(const T* p) { return _mm256_loadu_ps(p); }
    static void storeu(T* p, V v) { _mm256_storeu_ps(p, v); }
    static V load_part(const T* p, idx n, T fill = 0) {
        const __m256i m = below(n);
        return _mm256_blendv_ps(set1(fill), _mm256_maskload_ps(p, m), _mm256_castsi256_ps(m));
    }
    static void store_part(T* p, idx n, V v) { _mm256_maskstore_ps(p, below(n), v); }
    static V set1(T x) { return _mm256_set1_ps(x); }
    static V pattern(T even, T odd) { return _mm256_unpacklo_ps(set1(even), set1(odd)); }
    static V add(V a, V b) { return _mm256_add_ps(a, b); }
    static V sub(V a, V b) { return _mm256_sub_ps(a, b); }
    static V mul(V a, V b) { return _mm256_mul_ps(a, b); }
    static V div(V a, V b) { return _mm256_div_ps(a, b); }
    static V min(V a, V b) { return _mm256_min_ps(a, b); }
    static V max(V a, V b) { return _mm256_max_ps(a, b); }
    static V cmul(V a, V b) {
        const V t1 = mul(a, _mm256_moveldup_ps(b));
        const V t2 = mul(_mm256_permute_ps(a, 0xB1), _mm256_movehdup_ps(b));
        return _mm256_addsub_ps(t1, t2);
    }
    static M eqz(V v) { return _mm256_cmp_ps(v, _mm256_setzero_ps(), _CMP_EQ_OQ); }
    static M ord(V v) { return _mm256_cmp_ps(v, v, _CMP_ORD_Q); }
    static M m_and(M a, M b) { return _mm256_and_ps(a, b); }
    static M m_or(M a, M b) { return _mm256_or_ps(a, b); }
    static bool any(M m) { return _mm256_movemask_ps(m) != 0; }
    static V select(M m, V a, V b) { return _mm256_blendv_ps(b, a, m); }
    static V signed_inf(V x) { return _mm256_or_ps(_mm256_and_ps(x, set1(-0.0f)), set1(__builtin_inff())); }

    static I load_16s(const Vek16s* p) { return _mm256_cvtepi16_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p))); }
    static I load_16s_part(const Vek16s* p, idx n) { return _mm256_cvtepi16_epi32(load_bytes<__m128i>(p, n)); }
    static I load_8u(const Vek8u* p) { return _mm256_cvtepu8_epi32(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p))); }
    static I load_8u_part(const Vek8u* p, idx n) { return _mm256_cvtepu8_epi32(load_bytes<__m128i>(p, n)); }
    static V to_float(I v) { return _mm256_cvtepi32_ps(v); }
    static I cvt(V v) { return _mm256_cvtps_epi32(v); }
    static I cvtt(V v) { return _mm256_cvttps_epi32(v); }
    static V abs(V v) { return _mm256_andnot_ps(set1(-0.0f), v); }
    static I sign_mask(V v) { return _mm256_srai_epi32(_mm256_castps_si256(v), 31); }
    static I isub(I a, I b) { return _mm256_sub_epi32(a, b); }
    static I ixor(I a, I b) { return _mm256_xor_si256(a, b); }

    static __m128i narrow16(I v) { return _mm_packs_epi32(_mm256_castsi256_si128(v), _mm256_extracti128_si256(v, 1)); }
    static __m128i narrow8(I v) {
        const __m128i w = narrow16(v);
        return _mm_packus_epi16(w, w);
    }
    static void store_sat(Vek16s* d, I v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(d), narrow16(v)); }
    static void store_sat_part(Vek16s* d, idx n, I v) { store_bytes(d, n, narrow16(v)); }
    static void store_sat(Vek8u* d, I v) { _mm_storel_epi64(reinterpret_cast<__m128i*>(d), narrow8(v)); }
    static void store_sat_part(Vek8u* d, idx n, I v) { store_bytes(d, n, narrow8(v)); }
    // Four registers: the 256-bit packs work within 128-bit halves, so a
    // final lane permutation puts the 32 (or twice 16) results in order.
    static void store_sat4(Vek16s* d, const I* v) {
        for (int k = 0; k < 2; ++k)
            _mm256_storeu_si256(reinterpret_cast<__m256i*>(d + 16 * k),
                                _mm256_permute4x64_epi64(_mm256_packs_epi32(v[2 * k], v[2 * k + 1]), 0xD8));
    }
    static void store_sat4(Vek8u* d, const I* v) {
        const __m256i w = _mm256_packus_epi16(_mm256_packs_epi32(v[0], v[1]), _mm256_packs_epi32(v[2], v[3]));
        _mm256_storeu_si256(reinterpret_cast<__m256i*>(d),
                            _mm256_permutevar8x32_epi32(w, _mm256_setr_epi32(0, 4, 1, 5, 2, 6, 3, 7)));
    }
};

struct Avx2F64 {
    using T = double;
    using V = __m256d;
    using M = __m256d;
    static constexpr int L = 4;

    static __m256i below(idx n) { return _mm256_cmpgt_epi64(_mm256_set1_epi64x(n), _mm256_setr_epi64x(0, 1, 2, 3)); }
    static constexpr bool kRealign = false;
    static V loadu(const T* p) { return _mm256_loadu_pd(p); }
    static void storeu(T* p, V v) { _mm256_storeu_pd(p, v); }
    static V load_part(const T* p, idx n, T fill = 0) {
        const __m256i m = below(n);
        return _mm256_blendv_pd(set1(fill), _mm256_maskload_pd(p, m), _mm256_castsi256_pd(m));
    }
    static void store_part(T* p, idx n, V v) { _mm256_maskstore_pd(p, below(n), v); }
    static V set1(T x) { return _mm256_set1_pd(x); }
    static V pattern(T even, T odd) { return _mm256_unpacklo_pd(set1(even), set1(odd)); }
    static V add(V a, V b) { return _mm256_add_pd(a, b); }
    static V sub(V a, V b) { return _mm256_sub_pd(a, b); }
    static V mul(V a, V b) { return _mm256_mul_pd(a, b); }
    static V div(V a, V b) { return _mm256_div_pd(a, b); }
    static V cmul(V a, V b) {
        const V t1 = mul(a, _mm256_movedup_pd(b));
        const V t2 = mul(_mm256_permute_pd(a, 0x5), _mm256_permute_pd(b, 0xF));
        return _mm256_addsub_pd(t1, t2);
    }
    static M eqz(V v) { return _mm256_cmp_pd(v, _mm256_setzero_pd(), _CMP_EQ_OQ); }
    static M ord(V v) { return _mm256_cmp_pd(v, v, _CMP_ORD_Q); }
    static M m_and(M a, M b) { return _mm256_and_pd(a, b); }
    static M m_or(M a, M b) { return _mm256_or_pd(a, b); }
    static bool any(M m) { return _mm256_movemask_pd(m) != 0; }
    static V select(M m, V a, V b) { return _mm256_blendv_pd(b, a, m); }
    static V signed_inf(V x) { return _mm256_or_pd(_mm256_and_pd(x, set1(-0.0)), set1(__builtin_inf())); }
};

struct Avx2I16 {
    using V = __m256i;
    using Count = __m128i;
    static constexpr int L = 16;

    static V loadu(const Vek16s* p) { return _mm256_loadu_si256(reinterpret_cast<const V*>(p)); }
    static void storeu(Vek16s* p, V v) { _mm256_storeu_si256(reinterpret_cast<V*>(p), v); }
    static V load_part(const Vek16s* p, idx n) { return load_bytes<V>(p, n); }
    static void store_part(Vek16s* p, idx n, V v) { store_bytes(p, n, v); }
    static Count count(int s) { return _mm_cvtsi32_si128(s); }
    static V set1_16(Vek16s x) { return _mm256_set1_epi16(x); }
    static V set1_32(std::int32_t x) { return _mm256_set1_epi32(x); }
    static V adds16(V a, V b) { return _mm256_adds_epi16(a, b); }
    static V subs16(V a, V b) { return _mm256_subs_epi16(a, b); }
    static V mullo16(V a, V b) { return _mm256_mullo_epi16(a, b); }
    static V mulhi16(V a, V b) { return _mm256_mulhi_epi16(a, b); }
    static V unpacklo16(V a, V b) { return _mm256_unpacklo_epi16(a, b); }
    static V unpackhi16(V a, V b) { return _mm256_unpackhi_epi16(a, b); }
    template <int k> static V srai32(V a) { return _mm256_srai_epi32(a, k); }
    template <int k> static V slli32(V a) { return _mm256_slli_epi32(a, k); }
    static V sra32(V a, Count c) { return _mm256_sra_epi32(a, c); }
    static V sll32(V a, Count c) { return _mm256_sll_epi32(a, c); }
    static V add32(V a, V b) { return _mm256_add_epi32(a, b); }
    static V sub32(V a, V b) { return _mm256_sub_epi32(a, b); }
    static V min32(V a, V b) { return _mm256_min_epi32(a, b); }
    static V max32(V a, V b) { return _mm256_max_epi32(a, b); }
    static V and_(V a, V b) { return _mm256_and_si256(a, b); }
    static V packs32(V a, V b) { return _mm256_packs_epi32(a, b); }
};

// 32-bit lanes, worked on as two registers of 64-bit lanes. AVX2 has no
// 64-bit arithmetic shift, minimum or maximum: the shift is the logical
// one with the sign filled in from the top, the extremes a compare and a
// blend. A shift count is kept with its value clamped to 63 (an arithmetic
// shift by 63 or more leaves only the sign) and the matching fill width.
struct Avx2I32 {
    using V = __m256i;
    using W = __m256i;
    struct Count {
        __m128i left, right, fill;
    };
    static constexpr int L = 8;

    static V loadu(const Vek32s* p) { return _mm256_loadu_si256(reinterpret_cast<const V*>(p)); }
    static void storeu(Vek32s* p, V v) { _mm256_storeu_si256(reinterpret_cast<V*>(p), v); }
    static V load_part(const Vek32s* p, idx n) { return load_bytes<V>(p, n); }
    static void store_part(Vek32s* p, idx n, V v) { store_bytes(p, n, v); }
    static V set1_32(Vek32s x) { return _mm256_set1_epi32(x); }
    static W widen_lo(V v) { return _mm256_cvtepi32_epi64(_mm256_castsi256_si128(v)); }
    static W widen_hi(V v) { return _mm256_cvtepi32_epi64(_mm256_extracti128_si256(v, 1)); }
    // Saturated to 32 bits, then the low halves of both registers in order.
    static V narrow(W lo, W hi) {
        const W top = set1_64(INT32_MAX), bottom = set1_64(INT32_MIN);
        const __m256i pick = _mm256_setr_epi32(0, 2, 4, 6, 0, 2, 4, 6);
        const V l = _mm256_permutevar8x32_epi32(max64(min64(lo, top), bottom), pick);
        const V h = _mm256_permutevar8x32_epi32(max64(min64(hi, top), bottom), pick);
        return _mm256_blend_epi32(l, h, 0xF0);
    }
    static Count count(int s) {
        const int r = s < 63 ? s : 63;
        return {_mm_cvtsi32_si128(s), _mm_cvtsi32_si128(r), _mm_cvtsi32_si128(64 - r)};
    }
    static W set1_64(std::int64_t x) { return _mm256_set1_epi64x(x); }
    static W add64(W a, W b) { return _mm256_add_epi64(a, b); }
    static W sub64(W a, W b) { return _mm256_sub_epi64(a, b); }
    static W mul64(W a, W b) { return _mm256_mul_epi32(a, b); }  // low 32 bits of each lane, signed
    static W and64(W a, W b) { return _mm256_and_si256(a, b); }
    static W min64(W a, W b) { return _mm256_blendv_epi8(a, b, _mm256_cmpgt_epi64(a, b)); }
    static W max64(W a, W b) { return _mm256_blendv_epi8(b, a, _mm256_cmpgt_epi64(a, b)); }
    static W sign64(W a) { return _mm256_cmpgt_epi64(_mm256_setzero_si256(), a); }
    template <int k>
    static W srai64(W a) {
        return _mm256_or_si256(_mm256_srli_epi64(a, k), _mm256_slli_epi64(sign64(a), 64 - k));
    }
    template <int k> static W slli64(W a) { return _mm256_slli_epi64(a, k); }
    static W sra64(W a, const Count& c) {
        return _mm256_or_si256(_mm256_srl_epi64(a, c.right), _mm256_sll_epi64(sign64(a), c.fill));
    }
    static W sll64(W a, const Count& c) { return _mm256_sll_epi64(a, c.left); }

    // 32-bit lane operations for scaled sums and differences.
    static constexpr bool kSums32 = true;
    static __m128i count32(int s) { return _mm_cvtsi32_si128(s); }
    static V add32(V a, V b) { return _mm256_add_epi32(a, b); }
    static V sub32(V a, V b) { return _mm256_sub_epi32(a, b); }
    static V and32(V a, V b) { return _mm256_and_si256(a, b); }
    static V andnot32(V a, V b) { return _mm256_andnot_si256(a, b); }  // ~a & b
    static V or32(V a, V b) { return _mm256_or_si256(a, b); }
    static V xor32(V a, V b) { return _mm256_xor_si256(a, b); }
    static V cmpeq32(V a, V b) { return _mm256_cmpeq_epi32(a, b); }
    static V cmpgt32(V a, V b) { return _mm256_cmpgt_epi32(a, b); }
    template <int k> static V srai32(V a) { return _mm256_srai_epi32(a, k); }
    static V sra32(V a, __m128i c) { return _mm256_sra_epi32(a, c); }
};

}  // namespace

const WideKernels& wide_kernels_avx2() { return wide_table<Avx2F32, Avx2F64, Avx2I16, Avx2I32>(); }

}  // namespace veks
