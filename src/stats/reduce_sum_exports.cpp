// Exported sums and means.
#include <cstdint>

#include "core/check.h"
#include "core/scale.h"
#include "int_scale.h"
#include "reduce_sum.h"
#include "veks.h"

namespace veks {
namespace {

double sum32f(const Vek32f* p, int len, VekHintAlgorithm hint) {
    const std::size_t n = static_cast<std::size_t>(len);
    return hint == vekAlgHintFast ? sum_fast_32f(p, n, 1, true) : sum_accurate_32f(p, n);
}

// Per component of a complex vector.
void sum32fc(const Vek32fc* p, int len, VekHintAlgorithm hint, double& re, double& im) {
    const float* f = reinterpret_cast<const float*>(p);
    const std::size_t n = static_cast<std::size_t>(len);
    if (hint == vekAlgHintFast) {
        re = sum_fast_32f(f, n, 2, false);
        im = sum_fast_32f(f + 1, n, 2, false);
    } else {
        re = sum_accurate_strided(f, n);
        im = sum_accurate_strided(f + 1, n);
    }
}

// Exact sums of 16-bit parts, `stride` parts apart.
std::int64_t sum16(const Vek16s* p, int len, int stride) {
    std::int64_t s = 0;
    for (int i = 0; i < len; ++i) s += p[std::size_t(i) * stride];
    return s;
}

std::int64_t sum32(const Vek32s* p, int len) {
    std::int64_t s = 0;
    for (int i = 0; i < len; ++i) s += p[i];
    return s;
}

// Mean of 32-bit integers: the exact sum divided with rounding to even,
// then scaled.
Vek32s mean32s(std::int64_t s, int len, int sf) {
    const __int128 q = div_round_even(s, len);
    if (sf == 0) return saturate<Vek32s>(q);
    if (sf > 0) return saturate<Vek32s>(shift_round_even<__int128>(q, sf > 40 ? 40 : sf));
    if (sf <= -32) return q > 0 ? INT32_MAX : q < 0 ? INT32_MIN : 0;
    if (s >= INT32_MIN && s <= INT32_MAX) return saturate<Vek32s>(div_round_even(__int128(s) << -sf, len));
    return saturate<Vek32s>(q << -sf);
}

}  // namespace
}  // namespace veks

using namespace veks;

VekStatus veksSum_32f(const Vek32f* pSrc, int len, Vek32f* pSum, VekHintAlgorithm hint) {
    VEKS_CHECK(check_vec(len, pSrc, pSum));
    *pSum = static_cast<float>(sum32f(pSrc, len, hint));
    return vekStsNoErr;
}

VekStatus veksMean_32f(const Vek32f* pSrc, int len, Vek32f* pMean, VekHintAlgorithm hint) {
    VEKS_CHECK(check_vec(len, pSrc, pMean));
    *pMean = static_cast<float>(sum32f(pSrc, len, hint) / len);
    return vekStsNoErr;
}

VekStatus veksSum_32fc(const Vek32fc* pSrc, int len, Vek32fc* pSum, VekHintAlgorithm hint) {
    VEKS_CHECK(check_vec(len, pSrc, pSum));
    double re, im;
    sum32fc(pSrc, len, hint, re, im);
    *pSum = Vek32fc{static_cast<float>(re), static_cast<float>(im)};
    return vekStsNoErr;
}

VekStatus veksMean_32fc(const Vek32fc* pSrc, int len, Vek32fc* pMean, VekHintAlgorithm hint) {
    VEKS_CHECK(check_vec(len, pSrc, pMean));
    double re, im;
    sum32fc(pSrc, len, hint, re, im);
    *pMean = Vek32fc{static_cast<float>(re / len), static_cast<float>(im / len)};
    return vekStsNoErr;
}

VekStatus veksSum_64f(const Vek64f* pSrc, int len, Vek64f* pSum) {
    VEKS_CHECK(check_vec(len, pSrc, pSum));
    *pSum = sum_64f(pSrc, static_cast<std::size_t>(len), 1);
    return vekStsNoErr;
}

VekStatus veksMean_64f(const Vek64f* pSrc, int len, Vek64f* pMean) {
    VEKS_CHECK(check_vec(len, pSrc, pMean));
    *pMean = sum_64f(pSrc, static_cast<std::size_t>(len), 1) / len;
    return vekStsNoErr;
}

