// Exported floating-point and complex floating-point Add, Sub, Mul, the
// constant forms and the multiply-accumulates. Complex sums, differences
// and sums with a constant run on the parts as a real vector.
#include "arith_float.h"
#include "arith_scaled.h"
#include "core/check.h"
#include "veks.h"

namespace veks {
namespace arith {
namespace {

constexpr auto fadd = [](auto x, auto y) { return x + y; };
constexpr auto fsub = [](auto x, auto y) { return x - y; };
constexpr auto frsub = [](auto x, auto y) { return y - x; };
constexpr auto fmul = [](auto x, auto y) { return x * y; };

template <class T, class Op>
VekStatus vv(const T* a, const T* b, T* dst, int len, Op op) {
    VEKS_CHECK(check_vec(len, a, b, dst));
    fmap(dst, len, FVec<T>{a}, FVec<T>{b}, op);
    return vekStsNoErr;
}

// Shortcuts of the real constant forms: a constant that cannot change the
// data copies, a zero factor zero-fills (NaN and infinity included).
enum class Short { None, CopyIfZero, MulC };

template <Short K, class T, class Op>
VekStatus vc(const T* src, T val, T* dst, int len, Op op) {
    VEKS_CHECK(check_vec(len, src, dst));
    if (K == Short::CopyIfZero && val == T(0)) return copy_or_keep(src, dst, len);
    if (K == Short::MulC && val == T(1)) return copy_or_keep(src, dst, len);
    if (K == Short::MulC && val == T(0)) return zero(dst, len);
    fmap(dst, len, FVec<T>{src}, FCst<T>{val}, op);
    return vekStsNoErr;
}

template <class C, class R, class Op>
VekStatus cvv(const C* a, const C* b, C* dst, int len, Op op) {
    VEKS_CHECK(check_len(len));
    VEKS_CHECK(check_param(len >= (1 << 30), vekStsSizeErr));
    return vv(as<const C, const R>(a), as<const C, const R>(b), as<C, R>(dst), 2 * len, op);
}

template <class C, class R, class Op>
VekStatus cvc(const C* src, C val, C* dst, int len, Op op) {
    VEKS_CHECK(check_vec(len, src, dst));
    fmap(as<C, R>(dst), 2 * static_cast<ptrdiff_t>(len), FVec<R>{as<const C, const R>(src)}, FPair<R>(val.re, val.im), op);
    return vekStsNoErr;
}

template <bool Acc, class C>
VekStatus cmul(const C* a, const C* b, C val, C* dst, int len) {
    VEKS_CHECK(check_vec(len, a, dst));
    cmul_map<Acc>(dst, len, a, b, val);
    return vekStsNoErr;
}

// acc[i] += a[i] * b[i]; b may be the constant bc (b null). A destination
// that overlaps a source inside one block takes the plain loop.
template <class T>
VekStatus add_product(const T* a, const T* b, T bc, T* acc, int len) {
    VEKS_CHECK(check_vec(len, a, acc));
    constexpr ptrdiff_t L = FP<T>::lanes;
    auto scalar = [&](ptrdiff_t i) { acc[i] = acc[i] + a[i] * (b ? b[i] : bc); };
    if (overlaps_block(acc, a, 2 * L) || (b && overlaps_block(acc, b, 2 * L))) {
        for (ptrdiff_t i = 0; i < len; ++i) scalar(i);
        return vekStsNoErr;
    }
    const auto bv = FP<T>::set1(bc);
    simd::sweep<2 * L>(acc, len, scalar, [&](ptrdiff_t i) {
        const auto r0 = FP<T>::loadu(acc + i) + FP<T>::loadu(a + i) * (b ? FP<T>::loadu(b + i) : bv);
        const auto r1 = FP<T>::loadu(acc + i + L) + FP<T>::loadu(a + i + L) * (b ? FP<T>::loadu(b + i + L) : bv);
        FP<T>::storeu(acc + i, r0);
        FP<T>::storeu(acc + i + L, r1);
    });
    return vekStsNoErr;
}

// Real times complex.
VekStatus rcmul(const Vek32f* a, const Vek32fc* b, Vek32fc* dst, int len) {
    VEKS_CHECK(check_vec(len, a, b, dst));
    for (ptrdiff_t i = 0; i < len; ++i) dst[i] = Vek32fc{a[i] * b[i].re, a[i] * b[i].im};
    return vekStsNoErr;
}

}  // namespace
}  // namespace arith
}  // namespace veks

using namespace veks;
using namespace veks::arith;

#define VEKS_FVV(Name, code, T, OP)                                                                 \
    VekStatus veks##Name##_##code(const T* pSrc1, const T* pSrc2, T* pDst, int len) {               \
        return vv(pSrc1, pSrc2, pDst, len, OP);                                                     \
    }                                                                                               \
    VekStatus veks##Name##_##code##_I(const T* pSrc, T* pSrcDst, int len) { return vv(pSrc, pSrcDst, pSrcDst, len, OP); }

VEKS_FVV(Add, 32f, Vek32f, fadd)
VEKS_FVV(Add, 64f, Vek64f, fadd)
VEKS_FVV(Sub, 32f, Vek32f, frsub)
VEKS_FVV(Sub, 64f, Vek64f, frsub)
VEKS_FVV(Mul, 32f, Vek32f, fmul)
VEKS_FVV(Mul, 64f, Vek64f, fmul)

