// Summation kernels of the floating-point sums and means. Each returns the
// unrounded double total; the public functions round as their type needs.
#ifndef VEKS_STATS_REDUCE_SUM_H
#define VEKS_STATS_REDUCE_SUM_H

#include <cstddef>

namespace veks {

// Eight interleaved double partials. A source at 4 mod 8 bytes starts
// partial 0 with its first element; groups of eight feed partials 0..7;
// after the groups 4..7 fold into 0..3 and a remaining four, pair and
// single go to partials 0..3, 0..1 and 0; the result is
// (p0 + p2) + (p1 + p3).
double sum_accurate_32f(const float* p, std::size_t n);
// The same model over one component of a complex vector (stride 2 floats),
// without the alignment rule.
double sum_accurate_strided(const float* p, std::size_t n);

// Single-precision blocks of at most 32768 elements with sixteen lanes,
// each block's four combined lanes added to a double total; with
// `align_head` the elements before the first 16-byte boundary are first
// added one by one into the total.
double sum_fast_32f(const float* p, std::size_t n, std::size_t stride, bool align_head);

// Double sums in four interleaved partials.
double sum_64f(const double* p, std::size_t n, std::size_t stride);

}  // namespace veks

#endif
