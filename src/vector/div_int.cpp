// Exported integer division: vector by vector, by a constant, constant by
// vector, and the forms with a rounding-mode argument. Every quotient is
// exact (core/exact_div.h); a zero divisor stores the limit of its
// dividend's sign and makes the call return the warning. Long vectors are
// split between threads by the parallel frame; each piece is independent
// of where it starts, so the bits do not depend on the thread count.
#include <climits>
#include <cstdint>

#include "arith_scaled.h"
#include "core/check.h"
#include "core/exact_div.h"
#include "core/parallel.h"
#include "veks.h"

namespace veks {
namespace div {
namespace {

using arith::copy_or_keep;
using arith::zero;

constexpr int kSerial = INT_MAX;  // forms that never split

template <class Piece>
VekStatus run(int len, int threshold, int cap, Piece&& piece) {
    return run_split(len, threshold, cap, piece) ? vekStsDivByZero : vekStsNoErr;
}

// dst = x / d, element by element.
template <class T, class D, class X>
int div_piece(const D* d, const X* x, T* dst, int len, int sf, DivRound mode) {
    int zero_seen = 0;
    for (int i = 0; i < len; ++i) {
        if (d[i] == 0) {
            zero_seen = 1;
            dst[i] = divide_by_zero<T>(x[i]);
        } else {
            dst[i] = exact_quotient<T>(x[i], d[i], sf, mode);
        }
    }
    return zero_seen;
}

template <class T, class D, class X>
VekStatus div_vv(const D* d, const X* x, T* dst, int len, int sf, DivRound mode, int threshold, int cap) {
    VEKS_CHECK(check_vec(len, d, x, dst));
    return run(len, threshold, cap, [&](int off, int n) { return div_piece(d + off, x + off, dst + off, n, sf, mode); });
}

inline VekStatus round_mode(int code, DivRound& mode) {
    VEKS_CHECK(check_param(code < 0 || code > 2, vekStsRoundModeErr));
    mode = code == 0 ? DivRound::Zero : code == 1 ? DivRound::NearEven : DivRound::NearAway;
    return vekStsNoErr;
}

template <class T>
VekStatus div_round(const T* d, const T* x, T* dst, int len, int code, int sf, int threshold) {
    VEKS_CHECK(check_vec(len, d, x, dst));
    DivRound mode;
    VEKS_CHECK(round_mode(code, mode));
    return div_vv(d, x, dst, len, sf, mode, threshold, 0);
}

// Complex quotient x * conj(d) / |d|^2, each part rounded by itself.
inline Vek16sc cdiv(Vek16sc x, Vek16sc d, int sf) {
    const std::int64_t m = std::int64_t(d.re) * d.re + std::int64_t(d.im) * d.im;
    const std::int64_t re = std::int64_t(x.re) * d.re + std::int64_t(x.im) * d.im;
    const std::int64_t im = std::int64_t(x.im) * d.re - std::int64_t(x.re) * d.im;
    return {exact_quotient<Vek16s>(re, m, sf, DivRound::NearEven), exact_quotient<Vek16s>(im, m, sf, DivRound::NearEven)};
}

int cdiv_piece(const Vek16sc* d, const Vek16sc* x, Vek16sc* dst, int len, int sf) {
    int zero_seen = 0;
    for (int i = 0; i < len; ++i) {
        if (d[i].re == 0 && d[i].im == 0) {
            zero_seen = 1;
            dst[i] = {divide_by_zero<Vek16s>(x[i].re), divide_by_zero<Vek16s>(x[i].im)};
        } else {
            dst[i] = cdiv(x[i], d[i], sf);
        }
    }
    return zero_seen;
}

// Scale-factor range of the constant divisions, and whether a zero
// constant is refused before the range shortcuts (8u, 16s) or after (16u).
struct CRange {
    int lo, hi;
    bool zero_first;
    int threshold;
};

template <class T>
VekStatus divc(const T* src, T val, T* dst, int len, int sf, CRange r) {
    VEKS_CHECK(check_vec(len, src, dst));
    VEKS_CHECK(check_param(r.zero_first && val == 0, vekStsDivByZeroErr));
    if (sf > r.hi) return zero(dst, len);
    if (sf < r.lo) {  // every non-zero quotient saturates
        for (int i = 0; i < len; ++i) dst[i] = divide_by_zero<T>(val < 0 ? -__int128(src[i]) : __int128(src[i]));
        return vekStsNoErr;
    }
    VEKS_CHECK(check_param(val == 0, vekStsDivByZeroErr));
    if constexpr (std::is_same_v<T, Vek16u>) {
        if (val == 1) return sf == 0 ? copy_or_keep(src, dst, len) : veksMulC_16u_Sfs(src, 1, dst, len, sf);
    }
    run_split(len, r.threshold, kElementwiseThreadCap, [&](int off, int n) {
        for (int i = off; i < off + n; ++i) dst[i] = exact_quotient<T>(src[i], val, sf, DivRound::NearEven);
        return 0;
    });
    return vekStsNoErr;
}

VekStatus divc_16sc(const Vek16sc* src, Vek16sc val, Vek16sc* dst, int len, int sf) {
    VEKS_CHECK(check_vec(len, src, dst));
    VEKS_CHECK(check_param(val.re == 0 && val.im == 0, vekStsDivByZeroErr));
    run_split(len, 1024, kElementwiseThreadCap, [&](int off, int n) {
        for (int i = off; i < off + n; ++i) dst[i] = cdiv(src[i], val, sf);
        return 0;
    });
    return vekStsNoErr;
}

// val / x; a zero constant zero-fills but still reports zero elements.
VekStatus divcrev_16u(const Vek16u* src, Vek16u val, Vek16u* dst, int len) {
    VEKS_CHECK(check_vec(len, src, dst));
    if (val == 0) {
        int zero_seen = 0;
        for (int i = 0; i < len; ++i) zero_seen |= src[i] == 0;
        VEKS_CHECK(zero(dst, len));
        return zero_seen ? vekStsDivByZero : vekStsNoErr;
    }
    return run(len, 2048, kElementwiseThreadCap, [&](int off, int n) {
        int zero_seen = 0;
        for (int i = off; i < off + n; ++i) {
            zero_seen |= src[i] == 0;
            dst[i] = src[i] == 0 ? Vek16u(65535) : exact_quotient<Vek16u>(val, src[i], 0, DivRound::NearEven);
        }
        return zero_seen;
    });
}

}  // namespace
}  // namespace div
}  // namespace veks

