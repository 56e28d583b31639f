// Byte-level move kernels behind Copy, Move, Set and Zero of every element
// type: these operations only move bits, so one kernel per width serves all.
#ifndef VEKS_VECTOR_COPY_KERNELS_H
#define VEKS_VECTOR_COPY_KERNELS_H

#include <cstddef>
#include <cstdint>

namespace veks {

// Non-overlapping copy of n bytes.
void copy_bytes(void* dst, const void* src, std::size_t n);
// Copy correct for any overlap (as if through a temporary).
void move_bytes(void* dst, const void* src, std::size_t n);
// Fills `count` elements of `width` bytes (1, 2, 4, 8 or 16) with the
// pattern held in the low `width` bytes of `pattern`. `stream_from` is the
// byte count from which a fill larger than the outermost cache streams.
void fill_pattern(void* dst, std::size_t count, std::size_t width, const void* pattern,
                  std::size_t stream_from);
// All-zero bits over n bytes.
void zero_bytes(void* dst, std::size_t n);

}  // namespace veks

#endif
