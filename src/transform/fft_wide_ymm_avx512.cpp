// The same 256-bit self-sorting FFT compiled for AVX-512 VL: the
// instructions and so every result bit are those of the AVX2 kernels, but
// 32 registers hold the radix-8 and split-format passes without most of
// their spills (3 to 6 % at 128 to 2048 points). Reached only on
// processors with AVX-512, through wide_run_ymm_avx512 and
// wide_cfft_ymm_avx512.
#include "fft_wide.h"

#pragma GCC push_options
#pragma GCC target("avx2,fma,avx512f,avx512vl")
#include "fft_wide_entries.h"

namespace veks {
namespace fft {

template <class T>
WideRun<T> wide_run_ymm_avx512(int order, bool inverse) {
    return ymm_run<T>(order, inverse);
}

template <class T>
void wide_cfft_ymm_avx512(int order, const T* tw, const T* src, T* dst, T* scratch, bool inverse, const T* scale) {
    ymm_cfft<T>(order, tw, src, dst, scratch, inverse, scale);
}

template WideRun<float> wide_run_ymm_avx512<float>(int, bool);
template WideRun<double> wide_run_ymm_avx512<double>(int, bool);
template void wide_cfft_ymm_avx512<float>(int, const float*, const float*, float*, float*, bool, const float*);
template void wide_cfft_ymm_avx512<double>(int, const double*, const double*, double*, double*, bool, const double*);

}  // namespace fft
}  // namespace veks
#pragma GCC pop_options
