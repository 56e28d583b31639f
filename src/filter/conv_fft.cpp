#include "conv_fft.h"

#include <algorithm>
#include <cstring>


#include "core/support/vekcore.h"
#include "core/team.h"
#include "core/workbuf.h"
#include "corr_direct.h"
#include "transform/fft_spec.h"

namespace veks {
namespace {

using fft::FloatSpec;

// The transform of one element type, run straight on the engine against a
// specification built in the call's own memory (inverse divided by N).
// Real data use the real transform and the Perm layout, complex data the
// complex transform; `mul` is the spectrum product, `power` |X|^2.
template <class R>
struct Engine {
    static constexpr fft::Domain dom = fft::Domain::Real;
    static constexpr std::uint32_t id = sizeof(R) == 4 ? fft::kIdR32f : fft::kIdR64f;
    fft::RealPlan<R> plan;
    explicit Engine(const FloatSpec<R>& s) : plan(fft::real_plan(s)) {}
    void fwd(R* x, R* work) const { fft::rfft_to_perm<R>(plan, x, x, nullptr, work); }
    void inv(R* x, R* work) const { fft::rfft_from_perm<R>(plan, x, nullptr, work); }
    static void mul(const R* h, R* d, int n) {
        if constexpr (sizeof(R) == 4) veksMulPerm_32f_I(h, d, n);
        else veksMulPerm_64f_I(h, d, n);
    }
    static void power(R* d, int n) {
        d[0] *= d[0];
        d[1] *= d[1];
        for (int i = 2; i < n; i += 2) {
            d[i] = d[i] * d[i] + d[i + 1] * d[i + 1];
            d[i + 1] = R(0);
        }
    }
};

template <class R>
struct Engine<Cx<R>> {
    static constexpr fft::Domain dom = fft::Domain::Complex;
    static constexpr std::uint32_t id = sizeof(R) == 4 ? fft::kIdC32fc : fft::kIdC64fc;
    fft::ComplexPlan<R> plan;
    explicit Engine(const FloatSpec<R>& s) : plan(fft::complex_plan(s)) {}
    void fwd(Cx<R>* x, Cx<R>* work) const { run(x, work, false); }
    void inv(Cx<R>* x, Cx<R>* work) const { run(x, work, true); }
    void run(Cx<R>* x, Cx<R>* work, bool inverse) const {
        R* p = reinterpret_cast<R*>(x);
        fft::cfft<R>(plan, p, p, inverse, nullptr, reinterpret_cast<R*>(work));
    }
    static void mul(const Cx<R>* h, Cx<R>* d, int n) {
        for (int i = 0; i < n; ++i) d[i] = h[i] * d[i];
    }
    static void power(Cx<R>* d, int n) {
        for (int i = 0; i < n; ++i) d[i] = Cx<R>(d[i].re * d[i].re + d[i].im * d[i].im, R(0));
    }
};

// One piece of the call's single allocation, 64-byte aligned.
struct Carver {
    std::size_t at = 0;
    std::size_t take(std::size_t bytes) {
        const std::size_t p = at;
        at = (at + bytes + 63) & ~std::size_t(63);
        return p;
    }
};

// Everything one FFT call needs in one block: the specification with its
// tables, the short input's spectrum H, and one block buffer and transform
// work area per thread. The specification's
// set-up scratch lives in thread 0's block buffer until the tables are built.
template <class T>
class Workspace {
public:
    using R = real_t<T>;
    int N = 0, team = 1;

