// Block loops of the copy, move and fill kernels, written once over a
// vector traits type and compiled once per instruction set (the
// copy_blocks_<isa>.cpp files). Only bytes move, so every width writes the
// same bytes; wider registers just move them in fewer instructions.
//
// A traits type supplies V, load/store (unaligned), store_aligned, stream
// (non-temporal), fence and broadcast16 (a 16-byte pattern repeated across V).
#ifndef VEKS_VECTOR_COPY_BLOCKS_H
#define VEKS_VECTOR_COPY_BLOCKS_H

#include <cstddef>
#include <cstdint>

namespace veks {

using byte_t = unsigned char;

// The loops of one instruction set. Each accepts n >= min_bytes.
struct CopyBlocks {
    // Forward copy, also correct for a destination below an overlapping
    // source. `stream` bypasses the caches for the bulk of the data.
    void (*forward)(byte_t* d, const byte_t* s, std::size_t n, bool stream);
    // Backward copy for a destination above an overlapping source.
    void (*backward)(byte_t* d, const byte_t* s, std::size_t n);
    // Fills n bytes with a 16-byte pattern that repeats an element of
    // `width` bytes; n is a whole number of elements.
    void (*fill)(byte_t* d, std::size_t n, std::size_t width, const byte_t* rep16, bool stream);
    std::size_t min_bytes;
};

const CopyBlocks& copy_blocks_sse();
const CopyBlocks& copy_blocks_avx2();
const CopyBlocks& copy_blocks_avx512();

template <class Vt>
struct BlockLoops {
    using V = typename Vt::V;
    static constexpr std::size_t W = sizeof(V);
    static constexpr std::size_t kMin = 4 * W;

    static std::size_t misalignment(const void* p) { return reinterpret_cast<std::uintptr_t>(p) & (W - 1); }

    template <bool Stream>
    static void forward_loop(byte_t* d, const byte_t* s, std::size_t left) {
        for (; left > 4 * W; d += 4 * W, s += 4 * W, left -= 4 * W) {
            const V v0 = Vt::load(s), v1 = Vt::load(s + W), v2 = Vt::load(s + 2 * W), v3 = Vt::load(s + 3 * W);
            if constexpr (Stream) {
                Vt::stream(d, v0), Vt::stream(d + W, v1), Vt::stream(d + 2 * W, v2), Vt::stream(d + 3 * W, v3);
            } else {
                Vt::store_aligned(d, v0), Vt::store_aligned(d + W, v1);
                Vt::store_aligned(d + 2 * W, v2), Vt::store_aligned(d + 3 * W, v3);
            }
        }
    }

    static void forward(byte_t* d, const byte_t* s, std::size_t n, bool stream) {
        // Head and tail are loaded first and stored last: with an overlapping
        // source above the destination they must not clobber bytes the loop
        // has yet to read. The tail covers whatever the loop leaves (< 4W).
        const V head = Vt::load(s);
        const V t0 = Vt::load(s + n - 4 * W), t1 = Vt::load(s + n - 3 * W);
        const V t2 = Vt::load(s + n - 2 * W), t3 = Vt::load(s + n - W);
        byte_t* const end = d + n;
        const std::size_t skew = W - misalignment(d);
        if (stream) {
            forward_loop<true>(d + skew, s + skew, n - skew);
            Vt::fence();
        } else {
            forward_loop<false>(d + skew, s + skew, n - skew);
        }
        Vt::store(d, head);
        Vt::store(end - 4 * W, t0), Vt::store(end - 3 * W, t1), Vt::store(end - 2 * W, t2), Vt::store(end - W, t3);
    }

    static void backward(byte_t* d, const byte_t* s, std::size_t n) {
        const V tail = Vt::load(s + n - W);
        const V h0 = Vt::load(s), h1 = Vt::load(s + W), h2 = Vt::load(s + 2 * W), h3 = Vt::load(s + 3 * W);
        const std::size_t skew = misalignment(d + n);
        const std::size_t back = skew ? skew : W;
        byte_t* de = d + n - back;
        const byte_t* se = s + n - back;
        for (std::size_t left = n - back; left > 4 * W; de -= 4 * W, se -= 4 * W, left -= 4 * W) {
            const V v0 = Vt::load(se - W), v1 = Vt::load(se - 2 * W), v2 = Vt::load(se - 3 * W), v3 = Vt::load(se - 4 * W);
            Vt::store_aligned(de - W, v0), Vt::store_aligned(de - 2 * W, v1);
            Vt::store_aligned(de - 3 * W, v2), Vt::store_aligned(de - 4 * W, v3);
        }
        Vt::store(d + n - W, tail);
        Vt::store(d, h0), Vt::store(d + W, h1), Vt::store(d + 2 * W, h2), Vt::store(d + 3 * W, h3);
    }

    // The pattern holds whole elements, so a store at any offset that is a
    // multiple of the element width writes whole, correctly placed elements.
    static void fill(byte_t* d, std::size_t n, std::size_t width, const byte_t* rep16, bool stream) {
        const V v = Vt::broadcast16(rep16);
        byte_t* const tail = d + n - W;
        Vt::store(d, v);
        Vt::store(tail, v);
        if (reinterpret_cast<std::uintptr_t>(d) % width != 0) {
            for (byte_t* p = d + W; p < tail; p += W) Vt::store(p, v);
            return;
        }
        byte_t* a = d + (W - misalignment(d));
        if (stream) {
            for (; a + 4 * W <= tail; a += 4 * W)
                Vt::stream(a, v), Vt::stream(a + W, v), Vt::stream(a + 2 * W, v), Vt::stream(a + 3 * W, v);
            Vt::fence();
        } else {
            for (; a + 4 * W <= tail; a += 4 * W)
                Vt::store_aligned(a, v), Vt::store_aligned(a + W, v), Vt::store_aligned(a + 2 * W, v),
                    Vt::store_aligned(a + 3 * W, v);
        }
        for (; a < tail; a += W) Vt::store_aligned(a, v);
    }

    static const CopyBlocks& table() {
        static const CopyBlocks t{&forward, &backward, &fill, kMin};
        return t;
    }
};

}  // namespace veks

#endif
