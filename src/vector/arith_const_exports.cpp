// Exported integer AddC, SubC, SubCRev and MulC: an element and a constant.
// The shortcuts that need no kernel (a constant that leaves the data alone,
// a zero product, an unsigned sum that saturates everywhere) are taken
// after the checks; all other scale factors run the scaled kernel.
#include <cstdint>

#include "arith_scaled.h"
#include "core/check.h"
#include "veks.h"

namespace veks {
namespace arith {
namespace {

enum class K { Add, Sub, SubRev, Mul };

template <K k, class W>
struct OpOf;
template <class W>
struct OpOf<K::Add, W> : Add<W> {};
template <class W>
struct OpOf<K::Sub, W> : Sub<W> {};
template <class W>
struct OpOf<K::Mul, W> : Mul<W> {};
template <class W>
struct OpOf<K::SubRev, W> {
    static constexpr IntOp kind = IntOp::RSub;
    template <class X, class Y, class S>
    auto operator()(X x, Y y, S s) const { return s(W(y) - W(x)); }
};

template <K k, class C, class W>
struct COpOf;
template <class C, class W>
struct COpOf<K::Add, C, W> : CAdd<C, W> {};
template <class C, class W>
struct COpOf<K::Sub, C, W> : CSub<C, W> {};
template <class C, class W>
struct COpOf<K::Mul, C, W> : CMul<C, W> {};
template <class C, class W>
struct COpOf<K::SubRev, C, W> {
    template <class X, class Y, class S>
    C operator()(X x, Y y, S s) const { return C{s(W(y.re) - W(x.re)), s(W(y.im) - W(x.im))}; }
};

// The shortcut of a real constant form, or -1 when the kernel must run.
template <K k, class T>
int shortcut(const T* src, T val, T* dst, int len, int sf, Limits lim) {
    constexpr bool is_unsigned = T(-1) > T(0);
    if ((k == K::Add || k == K::Sub) && val == 0 && sf == 0) return copy_or_keep(src, dst, len);
    if (k == K::Mul && val == 0) return zero(dst, len);
    if (k == K::Mul && val == 1 && sf == 0) return copy_or_keep(src, dst, len);
    if constexpr (is_unsigned && sizeof(T) <= 2) {
        if (k == K::SubRev && val == 0) return zero(dst, len);
        if (k == K::Add && val != 0 && sf <= lim.bound_at) return fill_max(dst, len);
    }
    return -1;
}

template <K k, class T, class W>
VekStatus real_c(const T* src, T val, T* dst, int len, int sf, Limits lim) {
    VEKS_CHECK(check_vec(len, src, dst));
    const int s = shortcut<k>(src, val, dst, len, sf, lim);
    if (s != -1) return s;
    if constexpr (sizeof(T) == 2 && T(-1) < T(0)) {
        if (sfs::zero_fill(sf, lim.zero_above)) return zero(dst, len);
        constexpr IntOp op = k == K::Add ? IntOp::Add : k == K::Sub ? IntOp::Sub : k == K::Mul ? IntOp::Mul : IntOp::RSub;
        run16s(op, src, nullptr, val, dst, len, sf, lim.bound_at);
        return vekStsNoErr;
    } else {
        return scaled<T, W>(dst, len, sf, lim, vec(src), cst(val), OpOf<k, W>{});
    }
}

template <K k, class C, class R, class W>
VekStatus cplx_c(const C* src, C val, C* dst, int len, int sf, Limits lim) {
    VEKS_CHECK(check_vec(len, src, dst));
    return scaled<R, W>(dst, len, sf, lim, vec(src), cst(val), COpOf<k, C, W>{});
}

}  // namespace
}  // namespace arith
}  // namespace veks

using namespace veks;
using namespace veks::arith;
using std::int32_t;
using std::int64_t;

