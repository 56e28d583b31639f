// Exported type conversions. Each family of conversions is one template
// over its element types; the public names below bind one line each.
#include <cmath>
#include <cstdint>

#include "convert_kernels.h"
#include "convert_rules.h"
#include "core/check.h"
#include "core/fpenv.h"
#include "core/int24.h"
#include "half_float.h"
#include "veks.h"
#include "wide_table.h"

namespace veks {
namespace conv {
namespace {

// 24-bit vectors are byte arrays; these views give them element access.
struct S24 {
    static std::int64_t get(const Vek24s* p, std::ptrdiff_t i) { return load_s24(p, i); }
};
struct U24 {
    static std::int64_t get(const Vek24u* p, std::ptrdiff_t i) { return load_u24(p, i); }
};

// ---- exact and nearest-value conversions --------------------------------

// dst[i] = D(src[i]) with the rounding direction at nearest (only the
// 32s32f, 64s64f and 64f32f instances ever round).
template <class S, class D>
VekStatus convert_plain(const S* src, D* dst, int len) {
    VEKS_CHECK(check_vec(len, src, dst));
    FpEnvGuard env(Rounding::Nearest);
    convert_loop(src, dst, len, [](S x) { return static_cast<D>(x); });
    return vekStsNoErr;
}

template <>
VekStatus convert_plain<Vek16s, Vek32f>(const Vek16s* src, Vek32f* dst, int len) {
    VEKS_CHECK(check_vec(len, src, dst));
    if (const WideKernels* w = wide_kernels()) w->cvt_16s32f(src, dst, len, false, 1.0f);
    else convert_sweep(src, dst, len, [](Vek16s x) { return float(x); }, Block16s32f<false>{_mm_setzero_ps()});
    return vekStsNoErr;
}

template <>
VekStatus convert_plain<Vek8u, Vek32f>(const Vek8u* src, Vek32f* dst, int len) {
    VEKS_CHECK(check_vec(len, src, dst));
    if (const WideKernels* w = wide_kernels()) w->cvt_8u32f(src, dst, len);
    else convert_sweep(src, dst, len, [](Vek8u x) { return float(x); }, Block8u32f{});
    return vekStsNoErr;
}

template <>
VekStatus convert_plain<Vek8s, Vek32f>(const Vek8s* src, Vek32f* dst, int len) {
    VEKS_CHECK(check_vec(len, src, dst));
    convert_sweep(src, dst, len, [](Vek8s x) { return float(x); }, Block8s32f{});
    return vekStsNoErr;
}

VekStatus convert_32s16s(const Vek32s* src, Vek16s* dst, int len) {
    VEKS_CHECK(check_vec(len, src, dst));
    convert_loop(src, dst, len, [](Vek32s x) { return Vek16s(x < -32768 ? -32768 : x > 32767 ? 32767 : x); });
    return vekStsNoErr;
}

// 24-bit sources to 32-bit integers or singles (all exact).
template <class View, class S, class D>
VekStatus convert_from24(const S* src, D* dst, int len) {
    VEKS_CHECK(check_vec(len, src, dst));
    for (int i = 0; i < len; ++i) dst[i] = static_cast<D>(View::get(src, i));
    return vekStsNoErr;
}

// ---- integer to floating point with a scale factor ----------------------

template <class S, class D>
VekStatus int_to_float_sfs(const S* src, D* dst, int len, int sf, int sf_lo, int sf_hi) {
    VEKS_CHECK(check_vec(len, src, dst));
    sf = clamp_sf(sf, sf_lo, sf_hi);
    FpEnvGuard env(Rounding::Nearest);
    if constexpr (sizeof(D) == 4) {
        const float m = field_scale_32f(sf);
        if constexpr (std::is_same_v<S, Vek16s>) {
            if (const WideKernels* w = wide_kernels()) w->cvt_16s32f(src, dst, len, true, m);
            else convert_sweep(src, dst, len, [m](Vek16s x) { return float(x) * m; }, Block16s32f<true>{_mm_set1_ps(m)});
        } else {
            convert_loop(src, dst, len, [m](S x) { return float(x) * m; });
        }
    } else {
        const double m = field_scale_64f(sf);
        convert_loop(src, dst, len, [m](S x) { return double(x) * m; });
    }
    return vekStsNoErr;
}

// ---- integer to narrower integer ----------------------------------------

template <class S, class D>
void store_int(D* dst, std::ptrdiff_t i, std::int64_t v) {
    if constexpr (std::is_same_v<D, Vek24s> || std::is_same_v<D, Vek24u>)
        store_24(dst, i, std::uint32_t(v));
    else
        dst[i] = static_cast<D>(v);
}

template <class S, class D>
VekStatus int_narrow_sfs(const S* src, D* dst, int len, Rnd mode, int sf, Range r) {
    VEKS_CHECK(check_vec(len, src, dst));
    for (int i = 0; i < len; ++i) store_int<S>(dst, i, scale_int(std::int64_t(src[i]), sf, mode, r));
    return vekStsNoErr;
}

// ---- floating point to integer ------------------------------------------

inline Rounding direction_of(Rnd mode) { return mode == Rnd::Zero ? Rounding::Zero : Rounding::Nearest; }

// The wide kernels of the 8u and 16s destinations, or false for the others.
template <class D>
bool run_32f_int_wide(Rnd mode, bool scaled, const float* src, D* dst, int len, float m) {
    const WideKernels* w = wide_kernels();
    if (!w) return false;
    const WideRnd wm = mode == Rnd::Fin ? WideRnd::HalfAway : WideRnd::Current;
    if constexpr (std::is_same_v<D, Vek16s>) w->cvt_32f16s(wm, src, dst, len, scaled, m);
    else if constexpr (std::is_same_v<D, Vek8u>) w->cvt_32f8u(wm, src, dst, len, scaled, m);
    else return false;
    return true;
}

template <class D, Rnd Mode, bool Scaled>
void run_32f_int(const float* src, D* dst, int len, float m, Range r) {
    if (run_32f_int_wide(Mode, Scaled, src, dst, len, m)) return;
    auto scalar = [m, r](float x) {
        const float v = Scaled ? x * m : x;
        return static_cast<D>(Mode == Rnd::Fin ? to_int_fin(v, r) : to_int_mxcsr(v, r));
    };
    convert_sweep(src, dst, len, scalar, Block32fInt<D, Mode, Scaled>(m, r));
}

template <class D>
VekStatus float32_to_int(const Vek32f* src, D* dst, int len, int rnd, int sf) {
    VEKS_CHECK(check_vec(len, src, dst));
    const Rnd mode = rnd_of(rnd);
    const Range r = range_of<D>();
    FpEnvGuard env(direction_of(mode));
    if (mode == Rnd::Fin) {
        run_32f_int<D, Rnd::Fin, true>(src, dst, len, repeated_scale<float>(sf), r);
    } else if (sf == 0) {
        if (mode == Rnd::Zero) run_32f_int<D, Rnd::Zero, false>(src, dst, len, 1.0f, r);
        else run_32f_int<D, Rnd::Near, false>(src, dst, len, 1.0f, r);
    } else {
        const float m = field_scale_32f(sf);
        if (mode == Rnd::Zero) run_32f_int<D, Rnd::Zero, true>(src, dst, len, m, r);
        else run_32f_int<D, Rnd::Near, true>(src, dst, len, m, r);
    }
    return vekStsNoErr;
}

// Double sources. The 16-bit destination clamps the scaled value to its
// range before converting, in every mode, so NaN gives the maximum.
template <class D>
VekStatus float64_to_int(const Vek64f* src, D* dst, int len, int rnd, int sf) {
    VEKS_CHECK(check_vec(len, src, dst));
    const Rnd mode = rnd_of(rnd);
    const Range r = range_of<D>();
    FpEnvGuard env(direction_of(mode));
    const double m = mode == Rnd::Fin ? repeated_scale<double>(sf) : field_scale_64f(sf);
    const bool scaled = mode == Rnd::Fin || sf != 0;
    for (int i = 0; i < len; ++i) {
        double v = scaled ? src[i] * m : src[i];
        if constexpr (sizeof(D) == 2) {
            if (!(v < 32767.0)) v = 32767.0;
            if (v < -32768.0) v = -32768.0;
        }
        dst[i] = static_cast<D>(mode == Rnd::Fin ? to_int_fin(v, r) : to_int_mxcsr(v, r));
    }
    return vekStsNoErr;
}

VekStatus float64_to_int64(const Vek64f* src, Vek64s* dst, int len, int rnd, int sf) {
    VEKS_CHECK(check_vec(len, src, dst));
    const Rnd mode = rnd_of(rnd);
    FpEnvGuard env(Rounding::Nearest);
    const double m = std::ldexp(1.0, -clamp_sf(sf, -2100, 2100));  // exact, 0 or inf past the range
    const double overflow_at = std::numeric_limits<double>::max() / m;
    for (int i = 0; i < len; ++i) dst[i] = to_int64(src[i], m, overflow_at, mode);
    return vekStsNoErr;
}

// Singles to 24-bit: clamp to the range (lower bound first, so NaN takes
// the minimum), then round half to even.
template <class D>
VekStatus float32_to_24(const Vek32f* src, D* dst, int len, int sf, Range r) {
    VEKS_CHECK(check_vec(len, src, dst));
    const float m = field_scale_32f(clamp_sf(sf, -127, 127));
    const float lo = float(r.lo), hi = float(r.hi);
    FpEnvGuard env(Rounding::Nearest);
    for (int i = 0; i < len; ++i) {
        float v = src[i] * m;
        if (!(v >= lo)) v = lo;
        if (v > hi) v = hi;
        store_24(dst, i, std::uint32_t(cvt_mxcsr(v)));
    }
    return vekStsNoErr;
}

// ---- half precision -------------------------------------------------------

// The half-precision forms take rndMode 0 or 1; 2 is refused and any other
// value truncates.
inline VekStatus check_half_mode(int rnd) { return check_param(rnd == 2, vekStsRoundModeErr); }

// Eight source elements as two groups of four singles.
inline void load8(const float* s, __m128& lo, __m128& hi) {
    lo = _mm_loadu_ps(s);
    hi = _mm_loadu_ps(s + 4);
}
inline void load8(const Vek16s* s, __m128& lo, __m128& hi) {
    const __m128i x = loadu_i(s);
    lo = _mm_cvtepi32_ps(_mm_srai_epi32(_mm_unpacklo_epi16(x, x), 16));
    hi = _mm_cvtepi32_ps(_mm_srai_epi32(_mm_unpackhi_epi16(x, x), 16));
}

template <bool Nearest, class S>
void run_to_half(const S* src, Vek16f* dst, int len) {
    convert_sweep(src, dst, len, [](S x) { return half::from_float(float(x), Nearest); },
                  [](const S* s, Vek16f* d) {
                      for (int k = 0; k < 16; k += 8) {
                          __m128 lo, hi;
                          load8(s + k, lo, hi);
                          storeu_i(d + k, half::from_float8<Nearest>(lo, hi));
                      }
                  });
}

template <class S>
VekStatus to_half(const S* src, Vek16f* dst, int len, int rnd) {
    VEKS_CHECK(check_vec(len, src, dst));
    VEKS_CHECK(check_half_mode(rnd));
    // The vector kernel rounds subnormal results with the processor.
    FpEnvGuard env(rnd == 1 ? Rounding::Nearest : Rounding::Zero);
    if (rnd == 1) run_to_half<true>(src, dst, len);
    else run_to_half<false>(src, dst, len);
    return vekStsNoErr;
}

VekStatus half_to_float(const Vek16f* src, Vek32f* dst, int len) {
    VEKS_CHECK(check_vec(len, src, dst));
    convert_sweep(src, dst, len, [](Vek16f h) { return half::to_float(h); }, [](const Vek16f* s, float* d) {
        const __m128i z = _mm_setzero_si128();
        for (int k = 0; k < 16; k += 8) {
            const __m128i x = loadu_i(s + k);
            _mm_storeu_ps(d + k, half::to_float4(_mm_unpacklo_epi16(x, z)));
            _mm_storeu_ps(d + k + 4, half::to_float4(_mm_unpackhi_epi16(x, z)));
        }
    });
    return vekStsNoErr;
}

VekStatus half_to_16s(const Vek16f* src, Vek16s* dst, int len, int rnd, int sf) {
    VEKS_CHECK(check_vec(len, src, dst));
    VEKS_CHECK(check_half_mode(rnd));
    // Past +-100 every half value either rounds to 0 or saturates.
    const double m = field_scale_64f(clamp_sf(sf, -100, 100));
    FpEnvGuard env(rnd == 1 ? Rounding::Nearest : Rounding::Zero);
    for (int i = 0; i < len; ++i) {
        const float f = half::to_float(src[i]);
        if (f != f) {
            dst[i] = 0;
            continue;
        }
        double v = double(f) * m;
        v = v > 32767.0 ? 32767.0 : v < -32768.0 ? -32768.0 : v;
        dst[i] = Vek16s(cvt_mxcsr(v));
    }
    return vekStsNoErr;
}

}  // namespace
}  // namespace conv
}  // namespace veks

