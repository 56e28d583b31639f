// Stateless 16-bit IIR filters: taps and a 32-bit delay line in caller
// memory, the scale exponent s in the place of A0. The one-sample forms
// run the integer recursion; the block forms run a temporary
// single-precision state built from the same taps and write its history
// back to the caller's delay line.
#include <cmath>
#include <cstdint>

#include "iir_mixes.h"

namespace veks {
namespace {

inline std::int32_t wrap32(std::int64_t v) { return std::int32_t(std::uint32_t(std::uint64_t(v))); }

// acc * 2^-s rounded to nearest, ties to even (exact: |acc| < 2^31).
inline std::int64_t shift_even(std::int64_t acc, int s) {
    if (s == 0) return acc;
    return shift_round_even<std::int64_t>(acc, std::min(s, 40));
}

inline std::int16_t sat16(std::int64_t v) { return saturate<std::int16_t>(v); }

VekStatus direct_checks(const void* a, const void* b, const Vek16s* taps, int order, const Vek32s* dly) {
    VEKS_CHECK(check_param(order < 1, vekStsIIROrderErr));
    VEKS_CHECK(check_ptrs(a, b, taps, dly));
    return check_param(taps[order + 1] < 0, vekStsScaleRangeErr);
}

std::int16_t direct_one(std::int16_t x, const Vek16s* t, int order, Vek32s* d) {
    const int s = t[order + 1];
    const Vek16s* a = t + order + 1;  // a[i] = A_i for i >= 1
    const std::int64_t y = shift_even(wrap32(std::int64_t(t[0]) * x + d[0]), s);
    for (int i = 0; i < order - 1; ++i) d[i] = wrap32(std::int64_t(t[i + 1]) * x - a[i + 1] * y + d[i + 1]);
    d[order - 1] = wrap32(std::int64_t(t[order]) * x - a[order] * y);
    return sat16(y);
}

// Half away from zero, saturated to 32 bits.
inline std::int32_t round_away32(double v) {
    if (v == 0.0) return 0;
    return saturate<std::int32_t>(std::trunc(v > 0 ? v + 0.5 : v - 0.5));
}

using M16 = Mix32f16s;

VekStatus direct_block(const Vek16s* src, Vek16s* dst, int len, const Vek16s* t, int order, Vek32s* d) {
    VEKS_CHECK(direct_checks(src, dst, t, order, d));
    VEKS_CHECK(check_len(len));
    const int s = t[order + 1];
    const double down = std::ldexp(1.0, -s);
    WorkBuffer buf(std::size_t(iir_state_bytes(IirKind::Arbitrary, order, sizeof(float), true)) +
                   sizeof(float) * std::size_t(3 * order + 3));
    if (!buf) return vekStsMemAllocErr;
    float* raw = buf.as<float>();  // taps with A0 = 1, then the history
    float* hist = raw + 2 * (order + 1);
    for (int k = 0; k <= order; ++k) raw[k] = float(t[k] * down);
    raw[order + 1] = 1.0f;
    for (int k = 1; k <= order; ++k) raw[order + 1 + k] = float(t[order + 1 + k] * down);
    for (int i = 0; i < order; ++i) hist[i] = float(d[i] * down);
    IirState<float>* st = nullptr;
    iir_init_t<M16>(IirKind::Arbitrary, &st, raw, order, hist, reinterpret_cast<Vek8u*>(hist + order + 1));
    iir_filter_checked<M16>(src, dst, len, st, 0);
    const double up = std::ldexp(1.0, s);
    for (int i = 0; i < order; ++i) d[i] = round_away32(double(st->dly[i]) * up);
    return vekStsNoErr;
}

VekStatus biquad_checks(const void* a, const void* b, const Vek16s* taps, int nbq, const Vek32s* dly) {
    VEKS_CHECK(check_param(nbq < 1, vekStsIIROrderErr));
    return check_ptrs(a, b, taps, dly);
}

VekStatus biquad_one(std::int16_t x16, std::int16_t* out, const Vek16s* t, int nbq, Vek32s* d) {
    std::int64_t x = x16;
    for (int q = 0; q < nbq; ++q, t += 6, d += 2) {
        const int s = t[3];
        if (s < 0) return vekStsScaleRangeErr;  // earlier sections stay updated
        const std::int64_t y = shift_even(wrap32(t[0] * x + d[0]), s);
        d[0] = wrap32(t[1] * x + d[1] - t[4] * y);
        d[1] = wrap32(t[2] * x - t[5] * y);
        x = y;
    }
    *out = sat16(x);
    return vekStsNoErr;
}

using MBq = Mix32f16s;

VekStatus biquad_block(const Vek16s* src, Vek16s* dst, int len, const Vek16s* t, int nbq, Vek32s* d) {
    VEKS_CHECK(biquad_checks(src, dst, t, nbq, d));
    for (int q = 0; q < nbq; ++q) VEKS_CHECK(check_param(t[6 * q + 3] < 0, vekStsScaleRangeErr));
    VEKS_CHECK(check_len(len));
    WorkBuffer buf(std::size_t(iir_state_bytes(IirKind::BiQuad, nbq, sizeof(float), true)));
    if (!buf) return vekStsMemAllocErr;
    // Taps and history are written straight into the state: A0 is 1 and a
    // zero B0 is a valid integer section.
    auto* st = iir_lay<float>(buf.as<void>(), IirKind::BiQuad, nbq, MBq::id_of(IirKind::BiQuad));
    for (int q = 0; q < nbq; ++q) {
        const Vek16s* s6 = t + 6 * q;
        const double down = std::ldexp(1.0, -s6[3]);
        float* o = st->taps + 5 * q;
        o[0] = float(s6[0] * down);
        o[1] = float(s6[1] * down);
        o[2] = float(s6[2] * down);
        o[3] = float(s6[4] * down);
        o[4] = float(s6[5] * down);
        st->dly[2 * q] = float(d[2 * q] * down);
        st->dly[2 * q + 1] = float(d[2 * q + 1] * down);
    }
    iir_filter_checked<MBq>(src, dst, len, st, 0);
    for (int q = 0; q < nbq; ++q) {
        const double up = std::ldexp(1.0, t[6 * q + 3]);
        d[2 * q] = round_sat<std::int32_t>(double(st->dly[2 * q]) * up);
        d[2 * q + 1] = round_sat<std::int32_t>(double(st->dly[2 * q + 1]) * up);
    }
    return vekStsNoErr;
}

}  // namespace
}  // namespace veks

