// Vector kernels of the floating-point functions shared with the integer
// forms of the same operations.
#ifndef VEKS_VECTOR_MATH_FLOAT_H
#define VEKS_VECTOR_MATH_FLOAT_H

namespace veks {

// Single-precision natural logarithm of `len` elements; returns 0, or 1 / 2
// when the first special element in vector order was a zero / a negative.
int ln_32f_flagged(const float* src, float* dst, int len);

}  // namespace veks

#endif