using namespace veks;
using namespace veks::conv;

#define VEKS_CONVERT(s, d, S, D)                                                          \
    VekStatus veksConvert_##s##d(const S* pSrc, D* pDst, int len) { return convert_plain(pSrc, pDst, len); }
VEKS_CONVERT(8s, 16s, Vek8s, Vek16s)
VEKS_CONVERT(16s, 32s, Vek16s, Vek32s)
VEKS_CONVERT(8s, 32f, Vek8s, Vek32f)
VEKS_CONVERT(8u, 32f, Vek8u, Vek32f)
VEKS_CONVERT(16s, 32f, Vek16s, Vek32f)
VEKS_CONVERT(16u, 32f, Vek16u, Vek32f)
VEKS_CONVERT(32s, 32f, Vek32s, Vek32f)
VEKS_CONVERT(32s, 64f, Vek32s, Vek64f)
VEKS_CONVERT(64s, 64f, Vek64s, Vek64f)
VEKS_CONVERT(32f, 64f, Vek32f, Vek64f)
VEKS_CONVERT(64f, 32f, Vek64f, Vek32f)

VekStatus veksConvert_32s16s(const Vek32s* pSrc, Vek16s* pDst, int len) { return convert_32s16s(pSrc, pDst, len); }

#define VEKS_CONVERT_FROM24(s, d, View, S, D)                                             \
    VekStatus veksConvert_##s##d(const S* pSrc, D* pDst, int len) { return convert_from24<View>(pSrc, pDst, len); }
