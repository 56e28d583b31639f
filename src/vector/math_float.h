// Single-precision vector kernels shared by the exported functions of the
// elementary-math, phase and magnitude families. Each picks the AVX2 or the
// SSE2 path at run time; both give the same bits.
#ifndef VEKS_VECTOR_MATH_FLOAT_H
#define VEKS_VECTOR_MATH_FLOAT_H

namespace veks {

void exp_32f(const float* src, float* dst, int len);
void atan_32f(const float* src, float* dst, int len);
// Natural logarithm; returns 0, or 1 / 2 when the first special element in
// vector order was a zero / a negative.
int ln_32f(const float* src, float* dst, int len);
// atan2(im, re) of split parts, or of interleaved elements when im is null.
void phase_32f(const float* re, const float* im, float* dst, int len);

// The AVX2 instantiations (math_f32_avx2.cpp).
void exp_32f_avx2(const float* src, float* dst, int len);
void atan_32f_avx2(const float* src, float* dst, int len);
int ln_32f_avx2(const float* src, float* dst, int len);
void phase_32f_avx2(const float* re, const float* im, float* dst, int len);
int sqrt_32f_avx2(const float* src, float* dst, int len);  // non-zero: a negative element
void magnitude_32f_avx2(const float* re, const float* im, float* dst, int len);
void power_32f_avx2(const float* re, const float* im, float* dst, int len);

}  // namespace veks

#endif
