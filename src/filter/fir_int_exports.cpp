// Exported FIR operations of the integer-tap states over 16-bit data.
#include "filter/fir_int_state.h"
#include "filter/fir_stream.h"
#include "veks.h"

using namespace veks;
using namespace veks::fir;

namespace {

enum class Taps { Int32, Float, Int16 };

// Stored taps and the effective tapsFactor from the caller's taps.
template <class R, Taps K, class P>
void store_taps(IntState<R>* s, const P* taps, int tapsFactor) {
    const int L = s->tapsLen;
    using W = typename Wide<R>::type;
    if constexpr (K == Taps::Int32) {
        const int sh = norm_shift_32s(taps, L);
        int_write_taps(s, tapsFactor + sh, [&](int j) { return shr(*reinterpret_cast<const W*>(taps + j), sh); });
    } else if constexpr (K == Taps::Float) {
        const int f = norm_exp_32f(taps, L);
        int_write_taps(s, f, [&](int j) { return quantise(taps[j], f); });
    } else {
        const bool halve = std::any_of(taps, taps + L, [](P v) { return v == -32768; });
        int_write_taps(s, tapsFactor + (halve ? 1 : 0), [&](int j) { return W(halve ? taps[j] >> 1 : taps[j]); });
    }
}

template <class R, Taps K, class P>
VekStatus init(Ids ids, void** pp, const P* taps, int L, int tf, int up, int upPh, int down, int downPh, const R* dly,
               Vek8u* buf, bool checkFactors) {
    VEKS_CHECK(check_ptrs(pp, taps, buf));
    VEKS_CHECK(check_param(L < 1, vekStsFIRLenErr));
    if (checkFactors) VEKS_CHECK(check_factors(up, upPh, down, downPh));
    const bool multi = up != 1 || down != 1;
    IntState<R>* s = int_lay<R>(multi ? ids.multi : ids.single, L, up, upPh, down, downPh, multi, buf);
    store_taps<R, K>(s, taps, tf);
    int_write_history(s, dly);
    *pp = s;
    return vekStsNoErr;
}

template <class R, Taps K, class P>
VekStatus init_alloc(Ids ids, void** pp, const P* taps, int L, int tf, int up, int upPh, int down, int downPh,
                     const R* dly, bool checkFactors) {
    VEKS_CHECK(check_ptrs(pp, taps));
    VEKS_CHECK(check_param(L < 1, vekStsFIRLenErr));
    if (checkFactors) VEKS_CHECK(check_factors(up, upPh, down, downPh));
    const std::size_t bytes = int_size<R>(L, up, down, up != 1 || down != 1);
    Vek8u* raw = bytes <= 0x7FFFFFFFu ? veksMalloc_8u(static_cast<int>(bytes)) : nullptr;
    if (!raw) return vekStsMemAllocErr;
    init<R, K>(ids, pp, taps, L, tf, up, upPh, down, downPh, dly, raw, false);
    auto* s = static_cast<IntState<R>*>(*pp);
    s->allocated = 1;
    s->raw = raw;
    return vekStsNoErr;
}

template <class R>
VekStatus size(int L, int up, int down, int* out, bool multi) {
    VEKS_CHECK(check_ptrs(out));
    VEKS_CHECK(check_param(L < 1, vekStsFIRLenErr));
    if (multi) VEKS_CHECK(check_param(up < 1 || down < 1, vekStsFIRMRFactorErr));
    const std::size_t b = int_size<R>(L, up, down, up != 1 || down != 1);
    VEKS_CHECK(check_param(b > 0x7FFFFFFFu, vekStsSizeErr));
    *out = static_cast<int>(b);
    return vekStsNoErr;
}

template <class R>
VekStatus free_(Ids ids, void* st) {
    VEKS_CHECK(check_ptrs(st));
    if (ids.single == fi(29) && is_stream_16s(st)) {
        stream_free(st);
        return vekStsNoErr;
    }
    VEKS_CHECK(check_mix(st, ids));
    auto* s = static_cast<IntState<R>*>(st);
    if (s->allocated) {
        s->id = 0;
        veksFree(s->raw);
    }
    return vekStsNoErr;
}

template <class R, Taps K, class P>
VekStatus get_taps(Ids ids, const void* st, P* taps, int* tf) {
    VEKS_CHECK(check_ptrs(st, taps));
    if (K == Taps::Int32 || K == Taps::Int16) VEKS_CHECK(check_ptrs(tf));
    if constexpr (K == Taps::Int16) {
        if (is_stream_16s(st)) {
            stream_taps_16s(st, taps, tf);
            return vekStsNoErr;
        }
    }
    VEKS_CHECK(check_mix(st, ids));
    const auto* s = static_cast<const IntState<R>*>(st);
    const int L = s->tapsLen;
    for (int j = 0; j < L; ++j) {
        const auto v = s->taps32_t()[L - 1 - j];
        if constexpr (K == Taps::Float) {
            if constexpr (is_cx<R>::value) taps[j] = {float(std::ldexp(double(v.re), s->tapsFactor)), float(std::ldexp(double(v.im), s->tapsFactor))};
            else taps[j] = float(std::ldexp(double(v), s->tapsFactor));
        } else if constexpr (K == Taps::Int16) {
            taps[j] = static_cast<P>(v);
        } else {
            taps[j] = bits_as<P>(v);
        }
    }
    if (tf && K != Taps::Float) *tf = s->tapsFactor;
    return vekStsNoErr;
}

template <class R, Taps K, class P>
VekStatus set_taps(Ids ids, const P* taps, void* st, int tf) {
    VEKS_CHECK(check_ptrs(taps, st));
    VEKS_CHECK(check_mix(st, ids));
    store_taps<R, K>(static_cast<IntState<R>*>(st), taps, tf);
    return vekStsNoErr;
}

template <class R>
VekStatus get_dly(Ids ids, const void* st, R* dly) {
    VEKS_CHECK(check_ptrs(st, dly));
    VEKS_CHECK(check_mix(st, ids));
    int_read_history(static_cast<const IntState<R>*>(st), dly);
    return vekStsNoErr;
}

template <class R>
VekStatus set_dly(Ids ids, void* st, const R* dly) {
    VEKS_CHECK(check_ptrs(st));
    VEKS_CHECK(check_mix(st, ids));
    int_write_history(static_cast<IntState<R>*>(st), dly);
    return vekStsNoErr;
}

template <class R>
VekStatus block(Ids ids, const R* src, R* dst, int n, void* st, int sf) {
    VEKS_CHECK(check_ptrs(st, src, dst));
    VEKS_CHECK(check_len(n));
    if constexpr (std::is_same_v<R, i16>) {
        if (ids.single == fi(29) && is_stream_16s(st)) return stream_block_16s(st, src, dst, n, sf);
    }
    VEKS_CHECK(check_mix(st, ids));
    return int_block(static_cast<IntState<R>*>(st), src, dst, n, sf);
}

template <class R>
VekStatus one(Ids ids, R x, R* y, void* st, int sf) {
    VEKS_CHECK(check_ptrs(st, y));
    VEKS_CHECK(check_id(st, ids.single));
    *y = int_one(static_cast<IntState<R>*>(st), x, sf);
    return vekStsNoErr;
}

}  // namespace

