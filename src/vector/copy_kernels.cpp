// Copy, move and fill kernels. Plan of each: short sizes with a few
// overlapping unaligned moves; otherwise the block loops of the widest
// instruction set the processor runs (copy_blocks.h): align the destination,
// store blocks of four registers, finish with overlapping stores from the
// end. Data far larger than the outermost cache is written with
// non-temporal stores so that it does not evict the caller's working set.
#include "copy_kernels.h"

#include <emmintrin.h>

#include <cstring>

#include "copy_blocks.h"
#include "core/cpu.h"
#include "core/short_move.h"

namespace veks {
namespace {

using V = __m128i;

inline V ld(const unsigned char* p) { return _mm_loadu_si128(reinterpret_cast<const V*>(p)); }
inline void st(unsigned char* p, V v) { _mm_storeu_si128(reinterpret_cast<V*>(p), v); }

template <class W>
inline W ldw(const unsigned char* p) {
    W w;
    std::memcpy(&w, p, sizeof w);
    return w;
}
template <class W>
inline void stw(unsigned char* p, W w) {
    std::memcpy(p, &w, sizeof w);
}

// 33..128 bytes, all loads before all stores (overlap-safe as well).
inline void copy_medium(unsigned char* d, const unsigned char* s, std::size_t n) {
    if (n <= 64) {
        const V a = ld(s), b = ld(s + 16), c = ld(s + n - 32), e = ld(s + n - 16);
        st(d, a), st(d + 16, b), st(d + n - 32, c), st(d + n - 16, e);
    } else {
        const V a0 = ld(s), a1 = ld(s + 16), a2 = ld(s + 32), a3 = ld(s + 48);
        const V b0 = ld(s + n - 64), b1 = ld(s + n - 48), b2 = ld(s + n - 32), b3 = ld(s + n - 16);
        st(d, a0), st(d + 16, a1), st(d + 32, a2), st(d + 48, a3);
        st(d + n - 64, b0), st(d + n - 48, b1), st(d + n - 32, b2), st(d + n - 16, b3);
    }
}

bool stream_copy(std::size_t n) {
    if (n <= 131072) return false;
    const std::size_t cache = cpu_info().largest_cache;
    return cache != 0 && n > cache / 2;
}

// The widest loops the processor runs, and the baseline loops for sizes
// below the wide loops' minimum.
struct Loops {
    const CopyBlocks* wide;
    const CopyBlocks* base;
};

const Loops& loops() {
    static const Loops l = [] {
        const CpuInfo& cpu = cpu_info();
        const CopyBlocks* wide = cpu.avx512 ? &copy_blocks_avx512() : cpu.avx2 ? &copy_blocks_avx2() : &copy_blocks_sse();
        return Loops{wide, &copy_blocks_sse()};
    }();
    return l;
}

inline const CopyBlocks& loops_for(std::size_t n) {
    const Loops& l = loops();
    return n >= l.wide->min_bytes ? *l.wide : *l.base;
}

// Fewer than 16 bytes of whole elements: two overlapping stores of the
// pattern's low bytes at offsets 0 and n - k, both multiples of the width.
inline void fill_small(byte_t* d, std::size_t n, const byte_t* rep) {
    if (n >= 8) {
        const auto w = ldw<std::uint64_t>(rep);
        stw(d, w), stw(d + n - 8, w);
    } else if (n >= 4) {
        const auto w = ldw<std::uint32_t>(rep);
        stw(d, w), stw(d + n - 4, w);
    } else if (n >= 2) {
        const auto w = ldw<std::uint16_t>(rep);
        stw(d, w), stw(d + n - 2, w);
    } else if (n == 1) {
        *d = *rep;
    }
}

}  // namespace

void copy_bytes(void* dst, const void* src, std::size_t n) {
    auto* d = static_cast<byte_t*>(dst);
    const auto* s = static_cast<const byte_t*>(src);
    if (n <= 32) return move_short(d, s, n);
    if (n <= 128) return copy_medium(d, s, n);
    if (n <= 256) {
        // Without overlap the two halves may share bytes: both write the
        // same values there. Cheaper than setting up the block loops.
        copy_medium(d, s, 128);
        return copy_medium(d + n - 128, s + n - 128, 128);
    }
    loops_for(n).forward(d, s, n, stream_copy(n));
}

void move_bytes(void* dst, const void* src, std::size_t n) {
    auto* d = static_cast<byte_t*>(dst);
    const auto* s = static_cast<const byte_t*>(src);
    if (d == s) return;
    if (n <= 32) return move_short(d, s, n);
    if (n <= 128) return copy_medium(d, s, n);
    const CopyBlocks& blocks = loops_for(n);
    if (d > s && d < s + n) return blocks.backward(d, s, n);
    const bool overlap = s > d && s < d + n;
    blocks.forward(d, s, n, !overlap && stream_copy(n));
}

void fill_pattern(void* dst, std::size_t count, std::size_t width, const void* pattern,
                  std::size_t stream_from) {
    auto* d = static_cast<byte_t*>(dst);
    const std::size_t n = count * width;
    const auto* p = static_cast<const byte_t*>(pattern);

    // The element repeated across 16 bytes (every width divides 16).
    V v;
    switch (width) {
        case 1: v = _mm_set1_epi8(static_cast<char>(*p)); break;
        case 2: v = _mm_set1_epi16(static_cast<short>(ldw<std::uint16_t>(p))); break;
        case 4: v = _mm_set1_epi32(static_cast<int>(ldw<std::uint32_t>(p))); break;
        case 8: v = _mm_set1_epi64x(static_cast<long long>(ldw<std::uint64_t>(p))); break;
        default: v = ld(p); break;
    }
    alignas(16) byte_t rep[16];
    _mm_store_si128(reinterpret_cast<V*>(rep), v);
    if (n < 16) return fill_small(d, n, rep);
    if (n <= 512) {
        // Stores at multiples of 16 and a last group that ends at n: all at
        // offsets that are multiples of the width.
        if (n <= 32) return st(d, v), st(d + n - 16, v);
        if (n <= 64) return st(d, v), st(d + 16, v), st(d + n - 32, v), st(d + n - 16, v);
        for (std::size_t i = 0; i + 64 < n; i += 64) st(d + i, v), st(d + i + 16, v), st(d + i + 32, v), st(d + i + 48, v);
        return st(d + n - 64, v), st(d + n - 48, v), st(d + n - 32, v), st(d + n - 16, v);
    }
    const bool stream = n >= stream_from && cpu_info().largest_cache != 0 && n > cpu_info().largest_cache;
    loops_for(n).fill(d, n, width, rep, stream);
}

void zero_bytes(void* dst, std::size_t n) {
    const byte_t zero = 0;
    fill_pattern(dst, n, 1, &zero, 524289);
}

}  // namespace veks
