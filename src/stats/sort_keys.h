// Unsigned keys whose unsigned order is the element order, for radix
// passes and for comparison sorts that need a total order over floats.
//
// Unsigned values are their own key; signed values flip the sign bit;
// floats flip every bit when negative and only the sign bit otherwise, so
// -0 sorts before +0 and NaNs go to the ends by their sign. A descending key
// is the complement of the ascending one.
#ifndef VEKS_STATS_SORT_KEYS_H
#define VEKS_STATS_SORT_KEYS_H

#include <cstdint>
#include <type_traits>

namespace veks {

// The unsigned integer of each width. The sorts view caller vectors
// through these and never through the element type inside one kernel.
using bits8 = std::uint8_t;
using bits16 = std::uint16_t;
using bits32 = std::uint32_t;
using bits64 = std::uint64_t;

template <std::size_t Bytes> struct BitsOf;
template <> struct BitsOf<1> { using type = bits8; };
template <> struct BitsOf<2> { using type = bits16; };
template <> struct BitsOf<4> { using type = bits32; };
template <> struct BitsOf<8> { using type = bits64; };

template <class T, bool Descend>
struct SortKey {
    using U = typename BitsOf<sizeof(T)>::type;
    static constexpr U sign = U(U(1) << (8 * sizeof(T) - 1));

    static U ascend(U b) {
        if constexpr (std::is_floating_point_v<T>) return (b & sign) ? U(~b) : U(b ^ sign);
        else if constexpr (std::is_signed_v<T>) return U(b ^ sign);
        else return b;
    }
    static U ascend_inverse(U k) {
        if constexpr (std::is_floating_point_v<T>) return (k & sign) ? U(k ^ sign) : U(~k);
        else if constexpr (std::is_signed_v<T>) return U(k ^ sign);
        else return k;
    }
    // Element bits -> key, and back.
    static U to(U bits) { return Descend ? U(~ascend(bits)) : ascend(bits); }
    static U from(U key) { return ascend_inverse(Descend ? U(~key) : key); }
};

// The digits of a key: LSD passes of 11, 11 and 10 bits per 32-bit word,
// 8-bit digits for 16-bit keys, one 8-bit digit for bytes.
template <class U>
struct RadixDigits {
    static constexpr int count = sizeof(U) == 1 ? 1 : sizeof(U) == 2 ? 2 : sizeof(U) == 4 ? 3 : 6;
    static constexpr int max_buckets = sizeof(U) <= 2 ? 256 : 2048;
    static constexpr int shift(int d) {
        if (sizeof(U) <= 2) return 8 * d;
        return 32 * (d / 3) + 11 * (d % 3);
    }
    static constexpr int bits(int d) {
        if (sizeof(U) <= 2) return 8;
        return d % 3 == 2 ? 10 : 11;
    }
    static unsigned digit(U key, int d) {
        return static_cast<unsigned>((key >> shift(d)) & ((U(1) << bits(d)) - 1));
    }
};

}  // namespace veks

#endif
