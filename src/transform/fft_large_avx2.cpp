// Column strips and transposes of the four-step long transform on 256-bit
// registers (AVX2 and FMA, chosen once per specification). Every row of a
// strip is a few whole vectors, so the column transforms run the same
// butterfly on every column of the strip with broadcast twiddles.
#include "fft_large.h"

#pragma GCC push_options
#pragma GCC target("avx2,fma")
#include <immintrin.h>

namespace veks {
namespace fft {
namespace {

using std::ptrdiff_t;

// W interleaved complex values of one precision in a 256-bit register.
struct Fx8 {
    using T = float;
    using V = __m256;
    static constexpr ptrdiff_t W = 4;
    static V ld(const T* p) { return _mm256_load_ps(p); }
    static V ldu(const T* p) { return _mm256_loadu_ps(p); }
    static void st(T* p, V v) { _mm256_store_ps(p, v); }
    static void stu(T* p, V v) { _mm256_storeu_ps(p, v); }
    static V add(V a, V b) { return _mm256_add_ps(a, b); }
    static V sub(V a, V b) { return _mm256_sub_ps(a, b); }
    static V mul(V a, V b) { return _mm256_mul_ps(a, b); }
    static V bcast(T v) { return _mm256_set1_ps(v); }
    static V pair_swap(V a) { return _mm256_permute_ps(a, 0xB1); }
    static V neg_im(V a) { return _mm256_xor_ps(a, _mm256_castsi256_ps(_mm256_set1_epi64x(std::int64_t(1) << 63))); }
    static V re_dup(V w) { return _mm256_moveldup_ps(w); }
    static V im_dup(V w) { return _mm256_movehdup_ps(w); }
    static V fas(V a, V b, V c) { return _mm256_fmaddsub_ps(a, b, c); }
    static V fsa(V a, V b, V c) { return _mm256_fmsubadd_ps(a, b, c); }
    // Row r of the W x W block v becomes column r.
    static void flip(V* v) {
        const __m256d a = _mm256_castps_pd(v[0]), b = _mm256_castps_pd(v[1]);
        const __m256d c = _mm256_castps_pd(v[2]), d = _mm256_castps_pd(v[3]);
        const __m256d ab0 = _mm256_unpacklo_pd(a, b), ab1 = _mm256_unpackhi_pd(a, b);
        const __m256d cd0 = _mm256_unpacklo_pd(c, d), cd1 = _mm256_unpackhi_pd(c, d);
        v[0] = _mm256_castpd_ps(_mm256_permute2f128_pd(ab0, cd0, 0x20));
        v[1] = _mm256_castpd_ps(_mm256_permute2f128_pd(ab1, cd1, 0x20));
        v[2] = _mm256_castpd_ps(_mm256_permute2f128_pd(ab0, cd0, 0x31));
        v[3] = _mm256_castpd_ps(_mm256_permute2f128_pd(ab1, cd1, 0x31));
    }
};

struct Dx4 {
    using T = double;
    using V = __m256d;
    static constexpr ptrdiff_t W = 2;
    static V ld(const T* p) { return _mm256_load_pd(p); }
    static V ldu(const T* p) { return _mm256_loadu_pd(p); }
    static void st(T* p, V v) { _mm256_store_pd(p, v); }
    static void stu(T* p, V v) { _mm256_storeu_pd(p, v); }
    static V add(V a, V b) { return _mm256_add_pd(a, b); }
    static V sub(V a, V b) { return _mm256_sub_pd(a, b); }
    static V mul(V a, V b) { return _mm256_mul_pd(a, b); }
    static V bcast(T v) { return _mm256_set1_pd(v); }
    static V pair_swap(V a) { return _mm256_permute_pd(a, 0x5); }
    static V neg_im(V a) { return _mm256_xor_pd(a, _mm256_set_pd(-0.0, 0.0, -0.0, 0.0)); }
    static V re_dup(V w) { return _mm256_movedup_pd(w); }
    static V im_dup(V w) { return _mm256_permute_pd(w, 0xF); }
    static V fas(V a, V b, V c) { return _mm256_fmaddsub_pd(a, b, c); }
    static V fsa(V a, V b, V c) { return _mm256_fmsubadd_pd(a, b, c); }
    static void flip(V* v) {
        const V a = _mm256_permute2f128_pd(v[0], v[1], 0x20), b = _mm256_permute2f128_pd(v[0], v[1], 0x31);
        v[0] = a, v[1] = b;
    }
};

// a * w forward, a * conj(w) inverse, w given as repeated parts.
template <class L, bool Inv>
inline typename L::V cmul(typename L::V a, typename L::V wr, typename L::V wi) {
    const auto t = L::mul(L::pair_swap(a), wi);
    return Inv ? L::fsa(a, wr, t) : L::fas(a, wr, t);
}

// One twiddle (re, im) repeated over every lane.
template <class L>
struct Bcast {
    typename L::V r, i;
};
template <class L>
inline Bcast<L> bcast_tw(const typename L::T* p) {
    return {L::bcast(p[0]), L::bcast(p[1])};
}

// The radix-4 butterfly in decimation in frequency: outputs in the order
// of their memory rows (DFT indices 0, 2, 1, 3).
template <class L, bool Inv>
inline void dif4(typename L::V x0, typename L::V x1, typename L::V x2, typename L::V x3, typename L::V* y) {
    const auto s02 = L::add(x0, x2), d02 = L::sub(x0, x2), s13 = L::add(x1, x3);
    const auto r13 = L::neg_im(L::pair_swap(L::sub(x1, x3)));  // -i (x1 - x3)
    y[0] = L::add(s02, s13);
    y[1] = L::sub(s02, s13);
    y[2] = Inv ? L::sub(d02, r13) : L::add(d02, r13);
    y[3] = Inv ? L::add(d02, r13) : L::sub(d02, r13);
}

template <class L, bool Inv>
struct Strip {
    using T = typename L::T;
    using V = typename L::V;
    const T* col_tw;
    const T* coarse;
    const T* fine;
    const std::int32_t* from;
    ptrdiff_t n1, m, width, f;
    T* buf;