VEKS_CONVERT_FROM24(24s, 32s, S24, Vek24s, Vek32s)
VEKS_CONVERT_FROM24(24u, 32u, U24, Vek24u, Vek32u)
VEKS_CONVERT_FROM24(24s, 32f, S24, Vek24s, Vek32f)
VEKS_CONVERT_FROM24(24u, 32f, U24, Vek24u, Vek32f)

// Scale factor clamps per conversion keep 2^-sf and every result finite.
#define VEKS_CONVERT_TO_FLOAT_SFS(s, d, S, D, lo, hi)                                     \
    VekStatus veksConvert_##s##d##_Sfs(const S* pSrc, D* pDst, int len, int scaleFactor) { \
        return int_to_float_sfs(pSrc, pDst, len, scaleFactor, lo, hi);                    \
    }
VEKS_CONVERT_TO_FLOAT_SFS(16s, 32f, Vek16s, Vek32f, -112, 126)
VEKS_CONVERT_TO_FLOAT_SFS(32s, 32f, Vek32s, Vek32f, -96, 126)
VEKS_CONVERT_TO_FLOAT_SFS(16s, 64f, Vek16s, Vek64f, -1008, 1022)
VEKS_CONVERT_TO_FLOAT_SFS(32s, 64f, Vek32s, Vek64f, -992, 1022)

