// Reversal of vectors of 1-, 2-, 4-, 8- and 16-byte elements.
#ifndef VEKS_VECTOR_FLIP_H
#define VEKS_VECTOR_FLIP_H

#include <cstddef>

namespace veks {

template <std::size_t Width>
void flip(const void* src, void* dst, std::size_t len);
template <std::size_t Width>
void flip_inplace(void* data, std::size_t len);

}  // namespace veks

#endif