    T* row(ptrdiff_t r) const { return buf + 2 * r * width; }
    // The strided rows of the gather and the scatter each sit in their own
    // page, where the hardware prefetchers do not follow; they are fetched
    // this many butterflies (rows in the scatter) ahead.
    static constexpr ptrdiff_t kAhead = 2;
    void prefetch_row(const T* p) const {
        for (ptrdiff_t b = 0; b < 2 * width * ptrdiff_t(sizeof(T)); b += 64)
            _mm_prefetch(reinterpret_cast<const char*>(p) + b, _MM_HINT_T0);
    }

    // Twiddles w^2j, w^j, w^3j (for memory rows 1, 2, 3 of the butterfly)
    // of a stage of length len.
    void twiddles(ptrdiff_t j, ptrdiff_t len, Bcast<L>* w) const {
        const ptrdiff_t step = n1 / len;
        w[0] = bcast_tw<L>(col_tw + 2 * (2 * j * step));
        w[1] = bcast_tw<L>(col_tw + 2 * (j * step));
        w[2] = bcast_tw<L>(col_tw + 2 * (3 * j * step));
    }

    void store4(T* const* o, ptrdiff_t v, V* y, const Bcast<L>* w) const {
        L::st(o[0] + v, y[0]);
        for (int i = 1; i < 4; ++i) L::st(o[i] + v, w ? cmul<L, Inv>(y[i], w[i - 1].r, w[i - 1].i) : y[i]);
    }

    // First stage, reading the strip straight from the source.
    void first(const T* src, ptrdiff_t c0) const {
        const ptrdiff_t q = n1 / 4;
        for (ptrdiff_t j = 0; j < q; ++j) {
            Bcast<L> w[3];
            twiddles(j, n1, w);
            const T* x = src + 2 * (j * m + c0);
            if (j + kAhead < q)
                for (int i = 0; i < 4; ++i) prefetch_row(x + 2 * (kAhead * m + i * q * m));
            T* const o[4] = {row(j), row(j + q), row(j + 2 * q), row(j + 3 * q)};
            for (ptrdiff_t v = 0; v < 2 * width; v += 2 * L::W) {
                V y[4];
                dif4<L, Inv>(L::ldu(x + v), L::ldu(x + v + 2 * q * m), L::ldu(x + v + 4 * q * m),
                             L::ldu(x + v + 6 * q * m), y);
                store4(o, v, y, j ? w : nullptr);
            }
        }
    }

    // One stage of length len on the strip rows [lo, hi).
    void stage(ptrdiff_t len, ptrdiff_t lo, ptrdiff_t hi) const {
        const ptrdiff_t q = len / 4;
        for (ptrdiff_t j = 0; j < q; ++j) {
            Bcast<L> w[3];
            twiddles(j, len, w);
            for (ptrdiff_t g = lo + j; g < hi; g += len) {
                T* const o[4] = {row(g), row(g + q), row(g + 2 * q), row(g + 3 * q)};
                for (ptrdiff_t v = 0; v < 2 * width; v += 2 * L::W) {
                    V y[4];
                    dif4<L, Inv>(L::ld(o[0] + v), L::ld(o[1] + v), L::ld(o[2] + v), L::ld(o[3] + v), y);
                    store4(o, v, y, j ? w : nullptr);
                }
            }
        }
    }

    void stage2(ptrdiff_t lo, ptrdiff_t hi) const {
        for (ptrdiff_t g = lo; g < hi; g += 2)
            for (ptrdiff_t v = 0; v < 2 * width; v += 2 * L::W) {
                const V a = L::ld(row(g) + v), b = L::ld(row(g + 1) + v);
                L::st(row(g) + v, L::add(a, b));
                L::st(row(g + 1) + v, L::sub(a, b));
            }
    }

