// FFT specification objects of the floating kinds: the header laid at the
// 32-byte aligned start of the specification memory, the tables behind it,
// and the plans the kernels read from it.
#ifndef VEKS_TRANSFORM_FFT_SPEC_H
#define VEKS_TRANSFORM_FFT_SPEC_H

#include <cstdint>

#include "fft_engine.h"
#include "fft_sizes.h"
#include "veks.h"

namespace veks {
namespace fft {

// Identifiers of the floating kinds.
enum : std::uint32_t {
    kIdC32fc = 4, kIdC32f = 5, kIdR32f = 6, kIdC64fc = 7, kIdC64f = 8, kIdR64f = 9,
};

template <class T>
struct FloatSpec {
    std::uint32_t id;
    std::int32_t order;
    std::int32_t fwd_scaled;
    std::int32_t inv_scaled;
    T scale;                 // 1/N or 1/sqrt(N) on the scaled side(s)
    std::int32_t hint;
    std::int32_t work_size;  // bytes the compute calls need, no slack
    std::int32_t owned;      // made by InitAlloc: Free releases `block`
    const std::int32_t* bitrev;
    const T* twiddle;
    void* block;
    std::int32_t tw_order;
    const T* real_tw;
    const T* ccs_tw;
    std::int32_t wide;       // self-sorting kernels (kWide* level), 0: bit-reversed tables
    const LargePlan<T>* large;  // four-step plan of the long orders, or null
    WideRun<T> wide_run[2];     // the wide level's forward and inverse kernels of this order
};

constexpr std::size_t kFloatHeaderBytes = 136;
static_assert(sizeof(FloatSpec<double>) <= kFloatHeaderBytes, "header outgrew its slot");

// Builds a specification into caller memory (the Init operation).
// `split_data`: the transforms will run on separate real and imaginary
// arrays, which the self-sorting path does not take.
template <class T>
VekStatus init_float_spec(std::uint32_t id, Domain dom, void** pp, int order, int flag, int hint,
                          Vek8u* spec_mem, Vek8u* init_mem, bool split_data = false);
// Allocates, builds and marks as owned (the InitAlloc operation).
template <class T>
VekStatus init_alloc_float_spec(std::uint32_t id, Domain dom, void** pp, int order, int flag, int hint,
                                bool split_data = false);
// Invalidates and, when owned, releases (the Free operation).
template <class T>
VekStatus free_float_spec(std::uint32_t id, void* spec);
template <class T>
VekStatus float_buf_size(std::uint32_t id, const void* spec, int* size);

template <class T>
inline ComplexPlan<T> complex_plan(const FloatSpec<T>& s) {
    if (!s.twiddle) return builtin_complex_plan<T>(s.order, s.wide);
    return {s.order, s.bitrev, s.twiddle, s.tw_order, s.wide, s.large, {s.wide_run[0], s.wide_run[1]}};
}
template <class T>
RealPlan<T> real_plan(const FloatSpec<T>& s);

// The scale of one direction, or null when that direction is unscaled.
template <class T>
inline const T* direction_scale(const FloatSpec<T>& s, bool inverse) {
    return (inverse ? s.inv_scaled : s.fwd_scaled) ? &s.scale : nullptr;
}

}  // namespace fft
}  // namespace veks

#endif
