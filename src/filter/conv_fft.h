// Convolution by FFT: one transform when the inputs are of comparable
// length, overlap-save blocks (dealt to threads for long inputs) when one
// is at least three times the other. Works on a window of the full result
// so that correlations can ask for a lag range only.
#ifndef VEKS_FILTER_CONV_FFT_H
#define VEKS_FILTER_CONV_FFT_H

#include <cstdint>

#include "cplx.h"
#include "veks.h"

namespace veks {

// out[i] = (a' * b)[o0 + i] for i < count, 0 <= o0, o0 + count <= na + nb - 1,
// where a' is a, or a reversed and conjugated (a'[k] = conj(a[na - 1 - k]))
// when `reverse_a` is set. Complex data (Cx) uses the complex transform.
template <class T>
VekStatus conv_fft(const T* a, int na, bool reverse_a, const T* b, int nb, T* out, std::int64_t o0, int count);

// out[n] = sum_k x[k + n] conj(x[k]) for n < count <= n_x: one transform,
// the spectrum times its own conjugate, one inverse.
template <class T>
VekStatus auto_corr_fft(const T* x, int n_x, T* out, int count);

// Lengths of the parallel overlap-save path.
constexpr int kConvParallelAbove = 4096;

}  // namespace veks

#endif
