// Stream FIR states (single-rate and multirate, 32f and 16s): the taps, the
// rate parameters and nothing of the signal.
#include "filter/fir_stream.h"

#include <algorithm>
#include <cstring>
#include <new>

#include "core/check.h"
#include "filter/fir_direct_kernels.h"
#include "filter/fir_int_scale.h"
#include "filter/fir_mr.h"
#include "filter/fir_state.h"

using namespace veks;
using namespace veks::fir;

namespace {

constexpr std::uint32_t kStream16 = fi(31), kStreamMr16 = fi(32), kStream32 = fi(33), kStreamMr32 = fi(34);

struct Stream {
    std::uint32_t id;
    std::int32_t tapsLen, tapsFactor, rndMode;
    std::int32_t up, upPhase, down, downPhase;
    std::int32_t allocated, pad;
    void* taps;  // 32f: replicated table; 16s: reversed taps in pairs
    void* mr;    // multirate tables, then the per-phase taps
    void* raw;
};
static_assert(sizeof(Stream) <= 112, "stream header");

std::size_t stream_bytes(std::size_t elem, int L, int up, bool multi, bool real32) {
    std::size_t b = 128 + (real32 ? align16(16 * std::size_t(L)) : align16(2 * std::size_t(L) + 2));
    if (multi) b += mr_table_bytes(up) + align16(elem * std::size_t(L));
    return b;
}

Stream* lay(Vek8u* buf, std::uint32_t id, int L, int up, int upPhase, int down, int downPhase, bool real32,
            std::size_t elem) {
    Vek8u* base = align_up16(buf);
    std::memset(base, 0, 112);
    Stream* s = new (base) Stream();
    s->id = id;
    s->tapsLen = L;
    s->up = up, s->upPhase = upPhase, s->down = down, s->downPhase = downPhase;
    s->taps = base + 112;
    if (up != 1 || down != 1 || id == kStreamMr16 || id == kStreamMr32) {
        s->mr = base + 112 + (real32 ? align16(16 * std::size_t(L)) : align16(2 * std::size_t(L) + 2));
        // Output i lies at up-sampled time downPhase + i*down + L - 1.
        build_phases(static_cast<const float*>(nullptr), L, up, down, upPhase, downPhase + L - 1,
                     mr_tables(s->mr, up), static_cast<float*>(nullptr));
    }
    (void)elem;
    return s;
}

template <class Ts>
Ts* phase_taps(const Stream* s) {
    return reinterpret_cast<Ts*>(static_cast<Vek8u*>(s->mr) + mr_table_bytes(s->up));
}

template <class Ts>
void fill_phase_taps(Stream* s, const Ts* taps) {
    const MrTables t = mr_tables(s->mr, s->up);
    Ts* sub = phase_taps<Ts>(s);
    for (int p = 0; p < s->up; ++p)
        for (int m = 0; m < t.count[p]; ++m) sub[t.offset[p] + m] = taps[p + (t.count[p] - 1 - m) * s->up];
}

// Outputs of a multirate stream state; terms before the first input are
// zeros of the up-sampled signal.
template <class Ts, class Xs, class Acc, class Store>
void mr_stream(const Stream* s, const Xs* src, long outs, Store&& store) {
    const MrTables t = mr_tables(s->mr, s->up);
    const Ts* sub = phase_taps<Ts>(s);
    for (long o = 0; o < outs; ++o) {
        const long j = o / s->up;
        const int r = static_cast<int>(o - j * s->up);
        const int p = t.phase[r], cnt = t.count[p];
        const long first = t.k0[r] + j * s->down - cnt + 1;
        Acc acc = 0;
        for (int m = first < 0 ? static_cast<int>(-first) : 0; m < cnt; ++m)
            acc += static_cast<Acc>(Acc(sub[t.offset[p] + m]) * Acc(src[first + m]));
        store(o, acc);
    }
}

// 16s taps: a tap of -32768 halves them all and raises tapsFactor.
void store_taps_16s(Stream* s, const Vek16s* taps, int tapsFactor) {
    const int L = s->tapsLen;
    const bool halve = std::any_of(taps, taps + L, [](Vek16s v) { return v == -32768; });
    auto tap = [&](int j) -> std::int16_t { return halve ? std::int16_t(taps[j] >> 1) : taps[j]; };
    s->tapsFactor = tapsFactor + (halve ? 1 : 0);
    auto* pairs = static_cast<std::int32_t*>(s->taps);
    for (int i = 0; i < L; i += 2) {
        const std::int16_t lo = tap(L - 1 - i), hi = i + 1 < L ? tap(L - 2 - i) : 0;
        pairs[i / 2] = std::int32_t(std::uint32_t(std::uint16_t(lo)) | (std::uint32_t(std::uint16_t(hi)) << 16));
    }
    if (s->mr) {
        std::int16_t* sub = phase_taps<std::int16_t>(s);
        const MrTables t = mr_tables(s->mr, s->up);
        for (int p = 0; p < s->up; ++p)
            for (int m = 0; m < t.count[p]; ++m) sub[t.offset[p] + m] = tap(p + (t.count[p] - 1 - m) * s->up);
    }
}

std::int16_t pair_tap(const std::int32_t* pairs, int i) {
    return static_cast<std::int16_t>(i % 2 == 0 ? pairs[i / 2] & 0xFFFF : pairs[i / 2] >> 16);
}

VekStatus size_checked(std::size_t bytes, int* size) {
    VEKS_CHECK(check_param(bytes > 0x7FFFFFFFu, vekStsSizeErr));
    *size = static_cast<int>(bytes);
    return vekStsNoErr;
}

VekStatus init_32f(VekFIRState_32f** pp, const Vek32f* taps, int L, int up, int upPhase, int down, int downPhase,
                   Vek8u* buf, std::uint32_t id) {
    Stream* s = lay(buf, id, L, up, upPhase, down, downPhase, true, 4);
    for (int j = 0; j < L; ++j) replicate(taps[j], static_cast<float*>(s->taps) + 4 * j);
    if (s->mr) fill_phase_taps(s, taps);
    *pp = reinterpret_cast<VekFIRState_32f*>(s);
    return vekStsNoErr;
}

VekStatus init_16s(VekFIRState_16s** pp, const Vek16s* taps, int L, int tapsFactor, int up, int upPhase, int down,
                   int downPhase, int rndMode, Vek8u* buf, std::uint32_t id) {
    Stream* s = lay(buf, id, L, up, upPhase, down, downPhase, false, 2);
    s->rndMode = rndMode;
    store_taps_16s(s, taps, tapsFactor);
    *pp = reinterpret_cast<VekFIRState_16s*>(s);
    return vekStsNoErr;
}

template <class Init, class... A>
VekStatus init_alloc(std::size_t bytes, Init&& init) {
    Vek8u* raw = bytes <= 0x7FFFFFFFu ? veksMalloc_8u(static_cast<int>(bytes)) : nullptr;
    if (!raw) return vekStsMemAllocErr;
    Stream* s = init(raw);
    s->allocated = 1;
    s->raw = raw;
    return vekStsNoErr;
}

}  // namespace

