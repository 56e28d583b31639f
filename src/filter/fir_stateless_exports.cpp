// Exported stateless FIR forms, single-rate and multirate: one macro line
// per type mix.
#include "filter/fir_stateless.h"
#include "veks.h"

using namespace veks;
using namespace veks::fir;

namespace {
using c32 = Cx<float>;
using c64 = Cx<double>;
using c32s = Cx<std::int32_t>;
}  // namespace

#define VEKS_IN(type, p) reinterpret_cast<const type*>(p)
#define VEKS_OUT(type, p) reinterpret_cast<type*>(p)

// pre/post: the name around "_Direct"; PT/PD public tap and data types.
#define VEKS_DIRECT_PLAIN(pre, post, PT, PD, T, IT, ID, N)                                                          \
    VekStatus veksFIR##pre##_Direct##post(const PD* pSrc, PD* pDst, int n, const PT* pTaps, int L, PD* pDly,       \
                                          int* pIdx) {                                                             \
        return direct_block<T, ID, N>(VEKS_IN(ID, pSrc), VEKS_OUT(ID, pDst), n, VEKS_IN(IT, pTaps), L,             \
                                      VEKS_OUT(ID, pDly), pIdx, 0);                                                \
    }                                                                                                              \
    VekStatus veksFIR##pre##_Direct##post##_I(PD* p, int n, const PT* pTaps, int L, PD* pDly, int* pIdx) {         \
        return direct_block<T, ID, N>(VEKS_IN(ID, p), VEKS_OUT(ID, p), n, VEKS_IN(IT, pTaps), L, VEKS_OUT(ID, pDly), \
                                      pIdx, 0);                                                                    \
    }                                                                                                              \
    VekStatus veksFIROne##pre##_Direct##post(PD x, PD* pY, const PT* pTaps, int L, PD* pDly, int* pIdx) {          \
        return direct_one<T, ID, N>(bits_as<ID>(x), VEKS_OUT(ID, pY), VEKS_IN(IT, pTaps), L, VEKS_OUT(ID, pDly),   \
                                    pIdx, 0);                                                                      \
    }                                                                                                              \
    VekStatus veksFIROne##pre##_Direct##post##_I(PD* p, const PT* pTaps, int L, PD* pDly, int* pIdx) {             \
        if (!p) return vekStsNullPtrErr;                                                                           \
        return direct_one<T, ID, N>(*VEKS_IN(ID, p), VEKS_OUT(ID, p), VEKS_IN(IT, pTaps), L, VEKS_OUT(ID, pDly),   \
                                    pIdx, 0);                                                                      \
    }                                                                                                              \
    VekStatus veksFIRMR##pre##_Direct##post(const PD* pSrc, PD* pDst, int n, const PT* pTaps, int L, int up,       \
                                            int upPh, int down, int downPh, PD* pDly) {                            \
        return mr_direct<T, ID, N>(VEKS_IN(ID, pSrc), VEKS_OUT(ID, pDst), n, VEKS_IN(IT, pTaps), L, up, upPh, down, \
                                   downPh, VEKS_OUT(ID, pDly), 0);                                                 \
    }                                                                                                              \
    VekStatus veksFIRMR##pre##_Direct##post##_I(PD* p, int n, const PT* pTaps, int L, int up, int upPh, int down,  \
                                                int downPh, PD* pDly) {                                            \
        return mr_direct<T, ID, N>(VEKS_IN(ID, p), VEKS_OUT(ID, p), n, VEKS_IN(IT, pTaps), L, up, upPh, down,      \
                                   downPh, VEKS_OUT(ID, pDly), 0);                                                 \
    }