using namespace veks;
using namespace veks::div;

#define VEKS_DIV(code, T, threshold)                                                                         \
    VekStatus veksDiv_##code##_Sfs(const T* pSrc1, const T* pSrc2, T* pDst, int len, int scaleFactor) {      \
        return div_vv(pSrc1, pSrc2, pDst, len, scaleFactor, DivRound::NearEven, threshold, kElementwiseThreadCap); \
    }                                                                                                        \
    VekStatus veksDiv_##code##_ISfs(const T* pSrc, T* pSrcDst, int len, int scaleFactor) {                   \
        return div_vv(pSrc, pSrcDst, pSrcDst, len, scaleFactor, DivRound::NearEven, threshold, kElementwiseThreadCap); \
    }

VEKS_DIV(8u, Vek8u, 1024)
VEKS_DIV(16s, Vek16s, 1024)
VEKS_DIV(16u, Vek16u, kSerial)
VEKS_DIV(32s, Vek32s, 1024)

VekStatus veksDiv_32s16s_Sfs(const Vek16s* pSrc1, const Vek32s* pSrc2, Vek16s* pDst, int len, int scaleFactor) {
    return div_vv(pSrc1, pSrc2, pDst, len, scaleFactor, DivRound::NearEven, 1024, kElementwiseThreadCap);
}

