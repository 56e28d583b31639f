// The wide element-wise kernels on 64-byte registers; compiled with
// AVX-512 (F, BW, VL and DQ, which every processor with BW and VL has) and
// reached only through the run-time check. Partial steps are masked.
// GCC 12 reports the undefined pass-through operand inside several AVX-512
// intrinsics as (maybe) uninitialised; it is never read.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"

#include <immintrin.h>

#include "wide_kernels.h"

namespace veks {
namespace {

inline __mmask16 first16(idx n) { return static_cast<__mmask16>((1u << n) - 1); }
inline __mmask8 first8(idx n) { return static_cast<__mmask8>((1u << n) - 1); }
inline __mmask32 first32(idx n) { return static_cast<__mmask32>((1ull << n) - 1); }

struct Avx512F32 {
    using T = float;
    using V = __m512;
    using M = __mmask16;
    using I = __m512i;
    static constexpr int L = 16;

    static V loadu(const T* p) { return _mm512_loadu_ps(p); }
    static void storeu(T* p, V v) { _mm512_storeu_ps(p, v); }
    // Registers of a source out of step with the destination: L lanes from
    // lane s of two aligned neighbours.
    static constexpr bool kRealign = true;
    using X = __m512i;
    static V load(const T* p) { return _mm512_load_ps(p); }
    static X shift(int s) {
        return _mm512_add_epi32(_mm512_set1_epi32(s), _mm512_setr_epi32(0, 1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15));
    }
    static V join(V lo, X s, V hi) { return _mm512_permutex2var_ps(lo, s, hi); }
    static V load_part(const T* p, idx n, T fill = 0) { return _mm512_mask_loadu_ps(set1(fill), first16(n), p); }
    static void store_part(T* p, idx n, V v) { _mm512_mask_storeu_ps(p, first16(n), v); }
    static V set1(T x) { return _mm512_set1_ps(x); }
    static V pattern(T even, T odd) { return _mm512_unpacklo_ps(set1(even), set1(odd)); }
    static V add(V a, V b) { return _mm512_add_ps(a, b); }
    static V sub(V a, V b) { return _mm512_sub_ps(a, b); }
    static V mul(V a, V b) { return _mm512_mul_ps(a, b); }
    static V div(V a, V b) { return _mm512_div_ps(a, b); }
    static V min(V a, V b) { return _mm512_min_ps(a, b); }
    static V max(V a, V b) { return _mm512_max_ps(a, b); }
    // The even lanes subtract, the odd ones add (what addsub does on
    // narrower registers).
    static V cmul(V a, V b) {
        const V t1 = mul(a, _mm512_moveldup_ps(b));
        const V t2 = mul(_mm512_permute_ps(a, 0xB1), _mm512_movehdup_ps(b));
        return _mm512_mask_sub_ps(add(t1, t2), 0x5555, t1, t2);
    }
    static M eqz(V v) { return _mm512_cmp_ps_mask(v, _mm512_setzero_ps(), _CMP_EQ_OQ); }
    static M ord(V v) { return _mm512_cmp_ps_mask(v, v, _CMP_ORD_Q); }
    static M m_and(M a, M b) { return static_cast<M>(a & b); }
    static M m_or(M a, M b) { return static_cast<M>(a | b); }
    static bool any(M m) { return m != 0; }
    static V select(M m, V a, V b) { return _mm512_mask_blend_ps(m, b, a); }
    static I ibits(V v) { return _mm512_castps_si512(v); }
    static V signed_inf(V x) {
        const I s = _mm512_and_si512(ibits(x), _mm512_set1_epi32(int(0x80000000u)));
        return _mm512_castsi512_ps(_mm512_or_si512(s, _mm512_set1_epi32(0x7F800000)));
    }

    static I load_16s(const Vek16s* p) { return _mm512_cvtepi16_epi32(_mm256_loadu_si256(reinterpret_cast<const __m256i*>(p))); }
    static I load_16s_part(const Vek16s* p, idx n) { return _mm512_cvtepi16_epi32(_mm256_maskz_loadu_epi16(first16(n), p)); }
    static I load_8u(const Vek8u* p) { return _mm512_cvtepu8_epi32(_mm_loadu_si128(reinterpret_cast<const __m128i*>(p))); }
    static I load_8u_part(const Vek8u* p, idx n) { return _mm512_cvtepu8_epi32(_mm_maskz_loadu_epi8(first16(n), p)); }
    static V to_float(I v) { return _mm512_cvtepi32_ps(v); }
    static I cvt(V v) { return _mm512_cvtps_epi32(v); }
    static I cvtt(V v) { return _mm512_cvttps_epi32(v); }
    static V abs(V v) { return _mm512_castsi512_ps(_mm512_and_si512(ibits(v), _mm512_set1_epi32(0x7FFFFFFF))); }
    static I sign_mask(V v) { return _mm512_srai_epi32(ibits(v), 31); }
    static I isub(I a, I b) { return _mm512_sub_epi32(a, b); }
    static I ixor(I a, I b) { return _mm512_xor_si512(a, b); }

