// Floating-point element-wise kernels on SSE packets. An operation is one
// generic lambda that GCC applies both to scalars and to __m128/__m128d
// (vector types take + - * directly), so the scalar head and tail and the
// packet blocks round identically.
#ifndef VEKS_VECTOR_ARITH_FLOAT_H
#define VEKS_VECTOR_ARITH_FLOAT_H

#include <pmmintrin.h>

#include <cstddef>

#include "core/simd.h"
#include "veks.h"

namespace veks {
namespace arith {

using std::ptrdiff_t;

template <class T>
using FP = simd::Packet<T>;

// Operands: a vector, a broadcast constant, or a complex constant seen as
// alternating parts of a real vector (its packet depends on the parity of
// the first part).
template <class T>
struct FVec {
    const T* p;
    T at(ptrdiff_t i) const { return p[i]; }
    typename FP<T>::V load(ptrdiff_t i) const { return FP<T>::loadu(p + i); }
};
template <class T>
struct FCst {
    T v;
    T at(ptrdiff_t) const { return v; }
    typename FP<T>::V load(ptrdiff_t) const { return FP<T>::set1(v); }
};
template <class T>
struct FPair {
    T re, im;
    typename FP<T>::V even, odd;
    FPair(T r, T i) : re(r), im(i) {
        if constexpr (sizeof(T) == 4) {
            even = _mm_setr_ps(r, i, r, i);
            odd = _mm_setr_ps(i, r, i, r);
        } else {
            even = _mm_setr_pd(r, i);
            odd = _mm_setr_pd(i, r);
        }
    }
    T at(ptrdiff_t i) const { return (i & 1) ? im : re; }
    typename FP<T>::V load(ptrdiff_t i) const { return (i & 1) ? odd : even; }
};

// dst[i] = op(a[i], b[i]) over real parts, two packets per block.
template <class T, class A, class B, class Op>
void fmap(T* dst, ptrdiff_t len, A a, B b, Op op) {
    constexpr ptrdiff_t L = FP<T>::lanes;
    simd::sweep<2 * L>(
        dst, len, [&](ptrdiff_t i) { dst[i] = op(a.at(i), b.at(i)); },
        [&](ptrdiff_t i) {
            const auto r0 = op(a.load(i), b.load(i));
            const auto r1 = op(a.load(i + L), b.load(i + L));
            FP<T>::storeu(dst + i, r0);
            FP<T>::storeu(dst + i + L, r1);
        });
}

// Complex products (ar*br - ai*bi, ar*bi + ai*br); the packet forms sum the
// same two products of each part, so their bits match the scalar ones.
inline Vek32fc cmul(Vek32fc a, Vek32fc b) { return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re}; }
inline Vek64fc cmul(Vek64fc a, Vek64fc b) { return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re}; }

inline __m128 cmul(__m128 a, __m128 b) {
    const __m128 t1 = _mm_mul_ps(a, _mm_moveldup_ps(b));
    const __m128 t2 = _mm_mul_ps(_mm_shuffle_ps(a, a, _MM_SHUFFLE(2, 3, 0, 1)), _mm_movehdup_ps(b));
    return _mm_addsub_ps(t1, t2);
}
inline __m128d cmul(__m128d a, __m128d b) {
    const __m128d t1 = _mm_mul_pd(a, _mm_unpacklo_pd(b, b));
    const __m128d t2 = _mm_mul_pd(_mm_shuffle_pd(a, a, 1), _mm_unpackhi_pd(b, b));
    return _mm_addsub_pd(t1, t2);
}

template <class C>
struct CplxPacket;
template <>
struct CplxPacket<Vek32fc> {
    using V = __m128;
    static constexpr int per = 2;
    static V loadu(const Vek32fc* p) { return _mm_loadu_ps(&p->re); }
    static void storeu(Vek32fc* p, V v) { _mm_storeu_ps(&p->re, v); }
    static V set1(Vek32fc c) { return _mm_setr_ps(c.re, c.im, c.re, c.im); }
};
template <>
struct CplxPacket<Vek64fc> {
    using V = __m128d;
    static constexpr int per = 1;
    static V loadu(const Vek64fc* p) { return _mm_loadu_pd(&p->re); }
    static void storeu(Vek64fc* p, V v) { _mm_storeu_pd(&p->re, v); }
    static V set1(Vek64fc c) { return _mm_setr_pd(c.re, c.im); }
};

// dst[i] = acc ? dst[i] + a[i] * b[i] : a[i] * b[i], complex; b is a vector
// or (bp null) the constant bc.
template <bool Acc, class C>
void cmul_map(C* dst, ptrdiff_t len, const C* a, const C* bp, C bc) {
    using P = CplxPacket<C>;
    constexpr ptrdiff_t per = P::per;
    const typename P::V bv = P::set1(bc);
    simd::sweep<2 * per>(
        dst, len,
        [&](ptrdiff_t i) {
            const C p = cmul(a[i], bp ? bp[i] : bc);
            dst[i] = Acc ? C{dst[i].re + p.re, dst[i].im + p.im} : p;
        },
        [&](ptrdiff_t i) {
            auto r0 = cmul(P::loadu(a + i), bp ? P::loadu(bp + i) : bv);
            auto r1 = cmul(P::loadu(a + i + per), bp ? P::loadu(bp + i + per) : bv);
            if (Acc) {
                r0 = P::loadu(dst + i) + r0;
                r1 = P::loadu(dst + i + per) + r1;
            }
            P::storeu(dst + i, r0);
            P::storeu(dst + i + per, r1);
        });
}

// True when dst starts within one block after a source, where a block
// would read source elements that the plain loop has already overwritten.
template <class T>
bool overlaps_block(const T* dst, const T* src, ptrdiff_t block) {
    return dst > src && dst < src + block;
}

}  // namespace arith
}  // namespace veks

#endif
