// DCT specifications: the orthonormal DCT-II (forward) and DCT-III
// (inverse) of any length. The header sits at the 32-byte aligned start of
// the specification memory, the method's tables and any nested FFT
// specification behind it on 32-byte boundaries.
#ifndef VEKS_TRANSFORM_DCT_SPEC_H
#define VEKS_TRANSFORM_DCT_SPEC_H

#include <cstdint>

#include "veks.h"

namespace veks {
namespace dct {

enum : std::uint32_t { kIdFwd16s = 19, kIdInv16s = 20, kIdFwd32f = 21, kIdInv32f = 22, kIdFwd64f = 23, kIdInv64f = 24 };

enum class Method : std::int32_t { Fixed = 1, Table = 2, Fft = 3, Direct = 4, Conv = 5 };

template <class T>
struct Spec {
    std::uint32_t id;
    std::int32_t n;
    std::int32_t hint;
    std::int32_t work_size;  // bytes the transform needs, without slack
    std::int32_t owned;
    T c0, ck;                // 1/sqrt(N) and sqrt(2)/sqrt(N)
    Method method;
    std::int32_t m;          // convolution length
    T* table;                // direct cosines, halving tables, or FFT twiddle pairs
    T* chirp;                // convolution: chirp, post-twiddles, pre-twiddles (complex)
    T* post;
    T* pre;
    T* kernel;               // convolution: kernel spectrum (complex, length m)
    void* fft;               // nested real FFT (length 2N) or complex FFT (length m)
};

struct Sizes {
    int spec, init, work;
};

// The three sizes of a floating kind (no argument checks).
template <class T>
VekStatus float_sizes(int len, int hint, Sizes* out);
// Builds into caller memory; `id` picks the direction.
template <class T>
VekStatus init_float(std::uint32_t id, Spec<T>** pp, int len, int hint, Vek8u* spec_mem, Vek8u* init_mem);
// The transform; src may equal dst. `work` holds work_size bytes, aligned.
template <class T>
void transform(const Spec<T>& s, const T* src, T* dst, Vek8u* work);

}  // namespace dct
}  // namespace veks

#endif