VekStatus veksConvert_16s8s_Sfs(const Vek16s* pSrc, Vek8s* pDst, int len, int rndMode, int scaleFactor) {
    return int_narrow_sfs(pSrc, pDst, len, rnd_of(rndMode), scaleFactor, range_of<Vek8s>());
}
VekStatus veksConvert_64s32s_Sfs(const Vek64s* pSrc, Vek32s* pDst, int len, int rndMode, int scaleFactor) {
    return int_narrow_sfs(pSrc, pDst, len, rnd_of(rndMode), clamp_sf(scaleFactor, -31, 63), range_of<Vek32s>());
}
VekStatus veksConvert_32s16s_Sfs(const Vek32s* pSrc, Vek16s* pDst, int len, int scaleFactor) {
    return int_narrow_sfs(pSrc, pDst, len, Rnd::Near, clamp_sf(scaleFactor, -15, 31), range_of<Vek16s>());
}
VekStatus veksConvert_32s24s_Sfs(const Vek32s* pSrc, Vek24s* pDst, int len, int scaleFactor) {
    return int_narrow_sfs(pSrc, pDst, len, Rnd::Near, clamp_sf(scaleFactor, -31, 31), kRangeS24);
}
VekStatus veksConvert_32u24u_Sfs(const Vek32u* pSrc, Vek24u* pDst, int len, int scaleFactor) {
    return int_narrow_sfs(pSrc, pDst, len, Rnd::Near, clamp_sf(scaleFactor, -31, 31), kRangeU24);
}

