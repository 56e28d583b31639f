// Block and one-sample calls of the float single-rate FIR state.
#ifndef VEKS_FILTER_FIR_SINGLE_H
#define VEKS_FILTER_FIR_SINGLE_H

#include <algorithm>
#include <cstring>

#include "core/parallel.h"
#include "filter/fir_direct_kernels.h"
#include "filter/fir_overlap_save.h"
#include "filter/fir_state.h"

namespace veks {
namespace fir {

template <class T>
inline void copy_elems(const T* src, T* dst, int n) {
    std::memcpy(static_cast<void*>(dst), static_cast<const void*>(src), sizeof(T) * std::size_t(n));
}

// Outputs k < n of y[k] = sum h[L-1-i] x[k+i], split over the threads when
// `parallel`; every thread runs the same kernel on its own outputs.
template <class T>
inline void dot_split(const T* rep, int L, const T* x, T* y, int n, bool parallel) {
    if (!parallel) return fir_dot(rep, L, x, y, n);
    run_omp(n, 0, [&](int off, int cnt) {
        fir_dot(rep, L, x + off, y + off, cnt);
        return 0;
    });
}

// Direct path: the history W[1 .. L-1] sits at the delay index; short
// blocks are appended behind it, long ones are computed from the source
// once the first B outputs have used the history.
template <class T>
void block_direct(State<T>* s, const T* src, T* dst, int n) {
    const int L = s->tapsLen, C = s->capacity;
    T* W = s->dly_t() + s->dlyIndex;
    const T* rep = s->rep_t();
    if (n <= C) {
        copy_elems(src, W + L, n);
        fir_dot(rep, L, W + 1, dst, n);
        std::memmove(static_cast<void*>(s->dly_t()), static_cast<const void*>(W + n), sizeof(T) * std::size_t(L));
    } else {
        copy_elems(src, W + L, C);
        const int B = (L + 3) & ~3;
        fir_dot(rep, L, W + 1, dst, B);
        dot_split(rep, L, src + B - L + 1, dst + B, n - B, n > Limits<T>::parallel_above);
        copy_elems(src + n - L, s->dly_t(), L);
    }
    s->dlyIndex = 0;
}

template <class T>
VekStatus block_core(State<T>* s, const T* src, T* dst, int n) {
    if (s->fftLen > 0 && n > Limits<T>::fft_above) return fft_block(s, src, dst, n);
    block_direct(s, src, dst, n);
    return vekStsNoErr;
}

// In place: chunks of at most 4096 samples go through the state's buffer.
template <class T>
VekStatus block_inplace(State<T>* s, T* p, int n) {
    T* buf = s->inplace_t();
    for (int off = 0; off < n; off += 4096) {
        const int c = std::min(4096, n - off);
        VEKS_CHECK(block_core(s, p + off, buf, c));
        copy_elems(buf, p + off, c);
    }
    return vekStsNoErr;
}

// Integer or narrower data: converted in chunks of 2048 through the two
// halves of the in-place buffer; in place is safe because each chunk is
// read before it is written.
template <class T, class D, Narrow N>
VekStatus block_mixed(State<T>* s, const D* src, D* dst, int n, int sf) {
    T* a = s->inplace_t();
    T* b = a + 2048;
    const auto scale = narrow_scale<N>(sf);
    for (int off = 0; off < n; off += 2048) {
        const int c = std::min(2048, n - off);
        for (int i = 0; i < c; ++i) a[i] = widen<T>(src[off + i]);
        VEKS_CHECK(block_core(s, a, b, c));
        for (int i = 0; i < c; ++i) dst[off + i] = narrow<N, D>(b[i], scale);
    }
    return vekStsNoErr;
}

// One sample on the doubled circular line.
template <class T>
inline T one_sample(State<T>* s, T x) {
    const int L = s->tapsLen;
    T* b = s->dly_t();
    int d = s->dlyIndex;
    b[d] = x;
    b[d + L] = x;
    d = d + 1 == L ? 0 : d + 1;
    s->dlyIndex = d;
    return fir_dot_one(s->rep_t(), L, b + d);
}

template <class T, class D, Narrow N>
VekStatus single_block(State<T>* s, const D* src, D* dst, int n, int sf) {
    if constexpr (N == Narrow::Same) {
        if (src == dst) return block_inplace(s, dst, n);
        return block_core(s, src, dst, n);
    } else {
        return block_mixed<T, D, N>(s, src, dst, n, sf);
    }
}

}  // namespace fir
}  // namespace veks

#endif