    // Signed saturation to 16 bits; to 0..255 for bytes.
    static I clamp8(I v) { return _mm512_min_epi32(_mm512_max_epi32(v, _mm512_setzero_si512()), _mm512_set1_epi32(255)); }
    static void store_sat(Vek16s* d, I v) { _mm256_storeu_si256(reinterpret_cast<__m256i*>(d), _mm512_cvtsepi32_epi16(v)); }
    static void store_sat_part(Vek16s* d, idx n, I v) { _mm512_mask_cvtsepi32_storeu_epi16(d, first16(n), v); }
    static void store_sat(Vek8u* d, I v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(d), _mm512_cvtepi32_epi8(clamp8(v))); }
    static void store_sat_part(Vek8u* d, idx n, I v) { _mm512_mask_cvtepi32_storeu_epi8(d, first16(n), clamp8(v)); }
    // Four registers into 64 bytes with the two saturating packs, which
    // work within 128-bit lanes: dword 4l + k of the result holds lane l of
    // register k, and one permutation puts them in order. On AMD Zen 4 the
    // per-register narrowing stores ran 12 % slower than AVX2's packs.
    static void store_sat4(Vek8u* d, const I* v) {
        const __m512i w = _mm512_packus_epi16(_mm512_packs_epi32(v[0], v[1]), _mm512_packs_epi32(v[2], v[3]));
        const __m512i order = _mm512_setr_epi32(0, 4, 8, 12, 1, 5, 9, 13, 2, 6, 10, 14, 3, 7, 11, 15);
        _mm512_storeu_si512(d, _mm512_permutexvar_epi32(order, w));
    }
};

struct Avx512F64 {
    using T = double;
    using V = __m512d;
    using M = __mmask8;
    static constexpr int L = 8;

    static V loadu(const T* p) { return _mm512_loadu_pd(p); }
    static void storeu(T* p, V v) { _mm512_storeu_pd(p, v); }
    static constexpr bool kRealign = true;
    using X = __m512i;
    static V load(const T* p) { return _mm512_load_pd(p); }
    static X shift(int s) { return _mm512_add_epi64(_mm512_set1_epi64(s), _mm512_setr_epi64(0, 1, 2, 3, 4, 5, 6, 7)); }
    static V join(V lo, X s, V hi) { return _mm512_permutex2var_pd(lo, s, hi); }
    static V load_part(const T* p, idx n, T fill = 0) { return _mm512_mask_loadu_pd(set1(fill), first8(n), p); }
    static void store_part(T* p, idx n, V v) { _mm512_mask_storeu_pd(p, first8(n), v); }
    static V set1(T x) { return _mm512_set1_pd(x); }
    static V pattern(T even, T odd) { return _mm512_unpacklo_pd(set1(even), set1(odd)); }
    static V add(V a, V b) { return _mm512_add_pd(a, b); }
    static V sub(V a, V b) { return _mm512_sub_pd(a, b); }
    static V mul(V a, V b) { return _mm512_mul_pd(a, b); }
    static V div(V a, V b) { return _mm512_div_pd(a, b); }
    static V cmul(V a, V b) {
        const V t1 = mul(a, _mm512_movedup_pd(b));
        const V t2 = mul(_mm512_permute_pd(a, 0x55), _mm512_permute_pd(b, 0xFF));
        return _mm512_mask_sub_pd(add(t1, t2), 0x55, t1, t2);
    }
    static M eqz(V v) { return _mm512_cmp_pd_mask(v, _mm512_setzero_pd(), _CMP_EQ_OQ); }
    static M ord(V v) { return _mm512_cmp_pd_mask(v, v, _CMP_ORD_Q); }
    static M m_and(M a, M b) { return static_cast<M>(a & b); }
    static M m_or(M a, M b) { return static_cast<M>(a | b); }
    static bool any(M m) { return m != 0; }
    static V select(M m, V a, V b) { return _mm512_mask_blend_pd(m, b, a); }
    static V signed_inf(V x) {
        const __m512i s = _mm512_and_si512(_mm512_castpd_si512(x), _mm512_set1_epi64(std::int64_t(0x8000000000000000ull)));
        return _mm512_castsi512_pd(_mm512_or_si512(s, _mm512_set1_epi64(0x7FF0000000000000ll)));
    }
};

struct Avx512I16 {
    using V = __m512i;
    using Count = __m128i;
    static constexpr int L = 32;

