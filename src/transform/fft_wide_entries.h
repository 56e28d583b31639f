// The entries of the 256-bit self-sorting FFT, one function per order where
// known loop counts pay. Included, after a target pragma, by the files that
// compile them: fft_wide_avx2.cpp for AVX2 and FMA, and
// fft_wide_ymm_avx512.cpp for the same 256-bit code with AVX-512 VL, whose
// 32 registers remove most spills of the radix-8 and split-format passes.
// Everything here is private to the including file.
#ifndef VEKS_TRANSFORM_FFT_WIDE_ENTRIES_H
#define VEKS_TRANSFORM_FFT_WIDE_ENTRIES_H

#include <cstdint>
#include <type_traits>

#include "fft_wide.h"
#include "fft_wide_ymm.h"
#include "fft_wide_kernels.h"
#include "fft_split_ymm.h"
#include "fft_split_kernels.h"

namespace veks {
namespace fft {
namespace {
// Whether this file is compiled for AVX-512 VL, whose 32 registers run
// the long plans of the split path (long_plan; split_plan picks them).
#ifdef __AVX512VL__
constexpr bool kRegisters32 = true;
#else
constexpr bool kRegisters32 = false;
#endif

// When dst sits off a 32-byte boundary, the passes before the last run
// between two aligned areas (the scratch and a spare one on the kernel's
// frame, up to kWideStackBytes), so that only the last pass stores into
// dst: its split 32-byte stores cost 2 to 16 % at 128 to 8192 points.
// At 64 points (three passes) it gained nothing.
template <class T>
inline bool wants_spare(int order, const void* dst) {
    return order >= 7 && reinterpret_cast<std::uintptr_t>(dst) % 32 != 0 && scratch_fits_stack<T>(order);
}

// One direction of the transform, with the order as a constant where Order
// is given: the few-iteration loops of the short transforms then have
// known counts (3 to 6 % at orders 6 to 9).
// First8 selects the radix-8 first pass, whose table the specifications
// of first8_order carry; SpecTable says that tw is a specification's table
// with the pass table where its order has one (the row tables of the long
// transforms have neither).
template <class T, bool Inv, int Order, bool First8 = false, bool SpecTable = true>
__attribute__((noinline)) void entry_avx2(int order_, const T* tw, const T* src, T* dst, T* scratch,
                                          const T* scale) {
    using S = std::conditional_t<sizeof(T) == 4, S32, S64>;
    using C = std::conditional_t<sizeof(T) == 4, C32x4, C64x2>;
    const int order = Order ? Order : order_;
    if (split_order<T>(order)) {
        T* spare = wants_spare<T>(order, dst) ? cache_line_in<T>(__builtin_alloca(stack_area<T>(order))) : nullptr;
        return split_run<S, Inv, Order, First8, kRegisters32, SpecTable>(order, tw, src, dst, scratch, scale, spare);
    }
    run_dir<C>(order, tw, src, dst, scratch, Inv, scale);
}

// The short split-format transforms with their passes inlined, one
// function from first to last pass.
template <class T, bool Inv, int Order>
__attribute__((noinline, flatten)) void flat_entry_avx2(int, const T* tw, const T* src, T* dst, T* scratch,
                                                        const T* scale) {
    using S = std::conditional_t<sizeof(T) == 4, S32, S64>;
    constexpr bool own = own_scratch<T>(Order, kWideAvx2);
    alignas(64) T local[own ? 2 << Order : 1];
    if constexpr (own) scratch = local;
    T* spare = wants_spare<T>(Order, dst) ? cache_line_in<T>(__builtin_alloca(stack_area<T>(Order))) : nullptr;
    split_run<S, Inv, Order, first8_order<T>(Order), kRegisters32, true>(Order, tw, src, dst, scratch, scale, spare);
}

template <class T, bool Inv, int Order>
constexpr WideRun<T> fixed_entry() {
    if constexpr (split_order<T>(Order)) return flat_entry_avx2<T, Inv, Order>;
    return entry_avx2<T, Inv, Order>;
}

template <class T, bool Inv>
WideRun<T> entry_of(int order) {
    switch (order) {
        case 4: return fixed_entry<T, Inv, 4>();
        case 5: return fixed_entry<T, Inv, 5>();
        case 6: return fixed_entry<T, Inv, 6>();
        case 7: return fixed_entry<T, Inv, 7>();
        case 8: return fixed_entry<T, Inv, 8>();
        case 9: return fixed_entry<T, Inv, 9>();
        default:
            if constexpr (first8_order<T>(10)) {
                if (order == 10) return entry_avx2<T, Inv, 10, true>;
                if (order == 11) return entry_avx2<T, Inv, 11, true>;
                if (order == 12) return entry_avx2<T, Inv, 12, true>;
            }
            return entry_avx2<T, Inv, 0>;
    }
}

template <class T>
WideRun<T> ymm_run(int order, bool inverse) {
    return inverse ? entry_of<T, true>(order) : entry_of<T, false>(order);
}

template <class T>
void ymm_cfft(int order, const T* tw, const T* src, T* dst, T* scratch, bool inverse, const T* scale) {
    (inverse ? entry_avx2<T, true, 0, false, false> : entry_avx2<T, false, 0, false, false>)(order, tw, src, dst,
                                                                                        scratch, scale);
}

}  // namespace
}  // namespace fft
}  // namespace veks

#endif