    VekStatus make(int order, int threads) {
        N = 1 << order;
        team = threads;
        const fft::Sizes sz = fft::float_sizes<R>(Engine<T>::dom, order);
        Carver c;
        const std::size_t spec = c.take(std::size_t(sz.spec));
        h_ = c.take(sizeof(T) * std::size_t(N));
        per_block_ = std::max(sizeof(T) * std::size_t(N), std::size_t(sz.init));
        work_bytes_ = std::size_t(sz.work);
        slots_ = c.at;
        for (int t = 0; t < team; ++t) c.take(per_block_), c.take(work_bytes_);
        if (!mem_.acquire(c.at, 64)) return vekStsMemAllocErr;
        void* made = nullptr;
        VEKS_CHECK(fft::init_float_spec<R>(Engine<T>::id, Engine<T>::dom, &made, order, VEK_FFT_SCALE_INV_N,
                                           vekAlgHintNone, base() + spec, base() + slots_));
        spec_ = static_cast<const FloatSpec<R>*>(made);
        return vekStsNoErr;
    }
    const FloatSpec<R>& spec() const { return *spec_; }
    T* H() const { return reinterpret_cast<T*>(base() + h_); }
    T* block(int t) const { return reinterpret_cast<T*>(base() + slot(t)); }
    T* work(int t) const { return work_bytes_ ? reinterpret_cast<T*>(base() + slot(t) + per_block_) : nullptr; }

private:
    Vek8u* base() const { return mem_.as<Vek8u>(); }
    std::size_t slot(int t) const {
        const std::size_t a = (per_block_ + 63) & ~std::size_t(63), b = (work_bytes_ + 63) & ~std::size_t(63);
        return slots_ + std::size_t(t) * (a + b);
    }
    WorkBuffer mem_;
    const FloatSpec<R>* spec_ = nullptr;
    std::size_t h_ = 0, slots_ = 0, per_block_ = 0, work_bytes_ = 0;
};

// An input read forwards, or reversed and conjugated.
template <class T>
struct Input {
    const T* p;
    int n;
    bool reversed;
    // dst[0 .. N) = elements start .. start + cnt - 1, then zeros.
    void load(T* dst, int N, std::int64_t start, int cnt) const {
        if (!reversed) {
            std::memcpy(static_cast<void*>(dst), p + start, sizeof(T) * std::size_t(cnt));
        } else {
            const T* q = p + (n - 1 - start);
            for (int i = 0; i < cnt; ++i) dst[i] = conj_of(q[-i]);
        }
        std::fill(dst + cnt, dst + N, T(0));
    }
};

inline int order_at_least(std::int64_t n, int min_order) {
    int o = min_order;
    while ((std::int64_t(1) << o) < n) ++o;
    return o;
}

// out[i] = src[i] / N: the inverse transform's normalisation applied while
// the kept values are copied out (the same product the scaled transform
// would form, on the values kept only).
template <class T>
void copy_scaled(T* out, const T* src, std::int64_t count, real_t<T> inv_n) {
    for (std::int64_t i = 0; i < count; ++i) out[i] = inv_n * src[i];
}

// L (nL >= nS) convolved with S by one transform of N >= nL + nS - 1.
template <class T>
VekStatus single(const Input<T>& L, const Input<T>& S, T* out, std::int64_t o0, int count) {
    Workspace<T> ws;
    VEKS_CHECK(ws.make(order_at_least(std::int64_t(L.n) + S.n - 1, 2), 1));
    const Engine<T> e(ws.spec());
    const int N = ws.N;
    T *x = ws.block(0), *h = ws.H(), *w = ws.work(0);
    L.load(x, N, 0, L.n);
    S.load(h, N, 0, S.n);
    e.fwd(x, w);
    e.fwd(h, w);
    Engine<T>::mul(h, x, N);
    e.inv(x, w);
    copy_scaled(out, x + o0, count, ws.spec().scale);
    return vekStsNoErr;
}

// Overlap-save with blocks of N = 2^(c+1), 2^c >= 2 nS, each yielding
// P = N - nS + 1 outputs; blocks j0 .. j1 touch the window.
template <class T>
struct OverlapSave {
    const Input<T>& L;
    int nS, N, P;
    const Engine<T>& e;
    const T* H;
    real_t<T> inv_n;
    T* out;
    std::int64_t o0;
    int count;

