// Layout of the float multirate state: the single-rate tap tables (for the
// get and set calls), the staging buffer, the phase tables and the
// per-phase sub-filters.
#include "filter/fir_mr.h"

#include <new>

#include "filter/fir_direct_kernels.h"

namespace veks {
namespace fir {
namespace {

struct MrLayout {
    std::size_t rev, rep, stage, tables, sub, end;
};

template <class T>
MrLayout mr_layout(int L, int up, int down) {
    const std::size_t e = sizeof(T), len = std::size_t(L);
    MrLayout g{};
    std::size_t at = kHeaderBytes;
    auto take = [&](std::size_t bytes) {
        const std::size_t o = at;
        at += align16(bytes);
        return o;
    };
    g.rev = take(4 * e * std::size_t((L + 6) & ~3));
    g.rep = take(5 * align16(e * len));
    g.stage = take(e * std::size_t(mr_stage_elems(L, up, down)));
    g.tables = take(mr_table_bytes(up));
    g.sub = take(e * len);
    g.end = at;
    return g;
}

}  // namespace

template <class T>
std::size_t mr_size(int L, int up, int down) {
    return mr_layout<T>(L, up, down).end + 16;
}

template <class T>
void rebuild_phases(State<T>* s) {
    const int L = s->tapsLen;
    const T* r = s->rev_t();
    // Natural order is the reversed table read backwards.
    T* sub = mr_sub(s);
    const MrTables t = mr_tables(s->mr, s->upFactor);
    int at = 0;
    for (int p = 0; p < s->upFactor; ++p) {
        const int n = t.count[p];
        for (int m = 0; m < n; ++m) sub[at + m] = r[L - 1 - (p + (n - 1 - m) * s->upFactor)];
        at += n;
    }
}

template <class T>
State<T>* lay_multi(std::uint32_t id, int L, int up, int upPhase, int down, int downPhase, Vek8u* buf) {
    const MrLayout g = mr_layout<T>(L, up, down);
    Vek8u* base = align_up16(buf);
    std::memset(base, 0, kHeaderBytes);
    State<T>* s = new (base) State<T>();
    s->id = id;
    s->rev = base + g.rev;
    s->rep = base + g.rep;
    s->dly = base + g.stage;
    s->mr = base + g.tables;
    s->tapsLen = L;
    s->upFactor = up, s->downFactor = down;
    s->upPhase = upPhase, s->downPhase = downPhase;
    s->dlyLen = mr_history(L, up);
    s->capacity = ((L + 3) & ~3) + (is_cx<T>::value ? 0 : 1);
    s->revStride = ((L + 6) & ~3) + 1;
    s->algorithm = mr_variant(L, up, down);
    s->fftLen = -1;
    s->threads = 1;
    std::memset(s->dly, 0, sizeof(T) * std::size_t(mr_stage_elems(L, up, down)));
    build_phases(static_cast<const T*>(nullptr), L, up, down, upPhase, downPhase, mr_tables(s->mr, up), mr_sub(s));
    return s;
}

#define VEKS_FIR_MR_INSTANCES(T)                                                                      \
    template std::size_t mr_size<T>(int, int, int);                                                   \
    template void rebuild_phases<T>(State<T>*);                                                       \
    template State<T>* lay_multi<T>(std::uint32_t, int, int, int, int, int, Vek8u*);
VEKS_FIR_MR_INSTANCES(float)
VEKS_FIR_MR_INSTANCES(double)
VEKS_FIR_MR_INSTANCES(Cx<float>)
VEKS_FIR_MR_INSTANCES(Cx<double>)

}  // namespace fir
}  // namespace veks
