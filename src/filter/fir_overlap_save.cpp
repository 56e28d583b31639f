// Overlap-save FIR on the library's FFT: real transforms in Perm layout for
// real taps, complex transforms for complex taps. Each block of N inputs
// (L-1 of history, then new samples) yields S = N - (L-1) outputs.
#include "filter/fir_overlap_save.h"

#include <algorithm>
#include <cstring>


#include "core/support/vekcore.h"
#include "core/team.h"

namespace veks {
namespace fir {
namespace {

constexpr int kInvByN = VEK_FFT_SCALE_INV_N;

template <class T>
struct Fft;

template <>
struct Fft<float> {
    using Spec = VekFFTSpec_R_32f;
    static VekStatus size(int o, int* a, int* b, int* c) { return veksFFTGetSize_R_32f(o, kInvByN, 0, a, b, c); }
    static VekStatus init(Spec** s, int o, Vek8u* m, Vek8u* b) { return veksFFTInit_R_32f(s, o, kInvByN, 0, m, b); }
    static VekStatus alloc(Spec** s, int o) { return veksFFTInitAlloc_R_32f(s, o, kInvByN, 0); }
    static VekStatus work(const Spec* s, int* w) { return veksFFTGetBufSize_R_32f(s, w); }
    static void release(Spec* s) { veksFFTFree_R_32f(s); }
    static VekStatus fwd(const float* x, float* y, const Spec* s, Vek8u* b) { return veksFFTFwd_RToPerm_32f(x, y, s, b); }
    static VekStatus inv(const float* x, float* y, const Spec* s, Vek8u* b) { return veksFFTInv_PermToR_32f(x, y, s, b); }
    static VekStatus mul(const float* h, float* x, int n) { return veksMulPerm_32f_I(h, x, n); }
};

template <>
struct Fft<double> {
    using Spec = VekFFTSpec_R_64f;
    static VekStatus size(int o, int* a, int* b, int* c) { return veksFFTGetSize_R_64f(o, kInvByN, 0, a, b, c); }
    static VekStatus init(Spec** s, int o, Vek8u* m, Vek8u* b) { return veksFFTInit_R_64f(s, o, kInvByN, 0, m, b); }
    static VekStatus alloc(Spec** s, int o) { return veksFFTInitAlloc_R_64f(s, o, kInvByN, 0); }
    static VekStatus work(const Spec* s, int* w) { return veksFFTGetBufSize_R_64f(s, w); }
    static void release(Spec* s) { veksFFTFree_R_64f(s); }
    static VekStatus fwd(const double* x, double* y, const Spec* s, Vek8u* b) { return veksFFTFwd_RToPerm_64f(x, y, s, b); }
    static VekStatus inv(const double* x, double* y, const Spec* s, Vek8u* b) { return veksFFTInv_PermToR_64f(x, y, s, b); }
    static VekStatus mul(const double* h, double* x, int n) { return veksMulPerm_64f_I(h, x, n); }
};

// Element-wise complex product with the tap spectrum.
template <class C>
VekStatus mul_complex(const C* h, C* x, int n) {
    for (int i = 0; i < n; ++i) x[i] = mul(h[i], x[i]);
    return vekStsNoErr;
}

template <>
struct Fft<Cx<float>> {
    using Spec = VekFFTSpec_C_32fc;
    using P = Vek32fc;
    static VekStatus size(int o, int* a, int* b, int* c) { return veksFFTGetSize_C_32fc(o, kInvByN, 0, a, b, c); }
    static VekStatus init(Spec** s, int o, Vek8u* m, Vek8u* b) { return veksFFTInit_C_32fc(s, o, kInvByN, 0, m, b); }
    static VekStatus alloc(Spec** s, int o) { return veksFFTInitAlloc_C_32fc(s, o, kInvByN, 0); }
    static VekStatus work(const Spec* s, int* w) { return veksFFTGetBufSize_C_32fc(s, w); }
    static void release(Spec* s) { veksFFTFree_C_32fc(s); }
    static VekStatus fwd(const Cx<float>* x, Cx<float>* y, const Spec* s, Vek8u* b) {
        return veksFFTFwd_CToC_32fc(reinterpret_cast<const P*>(x), reinterpret_cast<P*>(y), s, b);
    }
    static VekStatus inv(const Cx<float>* x, Cx<float>* y, const Spec* s, Vek8u* b) {
        return veksFFTInv_CToC_32fc(reinterpret_cast<const P*>(x), reinterpret_cast<P*>(y), s, b);
    }
    static VekStatus mul(const Cx<float>* h, Cx<float>* x, int n) { return mul_complex(h, x, n); }
};

template <>
struct Fft<Cx<double>> {
    using Spec = VekFFTSpec_C_64fc;
    using P = Vek64fc;
    static VekStatus size(int o, int* a, int* b, int* c) { return veksFFTGetSize_C_64fc(o, kInvByN, 0, a, b, c); }
    static VekStatus init(Spec** s, int o, Vek8u* m, Vek8u* b) { return veksFFTInit_C_64fc(s, o, kInvByN, 0, m, b); }
    static VekStatus alloc(Spec** s, int o) { return veksFFTInitAlloc_C_64fc(s, o, kInvByN, 0); }
    static VekStatus work(const Spec* s, int* w) { return veksFFTGetBufSize_C_64fc(s, w); }
    static void release(Spec* s) { veksFFTFree_C_64fc(s); }
    static VekStatus fwd(const Cx<double>* x, Cx<double>* y, const Spec* s, Vek8u* b) {
        return veksFFTFwd_CToC_64fc(reinterpret_cast<const P*>(x), reinterpret_cast<P*>(y), s, b);
    }
    static VekStatus inv(const Cx<double>* x, Cx<double>* y, const Spec* s, Vek8u* b) {
        return veksFFTInv_CToC_64fc(reinterpret_cast<const P*>(x), reinterpret_cast<P*>(y), s, b);
    }
    static VekStatus mul(const Cx<double>* h, Cx<double>* x, int n) { return mul_complex(h, x, n); }
};

// Order c+1 with c the smallest integer >= 2 and 2^c > tapsLen.
int fft_order(int L) {
    int c = 2;
    while ((1L << c) <= L) ++c;
    return c + 1;
}

template <class T>
const typename Fft<T>::Spec* spec_of(const State<T>* s) {
    return static_cast<const typename Fft<T>::Spec*>(s->fftSpec);
}

template <class T>
void zero_elems(T* p, int n) {
    if (n > 0) std::memset(static_cast<void*>(p), 0, sizeof(T) * std::size_t(n));
}

template <class T>
void copy_n(const T* a, T* b, int n) {
    if (n > 0) std::memcpy(static_cast<void*>(b), static_cast<const void*>(a), sizeof(T) * std::size_t(n));
}

// Filters the block in `blk` (N inputs) in place.
template <class T>
VekStatus filter_block(const State<T>* s, T* blk, Vek8u* work) {
    using F = Fft<T>;
    VEKS_CHECK(F::fwd(blk, blk, spec_of(s), work));
    VEKS_CHECK(F::mul(s->spectrum_t(), blk, s->fftLen));
    return F::inv(blk, blk, spec_of(s), work);
}

// Block b >= 1 of a long call: outputs [b*S, b*S + S) from the source.
template <class T>
VekStatus later_block(const State<T>* s, const T* src, T* dst, int n, int b, int t) {
    using F = Fft<T>;
    const int N = s->fftLen, L = s->tapsLen, S = N - (L - 1);
    const long o = long(b) * S;
    const int rem = static_cast<int>(std::min<long>(S, n - o));
    T* blk = s->block_t(t);
    Vek8u* work = s->work_t(t);
    const T* in = src + o - (L - 1);
    if (rem == S) {
        VEKS_CHECK(F::fwd(in, blk, spec_of(s), work));
        VEKS_CHECK(F::mul(s->spectrum_t(), blk, N));
        VEKS_CHECK(F::inv(blk, blk, spec_of(s), work));
    } else {
        copy_n(in, blk, L - 1 + rem);
        zero_elems(blk + L - 1 + rem, N - (L - 1 + rem));
        VEKS_CHECK(filter_block(s, blk, work));
    }
    copy_n(blk + L - 1, dst + o, rem);
    return vekStsNoErr;
}

}  // namespace

template <class T>
bool fft_sizes(int L, int out[4]) {
    out[0] = -1, out[1] = out[2] = out[3] = 0;
    if (L < Limits<T>::fft_min_taps) return false;
    const int order = fft_order(L);
    int spec = 0, init = 0, work = 0;
    if (Fft<T>::size(order, &spec, &init, &work) != vekStsNoErr) return false;
    out[0] = order, out[1] = spec, out[2] = init, out[3] = work;
    return true;
}

template <class T>
VekStatus fft_spectrum(State<T>* s) {
    const int N = s->fftLen, L = s->tapsLen;
    T* blk = s->block_t(0);
    const T* r = s->rev_t();
    for (int j = 0; j < L; ++j) blk[j] = r[L - 1 - j];
    zero_elems(blk + L, N - L);
    return Fft<T>::fwd(blk, s->spectrum_t(), spec_of(s), s->work_t(0));
}

template <class T>
VekStatus fft_attach(State<T>* s, Vek8u* specMem, Vek8u* specBuf) {
    typename Fft<T>::Spec* spec = nullptr;
    int order = 0;
    while ((1 << order) < s->fftLen) ++order;
    if (Fft<T>::init(&spec, order, specMem, specBuf) != vekStsNoErr) {
        s->fftLen = -1;
        return vekStsNoErr;
    }
    s->fftSpec = spec;
    if (fft_spectrum(s) != vekStsNoErr) s->fftLen = -1;
    return vekStsNoErr;
}

template <class T>
VekStatus fft_alloc_spec(int L, void** spec, int out[4]) {
    *spec = nullptr;
    out[0] = -1, out[1] = out[2] = out[3] = 0;
    const int order = fft_order(L);
    typename Fft<T>::Spec* sp = nullptr;
    VEKS_CHECK(Fft<T>::alloc(&sp, order));
    int work = 0;
    const VekStatus st = Fft<T>::work(sp, &work);
    if (st != vekStsNoErr) {
        Fft<T>::release(sp);
        return st;
    }
    *spec = sp;
    out[0] = order, out[3] = work;
    return vekStsNoErr;
}

template <class T>
void fft_free_spec(void* spec) {
    Fft<T>::release(static_cast<typename Fft<T>::Spec*>(spec));
}

template <class T>
void fft_release(State<T>* s) {
    if (s->fftOwned && s->fftSpec) fft_free_spec<T>(s->fftSpec);
}

template <class T>
VekStatus fft_block(State<T>* s, const T* src, T* dst, int n) {
    const int N = s->fftLen, L = s->tapsLen, S = N - (L - 1);
    T* blk = s->block_t(0);
    copy_n(s->dly_t() + s->dlyIndex + 1, blk, L - 1);
    s->dlyIndex = 0;
    if (n <= S) {
        copy_n(src, blk + L - 1, n);
        copy_n(blk + n - 1, s->dly_t(), L);
        zero_elems(blk + L - 1 + n, N - (L - 1 + n));
        VEKS_CHECK(filter_block(s, blk, s->work_t(0)));
        copy_n(blk + L - 1, dst, n);
        return vekStsNoErr;
    }
    copy_n(src, blk + L - 1, S);
    copy_n(src + n - L, s->dly_t(), L);
    const int blocks = static_cast<int>((long(n) + S - 1) / S);
    const int T_ = std::min(ownGetNumThreads(), s->threads);
    if (n < Limits<T>::parallel_above + 1 || T_ <= 1) {
        VEKS_CHECK(filter_block(s, blk, s->work_t(0)));
        copy_n(blk + L - 1, dst, S);
        for (int b = 1; b < blocks; ++b) VEKS_CHECK(later_block(s, src, dst, n, b, 0));
        return vekStsNoErr;
    }
    // Blocks dealt round-robin to T_ pieces, each with its own buffers;
    // piece 0 also takes the first block, which holds the history. Each
    // piece keeps the lowest status it met.
    for (int t = 0; t < T_; ++t) s->status[t] = 0;
    team_for(T_, [&](int t) {
        std::int32_t worst = 0;
        if (t == 0) {
            const VekStatus st = filter_block(s, blk, s->work_t(0));
            if (st == vekStsNoErr) copy_n(blk + L - 1, dst, S);
            worst = std::min<std::int32_t>(worst, st);
        }
        for (int b = t == 0 ? T_ : t; b < blocks; b += T_) {
            if (b == 0) continue;
            worst = std::min<std::int32_t>(worst, later_block(s, src, dst, n, b, t));
        }
        s->status[t] = worst;
        return 0;
    });
    std::int32_t worst = 0;
    for (int t = 0; t < T_; ++t) worst = std::min(worst, s->status[t]);
    return worst;
}

#define VEKS_FIR_FFT_INSTANCES(T)                                  \
    template bool fft_sizes<T>(int, int*);                         \
    template VekStatus fft_attach<T>(State<T>*, Vek8u*, Vek8u*);   \
    template VekStatus fft_spectrum<T>(State<T>*);                 \
    template void fft_release<T>(State<T>*);                       \
    template VekStatus fft_alloc_spec<T>(int, void**, int*);       \
    template void fft_free_spec<T>(void*);                         \
    template VekStatus fft_block<T>(State<T>*, const T*, T*, int);
VEKS_FIR_FFT_INSTANCES(float)
VEKS_FIR_FFT_INSTANCES(double)
VEKS_FIR_FFT_INSTANCES(Cx<float>)
VEKS_FIR_FFT_INSTANCES(Cx<double>)

}  // namespace fir
}  // namespace veks