VekStatus veksDiv_16sc_Sfs(const Vek16sc* pSrc1, const Vek16sc* pSrc2, Vek16sc* pDst, int len, int scaleFactor) {
    VEKS_CHECK(check_vec(len, pSrc1, pSrc2, pDst));
    return run(len, 256, kElementwiseThreadCap,
               [&](int off, int n) { return cdiv_piece(pSrc1 + off, pSrc2 + off, pDst + off, n, scaleFactor); });
}
VekStatus veksDiv_16sc_ISfs(const Vek16sc* pSrc, Vek16sc* pSrcDst, int len, int scaleFactor) {
    return veksDiv_16sc_Sfs(pSrc, pSrcDst, pSrcDst, len, scaleFactor);
}

#define VEKS_DIV_ROUND(code, T, threshold)                                                                   \
    VekStatus veksDiv_Round_##code##_Sfs(const T* pSrc1, const T* pSrc2, T* pDst, int len, int rndMode,      \
                                         int scaleFactor) {                                                  \
        return div_round(pSrc1, pSrc2, pDst, len, rndMode, scaleFactor, threshold);                          \
    }                                                                                                        \
    VekStatus veksDiv_Round_##code##_ISfs(const T* pSrc, T* pSrcDst, int len, int rndMode, int scaleFactor) { \
        return div_round(pSrc, static_cast<const T*>(pSrcDst), pSrcDst, len, rndMode, scaleFactor, threshold); \
    }

VEKS_DIV_ROUND(8u, Vek8u, 512)
VEKS_DIV_ROUND(16s, Vek16s, 1024)
VEKS_DIV_ROUND(16u, Vek16u, 1024)

#define VEKS_DIVC(code, T, lo, hi, zero_first, threshold)                                                    \
    VekStatus veksDivC_##code##_Sfs(const T* pSrc, T val, T* pDst, int len, int scaleFactor) {               \
        return divc(pSrc, val, pDst, len, scaleFactor, {lo, hi, zero_first, threshold});                     \
    }                                                                                                        \
    VekStatus veksDivC_##code##_ISfs(T val, T* pSrcDst, int len, int scaleFactor) {                          \
        return divc<T>(pSrcDst, val, pSrcDst, len, scaleFactor, {lo, hi, zero_first, threshold});            \
    }

VEKS_DIVC(8u, Vek8u, -15, 8, true, 4096)
VEKS_DIVC(16s, Vek16s, -30, 15, true, 4096)
VEKS_DIVC(16u, Vek16u, -31, 16, false, kSerial)

VekStatus veksDivC_16sc_Sfs(const Vek16sc* pSrc, Vek16sc val, Vek16sc* pDst, int len, int scaleFactor) {
    return divc_16sc(pSrc, val, pDst, len, scaleFactor);
}
VekStatus veksDivC_16sc_ISfs(Vek16sc val, Vek16sc* pSrcDst, int len, int scaleFactor) {
    return divc_16sc(pSrcDst, val, pSrcDst, len, scaleFactor);
}

// A zero constant saturates every non-zero element and warns; +-1 is the
// constant product.
VekStatus veksDivC_64s_ISfs(Vek64s val, Vek64s* pSrcDst, int len, int scaleFactor) {
    VEKS_CHECK(check_vec(len, pSrcDst));
    if (val == 0) {
        for (int i = 0; i < len; ++i) pSrcDst[i] = divide_by_zero<Vek64s>(pSrcDst[i]);
        return vekStsDivByZero;
    }
    if (val == 1 || val == -1) return veksMulC_64s_ISfs(val, pSrcDst, len, scaleFactor);
    for (int i = 0; i < len; ++i) pSrcDst[i] = exact_quotient<Vek64s>(pSrcDst[i], val, scaleFactor, DivRound::NearEven);
    return vekStsNoErr;
}

VekStatus veksDivCRev_16u(const Vek16u* pSrc, Vek16u val, Vek16u* pDst, int len) {
    return divcrev_16u(pSrc, val, pDst, len);
}
VekStatus veksDivCRev_16u_I(Vek16u val, Vek16u* pSrcDst, int len) { return divcrev_16u(pSrcDst, val, pSrcDst, len); }
