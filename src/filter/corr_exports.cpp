// Exported cross-correlation and autocorrelation with its normalisations.
#include <algorithm>
#include <cmath>
#include <cstdint>

#include "conv_route.h"
#include "core/check.h"
#include "round_sat.h"

namespace veks {
namespace {

using c32 = Cx<float>;
using c64 = Cx<double>;

// The correlation goes by FFT when trunc(lags * min / max) exceeds these.
template <class T> constexpr int cross_fft_above() { return std::is_same_v<T, double> ? 511 : is_cx<T>::value ? 255 : 383; }
template <class T>
bool cross_by_fft(int cnt, int na, int nb) {
    return std::int64_t(cnt) * std::min(na, nb) / std::max(na, nb) > cross_fft_above<T>();
}
// The autocorrelation from these many lags on.
template <class T> constexpr int auto_fft_from() {
    return std::is_same_v<T, Cx<float>> ? 152 : std::is_same_v<T, Cx<double>> ? 368 : 856;
}

// Outputs whose lag lies outside [-(na - 1), nb - 1] are zero and are
// written first; the rest go to the direct or FFT route.
template <class T, class O, class Route>
VekStatus cross(const T* a, int na, const T* b, int nb, O* dst, int dstLen, int lowLag, Route&& route) {
    const std::int64_t lo = -(std::int64_t(na) - 1), hi = std::int64_t(nb) - 1;
    const std::int64_t n0 = std::max<std::int64_t>(0, lo - lowLag);
    const std::int64_t n1 = std::min<std::int64_t>(dstLen - 1, hi - lowLag);
    if (n0 > n1) {
        std::fill(dst, dst + dstLen, O(0));
        return vekStsNoErr;
    }
    std::fill(dst, dst + n0, O(0));
    std::fill(dst + n1 + 1, dst + dstLen, O(0));
    return route(dst + n0, int(lowLag + n0), int(n1 - n0 + 1));
}

template <class P, class T>
VekStatus cross_corr(const P* a, int na, const P* b, int nb, P* dst, int dstLen, int lowLag) {
    VEKS_CHECK(check_ptrs(a, b, dst));
    VEKS_CHECK(check_param(na < 1 || nb < 1 || dstLen < 1, vekStsSizeErr));
    const T* ta = reinterpret_cast<const T*>(a);
    const T* tb = reinterpret_cast<const T*>(b);
    return cross(ta, na, tb, nb, reinterpret_cast<T*>(dst), dstLen, lowLag, [&](T* out, int t0, int cnt) {
        return corr_any(ta, na, tb, nb, out, t0, cnt, cross_by_fft<T>(cnt, na, nb));
    });
}

// 16-bit data computed in single precision; a work area holds both inputs
// as floats and the float result.
struct Float16Work {
    WorkBuffer buf;
    float* a = nullptr;
    float* b = nullptr;
    float* out = nullptr;
    bool make(const Vek16s* sa, int na, const Vek16s* sb, int nb, int nout) {
        if (!buf.acquire(sizeof(float) * (std::size_t(na) + (sb ? std::size_t(nb) : 0) + std::size_t(nout)))) return false;
        a = buf.as<float>();
        b = sb ? a + na : a;
        out = a + na + (sb ? nb : 0);
        std::copy(sa, sa + na, a);
        if (sb) std::copy(sb, sb + nb, b);
        return true;
    }
};

inline double scale_of(int sf) { return std::ldexp(1.0, -std::max(-2100, std::min(2100, sf))); }

VekStatus cross_corr16(const Vek16s* a, int na, const Vek16s* b, int nb, Vek16s* dst, int dstLen, int lowLag, int sf) {
    VEKS_CHECK(check_ptrs(a, b, dst));
    VEKS_CHECK(check_param(na < 1 || nb < 1 || dstLen < 1, vekStsSizeErr));
    Float16Work w;
    if (!w.make(a, na, b, nb, dstLen)) return vekStsMemAllocErr;
    VEKS_CHECK(cross(w.a, na, w.b, nb, w.out, dstLen, lowLag, [&](float* out, int t0, int cnt) {
        return corr_any(w.a, na, w.b, nb, out, t0, cnt, cross_by_fft<float>(cnt, na, nb));
    }));
    const double scale = scale_of(sf);
    for (int i = 0; i < dstLen; ++i) dst[i] = round_sat<Vek16s>(double(w.out[i]) * scale);
    return vekStsNoErr;
}

enum class Norm { None, A, B };

// Lag m outputs of the autocorrelation, then zeros; normalised in T.
template <class T>
VekStatus auto_corr_t(const T* src, int n, T* dst, int dstLen, Norm norm) {
    const int m = std::min(n, dstLen);
    using R = real_t<T>;
    // Every allocation comes before the first write to dst, so a failing
    // one leaves the destination untouched.
    WorkBuffer div;
    if (norm == Norm::B && !div.acquire(sizeof(R) * std::size_t(m))) return vekStsMemAllocErr;
    if (m >= auto_fft_from<T>()) VEKS_CHECK(auto_corr_fft(src, n, dst, m));
    else VEKS_CHECK(corr_any(src, n, src, n, dst, 0, m, false));
    std::fill(dst + m, dst + dstLen, T(0));
    if (norm == Norm::A) {
        const R r = R(1) / R(n);
        for (int i = 0; i < m; ++i) dst[i] = r * dst[i];
    } else if (norm == Norm::B) {
        R* d = div.as<R>();
        for (int i = 0; i < m; ++i) d[i] = R(n - i);
        for (int i = 0; i < m; ++i) {
            if constexpr (is_cx<T>::value) dst[i] = T(dst[i].re / d[i], dst[i].im / d[i]);
            else dst[i] = dst[i] / d[i];
        }
    }
    return vekStsNoErr;
}

template <class P, class T>
VekStatus auto_corr(const P* src, int n, P* dst, int dstLen, Norm norm) {
    VEKS_CHECK(check_ptrs(src, dst));
    VEKS_CHECK(check_param(n < 1 || dstLen < 1, vekStsSizeErr));
    return auto_corr_t(reinterpret_cast<const T*>(src), n, reinterpret_cast<T*>(dst), dstLen, norm);
}

VekStatus auto_corr16(const Vek16s* src, int n, Vek16s* dst, int dstLen, int sf, Norm norm) {
    VEKS_CHECK(check_ptrs(src, dst));
    VEKS_CHECK(check_param(n < 1 || dstLen < 1, vekStsSizeErr));
    Float16Work w;
    if (!w.make(src, n, nullptr, 0, dstLen)) return vekStsMemAllocErr;
    VEKS_CHECK(auto_corr_t(w.a, n, w.out, dstLen, norm));
    const double scale = scale_of(sf);
    for (int i = 0; i < dstLen; ++i) dst[i] = round_sat<Vek16s>(double(w.out[i]) * scale);
    return vekStsNoErr;
}

}  // namespace
}  // namespace veks

