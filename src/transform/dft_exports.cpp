// Exported DFT functions: each binds one public name to the kind's
// identifier, layout and transform. Checks: specification (null, then
// identifier), data pointers, then the work buffer.
#include "core/check.h"
#include "dft_int.h"
#include "dft_spec.h"
#include "fft_call.h"
#include "veks.h"

namespace veks {
namespace dft {
namespace {

// Creation through a typed out-pointer: *pp is written only on success.
template <class Public, class Internal, class Create>
VekStatus adopt(Public** pp, Create&& create) {
    Internal* made = nullptr;
    const VekStatus s = create(pp ? &made : nullptr);
    if (s == vekStsNoErr) *pp = reinterpret_cast<Public*>(made);
    return s;
}

template <class S>
VekStatus buf_size(const void* spec, std::uint32_t id, int* size) {
    VEKS_CHECK(check_ptrs(spec, size));
    VEKS_CHECK(check_id(spec, id));
    *size = static_cast<const S*>(spec)->work_size;
    return vekStsNoErr;
}

template <class S, class Fn, class... P>
VekStatus call(const void* spec, std::uint32_t id, Vek8u* given, Fn&& fn, const P*... data) {
    VEKS_CHECK(fft::check_spec_then(spec, id, data...));
    const S& s = *static_cast<const S*>(spec);
    fft::CallBuffer buf;
    VEKS_CHECK(buf.settle(s.work_size, given));
    return fn(s, buf.as<Vek8u>());
}

template <class T, class C>
const Cx<T>* cx(const C* p) { return reinterpret_cast<const Cx<T>*>(p); }
template <class T, class C>
Cx<T>* cx(C* p) { return reinterpret_cast<Cx<T>*>(p); }

}  // namespace
}  // namespace dft
}  // namespace veks

using namespace veks;
using namespace veks::dft;

// Complex interleaved kinds (and their out-of-order twins), 32f and 64f.
#define VEKS_DFT_COMPLEX(PRE, SPEC, ID, S, T)                                                                \
    VekStatus veks##PRE##InitAlloc_C_##S##c(SPEC** pp, int len, int flag, int hint) {                     \
        return adopt<SPEC, FloatSpec<T>>(pp, [&](FloatSpec<T>** o) {                                         \
            return create_float_spec<T>(ID, Layout::Complex, len, flag, hint, o);                            \
        });                                                                                                  \
    }                                                                                                        \
    VekStatus veks##PRE##Free_C_##S##c(SPEC* p) { return free_float_spec<T>(ID, p); }                      \
    VekStatus veks##PRE##GetBufSize_C_##S##c(const SPEC* p, int* size) {                                   \
        return buf_size<FloatSpec<T>>(p, ID, size);                                                          \
    }                                                                                                        \
    VekStatus veks##PRE##Fwd_CToC_##S##c(const Vek##S##c* src, Vek##S##c* dst, const SPEC* p, Vek8u* b) {  \
        return call<FloatSpec<T>>(p, ID, b, [&](const FloatSpec<T>& s, Vek8u* w) {                           \
            return complex_transform<T>(s, cx<T>(src), cx<T>(dst), false, w);                                \
        }, src, dst);                                                                                        \
    }                                                                                                        \
    VekStatus veks##PRE##Inv_CToC_##S##c(const Vek##S##c* src, Vek##S##c* dst, const SPEC* p, Vek8u* b) {  \
        return call<FloatSpec<T>>(p, ID, b, [&](const FloatSpec<T>& s, Vek8u* w) {                           \
            return complex_transform<T>(s, cx<T>(src), cx<T>(dst), true, w);                                 \
        }, src, dst);                                                                                        \
    }

VEKS_DFT_COMPLEX(DFT, VekDFTSpec_C_32fc, kIdC32fc, 32f, float)
VEKS_DFT_COMPLEX(DFT, VekDFTSpec_C_64fc, kIdC64fc, 64f, double)
VEKS_DFT_COMPLEX(DFTOutOrd, VekDFTOutOrdSpec_C_32fc, kIdOutOrd32fc, 32f, float)
VEKS_DFT_COMPLEX(DFTOutOrd, VekDFTOutOrdSpec_C_64fc, kIdOutOrd64fc, 64f, double)

