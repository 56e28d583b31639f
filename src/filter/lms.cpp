// Floating-point LMS adaptive FIR filters: after each output the taps move
// by 2*mu*(reference - output) times the samples that made the output.
// The delay line is a doubled circular line (each input written at p and
// p+tapsLen), so the window at the index is always contiguous.
#include <cstring>

#include "core/check.h"
#include "filter/fir_types.h"
#include "veks.h"

using namespace veks;
using namespace veks::fir;

namespace {

constexpr std::uint32_t kLms32f = fourcc('L', 'M', 'S', '1'), kLms16s = fourcc('L', 'M', 'S', 0);

struct Lms {
    std::uint32_t id;
    float* taps;  // reversed: taps[i] meets the i-th oldest sample of the window
    float* dly;   // 2*tapsLen values
    std::int32_t dlyIndex;
    std::int32_t tapsLen;
    std::int32_t stride;
};

// One step on the window w (oldest first); returns the output.
inline float step(float* t, const float* w, int L, float ref, float mu) {
    float y = 0.0f;
    for (int i = 0; i < L; ++i) y += t[i] * w[i];
    const float g = 2.0f * mu * (ref - y);
    for (int i = 0; i < L; ++i) t[i] += g * w[i];
    return y;
}

inline float feed(float* line, int L, int* d, float x) {
    line[*d] = x;
    line[*d + L] = x;
    *d = *d + 1 == L ? 0 : *d + 1;
    return x;
}

template <class D>
inline float to_float(D v) { return static_cast<float>(v); }
inline Vek16s to_out(float y, Vek16s*) { return round_even_sat<Vek16s>(y); }
inline Vek32f to_out(float y, Vek32f*) { return y; }

// Stored delay values back to the data type: 16-bit lines truncate.
inline Vek16s history_out(float v, Vek16s*) {
    return v >= 32767.0f ? Vek16s(32767) : v <= -32768.0f ? Vek16s(-32768) : Vek16s(v);
}
inline Vek32f history_out(float v, Vek32f*) { return v; }

template <class D>
VekStatus init_alloc(std::uint32_t id, Lms** pp, const Vek32f* taps, int L, const D* dly, int idx) {
    VEKS_CHECK(check_ptrs(pp));
    VEKS_CHECK(check_len(L));
    VEKS_CHECK(check_param(idx < 0 || idx >= L, vekStsDlyLineIndexErr));
    const std::size_t bytes = sizeof(Lms) + 16 + sizeof(float) * 3 * std::size_t(L);
    if (bytes > 0x7FFFFFFFu) return vekStsMemAllocErr;
    Vek8u* raw = veksMalloc_8u(static_cast<int>(bytes));
    if (!raw) return vekStsMemAllocErr;
    Lms* s = reinterpret_cast<Lms*>(raw);
    s->id = id;
    s->taps = reinterpret_cast<float*>(raw + ((sizeof(Lms) + 15) & ~std::size_t(15)));
    s->dly = s->taps + L;
    s->tapsLen = L;
    s->stride = 2 * L;
    s->dlyIndex = idx;
    for (int i = 0; i < L; ++i) {
        s->taps[i] = taps ? taps[L - 1 - i] : 0.0f;
        s->dly[i] = s->dly[i + L] = dly ? to_float(dly[i]) : 0.0f;
    }
    *pp = s;
    return vekStsNoErr;
}

VekStatus get_taps(std::uint32_t id, const Lms* s, Vek32f* taps) {
    VEKS_CHECK(check_ptrs(s, taps));
    VEKS_CHECK(check_id(s, id));
    for (int i = 0; i < s->tapsLen; ++i) taps[i] = s->taps[s->tapsLen - 1 - i];
    return vekStsNoErr;
}

template <class D>
VekStatus get_dly(std::uint32_t id, const Lms* s, D* dly, int* idx) {
    VEKS_CHECK(check_ptrs(s, dly, idx));
    VEKS_CHECK(check_id(s, id));
    for (int i = 0; i < s->tapsLen; ++i) dly[i] = history_out(s->dly[i], dly);
    *idx = s->dlyIndex;
    return vekStsNoErr;
}

template <class D>
VekStatus set_dly(std::uint32_t id, Lms* s, const D* dly, int idx) {
    VEKS_CHECK(check_ptrs(s));
    VEKS_CHECK(check_id(s, id));
    VEKS_CHECK(check_param(idx < 0 || idx >= s->tapsLen, vekStsDlyLineIndexErr));
    for (int i = 0; i < s->tapsLen; ++i) s->dly[i] = s->dly[i + s->tapsLen] = dly ? to_float(dly[i]) : 0.0f;
    s->dlyIndex = idx;
    return vekStsNoErr;
}

// The block call runs the one-sample step on every input and leaves the
// newest tapsLen inputs at the start of the line (index 0).
template <class D>
VekStatus block(std::uint32_t id, const D* src, const D* ref, D* dst, int len, Lms* s, float mu) {
    VEKS_CHECK(check_ptrs(src, ref, dst, s));
    VEKS_CHECK(check_len(len));
    VEKS_CHECK(check_id(s, id));
    const int L = s->tapsLen;
    int d = s->dlyIndex;
    for (int k = 0; k < len; ++k) {
        feed(s->dly, L, &d, to_float(src[k]));
        dst[k] = to_out(step(s->taps, s->dly + d, L, to_float(ref[k]), mu), dst);
    }
    std::memmove(s->dly, s->dly + d, sizeof(float) * std::size_t(L));
    std::memcpy(s->dly + L, s->dly, sizeof(float) * std::size_t(L));
    s->dlyIndex = 0;
    return vekStsNoErr;
}

template <class D>
VekStatus one_direct(D x, D ref, D* y, Vek32f* taps, int L, float mu, D* line, int* pidx) {
    VEKS_CHECK(check_ptrs(y, taps, line, pidx));
    VEKS_CHECK(check_len(L));
    VEKS_CHECK(check_param(*pidx < 0 || *pidx >= L, vekStsDlyLineIndexErr));
    int d = *pidx;
    line[d] = line[d + L] = x;
    d = d + 1 == L ? 0 : d + 1;
    *pidx = d;
    // The window in float, in pieces, so the step sees the same values as
    // the float line would hold.
    float y_acc = 0.0f;
    for (int i = 0; i < L; ++i) y_acc += taps[i] * to_float(line[d + i]);
    const float g = 2.0f * mu * (to_float(ref) - y_acc);
    for (int i = 0; i < L; ++i) taps[i] += g * to_float(line[d + i]);
    *y = to_out(y_acc, y);
    return vekStsNoErr;
}

}  // namespace

