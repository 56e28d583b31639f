// The 16-bit DFT specifications: identifier, length, hint, work size and a
// nested single-precision specification of the same layout.
#ifndef VEKS_TRANSFORM_DFT_INT_H
#define VEKS_TRANSFORM_DFT_INT_H

#include <cstdint>

#include "dft_spec.h"

namespace veks {
namespace dft {

struct IntSpec {
    std::uint32_t id;
    std::int32_t n;
    std::int32_t hint;
    std::int32_t work_size;  // bytes, slack included
    FloatSpec<float>* nested;
    Layout layout;
};

VekStatus create_int_spec(std::uint32_t id, Layout layout, int len, int flag, int hint, IntSpec** out);
VekStatus free_int_spec(std::uint32_t id, void* spec);

VekStatus int_complex(const IntSpec& s, const Vek16sc* src, Vek16sc* dst, bool inverse, int sf, Vek8u* work);
VekStatus int_split(const IntSpec& s, const Vek16s* sre, const Vek16s* sim, Vek16s* dre, Vek16s* dim, bool inverse,
                    int sf, Vek8u* work);
VekStatus int_real_forward(const IntSpec& s, const Vek16s* src, Vek16s* dst, Packed to, int sf, Vek8u* work);
VekStatus int_real_inverse(const IntSpec& s, const Vek16s* src, Vek16s* dst, Packed from, int sf, Vek8u* work);

}  // namespace dft
}  // namespace veks

#endif
