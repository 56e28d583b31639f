// Exported real FFTs of the floating kinds into and out of the CCS, Pack
// and Perm layouts, one line per layout, direction and type.
#include "fft_call.h"
#include "fft_real_small.h"
#include "fft_spec.h"

using namespace veks;
using namespace veks::fft;

namespace {

template <class T>
VekStatus prepare(const void* spec, std::uint32_t id, const T* src, T* dst, Vek8u* buf, CallBuffer& work) {
    VEKS_CHECK(check_spec_then(spec, id, src, dst));
    return work.settle(static_cast<const FloatSpec<T>*>(spec)->work_size, buf);
}

template <class T>
VekStatus forward(Packed to, const void* spec, std::uint32_t id, const T* src, T* dst, Vek8u* buf) {
    CallBuffer work;
    VEKS_CHECK(prepare(spec, id, src, dst, buf, work));
    const auto& s = *static_cast<const FloatSpec<T>*>(spec);
    if (s.order <= kSmallRealUpTo) {
        small_real_forward(s.order, src, dst, to, direction_scale(s, false));
        return vekStsNoErr;
    }
    rfft_to_perm(real_plan(s), src, dst, direction_scale(s, false), work.as<T>());
    perm_to(to, dst, 1 << s.order);
    return vekStsNoErr;
}

template <class T>
VekStatus inverse(Packed from, const void* spec, std::uint32_t id, const T* src, T* dst, Vek8u* buf) {
    CallBuffer work;
    VEKS_CHECK(prepare(spec, id, src, dst, buf, work));
    const auto& s = *static_cast<const FloatSpec<T>*>(spec);
    if (s.order <= kSmallRealUpTo) {
        small_real_inverse(s.order, src, dst, from, direction_scale(s, true));
        return vekStsNoErr;
    }
    rfft_from_packed(real_plan(s), from, src, dst, direction_scale(s, true), work.as<T>());
    return vekStsNoErr;
}

}  // namespace

#define VEKS_RFFT(LAYOUT, T, R, ID)                                                                \
    VekStatus veksFFTFwd_RTo##LAYOUT##_##R(const Vek##R* pSrc, Vek##R* pDst, const VekFFTSpec_R_##R* pSpec, \
                                           Vek8u* pBuffer) {                                       \
        return forward<T>(Packed::LAYOUT, pSpec, ID, pSrc, pDst, pBuffer);                         \
    }                                                                                              \
    VekStatus veksFFTFwd_RTo##LAYOUT##_##R##_I(Vek##R* pSrcDst, const VekFFTSpec_R_##R* pSpec, Vek8u* pBuffer) { \
        return forward<T>(Packed::LAYOUT, pSpec, ID, pSrcDst, pSrcDst, pBuffer);                   \
    }                                                                                              \
    VekStatus veksFFTInv_##LAYOUT##ToR_##R(const Vek##R* pSrc, Vek##R* pDst, const VekFFTSpec_R_##R* pSpec, \
                                           Vek8u* pBuffer) {                                       \
        return inverse<T>(Packed::LAYOUT, pSpec, ID, pSrc, pDst, pBuffer);                         \
    }                                                                                              \
    VekStatus veksFFTInv_##LAYOUT##ToR_##R##_I(Vek##R* pSrcDst, const VekFFTSpec_R_##R* pSpec, Vek8u* pBuffer) { \
        return inverse<T>(Packed::LAYOUT, pSpec, ID, pSrcDst, pSrcDst, pBuffer);                   \
    }

VEKS_RFFT(Perm, float, 32f, kIdR32f)
VEKS_RFFT(Pack, float, 32f, kIdR32f)
VEKS_RFFT(CCS, float, 32f, kIdR32f)
VEKS_RFFT(Perm, double, 64f, kIdR64f)
VEKS_RFFT(Pack, double, 64f, kIdR64f)
VEKS_RFFT(CCS, double, 64f, kIdR64f)
