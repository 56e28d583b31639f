// The SSE2-SSSE3 packet layer and the element-wise sweep.
//
// A kernel is written once against Packet<T> (load, store, arithmetic) and a
// scalar twin that gives the same bits; `sweep` runs the scalar form until
// the destination is 16-byte aligned, the packet form over whole blocks and
// the scalar form again on the tail.
#ifndef VEKS_CORE_SIMD_H
#define VEKS_CORE_SIMD_H

#include <tmmintrin.h>  // SSSE3 and everything below it

#include <cstddef>
#include <cstdint>

namespace veks {
namespace simd {

template <class T>
struct Packet;

template <>
struct Packet<float> {
    using V = __m128;
    static constexpr int lanes = 4;
    static V loadu(const float* p) { return _mm_loadu_ps(p); }
    static V load(const float* p) { return _mm_load_ps(p); }
    static void storeu(float* p, V v) { _mm_storeu_ps(p, v); }
    static void store(float* p, V v) { _mm_store_ps(p, v); }
    static V set1(float x) { return _mm_set1_ps(x); }
    static V zero() { return _mm_setzero_ps(); }
    static V add(V a, V b) { return _mm_add_ps(a, b); }
    static V sub(V a, V b) { return _mm_sub_ps(a, b); }
    static V mul(V a, V b) { return _mm_mul_ps(a, b); }
    static V div(V a, V b) { return _mm_div_ps(a, b); }
    static V min(V a, V b) { return _mm_min_ps(a, b); }
    static V max(V a, V b) { return _mm_max_ps(a, b); }
    static V sqrt(V a) { return _mm_sqrt_ps(a); }
};

template <>
struct Packet<double> {
    using V = __m128d;
    static constexpr int lanes = 2;
    static V loadu(const double* p) { return _mm_loadu_pd(p); }
    static V load(const double* p) { return _mm_load_pd(p); }
    static void storeu(double* p, V v) { _mm_storeu_pd(p, v); }
    static void store(double* p, V v) { _mm_store_pd(p, v); }
    static V set1(double x) { return _mm_set1_pd(x); }
    static V zero() { return _mm_setzero_pd(); }
    static V add(V a, V b) { return _mm_add_pd(a, b); }
    static V sub(V a, V b) { return _mm_sub_pd(a, b); }
    static V mul(V a, V b) { return _mm_mul_pd(a, b); }
    static V div(V a, V b) { return _mm_div_pd(a, b); }
    static V min(V a, V b) { return _mm_min_pd(a, b); }
    static V max(V a, V b) { return _mm_max_pd(a, b); }
    static V sqrt(V a) { return _mm_sqrt_pd(a); }
};

// Integer packets share one register type; the element width picks the ops.
template <class T>
struct IntPacketBase {
    using V = __m128i;
    static constexpr int lanes = 16 / sizeof(T);
    static V loadu(const T* p) { return _mm_loadu_si128(reinterpret_cast<const __m128i*>(p)); }
    static V load(const T* p) { return _mm_load_si128(reinterpret_cast<const __m128i*>(p)); }
    static void storeu(T* p, V v) { _mm_storeu_si128(reinterpret_cast<__m128i*>(p), v); }
    static void store(T* p, V v) { _mm_store_si128(reinterpret_cast<__m128i*>(p), v); }
    static V zero() { return _mm_setzero_si128(); }
    static V bit_and(V a, V b) { return _mm_and_si128(a, b); }
    static V bit_or(V a, V b) { return _mm_or_si128(a, b); }
    static V bit_xor(V a, V b) { return _mm_xor_si128(a, b); }
};

template <>
struct Packet<std::uint8_t> : IntPacketBase<std::uint8_t> {
    static V set1(std::uint8_t x) { return _mm_set1_epi8(static_cast<char>(x)); }
    static V adds(V a, V b) { return _mm_adds_epu8(a, b); }
    static V subs(V a, V b) { return _mm_subs_epu8(a, b); }
    static V min(V a, V b) { return _mm_min_epu8(a, b); }
    static V max(V a, V b) { return _mm_max_epu8(a, b); }
};

template <>
struct Packet<std::int8_t> : IntPacketBase<std::int8_t> {
    static V set1(std::int8_t x) { return _mm_set1_epi8(x); }
    static V adds(V a, V b) { return _mm_adds_epi8(a, b); }
    static V subs(V a, V b) { return _mm_subs_epi8(a, b); }
};

template <>
struct Packet<std::int16_t> : IntPacketBase<std::int16_t> {
    static V set1(std::int16_t x) { return _mm_set1_epi16(x); }
    static V add(V a, V b) { return _mm_add_epi16(a, b); }
    static V sub(V a, V b) { return _mm_sub_epi16(a, b); }
    static V adds(V a, V b) { return _mm_adds_epi16(a, b); }
    static V subs(V a, V b) { return _mm_subs_epi16(a, b); }
    static V min(V a, V b) { return _mm_min_epi16(a, b); }
    static V max(V a, V b) { return _mm_max_epi16(a, b); }
    static V abs(V a) { return _mm_abs_epi16(a); }
};

template <>
struct Packet<std::uint16_t> : IntPacketBase<std::uint16_t> {
    static V set1(std::uint16_t x) { return _mm_set1_epi16(static_cast<short>(x)); }
    static V add(V a, V b) { return _mm_add_epi16(a, b); }
    static V sub(V a, V b) { return _mm_sub_epi16(a, b); }
    static V adds(V a, V b) { return _mm_adds_epu16(a, b); }
    static V subs(V a, V b) { return _mm_subs_epu16(a, b); }
};

template <>
struct Packet<std::int32_t> : IntPacketBase<std::int32_t> {
    static V set1(std::int32_t x) { return _mm_set1_epi32(x); }
    static V add(V a, V b) { return _mm_add_epi32(a, b); }
    static V sub(V a, V b) { return _mm_sub_epi32(a, b); }
    static V abs(V a) { return _mm_abs_epi32(a); }
};

template <>
struct Packet<std::uint32_t> : IntPacketBase<std::uint32_t> {
    static V set1(std::uint32_t x) { return _mm_set1_epi32(static_cast<int>(x)); }
    static V add(V a, V b) { return _mm_add_epi32(a, b); }
    static V sub(V a, V b) { return _mm_sub_epi32(a, b); }
};

template <>
struct Packet<std::int64_t> : IntPacketBase<std::int64_t> {
    static V set1(std::int64_t x) { return _mm_set1_epi64x(x); }
    static V add(V a, V b) { return _mm_add_epi64(a, b); }
    static V sub(V a, V b) { return _mm_sub_epi64(a, b); }
};

// Two floats (one complex value) into the low half of a register, upper
// half zero. Float pairs are only 4-byte aligned, so this goes through an
// unaligned 64-bit integer load rather than a double load.
inline __m128 load_float_pair(const float* p) {
    return _mm_castsi128_ps(_mm_loadl_epi64(reinterpret_cast<const __m128i*>(p)));
}

// Elements to peel so that `p` reaches a 16-byte boundary, or 0 when `p` is
// not element-aligned and can never reach one (then blocks use unaligned
// stores throughout, which is equally correct).
template <class T>
inline std::ptrdiff_t head_to_align16(const T* p) {
    const std::uintptr_t a = reinterpret_cast<std::uintptr_t>(p);
    if (a % alignof(T) != 0 || sizeof(T) > 16) return 0;
    return static_cast<std::ptrdiff_t>(((16 - a % 16) % 16) / sizeof(T));
}

// Drives an element-wise kernel over [0, len).
//   scalar(i)  processes element i;
//   block(i)   processes elements i .. i+Block-1 (Block a multiple of the
//              packet lanes chosen by the kernel).
// Vectors shorter than `min_vector` take the scalar path only.
template <std::ptrdiff_t Block, class DstT, class Scalar, class BlockFn>
inline void sweep(DstT* dst, std::ptrdiff_t len, Scalar&& scalar, BlockFn&& block,
                  std::ptrdiff_t min_vector = 16) {
    std::ptrdiff_t i = 0;
    if (len >= min_vector) {
        std::ptrdiff_t head = head_to_align16(dst);
        if (head > len) head = len;
        for (; i < head; ++i) scalar(i);
        for (; i + Block <= len; i += Block) block(i);
    }
    for (; i < len; ++i) scalar(i);
}

}  // namespace simd
}  // namespace veks

#endif
