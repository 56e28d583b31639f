// Exported And, Or, Xor, Not and the constant shifts. The loops are plain
// element maps that the compiler turns into 16-byte SSE2 blocks (bitwise
// ops and shifts by a register count); the shortcuts of constants that
// cannot change or that clear the data go through the copy family.
#include <cstdint>

#include "arith_scaled.h"
#include "core/check.h"
#include "veks.h"

namespace veks {
namespace logic {
namespace {

using arith::copy_or_keep;
using arith::zero;

struct And {
    template <class T>
    T operator()(T x, T y) const { return T(x & y); }
};
struct Or {
    template <class T>
    T operator()(T x, T y) const { return T(x | y); }
};
struct Xor {
    template <class T>
    T operator()(T x, T y) const { return T(x ^ y); }
};

template <class T, class Op>
VekStatus vv(const T* a, const T* b, T* dst, int len, Op op) {
    VEKS_CHECK(check_vec(len, a, b, dst));
    for (int i = 0; i < len; ++i) dst[i] = op(a[i], b[i]);
    return vekStsNoErr;
}

// AndC with 0 clears; OrC and XorC with 0 copy (in place: nothing to do).
template <class T, class Op>
VekStatus vc(const T* src, T val, T* dst, int len, Op op) {
    VEKS_CHECK(check_vec(len, src, dst));
    if (val == 0) return std::is_same_v<Op, And> ? zero(dst, len) : copy_or_keep(src, dst, len);
    for (int i = 0; i < len; ++i) dst[i] = op(src[i], val);
    return vekStsNoErr;
}

// Shifts: left shifts are logical on the unsigned pattern; right shifts
// follow the type (arithmetic for signed). Counts of the element width and
// more need no kernel.
template <bool Left, class T>
VekStatus shift(const T* src, int val, T* dst, int len) {
    VEKS_CHECK(check_vec(len, src, dst));
    if (val == 0) return copy_or_keep(src, dst, len);
    VEKS_CHECK(check_param(val < 0, vekStsShiftErr));
    constexpr int bits = 8 * sizeof(T);
    using U = std::make_unsigned_t<T>;
    if (val >= bits) {
        if (Left || std::is_unsigned_v<T>) return zero(dst, len);
        for (int i = 0; i < len; ++i) dst[i] = T(src[i] < 0 ? -1 : 0);
        return vekStsNoErr;
    }
    if (Left) {
        for (int i = 0; i < len; ++i) dst[i] = T(U(U(src[i]) << val));
    } else {
        for (int i = 0; i < len; ++i) dst[i] = T(src[i] >> val);
    }
    return vekStsNoErr;
}

}  // namespace
}  // namespace logic
}  // namespace veks

using namespace veks;
using namespace veks::logic;

#define VEKS_LOGIC(code, T)                                                                                         \
    VekStatus veksAnd_##code(const T* pSrc1, const T* pSrc2, T* pDst, int len) { return vv(pSrc1, pSrc2, pDst, len, And{}); } \
    VekStatus veksOr_##code(const T* pSrc1, const T* pSrc2, T* pDst, int len) { return vv(pSrc1, pSrc2, pDst, len, Or{}); }   \
    VekStatus veksXor_##code(const T* pSrc1, const T* pSrc2, T* pDst, int len) { return vv(pSrc1, pSrc2, pDst, len, Xor{}); } \
    VekStatus veksAnd_##code##_I(const T* pSrc, T* pSrcDst, int len) { return vv(pSrc, pSrcDst, pSrcDst, len, And{}); }       \
    VekStatus veksOr_##code##_I(const T* pSrc, T* pSrcDst, int len) { return vv(pSrc, pSrcDst, pSrcDst, len, Or{}); }         \
    VekStatus veksXor_##code##_I(const T* pSrc, T* pSrcDst, int len) { return vv(pSrc, pSrcDst, pSrcDst, len, Xor{}); }       \
    VekStatus veksAndC_##code(const T* pSrc, T val, T* pDst, int len) { return vc(pSrc, val, pDst, len, And{}); }             \
    VekStatus veksOrC_##code(const T* pSrc, T val, T* pDst, int len) { return vc(pSrc, val, pDst, len, Or{}); }               \
    VekStatus veksXorC_##code(const T* pSrc, T val, T* pDst, int len) { return vc(pSrc, val, pDst, len, Xor{}); }             \
    VekStatus veksAndC_##code##_I(T val, T* pSrcDst, int len) { return vc(pSrcDst, val, pSrcDst, len, And{}); }               \
    VekStatus veksOrC_##code##_I(T val, T* pSrcDst, int len) { return vc(pSrcDst, val, pSrcDst, len, Or{}); }                 \
    VekStatus veksXorC_##code##_I(T val, T* pSrcDst, int len) { return vc(pSrcDst, val, pSrcDst, len, Xor{}); }               \
    VekStatus veksNot_##code(const T* pSrc, T* pDst, int len) { return veksXorC_##code(pSrc, T(~T(0)), pDst, len); }          \
    VekStatus veksNot_##code##_I(T* pSrcDst, int len) { return veksXorC_##code##_I(T(~T(0)), pSrcDst, len); }

VEKS_LOGIC(8u, Vek8u)
VEKS_LOGIC(16u, Vek16u)
VEKS_LOGIC(32u, Vek32u)

#define VEKS_SHIFT(code, T)                                                                                        \
    VekStatus veksLShiftC_##code(const T* pSrc, int val, T* pDst, int len) { return shift<true>(pSrc, val, pDst, len); }  \
    VekStatus veksRShiftC_##code(const T* pSrc, int val, T* pDst, int len) { return shift<false>(pSrc, val, pDst, len); } \
    VekStatus veksLShiftC_##code##_I(int val, T* pSrcDst, int len) { return shift<true>(pSrcDst, val, pSrcDst, len); }    \
    VekStatus veksRShiftC_##code##_I(int val, T* pSrcDst, int len) { return shift<false>(pSrcDst, val, pSrcDst, len); }

VEKS_SHIFT(8u, Vek8u)
VEKS_SHIFT(16u, Vek16u)
VEKS_SHIFT(16s, Vek16s)
VEKS_SHIFT(32s, Vek32s)