namespace veks {
namespace fir {

bool is_stream_32f(const void* st) { return id_of(st) == kStream32 || id_of(st) == kStreamMr32; }
bool is_stream_16s(const void* st) { return id_of(st) == kStream16 || id_of(st) == kStreamMr16; }

VekStatus stream_block_32f(void* st, const float* src, float* dst, int n) {
    const Stream* s = static_cast<const Stream*>(st);
    if (!s->mr) {
        fir_dot(static_cast<const float*>(s->taps), s->tapsLen, src, dst, n);
        return vekStsNoErr;
    }
    mr_stream<float, float, float>(s, src, long(n) * s->up, [&](long o, float v) { dst[o] = v; });
    return vekStsNoErr;
}

VekStatus stream_block_16s(void* st, const std::int16_t* src, std::int16_t* dst, int n, int sf) {
    const Stream* s = static_cast<const Stream*>(st);
    const int e = sum_exponent(s->tapsFactor, sf);
    if (!s->mr) {
        std::int32_t sums[256];
        for (int off = 0; off < n; off += 256) {
            const int c = std::min(256, n - off);
            fir_dot_16s(static_cast<const std::int32_t*>(s->taps), s->tapsLen, src + off, sums, c);
            for (int i = 0; i < c; ++i) dst[off + i] = scale_sum(sums[i], e, s->rndMode);
        }
        return vekStsNoErr;
    }
    mr_stream<std::int16_t, std::int16_t, std::uint32_t>(
        s, src, long(n) * s->up, [&](long o, std::uint32_t v) { dst[o] = scale_sum(std::int32_t(v), e, s->rndMode); });
    return vekStsNoErr;
}

void stream_taps_16s(const void* st, std::int16_t* taps, int* tapsFactor) {
    const Stream* s = static_cast<const Stream*>(st);
    for (int j = 0; j < s->tapsLen; ++j) taps[j] = pair_tap(static_cast<const std::int32_t*>(s->taps), s->tapsLen - 1 - j);
    if (tapsFactor) *tapsFactor = s->tapsFactor;
}

void stream_free(void* st) {
    Stream* s = static_cast<Stream*>(st);
    if (!s->allocated) return;
    s->id = 0;
    veksFree(s->raw);
}

}  // namespace fir
}  // namespace veks

// ---- exports ------------------------------------------------------------------

