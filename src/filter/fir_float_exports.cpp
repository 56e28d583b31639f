// Exported float-tap FIR operations: one macro line per type mix binds the
// public names to the templates of fir_float_api.h.
#include "filter/fir_float_api.h"
#include "filter/fir_stream.h"
#include "veks.h"

using namespace veks;
using namespace veks::fir;

namespace {
using c16 = Cx<std::int16_t>;
using c32s = Cx<std::int32_t>;
using c32 = Cx<float>;
using c64 = Cx<double>;
}  // namespace

#define VEKS_IN(type, p) reinterpret_cast<const type*>(p)
#define VEKS_OUT(type, p) reinterpret_cast<type*>(p)
#define VEKS_PP(pp) reinterpret_cast<void**>(pp)

// State operations of a mix. sfx: name suffix; St: public state; PT/PD:
// public tap and data types; T: compute type; IT/ID: internal tap and data
// types; a, b: single-rate and multirate identifier numbers.
#define VEKS_FIR_STATE_OPS(sfx, St, PT, PD, T, IT, ID, a, b, fft)                                                   \
    VekStatus veksFIRGetStateSize##sfx(int tapsLen, int* pSize) { return api_size<T>(tapsLen, pSize); }           \
    VekStatus veksFIRInit##sfx(St** pp, const PT* pTaps, int tapsLen, const PD* pDly, Vek8u* pBuf) {             \
        return api_init<T>(Ids{fi(a), fi(b)}, VEKS_PP(pp), VEKS_IN(IT, pTaps), tapsLen, VEKS_IN(ID, pDly), pBuf, fft);\
    }                                                                                                            \
    VekStatus veksFIRInitAlloc##sfx(St** pp, const PT* pTaps, int tapsLen, const PD* pDly) {                     \
        return api_init_alloc<T>(Ids{fi(a), fi(b)}, VEKS_PP(pp), VEKS_IN(IT, pTaps), tapsLen, VEKS_IN(ID, pDly), fft);\
    }                                                                                                            \
    VekStatus veksFIRGetTaps##sfx(const St* pState, PT* pTaps) {                                                 \
        return api_get_taps<T>(Ids{fi(a), fi(b)}, pState, VEKS_OUT(IT, pTaps));                                  \
    }                                                                                                            \
    VekStatus veksFIRSetTaps##sfx(const PT* pTaps, St* pState) {                                                 \
        return api_set_taps<T>(Ids{fi(a), fi(b)}, VEKS_IN(IT, pTaps), pState);                                   \
    }

#define VEKS_FIR_FREE_DLY(sfx, St, PD, T, ID, a, b)                                                             \
    VekStatus veksFIRFree##sfx(St* pState) {                                                                    \
        if (fi(a) == fi(1) && pState && is_stream_32f(pState)) return stream_free(pState), vekStsNoErr;         \
        return api_free<T>(Ids{fi(a), fi(b)}, pState);                                                          \
    }                                                                                                           \
    VekStatus veksFIRGetDlyLine##sfx(const St* pState, PD* pDly) {                                              \
        return api_get_dly<T>(Ids{fi(a), fi(b)}, pState, VEKS_OUT(ID, pDly));                                   \
    }                                                                                                           \
    VekStatus veksFIRSetDlyLine##sfx(St* pState, const PD* pDly) {                                              \
        return api_set_dly<T>(Ids{fi(a), fi(b)}, pState, VEKS_IN(ID, pDly));                                    \
    }

#define VEKS_FIR_MR_OPS(sfx, St, PT, PD, T, IT, ID, a, b)                                                       \
    VekStatus veksFIRMRGetStateSize##sfx(int tapsLen, int up, int down, int* pSize) {                           \
        return api_mr_size<T>(tapsLen, up, down, pSize);                                                        \
    }                                                                                                           \
    VekStatus veksFIRMRInit##sfx(St** pp, const PT* pTaps, int tapsLen, int up, int upPhase, int down,          \
                                 int downPhase, const PD* pDly, Vek8u* pBuf) {                                  \
        return api_mr_init<T>(Ids{fi(a), fi(b)}, VEKS_PP(pp), VEKS_IN(IT, pTaps), tapsLen, up, upPhase, down,   \
                              downPhase, VEKS_IN(ID, pDly), pBuf);                                              \
    }                                                                                                           \
    VekStatus veksFIRMRInitAlloc##sfx(St** pp, const PT* pTaps, int tapsLen, int up, int upPhase, int down,     \
                                      int downPhase, const PD* pDly) {                                          \
        return api_mr_init_alloc<T>(Ids{fi(a), fi(b)}, VEKS_PP(pp), VEKS_IN(IT, pTaps), tapsLen, up, upPhase,   \
                                    down, downPhase, VEKS_IN(ID, pDly));                                        \
    }

