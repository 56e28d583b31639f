// Radix-4 stages of single-precision split data on 256-bit registers with
// fused multiply-add, for processors that have AVX2 and FMA (chosen at run
// time; the SSE kernels stay the baseline).
#ifndef VEKS_TRANSFORM_FFT_AVX2_H
#define VEKS_TRANSFORM_FFT_AVX2_H

#include <cstddef>

namespace veks {
namespace fft {

// True when the AVX2 kernels may run on this processor.
bool avx2_usable();

// One radix-4 stage of size M (M/4 a multiple of 8) over n split values,
// twiddles from the single-precision stage table `st`.
void avx2_radix4_stage(float* re, float* im, std::ptrdiff_t n, std::ptrdiff_t M, const float* st, bool inverse);
// The same for interleaved double-precision data with twiddle records
// `step` doubles apart.
void avx2_radix4_stage64(double* data, std::ptrdiff_t n, std::ptrdiff_t M, const double* rec, std::ptrdiff_t step,
                         bool inverse);

}  // namespace fft
}  // namespace veks

#endif
