// The copy and fill loops on 64-byte registers; built with AVX-512 enabled
// and used only when the processor and the OS both support it.
#include <immintrin.h>

#include "copy_blocks.h"

namespace veks {
namespace {

struct Avx512 {
    using V = __m512i;
    static V load(const byte_t* p) { return _mm512_loadu_si512(p); }
    static void store(byte_t* p, V v) { _mm512_storeu_si512(p, v); }
    static void store_aligned(byte_t* p, V v) { _mm512_store_si512(p, v); }
    static void stream(byte_t* p, V v) { _mm512_stream_si512(reinterpret_cast<V*>(p), v); }
    static void fence() { _mm_sfence(); }
    static V broadcast16(const byte_t* rep) {
        // The masked form with an explicit source: the plain one starts from
        // an undefined register, which GCC reports as uninitialised.
        return _mm512_mask_broadcast_i32x4(_mm512_setzero_si512(), 0xFFFF,
                                           _mm_loadu_si128(reinterpret_cast<const __m128i*>(rep)));
    }
};

}  // namespace

const CopyBlocks& copy_blocks_avx512() { return BlockLoops<Avx512>::table(); }

}  // namespace veks
