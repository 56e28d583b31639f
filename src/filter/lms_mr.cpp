// Fixed-point multirate LMS with 32-bit taps over 16-bit samples:
// feeding, filtering and tap updates are separate calls. The delay line is
// doubled (each value at p and p+dlyLen) so every window is contiguous.
#include <cstring>

#include "core/check.h"
#include "core/scale.h"
#include "filter/fir_types.h"
#include "veks.h"

using namespace veks;
using namespace veks::fir;

namespace {

template <class X>
struct Lmsmr {
    using Tap = std::conditional_t<std::is_same_v<X, Vek16s>, Vek32s, Cx<Vek32s>>;
    std::uint32_t id;
    Tap* taps;  // reversed
    X* dly;     // 2*dlyLen
    std::int32_t tapsLen, tapsStep, dlyLen, updateDly, dlyIndex, mu, shift;
};

template <class X>
constexpr std::uint32_t lms_id() {
    return std::is_same_v<X, Vek16s> ? fourcc('L', 'M', 'S', 'R') : fourcc('L', 'M', 'S', 'C');
}

inline std::uint32_t wrap_mul(std::int32_t a, std::int32_t b) { return std::uint32_t(std::int64_t(a) * b); }

// Window sum: (tap >> 16) * sample, 32-bit wrap-around.
inline Vek32s dot(const Vek32s* t, const Vek16s* x, int L, int step) {
    std::uint32_t acc = 0;
    for (int i = 0; i < L; ++i) acc += wrap_mul(t[i] >> 16, x[i * step]);
    return Vek32s(acc);
}
inline Cx<Vek32s> dot(const Cx<Vek32s>* t, const Vek16sc* x, int L, int step) {
    std::uint32_t re = 0, im = 0;
    for (int i = 0; i < L; ++i) {
        const std::int32_t a = t[i].re >> 16, b = t[i].im >> 16, c = x[i * step].re, d = x[i * step].im;
        re += wrap_mul(a, c) - wrap_mul(b, d);
        im += wrap_mul(a, d) + wrap_mul(b, c);
    }
    return {Vek32s(re), Vek32s(im)};
}

// g = mu*err rounded to Q15; each tap gains sample*g (conjugated sample for
// complex data), saturated to 32 bits.
inline std::int64_t gain(std::int32_t mu, std::int32_t err) {
    const std::int32_t g = std::int32_t(std::uint32_t(std::int64_t(mu) * err));
    return (std::int64_t(g) + 16384) >> 15;
}
inline void update(Vek32s* t, const Vek16s* x, int L, int step, std::int32_t mu, Vek32s err) {
    const std::int64_t g = gain(mu, err);
    for (int i = 0; i < L; ++i) t[i] = saturate<Vek32s>(std::int64_t(t[i]) + std::int64_t(x[i * step]) * g);
}
inline void update(Cx<Vek32s>* t, const Vek16sc* x, int L, int step, std::int32_t mu, Vek32sc err) {
    const std::int64_t gr = gain(mu, err.re), gi = gain(mu, err.im);
    for (int i = 0; i < L; ++i) {
        const std::int64_t c = x[i * step].re, d = -std::int64_t(x[i * step].im);
        t[i].re = saturate<Vek32s>(std::int64_t(t[i].re) + c * gr - d * gi);
        t[i].im = saturate<Vek32s>(std::int64_t(t[i].im) + c * gi + d * gr);
    }
}

template <class X, class PT>
VekStatus init_alloc(Lmsmr<X>** pp, const PT* taps, int L, const X* dly, int idx, int step, int updDly, int mu) {
    using Tap = typename Lmsmr<X>::Tap;
    VEKS_CHECK(check_ptrs(pp));
    const long dlyLen = long(L) * step + updDly;
    VEKS_CHECK(check_param(L < 1 || step < 1 || updDly < 0 || dlyLen > 0x3FFFFFFF || idx < 0 || idx >= dlyLen,
                           vekStsSizeErr));
    auto* s = reinterpret_cast<Lmsmr<X>*>(veksMalloc_8u(int(sizeof(Lmsmr<X>))));
    Tap* t = s ? reinterpret_cast<Tap*>(veksMalloc_8u(int(sizeof(Tap) * L))) : nullptr;
    X* line = t ? reinterpret_cast<X*>(veksMalloc_8u(int(sizeof(X) * 2 * dlyLen))) : nullptr;
    if (!line) {
        if (t) veksFree(t);
        if (s) veksFree(s);
        return vekStsMemAllocErr;
    }
    s->id = lms_id<X>();
    s->taps = t, s->dly = line;
    s->tapsLen = L, s->tapsStep = step, s->dlyLen = int(dlyLen), s->updateDly = updDly;
    s->dlyIndex = idx, s->mu = mu, s->shift = 0;
    for (int i = 0; i < L; ++i) t[i] = taps ? bits_as<Tap>(taps[L - 1 - i]) : Tap{};
    for (int i = 0; i < dlyLen; ++i) line[i] = line[i + dlyLen] = dly ? dly[i] : X{};
    *pp = s;
    return vekStsNoErr;
}

template <class X>
VekStatus checked(const Lmsmr<X>* s) {
    VEKS_CHECK(check_ptrs(s));
    return check_id(s, lms_id<X>());
}

template <class X>
void put(Lmsmr<X>* s, X v) {
    s->dly[s->dlyIndex] = s->dly[s->dlyIndex + s->dlyLen] = v;
    s->dlyIndex = s->dlyIndex + 1 == s->dlyLen ? 0 : s->dlyIndex + 1;
}

template <class X>
typename Lmsmr<X>::Tap one(const Lmsmr<X>* s) {
    const X* w = s->dly + s->dlyIndex + s->updateDly + s->tapsStep - 1;
    return dot(s->taps, w, s->tapsLen, s->tapsStep);
}

}  // namespace