// Split and real kinds.
#define VEKS_DFT_SPLIT_REAL(S, T)                                                                               \
    VekStatus veksDFTInitAlloc_C_##S(VekDFTSpec_C_##S** pp, int len, int flag, int hint) {                      \
        return adopt<VekDFTSpec_C_##S, FloatSpec<T>>(pp, [&](FloatSpec<T>** o) {                                \
            return create_float_spec<T>(kIdC##S, Layout::Split, len, flag, hint, o);                            \
        });                                                                                                     \
    }                                                                                                           \
    VekStatus veksDFTFree_C_##S(VekDFTSpec_C_##S* p) { return free_float_spec<T>(kIdC##S, p); }                 \
    VekStatus veksDFTGetBufSize_C_##S(const VekDFTSpec_C_##S* p, int* size) {                                   \
        return buf_size<FloatSpec<T>>(p, kIdC##S, size);                                                        \
    }                                                                                                           \
    VekStatus veksDFTFwd_CToC_##S(const Vek##S* sre, const Vek##S* sim, Vek##S* dre, Vek##S* dim,               \
                                  const VekDFTSpec_C_##S* p, Vek8u* b) {                                        \
        return call<FloatSpec<T>>(p, kIdC##S, b, [&](const FloatSpec<T>& s, Vek8u* w) {                         \
            return split_transform<T>(s, sre, sim, dre, dim, false, w);                                         \
        }, sre, sim, dre, dim);                                                                                 \
    }                                                                                                           \
    VekStatus veksDFTInv_CToC_##S(const Vek##S* sre, const Vek##S* sim, Vek##S* dre, Vek##S* dim,               \
                                  const VekDFTSpec_C_##S* p, Vek8u* b) {                                        \
        return call<FloatSpec<T>>(p, kIdC##S, b, [&](const FloatSpec<T>& s, Vek8u* w) {                         \
            return split_transform<T>(s, sre, sim, dre, dim, true, w);                                          \
        }, sre, sim, dre, dim);                                                                                 \
    }                                                                                                           \
    VekStatus veksDFTInitAlloc_R_##S(VekDFTSpec_R_##S** pp, int len, int flag, int hint) {                      \
        return adopt<VekDFTSpec_R_##S, FloatSpec<T>>(pp, [&](FloatSpec<T>** o) {                                \
            return create_float_spec<T>(kIdR##S, Layout::Real, len, flag, hint, o);                             \
        });                                                                                                     \
    }                                                                                                           \
    VekStatus veksDFTFree_R_##S(VekDFTSpec_R_##S* p) { return free_float_spec<T>(kIdR##S, p); }                 \
    VekStatus veksDFTGetBufSize_R_##S(const VekDFTSpec_R_##S* p, int* size) {                                   \
        return buf_size<FloatSpec<T>>(p, kIdR##S, size);                                                        \
    }                                                                                                           \
    VEKS_DFT_REAL_PAIR(S, T, CCS)                                                                               \
    VEKS_DFT_REAL_PAIR(S, T, Pack)                                                                              \
    VEKS_DFT_REAL_PAIR(S, T, Perm)

#define VEKS_DFT_REAL_PAIR(S, T, L)                                                                             \
    VekStatus veksDFTFwd_RTo##L##_##S(const Vek##S* src, Vek##S* dst, const VekDFTSpec_R_##S* p, Vek8u* b) {    \
        return call<FloatSpec<T>>(p, kIdR##S, b, [&](const FloatSpec<T>& s, Vek8u* w) {                         \
            return real_forward<T>(s, src, dst, Packed::L, w);                                                  \
        }, src, dst);                                                                                           \
    }                                                                                                           \
    VekStatus veksDFTInv_##L##ToR_##S(const Vek##S* src, Vek##S* dst, const VekDFTSpec_R_##S* p, Vek8u* b) {    \
        return call<FloatSpec<T>>(p, kIdR##S, b, [&](const FloatSpec<T>& s, Vek8u* w) {                         \
            return real_inverse<T>(s, src, dst, Packed::L, w);                                                  \
        }, src, dst);                                                                                           \
    }

