// Norms, normalisation, range counts, zero crossings and window sums:
// single-precision forms against scalar models of their lane order, 16-bit
// forms exactly against 64-bit references with the scaling rules written
// out, double and complex forms against long double.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "test_util.h"

namespace {

// Eight float lanes, term k in lane k mod 8, combined by halving.
template <class F>
float model_lanes8(int n, F term) {
    float s[8] = {};
    for (int k = 0; k < n; ++k) s[k % 8] += term(k);
    for (int w = 4; w >= 1; w /= 2)
        for (int j = 0; j < w; ++j) s[j] += s[j + w];
    return s[0];
}

TEST(Norm, SinglePrecisionLaneOrderBitForBit) {
    vt::Rng rng(1);
    for (int n : vt::sweep_lengths()) {
        std::vector<float> a(n), b(n);
        rng.fill(a.data(), n);
        rng.fill(b.data(), n);
        float inf = 0, dinf = 0;
        for (int k = 0; k < n; ++k) {
            inf = std::max(inf, std::fabs(a[k]));
            dinf = std::max(dinf, std::fabs(a[k] - b[k]));
        }
        const float l1 = model_lanes8(n, [&](int k) { return std::fabs(a[k]); });
        const float l2 = model_lanes8(n, [&](int k) { return a[k] * a[k]; });
        const float d1 = model_lanes8(n, [&](int k) { return std::fabs(a[k] - b[k]); });
        const float d2 = model_lanes8(n, [&](int k) { const float d = a[k] - b[k]; return d * d; });
        float r;
        ASSERT_EQ(veksNorm_Inf_32f(a.data(), n, &r), vekStsNoErr); EXPECT_EQ(r, inf);
        ASSERT_EQ(veksNorm_L1_32f(a.data(), n, &r), vekStsNoErr); EXPECT_EQ(r, l1) << n;
        ASSERT_EQ(veksNorm_L2_32f(a.data(), n, &r), vekStsNoErr); EXPECT_EQ(r, float(std::sqrt(double(l2)))) << n;
        ASSERT_EQ(veksNormDiff_Inf_32f(a.data(), b.data(), n, &r), vekStsNoErr); EXPECT_EQ(r, dinf);
        ASSERT_EQ(veksNormDiff_L1_32f(a.data(), b.data(), n, &r), vekStsNoErr); EXPECT_EQ(r, d1);
        ASSERT_EQ(veksNormDiff_L2_32f(a.data(), b.data(), n, &r), vekStsNoErr); EXPECT_EQ(r, float(std::sqrt(double(d2))));
    }
}

TEST(Norm, DoubleAndComplexAgainstLongDouble) {
    vt::Rng rng(2);
    for (int n : {1, 2, 5, 8, 9, 100, 5001}) {
        std::vector<double> a(n), b(n);
        std::vector<Vek32fc> c(n), c2(n);
        std::vector<Vek64fc> z(n), z2(n);
        rng.fill(a.data(), n); rng.fill(b.data(), n);
        for (int i = 0; i < n; ++i) {
            c[i] = {rng.next<float>(), rng.next<float>()}; c2[i] = {rng.next<float>(), rng.next<float>()};
            z[i] = {rng.next<double>(), rng.next<double>()}; z2[i] = {rng.next<double>(), rng.next<double>()};
        }
        c[0] = {0, 0};  // the quick modulus of zero is exactly zero
        long double l1 = 0, l2 = 0, inf = 0, cl1 = 0, cl2 = 0, cinf = 0, zl1 = 0, zl2 = 0, zinf = 0, dl1 = 0, dl2 = 0, cdl1 = 0, zdl2 = 0;
        for (int i = 0; i < n; ++i) {
            const long double x = a[i], d = (long double)(a[i] - b[i]);
            l1 += std::fabs(x); l2 += x * x; inf = std::max(inf, std::fabs(x)); dl1 += std::fabs(d); dl2 += d * d;
            const long double cm = std::hypot((long double)c[i].re, (long double)c[i].im);
            cl1 += cm; cl2 += cm * cm; cinf = std::max(cinf, cm);
            const float dr = c[i].re - c2[i].re, di = c[i].im - c2[i].im;
            cdl1 += std::hypot((long double)dr, (long double)di);
            const long double zm = std::hypot((long double)z[i].re, (long double)z[i].im);
            zl1 += zm; zl2 += zm * zm; zinf = std::max(zinf, zm);
            const double er = z[i].re - z2[i].re, ei = z[i].im - z2[i].im;
            zdl2 += (long double)er * er + (long double)ei * ei;
        }
        auto near = [](double got, long double want, double rel) { return std::fabs(got - double(want)) <= rel * double(want) + 1e-30; };
        double r; float f;
        ASSERT_EQ(veksNorm_L1_64f(a.data(), n, &r), vekStsNoErr); EXPECT_TRUE(near(r, l1, 1e-13));
        ASSERT_EQ(veksNorm_L2_64f(a.data(), n, &r), vekStsNoErr); EXPECT_TRUE(near(r, std::sqrt(l2), 1e-13));
        ASSERT_EQ(veksNorm_Inf_64f(a.data(), n, &r), vekStsNoErr); EXPECT_EQ(r, double(inf));
        ASSERT_EQ(veksNormDiff_L1_64f(a.data(), b.data(), n, &r), vekStsNoErr); EXPECT_TRUE(near(r, dl1, 1e-13));
        ASSERT_EQ(veksNormDiff_L2_64f(a.data(), b.data(), n, &r), vekStsNoErr); EXPECT_TRUE(near(r, std::sqrt(dl2), 1e-13));
        ASSERT_EQ(veksNorm_L1_32fc64f(c.data(), n, &r), vekStsNoErr); EXPECT_TRUE(near(r, cl1, 2e-5)) << n;
        ASSERT_EQ(veksNormDiff_L1_32fc64f(c.data(), c2.data(), n, &r), vekStsNoErr); EXPECT_TRUE(near(r, cdl1, 2e-5));
        ASSERT_EQ(veksNorm_L2_32fc64f(c.data(), n, &r), vekStsNoErr); EXPECT_TRUE(near(r, std::sqrt(cl2), 1e-12));
        ASSERT_EQ(veksNorm_Inf_32fc32f(c.data(), n, &f), vekStsNoErr); EXPECT_TRUE(near(f, cinf, 1e-6));
        ASSERT_EQ(veksNormDiff_Inf_32fc32f(c.data(), c2.data(), n, &f), vekStsNoErr); EXPECT_GT(f, 0.0f);
        ASSERT_EQ(veksNorm_L1_64fc64f(z.data(), n, &r), vekStsNoErr); EXPECT_TRUE(near(r, zl1, 1e-13));
        ASSERT_EQ(veksNorm_L2_64fc64f(z.data(), n, &r), vekStsNoErr); EXPECT_TRUE(near(r, std::sqrt(zl2), 1e-13));
        ASSERT_EQ(veksNorm_Inf_64fc64f(z.data(), n, &r), vekStsNoErr); EXPECT_TRUE(near(r, zinf, 1e-15));
        ASSERT_EQ(veksNormDiff_L2_64fc64f(z.data(), z2.data(), n, &r), vekStsNoErr); EXPECT_TRUE(near(r, std::sqrt(zdl2), 1e-13));
        ASSERT_EQ(veksNormDiff_L1_64fc64f(z.data(), z2.data(), n, &r), vekStsNoErr); EXPECT_GT(r, 0.0);
        ASSERT_EQ(veksNormDiff_Inf_64fc64f(z.data(), z2.data(), n, &r), vekStsNoErr); EXPECT_GT(r, 0.0);
        ASSERT_EQ(veksNormDiff_Inf_64f(a.data(), b.data(), n, &r), vekStsNoErr); EXPECT_GT(r, 0.0);
        ASSERT_EQ(veksNormDiff_L2_32fc64f(c.data(), c2.data(), n, &r), vekStsNoErr); EXPECT_GT(r, 0.0);
    }
}

// Right shift truncating, 0 from 32 on, left shift saturating (at most 31).
Vek32s ref32(std::uint64_t v, int sf) {
    if (sf >= 32) return 0;
    __int128 r = v;
    if (sf > 0) r >>= sf;
    else r <<= std::min(-sf, 31);
    return r > INT32_MAX ? INT32_MAX : Vek32s(r);
}
Vek64s ref64(std::uint64_t v, int sf) {
    if (sf >= 64) return 0;
    __int128 r = v;
    if (sf > 0) r >>= sf;
    else r <<= std::min(-sf, 63);
    return r > INT64_MAX ? INT64_MAX : Vek64s(r);
}

TEST(Norm, SixteenBitExactWithEveryScaleRule) {
    vt::Rng rng(3);
    for (int n : {1, 2, 17, 1000, 70000})
        for (int fill : {0, 1}) {
            std::vector<Vek16s> a(n), b(n);
            rng.fill(a.data(), n); rng.fill(b.data(), n);
            if (fill) { std::fill(a.begin(), a.end(), Vek16s(-32768)); std::fill(b.begin(), b.end(), Vek16s(32767)); }
            std::uint64_t inf = 0, l1 = 0, l2 = 0, dinf = 0, dl1 = 0, dl2 = 0;
            for (int i = 0; i < n; ++i) {
                const std::int64_t x = a[i], d = std::int64_t(a[i]) - b[i];
                inf = std::max<std::uint64_t>(inf, std::llabs(x)); l1 += std::llabs(x); l2 += x * x;
                dinf = std::max<std::uint64_t>(dinf, std::llabs(d)); dl1 += std::llabs(d); dl2 += d * d;
            }
            float f;
            ASSERT_EQ(veksNorm_Inf_16s32f(a.data(), n, &f), vekStsNoErr); EXPECT_EQ(f, float(inf));
            ASSERT_EQ(veksNorm_L1_16s32f(a.data(), n, &f), vekStsNoErr); EXPECT_EQ(f, float(l1));
            ASSERT_EQ(veksNorm_L2_16s32f(a.data(), n, &f), vekStsNoErr); EXPECT_EQ(f, float(std::sqrt(double(l2))));
            ASSERT_EQ(veksNormDiff_Inf_16s32f(a.data(), b.data(), n, &f), vekStsNoErr); EXPECT_EQ(f, float(dinf));
            ASSERT_EQ(veksNormDiff_L1_16s32f(a.data(), b.data(), n, &f), vekStsNoErr); EXPECT_EQ(f, float(dl1));
            ASSERT_EQ(veksNormDiff_L2_16s32f(a.data(), b.data(), n, &f), vekStsNoErr); EXPECT_EQ(f, float(std::sqrt(double(dl2))));
            for (int sf : {-80, -63, -40, -31, -20, -1, 0, 1, 3, 17, 31, 32, 40, 63, 64, 70}) {
                SCOPED_TRACE(testing::Message() << "n " << n << " sf " << sf);
                Vek32s r32; Vek64s r64;
                ASSERT_EQ(veksNorm_Inf_16s32s_Sfs(a.data(), n, &r32, sf), vekStsNoErr); EXPECT_EQ(r32, ref32(inf, sf));
                ASSERT_EQ(veksNorm_L1_16s32s_Sfs(a.data(), n, &r32, sf), vekStsNoErr); EXPECT_EQ(r32, ref32(l1, sf));
                ASSERT_EQ(veksNorm_L1_16s64s_Sfs(a.data(), n, &r64, sf), vekStsNoErr); EXPECT_EQ(r64, ref64(l1, sf));
                ASSERT_EQ(veksNorm_L2Sqr_16s64s_Sfs(a.data(), n, &r64, sf), vekStsNoErr); EXPECT_EQ(r64, ref64(l2, sf));
                ASSERT_EQ(veksNormDiff_Inf_16s32s_Sfs(a.data(), b.data(), n, &r32, sf), vekStsNoErr); EXPECT_EQ(r32, ref32(dinf, sf));
                ASSERT_EQ(veksNormDiff_L1_16s32s_Sfs(a.data(), b.data(), n, &r32, sf), vekStsNoErr); EXPECT_EQ(r32, ref32(dl1, sf));
                ASSERT_EQ(veksNormDiff_L1_16s64s_Sfs(a.data(), b.data(), n, &r64, sf), vekStsNoErr); EXPECT_EQ(r64, ref64(dl1, sf));
                ASSERT_EQ(veksNormDiff_L2Sqr_16s64s_Sfs(a.data(), b.data(), n, &r64, sf), vekStsNoErr); EXPECT_EQ(r64, ref64(dl2, sf));
                const long double l2s = std::ldexp(std::sqrt((long double)l2), -sf);
                ASSERT_EQ(veksNorm_L2_16s32s_Sfs(a.data(), n, &r32, sf), vekStsNoErr);
                EXPECT_EQ(r32, l2s >= INT32_MAX ? INT32_MAX : Vek32s(std::trunc(l2s)));
                const long double d2s = std::ldexp(std::sqrt((long double)dl2), -sf);
                ASSERT_EQ(veksNormDiff_L2_16s32s_Sfs(a.data(), b.data(), n, &r32, sf), vekStsNoErr);
                EXPECT_EQ(r32, d2s >= INT32_MAX ? INT32_MAX : Vek32s(std::trunc(d2s)));
            }
        }
    Vek16s three = 3;
    Vek32s r;
    ASSERT_EQ(veksNorm_L1_16s32s_Sfs(&three, 1, &r, 1), vekStsNoErr);
    EXPECT_EQ(r, 1);
}

TEST(Normalize, FloatAndIntegerForms) {
    vt::Rng rng(4);
    for (int n : vt::sweep_lengths()) {
        std::vector<float> a(n);
        std::vector<Vek64fc> z(n);
        std::vector<Vek16s> s(2 * n);
        rng.fill(a.data(), n); rng.fill(s.data(), 2 * n);
        for (auto& x : z) x = {rng.next<double>(), rng.next<double>()};
        vt::Guarded<float> out(n);
        ASSERT_EQ(veksNormalize_32f(a.data(), out.data(), n, 1.5f, 3.0f), vekStsNoErr);
        for (int i = 0; i < n; ++i) ASSERT_EQ(out[i], (a[i] - 1.5f) * (1.0f / 3.0f));
        ASSERT_TRUE(out.guards_intact());
        std::vector<float> inplace = a;
        ASSERT_EQ(veksNormalize_32f(inplace.data(), inplace.data(), n, 1.5f, 3.0f), vekStsNoErr);
        ASSERT_TRUE(vt::same_bits(inplace.data(), out.data(), n));
        std::vector<Vek64fc> zo(n);
        ASSERT_EQ(veksNormalize_64fc(z.data(), zo.data(), n, Vek64fc{1, -2}, 7.0), vekStsNoErr);
        for (int i = 0; i < n; ++i) ASSERT_TRUE(zo[i].re == (z[i].re - 1) * (1.0 / 7) && zo[i].im == (z[i].im + 2) * (1.0 / 7));
        for (int sf : {-3, 0, 2, 130}) {
            const int div = 3;
            const float fac = std::ldexp(1.0f, -(sf % 128)) / float(div);
            std::vector<Vek16s> o(n);
            std::vector<Vek16sc> oc(n);
            ASSERT_EQ(veksNormalize_16s_Sfs(s.data(), o.data(), n, -100, div, sf), vekStsNoErr);
            ASSERT_EQ(veksNormalize_16sc_Sfs(reinterpret_cast<Vek16sc*>(s.data()), oc.data(), n, Vek16sc{5, -5}, div, sf), vekStsNoErr);
            for (int i = 0; i < n; ++i) {
                const double v = std::nearbyint(double(float(s[i] + 100) * fac));
                ASSERT_EQ(o[i], Vek16s(std::clamp(v, -32768.0, 32767.0))) << sf;
                const double w = std::nearbyint(double(float(s[2 * i + 1] + 5) * fac));
                ASSERT_EQ(oc[i].im, Vek16s(std::clamp(w, -32768.0, 32767.0)));
            }
        }
    }
    vt::Guarded<float> o(2);
    float a[2] = {1, 2};
    Vek16s s[2] = {1, 2};
    EXPECT_EQ(veksNormalize_32f(a, o.data(), 2, 0, 1e-39f), vekStsDivByZeroErr);
    EXPECT_EQ(veksNormalize_32f(a, o.data(), 2, 0, -1e-39f), vekStsDivByZeroErr);
    EXPECT_EQ(veksNormalize_64f(nullptr, reinterpret_cast<double*>(o.data()), 1, 0, 0), vekStsNullPtrErr);
    EXPECT_EQ(veksNormalize_64f(reinterpret_cast<double*>(a), reinterpret_cast<double*>(o.data()), 1, 0, 1e-309), vekStsDivByZeroErr);
    EXPECT_EQ(veksNormalize_32fc(reinterpret_cast<Vek32fc*>(a), reinterpret_cast<Vek32fc*>(o.data()), 0, Vek32fc{0, 0}, 0), vekStsSizeErr);
    EXPECT_EQ(veksNormalize_16s_Sfs(s, reinterpret_cast<Vek16s*>(o.data()), 2, 0, 0, 0), vekStsDivByZeroErr);
    EXPECT_TRUE(o.untouched());
}

TEST(Counts, RangeZeroCrossingsAndWindows) {
    vt::Rng rng(5);
    for (int n : vt::sweep_lengths()) {
        std::vector<Vek32s> v(n);
        std::vector<Vek16s> s(n);
        std::vector<float> f(n);
        for (auto& x : v) x = Vek32s(rng.raw() % 11) - 5;
        for (auto& x : s) x = Vek16s(rng.raw() % 5) - 2;
        for (auto& x : f) x = float(int(rng.raw() % 5) - 2) * (rng.raw() % 2 ? 1e-30f : 1.0f);
        int cnt = -1, want = 0;
        for (Vek32s x : v) want += x > -2 && x < 3;
        ASSERT_EQ(veksCountInRange_32s(v.data(), n, &cnt, -2, 3), vekStsNoErr);
        ASSERT_EQ(cnt, want);
        int ch = 0, bits = 0, half = 0, fch = 0, fbits = 0, fhalf = 0;
        auto sg = [](double x) { return (x > 0) - (x < 0); };
        for (int i = 1; i < n; ++i) {
            ch += s[i - 1] * s[i] < 0; bits += (s[i - 1] < 0) != (s[i] < 0); half += std::abs(sg(s[i]) - sg(s[i - 1]));
            fch += f[i - 1] * f[i] < 0; fbits += (f[i - 1] < 0) != (f[i] < 0); fhalf += std::abs(sg(f[i]) - sg(f[i - 1]));
        }
        Vek32f z;
        ASSERT_EQ(veksZeroCrossing_16s32f(s.data(), n, &z, vekZCSignChange), vekStsNoErr); ASSERT_EQ(z, ch);
        ASSERT_EQ(veksZeroCrossing_16s32f(s.data(), n, &z, vekZCSignBit), vekStsNoErr); ASSERT_EQ(z, bits);
        ASSERT_EQ(veksZeroCrossing_16s32f(s.data(), n, &z, vekZCCount0), vekStsNoErr); ASSERT_EQ(z, half >> 1);
        ASSERT_EQ(veksZeroCrossing_32f(f.data(), n, &z, vekZCSignChange), vekStsNoErr); ASSERT_EQ(z, fch);  // 1e-30^2 underflows
        ASSERT_EQ(veksZeroCrossing_32f(f.data(), n, &z, vekZCSignBit), vekStsNoErr); ASSERT_EQ(z, fbits);
        ASSERT_EQ(veksZeroCrossing_32f(f.data(), n, &z, vekZCCount0), vekStsNoErr); ASSERT_EQ(z, fhalf >> 1);

        for (int mask : {1, 7, 8, 9, 33}) {
            // The source holds exactly len + mask - 1 elements.
            std::vector<Vek16s> src(n + mask - 1);
            std::vector<Vek8u> src8(n + mask - 1);
            rng.fill(src.data(), src.size());
            rng.fill(src8.data(), src8.size());
            std::vector<float> out(n), out8(n);
            ASSERT_EQ(veksSumWindow_16s32f(src.data(), out.data(), n, mask), vekStsNoErr);
            ASSERT_EQ(veksSumWindow_8u32f(src8.data(), out8.data(), n, mask), vekStsNoErr);
            for (int i = 0; i < n; ++i) {
                long exact = 0, exact8 = 0;
                for (int k = 0; k < mask; ++k) { exact += src[i + k]; exact8 += src8[i + k]; }
                ASSERT_NEAR(out[i], exact, 1e-6 * 32768.0 * mask * (i + 1)) << n << " " << mask;
                ASSERT_EQ(out8[i], float(exact8));  // small integers stay exact in single precision
            }
        }
    }
    Vek16s zc[3] = {1, 0, -1};
    Vek32f r;
    ASSERT_EQ(veksZeroCrossing_16s32f(zc, 3, &r, vekZCSignChange), vekStsNoErr); EXPECT_EQ(r, 0);
    ASSERT_EQ(veksZeroCrossing_16s32f(zc, 3, &r, vekZCSignBit), vekStsNoErr); EXPECT_EQ(r, 1);
    ASSERT_EQ(veksZeroCrossing_16s32f(zc, 3, &r, vekZCCount0), vekStsNoErr); EXPECT_EQ(r, 1);
    vt::Guarded<float> g(4);
    EXPECT_EQ(veksZeroCrossing_16s32f(zc, 3, g.data(), VekZCType(3)), vekStsZeroCrossingTypeErr);
    EXPECT_EQ(veksZeroCrossing_32f(nullptr, 3, g.data(), vekZCSignBit), vekStsNullPtrErr);
    EXPECT_EQ(veksZeroCrossing_32f(g.data(), 0, g.data(), VekZCType(9)), vekStsSizeErr);
    Vek8u b[4] = {1, 2, 3, 4};
    EXPECT_EQ(veksSumWindow_8u32f(b, g.data(), 2, 0), vekStsWinLenErr);
    EXPECT_EQ(veksSumWindow_8u32f(b, g.data(), 0, 2), vekStsNoErr);
    EXPECT_EQ(veksSumWindow_16s32f(nullptr, g.data(), 0, 2), vekStsNullPtrErr);
    int c = -7;
    Vek32s v3[3] = {1, 2, 3};
    EXPECT_EQ(veksCountInRange_32s(v3, 0, &c, 1, 3), vekStsSizeErr);
    EXPECT_EQ(c, -7);
    EXPECT_TRUE(g.untouched());
    ASSERT_EQ(veksCountInRange_32s(v3, 3, &c, 1, 3), vekStsNoErr);
    EXPECT_EQ(c, 1);
}

TEST(Norm, StatusesAndNothingWrittenOnError) {
    vt::Guarded<float> out(2);
    float v[2] = {1, 2};
    EXPECT_EQ(veksNorm_L2_32f(nullptr, 2, out.data()), vekStsNullPtrErr);
    EXPECT_EQ(veksNorm_L2_32f(v, 0, out.data()), vekStsSizeErr);
    EXPECT_EQ(veksNormDiff_L1_32f(v, nullptr, 2, out.data()), vekStsNullPtrErr);
    EXPECT_EQ(veksNormDiff_Inf_32f(v, v, -3, out.data()), vekStsSizeErr);
    EXPECT_EQ(veksNorm_L1_16s64s_Sfs(nullptr, 0, reinterpret_cast<Vek64s*>(out.data()), 0), vekStsNullPtrErr);
    EXPECT_TRUE(out.untouched());
}

}  // namespace