// Block and one-sample calls: plain (float data) and scaled (integer data).
#define VEKS_FIR_CALLS_PLAIN(sfx, St, PD, T, ID, N, a, b)                                                       \
    VekStatus veksFIR##sfx(const PD* pSrc, PD* pDst, int n, St* pState) {                                       \
        return api_block<T, ID, N>(Ids{fi(a), fi(b)}, VEKS_IN(ID, pSrc), VEKS_OUT(ID, pDst), n, pState, 0);     \
    }                                                                                                           \
    VekStatus veksFIR##sfx##_I(PD* pSrcDst, int n, St* pState) {                                                \
        return api_block<T, ID, N>(Ids{fi(a), fi(b)}, VEKS_IN(ID, pSrcDst), VEKS_OUT(ID, pSrcDst), n, pState,   \
                                   0);                                                                          \
    }                                                                                                           \
    VekStatus veksFIROne##sfx(PD src, PD* pDst, St* pState) {                                                   \
        return api_one<T, ID, N>(Ids{fi(a), fi(b)}, bits_as<ID>(src), VEKS_OUT(ID, pDst), pState, 0);         \
    }

#define VEKS_FIR_CALLS_SFS(sfx, St, PD, T, ID, N, a, b)                                                         \
    VekStatus veksFIR##sfx##_Sfs(const PD* pSrc, PD* pDst, int n, St* pState, int sf) {                         \
        return api_block<T, ID, N>(Ids{fi(a), fi(b)}, VEKS_IN(ID, pSrc), VEKS_OUT(ID, pDst), n, pState, sf);    \
    }                                                                                                           \
    VekStatus veksFIR##sfx##_ISfs(PD* pSrcDst, int n, St* pState, int sf) {                                     \
        return api_block<T, ID, N>(Ids{fi(a), fi(b)}, VEKS_IN(ID, pSrcDst), VEKS_OUT(ID, pSrcDst), n, pState,   \
                                   sf);                                                                         \
    }                                                                                                           \
    VekStatus veksFIROne##sfx##_Sfs(PD src, PD* pDst, St* pState, int sf) {                                     \
        return api_one<T, ID, N>(Ids{fi(a), fi(b)}, bits_as<ID>(src), VEKS_OUT(ID, pDst), pState, sf);        \
    }

#define VEKS_FIR_MIX(sfx, St, PT, PD, T, IT, ID, a, b)    \
    VEKS_FIR_STATE_OPS(sfx, St, PT, PD, T, IT, ID, a, b, true)  \
    VEKS_FIR_FREE_DLY(sfx, St, PD, T, ID, a, b)           \
    VEKS_FIR_MR_OPS(sfx, St, PT, PD, T, IT, ID, a, b)

VEKS_FIR_MIX(_32f, VekFIRState_32f, Vek32f, Vek32f, float, float, float, 1, 3)
VEKS_FIR_MIX(_32fc, VekFIRState_32fc, Vek32fc, Vek32fc, c32, c32, c32, 2, 4)
VEKS_FIR_MIX(32f_16s, VekFIRState32f_16s, Vek32f, Vek16s, float, float, std::int16_t, 5, 7)
VEKS_FIR_MIX(32fc_16sc, VekFIRState32fc_16sc, Vek32fc, Vek16sc, c32, c32, c16, 6, 8)
VEKS_FIR_MIX(_64f, VekFIRState_64f, Vek64f, Vek64f, double, double, double, 13, 15)
VEKS_FIR_MIX(_64fc, VekFIRState_64fc, Vek64fc, Vek64fc, c64, c64, c64, 14, 16)
VEKS_FIR_MIX(64f_32f, VekFIRState64f_32f, Vek64f, Vek32f, double, double, float, 17, 19)
VEKS_FIR_MIX(64fc_32fc, VekFIRState64fc_32fc, Vek64fc, Vek32fc, c64, c64, c32, 18, 20)
VEKS_FIR_MIX(64f_32s, VekFIRState64f_32s, Vek64f, Vek32s, double, double, std::int32_t, 21, 23)
VEKS_FIR_MIX(64fc_32sc, VekFIRState64fc_32sc, Vek64fc, Vek32sc, c64, c64, c32s, 22, 24)
VEKS_FIR_MIX(64f_16s, VekFIRState64f_16s, Vek64f, Vek16s, double, double, std::int16_t, 25, 27)
VEKS_FIR_MIX(64fc_16sc, VekFIRState64fc_16sc, Vek64fc, Vek16sc, c64, c64, c16, 26, 28)

