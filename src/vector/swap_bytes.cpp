// Byte swapping with one PSHUFB per register. The 3-byte width moves 12
// bytes (four elements) per step: the register's last four bytes are copied
// unchanged and rewritten by the next step, which also keeps the in-place
// form correct.
#include "swap_bytes.h"

#include <tmmintrin.h>

#include <utility>

namespace veks {
namespace {

using V = __m128i;

template <std::size_t W>
V swap_mask() {
    if constexpr (W == 2) return _mm_setr_epi8(1, 0, 3, 2, 5, 4, 7, 6, 9, 8, 11, 10, 13, 12, 15, 14);
    if constexpr (W == 3) return _mm_setr_epi8(2, 1, 0, 5, 4, 3, 8, 7, 6, 11, 10, 9, 12, 13, 14, 15);
    if constexpr (W == 4) return _mm_setr_epi8(3, 2, 1, 0, 7, 6, 5, 4, 11, 10, 9, 8, 15, 14, 13, 12);
    if constexpr (W == 8) return _mm_setr_epi8(7, 6, 5, 4, 3, 2, 1, 0, 15, 14, 13, 12, 11, 10, 9, 8);
}

}  // namespace

template <std::size_t W>
void swap_bytes(const void* src, void* dst, std::size_t len) {
    const auto* s = static_cast<const unsigned char*>(src);
    auto* d = static_cast<unsigned char*>(dst);
    const std::size_t n = len * W;
    constexpr std::size_t step = W == 3 ? 12 : 16;
    const V mask = swap_mask<W>();
    std::size_t i = 0;
    for (; i + 16 <= n; i += step) {
        const V v = _mm_loadu_si128(reinterpret_cast<const V*>(s + i));
        _mm_storeu_si128(reinterpret_cast<V*>(d + i), _mm_shuffle_epi8(v, mask));
    }
    for (; i < n; i += W) {
        unsigned char e[W];
        for (std::size_t k = 0; k < W; ++k) e[k] = s[i + W - 1 - k];
        for (std::size_t k = 0; k < W; ++k) d[i + k] = e[k];
    }
}

template void swap_bytes<2>(const void*, void*, std::size_t);
template void swap_bytes<3>(const void*, void*, std::size_t);
template void swap_bytes<4>(const void*, void*, std::size_t);
template void swap_bytes<8>(const void*, void*, std::size_t);

}  // namespace veks
