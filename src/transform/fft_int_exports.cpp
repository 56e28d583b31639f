// Exported integer FFTs: conversion to the nested floating transform and
// back with the caller's scale factor, or the 16-bit fixed-point path of
// orders 1 to 3; and the specification operations of the integer kinds.
#include "fft_call.h"
#include "fft_fixed16.h"
#include "fft_int_convert.h"
#include "fft_int_spec.h"
#include "fft_spec.h"

using namespace veks;
using namespace veks::fft;

namespace {

constexpr IntKind kC16sc{kIdC16sc, Domain::Complex, false, false, false};
constexpr IntKind kC16s{kIdC16s, Domain::Complex, false, false, true};
constexpr IntKind kR16s{kIdR16s, Domain::Real, false, false, false};
constexpr IntKind kC32sc{kIdC32sc, Domain::Complex, true, true, false};
constexpr IntKind kC32s{kIdC32s, Domain::Complex, true, true, true};
constexpr IntKind kR32s{kIdR32s, Domain::Real, true, true, false};
constexpr IntKind kR16s32s{kIdR16s32s, Domain::Real, true, false, false};

// Complex integer data as interleaved pairs (im null) or as two arrays.
template <class I>
struct IntData {
    I* re;
    I* im;
    bool split;
    I get(std::ptrdiff_t i, int part) const { return split ? (part ? im[i] : re[i]) : re[2 * i + part]; }
};

template <class I>
void put_part(const IntData<I>& d, std::ptrdiff_t i, int part, I v) {
    if (d.split)
        (part ? d.im : d.re)[i] = v;
    else
        d.re[2 * i + part] = v;
}

template <class F, class I>
void complex_via_float(const FloatSpec<F>& nested, const IntData<I>& s, const IntData<I>& d, bool inv, int sf, F* area) {
    const std::ptrdiff_t n = std::ptrdiff_t(1) << nested.order;
    for (std::ptrdiff_t i = 0; i < n; ++i) area[2 * i] = F(s.get(i, 0)), area[2 * i + 1] = F(s.get(i, 1));
    cfft(complex_plan(nested), area, area, inv, direction_scale(nested, inv));
    for (std::ptrdiff_t i = 0; i < n; ++i)
        for (int part = 0; part < 2; ++part) put_part(d, i, part, narrow_one<I>(area[2 * i + part], sf));
}

template <class I>
VekStatus complex_int(const IntKind& k, bool inv, const void* spec, IntData<I> s, IntData<I> d, int sf, Vek8u* pBuffer) {
    VEKS_CHECK(s.split ? check_spec_then(spec, k.id, s.re, s.im, d.re, d.im) : check_spec_then(spec, k.id, s.re, d.re));
    if constexpr (sizeof(I) == 4) {
        const auto& h = *static_cast<const Int32Spec*>(spec);
        CallBuffer work;
        VEKS_CHECK(work.settle(h.work_size, pBuffer));
        complex_via_float(*static_cast<const FloatSpec<double>*>(h.nested), s, d, inv, sf, work.as<double>());
    } else {
        const auto& h = *static_cast<const Int16Spec*>(spec);
        CallBuffer work;
        VEKS_CHECK(work.settle(h.work_size, pBuffer));
        const int n = 1 << h.order;
        if (h.order == 0) {
            for (int part = 0; part < 2; ++part) put_part(d, 0, part, narrow_half_up(s.get(0, part), sf));
        } else if (h.floating) {
            complex_via_float(*static_cast<const FloatSpec<float>*>(h.nested), s, d, inv, sf, work.as<float>());
        } else {
            std::int16_t buf[16];
            for (int i = 0; i < n; ++i) buf[2 * i] = s.get(i, 0), buf[2 * i + 1] = s.get(i, 1);
            const Fixed16Params p{h.order, inv ? h.inv_shift : h.fwd_shift, h.odd_factor != 0, h.twiddle, nullptr};
            fixed_cfft16(p, buf, buf, inv, sf);
            for (int i = 0; i < n; ++i) put_part(d, i, 0, buf[2 * i]), put_part(d, i, 1, buf[2 * i + 1]);
        }
    }
    return vekStsNoErr;
}

int packed_len(Packed l, int n) { return l == Packed::CCS ? (n == 1 ? 2 : n + 2) : n; }

template <class F, class In, class Out>
void real_fwd_via_float(const FloatSpec<F>& nested, Packed to, const In* src, Out* dst, int sf, F* area) {
    const int n = 1 << nested.order;
    widen(src, area, n);
    rfft_to_perm(real_plan(nested), area, area, direction_scale(nested, false));
    perm_to(to, area, n);
    narrow(area, dst, packed_len(to, n), sf);
}

template <class F, class In, class Out>
void real_inv_via_float(const FloatSpec<F>& nested, Packed from, const In* src, Out* dst, int sf, F* area) {
    const int n = 1 << nested.order;
    widen(src, area, from == Packed::CCS ? n + 1 : n);
    to_perm(from, area, area, n);
    rfft_from_perm(real_plan(nested), area, direction_scale(nested, true));
    narrow(area, dst, n, sf);
}

template <class In, class Out>
VekStatus real_int(const IntKind& k, bool inv, Packed layout, const void* spec, const In* src, Out* dst, int sf,
                   Vek8u* pBuffer) {
    VEKS_CHECK(check_spec_then(spec, k.id, src, dst));
    CallBuffer work;
    if (k.wide) {
        const auto& h = *static_cast<const Int32Spec*>(spec);
        VEKS_CHECK(work.settle(h.work_size, pBuffer));
        if (k.nested_double) {
            const auto& nested = *static_cast<const FloatSpec<double>*>(h.nested);
            inv ? real_inv_via_float(nested, layout, src, dst, sf, work.as<double>())
                : real_fwd_via_float(nested, layout, src, dst, sf, work.as<double>());
        } else {
            const auto& nested = *static_cast<const FloatSpec<float>*>(h.nested);
            inv ? real_inv_via_float(nested, layout, src, dst, sf, work.as<float>())
                : real_fwd_via_float(nested, layout, src, dst, sf, work.as<float>());
        }
        return vekStsNoErr;
    }
    if constexpr (sizeof(In) == 2 && sizeof(Out) == 2) {
        const auto& h = *static_cast<const Int16Spec*>(spec);
        VEKS_CHECK(work.settle(h.work_size, pBuffer));
        const int n = 1 << h.order;
        if (h.order == 0) {
            dst[0] = narrow_half_up(src[0], sf);
            if (!inv && layout == Packed::CCS) dst[1] = 0;
        } else if (h.floating) {
            const auto& nested = *static_cast<const FloatSpec<float>*>(h.nested);
            inv ? real_inv_via_float(nested, layout, src, dst, sf, work.as<float>())
                : real_fwd_via_float(nested, layout, src, dst, sf, work.as<float>());
        } else {
            const Fixed16Params p{h.order, inv ? h.inv_shift : h.fwd_shift, h.odd_factor != 0, h.twiddle, h.twiddle_half};
            std::int16_t tmp[16];
            if (inv) {
                to_perm(layout, src, tmp, n);
                fixed_rfft16_from_perm(p, tmp, dst, sf);
            } else {
                fixed_rfft16_to_perm(p, src, tmp, sf);
                perm_to(layout, tmp, n);
                for (int i = 0; i < packed_len(layout, n); ++i) dst[i] = tmp[i];
            }
        }
    }
    return vekStsNoErr;
}

}  // namespace