VekStatus veksFIRStreamGetStateSize_32f(int tapsLen, int* pSize) {
    VEKS_CHECK(check_ptrs(pSize));
    VEKS_CHECK(check_param(tapsLen < 1, vekStsFIRLenErr));
    return size_checked(stream_bytes(4, tapsLen, 1, false, true) + 16, pSize);
}
VekStatus veksFIRStreamGetStateSize_16s(int tapsLen, int* pSize) {
    VEKS_CHECK(check_ptrs(pSize));
    VEKS_CHECK(check_param(tapsLen < 1, vekStsFIRLenErr));
    return size_checked(align16(2 * std::size_t(tapsLen)) + 128, pSize);
}
VekStatus veksFIRStreamInit_32f(VekFIRState_32f** pp, const Vek32f* pTaps, int tapsLen, Vek8u* pBuf) {
    VEKS_CHECK(check_ptrs(pp, pTaps, pBuf));
    VEKS_CHECK(check_param(tapsLen < 1, vekStsFIRLenErr));
    return init_32f(pp, pTaps, tapsLen, 1, 0, 1, 0, pBuf, kStream32);
}
VekStatus veksFIRStreamInit_16s(VekFIRState_16s** pp, const Vek16s* pTaps, int tapsLen, int tapsFactor, int rndMode,
                                Vek8u* pBuf) {
    VEKS_CHECK(check_ptrs(pp, pTaps, pBuf));
    VEKS_CHECK(check_param(tapsLen < 1, vekStsFIRLenErr));
    VEKS_CHECK(check_param(rndMode < 0 || rndMode > 2, vekStsRoundModeErr));
    return init_16s(pp, pTaps, tapsLen, tapsFactor, 1, 0, 1, 0, rndMode, pBuf, kStream16);
}
VekStatus veksFIRStreamInitAlloc_32f(VekFIRState_32f** pp, const Vek32f* pTaps, int tapsLen) {
    VEKS_CHECK(check_ptrs(pp, pTaps));
    VEKS_CHECK(check_param(tapsLen < 1, vekStsFIRLenErr));
    return init_alloc(stream_bytes(4, tapsLen, 1, false, true) + 16, [&](Vek8u* raw) {
        init_32f(pp, pTaps, tapsLen, 1, 0, 1, 0, raw, kStream32);
        return reinterpret_cast<Stream*>(*pp);
    });
}
VekStatus veksFIRStreamInitAlloc_16s(VekFIRState_16s** pp, const Vek16s* pTaps, int tapsLen, int tapsFactor,
                                     int rndMode) {
    VEKS_CHECK(check_ptrs(pp, pTaps));
    VEKS_CHECK(check_param(tapsLen < 1, vekStsFIRLenErr));
    VEKS_CHECK(check_param(rndMode < 0 || rndMode > 2, vekStsRoundModeErr));
    return init_alloc(align16(2 * std::size_t(tapsLen)) + 128, [&](Vek8u* raw) {
        init_16s(pp, pTaps, tapsLen, tapsFactor, 1, 0, 1, 0, rndMode, raw, kStream16);
        return reinterpret_cast<Stream*>(*pp);
    });
}

VekStatus veksFIRMRStreamGetStateSize_32f(int tapsLen, int up, int down, int* pSize) {
    VEKS_CHECK(check_ptrs(pSize));
    VEKS_CHECK(check_param(tapsLen < 1, vekStsFIRLenErr));
    VEKS_CHECK(check_param(up < 1 || down < 1, vekStsFIRMRFactorErr));
    int single = 0;
    VEKS_CHECK(single_size<float>(tapsLen, &single));
    return size_checked(std::max<std::size_t>(std::size_t(single), stream_bytes(4, tapsLen, up, true, true) + 16), pSize);
}
VekStatus veksFIRMRStreamGetStateSize_16s(int tapsLen, int up, int down, int* pSize) {
    VEKS_CHECK(check_ptrs(pSize));
    VEKS_CHECK(check_param(tapsLen < 1, vekStsFIRLenErr));
    VEKS_CHECK(check_param(up < 1 || down < 1, vekStsFIRMRFactorErr));
    return size_checked(stream_bytes(2, tapsLen, up, true, false) + 16, pSize);
}
VekStatus veksFIRMRStreamInit_32f(VekFIRState_32f** pp, const Vek32f* pTaps, int tapsLen, int up, int upPhase,
                                  int down, int downPhase, Vek8u* pBuf) {
    VEKS_CHECK(check_ptrs(pp, pTaps, pBuf));
    VEKS_CHECK(check_param(tapsLen < 1, vekStsFIRLenErr));
    VEKS_CHECK(check_factors(up, upPhase, down, downPhase));
    return init_32f(pp, pTaps, tapsLen, up, upPhase, down, downPhase, pBuf, kStreamMr32);
}
VekStatus veksFIRMRStreamInit_16s(VekFIRState_16s** pp, const Vek16s* pTaps, int tapsLen, int tapsFactor, int up,
                                  int upPhase, int down, int downPhase, int rndMode, Vek8u* pBuf) {
    VEKS_CHECK(check_ptrs(pp, pTaps, pBuf));
    VEKS_CHECK(check_param(tapsLen < 1, vekStsFIRLenErr));
    VEKS_CHECK(check_factors(up, upPhase, down, downPhase));
    VEKS_CHECK(check_param(rndMode < 0 || rndMode > 2, vekStsRoundModeErr));
    return init_16s(pp, pTaps, tapsLen, tapsFactor, up, upPhase, down, downPhase, rndMode, pBuf, kStreamMr16);
}
