// Single-precision exponential, logarithm and arc tangents over the float
// lane traits (math_flanes.h and the AVX2 lanes), within one unit in the
// last place over the whole domain.
//
// The reductions are exact where it matters: k ln 2 uses a 9-bit high part,
// the logarithm adds k ln2_hi + f with the rounding error carried into the
// small terms, and the arc tangent maps each breakpoint interval to a small
// argument with exact numerators. The polynomials are minimax fits with
// errors far below the final rounding.
#ifndef VEKS_VECTOR_MATH_FKERNELS_H
#define VEKS_VECTOR_MATH_FKERNELS_H

namespace veks {
namespace {

constexpr float kLn2HiF = 0.693359375f;         // 9 bits: k * hi exact for |k| < 2^15
constexpr float kLn2LoF = -2.121944417e-04f;
constexpr float kRoundMagicF = 12582912.0f;    // 1.5 * 2^23

template <class L>
typename L::V round_intf(typename L::V x) {
    const auto m = L::set1(kRoundMagicF);
    return L::sub(L::add(x, m), m);
}

// 2^k for an integral float k in [-126, 127].
template <class L>
typename L::V pow2_intf(typename L::V k) {
    return L::from_bits(L::template isll<23>(L::bits(L::add(k, L::set1(kRoundMagicF + 127.0f)))));
}

// e^x: +inf above the range, 0 below it, subnormal results rounded once.
template <class L>
typename L::V expf_k(typename L::V x) {
    using V = typename L::V;
    V xc = L::select(L::lt(L::set1(89.0f), x), L::set1(89.0f), x);
    xc = L::select(L::lt(xc, L::set1(-105.0f)), L::set1(-105.0f), xc);
    const V k = round_intf<L>(L::mul(xc, L::set1(1.44269502163f)));
    const V r = L::sub(L::sub(xc, L::mul(k, L::set1(kLn2HiF))), L::mul(k, L::set1(kLn2LoF)));
    // e^r = 1 + r + r^2 p(r)
    V p = L::set1(1.985773631e-04f);
    p = L::add(L::set1(1.393360428e-03f), L::mul(p, r));
    p = L::add(L::set1(8.333360821e-03f), L::mul(p, r));
    p = L::add(L::set1(4.166646547e-02f), L::mul(p, r));
    p = L::add(L::set1(1.666666653e-01f), L::mul(p, r));
    p = L::add(L::set1(5.000000013e-01f), L::mul(p, r));
    // 1 + r is summed with its rounding error recovered (|r| < 1).
    const V one_r = L::add(L::set1(1.0f), r);
    const V err = L::add(L::sub(L::set1(1.0f), one_r), r);
    const V u = L::add(one_r, L::add(err, L::mul(L::mul(r, r), p)));
    const V k1 = round_intf<L>(L::mul(k, L::set1(0.5f)));
    return L::mul(L::mul(u, pow2_intf<L>(k1)), pow2_intf<L>(L::sub(k, k1)));
}

// ln x for positive finite x (callers classify zeros, negatives, inf, NaN).
template <class L>
typename L::V logf_k(typename L::V x) {
    using V = typename L::V;
    using I = typename L::I;
    const auto sub = L::lt(x, L::set1(0x1p-126f));
    x = L::select(sub, L::mul(x, L::set1(0x1p23f)), x);
    const V kadj = L::select(sub, L::set1(-23.0f), L::set1(0.0f));
    // x = 2^k m with m in [sqrt(1/2), sqrt(2)).
    const I e = L::template isra<23>(L::isub(L::bits(x), L::iset1(0x3F3504F3)));
    const V m = L::from_bits(L::isub(L::bits(x), L::template isll<23>(e)));
    const V k = L::add(L::to_float(e), kadj);
    const V f = L::sub(m, L::set1(1.0f));
    const V s = L::div(f, L::add(L::set1(2.0f), f));
    const V z = L::mul(s, s);
    // R = 2z/3 + 2z^2/5 + ... (the series of 2 atanh(s) / s - 2)
    V R = L::set1(2.0f / 11);
    R = L::add(L::set1(2.0f / 9), L::mul(R, z));
    R = L::add(L::set1(2.0f / 7), L::mul(R, z));
    R = L::add(L::set1(2.0f / 5), L::mul(R, z));
    R = L::mul(z, L::add(L::set1(2.0f / 3), L::mul(R, z)));
    const V hfsq = L::mul(L::mul(L::set1(0.5f), f), f);
    // ln(1 + f) = f - hfsq + s (hfsq + R); k ln2_hi + f is summed with its
    // rounding error recovered (|k ln2_hi| >= |f| whenever k != 0).
    const V h = L::mul(k, L::set1(kLn2HiF));
    const V a = L::add(h, f);
    const V err = L::add(L::sub(h, a), f);
    const V b = L::add(L::sub(L::mul(s, L::add(hfsq, R)), hfsq), L::add(L::mul(k, L::set1(kLn2LoF)), err));
    return L::add(a, b);
}

// x y = p + err exactly (Veltkamp splitting; no fused multiply-add).
template <class L>
void split_f(typename L::V x, typename L::V& hi, typename L::V& lo) {
    const auto t = L::mul(L::set1(4097.0f), x);
    hi = L::sub(t, L::sub(t, x));
    lo = L::sub(x, hi);
}
template <class L>
void two_prod_f(typename L::V x, typename L::V y, typename L::V& p, typename L::V& err) {
    typename L::V xh, xl, yh, yl;
    split_f<L>(x, xh, xl);
    split_f<L>(y, yh, yl);
    p = L::mul(x, y);
    err = L::add(L::add(L::sub(L::mul(xh, yh), p), L::add(L::mul(xh, yl), L::mul(xl, yh))), L::mul(xl, yl));
}

// atan(a / b) for finite a, b >= 0 (|a|, |b| below 2^102) as
// hi + lo + u + ulo - t: hi + lo is the arc tangent of the interval's
// centre, u + ulo the reduced argument num / (dh + dl) to twice the
// precision (exact numerators, denominators summed with their error, the
// division error recovered), t the small polynomial term.
template <class L>
struct AtanParts {
    typename L::V hi, lo, u, ulo, t;
};

template <class L>
AtanParts<L> atanf_parts(typename L::V a, typename L::V b) {
    using V = typename L::V;
    using M = typename L::M;
    const V zero = L::set1(0.0f);
    const M r0 = L::m_or(L::lt(a, L::mul(b, L::set1(0.4375f))), L::eq(a, zero));
    const M r1 = L::lt(a, L::mul(b, L::set1(0.6875f)));
    const M r2 = L::lt(a, L::mul(b, L::set1(1.1875f)));
    const M r3 = L::lt(a, L::mul(b, L::set1(2.4375f)));
    // Beyond 2.4375: u = -b / a around pi/2.
    V num = L::sub(zero, b), dh = a, dl = zero;
    V hi = L::set1(1.570796371e+00f), lo = L::set1(-4.371138829e-08f);
    {  // around 2: (a - 2b) / (b + 2a)
        const V a2 = L::add(a, a);
        const V d = L::add(a2, b);
        num = L::select(r3, L::sub(a, L::add(b, b)), num);
        dh = L::select(r3, d, dh);
        dl = L::select(r3, L::add(L::sub(a2, d), b), dl);
        hi = L::select(r3, L::set1(1.107148767e+00f), hi);
        lo = L::select(r3, L::set1(-4.872354964e-08f), lo);
    }
    {  // around 1: (a - b) / (a + b)
        const M ab = L::lt(a, b);
        const V mx = L::select(ab, b, a), mn = L::select(ab, a, b);
        const V d = L::add(mx, mn);
        num = L::select(r2, L::sub(a, b), num);
        dh = L::select(r2, d, dh);
        dl = L::select(r2, L::add(L::sub(mx, d), mn), dl);
        hi = L::select(r2, L::set1(7.853981853e-01f), hi);
        lo = L::select(r2, L::set1(-2.185569414e-08f), lo);
    }
    {  // around 1/2: (a - b/2) / (b + a/2)
        const V ha = L::mul(L::set1(0.5f), a);
        const V d = L::add(b, ha);
        num = L::select(r1, L::sub(a, L::mul(L::set1(0.5f), b)), num);
        dh = L::select(r1, d, dh);
        dl = L::select(r1, L::add(L::sub(b, d), ha), dl);
        hi = L::select(r1, L::set1(4.636476040e-01f), hi);
        lo = L::select(r1, L::set1(5.012158688e-09f), lo);
    }
    num = L::select(r0, a, num);
    dh = L::select(r0, L::select(L::eq(a, zero), L::set1(1.0f), b), dh);
    dl = L::select(r0, zero, dl);
    hi = L::select(r0, zero, hi);
    lo = L::select(r0, zero, lo);
    AtanParts<L> r;
    r.hi = hi;
    r.lo = lo;
    r.u = L::div(num, dh);
    V p, perr;
    two_prod_f<L>(r.u, dh, p, perr);
    r.ulo = L::div(L::sub(L::sub(L::sub(num, p), perr), L::mul(r.u, dl)), dh);
    const V z = L::mul(r.u, r.u);
    // atan u = u - u z q(z)
    V q = L::set1(-4.826700283e-02f);
    q = L::add(L::set1(8.534245363e-02f), L::mul(q, z));
    q = L::add(L::set1(-1.105858541e-01f), L::mul(q, z));
    q = L::add(L::set1(1.428342480e-01f), L::mul(q, z));
    q = L::add(L::set1(-1.999996309e-01f), L::mul(q, z));
    q = L::add(L::set1(3.333333324e-01f), L::mul(q, z));
    r.t = L::mul(r.u, L::mul(z, q));
    return r;
}

// h + (s u + small) with one final rounding of note: |h| >= |u| in every
// interval, so h + s u is summed with its error recovered.
template <class L>
typename L::V atanf_finish(typename L::V h, typename L::V su, typename L::V small) {
    const auto s = L::add(h, su);
    const auto e = L::add(L::sub(h, s), su);
    return L::add(s, L::add(e, small));
}

template <class L>
typename L::V absf_k(typename L::V x) {
    return L::from_bits(L::iand(L::bits(x), L::iset1(0x7FFFFFFF)));
}

template <class L>
typename L::V with_signf_k(typename L::V m, typename L::V s) {
    return L::from_bits(L::ior(L::bits(m), L::iand(L::bits(s), L::iset1(static_cast<std::int32_t>(0x80000000u)))));
}

// atan x. Beyond 2^26 every result rounds to the float nearest pi/2, so
// the argument is clamped there (which also covers infinity).
template <class L>
typename L::V atanf_k(typename L::V x) {
    auto a = absf_k<L>(x);
    a = L::select(L::lt(L::set1(0x1p26f), a), L::set1(0x1p26f), a);
    const AtanParts<L> p = atanf_parts<L>(a, L::set1(1.0f));
    const auto r = atanf_finish<L>(p.hi, p.u, L::add(p.lo, L::sub(p.ulo, p.t)));
    return with_signf_k<L>(r, x);
}

// atan2(y, x) with the C99 signed-zero and infinity conventions. Operands
// near the ends of the float range are rescaled by exact powers of two;
// infinite operands become (1, 0), (0, 1) or (1, 1).
template <class L>
typename L::V atan2f_k(typename L::V y, typename L::V x) {
    using V = typename L::V;
    using M = typename L::M;
    V a = absf_k<L>(y), b = absf_k<L>(x);
    const V big = L::select(L::lt(a, b), b, a);
    V sc = L::select(L::lt(L::set1(0x1p100f), big), L::set1(0x1p-64f), L::set1(1.0f));
    sc = L::select(L::lt(big, L::set1(0x1p-100f)), L::set1(0x1p64f), sc);
    const V inf = L::set1(__builtin_inff()), one = L::set1(1.0f), zero = L::set1(0.0f);
    const M ainf = L::eq(a, inf), binf = L::eq(b, inf);
    const V an = L::select(binf, L::select(ainf, one, zero), L::select(ainf, one, L::mul(a, sc)));
    const V bn = L::select(ainf, L::select(binf, one, zero), L::select(binf, one, L::mul(b, sc)));
    const AtanParts<L> p = atanf_parts<L>(an, bn);
    // x < 0 (including -0): pi - atan(a / b).
    const M left = L::sign(x);
    const V pi_hi = L::set1(3.141592741e+00f), pi_lo = L::set1(-8.742277657e-08f);
    const V hl = L::sub(pi_hi, p.hi);
    const V h = L::select(left, hl, p.hi);
    const V eh = L::select(left, L::sub(L::sub(pi_hi, hl), p.hi), zero);
    const V lo = L::select(left, L::sub(pi_lo, p.lo), p.lo);
    const V tail = L::sub(p.ulo, p.t);
    const V su = L::select(left, L::sub(zero, p.u), p.u);
    const V st = L::select(left, L::sub(zero, tail), tail);
    const V r = with_signf_k<L>(atanf_finish<L>(h, su, L::add(L::add(eh, lo), st)), y);
    return L::select(L::m_or(L::isnan(x), L::isnan(y)), L::add(x, y), r);
}

// Logarithm classes of single-precision input: -0 and negatives give NaN
// (flag b), +0 gives -inf (flag a), +inf and NaN pass through.
template <class L>
typename L::M lnf_negative(typename L::V x) {
    return L::m_andnot(L::isnan(x), L::sign(x));
}
template <class L>
typename L::M lnf_zero(typename L::V x) {
    return L::m_andnot(L::sign(x), L::eq(x, L::set1(0.0f)));
}
template <class L>
typename L::V lnf_k(typename L::V x) {
    const auto inf = L::set1(__builtin_inff());
    auto r = logf_k<L>(x);
    r = L::select(L::eq(x, inf), inf, r);
    r = L::select(L::isnan(x), L::add(x, x), r);
    r = L::select(lnf_zero<L>(x), L::set1(-__builtin_inff()), r);
    return L::select(lnf_negative<L>(x), L::from_bits(L::iset1(static_cast<std::int32_t>(0xFFC00000u))), r);
}

}  // namespace
}  // namespace veks

#endif
