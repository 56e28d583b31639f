// Exported window functions: one line per window and type code.
#include <algorithm>
#include <cmath>
#include <cstdint>
#include <type_traits>

#include "core/check.h"
#include "core/scale.h"
#include "veks.h"
#include "window_kernels.h"

namespace veks {
namespace {

// Element type -> the part type the kernels run on and parts per element.
template <class T> struct Parts;
template <> struct Parts<Vek16s> { using P = std::int16_t; static constexpr int ch = 1; };
template <> struct Parts<Vek16sc> { using P = std::int16_t; static constexpr int ch = 2; };
template <> struct Parts<Vek32f> { using P = float; static constexpr int ch = 1; };
template <> struct Parts<Vek32fc> { using P = float; static constexpr int ch = 2; };
template <> struct Parts<Vek64f> { using P = double; static constexpr int ch = 1; };
template <> struct Parts<Vek64fc> { using P = double; static constexpr int ch = 2; };

template <class T>
VekStatus run(const WindowShape& w, const T* src, T* dst, double scale = 1.0) {
    using P = typename Parts<T>::P;
    const P* s = reinterpret_cast<const P*>(src);
    P* d = reinterpret_cast<P*>(dst);
    if constexpr (std::is_same_v<P, std::int16_t>)
        apply_window(w, s, d, Parts<T>::ch, scale);
    else
        apply_window(w, s, d, Parts<T>::ch);
    return vekStsNoErr;
}

// Bartlett, Hann, Hamming, Blackman (any alpha) and BlackmanStd.
template <class T>
VekStatus cosine_window(WinKind kind, const T* src, T* dst, int len, double alpha = 0.0) {
    VEKS_CHECK(check_ptrs(src, dst));
    VEKS_CHECK(check_len(len, 3));
    return run(WindowShape{kind, len, alpha}, src, dst);
}

// The length test comes before the pointer test here.
template <class T>
VekStatus blackman_opt(const T* src, T* dst, int len) {
    VEKS_CHECK(check_len(len, 4));
    VEKS_CHECK(check_ptrs(src, dst));
    return run(WindowShape{WinKind::Blackman, len, blackman_opt_alpha(len)}, src, dst);
}

// Single-precision members refuse |alpha|*(len-1)/2 above 38, the others
// above 308 (where I0 would overflow their range).
template <class T>
VekStatus kaiser(const T* src, T* dst, int len, double alpha, double limit) {
    VEKS_CHECK(check_ptrs(src, dst));
    VEKS_CHECK(check_len(len));
    VEKS_CHECK(check_param(std::fabs(alpha) * (len - 1) / 2.0 > limit, vekStsHugeWinErr));
    return run(WindowShape{WinKind::Kaiser, len, alpha}, src, dst);
}

constexpr double kBlackmanStdAlpha = -0.16;
inline double q15(int alphaQ15) { return alphaQ15 * (1.0 / 32768.0); }
template <class T> constexpr double kaiser_limit() { return std::is_same_v<T, Vek32f> || std::is_same_v<T, Vek32fc> ? 38.0 : 308.0; }

}  // namespace
}  // namespace veks

using namespace veks;

#define VEKS_WIN_PLAIN(name, kind, alpha, code, T)                                                   \
    VekStatus veksWin##name##_##code(const T* pSrc, T* pDst, int len) {                              \
        return cosine_window(kind, pSrc, pDst, len, alpha);                                          \
    }                                                                                                \
    VekStatus veksWin##name##_##code##_I(T* pSrcDst, int len) {                                      \
        return cosine_window(kind, pSrcDst, pSrcDst, len, alpha);                                    \
    }
#define VEKS_WIN_TYPED(code, T, A)                                                                   \
    VEKS_WIN_PLAIN(Bartlett, WinKind::Bartlett, 0.0, code, T)                                        \
    VEKS_WIN_PLAIN(Hann, WinKind::Hann, 0.0, code, T)                                                \
    VEKS_WIN_PLAIN(Hamming, WinKind::Hamming, 0.0, code, T)                                          \
    VEKS_WIN_PLAIN(BlackmanStd, WinKind::Blackman, kBlackmanStdAlpha, code, T)                       \
    VekStatus veksWinBlackmanOpt_##code(const T* pSrc, T* pDst, int len) {                           \
        return blackman_opt(pSrc, pDst, len);                                                        \
    }                                                                                                \
    VekStatus veksWinBlackmanOpt_##code##_I(T* pSrcDst, int len) { return blackman_opt(pSrcDst, pSrcDst, len); } \
    VekStatus veksWinBlackman_##code(const T* pSrc, T* pDst, int len, A alpha) {                     \
        return cosine_window(WinKind::Blackman, pSrc, pDst, len, alpha);                             \
    }                                                                                                \
    VekStatus veksWinBlackman_##code##_I(T* pSrcDst, int len, A alpha) {                             \
        return cosine_window(WinKind::Blackman, pSrcDst, pSrcDst, len, alpha);                       \
    }                                                                                                \
    VekStatus veksWinKaiser_##code(const T* pSrc, T* pDst, int len, A alpha) {                       \
        return kaiser(pSrc, pDst, len, alpha, kaiser_limit<T>());                                    \
    }                                                                                                \
    VekStatus veksWinKaiser_##code##_I(T* pSrcDst, int len, A alpha) {                               \
        return kaiser(pSrcDst, pSrcDst, len, alpha, kaiser_limit<T>());                              \
    }

VEKS_WIN_TYPED(16s, Vek16s, Vek32f)
VEKS_WIN_TYPED(16sc, Vek16sc, Vek32f)
VEKS_WIN_TYPED(32f, Vek32f, Vek32f)
VEKS_WIN_TYPED(32fc, Vek32fc, Vek32f)
VEKS_WIN_TYPED(64f, Vek64f, Vek64f)
VEKS_WIN_TYPED(64fc, Vek64fc, Vek64f)

#define VEKS_WIN_Q15(code, T)                                                                        \
    VekStatus veksWinBlackmanQ15_##code(const T* pSrc, T* pDst, int len, int alphaQ15) {             \
        return cosine_window(WinKind::Blackman, pSrc, pDst, len, q15(alphaQ15));                     \
    }                                                                                                \
    VekStatus veksWinBlackmanQ15_##code##_I(T* pSrcDst, int len, int alphaQ15) {                     \
        return cosine_window(WinKind::Blackman, pSrcDst, pSrcDst, len, q15(alphaQ15));               \
    }                                                                                                \
    VekStatus veksWinKaiserQ15_##code(const T* pSrc, T* pDst, int len, int alphaQ15) {               \
        return kaiser(pSrc, pDst, len, q15(alphaQ15), 308.0);                                        \
    }                                                                                                \
    VekStatus veksWinKaiserQ15_##code##_I(T* pSrcDst, int len, int alphaQ15) {                       \
        return kaiser(pSrcDst, pSrcDst, len, q15(alphaQ15), 308.0);                                  \
    }

VEKS_WIN_Q15(16s, Vek16s)
VEKS_WIN_Q15(16sc, Vek16sc)

VekStatus veksWinBlackmanQ15_16s_ISfs(Vek16s* pSrcDst, int len, int alphaQ15, int scaleFactor) {
    VEKS_CHECK(check_ptrs(pSrcDst));
    VEKS_CHECK(check_len(len, 3));
    return run(WindowShape{WinKind::Blackman, len, q15(alphaQ15)}, pSrcDst, pSrcDst,
               std::ldexp(1.0, -std::max(-2000, std::min(2000, scaleFactor))));
}
