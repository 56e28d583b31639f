// Moves of 0 to 32 bytes as at most two overlapping loads and two stores of
// the widest fitting size, every load before any store (so overlapping
// ranges are moved as if through a temporary). A variable-length memcpy of
// a few bytes becomes a "rep movsb" or a library call, which costs more to
// start than these moves take; partial vector steps and short copies use
// this instead.
//
// The function lives in an anonymous namespace: kernel files compiled for
// wider instruction sets include it too, and each must keep its own copy.
#ifndef VEKS_CORE_SHORT_MOVE_H
#define VEKS_CORE_SHORT_MOVE_H

#include <emmintrin.h>

#include <cstddef>
#include <cstdint>
#include <cstring>

namespace veks {
namespace {

template <class W>
inline void move_pair(unsigned char* d, const unsigned char* s, std::size_t n) {
    W a, b;
    std::memcpy(&a, s, sizeof a);
    std::memcpy(&b, s + n - sizeof b, sizeof b);
    std::memcpy(d, &a, sizeof a);
    std::memcpy(d + n - sizeof b, &b, sizeof b);
}

inline void move_short(void* dst, const void* src, std::size_t n) {
    auto* d = static_cast<unsigned char*>(dst);
    const auto* s = static_cast<const unsigned char*>(src);
    if (n >= 16) return move_pair<__m128i>(d, s, n);
    if (n >= 8) return move_pair<std::uint64_t>(d, s, n);
    if (n >= 4) return move_pair<std::uint32_t>(d, s, n);
    if (n >= 2) return move_pair<std::uint16_t>(d, s, n);
    if (n == 1) *d = *s;
}

}  // namespace
}  // namespace veks

#endif