    static V loadu(const Vek16s* p) { return _mm512_loadu_si512(p); }
    static void storeu(Vek16s* p, V v) { _mm512_storeu_si512(p, v); }
    static V load_part(const Vek16s* p, idx n) { return _mm512_maskz_loadu_epi16(first32(n), p); }
    static void store_part(Vek16s* p, idx n, V v) { _mm512_mask_storeu_epi16(p, first32(n), v); }
    static Count count(int s) { return _mm_cvtsi32_si128(s); }
    static V set1_16(Vek16s x) { return _mm512_set1_epi16(x); }
    static V set1_32(std::int32_t x) { return _mm512_set1_epi32(x); }
    static V adds16(V a, V b) { return _mm512_adds_epi16(a, b); }
    static V subs16(V a, V b) { return _mm512_subs_epi16(a, b); }
    static V mullo16(V a, V b) { return _mm512_mullo_epi16(a, b); }
    static V mulhi16(V a, V b) { return _mm512_mulhi_epi16(a, b); }
    static V unpacklo16(V a, V b) { return _mm512_unpacklo_epi16(a, b); }
    static V unpackhi16(V a, V b) { return _mm512_unpackhi_epi16(a, b); }
    template <int k> static V srai32(V a) { return _mm512_srai_epi32(a, k); }
    template <int k> static V slli32(V a) { return _mm512_slli_epi32(a, k); }
    static V sra32(V a, Count c) { return _mm512_sra_epi32(a, c); }
    static V sll32(V a, Count c) { return _mm512_sll_epi32(a, c); }
    static V add32(V a, V b) { return _mm512_add_epi32(a, b); }
    static V sub32(V a, V b) { return _mm512_sub_epi32(a, b); }
    static V min32(V a, V b) { return _mm512_min_epi32(a, b); }
    static V max32(V a, V b) { return _mm512_max_epi32(a, b); }
    static V and_(V a, V b) { return _mm512_and_si512(a, b); }
    static V packs32(V a, V b) { return _mm512_packs_epi32(a, b); }
};

// 32-bit lanes, worked on as two registers of 64-bit lanes.
struct Avx512I32 {
    using V = __m512i;
    using W = __m512i;
    using Count = __m128i;
    static constexpr int L = 16;

    static V loadu(const Vek32s* p) { return _mm512_loadu_si512(p); }
    static void storeu(Vek32s* p, V v) { _mm512_storeu_si512(p, v); }
    static V load_part(const Vek32s* p, idx n) { return _mm512_maskz_loadu_epi32(first16(n), p); }
    static void store_part(Vek32s* p, idx n, V v) { _mm512_mask_storeu_epi32(p, first16(n), v); }
    static V set1_32(Vek32s x) { return _mm512_set1_epi32(x); }
    static W widen_lo(V v) { return _mm512_cvtepi32_epi64(_mm512_castsi512_si256(v)); }
    static W widen_hi(V v) { return _mm512_cvtepi32_epi64(_mm512_extracti64x4_epi64(v, 1)); }
    static V narrow(W lo, W hi) {
        return _mm512_inserti64x4(_mm512_castsi256_si512(_mm512_cvtsepi64_epi32(lo)), _mm512_cvtsepi64_epi32(hi), 1);
    }
    static Count count(int s) { return _mm_cvtsi32_si128(s); }
    static W set1_64(std::int64_t x) { return _mm512_set1_epi64(x); }
    static W add64(W a, W b) { return _mm512_add_epi64(a, b); }
    static W sub64(W a, W b) { return _mm512_sub_epi64(a, b); }
    static W mul64(W a, W b) { return _mm512_mul_epi32(a, b); }  // low 32 bits of each lane, signed
    static W and64(W a, W b) { return _mm512_and_si512(a, b); }
    static W min64(W a, W b) { return _mm512_min_epi64(a, b); }
    static W max64(W a, W b) { return _mm512_max_epi64(a, b); }
    template <int k> static W srai64(W a) { return _mm512_srai_epi64(a, k); }
    template <int k> static W slli64(W a) { return _mm512_slli_epi64(a, k); }
    static W sra64(W a, Count c) { return _mm512_sra_epi64(a, c); }
    static W sll64(W a, Count c) { return _mm512_sll_epi64(a, c); }
};

}  // namespace

const WideKernels& wide_kernels_avx512() { return wide_table<Avx512F32, Avx512F64, Avx512I16, Avx512I32>(); }

}  // namespace veks
