// Exported integer Add, Sub and Mul of two vectors. One macro line per type
// code binds a public name to the scaled kernel with its exact type and
// scale-factor thresholds. Two-vector subtraction stores second - first,
// which is the reversed operation `RSub` on (first, second).
#include <cstdint>

#include "arith_scaled.h"
#include "core/check.h"
#include "core/fpenv.h"
#include "veks.h"

namespace veks {
namespace arith {
namespace {

template <class W>
struct RSub {
    static constexpr IntOp kind = IntOp::RSub;
    template <class X, class Y, class S>
    auto operator()(X x, Y y, S s) const { return s(W(y) - W(x)); }
};

// The exact integer result converted to single precision, to nearest.
struct ToFloat {
    float operator()(std::int32_t r) const { return static_cast<float>(r); }
};

template <class A, class B, class Op>
VekStatus to_float(const A* a, const B* b, Vek32f* dst, int len, Op op) {
    VEKS_CHECK(check_vec(len, a, b, dst));
    FpEnvGuard env(Rounding::Nearest);
    map2(dst, len, vec(a), vec(b), op, ToFloat{});
    return vekStsNoErr;
}

// Saturating forms without a scale factor.
template <class T, class W, class A, class B, class D, class Op>
VekStatus plain(const A* a, const B* b, D* dst, int len, Op op) {
    VEKS_CHECK(check_vec(len, a, b, dst));
    map2(dst, len, vec(a), vec(b), op, sfs::Plain<T, W>{});
    return vekStsNoErr;
}

template <class T, class W, class A, class B, class D, class Op>
VekStatus sfs_vv(const A* a, const B* b, D* dst, int len, int sf, Limits lim, Op op) {
    VEKS_CHECK(check_vec(len, a, b, dst));
    return scaled<T, W>(dst, len, sf, lim, vec(a), vec(b), op);
}

VekStatus sfs_16s(IntOp op, const Vek16s* a, const Vek16s* b, Vek16s* dst, int len, int sf, Limits lim) {
    VEKS_CHECK(check_vec(len, a, b, dst));
    if (sfs::zero_fill(sf, lim.zero_above)) return zero(dst, len);
    run16s(op, a, b, 0, dst, len, sf, lim.bound_at);
    return vekStsNoErr;
}

// Complex vectors whose parts are added independently run as real vectors
// of twice the length; the length is tested before the pointers.
template <class F>
VekStatus doubled(int len, F&& real) {
    VEKS_CHECK(check_len(len));
    VEKS_CHECK(check_param(len >= (1 << 30), vekStsSizeErr));
    return real(2 * len);
}

}  // namespace
}  // namespace arith
}  // namespace veks

using namespace veks;
using namespace veks::arith;
using std::int32_t;
using std::int64_t;

// Two-vector scaled form and its in-place twin: name(pSrc1, pSrc2) and
// name_I(pSrc, pSrcDst) both compute op(first, second).
#define VEKS_VV(Name, code, T, W, Z, B, OP)                                                            \
    VekStatus veks##Name##_##code##_Sfs(const T* pSrc1, const T* pSrc2, T* pDst, int len, int scaleFactor) { \
        return sfs_vv<T, W>(pSrc1, pSrc2, pDst, len, scaleFactor, {Z, B}, OP{});                      \
    }                                                                                                  \
    VekStatus veks##Name##_##code##_ISfs(const T* pSrc, T* pSrcDst, int len, int scaleFactor) {        \
        return sfs_vv<T, W>(pSrc, pSrcDst, pSrcDst, len, scaleFactor, {Z, B}, OP{});                  \
    }

VEKS_VV(Add, 8u, Vek8u, int32_t, 9, -8, Add<int32_t>)
VEKS_VV(Add, 16u, Vek16u, int32_t, 17, -16, Add<int32_t>)
VEKS_VV(Add, 32s, Vek32s, int64_t, 32, -31, Add<int64_t>)
VEKS_VV(Sub, 8u, Vek8u, int32_t, 8, -8, RSub<int32_t>)
VEKS_VV(Sub, 16u, Vek16u, int32_t, 16, -16, RSub<int32_t>)
VEKS_VV(Sub, 32s, Vek32s, int64_t, 32, -31, RSub<int64_t>)
VEKS_VV(Mul, 8u, Vek8u, int32_t, 16, -8, Mul<int32_t>)
VEKS_VV(Mul, 16u, Vek16u, int64_t, 32, -16, Mul<int64_t>)
VEKS_VV(Mul, 32s, Vek32s, int64_t, 62, -32, Mul<int64_t>)

