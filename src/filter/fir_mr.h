// Multirate FIR: up-sampling by U, filtering, keeping every M-th output.
//
// Output o of a block lies at up-sampled time t = o*M + downPhase; the
// input samples that meet the taps there are x[k0], x[k0-1], ... with
// k0 = floor((t - upPhase)/U), against the taps h[p], h[p+U], ... of phase
// p = (t - upPhase) mod U. Phases and k0 repeat every U outputs (k0 grows by
// M), so one table of U entries drives the whole block. Inputs are staged
// behind the ceil(L/U) samples of history, which keeps every window
// contiguous; the sub-filter of each phase is stored oldest tap first.
#ifndef VEKS_FILTER_FIR_MR_H
#define VEKS_FILTER_FIR_MR_H

#include <algorithm>
#include <cstring>

#include "core/parallel.h"
#include "core/workbuf.h"
#include "filter/fir_direct_kernels.h"
#include "filter/fir_state.h"

namespace veks {
namespace fir {

// Factor and phase checks shared by every multirate entry.
inline VekStatus check_factors(int up, int upPhase, int down, int downPhase) {
    VEKS_CHECK(check_param(up < 1 || down < 1, vekStsFIRMRFactorErr));
    return check_param(upPhase < 0 || upPhase >= up || downPhase < 0 || downPhase >= down, vekStsFIRMRPhaseErr);
}

inline int mr_history(int L, int up) { return (L + up - 1) / up; }
// Iterations per staged chunk: at most 4096 inputs (one when M is larger).
inline int mr_chunk(int down) { return std::max(1, 4096 / down); }
inline int mr_stage_elems(int L, int up, int down) { return mr_history(L, up) + mr_chunk(down) * down; }

// Variant chosen from the rate change and the filter length.
inline int mr_variant(int L, int up, int down) {
    const float r = float(L) / float(3 * down + L);
    if (up == 1) return r > 0.5f ? 1 : 2;
    return double(r) > 0.3 ? 1 : 3;
}

// The phase tables: count, offset into the sub-filter taps, and for each
// output of one period its phase and k0.
struct MrTables {
    std::int32_t* count;
    std::int32_t* offset;
    std::int32_t* phase;
    std::int32_t* k0;
};
inline std::size_t mr_table_bytes(int up) { return align16(16 * std::size_t(up)); }
inline MrTables mr_tables(void* p, int up) {
    auto* b = static_cast<std::int32_t*>(p);
    return {b, b + up, b + 2 * up, b + 3 * up};
}

template <class Ts>
void build_phases(const Ts* taps, int L, int up, int down, int upPhase, int downPhase, MrTables t, Ts* sub) {
    int at = 0;
    for (int p = 0; p < up; ++p) {
        const int n = p < L ? (L - 1 - p) / up + 1 : 0;
        t.count[p] = n;
        t.offset[p] = at;
        if (taps)
            for (int m = 0; m < n; ++m) sub[at + m] = taps[p + (n - 1 - m) * up];  // oldest first
        at += n;
    }
    for (int o = 0; o < up; ++o) {
        const long q = long(o) * down + downPhase - upPhase;
        const long k = q >= 0 ? q / up : -((-q + up - 1) / up);
        t.phase[o] = static_cast<std::int32_t>(q - k * up);
        t.k0[o] = static_cast<std::int32_t>(k);
    }
}

// The outputs [first, first+count) of a chunk whose inputs sit at stage + D.
// dot(sub, window, n) gives one sum, store(o, sum) writes output o.
template <class Ts, class Xs, class Dot, class Store>
inline void mr_outputs(const MrTables& t, const Ts* sub, const Xs* stage, int D, int up, int down, long first,
                       long count, Dot&& dot, Store&& store) {
    for (long o = first; o < first + count; ++o) {
        const long j = o / up;
        const int r = static_cast<int>(o - j * up);
        const int p = t.phase[r], n = t.count[p];
        const long k0 = t.k0[r] + j * down;
        store(o, dot(sub + t.offset[p], stage + D + k0 - n + 1, n));
    }
}

// One block: stages chunks of inputs with `load`, computes their outputs and
// keeps the newest D inputs as history.
template <class Ts, class Xs, class Load, class Dot, class Store>
void mr_run(const MrTables& t, const Ts* sub, Xs* stage, int D, int up, int down, int n, bool complex, Load&& load,
            Dot&& dot, Store&& store) {
    const int ci = mr_chunk(down);
    const bool parallel = long(n) * up > (complex ? 800 : 1600);
    for (int it = 0; it < n; it += ci) {
        const int c = std::min(ci, n - it);
        load(long(it) * down, stage + D, c * down);
        const long base = long(it) * up;
        auto st = [&](long o, auto v) { store(base + o, v); };
        const long outs = long(c) * up;
        if (parallel) {
            run_omp(static_cast<int>(outs), 0, [&](int off, int cnt) {
                mr_outputs(t, sub, stage, D, up, down, off, cnt, dot, st);
                return 0;
            });
        } else {
            mr_outputs(t, sub, stage, D, up, down, 0, outs, dot, st);
        }
        std::memmove(static_cast<void*>(stage), static_cast<const void*>(stage + long(c) * down), sizeof(Xs) * D);
    }
}

// ---- float multirate state -------------------------------------------------

template <class T>
inline T* mr_sub(const State<T>* s) {
    return reinterpret_cast<T*>(static_cast<Vek8u*>(s->mr) + mr_table_bytes(s->upFactor));
}

template <class T>
void rebuild_phases(State<T>* s);

template <class T>
std::size_t mr_size(int L, int up, int down);

template <class T>
State<T>* lay_multi(std::uint32_t id, int L, int up, int upPhase, int down, int downPhase, Vek8u* buf);

// Real sub-filters use the lane-ordered kernel, complex ones a sequential
// sum, oldest tap first.
template <class T>
inline T mr_dot(const T* h, const T* x, int n) {
    if constexpr (!is_cx<T>::value) return dot_contig(h, x, n);
    T acc = zero<T>();
    for (int i = 0; i < n; ++i) acc = add(acc, mul(h[i], x[i]));
    return acc;
}

template <class T, class D, Narrow N>
VekStatus mr_block(State<T>* s, const D* src, D* dst, int n, int sf) {
    const int up = s->upFactor, down = s->downFactor;
    WorkBuffer copy;
    if (src == dst && up > down) {  // outputs would overrun inputs not yet staged
        const std::size_t bytes = sizeof(D) * std::size_t(n) * std::size_t(down);
        if (!copy.acquire(bytes)) return vekStsMemAllocErr;
        std::memcpy(copy.as<D>(), src, bytes);
        src = copy.as<D>();
    }
    const auto scale = narrow_scale<N>(sf);
    const MrTables t = mr_tables(s->mr, up);
    mr_run(
        t, mr_sub(s), s->dly_t(), s->dlyLen, up, down, n, is_cx<T>::value,
        [&](long from, T* to, int cnt) {
            for (int i = 0; i < cnt; ++i) to[i] = widen<T>(src[from + i]);
        },
        [](const T* h, const T* x, int cnt) { return mr_dot(h, x, cnt); },
        [&](long o, T v) { dst[o] = narrow<N, D>(v, scale); });
    return vekStsNoErr;
}

}  // namespace fir
}  // namespace veks

#endif
