// Radix kernels of the power-of-two FFT, written once over the lane types of
// fft_lanes.h: decimation in time over bit-reversed data, a twiddle-free
// radix-4 first stage, one radix-2 stage of size 8 for odd orders, then
// radix-4 stages of sizes 16, 64, ... (even orders) or 32, 128, ... (odd).
#ifndef VEKS_TRANSFORM_FFT_RADIX_H
#define VEKS_TRANSFORM_FFT_RADIX_H

#include <cstdint>
#include <type_traits>

#include "fft_lanes.h"

namespace veks {
namespace fft {

// Stage twiddles w^k, w^2k, w^3k (w = exp(-2*pi*i/M)) of one radix-4 stage.
// Single precision: each stage has its own table, groups of four k holding
// four real parts then four imaginary parts of each power.
template <class T>
struct StageTw;

template <>
struct StageTw<float> {
    const float* st;
    template <class L>
    void get(ptrdiff_t k, typename L::TW& w1, typename L::TW& w2, typename L::TW& w3) const {
        const float* g = st + (k >> 2) * 24 + (k & 3);
        w1 = L::tw(g, g + 4);
        w2 = L::tw(g + 8, g + 12);
        w3 = L::tw(g + 16, g + 20);
    }
};

// Double precision: one table of records (w^k, w^2k, w^3k) for the largest
// size; a smaller stage reads every step-th record.
template <>
struct StageTw<double> {
    const double* rec;
    ptrdiff_t step;  // doubles between the records of consecutive k
    template <class L>
    void get(ptrdiff_t k, typename L::TW& w1, typename L::TW& w2, typename L::TW& w3) const {
        const double* p = rec + k * step;
        w1 = L::tw_pairs(p, step);
        w2 = L::tw_pairs(p + 2, step);
        w3 = L::tw_pairs(p + 4, step);
    }
};

// One radix-4 stage of size M over n elements, in place. Because the data
// are in bit-reversed order, the quarters at distance M/4, M/2 and 3M/4
// hold the sub-transforms of residues 2, 1 and 3 and take w^2k, w^k, w^3k.
template <class L, bool Inv, class TwSrc>
void radix4_stage(const typename L::D& d, ptrdiff_t n, ptrdiff_t M, const TwSrc& tws) {
    const ptrdiff_t q = M / 4;
    for (ptrdiff_t base = 0; base < n; base += M) {
        const typename L::D b = d.offset(base);
        for (ptrdiff_t k = 0; k < q; k += L::W) {
            typename L::TW w1, w2, w3;
            tws.template get<L>(k, w1, w2, w3);
            const auto a0 = L::load(b, k);
            const auto a2 = L::template cmul<Inv>(L::load(b, k + q), w2);
            const auto a1 = L::template cmul<Inv>(L::load(b, k + 2 * q), w1);
            const auto a3 = L::template cmul<Inv>(L::load(b, k + 3 * q), w3);
            const auto s02 = L::add(a0, a2), d02 = L::sub(a0, a2);
            const auto s13 = L::add(a1, a3), d13 = L::template rot<Inv>(L::sub(a1, a3));
            L::store(b, k, L::add(s02, s13));
            L::store(b, k + q, L::add(d02, d13));
            L::store(b, k + 2 * q, L::sub(s02, s13));
            L::store(b, k + 3 * q, L::sub(d02, d13));
        }
    }
}

// w8^k = exp(-2*pi*i*k/8), k = 0..3, as separate arrays and as pairs.
constexpr float kW8r32[4] = {1.f, 0.70710678118654752f, 0.f, -0.70710678118654752f};
constexpr float kW8i32[4] = {0.f, -0.70710678118654752f, -1.f, -0.70710678118654752f};
constexpr double kW8pairs64[8] = {1.0, 0.0, 0.70710678118654752, -0.70710678118654752,
                                  0.0, -1.0, -0.70710678118654752, -0.70710678118654752};

template <class L>
typename L::TW w8_twiddle(ptrdiff_t k) {
    if constexpr (std::is_same_v<typename L::T, float>)
        return L::tw(kW8r32 + k, kW8i32 + k);
    else
        return L::tw_pairs(kW8pairs64 + 2 * k, 2);
}

// The radix-2 stage of size 8 (odd orders), in place.
template <class L, bool Inv>
void radix2_stage8(const typename L::D& d, ptrdiff_t n) {
    for (ptrdiff_t base = 0; base < n; base += 8) {
        const typename L::D b = d.offset(base);
        for (ptrdiff_t k = 0; k < 4; k += L::W) {
            const auto a = L::load(b, k);
            const auto c = L::template cmul<Inv>(L::load(b, k + 4), w8_twiddle<L>(k));
            L::store(b, k, L::add(a, c));
            L::store(b, k + 4, L::sub(a, c));
        }
    }
}

}  // namespace fft
}  // namespace veks

#endif
