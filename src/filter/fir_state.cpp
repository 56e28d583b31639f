// Layout, tap tables and lifecycle of the float FIR states.
#include "filter/fir_state.h"

#include <cstring>
#include <new>

#include "filter/fir_direct_kernels.h"
#include "filter/fir_overlap_save.h"
#include "filter/fir_mr.h"
#include "core/support/vekcore.h"

namespace veks {
namespace fir {

Layout float_layout(std::size_t e, bool complex, int L, int threads, const int fft[4]) {
    Layout g;
    g.threads = threads;
    g.P = (L + 6) & ~3;
    g.capacity = ((L + 3) & ~3) + (complex ? 0 : 1);
    g.fftOrder = fft[0];
    g.fftLen = fft[0] >= 0 ? 1 << fft[0] : 0;
    g.specSize = fft[1], g.specBufSize = fft[2], g.workSize = fft[3];
    const std::size_t N = std::size_t(g.fftLen), T = std::size_t(threads), len = std::size_t(L);
    std::size_t at = kHeaderBytes;
    auto take = [&](std::size_t bytes) {
        const std::size_t o = at;
        at += align16(bytes);
        return o;
    };
    g.rev = take(4 * e * g.P);
    g.dly = take(e * (3 * len + 4));
    g.rep = take(5 * align16(e * len));
    g.status = take(4 * T);
    g.spec = take(std::size_t(g.specSize));
    g.specBuf = take(std::size_t(g.specBufSize));
    g.spectrum = take(e * N);
    g.work = take(T * align16(std::size_t(g.workSize)));
    g.blocks = take(T * e * N);
    g.inplace = take(e * std::size_t(inplace_elems(threads)));
    g.end = at;
    return g;
}

int state_threads() {
    const int t = ownGetNumThreads();
    return t < 1 ? 1 : t;
}

namespace {
Layout layout_for(std::size_t e, bool complex, int L, int threads, void* ownSpec, const int fft[4]) {
    const bool inState = ownSpec == nullptr;
    const int sizes[4] = {fft[0], inState ? fft[1] : 0, inState ? fft[2] : 0, fft[3]};
    return float_layout(e, complex, L, threads, sizes);
}
}  // namespace

template <class T>
State<T>* lay_single(std::uint32_t id, int L, Vek8u* buffer, void* ownSpec, const int fft[4]) {
    const Layout g = layout_for(sizeof(T), is_cx<T>::value, L, state_threads(), ownSpec, fft);
    Vek8u* base = align_up16(buffer);
    std::memset(base, 0, kHeaderBytes);
    State<T>* s = new (base) State<T>();
    s->id = id;
    s->rev = base + g.rev;
    s->dly = base + g.dly;
    s->rep = base + g.rep;
    s->status = reinterpret_cast<std::int32_t*>(base + g.status);
    s->spectrum = base + g.spectrum;
    s->fftWork = base + g.work;
    s->blockBufs = base + g.blocks;
    s->inplace = base + g.inplace;
    s->tapsLen = L;
    s->dlyLen = L;
    s->upFactor = s->downFactor = 1;
    s->capacity = g.capacity;
    s->revStride = g.P + 1;
    s->threads = g.threads;
    s->fftWorkSize = static_cast<std::int32_t>(align16(std::size_t(g.workSize)));
    s->fftLen = -1;
    std::memset(s->dly, 0, sizeof(T) * (3 * std::size_t(L) + 4));
    return s;
}

template <class T>
void finish_single(State<T>* s, Vek8u* buffer, void* ownSpec, const int fft[4]) {
    if (fft[0] < 0) return;
    s->fftLen = 1 << fft[0];
    if (ownSpec) {
        s->fftSpec = ownSpec;
        s->fftOwned = 1;
        if (fft_spectrum(s) != vekStsNoErr) s->fftLen = -1;
    } else {
        const Layout g = layout_for(sizeof(T), is_cx<T>::value, s->tapsLen, s->threads, nullptr, fft);
        Vek8u* base = reinterpret_cast<Vek8u*>(s);
        fft_attach(s, base + g.spec, base + g.specBuf);
    }
}

template <class T>
VekStatus single_size(int L, int* size) {
    int fft[4];
    fft_sizes<T>(L, fft);
    const std::size_t bytes = float_layout(sizeof(T), is_cx<T>::value, L, state_threads(), fft).total();
    if (bytes > 0x7FFFFFFFu) return vekStsSizeErr;
    *size = static_cast<int>(bytes);
    return vekStsNoErr;
}

template <class T>
VekStatus alloc_single(std::uint32_t id, int L, bool withFft, State<T>** out, void** spec, int fft[4]) {
    *spec = nullptr;
    fft[0] = -1, fft[1] = fft[2] = fft[3] = 0;
    if (withFft && L >= Limits<T>::fft_min_taps) VEKS_CHECK(fft_alloc_spec<T>(L, spec, fft));
    const int inState[4] = {fft[0], 0, 0, fft[3]};
    const std::size_t bytes = float_layout(sizeof(T), is_cx<T>::value, L, state_threads(), inState).total();
    Vek8u* raw = bytes <= 0x7FFFFFFFu ? veksMalloc_8u(static_cast<int>(bytes)) : nullptr;
    if (!raw) {
        if (*spec) fft_free_spec<T>(*spec);
        return vekStsMemAllocErr;
    }
    State<T>* s = lay_single<T>(id, L, raw, *spec, fft);
    s->raw = raw;
    s->allocated = 1;
    *out = s;
    return vekStsNoErr;
}

template <class T>
void free_state(State<T>* s) {
    if (!s->allocated) return;
    if (s->fftOwned && s->fftSpec) fft_free_spec<T>(s->fftSpec);
    s->id = 0;
    veksFree(s->raw);
}

template <class T>
VekStatus taps_changed(State<T>* s) {
    if (s->mr) rebuild_phases(s);
    if (s->fftLen > 0) return fft_spectrum(s);
    return vekStsNoErr;
}

#define VEKS_FIR_STATE_INSTANCES(T)                                                                  \
    template State<T>* lay_single<T>(std::uint32_t, int, Vek8u*, void*, const int*);                 \
    template void finish_single<T>(State<T>*, Vek8u*, void*, const int*);                            \
    template VekStatus single_size<T>(int, int*);                                                    \
    template VekStatus alloc_single<T>(std::uint32_t, int, bool, State<T>**, void**, int*);          \
    template void free_state<T>(State<T>*);                                                          \
    template VekStatus taps_changed<T>(State<T>*);
VEKS_FIR_STATE_INSTANCES(float)
VEKS_FIR_STATE_INSTANCES(double)
VEKS_FIR_STATE_INSTANCES(Cx<float>)
VEKS_FIR_STATE_INSTANCES(Cx<double>)

}  // namespace fir
}  // namespace veks
