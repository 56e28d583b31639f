// The self-sorting FFT on 256-bit registers, compiled for AVX2 and FMA
// and reached only through wide_cfft on specifications built for this path.
#include "fft_wide.h"

#pragma GCC push_options
#pragma GCC target("avx2,fma")
#include "fft_wide_ymm.h"
#include "fft_wide_kernels.h"
#include "fft_split_ymm.h"
#include "fft_split_kernels.h"

namespace veks {
namespace fft {

template <>
void wide_cfft<float>(int order, const float* tw, const float* src, float* dst, float* scratch, bool inverse,
                      const float* scale) {
    if (split_order<float>(order)) return split_dir<S32>(order, tw, src, dst, scratch, inverse, scale);
    run_dir<C32x4>(order, tw, src, dst, scratch, inverse, scale);
}

template <>
void wide_cfft<double>(int order, const double* tw, const double* src, double* dst, double* scratch, bool inverse,
                       const double* scale) {
    if (split_order<double>(order)) return split_dir<S64>(order, tw, src, dst, scratch, inverse, scale);
    run_dir<C64x2>(order, tw, src, dst, scratch, inverse, scale);
}

}  // namespace fft
}  // namespace veks
#pragma GCC pop_options
