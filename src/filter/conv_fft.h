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

// out[i] = (a * b)[o0 + i] for i < count, 0 <= o0, o0 + count <= na + nb - 1.
// Complex data (Cx) uses the complex transform with a plain product.
template <class T>
VekStatus conv_fft(const T* a, int na, const T* b, int nb, T* out, std::int64_t o0, int count);

// Lengths of the parallel overlap-save path.
constexpr int kConvParallelAbove = 4096;

}  // namespace veks

#endif
