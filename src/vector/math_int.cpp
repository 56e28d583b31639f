// Exported integer square roots, cube root, exponentials and logarithms.
//
// Roots of values below 2^32 are rounded from one double square root: the
// distance of sqrt(x) * 2^-sf from a half-integer is then far above the
// double rounding error, so the nearest integer is exact. Wider arguments
// go through the exact 128-bit decision of math_int_round.h.
#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>
#include <limits>
#include <type_traits>

#include "core/check.h"
#include "core/fpenv.h"
#include "core/parallel.h"
#include "core/scale.h"
#include "math_float.h"
#include "math_int_round.h"
#include "veks.h"

namespace veks {
namespace {

// Nearest integer, ties to even, of |y| < 2^51 (rounding mode set by the
// caller's FpEnvGuard).
inline double round_even(double y) {
    const double m = 6755399441055744.0;
    return (y + m) - m;
}

inline int clamp_sf(int sf, int limit) { return std::clamp(sf, -limit, limit); }

// One element of a real integer square root; `neg` marks a negative input.
template <class S, class D>
struct RealSqrt {
    double scale;
    int sf;
    D operator()(S x, int& neg) const {
        if constexpr (std::is_signed_v<S>) {
            if (x < 0) {
                neg = 1;
                return D(0);
            }
        }
        if constexpr (sizeof(S) == 8)
            return static_cast<D>(root_scaled(static_cast<std::uint64_t>(x), 2, sf,
                                              std::uint64_t(std::numeric_limits<D>::max())));
        else
            return saturate<D>(std::min(round_even(std::sqrt(double(x)) * scale), 0x1p40));
    }
};

// Principal square root of a 16-bit complex element, scaled and rounded.
inline Vek16sc complex_sqrt(Vek16sc z, double scale) {
    const double a = z.re, b = z.im;
    const double mod = std::sqrt(a * a + b * b);  // exact sum below 2^31
    double re = 0, im = 0;
    if (mod != 0) {
        const double t = std::sqrt((mod + std::fabs(a)) * 0.5);
        if (a >= 0) {
            re = t;
            im = b / (2 * t);
        } else {
            re = std::fabs(b) / (2 * t);
            im = b < 0 ? -t : t;
        }
    }
    auto q = [&](double v) { return saturate<Vek16s>(std::clamp(round_even(v * scale), -0x1p40, 0x1p40)); };
    return Vek16sc{q(re), q(im)};
}

template <class S, class D>
VekStatus sqrt_int(const S* src, D* dst, int len, int sf, int threshold) {
    VEKS_CHECK(check_vec(len, src, dst));
    FpEnvGuard env;
    const RealSqrt<S, D> op{double_scale(clamp_sf(sf, 64)), sf};
    const int neg = run_split(len, threshold, kElementwiseThreadCap, [&](int at, int n) {
        int flag = 0;
        for (int i = at; i < at + n; ++i) dst[i] = op(src[i], flag);
        return flag;
    });
    return neg ? vekStsSqrtNegArg : vekStsNoErr;
}

VekStatus sqrt_16sc(const Vek16sc* src, Vek16sc* dst, int len, int sf) {
    VEKS_CHECK(check_vec(len, src, dst));
    FpEnvGuard env;
    const double scale = double_scale(clamp_sf(sf, 64));
    run_split(len, 256, kElementwiseThreadCap, [&](int at, int n) {
        for (int i = at; i < at + n; ++i) dst[i] = complex_sqrt(src[i], scale);
        return 0;
    });
    return vekStsNoErr;
}

// Cube root with the float factor built from the low seven bits of the
// scale factor (negated for negative factors).
VekStatus cubrt_32s16s(const Vek32s* src, Vek16s* dst, int len, int sf) {
    VEKS_CHECK(check_vec(len, src, dst));
    const unsigned mag = sf < 0 ? (0u - static_cast<unsigned>(sf)) & 127u : static_cast<unsigned>(sf) & 127u;
    const int m = sf < 0 ? -static_cast<int>(mag) : static_cast<int>(mag);
    for (int i = 0; i < len; ++i) {
        const std::int64_t x = src[i];
        const std::uint64_t ax = static_cast<std::uint64_t>(x < 0 ? -x : x);
        const std::uint64_t r = root_scaled(ax, 3, m, x < 0 ? 32768u : 32767u);
        dst[i] = static_cast<Vek16s>(x < 0 ? -static_cast<std::int64_t>(r) : static_cast<std::int64_t>(r));
    }
    return vekStsNoErr;
}

template <class T>
VekStatus exp_int(const T* src, T* dst, int len, int sf) {
    VEKS_CHECK(check_vec(len, src, dst));
    for (int i = 0; i < len; ++i) dst[i] = static_cast<T>(exp_scaled(src[i], sf, std::numeric_limits<T>::max()));
    return vekStsNoErr;
}

// round(ln x) from the boundaries floor(e^(k + 1/2)): the count of
// boundaries below x.
constexpr std::int32_t kLnBounds[] = {1,      4,      12,      33,       90,       244,      665,
                                      1808,   4914,   13359,   36315,    98715,    268337,   729416,
                                      1982759, 5389698, 14650719, 39824784, 108254987, 294267566, 799902177};

inline int ln_table(std::int32_t x, int bounds) {
    return static_cast<int>(std::upper_bound(kLnBounds, kLnBounds + bounds, x - 1) - kLnBounds);
}

// 10 log10 x: exact small values, then the even steps 12, 14, ... 92 whose
// upper boundaries are floor(10^((v + 1.5) / 10)), and 93 above 10^9.25.
constexpr std::int32_t kDbSmall[15] = {0, 0, 3, 5, 6, 7, 8, 8, 9, 10, 10, 10, 11, 11, 11};
constexpr std::int32_t kDbBounds[] = {
    22,       35,       56,       89,       141,      223,      354,       562,       891,       1412,
    2238,     3548,     5623,     8912,     14125,    22387,    35481,     56234,     89125,     141253,
    223872,   354813,   562341,   891250,   1412537,  2238721,  3548133,   5623413,   8912509,   14125375,
    22387211, 35481338, 56234132, 89125093, 141253754, 223872113, 354813389, 562341325, 891250938, 1412537545};

inline std::int32_t db_table(std::int32_t x) {
    if (x < 15) return kDbSmall[x];
    if (x > 1778279410) return 93;
    const auto steps = std::lower_bound(std::begin(kDbBounds), std::end(kDbBounds), x) - std::begin(kDbBounds);
    return 12 + 2 * static_cast<std::int32_t>(steps);
}

// The warning of the first zero (7) or negative (8) element.
struct LnWarning {
    VekStatus status = vekStsNoErr;
    void mark(std::int64_t x) {
        if (status == vekStsNoErr) status = x == 0 ? vekStsLnZeroArg : vekStsLnNegArg;
    }
};

enum class LogKind { Ln, Db };

// 32-bit logarithms: threshold tables for sf >= 0, the single-precision
// kernel in blocks of 256 for sf < 0.
template <LogKind kind>
VekStatus log_32s(const Vek32s* src, Vek32s* dst, int len, int sf) {
    VEKS_CHECK(check_vec(len, src, dst));
    LnWarning warn;
    constexpr std::int32_t lowest = std::numeric_limits<std::int32_t>::min();
    if (sf >= 0) {
        for (int i = 0; i < len; ++i) {
            const std::int32_t x = src[i];
            if (x <= 0) {
                warn.mark(x);
                dst[i] = lowest;
                continue;
            }
            const std::int32_t v = kind == LogKind::Ln ? ln_table(x, 21) : db_table(x);
            dst[i] = sf >= 32 ? 0 : v >> sf;
        }
        return warn.status;
    }
    FpEnvGuard env;
    const float factor = float_scale(sf) * (kind == LogKind::Db ? 4.3429446f : 1.0f);
    float x[256], y[256];
    for (int at = 0; at < len; at += 256) {
        const int n = std::min(len - at, 256);
        for (int i = 0; i < n; ++i) x[i] = static_cast<float>(src[at + i]);
        ln_32f(x, y, n);
        for (int i = 0; i < n; ++i) {
            if (src[at + i] <= 0) {
                warn.mark(src[at + i]);
                dst[at + i] = lowest;
            } else {
                const float v = std::clamp(y[i] * factor, -2147483648.0f, 2147483520.0f);
                dst[at + i] = static_cast<std::int32_t>(std::nearbyint(v));
            }
        }
    }
    return warn.status;
}

// 16-bit results: the table for 16-bit input with sf = 0, otherwise the
// double logarithm scaled, rounded to nearest even and saturated.
template <class S>
VekStatus log_to_16s(const S* src, Vek16s* dst, int len, int sf) {
    VEKS_CHECK(check_vec(len, src, dst));
    FpEnvGuard env;
    LnWarning warn;
    const bool table = sizeof(S) == 2 && sf == 0;
    const double scale = double_scale(clamp_sf(sf, 100));
    for (int i = 0; i < len; ++i) {
        const std::int32_t x = src[i];
        if (x <= 0) {
            warn.mark(x);
            dst[i] = -32768;
        } else if (table) {
            dst[i] = static_cast<Vek16s>(ln_table(x, 10));
        } else {
            dst[i] = saturate<Vek16s>(std::clamp(round_even(std::log(double(x)) * scale), -0x1p40, 0x1p40));
        }
    }
    return warn.status;
}

}  // namespace
}  // namespace veks

