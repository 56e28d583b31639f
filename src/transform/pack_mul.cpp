// Products of packed real spectra (Pack and Perm layouts): the real DC and
// Nyquist terms are multiplied as reals, every other pair as a complex value.
#include <pmmintrin.h>

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

// Complex pairs on SSE registers: a times b with b's real and imaginary
// parts duplicated across each pair, plus the swapped a times b's
// imaginary parts, combined by one add-subtract. Each lane forms the same
// two products and one sum as the scalar code. Returns the pairs done.
inline __m128 pair_product(__m128 a, __m128 b, bool conj_b) {
    const __m128 t = _mm_mul_ps(a, _mm_moveldup_ps(b));
    const __m128 u = _mm_mul_ps(_mm_shuffle_ps(a, a, _MM_SHUFFLE(2, 3, 0, 1)), _mm_movehdup_ps(b));
    return _mm_addsub_ps(t, conj_b ? _mm_xor_ps(u, _mm_set1_ps(-0.0f)) : u);
}
inline __m128d pair_product(__m128d a, __m128d b, bool conj_b) {
    const __m128d t = _mm_mul_pd(a, _mm_unpacklo_pd(b, b));
    const __m128d u = _mm_mul_pd(_mm_shuffle_pd(a, a, 1), _mm_unpackhi_pd(b, b));
    return _mm_addsub_pd(t, conj_b ? _mm_xor_pd(u, _mm_set1_pd(-0.0)) : u);
}

inline int pair_block(const FloatProduct<float>& op, const float* a, const float* b, float* d, int pairs) {
    int p = 0;
    for (; p + 2 <= pairs; p += 2)
        _mm_storeu_ps(d + 2 * p, pair_product(_mm_loadu_ps(a + 2 * p), _mm_loadu_ps(b + 2 * p), op.conj_b));
    return p;
}
inline int pair_block(const FloatProduct<double>& op, const double* a, const double* b, double* d, int pairs) {
    for (int p = 0; p < pairs; ++p)
        _mm_storeu_pd(d + 2 * p, pair_product(_mm_loadu_pd(a + 2 * p), _mm_loadu_pd(b + 2 * p), op.conj_b));
    return pairs;
}
template <class T, class Op>
int pair_block(const Op&, const T*, const T*, T*, int) { return 0; }

template <class T, class Op>
VekStatus packed_mul(const T* a, const T* b, T* d, int len, bool perm, const Op& op) {
    VEKS_CHECK(check_vec(len, a, b, d));
    const PackedShape sh(len, perm);
    d[0] = op.real(a[0], b[0]);
    if (sh.nyquist > 0) d[sh.nyquist] = op.real(a[sh.nyquist], b[sh.nyquist]);
    const int f = sh.first_pair, done = pair_block(op, a + f, b + f, d + f, sh.pairs);
    for (int p = done, i = f + 2 * done; p < sh.pairs; ++p, i += 2) {
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