#define VEKS_CONVERT_FLOAT_INT(s, d, kernel, S, D)                                                       \
    VekStatus veksConvert_##s##d##_Sfs(const S* pSrc, D* pDst, int len, int rndMode, int scaleFactor) { \
        return kernel(pSrc, pDst, len, rndMode, scaleFactor);                                            \
    }
VEKS_CONVERT_FLOAT_INT(32f, 8s, float32_to_int, Vek32f, Vek8s)
VEKS_CONVERT_FLOAT_INT(32f, 8u, float32_to_int, Vek32f, Vek8u)
VEKS_CONVERT_FLOAT_INT(32f, 16s, float32_to_int, Vek32f, Vek16s)
VEKS_CONVERT_FLOAT_INT(32f, 16u, float32_to_int, Vek32f, Vek16u)
VEKS_CONVERT_FLOAT_INT(32f, 32s, float32_to_int, Vek32f, Vek32s)
VEKS_CONVERT_FLOAT_INT(64f, 16s, float64_to_int, Vek64f, Vek16s)
VEKS_CONVERT_FLOAT_INT(64f, 32s, float64_to_int, Vek64f, Vek32s)
VEKS_CONVERT_FLOAT_INT(64f, 64s, float64_to_int64, Vek64f, Vek64s)

VekStatus veksConvert_32f24s_Sfs(const Vek32f* pSrc, Vek24s* pDst, int len, int scaleFactor) {
    return float32_to_24(pSrc, pDst, len, scaleFactor, kRangeS24);
}
VekStatus veksConvert_32f24u_Sfs(const Vek32f* pSrc, Vek24u* pDst, int len, int scaleFactor) {
    return float32_to_24(pSrc, pDst, len, scaleFactor, kRangeU24);
}

VekStatus veksConvert_16s16f(const Vek16s* pSrc, Vek16f* pDst, int len, int rndMode) {
    return to_half(pSrc, pDst, len, rndMode);
}
VekStatus veksConvert_32f16f(const Vek32f* pSrc, Vek16f* pDst, int len, int rndMode) {
    return to_half(pSrc, pDst, len, rndMode);
}
VekStatus veksConvert_16f32f(const Vek16f* pSrc, Vek32f* pDst, int len) { return half_to_float(pSrc, pDst, len); }
VekStatus veksConvert_16f16s_Sfs(const Vek16f* pSrc, Vek16s* pDst, int len, int rndMode, int scaleFactor) {
    return half_to_16s(pSrc, pDst, len, rndMode, scaleFactor);
}
