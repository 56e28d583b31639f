// DFT specification objects: a small header (identifier first) that owns a
// complex plan, or for power-of-two lengths a nested FFT specification of
// the same layout, plus the scaling decoded from the flag.
#ifndef VEKS_TRANSFORM_DFT_SPEC_H
#define VEKS_TRANSFORM_DFT_SPEC_H

#include <cstdint>

#include "dft_plan.h"
#include "veks.h"

namespace veks {
namespace dft {

enum : std::uint32_t {
    kIdC16sc = 10, kIdC16s = 11, kIdR16s = 12,
    kIdC32fc = 13, kIdC32f = 14, kIdR32f = 15,
    kIdC64fc = 16, kIdC64f = 17, kIdR64f = 18,
    kIdOutOrd32fc = 0x434D414A, kIdOutOrd64fc = 0x434D414B,
};

// How the data of a kind are laid out.
enum class Layout { Complex, Split, Real };

// The real spectrum layouts.
enum class Packed { CCS, Pack, Perm };

template <class T>
struct FloatSpec {
    std::uint32_t id;
    std::int32_t n;
    std::int32_t fwd_scaled;
    std::int32_t inv_scaled;
    T scale;
    std::int32_t hint;
    std::int32_t work_size;   // bytes, alignment slack included; 0: no buffer
    std::int32_t pow2;
    std::int32_t out_of_order;
    std::int32_t odd_real;
    Layout layout;
    Plan<T>* plan;            // other lengths
    void* fft;                // power of two: nested FFT specification of the layout
};

// InitAlloc of a floating kind; *out is set only on success.
template <class T>
VekStatus create_float_spec(std::uint32_t id, Layout layout, int len, int flag, int hint, FloatSpec<T>** out);
template <class T>
VekStatus free_float_spec(std::uint32_t id, void* spec);

// The transforms of one floating specification, after the argument checks
// and with the work buffer settled (`work` aligned, work_size bytes).
template <class T>
VekStatus complex_transform(const FloatSpec<T>& s, const Cx<T>* src, Cx<T>* dst, bool inverse, Vek8u* work);
template <class T>
VekStatus split_transform(const FloatSpec<T>& s, const T* sre, const T* sim, T* dre, T* dim, bool inverse,
                          Vek8u* work);
template <class T>
VekStatus real_forward(const FloatSpec<T>& s, const T* src, T* dst, Packed to, Vek8u* work);
template <class T>
VekStatus real_inverse(const FloatSpec<T>& s, const T* src, T* dst, Packed from, Vek8u* work);

// Number of reals a packed spectrum of length n occupies.
inline int packed_length(Packed p, int n) { return p == Packed::CCS ? 2 * (n / 2 + 1) : n; }

}  // namespace dft
}  // namespace veks

#endif