#define VEKS_FFT_INT_KIND(K, KIND)                                                                 \
    VekStatus veksFFTGetSize_##K(int order, int flag, int hint, int* pSpecSize, int* pSpecBufferSize, \
                                 int* pBufferSize) {                                               \
        return int_get_size(KIND, order, flag, hint, pSpecSize, pSpecBufferSize, pBufferSize);     \
    }                                                                                              \
    VekStatus veksFFTInit_##K(VekFFTSpec_##K** ppSpec, int order, int flag, int hint, Vek8u* pSpec, \
                              Vek8u* pSpecBuffer) {                                                \
        return int_init(KIND, reinterpret_cast<void**>(ppSpec), order, flag, hint, pSpec, pSpecBuffer); \
    }                                                                                              \
    VekStatus veksFFTInitAlloc_##K(VekFFTSpec_##K** ppSpec, int order, int flag, int hint) {       \
        return int_init_alloc(KIND, reinterpret_cast<void**>(ppSpec), order, flag, hint);          \
    }                                                                                              \
    VekStatus veksFFTFree_##K(VekFFTSpec_##K* pSpec) { return int_free(KIND, pSpec); }              \
    VekStatus veksFFTGetBufSize_##K(const VekFFTSpec_##K* pSpec, int* pBufferSize) {               \
        return int_buf_size(KIND, pSpec, pBufferSize);                                             \
    }

VEKS_FFT_INT_KIND(C_16sc, kC16sc)
VEKS_FFT_INT_KIND(C_16s, kC16s)
VEKS_FFT_INT_KIND(R_16s, kR16s)
VEKS_FFT_INT_KIND(C_32sc, kC32sc)
VEKS_FFT_INT_KIND(C_32s, kC32s)
VEKS_FFT_INT_KIND(R_32s, kR32s)
VEKS_FFT_INT_KIND(R_16s32s, kR16s32s)

#define VEKS_CFFT_INT(DIR, INV, C, I, KIND)                                                        \
    VekStatus veksFFT##DIR##_CToC_##C##_Sfs(const Vek##C* pSrc, Vek##C* pDst, const VekFFTSpec_C_##C* pSpec, \
                                            int scaleFactor, Vek8u* pBuffer) {                     \
        return complex_int<I>(KIND, INV, pSpec, {const_cast<I*>(reinterpret_cast<const I*>(pSrc)), nullptr, false}, \
                              {reinterpret_cast<I*>(pDst), nullptr, false}, scaleFactor, pBuffer);  \
    }                                                                                              \
    VekStatus veksFFT##DIR##_CToC_##C##_ISfs(Vek##C* pSrcDst, const VekFFTSpec_C_##C* pSpec, int scaleFactor, \
                                             Vek8u* pBuffer) {                                     \
        return veksFFT##DIR##_CToC_##C##_Sfs(pSrcDst, pSrcDst, pSpec, scaleFactor, pBuffer);        \
    }

