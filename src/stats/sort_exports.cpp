// Exported sorts: one line per type code binds the public names of each
// form to its kernel.
#include "core/check.h"
#include "sort_kernels.h"
#include "veks.h"

using namespace veks;

#define VEKS_SORT(code, T)                                                                       \
    VekStatus veksSortAscend_##code##_I(T* pSrcDst, int len) {                                   \
        VEKS_CHECK(check_vec(len, pSrcDst));                                                     \
        quick_sort(pSrcDst, len, false);                                                         \
        return vekStsNoErr;                                                                      \
    }                                                                                            \
    VekStatus veksSortDescend_##code##_I(T* pSrcDst, int len) {                                  \
        VEKS_CHECK(check_vec(len, pSrcDst));                                                     \
        quick_sort(pSrcDst, len, true);                                                          \
        return vekStsNoErr;                                                                      \
    }                                                                                            \
    VekStatus veksSortIndexAscend_##code##_I(T* pSrcDst, int* pDstIdx, int len) {                \
        VEKS_CHECK(check_vec(len, pSrcDst, pDstIdx));                                            \
        quick_sort_index(pSrcDst, pDstIdx, len, false);                                          \
        return vekStsNoErr;                                                                      \
    }                                                                                            \
    VekStatus veksSortIndexDescend_##code##_I(T* pSrcDst, int* pDstIdx, int len) {               \
        VEKS_CHECK(check_vec(len, pSrcDst, pDstIdx));                                            \
        quick_sort_index(pSrcDst, pDstIdx, len, true);                                           \
        return vekStsNoErr;                                                                      \
    }

#define VEKS_SORT_RADIX(code, T)                                                                 \
    VekStatus veksSortRadixAscend_##code##_I(T* pSrcDst, T* pTmp, int len) {                     \
        VEKS_CHECK(check_vec(len, pSrcDst, pTmp));                                               \
        radix_sort(pSrcDst, pTmp, len, false);                                                   \
        return vekStsNoErr;                                                                      \
    }                                                                                            \
    VekStatus veksSortRadixDescend_##code##_I(T* pSrcDst, T* pTmp, int len) {                    \
        VEKS_CHECK(check_vec(len, pSrcDst, pTmp));                                               \
        radix_sort(pSrcDst, pTmp, len, true);                                                    \
        return vekStsNoErr;                                                                      \
    }

// The stride must at least step over one key.
#define VEKS_SORT_RADIX_INDEX(code, T)                                                           \
    VekStatus veksSortRadixIndexAscend_##code(const T* pSrc, Vek32s srcStrideBytes, int* pDstIndx, \
                                              int* pTmpIndx, int len) {                          \
        VEKS_CHECK(check_ptrs(pSrc, pDstIndx, pTmpIndx));                                        \
        VEKS_CHECK(check_param(len < 1 || srcStrideBytes < int(sizeof(T)), vekStsSizeErr));     \
        radix_sort_index(pSrc, srcStrideBytes, pDstIndx, pTmpIndx, len, false);                  \
        return vekStsNoErr;                                                                      \
    }                                                                                            \
    VekStatus veksSortRadixIndexDescend_##code(const T* pSrc, Vek32s srcStrideBytes, int* pDstIndx, \
                                               int* pTmpIndx, int len) {                         \
        VEKS_CHECK(check_ptrs(pSrc, pDstIndx, pTmpIndx));                                        \
        VEKS_CHECK(check_param(len < 1 || srcStrideBytes < int(sizeof(T)), vekStsSizeErr));     \
        radix_sort_index(pSrc, srcStrideBytes, pDstIndx, pTmpIndx, len, true);                   \
        return vekStsNoErr;                                                                      \
    }

VEKS_SORT(8u, Vek8u)
VEKS_SORT(16u, Vek16u)
VEKS_SORT(16s, Vek16s)
VEKS_SORT(32s, Vek32s)
VEKS_SORT(32f, Vek32f)
VEKS_SORT(64f, Vek64f)

VEKS_SORT_RADIX(8u, Vek8u)
VEKS_SORT_RADIX(16u, Vek16u)
VEKS_SORT_RADIX(16s, Vek16s)
VEKS_SORT_RADIX(32u, Vek32u)
VEKS_SORT_RADIX(32s, Vek32s)
VEKS_SORT_RADIX(32f, Vek32f)
VEKS_SORT_RADIX(64f, Vek64f)

VEKS_SORT_RADIX_INDEX(8u, Vek8u)
VEKS_SORT_RADIX_INDEX(16u, Vek16u)
VEKS_SORT_RADIX_INDEX(16s, Vek16s)
VEKS_SORT_RADIX_INDEX(32u, Vek32u)
VEKS_SORT_RADIX_INDEX(32s, Vek32s)
VEKS_SORT_RADIX_INDEX(32f, Vek32f)
