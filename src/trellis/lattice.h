// The square lattice of the trellis decoder: points at odd multiples of 128,
// 256 apart; a received coordinate's offset inside its cell and the cell's
// index modulo 4.
#ifndef VEKS_TRELLIS_LATTICE_H
#define VEKS_TRELLIS_LATTICE_H

#include <cstdint>

namespace veks {
namespace trellis {

struct Axis {
    std::uint16_t base;    // lattice coordinate at or below the received one
    std::int32_t offset;   // 0 .. 255
    std::uint32_t cell;    // cell index modulo 4
};

inline Axis axis(std::int16_t v) {
    const std::uint16_t u = static_cast<std::uint16_t>(v);
    const std::int32_t o = (u ^ 128) & 255;
    const std::uint16_t base = static_cast<std::uint16_t>(u - o);
    const std::int32_t signed_base = static_cast<std::int16_t>(base);
    return Axis{base, o, static_cast<std::uint32_t>(((signed_base - 128) >> 8) + 2) & 3u};
}

// Squared coordinate distance as the decoder keeps it: d^2 >> 4.
inline std::uint32_t sq(std::int32_t d) { return static_cast<std::uint32_t>(d * d) >> 4; }

// A 2-D distance entry: distance low, corner code high.
inline std::uint32_t entry(std::uint32_t dist, std::uint32_t code) { return (dist & 0xFFFFu) | (code << 16); }
inline std::uint16_t dist_of(std::uint32_t e) { return static_cast<std::uint16_t>(e); }
inline std::uint16_t code_of(std::uint32_t e) { return static_cast<std::uint16_t>(e >> 16); }

// Trellis size from numStates: 16, 32, anything else 64.
inline int states_of(int numStates) { return numStates == 16 ? 16 : numStates == 32 ? 32 : 64; }

}  // namespace trellis
}  // namespace veks

#endif
