// Split-radix real transforms of 1 to 32 points on the baseline, or the
// same kernels compiled for AVX-512 (32 registers, no spills; the scalar
// arithmetic and so every result bit stay the same).
#include "fft_real_small.h"

#include "core/cpu.h"
#include "fft_real_small_kernels.h"

namespace veks {
namespace fft {
namespace {

template <class T>
const SmallRealSet<T>& kernels() {
    static constexpr SmallRealSet<T> baseline = small_real_set<T>();
    static const SmallRealSet<T>& chosen = cpu_info().avx512 ? small_real_avx512<T>() : baseline;
    return chosen;
}

}  // namespace

template <class T>
void small_real_forward(int order, const T* src, T* dst, Packed to, const T* scale) {
    kernels<T>().fwd[scale != nullptr][order](src, dst, to, scale ? *scale : T(1));
}

template <class T>
void small_real_inverse(int order, const T* src, T* dst, Packed from, const T* scale) {
    kernels<T>().inv[scale != nullptr][order](src, dst, from, scale ? *scale : T(1));
}

template void small_real_forward<float>(int, const float*, float*, Packed, const float*);
template void small_real_forward<double>(int, const double*, double*, Packed, const double*);
template void small_real_inverse<float>(int, const float*, float*, Packed, const float*);
template void small_real_inverse<double>(int, const double*, double*, Packed, const double*);

}  // namespace fft
}  // namespace veks