VEKS_DFT_SPLIT_REAL(32f, float)
VEKS_DFT_SPLIT_REAL(64f, double)

// 16-bit kinds.
#define VEKS_DFT_INT_LIFECYCLE(K, ID, LAYOUT)                                                                   \
    VekStatus veksDFTInitAlloc_##K(VekDFTSpec_##K** pp, int len, int flag, int hint) {                          \
        return adopt<VekDFTSpec_##K, IntSpec>(pp, [&](IntSpec** o) {                                            \
            return create_int_spec(ID, LAYOUT, len, flag, hint, o);                                             \
        });                                                                                                     \
    }                                                                                                           \
    VekStatus veksDFTFree_##K(VekDFTSpec_##K* p) { return free_int_spec(ID, p); }                               \
    VekStatus veksDFTGetBufSize_##K(const VekDFTSpec_##K* p, int* size) { return buf_size<IntSpec>(p, ID, size); }

VEKS_DFT_INT_LIFECYCLE(C_16sc, kIdC16sc, Layout::Complex)
VEKS_DFT_INT_LIFECYCLE(C_16s, kIdC16s, Layout::Split)
VEKS_DFT_INT_LIFECYCLE(R_16s, kIdR16s, Layout::Real)

#define VEKS_DFT_INT_COMPLEX(DIR, INV)                                                                          \
    VekStatus veksDFT##DIR##_CToC_16sc_Sfs(const Vek16sc* src, Vek16sc* dst, const VekDFTSpec_C_16sc* p,        \
                                          int sf, Vek8u* b) {                                                   \
        return call<IntSpec>(p, kIdC16sc, b, [&](const IntSpec& s, Vek8u* w) {                                  \
            return int_complex(s, src, dst, INV, sf, w);                                                        \
        }, src, dst);                                                                                           \
    }                                                                                                           \
    VekStatus veksDFT##DIR##_CToC_16s_Sfs(const Vek16s* sre, const Vek16s* sim, Vek16s* dre, Vek16s* dim,       \
                                         const VekDFTSpec_C_16s* p, int sf, Vek8u* b) {                         \
        return call<IntSpec>(p, kIdC16s, b, [&](const IntSpec& s, Vek8u* w) {                                   \
            return int_split(s, sre, sim, dre, dim, INV, sf, w);                                                \
        }, sre, sim, dre, dim);                                                                                 \
    }
VEKS_DFT_INT_COMPLEX(Fwd, false)
VEKS_DFT_INT_COMPLEX(Inv, true)

#define VEKS_DFT_INT_REAL(L)                                                                                    \
    VekStatus veksDFTFwd_RTo##L##_16s_Sfs(const Vek16s* src, Vek16s* dst, const VekDFTSpec_R_16s* p, int sf,    \
                                          Vek8u* b) {                                                           \
        return call<IntSpec>(p, kIdR16s, b, [&](const IntSpec& s, Vek8u* w) {                                   \
            return int_real_forward(s, src, dst, Packed::L, sf, w);                                             \
        }, src, dst);                                                                                           \
    }                                                                                                           \
    VekStatus veksDFTInv_##L##ToR_16s_Sfs(const Vek16s* src, Vek16s* dst, const VekDFTSpec_R_16s* p, int sf,    \
                                          Vek8u* b) {                                                           \
        return call<IntSpec>(p, kIdR16s, b, [&](const IntSpec& s, Vek8u* w) {                                   \
            return int_real_inverse(s, src, dst, Packed::L, sf, w);                                             \
        }, src, dst);                                                                                           \
    }
VEKS_DFT_INT_REAL(CCS)
VEKS_DFT_INT_REAL(Pack)
VEKS_DFT_INT_REAL(Perm)