VekStatus veksSum_64fc(const Vek64fc* pSrc, int len, Vek64fc* pSum) {
    VEKS_CHECK(check_vec(len, pSrc, pSum));
    const double* d = reinterpret_cast<const double*>(pSrc);
    const std::size_t n = static_cast<std::size_t>(len);
    *pSum = Vek64fc{sum_64f(d, n, 2), sum_64f(d + 1, n, 2)};
    return vekStsNoErr;
}

VekStatus veksMean_64fc(const Vek64fc* pSrc, int len, Vek64fc* pMean) {
    VEKS_CHECK(check_vec(len, pSrc, pMean));
    const double* d = reinterpret_cast<const double*>(pSrc);
    const std::size_t n = static_cast<std::size_t>(len);
    const double inv = 1.0 / len;
    *pMean = Vek64fc{sum_64f(d, n, 2) * inv, sum_64f(d + 1, n, 2) * inv};
    return vekStsNoErr;
}

VekStatus veksSum_16s32s_Sfs(const Vek16s* pSrc, int len, Vek32s* pSum, int scaleFactor) {
    VEKS_CHECK(check_vec(len, pSrc, pSum));
    *pSum = clamp_round<Vek32s>(double(sum16(pSrc, len, 1)), scaleFactor);
    return vekStsNoErr;
}

VekStatus veksSum_16sc32sc_Sfs(const Vek16sc* pSrc, int len, Vek32sc* pSum, int scaleFactor) {
    VEKS_CHECK(check_vec(len, pSrc, pSum));
    const Vek16s* s = reinterpret_cast<const Vek16s*>(pSrc);
    *pSum = Vek32sc{clamp_round<Vek32s>(double(sum16(s, len, 2)), scaleFactor),
                    clamp_round<Vek32s>(double(sum16(s + 1, len, 2)), scaleFactor)};
    return vekStsNoErr;
}

VekStatus veksSum_16s_Sfs(const Vek16s* pSrc, int len, Vek16s* pSum, int scaleFactor) {
    VEKS_CHECK(check_vec(len, pSrc, pSum));
    *pSum = saturate<Vek16s>(clamp_round<Vek32s>(double(sum16(pSrc, len, 1)), scaleFactor));
    return vekStsNoErr;
}

VekStatus veksSum_16sc_Sfs(const Vek16sc* pSrc, int len, Vek16sc* pSum, int scaleFactor) {
    VEKS_CHECK(check_vec(len, pSrc, pSum));
    const Vek16s* s = reinterpret_cast<const Vek16s*>(pSrc);
    *pSum = Vek16sc{saturate<Vek16s>(clamp_round<Vek32s>(double(sum16(s, len, 2)), scaleFactor)),
                    saturate<Vek16s>(clamp_round<Vek32s>(double(sum16(s + 1, len, 2)), scaleFactor))};
    return vekStsNoErr;
}

VekStatus veksSum_32s_Sfs(const Vek32s* pSrc, int len, Vek32s* pSum, int scaleFactor) {
    VEKS_CHECK(check_vec(len, pSrc, pSum));
    *pSum = scale_exact<Vek32s>(sum32(pSrc, len), scaleFactor);
    return vekStsNoErr;
}

VekStatus veksMean_16s_Sfs(const Vek16s* pSrc, int len, Vek16s* pMean, int scaleFactor) {
    VEKS_CHECK(check_vec(len, pSrc, pMean));
    *pMean = clamp_round<Vek16s>(double(sum16(pSrc, len, 1)) / len, scaleFactor);
    return vekStsNoErr;
}

VekStatus veksMean_16sc_Sfs(const Vek16sc* pSrc, int len, Vek16sc* pMean, int scaleFactor) {
    VEKS_CHECK(check_vec(len, pSrc, pMean));
    const Vek16s* s = reinterpret_cast<const Vek16s*>(pSrc);
    *pMean = Vek16sc{clamp_round<Vek16s>(double(sum16(s, len, 2)) / len, scaleFactor),
                     clamp_round<Vek16s>(double(sum16(s + 1, len, 2)) / len, scaleFactor)};
    return vekStsNoErr;
}

VekStatus veksMean_32s_Sfs(const Vek32s* pSrc, int len, Vek32s* pMean, int scaleFactor) {
    VEKS_CHECK(check_vec(len, pSrc, pMean));
    *pMean = mean32s(sum32(pSrc, len), len, scaleFactor);
    return vekStsNoErr;
}
