// Double-precision exponential, logarithm and arc tangent, written once over
// the lane traits of math_lanes.h.
//
// All three reduce the argument exactly (Cody-Waite splitting of ln 2, an
// exponent/mantissa split, a table of arc tangent breakpoints in high and
// low parts) and evaluate a short minimax polynomial; the results are
// within one unit in the last place of double precision, so single-precision
// callers get their float correctly rounded in all but a few cases.
// No fused multiply-add is used: every lane rounds as the scalar code does.
#ifndef VEKS_VECTOR_MATH_DKERNELS_H
#define VEKS_VECTOR_MATH_DKERNELS_H

#include "math_lanes.h"

namespace veks {
namespace {

constexpr double kLn2Hi = 6.93147180369123816490e-01;  // trailing zeros: k * hi is exact
constexpr double kLn2Lo = 1.90821492927058770002e-10;
constexpr double kInvLn2 = 1.44269504088896338700e+00;
constexpr double kRoundMagic = 6755399441055744.0;     // 1.5 * 2^52
constexpr double kPi = 3.14159265358979311600e+00;
constexpr double kPiLo = 1.22464679914735317720e-16;

// Nearest integer (ties to even) of |x| < 2^51, as a double.
template <class L>
typename L::V round_int(typename L::V x) {
    const auto m = L::set1(kRoundMagic);
    return L::sub(L::add(x, m), m);
}

// 2^k for an integral double k in [-1022, 1023].
template <class L>
typename L::V pow2_int(typename L::V k) {
    const auto t = L::add(k, L::set1(kRoundMagic + 1023.0));  // low bits hold k + 1023
    return L::from_bits(L::template isll<52>(L::bits(t)));
}

// e^x for every double x: overflow gives +inf, underflow 0 (subnormal
// results are rounded once), NaN stays NaN.
template <class L>
typename L::V exp_d(typename L::V x) {
    using V = typename L::V;
    V xc = L::select(L::lt(L::set1(710.0), x), L::set1(710.0), x);
    xc = L::select(L::lt(xc, L::set1(-746.0)), L::set1(-746.0), xc);
    const V k = round_int<L>(L::mul(xc, L::set1(kInvLn2)));
    const V hi = L::sub(xc, L::mul(k, L::set1(kLn2Hi)));
    const V lo = L::mul(k, L::set1(kLn2Lo));
    const V r = L::sub(hi, lo);
    const V t = L::mul(r, r);
    V p = L::set1(4.13813679705723846039e-08);
    p = L::add(L::set1(-1.65339022054652515390e-06), L::mul(t, p));
    p = L::add(L::set1(6.61375632143793436117e-05), L::mul(t, p));
    p = L::add(L::set1(-2.77777777770155933842e-03), L::mul(t, p));
    p = L::add(L::set1(1.66666666666666019037e-01), L::mul(t, p));
    const V c = L::sub(r, L::mul(t, p));
    const V q = L::div(L::mul(r, c), L::sub(L::set1(2.0), c));
    const V y = L::sub(L::set1(1.0), L::sub(L::sub(lo, q), hi));
    // Two exact power-of-two factors keep k in range; only the last product
    // can round (into the subnormals).
    const V k1 = round_int<L>(L::mul(k, L::set1(0.5)));
    const V k2 = L::sub(k, k1);
    return L::mul(L::mul(y, pow2_int<L>(k1)), pow2_int<L>(k2));
}

// ln x for positive finite x (zero, negative, infinite and NaN inputs are
// classified by the callers, whose rules differ).
template <class L>
typename L::V log_d(typename L::V x) {
    using V = typename L::V;
    using I = typename L::I;
    const auto sub = L::lt(x, L::set1(0x1p-1022));
    x = L::select(sub, L::mul(x, L::set1(0x1p54)), x);
    const V kadj = L::select(sub, L::set1(-54.0), L::set1(0.0));
    // Split x = 2^k * m with m in [sqrt(1/2), sqrt(2)); the offset keeps the
    // biased exponent field non-negative for the logical shift.
    const I b = L::bits(x);
    const I u = L::iadd(L::isub(b, L::iset1(0x3FE6A09E667F3BCDull)), L::iset1(0x4000000000000000ull));
    const I e = L::template isrl<52>(u);
    const V m = L::from_bits(L::iadd(L::isub(b, L::template isll<52>(e)), L::iset1(0x4000000000000000ull)));
    const V k = L::add(L::sub(L::from_bits(L::ior(e, L::iset1(0x4330000000000000ull))),
                              L::set1(4503599627371520.0)),  // 2^52 + 1024
                       kadj);
    const V f = L::sub(m, L::set1(1.0));
    const V s = L::div(f, L::add(L::set1(2.0), f));
    const V z = L::mul(s, s);
    const V w = L::mul(z, z);
    V t1 = L::set1(1.531383769920937332e-01);
    t1 = L::add(L::set1(2.222219843214978396e-01), L::mul(w, t1));
    t1 = L::mul(w, L::add(L::set1(3.999999999940941908e-01), L::mul(w, t1)));
    V t2 = L::set1(1.479819860511658591e-01);
    t2 = L::add(L::set1(1.818357216161805012e-01), L::mul(w, t2));
    t2 = L::add(L::set1(2.857142874366239149e-01), L::mul(w, t2));
    t2 = L::mul(z, L::add(L::set1(6.666666666666735130e-01), L::mul(w, t2)));
    const V R = L::add(t2, t1);
    const V hfsq = L::mul(L::mul(L::set1(0.5), f), f);
    const V inner = L::add(L::mul(s, L::add(hfsq, R)), L::mul(k, L::set1(kLn2Lo)));
    return L::sub(L::mul(k, L::set1(kLn2Hi)), L::sub(L::sub(hfsq, inner), f));
}

// atan(a / b) in [0, pi/2] for a, b >= 0 (either may be zero or infinite),
// without forming a / b first: each breakpoint interval maps to a small
// argument u = num / den with a single division.
template <class L>
typename L::V atan_ratio_d(typename L::V a, typename L::V b) {
    using V = typename L::V;
    using M = typename L::M;
    const V inf = L::set1(__builtin_inf());
    const M both_inf = L::m_and(L::eq(a, inf), L::eq(b, inf));
    a = L::select(both_inf, L::set1(1.0), a);
    b = L::select(both_inf, L::set1(1.0), b);
    const M r0 = L::m_or(L::lt(a, L::mul(b, L::set1(0.4375))), L::eq(a, L::set1(0.0)));
    const M r1 = L::lt(a, L::mul(b, L::set1(0.6875)));
    const M r2 = L::lt(a, L::mul(b, L::set1(1.1875)));
    const M r3 = L::lt(a, L::mul(b, L::set1(2.4375)));
    // From the last interval down, so the first true test wins.
    V num = L::sub(L::set1(0.0), b), den = a;
    V hi = L::set1(1.57079632679489655800e+00), lo = L::set1(6.12323399573676603587e-17);
    num = L::select(r3, L::sub(a, L::mul(L::set1(1.5), b)), num);
    den = L::select(r3, L::add(b, L::mul(L::set1(1.5), a)), den);
    hi = L::select(r3, L::set1(9.82793723247329054082e-01), hi);
    lo = L::select(r3, L::set1(1.39033110312309984516e-17), lo);
    num = L::select(r2, L::sub(a, b), num);
    den = L::select(r2, L::add(a, b), den);
    hi = L::select(r2, L::set1(7.85398163397448278999e-01), hi);
    lo = L::select(r2, L::set1(3.06161699786838301793e-17), lo);
    num = L::select(r1, L::sub(a, L::mul(L::set1(0.5), b)), num);
    den = L::select(r1, L::add(b, L::mul(L::set1(0.5), a)), den);
    hi = L::select(r1, L::set1(4.63647609000806093515e-01), hi);
    lo = L::select(r1, L::set1(2.26987774529616870924e-17), lo);
    num = L::select(r0, a, num);
    den = L::select(r0, L::select(L::eq(a, L::set1(0.0)), L::set1(1.0), b), den);
    hi = L::select(r0, L::set1(0.0), hi);
    lo = L::select(r0, L::set1(0.0), lo);
    const V u = L::div(num, den);
    const V z = L::mul(u, u);
    const V w = L::mul(z, z);
    V s1 = L::set1(1.62858201153657823623e-02);
    s1 = L::add(L::set1(4.97687799461593236017e-02), L::mul(w, s1));
    s1 = L::add(L::set1(6.66107313738753120669e-02), L::mul(w, s1));
    s1 = L::add(L::set1(9.09088713343650656196e-02), L::mul(w, s1));
    s1 = L::add(L::set1(1.42857142725034663711e-01), L::mul(w, s1));
    s1 = L::mul(z, L::add(L::set1(3.33333333333329318027e-01), L::mul(w, s1)));
    V s2 = L::set1(-3.65315727442169155270e-02);
    s2 = L::add(L::set1(-5.83357013379057348645e-02), L::mul(w, s2));
    s2 = L::add(L::set1(-7.69187620504482999495e-02), L::mul(w, s2));
    s2 = L::add(L::set1(-1.11111104054623557880e-01), L::mul(w, s2));
    s2 = L::mul(w, L::add(L::set1(-1.99999999998764832476e-01), L::mul(w, s2)));
    return L::sub(hi, L::sub(L::sub(L::mul(u, L::add(s1, s2)), lo), u));
}

template <class L>
typename L::V abs_d(typename L::V x) {
    return L::from_bits(L::iand(L::bits(x), L::iset1(0x7FFFFFFFFFFFFFFFull)));
}

// The sign bit of s moved onto the non-negative magnitude m.
template <class L>
typename L::V with_sign_d(typename L::V m, typename L::V s) {
    return L::from_bits(L::ior(L::bits(m), L::iand(L::bits(s), L::iset1(0x8000000000000000ull))));
}

// atan x for every double x.
template <class L>
typename L::V atan_d(typename L::V x) {
    return with_sign_d<L>(atan_ratio_d<L>(abs_d<L>(x), L::set1(1.0)), x);
}

// atan2(y, x) with the C99 conventions for signed zeros and infinities.
// `wide` rescales operands near the ends of the double range (the float
// callers never need it).
template <class L, bool wide>
typename L::V atan2_d(typename L::V y, typename L::V x) {
    using V = typename L::V;
    V a = abs_d<L>(y), b = abs_d<L>(x);
    if constexpr (wide) {
        const V big = L::select(L::lt(a, b), b, a);
        V s = L::select(L::lt(L::set1(0x1p1000), big), L::set1(0x1p-60), L::set1(1.0));
        s = L::select(L::lt(big, L::set1(0x1p-960)), L::set1(0x1p60), s);
        a = L::mul(a, s);
        b = L::mul(b, s);
    }
    const V z = atan_ratio_d<L>(a, b);
    const V left = L::sub(L::set1(kPi), L::sub(z, L::set1(kPiLo)));
    const V r = with_sign_d<L>(L::select(L::sign(x), left, z), y);
    return L::select(L::m_or(L::isnan(x), L::isnan(y)), L::add(x, y), r);
}

}  // namespace
}  // namespace veks

#endif
