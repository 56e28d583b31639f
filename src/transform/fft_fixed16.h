// The 16-bit fixed-point FFT path of the smallest orders (1 to 3): data
// pre-shifted into wide integers, a radix-4/radix-2 decimation-in-frequency
// core with Q14 twiddles, and narrowing with rounding half up.
#ifndef VEKS_TRANSFORM_FFT_FIXED16_H
#define VEKS_TRANSFORM_FFT_FIXED16_H

#include <cstdint>

namespace veks {
namespace fft {

// Q14 twiddle records (c, s, -s, c) of cos and sin(2*pi*k/N), k < N.
void build_q14_twiddles(int order, std::int16_t* out);

struct Fixed16Params {
    int order;
    int shift;        // forward or inverse shift of the specification
    bool odd_factor;  // multiply by 1/sqrt(2)
    const std::int16_t* tw;       // records of `order`
    const std::int16_t* tw_half;  // records of order - 1 (real kind)
};

// Complex transform of interleaved 16-bit pairs (src may equal dst).
void fixed_cfft16(const Fixed16Params& p, const std::int16_t* src, std::int16_t* dst, bool inverse, int sf);
// Real forward into Perm, and inverse from Perm (n reals each).
void fixed_rfft16_to_perm(const Fixed16Params& p, const std::int16_t* src, std::int16_t* dst, int sf);
void fixed_rfft16_from_perm(const Fixed16Params& p, const std::int16_t* perm, std::int16_t* dst, int sf);

// Order 0: the single value narrowed by the scale factor (ties up).
std::int16_t narrow_half_up(std::int64_t x, int t);

}  // namespace fft
}  // namespace veks

#endif