#define VEKS_CVV(Name, code, C, R, OP)                                                              \
    VekStatus veks##Name##_##code(const C* pSrc1, const C* pSrc2, C* pDst, int len) {               \
        return cvv<C, R>(pSrc1, pSrc2, pDst, len, OP);                                              \
    }                                                                                               \
    VekStatus veks##Name##_##code##_I(const C* pSrc, C* pSrcDst, int len) {                         \
        return cvv<C, R>(pSrc, pSrcDst, pSrcDst, len, OP);                                          \
    }

VEKS_CVV(Add, 32fc, Vek32fc, Vek32f, fadd)
VEKS_CVV(Add, 64fc, Vek64fc, Vek64f, fadd)
VEKS_CVV(Sub, 32fc, Vek32fc, Vek32f, frsub)
VEKS_CVV(Sub, 64fc, Vek64fc, Vek64f, frsub)

#define VEKS_FVC(Name, code, T, K, OP)                                                              \
    VekStatus veks##Name##_##code(const T* pSrc, T val, T* pDst, int len) {                         \
        return vc<Short::K>(pSrc, val, pDst, len, OP);                                              \
    }                                                                                               \
    VekStatus veks##Name##_##code##_I(T val, T* pSrcDst, int len) { return vc<Short::K>(pSrcDst, val, pSrcDst, len, OP); }

VEKS_FVC(AddC, 32f, Vek32f, CopyIfZero, fadd)
VEKS_FVC(AddC, 64f, Vek64f, CopyIfZero, fadd)
VEKS_FVC(SubC, 32f, Vek32f, CopyIfZero, fsub)
VEKS_FVC(SubC, 64f, Vek64f, CopyIfZero, fsub)
VEKS_FVC(SubCRev, 32f, Vek32f, None, frsub)
VEKS_FVC(SubCRev, 64f, Vek64f, None, frsub)
VEKS_FVC(MulC, 32f, Vek32f, MulC, fmul)
VEKS_FVC(MulC, 64f, Vek64f, MulC, fmul)

#define VEKS_CVC(Name, code, C, R, OP)                                                              \
    VekStatus veks##Name##_##code(const C* pSrc, C val, C* pDst, int len) {                         \
        return cvc<C, R>(pSrc, val, pDst, len, OP);                                                 \
    }                                                                                               \
    VekStatus veks##Name##_##code##_I(C val, C* pSrcDst, int len) { return cvc<C, R>(pSrcDst, val, pSrcDst, len, OP); }

VEKS_CVC(AddC, 32fc, Vek32fc, Vek32f, fadd)
VEKS_CVC(AddC, 64fc, Vek64fc, Vek64f, fadd)
VEKS_CVC(SubC, 32fc, Vek32fc, Vek32f, fsub)
VEKS_CVC(SubC, 64fc, Vek64fc, Vek64f, fsub)
VEKS_CVC(SubCRev, 32fc, Vek32fc, Vek32f, frsub)
VEKS_CVC(SubCRev, 64fc, Vek64fc, Vek64f, frsub)

#define VEKS_CMUL(code, C)                                                                          \
    VekStatus veksMul_##code(const C* pSrc1, const C* pSrc2, C* pDst, int len) {                    \
        VEKS_CHECK(check_ptrs(pSrc2));                                                              \
        return cmul<false>(pSrc1, pSrc2, C{}, pDst, len);                                           \
    }                                                                                               \
    VekStatus veksMul_##code##_I(const C* pSrc, C* pSrcDst, int len) {                              \
        VEKS_CHECK(check_ptrs(pSrc));                                                               \
        return cmul<false>(pSrcDst, pSrc, C{}, pSrcDst, len);                                       \
    }                                                                                               \
    VekStatus veksMulC_##code(const C* pSrc, C val, C* pDst, int len) {                             \
        return cmul<false>(pSrc, static_cast<const C*>(nullptr), val, pDst, len);                   \
    }                                                                                               \
    VekStatus veksMulC_##code##_I(C val, C* pSrcDst, int len) {                                     \
        return cmul<false>(pSrcDst, static_cast<const C*>(nullptr), val, pSrcDst, len);             \
    }                                                                                               \
    VekStatus veksAddProduct_##code(const C* pSrc1, const C* pSrc2, C* pSrcDst, int len) {          \
        VEKS_CHECK(check_ptrs(pSrc2));                                                              \
        return cmul<true>(pSrc1, pSrc2, C{}, pSrcDst, len);                                         \
    }

VEKS_CMUL(32fc, Vek32fc)
VEKS_CMUL(64fc, Vek64fc)

VekStatus veksAddProduct_32f(const Vek32f* pSrc1, const Vek32f* pSrc2, Vek32f* pSrcDst, int len) {
    VEKS_CHECK(check_ptrs(pSrc2));
    return add_product(pSrc1, pSrc2, 0.0f, pSrcDst, len);
}
VekStatus veksAddProduct_64f(const Vek64f* pSrc1, const Vek64f* pSrc2, Vek64f* pSrcDst, int len) {
    VEKS_CHECK(check_ptrs(pSrc2));
    return add_product(pSrc1, pSrc2, 0.0, pSrcDst, len);
}
VekStatus veksAddProductC_32f(const Vek32f* pSrc, Vek32f val, Vek32f* pSrcDst, int len) {
    return add_product(pSrc, static_cast<const Vek32f*>(nullptr), val, pSrcDst, len);
}

VekStatus veksMul_32f32fc(const Vek32f* pSrc1, const Vek32fc* pSrc2, Vek32fc* pDst, int len) {
    return rcmul(pSrc1, pSrc2, pDst, len);
}
VekStatus veksMul_32f32fc_I(const Vek32f* pSrc, Vek32fc* pSrcDst, int len) { return rcmul(pSrc, pSrcDst, pSrcDst, len); }
