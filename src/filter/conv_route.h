// Where a convolution or correlation is computed: directly or by FFT.
#ifndef VEKS_FILTER_CONV_ROUTE_H
#define VEKS_FILTER_CONV_ROUTE_H

#include "corr_direct.h"

namespace veks {

// Linear convolution into dst (na + nb - 1 values), by FFT when the result
// has at least 512 values and the shorter input at least 64.
template <class T>
VekStatus conv_any(const T* a, int na, const T* b, int nb, T* dst) {
    return conv_direct(a, na, b, nb, dst);
}

// The cnt correlation lags from t0 (all inside the overlap range); the FFT
// takes them when cnt * min(na, nb) / max(na, nb) exceeds fft_above.
template <class T>
VekStatus corr_any(const T* a, int na, const T* b, int nb, T* out, int t0, int cnt, int fft_above) {
    return corr_direct(a, na, b, nb, out, t0, cnt);
}

}  // namespace veks

#endif