#define VEKS_LMSMR(sfx, St, PT, PX, X)                                                                            \
    VekStatus veksFIRLMSMRInitAlloc##sfx(St** pp, const PT* pTaps, int L, const PX* pDly, int idx, int step,      \
                                         int updDly, int mu) {                                                    \
        return init_alloc<X>(reinterpret_cast<Lmsmr<X>**>(pp), pTaps, L, reinterpret_cast<const X*>(pDly), idx,   \
                             step, updDly, mu);                                                                   \
    }                                                                                                             \
    VekStatus veksFIRLMSMRFree##sfx(St* pState) {                                                                 \
        auto* s = reinterpret_cast<Lmsmr<X>*>(pState);                                                            \
        if (!s) return vekStsNoErr;                                                                               \
        veksFree(s->taps);                                                                                        \
        veksFree(s->dly);                                                                                         \
        veksFree(s);                                                                                              \
        return vekStsNoErr;                                                                                       \
    }                                                                                                             \
    VekStatus veksFIRLMSMRSetMu##sfx(St* pState, int mu) {                                                        \
        auto* s = reinterpret_cast<Lmsmr<X>*>(pState);                                                            \
        VEKS_CHECK(checked(s));                                                                                   \
        s->mu = mu;                                                                                               \
        return vekStsNoErr;                                                                                       \
    }                                                                                                             \
    VekStatus veksFIRLMSMRGetTaps##sfx(St* pState, PT* pTaps) {                                                   \
        auto* s = reinterpret_cast<Lmsmr<X>*>(pState);                                                            \
        VEKS_CHECK(check_ptrs(pTaps));                                                                            \
        VEKS_CHECK(checked(s));                                                                                   \
        for (int i = 0; i < s->tapsLen; ++i) pTaps[i] = bits_as<PT>(s->taps[s->tapsLen - 1 - i]);                 \
        return vekStsNoErr;                                                                                       \
    }                                                                                                             \
    VekStatus veksFIRLMSMRSetTaps##sfx(St* pState, const PT* pTaps) {                                             \
        auto* s = reinterpret_cast<Lmsmr<X>*>(pState);                                                            \
        VEKS_CHECK(check_ptrs(pTaps));                                                                            \
        VEKS_CHECK(checked(s));                                                                                   \
        for (int i = 0; i < s->tapsLen; ++i) s->taps[s->tapsLen - 1 - i] = bits_as<Lmsmr<X>::Tap>(pTaps[i]);      \
        return vekStsNoErr;                                                                                       \
    }                                                                                                             \
    VekStatus veksFIRLMSMRGetTapsPointer##sfx(St* pState, PT** ppTaps) {                                          \
        VEKS_CHECK(check_ptrs(pState, ppTaps));                                                                   \
        *ppTaps = reinterpret_cast<PT*>(reinterpret_cast<Lmsmr<X>*>(pState)->taps);                               \
        return vekStsNoErr;                                                                                       \
    }                                                                                                             \
    VekStatus veksFIRLMSMRGetDlyLine##sfx(St* pState, PX* pDly, int* pIdx) {                                      \
        auto* s = reinterpret_cast<Lmsmr<X>*>(pState);                                                            \
        VEKS_CHECK(check_ptrs(pDly, pIdx));                                                                       \
        VEKS_CHECK(checked(s));                                                                                   \
        std::memcpy(pDly, s->dly, sizeof(X) * std::size_t(s->dlyLen));                                            \
        *pIdx = s->dlyIndex;                                                                                      \
        return vekStsNoErr;                                                                                       \
    }                                                                                                             \
    VekStatus veksFIRLMSMRSetDlyLine##sfx(St* pState, const PX* pDly, int idx) {                                  \
        auto* s = reinterpret_cast<Lmsmr<X>*>(pState);                                                            \
        VEKS_CHECK(check_ptrs(pDly));                                                                             \
        VEKS_CHECK(checked(s));                                                                                   \
        VEKS_CHECK(check_param(idx < 0 || idx >= s->dlyLen, vekStsSizeErr));                                      \
        for (int i = 0; i < s->dlyLen; ++i) s->dly[i] = s->dly[i + s->dlyLen] = bits_as<X>(pDly[i]);              \
        s->dlyIndex = idx;                                                                                        \
        return vekStsNoErr;                                                                                       \
    }                                                                                                             \
    VekStatus veksFIRLMSMRGetDlyVal##sfx(St* pState, PX* pVal, int index) {                                       \
        auto* s = reinterpret_cast<Lmsmr<X>*>(pState);                                                            \
        VEKS_CHECK(check_ptrs(pVal));                                                                             \
        VEKS_CHECK(checked(s));                                                                                   \
        VEKS_CHECK(check_param(index < 0 || index > s->dlyLen, vekStsBadArgErr));                                 \
        const long p = (long(s->dlyIndex) + s->updateDly + s->tapsStep + index - 1) % s->dlyLen;                  \
        *pVal = bits_as<PX>(s->dly[p]);                                                                           \
        return vekStsNoErr;                                                                                       \
    }                                                                                                             \
    VekStatus veksFIRLMSMRPutVal##sfx(PX val, St* pState) {                                                       \
        auto* s = reinterpret_cast<Lmsmr<X>*>(pState);                                                            \
        VEKS_CHECK(checked(s));                                                                                   \
        put(s, bits_as<X>(val));                                                                                  \
        return vekStsNoErr;                                                                                       \
    }                                                                                                             \
    VekStatus veksFIRLMSMROne##sfx(PT* pOut, St* pState) {                                                        \
        auto* s = reinterpret_cast<Lmsmr<X>*>(pState);                                                            \
        VEKS_CHECK(check_ptrs(pOut));                                                                             \
        VEKS_CHECK(checked(s));                                                                                   \
        *pOut = bits_as<PT>(one(s));                                                                              \
        return vekStsNoErr;                                                                                       \
    }                                                                                                             \
    VekStatus veksFIRLMSMROneVal##sfx(PX val, PT* pOut, St* pState) {                                             \
        auto* s = reinterpret_cast<Lmsmr<X>*>(pState);                                                            \
        VEKS_CHECK(check_ptrs(pOut));                                                                             \
        VEKS_CHECK(checked(s));                                                                                   \
        put(s, bits_as<X>(val));                                                                                  \
        *pOut = bits_as<PT>(one(s));                                                                              \
        return vekStsNoErr;                                                                                       \
    }                                                                                                             \
    VekStatus veksFIRLMSMRUpdateTaps##sfx(PT err, St* pState) {                                                   \
        auto* s = reinterpret_cast<Lmsmr<X>*>(pState);                                                            \
        VEKS_CHECK(checked(s));                                                                                   \
        update(s->taps, s->dly + s->dlyIndex + s->tapsStep - 1, s->tapsLen, s->tapsStep, s->mu, err);             \
        return vekStsNoErr;                                                                                       \
    }

VEKS_LMSMR(32s_16s, VekFIRLMSMRState32s_16s, Vek32s, Vek16s, Vek16s)
VEKS_LMSMR(32sc_16sc, VekFIRLMSMRState32sc_16sc, Vek32sc, Vek16sc, Vek16sc)
