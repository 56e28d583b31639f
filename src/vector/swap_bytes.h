// Byte-order reversal of 2-, 3-, 4- and 8-byte elements (in place when
// src == dst).
#ifndef VEKS_VECTOR_SWAP_BYTES_H
#define VEKS_VECTOR_SWAP_BYTES_H

#include <cstddef>

namespace veks {

template <std::size_t Width>
void swap_bytes(const void* src, void* dst, std::size_t len);

}  // namespace veks

#endif