#define VEKS_IN(type, p) reinterpret_cast<const type*>(p)
#define VEKS_OUT(type, p) reinterpret_cast<type*>(p)
#define VEKS_PP(pp) reinterpret_cast<void**>(pp)

// Mixes with a tapsFactor argument (32s and 16s taps).
#define VEKS_FIR_INT_MIX(sfx, St, PT, PD, R, IP, K, a, b)                                                         \
    VekStatus veksFIRGetStateSize##sfx(int L, int* pSize) { return size<R>(L, 1, 1, pSize, false); }              \
    VekStatus veksFIRInit##sfx(St** pp, const PT* pTaps, int L, int tf, const PD* pDly, Vek8u* pBuf) {            \
        return init<R, K>(Ids{fi(a), fi(b)}, VEKS_PP(pp), VEKS_IN(IP, pTaps), L, tf, 1, 0, 1, 0, VEKS_IN(R, pDly), \
                          pBuf, false);                                                                           \
    }                                                                                                             \
    VekStatus veksFIRInitAlloc##sfx(St** pp, const PT* pTaps, int L, int tf, const PD* pDly) {                    \
        return init_alloc<R, K>(Ids{fi(a), fi(b)}, VEKS_PP(pp), VEKS_IN(IP, pTaps), L, tf, 1, 0, 1, 0,            \
                                VEKS_IN(R, pDly), false);                                                         \
    }                                                                                                             \
    VekStatus veksFIRGetTaps##sfx(const St* pState, PT* pTaps, int* pTf) {                                        \
        return get_taps<R, K>(Ids{fi(a), fi(b)}, pState, VEKS_OUT(IP, pTaps), pTf);                               \
    }                                                                                                             \
    VekStatus veksFIRSetTaps##sfx(const PT* pTaps, St* pState, int tf) {                                          \
        return set_taps<R, K>(Ids{fi(a), fi(b)}, VEKS_IN(IP, pTaps), pState, tf);                                 \
    }                                                                                                             \
    VekStatus veksFIRFree##sfx(St* pState) { return free_<R>(Ids{fi(a), fi(b)}, pState); }                        \
    VekStatus veksFIRGetDlyLine##sfx(const St* pState, PD* pDly) {                                                \
        return get_dly<R>(Ids{fi(a), fi(b)}, pState, VEKS_OUT(R, pDly));                                          \
    }                                                                                                             \
    VekStatus veksFIRSetDlyLine##sfx(St* pState, const PD* pDly) {                                                \
        return set_dly<R>(Ids{fi(a), fi(b)}, pState, VEKS_IN(R, pDly));                                           \
    }                                                                                                             \
    VekStatus veksFIR##sfx##_Sfs(const PD* pSrc, PD* pDst, int n, St* pState, int sf) {                           \
        return block<R>(Ids{fi(a), fi(b)}, VEKS_IN(R, pSrc), VEKS_OUT(R, pDst), n, pState, sf);                   \
    }                                                                                                             \
    VekStatus veksFIR##sfx##_ISfs(PD* p, int n, St* pState, int sf) {                                             \
        return block<R>(Ids{fi(a), fi(b)}, VEKS_IN(R, p), VEKS_OUT(R, p), n, pState, sf);                         \
    }                                                                                                             \
    VekStatus veksFIROne##sfx##_Sfs(PD x, PD* pY, St* pState, int sf) {                                           \
        return one<R>(Ids{fi(a), fi(b)}, bits_as<R>(x), VEKS_OUT(R, pY), pState, sf);                           \
    }                                                                                                             \
    VekStatus veksFIRMRGetStateSize##sfx(int L, int up, int down, int* pSize) {                                   \
        return size<R>(L, up, down, pSize, true);                                                                 \
    }                                                                                                             \
    VekStatus veksFIRMRInit##sfx(St** pp, const PT* pTaps, int L, int tf, int up, int upPh, int down, int downPh, \
                                 const PD* pDly, Vek8u* pBuf) {                                                   \
        return init<R, K>(Ids{fi(a), fi(b)}, VEKS_PP(pp), VEKS_IN(IP, pTaps), L, tf, up, upPh, down, downPh,      \
                          VEKS_IN(R, pDly), pBuf, true);                                                          \
    }                                                                                                             \
    VekStatus veksFIRMRInitAlloc##sfx(St** pp, const PT* pTaps, int L, int tf, int up, int upPh, int down,        \
                                      int downPh, const PD* pDly) {                                               \
        return init_alloc<R, K>(Ids{fi(a), fi(b)}, VEKS_PP(pp), VEKS_IN(IP, pTaps), L, tf, up, upPh, down,        \
                                downPh, VEKS_IN(R, pDly), true);                                                  \
    }

