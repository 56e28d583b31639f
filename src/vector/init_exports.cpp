// Exported fill, copy and reorder operations. Each line binds one public
// name to its width kernel; the checks come from core/check.h.
#include <cstdint>
#include <type_traits>

#include "bit_copy.h"
#include "complex_parts.h"
#include "copy_kernels.h"
#include "core/check.h"
#include "flip.h"
#include "swap_bytes.h"
#include "veks.h"

namespace veks {
namespace {

inline std::size_t bytes(int len, std::size_t size) { return static_cast<std::size_t>(len) * size; }

// Set streams from 512 KiB of 8-bit data, 1 MiB of wider data.
constexpr std::size_t set_stream_from(std::size_t width) { return width == 1 ? 524288 : 1048576; }

template <class T>
VekStatus set(T val, T* dst, int len) {
    VEKS_CHECK(check_vec(len, dst));
    fill_pattern(dst, static_cast<std::size_t>(len), sizeof(T), &val, set_stream_from(sizeof(T)));
    return vekStsNoErr;
}

// Complex parts are handled on the underlying part type.
template <class C>
using Part = std::conditional_t<sizeof(C) == 4, std::int16_t, std::conditional_t<sizeof(C) == 8, float, double>>;

template <class C, class T>
VekStatus split(const C* src, T* re, T* im, int len) {
    split_complex(reinterpret_cast<const Part<C>*>(src), reinterpret_cast<Part<C>*>(re),
                  reinterpret_cast<Part<C>*>(im), static_cast<std::size_t>(len));
    return vekStsNoErr;
}

}  // namespace
}  // namespace veks

using namespace veks;

#define VEKS_COPY_MOVE_SET_ZERO(code, T)                                          \
    VekStatus veksCopy_##code(const T* pSrc, T* pDst, int len) {                  \
        VEKS_CHECK(check_vec(len, pSrc, pDst));                                   \
        copy_bytes(pDst, pSrc, bytes(len, sizeof(T)));                            \
        return vekStsNoErr;                                                       \
    }                                                                             \
    VekStatus veksMove_##code(const T* pSrc, T* pDst, int len) {                  \
        VEKS_CHECK(check_vec(len, pSrc, pDst));                                   \
        move_bytes(pDst, pSrc, bytes(len, sizeof(T)));                            \
        return vekStsNoErr;                                                       \
    }                                                                             \
    VekStatus veksSet_##code(T val, T* pDst, int len) { return set(val, pDst, len); } \
    VekStatus veksZero_##code(T* pDst, int len) {                                 \
        VEKS_CHECK(check_vec(len, pDst));                                         \
        zero_bytes(pDst, bytes(len, sizeof(T)));                                  \
        return vekStsNoErr;                                                       \
    }

VEKS_COPY_MOVE_SET_ZERO(8u, Vek8u)
VEKS_COPY_MOVE_SET_ZERO(16s, Vek16s)
VEKS_COPY_MOVE_SET_ZERO(16sc, Vek16sc)
VEKS_COPY_MOVE_SET_ZERO(32s, Vek32s)
VEKS_COPY_MOVE_SET_ZERO(32sc, Vek32sc)
VEKS_COPY_MOVE_SET_ZERO(32f, Vek32f)
VEKS_COPY_MOVE_SET_ZERO(32fc, Vek32fc)
VEKS_COPY_MOVE_SET_ZERO(64s, Vek64s)
VEKS_COPY_MOVE_SET_ZERO(64sc, Vek64sc)
VEKS_COPY_MOVE_SET_ZERO(64f, Vek64f)
VEKS_COPY_MOVE_SET_ZERO(64fc, Vek64fc)

VekStatus veksCopy_1u(const Vek8u* pSrc, int srcBitOffset, Vek8u* pDst, int dstBitOffset, int len) {
    VEKS_CHECK(check_ptrs(pSrc, pDst));
    VEKS_CHECK(check_param(len < 1 || srcBitOffset < 0 || dstBitOffset < 0, vekStsSizeErr));
    // Offsets of a byte or more address later bytes.
    copy_bits(pSrc + srcBitOffset / 8, unsigned(srcBitOffset % 8), pDst + dstBitOffset / 8,
              unsigned(dstBitOffset % 8), static_cast<std::size_t>(len));
    return vekStsNoErr;
}