using namespace veks;

#define VEKS_CROSS(code, P, T)                                                                         \
    VekStatus veksCrossCorr_##code(const P* pSrc1, int src1Len, const P* pSrc2, int src2Len, P* pDst,  \
                                   int dstLen, int lowLag) {                                           \
        return cross_corr<P, T>(pSrc1, src1Len, pSrc2, src2Len, pDst, dstLen, lowLag);                 \
    }
#define VEKS_AUTO(code, P, T)                                                                          \
    VekStatus veksAutoCorr_##code(const P* pSrc, int srcLen, P* pDst, int dstLen) {                    \
        return auto_corr<P, T>(pSrc, srcLen, pDst, dstLen, Norm::None);                                \
    }                                                                                                  \
    VekStatus veksAutoCorr_NormA_##code(const P* pSrc, int srcLen, P* pDst, int dstLen) {              \
        return auto_corr<P, T>(pSrc, srcLen, pDst, dstLen, Norm::A);                                   \
    }                                                                                                  \
    VekStatus veksAutoCorr_NormB_##code(const P* pSrc, int srcLen, P* pDst, int dstLen) {              \
        return auto_corr<P, T>(pSrc, srcLen, pDst, dstLen, Norm::B);                                   \
    }

VEKS_CROSS(32f, Vek32f, float)
VEKS_CROSS(64f, Vek64f, double)
VEKS_CROSS(32fc, Vek32fc, c32)
VEKS_CROSS(64fc, Vek64fc, c64)
VEKS_AUTO(32f, Vek32f, float)
VEKS_AUTO(64f, Vek64f, double)
VEKS_AUTO(32fc, Vek32fc, c32)
VEKS_AUTO(64fc, Vek64fc, c64)

VekStatus veksCrossCorr_16s_Sfs(const Vek16s* pSrc1, int src1Len, const Vek16s* pSrc2, int src2Len, Vek16s* pDst,
                                int dstLen, int lowLag, int scaleFactor) {
    return cross_corr16(pSrc1, src1Len, pSrc2, src2Len, pDst, dstLen, lowLag, scaleFactor);
}

// Exact 64-bit sums, always direct.
VekStatus veksCrossCorr_16s64s(const Vek16s* pSrc1, int src1Len, const Vek16s* pSrc2, int src2Len, Vek64s* pDst,
                               int dstLen, int lowLag) {
    VEKS_CHECK(check_ptrs(pSrc1, pSrc2, pDst));
    VEKS_CHECK(check_param(src1Len < 1 || src2Len < 1 || dstLen < 1, vekStsSizeErr));
    return cross(pSrc1, src1Len, pSrc2, src2Len, reinterpret_cast<std::int64_t*>(pDst), dstLen, lowLag,
                 [&](std::int64_t* out, int t0, int cnt) {
                     return corr_direct(pSrc1, src1Len, pSrc2, src2Len, out, t0, cnt);
                 });
}

VekStatus veksAutoCorr_16s_Sfs(const Vek16s* pSrc, int srcLen, Vek16s* pDst, int dstLen, int scaleFactor) {
    return auto_corr16(pSrc, srcLen, pDst, dstLen, scaleFactor, Norm::None);
}
VekStatus veksAutoCorr_NormA_16s_Sfs(const Vek16s* pSrc, int srcLen, Vek16s* pDst, int dstLen, int scaleFactor) {
    return auto_corr16(pSrc, srcLen, pDst, dstLen, scaleFactor, Norm::A);
}
VekStatus veksAutoCorr_NormB_16s_Sfs(const Vek16s* pSrc, int srcLen, Vek16s* pDst, int dstLen, int scaleFactor) {
    return auto_corr16(pSrc, srcLen, pDst, dstLen, scaleFactor, Norm::B);
}
