// The reproducible generator behind every random-number operation: a
// congruential sequence L(n) = 69069 L(n-1) + 1013904243 added to a
// subtract-with-borrow sequence z(n) = z(n-2) - z(n-3) + d (modulus
// 2^32 - 18). All arithmetic is on unsigned 32-bit words, so the stream is
// the same on every machine.
#ifndef VEKS_GENERATE_RAND_ENGINE_H
#define VEKS_GENERATE_RAND_ENGINE_H

#include <cstdint>

namespace veks {
namespace rng {

constexpr std::uint32_t kLcgMul = 69069u;
constexpr std::uint32_t kLcgAdd = 1013904243u;
// Two congruential steps at once, for the two-lane kernels.
constexpr std::uint32_t kLcgMul2 = kLcgMul * kLcgMul;                 // 475559465
constexpr std::uint32_t kLcgAdd2 = kLcgAdd * (kLcgMul + 1u);          // 924302730
constexpr std::uint32_t kLcgStart = 1131199209u;                      // L(0) for every seed
constexpr double kTwoPowM32 = 2.3283064365386963e-10;                 // 2^-32
constexpr double kTwoPowM31 = 4.6566128730773926e-10;                 // 2^-31

static_assert(kLcgMul2 == 475559465u && kLcgAdd2 == 924302730u, "two-step congruential constants");

// The generator words, in the order the state objects keep them.
struct Engine {
    std::uint32_t lcg;  // L(n-1)
    std::uint32_t z1;   // z(n-1)
    std::uint32_t z2;   // z(n-2)
    std::uint32_t z3;   // z(n-3)
    std::uint32_t d;    // borrow term: 0 or 0xFFFFFFFF

    static Engine seeded(std::uint32_t seed) {
        Engine e;
        e.lcg = kLcgStart;
        e.z1 = seed;
        e.z2 = kLcgMul * seed + kLcgAdd;
        e.z3 = kLcgMul * e.z2 + kLcgAdd;
        e.d = 0xFFFFFFFFu;
        return e;
    }

    // One subtract-with-borrow step; returns z(n).
    std::uint32_t step_swb() {
        const std::uint32_t t = z2 - z3 + d;
        const std::uint32_t borrow = static_cast<std::uint32_t>(static_cast<std::int32_t>(t) >> 31);
        const std::uint32_t z = t - (borrow & 18u);
        d = borrow;
        z3 = z2;
        z2 = z1;
        z1 = z;
        return z;
    }

    // The next output word u(n), in [-2^31, 2^31).
    std::int32_t next() {
        lcg = kLcgMul * lcg + kLcgAdd;
        return static_cast<std::int32_t>(step_swb() + lcg);
    }

    // n output words; the congruential part runs in two lanes two steps
    // apart, which breaks its dependency chain and gives the same words.
    void fill(std::int32_t* out, int n) {
        int i = 0;
        if (n >= 2) {
            std::uint32_t la = kLcgMul * lcg + kLcgAdd;
            std::uint32_t lb = kLcgMul * la + kLcgAdd;
            for (; i + 2 <= n; i += 2) {
                out[i] = static_cast<std::int32_t>(step_swb() + la);
                out[i + 1] = static_cast<std::int32_t>(step_swb() + lb);
                lcg = lb;
                la = kLcgMul2 * la + kLcgAdd2;
                lb = kLcgMul2 * lb + kLcgAdd2;
            }
        }
        for (; i < n; ++i) out[i] = next();
    }
};

}  // namespace rng
}  // namespace veks

#endif