#define VEKS_LMS(sfx, St, PD, D, id)                                                                              \
    VekStatus veksFIRLMSInitAlloc##sfx(St** pp, const Vek32f* pTaps, int L, const PD* pDly, int idx) {            \
        return init_alloc<D>(id, reinterpret_cast<Lms**>(pp), pTaps, L, pDly, idx);                               \
    }                                                                                                             \
    VekStatus veksFIRLMSFree##sfx(St* pState) {                                                                   \
        if (pState) veksFree(pState);                                                                             \
        return vekStsNoErr;                                                                                       \
    }                                                                                                             \
    VekStatus veksFIRLMSGetTaps##sfx(const St* pState, Vek32f* pTaps) {                                           \
        return get_taps(id, reinterpret_cast<const Lms*>(pState), pTaps);                                         \
    }                                                                                                             \
    VekStatus veksFIRLMSGetDlyLine##sfx(const St* pState, PD* pDly, int* pIdx) {                                  \
        return get_dly(id, reinterpret_cast<const Lms*>(pState), pDly, pIdx);                                     \
    }                                                                                                             \
    VekStatus veksFIRLMSSetDlyLine##sfx(St* pState, const PD* pDly, int idx) {                                    \
        return set_dly(id, reinterpret_cast<Lms*>(pState), pDly, idx);                                            \
    }                                                                                                             \
    VekStatus veksFIRLMS##sfx(const PD* pSrc, const PD* pRef, PD* pDst, int len, St* pState, float mu) {          \
        return block(id, pSrc, pRef, pDst, len, reinterpret_cast<Lms*>(pState), mu);                              \
    }

VEKS_LMS(_32f, VekFIRLMSState_32f, Vek32f, Vek32f, kLms32f)
VEKS_LMS(32f_16s, VekFIRLMSState32f_16s, Vek16s, Vek16s, kLms16s)

VekStatus veksFIRLMSOne_Direct_32f(Vek32f src, Vek32f refVal, Vek32f* pDst, Vek32f* pTaps, int L, float mu,
                                   Vek32f* pDly, int* pIdx) {
    return one_direct(src, refVal, pDst, pTaps, L, mu, pDly, pIdx);
}
VekStatus veksFIRLMSOne_Direct32f_16s(Vek16s src, Vek16s refVal, Vek16s* pDst, Vek32f* pTaps, int L, float mu,
                                      Vek16s* pDly, int* pIdx) {
    return one_direct(src, refVal, pDst, pTaps, L, mu, pDly, pIdx);
}

// Q15 form: taps are Q31 fractions (upper 16 bits the Q15 value), samples
// and mu Q15. y = round(sum t*x / 2^31); each tap gains
// round(mu*err*x / 2^13), the fixed-point image of 2*mu*err*x.
VekStatus veksFIRLMSOne_DirectQ15_16s(Vek16s src, Vek16s refVal, Vek16s* pDst, Vek32s* pTaps, int L, int muQ15,
                                      Vek16s* pDly, int* pIdx) {
    VEKS_CHECK(check_ptrs(pDst, pTaps, pDly, pIdx));
    VEKS_CHECK(check_len(L));
    VEKS_CHECK(check_param(*pIdx < 0 || *pIdx >= L, vekStsDlyLineIndexErr));
    int d = *pIdx;
    pDly[d] = pDly[d + L] = src;
    d = d + 1 == L ? 0 : d + 1;
    *pIdx = d;
    const Vek16s* w = pDly + d;
    __int128 acc = 0;
    for (int i = 0; i < L; ++i) acc += std::int64_t(pTaps[i]) * w[i];
    const Vek16s y = saturate<Vek16s>(shift_round_even<__int128>(acc, 31));
    const std::int64_t err = std::int64_t(refVal) - y;
    for (int i = 0; i < L; ++i) {
        const __int128 delta = shift_round_even<__int128>(__int128(muQ15) * err * w[i], 13);
        pTaps[i] = saturate<Vek32s>(__int128(pTaps[i]) + delta);
    }
    *pDst = y;
    return vekStsNoErr;
}