#define VEKS_CFFT_INT_SPLIT(DIR, INV, R, I, KIND)                                                  \
    VekStatus veksFFT##DIR##_CToC_##R##_Sfs(const I* pSrcRe, const I* pSrcIm, I* pDstRe, I* pDstIm, \
                                            const VekFFTSpec_C_##R* pSpec, int scaleFactor, Vek8u* pBuffer) { \
        return complex_int<I>(KIND, INV, pSpec, {const_cast<I*>(pSrcRe), const_cast<I*>(pSrcIm), true}, \
                              {pDstRe, pDstIm, true}, scaleFactor, pBuffer);                        \
    }                                                                                              \
    VekStatus veksFFT##DIR##_CToC_##R##_ISfs(I* pSrcDstRe, I* pSrcDstIm, const VekFFTSpec_C_##R* pSpec, \
                                             int scaleFactor, Vek8u* pBuffer) {                    \
        return veksFFT##DIR##_CToC_##R##_Sfs(pSrcDstRe, pSrcDstIm, pSrcDstRe, pSrcDstIm, pSpec, scaleFactor, pBuffer); \
    }

VEKS_CFFT_INT(Fwd, false, 16sc, Vek16s, kC16sc)
VEKS_CFFT_INT(Inv, true, 16sc, Vek16s, kC16sc)
VEKS_CFFT_INT(Fwd, false, 32sc, Vek32s, kC32sc)
VEKS_CFFT_INT(Inv, true, 32sc, Vek32s, kC32sc)
VEKS_CFFT_INT_SPLIT(Fwd, false, 16s, Vek16s, kC16s)
VEKS_CFFT_INT_SPLIT(Inv, true, 16s, Vek16s, kC16s)
VEKS_CFFT_INT_SPLIT(Fwd, false, 32s, Vek32s, kC32s)
VEKS_CFFT_INT_SPLIT(Inv, true, 32s, Vek32s, kC32s)

#define VEKS_RFFT_INT_LAYOUT(LAYOUT, R, I, KIND)                                                   \
    VekStatus veksFFTFwd_RTo##LAYOUT##_##R##_Sfs(const I* pSrc, I* pDst, const VekFFTSpec_R_##R* pSpec, \
                                                 int scaleFactor, Vek8u* pBuffer) {                \
        return real_int(KIND, false, Packed::LAYOUT, pSpec, pSrc, pDst, scaleFactor, pBuffer);     \
    }                                                                                              \
    VekStatus veksFFTFwd_RTo##LAYOUT##_##R##_ISfs(I* pSrcDst, const VekFFTSpec_R_##R* pSpec, int scaleFactor, \
                                                  Vek8u* pBuffer) {                                \
        return real_int(KIND, false, Packed::LAYOUT, pSpec, static_cast<const I*>(pSrcDst), pSrcDst, scaleFactor, pBuffer); \
    }                                                                                              \
    VekStatus veksFFTInv_##LAYOUT##ToR_##R##_Sfs(const I* pSrc, I* pDst, const VekFFTSpec_R_##R* pSpec, \
                                                 int scaleFactor, Vek8u* pBuffer) {                \
        return real_int(KIND, true, Packed::LAYOUT, pSpec, pSrc, pDst, scaleFactor, pBuffer);      \
    }                                                                                              \
    VekStatus veksFFTInv_##LAYOUT##ToR_##R##_ISfs(I* pSrcDst, const VekFFTSpec_R_##R* pSpec, int scaleFactor, \
                                                  Vek8u* pBuffer) {                                \
        return real_int(KIND, true, Packed::LAYOUT, pSpec, static_cast<const I*>(pSrcDst), pSrcDst, scaleFactor, pBuffer); \
    }
#define VEKS_RFFT_INT(R, I, KIND)            \
    VEKS_RFFT_INT_LAYOUT(CCS, R, I, KIND)    \
    VEKS_RFFT_INT_LAYOUT(Pack, R, I, KIND)   \
    VEKS_RFFT_INT_LAYOUT(Perm, R, I, KIND)

VEKS_RFFT_INT(16s, Vek16s, kR16s)
VEKS_RFFT_INT(32s, Vek32s, kR32s)

VekStatus veksFFTFwd_RToCCS_16s32s_Sfs(const Vek16s* pSrc, Vek32s* pDst, const VekFFTSpec_R_16s32s* pSpec,
                                       int scaleFactor, Vek8u* pBuffer) {
    return real_int(kR16s32s, false, Packed::CCS, pSpec, pSrc, pDst, scaleFactor, pBuffer);
}
VekStatus veksFFTInv_CCSToR_32s16s_Sfs(const Vek32s* pSrc, Vek16s* pDst, const VekFFTSpec_R_16s32s* pSpec,
                                       int scaleFactor, Vek8u* pBuffer) {
    return real_int(kR16s32s, true, Packed::CCS, pSpec, pSrc, pDst, scaleFactor, pBuffer);
}
