// Exported IIR state operations and block calls: one macro line per type
// mix binds its public names to the templates of iir_engine.h.
#include "iir_mixes.h"

namespace veks {
namespace {

constexpr IirKind kArb = IirKind::Arbitrary, kBq = IirKind::BiQuad, kDf1 = IirKind::BiQuadDF1;

}  // namespace
}  // namespace veks

using namespace veks;

// Size query, Init and InitAlloc of one structure (arbitrary order or
// biquad) with taps of type TI.
#define VEKS_IIR_INITS(NAME, KIND, M, S, TI, DLY)                                                     \
    VekStatus veksIIRGetStateSize##NAME(int order, int* pSize) { return iir_get_size<M>(KIND, order, pSize); } \
    VekStatus veksIIRInit##NAME(S** pp, const TI* pTaps, int order, const DLY* pDly, Vek8u* pBuf) {     \
        return iir_init<M>(KIND, pp, pTaps, order, pDly, pBuf);                                       \
    }                                                                                                 \
    VekStatus veksIIRInitAlloc##NAME(S** pp, const TI* pTaps, int order, const DLY* pDly) {             \
        return iir_init_alloc<M>(KIND, pp, pTaps, order, pDly);                                       \
    }

// The same for 32s/32sc taps converted with tapsFactor.
#define VEKS_IIR_INITS_INT(NAME, KIND, M, S, TI, DLY)                                                 \
    VekStatus veksIIRGetStateSize##NAME(int order, int* pSize) { return iir_get_size<M>(KIND, order, pSize); } \
    VekStatus veksIIRInit##NAME(S** pp, const TI* pTaps, int order, int tapsFactor, const DLY* pDly, Vek8u* pBuf) { \
        return iir_init_int<M>(KIND, pp, pTaps, order, tapsFactor, pDly, pBuf, false);                \
    }                                                                                                 \
    VekStatus veksIIRInitAlloc##NAME(S** pp, const TI* pTaps, int order, int tapsFactor, const DLY* pDly) { \
        return iir_init_int<M>(KIND, pp, pTaps, order, tapsFactor, pDly, nullptr, true);             \
    }

// Free and delay-line access, once per mix.
#define VEKS_IIR_STATE_OPS(NAME, M, S, DLY)                                                           \
    VekStatus veksIIRFree##NAME(S* pState) { return iir_free<M>(pState); }                            \
    VekStatus veksIIRGetDlyLine##NAME(const S* pState, DLY* pDly) { return iir_get_dly<M>(pState, pDly); } \
    VekStatus veksIIRSetDlyLine##NAME(S* pState, const DLY* pDly) { return iir_set_dly<M>(pState, pDly); }

// A mix with floating-point data.
#define VEKS_IIR_FLOAT(P, D, M, S, TI, DT)                                                            \
    VEKS_IIR_INITS(P##_##D, kArb, M, S, TI, TI)                                                       \
    VEKS_IIR_INITS(P##_BiQuad_##D, kBq, M, S, TI, TI)                                                 \
    VEKS_IIR_STATE_OPS(P##_##D, M, S, TI)                                                             \
    VekStatus veksIIRSetTaps##P##_##D(const TI* pTaps, S* pState) { return iir_set_taps<M>(pTaps, pState); } \
    VekStatus veksIIR##P##_##D(const DT* pSrc, DT* pDst, int len, S* pState) {                        \
        return iir_filter<M>(pSrc, pDst, len, pState);                                                \
    }                                                                                                 \
    VekStatus veksIIR##P##_##D##_I(DT* pSrcDst, int len, S* pState) {                                 \
        return iir_filter<M>(pSrcDst, pSrcDst, len, pState);                                          \
    }                                                                                                 \
    VekStatus veksIIROne##P##_##D(DT src, DT* pDstVal, S* pState) { return iir_filter_one<M>(src, pDstVal, pState); }

// Block and one-sample calls of a mix with integer data.
#define VEKS_IIR_INT_CALLS(P, D, M, S, DT)                                                            \
    VekStatus veksIIR##P##_##D##_Sfs(const DT* pSrc, DT* pDst, int len, S* pState, int scaleFactor) { \
        return iir_filter<M>(pSrc, pDst, len, pState, scaleFactor);                                   \
    }                                                                                                 \
    VekStatus veksIIR##P##_##D##_ISfs(DT* pSrcDst, int len, S* pState, int scaleFactor) {             \
        return iir_filter<M>(pSrcDst, pSrcDst, len, pState, scaleFactor);                             \
    }                                                                                                 \
    VekStatus veksIIROne##P##_##D##_Sfs(DT src, DT* pDstVal, S* pState, int scaleFactor) {            \
        return iir_filter_one<M>(src, pDstVal, pState, scaleFactor);                                  \
    }