#define VEKS_FLIP(code, T)                                           \
    VekStatus veksFlip_##code(const T* pSrc, T* pDst, int len) {     \
        VEKS_CHECK(check_vec(len, pSrc, pDst));                      \
        flip<sizeof(T)>(pSrc, pDst, static_cast<std::size_t>(len));  \
        return vekStsNoErr;                                          \
    }                                                                \
    VekStatus veksFlip_##code##_I(T* pSrcDst, int len) {             \
        VEKS_CHECK(check_vec(len, pSrcDst));                         \
        flip_inplace<sizeof(T)>(pSrcDst, static_cast<std::size_t>(len)); \
        return vekStsNoErr;                                          \
    }

VEKS_FLIP(8u, Vek8u)
VEKS_FLIP(16u, Vek16u)
VEKS_FLIP(32f, Vek32f)
VEKS_FLIP(64f, Vek64f)
VEKS_FLIP(32fc, Vek32fc)
VEKS_FLIP(64fc, Vek64fc)

#define VEKS_COMPLEX_PARTS(code, C, T)                                                       \
    VekStatus veksReal_##code(const C* pSrc, T* pDstRe, int len) {                           \
        VEKS_CHECK(check_vec(len, pSrc, pDstRe));                                            \
        return split<C, T>(pSrc, pDstRe, nullptr, len);                                      \
    }                                                                                        \
    VekStatus veksImag_##code(const C* pSrc, T* pDstIm, int len) {                           \
        VEKS_CHECK(check_vec(len, pSrc, pDstIm));                                            \
        return split<C, T>(pSrc, nullptr, pDstIm, len);                                      \
    }                                                                                        \
    VekStatus veksCplxToReal_##code(const C* pSrc, T* pDstRe, T* pDstIm, int len) {          \
        VEKS_CHECK(check_vec(len, pSrc, pDstRe, pDstIm));                                    \
        return split<C, T>(pSrc, pDstRe, pDstIm, len);                                       \
    }

VEKS_COMPLEX_PARTS(16sc, Vek16sc, Vek16s)
VEKS_COMPLEX_PARTS(32fc, Vek32fc, Vek32f)
VEKS_COMPLEX_PARTS(64fc, Vek64fc, Vek64f)

// Null rule: pDst first, then the length, then at least one source.
#define VEKS_REAL_TO_CPLX(code, T, C)                                                        \
    VekStatus veksRealToCplx_##code(const T* pSrcRe, const T* pSrcIm, C* pDst, int len) {    \
        VEKS_CHECK(check_vec(len, pDst));                                                    \
        VEKS_CHECK(check_param(!pSrcRe && !pSrcIm, vekStsNullPtrErr));                       \
        join_complex(reinterpret_cast<const Part<C>*>(pSrcRe), reinterpret_cast<const Part<C>*>(pSrcIm), \
                     reinterpret_cast<Part<C>*>(pDst), static_cast<std::size_t>(len));       \
        return vekStsNoErr;                                                                  \
    }

VEKS_REAL_TO_CPLX(16s, Vek16s, Vek16sc)
VEKS_REAL_TO_CPLX(32f, Vek32f, Vek32fc)
VEKS_REAL_TO_CPLX(64f, Vek64f, Vek64fc)

#define VEKS_SWAP_BYTES(code, T, W)                                  \
    VekStatus veksSwapBytes_##code(const T* pSrc, T* pDst, int len) { \
        VEKS_CHECK(check_vec(len, pSrc, pDst));                      \
        swap_bytes<W>(pSrc, pDst, static_cast<std::size_t>(len));    \
        return vekStsNoErr;                                          \
    }                                                                \
    VekStatus veksSwapBytes_##code##_I(T* pSrcDst, int len) {        \
        VEKS_CHECK(check_vec(len, pSrcDst));                         \
        swap_bytes<W>(pSrcDst, pSrcDst, static_cast<std::size_t>(len)); \
        return vekStsNoErr;                                          \
    }

VEKS_SWAP_BYTES(16u, Vek16u, 2)
VEKS_SWAP_BYTES(24u, Vek8u, 3)
VEKS_SWAP_BYTES(32u, Vek32u, 4)
VEKS_SWAP_BYTES(64u, Vek64u, 8)