#define VEKS_VV_CPLX(Name, code, C, R, W, Z, B, OP)                                                    \
    VekStatus veks##Name##_##code##_Sfs(const C* pSrc1, const C* pSrc2, C* pDst, int len, int scaleFactor) { \
        return sfs_vv<R, W>(pSrc1, pSrc2, pDst, len, scaleFactor, {Z, B}, OP{});                      \
    }                                                                                                  \
    VekStatus veks##Name##_##code##_ISfs(const C* pSrc, C* pSrcDst, int len, int scaleFactor) {        \
        return sfs_vv<R, W>(pSrc, pSrcDst, pSrcDst, len, scaleFactor, {Z, B}, OP{});                  \
    }

VEKS_VV_CPLX(Mul, 16sc, Vek16sc, Vek16s, int64_t, 31, -16, (CMul<Vek16sc, int64_t>))
VEKS_VV_CPLX(Mul, 32sc, Vek32sc, Vek32s, __int128, 63, -32, (CMul<Vek32sc, __int128>))

// 16s on the SSE2 kernels.
#define VEKS_VV_16S(Name, OP, Z)                                                                        \
    VekStatus veks##Name##_16s_Sfs(const Vek16s* pSrc1, const Vek16s* pSrc2, Vek16s* pDst, int len, int scaleFactor) { \
        return sfs_16s(OP, pSrc1, pSrc2, pDst, len, scaleFactor, {Z, -16});                             \
    }                                                                                                   \
    VekStatus veks##Name##_16s_ISfs(const Vek16s* pSrc, Vek16s* pSrcDst, int len, int scaleFactor) {    \
        return sfs_16s(OP, pSrc, pSrcDst, pSrcDst, len, scaleFactor, {Z, -16});                         \
    }                                                                                                   \
    VekStatus veks##Name##_16s(const Vek16s* pSrc1, const Vek16s* pSrc2, Vek16s* pDst, int len) {       \
        return sfs_16s(OP, pSrc1, pSrc2, pDst, len, 0, {Z, -16});                                       \
    }                                                                                                   \
    VekStatus veks##Name##_16s_I(const Vek16s* pSrc, Vek16s* pSrcDst, int len) {                        \
        return sfs_16s(OP, pSrc, pSrcDst, pSrcDst, len, 0, {Z, -16});                                   \
    }

VEKS_VV_16S(Add, IntOp::Add, 16)
VEKS_VV_16S(Sub, IntOp::RSub, 16)
VEKS_VV_16S(Mul, IntOp::Mul, 30)

// Complex forms that are real forms on twice the length.
#define VEKS_VV_DOUBLED(Name, code, C, R)                                                              \
    VekStatus veks##Name##_##code##_Sfs(const C* pSrc1, const C* pSrc2, C* pDst, int len, int scaleFactor) { \
        return doubled(len, [&](int n) {                                                         \
            return veks##Name##_##R##_Sfs(as<const C, const Vek##R>(pSrc1), as<const C, const Vek##R>(pSrc2), \
                                          as<C, Vek##R>(pDst), n, scaleFactor);                        \
        });                                                                                            \
    }                                                                                                  \
    VekStatus veks##Name##_##code##_ISfs(const C* pSrc, C* pSrcDst, int len, int scaleFactor) {        \
        return doubled(len, [&](int n) {                                                         \
            return veks##Name##_##R##_ISfs(as<const C, const Vek##R>(pSrc), as<C, Vek##R>(pSrcDst), n, scaleFactor); \
        });                                                                                            \
    }