using namespace veks;

#define VEKS_SQRT_INT(code, T, threshold)                                                    \
    VekStatus veksSqrt_##code##_Sfs(const T* pSrc, T* pDst, int len, int scaleFactor) {     \
        return sqrt_int(pSrc, pDst, len, scaleFactor, threshold);                            \
    }                                                                                        \
    VekStatus veksSqrt_##code##_ISfs(T* pSrcDst, int len, int scaleFactor) {                 \
        return sqrt_int(pSrcDst, pSrcDst, len, scaleFactor, threshold);                      \
    }

VEKS_SQRT_INT(8u, Vek8u, 2048)
VEKS_SQRT_INT(16s, Vek16s, 2048)
VEKS_SQRT_INT(16u, Vek16u, 2048)
VEKS_SQRT_INT(64s, Vek64s, 256)

VekStatus veksSqrt_32s16s_Sfs(const Vek32s* pSrc, Vek16s* pDst, int len, int scaleFactor) {
    return sqrt_int(pSrc, pDst, len, scaleFactor, 1024);
}
VekStatus veksSqrt_64s16s_Sfs(const Vek64s* pSrc, Vek16s* pDst, int len, int scaleFactor) {
    return sqrt_int(pSrc, pDst, len, scaleFactor, 512);
}
VekStatus veksSqrt_16sc_Sfs(const Vek16sc* pSrc, Vek16sc* pDst, int len, int scaleFactor) {
    return sqrt_16sc(pSrc, pDst, len, scaleFactor);
}
VekStatus veksSqrt_16sc_ISfs(Vek16sc* pSrcDst, int len, int scaleFactor) {
    return sqrt_16sc(pSrcDst, pSrcDst, len, scaleFactor);
}

