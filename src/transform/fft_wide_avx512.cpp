// The self-sorting FFT on 512-bit registers (AVX-512 F, BW, VL with FMA),
// reached only through wide_run_avx512 and wide_cfft_avx512 on
// specifications built for this path. Eight complex floats or four complex
// doubles a register, and 32 registers, which leave room for the fused
// radix-16 passes. Passes whose stride is below a register's width run on
// the 256-bit lanes.
// GCC 12 reports the undefined pass-through operand inside several AVX-512
// intrinsics as (maybe) uninitialised; it is never read.
#pragma GCC diagnostic ignored "-Wmaybe-uninitialized"
#pragma GCC diagnostic ignored "-Wuninitialized"
#include "fft_wide.h"

#pragma GCC push_options
#pragma GCC target("avx2,fma,avx512f,avx512bw,avx512vl")
#include "fft_wide_ymm.h"

namespace veks {
namespace fft {
namespace {

// Rows v0..v3 of four 128-bit lanes each become the columns: lane i of
// every row lands in row i.
inline void transpose_lanes(__m512d& v0, __m512d& v1, __m512d& v2, __m512d& v3) {
    const __m512d a = _mm512_shuffle_f64x2(v0, v1, 0x44), b = _mm512_shuffle_f64x2(v2, v3, 0x44);
    const __m512d c = _mm512_shuffle_f64x2(v0, v1, 0xEE), d = _mm512_shuffle_f64x2(v2, v3, 0xEE);
    v0 = _mm512_shuffle_f64x2(a, b, 0x88);
    v1 = _mm512_shuffle_f64x2(a, b, 0xDD);
    v2 = _mm512_shuffle_f64x2(c, d, 0x88);
    v3 = _mm512_shuffle_f64x2(c, d, 0xDD);
}

// Position in the wide table (in complex values) of the entries of k.
inline __m256i table_index(__m256i k, int gs) {
    const __m256i hi = _mm256_srl_epi32(k, _mm_cvtsi32_si128(gs));
    const __m256i lo = _mm256_and_si256(k, _mm256_set1_epi32((1 << gs) - 1));
    return _mm256_add_epi32(_mm256_mullo_epi32(hi, _mm256_set1_epi32(3 << gs)), lo);
}

struct C32x8 {
    using T = float;
    using V = __m512;
    static constexpr int W = 8;
    static constexpr bool kFuse = true;
    static V load(const T* p) { return _mm512_loadu_ps(p); }
    static void store(T* p, V v) { _mm512_storeu_ps(p, v); }
    static V add(V a, V b) { return _mm512_add_ps(a, b); }
    static V sub(V a, V b) { return _mm512_sub_ps(a, b); }
    static V mul(V a, T s) { return _mm512_mul_ps(a, _mm512_set1_ps(s)); }
    static V swap(V a) { return _mm512_permute_ps(a, 0xB1); }
    static V wre(V w) { return _mm512_moveldup_ps(w); }
    static V wim(V w) { return _mm512_movehdup_ps(w); }
    static V fmaddsub(V a, V b, V c) { return _mm512_fmaddsub_ps(a, b, c); }
    static V fmsubadd(V a, V b, V c) { return _mm512_fmsubadd_ps(a, b, c); }
    static V mulv(V a, V b) { return _mm512_mul_ps(a, b); }
    static V set1(T v) { return _mm512_set1_ps(v); }
    // a - b in the real, a + b in the imaginary parts; the product by one
    // is exact, so this is the plain add-subtract.
    static V addsub(V a, V b) { return _mm512_fmaddsub_ps(a, set1(1), b); }
    // y[4l + j] = v_j[l]: lanes 2i, 2i+1 of the four vectors become vector i.
    static void transpose(V& v0, V& v1, V& v2, V& v3) {
        const __m512d a = _mm512_castps_pd(v0), b = _mm512_castps_pd(v1);
        const __m512d c = _mm512_castps_pd(v2), d = _mm512_castps_pd(v3);
        __m512d t0 = _mm512_unpacklo_pd(a, b), t1 = _mm512_unpackhi_pd(a, b);
        __m512d t2 = _mm512_unpacklo_pd(c, d), t3 = _mm512_unpackhi_pd(c, d);
        transpose_lanes(t0, t2, t1, t3);
        v0 = _mm512_castpd_ps(t0), v1 = _mm512_castpd_ps(t2), v2 = _mm512_castpd_ps(t1), v3 = _mm512_castpd_ps(t3);
    }
    // o[16l + k] = z_k[l] for the eight lanes l: two 8 x 8 transposes.
    static void store_columns16(T* o, V (&z)[16]) {
        for (int h = 0; h < 2; ++h) {
            __m512d a[8];
            for (int i = 0; i < 4; ++i) {
                const __m512d r0 = _mm512_castps_pd(z[8 * h + 2 * i]), r1 = _mm512_castps_pd(z[8 * h + 2 * i + 1]);
                a[i] = _mm512_unpacklo_pd(r0, r1);
                a[i + 4] = _mm512_unpackhi_pd(r0, r1);
            }
            transpose_lanes(a[0], a[1], a[2], a[3]);  // lanes 0, 2, 4, 6
            transpose_lanes(a[4], a[5], a[6], a[7]);  // lanes 1, 3, 5, 7
            for (int i = 0; i < 4; ++i) {
                _mm512_storeu_pd(reinterpret_cast<double*>(o + 32 * (2 * i) + 16 * h), a[i]);
                _mm512_storeu_pd(reinterpret_cast<double*>(o + 32 * (2 * i + 1) + 16 * h), a[i + 4]);
            }
        }
    }
    // Wide-table positions (in complex values) of k = 4(k0 + l), l < 8.
    static __m256i quad_index(std::ptrdiff_t k0, int gs) {
        const __m256i k = _mm256_add_epi32(_mm256_set1_epi32(int(4 * k0)), _mm256_setr_epi32(0, 4, 8, 12, 16, 20, 24, 28));
        return table_index(k, gs);
    }
    static V gather(const T* base, __m256i idx) {
        return _mm512_castpd_ps(_mm512_i32gather_pd(idx, reinterpret_cast<const double*>(base), 8));
    }
};

struct C64x4 {
    using T = double;
    using V = __m512d;
    static constexpr int W = 4;
    static constexpr bool kFuse = true;
    static V load(const T* p) { return _mm512_loadu_pd(p); }
    static void store(T* p, V v) { _mm512_storeu_pd(p, v); }
    static V add(V a, V b) { return _mm512_add_pd(a, b); }
    static V sub(V a, V b) { return _mm512_sub_pd(a, b); }
    static V mul(V a, T s) { return _mm512_mul_pd(a, _mm512_set1_pd(s)); }
    static V swap(V a) { return _mm512_permute_pd(a, 0x55); }
    static V wre(V w) { return _mm512_movedup_pd(w); }
    static V wim(V w) { return _mm512_permute_pd(w, 0xFF); }
    static V fmaddsub(V a, V b, V c) { return _mm512_fmaddsub_pd(a, b, c); }
    static V fmsubadd(V a, V b, V c) { return _mm512_fmsubadd_pd(a, b, c); }
    static V mulv(V a, V b) { return _mm512_mul_pd(a, b); }
    static V set1(T v) { return _mm512_set1_pd(v); }
    static V addsub(V a, V b) { return _mm512_fmaddsub_pd(a, set1(1), b); }
    // y[4l + j] = v_j[l]: lane l of the four vectors becomes vector l.
    static void transpose(V& v0, V& v1, V& v2, V& v3) { transpose_lanes(v0, v1, v2, v3); }
    // o[16l + k] = z_k[l] for the four lanes l.
    static void store_columns16(T* o, V (&z)[16]) {
        for (int c = 0; c < 16; c += 4) {
            transpose_lanes(z[c], z[c + 1], z[c + 2], z[c + 3]);
            for (int l = 0; l < 4; ++l) store(o + 2 * (16 * l + c), z[c + l]);
        }
    }
    // Positions (in doubles) of the parts of k = 4(k0 + l), l < 4.
    static __m256i quad_index(std::ptrdiff_t k0, int gs) {
        const __m256i k = _mm256_add_epi32(_mm256_set1_epi32(int(4 * k0)), _mm256_setr_epi32(0, 0, 4, 4, 8, 8, 12, 12));
        const __m256i c = table_index(k, gs);
        return _mm256_add_epi32(_mm256_add_epi32(c, c), _mm256_setr_epi32(0, 1, 0, 1, 0, 1, 0, 1));
    }
    static V gather(const T* base, __m256i idx) { return _mm512_i32gather_pd(idx, base, 8); }
};

}  // namespace
}  // namespace fft
}  // namespace veks

#include "fft_wide_kernels.h"

namespace veks {
namespace fft {

template <>
void wide_cfft_avx512<float>(int order, const float* tw, const float* src, float* dst, float* scratch,
                             bool inverse, const float* scale) {
    run_dir<C32x8, C32x4>(order, tw, src, dst, scratch, inverse, scale);
}

template <>
void wide_cfft_avx512<double>(int order, const double* tw, const double* src, double* dst, double* scratch,
                              bool inverse, const double* scale) {
    run_dir<C64x4, C64x2>(order, tw, src, dst, scratch, inverse, scale);
}

namespace {

template <class T, bool Inv>
void entry_avx512(int order, const T* tw, const T* src, T* dst, T* scratch, const T* scale) {
    wide_cfft_avx512<T>(order, tw, src, dst, scratch, Inv, scale);
}

}  // namespace

template <class T>
WideRun<T> wide_run_avx512(int, bool inverse) {
    return inverse ? entry_avx512<T, true> : entry_avx512<T, false>;
}

template WideRun<float> wide_run_avx512<float>(int, bool);
template WideRun<double> wide_run_avx512<double>(int, bool);

}  // namespace fft
}  // namespace veks
#pragma GCC pop_options
