// Products of packed real spectra (Pack and Perm layouts): the real DC and
// Nyquist terms are multiplied as reals, every other pair as a complex value.
#include <cstdint>

#include "core/check.h"
#include "core/scale.h"
#include "veks.h"

namespace veks {
namespace {

// Where the complex pairs of a packed spectrum of `len` reals start, and
// where its Nyquist term sits (-1 for odd lengths, which have none).
struct PackedShape {
    int first_pair, pairs, nyquist;
    PackedShape(int len, bool perm) {
        const bool even = len % 2 == 0;
        nyquist = even ? (perm ? 1 : len - 1) : -1;
        first_pair = perm && even ? 2 : 1;
        pairs = (len - 1 - (even ? 1 : 0)) / 2;
    }
};

// Products: a*b for reals, a*b or a*conj(b) for pairs.
template <class T>
struct FloatProduct {
    bool conj_b;
    T real(T a, T b) const { return a * b; }
    void pair(T ar, T ai, T br, T bi, T& r, T& i) const {
        if (conj_b) {
            r = ar * br + ai * bi;
            i = ai * br - ar * bi;
        } else {
            r = ar * br - ai * bi;
            i = ar * bi + ai * br;
        }
    }
};

// 16-bit: exact products shifted arithmetically by the scale factor
// (truncating) and saturated.
inline Vek16s shift_saturate(std::int64_t v, int sf) {
    if (sf > 0) return saturate<Vek16s>(v >> (sf > 62 ? 62 : sf));
    if (sf < 0) {
        if (v == 0) return 0;
        if (-sf >= 32) return v > 0 ? 32767 : -32768;
        return saturate<Vek16s>(v * (std::int64_t(1) << -sf));
    }
    return saturate<Vek16s>(v);
}

struct Int16Product {
    int sf;
    Vek16s real(Vek16s a, Vek16s b) const { return shift_saturate(std::int64_t(a) * b, sf); }
    void pair(Vek16s ar, Vek16s ai, Vek16s br, Vek16s bi, Vek16s& r, Vek16s& i) const {
        r = shift_saturate(std::int64_t(ar) * br - std::int64_t(ai) * bi, sf);
        i = shift_saturate(std::int64_t(ar) * bi + std::int64_t(ai) * br, sf);
    }
};

template <class T, class Op>
VekStatus packed_mul(const T* a, const T* b, T* d, int len, bool perm, const Op& op) {
    VEKS_CHECK(check_vec(len, a, b, d));
    const PackedShape sh(len, perm);
    d[0] = op.real(a[0], b[0]);
    if (sh.nyquist > 0) d[sh.nyquist] = op.real(a[sh.nyquist], b[sh.nyquist]);
    for (int p = 0, i = sh.first_pair; p < sh.pairs; ++p, i += 2) {
        T r, im;
        op.pair(a[i], a[i + 1], b[i], b[i + 1], r, im);
        d[i] = r;
        d[i + 1] = im;
    }
    return vekStsNoErr;
}

}  // namespace
}  // namespace veks

using namespace veks;

#define VEKS_MUL_PACKED_FLOAT(NAME, PERM, T, C)                                                   \
    VekStatus veks##NAME##_##C(const T* pSrc1, const T* pSrc2, T* pDst, int len) {                 \
        return packed_mul(pSrc1, pSrc2, pDst, len, PERM, FloatProduct<T>{false});                  \
    }                                                                                              \
    VekStatus veks##NAME##_##C##_I(const T* pSrc, T* pSrcDst, int len) {                           \
        return packed_mul(pSrc, static_cast<const T*>(pSrcDst), pSrcDst, len, PERM, FloatProduct<T>{false}); \
    }

VEKS_MUL_PACKED_FLOAT(MulPack, false, Vek32f, 32f)
VEKS_MUL_PACKED_FLOAT(MulPack, false, Vek64f, 64f)
VEKS_MUL_PACKED_FLOAT(MulPerm, true, Vek32f, 32f)
VEKS_MUL_PACKED_FLOAT(MulPerm, true, Vek64f, 64f)

#define VEKS_MUL_PACKED_16S(NAME, PERM)                                                           \
    VekStatus veks##NAME##_16s_Sfs(const Vek16s* pSrc1, const Vek16s* pSrc2, Vek16s* pDst, int len, \
                                    int scaleFactor) {                                             \
        return packed_mul(pSrc1, pSrc2, pDst, len, PERM, Int16Product{scaleFactor});               \
    }                                                                                              \
    VekStatus veks##NAME##_16s_ISfs(const Vek16s* pSrc, Vek16s* pSrcDst, int len, int scaleFactor) { \
        return packed_mul(pSrc, static_cast<const Vek16s*>(pSrcDst), pSrcDst, len, PERM, Int16Product{scaleFactor}); \
    }

VEKS_MUL_PACKED_16S(MulPack, false)
VEKS_MUL_PACKED_16S(MulPerm, true)

VekStatus veksMulPackConj_32f_I(const Vek32f* pSrc, Vek32f* pSrcDst, int len) {
    return packed_mul(pSrc, static_cast<const Vek32f*>(pSrcDst), pSrcDst, len, false, FloatProduct<Vek32f>{true});
}
VekStatus veksMulPackConj_64f_I(const Vek64f* pSrc, Vek64f* pSrcDst, int len) {
    return packed_mul(pSrc, static_cast<const Vek64f*>(pSrcDst), pSrcDst, len, false, FloatProduct<Vek64f>{true});
}
