#include "conv_fft.h"

#include <algorithm>
#include <cstring>

#include <omp.h>

#include "core/check.h"
#include "core/support/vekcore.h"
#include "core/workbuf.h"

namespace veks {
namespace {

// The library's FFT seen through one interface per element type: a
// specification with the inverse divided by N, forward and inverse
// transforms and the spectrum product.
template <class T> struct Fft;

template <> struct Fft<float> {
    using Spec = VekFFTSpec_R_32f;
    static VekStatus init(Spec** s, int order) { return veksFFTInitAlloc_R_32f(s, order, VEK_FFT_SCALE_INV_N, vekAlgHintNone); }
    static VekStatus bufsize(const Spec* s, int* n) { return veksFFTGetBufSize_R_32f(s, n); }
    static void release(Spec* s) { veksFFTFree_R_32f(s); }
    static VekStatus fwd(float* d, const Spec* s, Vek8u* b) { return veksFFTFwd_RToPerm_32f_I(d, s, b); }
    static VekStatus inv(float* d, const Spec* s, Vek8u* b) { return veksFFTInv_PermToR_32f_I(d, s, b); }
    static VekStatus mul(const float* h, float* d, int n) { return veksMulPerm_32f_I(h, d, n); }
};
template <> struct Fft<double> {
    using Spec = VekFFTSpec_R_64f;
    static VekStatus init(Spec** s, int order) { return veksFFTInitAlloc_R_64f(s, order, VEK_FFT_SCALE_INV_N, vekAlgHintNone); }
    static VekStatus bufsize(const Spec* s, int* n) { return veksFFTGetBufSize_R_64f(s, n); }
    static void release(Spec* s) { veksFFTFree_R_64f(s); }
    static VekStatus fwd(double* d, const Spec* s, Vek8u* b) { return veksFFTFwd_RToPerm_64f_I(d, s, b); }
    static VekStatus inv(double* d, const Spec* s, Vek8u* b) { return veksFFTInv_PermToR_64f_I(d, s, b); }
    static VekStatus mul(const double* h, double* d, int n) { return veksMulPerm_64f_I(h, d, n); }
};

template <class R>
VekStatus cmul_i(const Cx<R>* h, Cx<R>* d, int n) {
    for (int i = 0; i < n; ++i) d[i] = h[i] * d[i];
    return vekStsNoErr;
}

template <> struct Fft<Cx<float>> {
    using Spec = VekFFTSpec_C_32fc;
    using P = Vek32fc;
    static VekStatus init(Spec** s, int order) { return veksFFTInitAlloc_C_32fc(s, order, VEK_FFT_SCALE_INV_N, vekAlgHintNone); }
    static VekStatus bufsize(const Spec* s, int* n) { return veksFFTGetBufSize_C_32fc(s, n); }
    static void release(Spec* s) { veksFFTFree_C_32fc(s); }
    static VekStatus fwd(Cx<float>* d, const Spec* s, Vek8u* b) { return veksFFTFwd_CToC_32fc_I(reinterpret_cast<P*>(d), s, b); }
    static VekStatus inv(Cx<float>* d, const Spec* s, Vek8u* b) { return veksFFTInv_CToC_32fc_I(reinterpret_cast<P*>(d), s, b); }
    static VekStatus mul(const Cx<float>* h, Cx<float>* d, int n) { return cmul_i(h, d, n); }
};
template <> struct Fft<Cx<double>> {
    using Spec = VekFFTSpec_C_64fc;
    using P = Vek64fc;
    static VekStatus init(Spec** s, int order) { return veksFFTInitAlloc_C_64fc(s, order, VEK_FFT_SCALE_INV_N, vekAlgHintNone); }
    static VekStatus bufsize(const Spec* s, int* n) { return veksFFTGetBufSize_C_64fc(s, n); }
    static void release(Spec* s) { veksFFTFree_C_64fc(s); }
    static VekStatus fwd(Cx<double>* d, const Spec* s, Vek8u* b) { return veksFFTFwd_CToC_64fc_I(reinterpret_cast<P*>(d), s, b); }
    static VekStatus inv(Cx<double>* d, const Spec* s, Vek8u* b) { return veksFFTInv_CToC_64fc_I(reinterpret_cast<P*>(d), s, b); }
    static VekStatus mul(const Cx<double>* h, Cx<double>* d, int n) { return cmul_i(h, d, n); }
};

// The specification of one call, released on every return path.
template <class T>
struct SpecHolder {
    typename Fft<T>::Spec* spec = nullptr;
    int buf_elems = 0;  // work buffer of the transform, in elements of T
    ~SpecHolder() {
        if (spec) Fft<T>::release(spec);
    }
    VekStatus make(int order) {
        VEKS_CHECK(Fft<T>::init(&spec, order));
        int bytes = 0;
        VEKS_CHECK(Fft<T>::bufsize(spec, &bytes));
        buf_elems = int((std::size_t(bytes) + sizeof(T) - 1) / sizeof(T));
        return vekStsNoErr;
    }
};

inline int order_at_least(std::int64_t n, int min_order) {
    int o = min_order;
    while ((std::int64_t(1) << o) < n) ++o;
    return o;
}

template <class T>
void copy_pad(T* dst, int n, const T* src, int count) {
    std::memcpy(static_cast<void*>(dst), src, sizeof(T) * std::size_t(count));
    std::fill(dst + count, dst + n, T(0));
}

// L (nL >= nS) convolved with S by one transform of N >= nL + nS - 1.
template <class T>
VekStatus single(const T* L, int nL, const T* S, int nS, T* out, std::int64_t o0, int count) {
    const int order = order_at_least(std::int64_t(nL) + nS - 1, 2);
    const int N = 1 << order;
    SpecHolder<T> spec;
    VEKS_CHECK(spec.make(order));
    WorkBuffer mem(sizeof(T) * (2 * std::size_t(N) + std::size_t(spec.buf_elems)));
    if (!mem) return vekStsMemAllocErr;
    T* x = mem.as<T>();
    T* h = x + N;
    Vek8u* fb = spec.buf_elems ? reinterpret_cast<Vek8u*>(h + N) : nullptr;
    copy_pad(x, N, L, nL);
    copy_pad(h, N, S, nS);
    VEKS_CHECK(Fft<T>::fwd(x, spec.spec, fb));
    VEKS_CHECK(Fft<T>::fwd(h, spec.spec, fb));
    VEKS_CHECK(Fft<T>::mul(h, x, N));
    VEKS_CHECK(Fft<T>::inv(x, spec.spec, fb));
    std::memcpy(static_cast<void*>(out), x + o0, sizeof(T) * std::size_t(count));
    return vekStsNoErr;
}

// One overlap-save block j: outputs j*P .. j*P + P - 1 of the full result,
// those inside [o0, o0 + count) copied out.
template <class T>
VekStatus os_block(const T* L, int nL, int nS, const T* H, int N, int P, std::int64_t j, const SpecHolder<T>& spec,
                   T* x, Vek8u* fb, T* out, std::int64_t o0, int count) {
    const std::int64_t first = j * P;
    if (j == 0) {
        copy_pad(x, N, L, int(std::min<std::int64_t>(P, nL)));
    } else {
        const std::int64_t start = first - (nS - 1);
        copy_pad(x, N, L + start, int(std::min<std::int64_t>(P + nS - 1, nL - start)));
    }
    VEKS_CHECK(Fft<T>::fwd(x, spec.spec, fb));
    VEKS_CHECK(Fft<T>::mul(H, x, N));
    VEKS_CHECK(Fft<T>::inv(x, spec.spec, fb));
    const T* valid = x + (j == 0 ? 0 : nS - 1);
    const std::int64_t lo = std::max(first, o0), hi = std::min(first + P, o0 + count);
    if (lo < hi) std::memcpy(static_cast<void*>(out + (lo - o0)), valid + (lo - first), sizeof(T) * std::size_t(hi - lo));
    return vekStsNoErr;
}

template <class T>
VekStatus overlap_save(const T* L, int nL, const T* S, int nS, T* out, std::int64_t o0, int count) {
    int c = 2;
    while ((std::int64_t(1) << c) < 2 * std::int64_t(nS)) ++c;
    const int order = c + 1, N = 1 << order, P = N - nS + 1;
    const std::int64_t j0 = o0 / P, j1 = (o0 + count - 1) / P;  // blocks that touch the window
    SpecHolder<T> spec;
    VEKS_CHECK(spec.make(order));
    const int per = N + spec.buf_elems;
    int team = 1;
    if (nL > kConvParallelAbove) team = int(std::max<std::int64_t>(1, std::min<std::int64_t>(ownGetNumThreads(), j1 - j0 + 1)));
    WorkBuffer mem(sizeof(T) * (std::size_t(team) * per + N) + sizeof(VekStatus) * std::size_t(team));
    if (!mem) return vekStsMemAllocErr;
    T* H = mem.as<T>();
    copy_pad(H, N, S, nS);
    {
        Vek8u* fb = spec.buf_elems ? reinterpret_cast<Vek8u*>(H + N + N) : nullptr;
        VEKS_CHECK(Fft<T>::fwd(H, spec.spec, fb));
    }
    auto slot = [&](int t) { return H + N + std::size_t(t) * per; };
    if (team == 1) {
        T* x = slot(0);
        Vek8u* fb = spec.buf_elems ? reinterpret_cast<Vek8u*>(x + N) : nullptr;
        for (std::int64_t j = j0; j <= j1; ++j) VEKS_CHECK(os_block(L, nL, nS, H, N, P, j, spec, x, fb, out, o0, count));
        return vekStsNoErr;
    }
    // Blocks dealt round-robin; each thread keeps the lowest status it met.
    VekStatus* status = reinterpret_cast<VekStatus*>(slot(team));
    std::fill(status, status + team, vekStsNoErr);
#pragma omp parallel num_threads(team)
    {
        const int t = omp_get_thread_num(), T_ = omp_get_num_threads();
        T* x = slot(t);
        Vek8u* fb = spec.buf_elems ? reinterpret_cast<Vek8u*>(x + N) : nullptr;
        for (std::int64_t j = j0 + t; j <= j1; j += T_)
            status[t] = std::min(status[t], os_block(L, nL, nS, H, N, P, j, spec, x, fb, out, o0, count));
    }
    return *std::min_element(status, status + team);
}

}  // namespace

template <class T>
VekStatus conv_fft(const T* a, int na, const T* b, int nb, T* out, std::int64_t o0, int count) {
    const T* L = na >= nb ? a : b;
    const T* S = na >= nb ? b : a;
    const int nL = std::max(na, nb), nS = std::min(na, nb);
    if (std::int64_t(nL) < 3 * std::int64_t(nS)) return single(L, nL, S, nS, out, o0, count);
    return overlap_save(L, nL, S, nS, out, o0, count);
}

template VekStatus conv_fft(const float*, int, const float*, int, float*, std::int64_t, int);
template VekStatus conv_fft(const double*, int, const double*, int, double*, std::int64_t, int);
template VekStatus conv_fft(const Cx<float>*, int, const Cx<float>*, int, Cx<float>*, std::int64_t, int);
template VekStatus conv_fft(const Cx<double>*, int, const Cx<double>*, int, Cx<double>*, std::int64_t, int);

}  // namespace veks
