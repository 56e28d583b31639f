// Element-wise kernels written once over a lane-traits type and compiled
// once per wide instruction set (wide_avx2.cpp, wide_avx512.cpp). Each
// kernel repeats, lane by lane, the operations of the baseline kernel it
// stands for, so every instruction set gives the same bits.
//
// A traits type F (one element type) supplies V (register), M (lane mask),
// L (lanes), loadu / storeu, load_part / store_part (the first n < L
// lanes, the others filled and never written), and the arithmetic. I16
// adds the 16-bit integer operations of the scaled kernels, F32 the
// conversions.
//
// Everything here has internal linkage: the including file is compiled for
// a wider instruction set, and no such copy may stand in for a baseline
// function at link time.
#ifndef VEKS_VECTOR_WIDE_KERNELS_H
#define VEKS_VECTOR_WIDE_KERNELS_H

#include <algorithm>
#include <utility>
#include <cstddef>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "wide_table.h"

namespace veks {
namespace {

using idx = std::ptrdiff_t;

// Each loop is compiled as one body: the steps it runs are inlined even
// where the unrolled driver repeats them.
#define VEKS_WIDE_LOOP __attribute__((flatten))

// Runs full(i) over whole registers and part(i, n) over the rest. When the
// vector spans more than one register, a partial first step brings `align`
// (the pointer whose accesses matter most) to a register boundary; that
// step is a whole number of groups of `Unit` elements (the parts of a
// complex element stay in one step).
template <int L, std::size_t Bytes, int Unit = 1, class E, class Full, class Part>
inline void drive(const E* align, idx len, Full&& full, Part&& part) {
    constexpr std::size_t group = sizeof(E) * Unit;
    idx i = 0;
    const std::uintptr_t a = reinterpret_cast<std::uintptr_t>(align);
    if (len > L && a % group == 0) {
        const idx head = static_cast<idx>(((Bytes - a % Bytes) % Bytes) / group * Unit);
        if (head > 0) part(idx(0), head);
        i = head;
    }
    for (; i + 4 * L <= len; i += 4 * L) {
        full(i);
        full(i + L);
        full(i + 2 * L);
        full(i + 3 * L);
    }
    for (; i + L <= len; i += L) full(i);
    if (i < len) part(i, len - i);
}

template <class F, class V>
inline V apply(FOp op, V a, V b) {
    switch (op) {
        case FOp::Add: return F::add(a, b);
        case FOp::Sub: return F::sub(a, b);
        case FOp::RSub: return F::sub(b, a);
        default: return F::mul(a, b);
    }
}

// ---- floating point ----------------------------------------------------------

template <class F, FOp OP>
VEKS_WIDE_LOOP void map_op_plain(const typename F::T* a, const typename F::T* b, typename F::T* dst, idx len) {
    using V = typename F::V;
    drive<F::L, sizeof(V)>(
        dst, len, [&](idx i) { F::storeu(dst + i, apply<F>(OP, F::loadu(a + i), F::loadu(b + i))); },
        [&](idx i, idx n) { F::store_part(dst + i, n, apply<F>(OP, F::load_part(a + i, n), F::load_part(b + i, n))); });
}

// A source out of step with the aligned destination (its registers would
// all straddle two cache lines) is read in aligned registers instead, each
// loaded once and joined with its neighbour at the source's offset s. The
// middle of the vector, where every aligned register read lies inside
// both sources, runs so: step(i, va, vb) gets the registers of a and b at
// element i; plain(offset, count) does the ends. Returns false when the
// sources are in step with the destination (nothing to gain).
template <class F, class Step, class Plain>
inline bool realigned2(const typename F::T* a, const typename F::T* b, const typename F::T* dst, idx len, Step&& step,
                       Plain&& plain) {
    using T = typename F::T;
    using V = typename F::V;
    constexpr idx L = F::L;
    constexpr std::uintptr_t B = sizeof(V);
    if (len < 4 * L) return false;
    auto addr = [](const T* p) { return reinterpret_cast<std::uintptr_t>(p); };
    if ((addr(a) | addr(b) | addr(dst)) % sizeof(T) != 0) return false;
    const idx head = idx((B - addr(dst) % B) % B / sizeof(T));
    const int sa = int((addr(a + head) % B) / sizeof(T)), sb = int((addr(b + head) % B) / sizeof(T));
    if (sa == 0 && sb == 0) return false;
    // First and last register of the middle: a[i - sa], b[i - sb] are
    // aligned and inside, and so are the next register of each.
    const idx from = head >= std::max(sa, sb) ? head : head + L;
    const idx last = len - 2 * L + std::min(sa, sb);
    if (last < from) return false;
    const idx to = from + (last - from) / L * L + L;
    plain(idx(0), from);
    const typename F::X ka = F::shift(sa), kb = F::shift(sb);
    V ca = F::load(a + from - sa), cb = F::load(b + from - sb);
    for (idx i = from; i < to; i += L) {
        const V na = F::load(a + i - sa + L), nb = F::load(b + i - sb + L);
        step(i, F::join(ca, ka, na), F::join(cb, kb, nb));
        ca = na;
        cb = nb;
    }
    plain(to, len - to);
    return true;
}

template <class F, FOp OP>
VEKS_WIDE_LOOP void map_op(const typename F::T* a, const typename F::T* b, typename F::T* dst, idx len) {
    if constexpr (F::kRealign) {
        using V = typename F::V;
        if (realigned2<F>(
                a, b, dst, len, [&](idx i, V va, V vb) { F::storeu(dst + i, apply<F>(OP, va, vb)); },
                [&](idx at, idx n) { map_op_plain<F, OP>(a + at, b + at, dst + at, n); }))
            return;
    }
    map_op_plain<F, OP>(a, b, dst, len);
}

template <class F>
void map(FOp op, const typename F::T* a, const typename F::T* b, typename F::T* dst, idx len) {
    switch (op) {
        case FOp::Add: return map_op<F, FOp::Add>(a, b, dst, len);
        case FOp::Sub: return map_op<F, FOp::Sub>(a, b, dst, len);
        case FOp::RSub: return map_op<F, FOp::RSub>(a, b, dst, len);
        case FOp::Mul: return map_op<F, FOp::Mul>(a, b, dst, len);
    }
}

// The constant register holds even, odd, even...; a head of odd length
// shifts the pattern for the registers after it.
template <class F, FOp OP>
VEKS_WIDE_LOOP void map_c_op(const typename F::T* a, typename F::T even, typename F::T odd, typename F::T* dst, idx len) {
    using V = typename F::V;
    const V pe = F::pattern(even, odd), po = F::pattern(odd, even);
    drive<F::L, sizeof(V)>(
        dst, len, [&](idx i) { F::storeu(dst + i, apply<F>(OP, F::loadu(a + i), (i & 1) ? po : pe)); },
        [&](idx i, idx n) { F::store_part(dst + i, n, apply<F>(OP, F::load_part(a + i, n), (i & 1) ? po : pe)); });
}

template <class F>
void map_c(FOp op, const typename F::T* a, typename F::T even, typename F::T odd, typename F::T* dst, idx len) {
    switch (op) {
        case FOp::Add: return map_c_op<F, FOp::Add>(a, even, odd, dst, len);
        case FOp::Sub: return map_c_op<F, FOp::Sub>(a, even, odd, dst, len);
        case FOp::RSub: return map_c_op<F, FOp::RSub>(a, even, odd, dst, len);
        case FOp::Mul: return map_c_op<F, FOp::Mul>(a, even, odd, dst, len);
    }
}

template <class F>
VEKS_WIDE_LOOP void add_product(const typename F::T* a, const typename F::T* b, typename F::T bc, typename F::T* acc, idx len) {
    using T = typename F::T;
    using V = typename F::V;
    const V c = F::set1(bc);
    if (b) {
        auto plain = [&](idx at, idx count) {
            const T* pa = a + at;
            const T* pb = b + at;
            T* pc = acc + at;
            drive<F::L, sizeof(V)>(
                pc, count, [&](idx i) { F::storeu(pc + i, F::add(F::loadu(pc + i), F::mul(F::loadu(pa + i), F::loadu(pb + i)))); },
                [&](idx i, idx n) {
                    F::store_part(pc + i, n, F::add(F::load_part(pc + i, n), F::mul(F::load_part(pa + i, n), F::load_part(pb + i, n))));
                });
        };
        if constexpr (F::kRealign)
            if (realigned2<F>(
                    a, b, acc, len, [&](idx i, V va, V vb) { F::storeu(acc + i, F::add(F::load(acc + i), F::mul(va, vb))); }, plain))
                return;
        plain(0, len);
    } else {
        drive<F::L, sizeof(V)>(
            acc, len, [&](idx i) { F::storeu(acc + i, F::add(F::loadu(acc + i), F::mul(F::loadu(a + i), c))); },
            [&](idx i, idx n) { F::store_part(acc + i, n, F::add(F::load_part(acc + i, n), F::mul(F::load_part(a + i, n), c))); });
    }
}

// Complex elements as pairs of parts: a register holds L / 2 of them.
template <class F, bool Acc, bool ByVector, class C>
VEKS_WIDE_LOOP void cmul_run(const C* a, const C* b, C bc, C* dst, idx len) {
    using T = typename F::T;
    using V = typename F::V;
    const V c = F::pattern(bc.re, bc.im);
    const T* pa = &a->re;
    const T* pb = ByVector ? &b->re : nullptr;
    T* pd = &dst->re;
    auto step = [&](idx i, auto load, auto store) {
        V r = F::cmul(load(pa + i), ByVector ? load(pb + i) : c);
        if (Acc) r = F::add(load(pd + i), r);
        store(pd + i, r);
    };
    drive<F::L, sizeof(V), 2>(
        pd, 2 * len,
        [&](idx i) { step(i, [](const T* p) { return F::loadu(p); }, [](T* p, V v) { F::storeu(p, v); }); },
        [&](idx i, idx n) {
            step(i, [n](const T* p) { return F::load_part(p, n); }, [n](T* p, V v) { F::store_part(p, n, v); });
        });
}

template <class F, class C>
void cmul(bool acc, const C* a, const C* b, C bc, C* dst, idx len) {
    if (acc) return cmul_run<F, true, true>(a, b, bc, dst, len);
    if (b) return cmul_run<F, false, true>(a, b, bc, dst, len);
    cmul_run<F, false, false>(a, b, bc, dst, len);
}

// The quotient with the zero-divisor results: infinity with the dividend's
// sign, the fixed NaN for 0/0, NaN dividends as the division gives them.
// Four registers of divisors are screened at once by their product, which
// is zero in every lane where one of them is (and, rarely, where the
// product underflows: those lanes then take the exact test and keep their
// quotients). Three multiplies and one compare keep the screen off the
// divider's critical path. The unused lanes of a partial step divide 1 by 1.
template <class F, class U>
VEKS_WIDE_LOOP int divide(const typename F::T* d, const typename F::T* x, typename F::T* dst, idx len, U nan00_bits) {
    using T = typename F::T;
    using V = typename F::V;
    using M = typename F::M;
    constexpr int L = F::L;
    T nan00;
    std::memcpy(&nan00, &nan00_bits, sizeof nan00);
    const V fixed_nan = F::set1(nan00);
    bool zero_seen = false;
    auto fix = [&](V dv, V xv, V q) {
        const M dz = F::eqz(dv);
        if (!F::any(dz)) return q;
        zero_seen = true;
        const M special = F::m_and(dz, F::ord(xv));
        return F::select(special, F::select(F::eqz(xv), fixed_nan, F::signed_inf(xv)), q);
    };
    auto one = [&](V dv, V xv) { return fix(dv, xv, F::div(xv, dv)); };
    drive<4 * L, sizeof(V)>(
        dst, len,
        [&](idx i) {
            V dv[4], xv[4], q[4];
            for (int k = 0; k < 4; ++k) {
                dv[k] = F::loadu(d + i + k * L);
                xv[k] = F::loadu(x + i + k * L);
                q[k] = F::div(xv[k], dv[k]);
            }
            const V product = F::mul(F::mul(dv[0], dv[1]), F::mul(dv[2], dv[3]));
            if (F::any(F::eqz(product)))
                for (int k = 0; k < 4; ++k) q[k] = fix(dv[k], xv[k], q[k]);
            for (int k = 0; k < 4; ++k) F::storeu(dst + i + k * L, q[k]);
        },
        [&](idx i, idx n) {
            for (; n >= L; i += L, n -= L) F::storeu(dst + i, one(F::loadu(d + i), F::loadu(x + i)));
            if (n > 0) F::store_part(dst + i, n, one(F::load_part(d + i, n, T(1)), F::load_part(x + i, n, T(1))));
        });
    return zero_seen;
}

// ---- signed 16-bit scaled arithmetic -----------------------------------------
//
// A register of 16-bit lanes is widened in two halves of exact 32-bit
// results; both halves come from the same 128-bit blocks, so the final
// saturating pack puts every lane back where it was.

template <class I>
struct Wide16 {
    typename I::V lo, hi;
};

template <class I>
Wide16<I> widen(typename I::V v) {
    return {I::template srai32<16>(I::unpacklo16(v, v)), I::template srai32<16>(I::unpackhi16(v, v))};
}

template <class I, IntOp OP>
Wide16<I> exact(typename I::V a, typename I::V b) {
    if constexpr (OP == IntOp::Mul) {
        const auto l = I::mullo16(a, b), h = I::mulhi16(a, b);
        return {I::unpacklo16(l, h), I::unpackhi16(l, h)};
    } else {
        const Wide16<I> x = widen<I>(a), y = widen<I>(b);
        if constexpr (OP == IntOp::Add) return {I::add32(x.lo, y.lo), I::add32(x.hi, y.hi)};
        else if constexpr (OP == IntOp::Sub) return {I::sub32(x.lo, y.lo), I::sub32(x.hi, y.hi)};
        else return {I::sub32(y.lo, x.lo), I::sub32(y.hi, x.hi)};
    }
}

// One scaler per scale-factor path, each ending in the saturating pack.
template <class I>
struct SPlain {
    template <IntOp OP>
    typename I::V run(typename I::V a, typename I::V b) const {
        if constexpr (OP == IntOp::Add) return I::adds16(a, b);
        else if constexpr (OP == IntOp::Sub) return I::subs16(a, b);
        else if constexpr (OP == IntOp::RSub) return I::subs16(b, a);
        else {
            const Wide16<I> w = exact<I, OP>(a, b);
            return I::packs32(w.lo, w.hi);
        }
    }
};

template <class I>
struct SOne {
    static typename I::V half(typename I::V r) {
        const auto odd = I::and_(I::template srai32<1>(r), I::set1_32(1));
        return I::template srai32<1>(I::add32(r, odd));
    }
    template <IntOp OP>
    typename I::V run(typename I::V a, typename I::V b) const {
        const Wide16<I> w = exact<I, OP>(a, b);
        return I::packs32(half(w.lo), half(w.hi));
    }
};

template <class I>
struct SPos {
    typename I::Count count;
    typename I::V bias, one;  // 2^(sf-1) - 1, 1
    explicit SPos(int sf) : count(I::count(sf)), bias(I::set1_32((1 << (sf - 1)) - 1)), one(I::set1_32(1)) {}
    typename I::V shift(typename I::V r) const {
        const auto odd = I::and_(I::sra32(r, count), one);
        return I::sra32(I::add32(I::add32(r, bias), odd), count);
    }
    template <IntOp OP>
    typename I::V run(typename I::V a, typename I::V b) const {
        const Wide16<I> w = exact<I, OP>(a, b);
        return I::packs32(shift(w.lo), shift(w.hi));
    }
};

// Saturating first keeps the left shift inside 32 bits.
template <class I>
struct SNeg {
    typename I::Count count;
    explicit SNeg(int s) : count(I::count(s)) {}
    template <IntOp OP>
    typename I::V run(typename I::V a, typename I::V b) const {
        const Wide16<I> w = exact<I, OP>(a, b);
        const Wide16<I> v = widen<I>(I::packs32(w.lo, w.hi));
        return I::packs32(I::sll32(v.lo, count), I::sll32(v.hi, count));
    }
};

// Only the sign survives: -1, 0, 1 moved past the 16-bit range.
template <class I>
struct SBound {
    static typename I::V sign(typename I::V r) {
        const auto c = I::min32(I::max32(r, I::set1_32(-1)), I::set1_32(1));
        return I::template slli32<16>(c);
    }
    template <IntOp OP>
    typename I::V run(typename I::V a, typename I::V b) const {
        const Wide16<I> w = exact<I, OP>(a, b);
        return I::packs32(sign(w.lo), sign(w.hi));
    }
};

template <class I, IntOp OP, class S>
VEKS_WIDE_LOOP void kernel16(const Vek16s* a, const Vek16s* b, Vek16s bval, Vek16s* dst, idx len, S s) {
    using V = typename I::V;
    const V c = I::set1_16(bval);
    if (b) {
        drive<I::L, sizeof(V)>(
            dst, len, [&](idx i) { I::storeu(dst + i, s.template run<OP>(I::loadu(a + i), I::loadu(b + i))); },
            [&](idx i, idx n) {
                I::store_part(dst + i, n, s.template run<OP>(I::load_part(a + i, n), I::load_part(b + i, n)));
            });
    } else {
        drive<I::L, sizeof(V)>(
            dst, len, [&](idx i) { I::storeu(dst + i, s.template run<OP>(I::loadu(a + i), c)); },
            [&](idx i, idx n) { I::store_part(dst + i, n, s.template run<OP>(I::load_part(a + i, n), c)); });
    }
}

template <class I, IntOp OP>
void run16s_op(const Vek16s* a, const Vek16s* b, Vek16s bval, Vek16s* dst, idx len, int sf, int bound_at) {
    if (sf == 0) kernel16<I, OP>(a, b, bval, dst, len, SPlain<I>{});
    else if (sf == 1) kernel16<I, OP>(a, b, bval, dst, len, SOne<I>{});
    else if (sf > 1) kernel16<I, OP>(a, b, bval, dst, len, SPos<I>(sf));
    else if (sf <= bound_at) kernel16<I, OP>(a, b, bval, dst, len, SBound<I>{});
    else kernel16<I, OP>(a, b, bval, dst, len, SNeg<I>(-sf));
}

template <class I>
void run16s(IntOp op, const Vek16s* a, const Vek16s* b, Vek16s bval, Vek16s* dst, idx len, int sf, int bound_at) {
    switch (op) {
        case IntOp::Add: return run16s_op<I, IntOp::Add>(a, b, bval, dst, len, sf, bound_at);
        case IntOp::Sub: return run16s_op<I, IntOp::Sub>(a, b, bval, dst, len, sf, bound_at);
        case IntOp::Mul: return run16s_op<I, IntOp::Mul>(a, b, bval, dst, len, sf, bound_at);
        case IntOp::RSub: return run16s_op<I, IntOp::RSub>(a, b, bval, dst, len, sf, bound_at);
    }
}

// ---- signed 32-bit scaled arithmetic -----------------------------------------
//
// Each half of a register of 32-bit lanes is widened to 64-bit lanes, where
// every exact sum, difference and product fits; the scaler rounds there
// and the narrowing saturates back to 32 bits.

template <class J, IntOp OP>
typename J::W exact64(typename J::W a, typename J::W b) {
    if constexpr (OP == IntOp::Add) return J::add64(a, b);
    else if constexpr (OP == IntOp::Sub) return J::sub64(a, b);
    else if constexpr (OP == IntOp::RSub) return J::sub64(b, a);
    else return J::mul64(a, b);
}

template <class J>
struct RPlain {
    typename J::W operator()(typename J::W r) const { return r; }
};
template <class J>
struct ROne {
    typename J::W one = J::set1_64(1);
    typename J::W operator()(typename J::W r) const {
        return J::template srai64<1>(J::add64(r, J::and64(J::template srai64<1>(r), one)));
    }
};
template <class J>
struct RPos {
    typename J::Count count;
    typename J::W bias, one;
    explicit RPos(int sf) : count(J::count(sf)), bias(J::set1_64((std::int64_t(1) << (sf - 1)) - 1)), one(J::set1_64(1)) {}
    typename J::W operator()(typename J::W r) const {
        const auto odd = J::and64(J::sra64(r, count), one);
        return J::sra64(J::add64(J::add64(r, bias), odd), count);
    }
};
// Clamped to the 32-bit range first, so the shift stays inside 64 bits.
template <class J>
struct RNeg {
    typename J::Count count;
    explicit RNeg(int s) : count(J::count(s)) {}
    typename J::W operator()(typename J::W r) const {
        const auto c = J::min64(J::max64(r, J::set1_64(INT32_MIN)), J::set1_64(INT32_MAX));
        return J::sll64(c, count);
    }
};
template <class J>
struct RBound {
    typename J::W operator()(typename J::W r) const {
        return J::template slli64<32>(J::min64(J::max64(r, J::set1_64(-1)), J::set1_64(1)));
    }
};

// dst[i] = op(a[i], b[i]) over registers of 32-bit lanes, or op(a[i], bval)
// when b is null.
template <class J, class Op>
inline void map32(const Vek32s* a, const Vek32s* b, Vek32s bval, Vek32s* dst, idx len, Op&& op) {
    const typename J::V c = J::set1_32(bval);
    drive<J::L, sizeof(typename J::V)>(
        dst, len, [&](idx i) { J::storeu(dst + i, op(J::loadu(a + i), b ? J::loadu(b + i) : c)); },
        [&](idx i, idx n) { J::store_part(dst + i, n, op(J::load_part(a + i, n), b ? J::load_part(b + i, n) : c)); });
}

template <class J, IntOp OP, class S>
VEKS_WIDE_LOOP void kernel32(const Vek32s* a, const Vek32s* b, Vek32s bval, Vek32s* dst, idx len, S s) {
    using V = typename J::V;
    map32<J>(a, b, bval, dst, len, [&](V x, V y) {
        const auto xl = J::widen_lo(x), xh = J::widen_hi(x), yl = J::widen_lo(y), yh = J::widen_hi(y);
        return J::narrow(s(exact64<J, OP>(xl, yl)), s(exact64<J, OP>(xh, yh)));
    });
}

// Lanes that also offer 32-bit shifts and compares say so with kSums32.
template <class J, class = void>
struct HasSums32 : std::false_type {};
template <class J>
struct HasSums32<J, std::void_t<decltype(J::kSums32)>> : std::bool_constant<J::kSums32> {};

// Sums and differences scaled by 2^-k, 1 <= k <= 31, without leaving the
// 32-bit lanes: s = x + y (or x - y) is 2h + l with h = floor(s / 2), which
// always fits, and l its last bit; the result rounds (h + l/2) / 2^(k-1)
// half to even. Only a difference of 2^32 - 1 with k = 1 rounds past the
// range, and saturates.
template <class J, IntOp OP>
VEKS_WIDE_LOOP void kernel32_sums(const Vek32s* a, const Vek32s* b, Vek32s bval, Vek32s* dst, idx len, int sf) {
    using V = typename J::V;
    const int m = sf - 1;
    const V one = J::set1_32(1), low = J::set1_32((1 << m) - 1), half = J::set1_32(1 << m);
    const auto count = J::count32(m);
    map32<J>(a, b, bval, dst, len, [&](V x, V y) {
        if constexpr (OP == IntOp::RSub) std::swap(x, y);
        const V l = J::and32(J::xor32(x, y), one);
        const V hx = J::template srai32<1>(x), hy = J::template srai32<1>(y);
        const V h = OP == IntOp::Add ? J::add32(J::add32(hx, hy), J::and32(J::and32(x, y), one))
                                     : J::sub32(J::sub32(hx, hy), J::and32(J::andnot32(x, y), one));
        const V q = J::sra32(h, count), rem = J::and32(h, low);
        const V f = J::add32(J::add32(rem, rem), l);
        const V odd = J::cmpeq32(J::and32(q, one), one);
        const V up = J::or32(J::cmpgt32(f, half), J::and32(J::cmpeq32(f, half), odd));
        const V r = J::sub32(q, up);           // up is -1 where q rounds up
        return J::add32(r, J::cmpgt32(q, r));  // 2^31 wrapped to -2^31 goes back to 2^31 - 1
    });
}

template <class J, IntOp OP>
void run32s_op(const Vek32s* a, const Vek32s* b, Vek32s bval, Vek32s* dst, idx len, int sf, int bound_at) {
    if constexpr (HasSums32<J>::value && OP != IntOp::Mul) {
        if (sf >= 1 && sf <= 31) return kernel32_sums<J, OP>(a, b, bval, dst, len, sf);
    }
    if (sf == 0) kernel32<J, OP>(a, b, bval, dst, len, RPlain<J>{});
    else if (sf == 1) kernel32<J, OP>(a, b, bval, dst, len, ROne<J>{});
    else if (sf > 1) kernel32<J, OP>(a, b, bval, dst, len, RPos<J>(sf));
    else if (sf <= bound_at) kernel32<J, OP>(a, b, bval, dst, len, RBound<J>{});
    else kernel32<J, OP>(a, b, bval, dst, len, RNeg<J>(-sf));
}

template <class J>
void run32s(IntOp op, const Vek32s* a, const Vek32s* b, Vek32s bval, Vek32s* dst, idx len, int sf, int bound_at) {
    switch (op) {
        case IntOp::Add: return run32s_op<J, IntOp::Add>(a, b, bval, dst, len, sf, bound_at);
        case IntOp::Sub: return run32s_op<J, IntOp::Sub>(a, b, bval, dst, len, sf, bound_at);
        case IntOp::Mul: return run32s_op<J, IntOp::Mul>(a, b, bval, dst, len, sf, bound_at);
        case IntOp::RSub: return run32s_op<J, IntOp::RSub>(a, b, bval, dst, len, sf, bound_at);
    }
}

// ---- conversions and thresholds ------------------------------------------------

template <class F, bool Scaled>
VEKS_WIDE_LOOP void cvt_16s32f_run(const Vek16s* src, float* dst, idx len, float m) {
    using V = typename F::V;
    const V mv = F::set1(m);
    auto scale = [&](V v) { return Scaled ? F::mul(v, mv) : v; };
    drive<F::L, sizeof(V)>(
        dst, len, [&](idx i) { F::storeu(dst + i, scale(F::to_float(F::load_16s(src + i)))); },
        [&](idx i, idx n) { F::store_part(dst + i, n, scale(F::to_float(F::load_16s_part(src + i, n)))); });
}

template <class F>
void cvt_16s32f(const Vek16s* src, float* dst, idx len, bool scaled, float m) {
    if (scaled) cvt_16s32f_run<F, true>(src, dst, len, m);
    else cvt_16s32f_run<F, false>(src, dst, len, m);
}

template <class F>
VEKS_WIDE_LOOP void cvt_8u32f(const Vek8u* src, float* dst, idx len) {
    using V = typename F::V;
    drive<F::L, sizeof(V)>(
        dst, len, [&](idx i) { F::storeu(dst + i, F::to_float(F::load_8u(src + i))); },
        [&](idx i, idx n) { F::store_part(dst + i, n, F::to_float(F::load_8u_part(src + i, n))); });
}

// Single to integer lanes. The current direction: clamp to [lo, hi] in
// float (NaN takes lo) and convert. Half away from zero: clamp to
// [lo - 1, cap] (NaN takes cap), add one half to the magnitude, truncate,
// restore the sign; the narrowing store saturates what is left.
template <class F, WideRnd Mode, bool Scaled>
struct ToInt {
    typename F::V m, lo, hi;
    ToInt(float mul, float lo_, float hi_)
        : m(F::set1(mul)), lo(F::set1(Mode == WideRnd::Current ? lo_ : lo_ - 1.0f)), hi(F::set1(hi_)) {}
    typename F::I operator()(typename F::V v) const {
        if (Scaled) v = F::mul(v, m);
        if constexpr (Mode == WideRnd::Current) {
            return F::cvt(F::min(F::max(v, lo), hi));
        } else {
            v = F::max(F::min(v, hi), lo);
            const auto sign = F::sign_mask(v);
            const auto t = F::cvtt(F::add(F::abs(v), F::set1(0.5f)));
            return F::isub(F::ixor(t, sign), sign);
        }
    }
};

// Lanes that narrow four registers at once (one pack tree and full-width
// stores instead of a pack per register) say so with store_sat4.
template <class F, class D, class = void>
struct HasSat4 : std::false_type {};
template <class F, class D>
struct HasSat4<F, D, std::void_t<decltype(F::store_sat4(static_cast<D*>(nullptr), static_cast<const typename F::I*>(nullptr)))>>
    : std::true_type {};

template <class F, class D, WideRnd Mode, bool Scaled>
VEKS_WIDE_LOOP void cvt_32f_int_run(const float* src, D* dst, idx len, float m, float lo, float hi) {
    const ToInt<F, Mode, Scaled> to(m, lo, hi);
    constexpr int L = F::L;
    auto part = [&](idx i, idx n) {
        for (; n >= L; i += L, n -= L) F::store_sat(dst + i, to(F::loadu(src + i)));
        if (n > 0) F::store_sat_part(dst + i, n, to(F::load_part(src + i, n)));
    };
    if constexpr (HasSat4<F, D>::value) {
        drive<4 * L, sizeof(typename F::V)>(
            src, len,
            [&](idx i) {
                typename F::I v[4];
                for (int k = 0; k < 4; ++k) v[k] = to(F::loadu(src + i + k * L));
                F::store_sat4(dst + i, v);
            },
            part);
    } else {
        drive<L, sizeof(typename F::V)>(
            src, len, [&](idx i) { F::store_sat(dst + i, to(F::loadu(src + i))); }, part);
    }
}

// lo, hi: the destination range; hi is also the cap of the half-away mode
// (exact in single precision for 8- and 16-bit destinations).
template <class F, class D>
void cvt_32f_int(WideRnd mode, const float* src, D* dst, idx len, bool scaled, float m, float lo, float hi) {
    if (mode == WideRnd::HalfAway) cvt_32f_int_run<F, D, WideRnd::HalfAway, true>(src, dst, len, m, lo, hi);
    else if (scaled) cvt_32f_int_run<F, D, WideRnd::Current, true>(src, dst, len, m, lo, hi);
    else cvt_32f_int_run<F, D, WideRnd::Current, false>(src, dst, len, m, lo, hi);
}

template <class F>
void cvt_32f16s(WideRnd mode, const float* src, Vek16s* dst, idx len, bool scaled, float m) {
    cvt_32f_int<F>(mode, src, dst, len, scaled, m, -32768.0f, 32767.0f);
}
template <class F>
void cvt_32f8u(WideRnd mode, const float* src, Vek8u* dst, idx len, bool scaled, float m) {
    cvt_32f_int<F>(mode, src, dst, len, scaled, m, 0.0f, 255.0f);
}

template <class F>
VEKS_WIDE_LOOP void threshold_lt(const float* src, float* dst, idx len, float level) {
    using V = typename F::V;
    const V l = F::set1(level);
    drive<F::L, sizeof(V)>(
        dst, len, [&](idx i) { F::storeu(dst + i, F::max(l, F::loadu(src + i))); },
        [&](idx i, idx n) { F::store_part(dst + i, n, F::max(l, F::load_part(src + i, n))); });
}

// The table of one instruction set.
template <class F32, class F64, class I16, class I32>
const WideKernels& wide_table() {
    static const WideKernels t{
        &map<F32>,           &map<F64>,         &map_c<F32>,          &map_c<F64>,
        &add_product<F32>,   &add_product<F64>, &cmul<F32, Vek32fc>,  &cmul<F64, Vek64fc>,
        [](const float* d, const float* x, float* dst, idx len) {
            return divide<F32>(d, x, dst, len, kNan00_32f);
        },
        [](const double* d, const double* x, double* dst, idx len) {
            return divide<F64>(d, x, dst, len, kNan00_64f);
        },
        &run16s<I16>,        &run32s<I32>,      &cvt_16s32f<F32>,  &cvt_8u32f<F32>,      &cvt_32f16s<F32>,
        &cvt_32f8u<F32>,     &threshold_lt<F32>,
    };
    return t;
}

}  // namespace
}  // namespace veks

#undef VEKS_WIDE_LOOP

#endif
