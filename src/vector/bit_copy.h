// Copy of a bit string between arbitrary bit positions (most significant
// bit of each byte first).
#ifndef VEKS_VECTOR_BIT_COPY_H
#define VEKS_VECTOR_BIT_COPY_H

#include <cstddef>
#include <cstdint>

namespace veks {

// src_off and dst_off in 0..7; bits of the destination's first and last
// bytes outside the string keep their values.
void copy_bits(const std::uint8_t* src, unsigned src_off, std::uint8_t* dst, unsigned dst_off,
               std::size_t len);

}  // namespace veks

#endif
