// Three-byte integers, least significant byte first, packed without gaps:
// element i of a 24-bit vector starts at byte 3*i.
#ifndef VEKS_CORE_INT24_H
#define VEKS_CORE_INT24_H

#include <cstdint>

namespace veks {

inline std::uint32_t load_u24(const void* base, std::ptrdiff_t i) {
    const auto* b = static_cast<const std::uint8_t*>(base) + 3 * i;
    return std::uint32_t(b[0]) | (std::uint32_t(b[1]) << 8) | (std::uint32_t(b[2]) << 16);
}

// Sign extension from bit 23.
inline std::int32_t load_s24(const void* base, std::ptrdiff_t i) {
    return std::int32_t(load_u24(base, i) << 8) >> 8;
}

// Stores the low 24 bits of v.
inline void store_24(void* base, std::ptrdiff_t i, std::uint32_t v) {
    auto* b = static_cast<std::uint8_t*>(base) + 3 * i;
    b[0] = std::uint8_t(v);
    b[1] = std::uint8_t(v >> 8);
    b[2] = std::uint8_t(v >> 16);
}

constexpr std::int32_t kS24Min = -8388608, kS24Max = 8388607;
constexpr std::int32_t kU24Max = 16777215;

}  // namespace veks

#endif
