// The sliding dot product under direct convolution and correlation:
// out[j] = sum_{k < K} h[k] * x[j + k] for j < J (x holds J + K - 1
// values), summed in increasing k for every j, so the SIMD blocks and the
// scalar tail give the same bits.
#ifndef VEKS_FILTER_SLIDE_DOT_H
#define VEKS_FILTER_SLIDE_DOT_H

#include <cstdint>

#include "cplx.h"

namespace veks {

void slide_dot(const float* h, int K, const float* x, float* out, int J);
void slide_dot(const double* h, int K, const double* x, double* out, int J);
// Complex data: the conjugate of h is used.
void slide_dot(const Cx<float>* h, int K, const Cx<float>* x, Cx<float>* out, int J);
void slide_dot(const Cx<double>* h, int K, const Cx<double>* x, Cx<double>* out, int J);
// Exact 64-bit sums of 16-bit products.
void slide_dot(const std::int16_t* h, int K, const std::int16_t* x, std::int64_t* out, int J);

}  // namespace veks

#endif
