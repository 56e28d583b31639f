// The copy and fill loops on 16-byte registers: the baseline.
#include <emmintrin.h>

#include "copy_blocks.h"

namespace veks {
namespace {

struct Sse {
    using V = __m128i;
    static V load(const byte_t* p) { return _mm_loadu_si128(reinterpret_cast<const V*>(p)); }
    static void store(byte_t* p, V v) { _mm_storeu_si128(reinterpret_cast<V*>(p), v); }
    static void store_aligned(byte_t* p, V v) { _mm_store_si128(reinterpret_cast<V*>(p), v); }
    static void stream(byte_t* p, V v) { _mm_stream_si128(reinterpret_cast<V*>(p), v); }
    static void fence() { _mm_sfence(); }
    static V broadcast16(const byte_t* rep) { return load(rep); }
};

}  // namespace

const CopyBlocks& copy_blocks_sse() { return BlockLoops<Sse>::table(); }

}  // namespace veks