    // Memory rows in order, each from its result row, times its twiddles
    // (a coarse one for the strip times a fine one per column).
    // A strip wider than the fine table takes one coarse twiddle per
    // group of f columns.
    void scatter(T* dst, ptrdiff_t c0) const {
        const ptrdiff_t group = width < f ? width : f;
        for (ptrdiff_t r = 0; r < n1; ++r) {
            const T* y = row(from[r]);
            T* o = dst + 2 * (r * m + c0);
            if (r + kAhead < n1) prefetch_row(o + 2 * kAhead * m);
            for (ptrdiff_t g = 0; g < width; g += group) {
                const T* fw = fine + 2 * (r * f + (c0 + g) % f);
                const Bcast<L> b = bcast_tw<L>(coarse + 2 * ((c0 + g) / f * n1 + r));
                for (ptrdiff_t v = 2 * g; v < 2 * (g + group); v += 2 * L::W) {
                    const V w = cmul<L, false>(L::ldu(fw + v - 2 * g), b.r, b.i);
                    L::stu(o + v, cmul<L, Inv>(L::ld(y + v), L::re_dup(w), L::im_dup(w)));
                }
            }
        }
    }

    // The stages whose groups outgrow the level-1 cache run over the whole
    // strip; the shorter ones run group by group, all of them on one group
    // before the next is touched.
    void run(const T* src, T* dst, ptrdiff_t c0) const {
        constexpr ptrdiff_t kGroupBytes = 16 * 1024;
        first(src, c0);
        ptrdiff_t len = n1 / 4;
        for (; len >= 4 && len * width * ptrdiff_t(2 * sizeof(T)) > kGroupBytes; len /= 4) stage(len, 0, n1);
        const ptrdiff_t group = len > 2 ? len : 2;
        for (ptrdiff_t lo = 0; lo < n1; lo += group) {
            ptrdiff_t l = len;
            for (; l >= 4; l /= 4) stage(l, lo, lo + group);
            if (l == 2) stage2(lo, lo + group);
        }
        scatter(dst, c0);
    }
};

// W x W blocks: a's transposed into b's place and b's into a's (a may be b).
template <class L>
inline void swap_blocks(typename L::T* a, typename L::T* b, ptrdiff_t stride) {
    typename L::V u[L::W], v[L::W];
    for (ptrdiff_t r = 0; r < L::W; ++r) u[r] = L::ldu(a + 2 * r * stride), v[r] = L::ldu(b + 2 * r * stride);
    L::flip(u);
    L::flip(v);
    for (ptrdiff_t r = 0; r < L::W; ++r) L::stu(b + 2 * r * stride, u[r]), L::stu(a + 2 * r * stride, v[r]);
}

template <class L>
void transpose(typename L::T* a, ptrdiff_t n, ptrdiff_t stride) {
    // Tiles of one cache line a row; each tile pair is swapped block by block.
    constexpr ptrdiff_t tile = 128 / (2 * sizeof(typename L::T));
    auto at = [&](ptrdiff_t r, ptrdiff_t c) { return a + 2 * (r * stride + c); };
    for (ptrdiff_t i = 0; i < n; i += tile)
        for (ptrdiff_t j = i; j < n; j += tile)
            for (ptrdiff_t bi = 0; bi < tile; bi += L::W)
                for (ptrdiff_t bj = i == j ? bi : 0; bj < tile; bj += L::W)
                    swap_blocks<L>(at(i + bi, j + bj), at(j + bj, i + bi), stride);
}

template <class L>
using LT = typename L::T;

template <class L>
void strip_dir(const LargePlan<LT<L>>& p, const LT<L>* src, LT<L>* dst, ptrdiff_t c0, ptrdiff_t width, LT<L>* buf,
               bool inverse) {
    const ptrdiff_t n1 = ptrdiff_t(1) << p.rows, m = ptrdiff_t(1) << p.cols;
    if (inverse)
        Strip<L, true>{p.col_tw, p.coarse, p.fine, p.from, n1, m, width, p.fine_cols, buf}.run(src, dst, c0);
    else
        Strip<L, false>{p.col_tw, p.coarse, p.fine, p.from, n1, m, width, p.fine_cols, buf}.run(src, dst, c0);
}

}  // namespace

template <>
void large_column_strip<float>(const LargePlan<float>& p, const float* src, float* dst, ptrdiff_t c0,
                               ptrdiff_t width, float* buf, bool inverse) {
    strip_dir<Fx8>(p, src, dst, c0, width, buf, inverse);
}
template <>
void large_column_strip<double>(const LargePlan<double>& p, const double* src, double* dst, ptrdiff_t c0,
                                ptrdiff_t width, double* buf, bool inverse) {
    strip_dir<Dx4>(p, src, dst, c0, width, buf, inverse);
}
template <>
void large_transpose<float>(float* a, ptrdiff_t n, ptrdiff_t stride) {
    transpose<Fx8>(a, n, stride);
}
template <>
void large_transpose<double>(double* a, ptrdiff_t n, ptrdiff_t stride) {
    transpose<Dx4>(a, n, stride);
}

}  // namespace fft
}  // namespace veks
#pragma GCC pop_options
