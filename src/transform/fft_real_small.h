// Straight-line real transforms of 1 to 32 points: the whole transform
// runs in registers and reads or writes the packed layout directly, with
// no tables beyond the built-in quarter-wave sines.
#ifndef VEKS_TRANSFORM_FFT_REAL_SMALL_H
#define VEKS_TRANSFORM_FFT_REAL_SMALL_H

#include "fft_engine.h"

namespace veks {
namespace fft {

// Orders served by the straight-line kernels.
constexpr int kSmallRealUpTo = 5;

// Forward: N reals from src into the layout `to` at dst. Inverse: the
// layout `from` at src into N reals at dst. src may equal dst (dst holds
// N + 2 values for CCS). Every output is multiplied by *scale unless scale
// is null.
template <class T>
void small_real_forward(int order, const T* src, T* dst, Packed to, const T* scale);
template <class T>
void small_real_inverse(int order, const T* src, T* dst, Packed from, const T* scale);

// The kernels of one instruction set, indexed [scaled][order]; the last
// argument is the scale (ignored by the unscaled ones).
template <class T>
using SmallRealKernel = void (*)(const T* src, T* dst, Packed layout, T scale);
template <class T>
struct SmallRealSet {
    SmallRealKernel<T> fwd[2][kSmallRealUpTo + 1];
    SmallRealKernel<T> inv[2][kSmallRealUpTo + 1];
};
// The set compiled for AVX-512 (call only where cpu_info() reports it).
template <class T>
const SmallRealSet<T>& small_real_avx512();

}  // namespace fft
}  // namespace veks

#endif