    // Block j: outputs j*P .. j*P + P - 1 of the full result, those inside
    // the window copied out.
    void block(std::int64_t j, T* x, T* w) const {
        const std::int64_t first = j * P;
        if (j == 0) {
            L.load(x, N, 0, int(std::min<std::int64_t>(P, L.n)));
        } else {
            const std::int64_t start = first - (nS - 1);
            L.load(x, N, start, int(std::min<std::int64_t>(P + nS - 1, L.n - start)));
        }
        e.fwd(x, w);
        Engine<T>::mul(H, x, N);
        e.inv(x, w);
        const T* valid = x + (j == 0 ? 0 : nS - 1);
        const std::int64_t lo = std::max(first, o0), hi = std::min(first + P, o0 + count);
        if (lo < hi) copy_scaled(out + (lo - o0), valid + (lo - first), hi - lo, inv_n);
    }
};

template <class T>
VekStatus overlap_save(const Input<T>& L, const Input<T>& S, T* out, std::int64_t o0, int count) {
    int c = 2;
    while ((std::int64_t(1) << c) < 2 * std::int64_t(S.n)) ++c;
    const int order = c + 1, N = 1 << order, P = N - S.n + 1;
    const std::int64_t j0 = o0 / P, j1 = (o0 + count - 1) / P;
    int team = 1;
    if (L.n > kConvParallelAbove) team = int(std::max<std::int64_t>(1, std::min<std::int64_t>(ownGetNumThreads(), j1 - j0 + 1)));
    Workspace<T> ws;
    VEKS_CHECK(ws.make(order, team));
    const Engine<T> e(ws.spec());
    S.load(ws.H(), N, 0, S.n);
    e.fwd(ws.H(), ws.work(0));
    const OverlapSave<T> os{L, S.n, N, P, e, ws.H(), ws.spec().scale, out, o0, count};
    if (team == 1) {
        for (std::int64_t j = j0; j <= j1; ++j) os.block(j, ws.block(0), ws.work(0));
        return vekStsNoErr;
    }
    // Blocks dealt round-robin to `team` pieces, each with its own buffers;
    // blocks never share outputs, so the result does not depend on which
    // thread runs a piece.
    team_for(team, [&](int t) {
        for (std::int64_t j = j0 + t; j <= j1; j += team) os.block(j, ws.block(t), ws.work(t));
        return 0;
    });
    return vekStsNoErr;
}

}  // namespace

template <class T>
VekStatus conv_fft(const T* a, int na, bool reverse_a, const T* b, int nb, T* out, std::int64_t o0, int count) {
    const Input<T> A{a, na, reverse_a}, B{b, nb, false};
    const Input<T>& L = na >= nb ? A : B;
    const Input<T>& S = na >= nb ? B : A;
    if (std::int64_t(L.n) < 3 * std::int64_t(S.n)) return single(L, S, out, o0, count);
    return overlap_save(L, S, out, o0, count);
}

template <class T>
VekStatus auto_corr_fft(const T* x, int n_x, T* out, int count) {
    Workspace<T> ws;
    VEKS_CHECK(ws.make(order_at_least(2 * std::int64_t(n_x), 1), 1));
    const Engine<T> e(ws.spec());
    T *d = ws.block(0), *w = ws.work(0);
    Input<T>{x, n_x, false}.load(d, ws.N, 0, n_x);
    e.fwd(d, w);
    Engine<T>::power(d, ws.N);
    e.inv(d, w);
    copy_scaled(out, d, count, ws.spec().scale);
    return vekStsNoErr;
}

#define VEKS_CONV_FFT(T)                                                                          \
    template VekStatus conv_fft(const T*, int, bool, const T*, int, T*, std::int64_t, int);       \
    template VekStatus auto_corr_fft(const T*, int, T*, int);
VEKS_CONV_FFT(float)
VEKS_CONV_FFT(double)
VEKS_CONV_FFT(Cx<float>)
VEKS_CONV_FFT(Cx<double>)

}  // namespace veks