VEKS_VV_DOUBLED(Add, 16sc, Vek16sc, 16s)
VEKS_VV_DOUBLED(Add, 32sc, Vek32sc, 32s)
VEKS_VV_DOUBLED(Sub, 16sc, Vek16sc, 16s)
VEKS_VV_DOUBLED(Sub, 32sc, Vek32sc, 32s)

// Add 64s: the 65-bit sum in 128 bits.
VekStatus veksAdd_64s_Sfs(const Vek64s* pSrc1, const Vek64s* pSrc2, Vek64s* pDst, int len, int scaleFactor) {
    return sfs_vv<Vek64s, __int128>(pSrc1, pSrc2, pDst, len, scaleFactor, {63, -63}, Add<__int128>{});
}

// Unsigned saturating sums, exact widening sums and products.
VekStatus veksAdd_16u(const Vek16u* pSrc1, const Vek16u* pSrc2, Vek16u* pDst, int len) {
    return plain<Vek16u, int32_t>(pSrc1, pSrc2, pDst, len, Add<int32_t>{});
}
VekStatus veksAdd_32u(const Vek32u* pSrc1, const Vek32u* pSrc2, Vek32u* pDst, int len) {
    return plain<Vek32u, int64_t>(pSrc1, pSrc2, pDst, len, Add<int64_t>{});
}
VekStatus veksAdd_8u16u(const Vek8u* pSrc1, const Vek8u* pSrc2, Vek16u* pDst, int len) {
    return plain<Vek16u, int32_t>(pSrc1, pSrc2, pDst, len, Add<int32_t>{});
}
VekStatus veksMul_8u16u(const Vek8u* pSrc1, const Vek8u* pSrc2, Vek16u* pDst, int len) {
    return plain<Vek16u, int32_t>(pSrc1, pSrc2, pDst, len, Mul<int32_t>{});
}
VekStatus veksAdd_16s32s_I(const Vek16s* pSrc, Vek32s* pSrcDst, int len) {
    return plain<Vek32s, int64_t>(pSrc, pSrcDst, pSrcDst, len, Add<int64_t>{});
}

VekStatus veksAdd_16s32f(const Vek16s* pSrc1, const Vek16s* pSrc2, Vek32f* pDst, int len) {
    return to_float(pSrc1, pSrc2, pDst, len, Add<int32_t>{});
}
VekStatus veksSub_16s32f(const Vek16s* pSrc1, const Vek16s* pSrc2, Vek32f* pDst, int len) {
    return to_float(pSrc1, pSrc2, pDst, len, RSub<int32_t>{});
}
VekStatus veksMul_16s32f(const Vek16s* pSrc1, const Vek16s* pSrc2, Vek32f* pDst, int len) {
    return to_float(pSrc1, pSrc2, pDst, len, Mul<int32_t>{});
}

// Mixed scaled products.
VekStatus veksMul_16s32s_Sfs(const Vek16s* pSrc1, const Vek16s* pSrc2, Vek32s* pDst, int len, int scaleFactor) {
    return sfs_vv<Vek32s, int64_t>(pSrc1, pSrc2, pDst, len, scaleFactor, {30, -31}, Mul<int64_t>{});
}
VekStatus veksMul_16u16s_Sfs(const Vek16u* pSrc1, const Vek16s* pSrc2, Vek16s* pDst, int len, int scaleFactor) {
    return sfs_vv<Vek16s, int64_t>(pSrc1, pSrc2, pDst, len, scaleFactor, {31, -15}, Mul<int64_t>{});
}
VekStatus veksMul_32s32sc_Sfs(const Vek32s* pSrc1, const Vek32sc* pSrc2, Vek32sc* pDst, int len, int scaleFactor) {
    return sfs_vv<Vek32s, int64_t>(pSrc1, pSrc2, pDst, len, scaleFactor, {62, -32}, RCMul<Vek32sc, int64_t>{});
}
VekStatus veksMul_32s32sc_ISfs(const Vek32s* pSrc, Vek32sc* pSrcDst, int len, int scaleFactor) {
    return sfs_vv<Vek32s, int64_t>(pSrc, pSrcDst, pSrcDst, len, scaleFactor, {62, -32}, RCMul<Vek32sc, int64_t>{});
}
