// Half precision against the compiler's _Float16 (round to nearest even)
// and against a search of the sorted binary16 values (round toward zero).
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "test_util.h"

namespace {

std::uint32_t bits(float f) {
    std::uint32_t b;
    std::memcpy(&b, &f, 4);
    return b;
}
float from_bits(std::uint32_t b) {
    float f;
    std::memcpy(&f, &b, 4);
    return f;
}
float compiler_decode(std::uint16_t h) {
    _Float16 v;
    std::memcpy(&v, &h, 2);
    return float(v);
}
std::uint16_t compiler_encode(float f) {
    const _Float16 v = static_cast<_Float16>(f);
    std::uint16_t h;
    std::memcpy(&h, &v, 2);
    return h;
}

std::vector<std::uint16_t> all_halves() {
    std::vector<std::uint16_t> h(65536);
    for (int i = 0; i < 65536; ++i) h[i] = std::uint16_t(i);
    return h;
}

bool is_nan_half(std::uint16_t h) { return (h & 0x7C00) == 0x7C00 && (h & 0x3FF); }

// Toward zero: the finite half of largest magnitude not above |x|, from
// the sorted positive finite values; 65536 and more give infinity.
std::uint16_t toward_zero_ref(float x) {
    static const std::vector<float> pos = [] {
        std::vector<float> v;
        for (int h = 0; h < 0x7C00; ++h) v.push_back(compiler_decode(std::uint16_t(h)));
        return v;
    }();
    const std::uint16_t sign = std::signbit(x) ? 0x8000 : 0;
    const float a = std::fabs(x);
    if (a >= 65536.0f) return sign | 0x7C00;
    const auto it = std::upper_bound(pos.begin(), pos.end(), a);
    return std::uint16_t(sign | (it - pos.begin() - 1));
}

TEST(Half, EveryHalfDecodesExactly) {
    const auto h = all_halves();
    std::vector<float> f(65536);
    ASSERT_EQ(veksConvert_16f32f(h.data(), f.data(), 65536), vekStsNoErr);
    for (int i = 0; i < 65536; ++i) {
        const float want = compiler_decode(h[i]);
        if (is_nan_half(h[i])) {
            ASSERT_TRUE(std::isnan(f[i]));
            ASSERT_EQ(bits(f[i]) & 0x803FE000u, bits(want) & 0x803FE000u) << i;  // sign and payload
        } else {
            ASSERT_EQ(bits(f[i]), bits(want)) << i;
        }
    }
}

// Every half value, values halfway between neighbours, random bit
// patterns, and the overflow and underflow boundaries.
std::vector<float> encode_probes() {
    std::vector<float> v;
    for (int h = 0; h < 0x7C00; ++h) {
        const float a = compiler_decode(std::uint16_t(h)), b = compiler_decode(std::uint16_t(h + 1));
        for (float x : {a, (a + b) / 2, std::nextafter((a + b) / 2, 0.0f), std::nextafter((a + b) / 2, 1e9f)}) {
            v.push_back(x);
            v.push_back(-x);
        }
    }
    vt::Rng rng(21);
    for (int i = 0; i < 100000; ++i) v.push_back(from_bits(std::uint32_t(rng.raw())));
    for (float x : {65504.0f, 65519.996f, 65520.0f, 65535.0f, 65536.0f, 1e30f, INFINITY, 2.9802322e-8f, 2.9802326e-8f,
                    1e-30f, 0.0f})
        for (float s : {1.0f, -1.0f}) v.push_back(s * x);
    return v;
}

TEST(Half, SingleToHalfInBothDirections) {
    const auto x = encode_probes();
    const int n = int(x.size());
    std::vector<std::uint16_t> near(n), zero(n), other(n);
    ASSERT_EQ(veksConvert_32f16f(x.data(), near.data(), n, 1), vekStsNoErr);
    ASSERT_EQ(veksConvert_32f16f(x.data(), zero.data(), n, 0), vekStsNoErr);
    ASSERT_EQ(veksConvert_32f16f(x.data(), other.data(), n, -4), vekStsNoErr);  // acts as 0
    for (int i = 0; i < n; ++i) {
        if (std::isnan(x[i])) {
            ASSERT_TRUE(is_nan_half(near[i]) && is_nan_half(zero[i]));
            continue;
        }
        const std::uint16_t want = std::fabs(x[i]) >= 65536.0f ? (std::signbit(x[i]) ? 0xFC00 : 0x7C00)
                                                                : compiler_encode(x[i]);
        ASSERT_EQ(near[i], want) << x[i];
        ASSERT_EQ(zero[i], toward_zero_ref(x[i])) << x[i];
        ASSERT_EQ(other[i], zero[i]);
    }
}

TEST(Half, IntegersToHalf) {
    std::vector<Vek16s> s(65536);
    for (int i = 0; i < 65536; ++i) s[i] = Vek16s(i - 32768);
    std::vector<std::uint16_t> near(65536), zero(65536);
    ASSERT_EQ(veksConvert_16s16f(s.data(), near.data(), 65536, 1), vekStsNoErr);
    ASSERT_EQ(veksConvert_16s16f(s.data(), zero.data(), 65536, 3), vekStsNoErr);
    for (int i = 0; i < 65536; ++i) {
        ASSERT_EQ(near[i], compiler_encode(float(s[i])));
        ASSERT_EQ(zero[i], toward_zero_ref(float(s[i])));
    }
}

TEST(Half, HalfToIntegerScaledAndRounded) {
    const auto h = all_halves();
    std::vector<Vek16s> y(65536);
    for (int sf : {-20, -3, 0, 1, 5, 30, 500}) {
        for (int mode : {0, 1, 9}) {
            ASSERT_EQ(veksConvert_16f16s_Sfs(h.data(), y.data(), 65536, mode, sf), vekStsNoErr);
            for (int i = 0; i < 65536; ++i) {
                const float f = compiler_decode(h[i]);
                long double want;
                if (std::isnan(f)) {
                    want = 0;
                } else {
                    const long double v = std::ldexp((long double)f, -std::min(sf, 200));
                    want = mode == 1 ? std::nearbyint(v) : std::trunc(v);
                    want = std::clamp(want, -32768.0L, 32767.0L);
                }
                ASSERT_EQ(y[i], want) << "h " << i << " sf " << sf << " mode " << mode;
            }
        }
    }
}

TEST(Half, RoundingModeTwoIsRefused) {
    vt::Guarded<std::uint16_t> d(8);
    vt::Guarded<Vek16s> d16(8);
    const float x[8] = {1.0f};
    const Vek16s s[8] = {1};
    const std::uint16_t h[8] = {0x3C00};
    EXPECT_EQ(veksConvert_32f16f(x, d.data(), 8, 2), vekStsRoundModeErr);
    EXPECT_EQ(veksConvert_16s16f(s, d.data(), 8, 2), vekStsRoundModeErr);
    EXPECT_EQ(veksConvert_16f16s_Sfs(h, d16.data(), 8, 2, 0), vekStsRoundModeErr);
    EXPECT_TRUE(d.untouched() && d16.untouched());
    // Pointer and length checks come first.
    EXPECT_EQ(veksConvert_32f16f(x, d.data(), 0, 2), vekStsSizeErr);
    EXPECT_EQ(veksConvert_32f16f(nullptr, d.data(), 8, 2), vekStsNullPtrErr);
}

}  // namespace
