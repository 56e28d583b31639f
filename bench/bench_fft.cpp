// Complex and real FFT against FFTW 3 planned with FFTW_MEASURE, single
// thread, out of place, same data, side by side in one run. Both sides get
// buffers from their own aligned allocator, as their users would.
//
// Two kinds of case:
// - BM_veks_<kind> and BM_fftw_<kind>: one side per case, as Google
//   Benchmark times it.
// - BM_alt_<kind>: both sides in one case. Each round times a batch of
//   veks calls and a batch of FFTW calls back to back (which goes first
//   alternates), and the case reports the shortest batch of each side
//   (counters veks_ns and peer_ns, per call) and their ratio. On a shared
//   machine whose speed changes from second to second, both sides then
//   meet the same phases, where two separate cases meet different ones.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <chrono>
#include <cstring>
#include <string>
#include <type_traits>

#include "veks.h"

#if defined(VEKS_HAVE_FFTW3) && defined(VEKS_HAVE_FFTW3F)
#include <fftw3.h>
#define HAVE_FFTW 1
#endif

namespace {

template <class T>
void fill(T* v, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i) v[i] = T((i * 7919 % 1000) / 500.0 - 1.0);
}

// Library-aligned buffer of n elements holding the test signal.
template <class T>
struct Buffer {
    T* p;
    explicit Buffer(std::size_t n) : p(reinterpret_cast<T*>(veksMalloc_8u(int(n * sizeof(T))))) {
        if constexpr (std::is_floating_point_v<T>)
            fill(p, n);
        else
            std::memset(p, 0, n);
    }
    ~Buffer() { veksFree(p); }
    Buffer(const Buffer&) = delete;
    Buffer& operator=(const Buffer&) = delete;
};

// ---- the two sides -------------------------------------------------------
// A side owns its specification or plan and its buffers for one order,
// makes one call when it is built (FFTW's planner has run its plan too),
// and transforms once per call of operator().

