// Running averages against a long double recurrence, the Cauchy functions
// against double formulas, and the FM discriminator against atan2 on a
// synthesised FM signal; the documented corner values and every status.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "test_util.h"

namespace {

constexpr long double kPiL = 3.14159265358979323846264338327950288L;

long double model_average(const std::vector<Vek16s>& x, int len, long double y, int alpha, int shift, bool power) {
    const int s = std::max(0, std::min(shift, power ? 31 : 15));
    for (int n = 0; n < len; ++n) {
        const long double t = power ? ((std::int32_t(x[n]) * x[n]) >> s) : (std::int32_t(x[n]) >> s);
        y = alpha * y + (1 - alpha) * t;
    }
    return y;
}

TEST(RunningAverage, AgainstLongDoubleRecurrence) {
    vt::Rng rng(8);
    std::vector<Vek16s> x(1100);
    rng.fill(x.data(), x.size());
    x[3] = -32768;
    using Fn = VekStatus (*)(const Vek16s*, int, Vek32s*, int, Vek16s, VekHintAlgorithm);
    const struct { Fn fn; bool power; } kinds[] = {{veksUpdateLinear_16s32s_I, false}, {veksUpdatePower_16s32s_I, true}};
    for (auto k : kinds) {
        for (int alpha : {0, 1, -1, 2, 5, -6, 8, 9, 100, -180, 181, 1000, 32767, -32768}) {
            for (int shift : {-3, 0, 4, 15, 31, 40}) {
                for (VekHintAlgorithm hint : {vekAlgHintAccurate, vekAlgHintFast}) {
                    for (int len : {1, 2, 3, 4, 5, 7, 8, 9, 16, 17, 100, 1001}) {
                        for (Vek32s start : {0, 123456, -2000000000}) {
                            Vek32s acc = start;
                            ASSERT_EQ(k.fn(x.data(), len, &acc, shift, Vek16s(alpha), hint), vekStsNoErr);
                            const bool single = hint == vekAlgHintFast && (k.power || (alpha >= -6 && alpha <= 8));
                            long double y = model_average(x, len, start, alpha, shift, k.power);
                            const long double hi = single ? 2147483520.0L : 2147483647.0L;
                            y = std::nearbyint(std::min(std::max(y, -2147483648.0L), hi));
                            // Unstable for |alpha| > 1: allow the relative rounding of the path.
                            const long double tol = 1 + std::fabs(y) * (single ? 1e-4L : 1e-12L) * len;
                            ASSERT_NEAR(acc, y, tol) << alpha << " " << shift << " " << len << " " << hint;
                        }
                    }
                }
            }
        }
    }
    // alpha 0 keeps the last shifted sample, alpha 1 the accumulator.
    Vek16s s[3] = {5, -9, 1000};
    Vek32s acc = 77;
    ASSERT_EQ(veksUpdateLinear_16s32s_I(s, 3, &acc, 2, 0, vekAlgHintNone), vekStsNoErr);
    EXPECT_EQ(acc, 1000 >> 2);
    ASSERT_EQ(veksUpdatePower_16s32s_I(s, 3, &acc, 0, 1, vekAlgHintFast), vekStsNoErr);
    EXPECT_EQ(acc, 250);
    EXPECT_EQ(veksUpdateLinear_16s32s_I(nullptr, 3, &acc, 0, 1, vekAlgHintNone), vekStsNullPtrErr);
    EXPECT_EQ(veksUpdatePower_16s32s_I(s, 3, nullptr, 0, 1, vekAlgHintNone), vekStsNullPtrErr);
    EXPECT_EQ(veksUpdatePower_16s32s_I(s, 0, &acc, 0, 1, vekAlgHintNone), vekStsSizeErr);
    EXPECT_EQ(acc, 250);
}

TEST(Cauchy, AgainstDoubleFormulas) {
    vt::Rng rng(9);
    for (float C : {0.01f, 1.f, 3.5f, 1000.f}) {
        for (int len : vt::sweep_lengths(40)) {
            for (int shift = 0; shift < 3; ++shift) {
                std::vector<float> x(len);
                rng.fill(x.data(), len, 4.0 * C);
                vt::Guarded<float> a(len + 2), b(len + 2), c(len + 2), d2(len + 2);
                std::copy(x.begin(), x.end(), a.data() + shift);
                std::copy(x.begin(), x.end(), b.data() + shift);
                std::copy(x.begin(), x.end(), c.data() + shift);
                ASSERT_EQ(veksCauchy_32f_I(a.data() + shift, len, C), vekStsNoErr);
                ASSERT_EQ(veksCauchyD_32f_I(b.data() + shift, len, C), vekStsNoErr);
                ASSERT_EQ(veksCauchyDD2_32f_I(c.data() + shift, d2.data() + shift, len, C), vekStsNoErr);
                ASSERT_TRUE(a.guards_intact() && b.guards_intact() && c.guards_intact() && d2.guards_intact());
                for (int i = 0; i < len; ++i) {
                    const double v = x[i], c2 = double(C) * C, q = v * v + c2;
                    ASSERT_NEAR(a[shift + i], 0.5 * std::log1p((v / C) * (v / C)), 2e-7 + 1e-6 * std::fabs(a[shift + i]));
                    ASSERT_NEAR(b[shift + i], v / q, 4e-7 * std::fabs(v / q));
                    ASSERT_NEAR(c[shift + i], v / q, 4e-7 * std::fabs(v / q));
                    ASSERT_NEAR(d2[shift + i], (c2 - v * v) / (q * q), 1e-6 / q);
                }
            }
        }
    }
    vt::Guarded<float> g(4), h(4);
    EXPECT_EQ(veksCauchy_32f_I(g.data(), 4, 0.f), vekStsCauchyParamErr);
    EXPECT_EQ(veksCauchyD_32f_I(g.data(), 4, -1.f), vekStsCauchyParamErr);
    EXPECT_EQ(veksCauchyDD2_32f_I(g.data(), h.data(), 4, 0.f), vekStsCauchyParamErr);
    EXPECT_EQ(veksCauchy_32f_I(nullptr, 4, 1.f), vekStsNullPtrErr);
    EXPECT_EQ(veksCauchyD_32f_I(g.data(), 0, 1.f), vekStsSizeErr);
    EXPECT_EQ(veksCauchyDD2_32f_I(g.data(), nullptr, 4, 1.f), vekStsNullPtrErr);
    EXPECT_EQ(veksCauchyDD2_32f_I(g.data(), h.data(), 0, 0.f), vekStsSizeErr);
    EXPECT_TRUE(g.untouched() && h.untouched());
}

Vek16s fm_one(Vek16sc p, Vek16sc c) {
    Vek16sc dly = p;
    Vek16s out;
    EXPECT_EQ(veksDemodulateFM_CToR_16s(&c.re, &c.im, &out, 1, &dly), vekStsNoErr);
    EXPECT_EQ(dly.re, c.re);
    EXPECT_EQ(dly.im, c.im);
    return out;
}

TEST(DemodulateFM, CornerValues) {
    EXPECT_EQ(fm_one({1, 0}, {0, 1}), 16384);
    EXPECT_EQ(fm_one({1, 0}, {-1, 0}), 32767);
    EXPECT_EQ(fm_one({1, 0}, {0, -1}), -16384);
    EXPECT_EQ(fm_one({0, 0}, {123, -456}), 0);
    EXPECT_EQ(fm_one({-32768, -32768}, {-32768, -32768}), 0);  // R wraps to 0x80000000
    EXPECT_EQ(fm_one({1, 0}, {1, 0}), 0);
}

// Blocks and single samples agree to the bit over the full input range,
// extremes included, for every length across the block edges.
TEST(DemodulateFM, BlocksEqualSampleBySample) {
    vt::Rng rng(10);
    for (int len : vt::sweep_lengths()) {
        std::vector<Vek16s> re(len), im(len), block(len), single(len);
        rng.fill(re.data(), len);
        rng.fill(im.data(), len);
        for (int k = 0; k < len; k += 5) re[k] = im[(k * 7) % len] = -32768;
        if (len > 3) re[2] = im[2] = 0;
        if (len > 12) {  // a quarter turn: R = 0 with I > 0, then I = 0 with R < 0
            re[9] = 1000, im[9] = 0, re[10] = 0, im[10] = 1000, re[11] = 0, im[11] = -7;
        }
        Vek16sc d1{-32768, -32768}, d2 = d1;
        ASSERT_EQ(veksDemodulateFM_CToR_16s(re.data(), im.data(), block.data(), len, &d1), vekStsNoErr);
        for (int k = 0; k < len; ++k)
            ASSERT_EQ(veksDemodulateFM_CToR_16s(&re[k], &im[k], &single[k], 1, &d2), vekStsNoErr);
        ASSERT_EQ(block, single) << len;
        // In place over the real parts gives the same values too.
        Vek16sc d3{-32768, -32768};
        ASSERT_EQ(veksDemodulateFM_CToR_16s(re.data(), im.data(), re.data(), len, &d3), vekStsNoErr);
        ASSERT_EQ(re, single) << len;
    }
}

TEST(DemodulateFM, RecoversTheModulatingTone) {
    const int n = 4000;
    std::vector<Vek16s> re(n), im(n), out(n), split(n);
    long double phi = 0.3L;
    std::vector<long double> inc(n);
    for (int k = 0; k < n; ++k) {
        inc[k] = 2 * kPiL * (0.05L + 0.2L * std::sin(2 * kPiL * k / 97.0L));  // carrier plus deviation
        phi += inc[k];
        re[k] = Vek16s(std::lround(20000 * std::cos(phi)));
        im[k] = Vek16s(std::lround(20000 * std::sin(phi)));
    }
    Vek16sc dly{20000, 0};
    ASSERT_EQ(veksDemodulateFM_CToR_16s(re.data(), im.data(), out.data(), n, &dly), vekStsNoErr);
    for (int k = 1; k < n; ++k) {
        // Exact angle between the quantised samples, and the ideal increment.
        const long double I = (long double)re[k - 1] * im[k] - (long double)im[k - 1] * re[k];
        const long double R = (long double)re[k - 1] * re[k] + (long double)im[k - 1] * im[k];
        ASSERT_NEAR(out[k], std::atan2(I, R) * 32768 / kPiL, 1.5) << k;
        long double w = std::remainder(inc[k], 2 * kPiL);
        ASSERT_NEAR(out[k], w * 32768 / kPiL, 8) << k;
    }
    // Consecutive blocks equal one call.
    Vek16sc d2{20000, 0};
    for (int k = 0; k < n; k += 333) {
        const int m = std::min(333, n - k);
        ASSERT_EQ(veksDemodulateFM_CToR_16s(re.data() + k, im.data() + k, split.data() + k, m, &d2), vekStsNoErr);
    }
    EXPECT_EQ(out, split);
    EXPECT_EQ(d2.re, re[n - 1]);
    vt::Guarded<Vek16s> g(4);
    EXPECT_EQ(veksDemodulateFM_CToR_16s(nullptr, im.data(), g.data(), 4, &d2), vekStsNullPtrErr);
    EXPECT_EQ(veksDemodulateFM_CToR_16s(re.data(), im.data(), g.data(), 4, nullptr), vekStsNullPtrErr);
    EXPECT_EQ(veksDemodulateFM_CToR_16s(re.data(), im.data(), g.data(), 0, &d2), vekStsSizeErr);
    EXPECT_TRUE(g.untouched());
}

}  // namespace