VekStatus veksCubrt_32s16s_Sfs(const Vek32s* pSrc, Vek16s* pDst, int len, int scaleFactor) {
    return cubrt_32s16s(pSrc, pDst, len, scaleFactor);
}

#define VEKS_EXP_INT(code, T)                                                                \
    VekStatus veksExp_##code##_Sfs(const T* pSrc, T* pDst, int len, int scaleFactor) {      \
        return exp_int(pSrc, pDst, len, scaleFactor);                                        \
    }                                                                                        \
    VekStatus veksExp_##code##_ISfs(T* pSrcDst, int len, int scaleFactor) {                  \
        return exp_int(pSrcDst, pSrcDst, len, scaleFactor);                                  \
    }

VEKS_EXP_INT(16s, Vek16s)
VEKS_EXP_INT(32s, Vek32s)
VEKS_EXP_INT(64s, Vek64s)

VekStatus veksLn_32s_Sfs(const Vek32s* pSrc, Vek32s* pDst, int len, int scaleFactor) {
    return log_32s<LogKind::Ln>(pSrc, pDst, len, scaleFactor);
}
VekStatus veksLn_32s_ISfs(Vek32s* pSrcDst, int len, int scaleFactor) {
    return log_32s<LogKind::Ln>(pSrcDst, pSrcDst, len, scaleFactor);
}
VekStatus veks10Log10_32s_Sfs(const Vek32s* pSrc, Vek32s* pDst, int len, int scaleFactor) {
    return log_32s<LogKind::Db>(pSrc, pDst, len, scaleFactor);
}
VekStatus veks10Log10_32s_ISfs(Vek32s* pSrcDst, int len, int scaleFactor) {
    return log_32s<LogKind::Db>(pSrcDst, pSrcDst, len, scaleFactor);
}
VekStatus veksLn_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, int len, int scaleFactor) {
    return log_to_16s(pSrc, pDst, len, scaleFactor);
}
VekStatus veksLn_16s_ISfs(Vek16s* pSrcDst, int len, int scaleFactor) {
    return log_to_16s(pSrcDst, pSrcDst, len, scaleFactor);
}
VekStatus veksLn_32s16s_Sfs(const Vek32s* pSrc, Vek16s* pDst, int len, int scaleFactor) {
    return log_to_16s(pSrc, pDst, len, scaleFactor);
}
