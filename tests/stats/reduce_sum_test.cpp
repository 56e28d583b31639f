// Sums, means, deviations and dot products: floating forms bit for bit
// against scalar models of their fixed summation orders (or a long-double
// reference where the order is free), integer forms exactly against a
// 128-bit reference with the rounding rule written out.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "test_util.h"

namespace {

using i128 = __int128;

// r * 2^-sf rounded half to even, saturated to [lo, hi].
i128 ref_scale(i128 r, int sf, i128 lo, i128 hi) {
    if (sf > 0) {
        if (sf > 100) return 0;
        const i128 d = i128(1) << sf;
        i128 q = r >= 0 ? r / d : -((-r + d - 1) / d);  // floor
        const i128 rem = r - q * d;
        if (2 * rem > d || (2 * rem == d && (q & 1))) ++q;
        r = q;
    } else if (sf < 0) {
        for (int k = 0; k < -sf && r != 0 && r > lo && r < hi; ++k) r *= 2;
    }
    return r < lo ? lo : r > hi ? hi : r;
}

// Model of the accurate 32f sum: alignment head, groups of eight, fold,
// remainder of four / two / one, (p0 + p2) + (p1 + p3).
double model_accurate(const float* p, int n) {
    double s[8] = {};
    int i = 0;
    if (reinterpret_cast<std::uintptr_t>(p) % 8 == 4) s[0] += p[i++];
    for (; n - i >= 8; i += 8)
        for (int k = 0; k < 8; ++k) s[k] += p[i + k];
    for (int k = 0; k < 4; ++k) s[k] += s[k + 4];
    if (n - i >= 4) { for (int k = 0; k < 4; ++k) s[k] += p[i + k]; i += 4; }
    if (n - i >= 2) { s[0] += p[i]; s[1] += p[i + 1]; i += 2; }
    if (n - i >= 1) s[0] += p[i];
    return (s[0] + s[2]) + (s[1] + s[3]);
}

double model_fast(const float* p, int n) {
    double total = 0;
    int i = 0;
    while (i < n && reinterpret_cast<std::uintptr_t>(p + i) % 16 != 0) total += p[i++];
    while (i < n) {
        const int count = std::min(n - i, 32768);
        float lane[16] = {};
        for (int k = 0; k < count; ++k) lane[k % 16] += p[i + k];
        for (int j = 0; j < 4; ++j) total += double((lane[j] + lane[j + 8]) + (lane[j + 4] + lane[j + 12]));
        i += count;
    }
    return total;
}

float model_dot(const float* a, const float* b, int n) {
    const int lanes = n < 16 ? 2 : 16;
    float s[16] = {};
    for (int k = 0; k < n; ++k) s[k % lanes] += a[k] * b[k];
    for (int w = lanes / 2; w >= 1; w /= 2)
        for (int j = 0; j < w; ++j) s[j] += s[j + w];
    return s[0];
}

std::vector<int> lengths() {
    std::vector<int> l = vt::sweep_lengths();
    for (int n : {32767, 32768, 32769, 70001}) l.push_back(n);
    return l;
}

TEST(Sum, FloatOrdersBitForBit) {
    vt::Rng rng(1);
    for (int n : lengths()) {
        std::vector<float> v(n + 3), w(n + 3);
        rng.fill(v.data(), v.size(), 1e3);
        rng.fill(w.data(), w.size(), 1e3);
        for (int off : {0, 1, 2, 3}) {
            const float* p = v.data() + off;
            float s = 0, m = 0;
            ASSERT_EQ(veksSum_32f(p, n, &s, vekAlgHintAccurate), vekStsNoErr);
            ASSERT_EQ(s, float(model_accurate(p, n))) << n << " off " << off;
            ASSERT_EQ(veksMean_32f(p, n, &m, vekAlgHintNone), vekStsNoErr);
            ASSERT_EQ(m, float(model_accurate(p, n) / n));
            ASSERT_EQ(veksSum_32f(p, n, &s, vekAlgHintFast), vekStsNoErr);
            ASSERT_EQ(s, float(model_fast(p, n))) << n << " off " << off;
            float d = 0;
            ASSERT_EQ(veksDotProd_32f(p, w.data() + 3 - off, n, &d), vekStsNoErr);
            ASSERT_EQ(d, model_dot(p, w.data() + 3 - off, n)) << n;
        }
    }
}

// Forms whose order is free: against long double with a relative bound.
TEST(Sum, ComplexAndDoubleFormsAgainstLongDouble) {
    vt::Rng rng(2);
    for (int n : {1, 2, 7, 16, 33, 1000, 40000}) {
        std::vector<Vek32fc> c(n), c2(n);
        std::vector<Vek64fc> z(n), z2(n);
        std::vector<float> f(n);
        std::vector<double> d(n);
        rng.fill(c.data(), n); rng.fill(c2.data(), n); rng.fill(f.data(), n); rng.fill(d.data(), n);
        for (int i = 0; i < n; ++i) {
            c[i] = {rng.next<float>(), rng.next<float>()};
            c2[i] = {rng.next<float>(), rng.next<float>()};
            z[i] = {rng.next<double>(), rng.next<double>()};
            z2[i] = {rng.next<double>(), rng.next<double>()};
        }
        long double sr = 0, si = 0, zr = 0, zi = 0, ds = 0, cdr = 0, cdi = 0, zdr = 0, zdi = 0, fcr = 0, fci = 0, abs_c = 0, abs_z = 0;
        for (int i = 0; i < n; ++i) {
            sr += c[i].re; si += c[i].im; zr += z[i].re; zi += z[i].im; ds += d[i];
            cdr += (long double)c[i].re * c2[i].re - (long double)c[i].im * c2[i].im;
            cdi += (long double)c[i].re * c2[i].im + (long double)c[i].im * c2[i].re;
            zdr += (long double)z[i].re * z2[i].re - (long double)z[i].im * z2[i].im;
            zdi += (long double)z[i].re * z2[i].im + (long double)z[i].im * z2[i].re;
            fcr += (long double)f[i] * c2[i].re; fci += (long double)f[i] * c2[i].im;
            abs_c += std::fabs((long double)c[i].re) + std::fabs((long double)c[i].im) ;
            abs_z += std::fabs((long double)z[i].re) + std::fabs((long double)z[i].im);
        }
        const double tf = 1e-6 * 1e3 * n, td = 1e-14 * 1e3 * n;  // bound on accumulated rounding
        Vek32fc r32;
        Vek64fc r64;
        double r;
        for (VekHintAlgorithm h : {vekAlgHintFast, vekAlgHintAccurate}) {
            ASSERT_EQ(veksSum_32fc(c.data(), n, &r32, h), vekStsNoErr);
            EXPECT_NEAR(r32.re, double(sr), tf * 1e-1 + 1e-3); EXPECT_NEAR(r32.im, double(si), tf * 1e-1 + 1e-3);
            ASSERT_EQ(veksMean_32fc(c.data(), n, &r32, h), vekStsNoErr);
            EXPECT_NEAR(r32.re, double(sr / n), 1e-3);
        }
        ASSERT_EQ(veksSum_64fc(z.data(), n, &r64), vekStsNoErr);
        EXPECT_NEAR(r64.re, double(zr), td); EXPECT_NEAR(r64.im, double(zi), td);
        ASSERT_EQ(veksMean_64fc(z.data(), n, &r64), vekStsNoErr);
        EXPECT_NEAR(r64.re, double(zr / n), td);
        ASSERT_EQ(veksSum_64f(d.data(), n, &r), vekStsNoErr);
        EXPECT_NEAR(r, double(ds), td);
        ASSERT_EQ(veksMean_64f(d.data(), n, &r), vekStsNoErr);
        EXPECT_NEAR(r, double(ds / n), td);
        ASSERT_EQ(veksDotProd_32fc(c.data(), c2.data(), n, &r32), vekStsNoErr);
        EXPECT_NEAR(r32.re, double(cdr), tf * 1e3); EXPECT_NEAR(r32.im, double(cdi), tf * 1e3);
        ASSERT_EQ(veksDotProd_32fc64fc(c.data(), c2.data(), n, &r64), vekStsNoErr);
        EXPECT_NEAR(r64.re, double(cdr), td * 1e3); EXPECT_NEAR(r64.im, double(cdi), td * 1e3);
        ASSERT_EQ(veksDotProd_64fc(z.data(), z2.data(), n, &r64), vekStsNoErr);
        EXPECT_NEAR(r64.re, double(zdr), td * 1e3); EXPECT_NEAR(r64.im, double(zdi), td * 1e3);
        ASSERT_EQ(veksDotProd_32f32fc(f.data(), c2.data(), n, &r32), vekStsNoErr);
        EXPECT_NEAR(r32.re, double(fcr), tf * 1e3); EXPECT_NEAR(r32.im, double(fci), tf * 1e3);
        ASSERT_EQ(veksDotProd_32f32fc64fc(f.data(), c2.data(), n, &r64), vekStsNoErr);
        EXPECT_NEAR(r64.re, double(fcr), td * 1e3);
        std::vector<double> fd(f.begin(), f.end());
        long double ff = 0, fz = 0, dd = 0;
        for (int i = 0; i < n; ++i) { ff += (long double)f[i] * f[i]; dd += (long double)d[i] * d[i]; fz += (long double)d[i] * z[i].im; }
        ASSERT_EQ(veksDotProd_32f64f(f.data(), f.data(), n, &r), vekStsNoErr);
        EXPECT_NEAR(r, double(ff), td * 1e3);
        ASSERT_EQ(veksDotProd_64f(d.data(), d.data(), n, &r), vekStsNoErr);
        EXPECT_NEAR(r, double(dd), td * 1e3);
        ASSERT_EQ(veksDotProd_64f64fc(d.data(), z.data(), n, &r64), vekStsNoErr);
        EXPECT_NEAR(r64.im, double(fz), td * 1e3);
    }
}

TEST(Sum, IntegerFormsExact) {
    vt::Rng rng(3);
    const i128 lo16 = -32768, hi16 = 32767, lo32 = INT32_MIN, hi32 = INT32_MAX;
    for (int n : {1, 2, 3, 15, 16, 17, 255, 256, 257, 5000, 70000})
        for (int sf : {-40, -31, -16, -3, -1, 0, 1, 2, 5, 15, 16, 31, 32, 40, 93, 100}) {
            std::vector<Vek16s> a(2 * n), b(2 * n);
            std::vector<Vek32s> w(2 * n);
            rng.fill(a.data(), a.size()); rng.fill(b.data(), b.size()); rng.fill(w.data(), w.size());
            if (n == 5000) std::fill(a.begin(), a.end(), Vek16s(-32768));  // saturating sums
            i128 s = 0, sre = 0, sim = 0, dot = 0, dre = 0, dim = 0, mre = 0, mim = 0, d1632 = 0, s32 = 0;
            long double d32 = 0;
            for (int i = 0; i < n; ++i) {
                s += a[i]; s32 += w[i];
                sre += a[2 * i]; sim += a[2 * i + 1];
                dot += i128(a[i]) * b[i];
                dre += i128(a[2 * i]) * b[2 * i] - i128(a[2 * i + 1]) * b[2 * i + 1];
                dim += i128(a[2 * i]) * b[2 * i + 1] + i128(a[2 * i + 1]) * b[2 * i];
                mre += i128(a[i]) * b[2 * i]; mim += i128(a[i]) * b[2 * i + 1];
                d1632 += i128(a[i]) * w[i];
                d32 += (long double)w[i] * w[i];
            }
            SCOPED_TRACE(testing::Message() << "n " << n << " sf " << sf);
            const Vek16sc* ac = reinterpret_cast<const Vek16sc*>(a.data());
            const Vek16sc* bc = reinterpret_cast<const Vek16sc*>(b.data());
            Vek32s r32; Vek16s r16; Vek32sc c32; Vek16sc c16; Vek64s r64; Vek64sc c64; Vek32f f; Vek32fc fc;
            ASSERT_EQ(veksSum_16s32s_Sfs(a.data(), n, &r32, sf), vekStsNoErr);
            EXPECT_EQ(r32, ref_scale(s, sf, lo32, hi32));
            ASSERT_EQ(veksSum_16s_Sfs(a.data(), n, &r16, sf), vekStsNoErr);
            EXPECT_EQ(r16, ref_scale(s, sf, lo16, hi16));
            ASSERT_EQ(veksSum_16sc32sc_Sfs(ac, n, &c32, sf), vekStsNoErr);
            EXPECT_TRUE(c32.re == ref_scale(sre, sf, lo32, hi32) && c32.im == ref_scale(sim, sf, lo32, hi32));
            ASSERT_EQ(veksSum_16sc_Sfs(ac, n, &c16, sf), vekStsNoErr);
            EXPECT_TRUE(c16.re == ref_scale(sre, sf, lo16, hi16) && c16.im == ref_scale(sim, sf, lo16, hi16));
            ASSERT_EQ(veksSum_32s_Sfs(w.data(), n, &r32, sf), vekStsNoErr);
            EXPECT_EQ(r32, ref_scale(s32, sf, lo32, hi32));

            ASSERT_EQ(veksDotProd_16s64s(a.data(), b.data(), n, &r64), vekStsNoErr);
            EXPECT_EQ(r64, dot);
            ASSERT_EQ(veksDotProd_16sc64sc(ac, bc, n, &c64), vekStsNoErr);
            EXPECT_TRUE(c64.re == dre && c64.im == dim);
            ASSERT_EQ(veksDotProd_16s16sc64sc(a.data(), bc, n, &c64), vekStsNoErr);
            EXPECT_TRUE(c64.re == mre && c64.im == mim);
            ASSERT_EQ(veksDotProd_16s32f(a.data(), b.data(), n, &f), vekStsNoErr);
            EXPECT_EQ(f, float(std::int64_t(dot)));
            ASSERT_EQ(veksDotProd_16sc32fc(ac, bc, n, &fc), vekStsNoErr);
            EXPECT_TRUE(fc.re == float(std::int64_t(dre)) && fc.im == float(std::int64_t(dim)));
            ASSERT_EQ(veksDotProd_16s16sc32fc(a.data(), bc, n, &fc), vekStsNoErr);
            EXPECT_TRUE(fc.re == float(std::int64_t(mre)) && fc.im == float(std::int64_t(mim)));
            const int sf16 = std::clamp(sf, -15, 31), sf32 = std::clamp(sf, -31, 31);
            ASSERT_EQ(veksDotProd_16s_Sfs(a.data(), b.data(), n, &r16, sf), vekStsNoErr);
            EXPECT_EQ(r16, ref_scale(dot, sf16, lo16, hi16));
            ASSERT_EQ(veksDotProd_16sc_Sfs(ac, bc, n, &c16, sf), vekStsNoErr);
            EXPECT_TRUE(c16.re == ref_scale(dre, sf16, lo16, hi16) && c16.im == ref_scale(dim, sf16, lo16, hi16));
            ASSERT_EQ(veksDotProd_16s16sc_Sfs(a.data(), bc, n, &c16, sf), vekStsNoErr);
            EXPECT_TRUE(c16.re == ref_scale(mre, sf16, lo16, hi16) && c16.im == ref_scale(mim, sf16, lo16, hi16));
            ASSERT_EQ(veksDotProd_16s32s_Sfs(a.data(), b.data(), n, &r32, sf), vekStsNoErr);
            EXPECT_EQ(r32, ref_scale(dot, sf32, lo32, hi32));
            ASSERT_EQ(veksDotProd_16sc32sc_Sfs(ac, bc, n, &c32, sf), vekStsNoErr);
            EXPECT_TRUE(c32.re == ref_scale(dre, sf32, lo32, hi32) && c32.im == ref_scale(dim, sf32, lo32, hi32));
            ASSERT_EQ(veksDotProd_16s16sc32sc_Sfs(a.data(), bc, n, &c32, sf), vekStsNoErr);
            EXPECT_TRUE(c32.re == ref_scale(mre, sf32, lo32, hi32) && c32.im == ref_scale(mim, sf32, lo32, hi32));
            ASSERT_EQ(veksDotProd_16s32s32s_Sfs(a.data(), w.data(), n, &r32, sf), vekStsNoErr);
            EXPECT_EQ(r32, ref_scale(d1632, sf32, lo32, hi32));
            ASSERT_EQ(veksDotProd_32s_Sfs(w.data(), w.data(), n, &r32, sf), vekStsNoErr);
            const long double want = std::nearbyint(std::ldexp(d32, -std::clamp(sf, -31, 93)));
            EXPECT_NEAR(double(r32), double(std::min<long double>(want, hi32)), std::fabs(double(want)) * 1e-13 + 0.5);
        }
}

TEST(Mean, IntegerRoundingRules) {
    struct Case { std::vector<Vek32s> v; int sf; Vek32s want; };
    for (const Case& c : std::vector<Case>{{{1, 2}, 0, 2}, {{-1, -2}, 0, -2}, {{1, 4}, 0, 2}, {{3, 4}, 1, 2}, {{3, 3}, 1, 2},
                                           {{5, 5}, -2, 20}, {{1, 2}, -1, 3}, {{1, 2}, -32, INT32_MAX}, {{-1, -2}, -40, INT32_MIN},
                                           {{0, 0}, -33, 0}, {{INT32_MAX, INT32_MAX}, -1, INT32_MAX}, {{7, 7, 7}, 40, 0}}) {
        Vek32s m;
        ASSERT_EQ(veksMean_32s_Sfs(c.v.data(), int(c.v.size()), &m, c.sf), vekStsNoErr);
        EXPECT_EQ(m, c.want) << c.v[0] << " sf " << c.sf;
    }
    vt::Rng rng(5);
    for (int n : {1, 3, 100, 9999})
        for (int sf : {-17, -1, 0, 1, 3, 16, 20}) {
            std::vector<Vek16s> a(2 * n);
            rng.fill(a.data(), a.size());
            i128 s = 0, si = 0;
            for (int i = 0; i < n; ++i) { s += a[i]; si += a[2 * i + 1]; }
            const double want = std::nearbyint(std::clamp(std::ldexp(double(s) / n, -sf), -32768.0, 32767.0));
            Vek16s m;
            Vek16sc mc;
            ASSERT_EQ(veksMean_16s_Sfs(a.data(), n, &m, sf), vekStsNoErr);
            EXPECT_EQ(m, want);
            ASSERT_EQ(veksMean_16sc_Sfs(reinterpret_cast<Vek16sc*>(a.data()), n, &mc, sf), vekStsNoErr);
            EXPECT_EQ(mc.im, std::nearbyint(std::clamp(std::ldexp(double(si) / n, -sf), -32768.0, 32767.0)));
        }
    Vek16s p[2] = {3, 2}, r;
    ASSERT_EQ(veksSum_16s_Sfs(p, 2, &r, 1), vekStsNoErr);
    EXPECT_EQ(r, 2);
    p[0] = 1;
    ASSERT_EQ(veksSum_16s_Sfs(p, 2, &r, 1), vekStsNoErr);
    EXPECT_EQ(r, 2);
}

TEST(StdDev, AgainstTwoPassLongDouble) {
    vt::Rng rng(6);
    for (int n : {2, 3, 7, 8, 9, 100, 4097}) {
        std::vector<float> f(n + 1);
        std::vector<Vek16s> s(n);
        rng.fill(f.data(), n + 1);
        rng.fill(s.data(), n);
        for (int off : {0, 1}) {
            const float* p = f.data() + off;
            long double m = 0, v = 0;
            for (int i = 0; i < n; ++i) m += p[i];
            m /= n;
            for (int i = 0; i < n; ++i) v += (p[i] - m) * (p[i] - m);
            const double dev = std::sqrt(double(v / (n - 1)));
            Vek32f sd, mean;
            ASSERT_EQ(veksStdDev_32f(p, n, &sd, vekAlgHintFast), vekStsNoErr);
            EXPECT_NEAR(sd, dev, dev * 1e-5);
            ASSERT_EQ(veksMeanStdDev_32f(p, n, &mean, &sd, vekAlgHintAccurate), vekStsNoErr);
            EXPECT_NEAR(mean, double(m), 1e-3);
            EXPECT_NEAR(sd, dev, dev * 1e-5);
            std::vector<double> d(p, p + n);
            Vek64f sdd, md;
            ASSERT_EQ(veksMeanStdDev_64f(d.data(), n, &md, &sdd), vekStsNoErr);
            EXPECT_NEAR(sdd, dev, dev * 1e-9);
            ASSERT_EQ(veksStdDev_64f(d.data(), n, &sdd), vekStsNoErr);
            EXPECT_NEAR(md, double(m), 1e-9);
        }
        long double m = 0, v = 0;
        for (int i = 0; i < n; ++i) m += s[i];
        m /= n;
        for (int i = 0; i < n; ++i) v += (s[i] - m) * (s[i] - m);
        const long double dev = std::sqrt(v / (n - 1));
        for (int sf : {-2, 0, 1, 4}) {
            Vek32s d32, m32;
            Vek16s d16, m16;
            ASSERT_EQ(veksMeanStdDev_16s32s_Sfs(s.data(), n, &m32, &d32, sf), vekStsNoErr);
            EXPECT_NEAR(d32, double(std::ldexp(dev, -sf)), 0.5 + 1e-9 * double(dev));
            EXPECT_NEAR(m32, double(std::ldexp(m, -sf)), 0.5 + 1e-9);
            ASSERT_EQ(veksStdDev_16s32s_Sfs(s.data(), n, &d32, sf), vekStsNoErr);
            ASSERT_EQ(veksMeanStdDev_16s_Sfs(s.data(), n, &m16, &d16, sf), vekStsNoErr);
            EXPECT_EQ(d16, std::min<Vek32s>(d32, 32767));
            ASSERT_EQ(veksStdDev_16s_Sfs(s.data(), n, &d16, sf), vekStsNoErr);
            EXPECT_EQ(d16, std::min<Vek32s>(d32, 32767));
        }
    }
    const float same[2] = {0.1f, 0.1f};
    Vek32f sd = -1;
    ASSERT_EQ(veksStdDev_32f(same, 2, &sd, vekAlgHintNone), vekStsNoErr);
    EXPECT_EQ(sd, 0.0f);
}

TEST(Sum, StatusesAndNothingWrittenOnError) {
    vt::Guarded<Vek32f> out(2);
    vt::Guarded<Vek16s> o16(2);
    float v[2] = {1, 2};
    Vek16s s[2] = {1, 2};
    EXPECT_EQ(veksSum_32f(nullptr, 2, out.data(), vekAlgHintNone), vekStsNullPtrErr);
    EXPECT_EQ(veksSum_32f(v, 0, out.data(), vekAlgHintNone), vekStsSizeErr);
    EXPECT_EQ(veksMean_32fc(nullptr, 0, reinterpret_cast<Vek32fc*>(out.data()), vekAlgHintNone), vekStsNullPtrErr);
    EXPECT_EQ(veksStdDev_32f(v, 1, out.data(), vekAlgHintNone), vekStsSizeErr);
    EXPECT_EQ(veksMeanStdDev_32f(v, 2, out.data(), nullptr, vekAlgHintNone), vekStsNullPtrErr);
    EXPECT_EQ(veksMeanStdDev_16s_Sfs(s, 2, nullptr, o16.data(), 0), vekStsNullPtrErr);
    EXPECT_EQ(veksStdDev_16s_Sfs(s, 1, o16.data(), 0), vekStsSizeErr);
    EXPECT_EQ(veksDotProd_32f(v, nullptr, 2, out.data()), vekStsNullPtrErr);
    EXPECT_EQ(veksDotProd_16s_Sfs(s, s, -1, o16.data(), 0), vekStsSizeErr);
    EXPECT_EQ(veksSum_32s_Sfs(nullptr, 1, reinterpret_cast<Vek32s*>(out.data()), 0), vekStsNullPtrErr);
    EXPECT_TRUE(out.untouched() && o16.untouched());
    Vek16s big[2] = {32767, 32767}, r;
    ASSERT_EQ(veksDotProd_16s_Sfs(big, big, 2, &r, 0), vekStsNoErr);
    EXPECT_EQ(r, 32767);
    ASSERT_EQ(veksDotProd_16s_Sfs(big, big, 2, &r, 16), vekStsNoErr);
    EXPECT_EQ(r, 32766);
}

}  // namespace
