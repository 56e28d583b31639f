// Exported complex FFTs of the floating kinds, one line per direction, type
// and layout; the _I forms pass the same array as source and destination.
#include "fft_call.h"
#include "fft_spec.h"
#include "fft_wide.h"

using namespace veks;
using namespace veks::fft;

namespace {

template <class T, bool Inv>
VekStatus interleaved(const void* spec, std::uint32_t id, const T* src, T* dst, Vek8u* buf) {
    VEKS_CHECK(check_spec_then(spec, id, src, dst));
    const auto& s = *static_cast<const FloatSpec<T>*>(spec);
    const T* scale = direction_scale(s, Inv);
    // The self-sorting transforms go straight to the kernel their
    // specification holds: those that stay in registers need no buffer.
    const WideRun<T> run = s.wide_run[Inv];
    if (run && s.order <= kWideRegisterOrders) return run(s.order, s.twiddle, src, dst, nullptr, scale), vekStsNoErr;
    CallBuffer work;
    VEKS_CHECK(work.settle(s.work_size, buf));
    if (run)
        cfft_wide_scratch(run, s.wide, s.order, s.twiddle, src, dst, Inv, scale, work.as<T>());
    else
        cfft(complex_plan(s), src, dst, Inv, scale, work.as<T>());
    return vekStsNoErr;
}

template <class T, bool Inv>
VekStatus split(const void* spec, std::uint32_t id, const T* sr, const T* si, T* dr, T* di, Vek8u* buf) {
    VEKS_CHECK(check_spec_then(spec, id, sr, si, dr, di));
    const auto& s = *static_cast<const FloatSpec<T>*>(spec);
    CallBuffer work;
    VEKS_CHECK(work.settle(s.work_size, buf));
    cfft_split(complex_plan(s), sr, si, dr, di, Inv, direction_scale(s, Inv));
    return vekStsNoErr;
}

}  // namespace

#define VEKS_CFFT_INTERLEAVED(DIR, INV, C, T, ID)                                                  \
    VekStatus veksFFT##DIR##_CToC_##C(const Vek##C* pSrc, Vek##C* pDst, const VekFFTSpec_C_##C* pSpec, \
                                      Vek8u* pBuffer) {                                            \
        return interleaved<T, INV>(pSpec, ID, reinterpret_cast<const T*>(pSrc), reinterpret_cast<T*>(pDst), \
                                   pBuffer);                                                       \
    }                                                                                              \
    VekStatus veksFFT##DIR##_CToC_##C##_I(Vek##C* pSrcDst, const VekFFTSpec_C_##C* pSpec, Vek8u* pBuffer) { \
        return veksFFT##DIR##_CToC_##C(pSrcDst, pSrcDst, pSpec, pBuffer);                           \
    }

#define VEKS_CFFT_SPLIT(DIR, INV, R, T, ID)                                                        \
    VekStatus veksFFT##DIR##_CToC_##R(const Vek##R* pSrcRe, const Vek##R* pSrcIm, Vek##R* pDstRe,  \
                                      Vek##R* pDstIm, const VekFFTSpec_C_##R* pSpec, Vek8u* pBuffer) { \
        return split<T, INV>(pSpec, ID, pSrcRe, pSrcIm, pDstRe, pDstIm, pBuffer);                  \
    }                                                                                              \
    VekStatus veksFFT##DIR##_CToC_##R##_I(Vek##R* pSrcDstRe, Vek##R* pSrcDstIm, const VekFFTSpec_C_##R* pSpec, \
                                          Vek8u* pBuffer) {                                        \
        return veksFFT##DIR##_CToC_##R(pSrcDstRe, pSrcDstIm, pSrcDstRe, pSrcDstIm, pSpec, pBuffer); \
    }

VEKS_CFFT_INTERLEAVED(Fwd, false, 32fc, float, kIdC32fc)
VEKS_CFFT_INTERLEAVED(Inv, true, 32fc, float, kIdC32fc)
VEKS_CFFT_INTERLEAVED(Fwd, false, 64fc, double, kIdC64fc)
VEKS_CFFT_INTERLEAVED(Inv, true, 64fc, double, kIdC64fc)
VEKS_CFFT_SPLIT(Fwd, false, 32f, float, kIdC32f)
VEKS_CFFT_SPLIT(Inv, true, 32f, float, kIdC32f)
VEKS_CFFT_SPLIT(Fwd, false, 64f, double, kIdC64f)
VEKS_CFFT_SPLIT(Inv, true, 64f, double, kIdC64f)
