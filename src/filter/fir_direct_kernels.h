// Direct-form FIR dot-product kernels.
//
// Every output is summed in one fixed order, tap by tap from the oldest
// sample to the newest, whatever the block size, alignment or SIMD width
// that computes it; so the scalar tail, the SSE and the AVX2 blocks and any
// thread split give the same bits.
#ifndef VEKS_FILTER_FIR_DIRECT_KERNELS_H
#define VEKS_FILTER_FIR_DIRECT_KERNELS_H

#include <cstdint>

#include "filter/fir_types.h"

namespace veks {
namespace fir {

// Replicated tap table: tap h[j] at rep + 4*j, laid out for the SIMD lanes
// (real: h four times; complex: (re, re) pairs then (-im, im) pairs).
template <class T>
inline void replicate(T h, T* e) {
    if constexpr (is_cx<T>::value) {
        using R = Part<T>;
        R* p = reinterpret_cast<R*>(e);
        const R a = h.re, b = h.im;
        if constexpr (sizeof(R) == 4) {
            const R v[8] = {a, a, a, a, -b, b, -b, b};
            for (int q = 0; q < 8; ++q) p[q] = v[q];
        } else {
            p[0] = a, p[1] = a, p[2] = -b, p[3] = b;
            for (int q = 4; q < 8; ++q) p[q] = R(0);
        }
    } else {
        for (int q = 0; q < 4; ++q) e[q] = h;
    }
}

// Natural-order tap j from the replicated table.
template <class T>
inline T replicated_tap(const T* rep, int j) {
    if constexpr (is_cx<T>::value) {
        const Part<T>* p = reinterpret_cast<const Part<T>*>(rep + 4 * j);
        constexpr int im_at = sizeof(Part<T>) == 4 ? 5 : 3;  // (a,a,a,a,-b,b,-b,b) or (a,a,-b,b)
        return T{p[0], p[im_at]};
    } else {
        return rep[4 * j];
    }
}

// y[k] = sum over i < L of h[L-1-i] * w[k+i], for k < n.
template <class T>
void fir_dot(const T* rep, int L, const T* w, T* y, int n);

// One output with the same summation order as fir_dot.
template <class T>
inline T fir_dot_one(const T* rep, int L, const T* w) {
    T acc = zero<T>();
    for (int i = 0; i < L; ++i) acc = add(acc, mul(replicated_tap(rep, L - 1 - i), w[i]));
    return acc;
}

// Integer form: y[k] = sum of r[i] * w[k+i] over i < L as a 32-bit
// wrap-around sum of 16x16-bit products, r the reversed 16-bit taps.
// `pairs` holds (r[2m], r[2m+1]) packed into 32-bit words (r[L] = 0).
void fir_dot_16s(const std::int32_t* pairs, int L, const std::int16_t* w, std::int32_t* y, int n);
void fir_dot_16sc(const Cx<std::int16_t>* rev, int L, const Cx<std::int16_t>* w, Cx<std::int32_t>* y, int n);

// Dot product of two contiguous vectors in a fixed lane order.
float dot_contig(const float* h, const float* x, int n);
double dot_contig(const double* h, const double* x, int n);

}  // namespace fir
}  // namespace veks

#endif
