// The passes of the split-format self-sorting FFT, written once over a
// vector type S (fft_split_ymm.h). The first pass reads interleaved input
// and leaves blocks of real and imaginary parts; the radix-4 passes work on
// blocks; the twiddle-free last pass writes interleaved output. The
// twiddles come from the wide table (fft_wide.h) in its split layout.
// Included only by kernel files compiled for the matching instruction set.
#ifndef VEKS_TRANSFORM_FFT_SPLIT_KERNELS_H
#define VEKS_TRANSFORM_FFT_SPLIT_KERNELS_H

#include <cstddef>

#include "fft_wide.h"
#include "fft_wide_kernels.h"  // PassBuffers

namespace veks {
namespace fft {
namespace {

// B complex values as their real and imaginary parts.
template <class S>
struct Z {
    typename S::V r, i;
};
// One twiddle in every lane, as its real and imaginary part.
template <class S>
struct Tw {
    typename S::V r, i;
};

// A block at p, and B interleaved values at p, to and from registers.
template <class S>
inline Z<S> zload(const typename S::T* p) {
    return {S::load(p), S::load(p + S::B)};
}
template <class S>
inline void zstore(typename S::T* p, Z<S> z) {
    S::store(p, z.r), S::store(p + S::B, z.i);
}
template <class S>
inline Z<S> zload_natural(const typename S::T* p) {
    Z<S> z;
    S::split(S::load(p), S::load(p + S::B), z.r, z.i);
    return z;
}
template <class S>
inline void zstore_natural(typename S::T* p, Z<S> z) {
    typename S::V a, b;
    S::join(z.r, z.i, a, b);
    S::store(p, a), S::store(p + S::B, b);
}

// Complex arithmetic on split values for one direction: the forward
// transform multiplies by w and by -i, the inverse by conj(w) and by +i.
template <class S, bool Inv>
struct SplitOps {
    using V = typename S::V;
    using Z = fft::Z<S>;
    using Tw = fft::Tw<S>;
    static Z add(Z a, Z b) { return {S::add(a.r, b.r), S::add(a.i, b.i)}; }
    static Z sub(Z a, Z b) { return {S::sub(a.r, b.r), S::sub(a.i, b.i)}; }
    static Z scale(Z a, V c) { return {S::mulv(a.r, c), S::mulv(a.i, c)}; }
    // Each direction rounds the products by w.i alone and fuses those by
    // w.r: the forward form written the other way round scheduled 3 %
    // slower at 256 and 1024 points.
    static Z cmul(Z a, Tw w) {
        if (Inv) return {S::fmadd(a.r, w.r, S::mulv(a.i, w.i)), S::fmsub(a.i, w.r, S::mulv(a.r, w.i))};
        return {S::fmsub(a.r, w.r, S::mulv(a.i, w.i)), S::fmadd(a.i, w.r, S::mulv(a.r, w.i))};
    }
    // a - i*b and a + i*b (forward), the other way round (inverse).
    static void pm_rot(Z a, Z b, Z& plus, Z& minus) {
        const Z mib = {S::add(a.r, b.i), S::sub(a.i, b.r)}, pib = {S::sub(a.r, b.i), S::add(a.i, b.r)};
        plus = Inv ? pib : mib;
        minus = Inv ? mib : pib;
    }
    // The radix-4 butterfly; y1..y3 still need their twiddles.
    static void bfly4(Z a, Z b, Z c, Z d, Z& y0, Z& y1, Z& y2, Z& y3) {
        const Z apc = add(a, c), amc = sub(a, c), bpd = add(b, d), bmd = sub(b, d);
        y0 = add(apc, bpd);
        y2 = sub(apc, bpd);
        pm_rot(amc, bmd, y1, y3);
    }
    // The twiddle-free DFT of 8 values v[t] into out[k].
    static void bfly8(const Z* v, Z* out) {
        using T = typename S::T;
        const V r2 = S::set1(T(0.70710678118654752440));
        Z a[4], b[4];
        for (int t = 0; t < 4; ++t) a[t] = add(v[t], v[t + 4]), b[t] = sub(v[t], v[t + 4]);
        // b_t * w8^t: w8 = (1 -+ i)/sqrt(2), w8^2 = -+i, w8^3 = -+i * w8.
        const Z b1 = b[1], b2 = b[2], b3 = b[3];
        if (Inv) {
            b[1] = {S::mulv(S::sub(b1.r, b1.i), r2), S::mulv(S::add(b1.i, b1.r), r2)};
            b[2] = {S::sub(S::set1(0), b2.i), b2.r};
            b[3] = {S::mulv(S::sub(S::set1(0), S::add(b3.r, b3.i)), r2), S::mulv(S::sub(b3.r, b3.i), r2)};
        } else {
            b[1] = {S::mulv(S::add(b1.r, b1.i), r2), S::mulv(S::sub(b1.i, b1.r), r2)};
            b[2] = {b2.i, S::sub(S::set1(0), b2.r)};
            b[3] = {S::mulv(S::sub(b3.i, b3.r), r2), S::mulv(S::sub(S::set1(0), S::add(b3.r, b3.i)), r2)};
        }
        bfly4(a[0], a[1], a[2], a[3], out[0], out[2], out[4], out[6]);
        bfly4(b[0], b[1], b[2], b[3], out[1], out[3], out[5], out[7]);
    }
    // The product of two twiddles as the table stores them (forward).
    static Tw tw_mul(Tw a, Tw b) {
        return {S::fmsub(a.r, b.r, S::mulv(a.i, b.i)), S::fmadd(a.r, b.i, S::mulv(a.i, b.r))};
    }
    // The twiddle-free DFT of 16 values v[t] into out[k]: with t = a + 4b
    // and k = k1 + 4k2, four 4-point DFTs over b, the factors w16^(a k1),
    // then four 4-point DFTs over a.
    static void bfly16(const Z* v, Z* out) {
        using T = typename S::T;
        // cos and sin of 2 pi e / 16 for the exponents e = a k1 that occur.
        constexpr double kCos[10] = {1, 0.92387953251128675613, 0.70710678118654752440, 0.38268343236508977173, 0,
                                     0, -0.70710678118654752440, 0, 0, -0.92387953251128675613};
        constexpr double kSin[10] = {0, 0.38268343236508977173, 0.70710678118654752440, 0.92387953251128675613, 1,
                                     0, 0.70710678118654752440, 0, 0, -0.38268343236508977173};
        Z u[16];
        for (int a = 0; a < 4; ++a) bfly4(v[a], v[a + 4], v[a + 8], v[a + 12], u[4 * a], u[4 * a + 1], u[4 * a + 2], u[4 * a + 3]);
        for (int a = 1; a < 4; ++a)
            for (int k1 = 1; k1 < 4; ++k1) {
                const int e = a * k1;
                u[4 * a + k1] = cmul(u[4 * a + k1], {S::set1(T(kCos[e])), S::set1(T(-kSin[e]))});
            }
        for (int k1 = 0; k1 < 4; ++k1)
            bfly4(u[k1], u[4 + k1], u[8 + k1], u[12 + k1], out[k1], out[k1 + 4], out[k1 + 8], out[k1 + 12]);
    }
};

// First pass (n = N, stride 1) for B consecutive p at a time: the quarters
// read as interleaved values and split, their twiddles (one table group,
// stored split in the same lane order) loaded as they are, the outputs
// y[4p + j] left as blocks.
template <class S, bool Inv>
void split_first(const typename S::T* x, typename S::T* y, ptrdiff_t n, const typename S::T* tw) {
    using O = SplitOps<S, Inv>;
    using Z = fft::Z<S>;
    constexpr int B = S::B, g = B;
    const ptrdiff_t m = n / 4;
    for (ptrdiff_t p = 0; p < m; p += B) {
        Z v[4];
        O::bfly4(zload_natural<S>(x + 2 * p), zload_natural<S>(x + 2 * (p + m)), zload_natural<S>(x + 2 * (p + 2 * m)),
                 zload_natural<S>(x + 2 * (p + 3 * m)), v[0], v[1], v[2], v[3]);
        const typename S::T* t = tw + 6 * p;
        for (int j = 1; j < 4; ++j) {
            const Z w = zload<S>(t + 2 * (j - 1) * g);
            v[j] = O::cmul(v[j], {w.r, w.i});
        }
        typename S::V r[4] = {v[0].r, v[1].r, v[2].r, v[3].r}, i[4] = {v[0].i, v[1].i, v[2].i, v[3].i};
        S::to_blocks(r);
        S::to_blocks(i);
        for (int b = 0; b < 4; ++b) zstore<S>(y + 8 * p + 2 * B * b, {r[b], i[b]});
    }
}

// First pass of radix 8 (double precision, B = 4): as split_first with
// the 8-point DFT, y[8p + j] left as two blocks of four per p. The
// twiddles of j = 1..3 are those of split_first, j = 4 and 6 their
// squares (cheaper than gathering them from the records of 2k, and half
// the table stays out of the cache), j = 5 and 7 come from the extra
// table `tw57`.
template <class S, bool Inv>
void split_first8(const typename S::T* x, typename S::T* y, ptrdiff_t n, const typename S::T* tw,
                  const typename S::T* tw57) {
    using O = SplitOps<S, Inv>;
    using Z = fft::Z<S>;
    using V = typename S::V;
    constexpr int B = S::B, g = B;
    static_assert(B == 4, "four p to a block");
    const ptrdiff_t m = n / 8;
    for (ptrdiff_t p = 0; p < m; p += B) {
        Z v[8], z[8];
        for (int t = 0; t < 8; ++t) v[t] = zload_natural<S>(x + 2 * (p + t * m));
        O::bfly8(v, z);
        const typename S::T *t = tw + 6 * p, *u = tw57 + 4 * p;
        auto apply = [&](int j, Z w) { z[j] = O::cmul(z[j], {w.r, w.i}); };
        for (int j = 1; j < 4; ++j) {
            const Z w = zload<S>(t + 2 * (j - 1) * g);
            apply(j, w);
            if (j > 1) apply(2 * j, {S::fmsub(w.r, w.r, S::mulv(w.i, w.i)), S::mulv(S::add(w.r, w.r), w.i)});
        }
        apply(5, zload<S>(u));
        apply(7, zload<S>(u + 2 * g));
        for (int h = 0; h < 2; ++h) {
            V r[4] = {z[4 * h].r, z[4 * h + 1].r, z[4 * h + 2].r, z[4 * h + 3].r};
            V i[4] = {z[4 * h].i, z[4 * h + 1].i, z[4 * h + 2].i, z[4 * h + 3].i};
            S::to_blocks(r);
            S::to_blocks(i);
            for (int b = 0; b < 4; ++b) zstore<S>(y + 16 * (p + b) + 2 * B * h, {r[b], i[b]});
        }
    }
}

// The twiddles of a pass at stride s from p0 on, as a table of its own:
// the record of p0 in the first-pass table (at 6ps, a group of G values
// for each part) or, where Pass is set, in the pass table (pass_record of
// ps / K).
template <class S, bool Pass>
inline const typename S::T* tw_from(const typename S::T* tw, ptrdiff_t s, ptrdiff_t p0) {
    using T = typename S::T;
    return tw + (Pass ? pass_record<T>(s / pass_k<T>() * p0, 1) - pass_record<T>(0, 1) : 6 * s * p0);
}

// The twiddle w^(jk), k = ps, of a pass at stride s. The offsets are
// constants: read from a view at run time, they cost 3 % at 1024 points.
template <class S, bool Pass>
inline Tw<S> tw_of(const typename S::T* tw, ptrdiff_t s, ptrdiff_t p, int j) {
    using T = typename S::T;
    constexpr ptrdiff_t g = S::B, im = Pass ? pass_im<T>() : g;
    const T* t = tw_from<S, Pass>(tw, s, p) + (Pass ? pass_record<T>(0, j) : 2 * g * (j - 1));
    return {S::bcast(t), S::bcast(t + im)};
}

// A radix-4 pass at stride s >= B on blocks, for m values of p, its four
// inputs `quarter` values apart (N/2 in a whole pass): as pass4 of the
// interleaved kernels, the twiddles of p (at 6ps: s is a multiple of the
// table group) broadcast over the s values of q. The passes at strides 4
// and 16 get theirs as constants, so that their few q need no loop. tw is
// the pass table where Pass is set.
template <class S, bool Inv, bool Pass, int Fixed = 0>
void split_pass4(const typename S::T* x, typename S::T* y, ptrdiff_t m, ptrdiff_t quarter, ptrdiff_t s_,
                 const typename S::T* tw) {
    if constexpr (Fixed == 0) {
        if (S::B == 4 && s_ == 4) return split_pass4<S, Inv, Pass, 4>(x, y, m, quarter, 4, tw);
        if (s_ == 16) return split_pass4<S, Inv, Pass, 16>(x, y, m, quarter, 16, tw);
    }
    using O = SplitOps<S, Inv>;
    using T = typename S::T;
    using Z = fft::Z<S>;
    const ptrdiff_t s = Fixed ? Fixed : s_;
    const T *x1 = x + quarter, *x2 = x + 2 * quarter, *x3 = x + 3 * quarter;
    T *y1 = y + 2 * s, *y2 = y + 4 * s, *y3 = y + 6 * s;
    for (ptrdiff_t p = 0; p < m; ++p) {
        const auto w1 = tw_of<S, Pass>(tw, s, p, 1), w2 = tw_of<S, Pass>(tw, s, p, 2),
                   w3 = tw_of<S, Pass>(tw, s, p, 3);
        const ptrdiff_t i0 = 2 * s * p, o0 = 8 * s * p;
        for (ptrdiff_t q = 0; q < 2 * s; q += 2 * S::B) {
            Z y0, r1, r2, r3;
            O::bfly4(zload<S>(x + i0 + q), zload<S>(x1 + i0 + q), zload<S>(x2 + i0 + q), zload<S>(x3 + i0 + q), y0, r1,
                     r2, r3);
            zstore<S>(y + o0 + q, y0);
            zstore<S>(y1 + o0 + q, O::cmul(r1, w1));
            zstore<S>(y2 + o0 + q, O::cmul(r2, w2));
            zstore<S>(y3 + o0 + q, O::cmul(r3, w3));
        }
    }
}

// Two radix-4 passes, at strides s and 4s, block by block through a
// buffer that stays in the level-1 cache. A block of P values of p of the
// second pass needs the outputs of the first for p + tN/(16s), t = 0..3,
// which the first leaves there as four chunks of 4sP values, read by the
// second as its quarters. Where the data no longer fit the level-1 cache,
// the output of the first pass then never goes out to the level-2 cache.
// Needs 16s <= pair_values, which fft_wide.h checks for pair_stride.
template <class S, bool Inv, bool Pass>
void split_pass4_pair(const typename S::T* x, typename S::T* y, ptrdiff_t n, ptrdiff_t s, const typename S::T* tw) {
    using T = typename S::T;
    constexpr ptrdiff_t values = pair_values<T>();
    alignas(64) T chunks[2 * values];
    const ptrdiff_t mb = n / (16 * s), cap = values / (16 * s), blk = cap < mb ? cap : mb, chunk = 8 * s * blk;
    for (ptrdiff_t a = 0; a < mb; a += blk) {
        for (ptrdiff_t t = 0; t < 4; ++t) {
            const ptrdiff_t p0 = a + mb * t;
            split_pass4<S, Inv, Pass>(x + 2 * s * p0, chunks + chunk * t, blk, n / 2, s, tw_from<S, Pass>(tw, s, p0));
        }
        split_pass4<S, Inv, Pass>(chunks, y + 32 * s * a, blk, chunk, 4 * s, tw_from<S, Pass>(tw, 4 * s, a));
    }
}

// A radix-8 pass of length n at stride s >= B on blocks, as split_pass4
// with the 8-point DFT. The table holds w^(jk) for j = 1..3; w^4k and
// w^6k are their squares, w^5k and w^7k products, formed once per p.
template <class S, bool Inv, bool Pass>
void split_pass8(const typename S::T* x, typename S::T* y, ptrdiff_t n, ptrdiff_t s, const typename S::T* tw) {
    using O = SplitOps<S, Inv>;
    using Z = fft::Z<S>;
    const ptrdiff_t m = n / 8, eighth = 2 * s * m;
    for (ptrdiff_t p = 0; p < m; ++p) {
        typename O::Tw w[8];
        for (int j = 1; j < 4; ++j) w[j] = tw_of<S, Pass>(tw, s, p, j);
        w[4] = O::tw_mul(w[2], w[2]), w[5] = O::tw_mul(w[2], w[3]), w[6] = O::tw_mul(w[3], w[3]);
        w[7] = O::tw_mul(w[3], w[4]);
        const ptrdiff_t i0 = 2 * s * p, o0 = 16 * s * p;
        for (ptrdiff_t q = 0; q < 2 * s; q += 2 * S::B) {
            Z v[8], z[8];
            for (int j = 0; j < 8; ++j) v[j] = zload<S>(x + j * eighth + i0 + q);
            O::bfly8(v, z);
            zstore<S>(y + o0 + q, z[0]);
            for (int j = 1; j < 8; ++j) zstore<S>(y + o0 + 2 * s * j + q, O::cmul(z[j], w[j]));
        }
    }
}

// The radix-4 pass at stride 4 where a block holds 8 values: each block
// carries q = 0..3 of an even p in one half and of the next p in the
// other, so the twiddles of the two are spread over the halves, and each
// output block joins the halves of two outputs of the same p. The two
// twiddles sit in lanes 0 and 2 of one table block: one load and one lane
// permutation each for the real and imaginary parts, where two broadcasts
// and a blend cost 1 to 5 % at 128 to 2048 points. From the pass table
// (tw, where Pass is set) the two come from one 8-byte broadcast and an
// in-lane permutation.
template <class S, bool Inv, bool Pass>
void split_pass4_halves(const typename S::T* x, typename S::T* y, ptrdiff_t n, const typename S::T* tw) {
    using O = SplitOps<S, Inv>;
    using T = typename S::T;
    using Z = fft::Z<S>;
    static_assert(S::B == 8, "two p to a block");
    constexpr ptrdiff_t g = S::B;
    const ptrdiff_t m = n / 4, quarter = 8 * m;
    for (ptrdiff_t p = 0; p < m; p += 2) {
        Z v[4];
        const T* xp = x + 8 * p;
        O::bfly4(zload<S>(xp), zload<S>(xp + quarter), zload<S>(xp + 2 * quarter), zload<S>(xp + 3 * quarter), v[0],
                 v[1], v[2], v[3]);
        for (int j = 1; j < 4; ++j) {
            if constexpr (Pass) {
                const T* t = tw + pass_record<T>(p, j);
                v[j] = O::cmul(v[j], {S::spread_pair(t), S::spread_pair(t + pass_im<T>())});
            } else {
                // k = 4p starts a table group; k = 4p + 4 sits in its lane 2.
                const T* t = tw + 24 * p + 2 * (j - 1) * g;
                v[j] = O::cmul(v[j], {S::spread_lanes_0_2(S::load(t)), S::spread_lanes_0_2(S::load(t + g))});
            }
        }
        T* o = y + 32 * p;
        zstore<S>(o, {S::even_halves(v[0].r, v[1].r), S::even_halves(v[0].i, v[1].i)});
        zstore<S>(o + 16, {S::even_halves(v[2].r, v[3].r), S::even_halves(v[2].i, v[3].i)});
        zstore<S>(o + 32, {S::odd_halves(v[0].r, v[1].r), S::odd_halves(v[0].i, v[1].i)});
        zstore<S>(o + 48, {S::odd_halves(v[2].r, v[3].r), S::odd_halves(v[2].i, v[3].i)});
    }
}

// Last pass with R = 4 or 8 values at stride s = N/R >= B: the
// twiddle-free DFT of each block column, written interleaved (x may equal
// y: every column is read before it is written), scaled when `scale` is
// given.
template <int R, class S, bool Inv>
void split_last(const typename S::T* x, typename S::T* y, ptrdiff_t s, const typename S::T* scale) {
    using O = SplitOps<S, Inv>;
    using Z = fft::Z<S>;
    const auto c = S::set1(scale ? *scale : 1);
    for (ptrdiff_t q = 0; q < s; q += S::B) {
        Z v[R], z[R];
        for (int t = 0; t < R; ++t) v[t] = zload<S>(x + 2 * (q + t * s));
        if constexpr (R == 16)
            O::bfly16(v, z);
        else if constexpr (R == 8)
            O::bfly8(v, z);
        else
            O::bfly4(v[0], v[1], v[2], v[3], z[0], z[1], z[2], z[3]);
        for (int k = 0; k < R; ++k) zstore_natural<S>(y + 2 * (q + s * k), scale ? O::scale(z[k], c) : z[k]);
    }
}

// The radix-4 plan: radix-4 passes and a last pass of 2 or 3 bits, or the
// long plan of the order where Long is set and the order has one. Long
// plans follow the first pass of first8_order; the row transforms of the
// four-step path, whose tables have no radix-8 part, start with radix 4
// and keep the radix-4 plan. A specification's own radix-4 plan fuses the
// passes from pair_stride on into a pair where it has them.
template <class T>
constexpr SplitPlan split_plan(int order, int first, bool long_passes, bool spec_table) {
    if (long_passes && has_long_plan<T>(order) && first == (first8_order<T>(order) ? 3 : 2))
        return long_plan<T>(order);
    const int rest = order - first, last = rest & 1 ? 3 : 2, fours = (rest - last) / 2;
    int pair = -1;
    for (int i = 0; spec_table && i + 1 < fours; ++i)
        if (std::int64_t(1) << (first + 2 * i) == pair_stride<T>(order)) pair = i;
    return {fours, 0, last, pair};
}

// The whole transform on the split format: the first pass (radix 8 where
// First8 is set, radix 4 otherwise), the passes of split_plan and the last
// pass, which also scales. Needs N/4 (N/8 for radix 8) >= B for the first
// pass and N/8 (N/16 for radix 16) >= B for the last; the table groups
// then hold B values.
// Where `spare` (N aligned values) is given, the passes before the last
// alternate between it and the scratch and leave dst alone. SpecTable says
// that tw is a specification's table, with the pass table at the orders
// that have one.
template <class S, bool Inv, int Order = 0, bool First8 = false, bool Long = false, bool SpecTable = false>
void split_run(int order_, const typename S::T* tw, const typename S::T* src, typename S::T* dst,
               typename S::T* scratch, const typename S::T* scale, typename S::T* spare = nullptr) {
    using T = typename S::T;
    const int order = Order ? Order : order_;  // a constant where Order is given
    const ptrdiff_t n = ptrdiff_t(1) << order;
    const int first = First8 ? 3 : 2;
    const SplitPlan plan = split_plan<T>(order, first, Long, SpecTable);
    const T* pass = SpecTable && pass_table_order<T>(order) ? tw + pass_table_at<T>(order) : nullptr;
    PassBuffers<T> b(1 + plan.fours + plan.eights - (plan.pair >= 0), src, spare ? spare : dst, scratch);
    if constexpr (First8)
        split_first8<S, Inv>(b.in, b.out, n, tw, tw + 6 * (n / 4));
    else
        split_first<S, Inv>(b.in, b.out, n, tw);
    ptrdiff_t s = ptrdiff_t(1) << first;
    for (int i = 0; i < plan.fours; ++i, s *= 4) {
        b.next();
        if (i == plan.pair) {
            if (pass)
                split_pass4_pair<S, Inv, true>(b.in, b.out, n, s, pass);
            else
                split_pass4_pair<S, Inv, false>(b.in, b.out, n, s, tw);
            s *= 4, ++i;
            continue;
        }
        if constexpr (S::B > 4) {
            if (s < S::B) {
                if (pass)
                    split_pass4_halves<S, Inv, true>(b.in, b.out, n / s, pass);
                else
                    split_pass4_halves<S, Inv, false>(b.in, b.out, n / s, tw);
                continue;
            }
        }
        if (pass)
            split_pass4<S, Inv, true>(b.in, b.out, n / (4 * s), n / 2, s, pass);
        else
            split_pass4<S, Inv, false>(b.in, b.out, n / (4 * s), n / 2, s, tw);
    }
    for (int i = 0; i < plan.eights; ++i, s *= 8) {
        b.next();
        if (pass)
            split_pass8<S, Inv, true>(b.in, b.out, n / s, s, pass);
        else
            split_pass8<S, Inv, false>(b.in, b.out, n / s, s, tw);
    }
    if (plan.last == 4)
        split_last<16, S, Inv>(b.out, dst, n >> 4, scale);
    else if (plan.last == 3)
        split_last<8, S, Inv>(b.out, dst, n >> 3, scale);
    else
        split_last<4, S, Inv>(b.out, dst, n >> 2, scale);
}

}  // namespace
}  // namespace fft
}  // namespace veks

#endif
