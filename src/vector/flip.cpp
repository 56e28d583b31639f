// Reversal: whole 16-byte registers are read from the far end, their
// elements reversed with one shuffle and stored at the near end. Complex
// elements move as one unit (the 8- and 16-byte widths).
#include "flip.h"

#include <tmmintrin.h>

#include <cstdint>
#include <cstring>
#include <utility>

namespace veks {
namespace {

using V = __m128i;

template <std::size_t W>
inline V reverse_lanes(V v) {
    if constexpr (W == 1) {
        return _mm_shuffle_epi8(v, _mm_setr_epi8(15, 14, 13, 12, 11, 10, 9, 8, 7, 6, 5, 4, 3, 2, 1, 0));
    } else if constexpr (W == 2) {
        return _mm_shuffle_epi8(v, _mm_setr_epi8(14, 15, 12, 13, 10, 11, 8, 9, 6, 7, 4, 5, 2, 3, 0, 1));
    } else if constexpr (W == 4) {
        return _mm_shuffle_epi32(v, _MM_SHUFFLE(0, 1, 2, 3));
    } else if constexpr (W == 8) {
        return _mm_shuffle_epi32(v, _MM_SHUFFLE(1, 0, 3, 2));
    } else {
        return v;
    }
}

template <std::size_t W>
struct Elem {
    unsigned char b[W];
};

inline V ld(const unsigned char* p) { return _mm_loadu_si128(reinterpret_cast<const V*>(p)); }
inline void st(unsigned char* p, V v) { _mm_storeu_si128(reinterpret_cast<V*>(p), v); }

}  // namespace

template <std::size_t W>
void flip(const void* src, void* dst, std::size_t len) {
    using E = Elem<W>;
    constexpr std::size_t per = 16 / W;
    const auto* s = static_cast<const E*>(src);
    auto* d = static_cast<E*>(dst);
    std::size_t i = 0;
    if (len >= 2 * per) {
        // Peel to a 16-byte aligned destination when that is reachable.
        const std::uintptr_t a = reinterpret_cast<std::uintptr_t>(d);
        if (a % W == 0)
            for (; (reinterpret_cast<std::uintptr_t>(d + i) & 15) != 0 && i < len; ++i) d[i] = s[len - 1 - i];
        for (; i + 2 * per <= len; i += 2 * per) {
            const auto* from = reinterpret_cast<const unsigned char*>(s + (len - i - 2 * per));
            const V hi = ld(from + 16), lo = ld(from);
            auto* to = reinterpret_cast<unsigned char*>(d + i);
            st(to, reverse_lanes<W>(hi));
            st(to + 16, reverse_lanes<W>(lo));
        }
    }
    for (; i < len; ++i) d[i] = s[len - 1 - i];
}

template <std::size_t W>
void flip_inplace(void* data, std::size_t len) {
    using E = Elem<W>;
    constexpr std::size_t per = 16 / W;
    auto* p = static_cast<E*>(data);
    std::size_t lo = 0, hi = len;  // swap [lo, ...) with (..., hi)
    while (hi - lo >= 2 * per) {
        auto* a = reinterpret_cast<unsigned char*>(p + lo);
        auto* b = reinterpret_cast<unsigned char*>(p + hi - per);
        const V va = ld(a), vb = ld(b);
        st(a, reverse_lanes<W>(vb));
        st(b, reverse_lanes<W>(va));
        lo += per, hi -= per;
    }
    for (; lo + 1 < hi; ++lo, --hi) std::swap(p[lo], p[hi - 1]);
}

#define VEKS_FLIP_WIDTH(W)                                                  \
    template void flip<W>(const void*, void*, std::size_t);                 \
    template void flip_inplace<W>(void*, std::size_t);
VEKS_FLIP_WIDTH(1)
VEKS_FLIP_WIDTH(2)
VEKS_FLIP_WIDTH(4)
VEKS_FLIP_WIDTH(8)
VEKS_FLIP_WIDTH(16)
#undef VEKS_FLIP_WIDTH

}  // namespace veks
