// Signed 16-bit add, subtract and multiply with scaling, on SSE2 blocks.
//
// Eight elements are widened to two registers of 32-bit exact results, the
// rounding of the call's scale-factor path is applied lane-wise, and the
// result is packed back with signed saturation. The scalar twin of each
// path (core/scaled_int.h) handles the head and the tail with the same bits.
#include <emmintrin.h>

#include "arith_kernels.h"
#include "core/simd.h"

namespace veks {
namespace arith {
namespace {

struct Wide {
    __m128i lo, hi;
};

inline __m128i load(const Vek16s* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }

inline Wide widen(__m128i v) {
    return {_mm_srai_epi32(_mm_unpacklo_epi16(v, v), 16), _mm_srai_epi32(_mm_unpackhi_epi16(v, v), 16)};
}

template <IntOp OP>
inline Wide exact(__m128i a, __m128i b) {
    if constexpr (OP == IntOp::Mul) {
        const __m128i l = _mm_mullo_epi16(a, b), h = _mm_mulhi_epi16(a, b);
        return {_mm_unpacklo_epi16(l, h), _mm_unpackhi_epi16(l, h)};
    } else {
        const Wide x = widen(a), y = widen(b);
        if constexpr (OP == IntOp::Add) return {_mm_add_epi32(x.lo, y.lo), _mm_add_epi32(x.hi, y.hi)};
        else if constexpr (OP == IntOp::Sub) return {_mm_sub_epi32(x.lo, y.lo), _mm_sub_epi32(x.hi, y.hi)};
        else return {_mm_sub_epi32(y.lo, x.lo), _mm_sub_epi32(y.hi, x.hi)};
    }
}

// Lane-wise twins of the scalers, each ending in a saturating pack.
struct VPlain {
    template <IntOp OP>
    __m128i run(__m128i a, __m128i b) const {
        if constexpr (OP == IntOp::Add) return _mm_adds_epi16(a, b);
        else if constexpr (OP == IntOp::Sub) return _mm_subs_epi16(a, b);
        else if constexpr (OP == IntOp::RSub) return _mm_subs_epi16(b, a);
        else {
            const Wide w = exact<OP>(a, b);
            return _mm_packs_epi32(w.lo, w.hi);
        }
    }
};

struct VOne {
    static __m128i half(__m128i r) {
        const __m128i odd = _mm_and_si128(_mm_srai_epi32(r, 1), _mm_set1_epi32(1));
        return _mm_srai_epi32(_mm_add_epi32(r, odd), 1);
    }
    template <IntOp OP>
    __m128i run(__m128i a, __m128i b) const {
        const Wide w = exact<OP>(a, b);
        return _mm_packs_epi32(half(w.lo), half(w.hi));
    }
};

struct VPos {
    __m128i count, bias;  // sf, 2^(sf-1) - 1
    explicit VPos(int sf) : count(_mm_cvtsi32_si128(sf)), bias(_mm_set1_epi32((1 << (sf - 1)) - 1)) {}
    __m128i shift(__m128i r) const {
        const __m128i odd = _mm_and_si128(_mm_sra_epi32(r, count), _mm_set1_epi32(1));
        return _mm_sra_epi32(_mm_add_epi32(_mm_add_epi32(r, bias), odd), count);
    }
    template <IntOp OP>
    __m128i run(__m128i a, __m128i b) const {
        const Wide w = exact<OP>(a, b);
        return _mm_packs_epi32(shift(w.lo), shift(w.hi));
    }
};

// Saturating first keeps the left shift inside 32 bits: a value already at
// a 16-bit limit stays at that limit after any shift.
struct VNeg {
    __m128i count;
    explicit VNeg(int s) : count(_mm_cvtsi32_si128(s)) {}
    template <IntOp OP>
    __m128i run(__m128i a, __m128i b) const {
        const Wide w = exact<OP>(a, b);
        const Wide v = widen(_mm_packs_epi32(w.lo, w.hi));
        return _mm_packs_epi32(_mm_sll_epi32(v.lo, count), _mm_sll_epi32(v.hi, count));
    }
};

struct VBound {
    static __m128i sign(__m128i r) {
        const __m128i z = _mm_setzero_si128();
        return _mm_slli_epi32(_mm_sub_epi32(_mm_cmpgt_epi32(z, r), _mm_cmpgt_epi32(r, z)), 16);
    }
    template <IntOp OP>
    __m128i run(__m128i a, __m128i b) const {
        const Wide w = exact<OP>(a, b);
        return _mm_packs_epi32(sign(w.lo), sign(w.hi));
    }
};

template <IntOp OP>
struct ScalarOp;
template <>
struct ScalarOp<IntOp::Add> : Add<std::int32_t> {};
template <>
struct ScalarOp<IntOp::Sub> : Sub<std::int32_t> {};
template <>
struct ScalarOp<IntOp::Mul> : Mul<std::int32_t> {};
template <>
struct ScalarOp<IntOp::RSub> {
    template <class X, class Y, class S>
    auto operator()(X x, Y y, S s) const { return s(std::int32_t(y) - std::int32_t(x)); }
};

template <IntOp OP, class VS, class SS>
void kernel(const Vek16s* a, const Vek16s* b, Vek16s bval, Vek16s* dst, ptrdiff_t len, VS vs, SS ss) {
    const ScalarOp<OP> op;
    const __m128i bc = _mm_set1_epi16(bval);
    auto scalar = [&](ptrdiff_t i) { dst[i] = op(a[i], b ? b[i] : bval, ss); };
    auto block = [&](ptrdiff_t i) {
        const __m128i b0 = b ? load(b + i) : bc, b1 = b ? load(b + i + 8) : bc;
        const __m128i r0 = vs.template run<OP>(load(a + i), b0);
        const __m128i r1 = vs.template run<OP>(load(a + i + 8), b1);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), r0);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i + 8), r1);
    };
    simd::sweep<16>(dst, len, scalar, block);
}

template <IntOp OP>
void run_op(const Vek16s* a, const Vek16s* b, Vek16s bval, Vek16s* dst, ptrdiff_t len, int sf, int bound_at) {
    using W = std::int32_t;
    using T = Vek16s;
    if (sf == 0) kernel<OP>(a, b, bval, dst, len, VPlain{}, sfs::Plain<T, W>{});
    else if (sf == 1) kernel<OP>(a, b, bval, dst, len, VOne{}, sfs::One<T, W>{});
    else if (sf > 1) kernel<OP>(a, b, bval, dst, len, VPos(sf), sfs::Pos<T, W>{sf});
    else if (sf <= bound_at) kernel<OP>(a, b, bval, dst, len, VBound{}, sfs::Bound<T, W>{});
    else kernel<OP>(a, b, bval, dst, len, VNeg(-sf), sfs::Neg<T, W>{-sf});
}

}  // namespace

void run16s(IntOp op, const Vek16s* a, const Vek16s* b, Vek16s bval, Vek16s* dst, ptrdiff_t len, int sf, int bound_at) {
    if (const WideKernels* w = wide_kernels()) return w->run16s(op, a, b, bval, dst, len, sf, bound_at);
    switch (op) {
        case IntOp::Add: return run_op<IntOp::Add>(a, b, bval, dst, len, sf, bound_at);
        case IntOp::Sub: return run_op<IntOp::Sub>(a, b, bval, dst, len, sf, bound_at);
        case IntOp::Mul: return run_op<IntOp::Mul>(a, b, bval, dst, len, sf, bound_at);
        case IntOp::RSub: return run_op<IntOp::RSub>(a, b, bval, dst, len, sf, bound_at);
    }
}

}  // namespace arith
}  // namespace veks