using namespace veks;

VekStatus veksIIR_Direct_16s(const Vek16s* pSrc, Vek16s* pDst, int len, const Vek16s* pTaps, int order,
                             Vek32s* pDlyLine) {
    return direct_block(pSrc, pDst, len, pTaps, order, pDlyLine);
}
VekStatus veksIIR_Direct_16s_I(Vek16s* pSrcDst, int len, const Vek16s* pTaps, int order, Vek32s* pDlyLine) {
    return direct_block(pSrcDst, pSrcDst, len, pTaps, order, pDlyLine);
}
VekStatus veksIIROne_Direct_16s(Vek16s src, Vek16s* pDstVal, const Vek16s* pTaps, int order, Vek32s* pDlyLine) {
    VEKS_CHECK(direct_checks(pDstVal, pDstVal, pTaps, order, pDlyLine));
    *pDstVal = direct_one(src, pTaps, order, pDlyLine);
    return vekStsNoErr;
}
VekStatus veksIIROne_Direct_16s_I(Vek16s* pSrcDst, const Vek16s* pTaps, int order, Vek32s* pDlyLine) {
    VEKS_CHECK(direct_checks(pSrcDst, pSrcDst, pTaps, order, pDlyLine));
    *pSrcDst = direct_one(*pSrcDst, pTaps, order, pDlyLine);
    return vekStsNoErr;
}
VekStatus veksIIR_BiQuadDirect_16s(const Vek16s* pSrc, Vek16s* pDst, int len, const Vek16s* pTaps, int numBq,
                                   Vek32s* pDlyLine) {
    return biquad_block(pSrc, pDst, len, pTaps, numBq, pDlyLine);
}
VekStatus veksIIR_BiQuadDirect_16s_I(Vek16s* pSrcDst, int len, const Vek16s* pTaps, int numBq, Vek32s* pDlyLine) {
    return biquad_block(pSrcDst, pSrcDst, len, pTaps, numBq, pDlyLine);
}
VekStatus veksIIROne_BiQuadDirect_16s(Vek16s src, Vek16s* pDstVal, const Vek16s* pTaps, int numBq, Vek32s* pDlyLine) {
    VEKS_CHECK(biquad_checks(pDstVal, pDstVal, pTaps, numBq, pDlyLine));
    return biquad_one(src, pDstVal, pTaps, numBq, pDlyLine);
}
VekStatus veksIIROne_BiQuadDirect_16s_I(Vek16s* pSrcDst, const Vek16s* pTaps, int numBq, Vek32s* pDlyLine) {
    VEKS_CHECK(biquad_checks(pSrcDst, pSrcDst, pTaps, numBq, pDlyLine));
    return biquad_one(*pSrcDst, pSrcDst, pTaps, numBq, pDlyLine);
}
