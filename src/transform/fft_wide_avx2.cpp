// The self-sorting FFT on 256-bit registers, compiled for AVX2 and FMA
// and reached only through the kernels a specification built for this
// path resolved (wide_run_avx2), or through wide_cfft.
#include "fft_wide.h"

#pragma GCC push_options
#pragma GCC target("avx2,fma")
#include "fft_wide_entries.h"

namespace veks {
namespace fft {

template <class T>
WideRun<T> wide_run_avx2(int order, bool inverse) {
    return ymm_run<T>(order, inverse);
}

template <class T>
void wide_cfft(int order, const T* tw, const T* src, T* dst, T* scratch, bool inverse, const T* scale) {
    ymm_cfft<T>(order, tw, src, dst, scratch, inverse, scale);
}

template WideRun<float> wide_run_avx2<float>(int, bool);
template WideRun<double> wide_run_avx2<double>(int, bool);
template void wide_cfft<float>(int, const float*, const float*, float*, float*, bool, const float*);
template void wide_cfft<double>(int, const double*, const double*, double*, double*, bool, const double*);

}  // namespace fft
}  // namespace veks
#pragma GCC pop_options
