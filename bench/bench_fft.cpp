// Complex and real FFT against FFTW 3 planned with FFTW_MEASURE, single
// thread, out of place, same data, side by side in one run. Both sides get
// buffers from their own aligned allocator, as their users would.
#include <benchmark/benchmark.h>

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

void set_items(benchmark::State& st, int n) { st.SetItemsProcessed(st.iterations() * n); }

// ---- veks ----------------------------------------------------------------

#define VEKS_COMPLEX(NAME, C, T, CALL)                                                             \
    void NAME(benchmark::State& st) {                                                              \
        const int order = int(st.range(0)), n = 1 << order;                                        \
        VekFFTSpec_C_##C* spec = nullptr;                                                          \
        veksFFTInitAlloc_C_##C(&spec, order, VEK_FFT_NO_SCALE, 0);                                 \
        int bytes = 0;                                                                             \
        veksFFTGetBufSize_C_##C(spec, &bytes);                                                     \
        Buffer<Vek8u> buf(bytes + 1);                                                              \
        Buffer<T> x(2 * n), y(2 * n);                                                              \
        const auto* in = reinterpret_cast<const Vek##C*>(x.p);                                     \
        auto* out = reinterpret_cast<Vek##C*>(y.p);                                                \
        CALL(in, out, spec, buf.p); /* warm-up, as FFTW's planner does */                         \
        for (auto _ : st) {                                                                        \
            CALL(in, out, spec, buf.p);                                                            \
            benchmark::ClobberMemory();                                                            \
        }                                                                                          \
        set_items(st, n);                                                                          \
        veksFFTFree_C_##C(spec);                                                                   \
    }

VEKS_COMPLEX(BM_veks_fwd_32fc, 32fc, float, veksFFTFwd_CToC_32fc)
VEKS_COMPLEX(BM_veks_inv_32fc, 32fc, float, veksFFTInv_CToC_32fc)
VEKS_COMPLEX(BM_veks_fwd_64fc, 64fc, double, veksFFTFwd_CToC_64fc)
VEKS_COMPLEX(BM_veks_inv_64fc, 64fc, double, veksFFTInv_CToC_64fc)

#define VEKS_REAL(NAME, R, T, CALL)                                                                \
    void NAME(benchmark::State& st) {                                                              \
        const int order = int(st.range(0)), n = 1 << order;                                        \
        VekFFTSpec_R_##R* spec = nullptr;                                                          \
        veksFFTInitAlloc_R_##R(&spec, order, VEK_FFT_NO_SCALE, 0);                                 \
        int bytes = 0;                                                                             \
        veksFFTGetBufSize_R_##R(spec, &bytes);                                                     \
        Buffer<Vek8u> buf(bytes + 1);                                                              \
        Buffer<T> x(n + 2), y(n + 2);                                                              \
        CALL(x.p, y.p, spec, buf.p);                                                               \
        for (auto _ : st) {                                                                        \
            CALL(x.p, y.p, spec, buf.p);                                                           \
            benchmark::ClobberMemory();                                                            \
        }                                                                                          \
        set_items(st, n);                                                                          \
        veksFFTFree_R_##R(spec);                                                                   \
    }

VEKS_REAL(BM_veks_fwd_perm_32f, 32f, float, veksFFTFwd_RToPerm_32f)
VEKS_REAL(BM_veks_inv_perm_32f, 32f, float, veksFFTInv_PermToR_32f)
VEKS_REAL(BM_veks_fwd_perm_64f, 64f, double, veksFFTFwd_RToPerm_64f)
VEKS_REAL(BM_veks_inv_perm_64f, 64f, double, veksFFTInv_PermToR_64f)

// ---- FFTW ----------------------------------------------------------------

#ifdef HAVE_FFTW
#define FFTW_BENCH(NAME, PFX, T, SIGN, KIND)                                                       \
    void NAME(benchmark::State& st) {                                                              \
        const int order = int(st.range(0)), n = 1 << order;                                        \
        T* x = static_cast<T*>(PFX##_malloc(sizeof(T) * (2 * n + 2)));                             \
        T* y = static_cast<T*>(PFX##_malloc(sizeof(T) * (2 * n + 2)));                             \
        PFX##_plan p = KIND;                                                                       \
        fill(x, 2 * n + 2);                                                                        \
        PFX##_execute(p);                                                                          \
        for (auto _ : st) {                                                                        \
            PFX##_execute(p);                                                                      \
            benchmark::ClobberMemory();                                                            \
        }                                                                                          \
        set_items(st, n);                                                                          \
        PFX##_destroy_plan(p);                                                                     \
        PFX##_free(x);                                                                             \
        PFX##_free(y);                                                                             \
    }
#define C2C(PFX, SIGN) PFX##_plan_dft_1d(n, (PFX##_complex*)x, (PFX##_complex*)y, SIGN, FFTW_MEASURE)
#define R2C(PFX) PFX##_plan_dft_r2c_1d(n, x, (PFX##_complex*)y, FFTW_MEASURE)
#define C2R(PFX) PFX##_plan_dft_c2r_1d(n, (PFX##_complex*)x, y, FFTW_MEASURE | FFTW_DESTROY_INPUT)

FFTW_BENCH(BM_fftw_fwd_32fc, fftwf, float, -1, C2C(fftwf, FFTW_FORWARD))
FFTW_BENCH(BM_fftw_inv_32fc, fftwf, float, +1, C2C(fftwf, FFTW_BACKWARD))
FFTW_BENCH(BM_fftw_fwd_64fc, fftw, double, -1, C2C(fftw, FFTW_FORWARD))
FFTW_BENCH(BM_fftw_inv_64fc, fftw, double, +1, C2C(fftw, FFTW_BACKWARD))
FFTW_BENCH(BM_fftw_fwd_perm_32f, fftwf, float, -1, R2C(fftwf))
FFTW_BENCH(BM_fftw_inv_perm_32f, fftwf, float, +1, C2R(fftwf))
FFTW_BENCH(BM_fftw_fwd_perm_64f, fftw, double, -1, R2C(fftw))
FFTW_BENCH(BM_fftw_inv_perm_64f, fftw, double, +1, C2R(fftw))
#endif

const int kOrders[] = {4, 5, 6, 7, 8, 9, 10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22};

// veks and the peer run back to back at each order, so that both see the
// same load on a shared machine.
struct Pair {
    const char* name;
    void (*ours)(benchmark::State&);
    void (*peer)(benchmark::State&);
};

#ifdef HAVE_FFTW
#define PAIR(X) {#X, BM_veks_##X, BM_fftw_##X}
#else
#define PAIR(X) {#X, BM_veks_##X, nullptr}
#endif
const Pair kPairs[] = {PAIR(fwd_32fc),     PAIR(inv_32fc),     PAIR(fwd_64fc),     PAIR(inv_64fc),
                       PAIR(fwd_perm_32f), PAIR(inv_perm_32f), PAIR(fwd_perm_64f), PAIR(inv_perm_64f)};

}  // namespace

int main(int argc, char** argv) {
    for (const Pair& p : kPairs)
        for (int o : kOrders) {
            benchmark::RegisterBenchmark((std::string("BM_veks_") + p.name).c_str(), p.ours)->Arg(o);
            if (p.peer) benchmark::RegisterBenchmark((std::string("BM_fftw_") + p.name).c_str(), p.peer)->Arg(o);
        }
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
