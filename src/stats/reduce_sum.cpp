// Floating-point summation kernels; see reduce_sum.h for the orders.
#include "reduce_sum.h"

#include <cstdint>

#include "core/simd.h"
#include "lane_sum.h"

namespace veks {
namespace {

// Folds partials 4..7, adds the remainder (fewer than 8 terms) and
// combines. `term(k)` reads remainder element k.
template <class Term>
double finish_accurate(double* part, std::size_t rest, Term term) {
    for (int j = 0; j < 4; ++j) part[j] += part[j + 4];
    std::size_t k = 0;
    if (rest - k >= 4) {
        for (int j = 0; j < 4; ++j) part[j] += term(k + j);
        k += 4;
    }
    if (rest - k >= 2) {
        part[0] += term(k);
        part[1] += term(k + 1);
        k += 2;
    }
    if (rest - k >= 1) part[0] += term(k);
    return (part[0] + part[2]) + (part[1] + part[3]);
}

}  // namespace

double sum_accurate_32f(const float* p, std::size_t n) {
    double part[8] = {};
    std::size_t i = 0;
    if (reinterpret_cast<std::uintptr_t>(p) % 8 == 4 && n > 0) {
        part[0] += p[0];
        i = 1;
    }
    __m128d a0 = _mm_set_sd(part[0]), a1 = _mm_setzero_pd(), a2 = _mm_setzero_pd(), a3 = _mm_setzero_pd();
    for (; i + 8 <= n; i += 8) {
        const __m128 v0 = _mm_loadu_ps(p + i), v1 = _mm_loadu_ps(p + i + 4);
        a0 = _mm_add_pd(a0, _mm_cvtps_pd(v0));
        a1 = _mm_add_pd(a1, _mm_cvtps_pd(_mm_movehl_ps(v0, v0)));
        a2 = _mm_add_pd(a2, _mm_cvtps_pd(v1));
        a3 = _mm_add_pd(a3, _mm_cvtps_pd(_mm_movehl_ps(v1, v1)));
    }
    _mm_storeu_pd(part, a0);
    _mm_storeu_pd(part + 2, a1);
    _mm_storeu_pd(part + 4, a2);
    _mm_storeu_pd(part + 6, a3);
    const float* tail = p + i;
    return finish_accurate(part, n - i, [tail](std::size_t k) { return double(tail[k]); });
}

double sum_accurate_strided(const float* p, std::size_t n) {
    double part[8] = {};
    std::size_t i = 0;
    for (; i + 8 <= n; i += 8)
        for (int j = 0; j < 8; ++j) part[j] += double(p[2 * (i + j)]);
    const float* tail = p + 2 * i;
    return finish_accurate(part, n - i, [tail](std::size_t k) { return double(tail[2 * k]); });
}

double sum_fast_32f(const float* p, std::size_t n, std::size_t stride, bool align_head) {
    constexpr std::size_t kBlock = 32768;
    double total = 0.0;
    std::size_t i = 0;
    if (align_head) {
        const std::size_t head = static_cast<std::size_t>(simd::head_to_align16(p));
        for (; i < head && i < n; ++i) total += double(p[i]);
    }
    while (i < n) {
        const std::size_t count = n - i < kBlock ? n - i : kBlock;
        const float* b = p + i * stride;
        float lanes[16] = {};
        if (stride == 1) lane_partials<16>(lanes, count, [b](std::size_t k) { return b[k]; });
        else lane_partials<16>(lanes, count, [b, stride](std::size_t k) { return b[k * stride]; });
        // Four vectors of four lanes: (v0 + v2) + (v1 + v3).
        for (int j = 0; j < 4; ++j) {
            const float four = (lanes[j] + lanes[j + 8]) + (lanes[j + 4] + lanes[j + 12]);
            total += double(four);
        }
        i += count;
    }
    return total;
}

double sum_64f(const double* p, std::size_t n, std::size_t stride) {
    if (stride == 1) return lane_sum<4, double>(n, [p](std::size_t k) { return p[k]; });
    return lane_sum<4, double>(n, [p, stride](std::size_t k) { return p[k * stride]; });
}

}  // namespace veks
