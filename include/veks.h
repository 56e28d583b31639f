/*
 * veks: one-dimensional signal-processing primitives (libveksn8.so.6.1).
 *
 * Every function returns a VekStatus (0 success, < 0 error, > 0 warning),
 * checks its arguments before touching memory and writes nothing on error.
 * Valid C99 and C++.
 */
#ifndef VEKS_H
#define VEKS_H

#include <stddef.h>

#ifdef __cplusplus
extern "C" {
#endif

#if defined(__GNUC__)
#define VEKS_API __attribute__((visibility("default")))
#else
#define VEKS_API
#endif

/* ---------------------------------------------------------------------- */
/* Element types                                                           */
/* ---------------------------------------------------------------------- */

typedef unsigned char      Vek8u;
typedef signed char        Vek8s;
typedef unsigned short     Vek16u;
typedef short              Vek16s;
typedef unsigned int       Vek32u;
typedef int                Vek32s;
typedef long long          Vek64s;
typedef unsigned long long Vek64u;
typedef float              Vek32f;
typedef double             Vek64f;

/* Half precision value held in its 16-bit storage word. */
typedef unsigned short Vek16f;

/* Three-byte little-endian integers, packed with no gap. Functions on
 * 24-bit vectors take Vek8u pointers; element i starts at byte 3*i. */
typedef struct { Vek8u b[3]; } Vek24u;
typedef struct { Vek8u b[3]; } Vek24s;

/* Complex types: real part first, then imaginary part. */
typedef struct { Vek8s  re, im; } Vek8sc;
typedef struct { Vek16s re, im; } Vek16sc;
typedef struct { Vek32s re, im; } Vek32sc;
typedef struct { Vek64s re, im; } Vek64sc;
typedef struct { Vek32f re, im; } Vek32fc;
typedef struct { Vek64f re, im; } Vek64fc;

/* ---------------------------------------------------------------------- */
/* Status codes                                                            */
/* ---------------------------------------------------------------------- */

typedef int VekStatus;

enum {
    vekStsNoErr               = 0,
    vekStsSqrtNegArg          = 3,
    vekStsInvOfZero           = 4,
    vekStsEvenMedianMaskSize  = 5,
    vekStsDivByZero           = 6,
    vekStsLnZeroArg           = 7,
    vekStsLnNegArg            = 8,
    vekStsNotFiniteArg        = 9,
    vekStsBitLenClamped       = 27,
    vekStsBadArgErr           = -5,
    vekStsSizeErr             = -6,
    vekStsZeroCrossingTypeErr = -7,
    vekStsNullPtrErr          = -8,
    vekStsMemAllocErr         = -9,
    vekStsDivByZeroErr        = -10,
    vekStsCauchyParamErr      = -11,
    vekStsScaleRangeErr       = -13,
    vekStsFftOrderErr         = -15,
    vekStsFftFlagErr          = -16,
    vekStsContextMatchErr     = -17,
    vekStsThreshLevelOrderErr = -18,
    vekStsThreshNegLevelErr   = -19,
    vekStsDlyLineIndexErr     = -24,
    vekStsIIROrderErr         = -25,
    vekStsFIRLenErr           = -26,
    vekStsRelFreqErr          = -27,
    vekStsFIRMRPhaseErr       = -28,
    vekStsFIRMRFactorErr      = -29,
    vekStsSamplePhaseErr      = -30,
    vekStsSampleFactorErr     = -31,
    vekStsShiftErr            = -32,
    vekStsWinLenErr           = -33,
    vekStsWtOffsetErr         = -35,
    vekStsJaehneErr           = -38,
    vekStsHugeWinErr          = -39,
    vekStsTrnglAsymErr        = -40,
    vekStsTrnglPhaseErr       = -41,
    vekStsTrnglFreqErr        = -42,
    vekStsTrnglMagnErr        = -43,
    vekStsTonePhaseErr        = -44,
    vekStsToneFreqErr         = -45,
    vekStsToneMagnErr         = -46,
    vekStsChannelErr          = -53,
    vekStsTapPositionErr      = -194,
    vekStsIIRGenOrderErr      = -206,
    vekStsIIRGenFreqErr       = -208,
    vekStsIIRGenDeviationErr  = -209,
    vekStsRoundModeErr        = -213
};

/* ---------------------------------------------------------------------- */
/* Shared parameters                                                       */
/* ---------------------------------------------------------------------- */

/* Rounding mode argument (rndMode). Any value other than 0 and 1 acts as
 * vekRndFin where an operation accepts it. */
typedef enum {
    vekRndZero = 0, /* truncate toward zero */
    vekRndNear = 1, /* nearest, ties to even */
    vekRndFin  = 2  /* nearest, ties away from zero */
} VekRoundMode;

typedef enum {
    vekAlgHintNone     = 0,
    vekAlgHintFast     = 1,
    vekAlgHintAccurate = 2
} VekHintAlgorithm;

/* FFT and DFT normalisation flags. */
#define VEK_FFT_SCALE_FWD_N  1
#define VEK_FFT_SCALE_INV_N  2
#define VEK_FFT_SCALE_SQRT_N 4
#define VEK_FFT_NO_SCALE     8

/* FIR design windows and IIR design prototypes. */
typedef enum {
    vekWinBartlett = 0,
    vekWinBlackman = 1,
    vekWinHamming  = 2,
    vekWinHann     = 3,
    vekWinRect     = 4
} VekWinType;

typedef enum {
    vekButterworth = 0,
    vekChebyshev1  = 1
} VekIIRFilterType;

/* ---------------------------------------------------------------------- */
/* Library version and vector allocation                                   */
/* ---------------------------------------------------------------------- */

typedef struct {
    int         major;
    int         minor;
    int         majorBuild;
    int         build;
    char        targetCpu[4];
    const char* name;
    const char* version;
    const char* buildDate;
} VekLibraryVersion;

VEKS_API const VekLibraryVersion* veksGetLibVersion(void);

/* Storage for len elements, or NULL (len < 1 or no memory). Release with
 * veksFree. */
VEKS_API Vek8u*   veksMalloc_8u(int len);
VEKS_API Vek8s*   veksMalloc_8s(int len);
VEKS_API Vek8sc*  veksMalloc_8sc(int len);
VEKS_API Vek16u*  veksMalloc_16u(int len);
VEKS_API Vek16s*  veksMalloc_16s(int len);
VEKS_API Vek16sc* veksMalloc_16sc(int len);
VEKS_API Vek32u*  veksMalloc_32u(int len);
VEKS_API Vek32s*  veksMalloc_32s(int len);
VEKS_API Vek32sc* veksMalloc_32sc(int len);
VEKS_API Vek32f*  veksMalloc_32f(int len);
VEKS_API Vek32fc* veksMalloc_32fc(int len);
VEKS_API Vek64s*  veksMalloc_64s(int len);
VEKS_API Vek64sc* veksMalloc_64sc(int len);
VEKS_API Vek64f*  veksMalloc_64f(int len);
VEKS_API Vek64fc* veksMalloc_64fc(int len);
VEKS_API void     veksFree(void* ptr);

/* ---------------------------------------------------------------------- */
/* Initialization and copying                                              */
/* ---------------------------------------------------------------------- */

/* pDst[n] = pSrc[n]; source and destination must not overlap. */
VEKS_API VekStatus veksCopy_8u(const Vek8u* pSrc, Vek8u* pDst, int len);
VEKS_API VekStatus veksCopy_16s(const Vek16s* pSrc, Vek16s* pDst, int len);
VEKS_API VekStatus veksCopy_16sc(const Vek16sc* pSrc, Vek16sc* pDst, int len);
VEKS_API VekStatus veksCopy_32s(const Vek32s* pSrc, Vek32s* pDst, int len);
VEKS_API VekStatus veksCopy_32sc(const Vek32sc* pSrc, Vek32sc* pDst, int len);
VEKS_API VekStatus veksCopy_32f(const Vek32f* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksCopy_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int len);
VEKS_API VekStatus veksCopy_64s(const Vek64s* pSrc, Vek64s* pDst, int len);
VEKS_API VekStatus veksCopy_64sc(const Vek64sc* pSrc, Vek64sc* pDst, int len);
VEKS_API VekStatus veksCopy_64f(const Vek64f* pSrc, Vek64f* pDst, int len);
VEKS_API VekStatus veksCopy_64fc(const Vek64fc* pSrc, Vek64fc* pDst, int len);

/* Copies len bits; bits are numbered from the most significant bit of each
 * byte. Destination bits outside the copied string keep their values. */
VEKS_API VekStatus veksCopy_1u(const Vek8u* pSrc, int srcBitOffset, Vek8u* pDst, int dstBitOffset, int len);

/* As Copy, correct for any overlap. */
VEKS_API VekStatus veksMove_8u(const Vek8u* pSrc, Vek8u* pDst, int len);
VEKS_API VekStatus veksMove_16s(const Vek16s* pSrc, Vek16s* pDst, int len);
VEKS_API VekStatus veksMove_16sc(const Vek16sc* pSrc, Vek16sc* pDst, int len);
VEKS_API VekStatus veksMove_32s(const Vek32s* pSrc, Vek32s* pDst, int len);
VEKS_API VekStatus veksMove_32sc(const Vek32sc* pSrc, Vek32sc* pDst, int len);
VEKS_API VekStatus veksMove_32f(const Vek32f* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksMove_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int len);
VEKS_API VekStatus veksMove_64s(const Vek64s* pSrc, Vek64s* pDst, int len);
VEKS_API VekStatus veksMove_64sc(const Vek64sc* pSrc, Vek64sc* pDst, int len);
VEKS_API VekStatus veksMove_64f(const Vek64f* pSrc, Vek64f* pDst, int len);
VEKS_API VekStatus veksMove_64fc(const Vek64fc* pSrc, Vek64fc* pDst, int len);

/* Every element set to val. */
VEKS_API VekStatus veksSet_8u(Vek8u val, Vek8u* pDst, int len);
VEKS_API VekStatus veksSet_16s(Vek16s val, Vek16s* pDst, int len);
VEKS_API VekStatus veksSet_16sc(Vek16sc val, Vek16sc* pDst, int len);
VEKS_API VekStatus veksSet_32s(Vek32s val, Vek32s* pDst, int len);
VEKS_API VekStatus veksSet_32sc(Vek32sc val, Vek32sc* pDst, int len);
VEKS_API VekStatus veksSet_32f(Vek32f val, Vek32f* pDst, int len);
VEKS_API VekStatus veksSet_32fc(Vek32fc val, Vek32fc* pDst, int len);
VEKS_API VekStatus veksSet_64s(Vek64s val, Vek64s* pDst, int len);
VEKS_API VekStatus veksSet_64sc(Vek64sc val, Vek64sc* pDst, int len);
VEKS_API VekStatus veksSet_64f(Vek64f val, Vek64f* pDst, int len);
VEKS_API VekStatus veksSet_64fc(Vek64fc val, Vek64fc* pDst, int len);

/* Every element set to all-zero bits. */
VEKS_API VekStatus veksZero_8u(Vek8u* pDst, int len);
VEKS_API VekStatus veksZero_16s(Vek16s* pDst, int len);
VEKS_API VekStatus veksZero_16sc(Vek16sc* pDst, int len);
VEKS_API VekStatus veksZero_32s(Vek32s* pDst, int len);
VEKS_API VekStatus veksZero_32sc(Vek32sc* pDst, int len);
VEKS_API VekStatus veksZero_32f(Vek32f* pDst, int len);
VEKS_API VekStatus veksZero_32fc(Vek32fc* pDst, int len);
VEKS_API VekStatus veksZero_64s(Vek64s* pDst, int len);
VEKS_API VekStatus veksZero_64sc(Vek64sc* pDst, int len);
VEKS_API VekStatus veksZero_64f(Vek64f* pDst, int len);
VEKS_API VekStatus veksZero_64fc(Vek64fc* pDst, int len);

/* pDst[n] = pSrc[len-1-n]; the _I forms reverse in place. */
VEKS_API VekStatus veksFlip_8u(const Vek8u* pSrc, Vek8u* pDst, int len);
VEKS_API VekStatus veksFlip_8u_I(Vek8u* pSrcDst, int len);
VEKS_API VekStatus veksFlip_16u(const Vek16u* pSrc, Vek16u* pDst, int len);
VEKS_API VekStatus veksFlip_16u_I(Vek16u* pSrcDst, int len);
VEKS_API VekStatus veksFlip_32f(const Vek32f* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksFlip_32f_I(Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksFlip_64f(const Vek64f* pSrc, Vek64f* pDst, int len);
VEKS_API VekStatus veksFlip_64f_I(Vek64f* pSrcDst, int len);
VEKS_API VekStatus veksFlip_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int len);
VEKS_API VekStatus veksFlip_32fc_I(Vek32fc* pSrcDst, int len);
VEKS_API VekStatus veksFlip_64fc(const Vek64fc* pSrc, Vek64fc* pDst, int len);
VEKS_API VekStatus veksFlip_64fc_I(Vek64fc* pSrcDst, int len);

/* Real parts, imaginary parts, or both, of a complex vector. */
VEKS_API VekStatus veksReal_16sc(const Vek16sc* pSrc, Vek16s* pDstRe, int len);
VEKS_API VekStatus veksReal_32fc(const Vek32fc* pSrc, Vek32f* pDstRe, int len);
VEKS_API VekStatus veksReal_64fc(const Vek64fc* pSrc, Vek64f* pDstRe, int len);
VEKS_API VekStatus veksImag_16sc(const Vek16sc* pSrc, Vek16s* pDstIm, int len);
VEKS_API VekStatus veksImag_32fc(const Vek32fc* pSrc, Vek32f* pDstIm, int len);
VEKS_API VekStatus veksImag_64fc(const Vek64fc* pSrc, Vek64f* pDstIm, int len);
VEKS_API VekStatus veksCplxToReal_16sc(const Vek16sc* pSrc, Vek16s* pDstRe, Vek16s* pDstIm, int len);
VEKS_API VekStatus veksCplxToReal_32fc(const Vek32fc* pSrc, Vek32f* pDstRe, Vek32f* pDstIm, int len);
VEKS_API VekStatus veksCplxToReal_64fc(const Vek64fc* pSrc, Vek64f* pDstRe, Vek64f* pDstIm, int len);

/* Builds a complex vector; a null pSrcRe or pSrcIm (not both) gives zero
 * parts on that side. */
VEKS_API VekStatus veksRealToCplx_16s(const Vek16s* pSrcRe, const Vek16s* pSrcIm, Vek16sc* pDst, int len);
VEKS_API VekStatus veksRealToCplx_32f(const Vek32f* pSrcRe, const Vek32f* pSrcIm, Vek32fc* pDst, int len);
VEKS_API VekStatus veksRealToCplx_64f(const Vek64f* pSrcRe, const Vek64f* pSrcIm, Vek64fc* pDst, int len);

/* Reverses the byte order of each element (24u: swaps bytes 0 and 2 of
 * every 3-byte element). */
VEKS_API VekStatus veksSwapBytes_16u(const Vek16u* pSrc, Vek16u* pDst, int len);
VEKS_API VekStatus veksSwapBytes_16u_I(Vek16u* pSrcDst, int len);
VEKS_API VekStatus veksSwapBytes_24u(const Vek8u* pSrc, Vek8u* pDst, int len);
VEKS_API VekStatus veksSwapBytes_24u_I(Vek8u* pSrcDst, int len);
VEKS_API VekStatus veksSwapBytes_32u(const Vek32u* pSrc, Vek32u* pDst, int len);
VEKS_API VekStatus veksSwapBytes_32u_I(Vek32u* pSrcDst, int len);
VEKS_API VekStatus veksSwapBytes_64u(const Vek64u* pSrc, Vek64u* pDst, int len);
VEKS_API VekStatus veksSwapBytes_64u_I(Vek64u* pSrcDst, int len);

/* ==== Scaled arithmetic, logical and shift, division ==== */
/* pDst[n] = pSrc1[n] + pSrc2[n]; _I: pSrcDst[n] += pSrc[n]. Integer results
 * saturate; _Sfs results are scaled by 2^-scaleFactor, rounded to nearest even. */
VEKS_API VekStatus veksAdd_16s(const Vek16s* pSrc1, const Vek16s* pSrc2, Vek16s* pDst, int len);
VEKS_API VekStatus veksAdd_16s32f(const Vek16s* pSrc1, const Vek16s* pSrc2, Vek32f* pDst, int len);
VEKS_API VekStatus veksAdd_16s32s_I(const Vek16s* pSrc, Vek32s* pSrcDst, int len);
VEKS_API VekStatus veksAdd_16s_I(const Vek16s* pSrc, Vek16s* pSrcDst, int len);
VEKS_API VekStatus veksAdd_16s_ISfs(const Vek16s* pSrc, Vek16s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksAdd_16s_Sfs(const Vek16s* pSrc1, const Vek16s* pSrc2, Vek16s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksAdd_16sc_ISfs(const Vek16sc* pSrc, Vek16sc* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksAdd_16sc_Sfs(const Vek16sc* pSrc1, const Vek16sc* pSrc2, Vek16sc* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksAdd_16u(const Vek16u* pSrc1, const Vek16u* pSrc2, Vek16u* pDst, int len);
VEKS_API VekStatus veksAdd_16u_ISfs(const Vek16u* pSrc, Vek16u* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksAdd_16u_Sfs(const Vek16u* pSrc1, const Vek16u* pSrc2, Vek16u* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksAdd_32f(const Vek32f* pSrc1, const Vek32f* pSrc2, Vek32f* pDst, int len);
VEKS_API VekStatus veksAdd_32f_I(const Vek32f* pSrc, Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksAdd_32fc(const Vek32fc* pSrc1, const Vek32fc* pSrc2, Vek32fc* pDst, int len);
VEKS_API VekStatus veksAdd_32fc_I(const Vek32fc* pSrc, Vek32fc* pSrcDst, int len);
VEKS_API VekStatus veksAdd_32s_ISfs(const Vek32s* pSrc, Vek32s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksAdd_32s_Sfs(const Vek32s* pSrc1, const Vek32s* pSrc2, Vek32s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksAdd_32sc_ISfs(const Vek32sc* pSrc, Vek32sc* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksAdd_32sc_Sfs(const Vek32sc* pSrc1, const Vek32sc* pSrc2, Vek32sc* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksAdd_32u(const Vek32u* pSrc1, const Vek32u* pSrc2, Vek32u* pDst, int len);
VEKS_API VekStatus veksAdd_64f(const Vek64f* pSrc1, const Vek64f* pSrc2, Vek64f* pDst, int len);
VEKS_API VekStatus veksAdd_64f_I(const Vek64f* pSrc, Vek64f* pSrcDst, int len);
VEKS_API VekStatus veksAdd_64fc(const Vek64fc* pSrc1, const Vek64fc* pSrc2, Vek64fc* pDst, int len);
VEKS_API VekStatus veksAdd_64fc_I(const Vek64fc* pSrc, Vek64fc* pSrcDst, int len);
VEKS_API VekStatus veksAdd_64s_Sfs(const Vek64s* pSrc1, const Vek64s* pSrc2, Vek64s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksAdd_8u16u(const Vek8u* pSrc1, const Vek8u* pSrc2, Vek16u* pDst, int len);
VEKS_API VekStatus veksAdd_8u_ISfs(const Vek8u* pSrc, Vek8u* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksAdd_8u_Sfs(const Vek8u* pSrc1, const Vek8u* pSrc2, Vek8u* pDst, int len, int scaleFactor);

/* pDst[n] = pSrc2[n] - pSrc1[n]; _I: pSrcDst[n] -= pSrc[n]. */
VEKS_API VekStatus veksSub_16s(const Vek16s* pSrc1, const Vek16s* pSrc2, Vek16s* pDst, int len);
VEKS_API VekStatus veksSub_16s32f(const Vek16s* pSrc1, const Vek16s* pSrc2, Vek32f* pDst, int len);
VEKS_API VekStatus veksSub_16s_I(const Vek16s* pSrc, Vek16s* pSrcDst, int len);
VEKS_API VekStatus veksSub_16s_ISfs(const Vek16s* pSrc, Vek16s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksSub_16s_Sfs(const Vek16s* pSrc1, const Vek16s* pSrc2, Vek16s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksSub_16sc_ISfs(const Vek16sc* pSrc, Vek16sc* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksSub_16sc_Sfs(const Vek16sc* pSrc1, const Vek16sc* pSrc2, Vek16sc* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksSub_16u_ISfs(const Vek16u* pSrc, Vek16u* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksSub_16u_Sfs(const Vek16u* pSrc1, const Vek16u* pSrc2, Vek16u* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksSub_32f(const Vek32f* pSrc1, const Vek32f* pSrc2, Vek32f* pDst, int len);
VEKS_API VekStatus veksSub_32f_I(const Vek32f* pSrc, Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksSub_32fc(const Vek32fc* pSrc1, const Vek32fc* pSrc2, Vek32fc* pDst, int len);
VEKS_API VekStatus veksSub_32fc_I(const Vek32fc* pSrc, Vek32fc* pSrcDst, int len);
VEKS_API VekStatus veksSub_32s_ISfs(const Vek32s* pSrc, Vek32s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksSub_32s_Sfs(const Vek32s* pSrc1, const Vek32s* pSrc2, Vek32s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksSub_32sc_ISfs(const Vek32sc* pSrc, Vek32sc* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksSub_32sc_Sfs(const Vek32sc* pSrc1, const Vek32sc* pSrc2, Vek32sc* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksSub_64f(const Vek64f* pSrc1, const Vek64f* pSrc2, Vek64f* pDst, int len);
VEKS_API VekStatus veksSub_64f_I(const Vek64f* pSrc, Vek64f* pSrcDst, int len);
VEKS_API VekStatus veksSub_64fc(const Vek64fc* pSrc1, const Vek64fc* pSrc2, Vek64fc* pDst, int len);
VEKS_API VekStatus veksSub_64fc_I(const Vek64fc* pSrc, Vek64fc* pSrcDst, int len);
VEKS_API VekStatus veksSub_8u_ISfs(const Vek8u* pSrc, Vek8u* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksSub_8u_Sfs(const Vek8u* pSrc1, const Vek8u* pSrc2, Vek8u* pDst, int len, int scaleFactor);

/* pDst[n] = pSrc1[n] * pSrc2[n]; _I: pSrcDst[n] *= pSrc[n]. */
VEKS_API VekStatus veksMul_16s(const Vek16s* pSrc1, const Vek16s* pSrc2, Vek16s* pDst, int len);
VEKS_API VekStatus veksMul_16s32f(const Vek16s* pSrc1, const Vek16s* pSrc2, Vek32f* pDst, int len);
VEKS_API VekStatus veksMul_16s32s_Sfs(const Vek16s* pSrc1, const Vek16s* pSrc2, Vek32s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksMul_16s_I(const Vek16s* pSrc, Vek16s* pSrcDst, int len);
VEKS_API VekStatus veksMul_16s_ISfs(const Vek16s* pSrc, Vek16s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksMul_16s_Sfs(const Vek16s* pSrc1, const Vek16s* pSrc2, Vek16s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksMul_16sc_ISfs(const Vek16sc* pSrc, Vek16sc* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksMul_16sc_Sfs(const Vek16sc* pSrc1, const Vek16sc* pSrc2, Vek16sc* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksMul_16u16s_Sfs(const Vek16u* pSrc1, const Vek16s* pSrc2, Vek16s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksMul_16u_ISfs(const Vek16u* pSrc, Vek16u* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksMul_16u_Sfs(const Vek16u* pSrc1, const Vek16u* pSrc2, Vek16u* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksMul_32f(const Vek32f* pSrc1, const Vek32f* pSrc2, Vek32f* pDst, int len);
VEKS_API VekStatus veksMul_32f32fc(const Vek32f* pSrc1, const Vek32fc* pSrc2, Vek32fc* pDst, int len);
VEKS_API VekStatus veksMul_32f32fc_I(const Vek32f* pSrc, Vek32fc* pSrcDst, int len);
VEKS_API VekStatus veksMul_32f_I(const Vek32f* pSrc, Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksMul_32fc(const Vek32fc* pSrc1, const Vek32fc* pSrc2, Vek32fc* pDst, int len);
VEKS_API VekStatus veksMul_32fc_I(const Vek32fc* pSrc, Vek32fc* pSrcDst, int len);
VEKS_API VekStatus veksMul_32s32sc_ISfs(const Vek32s* pSrc, Vek32sc* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksMul_32s32sc_Sfs(const Vek32s* pSrc1, const Vek32sc* pSrc2, Vek32sc* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksMul_32s_ISfs(const Vek32s* pSrc, Vek32s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksMul_32s_Sfs(const Vek32s* pSrc1, const Vek32s* pSrc2, Vek32s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksMul_32sc_ISfs(const Vek32sc* pSrc, Vek32sc* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksMul_32sc_Sfs(const Vek32sc* pSrc1, const Vek32sc* pSrc2, Vek32sc* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksMul_64f(const Vek64f* pSrc1, const Vek64f* pSrc2, Vek64f* pDst, int len);
VEKS_API VekStatus veksMul_64f_I(const Vek64f* pSrc, Vek64f* pSrcDst, int len);
VEKS_API VekStatus veksMul_64fc(const Vek64fc* pSrc1, const Vek64fc* pSrc2, Vek64fc* pDst, int len);
VEKS_API VekStatus veksMul_64fc_I(const Vek64fc* pSrc, Vek64fc* pSrcDst, int len);
VEKS_API VekStatus veksMul_8u16u(const Vek8u* pSrc1, const Vek8u* pSrc2, Vek16u* pDst, int len);
VEKS_API VekStatus veksMul_8u_ISfs(const Vek8u* pSrc, Vek8u* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksMul_8u_Sfs(const Vek8u* pSrc1, const Vek8u* pSrc2, Vek8u* pDst, int len, int scaleFactor);

/* Element plus constant (_I forms take the constant first). */
VEKS_API VekStatus veksAddC_16s_I(Vek16s val, Vek16s* pSrcDst, int len);
VEKS_API VekStatus veksAddC_16s_ISfs(Vek16s val, Vek16s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksAddC_16s_Sfs(const Vek16s* pSrc, Vek16s val, Vek16s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksAddC_16sc_ISfs(Vek16sc val, Vek16sc* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksAddC_16sc_Sfs(const Vek16sc* pSrc, Vek16sc val, Vek16sc* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksAddC_16u_ISfs(Vek16u val, Vek16u* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksAddC_16u_Sfs(const Vek16u* pSrc, Vek16u val, Vek16u* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksAddC_32f(const Vek32f* pSrc, Vek32f val, Vek32f* pDst, int len);
VEKS_API VekStatus veksAddC_32f_I(Vek32f val, Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksAddC_32fc(const Vek32fc* pSrc, Vek32fc val, Vek32fc* pDst, int len);
VEKS_API VekStatus veksAddC_32fc_I(Vek32fc val, Vek32fc* pSrcDst, int len);
VEKS_API VekStatus veksAddC_32s_ISfs(Vek32s val, Vek32s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksAddC_32s_Sfs(const Vek32s* pSrc, Vek32s val, Vek32s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksAddC_32sc_ISfs(Vek32sc val, Vek32sc* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksAddC_32sc_Sfs(const Vek32sc* pSrc, Vek32sc val, Vek32sc* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksAddC_64f(const Vek64f* pSrc, Vek64f val, Vek64f* pDst, int len);
VEKS_API VekStatus veksAddC_64f_I(Vek64f val, Vek64f* pSrcDst, int len);
VEKS_API VekStatus veksAddC_64fc(const Vek64fc* pSrc, Vek64fc val, Vek64fc* pDst, int len);
VEKS_API VekStatus veksAddC_64fc_I(Vek64fc val, Vek64fc* pSrcDst, int len);
VEKS_API VekStatus veksAddC_8u_ISfs(Vek8u val, Vek8u* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksAddC_8u_Sfs(const Vek8u* pSrc, Vek8u val, Vek8u* pDst, int len, int scaleFactor);

/* Element minus constant. */
VEKS_API VekStatus veksSubC_16s_I(Vek16s val, Vek16s* pSrcDst, int len);
VEKS_API VekStatus veksSubC_16s_ISfs(Vek16s val, Vek16s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksSubC_16s_Sfs(const Vek16s* pSrc, Vek16s val, Vek16s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksSubC_16sc_ISfs(Vek16sc val, Vek16sc* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksSubC_16sc_Sfs(const Vek16sc* pSrc, Vek16sc val, Vek16sc* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksSubC_16u_ISfs(Vek16u val, Vek16u* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksSubC_16u_Sfs(const Vek16u* pSrc, Vek16u val, Vek16u* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksSubC_32f(const Vek32f* pSrc, Vek32f val, Vek32f* pDst, int len);
VEKS_API VekStatus veksSubC_32f_I(Vek32f val, Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksSubC_32fc(const Vek32fc* pSrc, Vek32fc val, Vek32fc* pDst, int len);
VEKS_API VekStatus veksSubC_32fc_I(Vek32fc val, Vek32fc* pSrcDst, int len);
VEKS_API VekStatus veksSubC_32s_ISfs(Vek32s val, Vek32s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksSubC_32s_Sfs(const Vek32s* pSrc, Vek32s val, Vek32s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksSubC_32sc_ISfs(Vek32sc val, Vek32sc* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksSubC_32sc_Sfs(const Vek32sc* pSrc, Vek32sc val, Vek32sc* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksSubC_64f(const Vek64f* pSrc, Vek64f val, Vek64f* pDst, int len);
VEKS_API VekStatus veksSubC_64f_I(Vek64f val, Vek64f* pSrcDst, int len);
VEKS_API VekStatus veksSubC_64fc(const Vek64fc* pSrc, Vek64fc val, Vek64fc* pDst, int len);
VEKS_API VekStatus veksSubC_64fc_I(Vek64fc val, Vek64fc* pSrcDst, int len);
VEKS_API VekStatus veksSubC_8u_ISfs(Vek8u val, Vek8u* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksSubC_8u_Sfs(const Vek8u* pSrc, Vek8u val, Vek8u* pDst, int len, int scaleFactor);

/* Constant minus element. */
VEKS_API VekStatus veksSubCRev_16s_ISfs(Vek16s val, Vek16s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksSubCRev_16s_Sfs(const Vek16s* pSrc, Vek16s val, Vek16s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksSubCRev_16sc_ISfs(Vek16sc val, Vek16sc* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksSubCRev_16sc_Sfs(const Vek16sc* pSrc, Vek16sc val, Vek16sc* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksSubCRev_16u_ISfs(Vek16u val, Vek16u* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksSubCRev_16u_Sfs(const Vek16u* pSrc, Vek16u val, Vek16u* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksSubCRev_32f(const Vek32f* pSrc, Vek32f val, Vek32f* pDst, int len);
VEKS_API VekStatus veksSubCRev_32f_I(Vek32f val, Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksSubCRev_32fc(const Vek32fc* pSrc, Vek32fc val, Vek32fc* pDst, int len);
VEKS_API VekStatus veksSubCRev_32fc_I(Vek32fc val, Vek32fc* pSrcDst, int len);
VEKS_API VekStatus veksSubCRev_32s_ISfs(Vek32s val, Vek32s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksSubCRev_32s_Sfs(const Vek32s* pSrc, Vek32s val, Vek32s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksSubCRev_32sc_ISfs(Vek32sc val, Vek32sc* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksSubCRev_32sc_Sfs(const Vek32sc* pSrc, Vek32sc val, Vek32sc* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksSubCRev_64f(const Vek64f* pSrc, Vek64f val, Vek64f* pDst, int len);
VEKS_API VekStatus veksSubCRev_64f_I(Vek64f val, Vek64f* pSrcDst, int len);
VEKS_API VekStatus veksSubCRev_64fc(const Vek64fc* pSrc, Vek64fc val, Vek64fc* pDst, int len);
VEKS_API VekStatus veksSubCRev_64fc_I(Vek64fc val, Vek64fc* pSrcDst, int len);
VEKS_API VekStatus veksSubCRev_8u_ISfs(Vek8u val, Vek8u* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksSubCRev_8u_Sfs(const Vek8u* pSrc, Vek8u val, Vek8u* pDst, int len, int scaleFactor);

/* Element times constant. MulC_64f64s_ISfs multiplies 64s data exactly by a
 * double constant. */
VEKS_API VekStatus veksMulC_16s_I(Vek16s val, Vek16s* pSrcDst, int len);
VEKS_API VekStatus veksMulC_16s_ISfs(Vek16s val, Vek16s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksMulC_16s_Sfs(const Vek16s* pSrc, Vek16s val, Vek16s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksMulC_16sc_ISfs(Vek16sc val, Vek16sc* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksMulC_16sc_Sfs(const Vek16sc* pSrc, Vek16sc val, Vek16sc* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksMulC_16u_ISfs(Vek16u val, Vek16u* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksMulC_16u_Sfs(const Vek16u* pSrc, Vek16u val, Vek16u* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksMulC_32f(const Vek32f* pSrc, Vek32f val, Vek32f* pDst, int len);
VEKS_API VekStatus veksMulC_32f16s_Sfs(const Vek32f* pSrc, Vek32f val, Vek16s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksMulC_32f_I(Vek32f val, Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksMulC_32fc(const Vek32fc* pSrc, Vek32fc val, Vek32fc* pDst, int len);
VEKS_API VekStatus veksMulC_32fc_I(Vek32fc val, Vek32fc* pSrcDst, int len);
VEKS_API VekStatus veksMulC_32s_ISfs(Vek32s val, Vek32s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksMulC_32s_Sfs(const Vek32s* pSrc, Vek32s val, Vek32s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksMulC_32sc_ISfs(Vek32sc val, Vek32sc* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksMulC_32sc_Sfs(const Vek32sc* pSrc, Vek32sc val, Vek32sc* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksMulC_64f(const Vek64f* pSrc, Vek64f val, Vek64f* pDst, int len);
VEKS_API VekStatus veksMulC_64f64s_ISfs(Vek64f val, Vek64s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksMulC_64f_I(Vek64f val, Vek64f* pSrcDst, int len);
VEKS_API VekStatus veksMulC_64fc(const Vek64fc* pSrc, Vek64fc val, Vek64fc* pDst, int len);
VEKS_API VekStatus veksMulC_64fc_I(Vek64fc val, Vek64fc* pSrcDst, int len);
VEKS_API VekStatus veksMulC_64s_ISfs(Vek64s val, Vek64s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksMulC_8u_ISfs(Vek8u val, Vek8u* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksMulC_8u_Sfs(const Vek8u* pSrc, Vek8u val, Vek8u* pDst, int len, int scaleFactor);

/* pSrcDst[n] += pSrc1[n] * pSrc2[n] (or * val); the scale factor applies to the
 * whole sum. */
VEKS_API VekStatus veksAddProductC_32f(const Vek32f* pSrc, Vek32f val, Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksAddProduct_16s32s_Sfs(const Vek16s* pSrc1, const Vek16s* pSrc2, Vek32s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksAddProduct_16s_Sfs(const Vek16s* pSrc1, const Vek16s* pSrc2, Vek16s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksAddProduct_32f(const Vek32f* pSrc1, const Vek32f* pSrc2, Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksAddProduct_32fc(const Vek32fc* pSrc1, const Vek32fc* pSrc2, Vek32fc* pSrcDst, int len);
VEKS_API VekStatus veksAddProduct_32s_Sfs(const Vek32s* pSrc1, const Vek32s* pSrc2, Vek32s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksAddProduct_64f(const Vek64f* pSrc1, const Vek64f* pSrc2, Vek64f* pSrcDst, int len);
VEKS_API VekStatus veksAddProduct_64fc(const Vek64fc* pSrc1, const Vek64fc* pSrc2, Vek64fc* pSrcDst, int len);

/* Reduced-precision products: truncated and wrapped, no rounding. */
VEKS_API VekStatus veksMulC_Low_32f16s(const Vek32f* pSrc, Vek32f val, Vek16s* pDst, int len);
VEKS_API VekStatus veksMul_Low_32s_Sfs(const Vek32s* pSrc1, const Vek32s* pSrc2, Vek32s* pDst, int len, int scaleFactor);

/* Bitwise operations; Not is XorC with all ones. */
VEKS_API VekStatus veksAndC_16u(const Vek16u* pSrc, Vek16u val, Vek16u* pDst, int len);
VEKS_API VekStatus veksAndC_16u_I(Vek16u val, Vek16u* pSrcDst, int len);
VEKS_API VekStatus veksAndC_32u(const Vek32u* pSrc, Vek32u val, Vek32u* pDst, int len);
VEKS_API VekStatus veksAndC_32u_I(Vek32u val, Vek32u* pSrcDst, int len);
VEKS_API VekStatus veksAndC_8u(const Vek8u* pSrc, Vek8u val, Vek8u* pDst, int len);
VEKS_API VekStatus veksAndC_8u_I(Vek8u val, Vek8u* pSrcDst, int len);
VEKS_API VekStatus veksAnd_16u(const Vek16u* pSrc1, const Vek16u* pSrc2, Vek16u* pDst, int len);
VEKS_API VekStatus veksAnd_16u_I(const Vek16u* pSrc, Vek16u* pSrcDst, int len);
VEKS_API VekStatus veksAnd_32u(const Vek32u* pSrc1, const Vek32u* pSrc2, Vek32u* pDst, int len);
VEKS_API VekStatus veksAnd_32u_I(const Vek32u* pSrc, Vek32u* pSrcDst, int len);
VEKS_API VekStatus veksAnd_8u(const Vek8u* pSrc1, const Vek8u* pSrc2, Vek8u* pDst, int len);
VEKS_API VekStatus veksAnd_8u_I(const Vek8u* pSrc, Vek8u* pSrcDst, int len);
VEKS_API VekStatus veksNot_16u(const Vek16u* pSrc, Vek16u* pDst, int len);
VEKS_API VekStatus veksNot_16u_I(Vek16u* pSrcDst, int len);
VEKS_API VekStatus veksNot_32u(const Vek32u* pSrc, Vek32u* pDst, int len);
VEKS_API VekStatus veksNot_32u_I(Vek32u* pSrcDst, int len);
VEKS_API VekStatus veksNot_8u(const Vek8u* pSrc, Vek8u* pDst, int len);
VEKS_API VekStatus veksNot_8u_I(Vek8u* pSrcDst, int len);
VEKS_API VekStatus veksOrC_16u(const Vek16u* pSrc, Vek16u val, Vek16u* pDst, int len);
VEKS_API VekStatus veksOrC_16u_I(Vek16u val, Vek16u* pSrcDst, int len);
VEKS_API VekStatus veksOrC_32u(const Vek32u* pSrc, Vek32u val, Vek32u* pDst, int len);
VEKS_API VekStatus veksOrC_32u_I(Vek32u val, Vek32u* pSrcDst, int len);
VEKS_API VekStatus veksOrC_8u(const Vek8u* pSrc, Vek8u val, Vek8u* pDst, int len);
VEKS_API VekStatus veksOrC_8u_I(Vek8u val, Vek8u* pSrcDst, int len);
VEKS_API VekStatus veksOr_16u(const Vek16u* pSrc1, const Vek16u* pSrc2, Vek16u* pDst, int len);
VEKS_API VekStatus veksOr_16u_I(const Vek16u* pSrc, Vek16u* pSrcDst, int len);
VEKS_API VekStatus veksOr_32u(const Vek32u* pSrc1, const Vek32u* pSrc2, Vek32u* pDst, int len);
VEKS_API VekStatus veksOr_32u_I(const Vek32u* pSrc, Vek32u* pSrcDst, int len);
VEKS_API VekStatus veksOr_8u(const Vek8u* pSrc1, const Vek8u* pSrc2, Vek8u* pDst, int len);
VEKS_API VekStatus veksOr_8u_I(const Vek8u* pSrc, Vek8u* pSrcDst, int len);
VEKS_API VekStatus veksXorC_16u(const Vek16u* pSrc, Vek16u val, Vek16u* pDst, int len);
VEKS_API VekStatus veksXorC_16u_I(Vek16u val, Vek16u* pSrcDst, int len);
VEKS_API VekStatus veksXorC_32u(const Vek32u* pSrc, Vek32u val, Vek32u* pDst, int len);
VEKS_API VekStatus veksXorC_32u_I(Vek32u val, Vek32u* pSrcDst, int len);
VEKS_API VekStatus veksXorC_8u(const Vek8u* pSrc, Vek8u val, Vek8u* pDst, int len);
VEKS_API VekStatus veksXorC_8u_I(Vek8u val, Vek8u* pSrcDst, int len);
VEKS_API VekStatus veksXor_16u(const Vek16u* pSrc1, const Vek16u* pSrc2, Vek16u* pDst, int len);
VEKS_API VekStatus veksXor_16u_I(const Vek16u* pSrc, Vek16u* pSrcDst, int len);
VEKS_API VekStatus veksXor_32u(const Vek32u* pSrc1, const Vek32u* pSrc2, Vek32u* pDst, int len);
VEKS_API VekStatus veksXor_32u_I(const Vek32u* pSrc, Vek32u* pSrcDst, int len);
VEKS_API VekStatus veksXor_8u(const Vek8u* pSrc1, const Vek8u* pSrc2, Vek8u* pDst, int len);
VEKS_API VekStatus veksXor_8u_I(const Vek8u* pSrc, Vek8u* pSrcDst, int len);

/* Shifts by a count val >= 0; right shifts of 16s and 32s are arithmetic. */
VEKS_API VekStatus veksLShiftC_16s(const Vek16s* pSrc, int val, Vek16s* pDst, int len);
VEKS_API VekStatus veksLShiftC_16s_I(int val, Vek16s* pSrcDst, int len);
VEKS_API VekStatus veksLShiftC_16u(const Vek16u* pSrc, int val, Vek16u* pDst, int len);
VEKS_API VekStatus veksLShiftC_16u_I(int val, Vek16u* pSrcDst, int len);
VEKS_API VekStatus veksLShiftC_32s(const Vek32s* pSrc, int val, Vek32s* pDst, int len);
VEKS_API VekStatus veksLShiftC_32s_I(int val, Vek32s* pSrcDst, int len);
VEKS_API VekStatus veksLShiftC_8u(const Vek8u* pSrc, int val, Vek8u* pDst, int len);
VEKS_API VekStatus veksLShiftC_8u_I(int val, Vek8u* pSrcDst, int len);
VEKS_API VekStatus veksRShiftC_16s(const Vek16s* pSrc, int val, Vek16s* pDst, int len);
VEKS_API VekStatus veksRShiftC_16s_I(int val, Vek16s* pSrcDst, int len);
VEKS_API VekStatus veksRShiftC_16u(const Vek16u* pSrc, int val, Vek16u* pDst, int len);
VEKS_API VekStatus veksRShiftC_16u_I(int val, Vek16u* pSrcDst, int len);
VEKS_API VekStatus veksRShiftC_32s(const Vek32s* pSrc, int val, Vek32s* pDst, int len);
VEKS_API VekStatus veksRShiftC_32s_I(int val, Vek32s* pSrcDst, int len);
VEKS_API VekStatus veksRShiftC_8u(const Vek8u* pSrc, int val, Vek8u* pDst, int len);
VEKS_API VekStatus veksRShiftC_8u_I(int val, Vek8u* pSrcDst, int len);

/* pDst[n] = pSrc2[n] / pSrc1[n] (the first vector divides); a zero divisor
 * gives a defined value and the warning vekStsDivByZero. */
VEKS_API VekStatus veksDiv_16s_ISfs(const Vek16s* pSrc, Vek16s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksDiv_16s_Sfs(const Vek16s* pSrc1, const Vek16s* pSrc2, Vek16s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksDiv_16sc_ISfs(const Vek16sc* pSrc, Vek16sc* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksDiv_16sc_Sfs(const Vek16sc* pSrc1, const Vek16sc* pSrc2, Vek16sc* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksDiv_16u_ISfs(const Vek16u* pSrc, Vek16u* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksDiv_16u_Sfs(const Vek16u* pSrc1, const Vek16u* pSrc2, Vek16u* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksDiv_32f(const Vek32f* pSrc1, const Vek32f* pSrc2, Vek32f* pDst, int len);
VEKS_API VekStatus veksDiv_32f_I(const Vek32f* pSrc, Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksDiv_32fc(const Vek32fc* pSrc1, const Vek32fc* pSrc2, Vek32fc* pDst, int len);
VEKS_API VekStatus veksDiv_32fc_I(const Vek32fc* pSrc, Vek32fc* pSrcDst, int len);
VEKS_API VekStatus veksDiv_32s16s_Sfs(const Vek16s* pSrc1, const Vek32s* pSrc2, Vek16s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksDiv_32s_ISfs(const Vek32s* pSrc, Vek32s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksDiv_32s_Sfs(const Vek32s* pSrc1, const Vek32s* pSrc2, Vek32s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksDiv_64f(const Vek64f* pSrc1, const Vek64f* pSrc2, Vek64f* pDst, int len);
VEKS_API VekStatus veksDiv_64f_I(const Vek64f* pSrc, Vek64f* pSrcDst, int len);
VEKS_API VekStatus veksDiv_64fc(const Vek64fc* pSrc1, const Vek64fc* pSrc2, Vek64fc* pDst, int len);
VEKS_API VekStatus veksDiv_64fc_I(const Vek64fc* pSrc, Vek64fc* pSrcDst, int len);
VEKS_API VekStatus veksDiv_8u_ISfs(const Vek8u* pSrc, Vek8u* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksDiv_8u_Sfs(const Vek8u* pSrc1, const Vek8u* pSrc2, Vek8u* pDst, int len, int scaleFactor);

/* Element divided by a constant; a zero constant is vekStsDivByZeroErr
 * (except DivC_64s_ISfs, which saturates and warns). */
VEKS_API VekStatus veksDivC_16s_ISfs(Vek16s val, Vek16s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksDivC_16s_Sfs(const Vek16s* pSrc, Vek16s val, Vek16s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksDivC_16sc_ISfs(Vek16sc val, Vek16sc* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksDivC_16sc_Sfs(const Vek16sc* pSrc, Vek16sc val, Vek16sc* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksDivC_16u_ISfs(Vek16u val, Vek16u* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksDivC_16u_Sfs(const Vek16u* pSrc, Vek16u val, Vek16u* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksDivC_32f(const Vek32f* pSrc, Vek32f val, Vek32f* pDst, int len);
VEKS_API VekStatus veksDivC_32f_I(Vek32f val, Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksDivC_32fc(const Vek32fc* pSrc, Vek32fc val, Vek32fc* pDst, int len);
VEKS_API VekStatus veksDivC_32fc_I(Vek32fc val, Vek32fc* pSrcDst, int len);
VEKS_API VekStatus veksDivC_64f(const Vek64f* pSrc, Vek64f val, Vek64f* pDst, int len);
VEKS_API VekStatus veksDivC_64f_I(Vek64f val, Vek64f* pSrcDst, int len);
VEKS_API VekStatus veksDivC_64fc(const Vek64fc* pSrc, Vek64fc val, Vek64fc* pDst, int len);
VEKS_API VekStatus veksDivC_64fc_I(Vek64fc val, Vek64fc* pSrcDst, int len);
VEKS_API VekStatus veksDivC_64s_ISfs(Vek64s val, Vek64s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksDivC_8u_ISfs(Vek8u val, Vek8u* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksDivC_8u_Sfs(const Vek8u* pSrc, Vek8u val, Vek8u* pDst, int len, int scaleFactor);

/* Constant divided by element. */
VEKS_API VekStatus veksDivCRev_16u(const Vek16u* pSrc, Vek16u val, Vek16u* pDst, int len);
VEKS_API VekStatus veksDivCRev_16u_I(Vek16u val, Vek16u* pSrcDst, int len);
VEKS_API VekStatus veksDivCRev_32f(const Vek32f* pSrc, Vek32f val, Vek32f* pDst, int len);
VEKS_API VekStatus veksDivCRev_32f_I(Vek32f val, Vek32f* pSrcDst, int len);

/* Division with an explicit rounding mode (vekRndZero, vekRndNear, vekRndFin). */
VEKS_API VekStatus veksDiv_Round_16s_ISfs(const Vek16s* pSrc, Vek16s* pSrcDst, int len, int rndMode, int scaleFactor);
VEKS_API VekStatus veksDiv_Round_16s_Sfs(const Vek16s* pSrc1, const Vek16s* pSrc2, Vek16s* pDst, int len, int rndMode, int scaleFactor);
VEKS_API VekStatus veksDiv_Round_16u_ISfs(const Vek16u* pSrc, Vek16u* pSrcDst, int len, int rndMode, int scaleFactor);
VEKS_API VekStatus veksDiv_Round_16u_Sfs(const Vek16u* pSrc1, const Vek16u* pSrc2, Vek16u* pDst, int len, int rndMode, int scaleFactor);
VEKS_API VekStatus veksDiv_Round_8u_ISfs(const Vek8u* pSrc, Vek8u* pSrcDst, int len, int rndMode, int scaleFactor);
VEKS_API VekStatus veksDiv_Round_8u_Sfs(const Vek8u* pSrc1, const Vek8u* pSrc2, Vek8u* pDst, int len, int rndMode, int scaleFactor);

/* ==== Elementary math, magnitude and phase ==== */
/* Absolute value; the integer forms saturate (|-32768| is 32767). */
VEKS_API VekStatus veksAbs_16s(const Vek16s* pSrc, Vek16s* pDst, int len);
VEKS_API VekStatus veksAbs_16s_I(Vek16s* pSrcDst, int len);
VEKS_API VekStatus veksAbs_32s(const Vek32s* pSrc, Vek32s* pDst, int len);
VEKS_API VekStatus veksAbs_32s_I(Vek32s* pSrcDst, int len);
VEKS_API VekStatus veksAbs_32f(const Vek32f* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksAbs_32f_I(Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksAbs_64f(const Vek64f* pSrc, Vek64f* pDst, int len);
VEKS_API VekStatus veksAbs_64f_I(Vek64f* pSrcDst, int len);

/* Square (complex square for complex types). */
VEKS_API VekStatus veksSqr_8u_Sfs(const Vek8u* pSrc, Vek8u* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksSqr_8u_ISfs(Vek8u* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksSqr_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksSqr_16s_ISfs(Vek16s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksSqr_16u_Sfs(const Vek16u* pSrc, Vek16u* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksSqr_16u_ISfs(Vek16u* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksSqr_16sc_Sfs(const Vek16sc* pSrc, Vek16sc* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksSqr_16sc_ISfs(Vek16sc* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksSqr_32f(const Vek32f* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksSqr_32f_I(Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksSqr_64f(const Vek64f* pSrc, Vek64f* pDst, int len);
VEKS_API VekStatus veksSqr_64f_I(Vek64f* pSrcDst, int len);
VEKS_API VekStatus veksSqr_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int len);
VEKS_API VekStatus veksSqr_32fc_I(Vek32fc* pSrcDst, int len);
VEKS_API VekStatus veksSqr_64fc(const Vek64fc* pSrc, Vek64fc* pDst, int len);
VEKS_API VekStatus veksSqr_64fc_I(Vek64fc* pSrcDst, int len);

/* Square root (principal root for complex types). Negative elements of
 * real types return vekStsSqrtNegArg after the whole vector is done. */
VEKS_API VekStatus veksSqrt_8u_Sfs(const Vek8u* pSrc, Vek8u* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksSqrt_8u_ISfs(Vek8u* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksSqrt_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksSqrt_16s_ISfs(Vek16s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksSqrt_16u_Sfs(const Vek16u* pSrc, Vek16u* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksSqrt_16u_ISfs(Vek16u* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksSqrt_16sc_Sfs(const Vek16sc* pSrc, Vek16sc* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksSqrt_16sc_ISfs(Vek16sc* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksSqrt_64s_Sfs(const Vek64s* pSrc, Vek64s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksSqrt_64s_ISfs(Vek64s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksSqrt_32s16s_Sfs(const Vek32s* pSrc, Vek16s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksSqrt_64s16s_Sfs(const Vek64s* pSrc, Vek16s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksSqrt_32f(const Vek32f* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksSqrt_32f_I(Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksSqrt_64f(const Vek64f* pSrc, Vek64f* pDst, int len);
VEKS_API VekStatus veksSqrt_64f_I(Vek64f* pSrcDst, int len);
VEKS_API VekStatus veksSqrt_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int len);
VEKS_API VekStatus veksSqrt_32fc_I(Vek32fc* pSrcDst, int len);
VEKS_API VekStatus veksSqrt_64fc(const Vek64fc* pSrc, Vek64fc* pDst, int len);
VEKS_API VekStatus veksSqrt_64fc_I(Vek64fc* pSrcDst, int len);

/* Cube root. */
VEKS_API VekStatus veksCubrt_32f(const Vek32f* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksCubrt_32s16s_Sfs(const Vek32s* pSrc, Vek16s* pDst, int len, int scaleFactor);

/* Exponential; the integer forms round ties up and saturate. */
VEKS_API VekStatus veksExp_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksExp_16s_ISfs(Vek16s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksExp_32s_Sfs(const Vek32s* pSrc, Vek32s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksExp_32s_ISfs(Vek32s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksExp_64s_Sfs(const Vek64s* pSrc, Vek64s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksExp_64s_ISfs(Vek64s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksExp_32f(const Vek32f* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksExp_32f_I(Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksExp_64f(const Vek64f* pSrc, Vek64f* pDst, int len);
VEKS_API VekStatus veksExp_64f_I(Vek64f* pSrcDst, int len);
VEKS_API VekStatus veksExp_32f64f(const Vek32f* pSrc, Vek64f* pDst, int len);

/* Natural logarithm. Zero elements return vekStsLnZeroArg, negative ones
 * vekStsLnNegArg (the kind met first in vector order), with every element
 * written. */
VEKS_API VekStatus veksLn_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksLn_16s_ISfs(Vek16s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksLn_32s_Sfs(const Vek32s* pSrc, Vek32s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksLn_32s_ISfs(Vek32s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksLn_32s16s_Sfs(const Vek32s* pSrc, Vek16s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksLn_32f(const Vek32f* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksLn_32f_I(Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksLn_64f(const Vek64f* pSrc, Vek64f* pDst, int len);
VEKS_API VekStatus veksLn_64f_I(Vek64f* pSrcDst, int len);
VEKS_API VekStatus veksLn_64f32f(const Vek64f* pSrc, Vek32f* pDst, int len);

/* 10 * log10(x) of 32-bit integers. */
VEKS_API VekStatus veks10Log10_32s_Sfs(const Vek32s* pSrc, Vek32s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veks10Log10_32s_ISfs(Vek32s* pSrcDst, int len, int scaleFactor);

/* Arc tangent in radians. */
VEKS_API VekStatus veksArctan_32f(const Vek32f* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksArctan_32f_I(Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksArctan_64f(const Vek64f* pSrc, Vek64f* pDst, int len);
VEKS_API VekStatus veksArctan_64f_I(Vek64f* pSrcDst, int len);

/* Sum of natural logarithms, accumulated in double precision. */
VEKS_API VekStatus veksSumLn_16s32f(const Vek16s* pSrc, int len, Vek32f* pSum);
VEKS_API VekStatus veksSumLn_32f(const Vek32f* pSrc, int len, Vek32f* pSum);
VEKS_API VekStatus veksSumLn_32f64f(const Vek32f* pSrc, int len, Vek64f* pSum);
VEKS_API VekStatus veksSumLn_64f(const Vek64f* pSrc, int len, Vek64f* pSum);

/* Magnitude sqrt(re^2 + im^2) of interleaved or split complex data. */
VEKS_API VekStatus veksMagnitude_32fc(const Vek32fc* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksMagnitude_64fc(const Vek64fc* pSrc, Vek64f* pDst, int len);
VEKS_API VekStatus veksMagnitude_16sc32f(const Vek16sc* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksMagnitude_32f(const Vek32f* pSrcRe, const Vek32f* pSrcIm, Vek32f* pDst, int len);
VEKS_API VekStatus veksMagnitude_64f(const Vek64f* pSrcRe, const Vek64f* pSrcIm, Vek64f* pDst, int len);
VEKS_API VekStatus veksMagnitude_16s32f(const Vek16s* pSrcRe, const Vek16s* pSrcIm, Vek32f* pDst, int len);
VEKS_API VekStatus veksMagnitude_16sc_Sfs(const Vek16sc* pSrc, Vek16s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksMagnitude_32sc_Sfs(const Vek32sc* pSrc, Vek32s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksMagnitude_16s_Sfs(const Vek16s* pSrcRe, const Vek16s* pSrcIm, Vek16s* pDst, int len,
                                         int scaleFactor);

/* Squared magnitude re^2 + im^2. */
VEKS_API VekStatus veksMagSquared_32fc64f(const Vek32fc* pSrc, Vek64f* pDst, int len);
VEKS_API VekStatus veksMagSquared_32sc32s_Sfs(const Vek32sc* pSrc, Vek32s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksPowerSpectr_32fc(const Vek32fc* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksPowerSpectr_64fc(const Vek64fc* pSrc, Vek64f* pDst, int len);
VEKS_API VekStatus veksPowerSpectr_16sc32f(const Vek16sc* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksPowerSpectr_32f(const Vek32f* pSrcRe, const Vek32f* pSrcIm, Vek32f* pDst, int len);
VEKS_API VekStatus veksPowerSpectr_64f(const Vek64f* pSrcRe, const Vek64f* pSrcIm, Vek64f* pDst, int len);
VEKS_API VekStatus veksPowerSpectr_16s32f(const Vek16s* pSrcRe, const Vek16s* pSrcIm, Vek32f* pDst, int len);
VEKS_API VekStatus veksPowerSpectr_16sc_Sfs(const Vek16sc* pSrc, Vek16s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksPowerSpectr_16s_Sfs(const Vek16s* pSrcRe, const Vek16s* pSrcIm, Vek16s* pDst, int len,
                                           int scaleFactor);

/* Phase atan2(im, re) in [-pi, pi]. */
VEKS_API VekStatus veksPhase_32fc(const Vek32fc* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksPhase_64fc(const Vek64fc* pSrc, Vek64f* pDst, int len);
VEKS_API VekStatus veksPhase_16sc32f(const Vek16sc* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksPhase_32f(const Vek32f* pSrcRe, const Vek32f* pSrcIm, Vek32f* pDst, int len);
VEKS_API VekStatus veksPhase_64f(const Vek64f* pSrcRe, const Vek64f* pSrcIm, Vek64f* pDst, int len);
VEKS_API VekStatus veksPhase_16s32f(const Vek16s* pSrcRe, const Vek16s* pSrcIm, Vek32f* pDst, int len);
VEKS_API VekStatus veksPhase_16sc_Sfs(const Vek16sc* pSrc, Vek16s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksPhase_32sc_Sfs(const Vek32sc* pSrc, Vek32s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksPhase_16s_Sfs(const Vek16s* pSrcRe, const Vek16s* pSrcIm, Vek16s* pDst, int len,
                                     int scaleFactor);

/* Cartesian to polar: Magnitude over the whole vector, then Phase. */
VEKS_API VekStatus veksCartToPolar_32fc(const Vek32fc* pSrc, Vek32f* pDstMagn, Vek32f* pDstPhase, int len);
VEKS_API VekStatus veksCartToPolar_64fc(const Vek64fc* pSrc, Vek64f* pDstMagn, Vek64f* pDstPhase, int len);
VEKS_API VekStatus veksCartToPolar_32f(const Vek32f* pSrcRe, const Vek32f* pSrcIm, Vek32f* pDstMagn,
                                       Vek32f* pDstPhase, int len);
VEKS_API VekStatus veksCartToPolar_64f(const Vek64f* pSrcRe, const Vek64f* pSrcIm, Vek64f* pDstMagn,
                                       Vek64f* pDstPhase, int len);
VEKS_API VekStatus veksCartToPolar_16sc_Sfs(const Vek16sc* pSrc, Vek16s* pDstMagn, Vek16s* pDstPhase, int len,
                                            int magnScaleFactor, int phaseScaleFactor);

/* Polar to Cartesian: (m cos p, m sin p). */
VEKS_API VekStatus veksPolarToCart_32fc(const Vek32f* pSrcMagn, const Vek32f* pSrcPhase, Vek32fc* pDst, int len);
VEKS_API VekStatus veksPolarToCart_64fc(const Vek64f* pSrcMagn, const Vek64f* pSrcPhase, Vek64fc* pDst, int len);
VEKS_API VekStatus veksPolarToCart_32f(const Vek32f* pSrcMagn, const Vek32f* pSrcPhase, Vek32f* pDstRe,
                                       Vek32f* pDstIm, int len);
VEKS_API VekStatus veksPolarToCart_64f(const Vek64f* pSrcMagn, const Vek64f* pSrcPhase, Vek64f* pDstRe,
                                       Vek64f* pDstIm, int len);
VEKS_API VekStatus veksPolarToCart_16sc_Sfs(const Vek16s* pSrcMagn, const Vek16s* pSrcPhase, Vek16sc* pDst,
                                            int len, int magnScaleFactor, int phaseScaleFactor);
/* Phases are fixed-point numbers with phaseFixedPoint fraction bits. */
VEKS_API VekStatus veksPolarToCart_16sc(const Vek16s* pSrcMagn, const Vek16s* pSrcPhase, int phaseFixedPoint,
                                        Vek16sc* pDst, int len);
VEKS_API VekStatus veksPolarToCart_32sc(const Vek32s* pSrcMagn, const Vek32s* pSrcPhase, int phaseFixedPoint,
                                        Vek32sc* pDst, int len);

/* Conjugate; ConjFlip also reverses the order (no overlap allowed). */
VEKS_API VekStatus veksConj_16sc(const Vek16sc* pSrc, Vek16sc* pDst, int len);
VEKS_API VekStatus veksConj_16sc_I(Vek16sc* pSrcDst, int len);
VEKS_API VekStatus veksConj_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int len);
VEKS_API VekStatus veksConj_32fc_I(Vek32fc* pSrcDst, int len);
VEKS_API VekStatus veksConj_64fc(const Vek64fc* pSrc, Vek64fc* pDst, int len);
VEKS_API VekStatus veksConj_64fc_I(Vek64fc* pSrcDst, int len);
VEKS_API VekStatus veksConjFlip_16sc(const Vek16sc* pSrc, Vek16sc* pDst, int len);
VEKS_API VekStatus veksConjFlip_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int len);
VEKS_API VekStatus veksConjFlip_64fc(const Vek64fc* pSrc, Vek64fc* pDst, int len);


/* ==== Conversion, companding, bit packing, thresholds ==== */
/* ---- Type conversion -------------------------------------------------- */
/* rndMode: vekRndZero (0) truncates, vekRndNear (1) rounds half to even,
 * any other value acts as vekRndFin (half away from zero). The Vek16f forms
 * accept 0 and 1, refuse 2 (vekStsRoundModeErr) and treat others as 0.
 * Integer results are scaled by 2^-scaleFactor, rounded and saturated;
 * floating results from integer sources are multiplied by 2^-scaleFactor. */

/* Exact widening. */
VEKS_API VekStatus veksConvert_8s16s(const Vek8s* pSrc, Vek16s* pDst, int len);
VEKS_API VekStatus veksConvert_16s32s(const Vek16s* pSrc, Vek32s* pDst, int len);
VEKS_API VekStatus veksConvert_24s32s(const Vek24s* pSrc, Vek32s* pDst, int len);
VEKS_API VekStatus veksConvert_24u32u(const Vek24u* pSrc, Vek32u* pDst, int len);

/* Integer to floating point: the nearest value, ties to even. */
VEKS_API VekStatus veksConvert_8s32f(const Vek8s* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksConvert_8u32f(const Vek8u* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksConvert_16s32f(const Vek16s* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksConvert_16u32f(const Vek16u* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksConvert_24s32f(const Vek24s* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksConvert_24u32f(const Vek24u* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksConvert_32s32f(const Vek32s* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksConvert_32s64f(const Vek32s* pSrc, Vek64f* pDst, int len);
VEKS_API VekStatus veksConvert_64s64f(const Vek64s* pSrc, Vek64f* pDst, int len);

/* Between floating-point precisions, and 32-bit to 16-bit with saturation. */
VEKS_API VekStatus veksConvert_32f64f(const Vek32f* pSrc, Vek64f* pDst, int len);
VEKS_API VekStatus veksConvert_64f32f(const Vek64f* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksConvert_32s16s(const Vek32s* pSrc, Vek16s* pDst, int len);

/* Integer to floating point with a scale factor. */
VEKS_API VekStatus veksConvert_16s32f_Sfs(const Vek16s* pSrc, Vek32f* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksConvert_32s32f_Sfs(const Vek32s* pSrc, Vek32f* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksConvert_16s64f_Sfs(const Vek16s* pSrc, Vek64f* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksConvert_32s64f_Sfs(const Vek32s* pSrc, Vek64f* pDst, int len, int scaleFactor);

/* Integer to narrower integer with scaling. */
VEKS_API VekStatus veksConvert_16s8s_Sfs(const Vek16s* pSrc, Vek8s* pDst, int len, int rndMode, int scaleFactor);
VEKS_API VekStatus veksConvert_32s16s_Sfs(const Vek32s* pSrc, Vek16s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksConvert_32s24s_Sfs(const Vek32s* pSrc, Vek24s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksConvert_32u24u_Sfs(const Vek32u* pSrc, Vek24u* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksConvert_64s32s_Sfs(const Vek64s* pSrc, Vek32s* pDst, int len, int rndMode, int scaleFactor);

/* Floating point to integer: scaled, rounded by rndMode, saturated. */
VEKS_API VekStatus veksConvert_32f8s_Sfs(const Vek32f* pSrc, Vek8s* pDst, int len, int rndMode, int scaleFactor);
VEKS_API VekStatus veksConvert_32f8u_Sfs(const Vek32f* pSrc, Vek8u* pDst, int len, int rndMode, int scaleFactor);
VEKS_API VekStatus veksConvert_32f16s_Sfs(const Vek32f* pSrc, Vek16s* pDst, int len, int rndMode, int scaleFactor);
VEKS_API VekStatus veksConvert_32f16u_Sfs(const Vek32f* pSrc, Vek16u* pDst, int len, int rndMode, int scaleFactor);
VEKS_API VekStatus veksConvert_32f32s_Sfs(const Vek32f* pSrc, Vek32s* pDst, int len, int rndMode, int scaleFactor);
VEKS_API VekStatus veksConvert_64f16s_Sfs(const Vek64f* pSrc, Vek16s* pDst, int len, int rndMode, int scaleFactor);
VEKS_API VekStatus veksConvert_64f32s_Sfs(const Vek64f* pSrc, Vek32s* pDst, int len, int rndMode, int scaleFactor);
VEKS_API VekStatus veksConvert_64f64s_Sfs(const Vek64f* pSrc, Vek64s* pDst, int len, int rndMode, int scaleFactor);
/* Always round half to even. */
VEKS_API VekStatus veksConvert_32f24s_Sfs(const Vek32f* pSrc, Vek24s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksConvert_32f24u_Sfs(const Vek32f* pSrc, Vek24u* pDst, int len, int scaleFactor);

/* Half precision. */
VEKS_API VekStatus veksConvert_16s16f(const Vek16s* pSrc, Vek16f* pDst, int len, int rndMode);
VEKS_API VekStatus veksConvert_32f16f(const Vek32f* pSrc, Vek16f* pDst, int len, int rndMode);
VEKS_API VekStatus veksConvert_16f32f(const Vek16f* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksConvert_16f16s_Sfs(const Vek16f* pSrc, Vek16s* pDst, int len, int rndMode, int scaleFactor);

/* ---- Channel join and split ------------------------------------------- */
/* pDst[j*nChannels + c] takes sample j of channel c. The scaled forms map
 * [-1.0, 1.0] onto the full integer range. */
VEKS_API VekStatus veksJoin_32f16s_D2L(const Vek32f* const* pSrc, int nChannels, int chanLen, Vek16s* pDst);
VEKS_API VekStatus veksJoinScaled_32f16s_D2L(const Vek32f* const* pSrc, int nChannels, int chanLen, Vek16s* pDst);
VEKS_API VekStatus veksJoinScaled_32f24s_D2L(const Vek32f* const* pSrc, int nChannels, int chanLen, Vek24s* pDst);
VEKS_API VekStatus veksSplitScaled_16s32f_D2L(const Vek16s* pSrc, Vek32f** pDst, int nChannels, int chanLen);
VEKS_API VekStatus veksSplitScaled_24s32f_D2L(const Vek24s* pSrc, Vek32f** pDst, int nChannels, int chanLen);

/* ---- G.711 companding ------------------------------------------------- */
/* Code words are in their transmitted form. Floating linear values are
 * fractions of full scale (1.0 = 32768). */
VEKS_API VekStatus veksLinToALaw_16s8u(const Vek16s* pSrc, Vek8u* pDst, int len);
VEKS_API VekStatus veksLinToALaw_32f8u(const Vek32f* pSrc, Vek8u* pDst, int len);
VEKS_API VekStatus veksALawToLin_8u16s(const Vek8u* pSrc, Vek16s* pDst, int len);
VEKS_API VekStatus veksALawToLin_8u32f(const Vek8u* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksLinToMuLaw_16s8u(const Vek16s* pSrc, Vek8u* pDst, int len);
VEKS_API VekStatus veksLinToMuLaw_32f8u(const Vek32f* pSrc, Vek8u* pDst, int len);
VEKS_API VekStatus veksMuLawToLin_8u16s(const Vek8u* pSrc, Vek16s* pDst, int len);
VEKS_API VekStatus veksMuLawToLin_8u32f(const Vek8u* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksALawToMuLaw_8u(const Vek8u* pSrc, Vek8u* pDst, int len);
VEKS_API VekStatus veksMuLawToALaw_8u(const Vek8u* pSrc, Vek8u* pDst, int len);

/* ---- Bit packing ------------------------------------------------------ */
/* Appends the pSrcBitsLen[i] low bits of each pSrc[i], most significant
 * first, after the (dstBitOffset & 7) leading bits of pDst[0]. Bit lengths
 * outside 0..32 are clamped and reported with vekStsBitLenClamped. */
VEKS_API VekStatus veksPackBits_32u8u(const Vek32u* pSrc, const int* pSrcBitsLen, int len, Vek8u* pDst,
                                      int dstBitOffset, int* pDstLenBit);

/* ---- Thresholds ------------------------------------------------------- */
/* relOp of the general forms; every other value is refused (vekStsBadArgErr). */
typedef enum {
    vekCmpLess    = 0,
    vekCmpGreater = 4
} VekCmpOp;

/* Less (relOp 0): x < level gives level. Greater (relOp 4): x > level gives
 * level. Complex forms compare the modulus with a real level and keep the
 * phase; a negative level is refused (vekStsThreshNegLevelErr). */
VEKS_API VekStatus veksThreshold_16s(const Vek16s* pSrc, Vek16s* pDst, int len, Vek16s level, int relOp);
VEKS_API VekStatus veksThreshold_16s_I(Vek16s* pSrcDst, int len, Vek16s level, int relOp);
VEKS_API VekStatus veksThreshold_32f(const Vek32f* pSrc, Vek32f* pDst, int len, Vek32f level, int relOp);
VEKS_API VekStatus veksThreshold_32f_I(Vek32f* pSrcDst, int len, Vek32f level, int relOp);
VEKS_API VekStatus veksThreshold_64f(const Vek64f* pSrc, Vek64f* pDst, int len, Vek64f level, int relOp);
VEKS_API VekStatus veksThreshold_64f_I(Vek64f* pSrcDst, int len, Vek64f level, int relOp);
VEKS_API VekStatus veksThreshold_16sc(const Vek16sc* pSrc, Vek16sc* pDst, int len, Vek16s level, int relOp);
VEKS_API VekStatus veksThreshold_16sc_I(Vek16sc* pSrcDst, int len, Vek16s level, int relOp);
VEKS_API VekStatus veksThreshold_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int len, Vek32f level, int relOp);
VEKS_API VekStatus veksThreshold_32fc_I(Vek32fc* pSrcDst, int len, Vek32f level, int relOp);
VEKS_API VekStatus veksThreshold_64fc(const Vek64fc* pSrc, Vek64fc* pDst, int len, Vek64f level, int relOp);
VEKS_API VekStatus veksThreshold_64fc_I(Vek64fc* pSrcDst, int len, Vek64f level, int relOp);

/* The general form with relOp fixed to Less or Greater. */
VEKS_API VekStatus veksThreshold_LT_16s(const Vek16s* pSrc, Vek16s* pDst, int len, Vek16s level);
VEKS_API VekStatus veksThreshold_LT_16s_I(Vek16s* pSrcDst, int len, Vek16s level);
VEKS_API VekStatus veksThreshold_LT_32s(const Vek32s* pSrc, Vek32s* pDst, int len, Vek32s level);
VEKS_API VekStatus veksThreshold_LT_32s_I(Vek32s* pSrcDst, int len, Vek32s level);
VEKS_API VekStatus veksThreshold_LT_32f(const Vek32f* pSrc, Vek32f* pDst, int len, Vek32f level);
VEKS_API VekStatus veksThreshold_LT_32f_I(Vek32f* pSrcDst, int len, Vek32f level);
VEKS_API VekStatus veksThreshold_LT_64f(const Vek64f* pSrc, Vek64f* pDst, int len, Vek64f level);
VEKS_API VekStatus veksThreshold_LT_64f_I(Vek64f* pSrcDst, int len, Vek64f level);
VEKS_API VekStatus veksThreshold_LT_16sc(const Vek16sc* pSrc, Vek16sc* pDst, int len, Vek16s level);
VEKS_API VekStatus veksThreshold_LT_16sc_I(Vek16sc* pSrcDst, int len, Vek16s level);
VEKS_API VekStatus veksThreshold_LT_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int len, Vek32f level);
VEKS_API VekStatus veksThreshold_LT_32fc_I(Vek32fc* pSrcDst, int len, Vek32f level);
VEKS_API VekStatus veksThreshold_LT_64fc(const Vek64fc* pSrc, Vek64fc* pDst, int len, Vek64f level);
VEKS_API VekStatus veksThreshold_LT_64fc_I(Vek64fc* pSrcDst, int len, Vek64f level);
VEKS_API VekStatus veksThreshold_GT_16s(const Vek16s* pSrc, Vek16s* pDst, int len, Vek16s level);
VEKS_API VekStatus veksThreshold_GT_16s_I(Vek16s* pSrcDst, int len, Vek16s level);
VEKS_API VekStatus veksThreshold_GT_32s(const Vek32s* pSrc, Vek32s* pDst, int len, Vek32s level);
VEKS_API VekStatus veksThreshold_GT_32s_I(Vek32s* pSrcDst, int len, Vek32s level);
VEKS_API VekStatus veksThreshold_GT_32f(const Vek32f* pSrc, Vek32f* pDst, int len, Vek32f level);
VEKS_API VekStatus veksThreshold_GT_32f_I(Vek32f* pSrcDst, int len, Vek32f level);
VEKS_API VekStatus veksThreshold_GT_64f(const Vek64f* pSrc, Vek64f* pDst, int len, Vek64f level);
VEKS_API VekStatus veksThreshold_GT_64f_I(Vek64f* pSrcDst, int len, Vek64f level);
VEKS_API VekStatus veksThreshold_GT_16sc(const Vek16sc* pSrc, Vek16sc* pDst, int len, Vek16s level);
VEKS_API VekStatus veksThreshold_GT_16sc_I(Vek16sc* pSrcDst, int len, Vek16s level);
VEKS_API VekStatus veksThreshold_GT_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int len, Vek32f level);
VEKS_API VekStatus veksThreshold_GT_32fc_I(Vek32fc* pSrcDst, int len, Vek32f level);
VEKS_API VekStatus veksThreshold_GT_64fc(const Vek64fc* pSrc, Vek64fc* pDst, int len, Vek64f level);
VEKS_API VekStatus veksThreshold_GT_64fc_I(Vek64fc* pSrcDst, int len, Vek64f level);

/* LTVal: x < level gives value; GTVal: x > level gives value. Complex
 * forms compare the modulus with a real level and store a complex value. */
VEKS_API VekStatus veksThreshold_LTVal_16s(const Vek16s* pSrc, Vek16s* pDst, int len, Vek16s level, Vek16s value);
VEKS_API VekStatus veksThreshold_LTVal_16s_I(Vek16s* pSrcDst, int len, Vek16s level, Vek16s value);
VEKS_API VekStatus veksThreshold_LTVal_32f(const Vek32f* pSrc, Vek32f* pDst, int len, Vek32f level, Vek32f value);
VEKS_API VekStatus veksThreshold_LTVal_32f_I(Vek32f* pSrcDst, int len, Vek32f level, Vek32f value);
VEKS_API VekStatus veksThreshold_LTVal_64f(const Vek64f* pSrc, Vek64f* pDst, int len, Vek64f level, Vek64f value);
VEKS_API VekStatus veksThreshold_LTVal_64f_I(Vek64f* pSrcDst, int len, Vek64f level, Vek64f value);
VEKS_API VekStatus veksThreshold_LTVal_16sc(const Vek16sc* pSrc, Vek16sc* pDst, int len, Vek16s level, Vek16sc value);
VEKS_API VekStatus veksThreshold_LTVal_16sc_I(Vek16sc* pSrcDst, int len, Vek16s level, Vek16sc value);
VEKS_API VekStatus veksThreshold_LTVal_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int len, Vek32f level, Vek32fc value);
VEKS_API VekStatus veksThreshold_LTVal_32fc_I(Vek32fc* pSrcDst, int len, Vek32f level, Vek32fc value);
VEKS_API VekStatus veksThreshold_LTVal_64fc(const Vek64fc* pSrc, Vek64fc* pDst, int len, Vek64f level, Vek64fc value);
VEKS_API VekStatus veksThreshold_LTVal_64fc_I(Vek64fc* pSrcDst, int len, Vek64f level, Vek64fc value);
VEKS_API VekStatus veksThreshold_GTVal_16s(const Vek16s* pSrc, Vek16s* pDst, int len, Vek16s level, Vek16s value);
VEKS_API VekStatus veksThreshold_GTVal_16s_I(Vek16s* pSrcDst, int len, Vek16s level, Vek16s value);
VEKS_API VekStatus veksThreshold_GTVal_32f(const Vek32f* pSrc, Vek32f* pDst, int len, Vek32f level, Vek32f value);
VEKS_API VekStatus veksThreshold_GTVal_32f_I(Vek32f* pSrcDst, int len, Vek32f level, Vek32f value);
VEKS_API VekStatus veksThreshold_GTVal_64f(const Vek64f* pSrc, Vek64f* pDst, int len, Vek64f level, Vek64f value);
VEKS_API VekStatus veksThreshold_GTVal_64f_I(Vek64f* pSrcDst, int len, Vek64f level, Vek64f value);
VEKS_API VekStatus veksThreshold_GTVal_16sc(const Vek16sc* pSrc, Vek16sc* pDst, int len, Vek16s level, Vek16sc value);
VEKS_API VekStatus veksThreshold_GTVal_16sc_I(Vek16sc* pSrcDst, int len, Vek16s level, Vek16sc value);
VEKS_API VekStatus veksThreshold_GTVal_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int len, Vek32f level, Vek32fc value);
VEKS_API VekStatus veksThreshold_GTVal_32fc_I(Vek32fc* pSrcDst, int len, Vek32f level, Vek32fc value);
VEKS_API VekStatus veksThreshold_GTVal_64fc(const Vek64fc* pSrc, Vek64fc* pDst, int len, Vek64f level, Vek64fc value);
VEKS_API VekStatus veksThreshold_GTVal_64fc_I(Vek64fc* pSrcDst, int len, Vek64f level, Vek64fc value);

/* x < levelLT gives valueLT, x > levelGT gives valueGT; levelGT must not be
 * below levelLT (vekStsThreshLevelOrderErr). */
VEKS_API VekStatus veksThreshold_LTValGTVal_16s(const Vek16s* pSrc, Vek16s* pDst, int len, Vek16s levelLT, Vek16s valueLT, Vek16s levelGT, Vek16s valueGT);
VEKS_API VekStatus veksThreshold_LTValGTVal_16s_I(Vek16s* pSrcDst, int len, Vek16s levelLT, Vek16s valueLT, Vek16s levelGT, Vek16s valueGT);
VEKS_API VekStatus veksThreshold_LTValGTVal_32s(const Vek32s* pSrc, Vek32s* pDst, int len, Vek32s levelLT, Vek32s valueLT, Vek32s levelGT, Vek32s valueGT);
VEKS_API VekStatus veksThreshold_LTValGTVal_32s_I(Vek32s* pSrcDst, int len, Vek32s levelLT, Vek32s valueLT, Vek32s levelGT, Vek32s valueGT);
VEKS_API VekStatus veksThreshold_LTValGTVal_32f(const Vek32f* pSrc, Vek32f* pDst, int len, Vek32f levelLT, Vek32f valueLT, Vek32f levelGT, Vek32f valueGT);
VEKS_API VekStatus veksThreshold_LTValGTVal_32f_I(Vek32f* pSrcDst, int len, Vek32f levelLT, Vek32f valueLT, Vek32f levelGT, Vek32f valueGT);
VEKS_API VekStatus veksThreshold_LTValGTVal_64f(const Vek64f* pSrc, Vek64f* pDst, int len, Vek64f levelLT, Vek64f valueLT, Vek64f levelGT, Vek64f valueGT);
VEKS_API VekStatus veksThreshold_LTValGTVal_64f_I(Vek64f* pSrcDst, int len, Vek64f levelLT, Vek64f valueLT, Vek64f levelGT, Vek64f valueGT);

/* On magnitudes, keeping the sign: LTAbs raises |x| to level, GTAbs limits
 * |x| to level. */
VEKS_API VekStatus veksThreshold_LTAbs_16s(const Vek16s* pSrc, Vek16s* pDst, int len, Vek16s level);
VEKS_API VekStatus veksThreshold_LTAbs_16s_I(Vek16s* pSrcDst, int len, Vek16s level);
VEKS_API VekStatus veksThreshold_LTAbs_32s(const Vek32s* pSrc, Vek32s* pDst, int len, Vek32s level);
VEKS_API VekStatus veksThreshold_LTAbs_32s_I(Vek32s* pSrcDst, int len, Vek32s level);
VEKS_API VekStatus veksThreshold_LTAbs_32f(const Vek32f* pSrc, Vek32f* pDst, int len, Vek32f level);
VEKS_API VekStatus veksThreshold_LTAbs_32f_I(Vek32f* pSrcDst, int len, Vek32f level);
VEKS_API VekStatus veksThreshold_LTAbs_64f(const Vek64f* pSrc, Vek64f* pDst, int len, Vek64f level);
VEKS_API VekStatus veksThreshold_LTAbs_64f_I(Vek64f* pSrcDst, int len, Vek64f level);
VEKS_API VekStatus veksThreshold_GTAbs_16s(const Vek16s* pSrc, Vek16s* pDst, int len, Vek16s level);
VEKS_API VekStatus veksThreshold_GTAbs_16s_I(Vek16s* pSrcDst, int len, Vek16s level);
VEKS_API VekStatus veksThreshold_GTAbs_32s(const Vek32s* pSrc, Vek32s* pDst, int len, Vek32s level);
VEKS_API VekStatus veksThreshold_GTAbs_32s_I(Vek32s* pSrcDst, int len, Vek32s level);
VEKS_API VekStatus veksThreshold_GTAbs_32f(const Vek32f* pSrc, Vek32f* pDst, int len, Vek32f level);
VEKS_API VekStatus veksThreshold_GTAbs_32f_I(Vek32f* pSrcDst, int len, Vek32f level);
VEKS_API VekStatus veksThreshold_GTAbs_64f(const Vek64f* pSrc, Vek64f* pDst, int len, Vek64f level);
VEKS_API VekStatus veksThreshold_GTAbs_64f_I(Vek64f* pSrcDst, int len, Vek64f level);

/* Reciprocal with magnitudes below level raised to level (sign or phase
 * kept). With level 0 a zero element gives an infinity and a warning:
 * vekStsInvOfZero on short vectors, vekStsDivByZero from 8192 (32f),
 * 2048 (32fc, 64f) or 512 (64fc) elements on, where the work is shared
 * between threads. */
VEKS_API VekStatus veksThreshold_LTInv_32f(const Vek32f* pSrc, Vek32f* pDst, int len, Vek32f level);
VEKS_API VekStatus veksThreshold_LTInv_32f_I(Vek32f* pSrcDst, int len, Vek32f level);
VEKS_API VekStatus veksThreshold_LTInv_64f(const Vek64f* pSrc, Vek64f* pDst, int len, Vek64f level);
VEKS_API VekStatus veksThreshold_LTInv_64f_I(Vek64f* pSrcDst, int len, Vek64f level);
VEKS_API VekStatus veksThreshold_LTInv_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int len, Vek32f level);
VEKS_API VekStatus veksThreshold_LTInv_32fc_I(Vek32fc* pSrcDst, int len, Vek32f level);
VEKS_API VekStatus veksThreshold_LTInv_64fc(const Vek64fc* pSrc, Vek64fc* pDst, int len, Vek64f level);
VEKS_API VekStatus veksThreshold_LTInv_64fc_I(Vek64fc* pSrcDst, int len, Vek64f level);


/* ==== Statistics: reductions, extremes, sorting ==== */

/* Zero-crossing count kinds (veksZeroCrossing_*). */
typedef enum {
    vekZCSignChange = 0, /* x[i-1]*x[i] < 0 */
    vekZCSignBit    = 1, /* sign bits differ; zero counts as positive */
    vekZCCount0     = 2  /* sum of |sgn(x[i]) - sgn(x[i-1])|, halved */
} VekZCType;

/* Sums. hint vekAlgHintFast selects the fast single-precision blocks, any
 * other value the double-precision accumulation. */
VEKS_API VekStatus veksSum_32f(const Vek32f* pSrc, int len, Vek32f* pSum, VekHintAlgorithm hint);
VEKS_API VekStatus veksSum_32fc(const Vek32fc* pSrc, int len, Vek32fc* pSum, VekHintAlgorithm hint);
VEKS_API VekStatus veksSum_64f(const Vek64f* pSrc, int len, Vek64f* pSum);
VEKS_API VekStatus veksSum_64fc(const Vek64fc* pSrc, int len, Vek64fc* pSum);
VEKS_API VekStatus veksSum_16s32s_Sfs(const Vek16s* pSrc, int len, Vek32s* pSum, int scaleFactor);
VEKS_API VekStatus veksSum_16sc32sc_Sfs(const Vek16sc* pSrc, int len, Vek32sc* pSum, int scaleFactor);
VEKS_API VekStatus veksSum_16s_Sfs(const Vek16s* pSrc, int len, Vek16s* pSum, int scaleFactor);
VEKS_API VekStatus veksSum_16sc_Sfs(const Vek16sc* pSrc, int len, Vek16sc* pSum, int scaleFactor);
VEKS_API VekStatus veksSum_32s_Sfs(const Vek32s* pSrc, int len, Vek32s* pSum, int scaleFactor);

/* Means. */
VEKS_API VekStatus veksMean_32f(const Vek32f* pSrc, int len, Vek32f* pMean, VekHintAlgorithm hint);
VEKS_API VekStatus veksMean_32fc(const Vek32fc* pSrc, int len, Vek32fc* pMean, VekHintAlgorithm hint);
VEKS_API VekStatus veksMean_64f(const Vek64f* pSrc, int len, Vek64f* pMean);
VEKS_API VekStatus veksMean_64fc(const Vek64fc* pSrc, int len, Vek64fc* pMean);
VEKS_API VekStatus veksMean_16s_Sfs(const Vek16s* pSrc, int len, Vek16s* pMean, int scaleFactor);
VEKS_API VekStatus veksMean_16sc_Sfs(const Vek16sc* pSrc, int len, Vek16sc* pMean, int scaleFactor);
VEKS_API VekStatus veksMean_32s_Sfs(const Vek32s* pSrc, int len, Vek32s* pMean, int scaleFactor);

/* Sample standard deviation (len >= 2), alone or with the mean. */
VEKS_API VekStatus veksStdDev_32f(const Vek32f* pSrc, int len, Vek32f* pStdDev, VekHintAlgorithm hint);
VEKS_API VekStatus veksStdDev_64f(const Vek64f* pSrc, int len, Vek64f* pStdDev);
VEKS_API VekStatus veksStdDev_16s32s_Sfs(const Vek16s* pSrc, int len, Vek32s* pStdDev, int scaleFactor);
VEKS_API VekStatus veksStdDev_16s_Sfs(const Vek16s* pSrc, int len, Vek16s* pStdDev, int scaleFactor);
VEKS_API VekStatus veksMeanStdDev_32f(const Vek32f* pSrc, int len, Vek32f* pMean, Vek32f* pStdDev, VekHintAlgorithm hint);
VEKS_API VekStatus veksMeanStdDev_64f(const Vek64f* pSrc, int len, Vek64f* pMean, Vek64f* pStdDev);
VEKS_API VekStatus veksMeanStdDev_16s32s_Sfs(const Vek16s* pSrc, int len, Vek32s* pMean, Vek32s* pStdDev, int scaleFactor);
VEKS_API VekStatus veksMeanStdDev_16s_Sfs(const Vek16s* pSrc, int len, Vek16s* pMean, Vek16s* pStdDev, int scaleFactor);

/* Dot products sum(pSrc1[n] * pSrc2[n]), complex products not conjugated.
 * Type codes: pSrc1, pSrc2, result. */
VEKS_API VekStatus veksDotProd_32f(const Vek32f* pSrc1, const Vek32f* pSrc2, int len, Vek32f* pDp);
VEKS_API VekStatus veksDotProd_32fc(const Vek32fc* pSrc1, const Vek32fc* pSrc2, int len, Vek32fc* pDp);
VEKS_API VekStatus veksDotProd_32f32fc(const Vek32f* pSrc1, const Vek32fc* pSrc2, int len, Vek32fc* pDp);
VEKS_API VekStatus veksDotProd_32f64f(const Vek32f* pSrc1, const Vek32f* pSrc2, int len, Vek64f* pDp);
VEKS_API VekStatus veksDotProd_32fc64fc(const Vek32fc* pSrc1, const Vek32fc* pSrc2, int len, Vek64fc* pDp);
VEKS_API VekStatus veksDotProd_32f32fc64fc(const Vek32f* pSrc1, const Vek32fc* pSrc2, int len, Vek64fc* pDp);
VEKS_API VekStatus veksDotProd_64f(const Vek64f* pSrc1, const Vek64f* pSrc2, int len, Vek64f* pDp);
VEKS_API VekStatus veksDotProd_64fc(const Vek64fc* pSrc1, const Vek64fc* pSrc2, int len, Vek64fc* pDp);
VEKS_API VekStatus veksDotProd_64f64fc(const Vek64f* pSrc1, const Vek64fc* pSrc2, int len, Vek64fc* pDp);
VEKS_API VekStatus veksDotProd_16s64s(const Vek16s* pSrc1, const Vek16s* pSrc2, int len, Vek64s* pDp);
VEKS_API VekStatus veksDotProd_16sc64sc(const Vek16sc* pSrc1, const Vek16sc* pSrc2, int len, Vek64sc* pDp);
VEKS_API VekStatus veksDotProd_16s16sc64sc(const Vek16s* pSrc1, const Vek16sc* pSrc2, int len, Vek64sc* pDp);
VEKS_API VekStatus veksDotProd_16s32f(const Vek16s* pSrc1, const Vek16s* pSrc2, int len, Vek32f* pDp);
VEKS_API VekStatus veksDotProd_16sc32fc(const Vek16sc* pSrc1, const Vek16sc* pSrc2, int len, Vek32fc* pDp);
VEKS_API VekStatus veksDotProd_16s16sc32fc(const Vek16s* pSrc1, const Vek16sc* pSrc2, int len, Vek32fc* pDp);
VEKS_API VekStatus veksDotProd_16s_Sfs(const Vek16s* pSrc1, const Vek16s* pSrc2, int len, Vek16s* pDp, int scaleFactor);
VEKS_API VekStatus veksDotProd_16sc_Sfs(const Vek16sc* pSrc1, const Vek16sc* pSrc2, int len, Vek16sc* pDp, int scaleFactor);
VEKS_API VekStatus veksDotProd_16s16sc_Sfs(const Vek16s* pSrc1, const Vek16sc* pSrc2, int len, Vek16sc* pDp, int scaleFactor);
VEKS_API VekStatus veksDotProd_16s32s_Sfs(const Vek16s* pSrc1, const Vek16s* pSrc2, int len, Vek32s* pDp, int scaleFactor);
VEKS_API VekStatus veksDotProd_16sc32sc_Sfs(const Vek16sc* pSrc1, const Vek16sc* pSrc2, int len, Vek32sc* pDp, int scaleFactor);
VEKS_API VekStatus veksDotProd_16s16sc32sc_Sfs(const Vek16s* pSrc1, const Vek16sc* pSrc2, int len, Vek32sc* pDp, int scaleFactor);
VEKS_API VekStatus veksDotProd_16s32s32s_Sfs(const Vek16s* pSrc1, const Vek32s* pSrc2, int len, Vek32s* pDp, int scaleFactor);
VEKS_API VekStatus veksDotProd_32s_Sfs(const Vek32s* pSrc1, const Vek32s* pSrc2, int len, Vek32s* pDp, int scaleFactor);
VEKS_API VekStatus veksDotProd_32sc_Sfs(const Vek32sc* pSrc1, const Vek32sc* pSrc2, int len, Vek32sc* pDp, int scaleFactor);
VEKS_API VekStatus veksDotProd_32s32sc_Sfs(const Vek32s* pSrc1, const Vek32sc* pSrc2, int len, Vek32sc* pDp, int scaleFactor);

/* Norms of a vector: Inf = max|x|, L1 = sum|x|, L2 = sqrt(sum x^2),
 * L2Sqr = sum x^2. */
VEKS_API VekStatus veksNorm_Inf_32f(const Vek32f* pSrc, int len, Vek32f* pNorm);
VEKS_API VekStatus veksNorm_Inf_64f(const Vek64f* pSrc, int len, Vek64f* pNorm);
VEKS_API VekStatus veksNorm_Inf_32fc32f(const Vek32fc* pSrc, int len, Vek32f* pNorm);
VEKS_API VekStatus veksNorm_Inf_64fc64f(const Vek64fc* pSrc, int len, Vek64f* pNorm);
VEKS_API VekStatus veksNorm_Inf_16s32f(const Vek16s* pSrc, int len, Vek32f* pNorm);
VEKS_API VekStatus veksNorm_Inf_16s32s_Sfs(const Vek16s* pSrc, int len, Vek32s* pNorm, int scaleFactor);
VEKS_API VekStatus veksNorm_L1_32f(const Vek32f* pSrc, int len, Vek32f* pNorm);
VEKS_API VekStatus veksNorm_L1_64f(const Vek64f* pSrc, int len, Vek64f* pNorm);
VEKS_API VekStatus veksNorm_L1_32fc64f(const Vek32fc* pSrc, int len, Vek64f* pNorm);
VEKS_API VekStatus veksNorm_L1_64fc64f(const Vek64fc* pSrc, int len, Vek64f* pNorm);
VEKS_API VekStatus veksNorm_L1_16s32f(const Vek16s* pSrc, int len, Vek32f* pNorm);
VEKS_API VekStatus veksNorm_L1_16s32s_Sfs(const Vek16s* pSrc, int len, Vek32s* pNorm, int scaleFactor);
VEKS_API VekStatus veksNorm_L1_16s64s_Sfs(const Vek16s* pSrc, int len, Vek64s* pNorm, int scaleFactor);
VEKS_API VekStatus veksNorm_L2_32f(const Vek32f* pSrc, int len, Vek32f* pNorm);
VEKS_API VekStatus veksNorm_L2_64f(const Vek64f* pSrc, int len, Vek64f* pNorm);
VEKS_API VekStatus veksNorm_L2_32fc64f(const Vek32fc* pSrc, int len, Vek64f* pNorm);
VEKS_API VekStatus veksNorm_L2_64fc64f(const Vek64fc* pSrc, int len, Vek64f* pNorm);
VEKS_API VekStatus veksNorm_L2_16s32f(const Vek16s* pSrc, int len, Vek32f* pNorm);
VEKS_API VekStatus veksNorm_L2_16s32s_Sfs(const Vek16s* pSrc, int len, Vek32s* pNorm, int scaleFactor);
VEKS_API VekStatus veksNorm_L2Sqr_16s64s_Sfs(const Vek16s* pSrc, int len, Vek64s* pNorm, int scaleFactor);

/* The same norms of pSrc1 - pSrc2. */
VEKS_API VekStatus veksNormDiff_Inf_32f(const Vek32f* pSrc1, const Vek32f* pSrc2, int len, Vek32f* pNorm);
VEKS_API VekStatus veksNormDiff_Inf_64f(const Vek64f* pSrc1, const Vek64f* pSrc2, int len, Vek64f* pNorm);
VEKS_API VekStatus veksNormDiff_Inf_32fc32f(const Vek32fc* pSrc1, const Vek32fc* pSrc2, int len, Vek32f* pNorm);
VEKS_API VekStatus veksNormDiff_Inf_64fc64f(const Vek64fc* pSrc1, const Vek64fc* pSrc2, int len, Vek64f* pNorm);
VEKS_API VekStatus veksNormDiff_Inf_16s32f(const Vek16s* pSrc1, const Vek16s* pSrc2, int len, Vek32f* pNorm);
VEKS_API VekStatus veksNormDiff_Inf_16s32s_Sfs(const Vek16s* pSrc1, const Vek16s* pSrc2, int len, Vek32s* pNorm, int scaleFactor);
VEKS_API VekStatus veksNormDiff_L1_32f(const Vek32f* pSrc1, const Vek32f* pSrc2, int len, Vek32f* pNorm);
VEKS_API VekStatus veksNormDiff_L1_64f(const Vek64f* pSrc1, const Vek64f* pSrc2, int len, Vek64f* pNorm);
VEKS_API VekStatus veksNormDiff_L1_32fc64f(const Vek32fc* pSrc1, const Vek32fc* pSrc2, int len, Vek64f* pNorm);
VEKS_API VekStatus veksNormDiff_L1_64fc64f(const Vek64fc* pSrc1, const Vek64fc* pSrc2, int len, Vek64f* pNorm);
VEKS_API VekStatus veksNormDiff_L1_16s32f(const Vek16s* pSrc1, const Vek16s* pSrc2, int len, Vek32f* pNorm);
VEKS_API VekStatus veksNormDiff_L1_16s32s_Sfs(const Vek16s* pSrc1, const Vek16s* pSrc2, int len, Vek32s* pNorm, int scaleFactor);
VEKS_API VekStatus veksNormDiff_L1_16s64s_Sfs(const Vek16s* pSrc1, const Vek16s* pSrc2, int len, Vek64s* pNorm, int scaleFactor);
VEKS_API VekStatus veksNormDiff_L2_32f(const Vek32f* pSrc1, const Vek32f* pSrc2, int len, Vek32f* pNorm);
VEKS_API VekStatus veksNormDiff_L2_64f(const Vek64f* pSrc1, const Vek64f* pSrc2, int len, Vek64f* pNorm);
VEKS_API VekStatus veksNormDiff_L2_32fc64f(const Vek32fc* pSrc1, const Vek32fc* pSrc2, int len, Vek64f* pNorm);
VEKS_API VekStatus veksNormDiff_L2_64fc64f(const Vek64fc* pSrc1, const Vek64fc* pSrc2, int len, Vek64f* pNorm);
VEKS_API VekStatus veksNormDiff_L2_16s32f(const Vek16s* pSrc1, const Vek16s* pSrc2, int len, Vek32f* pNorm);
VEKS_API VekStatus veksNormDiff_L2_16s32s_Sfs(const Vek16s* pSrc1, const Vek16s* pSrc2, int len, Vek32s* pNorm, int scaleFactor);
VEKS_API VekStatus veksNormDiff_L2Sqr_16s64s_Sfs(const Vek16s* pSrc1, const Vek16s* pSrc2, int len, Vek64s* pNorm, int scaleFactor);

/* pDst[n] = (pSrc[n] - vSub) * (1 / vDiv); pDst may equal pSrc. */
VEKS_API VekStatus veksNormalize_32f(const Vek32f* pSrc, Vek32f* pDst, int len, Vek32f vSub, Vek32f vDiv);
VEKS_API VekStatus veksNormalize_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int len, Vek32fc vSub, Vek32f vDiv);
VEKS_API VekStatus veksNormalize_64f(const Vek64f* pSrc, Vek64f* pDst, int len, Vek64f vSub, Vek64f vDiv);
VEKS_API VekStatus veksNormalize_64fc(const Vek64fc* pSrc, Vek64fc* pDst, int len, Vek64fc vSub, Vek64f vDiv);
VEKS_API VekStatus veksNormalize_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, int len, Vek16s vSub, int vDiv, int scaleFactor);
VEKS_API VekStatus veksNormalize_16sc_Sfs(const Vek16sc* pSrc, Vek16sc* pDst, int len, Vek16sc vSub, int vDiv, int scaleFactor);

/* Elements strictly between the bounds. */
VEKS_API VekStatus veksCountInRange_32s(const Vek32s* pSrc, int len, int* pCounts, Vek32s lowerBound, Vek32s upperBound);

/* pDst[i] = sum of pSrc[i .. i+maskSize-1]; pSrc holds len+maskSize-1
 * elements. */
VEKS_API VekStatus veksSumWindow_8u32f(const Vek8u* pSrc, Vek32f* pDst, int len, int maskSize);
VEKS_API VekStatus veksSumWindow_16s32f(const Vek16s* pSrc, Vek32f* pDst, int len, int maskSize);

/* Zero-crossing count (not divided by len). */
VEKS_API VekStatus veksZeroCrossing_16s32f(const Vek16s* pSrc, int len, Vek32f* pValZCR, VekZCType zcType);
VEKS_API VekStatus veksZeroCrossing_32f(const Vek32f* pSrc, int len, Vek32f* pValZCR, VekZCType zcType);

/* Extremes; an index result is the first position of the extreme. The
 * index pointer of the Indx forms may be NULL. */
VEKS_API VekStatus veksMax_16s(const Vek16s* pSrc, int len, Vek16s* pMax);
VEKS_API VekStatus veksMax_32s(const Vek32s* pSrc, int len, Vek32s* pMax);
VEKS_API VekStatus veksMax_32f(const Vek32f* pSrc, int len, Vek32f* pMax);
VEKS_API VekStatus veksMax_64f(const Vek64f* pSrc, int len, Vek64f* pMax);
VEKS_API VekStatus veksMin_16s(const Vek16s* pSrc, int len, Vek16s* pMin);
VEKS_API VekStatus veksMin_32s(const Vek32s* pSrc, int len, Vek32s* pMin);
VEKS_API VekStatus veksMin_32f(const Vek32f* pSrc, int len, Vek32f* pMin);
VEKS_API VekStatus veksMin_64f(const Vek64f* pSrc, int len, Vek64f* pMin);
VEKS_API VekStatus veksMaxIndx_16s(const Vek16s* pSrc, int len, Vek16s* pMax, int* pIndx);
VEKS_API VekStatus veksMaxIndx_32s(const Vek32s* pSrc, int len, Vek32s* pMax, int* pIndx);
VEKS_API VekStatus veksMaxIndx_32f(const Vek32f* pSrc, int len, Vek32f* pMax, int* pIndx);
VEKS_API VekStatus veksMaxIndx_64f(const Vek64f* pSrc, int len, Vek64f* pMax, int* pIndx);
VEKS_API VekStatus veksMinIndx_16s(const Vek16s* pSrc, int len, Vek16s* pMin, int* pIndx);
VEKS_API VekStatus veksMinIndx_32s(const Vek32s* pSrc, int len, Vek32s* pMin, int* pIndx);
VEKS_API VekStatus veksMinIndx_32f(const Vek32f* pSrc, int len, Vek32f* pMin, int* pIndx);
VEKS_API VekStatus veksMinIndx_64f(const Vek64f* pSrc, int len, Vek64f* pMin, int* pIndx);

/* Extremes of saturated magnitudes (|-32768| = 32767). */
VEKS_API VekStatus veksMaxAbs_16s(const Vek16s* pSrc, int len, Vek16s* pMaxAbs);
VEKS_API VekStatus veksMaxAbs_32s(const Vek32s* pSrc, int len, Vek32s* pMaxAbs);
VEKS_API VekStatus veksMinAbs_16s(const Vek16s* pSrc, int len, Vek16s* pMinAbs);
VEKS_API VekStatus veksMinAbs_32s(const Vek32s* pSrc, int len, Vek32s* pMinAbs);
VEKS_API VekStatus veksMaxAbsIndx_16s(const Vek16s* pSrc, int len, Vek16s* pMaxAbs, int* pIndx);
VEKS_API VekStatus veksMaxAbsIndx_32s(const Vek32s* pSrc, int len, Vek32s* pMaxAbs, int* pIndx);
VEKS_API VekStatus veksMinAbsIndx_16s(const Vek16s* pSrc, int len, Vek16s* pMinAbs, int* pIndx);
VEKS_API VekStatus veksMinAbsIndx_32s(const Vek32s* pSrc, int len, Vek32s* pMinAbs, int* pIndx);

/* Both extremes, with or without their first positions. */
VEKS_API VekStatus veksMinMax_8u(const Vek8u* pSrc, int len, Vek8u* pMin, Vek8u* pMax);
VEKS_API VekStatus veksMinMax_16u(const Vek16u* pSrc, int len, Vek16u* pMin, Vek16u* pMax);
VEKS_API VekStatus veksMinMax_16s(const Vek16s* pSrc, int len, Vek16s* pMin, Vek16s* pMax);
VEKS_API VekStatus veksMinMax_32u(const Vek32u* pSrc, int len, Vek32u* pMin, Vek32u* pMax);
VEKS_API VekStatus veksMinMax_32s(const Vek32s* pSrc, int len, Vek32s* pMin, Vek32s* pMax);
VEKS_API VekStatus veksMinMax_32f(const Vek32f* pSrc, int len, Vek32f* pMin, Vek32f* pMax);
VEKS_API VekStatus veksMinMax_64f(const Vek64f* pSrc, int len, Vek64f* pMin, Vek64f* pMax);
VEKS_API VekStatus veksMinMaxIndx_8u(const Vek8u* pSrc, int len, Vek8u* pMin, int* pMinIndx, Vek8u* pMax, int* pMaxIndx);
VEKS_API VekStatus veksMinMaxIndx_16u(const Vek16u* pSrc, int len, Vek16u* pMin, int* pMinIndx, Vek16u* pMax, int* pMaxIndx);
VEKS_API VekStatus veksMinMaxIndx_16s(const Vek16s* pSrc, int len, Vek16s* pMin, int* pMinIndx, Vek16s* pMax, int* pMaxIndx);
VEKS_API VekStatus veksMinMaxIndx_32u(const Vek32u* pSrc, int len, Vek32u* pMin, int* pMinIndx, Vek32u* pMax, int* pMaxIndx);
VEKS_API VekStatus veksMinMaxIndx_32s(const Vek32s* pSrc, int len, Vek32s* pMin, int* pMinIndx, Vek32s* pMax, int* pMaxIndx);
VEKS_API VekStatus veksMinMaxIndx_32f(const Vek32f* pSrc, int len, Vek32f* pMin, int* pMinIndx, Vek32f* pMax, int* pMaxIndx);
VEKS_API VekStatus veksMinMaxIndx_64f(const Vek64f* pSrc, int len, Vek64f* pMin, int* pMinIndx, Vek64f* pMax, int* pMaxIndx);

/* pSrcDst[n] = max (min) of pSrc[n] and pSrcDst[n]. */
VEKS_API VekStatus veksMaxEvery_8u_I(const Vek8u* pSrc, Vek8u* pSrcDst, int len);
VEKS_API VekStatus veksMaxEvery_16u_I(const Vek16u* pSrc, Vek16u* pSrcDst, int len);
VEKS_API VekStatus veksMaxEvery_16s_I(const Vek16s* pSrc, Vek16s* pSrcDst, int len);
VEKS_API VekStatus veksMaxEvery_32s_I(const Vek32s* pSrc, Vek32s* pSrcDst, int len);
VEKS_API VekStatus veksMaxEvery_32f_I(const Vek32f* pSrc, Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksMinEvery_8u_I(const Vek8u* pSrc, Vek8u* pSrcDst, int len);
VEKS_API VekStatus veksMinEvery_16u_I(const Vek16u* pSrc, Vek16u* pSrcDst, int len);
VEKS_API VekStatus veksMinEvery_16s_I(const Vek16s* pSrc, Vek16s* pSrcDst, int len);
VEKS_API VekStatus veksMinEvery_32s_I(const Vek32s* pSrc, Vek32s* pSrcDst, int len);
VEKS_API VekStatus veksMinEvery_32f_I(const Vek32f* pSrc, Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksMinEvery_64f_I(const Vek64f* pSrc, Vek64f* pSrcDst, int len);

/* Binary order of the largest magnitude; the float forms skip infinite
 * and NaN elements and then return vekStsNotFiniteArg. */
VEKS_API VekStatus veksMaxOrder_16s(const Vek16s* pSrc, int len, int* pOrder);
VEKS_API VekStatus veksMaxOrder_32s(const Vek32s* pSrc, int len, int* pOrder);
VEKS_API VekStatus veksMaxOrder_32f(const Vek32f* pSrc, int len, int* pOrder);
VEKS_API VekStatus veksMaxOrder_64f(const Vek64f* pSrc, int len, int* pOrder);

/* Nearest entries of an ascending table; equal distance picks the lower. */
VEKS_API VekStatus veksFindNearestOne_16u(Vek16u inpVal, Vek16u* pOutVal, int* pOutIndex, const Vek16u* pTable, int tblLen);
VEKS_API VekStatus veksFindNearest_16u(const Vek16u* pVals, Vek16u* pOutVals, int* pOutIndexes, int len, const Vek16u* pTable, int tblLen);

/* Comparison sorts in place. */
VEKS_API VekStatus veksSortAscend_8u_I(Vek8u* pSrcDst, int len);
VEKS_API VekStatus veksSortAscend_16u_I(Vek16u* pSrcDst, int len);
VEKS_API VekStatus veksSortAscend_16s_I(Vek16s* pSrcDst, int len);
VEKS_API VekStatus veksSortAscend_32s_I(Vek32s* pSrcDst, int len);
VEKS_API VekStatus veksSortAscend_32f_I(Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksSortAscend_64f_I(Vek64f* pSrcDst, int len);
VEKS_API VekStatus veksSortDescend_8u_I(Vek8u* pSrcDst, int len);
VEKS_API VekStatus veksSortDescend_16u_I(Vek16u* pSrcDst, int len);
VEKS_API VekStatus veksSortDescend_16s_I(Vek16s* pSrcDst, int len);
VEKS_API VekStatus veksSortDescend_32s_I(Vek32s* pSrcDst, int len);
VEKS_API VekStatus veksSortDescend_32f_I(Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksSortDescend_64f_I(Vek64f* pSrcDst, int len);

/* Comparison sorts that also return the permutation: pDstIdx[k] is the
 * original position of pSrcDst[k]. */
VEKS_API VekStatus veksSortIndexAscend_8u_I(Vek8u* pSrcDst, int* pDstIdx, int len);
VEKS_API VekStatus veksSortIndexAscend_16u_I(Vek16u* pSrcDst, int* pDstIdx, int len);
VEKS_API VekStatus veksSortIndexAscend_16s_I(Vek16s* pSrcDst, int* pDstIdx, int len);
VEKS_API VekStatus veksSortIndexAscend_32s_I(Vek32s* pSrcDst, int* pDstIdx, int len);
VEKS_API VekStatus veksSortIndexAscend_32f_I(Vek32f* pSrcDst, int* pDstIdx, int len);
VEKS_API VekStatus veksSortIndexAscend_64f_I(Vek64f* pSrcDst, int* pDstIdx, int len);
VEKS_API VekStatus veksSortIndexDescend_8u_I(Vek8u* pSrcDst, int* pDstIdx, int len);
VEKS_API VekStatus veksSortIndexDescend_16u_I(Vek16u* pSrcDst, int* pDstIdx, int len);
VEKS_API VekStatus veksSortIndexDescend_16s_I(Vek16s* pSrcDst, int* pDstIdx, int len);
VEKS_API VekStatus veksSortIndexDescend_32s_I(Vek32s* pSrcDst, int* pDstIdx, int len);
VEKS_API VekStatus veksSortIndexDescend_32f_I(Vek32f* pSrcDst, int* pDstIdx, int len);
VEKS_API VekStatus veksSortIndexDescend_64f_I(Vek64f* pSrcDst, int* pDstIdx, int len);

/* Radix sorts in place; pTmp holds len elements of scratch. Floats sort
 * by bit pattern: -0 before +0, negative NaNs first, positive NaNs last. */
VEKS_API VekStatus veksSortRadixAscend_8u_I(Vek8u* pSrcDst, Vek8u* pTmp, int len);
VEKS_API VekStatus veksSortRadixAscend_16u_I(Vek16u* pSrcDst, Vek16u* pTmp, int len);
VEKS_API VekStatus veksSortRadixAscend_16s_I(Vek16s* pSrcDst, Vek16s* pTmp, int len);
VEKS_API VekStatus veksSortRadixAscend_32u_I(Vek32u* pSrcDst, Vek32u* pTmp, int len);
VEKS_API VekStatus veksSortRadixAscend_32s_I(Vek32s* pSrcDst, Vek32s* pTmp, int len);
VEKS_API VekStatus veksSortRadixAscend_32f_I(Vek32f* pSrcDst, Vek32f* pTmp, int len);
VEKS_API VekStatus veksSortRadixAscend_64f_I(Vek64f* pSrcDst, Vek64f* pTmp, int len);
VEKS_API VekStatus veksSortRadixDescend_8u_I(Vek8u* pSrcDst, Vek8u* pTmp, int len);
VEKS_API VekStatus veksSortRadixDescend_16u_I(Vek16u* pSrcDst, Vek16u* pTmp, int len);
VEKS_API VekStatus veksSortRadixDescend_16s_I(Vek16s* pSrcDst, Vek16s* pTmp, int len);
VEKS_API VekStatus veksSortRadixDescend_32u_I(Vek32u* pSrcDst, Vek32u* pTmp, int len);
VEKS_API VekStatus veksSortRadixDescend_32s_I(Vek32s* pSrcDst, Vek32s* pTmp, int len);
VEKS_API VekStatus veksSortRadixDescend_32f_I(Vek32f* pSrcDst, Vek32f* pTmp, int len);
VEKS_API VekStatus veksSortRadixDescend_64f_I(Vek64f* pSrcDst, Vek64f* pTmp, int len);

/* Stable radix index sorts of keys read at byte offsets k*srcStrideBytes;
 * pSrc is not modified, pTmpIndx holds len indexes of scratch. */
VEKS_API VekStatus veksSortRadixIndexAscend_8u(const Vek8u* pSrc, Vek32s srcStrideBytes, int* pDstIndx, int* pTmpIndx, int len);
VEKS_API VekStatus veksSortRadixIndexAscend_16u(const Vek16u* pSrc, Vek32s srcStrideBytes, int* pDstIndx, int* pTmpIndx, int len);
VEKS_API VekStatus veksSortRadixIndexAscend_16s(const Vek16s* pSrc, Vek32s srcStrideBytes, int* pDstIndx, int* pTmpIndx, int len);
VEKS_API VekStatus veksSortRadixIndexAscend_32u(const Vek32u* pSrc, Vek32s srcStrideBytes, int* pDstIndx, int* pTmpIndx, int len);
VEKS_API VekStatus veksSortRadixIndexAscend_32s(const Vek32s* pSrc, Vek32s srcStrideBytes, int* pDstIndx, int* pTmpIndx, int len);
VEKS_API VekStatus veksSortRadixIndexAscend_32f(const Vek32f* pSrc, Vek32s srcStrideBytes, int* pDstIndx, int* pTmpIndx, int len);
VEKS_API VekStatus veksSortRadixIndexDescend_8u(const Vek8u* pSrc, Vek32s srcStrideBytes, int* pDstIndx, int* pTmpIndx, int len);
VEKS_API VekStatus veksSortRadixIndexDescend_16u(const Vek16u* pSrc, Vek32s srcStrideBytes, int* pDstIndx, int* pTmpIndx, int len);
VEKS_API VekStatus veksSortRadixIndexDescend_16s(const Vek16s* pSrc, Vek32s srcStrideBytes, int* pDstIndx, int* pTmpIndx, int len);
VEKS_API VekStatus veksSortRadixIndexDescend_32u(const Vek32u* pSrc, Vek32s srcStrideBytes, int* pDstIndx, int* pTmpIndx, int len);
VEKS_API VekStatus veksSortRadixIndexDescend_32s(const Vek32s* pSrc, Vek32s srcStrideBytes, int* pDstIndx, int* pTmpIndx, int len);
VEKS_API VekStatus veksSortRadixIndexDescend_32f(const Vek32f* pSrc, Vek32s srcStrideBytes, int* pDstIndx, int* pTmpIndx, int len);


/* ==== FFT: specifications, complex and real transforms ==== */

/* Specification objects: opaque, laid into caller memory by Init or
 * allocated by InitAlloc; sized with the matching GetSize. */
typedef struct VekFFTSpec_C_16sc   VekFFTSpec_C_16sc;
typedef struct VekFFTSpec_C_16s    VekFFTSpec_C_16s;
typedef struct VekFFTSpec_R_16s    VekFFTSpec_R_16s;
typedef struct VekFFTSpec_C_32fc   VekFFTSpec_C_32fc;
typedef struct VekFFTSpec_C_32f    VekFFTSpec_C_32f;
typedef struct VekFFTSpec_R_32f    VekFFTSpec_R_32f;
typedef struct VekFFTSpec_C_64fc   VekFFTSpec_C_64fc;
typedef struct VekFFTSpec_C_64f    VekFFTSpec_C_64f;
typedef struct VekFFTSpec_R_64f    VekFFTSpec_R_64f;
typedef struct VekFFTSpec_C_32sc   VekFFTSpec_C_32sc;
typedef struct VekFFTSpec_C_32s    VekFFTSpec_C_32s;
typedef struct VekFFTSpec_R_32s    VekFFTSpec_R_32s;
typedef struct VekFFTSpec_R_16s32s VekFFTSpec_R_16s32s;

VEKS_API VekStatus veksFFTGetSize_C_32fc(int order, int flag, int hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize);
VEKS_API VekStatus veksFFTInit_C_32fc(VekFFTSpec_C_32fc** ppSpec, int order, int flag, int hint, Vek8u* pSpec, Vek8u* pSpecBuffer);
VEKS_API VekStatus veksFFTInitAlloc_C_32fc(VekFFTSpec_C_32fc** ppSpec, int order, int flag, int hint);
VEKS_API VekStatus veksFFTFree_C_32fc(VekFFTSpec_C_32fc* pSpec);
VEKS_API VekStatus veksFFTGetBufSize_C_32fc(const VekFFTSpec_C_32fc* pSpec, int* pBufferSize);
VEKS_API VekStatus veksFFTGetSize_C_32f(int order, int flag, int hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize);
VEKS_API VekStatus veksFFTInit_C_32f(VekFFTSpec_C_32f** ppSpec, int order, int flag, int hint, Vek8u* pSpec, Vek8u* pSpecBuffer);
VEKS_API VekStatus veksFFTInitAlloc_C_32f(VekFFTSpec_C_32f** ppSpec, int order, int flag, int hint);
VEKS_API VekStatus veksFFTFree_C_32f(VekFFTSpec_C_32f* pSpec);
VEKS_API VekStatus veksFFTGetBufSize_C_32f(const VekFFTSpec_C_32f* pSpec, int* pBufferSize);
VEKS_API VekStatus veksFFTGetSize_R_32f(int order, int flag, int hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize);
VEKS_API VekStatus veksFFTInit_R_32f(VekFFTSpec_R_32f** ppSpec, int order, int flag, int hint, Vek8u* pSpec, Vek8u* pSpecBuffer);
VEKS_API VekStatus veksFFTInitAlloc_R_32f(VekFFTSpec_R_32f** ppSpec, int order, int flag, int hint);
VEKS_API VekStatus veksFFTFree_R_32f(VekFFTSpec_R_32f* pSpec);
VEKS_API VekStatus veksFFTGetBufSize_R_32f(const VekFFTSpec_R_32f* pSpec, int* pBufferSize);
VEKS_API VekStatus veksFFTGetSize_C_64fc(int order, int flag, int hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize);
VEKS_API VekStatus veksFFTInit_C_64fc(VekFFTSpec_C_64fc** ppSpec, int order, int flag, int hint, Vek8u* pSpec, Vek8u* pSpecBuffer);
VEKS_API VekStatus veksFFTInitAlloc_C_64fc(VekFFTSpec_C_64fc** ppSpec, int order, int flag, int hint);
VEKS_API VekStatus veksFFTFree_C_64fc(VekFFTSpec_C_64fc* pSpec);
VEKS_API VekStatus veksFFTGetBufSize_C_64fc(const VekFFTSpec_C_64fc* pSpec, int* pBufferSize);
VEKS_API VekStatus veksFFTGetSize_C_64f(int order, int flag, int hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize);
VEKS_API VekStatus veksFFTInit_C_64f(VekFFTSpec_C_64f** ppSpec, int order, int flag, int hint, Vek8u* pSpec, Vek8u* pSpecBuffer);
VEKS_API VekStatus veksFFTInitAlloc_C_64f(VekFFTSpec_C_64f** ppSpec, int order, int flag, int hint);
VEKS_API VekStatus veksFFTFree_C_64f(VekFFTSpec_C_64f* pSpec);
VEKS_API VekStatus veksFFTGetBufSize_C_64f(const VekFFTSpec_C_64f* pSpec, int* pBufferSize);
VEKS_API VekStatus veksFFTGetSize_R_64f(int order, int flag, int hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize);
VEKS_API VekStatus veksFFTInit_R_64f(VekFFTSpec_R_64f** ppSpec, int order, int flag, int hint, Vek8u* pSpec, Vek8u* pSpecBuffer);
VEKS_API VekStatus veksFFTInitAlloc_R_64f(VekFFTSpec_R_64f** ppSpec, int order, int flag, int hint);
VEKS_API VekStatus veksFFTFree_R_64f(VekFFTSpec_R_64f* pSpec);
VEKS_API VekStatus veksFFTGetBufSize_R_64f(const VekFFTSpec_R_64f* pSpec, int* pBufferSize);

/* Complex FFT: forward exp(-i), inverse exp(+i); interleaved and split. */
VEKS_API VekStatus veksFFTFwd_CToC_32fc(const Vek32fc* pSrc, Vek32fc* pDst, const VekFFTSpec_C_32fc* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_CToC_32fc_I(Vek32fc* pSrcDst, const VekFFTSpec_C_32fc* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_CToC_64fc(const Vek64fc* pSrc, Vek64fc* pDst, const VekFFTSpec_C_64fc* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_CToC_64fc_I(Vek64fc* pSrcDst, const VekFFTSpec_C_64fc* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_CToC_32f(const Vek32f* pSrcRe, const Vek32f* pSrcIm, Vek32f* pDstRe, Vek32f* pDstIm, const VekFFTSpec_C_32f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_CToC_32f_I(Vek32f* pSrcDstRe, Vek32f* pSrcDstIm, const VekFFTSpec_C_32f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_CToC_64f(const Vek64f* pSrcRe, const Vek64f* pSrcIm, Vek64f* pDstRe, Vek64f* pDstIm, const VekFFTSpec_C_64f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_CToC_64f_I(Vek64f* pSrcDstRe, Vek64f* pSrcDstIm, const VekFFTSpec_C_64f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_CToC_32fc(const Vek32fc* pSrc, Vek32fc* pDst, const VekFFTSpec_C_32fc* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_CToC_32fc_I(Vek32fc* pSrcDst, const VekFFTSpec_C_32fc* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_CToC_64fc(const Vek64fc* pSrc, Vek64fc* pDst, const VekFFTSpec_C_64fc* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_CToC_64fc_I(Vek64fc* pSrcDst, const VekFFTSpec_C_64fc* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_CToC_32f(const Vek32f* pSrcRe, const Vek32f* pSrcIm, Vek32f* pDstRe, Vek32f* pDstIm, const VekFFTSpec_C_32f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_CToC_32f_I(Vek32f* pSrcDstRe, Vek32f* pSrcDstIm, const VekFFTSpec_C_32f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_CToC_64f(const Vek64f* pSrcRe, const Vek64f* pSrcIm, Vek64f* pDstRe, Vek64f* pDstIm, const VekFFTSpec_C_64f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_CToC_64f_I(Vek64f* pSrcDstRe, Vek64f* pSrcDstIm, const VekFFTSpec_C_64f* pSpec, Vek8u* pBuffer);

/* Real FFT into and out of the packed layouts CCS, Pack and Perm. */
VEKS_API VekStatus veksFFTFwd_RToCCS_32f(const Vek32f* pSrc, Vek32f* pDst, const VekFFTSpec_R_32f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_RToCCS_32f_I(Vek32f* pSrcDst, const VekFFTSpec_R_32f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_CCSToR_32f(const Vek32f* pSrc, Vek32f* pDst, const VekFFTSpec_R_32f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_CCSToR_32f_I(Vek32f* pSrcDst, const VekFFTSpec_R_32f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_RToPack_32f(const Vek32f* pSrc, Vek32f* pDst, const VekFFTSpec_R_32f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_RToPack_32f_I(Vek32f* pSrcDst, const VekFFTSpec_R_32f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_PackToR_32f(const Vek32f* pSrc, Vek32f* pDst, const VekFFTSpec_R_32f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_PackToR_32f_I(Vek32f* pSrcDst, const VekFFTSpec_R_32f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_RToPerm_32f(const Vek32f* pSrc, Vek32f* pDst, const VekFFTSpec_R_32f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_RToPerm_32f_I(Vek32f* pSrcDst, const VekFFTSpec_R_32f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_PermToR_32f(const Vek32f* pSrc, Vek32f* pDst, const VekFFTSpec_R_32f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_PermToR_32f_I(Vek32f* pSrcDst, const VekFFTSpec_R_32f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_RToCCS_64f(const Vek64f* pSrc, Vek64f* pDst, const VekFFTSpec_R_64f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_RToCCS_64f_I(Vek64f* pSrcDst, const VekFFTSpec_R_64f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_CCSToR_64f(const Vek64f* pSrc, Vek64f* pDst, const VekFFTSpec_R_64f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_CCSToR_64f_I(Vek64f* pSrcDst, const VekFFTSpec_R_64f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_RToPack_64f(const Vek64f* pSrc, Vek64f* pDst, const VekFFTSpec_R_64f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_RToPack_64f_I(Vek64f* pSrcDst, const VekFFTSpec_R_64f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_PackToR_64f(const Vek64f* pSrc, Vek64f* pDst, const VekFFTSpec_R_64f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_PackToR_64f_I(Vek64f* pSrcDst, const VekFFTSpec_R_64f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_RToPerm_64f(const Vek64f* pSrc, Vek64f* pDst, const VekFFTSpec_R_64f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_RToPerm_64f_I(Vek64f* pSrcDst, const VekFFTSpec_R_64f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_PermToR_64f(const Vek64f* pSrc, Vek64f* pDst, const VekFFTSpec_R_64f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_PermToR_64f_I(Vek64f* pSrcDst, const VekFFTSpec_R_64f* pSpec, Vek8u* pBuffer);

/* Products of packed spectra and expansion to full complex spectra. */
VEKS_API VekStatus veksMulPack_32f(const Vek32f* pSrc1, const Vek32f* pSrc2, Vek32f* pDst, int len);
VEKS_API VekStatus veksMulPack_32f_I(const Vek32f* pSrc, Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksMulPack_64f(const Vek64f* pSrc1, const Vek64f* pSrc2, Vek64f* pDst, int len);
VEKS_API VekStatus veksMulPack_64f_I(const Vek64f* pSrc, Vek64f* pSrcDst, int len);
VEKS_API VekStatus veksMulPack_16s_Sfs(const Vek16s* pSrc1, const Vek16s* pSrc2, Vek16s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksMulPack_16s_ISfs(const Vek16s* pSrc, Vek16s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksMulPerm_32f(const Vek32f* pSrc1, const Vek32f* pSrc2, Vek32f* pDst, int len);
VEKS_API VekStatus veksMulPerm_32f_I(const Vek32f* pSrc, Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksMulPerm_64f(const Vek64f* pSrc1, const Vek64f* pSrc2, Vek64f* pDst, int len);
VEKS_API VekStatus veksMulPerm_64f_I(const Vek64f* pSrc, Vek64f* pSrcDst, int len);
VEKS_API VekStatus veksMulPerm_16s_Sfs(const Vek16s* pSrc1, const Vek16s* pSrc2, Vek16s* pDst, int len, int scaleFactor);
VEKS_API VekStatus veksMulPerm_16s_ISfs(const Vek16s* pSrc, Vek16s* pSrcDst, int len, int scaleFactor);
VEKS_API VekStatus veksMulPackConj_32f_I(const Vek32f* pSrc, Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksMulPackConj_64f_I(const Vek64f* pSrc, Vek64f* pSrcDst, int len);
VEKS_API VekStatus veksConjPack_32fc(const Vek32f* pSrc, Vek32fc* pDst, int dstLen);
VEKS_API VekStatus veksConjPack_32fc_I(Vek32fc* pSrcDst, int dstLen);
VEKS_API VekStatus veksConjPack_64fc(const Vek64f* pSrc, Vek64fc* pDst, int dstLen);
VEKS_API VekStatus veksConjPack_64fc_I(Vek64fc* pSrcDst, int dstLen);
VEKS_API VekStatus veksConjPack_16sc(const Vek16s* pSrc, Vek16sc* pDst, int dstLen);
VEKS_API VekStatus veksConjPack_16sc_I(Vek16sc* pSrcDst, int dstLen);
VEKS_API VekStatus veksConjPerm_32fc(const Vek32f* pSrc, Vek32fc* pDst, int dstLen);
VEKS_API VekStatus veksConjPerm_32fc_I(Vek32fc* pSrcDst, int dstLen);
VEKS_API VekStatus veksConjPerm_64fc(const Vek64f* pSrc, Vek64fc* pDst, int dstLen);
VEKS_API VekStatus veksConjPerm_64fc_I(Vek64fc* pSrcDst, int dstLen);
VEKS_API VekStatus veksConjPerm_16sc(const Vek16s* pSrc, Vek16sc* pDst, int dstLen);
VEKS_API VekStatus veksConjPerm_16sc_I(Vek16sc* pSrcDst, int dstLen);
VEKS_API VekStatus veksConjCcs_32fc(const Vek32f* pSrc, Vek32fc* pDst, int dstLen);
VEKS_API VekStatus veksConjCcs_32fc_I(Vek32fc* pSrcDst, int dstLen);
VEKS_API VekStatus veksConjCcs_64fc(const Vek64f* pSrc, Vek64fc* pDst, int dstLen);
VEKS_API VekStatus veksConjCcs_64fc_I(Vek64fc* pSrcDst, int dstLen);
VEKS_API VekStatus veksConjCcs_16sc(const Vek16s* pSrc, Vek16sc* pDst, int dstLen);
VEKS_API VekStatus veksConjCcs_16sc_I(Vek16sc* pSrcDst, int dstLen);

/* Integer kinds: size queries, Init, InitAlloc, Free, GetBufSize. */
VEKS_API VekStatus veksFFTGetSize_C_16sc(int order, int flag, int hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize);
VEKS_API VekStatus veksFFTInit_C_16sc(VekFFTSpec_C_16sc** ppSpec, int order, int flag, int hint, Vek8u* pSpec, Vek8u* pSpecBuffer);
VEKS_API VekStatus veksFFTInitAlloc_C_16sc(VekFFTSpec_C_16sc** ppSpec, int order, int flag, int hint);
VEKS_API VekStatus veksFFTFree_C_16sc(VekFFTSpec_C_16sc* pSpec);
VEKS_API VekStatus veksFFTGetBufSize_C_16sc(const VekFFTSpec_C_16sc* pSpec, int* pBufferSize);
VEKS_API VekStatus veksFFTGetSize_C_16s(int order, int flag, int hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize);
VEKS_API VekStatus veksFFTInit_C_16s(VekFFTSpec_C_16s** ppSpec, int order, int flag, int hint, Vek8u* pSpec, Vek8u* pSpecBuffer);
VEKS_API VekStatus veksFFTInitAlloc_C_16s(VekFFTSpec_C_16s** ppSpec, int order, int flag, int hint);
VEKS_API VekStatus veksFFTFree_C_16s(VekFFTSpec_C_16s* pSpec);
VEKS_API VekStatus veksFFTGetBufSize_C_16s(const VekFFTSpec_C_16s* pSpec, int* pBufferSize);
VEKS_API VekStatus veksFFTGetSize_R_16s(int order, int flag, int hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize);
VEKS_API VekStatus veksFFTInit_R_16s(VekFFTSpec_R_16s** ppSpec, int order, int flag, int hint, Vek8u* pSpec, Vek8u* pSpecBuffer);
VEKS_API VekStatus veksFFTInitAlloc_R_16s(VekFFTSpec_R_16s** ppSpec, int order, int flag, int hint);
VEKS_API VekStatus veksFFTFree_R_16s(VekFFTSpec_R_16s* pSpec);
VEKS_API VekStatus veksFFTGetBufSize_R_16s(const VekFFTSpec_R_16s* pSpec, int* pBufferSize);
VEKS_API VekStatus veksFFTGetSize_C_32sc(int order, int flag, int hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize);
VEKS_API VekStatus veksFFTInit_C_32sc(VekFFTSpec_C_32sc** ppSpec, int order, int flag, int hint, Vek8u* pSpec, Vek8u* pSpecBuffer);
VEKS_API VekStatus veksFFTInitAlloc_C_32sc(VekFFTSpec_C_32sc** ppSpec, int order, int flag, int hint);
VEKS_API VekStatus veksFFTFree_C_32sc(VekFFTSpec_C_32sc* pSpec);
VEKS_API VekStatus veksFFTGetBufSize_C_32sc(const VekFFTSpec_C_32sc* pSpec, int* pBufferSize);
VEKS_API VekStatus veksFFTGetSize_C_32s(int order, int flag, int hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize);
VEKS_API VekStatus veksFFTInit_C_32s(VekFFTSpec_C_32s** ppSpec, int order, int flag, int hint, Vek8u* pSpec, Vek8u* pSpecBuffer);
VEKS_API VekStatus veksFFTInitAlloc_C_32s(VekFFTSpec_C_32s** ppSpec, int order, int flag, int hint);
VEKS_API VekStatus veksFFTFree_C_32s(VekFFTSpec_C_32s* pSpec);
VEKS_API VekStatus veksFFTGetBufSize_C_32s(const VekFFTSpec_C_32s* pSpec, int* pBufferSize);
VEKS_API VekStatus veksFFTGetSize_R_32s(int order, int flag, int hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize);
VEKS_API VekStatus veksFFTInit_R_32s(VekFFTSpec_R_32s** ppSpec, int order, int flag, int hint, Vek8u* pSpec, Vek8u* pSpecBuffer);
VEKS_API VekStatus veksFFTInitAlloc_R_32s(VekFFTSpec_R_32s** ppSpec, int order, int flag, int hint);
VEKS_API VekStatus veksFFTFree_R_32s(VekFFTSpec_R_32s* pSpec);
VEKS_API VekStatus veksFFTGetBufSize_R_32s(const VekFFTSpec_R_32s* pSpec, int* pBufferSize);
VEKS_API VekStatus veksFFTGetSize_R_16s32s(int order, int flag, int hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize);
VEKS_API VekStatus veksFFTInit_R_16s32s(VekFFTSpec_R_16s32s** ppSpec, int order, int flag, int hint, Vek8u* pSpec, Vek8u* pSpecBuffer);
VEKS_API VekStatus veksFFTInitAlloc_R_16s32s(VekFFTSpec_R_16s32s** ppSpec, int order, int flag, int hint);
VEKS_API VekStatus veksFFTFree_R_16s32s(VekFFTSpec_R_16s32s* pSpec);
VEKS_API VekStatus veksFFTGetBufSize_R_16s32s(const VekFFTSpec_R_16s32s* pSpec, int* pBufferSize);

/* Integer complex FFT with scale factor. */
VEKS_API VekStatus veksFFTFwd_CToC_16sc_Sfs(const Vek16sc* pSrc, Vek16sc* pDst, const VekFFTSpec_C_16sc* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_CToC_16sc_ISfs(Vek16sc* pSrcDst, const VekFFTSpec_C_16sc* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_CToC_32sc_Sfs(const Vek32sc* pSrc, Vek32sc* pDst, const VekFFTSpec_C_32sc* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_CToC_32sc_ISfs(Vek32sc* pSrcDst, const VekFFTSpec_C_32sc* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_CToC_16s_Sfs(const Vek16s* pSrcRe, const Vek16s* pSrcIm, Vek16s* pDstRe, Vek16s* pDstIm, const VekFFTSpec_C_16s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_CToC_16s_ISfs(Vek16s* pSrcDstRe, Vek16s* pSrcDstIm, const VekFFTSpec_C_16s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_CToC_32s_Sfs(const Vek32s* pSrcRe, const Vek32s* pSrcIm, Vek32s* pDstRe, Vek32s* pDstIm, const VekFFTSpec_C_32s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_CToC_32s_ISfs(Vek32s* pSrcDstRe, Vek32s* pSrcDstIm, const VekFFTSpec_C_32s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_CToC_16sc_Sfs(const Vek16sc* pSrc, Vek16sc* pDst, const VekFFTSpec_C_16sc* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_CToC_16sc_ISfs(Vek16sc* pSrcDst, const VekFFTSpec_C_16sc* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_CToC_32sc_Sfs(const Vek32sc* pSrc, Vek32sc* pDst, const VekFFTSpec_C_32sc* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_CToC_32sc_ISfs(Vek32sc* pSrcDst, const VekFFTSpec_C_32sc* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_CToC_16s_Sfs(const Vek16s* pSrcRe, const Vek16s* pSrcIm, Vek16s* pDstRe, Vek16s* pDstIm, const VekFFTSpec_C_16s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_CToC_16s_ISfs(Vek16s* pSrcDstRe, Vek16s* pSrcDstIm, const VekFFTSpec_C_16s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_CToC_32s_Sfs(const Vek32s* pSrcRe, const Vek32s* pSrcIm, Vek32s* pDstRe, Vek32s* pDstIm, const VekFFTSpec_C_32s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_CToC_32s_ISfs(Vek32s* pSrcDstRe, Vek32s* pSrcDstIm, const VekFFTSpec_C_32s* pSpec, int scaleFactor, Vek8u* pBuffer);

/* Integer real FFT with scale factor. */
VEKS_API VekStatus veksFFTFwd_RToCCS_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, const VekFFTSpec_R_16s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_RToCCS_16s_ISfs(Vek16s* pSrcDst, const VekFFTSpec_R_16s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_CCSToR_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, const VekFFTSpec_R_16s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_CCSToR_16s_ISfs(Vek16s* pSrcDst, const VekFFTSpec_R_16s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_RToPack_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, const VekFFTSpec_R_16s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_RToPack_16s_ISfs(Vek16s* pSrcDst, const VekFFTSpec_R_16s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_PackToR_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, const VekFFTSpec_R_16s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_PackToR_16s_ISfs(Vek16s* pSrcDst, const VekFFTSpec_R_16s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_RToPerm_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, const VekFFTSpec_R_16s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_RToPerm_16s_ISfs(Vek16s* pSrcDst, const VekFFTSpec_R_16s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_PermToR_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, const VekFFTSpec_R_16s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_PermToR_16s_ISfs(Vek16s* pSrcDst, const VekFFTSpec_R_16s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_RToCCS_32s_Sfs(const Vek32s* pSrc, Vek32s* pDst, const VekFFTSpec_R_32s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_RToCCS_32s_ISfs(Vek32s* pSrcDst, const VekFFTSpec_R_32s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_CCSToR_32s_Sfs(const Vek32s* pSrc, Vek32s* pDst, const VekFFTSpec_R_32s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_CCSToR_32s_ISfs(Vek32s* pSrcDst, const VekFFTSpec_R_32s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_RToPack_32s_Sfs(const Vek32s* pSrc, Vek32s* pDst, const VekFFTSpec_R_32s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_RToPack_32s_ISfs(Vek32s* pSrcDst, const VekFFTSpec_R_32s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_PackToR_32s_Sfs(const Vek32s* pSrc, Vek32s* pDst, const VekFFTSpec_R_32s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_PackToR_32s_ISfs(Vek32s* pSrcDst, const VekFFTSpec_R_32s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_RToPerm_32s_Sfs(const Vek32s* pSrc, Vek32s* pDst, const VekFFTSpec_R_32s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_RToPerm_32s_ISfs(Vek32s* pSrcDst, const VekFFTSpec_R_32s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_PermToR_32s_Sfs(const Vek32s* pSrc, Vek32s* pDst, const VekFFTSpec_R_32s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_PermToR_32s_ISfs(Vek32s* pSrcDst, const VekFFTSpec_R_32s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTFwd_RToCCS_16s32s_Sfs(const Vek16s* pSrc, Vek32s* pDst, const VekFFTSpec_R_16s32s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksFFTInv_CCSToR_32s16s_Sfs(const Vek32s* pSrc, Vek16s* pDst, const VekFFTSpec_R_16s32s* pSpec, int scaleFactor, Vek8u* pBuffer);


/* ==== DFT, DCT, Hilbert, Goertzel, wavelets ==== */

/* DFT of any length. Specifications are made by InitAlloc and released by
 * Free; transforms take an optional work buffer (GetBufSize bytes; null:
 * the call obtains its own). Flags and layouts as for the FFT. */
typedef struct VekDFTSpec_C_16sc VekDFTSpec_C_16sc;
typedef struct VekDFTSpec_C_16s VekDFTSpec_C_16s;
typedef struct VekDFTSpec_R_16s VekDFTSpec_R_16s;
typedef struct VekDFTSpec_C_32fc VekDFTSpec_C_32fc;
typedef struct VekDFTSpec_C_32f VekDFTSpec_C_32f;
typedef struct VekDFTSpec_R_32f VekDFTSpec_R_32f;
typedef struct VekDFTSpec_C_64fc VekDFTSpec_C_64fc;
typedef struct VekDFTSpec_C_64f VekDFTSpec_C_64f;
typedef struct VekDFTSpec_R_64f VekDFTSpec_R_64f;
typedef struct VekDFTOutOrdSpec_C_32fc VekDFTOutOrdSpec_C_32fc;
typedef struct VekDFTOutOrdSpec_C_64fc VekDFTOutOrdSpec_C_64fc;
VEKS_API VekStatus veksDFTInitAlloc_C_32fc(VekDFTSpec_C_32fc** ppSpec, int len, int flag, int hint);
VEKS_API VekStatus veksDFTFree_C_32fc(VekDFTSpec_C_32fc* pSpec);
VEKS_API VekStatus veksDFTGetBufSize_C_32fc(const VekDFTSpec_C_32fc* pSpec, int* pBufferSize);
VEKS_API VekStatus veksDFTFwd_CToC_32fc(const Vek32fc* pSrc, Vek32fc* pDst, const VekDFTSpec_C_32fc* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTInv_CToC_32fc(const Vek32fc* pSrc, Vek32fc* pDst, const VekDFTSpec_C_32fc* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTInitAlloc_C_32f(VekDFTSpec_C_32f** ppSpec, int len, int flag, int hint);
VEKS_API VekStatus veksDFTFree_C_32f(VekDFTSpec_C_32f* pSpec);
VEKS_API VekStatus veksDFTGetBufSize_C_32f(const VekDFTSpec_C_32f* pSpec, int* pBufferSize);
VEKS_API VekStatus veksDFTFwd_CToC_32f(const Vek32f* pSrcRe, const Vek32f* pSrcIm, Vek32f* pDstRe, Vek32f* pDstIm, const VekDFTSpec_C_32f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTInv_CToC_32f(const Vek32f* pSrcRe, const Vek32f* pSrcIm, Vek32f* pDstRe, Vek32f* pDstIm, const VekDFTSpec_C_32f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTInitAlloc_R_32f(VekDFTSpec_R_32f** ppSpec, int len, int flag, int hint);
VEKS_API VekStatus veksDFTFree_R_32f(VekDFTSpec_R_32f* pSpec);
VEKS_API VekStatus veksDFTGetBufSize_R_32f(const VekDFTSpec_R_32f* pSpec, int* pBufferSize);
VEKS_API VekStatus veksDFTFwd_RToCCS_32f(const Vek32f* pSrc, Vek32f* pDst, const VekDFTSpec_R_32f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTInv_CCSToR_32f(const Vek32f* pSrc, Vek32f* pDst, const VekDFTSpec_R_32f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTFwd_RToPack_32f(const Vek32f* pSrc, Vek32f* pDst, const VekDFTSpec_R_32f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTInv_PackToR_32f(const Vek32f* pSrc, Vek32f* pDst, const VekDFTSpec_R_32f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTFwd_RToPerm_32f(const Vek32f* pSrc, Vek32f* pDst, const VekDFTSpec_R_32f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTInv_PermToR_32f(const Vek32f* pSrc, Vek32f* pDst, const VekDFTSpec_R_32f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTOutOrdInitAlloc_C_32fc(VekDFTOutOrdSpec_C_32fc** ppSpec, int len, int flag, int hint);
VEKS_API VekStatus veksDFTOutOrdFree_C_32fc(VekDFTOutOrdSpec_C_32fc* pSpec);
VEKS_API VekStatus veksDFTOutOrdGetBufSize_C_32fc(const VekDFTOutOrdSpec_C_32fc* pSpec, int* pBufferSize);
VEKS_API VekStatus veksDFTOutOrdFwd_CToC_32fc(const Vek32fc* pSrc, Vek32fc* pDst, const VekDFTOutOrdSpec_C_32fc* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTOutOrdInv_CToC_32fc(const Vek32fc* pSrc, Vek32fc* pDst, const VekDFTOutOrdSpec_C_32fc* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTInitAlloc_C_64fc(VekDFTSpec_C_64fc** ppSpec, int len, int flag, int hint);
VEKS_API VekStatus veksDFTFree_C_64fc(VekDFTSpec_C_64fc* pSpec);
VEKS_API VekStatus veksDFTGetBufSize_C_64fc(const VekDFTSpec_C_64fc* pSpec, int* pBufferSize);
VEKS_API VekStatus veksDFTFwd_CToC_64fc(const Vek64fc* pSrc, Vek64fc* pDst, const VekDFTSpec_C_64fc* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTInv_CToC_64fc(const Vek64fc* pSrc, Vek64fc* pDst, const VekDFTSpec_C_64fc* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTInitAlloc_C_64f(VekDFTSpec_C_64f** ppSpec, int len, int flag, int hint);
VEKS_API VekStatus veksDFTFree_C_64f(VekDFTSpec_C_64f* pSpec);
VEKS_API VekStatus veksDFTGetBufSize_C_64f(const VekDFTSpec_C_64f* pSpec, int* pBufferSize);
VEKS_API VekStatus veksDFTFwd_CToC_64f(const Vek64f* pSrcRe, const Vek64f* pSrcIm, Vek64f* pDstRe, Vek64f* pDstIm, const VekDFTSpec_C_64f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTInv_CToC_64f(const Vek64f* pSrcRe, const Vek64f* pSrcIm, Vek64f* pDstRe, Vek64f* pDstIm, const VekDFTSpec_C_64f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTInitAlloc_R_64f(VekDFTSpec_R_64f** ppSpec, int len, int flag, int hint);
VEKS_API VekStatus veksDFTFree_R_64f(VekDFTSpec_R_64f* pSpec);
VEKS_API VekStatus veksDFTGetBufSize_R_64f(const VekDFTSpec_R_64f* pSpec, int* pBufferSize);
VEKS_API VekStatus veksDFTFwd_RToCCS_64f(const Vek64f* pSrc, Vek64f* pDst, const VekDFTSpec_R_64f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTInv_CCSToR_64f(const Vek64f* pSrc, Vek64f* pDst, const VekDFTSpec_R_64f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTFwd_RToPack_64f(const Vek64f* pSrc, Vek64f* pDst, const VekDFTSpec_R_64f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTInv_PackToR_64f(const Vek64f* pSrc, Vek64f* pDst, const VekDFTSpec_R_64f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTFwd_RToPerm_64f(const Vek64f* pSrc, Vek64f* pDst, const VekDFTSpec_R_64f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTInv_PermToR_64f(const Vek64f* pSrc, Vek64f* pDst, const VekDFTSpec_R_64f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTOutOrdInitAlloc_C_64fc(VekDFTOutOrdSpec_C_64fc** ppSpec, int len, int flag, int hint);
VEKS_API VekStatus veksDFTOutOrdFree_C_64fc(VekDFTOutOrdSpec_C_64fc* pSpec);
VEKS_API VekStatus veksDFTOutOrdGetBufSize_C_64fc(const VekDFTOutOrdSpec_C_64fc* pSpec, int* pBufferSize);
VEKS_API VekStatus veksDFTOutOrdFwd_CToC_64fc(const Vek64fc* pSrc, Vek64fc* pDst, const VekDFTOutOrdSpec_C_64fc* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTOutOrdInv_CToC_64fc(const Vek64fc* pSrc, Vek64fc* pDst, const VekDFTOutOrdSpec_C_64fc* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTInitAlloc_C_16sc(VekDFTSpec_C_16sc** ppSpec, int len, int flag, int hint);
VEKS_API VekStatus veksDFTFree_C_16sc(VekDFTSpec_C_16sc* pSpec);
VEKS_API VekStatus veksDFTGetBufSize_C_16sc(const VekDFTSpec_C_16sc* pSpec, int* pBufferSize);
VEKS_API VekStatus veksDFTInitAlloc_C_16s(VekDFTSpec_C_16s** ppSpec, int len, int flag, int hint);
VEKS_API VekStatus veksDFTFree_C_16s(VekDFTSpec_C_16s* pSpec);
VEKS_API VekStatus veksDFTGetBufSize_C_16s(const VekDFTSpec_C_16s* pSpec, int* pBufferSize);
VEKS_API VekStatus veksDFTInitAlloc_R_16s(VekDFTSpec_R_16s** ppSpec, int len, int flag, int hint);
VEKS_API VekStatus veksDFTFree_R_16s(VekDFTSpec_R_16s* pSpec);
VEKS_API VekStatus veksDFTGetBufSize_R_16s(const VekDFTSpec_R_16s* pSpec, int* pBufferSize);
VEKS_API VekStatus veksDFTFwd_CToC_16sc_Sfs(const Vek16sc* pSrc, Vek16sc* pDst, const VekDFTSpec_C_16sc* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTFwd_CToC_16s_Sfs(const Vek16s* pSrcRe, const Vek16s* pSrcIm, Vek16s* pDstRe, Vek16s* pDstIm, const VekDFTSpec_C_16s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTInv_CToC_16sc_Sfs(const Vek16sc* pSrc, Vek16sc* pDst, const VekDFTSpec_C_16sc* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTInv_CToC_16s_Sfs(const Vek16s* pSrcRe, const Vek16s* pSrcIm, Vek16s* pDstRe, Vek16s* pDstIm, const VekDFTSpec_C_16s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTFwd_RToCCS_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, const VekDFTSpec_R_16s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTInv_CCSToR_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, const VekDFTSpec_R_16s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTFwd_RToPack_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, const VekDFTSpec_R_16s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTInv_PackToR_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, const VekDFTSpec_R_16s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTFwd_RToPerm_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, const VekDFTSpec_R_16s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksDFTInv_PermToR_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, const VekDFTSpec_R_16s* pSpec, int scaleFactor, Vek8u* pBuffer);

/* Wavelet filter banks: two channels with taps, offsets and delay lines
 * carried across calls. */
typedef struct VekWTFwdState_32f VekWTFwdState_32f;
typedef struct VekWTFwdState_8u32f VekWTFwdState_8u32f;
typedef struct VekWTFwdState_8s32f VekWTFwdState_8s32f;
typedef struct VekWTFwdState_16u32f VekWTFwdState_16u32f;
typedef struct VekWTFwdState_16s32f VekWTFwdState_16s32f;
typedef struct VekWTInvState_32f VekWTInvState_32f;
typedef struct VekWTInvState_32f8u VekWTInvState_32f8u;
typedef struct VekWTInvState_32f8s VekWTInvState_32f8s;
typedef struct VekWTInvState_32f16u VekWTInvState_32f16u;
typedef struct VekWTInvState_32f16s VekWTInvState_32f16s;
VEKS_API VekStatus veksWTFwdInitAlloc_32f(VekWTFwdState_32f** ppState, const Vek32f* pTapsLow, int lenLow, int offsLow, const Vek32f* pTapsHigh, int lenHigh, int offsHigh);
VEKS_API VekStatus veksWTFwdFree_32f(VekWTFwdState_32f* pState);
VEKS_API VekStatus veksWTFwdSetDlyLine_32f(VekWTFwdState_32f* pState, const Vek32f* pDlyLow, const Vek32f* pDlyHigh);
VEKS_API VekStatus veksWTFwdGetDlyLine_32f(VekWTFwdState_32f* pState, Vek32f* pDlyLow, Vek32f* pDlyHigh);
VEKS_API VekStatus veksWTFwd_32f(const Vek32f* pSrc, Vek32f* pDstLow, Vek32f* pDstHigh, int dstLen, VekWTFwdState_32f* pState);
VEKS_API VekStatus veksWTFwdInitAlloc_8u32f(VekWTFwdState_8u32f** ppState, const Vek32f* pTapsLow, int lenLow, int offsLow, const Vek32f* pTapsHigh, int lenHigh, int offsHigh);
VEKS_API VekStatus veksWTFwdFree_8u32f(VekWTFwdState_8u32f* pState);
VEKS_API VekStatus veksWTFwdSetDlyLine_8u32f(VekWTFwdState_8u32f* pState, const Vek32f* pDlyLow, const Vek32f* pDlyHigh);
VEKS_API VekStatus veksWTFwdGetDlyLine_8u32f(VekWTFwdState_8u32f* pState, Vek32f* pDlyLow, Vek32f* pDlyHigh);
VEKS_API VekStatus veksWTFwd_8u32f(const Vek8u* pSrc, Vek32f* pDstLow, Vek32f* pDstHigh, int dstLen, VekWTFwdState_8u32f* pState);
VEKS_API VekStatus veksWTFwdInitAlloc_8s32f(VekWTFwdState_8s32f** ppState, const Vek32f* pTapsLow, int lenLow, int offsLow, const Vek32f* pTapsHigh, int lenHigh, int offsHigh);
VEKS_API VekStatus veksWTFwdFree_8s32f(VekWTFwdState_8s32f* pState);
VEKS_API VekStatus veksWTFwdSetDlyLine_8s32f(VekWTFwdState_8s32f* pState, const Vek32f* pDlyLow, const Vek32f* pDlyHigh);
VEKS_API VekStatus veksWTFwdGetDlyLine_8s32f(VekWTFwdState_8s32f* pState, Vek32f* pDlyLow, Vek32f* pDlyHigh);
VEKS_API VekStatus veksWTFwd_8s32f(const Vek8s* pSrc, Vek32f* pDstLow, Vek32f* pDstHigh, int dstLen, VekWTFwdState_8s32f* pState);
VEKS_API VekStatus veksWTFwdInitAlloc_16u32f(VekWTFwdState_16u32f** ppState, const Vek32f* pTapsLow, int lenLow, int offsLow, const Vek32f* pTapsHigh, int lenHigh, int offsHigh);
VEKS_API VekStatus veksWTFwdFree_16u32f(VekWTFwdState_16u32f* pState);
VEKS_API VekStatus veksWTFwdSetDlyLine_16u32f(VekWTFwdState_16u32f* pState, const Vek32f* pDlyLow, const Vek32f* pDlyHigh);
VEKS_API VekStatus veksWTFwdGetDlyLine_16u32f(VekWTFwdState_16u32f* pState, Vek32f* pDlyLow, Vek32f* pDlyHigh);
VEKS_API VekStatus veksWTFwd_16u32f(const Vek16u* pSrc, Vek32f* pDstLow, Vek32f* pDstHigh, int dstLen, VekWTFwdState_16u32f* pState);
VEKS_API VekStatus veksWTFwdInitAlloc_16s32f(VekWTFwdState_16s32f** ppState, const Vek32f* pTapsLow, int lenLow, int offsLow, const Vek32f* pTapsHigh, int lenHigh, int offsHigh);
VEKS_API VekStatus veksWTFwdFree_16s32f(VekWTFwdState_16s32f* pState);
VEKS_API VekStatus veksWTFwdSetDlyLine_16s32f(VekWTFwdState_16s32f* pState, const Vek32f* pDlyLow, const Vek32f* pDlyHigh);
VEKS_API VekStatus veksWTFwdGetDlyLine_16s32f(VekWTFwdState_16s32f* pState, Vek32f* pDlyLow, Vek32f* pDlyHigh);
VEKS_API VekStatus veksWTFwd_16s32f(const Vek16s* pSrc, Vek32f* pDstLow, Vek32f* pDstHigh, int dstLen, VekWTFwdState_16s32f* pState);
VEKS_API VekStatus veksWTInvInitAlloc_32f(VekWTInvState_32f** ppState, const Vek32f* pTapsLow, int lenLow, int offsLow, const Vek32f* pTapsHigh, int lenHigh, int offsHigh);
VEKS_API VekStatus veksWTInvFree_32f(VekWTInvState_32f* pState);
VEKS_API VekStatus veksWTInvSetDlyLine_32f(VekWTInvState_32f* pState, const Vek32f* pDlyLow, const Vek32f* pDlyHigh);
VEKS_API VekStatus veksWTInvGetDlyLine_32f(VekWTInvState_32f* pState, Vek32f* pDlyLow, Vek32f* pDlyHigh);
VEKS_API VekStatus veksWTInv_32f(const Vek32f* pSrcLow, const Vek32f* pSrcHigh, int srcLen, Vek32f* pDst, VekWTInvState_32f* pState);
VEKS_API VekStatus veksWTInvInitAlloc_32f8u(VekWTInvState_32f8u** ppState, const Vek32f* pTapsLow, int lenLow, int offsLow, const Vek32f* pTapsHigh, int lenHigh, int offsHigh);
VEKS_API VekStatus veksWTInvFree_32f8u(VekWTInvState_32f8u* pState);
VEKS_API VekStatus veksWTInvSetDlyLine_32f8u(VekWTInvState_32f8u* pState, const Vek32f* pDlyLow, const Vek32f* pDlyHigh);
VEKS_API VekStatus veksWTInvGetDlyLine_32f8u(VekWTInvState_32f8u* pState, Vek32f* pDlyLow, Vek32f* pDlyHigh);
VEKS_API VekStatus veksWTInv_32f8u(const Vek32f* pSrcLow, const Vek32f* pSrcHigh, int srcLen, Vek8u* pDst, VekWTInvState_32f8u* pState);
VEKS_API VekStatus veksWTInvInitAlloc_32f8s(VekWTInvState_32f8s** ppState, const Vek32f* pTapsLow, int lenLow, int offsLow, const Vek32f* pTapsHigh, int lenHigh, int offsHigh);
VEKS_API VekStatus veksWTInvFree_32f8s(VekWTInvState_32f8s* pState);
VEKS_API VekStatus veksWTInvSetDlyLine_32f8s(VekWTInvState_32f8s* pState, const Vek32f* pDlyLow, const Vek32f* pDlyHigh);
VEKS_API VekStatus veksWTInvGetDlyLine_32f8s(VekWTInvState_32f8s* pState, Vek32f* pDlyLow, Vek32f* pDlyHigh);
VEKS_API VekStatus veksWTInv_32f8s(const Vek32f* pSrcLow, const Vek32f* pSrcHigh, int srcLen, Vek8s* pDst, VekWTInvState_32f8s* pState);
VEKS_API VekStatus veksWTInvInitAlloc_32f16u(VekWTInvState_32f16u** ppState, const Vek32f* pTapsLow, int lenLow, int offsLow, const Vek32f* pTapsHigh, int lenHigh, int offsHigh);
VEKS_API VekStatus veksWTInvFree_32f16u(VekWTInvState_32f16u* pState);
VEKS_API VekStatus veksWTInvSetDlyLine_32f16u(VekWTInvState_32f16u* pState, const Vek32f* pDlyLow, const Vek32f* pDlyHigh);
VEKS_API VekStatus veksWTInvGetDlyLine_32f16u(VekWTInvState_32f16u* pState, Vek32f* pDlyLow, Vek32f* pDlyHigh);
VEKS_API VekStatus veksWTInv_32f16u(const Vek32f* pSrcLow, const Vek32f* pSrcHigh, int srcLen, Vek16u* pDst, VekWTInvState_32f16u* pState);
VEKS_API VekStatus veksWTInvInitAlloc_32f16s(VekWTInvState_32f16s** ppState, const Vek32f* pTapsLow, int lenLow, int offsLow, const Vek32f* pTapsHigh, int lenHigh, int offsHigh);
VEKS_API VekStatus veksWTInvFree_32f16s(VekWTInvState_32f16s* pState);
VEKS_API VekStatus veksWTInvSetDlyLine_32f16s(VekWTInvState_32f16s* pState, const Vek32f* pDlyLow, const Vek32f* pDlyHigh);
VEKS_API VekStatus veksWTInvGetDlyLine_32f16s(VekWTInvState_32f16s* pState, Vek32f* pDlyLow, Vek32f* pDlyHigh);
VEKS_API VekStatus veksWTInv_32f16s(const Vek32f* pSrcLow, const Vek32f* pSrcHigh, int srcLen, Vek16s* pDst, VekWTInvState_32f16s* pState);

/* DCT: orthonormal DCT-II forward, DCT-III inverse, any length. Sizes from
 * GetSize, built by Init in caller memory or by InitAlloc. */
typedef struct VekDCTFwdSpec_16s VekDCTFwdSpec_16s;
typedef struct VekDCTFwdSpec_32f VekDCTFwdSpec_32f;
typedef struct VekDCTFwdSpec_64f VekDCTFwdSpec_64f;
typedef struct VekDCTInvSpec_16s VekDCTInvSpec_16s;
typedef struct VekDCTInvSpec_32f VekDCTInvSpec_32f;
typedef struct VekDCTInvSpec_64f VekDCTInvSpec_64f;
VEKS_API VekStatus veksDCTFwdGetSize_32f(int len, int hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize);
VEKS_API VekStatus veksDCTFwdInit_32f(VekDCTFwdSpec_32f** ppSpec, int len, int hint, Vek8u* pSpec, Vek8u* pSpecBuffer);
VEKS_API VekStatus veksDCTFwdInitAlloc_32f(VekDCTFwdSpec_32f** ppSpec, int len, int hint);
VEKS_API VekStatus veksDCTFwdFree_32f(VekDCTFwdSpec_32f* pSpec);
VEKS_API VekStatus veksDCTFwdGetBufSize_32f(const VekDCTFwdSpec_32f* pSpec, int* pBufferSize);
VEKS_API VekStatus veksDCTFwd_32f(const Vek32f* pSrc, Vek32f* pDst, const VekDCTFwdSpec_32f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDCTFwd_32f_I(Vek32f* pSrcDst, const VekDCTFwdSpec_32f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDCTInvGetSize_32f(int len, int hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize);
VEKS_API VekStatus veksDCTInvInit_32f(VekDCTInvSpec_32f** ppSpec, int len, int hint, Vek8u* pSpec, Vek8u* pSpecBuffer);
VEKS_API VekStatus veksDCTInvInitAlloc_32f(VekDCTInvSpec_32f** ppSpec, int len, int hint);
VEKS_API VekStatus veksDCTInvFree_32f(VekDCTInvSpec_32f* pSpec);
VEKS_API VekStatus veksDCTInvGetBufSize_32f(const VekDCTInvSpec_32f* pSpec, int* pBufferSize);
VEKS_API VekStatus veksDCTInv_32f(const Vek32f* pSrc, Vek32f* pDst, const VekDCTInvSpec_32f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDCTInv_32f_I(Vek32f* pSrcDst, const VekDCTInvSpec_32f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDCTFwdGetSize_64f(int len, int hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize);
VEKS_API VekStatus veksDCTFwdInit_64f(VekDCTFwdSpec_64f** ppSpec, int len, int hint, Vek8u* pSpec, Vek8u* pSpecBuffer);
VEKS_API VekStatus veksDCTFwdInitAlloc_64f(VekDCTFwdSpec_64f** ppSpec, int len, int hint);
VEKS_API VekStatus veksDCTFwdFree_64f(VekDCTFwdSpec_64f* pSpec);
VEKS_API VekStatus veksDCTFwdGetBufSize_64f(const VekDCTFwdSpec_64f* pSpec, int* pBufferSize);
VEKS_API VekStatus veksDCTFwd_64f(const Vek64f* pSrc, Vek64f* pDst, const VekDCTFwdSpec_64f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDCTFwd_64f_I(Vek64f* pSrcDst, const VekDCTFwdSpec_64f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDCTInvGetSize_64f(int len, int hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize);
VEKS_API VekStatus veksDCTInvInit_64f(VekDCTInvSpec_64f** ppSpec, int len, int hint, Vek8u* pSpec, Vek8u* pSpecBuffer);
VEKS_API VekStatus veksDCTInvInitAlloc_64f(VekDCTInvSpec_64f** ppSpec, int len, int hint);
VEKS_API VekStatus veksDCTInvFree_64f(VekDCTInvSpec_64f* pSpec);
VEKS_API VekStatus veksDCTInvGetBufSize_64f(const VekDCTInvSpec_64f* pSpec, int* pBufferSize);
VEKS_API VekStatus veksDCTInv_64f(const Vek64f* pSrc, Vek64f* pDst, const VekDCTInvSpec_64f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDCTInv_64f_I(Vek64f* pSrcDst, const VekDCTInvSpec_64f* pSpec, Vek8u* pBuffer);
VEKS_API VekStatus veksDCTFwdGetSize_16s(int len, int hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize);
VEKS_API VekStatus veksDCTFwdInit_16s(VekDCTFwdSpec_16s** ppSpec, int len, int hint, Vek8u* pSpec, Vek8u* pSpecBuffer);
VEKS_API VekStatus veksDCTFwdInitAlloc_16s(VekDCTFwdSpec_16s** ppSpec, int len, int hint);
VEKS_API VekStatus veksDCTFwdFree_16s(VekDCTFwdSpec_16s* pSpec);
VEKS_API VekStatus veksDCTFwdGetBufSize_16s(const VekDCTFwdSpec_16s* pSpec, int* pBufferSize);
VEKS_API VekStatus veksDCTFwd_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, const VekDCTFwdSpec_16s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksDCTFwd_16s_ISfs(Vek16s* pSrcDst, const VekDCTFwdSpec_16s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksDCTInvGetSize_16s(int len, int hint, int* pSpecSize, int* pSpecBufferSize, int* pBufferSize);
VEKS_API VekStatus veksDCTInvInit_16s(VekDCTInvSpec_16s** ppSpec, int len, int hint, Vek8u* pSpec, Vek8u* pSpecBuffer);
VEKS_API VekStatus veksDCTInvInitAlloc_16s(VekDCTInvSpec_16s** ppSpec, int len, int hint);
VEKS_API VekStatus veksDCTInvFree_16s(VekDCTInvSpec_16s* pSpec);
VEKS_API VekStatus veksDCTInvGetBufSize_16s(const VekDCTInvSpec_16s* pSpec, int* pBufferSize);
VEKS_API VekStatus veksDCTInv_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, const VekDCTInvSpec_16s* pSpec, int scaleFactor, Vek8u* pBuffer);
VEKS_API VekStatus veksDCTInv_16s_ISfs(Vek16s* pSrcDst, const VekDCTInvSpec_16s* pSpec, int scaleFactor, Vek8u* pBuffer);

/* Hilbert transform: the analytic signal x + i H{x} of a real block. */
typedef struct VekHilbertSpec_32f32fc VekHilbertSpec_32f32fc;
typedef struct VekHilbertSpec_16s32fc VekHilbertSpec_16s32fc;
typedef struct VekHilbertSpec_16s16sc VekHilbertSpec_16s16sc;
VEKS_API VekStatus veksHilbertInitAlloc_32f32fc(VekHilbertSpec_32f32fc** ppSpec, int len, int hint);
VEKS_API VekStatus veksHilbertFree_32f32fc(VekHilbertSpec_32f32fc* pSpec);
VEKS_API VekStatus veksHilbertInitAlloc_16s32fc(VekHilbertSpec_16s32fc** ppSpec, int len, int hint);
VEKS_API VekStatus veksHilbertFree_16s32fc(VekHilbertSpec_16s32fc* pSpec);
VEKS_API VekStatus veksHilbertInitAlloc_16s16sc(VekHilbertSpec_16s16sc** ppSpec, int len, int hint);
VEKS_API VekStatus veksHilbertFree_16s16sc(VekHilbertSpec_16s16sc* pSpec);
VEKS_API VekStatus veksHilbert_32f32fc(const Vek32f* pSrc, Vek32fc* pDst, const VekHilbertSpec_32f32fc* pSpec);
VEKS_API VekStatus veksHilbert_16s32fc(const Vek16s* pSrc, Vek32fc* pDst, const VekHilbertSpec_16s32fc* pSpec);
VEKS_API VekStatus veksHilbert_16s16sc_Sfs(const Vek16s* pSrc, Vek16sc* pDst, const VekHilbertSpec_16s16sc* pSpec, int scaleFactor);

/* Goertzel: the DTFT of a block at relative frequencies in [0, 1). */
VEKS_API VekStatus veksGoertz_32f(const Vek32f* pSrc, int len, Vek32fc* pVal, Vek32f rFreq);
VEKS_API VekStatus veksGoertz_32fc(const Vek32fc* pSrc, int len, Vek32fc* pVal, Vek32f rFreq);
VEKS_API VekStatus veksGoertz_64f(const Vek64f* pSrc, int len, Vek64fc* pVal, Vek64f rFreq);
VEKS_API VekStatus veksGoertz_64fc(const Vek64fc* pSrc, int len, Vek64fc* pVal, Vek64f rFreq);
VEKS_API VekStatus veksGoertz_16s_Sfs(const Vek16s* pSrc, int len, Vek16sc* pVal, Vek32f rFreq, int scaleFactor);
VEKS_API VekStatus veksGoertz_16sc_Sfs(const Vek16sc* pSrc, int len, Vek16sc* pVal, Vek32f rFreq, int scaleFactor);
VEKS_API VekStatus veksGoertzTwo_32f(const Vek32f* pSrc, int len, Vek32fc* pVal, const Vek32f* rFreq);
VEKS_API VekStatus veksGoertzTwo_32fc(const Vek32fc* pSrc, int len, Vek32fc* pVal, const Vek32f* rFreq);
VEKS_API VekStatus veksGoertzTwo_64f(const Vek64f* pSrc, int len, Vek64fc* pVal, const Vek64f* rFreq);
VEKS_API VekStatus veksGoertzTwo_64fc(const Vek64fc* pSrc, int len, Vek64fc* pVal, const Vek64f* rFreq);
VEKS_API VekStatus veksGoertzTwo_16sc_Sfs(const Vek16sc* pSrc, int len, Vek16sc* pVal, const Vek32f* rFreq,
                                          int scaleFactor);
VEKS_API VekStatus veksGoertzQ15_16sc_Sfs(const Vek16sc* pSrc, int len, Vek16sc* pVal, Vek16s rFreqQ15,
                                          int scaleFactor);
VEKS_API VekStatus veksGoertzTwoQ15_16sc_Sfs(const Vek16sc* pSrc, int len, Vek16sc* pVal, const Vek16s* rFreqQ15,
                                             int scaleFactor);

/* Haar wavelet, one level: low = (a + b) / 2, high = (b - a) / 2 per pair. */
VEKS_API VekStatus veksWTHaarFwd_32f(const Vek32f* pSrc, int len, Vek32f* pDstLow, Vek32f* pDstHigh);
VEKS_API VekStatus veksWTHaarFwd_64f(const Vek64f* pSrc, int len, Vek64f* pDstLow, Vek64f* pDstHigh);
VEKS_API VekStatus veksWTHaarFwd_8s(const Vek8s* pSrc, int len, Vek8s* pDstLow, Vek8s* pDstHigh);
VEKS_API VekStatus veksWTHaarFwd_16s(const Vek16s* pSrc, int len, Vek16s* pDstLow, Vek16s* pDstHigh);
VEKS_API VekStatus veksWTHaarFwd_32s(const Vek32s* pSrc, int len, Vek32s* pDstLow, Vek32s* pDstHigh);
VEKS_API VekStatus veksWTHaarFwd_64s(const Vek64s* pSrc, int len, Vek64s* pDstLow, Vek64s* pDstHigh);
VEKS_API VekStatus veksWTHaarFwd_8s_Sfs(const Vek8s* pSrc, int len, Vek8s* pDstLow, Vek8s* pDstHigh, int scaleFactor);
VEKS_API VekStatus veksWTHaarFwd_16s_Sfs(const Vek16s* pSrc, int len, Vek16s* pDstLow, Vek16s* pDstHigh,
                                         int scaleFactor);
VEKS_API VekStatus veksWTHaarFwd_32s_Sfs(const Vek32s* pSrc, int len, Vek32s* pDstLow, Vek32s* pDstHigh,
                                         int scaleFactor);
VEKS_API VekStatus veksWTHaarFwd_64s_Sfs(const Vek64s* pSrc, int len, Vek64s* pDstLow, Vek64s* pDstHigh,
                                         int scaleFactor);
VEKS_API VekStatus veksWTHaarInv_32f(const Vek32f* pSrcLow, const Vek32f* pSrcHigh, Vek32f* pDst, int len);
VEKS_API VekStatus veksWTHaarInv_64f(const Vek64f* pSrcLow, const Vek64f* pSrcHigh, Vek64f* pDst, int len);
VEKS_API VekStatus veksWTHaarInv_8s(const Vek8s* pSrcLow, const Vek8s* pSrcHigh, Vek8s* pDst, int len);
VEKS_API VekStatus veksWTHaarInv_16s(const Vek16s* pSrcLow, const Vek16s* pSrcHigh, Vek16s* pDst, int len);
VEKS_API VekStatus veksWTHaarInv_32s(const Vek32s* pSrcLow, const Vek32s* pSrcHigh, Vek32s* pDst, int len);
VEKS_API VekStatus veksWTHaarInv_64s(const Vek64s* pSrcLow, const Vek64s* pSrcHigh, Vek64s* pDst, int len);
VEKS_API VekStatus veksWTHaarInv_8s_Sfs(const Vek8s* pSrcLow, const Vek8s* pSrcHigh, Vek8s* pDst, int len,
                                        int scaleFactor);
VEKS_API VekStatus veksWTHaarInv_16s_Sfs(const Vek16s* pSrcLow, const Vek16s* pSrcHigh, Vek16s* pDst, int len,
                                         int scaleFactor);
VEKS_API VekStatus veksWTHaarInv_32s_Sfs(const Vek32s* pSrcLow, const Vek32s* pSrcHigh, Vek32s* pDst, int len,
                                         int scaleFactor);
VEKS_API VekStatus veksWTHaarInv_64s_Sfs(const Vek64s* pSrcLow, const Vek64s* pSrcHigh, Vek64s* pDst, int len,
                                         int scaleFactor);


/* ==== FIR, multirate FIR, LMS ==== */

/* FIR states live in caller memory (Init) or library memory (InitAlloc);
 * callers treat them as opaque and size them with the size queries. */
typedef struct VekFIRState32f_16s VekFIRState32f_16s;
typedef struct VekFIRState32fc_16sc VekFIRState32fc_16sc;
typedef struct VekFIRState32s_16s VekFIRState32s_16s;
typedef struct VekFIRState32sc_16sc VekFIRState32sc_16sc;
typedef struct VekFIRState64f_16s VekFIRState64f_16s;
typedef struct VekFIRState64f_32f VekFIRState64f_32f;
typedef struct VekFIRState64f_32s VekFIRState64f_32s;
typedef struct VekFIRState64fc_16sc VekFIRState64fc_16sc;
typedef struct VekFIRState64fc_32fc VekFIRState64fc_32fc;
typedef struct VekFIRState64fc_32sc VekFIRState64fc_32sc;
typedef struct VekFIRState_16s VekFIRState_16s;
typedef struct VekFIRState_32f VekFIRState_32f;
typedef struct VekFIRState_32fc VekFIRState_32fc;
typedef struct VekFIRState_32s VekFIRState_32s;
typedef struct VekFIRState_64f VekFIRState_64f;
typedef struct VekFIRState_64fc VekFIRState_64fc;
typedef struct VekFIRSparseState_32f VekFIRSparseState_32f;
typedef struct VekFIRLMSState_32f VekFIRLMSState_32f;
typedef struct VekFIRLMSState32f_16s VekFIRLMSState32f_16s;
typedef struct VekFIRLMSMRState32s_16s VekFIRLMSMRState32s_16s;
typedef struct VekFIRLMSMRState32sc_16sc VekFIRLMSMRState32sc_16sc;

/* Single-rate FIR state: y[n] = sum h[j] x[n-j], h in natural order. The
 * public delay line holds tapsLen inputs, most recent first (NULL: zeros). */
VEKS_API VekStatus veksFIRGetStateSize_32f(int tapsLen, int* pBufferSize);
VEKS_API VekStatus veksFIRInit_32f(VekFIRState_32f** ppState, const Vek32f* pTaps, int tapsLen, const Vek32f* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRInitAlloc_32f(VekFIRState_32f** ppState, const Vek32f* pTaps, int tapsLen, const Vek32f* pDlyLine);
VEKS_API VekStatus veksFIRFree_32f(VekFIRState_32f* pState);
VEKS_API VekStatus veksFIRGetTaps_32f(const VekFIRState_32f* pState, Vek32f* pTaps);
VEKS_API VekStatus veksFIRSetTaps_32f(const Vek32f* pTaps, VekFIRState_32f* pState);
VEKS_API VekStatus veksFIRGetDlyLine_32f(const VekFIRState_32f* pState, Vek32f* pDlyLine);
VEKS_API VekStatus veksFIRSetDlyLine_32f(VekFIRState_32f* pState, const Vek32f* pDlyLine);
VEKS_API VekStatus veksFIRGetStateSize_32fc(int tapsLen, int* pBufferSize);
VEKS_API VekStatus veksFIRInit_32fc(VekFIRState_32fc** ppState, const Vek32fc* pTaps, int tapsLen, const Vek32fc* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRInitAlloc_32fc(VekFIRState_32fc** ppState, const Vek32fc* pTaps, int tapsLen, const Vek32fc* pDlyLine);
VEKS_API VekStatus veksFIRFree_32fc(VekFIRState_32fc* pState);
VEKS_API VekStatus veksFIRGetTaps_32fc(const VekFIRState_32fc* pState, Vek32fc* pTaps);
VEKS_API VekStatus veksFIRSetTaps_32fc(const Vek32fc* pTaps, VekFIRState_32fc* pState);
VEKS_API VekStatus veksFIRGetDlyLine_32fc(const VekFIRState_32fc* pState, Vek32fc* pDlyLine);
VEKS_API VekStatus veksFIRSetDlyLine_32fc(VekFIRState_32fc* pState, const Vek32fc* pDlyLine);
VEKS_API VekStatus veksFIRGetStateSize_64f(int tapsLen, int* pBufferSize);
VEKS_API VekStatus veksFIRInit_64f(VekFIRState_64f** ppState, const Vek64f* pTaps, int tapsLen, const Vek64f* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRInitAlloc_64f(VekFIRState_64f** ppState, const Vek64f* pTaps, int tapsLen, const Vek64f* pDlyLine);
VEKS_API VekStatus veksFIRFree_64f(VekFIRState_64f* pState);
VEKS_API VekStatus veksFIRGetTaps_64f(const VekFIRState_64f* pState, Vek64f* pTaps);
VEKS_API VekStatus veksFIRSetTaps_64f(const Vek64f* pTaps, VekFIRState_64f* pState);
VEKS_API VekStatus veksFIRGetDlyLine_64f(const VekFIRState_64f* pState, Vek64f* pDlyLine);
VEKS_API VekStatus veksFIRSetDlyLine_64f(VekFIRState_64f* pState, const Vek64f* pDlyLine);
VEKS_API VekStatus veksFIRGetStateSize_64fc(int tapsLen, int* pBufferSize);
VEKS_API VekStatus veksFIRInit_64fc(VekFIRState_64fc** ppState, const Vek64fc* pTaps, int tapsLen, const Vek64fc* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRInitAlloc_64fc(VekFIRState_64fc** ppState, const Vek64fc* pTaps, int tapsLen, const Vek64fc* pDlyLine);
VEKS_API VekStatus veksFIRFree_64fc(VekFIRState_64fc* pState);
VEKS_API VekStatus veksFIRGetTaps_64fc(const VekFIRState_64fc* pState, Vek64fc* pTaps);
VEKS_API VekStatus veksFIRSetTaps_64fc(const Vek64fc* pTaps, VekFIRState_64fc* pState);
VEKS_API VekStatus veksFIRGetDlyLine_64fc(const VekFIRState_64fc* pState, Vek64fc* pDlyLine);
VEKS_API VekStatus veksFIRSetDlyLine_64fc(VekFIRState_64fc* pState, const Vek64fc* pDlyLine);
VEKS_API VekStatus veksFIRGetStateSize_16s(int tapsLen, int* pBufferSize);
VEKS_API VekStatus veksFIRInit_16s(VekFIRState_16s** ppState, const Vek16s* pTaps, int tapsLen, int tapsFactor, const Vek16s* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRInitAlloc_16s(VekFIRState_16s** ppState, const Vek16s* pTaps, int tapsLen, int tapsFactor, const Vek16s* pDlyLine);
VEKS_API VekStatus veksFIRFree_16s(VekFIRState_16s* pState);
VEKS_API VekStatus veksFIRGetTaps_16s(const VekFIRState_16s* pState, Vek16s* pTaps, int* pTapsFactor);
VEKS_API VekStatus veksFIRSetTaps_16s(const Vek16s* pTaps, VekFIRState_16s* pState, int tapsFactor);
VEKS_API VekStatus veksFIRGetDlyLine_16s(const VekFIRState_16s* pState, Vek16s* pDlyLine);
VEKS_API VekStatus veksFIRSetDlyLine_16s(VekFIRState_16s* pState, const Vek16s* pDlyLine);
VEKS_API VekStatus veksFIRGetStateSize_32s(int tapsLen, int* pBufferSize);
VEKS_API VekStatus veksFIRInit_32s(VekFIRState_32s** ppState, const Vek32s* pTaps, int tapsLen, const Vek32s* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRInitAlloc_32s(VekFIRState_32s** ppState, const Vek32s* pTaps, int tapsLen, const Vek32s* pDlyLine);
VEKS_API VekStatus veksFIRFree_32s(VekFIRState_32s* pState);
VEKS_API VekStatus veksFIRGetTaps_32s(const VekFIRState_32s* pState, Vek32s* pTaps);
VEKS_API VekStatus veksFIRSetTaps_32s(const Vek32s* pTaps, VekFIRState_32s* pState);
VEKS_API VekStatus veksFIRGetStateSize32f_16s(int tapsLen, int* pBufferSize);
VEKS_API VekStatus veksFIRInit32f_16s(VekFIRState32f_16s** ppState, const Vek32f* pTaps, int tapsLen, const Vek16s* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRInitAlloc32f_16s(VekFIRState32f_16s** ppState, const Vek32f* pTaps, int tapsLen, const Vek16s* pDlyLine);
VEKS_API VekStatus veksFIRFree32f_16s(VekFIRState32f_16s* pState);
VEKS_API VekStatus veksFIRGetTaps32f_16s(const VekFIRState32f_16s* pState, Vek32f* pTaps);
VEKS_API VekStatus veksFIRSetTaps32f_16s(const Vek32f* pTaps, VekFIRState32f_16s* pState);
VEKS_API VekStatus veksFIRGetDlyLine32f_16s(const VekFIRState32f_16s* pState, Vek16s* pDlyLine);
VEKS_API VekStatus veksFIRSetDlyLine32f_16s(VekFIRState32f_16s* pState, const Vek16s* pDlyLine);
VEKS_API VekStatus veksFIRGetStateSize32fc_16sc(int tapsLen, int* pBufferSize);
VEKS_API VekStatus veksFIRInit32fc_16sc(VekFIRState32fc_16sc** ppState, const Vek32fc* pTaps, int tapsLen, const Vek16sc* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRInitAlloc32fc_16sc(VekFIRState32fc_16sc** ppState, const Vek32fc* pTaps, int tapsLen, const Vek16sc* pDlyLine);
VEKS_API VekStatus veksFIRFree32fc_16sc(VekFIRState32fc_16sc* pState);
VEKS_API VekStatus veksFIRGetTaps32fc_16sc(const VekFIRState32fc_16sc* pState, Vek32fc* pTaps);
VEKS_API VekStatus veksFIRSetTaps32fc_16sc(const Vek32fc* pTaps, VekFIRState32fc_16sc* pState);
VEKS_API VekStatus veksFIRGetDlyLine32fc_16sc(const VekFIRState32fc_16sc* pState, Vek16sc* pDlyLine);
VEKS_API VekStatus veksFIRSetDlyLine32fc_16sc(VekFIRState32fc_16sc* pState, const Vek16sc* pDlyLine);
VEKS_API VekStatus veksFIRGetStateSize32s_16s(int tapsLen, int* pBufferSize);
VEKS_API VekStatus veksFIRInit32s_16s(VekFIRState32s_16s** ppState, const Vek32s* pTaps, int tapsLen, int tapsFactor, const Vek16s* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRInitAlloc32s_16s(VekFIRState32s_16s** ppState, const Vek32s* pTaps, int tapsLen, int tapsFactor, const Vek16s* pDlyLine);
VEKS_API VekStatus veksFIRFree32s_16s(VekFIRState32s_16s* pState);
VEKS_API VekStatus veksFIRGetTaps32s_16s(const VekFIRState32s_16s* pState, Vek32s* pTaps, int* pTapsFactor);
VEKS_API VekStatus veksFIRSetTaps32s_16s(const Vek32s* pTaps, VekFIRState32s_16s* pState, int tapsFactor);
VEKS_API VekStatus veksFIRGetDlyLine32s_16s(const VekFIRState32s_16s* pState, Vek16s* pDlyLine);
VEKS_API VekStatus veksFIRSetDlyLine32s_16s(VekFIRState32s_16s* pState, const Vek16s* pDlyLine);
VEKS_API VekStatus veksFIRGetStateSize32sc_16sc(int tapsLen, int* pBufferSize);
VEKS_API VekStatus veksFIRInit32sc_16sc(VekFIRState32sc_16sc** ppState, const Vek32sc* pTaps, int tapsLen, int tapsFactor, const Vek16sc* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRInitAlloc32sc_16sc(VekFIRState32sc_16sc** ppState, const Vek32sc* pTaps, int tapsLen, int tapsFactor, const Vek16sc* pDlyLine);
VEKS_API VekStatus veksFIRFree32sc_16sc(VekFIRState32sc_16sc* pState);
VEKS_API VekStatus veksFIRGetTaps32sc_16sc(const VekFIRState32sc_16sc* pState, Vek32sc* pTaps, int* pTapsFactor);
VEKS_API VekStatus veksFIRSetTaps32sc_16sc(const Vek32sc* pTaps, VekFIRState32sc_16sc* pState, int tapsFactor);
VEKS_API VekStatus veksFIRGetDlyLine32sc_16sc(const VekFIRState32sc_16sc* pState, Vek16sc* pDlyLine);
VEKS_API VekStatus veksFIRSetDlyLine32sc_16sc(VekFIRState32sc_16sc* pState, const Vek16sc* pDlyLine);
VEKS_API VekStatus veksFIRGetStateSize64f_16s(int tapsLen, int* pBufferSize);
VEKS_API VekStatus veksFIRInit64f_16s(VekFIRState64f_16s** ppState, const Vek64f* pTaps, int tapsLen, const Vek16s* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRInitAlloc64f_16s(VekFIRState64f_16s** ppState, const Vek64f* pTaps, int tapsLen, const Vek16s* pDlyLine);
VEKS_API VekStatus veksFIRFree64f_16s(VekFIRState64f_16s* pState);
VEKS_API VekStatus veksFIRGetTaps64f_16s(const VekFIRState64f_16s* pState, Vek64f* pTaps);
VEKS_API VekStatus veksFIRSetTaps64f_16s(const Vek64f* pTaps, VekFIRState64f_16s* pState);
VEKS_API VekStatus veksFIRGetDlyLine64f_16s(const VekFIRState64f_16s* pState, Vek16s* pDlyLine);
VEKS_API VekStatus veksFIRSetDlyLine64f_16s(VekFIRState64f_16s* pState, const Vek16s* pDlyLine);
VEKS_API VekStatus veksFIRGetStateSize64f_32f(int tapsLen, int* pBufferSize);
VEKS_API VekStatus veksFIRInit64f_32f(VekFIRState64f_32f** ppState, const Vek64f* pTaps, int tapsLen, const Vek32f* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRInitAlloc64f_32f(VekFIRState64f_32f** ppState, const Vek64f* pTaps, int tapsLen, const Vek32f* pDlyLine);
VEKS_API VekStatus veksFIRFree64f_32f(VekFIRState64f_32f* pState);
VEKS_API VekStatus veksFIRGetTaps64f_32f(const VekFIRState64f_32f* pState, Vek64f* pTaps);
VEKS_API VekStatus veksFIRSetTaps64f_32f(const Vek64f* pTaps, VekFIRState64f_32f* pState);
VEKS_API VekStatus veksFIRGetDlyLine64f_32f(const VekFIRState64f_32f* pState, Vek32f* pDlyLine);
VEKS_API VekStatus veksFIRSetDlyLine64f_32f(VekFIRState64f_32f* pState, const Vek32f* pDlyLine);
VEKS_API VekStatus veksFIRGetStateSize64f_32s(int tapsLen, int* pBufferSize);
VEKS_API VekStatus veksFIRInit64f_32s(VekFIRState64f_32s** ppState, const Vek64f* pTaps, int tapsLen, const Vek32s* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRInitAlloc64f_32s(VekFIRState64f_32s** ppState, const Vek64f* pTaps, int tapsLen, const Vek32s* pDlyLine);
VEKS_API VekStatus veksFIRFree64f_32s(VekFIRState64f_32s* pState);
VEKS_API VekStatus veksFIRGetTaps64f_32s(const VekFIRState64f_32s* pState, Vek64f* pTaps);
VEKS_API VekStatus veksFIRSetTaps64f_32s(const Vek64f* pTaps, VekFIRState64f_32s* pState);
VEKS_API VekStatus veksFIRGetDlyLine64f_32s(const VekFIRState64f_32s* pState, Vek32s* pDlyLine);
VEKS_API VekStatus veksFIRSetDlyLine64f_32s(VekFIRState64f_32s* pState, const Vek32s* pDlyLine);
VEKS_API VekStatus veksFIRGetStateSize64fc_16sc(int tapsLen, int* pBufferSize);
VEKS_API VekStatus veksFIRInit64fc_16sc(VekFIRState64fc_16sc** ppState, const Vek64fc* pTaps, int tapsLen, const Vek16sc* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRInitAlloc64fc_16sc(VekFIRState64fc_16sc** ppState, const Vek64fc* pTaps, int tapsLen, const Vek16sc* pDlyLine);
VEKS_API VekStatus veksFIRFree64fc_16sc(VekFIRState64fc_16sc* pState);
VEKS_API VekStatus veksFIRGetTaps64fc_16sc(const VekFIRState64fc_16sc* pState, Vek64fc* pTaps);
VEKS_API VekStatus veksFIRSetTaps64fc_16sc(const Vek64fc* pTaps, VekFIRState64fc_16sc* pState);
VEKS_API VekStatus veksFIRGetDlyLine64fc_16sc(const VekFIRState64fc_16sc* pState, Vek16sc* pDlyLine);
VEKS_API VekStatus veksFIRSetDlyLine64fc_16sc(VekFIRState64fc_16sc* pState, const Vek16sc* pDlyLine);
VEKS_API VekStatus veksFIRGetStateSize64fc_32fc(int tapsLen, int* pBufferSize);
VEKS_API VekStatus veksFIRInit64fc_32fc(VekFIRState64fc_32fc** ppState, const Vek64fc* pTaps, int tapsLen, const Vek32fc* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRInitAlloc64fc_32fc(VekFIRState64fc_32fc** ppState, const Vek64fc* pTaps, int tapsLen, const Vek32fc* pDlyLine);
VEKS_API VekStatus veksFIRFree64fc_32fc(VekFIRState64fc_32fc* pState);
VEKS_API VekStatus veksFIRGetTaps64fc_32fc(const VekFIRState64fc_32fc* pState, Vek64fc* pTaps);
VEKS_API VekStatus veksFIRSetTaps64fc_32fc(const Vek64fc* pTaps, VekFIRState64fc_32fc* pState);
VEKS_API VekStatus veksFIRGetDlyLine64fc_32fc(const VekFIRState64fc_32fc* pState, Vek32fc* pDlyLine);
VEKS_API VekStatus veksFIRSetDlyLine64fc_32fc(VekFIRState64fc_32fc* pState, const Vek32fc* pDlyLine);
VEKS_API VekStatus veksFIRGetStateSize64fc_32sc(int tapsLen, int* pBufferSize);
VEKS_API VekStatus veksFIRInit64fc_32sc(VekFIRState64fc_32sc** ppState, const Vek64fc* pTaps, int tapsLen, const Vek32sc* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRInitAlloc64fc_32sc(VekFIRState64fc_32sc** ppState, const Vek64fc* pTaps, int tapsLen, const Vek32sc* pDlyLine);
VEKS_API VekStatus veksFIRFree64fc_32sc(VekFIRState64fc_32sc* pState);
VEKS_API VekStatus veksFIRGetTaps64fc_32sc(const VekFIRState64fc_32sc* pState, Vek64fc* pTaps);
VEKS_API VekStatus veksFIRSetTaps64fc_32sc(const Vek64fc* pTaps, VekFIRState64fc_32sc* pState);
VEKS_API VekStatus veksFIRGetDlyLine64fc_32sc(const VekFIRState64fc_32sc* pState, Vek32sc* pDlyLine);
VEKS_API VekStatus veksFIRSetDlyLine64fc_32sc(VekFIRState64fc_32sc* pState, const Vek32sc* pDlyLine);
VEKS_API VekStatus veksFIRGetStateSize32s_16s32f(int tapsLen, int* pBufferSize);
VEKS_API VekStatus veksFIRInit32s_16s32f(VekFIRState32s_16s** ppState, const Vek32f* pTaps, int tapsLen, const Vek16s* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRInitAlloc32s_16s32f(VekFIRState32s_16s** ppState, const Vek32f* pTaps, int tapsLen, const Vek16s* pDlyLine);
VEKS_API VekStatus veksFIRGetTaps32s_16s32f(const VekFIRState32s_16s* pState, Vek32f* pTaps);
VEKS_API VekStatus veksFIRSetTaps32s_16s32f(const Vek32f* pTaps, VekFIRState32s_16s* pState);
VEKS_API VekStatus veksFIRGetStateSize32sc_16sc32fc(int tapsLen, int* pBufferSize);
VEKS_API VekStatus veksFIRInit32sc_16sc32fc(VekFIRState32sc_16sc** ppState, const Vek32fc* pTaps, int tapsLen, const Vek16sc* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRInitAlloc32sc_16sc32fc(VekFIRState32sc_16sc** ppState, const Vek32fc* pTaps, int tapsLen, const Vek16sc* pDlyLine);
VEKS_API VekStatus veksFIRGetTaps32sc_16sc32fc(const VekFIRState32sc_16sc* pState, Vek32fc* pTaps);
VEKS_API VekStatus veksFIRSetTaps32sc_16sc32fc(const Vek32fc* pTaps, VekFIRState32sc_16sc* pState);

/* Block and one-sample filtering; also runs multirate and stream states. */
VEKS_API VekStatus veksFIR_32f(const Vek32f* pSrc, Vek32f* pDst, int numIters, VekFIRState_32f* pState);
VEKS_API VekStatus veksFIR_32f_I(Vek32f* pSrcDst, int numIters, VekFIRState_32f* pState);
VEKS_API VekStatus veksFIROne_32f(Vek32f src, Vek32f* pDstVal, VekFIRState_32f* pState);
VEKS_API VekStatus veksFIR_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int numIters, VekFIRState_32fc* pState);
VEKS_API VekStatus veksFIR_32fc_I(Vek32fc* pSrcDst, int numIters, VekFIRState_32fc* pState);
VEKS_API VekStatus veksFIROne_32fc(Vek32fc src, Vek32fc* pDstVal, VekFIRState_32fc* pState);
VEKS_API VekStatus veksFIR_64f(const Vek64f* pSrc, Vek64f* pDst, int numIters, VekFIRState_64f* pState);
VEKS_API VekStatus veksFIR_64f_I(Vek64f* pSrcDst, int numIters, VekFIRState_64f* pState);
VEKS_API VekStatus veksFIROne_64f(Vek64f src, Vek64f* pDstVal, VekFIRState_64f* pState);
VEKS_API VekStatus veksFIR_64fc(const Vek64fc* pSrc, Vek64fc* pDst, int numIters, VekFIRState_64fc* pState);
VEKS_API VekStatus veksFIR_64fc_I(Vek64fc* pSrcDst, int numIters, VekFIRState_64fc* pState);
VEKS_API VekStatus veksFIROne_64fc(Vek64fc src, Vek64fc* pDstVal, VekFIRState_64fc* pState);
VEKS_API VekStatus veksFIR64f_32f(const Vek32f* pSrc, Vek32f* pDst, int numIters, VekFIRState64f_32f* pState);
VEKS_API VekStatus veksFIR64f_32f_I(Vek32f* pSrcDst, int numIters, VekFIRState64f_32f* pState);
VEKS_API VekStatus veksFIROne64f_32f(Vek32f src, Vek32f* pDstVal, VekFIRState64f_32f* pState);
VEKS_API VekStatus veksFIR64fc_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int numIters, VekFIRState64fc_32fc* pState);
VEKS_API VekStatus veksFIR64fc_32fc_I(Vek32fc* pSrcDst, int numIters, VekFIRState64fc_32fc* pState);
VEKS_API VekStatus veksFIROne64fc_32fc(Vek32fc src, Vek32fc* pDstVal, VekFIRState64fc_32fc* pState);
VEKS_API VekStatus veksFIR_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, int numIters, VekFIRState_16s* pState, int scaleFactor);
VEKS_API VekStatus veksFIR_16s_ISfs(Vek16s* pSrcDst, int numIters, VekFIRState_16s* pState, int scaleFactor);
VEKS_API VekStatus veksFIROne_16s_Sfs(Vek16s src, Vek16s* pDstVal, VekFIRState_16s* pState, int scaleFactor);
VEKS_API VekStatus veksFIR_32s_Sfs(const Vek32s* pSrc, Vek32s* pDst, int numIters, VekFIRState_32s* pState, int scaleFactor);
VEKS_API VekStatus veksFIR_32s_ISfs(Vek32s* pSrcDst, int numIters, VekFIRState_32s* pState, int scaleFactor);
VEKS_API VekStatus veksFIROne_32s_Sfs(Vek32s src, Vek32s* pDstVal, VekFIRState_32s* pState, int scaleFactor);
VEKS_API VekStatus veksFIR32f_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, int numIters, VekFIRState32f_16s* pState, int scaleFactor);
VEKS_API VekStatus veksFIR32f_16s_ISfs(Vek16s* pSrcDst, int numIters, VekFIRState32f_16s* pState, int scaleFactor);
VEKS_API VekStatus veksFIROne32f_16s_Sfs(Vek16s src, Vek16s* pDstVal, VekFIRState32f_16s* pState, int scaleFactor);
VEKS_API VekStatus veksFIR32fc_16sc_Sfs(const Vek16sc* pSrc, Vek16sc* pDst, int numIters, VekFIRState32fc_16sc* pState, int scaleFactor);
VEKS_API VekStatus veksFIR32fc_16sc_ISfs(Vek16sc* pSrcDst, int numIters, VekFIRState32fc_16sc* pState, int scaleFactor);
VEKS_API VekStatus veksFIROne32fc_16sc_Sfs(Vek16sc src, Vek16sc* pDstVal, VekFIRState32fc_16sc* pState, int scaleFactor);
VEKS_API VekStatus veksFIR32s_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, int numIters, VekFIRState32s_16s* pState, int scaleFactor);
VEKS_API VekStatus veksFIR32s_16s_ISfs(Vek16s* pSrcDst, int numIters, VekFIRState32s_16s* pState, int scaleFactor);
VEKS_API VekStatus veksFIROne32s_16s_Sfs(Vek16s src, Vek16s* pDstVal, VekFIRState32s_16s* pState, int scaleFactor);
VEKS_API VekStatus veksFIR32sc_16sc_Sfs(const Vek16sc* pSrc, Vek16sc* pDst, int numIters, VekFIRState32sc_16sc* pState, int scaleFactor);
VEKS_API VekStatus veksFIR32sc_16sc_ISfs(Vek16sc* pSrcDst, int numIters, VekFIRState32sc_16sc* pState, int scaleFactor);
VEKS_API VekStatus veksFIROne32sc_16sc_Sfs(Vek16sc src, Vek16sc* pDstVal, VekFIRState32sc_16sc* pState, int scaleFactor);
VEKS_API VekStatus veksFIR64f_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, int numIters, VekFIRState64f_16s* pState, int scaleFactor);
VEKS_API VekStatus veksFIR64f_16s_ISfs(Vek16s* pSrcDst, int numIters, VekFIRState64f_16s* pState, int scaleFactor);
VEKS_API VekStatus veksFIROne64f_16s_Sfs(Vek16s src, Vek16s* pDstVal, VekFIRState64f_16s* pState, int scaleFactor);
VEKS_API VekStatus veksFIR64f_32s_Sfs(const Vek32s* pSrc, Vek32s* pDst, int numIters, VekFIRState64f_32s* pState, int scaleFactor);
VEKS_API VekStatus veksFIR64f_32s_ISfs(Vek32s* pSrcDst, int numIters, VekFIRState64f_32s* pState, int scaleFactor);
VEKS_API VekStatus veksFIROne64f_32s_Sfs(Vek32s src, Vek32s* pDstVal, VekFIRState64f_32s* pState, int scaleFactor);
VEKS_API VekStatus veksFIR64fc_16sc_Sfs(const Vek16sc* pSrc, Vek16sc* pDst, int numIters, VekFIRState64fc_16sc* pState, int scaleFactor);
VEKS_API VekStatus veksFIR64fc_16sc_ISfs(Vek16sc* pSrcDst, int numIters, VekFIRState64fc_16sc* pState, int scaleFactor);
VEKS_API VekStatus veksFIROne64fc_16sc_Sfs(Vek16sc src, Vek16sc* pDstVal, VekFIRState64fc_16sc* pState, int scaleFactor);
VEKS_API VekStatus veksFIR64fc_32sc_Sfs(const Vek32sc* pSrc, Vek32sc* pDst, int numIters, VekFIRState64fc_32sc* pState, int scaleFactor);
VEKS_API VekStatus veksFIR64fc_32sc_ISfs(Vek32sc* pSrcDst, int numIters, VekFIRState64fc_32sc* pState, int scaleFactor);
VEKS_API VekStatus veksFIROne64fc_32sc_Sfs(Vek32sc src, Vek32sc* pDstVal, VekFIRState64fc_32sc* pState, int scaleFactor);

/* Stateless filtering: the caller keeps taps (natural order), a delay line
 * of 2*tapsLen elements (doubled circular line) and the delay index. The
 * 16s forms take Q15 taps. */
VEKS_API VekStatus veksFIR_Direct_32f(const Vek32f* pSrc, Vek32f* pDst, int numIters, const Vek32f* pTaps, int tapsLen, Vek32f* pDlyLine, int* pDlyLineIndex);
VEKS_API VekStatus veksFIR_Direct_32f_I(Vek32f* pSrcDst, int numIters, const Vek32f* pTaps, int tapsLen, Vek32f* pDlyLine, int* pDlyLineIndex);
VEKS_API VekStatus veksFIROne_Direct_32f(Vek32f src, Vek32f* pDstVal, const Vek32f* pTaps, int tapsLen, Vek32f* pDlyLine, int* pDlyLineIndex);
VEKS_API VekStatus veksFIROne_Direct_32f_I(Vek32f* pSrcDstVal, const Vek32f* pTaps, int tapsLen, Vek32f* pDlyLine, int* pDlyLineIndex);
VEKS_API VekStatus veksFIR_Direct_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int numIters, const Vek32fc* pTaps, int tapsLen, Vek32fc* pDlyLine, int* pDlyLineIndex);
VEKS_API VekStatus veksFIR_Direct_32fc_I(Vek32fc* pSrcDst, int numIters, const Vek32fc* pTaps, int tapsLen, Vek32fc* pDlyLine, int* pDlyLineIndex);
VEKS_API VekStatus veksFIROne_Direct_32fc(Vek32fc src, Vek32fc* pDstVal, const Vek32fc* pTaps, int tapsLen, Vek32fc* pDlyLine, int* pDlyLineIndex);
VEKS_API VekStatus veksFIROne_Direct_32fc_I(Vek32fc* pSrcDstVal, const Vek32fc* pTaps, int tapsLen, Vek32fc* pDlyLine, int* pDlyLineIndex);
VEKS_API VekStatus veksFIR_Direct_64f(const Vek64f* pSrc, Vek64f* pDst, int numIters, const Vek64f* pTaps, int tapsLen, Vek64f* pDlyLine, int* pDlyLineIndex);
VEKS_API VekStatus veksFIR_Direct_64f_I(Vek64f* pSrcDst, int numIters, const Vek64f* pTaps, int tapsLen, Vek64f* pDlyLine, int* pDlyLineIndex);
VEKS_API VekStatus veksFIROne_Direct_64f(Vek64f src, Vek64f* pDstVal, const Vek64f* pTaps, int tapsLen, Vek64f* pDlyLine, int* pDlyLineIndex);
VEKS_API VekStatus veksFIROne_Direct_64f_I(Vek64f* pSrcDstVal, const Vek64f* pTaps, int tapsLen, Vek64f* pDlyLine, int* pDlyLineIndex);
VEKS_API VekStatus veksFIR_Direct_64fc(const Vek64fc* pSrc, Vek64fc* pDst, int numIters, const Vek64fc* pTaps, int tapsLen, Vek64fc* pDlyLine, int* pDlyLineIndex);
VEKS_API VekStatus veksFIR_Direct_64fc_I(Vek64fc* pSrcDst, int numIters, const Vek64fc* pTaps, int tapsLen, Vek64fc* pDlyLine, int* pDlyLineIndex);
VEKS_API VekStatus veksFIROne_Direct_64fc(Vek64fc src, Vek64fc* pDstVal, const Vek64fc* pTaps, int tapsLen, Vek64fc* pDlyLine, int* pDlyLineIndex);
VEKS_API VekStatus veksFIROne_Direct_64fc_I(Vek64fc* pSrcDstVal, const Vek64fc* pTaps, int tapsLen, Vek64fc* pDlyLine, int* pDlyLineIndex);
VEKS_API VekStatus veksFIR_Direct_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, int numIters, const Vek16s* pTaps, int tapsLen, Vek16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIR_Direct_16s_ISfs(Vek16s* pSrcDst, int numIters, const Vek16s* pTaps, int tapsLen, Vek16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIROne_Direct_16s_Sfs(Vek16s src, Vek16s* pDstVal, const Vek16s* pTaps, int tapsLen, Vek16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIROne_Direct_16s_ISfs(Vek16s* pSrcDstVal, const Vek16s* pTaps, int tapsLen, Vek16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIR32f_Direct_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, int numIters, const Vek32f* pTaps, int tapsLen, Vek16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIR32f_Direct_16s_ISfs(Vek16s* pSrcDst, int numIters, const Vek32f* pTaps, int tapsLen, Vek16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIROne32f_Direct_16s_Sfs(Vek16s src, Vek16s* pDstVal, const Vek32f* pTaps, int tapsLen, Vek16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIROne32f_Direct_16s_ISfs(Vek16s* pSrcDstVal, const Vek32f* pTaps, int tapsLen, Vek16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIR32fc_Direct_16sc_Sfs(const Vek16sc* pSrc, Vek16sc* pDst, int numIters, const Vek32fc* pTaps, int tapsLen, Vek16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIR32fc_Direct_16sc_ISfs(Vek16sc* pSrcDst, int numIters, const Vek32fc* pTaps, int tapsLen, Vek16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIROne32fc_Direct_16sc_Sfs(Vek16sc src, Vek16sc* pDstVal, const Vek32fc* pTaps, int tapsLen, Vek16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIROne32fc_Direct_16sc_ISfs(Vek16sc* pSrcDstVal, const Vek32fc* pTaps, int tapsLen, Vek16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIR32s_Direct_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, int numIters, const Vek32s* pTaps, int tapsLen, int tapsFactor, Vek16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIR32s_Direct_16s_ISfs(Vek16s* pSrcDst, int numIters, const Vek32s* pTaps, int tapsLen, int tapsFactor, Vek16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIROne32s_Direct_16s_Sfs(Vek16s src, Vek16s* pDstVal, const Vek32s* pTaps, int tapsLen, int tapsFactor, Vek16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIROne32s_Direct_16s_ISfs(Vek16s* pSrcDstVal, const Vek32s* pTaps, int tapsLen, int tapsFactor, Vek16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIR32sc_Direct_16sc_Sfs(const Vek16sc* pSrc, Vek16sc* pDst, int numIters, const Vek32sc* pTaps, int tapsLen, int tapsFactor, Vek16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIR32sc_Direct_16sc_ISfs(Vek16sc* pSrcDst, int numIters, const Vek32sc* pTaps, int tapsLen, int tapsFactor, Vek16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIROne32sc_Direct_16sc_Sfs(Vek16sc src, Vek16sc* pDstVal, const Vek32sc* pTaps, int tapsLen, int tapsFactor, Vek16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIROne32sc_Direct_16sc_ISfs(Vek16sc* pSrcDstVal, const Vek32sc* pTaps, int tapsLen, int tapsFactor, Vek16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIR64f_Direct_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, int numIters, const Vek64f* pTaps, int tapsLen, Vek16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIR64f_Direct_16s_ISfs(Vek16s* pSrcDst, int numIters, const Vek64f* pTaps, int tapsLen, Vek16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIROne64f_Direct_16s_Sfs(Vek16s src, Vek16s* pDstVal, const Vek64f* pTaps, int tapsLen, Vek16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIROne64f_Direct_16s_ISfs(Vek16s* pSrcDstVal, const Vek64f* pTaps, int tapsLen, Vek16s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIR64f_Direct_32s_Sfs(const Vek32s* pSrc, Vek32s* pDst, int numIters, const Vek64f* pTaps, int tapsLen, Vek32s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIR64f_Direct_32s_ISfs(Vek32s* pSrcDst, int numIters, const Vek64f* pTaps, int tapsLen, Vek32s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIROne64f_Direct_32s_Sfs(Vek32s src, Vek32s* pDstVal, const Vek64f* pTaps, int tapsLen, Vek32s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIROne64f_Direct_32s_ISfs(Vek32s* pSrcDstVal, const Vek64f* pTaps, int tapsLen, Vek32s* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIR64fc_Direct_16sc_Sfs(const Vek16sc* pSrc, Vek16sc* pDst, int numIters, const Vek64fc* pTaps, int tapsLen, Vek16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIR64fc_Direct_16sc_ISfs(Vek16sc* pSrcDst, int numIters, const Vek64fc* pTaps, int tapsLen, Vek16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIROne64fc_Direct_16sc_Sfs(Vek16sc src, Vek16sc* pDstVal, const Vek64fc* pTaps, int tapsLen, Vek16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIROne64fc_Direct_16sc_ISfs(Vek16sc* pSrcDstVal, const Vek64fc* pTaps, int tapsLen, Vek16sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIR64fc_Direct_32sc_Sfs(const Vek32sc* pSrc, Vek32sc* pDst, int numIters, const Vek64fc* pTaps, int tapsLen, Vek32sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIR64fc_Direct_32sc_ISfs(Vek32sc* pSrcDst, int numIters, const Vek64fc* pTaps, int tapsLen, Vek32sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIROne64fc_Direct_32sc_Sfs(Vek32sc src, Vek32sc* pDstVal, const Vek64fc* pTaps, int tapsLen, Vek32sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIROne64fc_Direct_32sc_ISfs(Vek32sc* pSrcDstVal, const Vek64fc* pTaps, int tapsLen, Vek32sc* pDlyLine, int* pDlyLineIndex, int scaleFactor);
VEKS_API VekStatus veksFIR64f_Direct_32f(const Vek32f* pSrc, Vek32f* pDst, int numIters, const Vek64f* pTaps, int tapsLen, Vek32f* pDlyLine, int* pDlyLineIndex);
VEKS_API VekStatus veksFIR64f_Direct_32f_I(Vek32f* pSrcDst, int numIters, const Vek64f* pTaps, int tapsLen, Vek32f* pDlyLine, int* pDlyLineIndex);
VEKS_API VekStatus veksFIROne64f_Direct_32f(Vek32f src, Vek32f* pDstVal, const Vek64f* pTaps, int tapsLen, Vek32f* pDlyLine, int* pDlyLineIndex);
VEKS_API VekStatus veksFIROne64f_Direct_32f_I(Vek32f* pSrcDstVal, const Vek64f* pTaps, int tapsLen, Vek32f* pDlyLine, int* pDlyLineIndex);
VEKS_API VekStatus veksFIR64fc_Direct_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int numIters, const Vek64fc* pTaps, int tapsLen, Vek32fc* pDlyLine, int* pDlyLineIndex);
VEKS_API VekStatus veksFIR64fc_Direct_32fc_I(Vek32fc* pSrcDst, int numIters, const Vek64fc* pTaps, int tapsLen, Vek32fc* pDlyLine, int* pDlyLineIndex);
VEKS_API VekStatus veksFIROne64fc_Direct_32fc(Vek32fc src, Vek32fc* pDstVal, const Vek64fc* pTaps, int tapsLen, Vek32fc* pDlyLine, int* pDlyLineIndex);
VEKS_API VekStatus veksFIROne64fc_Direct_32fc_I(Vek32fc* pSrcDstVal, const Vek64fc* pTaps, int tapsLen, Vek32fc* pDlyLine, int* pDlyLineIndex);

/* Stream states keep no history: the source holds numIters + tapsLen - 1
 * samples, oldest first. Sparse filter: non-zero taps at strictly
 * increasing positions. */
VEKS_API VekStatus veksFIRStreamGetStateSize_32f(int tapsLen, int* pBufferSize);
VEKS_API VekStatus veksFIRStreamGetStateSize_16s(int tapsLen, int* pBufferSize);
VEKS_API VekStatus veksFIRStreamInit_32f(VekFIRState_32f** ppState, const Vek32f* pTaps, int tapsLen, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRStreamInit_16s(VekFIRState_16s** ppState, const Vek16s* pTaps, int tapsLen, int tapsFactor, int rndMode, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRStreamInitAlloc_32f(VekFIRState_32f** ppState, const Vek32f* pTaps, int tapsLen);
VEKS_API VekStatus veksFIRStreamInitAlloc_16s(VekFIRState_16s** ppState, const Vek16s* pTaps, int tapsLen, int tapsFactor, int rndMode);
VEKS_API VekStatus veksFIRSparseGetStateSize_32f(int nzTapsLen, int order, int* pBufferSize);
VEKS_API VekStatus veksFIRSparseInit_32f(VekFIRSparseState_32f** ppState, const Vek32f* pNzTaps, const Vek32s* pNzTapPos, int nzTapsLen, const Vek32f* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRSparse_32f(const Vek32f* pSrc, Vek32f* pDst, int len, VekFIRSparseState_32f* pState);

/* Multirate FIR: up-sample by upFactor (sample at upPhase), filter, keep
 * every downFactor-th output from downPhase. numIters*downFactor inputs give
 * numIters*upFactor outputs; the delay line holds ceil(tapsLen/upFactor)
 * inputs, most recent first. Block calls go through veksFIR_*. */
VEKS_API VekStatus veksFIRMRGetStateSize_16s(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
VEKS_API VekStatus veksFIRMRInit_16s(VekFIRState_16s** ppState, const Vek16s* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, const Vek16s* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRMRInitAlloc_16s(VekFIRState_16s** ppState, const Vek16s* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, const Vek16s* pDlyLine);
VEKS_API VekStatus veksFIRMRGetStateSize_32f(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
VEKS_API VekStatus veksFIRMRInit_32f(VekFIRState_32f** ppState, const Vek32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vek32f* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRMRInitAlloc_32f(VekFIRState_32f** ppState, const Vek32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vek32f* pDlyLine);
VEKS_API VekStatus veksFIRMRGetStateSize_32fc(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
VEKS_API VekStatus veksFIRMRInit_32fc(VekFIRState_32fc** ppState, const Vek32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vek32fc* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRMRInitAlloc_32fc(VekFIRState_32fc** ppState, const Vek32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vek32fc* pDlyLine);
VEKS_API VekStatus veksFIRMRGetStateSize_64f(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
VEKS_API VekStatus veksFIRMRInit_64f(VekFIRState_64f** ppState, const Vek64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vek64f* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRMRInitAlloc_64f(VekFIRState_64f** ppState, const Vek64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vek64f* pDlyLine);
VEKS_API VekStatus veksFIRMRGetStateSize_64fc(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
VEKS_API VekStatus veksFIRMRInit_64fc(VekFIRState_64fc** ppState, const Vek64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vek64fc* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRMRInitAlloc_64fc(VekFIRState_64fc** ppState, const Vek64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vek64fc* pDlyLine);
VEKS_API VekStatus veksFIRMRGetStateSize32f_16s(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
VEKS_API VekStatus veksFIRMRInit32f_16s(VekFIRState32f_16s** ppState, const Vek32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vek16s* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRMRInitAlloc32f_16s(VekFIRState32f_16s** ppState, const Vek32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vek16s* pDlyLine);
VEKS_API VekStatus veksFIRMRGetStateSize32fc_16sc(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
VEKS_API VekStatus veksFIRMRInit32fc_16sc(VekFIRState32fc_16sc** ppState, const Vek32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vek16sc* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRMRInitAlloc32fc_16sc(VekFIRState32fc_16sc** ppState, const Vek32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vek16sc* pDlyLine);
VEKS_API VekStatus veksFIRMRGetStateSize32s_16s(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
VEKS_API VekStatus veksFIRMRInit32s_16s(VekFIRState32s_16s** ppState, const Vek32s* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, const Vek16s* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRMRInitAlloc32s_16s(VekFIRState32s_16s** ppState, const Vek32s* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, const Vek16s* pDlyLine);
VEKS_API VekStatus veksFIRMRGetStateSize32s_16s32f(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
VEKS_API VekStatus veksFIRMRInit32s_16s32f(VekFIRState32s_16s** ppState, const Vek32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vek16s* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRMRInitAlloc32s_16s32f(VekFIRState32s_16s** ppState, const Vek32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vek16s* pDlyLine);
VEKS_API VekStatus veksFIRMRGetStateSize32sc_16sc(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
VEKS_API VekStatus veksFIRMRInit32sc_16sc(VekFIRState32sc_16sc** ppState, const Vek32sc* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, const Vek16sc* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRMRInitAlloc32sc_16sc(VekFIRState32sc_16sc** ppState, const Vek32sc* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, const Vek16sc* pDlyLine);
VEKS_API VekStatus veksFIRMRGetStateSize32sc_16sc32fc(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
VEKS_API VekStatus veksFIRMRInit32sc_16sc32fc(VekFIRState32sc_16sc** ppState, const Vek32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vek16sc* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRMRInitAlloc32sc_16sc32fc(VekFIRState32sc_16sc** ppState, const Vek32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vek16sc* pDlyLine);
VEKS_API VekStatus veksFIRMRGetStateSize64f_16s(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
VEKS_API VekStatus veksFIRMRInit64f_16s(VekFIRState64f_16s** ppState, const Vek64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vek16s* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRMRInitAlloc64f_16s(VekFIRState64f_16s** ppState, const Vek64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vek16s* pDlyLine);
VEKS_API VekStatus veksFIRMRGetStateSize64f_32f(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
VEKS_API VekStatus veksFIRMRInit64f_32f(VekFIRState64f_32f** ppState, const Vek64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vek32f* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRMRInitAlloc64f_32f(VekFIRState64f_32f** ppState, const Vek64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vek32f* pDlyLine);
VEKS_API VekStatus veksFIRMRGetStateSize64f_32s(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
VEKS_API VekStatus veksFIRMRInit64f_32s(VekFIRState64f_32s** ppState, const Vek64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vek32s* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRMRInitAlloc64f_32s(VekFIRState64f_32s** ppState, const Vek64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vek32s* pDlyLine);
VEKS_API VekStatus veksFIRMRGetStateSize64fc_16sc(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
VEKS_API VekStatus veksFIRMRInit64fc_16sc(VekFIRState64fc_16sc** ppState, const Vek64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vek16sc* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRMRInitAlloc64fc_16sc(VekFIRState64fc_16sc** ppState, const Vek64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vek16sc* pDlyLine);
VEKS_API VekStatus veksFIRMRGetStateSize64fc_32fc(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
VEKS_API VekStatus veksFIRMRInit64fc_32fc(VekFIRState64fc_32fc** ppState, const Vek64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vek32fc* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRMRInitAlloc64fc_32fc(VekFIRState64fc_32fc** ppState, const Vek64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vek32fc* pDlyLine);
VEKS_API VekStatus veksFIRMRGetStateSize64fc_32sc(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
VEKS_API VekStatus veksFIRMRInit64fc_32sc(VekFIRState64fc_32sc** ppState, const Vek64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vek32sc* pDlyLine, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRMRInitAlloc64fc_32sc(VekFIRState64fc_32sc** ppState, const Vek64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, const Vek32sc* pDlyLine);
VEKS_API VekStatus veksFIRMR_Direct_32f(const Vek32f* pSrc, Vek32f* pDst, int numIters, const Vek32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vek32f* pDlyLine);
VEKS_API VekStatus veksFIRMR_Direct_32f_I(Vek32f* pSrcDst, int numIters, const Vek32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vek32f* pDlyLine);
VEKS_API VekStatus veksFIRMR_Direct_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int numIters, const Vek32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vek32fc* pDlyLine);
VEKS_API VekStatus veksFIRMR_Direct_32fc_I(Vek32fc* pSrcDst, int numIters, const Vek32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vek32fc* pDlyLine);
VEKS_API VekStatus veksFIRMR_Direct_64f(const Vek64f* pSrc, Vek64f* pDst, int numIters, const Vek64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vek64f* pDlyLine);
VEKS_API VekStatus veksFIRMR_Direct_64f_I(Vek64f* pSrcDst, int numIters, const Vek64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vek64f* pDlyLine);
VEKS_API VekStatus veksFIRMR_Direct_64fc(const Vek64fc* pSrc, Vek64fc* pDst, int numIters, const Vek64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vek64fc* pDlyLine);
VEKS_API VekStatus veksFIRMR_Direct_64fc_I(Vek64fc* pSrcDst, int numIters, const Vek64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vek64fc* pDlyLine);
VEKS_API VekStatus veksFIRMR_Direct_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, int numIters, const Vek16s* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vek16s* pDlyLine, int scaleFactor);
VEKS_API VekStatus veksFIRMR_Direct_16s_ISfs(Vek16s* pSrcDst, int numIters, const Vek16s* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vek16s* pDlyLine, int scaleFactor);
VEKS_API VekStatus veksFIRMR32f_Direct_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, int numIters, const Vek32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vek16s* pDlyLine, int scaleFactor);
VEKS_API VekStatus veksFIRMR32f_Direct_16s_ISfs(Vek16s* pSrcDst, int numIters, const Vek32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vek16s* pDlyLine, int scaleFactor);
VEKS_API VekStatus veksFIRMR32fc_Direct_16sc_Sfs(const Vek16sc* pSrc, Vek16sc* pDst, int numIters, const Vek32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vek16sc* pDlyLine, int scaleFactor);
VEKS_API VekStatus veksFIRMR32fc_Direct_16sc_ISfs(Vek16sc* pSrcDst, int numIters, const Vek32fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vek16sc* pDlyLine, int scaleFactor);
VEKS_API VekStatus veksFIRMR32s_Direct_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, int numIters, const Vek32s* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, Vek16s* pDlyLine, int scaleFactor);
VEKS_API VekStatus veksFIRMR32s_Direct_16s_ISfs(Vek16s* pSrcDst, int numIters, const Vek32s* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, Vek16s* pDlyLine, int scaleFactor);
VEKS_API VekStatus veksFIRMR32sc_Direct_16sc_Sfs(const Vek16sc* pSrc, Vek16sc* pDst, int numIters, const Vek32sc* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, Vek16sc* pDlyLine, int scaleFactor);
VEKS_API VekStatus veksFIRMR32sc_Direct_16sc_ISfs(Vek16sc* pSrcDst, int numIters, const Vek32sc* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, Vek16sc* pDlyLine, int scaleFactor);
VEKS_API VekStatus veksFIRMR64f_Direct_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, int numIters, const Vek64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vek16s* pDlyLine, int scaleFactor);
VEKS_API VekStatus veksFIRMR64f_Direct_16s_ISfs(Vek16s* pSrcDst, int numIters, const Vek64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vek16s* pDlyLine, int scaleFactor);
VEKS_API VekStatus veksFIRMR64f_Direct_32s_Sfs(const Vek32s* pSrc, Vek32s* pDst, int numIters, const Vek64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vek32s* pDlyLine, int scaleFactor);
VEKS_API VekStatus veksFIRMR64f_Direct_32s_ISfs(Vek32s* pSrcDst, int numIters, const Vek64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vek32s* pDlyLine, int scaleFactor);
VEKS_API VekStatus veksFIRMR64fc_Direct_16sc_Sfs(const Vek16sc* pSrc, Vek16sc* pDst, int numIters, const Vek64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vek16sc* pDlyLine, int scaleFactor);
VEKS_API VekStatus veksFIRMR64fc_Direct_16sc_ISfs(Vek16sc* pSrcDst, int numIters, const Vek64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vek16sc* pDlyLine, int scaleFactor);
VEKS_API VekStatus veksFIRMR64fc_Direct_32sc_Sfs(const Vek32sc* pSrc, Vek32sc* pDst, int numIters, const Vek64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vek32sc* pDlyLine, int scaleFactor);
VEKS_API VekStatus veksFIRMR64fc_Direct_32sc_ISfs(Vek32sc* pSrcDst, int numIters, const Vek64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vek32sc* pDlyLine, int scaleFactor);
VEKS_API VekStatus veksFIRMR64f_Direct_32f(const Vek32f* pSrc, Vek32f* pDst, int numIters, const Vek64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vek32f* pDlyLine);
VEKS_API VekStatus veksFIRMR64f_Direct_32f_I(Vek32f* pSrcDst, int numIters, const Vek64f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vek32f* pDlyLine);
VEKS_API VekStatus veksFIRMR64fc_Direct_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int numIters, const Vek64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vek32fc* pDlyLine);
VEKS_API VekStatus veksFIRMR64fc_Direct_32fc_I(Vek32fc* pSrcDst, int numIters, const Vek64fc* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vek32fc* pDlyLine);
VEKS_API VekStatus veksFIRMRStreamGetStateSize_32f(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
VEKS_API VekStatus veksFIRMRStreamGetStateSize_16s(int tapsLen, int upFactor, int downFactor, int* pBufferSize);
VEKS_API VekStatus veksFIRMRStreamInit_32f(VekFIRState_32f** ppState, const Vek32f* pTaps, int tapsLen, int upFactor, int upPhase, int downFactor, int downPhase, Vek8u* pBuffer);
VEKS_API VekStatus veksFIRMRStreamInit_16s(VekFIRState_16s** ppState, const Vek16s* pTaps, int tapsLen, int tapsFactor, int upFactor, int upPhase, int downFactor, int downPhase, int rndMode, Vek8u* pBuffer);

/* LMS adaptive filters. Taps of the one-sample forms are reversed (element i
 * multiplies the i-th oldest sample); state delay lines are tapsLen values
 * of a circular line plus an index. */
VEKS_API VekStatus veksFIRLMSInitAlloc_32f(VekFIRLMSState_32f** ppState, const Vek32f* pTaps, int tapsLen, const Vek32f* pDlyLine, int dlyLineIndex);
VEKS_API VekStatus veksFIRLMSFree_32f(VekFIRLMSState_32f* pState);
VEKS_API VekStatus veksFIRLMSGetTaps_32f(const VekFIRLMSState_32f* pState, Vek32f* pOutTaps);
VEKS_API VekStatus veksFIRLMSGetDlyLine_32f(const VekFIRLMSState_32f* pState, Vek32f* pDlyLine, int* pDlyLineIndex);
VEKS_API VekStatus veksFIRLMSSetDlyLine_32f(VekFIRLMSState_32f* pState, const Vek32f* pDlyLine, int dlyLineIndex);
VEKS_API VekStatus veksFIRLMS_32f(const Vek32f* pSrc, const Vek32f* pRef, Vek32f* pDst, int len, VekFIRLMSState_32f* pState, float mu);
VEKS_API VekStatus veksFIRLMSInitAlloc32f_16s(VekFIRLMSState32f_16s** ppState, const Vek32f* pTaps, int tapsLen, const Vek16s* pDlyLine, int dlyLineIndex);
VEKS_API VekStatus veksFIRLMSFree32f_16s(VekFIRLMSState32f_16s* pState);
VEKS_API VekStatus veksFIRLMSGetTaps32f_16s(const VekFIRLMSState32f_16s* pState, Vek32f* pOutTaps);
VEKS_API VekStatus veksFIRLMSGetDlyLine32f_16s(const VekFIRLMSState32f_16s* pState, Vek16s* pDlyLine, int* pDlyLineIndex);
VEKS_API VekStatus veksFIRLMSSetDlyLine32f_16s(VekFIRLMSState32f_16s* pState, const Vek16s* pDlyLine, int dlyLineIndex);
VEKS_API VekStatus veksFIRLMS32f_16s(const Vek16s* pSrc, const Vek16s* pRef, Vek16s* pDst, int len, VekFIRLMSState32f_16s* pState, float mu);
VEKS_API VekStatus veksFIRLMSOne_Direct_32f(Vek32f src, Vek32f refVal, Vek32f* pDstVal, Vek32f* pTapsInv, int tapsLen, float mu, Vek32f* pDlyLine, int* pDlyLineIndex);
VEKS_API VekStatus veksFIRLMSOne_Direct32f_16s(Vek16s src, Vek16s refVal, Vek16s* pDstVal, Vek32f* pTapsInv, int tapsLen, float mu, Vek16s* pDlyLine, int* pDlyLineIndex);
VEKS_API VekStatus veksFIRLMSOne_DirectQ15_16s(Vek16s src, Vek16s refVal, Vek16s* pDstVal, Vek32s* pTapsInv, int tapsLen, int muQ15, Vek16s* pDlyLine, int* pDlyLineIndex);

/* Fixed-point multirate LMS: 32-bit taps (upper 16 bits enter the sum),
 * 16-bit samples; filtering, feeding and adaptation are separate calls. */
VEKS_API VekStatus veksFIRLMSMRInitAlloc32s_16s(VekFIRLMSMRState32s_16s** ppState, const Vek32s* pTaps, int tapsLen, const Vek16s* pDlyLine, int dlyLineIndex, int tapsStep, int updateDly, int mu);
VEKS_API VekStatus veksFIRLMSMRFree32s_16s(VekFIRLMSMRState32s_16s* pState);
VEKS_API VekStatus veksFIRLMSMRSetMu32s_16s(VekFIRLMSMRState32s_16s* pState, int mu);
VEKS_API VekStatus veksFIRLMSMRGetTaps32s_16s(VekFIRLMSMRState32s_16s* pState, Vek32s* pOutTaps);
VEKS_API VekStatus veksFIRLMSMRSetTaps32s_16s(VekFIRLMSMRState32s_16s* pState, const Vek32s* pInTaps);
VEKS_API VekStatus veksFIRLMSMRGetTapsPointer32s_16s(VekFIRLMSMRState32s_16s* pState, Vek32s** ppTaps);
VEKS_API VekStatus veksFIRLMSMRGetDlyLine32s_16s(VekFIRLMSMRState32s_16s* pState, Vek16s* pOutDlyLine, int* pOutDlyLineIndex);
VEKS_API VekStatus veksFIRLMSMRSetDlyLine32s_16s(VekFIRLMSMRState32s_16s* pState, const Vek16s* pInDlyLine, int dlyLineIndex);
VEKS_API VekStatus veksFIRLMSMRGetDlyVal32s_16s(VekFIRLMSMRState32s_16s* pState, Vek16s* pOutVal, int index);
VEKS_API VekStatus veksFIRLMSMRPutVal32s_16s(Vek16s val, VekFIRLMSMRState32s_16s* pState);
VEKS_API VekStatus veksFIRLMSMROne32s_16s(Vek32s* pDstVal, VekFIRLMSMRState32s_16s* pState);
VEKS_API VekStatus veksFIRLMSMROneVal32s_16s(Vek16s val, Vek32s* pDstVal, VekFIRLMSMRState32s_16s* pState);
VEKS_API VekStatus veksFIRLMSMRUpdateTaps32s_16s(Vek32s errVal, VekFIRLMSMRState32s_16s* pState);
VEKS_API VekStatus veksFIRLMSMRInitAlloc32sc_16sc(VekFIRLMSMRState32sc_16sc** ppState, const Vek32sc* pTaps, int tapsLen, const Vek16sc* pDlyLine, int dlyLineIndex, int tapsStep, int updateDly, int mu);
VEKS_API VekStatus veksFIRLMSMRFree32sc_16sc(VekFIRLMSMRState32sc_16sc* pState);
VEKS_API VekStatus veksFIRLMSMRSetMu32sc_16sc(VekFIRLMSMRState32sc_16sc* pState, int mu);
VEKS_API VekStatus veksFIRLMSMRGetTaps32sc_16sc(VekFIRLMSMRState32sc_16sc* pState, Vek32sc* pOutTaps);
VEKS_API VekStatus veksFIRLMSMRSetTaps32sc_16sc(VekFIRLMSMRState32sc_16sc* pState, const Vek32sc* pInTaps);
VEKS_API VekStatus veksFIRLMSMRGetTapsPointer32sc_16sc(VekFIRLMSMRState32sc_16sc* pState, Vek32sc** ppTaps);
VEKS_API VekStatus veksFIRLMSMRGetDlyLine32sc_16sc(VekFIRLMSMRState32sc_16sc* pState, Vek16sc* pOutDlyLine, int* pOutDlyLineIndex);
VEKS_API VekStatus veksFIRLMSMRSetDlyLine32sc_16sc(VekFIRLMSMRState32sc_16sc* pState, const Vek16sc* pInDlyLine, int dlyLineIndex);
VEKS_API VekStatus veksFIRLMSMRGetDlyVal32sc_16sc(VekFIRLMSMRState32sc_16sc* pState, Vek16sc* pOutVal, int index);
VEKS_API VekStatus veksFIRLMSMRPutVal32sc_16sc(Vek16sc val, VekFIRLMSMRState32sc_16sc* pState);
VEKS_API VekStatus veksFIRLMSMROne32sc_16sc(Vek32sc* pDstVal, VekFIRLMSMRState32sc_16sc* pState);
VEKS_API VekStatus veksFIRLMSMROneVal32sc_16sc(Vek16sc val, Vek32sc* pDstVal, VekFIRLMSMRState32sc_16sc* pState);
VEKS_API VekStatus veksFIRLMSMRUpdateTaps32sc_16sc(Vek32sc errVal, VekFIRLMSMRState32sc_16sc* pState);


/* ==== IIR, convolution and correlation ==== */

/* IIR filters. Arbitrary order: taps B0..B(order), A0..A(order); biquad
 * cascade: B0, B1, B2, A0, A1, A2 per section. States are laid into caller
 * memory by Init (size from GetStateSize) or allocated by InitAlloc and
 * released by Free. Mixed-type states filter in the tap type; integer data
 * is written as round(y * 2^-scaleFactor), saturated. The 32s-tap states
 * convert their taps with tapsFactor (tap * 2^-tapsFactor) to 32f. */
typedef struct VekIIRState_32f VekIIRState_32f;
typedef struct VekIIRState_32fc VekIIRState_32fc;
typedef struct VekIIRState32f_16s VekIIRState32f_16s;
typedef struct VekIIRState32fc_16sc VekIIRState32fc_16sc;
typedef struct VekIIRState32s_16s VekIIRState32s_16s;
typedef struct VekIIRState32sc_16sc VekIIRState32sc_16sc;
typedef struct VekIIRState_64f VekIIRState_64f;
typedef struct VekIIRState_64fc VekIIRState_64fc;
typedef struct VekIIRState64f_32f VekIIRState64f_32f;
typedef struct VekIIRState64fc_32fc VekIIRState64fc_32fc;
typedef struct VekIIRState64f_32s VekIIRState64f_32s;
typedef struct VekIIRState64fc_32sc VekIIRState64fc_32sc;
typedef struct VekIIRState64f_16s VekIIRState64f_16s;
typedef struct VekIIRState64fc_16sc VekIIRState64fc_16sc;
typedef struct VekIIRSparseState_32f VekIIRSparseState_32f;

/* 32f */
VEKS_API VekStatus veksIIRGetStateSize_32f(int order, int* pBufferSize);
VEKS_API VekStatus veksIIRInit_32f(VekIIRState_32f** ppState, const Vek32f* pTaps, int order, const Vek32f* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc_32f(VekIIRState_32f** ppState, const Vek32f* pTaps, int order, const Vek32f* pDlyLine);
VEKS_API VekStatus veksIIRGetStateSize_BiQuad_32f(int numBq, int* pBufferSize);
VEKS_API VekStatus veksIIRInit_BiQuad_32f(VekIIRState_32f** ppState, const Vek32f* pTaps, int numBq, const Vek32f* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc_BiQuad_32f(VekIIRState_32f** ppState, const Vek32f* pTaps, int numBq, const Vek32f* pDlyLine);
VEKS_API VekStatus veksIIRGetStateSize_BiQuad_DF1_32f(int numBq, int* pBufferSize);
VEKS_API VekStatus veksIIRInit_BiQuad_DF1_32f(VekIIRState_32f** ppState, const Vek32f* pTaps, int numBq, const Vek32f* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc_BiQuad_DF1_32f(VekIIRState_32f** ppState, const Vek32f* pTaps, int numBq, const Vek32f* pDlyLine);
VEKS_API VekStatus veksIIRSetTaps_32f(const Vek32f* pTaps, VekIIRState_32f* pState);
VEKS_API VekStatus veksIIRFree_32f(VekIIRState_32f* pState);
VEKS_API VekStatus veksIIRGetDlyLine_32f(const VekIIRState_32f* pState, Vek32f* pDlyLine);
VEKS_API VekStatus veksIIRSetDlyLine_32f(VekIIRState_32f* pState, const Vek32f* pDlyLine);
VEKS_API VekStatus veksIIR_32f(const Vek32f* pSrc, Vek32f* pDst, int len, VekIIRState_32f* pState);
VEKS_API VekStatus veksIIR_32f_I(Vek32f* pSrcDst, int len, VekIIRState_32f* pState);
VEKS_API VekStatus veksIIROne_32f(Vek32f src, Vek32f* pDstVal, VekIIRState_32f* pState);
/* 32fc */
VEKS_API VekStatus veksIIRGetStateSize_32fc(int order, int* pBufferSize);
VEKS_API VekStatus veksIIRInit_32fc(VekIIRState_32fc** ppState, const Vek32fc* pTaps, int order, const Vek32fc* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc_32fc(VekIIRState_32fc** ppState, const Vek32fc* pTaps, int order, const Vek32fc* pDlyLine);
VEKS_API VekStatus veksIIRGetStateSize_BiQuad_32fc(int numBq, int* pBufferSize);
VEKS_API VekStatus veksIIRInit_BiQuad_32fc(VekIIRState_32fc** ppState, const Vek32fc* pTaps, int numBq, const Vek32fc* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc_BiQuad_32fc(VekIIRState_32fc** ppState, const Vek32fc* pTaps, int numBq, const Vek32fc* pDlyLine);
VEKS_API VekStatus veksIIRSetTaps_32fc(const Vek32fc* pTaps, VekIIRState_32fc* pState);
VEKS_API VekStatus veksIIRFree_32fc(VekIIRState_32fc* pState);
VEKS_API VekStatus veksIIRGetDlyLine_32fc(const VekIIRState_32fc* pState, Vek32fc* pDlyLine);
VEKS_API VekStatus veksIIRSetDlyLine_32fc(VekIIRState_32fc* pState, const Vek32fc* pDlyLine);
VEKS_API VekStatus veksIIR_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int len, VekIIRState_32fc* pState);
VEKS_API VekStatus veksIIR_32fc_I(Vek32fc* pSrcDst, int len, VekIIRState_32fc* pState);
VEKS_API VekStatus veksIIROne_32fc(Vek32fc src, Vek32fc* pDstVal, VekIIRState_32fc* pState);
/* 32f_16s */
VEKS_API VekStatus veksIIRGetStateSize32f_16s(int order, int* pBufferSize);
VEKS_API VekStatus veksIIRInit32f_16s(VekIIRState32f_16s** ppState, const Vek32f* pTaps, int order, const Vek32f* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc32f_16s(VekIIRState32f_16s** ppState, const Vek32f* pTaps, int order, const Vek32f* pDlyLine);
VEKS_API VekStatus veksIIRGetStateSize32f_BiQuad_16s(int numBq, int* pBufferSize);
VEKS_API VekStatus veksIIRInit32f_BiQuad_16s(VekIIRState32f_16s** ppState, const Vek32f* pTaps, int numBq, const Vek32f* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc32f_BiQuad_16s(VekIIRState32f_16s** ppState, const Vek32f* pTaps, int numBq, const Vek32f* pDlyLine);
VEKS_API VekStatus veksIIRSetTaps32f_16s(const Vek32f* pTaps, VekIIRState32f_16s* pState);
VEKS_API VekStatus veksIIRFree32f_16s(VekIIRState32f_16s* pState);
VEKS_API VekStatus veksIIRGetDlyLine32f_16s(const VekIIRState32f_16s* pState, Vek32f* pDlyLine);
VEKS_API VekStatus veksIIRSetDlyLine32f_16s(VekIIRState32f_16s* pState, const Vek32f* pDlyLine);
VEKS_API VekStatus veksIIR32f_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, int len, VekIIRState32f_16s* pState, int scaleFactor);
VEKS_API VekStatus veksIIR32f_16s_ISfs(Vek16s* pSrcDst, int len, VekIIRState32f_16s* pState, int scaleFactor);
VEKS_API VekStatus veksIIROne32f_16s_Sfs(Vek16s src, Vek16s* pDstVal, VekIIRState32f_16s* pState, int scaleFactor);
/* 32fc_16sc */
VEKS_API VekStatus veksIIRGetStateSize32fc_16sc(int order, int* pBufferSize);
VEKS_API VekStatus veksIIRInit32fc_16sc(VekIIRState32fc_16sc** ppState, const Vek32fc* pTaps, int order, const Vek32fc* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc32fc_16sc(VekIIRState32fc_16sc** ppState, const Vek32fc* pTaps, int order, const Vek32fc* pDlyLine);
VEKS_API VekStatus veksIIRGetStateSize32fc_BiQuad_16sc(int numBq, int* pBufferSize);
VEKS_API VekStatus veksIIRInit32fc_BiQuad_16sc(VekIIRState32fc_16sc** ppState, const Vek32fc* pTaps, int numBq, const Vek32fc* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc32fc_BiQuad_16sc(VekIIRState32fc_16sc** ppState, const Vek32fc* pTaps, int numBq, const Vek32fc* pDlyLine);
VEKS_API VekStatus veksIIRSetTaps32fc_16sc(const Vek32fc* pTaps, VekIIRState32fc_16sc* pState);
VEKS_API VekStatus veksIIRFree32fc_16sc(VekIIRState32fc_16sc* pState);
VEKS_API VekStatus veksIIRGetDlyLine32fc_16sc(const VekIIRState32fc_16sc* pState, Vek32fc* pDlyLine);
VEKS_API VekStatus veksIIRSetDlyLine32fc_16sc(VekIIRState32fc_16sc* pState, const Vek32fc* pDlyLine);
VEKS_API VekStatus veksIIR32fc_16sc_Sfs(const Vek16sc* pSrc, Vek16sc* pDst, int len, VekIIRState32fc_16sc* pState, int scaleFactor);
VEKS_API VekStatus veksIIR32fc_16sc_ISfs(Vek16sc* pSrcDst, int len, VekIIRState32fc_16sc* pState, int scaleFactor);
VEKS_API VekStatus veksIIROne32fc_16sc_Sfs(Vek16sc src, Vek16sc* pDstVal, VekIIRState32fc_16sc* pState, int scaleFactor);
/* 32s_16s */
VEKS_API VekStatus veksIIRGetStateSize32s_16s(int order, int* pBufferSize);
VEKS_API VekStatus veksIIRInit32s_16s(VekIIRState32s_16s** ppState, const Vek32s* pTaps, int order, int tapsFactor, const Vek32f* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc32s_16s(VekIIRState32s_16s** ppState, const Vek32s* pTaps, int order, int tapsFactor, const Vek32f* pDlyLine);
VEKS_API VekStatus veksIIRGetStateSize32s_BiQuad_16s(int numBq, int* pBufferSize);
VEKS_API VekStatus veksIIRInit32s_BiQuad_16s(VekIIRState32s_16s** ppState, const Vek32s* pTaps, int numBq, int tapsFactor, const Vek32f* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc32s_BiQuad_16s(VekIIRState32s_16s** ppState, const Vek32s* pTaps, int numBq, int tapsFactor, const Vek32f* pDlyLine);
VEKS_API VekStatus veksIIRSetTaps32s_16s(const Vek32s* pTaps, VekIIRState32s_16s* pState, int tapsFactor);
VEKS_API VekStatus veksIIRGetStateSize32s_16s32f(int order, int* pBufferSize);
VEKS_API VekStatus veksIIRInit32s_16s32f(VekIIRState32s_16s** ppState, const Vek32f* pTaps, int order, const Vek32f* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc32s_16s32f(VekIIRState32s_16s** ppState, const Vek32f* pTaps, int order, const Vek32f* pDlyLine);
VEKS_API VekStatus veksIIRGetStateSize32s_BiQuad_16s32f(int numBq, int* pBufferSize);
VEKS_API VekStatus veksIIRInit32s_BiQuad_16s32f(VekIIRState32s_16s** ppState, const Vek32f* pTaps, int numBq, const Vek32f* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc32s_BiQuad_16s32f(VekIIRState32s_16s** ppState, const Vek32f* pTaps, int numBq, const Vek32f* pDlyLine);
VEKS_API VekStatus veksIIRSetTaps32s_16s32f(const Vek32f* pTaps, VekIIRState32s_16s* pState);
VEKS_API VekStatus veksIIRFree32s_16s(VekIIRState32s_16s* pState);
VEKS_API VekStatus veksIIRGetDlyLine32s_16s(const VekIIRState32s_16s* pState, Vek32f* pDlyLine);
VEKS_API VekStatus veksIIRSetDlyLine32s_16s(VekIIRState32s_16s* pState, const Vek32f* pDlyLine);
VEKS_API VekStatus veksIIR32s_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, int len, VekIIRState32s_16s* pState, int scaleFactor);
VEKS_API VekStatus veksIIR32s_16s_ISfs(Vek16s* pSrcDst, int len, VekIIRState32s_16s* pState, int scaleFactor);
VEKS_API VekStatus veksIIROne32s_16s_Sfs(Vek16s src, Vek16s* pDstVal, VekIIRState32s_16s* pState, int scaleFactor);
/* 32sc_16sc */
VEKS_API VekStatus veksIIRGetStateSize32sc_16sc(int order, int* pBufferSize);
VEKS_API VekStatus veksIIRInit32sc_16sc(VekIIRState32sc_16sc** ppState, const Vek32sc* pTaps, int order, int tapsFactor, const Vek32fc* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc32sc_16sc(VekIIRState32sc_16sc** ppState, const Vek32sc* pTaps, int order, int tapsFactor, const Vek32fc* pDlyLine);
VEKS_API VekStatus veksIIRGetStateSize32sc_BiQuad_16sc(int numBq, int* pBufferSize);
VEKS_API VekStatus veksIIRInit32sc_BiQuad_16sc(VekIIRState32sc_16sc** ppState, const Vek32sc* pTaps, int numBq, int tapsFactor, const Vek32fc* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc32sc_BiQuad_16sc(VekIIRState32sc_16sc** ppState, const Vek32sc* pTaps, int numBq, int tapsFactor, const Vek32fc* pDlyLine);
VEKS_API VekStatus veksIIRSetTaps32sc_16sc(const Vek32sc* pTaps, VekIIRState32sc_16sc* pState, int tapsFactor);
VEKS_API VekStatus veksIIRGetStateSize32sc_16sc32fc(int order, int* pBufferSize);
VEKS_API VekStatus veksIIRInit32sc_16sc32fc(VekIIRState32sc_16sc** ppState, const Vek32fc* pTaps, int order, const Vek32fc* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc32sc_16sc32fc(VekIIRState32sc_16sc** ppState, const Vek32fc* pTaps, int order, const Vek32fc* pDlyLine);
VEKS_API VekStatus veksIIRGetStateSize32sc_BiQuad_16sc32fc(int numBq, int* pBufferSize);
VEKS_API VekStatus veksIIRInit32sc_BiQuad_16sc32fc(VekIIRState32sc_16sc** ppState, const Vek32fc* pTaps, int numBq, const Vek32fc* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc32sc_BiQuad_16sc32fc(VekIIRState32sc_16sc** ppState, const Vek32fc* pTaps, int numBq, const Vek32fc* pDlyLine);
VEKS_API VekStatus veksIIRSetTaps32sc_16sc32fc(const Vek32fc* pTaps, VekIIRState32sc_16sc* pState);
VEKS_API VekStatus veksIIRFree32sc_16sc(VekIIRState32sc_16sc* pState);
VEKS_API VekStatus veksIIRGetDlyLine32sc_16sc(const VekIIRState32sc_16sc* pState, Vek32fc* pDlyLine);
VEKS_API VekStatus veksIIRSetDlyLine32sc_16sc(VekIIRState32sc_16sc* pState, const Vek32fc* pDlyLine);
VEKS_API VekStatus veksIIR32sc_16sc_Sfs(const Vek16sc* pSrc, Vek16sc* pDst, int len, VekIIRState32sc_16sc* pState, int scaleFactor);
VEKS_API VekStatus veksIIR32sc_16sc_ISfs(Vek16sc* pSrcDst, int len, VekIIRState32sc_16sc* pState, int scaleFactor);
VEKS_API VekStatus veksIIROne32sc_16sc_Sfs(Vek16sc src, Vek16sc* pDstVal, VekIIRState32sc_16sc* pState, int scaleFactor);
/* 64f */
VEKS_API VekStatus veksIIRGetStateSize_64f(int order, int* pBufferSize);
VEKS_API VekStatus veksIIRInit_64f(VekIIRState_64f** ppState, const Vek64f* pTaps, int order, const Vek64f* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc_64f(VekIIRState_64f** ppState, const Vek64f* pTaps, int order, const Vek64f* pDlyLine);
VEKS_API VekStatus veksIIRGetStateSize_BiQuad_64f(int numBq, int* pBufferSize);
VEKS_API VekStatus veksIIRInit_BiQuad_64f(VekIIRState_64f** ppState, const Vek64f* pTaps, int numBq, const Vek64f* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc_BiQuad_64f(VekIIRState_64f** ppState, const Vek64f* pTaps, int numBq, const Vek64f* pDlyLine);
VEKS_API VekStatus veksIIRSetTaps_64f(const Vek64f* pTaps, VekIIRState_64f* pState);
VEKS_API VekStatus veksIIRFree_64f(VekIIRState_64f* pState);
VEKS_API VekStatus veksIIRGetDlyLine_64f(const VekIIRState_64f* pState, Vek64f* pDlyLine);
VEKS_API VekStatus veksIIRSetDlyLine_64f(VekIIRState_64f* pState, const Vek64f* pDlyLine);
VEKS_API VekStatus veksIIR_64f(const Vek64f* pSrc, Vek64f* pDst, int len, VekIIRState_64f* pState);
VEKS_API VekStatus veksIIR_64f_I(Vek64f* pSrcDst, int len, VekIIRState_64f* pState);
VEKS_API VekStatus veksIIROne_64f(Vek64f src, Vek64f* pDstVal, VekIIRState_64f* pState);
/* 64fc */
VEKS_API VekStatus veksIIRGetStateSize_64fc(int order, int* pBufferSize);
VEKS_API VekStatus veksIIRInit_64fc(VekIIRState_64fc** ppState, const Vek64fc* pTaps, int order, const Vek64fc* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc_64fc(VekIIRState_64fc** ppState, const Vek64fc* pTaps, int order, const Vek64fc* pDlyLine);
VEKS_API VekStatus veksIIRGetStateSize_BiQuad_64fc(int numBq, int* pBufferSize);
VEKS_API VekStatus veksIIRInit_BiQuad_64fc(VekIIRState_64fc** ppState, const Vek64fc* pTaps, int numBq, const Vek64fc* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc_BiQuad_64fc(VekIIRState_64fc** ppState, const Vek64fc* pTaps, int numBq, const Vek64fc* pDlyLine);
VEKS_API VekStatus veksIIRSetTaps_64fc(const Vek64fc* pTaps, VekIIRState_64fc* pState);
VEKS_API VekStatus veksIIRFree_64fc(VekIIRState_64fc* pState);
VEKS_API VekStatus veksIIRGetDlyLine_64fc(const VekIIRState_64fc* pState, Vek64fc* pDlyLine);
VEKS_API VekStatus veksIIRSetDlyLine_64fc(VekIIRState_64fc* pState, const Vek64fc* pDlyLine);
VEKS_API VekStatus veksIIR_64fc(const Vek64fc* pSrc, Vek64fc* pDst, int len, VekIIRState_64fc* pState);
VEKS_API VekStatus veksIIR_64fc_I(Vek64fc* pSrcDst, int len, VekIIRState_64fc* pState);
VEKS_API VekStatus veksIIROne_64fc(Vek64fc src, Vek64fc* pDstVal, VekIIRState_64fc* pState);
/* 64f_32f */
VEKS_API VekStatus veksIIRGetStateSize64f_32f(int order, int* pBufferSize);
VEKS_API VekStatus veksIIRInit64f_32f(VekIIRState64f_32f** ppState, const Vek64f* pTaps, int order, const Vek64f* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc64f_32f(VekIIRState64f_32f** ppState, const Vek64f* pTaps, int order, const Vek64f* pDlyLine);
VEKS_API VekStatus veksIIRGetStateSize64f_BiQuad_32f(int numBq, int* pBufferSize);
VEKS_API VekStatus veksIIRInit64f_BiQuad_32f(VekIIRState64f_32f** ppState, const Vek64f* pTaps, int numBq, const Vek64f* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc64f_BiQuad_32f(VekIIRState64f_32f** ppState, const Vek64f* pTaps, int numBq, const Vek64f* pDlyLine);
VEKS_API VekStatus veksIIRSetTaps64f_32f(const Vek64f* pTaps, VekIIRState64f_32f* pState);
VEKS_API VekStatus veksIIRFree64f_32f(VekIIRState64f_32f* pState);
VEKS_API VekStatus veksIIRGetDlyLine64f_32f(const VekIIRState64f_32f* pState, Vek64f* pDlyLine);
VEKS_API VekStatus veksIIRSetDlyLine64f_32f(VekIIRState64f_32f* pState, const Vek64f* pDlyLine);
VEKS_API VekStatus veksIIR64f_32f(const Vek32f* pSrc, Vek32f* pDst, int len, VekIIRState64f_32f* pState);
VEKS_API VekStatus veksIIR64f_32f_I(Vek32f* pSrcDst, int len, VekIIRState64f_32f* pState);
VEKS_API VekStatus veksIIROne64f_32f(Vek32f src, Vek32f* pDstVal, VekIIRState64f_32f* pState);
/* 64fc_32fc */
VEKS_API VekStatus veksIIRGetStateSize64fc_32fc(int order, int* pBufferSize);
VEKS_API VekStatus veksIIRInit64fc_32fc(VekIIRState64fc_32fc** ppState, const Vek64fc* pTaps, int order, const Vek64fc* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc64fc_32fc(VekIIRState64fc_32fc** ppState, const Vek64fc* pTaps, int order, const Vek64fc* pDlyLine);
VEKS_API VekStatus veksIIRGetStateSize64fc_BiQuad_32fc(int numBq, int* pBufferSize);
VEKS_API VekStatus veksIIRInit64fc_BiQuad_32fc(VekIIRState64fc_32fc** ppState, const Vek64fc* pTaps, int numBq, const Vek64fc* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc64fc_BiQuad_32fc(VekIIRState64fc_32fc** ppState, const Vek64fc* pTaps, int numBq, const Vek64fc* pDlyLine);
VEKS_API VekStatus veksIIRSetTaps64fc_32fc(const Vek64fc* pTaps, VekIIRState64fc_32fc* pState);
VEKS_API VekStatus veksIIRFree64fc_32fc(VekIIRState64fc_32fc* pState);
VEKS_API VekStatus veksIIRGetDlyLine64fc_32fc(const VekIIRState64fc_32fc* pState, Vek64fc* pDlyLine);
VEKS_API VekStatus veksIIRSetDlyLine64fc_32fc(VekIIRState64fc_32fc* pState, const Vek64fc* pDlyLine);
VEKS_API VekStatus veksIIR64fc_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int len, VekIIRState64fc_32fc* pState);
VEKS_API VekStatus veksIIR64fc_32fc_I(Vek32fc* pSrcDst, int len, VekIIRState64fc_32fc* pState);
VEKS_API VekStatus veksIIROne64fc_32fc(Vek32fc src, Vek32fc* pDstVal, VekIIRState64fc_32fc* pState);
/* 64f_32s */
VEKS_API VekStatus veksIIRGetStateSize64f_32s(int order, int* pBufferSize);
VEKS_API VekStatus veksIIRInit64f_32s(VekIIRState64f_32s** ppState, const Vek64f* pTaps, int order, const Vek64f* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc64f_32s(VekIIRState64f_32s** ppState, const Vek64f* pTaps, int order, const Vek64f* pDlyLine);
VEKS_API VekStatus veksIIRGetStateSize64f_BiQuad_32s(int numBq, int* pBufferSize);
VEKS_API VekStatus veksIIRInit64f_BiQuad_32s(VekIIRState64f_32s** ppState, const Vek64f* pTaps, int numBq, const Vek64f* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc64f_BiQuad_32s(VekIIRState64f_32s** ppState, const Vek64f* pTaps, int numBq, const Vek64f* pDlyLine);
VEKS_API VekStatus veksIIRGetStateSize64f_BiQuad_DF1_32s(int numBq, int* pBufferSize);
VEKS_API VekStatus veksIIRInit64f_BiQuad_DF1_32s(VekIIRState64f_32s** ppState, const Vek64f* pTaps, int numBq, const Vek64f* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc64f_BiQuad_DF1_32s(VekIIRState64f_32s** ppState, const Vek64f* pTaps, int numBq, const Vek64f* pDlyLine);
VEKS_API VekStatus veksIIRSetTaps64f_32s(const Vek64f* pTaps, VekIIRState64f_32s* pState);
VEKS_API VekStatus veksIIRFree64f_32s(VekIIRState64f_32s* pState);
VEKS_API VekStatus veksIIRGetDlyLine64f_32s(const VekIIRState64f_32s* pState, Vek64f* pDlyLine);
VEKS_API VekStatus veksIIRSetDlyLine64f_32s(VekIIRState64f_32s* pState, const Vek64f* pDlyLine);
VEKS_API VekStatus veksIIRGetDlyLine64f_DF1_32s(const VekIIRState64f_32s* pState, Vek64f* pDlyLine);
VEKS_API VekStatus veksIIRSetDlyLine64f_DF1_32s(VekIIRState64f_32s* pState, const Vek64f* pDlyLine);
VEKS_API VekStatus veksIIR64f_32s_Sfs(const Vek32s* pSrc, Vek32s* pDst, int len, VekIIRState64f_32s* pState, int scaleFactor);
VEKS_API VekStatus veksIIR64f_32s_ISfs(Vek32s* pSrcDst, int len, VekIIRState64f_32s* pState, int scaleFactor);
VEKS_API VekStatus veksIIROne64f_32s_Sfs(Vek32s src, Vek32s* pDstVal, VekIIRState64f_32s* pState, int scaleFactor);
/* 64fc_32sc */
VEKS_API VekStatus veksIIRGetStateSize64fc_32sc(int order, int* pBufferSize);
VEKS_API VekStatus veksIIRInit64fc_32sc(VekIIRState64fc_32sc** ppState, const Vek64fc* pTaps, int order, const Vek64fc* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc64fc_32sc(VekIIRState64fc_32sc** ppState, const Vek64fc* pTaps, int order, const Vek64fc* pDlyLine);
VEKS_API VekStatus veksIIRGetStateSize64fc_BiQuad_32sc(int numBq, int* pBufferSize);
VEKS_API VekStatus veksIIRInit64fc_BiQuad_32sc(VekIIRState64fc_32sc** ppState, const Vek64fc* pTaps, int numBq, const Vek64fc* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc64fc_BiQuad_32sc(VekIIRState64fc_32sc** ppState, const Vek64fc* pTaps, int numBq, const Vek64fc* pDlyLine);
VEKS_API VekStatus veksIIRSetTaps64fc_32sc(const Vek64fc* pTaps, VekIIRState64fc_32sc* pState);
VEKS_API VekStatus veksIIRFree64fc_32sc(VekIIRState64fc_32sc* pState);
VEKS_API VekStatus veksIIRGetDlyLine64fc_32sc(const VekIIRState64fc_32sc* pState, Vek64fc* pDlyLine);
VEKS_API VekStatus veksIIRSetDlyLine64fc_32sc(VekIIRState64fc_32sc* pState, const Vek64fc* pDlyLine);
VEKS_API VekStatus veksIIR64fc_32sc_Sfs(const Vek32sc* pSrc, Vek32sc* pDst, int len, VekIIRState64fc_32sc* pState, int scaleFactor);
VEKS_API VekStatus veksIIR64fc_32sc_ISfs(Vek32sc* pSrcDst, int len, VekIIRState64fc_32sc* pState, int scaleFactor);
VEKS_API VekStatus veksIIROne64fc_32sc_Sfs(Vek32sc src, Vek32sc* pDstVal, VekIIRState64fc_32sc* pState, int scaleFactor);
/* 64f_16s */
VEKS_API VekStatus veksIIRGetStateSize64f_16s(int order, int* pBufferSize);
VEKS_API VekStatus veksIIRInit64f_16s(VekIIRState64f_16s** ppState, const Vek64f* pTaps, int order, const Vek64f* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc64f_16s(VekIIRState64f_16s** ppState, const Vek64f* pTaps, int order, const Vek64f* pDlyLine);
VEKS_API VekStatus veksIIRGetStateSize64f_BiQuad_16s(int numBq, int* pBufferSize);
VEKS_API VekStatus veksIIRInit64f_BiQuad_16s(VekIIRState64f_16s** ppState, const Vek64f* pTaps, int numBq, const Vek64f* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc64f_BiQuad_16s(VekIIRState64f_16s** ppState, const Vek64f* pTaps, int numBq, const Vek64f* pDlyLine);
VEKS_API VekStatus veksIIRSetTaps64f_16s(const Vek64f* pTaps, VekIIRState64f_16s* pState);
VEKS_API VekStatus veksIIRFree64f_16s(VekIIRState64f_16s* pState);
VEKS_API VekStatus veksIIRGetDlyLine64f_16s(const VekIIRState64f_16s* pState, Vek64f* pDlyLine);
VEKS_API VekStatus veksIIRSetDlyLine64f_16s(VekIIRState64f_16s* pState, const Vek64f* pDlyLine);
VEKS_API VekStatus veksIIR64f_16s_Sfs(const Vek16s* pSrc, Vek16s* pDst, int len, VekIIRState64f_16s* pState, int scaleFactor);
VEKS_API VekStatus veksIIR64f_16s_ISfs(Vek16s* pSrcDst, int len, VekIIRState64f_16s* pState, int scaleFactor);
VEKS_API VekStatus veksIIROne64f_16s_Sfs(Vek16s src, Vek16s* pDstVal, VekIIRState64f_16s* pState, int scaleFactor);
/* 64fc_16sc */
VEKS_API VekStatus veksIIRGetStateSize64fc_16sc(int order, int* pBufferSize);
VEKS_API VekStatus veksIIRInit64fc_16sc(VekIIRState64fc_16sc** ppState, const Vek64fc* pTaps, int order, const Vek64fc* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc64fc_16sc(VekIIRState64fc_16sc** ppState, const Vek64fc* pTaps, int order, const Vek64fc* pDlyLine);
VEKS_API VekStatus veksIIRGetStateSize64fc_BiQuad_16sc(int numBq, int* pBufferSize);
VEKS_API VekStatus veksIIRInit64fc_BiQuad_16sc(VekIIRState64fc_16sc** ppState, const Vek64fc* pTaps, int numBq, const Vek64fc* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRInitAlloc64fc_BiQuad_16sc(VekIIRState64fc_16sc** ppState, const Vek64fc* pTaps, int numBq, const Vek64fc* pDlyLine);
VEKS_API VekStatus veksIIRSetTaps64fc_16sc(const Vek64fc* pTaps, VekIIRState64fc_16sc* pState);
VEKS_API VekStatus veksIIRFree64fc_16sc(VekIIRState64fc_16sc* pState);
VEKS_API VekStatus veksIIRGetDlyLine64fc_16sc(const VekIIRState64fc_16sc* pState, Vek64fc* pDlyLine);
VEKS_API VekStatus veksIIRSetDlyLine64fc_16sc(VekIIRState64fc_16sc* pState, const Vek64fc* pDlyLine);
VEKS_API VekStatus veksIIR64fc_16sc_Sfs(const Vek16sc* pSrc, Vek16sc* pDst, int len, VekIIRState64fc_16sc* pState, int scaleFactor);
VEKS_API VekStatus veksIIR64fc_16sc_ISfs(Vek16sc* pSrcDst, int len, VekIIRState64fc_16sc* pState, int scaleFactor);
VEKS_API VekStatus veksIIROne64fc_16sc_Sfs(Vek16sc src, Vek16sc* pDstVal, VekIIRState64fc_16sc* pState, int scaleFactor);

/* Multichannel: channel c filtered by ppState[c] as the block call would. */
VEKS_API VekStatus veksIIR_32f_P(const Vek32f** ppSrc, Vek32f** ppDst, int len, int nChannels, VekIIRState_32f** ppState);
VEKS_API VekStatus veksIIR_32f_IP(Vek32f** ppSrcDst, int len, int nChannels, VekIIRState_32f** ppState);
VEKS_API VekStatus veksIIR64f_32s_PSfs(const Vek32s** ppSrc, Vek32s** ppDst, int len, int nChannels,
                                       VekIIRState64f_32s** ppState, int scaleFactor);
VEKS_API VekStatus veksIIR64f_32s_IPSfs(Vek32s** ppSrcDst, int len, int nChannels, VekIIRState64f_32s** ppState,
                                        int scaleFactor);

/* Sparse IIR: y[n] = sum b[i] x[n - p[i]] + sum a[j] y[n - q[j]]; pTaps
 * holds the nzTapsLen b values then the nzTapsLen2 a values, pTapPos the
 * positions p (from 0, increasing) then q (from 1, increasing); orderB and
 * orderA are the largest positions. The delay line holds orderB inputs
 * then orderA outputs, newest first. */
VEKS_API VekStatus veksIIRSparseGetStateSize_32f(int nzTapsLen, int nzTapsLen2, int orderB, int orderA, int* pStateSize);
VEKS_API VekStatus veksIIRSparseInit_32f(VekIIRSparseState_32f** ppState, const Vek32f* pTaps, const Vek32s* pTapPos,
                                         int nzTapsLen, int nzTapsLen2, const Vek32f* pDlyLine, Vek8u* pBuf);
VEKS_API VekStatus veksIIRSparse_32f(const Vek32f* pSrc, Vek32f* pDst, int len, VekIIRSparseState_32f* pState);

/* Stateless 16-bit integer filters. Taps B0..B(order), s, A1..A(order)
 * (biquad: B0, B1, B2, s, A1, A2 per section) with the scale exponent s in
 * the place of A0; the 32-bit delay line is read and updated. */
VEKS_API VekStatus veksIIR_Direct_16s(const Vek16s* pSrc, Vek16s* pDst, int len, const Vek16s* pTaps, int order,
                                      Vek32s* pDlyLine);
VEKS_API VekStatus veksIIR_Direct_16s_I(Vek16s* pSrcDst, int len, const Vek16s* pTaps, int order, Vek32s* pDlyLine);
VEKS_API VekStatus veksIIROne_Direct_16s(Vek16s src, Vek16s* pDstVal, const Vek16s* pTaps, int order, Vek32s* pDlyLine);
VEKS_API VekStatus veksIIROne_Direct_16s_I(Vek16s* pSrcDst, const Vek16s* pTaps, int order, Vek32s* pDlyLine);
VEKS_API VekStatus veksIIR_BiQuadDirect_16s(const Vek16s* pSrc, Vek16s* pDst, int len, const Vek16s* pTaps, int numBq,
                                            Vek32s* pDlyLine);
VEKS_API VekStatus veksIIR_BiQuadDirect_16s_I(Vek16s* pSrcDst, int len, const Vek16s* pTaps, int numBq, Vek32s* pDlyLine);
VEKS_API VekStatus veksIIROne_BiQuadDirect_16s(Vek16s src, Vek16s* pDstVal, const Vek16s* pTaps, int numBq,
                                               Vek32s* pDlyLine);
VEKS_API VekStatus veksIIROne_BiQuadDirect_16s_I(Vek16s* pSrcDst, const Vek16s* pTaps, int numBq, Vek32s* pDlyLine);


/* Linear convolution: pDst[n] = sum_k pSrc1[k] * pSrc2[n-k], n < src1Len +
 * src2Len - 1; by FFT for long inputs. */
VEKS_API VekStatus veksConv_32f(const Vek32f* pSrc1, int src1Len, const Vek32f* pSrc2, int src2Len, Vek32f* pDst);
VEKS_API VekStatus veksConv_64f(const Vek64f* pSrc1, int src1Len, const Vek64f* pSrc2, int src2Len, Vek64f* pDst);
VEKS_API VekStatus veksConv_16s_Sfs(const Vek16s* pSrc1, int src1Len, const Vek16s* pSrc2, int src2Len, Vek16s* pDst,
                                    int scaleFactor);

/* Biased convolution: pSrc2 points bias elements into a signal of src2Len
 * elements; pDst[n] = sum_{k < src1Len} pSrc1[k] * pSrc2[n-k] over the
 * signal, n < dstLen. */
VEKS_API VekStatus veksConvBiased_32f(const Vek32f* pSrc1, int src1Len, const Vek32f* pSrc2, int src2Len, Vek32f* pDst,
                                      int dstLen, int bias);

/* Cyclic convolutions of length 4 and 8: pDst[n] = sum_k x[k] h[(n-k) mod N]. */
VEKS_API VekStatus veksConvCyclic4x4_32f32fc(const Vek32f* x, const Vek32fc* h, Vek32fc* y);
VEKS_API VekStatus veksConvCyclic8x8_32f(const Vek32f* x, const Vek32f* h, Vek32f* y);
VEKS_API VekStatus veksConvCyclic8x8_16s_Sfs(const Vek16s* x, const Vek16s* h, Vek16s* y, int scaleFactor);

/* Cross-correlation over dstLen lags from lowLag:
 * pDst[n] = sum_k conj(pSrc1[k]) * pSrc2[k + n + lowLag]. */
VEKS_API VekStatus veksCrossCorr_32f(const Vek32f* pSrc1, int src1Len, const Vek32f* pSrc2, int src2Len, Vek32f* pDst,
                                     int dstLen, int lowLag);
VEKS_API VekStatus veksCrossCorr_64f(const Vek64f* pSrc1, int src1Len, const Vek64f* pSrc2, int src2Len, Vek64f* pDst,
                                     int dstLen, int lowLag);
VEKS_API VekStatus veksCrossCorr_32fc(const Vek32fc* pSrc1, int src1Len, const Vek32fc* pSrc2, int src2Len,
                                      Vek32fc* pDst, int dstLen, int lowLag);
VEKS_API VekStatus veksCrossCorr_64fc(const Vek64fc* pSrc1, int src1Len, const Vek64fc* pSrc2, int src2Len,
                                      Vek64fc* pDst, int dstLen, int lowLag);
VEKS_API VekStatus veksCrossCorr_16s_Sfs(const Vek16s* pSrc1, int src1Len, const Vek16s* pSrc2, int src2Len,
                                         Vek16s* pDst, int dstLen, int lowLag, int scaleFactor);
VEKS_API VekStatus veksCrossCorr_16s64s(const Vek16s* pSrc1, int src1Len, const Vek16s* pSrc2, int src2Len,
                                        Vek64s* pDst, int dstLen, int lowLag);

/* Autocorrelation pDst[n] = sum_k pSrc[k+n] * conj(pSrc[k]) for n < srcLen
 * (0 beyond); NormA divides by srcLen, NormB output n by srcLen - n. */
VEKS_API VekStatus veksAutoCorr_32f(const Vek32f* pSrc, int srcLen, Vek32f* pDst, int dstLen);
VEKS_API VekStatus veksAutoCorr_64f(const Vek64f* pSrc, int srcLen, Vek64f* pDst, int dstLen);
VEKS_API VekStatus veksAutoCorr_32fc(const Vek32fc* pSrc, int srcLen, Vek32fc* pDst, int dstLen);
VEKS_API VekStatus veksAutoCorr_64fc(const Vek64fc* pSrc, int srcLen, Vek64fc* pDst, int dstLen);
VEKS_API VekStatus veksAutoCorr_16s_Sfs(const Vek16s* pSrc, int srcLen, Vek16s* pDst, int dstLen, int scaleFactor);
VEKS_API VekStatus veksAutoCorr_NormA_32f(const Vek32f* pSrc, int srcLen, Vek32f* pDst, int dstLen);
VEKS_API VekStatus veksAutoCorr_NormA_64f(const Vek64f* pSrc, int srcLen, Vek64f* pDst, int dstLen);
VEKS_API VekStatus veksAutoCorr_NormA_32fc(const Vek32fc* pSrc, int srcLen, Vek32fc* pDst, int dstLen);
VEKS_API VekStatus veksAutoCorr_NormA_64fc(const Vek64fc* pSrc, int srcLen, Vek64fc* pDst, int dstLen);
VEKS_API VekStatus veksAutoCorr_NormA_16s_Sfs(const Vek16s* pSrc, int srcLen, Vek16s* pDst, int dstLen, int scaleFactor);
VEKS_API VekStatus veksAutoCorr_NormB_32f(const Vek32f* pSrc, int srcLen, Vek32f* pDst, int dstLen);
VEKS_API VekStatus veksAutoCorr_NormB_64f(const Vek64f* pSrc, int srcLen, Vek64f* pDst, int dstLen);
VEKS_API VekStatus veksAutoCorr_NormB_32fc(const Vek32fc* pSrc, int srcLen, Vek32fc* pDst, int dstLen);
VEKS_API VekStatus veksAutoCorr_NormB_64fc(const Vek64fc* pSrc, int srcLen, Vek64fc* pDst, int dstLen);
VEKS_API VekStatus veksAutoCorr_NormB_16s_Sfs(const Vek16s* pSrc, int srcLen, Vek16s* pDst, int dstLen, int scaleFactor);


/* ==== Windows, filter design, median, resampling ==== */

/* Windows: each multiplies a vector by a symmetric taper w[n] = w[len-1-n]
 * (complex vectors: both parts by the same weight); they need len >= 3
 * (BlackmanOpt len >= 4, Kaiser len >= 1). Blackman and Kaiser take a
 * parameter alpha; Q15 forms take alpha as alphaQ15 * 2^-15. */
VEKS_API VekStatus veksWinBartlett_16s(const Vek16s* pSrc, Vek16s* pDst, int len);
VEKS_API VekStatus veksWinBartlett_16s_I(Vek16s* pSrcDst, int len);
VEKS_API VekStatus veksWinBartlett_16sc(const Vek16sc* pSrc, Vek16sc* pDst, int len);
VEKS_API VekStatus veksWinBartlett_16sc_I(Vek16sc* pSrcDst, int len);
VEKS_API VekStatus veksWinBartlett_32f(const Vek32f* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksWinBartlett_32f_I(Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksWinBartlett_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int len);
VEKS_API VekStatus veksWinBartlett_32fc_I(Vek32fc* pSrcDst, int len);
VEKS_API VekStatus veksWinBartlett_64f(const Vek64f* pSrc, Vek64f* pDst, int len);
VEKS_API VekStatus veksWinBartlett_64f_I(Vek64f* pSrcDst, int len);
VEKS_API VekStatus veksWinBartlett_64fc(const Vek64fc* pSrc, Vek64fc* pDst, int len);
VEKS_API VekStatus veksWinBartlett_64fc_I(Vek64fc* pSrcDst, int len);
VEKS_API VekStatus veksWinHann_16s(const Vek16s* pSrc, Vek16s* pDst, int len);
VEKS_API VekStatus veksWinHann_16s_I(Vek16s* pSrcDst, int len);
VEKS_API VekStatus veksWinHann_16sc(const Vek16sc* pSrc, Vek16sc* pDst, int len);
VEKS_API VekStatus veksWinHann_16sc_I(Vek16sc* pSrcDst, int len);
VEKS_API VekStatus veksWinHann_32f(const Vek32f* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksWinHann_32f_I(Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksWinHann_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int len);
VEKS_API VekStatus veksWinHann_32fc_I(Vek32fc* pSrcDst, int len);
VEKS_API VekStatus veksWinHann_64f(const Vek64f* pSrc, Vek64f* pDst, int len);
VEKS_API VekStatus veksWinHann_64f_I(Vek64f* pSrcDst, int len);
VEKS_API VekStatus veksWinHann_64fc(const Vek64fc* pSrc, Vek64fc* pDst, int len);
VEKS_API VekStatus veksWinHann_64fc_I(Vek64fc* pSrcDst, int len);
VEKS_API VekStatus veksWinHamming_16s(const Vek16s* pSrc, Vek16s* pDst, int len);
VEKS_API VekStatus veksWinHamming_16s_I(Vek16s* pSrcDst, int len);
VEKS_API VekStatus veksWinHamming_16sc(const Vek16sc* pSrc, Vek16sc* pDst, int len);
VEKS_API VekStatus veksWinHamming_16sc_I(Vek16sc* pSrcDst, int len);
VEKS_API VekStatus veksWinHamming_32f(const Vek32f* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksWinHamming_32f_I(Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksWinHamming_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int len);
VEKS_API VekStatus veksWinHamming_32fc_I(Vek32fc* pSrcDst, int len);
VEKS_API VekStatus veksWinHamming_64f(const Vek64f* pSrc, Vek64f* pDst, int len);
VEKS_API VekStatus veksWinHamming_64f_I(Vek64f* pSrcDst, int len);
VEKS_API VekStatus veksWinHamming_64fc(const Vek64fc* pSrc, Vek64fc* pDst, int len);
VEKS_API VekStatus veksWinHamming_64fc_I(Vek64fc* pSrcDst, int len);
VEKS_API VekStatus veksWinBlackmanStd_16s(const Vek16s* pSrc, Vek16s* pDst, int len);
VEKS_API VekStatus veksWinBlackmanStd_16s_I(Vek16s* pSrcDst, int len);
VEKS_API VekStatus veksWinBlackmanStd_16sc(const Vek16sc* pSrc, Vek16sc* pDst, int len);
VEKS_API VekStatus veksWinBlackmanStd_16sc_I(Vek16sc* pSrcDst, int len);
VEKS_API VekStatus veksWinBlackmanStd_32f(const Vek32f* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksWinBlackmanStd_32f_I(Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksWinBlackmanStd_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int len);
VEKS_API VekStatus veksWinBlackmanStd_32fc_I(Vek32fc* pSrcDst, int len);
VEKS_API VekStatus veksWinBlackmanStd_64f(const Vek64f* pSrc, Vek64f* pDst, int len);
VEKS_API VekStatus veksWinBlackmanStd_64f_I(Vek64f* pSrcDst, int len);
VEKS_API VekStatus veksWinBlackmanStd_64fc(const Vek64fc* pSrc, Vek64fc* pDst, int len);
VEKS_API VekStatus veksWinBlackmanStd_64fc_I(Vek64fc* pSrcDst, int len);
VEKS_API VekStatus veksWinBlackmanOpt_16s(const Vek16s* pSrc, Vek16s* pDst, int len);
VEKS_API VekStatus veksWinBlackmanOpt_16s_I(Vek16s* pSrcDst, int len);
VEKS_API VekStatus veksWinBlackmanOpt_16sc(const Vek16sc* pSrc, Vek16sc* pDst, int len);
VEKS_API VekStatus veksWinBlackmanOpt_16sc_I(Vek16sc* pSrcDst, int len);
VEKS_API VekStatus veksWinBlackmanOpt_32f(const Vek32f* pSrc, Vek32f* pDst, int len);
VEKS_API VekStatus veksWinBlackmanOpt_32f_I(Vek32f* pSrcDst, int len);
VEKS_API VekStatus veksWinBlackmanOpt_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int len);
VEKS_API VekStatus veksWinBlackmanOpt_32fc_I(Vek32fc* pSrcDst, int len);
VEKS_API VekStatus veksWinBlackmanOpt_64f(const Vek64f* pSrc, Vek64f* pDst, int len);
VEKS_API VekStatus veksWinBlackmanOpt_64f_I(Vek64f* pSrcDst, int len);
VEKS_API VekStatus veksWinBlackmanOpt_64fc(const Vek64fc* pSrc, Vek64fc* pDst, int len);
VEKS_API VekStatus veksWinBlackmanOpt_64fc_I(Vek64fc* pSrcDst, int len);
VEKS_API VekStatus veksWinBlackman_16s(const Vek16s* pSrc, Vek16s* pDst, int len, Vek32f alpha);
VEKS_API VekStatus veksWinBlackman_16s_I(Vek16s* pSrcDst, int len, Vek32f alpha);
VEKS_API VekStatus veksWinBlackman_16sc(const Vek16sc* pSrc, Vek16sc* pDst, int len, Vek32f alpha);
VEKS_API VekStatus veksWinBlackman_16sc_I(Vek16sc* pSrcDst, int len, Vek32f alpha);
VEKS_API VekStatus veksWinBlackman_32f(const Vek32f* pSrc, Vek32f* pDst, int len, Vek32f alpha);
VEKS_API VekStatus veksWinBlackman_32f_I(Vek32f* pSrcDst, int len, Vek32f alpha);
VEKS_API VekStatus veksWinBlackman_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int len, Vek32f alpha);
VEKS_API VekStatus veksWinBlackman_32fc_I(Vek32fc* pSrcDst, int len, Vek32f alpha);
VEKS_API VekStatus veksWinBlackman_64f(const Vek64f* pSrc, Vek64f* pDst, int len, Vek64f alpha);
VEKS_API VekStatus veksWinBlackman_64f_I(Vek64f* pSrcDst, int len, Vek64f alpha);
VEKS_API VekStatus veksWinBlackman_64fc(const Vek64fc* pSrc, Vek64fc* pDst, int len, Vek64f alpha);
VEKS_API VekStatus veksWinBlackman_64fc_I(Vek64fc* pSrcDst, int len, Vek64f alpha);
VEKS_API VekStatus veksWinKaiser_16s(const Vek16s* pSrc, Vek16s* pDst, int len, Vek32f alpha);
VEKS_API VekStatus veksWinKaiser_16s_I(Vek16s* pSrcDst, int len, Vek32f alpha);
VEKS_API VekStatus veksWinKaiser_16sc(const Vek16sc* pSrc, Vek16sc* pDst, int len, Vek32f alpha);
VEKS_API VekStatus veksWinKaiser_16sc_I(Vek16sc* pSrcDst, int len, Vek32f alpha);
VEKS_API VekStatus veksWinKaiser_32f(const Vek32f* pSrc, Vek32f* pDst, int len, Vek32f alpha);
VEKS_API VekStatus veksWinKaiser_32f_I(Vek32f* pSrcDst, int len, Vek32f alpha);
VEKS_API VekStatus veksWinKaiser_32fc(const Vek32fc* pSrc, Vek32fc* pDst, int len, Vek32f alpha);
VEKS_API VekStatus veksWinKaiser_32fc_I(Vek32fc* pSrcDst, int len, Vek32f alpha);
VEKS_API VekStatus veksWinKaiser_64f(const Vek64f* pSrc, Vek64f* pDst, int len, Vek64f alpha);
VEKS_API VekStatus veksWinKaiser_64f_I(Vek64f* pSrcDst, int len, Vek64f alpha);
VEKS_API VekStatus veksWinKaiser_64fc(const Vek64fc* pSrc, Vek64fc* pDst, int len, Vek64f alpha);
VEKS_API VekStatus veksWinKaiser_64fc_I(Vek64fc* pSrcDst, int len, Vek64f alpha);
VEKS_API VekStatus veksWinBlackmanQ15_16s(const Vek16s* pSrc, Vek16s* pDst, int len, int alphaQ15);
VEKS_API VekStatus veksWinBlackmanQ15_16s_I(Vek16s* pSrcDst, int len, int alphaQ15);
VEKS_API VekStatus veksWinBlackmanQ15_16s_ISfs(Vek16s* pSrcDst, int len, int alphaQ15, int scaleFactor);
VEKS_API VekStatus veksWinBlackmanQ15_16sc(const Vek16sc* pSrc, Vek16sc* pDst, int len, int alphaQ15);
VEKS_API VekStatus veksWinBlackmanQ15_16sc_I(Vek16sc* pSrcDst, int len, int alphaQ15);
VEKS_API VekStatus veksWinKaiserQ15_16s(const Vek16s* pSrc, Vek16s* pDst, int len, int alphaQ15);
VEKS_API VekStatus veksWinKaiserQ15_16s_I(Vek16s* pSrcDst, int len, int alphaQ15);
VEKS_API VekStatus veksWinKaiserQ15_16sc(const Vek16sc* pSrc, Vek16sc* pDst, int len, int alphaQ15);
VEKS_API VekStatus veksWinKaiserQ15_16sc_I(Vek16sc* pSrcDst, int len, int alphaQ15);

/* Window-method FIR design into tapsLen (>= 5) taps; frequencies relative
 * to the sampling rate, in (0, 0.5). winType selects the window (Bartlett,
 * optimal Blackman, Hamming, Hann; any other value none); a non-zero
 * doNormal scales the taps to unit gain at the reference frequency. */
VEKS_API VekStatus veksFIRGenLowpass_64f(Vek64f rFreq, Vek64f* pTaps, int tapsLen, VekWinType winType, int doNormal);
VEKS_API VekStatus veksFIRGenHighpass_64f(Vek64f rFreq, Vek64f* pTaps, int tapsLen, VekWinType winType, int doNormal);
VEKS_API VekStatus veksFIRGenBandpass_64f(Vek64f rLowFreq, Vek64f rHighFreq, Vek64f* pTaps, int tapsLen,
                                          VekWinType winType, int doNormal);
VEKS_API VekStatus veksFIRGenBandstop_64f(Vek64f rLowFreq, Vek64f rHighFreq, Vek64f* pTaps, int tapsLen,
                                          VekWinType winType, int doNormal);

/* Butterworth or Chebyshev type I IIR design by bilinear transform: writes
 * the 2*(order+1) taps B0..B(order), A0..A(order) with A0 = 1. */
VEKS_API VekStatus veksIIRGenLowpass_64f(Vek64f rFreq, Vek64f passbandDb, int order, Vek64f* pTaps,
                                         VekIIRFilterType filterType);
VEKS_API VekStatus veksIIRGenHighpass_64f(Vek64f rFreq, Vek64f passbandDb, int order, Vek64f* pTaps,
                                          VekIIRFilterType filterType);

/* Running median over maskSize samples (an even size uses maskSize-1 and
 * warns); the borders repeat the first and last sample. */
VEKS_API VekStatus veksFilterMedian_8u(const Vek8u* pSrc, Vek8u* pDst, int len, int maskSize);
VEKS_API VekStatus veksFilterMedian_8u_I(Vek8u* pSrcDst, int len, int maskSize);
VEKS_API VekStatus veksFilterMedian_16s(const Vek16s* pSrc, Vek16s* pDst, int len, int maskSize);
VEKS_API VekStatus veksFilterMedian_16s_I(Vek16s* pSrcDst, int len, int maskSize);
VEKS_API VekStatus veksFilterMedian_32s(const Vek32s* pSrc, Vek32s* pDst, int len, int maskSize);
VEKS_API VekStatus veksFilterMedian_32s_I(Vek32s* pSrcDst, int len, int maskSize);
VEKS_API VekStatus veksFilterMedian_32f(const Vek32f* pSrc, Vek32f* pDst, int len, int maskSize);
VEKS_API VekStatus veksFilterMedian_32f_I(Vek32f* pSrcDst, int len, int maskSize);
VEKS_API VekStatus veksFilterMedian_64f(const Vek64f* pSrc, Vek64f* pDst, int len, int maskSize);
VEKS_API VekStatus veksFilterMedian_64f_I(Vek64f* pSrcDst, int len, int maskSize);

/* Up-sampling by zero insertion (dst[k*factor + phase] = src[k]) and
 * down-sampling (dst[k] = src[phase + k*factor]); down-sampling carries the
 * phase into the next block. */
VEKS_API VekStatus veksSampleUp_16s(const Vek16s* pSrc, int srcLen, Vek16s* pDst, int* pDstLen, int factor, int* pPhase);
VEKS_API VekStatus veksSampleDown_16s(const Vek16s* pSrc, int srcLen, Vek16s* pDst, int* pDstLen, int factor, int* pPhase);
VEKS_API VekStatus veksSampleUp_16sc(const Vek16sc* pSrc, int srcLen, Vek16sc* pDst, int* pDstLen, int factor, int* pPhase);
VEKS_API VekStatus veksSampleDown_16sc(const Vek16sc* pSrc, int srcLen, Vek16sc* pDst, int* pDstLen, int factor, int* pPhase);
VEKS_API VekStatus veksSampleUp_32f(const Vek32f* pSrc, int srcLen, Vek32f* pDst, int* pDstLen, int factor, int* pPhase);
VEKS_API VekStatus veksSampleDown_32f(const Vek32f* pSrc, int srcLen, Vek32f* pDst, int* pDstLen, int factor, int* pPhase);
VEKS_API VekStatus veksSampleUp_32fc(const Vek32fc* pSrc, int srcLen, Vek32fc* pDst, int* pDstLen, int factor, int* pPhase);
VEKS_API VekStatus veksSampleDown_32fc(const Vek32fc* pSrc, int srcLen, Vek32fc* pDst, int* pDstLen, int factor, int* pPhase);
VEKS_API VekStatus veksSampleUp_64f(const Vek64f* pSrc, int srcLen, Vek64f* pDst, int* pDstLen, int factor, int* pPhase);
VEKS_API VekStatus veksSampleDown_64f(const Vek64f* pSrc, int srcLen, Vek64f* pDst, int* pDstLen, int factor, int* pPhase);
VEKS_API VekStatus veksSampleUp_64fc(const Vek64fc* pSrc, int srcLen, Vek64fc* pDst, int* pDstLen, int factor, int* pPhase);
VEKS_API VekStatus veksSampleDown_64fc(const Vek64fc* pSrc, int srcLen, Vek64fc* pDst, int* pDstLen, int factor, int* pPhase);

/* In place x[n] - val*x[n-1], with x[-1] = 0. */
VEKS_API VekStatus veksPreemphasize_32f(Vek32f* pSrcDst, int len, Vek32f val);
VEKS_API VekStatus veksPreemphasize_16s(Vek16s* pSrcDst, int len, Vek32f val);


/* ==== Signal generation, speech support, trellis decoding ==== */

/* --- Random numbers ---------------------------------------------------- */
/* One reproducible generator (a congruential and a subtract-with-borrow
 * sequence added together) behind every form. Uniform values lie in
 * [low, high); Gaussian values come from the polar method. The _Direct
 * forms start a fresh generator from *pSeed and write a new seed back. */
typedef struct VekRandUniformState_8u  VekRandUniformState_8u;
typedef struct VekRandUniformState_16s VekRandUniformState_16s;
typedef struct VekRandUniformState_32f VekRandUniformState_32f;
typedef struct VekRandGaussState_8u    VekRandGaussState_8u;
typedef struct VekRandGaussState_16s   VekRandGaussState_16s;
typedef struct VekRandGaussState_32f   VekRandGaussState_32f;

VEKS_API VekStatus veksRandUniform_Direct_16s(Vek16s* pDst, int len, Vek16s low, Vek16s high, unsigned int* pSeed);
VEKS_API VekStatus veksRandUniform_Direct_32f(Vek32f* pDst, int len, Vek32f low, Vek32f high, unsigned int* pSeed);
VEKS_API VekStatus veksRandUniform_Direct_64f(Vek64f* pDst, int len, Vek64f low, Vek64f high, unsigned int* pSeed);
VEKS_API VekStatus veksRandGauss_Direct_16s(Vek16s* pDst, int len, Vek16s mean, Vek16s stdDev, unsigned int* pSeed);
VEKS_API VekStatus veksRandGauss_Direct_32f(Vek32f* pDst, int len, Vek32f mean, Vek32f stdDev, unsigned int* pSeed);
VEKS_API VekStatus veksRandGauss_Direct_64f(Vek64f* pDst, int len, Vek64f mean, Vek64f stdDev, unsigned int* pSeed);

/* Bytes of caller memory for a state laid by Init (56 uniform, 64 Gauss). */
VEKS_API VekStatus veksRandUniformGetSize_16s(int* pSize);
VEKS_API VekStatus veksRandGaussGetSize_16s(int* pSize);
VEKS_API VekStatus veksRandUniformInit_16s(VekRandUniformState_16s* pState, Vek16s low, Vek16s high, unsigned int seed);
VEKS_API VekStatus veksRandGaussInit_16s(VekRandGaussState_16s* pState, Vek16s mean, Vek16s stdDev, unsigned int seed);

VEKS_API VekStatus veksRandUniformInitAlloc_8u(VekRandUniformState_8u** ppState, Vek8u low, Vek8u high, unsigned int seed);
VEKS_API VekStatus veksRandUniformInitAlloc_16s(VekRandUniformState_16s** ppState, Vek16s low, Vek16s high, unsigned int seed);
VEKS_API VekStatus veksRandUniformInitAlloc_32f(VekRandUniformState_32f** ppState, Vek32f low, Vek32f high, unsigned int seed);
VEKS_API VekStatus veksRandGaussInitAlloc_8u(VekRandGaussState_8u** ppState, Vek8u mean, Vek8u stdDev, unsigned int seed);
VEKS_API VekStatus veksRandGaussInitAlloc_16s(VekRandGaussState_16s** ppState, Vek16s mean, Vek16s stdDev, unsigned int seed);
VEKS_API VekStatus veksRandGaussInitAlloc_32f(VekRandGaussState_32f** ppState, Vek32f mean, Vek32f stdDev, unsigned int seed);

/* Continue the state's sequence: n calls of length 1 equal one of length n. */
VEKS_API VekStatus veksRandUniform_8u(Vek8u* pDst, int len, VekRandUniformState_8u* pState);
VEKS_API VekStatus veksRandUniform_16s(Vek16s* pDst, int len, VekRandUniformState_16s* pState);
VEKS_API VekStatus veksRandUniform_32f(Vek32f* pDst, int len, VekRandUniformState_32f* pState);
VEKS_API VekStatus veksRandGauss_8u(Vek8u* pDst, int len, VekRandGaussState_8u* pState);
VEKS_API VekStatus veksRandGauss_16s(Vek16s* pDst, int len, VekRandGaussState_16s* pState);
VEKS_API VekStatus veksRandGauss_32f(Vek32f* pDst, int len, VekRandGaussState_32f* pState);

/* Release a state from InitAlloc. */
VEKS_API VekStatus veksRandUniformFree_8u(VekRandUniformState_8u* pState);
VEKS_API VekStatus veksRandUniformFree_16s(VekRandUniformState_16s* pState);
VEKS_API VekStatus veksRandUniformFree_32f(VekRandUniformState_32f* pState);
VEKS_API VekStatus veksRandGaussFree_8u(VekRandGaussState_8u* pState);
VEKS_API VekStatus veksRandGaussFree_16s(VekRandGaussState_16s* pState);
VEKS_API VekStatus veksRandGaussFree_32f(VekRandGaussState_32f* pState);

/* --- Tones and triangles ----------------------------------------------- */
/* pDst[n] = magn * cos(2*pi*rFreq*n + phase) (complex: cos and sin parts);
 * rFreq in [0, 0.5), *pPhase in [0, 2*pi), magn > 0. *pPhase receives the
 * phase a continuation call starts from. hint vekAlgHintFast selects the
 * vector recurrence for len >= 1024. */
VEKS_API VekStatus veksTone_Direct_32f(Vek32f* pDst, int len, Vek32f magn, Vek32f rFreq, Vek32f* pPhase, VekHintAlgorithm hint);
VEKS_API VekStatus veksTone_Direct_64f(Vek64f* pDst, int len, Vek64f magn, Vek64f rFreq, Vek64f* pPhase, VekHintAlgorithm hint);
VEKS_API VekStatus veksTone_Direct_16s(Vek16s* pDst, int len, Vek16s magn, Vek32f rFreq, Vek32f* pPhase, VekHintAlgorithm hint);
VEKS_API VekStatus veksTone_Direct_32fc(Vek32fc* pDst, int len, Vek32f magn, Vek32f rFreq, Vek32f* pPhase, VekHintAlgorithm hint);
VEKS_API VekStatus veksTone_Direct_64fc(Vek64fc* pDst, int len, Vek64f magn, Vek64f rFreq, Vek64f* pPhase, VekHintAlgorithm hint);
VEKS_API VekStatus veksTone_Direct_16sc(Vek16sc* pDst, int len, Vek16s magn, Vek32f rFreq, Vek32f* pPhase, VekHintAlgorithm hint);

/* Triangle of period 2*pi in phase: magn at phase 0, falling to -magn at
 * pi + asym, rising back to magn at 2*pi; asym in [-pi, pi). */
VEKS_API VekStatus veksTriangle_Direct_32f(Vek32f* pDst, int len, Vek32f magn, Vek32f rFreq, Vek32f asym, Vek32f* pPhase);
VEKS_API VekStatus veksTriangle_Direct_64f(Vek64f* pDst, int len, Vek64f magn, Vek64f rFreq, Vek64f asym, Vek64f* pPhase);
VEKS_API VekStatus veksTriangle_Direct_16s(Vek16s* pDst, int len, Vek16s magn, Vek32f rFreq, Vek32f asym, Vek32f* pPhase);
VEKS_API VekStatus veksTriangle_Direct_32fc(Vek32fc* pDst, int len, Vek32f magn, Vek32f rFreq, Vek32f asym, Vek32f* pPhase);
VEKS_API VekStatus veksTriangle_Direct_64fc(Vek64fc* pDst, int len, Vek64f magn, Vek64f rFreq, Vek64f asym, Vek64f* pPhase);
VEKS_API VekStatus veksTriangle_Direct_16sc(Vek16sc* pDst, int len, Vek16s magn, Vek32f rFreq, Vek32f asym, Vek32f* pPhase);

/* Q15 forms: rFreqQ15 in [0, 16383], phaseQ15 in [0, 205886], asymQ15 in
 * [-102943, 102943], each value * 2^-15; magn >= 1. The state forms keep
 * the sample position so that consecutive calls continue one waveform. */
typedef struct VekToneState_16s     VekToneState_16s;
typedef struct VekTriangleState_16s VekTriangleState_16s;

VEKS_API VekStatus veksToneGetStateSizeQ15_16s(int* pSize);
VEKS_API VekStatus veksToneInitQ15_16s(VekToneState_16s* pState, Vek16s magn, Vek16s rFreqQ15, Vek32s phaseQ15);
VEKS_API VekStatus veksToneInitAllocQ15_16s(VekToneState_16s** ppState, Vek16s magn, Vek16s rFreqQ15, Vek32s phaseQ15);
VEKS_API VekStatus veksToneQ15_16s(Vek16s* pDst, int len, VekToneState_16s* pState);
VEKS_API VekStatus veksToneQ15_Direct_16s(Vek16s* pDst, int len, Vek16s magn, Vek16s rFreqQ15, Vek32s phaseQ15);
/* Releases a state from InitAlloc; harmless (and a no-op) for one from Init. */
VEKS_API VekStatus veksToneFree(VekToneState_16s* pState);

VEKS_API VekStatus veksTriangleGetStateSizeQ15_16s(int* pSize);
VEKS_API VekStatus veksTriangleInitQ15_16s(VekTriangleState_16s* pState, Vek16s magn, Vek16s rFreqQ15, Vek32s phaseQ15, Vek32s asymQ15);
VEKS_API VekStatus veksTriangleInitAllocQ15_16s(VekTriangleState_16s** ppState, Vek16s magn, Vek16s rFreqQ15, Vek32s phaseQ15, Vek32s asymQ15);
VEKS_API VekStatus veksTriangleQ15_16s(Vek16s* pDst, int len, VekTriangleState_16s* pState);
VEKS_API VekStatus veksTriangleQ15_Direct_16s(Vek16s* pDst, int len, Vek16s magn, Vek16s rFreqQ15, Vek32s phaseQ15, Vek32s asymQ15);
VEKS_API VekStatus veksTriangleFree(VekTriangleState_16s* pState);

/* --- Ramps, slopes and the Jaehne chirp --------------------------------- */
/* pDst[i] = offset + slope * i. Ramp evaluates each element directly (integer
 * forms round half away from zero and saturate); Slope accumulates the line
 * (integer forms round to nearest even and saturate). */
VEKS_API VekStatus veksVectorRamp_8u(Vek8u* pDst, int len, Vek32f offset, Vek32f slope);
VEKS_API VekStatus veksVectorRamp_8s(Vek8s* pDst, int len, Vek32f offset, Vek32f slope);
VEKS_API VekStatus veksVectorRamp_16u(Vek16u* pDst, int len, Vek32f offset, Vek32f slope);
VEKS_API VekStatus veksVectorRamp_16s(Vek16s* pDst, int len, Vek32f offset, Vek32f slope);
VEKS_API VekStatus veksVectorRamp_32u(Vek32u* pDst, int len, Vek32f offset, Vek32f slope);
VEKS_API VekStatus veksVectorRamp_32s(Vek32s* pDst, int len, Vek32f offset, Vek32f slope);
VEKS_API VekStatus veksVectorRamp_32f(Vek32f* pDst, int len, Vek32f offset, Vek32f slope);
VEKS_API VekStatus veksVectorRamp_64f(Vek64f* pDst, int len, Vek32f offset, Vek32f slope);
VEKS_API VekStatus veksVectorSlope_8u(Vek8u* pDst, int len, Vek32f offset, Vek32f slope);
VEKS_API VekStatus veksVectorSlope_8s(Vek8s* pDst, int len, Vek32f offset, Vek32f slope);
VEKS_API VekStatus veksVectorSlope_16u(Vek16u* pDst, int len, Vek32f offset, Vek32f slope);
VEKS_API VekStatus veksVectorSlope_16s(Vek16s* pDst, int len, Vek32f offset, Vek32f slope);
VEKS_API VekStatus veksVectorSlope_32u(Vek32u* pDst, int len, Vek32f offset, Vek32f slope);
VEKS_API VekStatus veksVectorSlope_32s(Vek32s* pDst, int len, Vek32f offset, Vek32f slope);
VEKS_API VekStatus veksVectorSlope_32f(Vek32f* pDst, int len, Vek32f offset, Vek32f slope);
VEKS_API VekStatus veksVectorSlope_64f(Vek64f* pDst, int len, Vek64f offset, Vek64f slope);

/* pDst[i] = magn * sin(pi * i^2 / (2 * len)); magn >= 0. */
VEKS_API VekStatus veksVectorJaehne_8u(Vek8u* pDst, int len, Vek8u magn);
VEKS_API VekStatus veksVectorJaehne_8s(Vek8s* pDst, int len, Vek8s magn);
VEKS_API VekStatus veksVectorJaehne_16u(Vek16u* pDst, int len, Vek16u magn);
VEKS_API VekStatus veksVectorJaehne_16s(Vek16s* pDst, int len, Vek16s magn);
VEKS_API VekStatus veksVectorJaehne_32u(Vek32u* pDst, int len, Vek32u magn);
VEKS_API VekStatus veksVectorJaehne_32s(Vek32s* pDst, int len, Vek32s magn);
VEKS_API VekStatus veksVectorJaehne_32f(Vek32f* pDst, int len, Vek32f magn);
VEKS_API VekStatus veksVectorJaehne_64f(Vek64f* pDst, int len, Vek64f magn);

/* --- Speech and communications support --------------------------------- */
/* *pSrcDst = alpha * y + (1 - alpha) * term(n) over the block, where term is
 * the sample (Linear) or its square (Power) shifted right by srcShiftRight
 * (clamped to 0..15 and 0..31); alpha is an integer. */
VEKS_API VekStatus veksUpdateLinear_16s32s_I(const Vek16s* pSrc, int len, Vek32s* pSrcDst, int srcShiftRight, Vek16s alpha, VekHintAlgorithm hint);
VEKS_API VekStatus veksUpdatePower_16s32s_I(const Vek16s* pSrc, int len, Vek32s* pSrcDst, int srcShiftRight, Vek16s alpha, VekHintAlgorithm hint);

/* Cauchy loss 0.5*ln(1 + (x/C)^2), its derivative x/(x^2 + C^2), and the
 * derivative with the second derivative (C^2 - x^2)/(C^2 + x^2)^2 in pD2F;
 * C > 0. */
VEKS_API VekStatus veksCauchy_32f_I(Vek32f* pSrcDst, int len, Vek32f C);
VEKS_API VekStatus veksCauchyD_32f_I(Vek32f* pSrcDst, int len, Vek32f C);
VEKS_API VekStatus veksCauchyDD2_32f_I(Vek32f* pSrcDst, Vek32f* pD2F, int len, Vek32f C);

/* Phase increment between consecutive complex samples, 32768/pi per radian;
 * *pDlyPoint is the sample before pSrc[0] and receives the last sample. */
VEKS_API VekStatus veksDemodulateFM_CToR_16s(const Vek16s* pSrcRe, const Vek16s* pSrcIm, Vek16s* pDst, int len, Vek16sc* pDlyPoint);

/* --- Trellis decoding (4-D codes of 16, 32 or 64 states) ---------------- */
/* Nearest lattice point of every 2-D subset of a received point. */
VEKS_API VekStatus veksGetVarPointDV_16sc(const Vek16sc* pSrc, Vek32u* pDstVar, Vek32u* pDstDist, const Vek8u* pLabel, int numStates);
/* Best pair of 2-D points for every 4-D subset. */
VEKS_API VekStatus veksBuildSymblTableDV4D_16sc(const Vek32u* pDist, Vek16u* pTable, int numStates, int subsetXor);
/* Add-compare-select over the next-state table. */
VEKS_API VekStatus veksCalcStatesDV_16sc(const Vek16u* pPathError, const Vek8u* pNextState, Vek16u* pBranchError, const Vek16u* pTable, Vek32u* pDecision, int numStates, int offset);
/* Best state and rebased path metrics; resets the branch metrics. */
VEKS_API VekStatus veksUpdatePathMetricsDV_16u(Vek16u* pBranchError, Vek16u* pMinPathError, Vek8u* pMinState, Vek16u* pPathError, int numStates);


#ifdef __cplusplus
}
#endif

#endif /* VEKS_H */
