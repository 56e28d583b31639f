// The copy and fill loops on 32-byte registers; built with AVX2 enabled and
// used only when the processor reports it.
#include <immintrin.h>

#include "copy_blocks.h"

namespace veks {
namespace {

struct Avx2 {
    using V = __m256i;
    static V load(const byte_t* p) { return _mm256_loadu_si256(reinterpret_cast<const V*>(p)); }
    static void store(byte_t* p, V v) { _mm256_storeu_si256(reinterpret_cast<V*>(p), v); }
    static void store_aligned(byte_t* p, V v) { _mm256_store_si256(reinterpret_cast<V*>(p), v); }
    static void stream(byte_t* p, V v) { _mm256_stream_si256(reinterpret_cast<V*>(p), v); }
    static void fence() { _mm_sfence(); }
    static V broadcast16(const byte_t* rep) {
        return _mm256_broadcastsi128_si256(_mm_loadu_si128(reinterpret_cast<const __m128i*>(rep)));
    }
};

}  // namespace

const CopyBlocks& copy_blocks_avx2() { return BlockLoops<Avx2>::table(); }

}  // namespace veks
