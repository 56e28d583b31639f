// Q15 tones: y[n] = magn * cos(2 pi rFreq n + phase) evaluated per sample in
// double and rounded half away from zero; the state form keeps the sample
// index n running across calls.
#include <cmath>
#include <cstdint>

#include "generate/q15_state.h"
#include "generate/round_away.h"

namespace veks {
namespace {

struct ToneQ15 {
    std::uint32_t id;
    std::uint32_t reserved;
    double magn;
    double rfreq;
    double phase;
    std::int32_t counter;
    std::uint32_t owned;
    std::uint32_t started;
};
static_assert(sizeof(ToneQ15) == 48, "tone state size");

ToneQ15 make_state(Vek16s magn, Vek16s rFreqQ15, Vek32s phaseQ15) {
    ToneQ15 s{};
    s.id = q15::kToneId;
    s.magn = magn;
    s.rfreq = rFreqQ15 * kQ15;
    s.phase = phaseQ15 * kQ15;
    return s;
}

// Samples for indices first .. first + len - 1 (a signed 32-bit index that
// wraps like the stored counter).
void generate(Vek16s* dst, int len, const ToneQ15& s, std::uint32_t first) {
    const double w = kTwoPi * s.rfreq;
    for (int k = 0; k < len; ++k) {
        const double n = static_cast<std::int32_t>(first + static_cast<std::uint32_t>(k));
        dst[k] = round_away<Vek16s>(s.magn * std::cos(w * n + s.phase));
    }
}

}  // namespace
}  // namespace veks

using namespace veks;

VekStatus veksToneGetStateSizeQ15_16s(int* pSize) { return q15::report_size(pSize, sizeof(ToneQ15)); }

VekStatus veksToneInitQ15_16s(VekToneState_16s* pState, Vek16s magn, Vek16s rFreqQ15, Vek32s phaseQ15) {
    VEKS_CHECK(check_ptrs(pState));
    VEKS_CHECK(q15::check_params(q15::kToneSts, magn, rFreqQ15, phaseQ15));
    q15::store(pState, make_state(magn, rFreqQ15, phaseQ15));
    return vekStsNoErr;
}

VekStatus veksToneInitAllocQ15_16s(VekToneState_16s** ppState, Vek16s magn, Vek16s rFreqQ15, Vek32s phaseQ15) {
    VEKS_CHECK(check_ptrs(ppState));
    VEKS_CHECK(q15::check_params(q15::kToneSts, magn, rFreqQ15, phaseQ15));
    return q15::alloc_state(ppState, make_state(magn, rFreqQ15, phaseQ15));
}

VekStatus veksToneQ15_16s(Vek16s* pDst, int len, VekToneState_16s* pState) {
    VEKS_CHECK(check_vec(len, pDst, pState));
    VEKS_CHECK(check_id(pState, q15::kToneId));
    auto s = q15::load<ToneQ15>(pState);
    const std::uint32_t first = s.started ? static_cast<std::uint32_t>(s.counter) : 0u;
    generate(pDst, len, s, first);
    s.counter = static_cast<std::int32_t>(first + static_cast<std::uint32_t>(len));
    s.started = 1;
    q15::store(pState, s);
    return vekStsNoErr;
}

VekStatus veksToneQ15_Direct_16s(Vek16s* pDst, int len, Vek16s magn, Vek16s rFreqQ15, Vek32s phaseQ15) {
    VEKS_CHECK(check_vec(len, pDst));
    VEKS_CHECK(q15::check_params(q15::kToneSts, magn, rFreqQ15, phaseQ15));
    generate(pDst, len, make_state(magn, rFreqQ15, phaseQ15), 0u);
    return vekStsNoErr;
}

VekStatus veksToneFree(VekToneState_16s* pState) { return q15::free_state<ToneQ15>(pState, q15::kToneId); }