#define VEKS_DIRECT_SFS(pre, post, PT, PD, T, IT, ID, N)                                                            \
    VekStatus veksFIR##pre##_Direct##post##_Sfs(const PD* pSrc, PD* pDst, int n, const PT* pTaps, int L, PD* pDly, \
                                                int* pIdx, int sf) {                                               \
        return direct_block<T, ID, N>(VEKS_IN(ID, pSrc), VEKS_OUT(ID, pDst), n, VEKS_IN(IT, pTaps), L,             \
                                      VEKS_OUT(ID, pDly), pIdx, sf);                                               \
    }                                                                                                              \
    VekStatus veksFIR##pre##_Direct##post##_ISfs(PD* p, int n, const PT* pTaps, int L, PD* pDly, int* pIdx,        \
                                                 int sf) {                                                         \
        return direct_block<T, ID, N>(VEKS_IN(ID, p), VEKS_OUT(ID, p), n, VEKS_IN(IT, pTaps), L, VEKS_OUT(ID, pDly), \
                                      pIdx, sf);                                                                   \
    }                                                                                                              \
    VekStatus veksFIROne##pre##_Direct##post##_Sfs(PD x, PD* pY, const PT* pTaps, int L, PD* pDly, int* pIdx,      \
                                                   int sf) {                                                       \
        return direct_one<T, ID, N>(bits_as<ID>(x), VEKS_OUT(ID, pY), VEKS_IN(IT, pTaps), L, VEKS_OUT(ID, pDly),   \
                                    pIdx, sf);                                                                     \
    }                                                                                                              \
    VekStatus veksFIROne##pre##_Direct##post##_ISfs(PD* p, const PT* pTaps, int L, PD* pDly, int* pIdx, int sf) {  \
        if (!p) return vekStsNullPtrErr;                                                                           \
        return direct_one<T, ID, N>(*VEKS_IN(ID, p), VEKS_OUT(ID, p), VEKS_IN(IT, pTaps), L, VEKS_OUT(ID, pDly),   \
                                    pIdx, sf);                                                                     \
    }                                                                                                              \
    VekStatus veksFIRMR##pre##_Direct##post##_Sfs(const PD* pSrc, PD* pDst, int n, const PT* pTaps, int L, int up, \
                                                  int upPh, int down, int downPh, PD* pDly, int sf) {              \
        return mr_direct<T, ID, N>(VEKS_IN(ID, pSrc), VEKS_OUT(ID, pDst), n, VEKS_IN(IT, pTaps), L, up, upPh, down, \
                                   downPh, VEKS_OUT(ID, pDly), sf);                                                \
    }                                                                                                              \
    VekStatus veksFIRMR##pre##_Direct##post##_ISfs(PD* p, int n, const PT* pTaps, int L, int up, int upPh,         \
                                                   int down, int downPh, PD* pDly, int sf) {                       \
        return mr_direct<T, ID, N>(VEKS_IN(ID, p), VEKS_OUT(ID, p), n, VEKS_IN(IT, pTaps), L, up, upPh, down,      \
                                   downPh, VEKS_OUT(ID, pDly), sf);                                                \
    }

VEKS_DIRECT_PLAIN(, _32f, Vek32f, Vek32f, float, float, float, Narrow::Same)
VEKS_DIRECT_PLAIN(, _32fc, Vek32fc, Vek32fc, c32, c32, c32, Narrow::Same)
VEKS_DIRECT_PLAIN(, _64f, Vek64f, Vek64f, double, double, double, Narrow::Same)
VEKS_DIRECT_PLAIN(, _64fc, Vek64fc, Vek64fc, c64, c64, c64, Narrow::Same)
VEKS_DIRECT_PLAIN(64f, _32f, Vek64f, Vek32f, double, double, float, Narrow::Plain)
VEKS_DIRECT_PLAIN(64fc, _32fc, Vek64fc, Vek32fc, c64, c64, c32, Narrow::Plain)
VEKS_DIRECT_SFS(32f, _16s, Vek32f, Vek16s, float, float, std::int16_t, Narrow::SfsEven32f)
VEKS_DIRECT_SFS(32fc, _16sc, Vek32fc, Vek16sc, c32, c32, c16, Narrow::SfsEven32f)
VEKS_DIRECT_SFS(64f, _16s, Vek64f, Vek16s, double, double, std::int16_t, Narrow::SfsAway64f)
VEKS_DIRECT_SFS(64fc, _16sc, Vek64fc, Vek16sc, c64, c64, c16, Narrow::SfsAway64f)
VEKS_DIRECT_SFS(64f, _32s, Vek64f, Vek32s, double, double, std::int32_t, Narrow::SfsEven64f)
VEKS_DIRECT_SFS(64fc, _32sc, Vek64fc, Vek32sc, c64, c64, c32s, Narrow::SfsEven64f)