// veks: D is C or R, K the kind, T the element type, E the type the call
// takes, LEN the buffer length in T (2N complex, N + 2 real).
#define VEKS_SIDE(NAME, D, K, T, E, LEN, CALL)                                                     \
    struct NAME {                                                                                  \
        using Spec = VekFFTSpec_##D##_##K;                                                         \
        static Spec* make(int order) {                                                             \
            Spec* s = nullptr;                                                                     \
            veksFFTInitAlloc_##D##_##K(&s, order, VEK_FFT_NO_SCALE, 0);                            \
            return s;                                                                              \
        }                                                                                          \
        static int bytes(const Spec* s) {                                                          \
            int b = 0;                                                                             \
            veksFFTGetBufSize_##D##_##K(s, &b);                                                    \
            return b + 1;                                                                          \
        }                                                                                          \
        int order;                                                                                 \
        Spec* spec;                                                                                \
        Buffer<Vek8u> buf;                                                                         \
        Buffer<T> x, y;                                                                            \
        explicit NAME(int o) : order(o), spec(make(o)), buf(bytes(spec)), x(LEN), y(LEN) { (*this)(); } \
        ~NAME() { veksFFTFree_##D##_##K(spec); }                                                   \
        void operator()() { CALL(reinterpret_cast<const E*>(x.p), reinterpret_cast<E*>(y.p), spec, buf.p); } \
    };

#define CLEN (2 * (std::size_t(1) << order) + 2)
#define RLEN ((std::size_t(1) << order) + 2)
VEKS_SIDE(VeksFwd32fc, C, 32fc, float, Vek32fc, CLEN, veksFFTFwd_CToC_32fc)
VEKS_SIDE(VeksInv32fc, C, 32fc, float, Vek32fc, CLEN, veksFFTInv_CToC_32fc)
VEKS_SIDE(VeksFwd64fc, C, 64fc, double, Vek64fc, CLEN, veksFFTFwd_CToC_64fc)
VEKS_SIDE(VeksInv64fc, C, 64fc, double, Vek64fc, CLEN, veksFFTInv_CToC_64fc)
VEKS_SIDE(VeksFwdPerm32f, R, 32f, float, Vek32f, RLEN, veksFFTFwd_RToPerm_32f)
VEKS_SIDE(VeksInvPerm32f, R, 32f, float, Vek32f, RLEN, veksFFTInv_PermToR_32f)
VEKS_SIDE(VeksFwdPerm64f, R, 64f, double, Vek64f, RLEN, veksFFTFwd_RToPerm_64f)
VEKS_SIDE(VeksInvPerm64f, R, 64f, double, Vek64f, RLEN, veksFFTInv_PermToR_64f)

#ifdef HAVE_FFTW
// FFTW: PFX is fftw or fftwf, PLAN the planner call on x, y and n.
#define FFTW_SIDE(NAME, PFX, T, LEN, PLAN)                                                         \
    struct NAME {                                                                                  \
        int order, n;                                                                              \
        T* x;                                                                                      \
        T* y;                                                                                      \
        PFX##_plan p;                                                                              \
        explicit NAME(int o)                                                                       \
            : order(o), n(1 << o), x(static_cast<T*>(PFX##_malloc(sizeof(T) * LEN))),              \
              y(static_cast<T*>(PFX##_malloc(sizeof(T) * LEN))), p(PLAN) {                         \
            fill(x, LEN);                                                                          \
            PFX##_execute(p);                                                                      \
        }                                                                                          \
        ~NAME() {                                                                                  \
            PFX##_destroy_plan(p);                                                                 \
            PFX##_free(x);                                                                         \
            PFX##_free(y);                                                                         \
        }                                                                                          \
        void operator()() { PFX##_execute(p); }                                                    \
    };
#define C2C(PFX, SIGN) PFX##_plan_dft_1d(n, (PFX##_complex*)x, (PFX##_complex*)y, SIGN, FFTW_MEASURE)
#define R2C(PFX) PFX##_plan_dft_r2c_1d(n, x, (PFX##_complex*)y, FFTW_MEASURE)
#define C2R(PFX) PFX##_plan_dft_c2r_1d(n, (PFX##_complex*)x, y, FFTW_MEASURE | FFTW_DESTROY_INPUT)

FFTW_SIDE(FftwFwd32fc, fftwf, float, CLEN, C2C(fftwf, FFTW_FORWARD))
FFTW_SIDE(FftwInv32fc, fftwf, float, CLEN, C2C(fftwf, FFTW_BACKWARD))
FFTW_SIDE(FftwFwd64fc, fftw, double, CLEN, C2C(fftw, FFTW_FORWARD))
FFTW_SIDE(FftwInv64fc, fftw, double, CLEN, C2C(fftw, FFTW_BACKWARD))
FFTW_SIDE(FftwFwdPerm32f, fftwf, float, RLEN, R2C(fftwf))
FFTW_SIDE(FftwInvPerm32f, fftwf, float, RLEN, C2R(fftwf))
FFTW_SIDE(FftwFwdPerm64f, fftw, double, RLEN, R2C(fftw))
FFTW_SIDE(FftwInvPerm64f, fftw, double, RLEN, C2R(fftw))
#endif

// ---- cases ---------------------------------------------------------------

void set_items(benchmark::State& st, int n) { st.SetItemsProcessed(st.iterations() * n); }

template <class Side>
void one_side(benchmark::State& st) {
    const int order = int(st.range(0));
    Side side(order);
    for (auto _ : st) {
        side();
        benchmark::ClobberMemory();
    }
    set_items(st, 1 << order);
}

// Calls per batch (about 16k points, so that the clock's own cost stays
// below a percent) and rounds per case (fewer where one call takes long).
int batch_calls(int order) { return std::max(1, (1 << 14) >> order); }
int alt_rounds(int order) { return order <= 12 ? 2000 : order <= 16 ? 300 : order <= 19 ? 60 : 25; }

template <class Ours, class Peer>
void alternating(benchmark::State& st) {
    using Clock = std::chrono::steady_clock;
    const int order = int(st.range(0)), calls = batch_calls(order);
    Ours ours(order);
    Peer peer(order);
    double best[2] = {1e300, 1e300};
    bool ours_first = true;
    auto batch = [&](auto& side) {
        const auto t0 = Clock::now();
        for (int i = 0; i < calls; ++i) {
            side();
            benchmark::ClobberMemory();
        }
        return std::chrono::duration<double, std::nano>(Clock::now() - t0).count() / calls;
    };
    for (auto _ : st) {
        double t[2];
        if (ours_first)
            t[0] = batch(ours), t[1] = batch(peer);
        else
            t[1] = batch(peer), t[0] = batch(ours);
        ours_first = !ours_first;
        best[0] = std::min(best[0], t[0]), best[1] = std::min(best[1], t[1]);
        st.SetIterationTime(t[0] * 1e-9);
    }
    st.counters["veks_ns"] = best[0];
    st.counters["peer_ns"] = best[1];
    st.counters["ratio"] = best[1] / best[0];
    set_items(st, 1 << order);
}

const int kOrders[] = {4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22};

// veks and the peer run back to back at each order, so that both see the
// same load on a shared machine.
struct Pair {
    const char* name;
    void (*ours)(benchmark::State&);
    void (*peer)(benchmark::State&);
    void (*alt)(benchmark::State&);
};

#ifdef HAVE_FFTW
#define PAIR(X, O, P) {#X, one_side<O>, one_side<P>, alternating<O, P>}
#else
#define PAIR(X, O, P) {#X, one_side<O>, nullptr, nullptr}
#endif
const Pair kPairs[] = {PAIR(fwd_32fc, VeksFwd32fc, FftwFwd32fc),
                       PAIR(inv_32fc, VeksInv32fc, FftwInv32fc),
                       PAIR(fwd_64fc, VeksFwd64fc, FftwFwd64fc),
                       PAIR(inv_64fc, VeksInv64fc, FftwInv64fc),
                       PAIR(fwd_perm_32f, VeksFwdPerm32f, FftwFwdPerm32f),
                       PAIR(inv_perm_32f, VeksInvPerm32f, FftwInvPerm32f),
                       PAIR(fwd_perm_64f, VeksFwdPerm64f, FftwFwdPerm64f),
                       PAIR(inv_perm_64f, VeksInvPerm64f, FftwInvPerm64f)};

}  // namespace

int main(int argc, char** argv) {
    for (const Pair& p : kPairs)
        for (int o : kOrders) {
            benchmark::RegisterBenchmark((std::string("BM_veks_") + p.name).c_str(), p.ours)->Arg(o);
            if (!p.peer) continue;
            benchmark::RegisterBenchmark((std::string("BM_fftw_") + p.name).c_str(), p.peer)->Arg(o);
            // The minimum over its rounds needs no repetitions.
            benchmark::RegisterBenchmark((std::string("BM_alt_") + p.name).c_str(), p.alt)
                ->Arg(o)
                ->Iterations(alt_rounds(o))
                ->Repetitions(1)
                ->UseManualTime();
        }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
