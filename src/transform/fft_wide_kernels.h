// The passes of the self-sorting FFT, written once over a vector type L
// (see fft_wide_ymm.h for the 256-bit ones): L::V holds L::W interleaved
// complex values, with loads, stores, sums, fused multiply-adds, the
// (re, im) swap and a transpose. Included only by kernel files compiled
// for the matching instruction set, each of which instantiates these
// templates privately (anonymous namespace).
#ifndef VEKS_TRANSFORM_FFT_WIDE_KERNELS_H
#define VEKS_TRANSFORM_FFT_WIDE_KERNELS_H

#include <cstddef>
#include <type_traits>

#include "fft_wide.h"

namespace veks {
namespace fft {
namespace {

using std::ptrdiff_t;

// A twiddle as its real and imaginary parts, each repeated over both
// halves of every complex lane.
template <class L>
struct Twid {
    typename L::V r, i;
};

// Complex arithmetic of one direction: the forward transform multiplies by
// w and by -i, the inverse by conj(w) and by +i.
template <class L, bool Inv>
struct Ops {
    using V = typename L::V;
    static V cmul(V a, const Twid<L>& w) {
        const V t = L::mulv(L::swap(a), w.i);
        return Inv ? L::fmsubadd(a, w.r, t) : L::fmaddsub(a, w.r, t);
    }
    // a - i*b and a + i*b (forward), the other way round (inverse), from
    // sb = swap(b); multiplying by exactly one keeps them plain sums.
    static V minus_ib(V a, V sb) { return L::fmsubadd(L::set1(1), a, sb); }
    static void pm_rot(V a, V sb, V& plus, V& minus) {
        plus = Inv ? L::addsub(a, sb) : minus_ib(a, sb);
        minus = Inv ? minus_ib(a, sb) : L::addsub(a, sb);
    }
};

// Twiddles of W consecutive k from interleaved (re, im) pairs.
template <class L>
inline Twid<L> tw_vec(const typename L::T* p) {
    return {L::wre(L::load(p)), L::wim(L::load(p))};
}
// One twiddle for every lane.
template <class L>
inline Twid<L> tw_one(const typename L::T* p) {
    return {L::set1(p[0]), L::set1(p[1])};
}

// The radix-4 butterfly of one pass: y1..y3 still need their twiddles.
template <class L, bool Inv>
inline void bfly4(typename L::V a, typename L::V b, typename L::V c, typename L::V d, typename L::V& y0,
                  typename L::V& y1, typename L::V& y2, typename L::V& y3) {
    const auto apc = L::add(a, c), amc = L::sub(a, c), bpd = L::add(b, d), bmd = L::sub(b, d);
    y0 = L::add(apc, bpd);
    y2 = L::sub(apc, bpd);
    Ops<L, Inv>::pm_rot(amc, L::swap(bmd), y1, y3);
}

// The buffers of one transform's passes: each pass with twiddles reads
// `in` and writes `out`, the two alternating between dst and scratch. The
// last of those passes lands in dst unless the first would then have to
// write its own input; the final, twiddle-free pass reads `out` and may
// work in place.
template <class T>
struct PassBuffers {
    const T* in;
    T *out, *dst, *scratch;
    PassBuffers(int twiddled_passes, const T* src, T* dst_, T* scratch_)
        : in(src), out((twiddled_passes & 1) && src != dst_ ? dst_ : scratch_), dst(dst_), scratch(scratch_) {}
    void next() {
        in = out;
        out = out == dst ? scratch : dst;
    }
};

// Position of the twiddles of k in the wide table (g = 2^gs values a group).
inline ptrdiff_t tw_at(ptrdiff_t k, int gs) {
    return 2 * (((k >> gs) * 3 << gs) + (k & ((ptrdiff_t(1) << gs) - 1)));
}

// First pass (n = N, stride 1) for the W consecutive p from p0: twiddles
// loaded as vectors, the outputs y[4p + j] transposed into v[0..3] (the
// 4W values from y[4 p0] on).
template <class L, bool Inv>
inline void first_regs(const typename L::T* x, ptrdiff_t m, ptrdiff_t p, const typename L::T* tw, int gs,
                       typename L::V* v) {
    using O = Ops<L, Inv>;
    const ptrdiff_t g = ptrdiff_t(1) << gs;
    bfly4<L, Inv>(L::load(x + 2 * p), L::load(x + 2 * (p + m)), L::load(x + 2 * (p + 2 * m)),
                  L::load(x + 2 * (p + 3 * m)), v[0], v[1], v[2], v[3]);
    const typename L::T* t = tw + tw_at(p, gs);
    v[1] = O::cmul(v[1], tw_vec<L>(t));
    v[2] = O::cmul(v[2], tw_vec<L>(t + 2 * g));
    v[3] = O::cmul(v[3], tw_vec<L>(t + 4 * g));
    L::transpose(v[0], v[1], v[2], v[3]);
}

template <class L, bool Inv>
void first_pass(const typename L::T* x, typename L::T* y, ptrdiff_t n, const typename L::T* tw, int gs) {
    const ptrdiff_t m = n / 4;
    for (ptrdiff_t p = 0; p < m; p += L::W) {
        typename L::V v[4];
        first_regs<L, Inv>(x, m, p, tw, gs, v);
        for (int i = 0; i < 4; ++i) L::store(y + 8 * p + 2 * L::W * i, v[i]);
    }
}

// A radix-4 pass of length n at stride s >= W: the twiddles of p
// broadcast over the s values of q. The p of one table group (g/s of them
// when s < g) step through it by 2s values, and every group starts at
// 6ps, so no table position is computed per p; one input and one output
// offset serve all four quarters. The pass at s = 4 (the one after the
// first) gets its stride as a constant: its one or two q need no loop.
template <class L, bool Inv, int S = 0>
void pass4(const typename L::T* x, typename L::T* y, ptrdiff_t n, ptrdiff_t s_, const typename L::T* tw, int gs) {
    if constexpr (S == 0 && L::W <= 4) {
        if (s_ == 4) return pass4<L, Inv, 4>(x, y, n, 4, tw, gs);
    }
    using O = Ops<L, Inv>;
    using T = typename L::T;
    const ptrdiff_t s = S ? S : s_;
    const ptrdiff_t m = n / 4, g = ptrdiff_t(1) << gs, run = s < g ? g / s : 1, quarter = 2 * s * m;
    const T *x1 = x + quarter, *x2 = x + 2 * quarter, *x3 = x + 3 * quarter;
    T *y1 = y + 2 * s, *y2 = y + 4 * s, *y3 = y + 6 * s;
    for (ptrdiff_t p0 = 0; p0 < m; p0 += run) {
        for (ptrdiff_t p = p0; p < p0 + run; ++p) {
            const T* t = tw + 6 * p0 * s + 2 * (p - p0) * s;
            const auto w1 = tw_one<L>(t), w2 = tw_one<L>(t + 2 * g), w3 = tw_one<L>(t + 4 * g);
            const ptrdiff_t i0 = 2 * s * p, o0 = 8 * s * p;
            for (ptrdiff_t q = 0; q < 2 * s; q += 2 * L::W) {
                typename L::V y0, r1, r2, r3;
                bfly4<L, Inv>(L::load(x + i0 + q), L::load(x1 + i0 + q), L::load(x2 + i0 + q), L::load(x3 + i0 + q),
                              y0, r1, r2, r3);
                L::store(y + o0 + q, y0);
                L::store(y1 + o0 + q, O::cmul(r1, w1));
                L::store(y2 + o0 + q, O::cmul(r2, w2));
                L::store(y3 + o0 + q, O::cmul(r3, w3));
            }
        }
    }
}

// w16^e, e = 0..9, as (re, im) of exp(-2*pi*i*e/16).
constexpr double kW16[10][2] = {
    {1.0, 0.0},
    {0.92387953251128675613, -0.38268343236508977173},
    {0.70710678118654752440, -0.70710678118654752440},
    {0.38268343236508977173, -0.92387953251128675613},
    {0.0, -1.0},
    {-0.38268343236508977173, -0.92387953251128675613},
    {-0.70710678118654752440, -0.70710678118654752440},
    {-0.92387953251128675613, -0.38268343236508977173},
    {-1.0, 0.0},
    {-0.92387953251128675613, 0.38268343236508977173},
};

// The forward value; the inverse passes conjugate it in their multiply.
template <class L>
Twid<L> w16(int e) {
    using T = typename L::T;
    return {L::set1(T(kW16[e][0])), L::set1(T(kW16[e][1]))};
}

// The twiddle-free DFT of 16 vectors v[t] into out[k] as two radix-4
// levels in registers, joined by the constant twiddles w16^(i a).
template <class L, bool Inv>
inline void bfly16_regs(const typename L::V* v, typename L::V* out) {
    using O = Ops<L, Inv>;
    typename L::V u[4][4];
    for (int i = 0; i < 4; ++i) {
        bfly4<L, Inv>(v[i], v[i + 4], v[i + 8], v[i + 12], u[i][0], u[i][1], u[i][2], u[i][3]);
        for (int a = 1; i > 0 && a < 4; ++a) u[i][a] = O::cmul(u[i][a], w16<L>(i * a));
    }
    for (int a = 0; a < 4; ++a)
        bfly4<L, Inv>(u[0][a], u[1][a], u[2][a], u[3][a], out[a], out[a + 4], out[a + 8], out[a + 12]);
}

// Last pass of a transform with 2 bits left: twiddle-free radix 4 at
// stride s = N/4, x may equal y; scaled when `scale` is given.
template <class L, bool Inv>
void last_pass4(const typename L::T* x, typename L::T* y, ptrdiff_t s, const typename L::T* scale) {
    for (ptrdiff_t q = 0; q < s; q += L::W) {
        typename L::V y0, y1, y2, y3;
        bfly4<L, Inv>(L::load(x + 2 * q), L::load(x + 2 * (q + s)), L::load(x + 2 * (q + 2 * s)),
                      L::load(x + 2 * (q + 3 * s)), y0, y1, y2, y3);
        if (scale) y0 = L::mul(y0, *scale), y1 = L::mul(y1, *scale), y2 = L::mul(y2, *scale), y3 = L::mul(y3, *scale);
        L::store(y + 2 * q, y0);
        L::store(y + 2 * (q + s), y1);
        L::store(y + 2 * (q + 2 * s), y2);
        L::store(y + 2 * (q + 3 * s), y3);
    }
}

// The twiddle-free DFT of 8 vectors v[t] into out[k].
template <class L, bool Inv>
inline void bfly8_regs(const typename L::V* v, typename L::V* out) {
    using O = Ops<L, Inv>;
    using T = typename L::T;
    const T r2 = T(0.70710678118654752440);
    const auto a0 = L::add(v[0], v[4]), a1 = L::add(v[1], v[5]), a2 = L::add(v[2], v[6]), a3 = L::add(v[3], v[7]);
    const auto b0 = L::sub(v[0], v[4]), b1 = L::sub(v[1], v[5]), b2 = L::sub(v[2], v[6]), b3 = L::sub(v[3], v[7]);
    // b_k * w8^k: w8 = (1 -+ i)/sqrt(2), w8^2 = -+i, w8^3 = -+i * w8.
    typename L::V c1, c2, rb3, unused;
    O::pm_rot(b1, L::swap(b1), c1, unused);
    O::pm_rot(L::set1(0), L::swap(b2), c2, unused);
    O::pm_rot(L::set1(0), L::swap(b3), rb3, unused);
    c1 = L::mul(c1, r2);
    const auto c3 = L::mul(L::sub(rb3, b3), r2);
    bfly4<L, Inv>(a0, a1, a2, a3, out[0], out[2], out[4], out[6]);
    bfly4<L, Inv>(b0, c1, c2, c3, out[1], out[3], out[5], out[7]);
}

// Last pass with 3 or 4 bits left: the twiddle-free DFT of R = 8 or 16
// values at stride s = N/R in registers; x may equal y.
template <int R, class L, bool Inv>
void last_pass_regs(const typename L::T* x, typename L::T* y, ptrdiff_t s, const typename L::T* scale) {
    for (ptrdiff_t q = 0; q < s; q += L::W) {
        typename L::V v[R], z[R];
        for (int t = 0; t < R; ++t) v[t] = L::load(x + 2 * (q + t * s));
        if constexpr (R == 16) bfly16_regs<L, Inv>(v, z);
        else bfly8_regs<L, Inv>(v, z);
        for (int k = 0; k < R; ++k) L::store(y + 2 * (q + s * k), scale ? L::mul(z[k], *scale) : z[k]);
    }
}

// A twiddled radix-16 pass of length n at stride s >= W: the two radix-4
// passes at strides s and 4s fused in registers, so the data make one trip
// through memory instead of two. The first level's twiddles are those of
// the radix-4 pass at stride s for p + r*n/16, the second level's those of
// the pass at stride 4s for p.
template <class L, bool Inv>
void pass16(const typename L::T* x, typename L::T* y, ptrdiff_t n, ptrdiff_t s, const typename L::T* tw, int gs) {
    using O = Ops<L, Inv>;
    using V = typename L::V;
    const ptrdiff_t m = n / 16, g = ptrdiff_t(1) << gs;
    for (ptrdiff_t p = 0; p < m; ++p) {
        const typename L::T* t1[4];
        for (int r = 0; r < 4; ++r) t1[r] = tw + tw_at(s * (p + m * r), gs);
        const typename L::T* t2 = tw + tw_at(4 * s * p, gs);
        const typename L::T* xi = x + 2 * s * p;
        typename L::T* yo = y + 2 * 16 * s * p;
        for (ptrdiff_t q = 0; q < s; q += L::W) {
            V u[4][4];
            for (int r = 0; r < 4; ++r) {
                bfly4<L, Inv>(L::load(xi + 2 * (q + s * m * r)), L::load(xi + 2 * (q + s * m * (r + 4))),
                              L::load(xi + 2 * (q + s * m * (r + 8))), L::load(xi + 2 * (q + s * m * (r + 12))),
                              u[r][0], u[r][1], u[r][2], u[r][3]);
                for (int j = 1; j < 4; ++j) u[r][j] = O::cmul(u[r][j], tw_one<L>(t1[r] + 2 * (j - 1) * g));
            }
            for (int j = 0; j < 4; ++j) {
                V z[4];
                bfly4<L, Inv>(u[0][j], u[1][j], u[2][j], u[3][j], z[0], z[1], z[2], z[3]);
                typename L::T* o = yo + 2 * (q + s * j);
                L::store(o, z[0]);
                for (int b = 1; b < 4; ++b) L::store(o + 2 * 4 * s * b, O::cmul(z[b], tw_one<L>(t2 + 2 * (b - 1) * g)));
            }
        }
    }
}

// First pass of four bits (n = N, stride 1): the first radix-4 pass and
// the one at stride 4 fused, W consecutive p per register. The first
// level's twiddles are vector loads at p + r*n/16, the second level's (of
// 4p) are gathered; the 16 outputs y[16p + k] leave through a transpose.
template <class L, bool Inv>
void first_pass16(const typename L::T* x, typename L::T* y, ptrdiff_t n, const typename L::T* tw, int gs) {
    using O = Ops<L, Inv>;
    using V = typename L::V;
    const ptrdiff_t m = n / 16, g = ptrdiff_t(1) << gs;
    for (ptrdiff_t p = 0; p < m; p += L::W) {
        V u[4][4];
        for (int r = 0; r < 4; ++r) {
            bfly4<L, Inv>(L::load(x + 2 * (p + m * r)), L::load(x + 2 * (p + m * (r + 4))),
                          L::load(x + 2 * (p + m * (r + 8))), L::load(x + 2 * (p + m * (r + 12))), u[r][0], u[r][1],
                          u[r][2], u[r][3]);
            const typename L::T* t = tw + tw_at(p + m * r, gs);
            for (int j = 1; j < 4; ++j) u[r][j] = O::cmul(u[r][j], tw_vec<L>(t + 2 * (j - 1) * g));
        }
        const auto idx = L::quad_index(p, gs);
        Twid<L> w2[3];
        for (int b = 0; b < 3; ++b) {
            const V v = L::gather(tw + 2 * b * g, idx);
            w2[b] = {L::wre(v), L::wim(v)};
        }
        V z[16];
        for (int j = 0; j < 4; ++j) {
            V o[4];
            bfly4<L, Inv>(u[0][j], u[1][j], u[2][j], u[3][j], o[0], o[1], o[2], o[3]);
            z[j] = o[0];
            for (int b = 1; b < 4; ++b) z[4 * b + j] = O::cmul(o[b], w2[b - 1]);
        }
        L::store_columns16(y + 2 * 16 * p, z);
    }
}

// The whole transform of 16, 32 or 64 points in registers: the first
// pass's butterflies, twiddles and transposes leave the outputs of the
// first pass in order, W to a register; the last pass's DFTs of 4, 8 or 16
// values then read them at a stride of N/(4W), 2N/(8W) or 4N/(16W)
// registers, with no trip through memory in between.
template <class L, bool Inv, int Order>
void small_dft(const typename L::T* x, typename L::T* y, const typename L::T* tw, const typename L::T* scale) {
    constexpr int W = L::W, m = 1 << (Order - 2), regs = 4 * m / W;
    static_assert(W <= 4 && m >= W, "the first pass fills whole registers");
    constexpr int gs = Order - 2 < 3 ? Order - 2 : sizeof(typename L::T) == 4 ? 3 : 2;  // log2 of wide_group
    static_assert(ptrdiff_t(1) << gs == wide_group<typename L::T>(Order), "table groups");
    constexpr int R = 1 << (Order - 2), sr = regs / R;  // last radix, its stride in registers
    typename L::V v[regs];
    for (int p = 0; p < m; p += W) first_regs<L, Inv>(x, m, p, tw, gs, v + 4 * p / W);
    // Each output leaves as soon as it is formed (an array of them would be
    // copied out through the stack), scaled or not as chosen once here.
    auto last = [&](auto scaled, typename L::T c) {
        for (int q = 0; q < sr; ++q) {
            typename L::V a[R], b[R];
            for (int t = 0; t < R; ++t) a[t] = v[q + sr * t];
            if constexpr (R == 4)
                bfly4<L, Inv>(a[0], a[1], a[2], a[3], b[0], b[1], b[2], b[3]);
            else if constexpr (R == 8)
                bfly8_regs<L, Inv>(a, b);
            else
                bfly16_regs<L, Inv>(a, b);
            for (int k = 0; k < R; ++k) L::store(y + 2 * W * (q + sr * k), scaled ? L::mul(b[k], c) : b[k]);
        }
    };
    if (scale)
        last(std::true_type{}, *scale);
    else
        last(std::false_type{}, 1);
}

template <class L, bool Inv>
void small_dft(int order, const typename L::T* x, typename L::T* y, const typename L::T* tw,
               const typename L::T* scale) {
    if (order == 4) return small_dft<L, Inv, 4>(x, y, tw, scale);
    if (order == 5) return small_dft<L, Inv, 5>(x, y, tw, scale);
    if constexpr (L::W == 4) small_dft<L, Inv, 6>(x, y, tw, scale);
}

// The passes of one transform: the first radix-4 pass, twiddled radix-4
// and (where the lanes have the registers for it) fused radix-16 passes,
// and a twiddle-free last pass of 2, 3 or 4 bits. Passes whose stride is
// narrower than a register of L run on the narrower lanes H.
template <class L, class H, bool Inv>
__attribute__((noinline)) void run(int order, const typename L::T* tw, const typename L::T* src, typename L::T* dst, typename L::T* scratch,
         const typename L::T* scale) {
    using T = typename L::T;
    const ptrdiff_t n = ptrdiff_t(1) << order;
    int gs = 0;
    while ((ptrdiff_t(1) << (gs + 1)) <= wide_group<T>(order)) ++gs;
    // Lanes with the registers for it start with a four-bit pass.
    const bool wide_first = L::kFuse && order >= 6 && n / 16 >= L::W;
    const int rest = order - (wide_first ? 4 : 2);
    int last = rest & 1 ? 3 : rest >= 4 ? 4 : 2;
    // Sixteen rows 2 KiB or more apart fall into one or two sets of an
    // 8-way 32 KiB first-level cache and evict each other before the next
    // q reads the other half of their lines: such transforms end in
    // radix 4 instead, with one radix-4 pass more.
    if (last == 4 && !L::kFuse && (n >> 4) * 2 * ptrdiff_t(sizeof(T)) >= 2048) last = 2;
    const int fused = L::kFuse ? (rest - last) / 4 : 0;
    const int singles = (rest - last - 4 * fused) / 2;
    PassBuffers<T> b(1 + singles + fused, src, dst, scratch);
    ptrdiff_t s = 4;
    if constexpr (L::kFuse) {
        if (wide_first) first_pass16<L, Inv>(b.in, b.out, n, tw, gs), s = 16;
    }
    if (s == 4 && n / 4 >= L::W)
        first_pass<L, Inv>(b.in, b.out, n, tw, gs);
    else if (s == 4)
        first_pass<H, Inv>(b.in, b.out, n, tw, gs);
    // The radix-4 passes go first, so that the fused ones get the wider strides.
    for (int i = 0; i < singles; ++i, s *= 4) {
        b.next();
        if (s >= L::W)
            pass4<L, Inv>(b.in, b.out, n / s, s, tw, gs);
        else
            pass4<H, Inv>(b.in, b.out, n / s, s, tw, gs);
    }
    for (int i = 0; i < fused; ++i, s *= 16) {
        b.next();
        if (s >= L::W)
            pass16<L, Inv>(b.in, b.out, n / s, s, tw, gs);
        else
            pass16<H, Inv>(b.in, b.out, n / s, s, tw, gs);
    }
    const ptrdiff_t ls = n >> last;  // stride of the last pass
    T* out = b.out;
    if (last == 4)
        ls >= L::W ? last_pass_regs<16, L, Inv>(out, dst, ls, scale) : last_pass_regs<16, H, Inv>(out, dst, ls, scale);
    else if (last == 3)
        ls >= L::W ? last_pass_regs<8, L, Inv>(out, dst, ls, scale) : last_pass_regs<8, H, Inv>(out, dst, ls, scale);
    else
        ls >= L::W ? last_pass4<L, Inv>(out, dst, ls, scale) : last_pass4<H, Inv>(out, dst, ls, scale);
}

template <class L, class H = L>
void run_dir(int order, const typename L::T* tw, const typename L::T* src, typename L::T* dst,
             typename L::T* scratch, bool inverse, const typename L::T* scale) {
    // 16 and 32 points, and 64 where four values fill a register, go
    // straight through registers: at 64 points the few spills of the
    // 16-register file cost less than a trip through scratch.
    using Q = std::conditional_t<(L::W <= 4), L, H>;
    if (order <= (Q::W == 4 ? 6 : 5))
        return inverse ? small_dft<Q, true>(order, src, dst, tw, scale) : small_dft<Q, false>(order, src, dst, tw, scale);
    if (inverse)
        run<L, H, true>(order, tw, src, dst, scratch, scale);
    else
        run<L, H, false>(order, tw, src, dst, scratch, scale);
}

}  // namespace
}  // namespace fft
}  // namespace veks

#endif
