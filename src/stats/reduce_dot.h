// Kernels of the dot products compiled for wider instruction sets.
#ifndef VEKS_STATS_REDUCE_DOT_H
#define VEKS_STATS_REDUCE_DOT_H

#include <cstddef>

namespace veks {

// The sixteen partials of the 32f dot product over the whole blocks of 16
// elements (stored to p[0..15]); returns the number of elements consumed.
std::size_t dot_32f_partials_avx2(const float* a, const float* b, std::size_t n, float* p);

}  // namespace veks

#endif
