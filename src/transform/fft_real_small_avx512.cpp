// The straight-line real kernels compiled for AVX-512, reached only
// through small_real_avx512 after cpu_info() reported it.
#pragma GCC push_options
#pragma GCC target("avx512f,avx512vl,avx512bw")
#include "fft_real_small_kernels.h"

namespace veks {
namespace fft {

template <class T>
const SmallRealSet<T>& small_real_avx512() {
    static constexpr SmallRealSet<T> set = small_real_set<T>();
    return set;
}

template const SmallRealSet<float>& small_real_avx512<float>();
template const SmallRealSet<double>& small_real_avx512<double>();

}  // namespace fft
}  // namespace veks

#pragma GCC pop_options