#define VEKS_VC(Name, k, code, T, W, Z, B)                                                         \
    VekStatus veks##Name##_##code##_Sfs(const T* pSrc, T val, T* pDst, int len, int scaleFactor) {  \
        return real_c<K::k, T, W>(pSrc, val, pDst, len, scaleFactor, {Z, B});                      \
    }                                                                                              \
    VekStatus veks##Name##_##code##_ISfs(T val, T* pSrcDst, int len, int scaleFactor) {            \
        return real_c<K::k, T, W>(pSrcDst, val, pSrcDst, len, scaleFactor, {Z, B});                \
    }

VEKS_VC(AddC, Add, 8u, Vek8u, int32_t, 9, -8)
VEKS_VC(SubC, Sub, 8u, Vek8u, int32_t, 8, -8)
VEKS_VC(SubCRev, SubRev, 8u, Vek8u, int32_t, 8, -8)
VEKS_VC(MulC, Mul, 8u, Vek8u, int32_t, 16, -8)
VEKS_VC(AddC, Add, 16s, Vek16s, int32_t, 16, -16)
VEKS_VC(SubC, Sub, 16s, Vek16s, int32_t, 16, -16)
VEKS_VC(SubCRev, SubRev, 16s, Vek16s, int32_t, 16, -16)
VEKS_VC(MulC, Mul, 16s, Vek16s, int32_t, 30, -16)
VEKS_VC(AddC, Add, 16u, Vek16u, int32_t, 17, -16)
VEKS_VC(SubC, Sub, 16u, Vek16u, int32_t, 16, -16)
VEKS_VC(SubCRev, SubRev, 16u, Vek16u, int32_t, 16, -16)
VEKS_VC(MulC, Mul, 16u, Vek16u, int64_t, 32, -16)
VEKS_VC(AddC, Add, 32s, Vek32s, int64_t, 32, -31)
VEKS_VC(SubC, Sub, 32s, Vek32s, int64_t, 32, -31)
VEKS_VC(SubCRev, SubRev, 32s, Vek32s, int64_t, 32, -31)
VEKS_VC(MulC, Mul, 32s, Vek32s, int64_t, 62, -32)

#define VEKS_CC(Name, k, code, C, R, W, Z, B)                                                      \
    VekStatus veks##Name##_##code##_Sfs(const C* pSrc, C val, C* pDst, int len, int scaleFactor) {  \
        return cplx_c<K::k, C, R, W>(pSrc, val, pDst, len, scaleFactor, {Z, B});                   \
    }                                                                                              \
    VekStatus veks##Name##_##code##_ISfs(C val, C* pSrcDst, int len, int scaleFactor) {            \
        return cplx_c<K::k, C, R, W>(pSrcDst, val, pSrcDst, len, scaleFactor, {Z, B});             \
    }

VEKS_CC(AddC, Add, 16sc, Vek16sc, Vek16s, int32_t, 16, -16)
VEKS_CC(SubC, Sub, 16sc, Vek16sc, Vek16s, int32_t, 16, -16)
VEKS_CC(SubCRev, SubRev, 16sc, Vek16sc, Vek16s, int32_t, 16, -16)
VEKS_CC(MulC, Mul, 16sc, Vek16sc, Vek16s, int64_t, 31, -16)
VEKS_CC(AddC, Add, 32sc, Vek32sc, Vek32s, int64_t, 32, -31)
VEKS_CC(SubC, Sub, 32sc, Vek32sc, Vek32s, int64_t, 32, -31)
VEKS_CC(SubCRev, SubRev, 32sc, Vek32sc, Vek32s, int64_t, 32, -31)
VEKS_CC(MulC, Mul, 32sc, Vek32sc, Vek32s, __int128, 63, -32)

// Unscaled saturating in-place forms.
VekStatus veksAddC_16s_I(Vek16s val, Vek16s* pSrcDst, int len) { return veksAddC_16s_ISfs(val, pSrcDst, len, 0); }
VekStatus veksSubC_16s_I(Vek16s val, Vek16s* pSrcDst, int len) { return veksSubC_16s_ISfs(val, pSrcDst, len, 0); }
VekStatus veksMulC_16s_I(Vek16s val, Vek16s* pSrcDst, int len) { return veksMulC_16s_ISfs(val, pSrcDst, len, 0); }
