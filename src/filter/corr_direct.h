// Direct convolution and correlation over the sliding dot product: the
// inputs are laid with zero borders into one work buffer, so every output
// is a full dot product with no index tests.
#ifndef VEKS_FILTER_CORR_DIRECT_H
#define VEKS_FILTER_CORR_DIRECT_H

#include <algorithm>
#include <cstddef>
#include <cstring>

#include "core/check.h"
#include "core/workbuf.h"
#include "cplx.h"
#include "slide_dot.h"
#include "veks.h"

namespace veks {

template <class T> inline T conj_of(T v) { return v; }
template <class R> inline Cx<R> conj_of(Cx<R> v) { return conj(v); }

// Linear convolution of a (na) and b (nb) into dst (na + nb - 1 values).
template <class T>
VekStatus conv_direct(const T* a, int na, const T* b, int nb, T* dst) {
    const T* L = na >= nb ? a : b;
    const T* S = na >= nb ? b : a;
    const int nL = std::max(na, nb), nS = std::min(na, nb);
    const std::size_t padded = std::size_t(nL) + 2 * std::size_t(nS - 1);
    WorkBuffer buf(sizeof(T) * (padded + std::size_t(nS)));
    if (!buf) return vekStsMemAllocErr;
    T* xp = buf.as<T>();
    T* hr = xp + padded;
    std::fill(xp, xp + nS - 1, T(0));
    std::memcpy(static_cast<void*>(xp + nS - 1), L, sizeof(T) * std::size_t(nL));
    std::fill(xp + nS - 1 + nL, xp + padded, T(0));
    for (int k = 0; k < nS; ++k) hr[k] = S[nS - 1 - k];
    slide_dot(hr, nS, xp, dst, nL + nS - 1);
    return vekStsNoErr;
}

// Correlation sum_k conj(a[k]) b[k + lag] for the cnt lags from t0, all
// inside [-(na - 1), nb - 1]. The shorter vector is always the one slid,
// so each lag costs at most min(na, nb) products.
template <class T, class O>
VekStatus corr_direct(const T* a, int na, const T* b, int nb, O* out, int t0, int cnt) {
    if (na > nb) {
        // sum_m conj(b[m]) a[m - lag], conjugated, at the negated lags.
        WorkBuffer tmp(sizeof(O) * std::size_t(cnt));
        if (!tmp) return vekStsMemAllocErr;
        O* r = tmp.as<O>();
        VEKS_CHECK(corr_direct(b, nb, a, na, r, -(t0 + cnt - 1), cnt));
        for (int j = 0; j < cnt; ++j) out[j] = conj_of(r[cnt - 1 - j]);
        return vekStsNoErr;
    }
    const std::size_t padded = std::size_t(nb) + 2 * std::size_t(na - 1);
    WorkBuffer buf(sizeof(T) * padded);
    if (!buf) return vekStsMemAllocErr;
    T* xp = buf.as<T>();
    std::fill(xp, xp + na - 1, T(0));
    std::memcpy(static_cast<void*>(xp + na - 1), b, sizeof(T) * std::size_t(nb));
    std::fill(xp + na - 1 + nb, xp + padded, T(0));
    slide_dot(a, na, xp + (t0 + na - 1), out, cnt);
    return vekStsNoErr;
}

}  // namespace veks

#endif
