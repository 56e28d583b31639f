// The public FFT entry points of one precision, gathered so that the
// transforms built on the FFT (DFT, DCT, Hilbert) are written once over the
// element type.
#ifndef VEKS_TRANSFORM_FFT_API_H
#define VEKS_TRANSFORM_FFT_API_H

#include "veks.h"

namespace veks {

template <class T>
struct FftApi;

#define VEKS_FFT_API(T, TC, CK, SK, RK, S)                                                                  \
    template <>                                                                                             \
    struct FftApi<T> {                                                                                      \
        using Complex = TC;                                                                                 \
        using CSpec = CK;                                                                                   \
        using SSpec = SK;                                                                                   \
        using RSpec = RK;                                                                                   \
        static constexpr auto c_get_size = veksFFTGetSize_C_##S##c;                                         \
        static constexpr auto c_init = veksFFTInit_C_##S##c;                                                \
        static constexpr auto c_init_alloc = veksFFTInitAlloc_C_##S##c;                                     \
        static constexpr auto c_free = veksFFTFree_C_##S##c;                                                \
        static constexpr auto c_buf_size = veksFFTGetBufSize_C_##S##c;                                      \
        static constexpr auto c_fwd = veksFFTFwd_CToC_##S##c;                                               \
        static constexpr auto c_inv = veksFFTInv_CToC_##S##c;                                               \
        static constexpr auto s_init_alloc = veksFFTInitAlloc_C_##S;                                        \
        static constexpr auto s_free = veksFFTFree_C_##S;                                                   \
        static constexpr auto s_buf_size = veksFFTGetBufSize_C_##S;                                         \
        static constexpr auto s_fwd = veksFFTFwd_CToC_##S;                                                  \
        static constexpr auto s_inv = veksFFTInv_CToC_##S;                                                  \
        static constexpr auto r_get_size = veksFFTGetSize_R_##S;                                            \
        static constexpr auto r_init = veksFFTInit_R_##S;                                                   \
        static constexpr auto r_init_alloc = veksFFTInitAlloc_R_##S;                                        \
        static constexpr auto r_free = veksFFTFree_R_##S;                                                   \
        static constexpr auto r_buf_size = veksFFTGetBufSize_R_##S;                                         \
        static constexpr auto r_fwd_ccs = veksFFTFwd_RToCCS_##S;                                            \
        static constexpr auto r_fwd_pack = veksFFTFwd_RToPack_##S;                                          \
        static constexpr auto r_fwd_perm = veksFFTFwd_RToPerm_##S;                                          \
        static constexpr auto r_inv_ccs = veksFFTInv_CCSToR_##S;                                            \
        static constexpr auto r_inv_pack = veksFFTInv_PackToR_##S;                                          \
        static constexpr auto r_inv_perm = veksFFTInv_PermToR_##S;                                          \
    };

VEKS_FFT_API(float, Vek32fc, VekFFTSpec_C_32fc, VekFFTSpec_C_32f, VekFFTSpec_R_32f, 32f)
VEKS_FFT_API(double, Vek64fc, VekFFTSpec_C_64fc, VekFFTSpec_C_64f, VekFFTSpec_R_64f, 64f)
#undef VEKS_FFT_API

}  // namespace veks

#endif
