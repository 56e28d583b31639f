// IIR recursions in the tap type: transposed direct form II for arbitrary
// order and biquad cascades, direct form I for biquads. Every kernel runs
// in place on a buffer of the tap type.
#ifndef VEKS_FILTER_IIR_KERNELS_H
#define VEKS_FILTER_IIR_KERNELS_H

#include "iir_state.h"

namespace veks {

// One sample, arbitrary order: y = b0 x + d0; d[i] = b[i+1] x - a[i+1] y
// + d[i+1], where d[order] is the constant 0.
template <class T>
inline T iir_arbitrary_one(const T* taps, T* d, int order, T x) {
    const T* a = taps + order + 1;  // a[0] holds a1
    const T y = taps[0] * x + d[0];
    for (int i = 0; i < order; ++i) d[i] = taps[i + 1] * x - a[i] * y + d[i + 1];
    return y;
}

// One sample through every section of a transposed direct form II cascade.
template <class T>
inline T iir_biquad_one(const T* taps, T* d, int sections, T x) {
    for (int s = 0; s < sections; ++s, taps += 5, d += 2) {
        const T y = taps[0] * x + d[0];
        d[0] = taps[1] * x - taps[3] * y + d[1];
        d[1] = taps[2] * x - taps[4] * y;
        x = y;
    }
    return x;
}

// One sample through a direct form I cascade; history x1 x2 y1 y2.
template <class T>
inline T iir_df1_one(const T* taps, T* h, int sections, T x) {
    for (int s = 0; s < sections; ++s, taps += 5, h += 4) {
        const T y = taps[0] * x + taps[1] * h[0] + taps[2] * h[1] - taps[3] * h[2] - taps[4] * h[3];
        h[1] = h[0];
        h[0] = x;
        h[3] = h[2];
        h[2] = y;
        x = y;
    }
    return x;
}

template <class T>
inline void iir_df1_section(const T* t, T* h, T* v, int n) {
    const T b0 = t[0], b1 = t[1], b2 = t[2], a1 = t[3], a2 = t[4];
    T x1 = h[0], x2 = h[1], y1 = h[2], y2 = h[3];
    for (int k = 0; k < n; ++k) {
        const T x = v[k];
        const T y = b0 * x + b1 * x1 + b2 * x2 - a1 * y1 - a2 * y2;
        x2 = x1;
        x1 = x;
        y2 = y1;
        y1 = y;
        v[k] = y;
    }
    h[0] = x1;
    h[1] = x2;
    h[2] = y1;
    h[3] = y2;
}

// G consecutive sections run sample by sample with taps and delays in
// registers, so the sections' recursions overlap instead of following one
// another; every section does the operations of iir_biquad_one in the same
// order, so block and sample calls agree bit for bit.
template <int G, class T>
inline void iir_biquad_group(const T* t, T* d, T* v, int n) {
    T b0[G], b1[G], b2[G], a1[G], a2[G], d0[G], d1[G];
    for (int q = 0; q < G; ++q) {
        b0[q] = t[5 * q], b1[q] = t[5 * q + 1], b2[q] = t[5 * q + 2], a1[q] = t[5 * q + 3], a2[q] = t[5 * q + 4];
        d0[q] = d[2 * q], d1[q] = d[2 * q + 1];
    }
    for (int k = 0; k < n; ++k) {
        T x = v[k];
        for (int q = 0; q < G; ++q) {
            const T y = b0[q] * x + d0[q];
            d0[q] = b1[q] * x - a1[q] * y + d1[q];
            d1[q] = b2[q] * x - a2[q] * y;
            x = y;
        }
        v[k] = x;
    }
    for (int q = 0; q < G; ++q) d[2 * q] = d0[q], d[2 * q + 1] = d1[q];
}

// A cascade in groups of up to four sections.
template <class T>
inline void iir_biquad_cascade(const T* t, T* d, int sections, T* v, int n) {
    int q = 0;
    for (; sections - q >= 4; q += 4) iir_biquad_group<4>(t + 5 * q, d + 2 * q, v, n);
    switch (sections - q) {
    case 3: iir_biquad_group<3>(t + 5 * q, d + 2 * q, v, n); break;
    case 2: iir_biquad_group<2>(t + 5 * q, d + 2 * q, v, n); break;
    case 1: iir_biquad_group<1>(t + 5 * q, d + 2 * q, v, n); break;
    default: break;
    }
}

// Filters v[0..n) in place through the state.
template <class T>
void iir_run(IirState<T>* s, T* v, int n) {
    switch (s->kind) {
    case IirKind::Arbitrary:
        for (int k = 0; k < n; ++k) v[k] = iir_arbitrary_one(s->taps, s->dly, s->order, v[k]);
        return;
    case IirKind::BiQuad:
        iir_biquad_cascade(s->taps, s->dly, s->order, v, n);
        return;
    case IirKind::BiQuadDF1:
        for (int q = 0; q < s->order; ++q) iir_df1_section(s->taps + 5 * q, s->dly + 4 * q, v, n);
        return;
    }
}

template <class T>
T iir_one(IirState<T>* s, T x) {
    switch (s->kind) {
    case IirKind::Arbitrary: return iir_arbitrary_one(s->taps, s->dly, s->order, x);
    case IirKind::BiQuad: return iir_biquad_one(s->taps, s->dly, s->order, x);
    case IirKind::BiQuadDF1: return iir_df1_one(s->taps, s->dly, s->order, x);
    }
    return x;
}

}  // namespace veks

#endif
