// Bit-string copy. Destination bytes are produced one at a time from a
// 16-bit window of the source (two neighbouring bytes shifted into place);
// full interior bytes take eight at a time from a big-endian 64-bit window.
// Source bytes are read only inside the source string.
#include "bit_copy.h"

#include <cstring>


namespace veks {
namespace {

inline std::uint64_t load_be64(const std::uint8_t* p) {
    std::uint64_t v;
    std::memcpy(&v, p, 8);
    return __builtin_bswap64(v);
}
inline void store_be64(std::uint8_t* p, std::uint64_t v) {
    v = __builtin_bswap64(v);
    std::memcpy(p, &v, 8);
}

}  // namespace

void copy_bits(const std::uint8_t* src, unsigned src_off, std::uint8_t* dst, unsigned dst_off,
               std::size_t len) {
    // Source string bits occupy absolute bit positions [src_off, src_off + len).
    const std::size_t src_bytes = (src_off + len + 7) / 8;
    auto src_byte = [&](std::ptrdiff_t i) -> unsigned {
        return (i >= 0 && static_cast<std::size_t>(i) < src_bytes) ? src[i] : 0u;
    };
    // Eight source bits starting at absolute source bit position `pos`
    // (may be negative for the first destination byte).
    auto src_bits8 = [&](std::ptrdiff_t pos) -> unsigned {
        const std::ptrdiff_t byte = pos >= 0 ? pos / 8 : -1;
        const unsigned sh = static_cast<unsigned>(pos - byte * 8);  // 0..7
        const unsigned window = (src_byte(byte) << 8) | src_byte(byte + 1);
        return (window << sh >> 8) & 0xFFu;
    };

    const std::size_t dst_end_bit = dst_off + len;  // exclusive, absolute in dst
    const std::size_t last_byte = (dst_end_bit - 1) / 8;
    // Source position aligned with destination bit 0 of byte j is
    // src_off - dst_off + 8 j.
    const std::ptrdiff_t delta = static_cast<std::ptrdiff_t>(src_off) - static_cast<std::ptrdiff_t>(dst_off);

    auto write_byte = [&](std::size_t j) {
        const std::size_t lo = j * 8, hi = lo + 8;
        unsigned mask = 0xFFu;
        if (lo < dst_off) mask &= 0xFFu >> (dst_off - lo);
        if (hi > dst_end_bit) mask &= 0xFFu << (hi - dst_end_bit) & 0xFFu;
        const unsigned v = src_bits8(delta + static_cast<std::ptrdiff_t>(lo));
        dst[j] = static_cast<std::uint8_t>((dst[j] & ~mask) | (v & mask));
    };

    write_byte(0);
    if (last_byte == 0) return;
    std::size_t j = 1;
    // Interior bytes: eight at a time while the 64-bit source window (plus
    // one byte for the shift) stays inside the source string.
    for (; j + 8 <= last_byte; j += 8) {
        const std::ptrdiff_t pos = delta + static_cast<std::ptrdiff_t>(j * 8);
        const std::size_t byte = static_cast<std::size_t>(pos / 8);
        const unsigned sh = static_cast<unsigned>(pos % 8);
        if (byte + 9 > src_bytes) break;
        std::uint64_t w = load_be64(src + byte);
        if (sh) w = (w << sh) | (src[byte + 8] >> (8 - sh));
        store_be64(dst + j, w);
    }
    for (; j < last_byte; ++j) dst[j] = static_cast<std::uint8_t>(src_bits8(delta + static_cast<std::ptrdiff_t>(j * 8)));
    write_byte(last_byte);
}

}  // namespace veks
