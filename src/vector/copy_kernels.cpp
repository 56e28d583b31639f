// Copy, move and fill kernels. Plan of each: short sizes with a few
// overlapping unaligned moves; otherwise align the destination to 16 bytes,
// store 128-byte blocks, finish with overlapping stores from the end. Data
// far larger than the outermost cache is written with non-temporal stores so
// that it does not evict the caller's working set.
#include "copy_kernels.h"

#include <emmintrin.h>

#include <cstring>

#include "core/cpu.h"

namespace veks {
namespace {

using V = __m128i;

inline V ld(const unsigned char* p) { return _mm_loadu_si128(reinterpret_cast<const V*>(p)); }
inline void st(unsigned char* p, V v) { _mm_storeu_si128(reinterpret_cast<V*>(p), v); }
inline void sta(unsigned char* p, V v) { _mm_store_si128(reinterpret_cast<V*>(p), v); }
inline void stn(unsigned char* p, V v) { _mm_stream_si128(reinterpret_cast<V*>(p), v); }

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

// 0..16 bytes: every load happens before any store, so this is also a
// correct move for overlapping ranges.
inline void copy_small(unsigned char* d, const unsigned char* s, std::size_t n) {
    if (n >= 8) {
        const auto a = ldw<std::uint64_t>(s), b = ldw<std::uint64_t>(s + n - 8);
        stw(d, a), stw(d + n - 8, b);
    } else if (n >= 4) {
        const auto a = ldw<std::uint32_t>(s), b = ldw<std::uint32_t>(s + n - 4);
        stw(d, a), stw(d + n - 4, b);
    } else if (n >= 2) {
        const auto a = ldw<std::uint16_t>(s), b = ldw<std::uint16_t>(s + n - 2);
        stw(d, a), stw(d + n - 2, b);
    } else if (n == 1) {
        *d = *s;
    }
}

// 17..128 bytes, all loads before all stores (overlap-safe as well).
inline void copy_medium(unsigned char* d, const unsigned char* s, std::size_t n) {
    if (n <= 32) {
        const V a = ld(s), b = ld(s + n - 16);
        st(d, a), st(d + n - 16, b);
    } else if (n <= 64) {
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

// Forward block copy of n > 128 bytes, also correct for a destination below
// an overlapping source.
template <bool Stream>
void copy_forward_blocks(unsigned char* d, const unsigned char* s, std::size_t n) {
    const V head = ld(s);
    const V t0 = ld(s + n - 64), t1 = ld(s + n - 48), t2 = ld(s + n - 32), t3 = ld(s + n - 16);
    unsigned char* const d_end = d + n;
    const std::size_t skew = 16 - (reinterpret_cast<std::uintptr_t>(d) & 15);
    unsigned char* const d_begin = d;
    d += skew, s += skew;
    std::size_t left = static_cast<std::size_t>(d_end - d);
    while (left > 128 + 64) {
        const V v0 = ld(s), v1 = ld(s + 16), v2 = ld(s + 32), v3 = ld(s + 48);
        const V v4 = ld(s + 64), v5 = ld(s + 80), v6 = ld(s + 96), v7 = ld(s + 112);
        if constexpr (Stream) {
            stn(d, v0), stn(d + 16, v1), stn(d + 32, v2), stn(d + 48, v3);
            stn(d + 64, v4), stn(d + 80, v5), stn(d + 96, v6), stn(d + 112, v7);
        } else {
            sta(d, v0), sta(d + 16, v1), sta(d + 32, v2), sta(d + 48, v3);
            sta(d + 64, v4), sta(d + 80, v5), sta(d + 96, v6), sta(d + 112, v7);
        }
        d += 128, s += 128, left -= 128;
    }
    while (left > 64) {
        const V v0 = ld(s), v1 = ld(s + 16), v2 = ld(s + 32), v3 = ld(s + 48);
        sta(d, v0), sta(d + 16, v1), sta(d + 32, v2), sta(d + 48, v3);
        d += 64, s += 64, left -= 64;
    }
    if constexpr (Stream) _mm_sfence();
    // Head and tail were loaded first and are stored last: with an
    // overlapping source above the destination they must not clobber bytes
    // the loop has yet to read.
    st(d_begin, head);
    st(d_end - 64, t0), st(d_end - 48, t1), st(d_end - 32, t2), st(d_end - 16, t3);
}

// Backward block copy for a destination above an overlapping source.
void copy_backward_blocks(unsigned char* d, const unsigned char* s, std::size_t n) {
    const V tail = ld(s + n - 16);
    const V h0 = ld(s), h1 = ld(s + 16), h2 = ld(s + 32), h3 = ld(s + 48);
    unsigned char* const d_begin = d;
    unsigned char* de = d + n;
    const unsigned char* se = s + n;
    const std::size_t skew = reinterpret_cast<std::uintptr_t>(de) & 15;
    de -= skew ? skew : 16, se -= skew ? skew : 16;
    std::size_t left = static_cast<std::size_t>(de - d_begin);
    while (left > 64) {
        const V v0 = ld(se - 16), v1 = ld(se - 32), v2 = ld(se - 48), v3 = ld(se - 64);
        sta(de - 16, v0), sta(de - 32, v1), sta(de - 48, v2), sta(de - 64, v3);
        de -= 64, se -= 64, left -= 64;
    }
    st(d_begin + n - 16, tail);
    st(d_begin, h0), st(d_begin + 16, h1), st(d_begin + 32, h2), st(d_begin + 48, h3);
}

}  // namespace

void copy_bytes(void* dst, const void* src, std::size_t n) {
    auto* d = static_cast<unsigned char*>(dst);
    const auto* s = static_cast<const unsigned char*>(src);
    if (n <= 16) return copy_small(d, s, n);
    if (n <= 128) return copy_medium(d, s, n);
    if (stream_copy(n)) return copy_forward_blocks<true>(d, s, n);
    copy_forward_blocks<false>(d, s, n);
}

void move_bytes(void* dst, const void* src, std::size_t n) {
    auto* d = static_cast<unsigned char*>(dst);
    const auto* s = static_cast<const unsigned char*>(src);
    if (d == s) return;
    if (n <= 16) return copy_small(d, s, n);
    if (n <= 128) return copy_medium(d, s, n);
    const bool dst_above_overlapping = d > s && d < s + n;
    if (dst_above_overlapping) return copy_backward_blocks(d, s, n);
    const bool overlap = s > d && s < d + n;
    if (!overlap && stream_copy(n)) return copy_forward_blocks<true>(d, s, n);
    copy_forward_blocks<false>(d, s, n);
}

void fill_pattern(void* dst, std::size_t count, std::size_t width, const void* pattern,
                  std::size_t stream_from) {
    auto* d = static_cast<unsigned char*>(dst);
    const auto* p = static_cast<const unsigned char*>(pattern);
    const std::size_t n = count * width;

    // Replicate the element into a full register.
    alignas(16) unsigned char rep[16];
    for (std::size_t i = 0; i < 16; i += width) std::memcpy(rep + i, p, width);
    const V v = _mm_load_si128(reinterpret_cast<const V*>(rep));

    const std::uintptr_t addr = reinterpret_cast<std::uintptr_t>(d);
    const bool alignable = addr % width == 0;
    if (n < 32 || !alignable) {
        // Whole elements only: the register phase matches the element
        // boundaries at every multiple of 16 from the start.
        std::size_t i = 0;
        for (; i + 16 <= n; i += 16) st(d + i, v);
        for (; i < n; i += width) std::memcpy(d + i, p, width);
        return;
    }

    // Head elements up to the 16-byte boundary, then aligned blocks.
    std::size_t head = (16 - addr % 16) % 16;
    for (std::size_t i = 0; i < head; i += width) std::memcpy(d + i, p, width);
    unsigned char* a = d + head;
    std::size_t left = n - head;

    const std::size_t cache = cpu_info().largest_cache;
    const bool stream = n >= stream_from && cache != 0 && n > cache;
    if (stream) {
        for (; left >= 128; a += 128, left -= 128) {
            stn(a, v), stn(a + 16, v), stn(a + 32, v), stn(a + 48, v);
            stn(a + 64, v), stn(a + 80, v), stn(a + 96, v), stn(a + 112, v);
        }
        _mm_sfence();
    } else {
        for (; left >= 128; a += 128, left -= 128) {
            sta(a, v), sta(a + 16, v), sta(a + 32, v), sta(a + 48, v);
            sta(a + 64, v), sta(a + 80, v), sta(a + 96, v), sta(a + 112, v);
        }
    }
    for (; left >= 16; a += 16, left -= 16) sta(a, v);
    for (std::size_t i = 0; i < left; i += width) std::memcpy(a + i, p, width);
}

void zero_bytes(void* dst, std::size_t n) {
    const unsigned char zero = 0;
    fill_pattern(dst, n, 1, &zero, 524289);
}

}  // namespace veks
