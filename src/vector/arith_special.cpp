// The integer multiply-accumulates, the 64-bit constant products, the
// float-constant products with a 16-bit result and the `_Low` forms that
// keep only the low bits of a product.
#include <emmintrin.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>

#include "arith_scaled.h"
#include "core/check.h"
#include "core/fpenv.h"
#include "core/simd.h"
#include "veks.h"

namespace veks {
namespace arith {
namespace {

template <class T, class W, class X>
VekStatus product_sfs(const X* a, const X* b, T* acc, int len, int sf, Limits lim) {
    VEKS_CHECK(check_vec(len, a, b, acc));
    if (sfs::zero_fill(sf, lim.zero_above)) return zero(acc, len);
    sfs::with_scaler<T, W>(sf, lim.bound_at, [&](auto s) { add_product<W>(a, b, acc, len, s); });
    return vekStsNoErr;
}

// Eight floats to eight saturated 16-bit integers with the current rounding.
inline __m128i to16(__m128 lo, __m128 hi) { return _mm_packs_epi32(_mm_cvtps_epi32(lo), _mm_cvtps_epi32(hi)); }
inline Vek16s to16(float y) { return saturate<Vek16s>(_mm_cvtss_si32(_mm_set_ss(y))); }

// pSrc[n] * val in single precision, then to 16 bits; `Clamp` limits the
// product to the 16-bit range first (max/min keep the packet rule: a NaN
// product takes the limit).
template <bool Clamp>
void mulc_to16(const Vek32f* src, float val, Vek16s* dst, int len) {
    const __m128 v = _mm_set1_ps(val), lo = _mm_set1_ps(-32768.0f), hi = _mm_set1_ps(32767.0f);
    auto prod = [&](__m128 x) {
        const __m128 y = _mm_mul_ps(x, v);
        return Clamp ? _mm_min_ps(_mm_max_ps(y, lo), hi) : y;
    };
    simd::sweep<8>(
        dst, len,
        [&](ptrdiff_t i) {
            float y = src[i] * val;
            if (Clamp) {
                y = y > -32768.0f ? y : -32768.0f;
                y = y < 32767.0f ? y : 32767.0f;
            }
            dst[i] = to16(y);
        },
        [&](ptrdiff_t i) {
            const __m128i r = to16(prod(_mm_loadu_ps(src + i)), prod(_mm_loadu_ps(src + i + 4)));
            _mm_storeu_si128(reinterpret_cast<__m128i*>(dst + i), r);
        });
}

}  // namespace
}  // namespace arith
}  // namespace veks

using namespace veks;
using namespace veks::arith;
using std::int64_t;

VekStatus veksAddProduct_16s_Sfs(const Vek16s* pSrc1, const Vek16s* pSrc2, Vek16s* pSrcDst, int len, int scaleFactor) {
    return product_sfs<Vek16s, int64_t>(pSrc1, pSrc2, pSrcDst, len, scaleFactor, {31, -15});
}
VekStatus veksAddProduct_16s32s_Sfs(const Vek16s* pSrc1, const Vek16s* pSrc2, Vek32s* pSrcDst, int len,
                                    int scaleFactor) {
    return product_sfs<Vek32s, int64_t>(pSrc1, pSrc2, pSrcDst, len, scaleFactor, {32, -31});
}
VekStatus veksAddProduct_32s_Sfs(const Vek32s* pSrc1, const Vek32s* pSrc2, Vek32s* pSrcDst, int len, int scaleFactor) {
    return product_sfs<Vek32s, int64_t>(pSrc1, pSrc2, pSrcDst, len, scaleFactor, {62, -31});
}

// The exact 128-bit product; scale factors below -62 saturate every
// non-zero product.
VekStatus veksMulC_64s_ISfs(Vek64s val, Vek64s* pSrcDst, int len, int scaleFactor) {
    VEKS_CHECK(check_vec(len, pSrcDst));
    if (val == 0 || scaleFactor > 126) return zero(pSrcDst, len);
    sfs::with_scaler<Vek64s, __int128>(scaleFactor, -63, [&](auto s) {
        map2(pSrcDst, len, vec(pSrcDst), cst(val), Mul<__int128>{}, s);
    });
    return vekStsNoErr;
}

// val = m * 2^(e - 1075) with a signed 53-bit integer m (e the biased
// exponent; subnormals have the exponent of e = 1), so the product is the
// 64s product by m with the scale factor moved by 1075 - e.
VekStatus veksMulC_64f64s_ISfs(Vek64f val, Vek64s* pSrcDst, int len, int scaleFactor) {
    VEKS_CHECK(check_vec(len, pSrcDst));
    std::uint64_t bits;
    std::memcpy(&bits, &val, sizeof bits);
    const int e = static_cast<int>((bits >> 52) & 0x7FF);
    const bool negative = bits >> 63;
    if (e == 0x7FF) {
        if (bits << 12) return zero(pSrcDst, len);  // NaN: no meaningful product
        for (int i = 0; i < len; ++i) {
            const int64_t sign = int64_t(pSrcDst[i] > 0) - int64_t(pSrcDst[i] < 0);
            pSrcDst[i] = sfs::Bound<Vek64s, int64_t>{}(negative ? -sign : sign);
        }
        return vekStsNoErr;
    }
    int64_t m = static_cast<int64_t>(bits & ((std::uint64_t(1) << 52) - 1));
    if (e != 0) m |= int64_t(1) << 52;
    if (negative) m = -m;
    const int64_t sf = int64_t(scaleFactor) + (e != 0 ? 1075 - e : 1074);
    return veksMulC_64s_ISfs(m, pSrcDst, len, static_cast<int>(std::clamp<int64_t>(sf, -1000, 1000)));
}

VekStatus veksMulC_32f16s_Sfs(const Vek32f* pSrc, Vek32f val, Vek16s* pDst, int len, int scaleFactor) {
    VEKS_CHECK(check_vec(len, pSrc, pDst));
    FpEnvGuard env(Rounding::Nearest);
    mulc_to16<true>(pSrc, val * float_scale(std::clamp(scaleFactor, -127, 126)), pDst, len);
    return vekStsNoErr;
}

VekStatus veksMulC_Low_32f16s(const Vek32f* pSrc, Vek32f val, Vek16s* pDst, int len) {
    VEKS_CHECK(check_vec(len, pSrc, pDst));
    mulc_to16<false>(pSrc, val, pDst, len);
    return vekStsNoErr;
}

// Low 32 bits of the 64-bit product shifted by the scale factor, with
// truncation and wrap-around.
VekStatus veksMul_Low_32s_Sfs(const Vek32s* pSrc1, const Vek32s* pSrc2, Vek32s* pDst, int len, int scaleFactor) {
    VEKS_CHECK(check_vec(len, pSrc1, pSrc2, pDst));
    if (scaleFactor > 62) return zero(pDst, len);
    auto product = [&](int i) { return int64_t(pSrc1[i]) * pSrc2[i]; };
    if (scaleFactor < -31) {
        for (int i = 0; i < len; ++i) pDst[i] = sfs::Bound<Vek32s, int64_t>{}(product(i));
    } else if (scaleFactor >= 0) {
        for (int i = 0; i < len; ++i) pDst[i] = static_cast<Vek32s>(product(i) >> scaleFactor);
    } else {
        for (int i = 0; i < len; ++i)
            pDst[i] = static_cast<Vek32s>(static_cast<std::uint64_t>(product(i)) << -scaleFactor);
    }
    return vekStsNoErr;
}
