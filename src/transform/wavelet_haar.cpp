// Exported Haar wavelet pair transforms (one level, stateless).
//
// Floating forms: high = (b - a) / 2, low = a + high. Integer forms round
// (a + b) / 2 and (b - a) / 2 to nearest with ties to even without a wider
// type, from the halves and a table of the low two bits; the scaled forms
// apply the shared rounding rule to the exact sums.
#include <algorithm>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "core/check.h"
#include "core/scale.h"
#include "veks.h"

namespace veks {
namespace {

constexpr int kHaarLow[16] = {0, 0, 0, 1, 0, 1, 1, 1, 0, 1, 0, 0, 1, 1, 0, 1};
constexpr int kHaarHigh[16] = {0, 0, 0, 1, 0, 0, -1, 0, 0, 1, 0, 0, -1, 0, 0, 0};

inline int clamp_sf(long long sf) { return static_cast<int>(std::clamp(sf, -300LL, 300LL)); }

template <class T>
void haar_pair(T a, T b, T& low, T& high) {
    if constexpr (std::is_floating_point_v<T>) {
        high = (b - a) * T(0.5);
        low = a + high;
    } else {
        using U = std::make_unsigned_t<T>;
        const int idx = 4 * int(U(a) & 3u) + int(U(b) & 3u);
        const T ha = static_cast<T>(a >> 1), hb = static_cast<T>(b >> 1);
        // (b >> 1) - (a >> 1) only reaches the maximum when high rounds to it.
        const auto diff = static_cast<long long>(hb) - static_cast<long long>(ha);
        if (diff == static_cast<long long>(std::numeric_limits<T>::max())) {
            low = 0;
            high = std::numeric_limits<T>::max();
            return;
        }
        low = static_cast<T>(hb + ha + kHaarLow[idx]);
        high = static_cast<T>(hb - ha + kHaarHigh[idx]);
    }
}

template <class T>
VekStatus haar_fwd(const T* src, int len, T* low, T* high) {
    VEKS_CHECK(check_vec(len, src, low, high));
    const int pairs = len / 2;
    for (int i = 0; i < pairs; ++i) haar_pair(src[2 * i], src[2 * i + 1], low[i], high[i]);
    if (len & 1) low[pairs] = src[len - 1];
    return vekStsNoErr;
}

template <class T>
VekStatus haar_inv(const T* low, const T* high, T* dst, int len) {
    VEKS_CHECK(check_vec(len, low, high, dst));
    const int pairs = len / 2;
    for (int i = 0; i < pairs; ++i) {
        if constexpr (std::is_floating_point_v<T>) {
            dst[2 * i] = low[i] - high[i];
            dst[2 * i + 1] = low[i] + high[i];
        } else {
            const __int128 l = low[i], h = high[i];
            dst[2 * i] = saturate<T>(l - h);
            dst[2 * i + 1] = saturate<T>(l + h);
        }
    }
    if (len & 1) dst[len - 1] = low[pairs];
    return vekStsNoErr;
}

template <class T>
VekStatus haar_fwd_sfs(const T* src, int len, T* low, T* high, int sf) {
    if (sf == 0) return haar_fwd(src, len, low, high);
    VEKS_CHECK(check_vec(len, src, low, high));
    const int half = clamp_sf(static_cast<long long>(sf) + 1), whole = clamp_sf(sf);
    const int pairs = len / 2;
    for (int i = 0; i < pairs; ++i) {
        const __int128 a = src[2 * i], b = src[2 * i + 1];
        low[i] = scale_exact<T>(a + b, half);
        high[i] = scale_exact<T>(b - a, half);
    }
    if (len & 1) low[pairs] = scale_exact<T>(src[len - 1], whole);
    return vekStsNoErr;
}

template <class T>
VekStatus haar_inv_sfs(const T* low, const T* high, T* dst, int len, int sf) {
    if (sf == 0) return haar_inv(low, high, dst, len);
    VEKS_CHECK(check_vec(len, low, high, dst));
    const int s = clamp_sf(sf);
    const int pairs = len / 2;
    for (int i = 0; i < pairs; ++i) {
        const __int128 l = low[i], h = high[i];
        dst[2 * i] = scale_exact<T>(l - h, s);
        dst[2 * i + 1] = scale_exact<T>(l + h, s);
    }
    if (len & 1) dst[len - 1] = scale_exact<T>(low[pairs], s);
    return vekStsNoErr;
}

}  // namespace
}  // namespace veks

using namespace veks;

#define VEKS_HAAR(code, T)                                                                     \
    VekStatus veksWTHaarFwd_##code(const T* pSrc, int len, T* pDstLow, T* pDstHigh) {         \
        return haar_fwd(pSrc, len, pDstLow, pDstHigh);                                         \
    }                                                                                          \
    VekStatus veksWTHaarInv_##code(const T* pSrcLow, const T* pSrcHigh, T* pDst, int len) {   \
        return haar_inv(pSrcLow, pSrcHigh, pDst, len);                                         \
    }
#define VEKS_HAAR_SFS(code, T)                                                                 \
    VEKS_HAAR(code, T)                                                                         \
    VekStatus veksWTHaarFwd_##code##_Sfs(const T* pSrc, int len, T* pDstLow, T* pDstHigh, int scaleFactor) { \
        return haar_fwd_sfs(pSrc, len, pDstLow, pDstHigh, scaleFactor);                        \
    }                                                                                          \
    VekStatus veksWTHaarInv_##code##_Sfs(const T* pSrcLow, const T* pSrcHigh, T* pDst, int len, int scaleFactor) { \
        return haar_inv_sfs(pSrcLow, pSrcHigh, pDst, len, scaleFactor);                        \
    }

VEKS_HAAR(32f, Vek32f)
VEKS_HAAR(64f, Vek64f)
VEKS_HAAR_SFS(8s, Vek8s)
VEKS_HAAR_SFS(16s, Vek16s)
VEKS_HAAR_SFS(32s, Vek32s)
VEKS_HAAR_SFS(64s, Vek64s)
