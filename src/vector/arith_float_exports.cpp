// Exported floating-point and complex floating-point Add, Sub, Mul, the
// constant forms and the multiply-accumulates. Complex sums, differences
// and sums with a constant run on the parts as a real vector.
#include "arith_float.h"
#include "arith_scaled.h"
#include "core/check.h"
#include "veks.h"
#include "wide_table.h"

namespace veks {
namespace arith {
namespace {

// One element operation for both the scalar and the SSE packet forms.
template <FOp OP>
struct Elem {
    template <class X>
    X operator()(X x, X y) const {
        if constexpr (OP == FOp::Add) return x + y;
        else if constexpr (OP == FOp::Sub) return x - y;
        else if constexpr (OP == FOp::RSub) return y - x;
        else return x * y;
    }
};

// The wide entry of each element type.
inline void wide_map(const WideKernels& w, FOp op, const float* a, const float* b, float* d, ptrdiff_t n) {
    w.map_32f(op, a, b, d, n);
}
inline void wide_map(const WideKernels& w, FOp op, const double* a, const double* b, double* d, ptrdiff_t n) {
    w.map_64f(op, a, b, d, n);
}
inline void wide_map_c(const WideKernels& w, FOp op, const float* a, float e, float o, float* d, ptrdiff_t n) {
    w.map_c_32f(op, a, e, o, d, n);
}
inline void wide_map_c(const WideKernels& w, FOp op, const double* a, double e, double o, double* d, ptrdiff_t n) {
    w.map_c_64f(op, a, e, o, d, n);
}
inline void wide_add_product(const WideKernels& w, const float* a, const float* b, float bc, float* acc, ptrdiff_t n) {
    w.add_product_32f(a, b, bc, acc, n);
}
inline void wide_add_product(const WideKernels& w, const double* a, const double* b, double bc, double* acc, ptrdiff_t n) {
    w.add_product_64f(a, b, bc, acc, n);
}
inline void wide_cmul(const WideKernels& w, bool acc, const Vek32fc* a, const Vek32fc* b, Vek32fc bc, Vek32fc* d, ptrdiff_t n) {
    w.cmul_32fc(acc, a, b, bc, d, n);
}
inline void wide_cmul(const WideKernels& w, bool acc, const Vek64fc* a, const Vek64fc* b, Vek64fc bc, Vek64fc* d, ptrdiff_t n) {
    w.cmul_64fc(acc, a, b, bc, d, n);
}

template <FOp OP, class T>
VekStatus vv(const T* a, const T* b, T* dst, int len) {
    VEKS_CHECK(check_vec(len, a, b, dst));
    if (const WideKernels* w = wide_kernels()) wide_map(*w, OP, a, b, dst, len);
    else fmap(dst, len, FVec<T>{a}, FVec<T>{b}, Elem<OP>{});
    return vekStsNoErr;
}

// dst = op(src, c) where c alternates even, odd (a complex constant over
// the parts of a complex vector).
template <FOp OP, class T>
void vc_run(const T* src, T even, T odd, T* dst, ptrdiff_t len) {
    if (const WideKernels* w = wide_kernels()) wide_map_c(*w, OP, src, even, odd, dst, len);
    else if (even == odd) fmap(dst, len, FVec<T>{src}, FCst<T>{even}, Elem<OP>{});
    else fmap(dst, len, FVec<T>{src}, FPair<T>(even, odd), Elem<OP>{});
}

// Shortcuts of the real constant forms: a constant that cannot change the
// data copies, a zero factor zero-fills (NaN and infinity included).
enum class Short { None, CopyIfZero, MulC };

template <Short K, FOp OP, class T>
VekStatus vc(const T* src, T val, T* dst, int len) {
    VEKS_CHECK(check_vec(len, src, dst));
    if (K == Short::CopyIfZero && val == T(0)) return copy_or_keep(src, dst, len);
    if (K == Short::MulC && val == T(1)) return copy_or_keep(src, dst, len);
    if (K == Short::MulC && val == T(0)) return zero(dst, len);
    vc_run<OP>(src, val, val, dst, len);
    return vekStsNoErr;
}

template <FOp OP, class C, class R>
VekStatus cvv(const C* a, const C* b, C* dst, int len) {
    VEKS_CHECK(check_len(len));
    VEKS_CHECK(check_param(len >= (1 << 30), vekStsSizeErr));
    return vv<OP>(as<const C, const R>(a), as<const C, const R>(b), as<C, R>(dst), 2 * len);
}

template <FOp OP, class C, class R>
VekStatus cvc(const C* src, C val, C* dst, int len) {
    VEKS_CHECK(check_vec(len, src, dst));
    vc_run<OP>(as<const C, const R>(src), val.re, val.im, as<C, R>(dst), 2 * static_cast<ptrdiff_t>(len));
    return vekStsNoErr;
}

template <bool Acc, class C>
VekStatus cmul(const C* a, const C* b, C val, C* dst, int len) {
    VEKS_CHECK(check_vec(len, a, dst));
    if (const WideKernels* w = wide_kernels()) wide_cmul(*w, Acc, a, b, val, dst, len);
    else cmul_map<Acc>(dst, len, a, b, val);
    return vekStsNoErr;
}

// acc[i] += a[i] * b[i]; b may be the constant bc (b null). A destination
// that starts within two of the widest registers after a source takes the
// plain loop (the wide kernels read up to one register ahead).
template <class T>
VekStatus add_product(const T* a, const T* b, T bc, T* acc, int len) {
    VEKS_CHECK(check_vec(len, a, acc));
    constexpr ptrdiff_t L = FP<T>::lanes;
    constexpr ptrdiff_t kWidest = 128 / sizeof(T);
    auto scalar = [&](ptrdiff_t i) { acc[i] = acc[i] + a[i] * (b ? b[i] : bc); };
    if (overlaps_block(acc, a, kWidest) || (b && overlaps_block(acc, b, kWidest))) {
        for (ptrdiff_t i = 0; i < len; ++i) scalar(i);
        return vekStsNoErr;
    }
    if (const WideKernels* w = wide_kernels()) {
        wide_add_product(*w, a, b, bc, acc, len);
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
        return vv<OP>(pSrc1, pSrc2, pDst, len);                                                     \
    }                                                                                               \
    VekStatus veks##Name##_##code##_I(const T* pSrc, T* pSrcDst, int len) { return vv<OP>(pSrc, pSrcDst, pSrcDst, len); }

VEKS_FVV(Add, 32f, Vek32f, FOp::Add)
VEKS_FVV(Add, 64f, Vek64f, FOp::Add)
VEKS_FVV(Sub, 32f, Vek32f, FOp::RSub)
VEKS_FVV(Sub, 64f, Vek64f, FOp::RSub)
VEKS_FVV(Mul, 32f, Vek32f, FOp::Mul)
VEKS_FVV(Mul, 64f, Vek64f, FOp::Mul)

#define VEKS_CVV(Name, code, C, R, OP)                                                              \
    VekStatus veks##Name##_##code(const C* pSrc1, const C* pSrc2, C* pDst, int len) {               \
        return cvv<OP, C, R>(pSrc1, pSrc2, pDst, len);                                              \
    }                                                                                               \
    VekStatus veks##Name##_##code##_I(const C* pSrc, C* pSrcDst, int len) {                         \
        return cvv<OP, C, R>(pSrc, pSrcDst, pSrcDst, len);                                          \
    }

VEKS_CVV(Add, 32fc, Vek32fc, Vek32f, FOp::Add)
VEKS_CVV(Add, 64fc, Vek64fc, Vek64f, FOp::Add)
VEKS_CVV(Sub, 32fc, Vek32fc, Vek32f, FOp::RSub)
VEKS_CVV(Sub, 64fc, Vek64fc, Vek64f, FOp::RSub)

#define VEKS_FVC(Name, code, T, K, OP)                                                              \
    VekStatus veks##Name##_##code(const T* pSrc, T val, T* pDst, int len) {                         \
        return vc<Short::K, OP>(pSrc, val, pDst, len);                                              \
    }                                                                                               \
    VekStatus veks##Name##_##code##_I(T val, T* pSrcDst, int len) { return vc<Short::K, OP>(pSrcDst, val, pSrcDst, len); }

VEKS_FVC(AddC, 32f, Vek32f, CopyIfZero, FOp::Add)
VEKS_FVC(AddC, 64f, Vek64f, CopyIfZero, FOp::Add)
VEKS_FVC(SubC, 32f, Vek32f, CopyIfZero, FOp::Sub)
VEKS_FVC(SubC, 64f, Vek64f, CopyIfZero, FOp::Sub)
VEKS_FVC(SubCRev, 32f, Vek32f, None, FOp::RSub)
VEKS_FVC(SubCRev, 64f, Vek64f, None, FOp::RSub)
VEKS_FVC(MulC, 32f, Vek32f, MulC, FOp::Mul)
VEKS_FVC(MulC, 64f, Vek64f, MulC, FOp::Mul)

#define VEKS_CVC(Name, code, C, R, OP)                                                              \
    VekStatus veks##Name##_##code(const C* pSrc, C val, C* pDst, int len) {                         \
        return cvc<OP, C, R>(pSrc, val, pDst, len);                                                 \
    }                                                                                               \
    VekStatus veks##Name##_##code##_I(C val, C* pSrcDst, int len) { return cvc<OP, C, R>(pSrcDst, val, pSrcDst, len); }

VEKS_CVC(AddC, 32fc, Vek32fc, Vek32f, FOp::Add)
VEKS_CVC(AddC, 64fc, Vek64fc, Vek64f, FOp::Add)
VEKS_CVC(SubC, 32fc, Vek32fc, Vek32f, FOp::Sub)
VEKS_CVC(SubC, 64fc, Vek64fc, Vek64f, FOp::Sub)
VEKS_CVC(SubCRev, 32fc, Vek32fc, Vek32f, FOp::RSub)
VEKS_CVC(SubCRev, 64fc, Vek64fc, Vek64f, FOp::RSub)

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
