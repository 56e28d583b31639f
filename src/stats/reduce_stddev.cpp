// Sample standard deviation, alone or with the mean, from one pass of
// S = sum x and Q = sum x^2.
#include <cmath>
#include <cstdint>

#include "core/check.h"
#include "int_scale.h"
#include "lane_sum.h"
#include "veks.h"

namespace veks {
namespace {

struct Moments {
    double s, q;
};

// Four interleaved double partials counted from the first 8-byte-aligned
// element (an element before it is element -1, partial 3), combined as
// (p0 + p2) + (p1 + p3).
Moments moments_32f(const float* p, std::size_t n) {
    double ps[4] = {}, pq[4] = {};
    std::size_t i = 0;
    if (reinterpret_cast<std::uintptr_t>(p) % 8 == 4) {
        const double x = p[0];
        ps[3] += x;
        pq[3] += x * x;
        i = 1;
    }
    const float* b = p + i;
    lane_partials<4>(ps, n - i, [b](std::size_t k) { return double(b[k]); });
    lane_partials<4>(pq, n - i, [b](std::size_t k) { return double(b[k]) * double(b[k]); });
    return {combine_halving<4>(ps), combine_halving<4>(pq)};
}

Moments moments_64f(const double* p, std::size_t n) {
    return {lane_sum<4, double>(n, [p](std::size_t k) { return p[k]; }),
            lane_sum<4, double>(n, [p](std::size_t k) { return p[k] * p[k]; })};
}

double deviation(double n, Moments m) {
    const double num = n * m.q - m.s * m.s;
    return std::sqrt((num > 0 ? num : 0.0) / (n * (n - 1)));
}

// 16-bit input: exact integer moments.
struct IntMoments {
    double mean, dev;
};

IntMoments moments_16s(const Vek16s* p, int len) {
    std::int64_t s = 0, q = 0;
    for (int i = 0; i < len; ++i) {
        s += p[i];
        q += std::int32_t(p[i]) * p[i];
    }
    const __int128 num = __int128(len) * q - __int128(s) * s;
    const double n = len;
    return {double(s) / n, std::sqrt(double(num > 0 ? num : 0) / (n * (n - 1)))};
}

template <class T>
VekStatus int_stddev(const Vek16s* src, int len, T* mean, T* dev, int sf) {
    VEKS_CHECK(check_ptrs(src, dev));
    VEKS_CHECK(check_len(len, 2));
    const IntMoments m = moments_16s(src, len);
    const T d = saturate<T>(clamp_round<Vek32s>(m.dev, sf));
    if (mean) *mean = saturate<T>(clamp_round<Vek32s>(m.mean, sf));
    *dev = d;
    return vekStsNoErr;
}

}  // namespace
}  // namespace veks

using namespace veks;

VekStatus veksStdDev_32f(const Vek32f* pSrc, int len, Vek32f* pStdDev, VekHintAlgorithm) {
    VEKS_CHECK(check_ptrs(pSrc, pStdDev));
    VEKS_CHECK(check_len(len, 2));
    *pStdDev = static_cast<float>(deviation(len, moments_32f(pSrc, static_cast<std::size_t>(len))));
    return vekStsNoErr;
}

VekStatus veksMeanStdDev_32f(const Vek32f* pSrc, int len, Vek32f* pMean, Vek32f* pStdDev, VekHintAlgorithm) {
    VEKS_CHECK(check_ptrs(pSrc, pMean, pStdDev));
    VEKS_CHECK(check_len(len, 2));
    const Moments m = moments_32f(pSrc, static_cast<std::size_t>(len));
    *pMean = static_cast<float>(m.s / len);
    *pStdDev = static_cast<float>(deviation(len, m));
    return vekStsNoErr;
}

VekStatus veksStdDev_64f(const Vek64f* pSrc, int len, Vek64f* pStdDev) {
    VEKS_CHECK(check_ptrs(pSrc, pStdDev));
    VEKS_CHECK(check_len(len, 2));
    *pStdDev = deviation(len, moments_64f(pSrc, static_cast<std::size_t>(len)));
    return vekStsNoErr;
}

VekStatus veksMeanStdDev_64f(const Vek64f* pSrc, int len, Vek64f* pMean, Vek64f* pStdDev) {
    VEKS_CHECK(check_ptrs(pSrc, pMean, pStdDev));
    VEKS_CHECK(check_len(len, 2));
    const Moments m = moments_64f(pSrc, static_cast<std::size_t>(len));
    *pMean = m.s / len;
    *pStdDev = deviation(len, m);
    return vekStsNoErr;
}

VekStatus veksStdDev_16s32s_Sfs(const Vek16s* pSrc, int len, Vek32s* pStdDev, int scaleFactor) {
    return int_stddev<Vek32s>(pSrc, len, nullptr, pStdDev, scaleFactor);
}
VekStatus veksStdDev_16s_Sfs(const Vek16s* pSrc, int len, Vek16s* pStdDev, int scaleFactor) {
    return int_stddev<Vek16s>(pSrc, len, nullptr, pStdDev, scaleFactor);
}
VekStatus veksMeanStdDev_16s32s_Sfs(const Vek16s* pSrc, int len, Vek32s* pMean, Vek32s* pStdDev, int scaleFactor) {
    VEKS_CHECK(check_ptrs(pMean));
    return int_stddev<Vek32s>(pSrc, len, pMean, pStdDev, scaleFactor);
}
VekStatus veksMeanStdDev_16s_Sfs(const Vek16s* pSrc, int len, Vek16s* pMean, Vek16s* pStdDev, int scaleFactor) {
    VEKS_CHECK(check_ptrs(pMean));
    return int_stddev<Vek16s>(pSrc, len, pMean, pStdDev, scaleFactor);
}
