// Cauchy robust-estimation functions over a float vector, in place. Every
// element takes the same IEEE operations (true divisions, no reciprocal
// estimates), so vector blocks and scalar edges agree to the bit.
#include <cmath>
#include <cstdint>

#include "core/check.h"
#include "veks.h"

namespace veks {
namespace {

template <class... P>
inline VekStatus cauchy_checks(int len, Vek32f C, const P*... p) {
    VEKS_CHECK(check_vec(len, p...));
    return check_param(!(C > 0.0f), vekStsCauchyParamErr);
}

// True when [a, a+len) and [b, b+len) overlap.
inline bool overlap(const float* a, const float* b, int len) {
    const auto x = reinterpret_cast<std::uintptr_t>(a), y = reinterpret_cast<std::uintptr_t>(b);
    const std::uintptr_t bytes = static_cast<std::uintptr_t>(len) * sizeof(float);
    return x < y + bytes && y < x + bytes;
}

}  // namespace
}  // namespace veks

using namespace veks;

// 0.5 ln(1 + (x / C)^2), with 1/C formed once.
VekStatus veksCauchy_32f_I(Vek32f* pSrcDst, int len, Vek32f C) {
    VEKS_CHECK(cauchy_checks(len, C, pSrcDst));
    const float r = 1.0f / C;
    for (int i = 0; i < len; ++i) {
        const float u = pSrcDst[i] * r;
        pSrcDst[i] = u * u + 1.0f;
    }
    for (int i = 0; i < len; ++i) pSrcDst[i] = std::log(pSrcDst[i]) * 0.5f;
    return vekStsNoErr;
}

// x / (x^2 + C^2).
VekStatus veksCauchyD_32f_I(Vek32f* pSrcDst, int len, Vek32f C) {
    VEKS_CHECK(cauchy_checks(len, C, pSrcDst));
    const float c2 = C * C;
    for (int i = 0; i < len; ++i) {
        const float x = pSrcDst[i];
        pSrcDst[i] = x / (x * x + c2);
    }
    return vekStsNoErr;
}

// w = 1 / (C^2 + x^2): the second derivative (C^2 - x^2) w^2 to pD2F, x w in place.
VekStatus veksCauchyDD2_32f_I(Vek32f* pSrcDst, Vek32f* pD2F, int len, Vek32f C) {
    VEKS_CHECK(cauchy_checks(len, C, pSrcDst, pD2F));
    const float c2 = C * C;
    auto one = [c2](float x, float& d1, float& d2) {
        const float x2 = x * x;
        const float w = 1.0f / (c2 + x2);
        d2 = (c2 - x2) * w * w;
        d1 = x * w;
    };
    if (overlap(pSrcDst, pD2F, len)) {
        // Element by element, each input read before either output lands.
        for (int i = 0; i < len; ++i) {
            float d1, d2;
            one(pSrcDst[i], d1, d2);
            pD2F[i] = d2;
            pSrcDst[i] = d1;
        }
        return vekStsNoErr;
    }
    float* __restrict a = pSrcDst;
    float* __restrict b = pD2F;
    for (int i = 0; i < len; ++i) one(a[i], a[i], b[i]);
    return vekStsNoErr;
}
