// Interleaving channels into one sample stream and splitting it again,
// with the conversion between full-scale floats and 16- or 24-bit
// integers done on the way.
#include <cstdint>

#include "convert_rules.h"
#include "core/check.h"
#include "core/fpenv.h"
#include "core/int24.h"
#include "veks.h"

namespace veks {
namespace {

// The order of the channel checks: the interleaved pointer, the sizes, then
// the table of channel pointers and each of its entries.
template <class Table, class Flat>
VekStatus check_channels(Table table, int nChannels, int chanLen, Flat flat) {
    VEKS_CHECK(check_ptrs(flat));
    VEKS_CHECK(check_param(nChannels < 1 || chanLen < 1, vekStsSizeErr));
    VEKS_CHECK(check_ptrs(table));
    for (int c = 0; c < nChannels; ++c) VEKS_CHECK(check_ptrs(table[c]));
    return vekStsNoErr;
}

// Runs sample(channel, j, interleaved index) over every sample, with the
// rounding direction at nearest.
template <class Sample>
void each_sample(int nChannels, int chanLen, Sample&& sample) {
    FpEnvGuard env(Rounding::Nearest);
    for (int c = 0; c < nChannels; ++c)
        for (int j = 0; j < chanLen; ++j) sample(c, j, std::ptrdiff_t(j) * nChannels + c);
}

inline float clamp_unit(float v) { return v > 1.0f ? 1.0f : v < -1.0f ? -1.0f : v; }

}  // namespace
}  // namespace veks

using namespace veks;

VekStatus veksJoin_32f16s_D2L(const Vek32f* const* pSrc, int nChannels, int chanLen, Vek16s* pDst) {
    VEKS_CHECK(check_channels(pSrc, nChannels, chanLen, pDst));
    const conv::Range r = conv::range_of<Vek16s>();
    each_sample(nChannels, chanLen, [&](int c, int j, std::ptrdiff_t k) {
        pDst[k] = Vek16s(conv::to_int_mxcsr(pSrc[c][j], r));
    });
    return vekStsNoErr;
}

// [-1, 1] onto [-32768, 32767]: v * 32767.5 - 0.5 in single precision.
VekStatus veksJoinScaled_32f16s_D2L(const Vek32f* const* pSrc, int nChannels, int chanLen, Vek16s* pDst) {
    VEKS_CHECK(check_channels(pSrc, nChannels, chanLen, pDst));
    const conv::Range r = conv::range_of<Vek16s>();
    each_sample(nChannels, chanLen, [&](int c, int j, std::ptrdiff_t k) {
        const float v = clamp_unit(pSrc[c][j]) * 32767.5f - 0.5f;
        pDst[k] = Vek16s(conv::to_int_mxcsr(v, r));
    });
    return vekStsNoErr;
}

VekStatus veksJoinScaled_32f24s_D2L(const Vek32f* const* pSrc, int nChannels, int chanLen, Vek24s* pDst) {
    VEKS_CHECK(check_channels(pSrc, nChannels, chanLen, pDst));
    each_sample(nChannels, chanLen, [&](int c, int j, std::ptrdiff_t k) {
        const double v = double(clamp_unit(pSrc[c][j])) * 8388607.5 - 0.5;
        store_24(pDst, k, std::uint32_t(conv::to_int_mxcsr(v, conv::kRangeS24)));
    });
    return vekStsNoErr;
}

// x * 2/65535 + 1/65535 in single precision: -32768 -> -1, 32767 -> 1.
VekStatus veksSplitScaled_16s32f_D2L(const Vek16s* pSrc, Vek32f** pDst, int nChannels, int chanLen) {
    VEKS_CHECK(check_channels(pDst, nChannels, chanLen, pSrc));
    const float a = float(2.0 / 65535.0), b = float(1.0 / 65535.0);
    each_sample(nChannels, chanLen, [&](int c, int j, std::ptrdiff_t k) { pDst[c][j] = float(pSrc[k]) * a + b; });
    return vekStsNoErr;
}

VekStatus veksSplitScaled_24s32f_D2L(const Vek24s* pSrc, Vek32f** pDst, int nChannels, int chanLen) {
    VEKS_CHECK(check_channels(pDst, nChannels, chanLen, pSrc));
    const double a = 2.0 / 16777215.0, b = 1.0 / 16777215.0;
    each_sample(nChannels, chanLen, [&](int c, int j, std::ptrdiff_t k) {
        pDst[c][j] = float(double(load_s24(pSrc, k)) * a + b);
    });
    return vekStsNoErr;
}