// Integer taps with a tapsFactor (32s) or in Q15 (16s: tapsFactor -15).
#define VEKS_DIRECT_INT(pre, post, PT, PD, R, IT, TFA, TF, Q15)                                                     \
    VekStatus veksFIR##pre##_Direct##post##_Sfs(const PD* pSrc, PD* pDst, int n, const PT* pTaps, int L TFA,       \
                                                PD* pDly, int* pIdx, int sf) {                                     \
        return int_direct_block<R>(VEKS_IN(R, pSrc), VEKS_OUT(R, pDst), n, VEKS_IN(IT, pTaps), L, TF,              \
                                   VEKS_OUT(R, pDly), pIdx, sf, Q15);                                              \
    }                                                                                                              \
    VekStatus veksFIR##pre##_Direct##post##_ISfs(PD* p, int n, const PT* pTaps, int L TFA, PD* pDly, int* pIdx,    \
                                                 int sf) {                                                         \
        return int_direct_block<R>(VEKS_IN(R, p), VEKS_OUT(R, p), n, VEKS_IN(IT, pTaps), L, TF, VEKS_OUT(R, pDly), \
                                   pIdx, sf, Q15);                                                                 \
    }                                                                                                              \
    VekStatus veksFIROne##pre##_Direct##post##_Sfs(PD x, PD* pY, const PT* pTaps, int L TFA, PD* pDly, int* pIdx,  \
                                                   int sf) {                                                       \
        return int_direct_one<R>(bits_as<R>(x), VEKS_OUT(R, pY), VEKS_IN(IT, pTaps), L, TF, VEKS_OUT(R, pDly),     \
                                 pIdx, sf);                                                                        \
    }                                                                                                              \
    VekStatus veksFIROne##pre##_Direct##post##_ISfs(PD* p, const PT* pTaps, int L TFA, PD* pDly, int* pIdx,        \
                                                    int sf) {                                                      \
        if (!p) return vekStsNullPtrErr;                                                                           \
        return int_direct_one<R>(*VEKS_IN(R, p), VEKS_OUT(R, p), VEKS_IN(IT, pTaps), L, TF, VEKS_OUT(R, pDly),     \
                                 pIdx, sf);                                                                        \
    }                                                                                                              \
    VekStatus veksFIRMR##pre##_Direct##post##_Sfs(const PD* pSrc, PD* pDst, int n, const PT* pTaps, int L TFA,     \
                                                  int up, int upPh, int down, int downPh, PD* pDly, int sf) {      \
        return int_mr_direct<R>(VEKS_IN(R, pSrc), VEKS_OUT(R, pDst), n, VEKS_IN(IT, pTaps), L, TF, up, upPh, down, \
                                downPh, VEKS_OUT(R, pDly), sf);                                                    \
    }                                                                                                              \
    VekStatus veksFIRMR##pre##_Direct##post##_ISfs(PD* p, int n, const PT* pTaps, int L TFA, int up, int upPh,     \
                                                   int down, int downPh, PD* pDly, int sf) {                       \
        return int_mr_direct<R>(VEKS_IN(R, p), VEKS_OUT(R, p), n, VEKS_IN(IT, pTaps), L, TF, up, upPh, down,       \
                                downPh, VEKS_OUT(R, pDly), sf);                                                    \
    }

#define VEKS_TF_ARG , int tapsFactor
#define VEKS_NO_ARG
VEKS_DIRECT_INT(32s, _16s, Vek32s, Vek16s, i16, std::int32_t, VEKS_TF_ARG, tapsFactor, false)
VEKS_DIRECT_INT(32sc, _16sc, Vek32sc, Vek16sc, c16, c32s, VEKS_TF_ARG, tapsFactor, false)
VEKS_DIRECT_INT(, _16s, Vek16s, Vek16s, i16, std::int16_t, VEKS_NO_ARG, -15, true)
