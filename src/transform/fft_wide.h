// The self-sorting complex FFT on 256-bit registers (AVX2 and FMA, chosen
// once per specification at run time). It needs no bit-reversal pass: each
// radix-4 pass reads one buffer and writes the other in sorted order, so the
// caller provides a scratch area of N complex values next to the output.
//
// Twiddles come from one table of the N/4 records w^k, w^2k, w^3k
// (w = exp(-2*pi*i/N), k < N/4), stored in groups of G consecutive k: the
// G values of w^k, then of w^2k, then of w^3k, as (re, im) pairs. The first
// pass loads them as vectors; later passes broadcast the entry of k = p*s.
#ifndef VEKS_TRANSFORM_FFT_WIDE_H
#define VEKS_TRANSFORM_FFT_WIDE_H

#include <cstddef>
#include <cstdint>

#include "core/cpu.h"
#include "fft_engine.h"

namespace veks {
namespace fft {

// k of one group of the wide twiddle table.
template <class T>
constexpr std::int64_t wide_group(int order) {
    const std::int64_t q = (std::int64_t(1) << order) / 4, g = sizeof(T) == 4 ? 8 : 4;
    return q < g ? q : g;
}

// Orders the wide path serves: 16 to 2^18 points. Each of its passes
// streams the whole array, so beyond the caches the blocked bit-reversed
// path, which also needs no scratch of N values, takes over.
template <class T>
constexpr bool wide_order(int order) {
    return order >= 4 && order <= 18;
}

// Whether the work buffer of a specification of this order holds N
// complex values (otherwise the wide path finds scratch of its own).
template <class T>
constexpr bool work_holds_n(int order) {
    return sizeof(T) == 4 && order <= 17;
}

// Orders up to which every wide kernel keeps the whole transform in
// registers and needs no scratch.
constexpr int kWideRegisterOrders = 5;

// Stack scratch limit for calls that bring no work buffer.
constexpr std::size_t kWideStackBytes = 64 * 1024;

// Index (in complex values) of w^(j*k), j = 1..3, in the wide table.
template <class T>
inline std::int64_t wide_index(std::int64_t k, int j, std::int64_t g) {
    return (k / g) * 3 * g + (j - 1) * g + k % g;
}

// The transform of 2^order points (wide_order) from src to dst (may be
// equal) through `scratch` (N complex values, distinct from both; unused
// and may be null up to kWideRegisterOrders), scaled by *scale unless scale
// is null.
// wide_cfft runs on 256-bit registers, wide_cfft_avx512 on 512-bit ones;
// each reads the table as built for its level (wide_split_table).
template <class T>
void wide_cfft(int order, const T* tw, const T* src, T* dst, T* scratch, bool inverse, const T* scale);
template <class T>
void wide_cfft_avx512(int order, const T* tw, const T* src, T* dst, T* scratch, bool inverse, const T* scale);
// wide_cfft compiled for AVX-512 VL (same bits, 32 registers).
template <class T>
void wide_cfft_ymm_avx512(int order, const T* tw, const T* src, T* dst, T* scratch, bool inverse, const T* scale);

// Which self-sorting kernels a new specification of this (complex) order
// takes on this processor: kWideNone, kWideAvx2 or kWideAvx512.
enum : int { kWideNone = 0, kWideAvx2 = 1, kWideAvx512 = 2 };
template <class T>
int wide_level(int order);

// Orders at which the 512-bit kernels beat the 256-bit ones where both
// run. On a processor that splits 512-bit operations into two halves (AMD
// Zen 4) they gain 3 to 25 % at 16 to 64 points in double and at 64 in
// single precision, but lose 5 to 30 % from 128 points on, where the
// 256-bit path has its split-format kernels, and up to 18 % on the
// interleaved passes beyond: there the wider registers save instructions
// but not time, and the cross-lane shuffles cost more.
template <class T>
constexpr bool avx512_pays(int order) {
    return sizeof(T) == 8 ? order <= 6 : order == 6;
}

// The self-sorting transform of a level.
template <class T>
inline auto wide_kernel(int level) {
    if (level == kWideAvx512) return wide_cfft_avx512<T>;
    return cpu_info().avx512 ? wide_cfft_ymm_avx512<T> : wide_cfft<T>;
}

// One direction of one order on a level's kernels, with the order built in
// where the transform is short enough for known loop counts to pay.
template <class T>
WideRun<T> wide_run(int level, int order, bool inverse);
template <class T>
WideRun<T> wide_run_avx2(int order, bool inverse);
template <class T>
WideRun<T> wide_run_avx512(int order, bool inverse);
template <class T>
WideRun<T> wide_run_ymm_avx512(int order, bool inverse);

// Orders at which the 256-bit path runs its split-format kernels: from 128
// points in single and 64 in double precision (below, the interleaved
// kernels keep whole transforms in registers); in double precision the
// interleaved passes, whose last pass takes four bits, catch up from 8192.
template <class T>
constexpr bool split_order(int order) {
    return sizeof(T) == 4 ? order >= 7 && order <= 18 : order >= 6 && order <= 12;
}

// Whether the table of an order built for a kWide* level is split: each
// group of G = 8 (float) or 4 (double) values of w^(jk) holds G real parts,
// then G imaginary parts, in the lane order the kernels split registers
// into (positions 0 1 4 5 2 3 6 7, or 0 2 1 3).
template <class T>
constexpr bool wide_split_table(int order, int level) {
    return level == kWideAvx2 && split_order<T>(order);
}

// Orders whose 256-bit kernels (one function per order, fixed_entry) keep
// their scratch on their own frame: double precision, where the work
// buffer of a specification cannot hold it, saving a call level.
template <class T>
constexpr bool own_scratch(int order, int level) {
    return sizeof(T) == 8 && level == kWideAvx2 && split_order<T>(order) && order <= 9;
}

// Scratch of N complex values: its bytes, whether it may go on the stack,
// and the area to take there (64 bytes more) so that cache_line_in can
// start it on a cache line, where no 64-byte access into it is split.
template <class T>
constexpr std::size_t scratch_bytes(int order) {
    return (2 * sizeof(T)) << order;
}
template <class T>
constexpr bool scratch_fits_stack(int order) {
    return scratch_bytes<T>(order) <= kWideStackBytes;
}
template <class T>
constexpr std::size_t stack_area(int order) {
    return scratch_bytes<T>(order) + 64;
}
template <class T>
inline T* cache_line_in(void* raw) {
    auto* p = static_cast<unsigned char*>(raw);
    return reinterpret_cast<T*>(p + (-reinterpret_cast<std::uintptr_t>(p) & 63));
}

// The self-sorting transform of a level and order above the register-only
// orders, with the kernel its plan holds, through the caller's work buffer
// (as for cfft) or scratch of its own: on the stack up to kWideStackBytes,
// else from the heap, else (no memory) a slow path that needs none.
template <class T>
__attribute__((noinline)) void wide_on_stack(WideRun<T> run, int order, const T* tw, const T* src, T* dst,
                                             const T* scale);
template <class T>
__attribute__((noinline)) void wide_on_heap(WideRun<T> run, int level, int order, const T* tw, const T* src,
                                            T* dst, bool inverse, const T* scale);
template <class T>
inline void cfft_wide_scratch(WideRun<T> run, int level, int order, const T* tw, const T* src, T* dst, bool inverse,
                              const T* scale, T* work) {
    if (work && work_holds_n<T>(order)) return run(order, tw, src, dst, work, scale);
    if (own_scratch<T>(order, level)) return run(order, tw, src, dst, nullptr, scale);
    if (scratch_fits_stack<T>(order)) return wide_on_stack(run, order, tw, src, dst, scale);
    wide_on_heap(run, level, order, tw, src, dst, inverse, scale);
}

// Orders 10 to 12 of the 256-bit split path in double precision start
// with a radix-8 pass, which saves a radix-4 pass over a working set that
// no longer fits the level-1 cache (2 to 3 % at orders 11 and 12 compiled
// for AVX2, 3 to 8 % for AVX-512 VL, measured on AMD Zen 4). At orders 6
// and 8 the spills of the 8-point pass cost more than the saved pass.
// The table carries w^5k and w^7k for k < N/8 behind the 3N/2 values, in
// groups of four k (real parts of w^5k, imaginary parts, then w^7k), in the
// lane order of the split table; the pass squares w^2k and w^3k for w^4k
// and w^6k.
template <class T>
constexpr bool first8_order(int order) {
    return sizeof(T) == 8 && order >= 10 && order <= 12;
}
template <class T>
constexpr bool first8_table(int order, int level) {
    return level == kWideAvx2 && first8_order<T>(order);
}

// The pass table of a specification's split table: the twiddles of the
// passes after the first, which use only the k = Kp of the table (K = 4
// after a radix-4 first pass, 8 after a radix-8 one) and of those only one
// in s/K at stride s. Read from the first-pass table, each record of k sits
// in its own cache lines, and the pass at stride K alone drags most of
// that table through the level-1 cache, where from 2048 points (float) or
// 1024 (double) it evicts the data. The record of k = Kp holds, for
// j = 1..3, the real and imaginary part of w^(jk):
// - in single precision, pairs of records (p even and p + 1) hold the two
//   real parts of each j, then its two imaginary parts (12 values a pair),
//   the layout the stride-4 pass loads; the table sits behind the 3N/2
//   values of the first pass;
// - in double precision, one record is the six values in order; the table
//   takes the place of the k >= N/8 of the first-pass table, which the
//   radix-8 first pass does not read.
// Gains, AMD Zen 4: 3 to 9 % from 2^11 to 2^17 points in single precision
// (both builds; at 512 and 1024 points, where the whole transform stays in
// the cache, nothing), 4 to 7 % at 1024 to 4096 points in double precision
// on the AVX2 build and 1 to 2 % on the AVX-512 VL one.
template <class T>
constexpr bool pass_table_order(int order) {
    return sizeof(T) == 4 ? order >= 11 && order <= 17 : first8_order<T>(order);
}
template <class T>
constexpr bool pass_table(int order, int level) {
    return level == kWideAvx2 && pass_table_order<T>(order);
}
template <class T>
constexpr std::int64_t pass_k() {
    return sizeof(T) == 4 ? 4 : 8;
}
// Offset (in T) of the pass table in the table of the order.
template <class T>
constexpr std::int64_t pass_table_at(int order) {
    const std::int64_t q = (std::int64_t(1) << order) / 4;
    return sizeof(T) == 4 ? 6 * q : 3 * q;
}
// Offset of the real part of w^(jk) for k = Kp (in single precision p
// even) in the pass table, and how far on its imaginary part is.
template <class T>
constexpr std::int64_t pass_record(std::int64_t p, int j) {
    return 6 * p + (sizeof(T) == 4 ? 4 : 2) * (j - 1);
}
template <class T>
constexpr std::int64_t pass_im() {
    return sizeof(T) == 4 ? 2 : 1;
}
// The double-precision table overlays the part of the first-pass table
// that only the fallback without scratch (wide_fallback) would read, and
// at these orders the scratch always fits the stack.
static_assert(scratch_fits_stack<double>(12), "the double pass table needs scratch on the stack");

// The passes after the first of the split path: `fours` radix-4 passes
// (the first of them at stride 4 in single precision), then `eights`
// radix-8 passes, then the twiddle-free last pass of `last` bits. Radix-4
// passes `pair` and `pair` + 1 run fused (split_pass4_pair), unless pair
// is -1.
struct SplitPlan {
    int fours, eights, last, pair = -1;
};

// The fused pair of radix-4 passes works through a buffer of 8 KiB, its
// first pass at the stride pair_stride (0: no pair). Gains, AMD Zen 4,
// old / new: 1.06 at 2048 and 4096 points in double precision (AVX2
// build), 1.02 to 1.05 from 2^12 to 2^17 points in single precision (both
// builds, where the radix-4 plan runs). Fused at a stride of 8 in double
// precision it gained less (0.97 at 1024 points, 1.03 to 1.06 at 2048 and
// 4096), at 16 in single precision 0.99 to 1.04.
template <class T>
constexpr std::int64_t pair_values() {
    return 8192 / (2 * sizeof(T));
}
template <class T>
constexpr std::int64_t pair_stride(int order) {
    if (sizeof(T) == 8) return order == 11 || order == 12 ? 32 : 0;
    return order >= 12 && order <= 17 ? 64 : 0;
}
static_assert(16 * pair_stride<float>(12) <= pair_values<float>() &&
                  16 * pair_stride<double>(12) <= pair_values<double>(),
              "a block of the fused passes exceeds its buffer");

// The plans of the split path compiled for AVX-512 VL, whose 32 registers
// hold radix-8 middle passes and a radix-16 last pass; `last` is 0 where
// the radix-4 plan stays. Chosen per order from measurements on AMD Zen 4,
// old / new: 1.03 to 1.08 at 256 to 2048 points in double precision and at
// 256 and 2048 in single precision, 1.07 and 1.15 at 2048 and 4096 points
// in double and 1.10 to 1.20 at 2^12, 2^13, 2^16 and 2^18 in single
// precision, where the radix-8 passes save one or two passes over the
// data. At the other orders the plans with fewer passes ran 0.89 to 1.01.
// On 16 registers they lose everywhere (0.83 to 0.97).
template <class T>
constexpr SplitPlan long_plan(int order) {
    if (sizeof(T) == 8) {
        switch (order) {
            case 8: return {1, 0, 4};
            case 9: return {0, 1, 4};
            case 10: return {0, 1, 4};  // after the radix-8 first pass
            case 11: return {0, 2, 2};  // after the radix-8 first pass
            case 12: return {0, 2, 3};  // after the radix-8 first pass
            default: return {0, 0, 0};
        }
    }
    switch (order) {
        case 8: return {1, 0, 4};
        case 11: return {1, 1, 4};
        case 12: return {1, 2, 2};
        case 13: return {1, 2, 3};
        case 16: return {1, 3, 3};
        case 18: return {1, 4, 2};
        default: return {0, 0, 0};
    }
}
template <class T>
constexpr bool has_long_plan(int order) {
    return long_plan<T>(order).last != 0;
}

// Every long plan covers its order after the first pass (radix 8 at
// first8_order), its radix-8 passes run at a stride of a block or more,
// and so does its last pass.
template <class T>
constexpr bool long_plans_fit() {
    for (int order = 0; order <= 30; ++order) {
        const SplitPlan p = long_plan<T>(order);
        const int first = first8_order<T>(order) ? 3 : 2, block = sizeof(T) == 4 ? 8 : 4;
        if (!p.last) continue;
        if (!split_order<T>(order) || first + 2 * p.fours + 3 * p.eights + p.last != order) return false;
        if (p.eights && (1 << (first + 2 * p.fours)) < block) return false;
        if ((1 << (order - p.last)) < block) return false;
    }
    return true;
}
static_assert(long_plans_fit<float>() && long_plans_fit<double>(), "a long plan does not fit its order");

// Lane of value c of a split group of g = 8 or 4 values.
constexpr std::int64_t split_lane(std::int64_t c, std::int64_t g) {
    return g == 8 ? (c & 1) | (c & 2) << 1 | (c & 4) >> 1 : (c & 1) << 1 | (c & 2) >> 1;
}

// Offsets (in T) of the real and imaginary part of w^(jk) in the table.
template <class T>
inline void wide_parts(std::int64_t k, int j, std::int64_t g, bool split, std::int64_t& re, std::int64_t& im) {
    if (!split) {
        re = 2 * wide_index<T>(k, j, g), im = re + 1;
        return;
    }
    const std::int64_t c = k % g;
    re = 2 * wide_index<T>(k - c, j, g) + split_lane(c, g), im = re + g;
}

}  // namespace fft
}  // namespace veks

#endif
