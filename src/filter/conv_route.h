// Where a convolution or correlation is computed: directly or by FFT.
#ifndef VEKS_FILTER_CONV_ROUTE_H
#define VEKS_FILTER_CONV_ROUTE_H

#include <algorithm>

#include "conv_fft.h"
#include "corr_direct.h"

namespace veks {

// Linear convolution into dst (na + nb - 1 values), by FFT when the result
// has at least 512 values and the shorter input at least 64.
template <class T>
VekStatus conv_any(const T* a, int na, const T* b, int nb, T* dst) {
    const int n = na + nb - 1;
    if (n >= 512 && std::min(na, nb) >= 64) return conv_fft(a, na, false, b, nb, dst, 0, n);
    return conv_direct(a, na, b, nb, dst);
}

// The cnt correlation lags from t0 (all inside the overlap range), by FFT
// when `fft` is set: the correlation is the convolution of b with a
// reversed and conjugated, read from offset na - 1.
template <class T>
VekStatus corr_any(const T* a, int na, const T* b, int nb, T* out, int t0, int cnt, bool fft) {
    if (!fft) return corr_direct(a, na, b, nb, out, t0, cnt);
    return conv_fft(a, na, true, b, nb, out, std::int64_t(t0) + na - 1, cnt);
}

}  // namespace veks

#endif