// A mix with floating-point taps and integer data.
#define VEKS_IIR_INT(P, D, M, S, TI, DT)                                                              \
    VEKS_IIR_INITS(P##_##D, kArb, M, S, TI, TI)                                                       \
    VEKS_IIR_INITS(P##_BiQuad_##D, kBq, M, S, TI, TI)                                                 \
    VEKS_IIR_STATE_OPS(P##_##D, M, S, TI)                                                             \
    VekStatus veksIIRSetTaps##P##_##D(const TI* pTaps, S* pState) { return iir_set_taps<M>(pTaps, pState); } \
    VEKS_IIR_INT_CALLS(P, D, M, S, DT)

// 32s (32sc) taps over 16s (16sc) data; the FT suffix names the members
// that take floating-point taps directly.
#define VEKS_IIR_INT_TAPS(P, D, FT, M, S, TI, FTI, DLY, DT)                                          \
    VEKS_IIR_INITS_INT(P##_##D, kArb, M, S, TI, DLY)                                                  \
    VEKS_IIR_INITS_INT(P##_BiQuad_##D, kBq, M, S, TI, DLY)                                            \
    VEKS_IIR_INITS(P##_##D##FT, kArb, M, S, FTI, DLY)                                                 \
    VEKS_IIR_INITS(P##_BiQuad_##D##FT, kBq, M, S, FTI, DLY)                                           \
    VEKS_IIR_STATE_OPS(P##_##D, M, S, DLY)                                                            \
    VekStatus veksIIRSetTaps##P##_##D(const TI* pTaps, S* pState, int tapsFactor) {                   \
        return iir_set_taps_int<M>(pTaps, pState, tapsFactor);                                        \
    }                                                                                                 \
    VekStatus veksIIRSetTaps##P##_##D##FT(const FTI* pTaps, S* pState) { return iir_set_taps<M>(pTaps, pState); } \
    VEKS_IIR_INT_CALLS(P, D, M, S, DT)

VEKS_IIR_FLOAT(, 32f, Mix32f, VekIIRState_32f, Vek32f, Vek32f)
VEKS_IIR_FLOAT(, 32fc, Mix32fc, VekIIRState_32fc, Vek32fc, Vek32fc)
VEKS_IIR_FLOAT(, 64f, Mix64f, VekIIRState_64f, Vek64f, Vek64f)
VEKS_IIR_FLOAT(, 64fc, Mix64fc, VekIIRState_64fc, Vek64fc, Vek64fc)
VEKS_IIR_FLOAT(64f, 32f, Mix64f32f, VekIIRState64f_32f, Vek64f, Vek32f)
VEKS_IIR_FLOAT(64fc, 32fc, Mix64fc32fc, VekIIRState64fc_32fc, Vek64fc, Vek32fc)
VEKS_IIR_INT(32f, 16s, Mix32f16s, VekIIRState32f_16s, Vek32f, Vek16s)
VEKS_IIR_INT(32fc, 16sc, Mix32fc16sc, VekIIRState32fc_16sc, Vek32fc, Vek16sc)
VEKS_IIR_INT(64f, 32s, Mix64f32s, VekIIRState64f_32s, Vek64f, Vek32s)
VEKS_IIR_INT(64fc, 32sc, Mix64fc32sc, VekIIRState64fc_32sc, Vek64fc, Vek32sc)
VEKS_IIR_INT(64f, 16s, Mix64f16s, VekIIRState64f_16s, Vek64f, Vek16s)
VEKS_IIR_INT(64fc, 16sc, Mix64fc16sc, VekIIRState64fc_16sc, Vek64fc, Vek16sc)
VEKS_IIR_INT_TAPS(32s, 16s, 32f, Mix32s16s, VekIIRState32s_16s, Vek32s, Vek32f, Vek32f, Vek16s)
VEKS_IIR_INT_TAPS(32sc, 16sc, 32fc, Mix32sc16sc, VekIIRState32sc_16sc, Vek32sc, Vek32fc, Vek32fc, Vek16sc)

// Direct form I biquads.
VEKS_IIR_INITS(_BiQuad_DF1_32f, kDf1, Mix32f, VekIIRState_32f, Vek32f, Vek32f)
VEKS_IIR_INITS(64f_BiQuad_DF1_32s, kDf1, Mix64f32s, VekIIRState64f_32s, Vek64f, Vek64f)
VekStatus veksIIRGetDlyLine64f_DF1_32s(const VekIIRState64f_32s* pState, Vek64f* pDly) {
    return iir_get_dly<Mix64f32s>(pState, pDly);
}
VekStatus veksIIRSetDlyLine64f_DF1_32s(VekIIRState64f_32s* pState, const Vek64f* pDly) {
    return iir_set_dly<Mix64f32s>(pState, pDly);
}

// Multichannel forms: every channel's pointers and state are checked
// before any channel is filtered.
namespace veks {
namespace {
template <class M, class S>
VekStatus iir_multi(const typename M::Data* const* src, typename M::Data* const* dst, int len, int ch, S* const* st,
                    int sf) {
    VEKS_CHECK(check_ptrs(src, dst, st));
    VEKS_CHECK(check_len(len));
    VEKS_CHECK(check_param(ch < 1, vekStsChannelErr));
    for (int c = 0; c < ch; ++c) VEKS_CHECK(check_ptrs(src[c], dst[c], st[c]));
    for (int c = 0; c < ch; ++c) VEKS_CHECK(M::check(st[c]));
    for (int c = 0; c < ch; ++c) iir_filter_checked<M>(src[c], dst[c], len, iir_state<M>(st[c]), sf);
    return vekStsNoErr;
}
}  // namespace
}  // namespace veks

VekStatus veksIIR_32f_P(const Vek32f** ppSrc, Vek32f** ppDst, int len, int nChannels, VekIIRState_32f** ppState) {
    return iir_multi<Mix32f>(ppSrc, ppDst, len, nChannels, ppState, 0);
}
VekStatus veksIIR_32f_IP(Vek32f** ppSrcDst, int len, int nChannels, VekIIRState_32f** ppState) {
    return iir_multi<Mix32f>(ppSrcDst, ppSrcDst, len, nChannels, ppState, 0);
}
VekStatus veksIIR64f_32s_PSfs(const Vek32s** ppSrc, Vek32s** ppDst, int len, int nChannels,
                              VekIIRState64f_32s** ppState, int scaleFactor) {
    return iir_multi<Mix64f32s>(ppSrc, ppDst, len, nChannels, ppState, scaleFactor);
}
VekStatus veksIIR64f_32s_IPSfs(Vek32s** ppSrcDst, int len, int nChannels, VekIIRState64f_32s** ppState,
                               int scaleFactor) {
    return iir_multi<Mix64f32s>(ppSrcDst, ppSrcDst, len, nChannels, ppState, scaleFactor);
}