// The 32s form is the 64f-taps 32s-data filter fed with integer taps; it
// has no FFT and no multirate or delay-line members.
VEKS_FIR_STATE_OPS(_32s, VekFIRState_32s, Vek32s, Vek32s, double, std::int32_t, std::int32_t, 21, 23, false)
VekStatus veksFIRFree_32s(VekFIRState_32s* pState) { return api_free<double>(Ids{fi(21), fi(23)}, pState); }

VekStatus veksFIR_32f(const Vek32f* pSrc, Vek32f* pDst, int n, VekFIRState_32f* pState) {
    if (pState && pSrc && pDst && n >= 1 && is_stream_32f(pState)) return stream_block_32f(pState, pSrc, pDst, n);
    return api_block<float, float, Narrow::Same>(Ids{fi(1), fi(3)}, pSrc, pDst, n, pState, 0);
}
VekStatus veksFIR_32f_I(Vek32f* pSrcDst, int n, VekFIRState_32f* pState) { return veksFIR_32f(pSrcDst, pSrcDst, n, pState); }
VekStatus veksFIROne_32f(Vek32f src, Vek32f* pDst, VekFIRState_32f* pState) {
    return api_one<float, float, Narrow::Same>(Ids{fi(1), fi(3)}, src, pDst, pState, 0);
}
VEKS_FIR_CALLS_PLAIN(_32fc, VekFIRState_32fc, Vek32fc, c32, c32, Narrow::Same, 2, 4)
VEKS_FIR_CALLS_PLAIN(_64f, VekFIRState_64f, Vek64f, double, double, Narrow::Same, 13, 15)
VEKS_FIR_CALLS_PLAIN(_64fc, VekFIRState_64fc, Vek64fc, c64, c64, Narrow::Same, 14, 16)
VEKS_FIR_CALLS_PLAIN(64f_32f, VekFIRState64f_32f, Vek32f, double, float, Narrow::Plain, 17, 19)
VEKS_FIR_CALLS_PLAIN(64fc_32fc, VekFIRState64fc_32fc, Vek32fc, c64, c32, Narrow::Plain, 18, 20)
VEKS_FIR_CALLS_SFS(32f_16s, VekFIRState32f_16s, Vek16s, float, std::int16_t, Narrow::SfsEven32f, 5, 7)
VEKS_FIR_CALLS_SFS(32fc_16sc, VekFIRState32fc_16sc, Vek16sc, c32, c16, Narrow::SfsEven32f, 6, 8)
VEKS_FIR_CALLS_SFS(64f_16s, VekFIRState64f_16s, Vek16s, double, std::int16_t, Narrow::SfsAway64f, 25, 27)
VEKS_FIR_CALLS_SFS(64fc_16sc, VekFIRState64fc_16sc, Vek16sc, c64, c16, Narrow::SfsAway64f, 26, 28)
VEKS_FIR_CALLS_SFS(64f_32s, VekFIRState64f_32s, Vek32s, double, std::int32_t, Narrow::SfsEven64f, 21, 23)
VEKS_FIR_CALLS_SFS(64fc_32sc, VekFIRState64fc_32sc, Vek32sc, c64, c32s, Narrow::SfsEven64f, 22, 24)
VEKS_FIR_CALLS_SFS(_32s, VekFIRState_32s, Vek32s, double, std::int32_t, Narrow::SfsEven64f, 21, 23)