// Float taps quantised at Init: no tapsFactor, no Free or delay-line members.
#define VEKS_FIR_QUANT_MIX(sfx, St, PT, PD, R, IP, a, b)                                                          \
    VekStatus veksFIRGetStateSize##sfx(int L, int* pSize) { return size<R>(L, 1, 1, pSize, false); }              \
    VekStatus veksFIRInit##sfx(St** pp, const PT* pTaps, int L, const PD* pDly, Vek8u* pBuf) {                    \
        return init<R, Taps::Float>(Ids{fi(a), fi(b)}, VEKS_PP(pp), VEKS_IN(IP, pTaps), L, 0, 1, 0, 1, 0,         \
                                    VEKS_IN(R, pDly), pBuf, false);                                               \
    }                                                                                                             \
    VekStatus veksFIRInitAlloc##sfx(St** pp, const PT* pTaps, int L, const PD* pDly) {                            \
        return init_alloc<R, Taps::Float>(Ids{fi(a), fi(b)}, VEKS_PP(pp), VEKS_IN(IP, pTaps), L, 0, 1, 0, 1, 0,   \
                                          VEKS_IN(R, pDly), false);                                               \
    }                                                                                                             \
    VekStatus veksFIRGetTaps##sfx(const St* pState, PT* pTaps) {                                                  \
        return get_taps<R, Taps::Float>(Ids{fi(a), fi(b)}, pState, VEKS_OUT(IP, pTaps), nullptr);                 \
    }                                                                                                             \
    VekStatus veksFIRSetTaps##sfx(const PT* pTaps, St* pState) {                                                  \
        return set_taps<R, Taps::Float>(Ids{fi(a), fi(b)}, VEKS_IN(IP, pTaps), pState, 0);                        \
    }                                                                                                             \
    VekStatus veksFIRMRGetStateSize##sfx(int L, int up, int down, int* pSize) {                                   \
        return size<R>(L, up, down, pSize, true);                                                                 \
    }                                                                                                             \
    VekStatus veksFIRMRInit##sfx(St** pp, const PT* pTaps, int L, int up, int upPh, int down, int downPh,         \
                                 const PD* pDly, Vek8u* pBuf) {                                                   \
        return init<R, Taps::Float>(Ids{fi(a), fi(b)}, VEKS_PP(pp), VEKS_IN(IP, pTaps), L, 0, up, upPh, down,     \
                                    downPh, VEKS_IN(R, pDly), pBuf, true);                                        \
    }                                                                                                             \
    VekStatus veksFIRMRInitAlloc##sfx(St** pp, const PT* pTaps, int L, int up, int upPh, int down, int downPh,    \
                                      const PD* pDly) {                                                           \
        return init_alloc<R, Taps::Float>(Ids{fi(a), fi(b)}, VEKS_PP(pp), VEKS_IN(IP, pTaps), L, 0, up, upPh,     \
                                          down, downPh, VEKS_IN(R, pDly), true);                                  \
    }

VEKS_FIR_INT_MIX(32s_16s, VekFIRState32s_16s, Vek32s, Vek16s, i16, std::int32_t, Taps::Int32, 9, 11)
VEKS_FIR_INT_MIX(32sc_16sc, VekFIRState32sc_16sc, Vek32sc, Vek16sc, c16, Cx<std::int32_t>, Taps::Int32, 10, 12)
VEKS_FIR_INT_MIX(_16s, VekFIRState_16s, Vek16s, Vek16s, i16, std::int16_t, Taps::Int16, 29, 30)
VEKS_FIR_QUANT_MIX(32s_16s32f, VekFIRState32s_16s, Vek32f, Vek16s, i16, float, 9, 11)
VEKS_FIR_QUANT_MIX(32sc_16sc32fc, VekFIRState32sc_16sc, Vek32fc, Vek16sc, c16, Cx<float>, 10, 12)
