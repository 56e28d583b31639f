// FFT specifications of the integer kinds. The 16-bit kinds either carry
// their own fixed-point tables (orders 1 to 3) or a nested single-precision
// specification; the 32-bit kinds (and real 16s -> 32s) always nest one.
#ifndef VEKS_TRANSFORM_FFT_INT_SPEC_H
#define VEKS_TRANSFORM_FFT_INT_SPEC_H

#include <cstdint>

#include "fft_sizes.h"
#include "veks.h"

namespace veks {
namespace fft {

enum : std::uint32_t {
    kIdC16sc = 1, kIdC16s = 2, kIdR16s = 3,
    kIdC32sc = 0x434D414C, kIdC32s = 0x434D414D, kIdR32s = 0x434D414E, kIdR16s32s = 0x434D414F,
};

struct Int16Spec {
    std::uint32_t id;
    std::int32_t order;
    std::int32_t fwd_shift;
    std::int32_t inv_shift;
    std::int32_t odd_factor;
    std::int32_t hint;
    std::int32_t work_size;
    std::int32_t floating;  // carried out by `nested`
    std::int32_t owned;
    const std::int32_t* bitrev;
    const std::int16_t* twiddle;       // Q14 records of the order
    const std::int16_t* twiddle_half;  // real kind: records of order - 1
    void* nested;
};
static_assert(sizeof(Int16Spec) <= 72, "16-bit header outgrew its slot");

struct Int32Spec {
    std::uint32_t id;
    std::int32_t order;
    std::int32_t hint;
    std::int32_t work_size;
    std::int32_t owned;
    void* nested;
};
static_assert(sizeof(Int32Spec) <= 32, "32-bit header outgrew its slot");

// The integer kinds, each with the floating kind it nests.
struct IntKind {
    std::uint32_t id;
    Domain dom;
    bool wide;              // 32-bit header kinds
    bool nested_double;     // nests a 64-bit floating kind
    bool nested_split;      // nests the split-layout complex kind
};

VekStatus int_get_size(const IntKind& k, int order, int flag, int hint, int* spec, int* init, int* work);
VekStatus int_init(const IntKind& k, void** pp, int order, int flag, int hint, Vek8u* spec_mem, Vek8u* init_mem);
VekStatus int_init_alloc(const IntKind& k, void** pp, int order, int flag, int hint);
VekStatus int_free(const IntKind& k, void* spec);
VekStatus int_buf_size(const IntKind& k, const void* spec, int* size);

}  // namespace fft
}  // namespace veks

#endif
