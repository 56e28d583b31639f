// Magnitudes, powers, phases, polar conversions, conjugates, absolute
// values, squares and square roots: against plain scalar loops and exact
// integer formulas, over lengths across every SIMD head and tail; the
// parallel kernels with 1, 2 and 4 threads; status paths and error writes.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <limits>
#include <vector>

#include "test_util.h"

namespace {

using vt::Guarded;

template <class T>
std::vector<T> random_vec(int n, std::uint64_t seed, double scale = 100.0) {
    vt::Rng rng(seed);
    std::vector<T> v(n);
    rng.fill(v.data(), v.size(), scale);
    return v;
}

// Floating magnitude and power of interleaved and split sources equal the
// element formula in the element precision, bit for bit.
TEST(Magnitude, FloatFormsMatchScalarFormula) {
    for (int len : vt::sweep_lengths()) {
        const auto zf = random_vec<float>(2 * len + 2, len);
        const auto zd = random_vec<double>(2 * len + 2, len + 1);
        const auto* cf = reinterpret_cast<const Vek32fc*>(zf.data() + 1);  // odd alignment of the source
        const auto* cd = reinterpret_cast<const Vek64fc*>(zd.data());
        Guarded<float> mf(len + 1), pf(len + 1), sf(len), spf(len);
        Guarded<double> md(len), pd(len), sd(len), spd(len);
        ASSERT_EQ(veksMagnitude_32fc(cf, mf.data() + 1, len), vekStsNoErr);
        ASSERT_EQ(veksPowerSpectr_32fc(cf, pf.data() + 1, len), vekStsNoErr);
        ASSERT_EQ(veksMagnitude_64fc(cd, md.data(), len), vekStsNoErr);
        ASSERT_EQ(veksPowerSpectr_64fc(cd, pd.data(), len), vekStsNoErr);
        ASSERT_EQ(veksMagnitude_32f(zf.data(), zf.data() + len, sf.data(), len), vekStsNoErr);
        ASSERT_EQ(veksPowerSpectr_32f(zf.data(), zf.data() + len, spf.data(), len), vekStsNoErr);
        ASSERT_EQ(veksMagnitude_64f(zd.data(), zd.data() + len, sd.data(), len), vekStsNoErr);
        ASSERT_EQ(veksPowerSpectr_64f(zd.data(), zd.data() + len, spd.data(), len), vekStsNoErr);
        for (int i = 0; i < len; ++i) {
            const float p = cf[i].re * cf[i].re + cf[i].im * cf[i].im;
            ASSERT_EQ(pf[i + 1], p);
            ASSERT_EQ(mf[i + 1], std::sqrt(p));
            const double q = cd[i].re * cd[i].re + cd[i].im * cd[i].im;
            ASSERT_EQ(pd[i], q);
            ASSERT_EQ(md[i], std::sqrt(q));
            const float ps = zf[i] * zf[i] + zf[len + i] * zf[len + i];
            ASSERT_EQ(spf[i], ps);
            ASSERT_EQ(sf[i], std::sqrt(ps));
            const double qs = zd[i] * zd[i] + zd[len + i] * zd[len + i];
            ASSERT_EQ(spd[i], qs);
            ASSERT_EQ(sd[i], std::sqrt(qs));
        }
        ASSERT_TRUE(mf.guards_intact() && pf.guards_intact() && md.guards_intact() && sd.guards_intact());
    }
}

// 16-bit sources: single precision of the exact sum of squares; the scaled
// forms correctly rounded (checked against an exact integer root).
TEST(Magnitude, Int16FormsFromExactSums) {
    auto exact_round = [](std::uint64_t s, int sf) -> long long {  // nearest-even sqrt(s) 2^-sf, sf >= 0
        long double y = std::sqrt(static_cast<long double>(s)) / std::ldexp(1.0L, sf);
        long long r = std::llround(y);
        for (long long c : {r - 1, r, r + 1}) {
            // (2c - 1)^2 2^2sf <= 4s <= (2c + 1)^2 2^2sf decides exactly.
            const __int128 lo = (__int128(2 * c - 1) * (2 * c - 1)) << (2 * sf), hi = (__int128(2 * c + 1) * (2 * c + 1)) << (2 * sf);
            const __int128 s4 = __int128(s) * 4;
            if (c >= 0 && (c == 0 || lo <= s4) && s4 <= hi) {
                if (s4 == hi && (c & 1)) return c + 1;
                if (s4 == lo && (c & 1)) return c - 1;
                return c;
            }
        }
        return -1;
    };
    for (int len : {1, 7, 8, 9, 33, 100, 2049}) {
        auto z = random_vec<Vek16s>(2 * len, len);
        z[0] = -32768;
        if (len > 1) z[1] = -32768;
        std::vector<float> m(len), p(len), ms(len), ps(len);
        std::vector<Vek16s> q(len), qs(len), pw(len);
        const auto* c = reinterpret_cast<const Vek16sc*>(z.data());
        std::vector<Vek16s> re(len), im(len);
        for (int i = 0; i < len; ++i) re[i] = z[2 * i], im[i] = z[2 * i + 1];
        ASSERT_EQ(veksMagnitude_16sc32f(c, m.data(), len), vekStsNoErr);
        ASSERT_EQ(veksPowerSpectr_16sc32f(c, p.data(), len), vekStsNoErr);
        ASSERT_EQ(veksMagnitude_16s32f(re.data(), im.data(), ms.data(), len), vekStsNoErr);
        ASSERT_EQ(veksPowerSpectr_16s32f(re.data(), im.data(), ps.data(), len), vekStsNoErr);
        for (int i = 0; i < len; ++i) {
            const std::uint64_t s = std::uint64_t(re[i] * re[i]) + std::uint64_t(im[i] * im[i]);
            ASSERT_EQ(p[i], static_cast<float>(s));
            ASSERT_EQ(ps[i], static_cast<float>(s));
            ASSERT_EQ(m[i], std::sqrt(static_cast<float>(s)));
            ASSERT_EQ(ms[i], m[i]);
        }
        for (int sf : {-16, -15, -14, -3, 0, 1, 5, 15, 16, 17}) {
            ASSERT_EQ(veksMagnitude_16sc_Sfs(c, q.data(), len, sf), vekStsNoErr);
            ASSERT_EQ(veksMagnitude_16s_Sfs(re.data(), im.data(), qs.data(), len, sf), vekStsNoErr);
            ASSERT_EQ(veksPowerSpectr_16sc_Sfs(c, pw.data(), len, sf), vekStsNoErr);
            for (int i = 0; i < len; ++i) {
                const std::uint64_t s = std::uint64_t(re[i] * re[i]) + std::uint64_t(im[i] * im[i]);
                long long want = sf >= 0 ? exact_round(s, sf) : (s ? exact_round(s << (-2 * sf), 0) : 0);
                want = std::min(want, 32767LL);
                ASSERT_EQ(q[i], want) << s << " sf " << sf;
                ASSERT_EQ(qs[i], want);
                const std::uint64_t shifted = sf < -14 ? (s ? 32767 : 0) : sf < 0 ? s << -sf : s >> sf;
                ASSERT_EQ(pw[i], static_cast<Vek16s>(std::min<std::uint64_t>(shifted, 32767)));
            }
        }
    }
    const Vek16sc corner = {-32768, -32768}, zero = {0, 0};
    Vek16s out;
    struct { Vek16sc z; int sf; Vek16s want; } rows[] = {
        {corner, 0, 32767}, {corner, 16, 1}, {corner, 17, 0}, {corner, -15, 32767}, {zero, -15, 0}};
    for (auto& r : rows) {
        ASSERT_EQ(veksMagnitude_16sc_Sfs(&r.z, &out, 1, r.sf), vekStsNoErr);
        EXPECT_EQ(out, r.want) << r.sf;
    }
    const Vek16s three = 3, four = 4;
    ASSERT_EQ(veksPowerSpectr_16s_Sfs(&three, &four, &out, 1, 1), vekStsNoErr);
    EXPECT_EQ(out, 12);
}

TEST(Magnitude, WideIntegerForms) {
    const Vek32sc z[] = {{INT32_MIN, INT32_MIN}, {3, 4}, {INT32_MAX, 0}, {46341, 46341}, {0, 0}};
    Vek32s m[5], q[5];
    ASSERT_EQ(veksMagnitude_32sc_Sfs(z, m, 5, 0), vekStsNoErr);
    EXPECT_EQ(m[0], INT32_MAX);
    EXPECT_EQ(m[1], 5);
    EXPECT_EQ(m[2], INT32_MAX);
    EXPECT_EQ(m[3], 65536);  // sqrt(2 * 46341^2) = 65536.39
    ASSERT_EQ(veksMagnitude_32sc_Sfs(z, m, 5, 2), vekStsNoErr);
    EXPECT_EQ(m[0], 759250125);  // 2^31.5 / 4 = 759250124.99
    ASSERT_EQ(veksMagSquared_32sc32s_Sfs(z, q, 5, 1), vekStsNoErr);
    EXPECT_EQ(q[0], INT32_MAX);
    EXPECT_EQ(q[1], 12);  // 25 / 2 = 12.5 -> 12 (ties to even)
    ASSERT_EQ(veksMagSquared_32sc32s_Sfs(z, q, 5, 33), vekStsNoErr);
    EXPECT_EQ(q[0], 1 << 30);  // 2^63 / 2^33
    const Vek32fc f = {3e20f, 4e20f};
    double d;
    ASSERT_EQ(veksMagSquared_32fc64f(&f, &d, 1), vekStsNoErr);
    EXPECT_EQ(d, double(3e20f) * double(3e20f) + double(4e20f) * double(4e20f));
}

TEST(Phase, IntegerAndSpecialValues) {
    const Vek32fc z[] = {{-1, 0}, {0, 0}, {0, 1}, {-0.0f, -0.0f}, {1, 1}};
    float p[5];
    ASSERT_EQ(veksPhase_32fc(z, p, 5), vekStsNoErr);
    EXPECT_EQ(p[0], static_cast<float>(M_PI));
    EXPECT_EQ(p[1], 0.0f);
    EXPECT_EQ(p[2], static_cast<float>(M_PI / 2));
    EXPECT_EQ(p[3], -static_cast<float>(M_PI));
    EXPECT_EQ(p[4], static_cast<float>(M_PI / 4));
    auto z16 = random_vec<Vek16s>(2 * 300, 3);
    std::vector<Vek16s> re(300), im(300), a(300), b(300);
    std::vector<Vek32s> c(300);
    std::vector<Vek32sc> z32(300);
    std::vector<float> f(300);
    for (int i = 0; i < 300; ++i) {
        re[i] = z16[2 * i], im[i] = z16[2 * i + 1];
        z32[i] = {re[i] * 65535 + i, im[i] * 65535 - i};
    }
    const auto* zc = reinterpret_cast<const Vek16sc*>(z16.data());
    ASSERT_EQ(veksPhase_16sc32f(zc, f.data(), 300), vekStsNoErr);
    for (int i = 0; i < 300; ++i) {  // within one float ulp of the exact phase
        const double want = std::atan2(double(im[i]), double(re[i]));
        ASSERT_LE(std::fabs(f[i] - want), std::ldexp(1.0, std::ilogb(want) - 23)) << i;
    }
    for (int sf : {-14, -13, -1, 0, 2, 40}) {
        ASSERT_EQ(veksPhase_16sc_Sfs(zc, a.data(), 300, sf), vekStsNoErr);
        ASSERT_EQ(veksPhase_16s_Sfs(re.data(), im.data(), b.data(), 300, sf), vekStsNoErr);
        ASSERT_EQ(veksPhase_32sc_Sfs(z32.data(), c.data(), 300, sf - 16), vekStsNoErr);
        for (int i = 0; i < 300; ++i) {
            const double v = std::nearbyint(std::ldexp(std::atan2(double(im[i]), double(re[i])), -sf));
            ASSERT_EQ(a[i], std::clamp(v, -32768.0, 32767.0)) << sf;
            ASSERT_EQ(b[i], a[i]);
            const double w = std::nearbyint(std::ldexp(std::atan2(double(z32[i].im), double(z32[i].re)), 16 - sf));
            ASSERT_EQ(c[i], std::clamp(w, -2147483648.0, 2147483647.0));
        }
    }
}

TEST(Polar, CompositesAndConversions) {
    const int len = 37;
    auto z = random_vec<float>(2 * len, 4);
    std::vector<float> m(len), p(len), m2(len), p2(len);
    const auto* c = reinterpret_cast<const Vek32fc*>(z.data());
    ASSERT_EQ(veksCartToPolar_32fc(c, m.data(), p.data(), len), vekStsNoErr);
    veksMagnitude_32fc(c, m2.data(), len);
    veksPhase_32fc(c, p2.data(), len);
    EXPECT_TRUE(vt::same_bits(m.data(), m2.data(), len) && vt::same_bits(p.data(), p2.data(), len));
    // A null phase pointer fails after the magnitudes are written.
    std::vector<float> m3(len, -1.0f);
    EXPECT_EQ(veksCartToPolar_32fc(c, m3.data(), nullptr, len), vekStsNullPtrErr);
    EXPECT_TRUE(vt::same_bits(m.data(), m3.data(), len));
    // Polar back to Cartesian within a few ulps of the source.
    std::vector<Vek32fc> back(len);
    ASSERT_EQ(veksPolarToCart_32fc(m.data(), p.data(), back.data(), len), vekStsNoErr);
    for (int i = 0; i < len; ++i) {
        EXPECT_NEAR(back[i].re, c[i].re, 4e-6 * m[i]);
        EXPECT_NEAR(back[i].im, c[i].im, 4e-6 * m[i]);
    }
    const Vek16s mag[] = {1000, -3, 32767}, ph[] = {8192, 16384, 0};  // Q13 phases: 1, 2, 0 rad
    Vek16sc out[3];
    ASSERT_EQ(veksPolarToCart_16sc(mag, ph, 13, out, 3), vekStsNoErr);
    EXPECT_EQ(out[0].re, 540);  // 540.30
    EXPECT_EQ(out[0].im, 841);  // 841.47
    EXPECT_EQ(out[1].re, 1);    // 1.248
    EXPECT_EQ(out[2].re, 32767);
    EXPECT_EQ(veksPolarToCart_16sc(mag, ph, 16, out, 3), vekStsSizeErr);
    EXPECT_EQ(veksPolarToCart_16sc(mag, ph, -1, out, 3), vekStsSizeErr);
    const Vek32s mag32[] = {1 << 20}, ph32[] = {1 << 29};  // 0.5 rad in Q30
    Vek32sc o32;
    ASSERT_EQ(veksPolarToCart_32sc(mag32, ph32, 30, &o32, 1), vekStsNoErr);
    EXPECT_EQ(o32.re, std::lround((1 << 20) * std::cos(0.5)));
    EXPECT_EQ(veksPolarToCart_32sc(mag32, ph32, 32, &o32, 1), vekStsSizeErr);
    // Scaled form: m = 5 * 2^1, p = pi/2 in Q14 (25736 * 2^-14): half away from zero.
    const Vek16s ms[] = {5, 3}, pq[] = {25736, 0};
    ASSERT_EQ(veksPolarToCart_16sc_Sfs(ms, pq, out, 2, -1, 14), vekStsNoErr);
    EXPECT_EQ(out[0].re, 0);
    EXPECT_EQ(out[0].im, 10);
    EXPECT_EQ(out[1].re, 6);
    const Vek16s odd[] = {5};
    ASSERT_EQ(veksPolarToCart_16sc_Sfs(odd, pq + 1, out, 1, 1, 0), vekStsNoErr);
    EXPECT_EQ(out[0].re, 3);  // 2.5 rounds away from zero
}

TEST(Conj, SaturatesAndFlips) {
    for (int len : vt::sweep_lengths(40)) {
        auto s16 = random_vec<Vek16s>(2 * len, len);
        s16[1] = -32768;
        const auto* c16 = reinterpret_cast<const Vek16sc*>(s16.data());
        auto sf = random_vec<float>(2 * len, len);
        const auto* cf = reinterpret_cast<const Vek32fc*>(sf.data());
        auto sd = random_vec<double>(2 * len, len);
        const auto* cd = reinterpret_cast<const Vek64fc*>(sd.data());
        Guarded<Vek16sc> d16(len), f16(len);
        Guarded<Vek32fc> df(len + 1), ff(len);
        Guarded<Vek64fc> dd(len), fd(len);
        ASSERT_EQ(veksConj_16sc(c16, d16.data(), len), vekStsNoErr);
        ASSERT_EQ(veksConj_32fc(cf, df.data() + 1, len), vekStsNoErr);
        ASSERT_EQ(veksConj_64fc(cd, dd.data(), len), vekStsNoErr);
        ASSERT_EQ(veksConjFlip_16sc(c16, f16.data(), len), vekStsNoErr);
        ASSERT_EQ(veksConjFlip_32fc(cf, ff.data(), len), vekStsNoErr);
        ASSERT_EQ(veksConjFlip_64fc(cd, fd.data(), len), vekStsNoErr);
        for (int i = 0; i < len; ++i) {
            const int j = len - 1 - i;
            const Vek16s n = c16[i].im == -32768 ? 32767 : Vek16s(-c16[i].im);
            ASSERT_TRUE(d16[i].re == c16[i].re && d16[i].im == n);
            ASSERT_TRUE(df[i + 1].re == cf[i].re && df[i + 1].im == -cf[i].im);
            ASSERT_TRUE(dd[i].re == cd[i].re && dd[i].im == -cd[i].im);
            ASSERT_TRUE(f16[j].re == c16[i].re && f16[j].im == n);
            ASSERT_TRUE(ff[j].re == cf[i].re && ff[j].im == -cf[i].im);
            ASSERT_TRUE(fd[j].re == cd[i].re && fd[j].im == -cd[i].im);
        }
        ASSERT_TRUE(d16.guards_intact() && df.guards_intact() && f16.guards_intact());
        std::vector<Vek32fc> in(cf, cf + len);
        ASSERT_EQ(veksConj_32fc_I(in.data(), len), vekStsNoErr);
        ASSERT_TRUE(vt::same_bits(in.data(), df.data() + 1, len));
    }
}

TEST(AbsSqrSqrt, MatchScalarLoops) {
    for (int len : vt::sweep_lengths()) {
        auto a16 = random_vec<Vek16s>(len, len);
        a16[0] = -32768;
        auto a32 = random_vec<Vek32s>(len, len);
        a32[len - 1] = INT32_MIN;
        auto f = random_vec<float>(len, len);
        auto d = random_vec<double>(len, len);
        std::vector<Vek16s> b16(len);
        std::vector<Vek32s> b32(len);
        std::vector<float> g(len), sq(len), rt(len);
        std::vector<double> e(len), sqd(len);
        ASSERT_EQ(veksAbs_16s(a16.data(), b16.data(), len), vekStsNoErr);
        ASSERT_EQ(veksAbs_32s(a32.data(), b32.data(), len), vekStsNoErr);
        ASSERT_EQ(veksAbs_32f(f.data(), g.data(), len), vekStsNoErr);
        ASSERT_EQ(veksAbs_64f(d.data(), e.data(), len), vekStsNoErr);
        ASSERT_EQ(veksSqr_32f(f.data(), sq.data(), len), vekStsNoErr);
        ASSERT_EQ(veksSqr_64f(d.data(), sqd.data(), len), vekStsNoErr);
        const bool any_neg = std::any_of(f.begin(), f.end(), [](float v) { return v < 0; });
        ASSERT_EQ(veksSqrt_32f(f.data(), rt.data(), len), any_neg ? vekStsSqrtNegArg : vekStsNoErr);
        for (int i = 0; i < len; ++i) {
            ASSERT_EQ(b16[i], a16[i] == -32768 ? 32767 : std::abs(a16[i]));
            ASSERT_EQ(b32[i], a32[i] == INT32_MIN ? INT32_MAX : std::abs(a32[i]));
            ASSERT_EQ(g[i], std::fabs(f[i]));
            ASSERT_EQ(e[i], std::fabs(d[i]));
            ASSERT_EQ(sq[i], f[i] * f[i]);
            ASSERT_EQ(sqd[i], d[i] * d[i]);
            const float r = std::sqrt(f[i]);
            ASSERT_TRUE(vt::same_bits(&rt[i], &r, 1));
        }
    }
    const Vek32fc z[] = {{1, 2}, {-4, 0}, {0, 0}, {3, -4}};
    Vek32fc w[4], r[4];
    ASSERT_EQ(veksSqr_32fc(z, w, 4), vekStsNoErr);
    EXPECT_TRUE(w[0].re == -3 && w[0].im == 4);
    ASSERT_EQ(veksSqrt_32fc(z, r, 4), vekStsNoErr);
    EXPECT_TRUE(r[1].re == 0 && r[1].im == 2);
    EXPECT_TRUE(r[3].re == 2 && r[3].im == -1);
    const float minus_zero = -0.0f;
    float out;
    EXPECT_EQ(veksSqrt_32f(&minus_zero, &out, 1), vekStsNoErr);  // -0 is not negative
}

// Parallel kernels give the same bits and statuses for 1, 2 and 4 threads,
// including a warning met only in the second thread's piece.
// One negative element at any position (head, either register of an
// unrolled step, tail, the second thread's piece) raises the warning; none
// raises nothing, and the other roots are unaffected.
template <class T>
void check_one_negative(VekStatus (*root)(const T*, T*, int)) {
    for (int len : {1, 7, 8, 15, 16, 17, 33, 100, 5000}) {
        std::vector<T> x(len + 1), y(len + 1);
        for (int i = 0; i <= len; ++i) x[i] = T(1 + i % 9);
        for (int off : {0, 1}) {
            ASSERT_EQ(root(x.data() + off, y.data(), len), vekStsNoErr) << len;
            std::vector<int> at;
            for (int p = 0; p < len && p < 40; ++p) at.push_back(p);
            at.push_back(len / 2), at.push_back(len - 1);
            for (int p : at) {
                x[off + p] = T(-2);
                ASSERT_EQ(root(x.data() + off, y.data(), len), vekStsSqrtNegArg) << len << " at " << p;
                ASSERT_TRUE(std::isnan(y[p]));
                if (len > 1) ASSERT_EQ(y[p == 0 ? 1 : 0], std::sqrt(x[off + (p == 0 ? 1 : 0)]));
                x[off + p] = T(1 + (off + p) % 9);
            }
        }
    }
}

TEST(AbsSqrSqrt, OneNegativeElementAnywhere) {
    check_one_negative<float>(veksSqrt_32f);
    check_one_negative<double>(veksSqrt_64f);
}

TEST(Parallel, ThreadCountsGiveIdenticalResults) {
    const int len = 10001;
    auto f = random_vec<float>(2 * len, 21);
    for (auto& v : f) v = std::fabs(v);
    f[len - 5] = -1.0f;  // the second piece of Sqrt_32f
    auto d = random_vec<double>(2 * len, 22);
    auto s16 = random_vec<Vek16s>(2 * len, 23);
    for (int i = 0; i < len; ++i) s16[i] = static_cast<Vek16s>(std::abs(s16[i] / 2));
    s16[len - 3] = -7;
    auto s64 = random_vec<Vek64s>(len, 24);
    for (auto& v : s64) v = v < 0 ? -(v / 2) : v;
    using Run = std::function<std::vector<unsigned char>(VekStatus&)>;
    auto bytes = [](const void* p, std::size_t n) {
        const auto* b = static_cast<const unsigned char*>(p);
        return std::vector<unsigned char>(b, b + n);
    };
    const Run runs[] = {
        [&](VekStatus& st) { std::vector<float> y(len); st = veksSqrt_32f(f.data(), y.data(), len); return bytes(y.data(), 4 * len); },
        [&](VekStatus& st) { std::vector<double> y(len); st = veksSqrt_64f(d.data(), y.data(), len); return bytes(y.data(), 8 * len); },
        [&](VekStatus& st) { std::vector<Vek16s> y(len); st = veksSqrt_16s_Sfs(s16.data(), y.data(), len, -3); return bytes(y.data(), 2 * len); },
        [&](VekStatus& st) { std::vector<Vek64s> y(len); st = veksSqrt_64s_Sfs(s64.data(), y.data(), len, 1); return bytes(y.data(), 8 * len); },
        [&](VekStatus& st) { std::vector<Vek32fc> y(len); st = veksSqrt_32fc(reinterpret_cast<const Vek32fc*>(f.data()), y.data(), len); return bytes(y.data(), 8 * len); },
        [&](VekStatus& st) { std::vector<Vek64fc> y(len); st = veksSqrt_64fc(reinterpret_cast<const Vek64fc*>(d.data()), y.data(), len); return bytes(y.data(), 16 * len); },
        [&](VekStatus& st) { std::vector<Vek16sc> y(len); st = veksSqrt_16sc_Sfs(reinterpret_cast<const Vek16sc*>(s16.data()), y.data(), len, 0); return bytes(y.data(), 4 * len); },
        [&](VekStatus& st) { std::vector<float> y(len); st = veksMagnitude_32fc(reinterpret_cast<const Vek32fc*>(f.data()), y.data(), len); return bytes(y.data(), 4 * len); },
        [&](VekStatus& st) { std::vector<float> y(len); st = veksMagnitude_32f(f.data(), f.data() + len, y.data(), len); return bytes(y.data(), 4 * len); },
        [&](VekStatus& st) { std::vector<double> y(len); st = veksMagnitude_64fc(reinterpret_cast<const Vek64fc*>(d.data()), y.data(), len); return bytes(y.data(), 8 * len); },
        [&](VekStatus& st) { std::vector<double> y(len); st = veksMagnitude_64f(d.data(), d.data() + len, y.data(), len); return bytes(y.data(), 8 * len); },
        [&](VekStatus& st) { std::vector<float> y(len); st = veksMagnitude_16sc32f(reinterpret_cast<const Vek16sc*>(s16.data()), y.data(), len); return bytes(y.data(), 4 * len); },
        [&](VekStatus& st) { std::vector<float> y(len); st = veksMagnitude_16s32f(s16.data(), s16.data() + len, y.data(), len); return bytes(y.data(), 4 * len); },
        [&](VekStatus& st) { std::vector<Vek16s> y(len); st = veksMagnitude_16sc_Sfs(reinterpret_cast<const Vek16sc*>(s16.data()), y.data(), len, 1); return bytes(y.data(), 2 * len); },
        [&](VekStatus& st) { std::vector<Vek16s> y(len); st = veksMagnitude_16s_Sfs(s16.data(), s16.data() + len, y.data(), len, 1); return bytes(y.data(), 2 * len); },
        [&](VekStatus& st) { std::vector<Vek32s> y(len / 2); st = veksMagnitude_32sc_Sfs(reinterpret_cast<const Vek32sc*>(s64.data()), y.data(), len / 2, 3); return bytes(y.data(), 4 * (len / 2)); },
    };
    int k = 0;
    for (const auto& run : runs) {
        VekStatus st1, st;
        std::vector<unsigned char> one;
        {
            vt::Threads t(1);
            one = run(st1);
        }
        for (int n : vt::thread_counts()) {
            vt::Threads t(n);
            EXPECT_EQ(run(st), one) << "case " << k << " threads " << n;
            EXPECT_EQ(st, st1) << "case " << k;
        }
        ++k;
    }
    vt::Threads two(2);
    std::vector<float> y(len);
    EXPECT_EQ(veksSqrt_32f(f.data(), y.data(), len), vekStsSqrtNegArg);
}

// Errors are reported in the fixed order and write nothing.
TEST(Errors, NullAndLengthLeaveDestinationUntouched) {
    Guarded<float> dst(16);
    Guarded<Vek16s> d16(16);
    const float src[16] = {1};
    const Vek16s s16[32] = {1};
    const auto* c16 = reinterpret_cast<const Vek16sc*>(s16);
    const auto* cf = reinterpret_cast<const Vek32fc*>(src);
    using Call = std::function<VekStatus(const void* src, int len)>;
    const Call calls[] = {
        [&](const void* s, int n) { return veksSqrt_32f(static_cast<const float*>(s), dst.data(), n); },
        [&](const void* s, int n) { return veksExp_32f(static_cast<const float*>(s), dst.data(), n); },
        [&](const void* s, int n) { return veksLn_32f(static_cast<const float*>(s), dst.data(), n); },
        [&](const void* s, int n) { return veksArctan_32f(static_cast<const float*>(s), dst.data(), n); },
        [&](const void* s, int n) { return veksAbs_32f(static_cast<const float*>(s), dst.data(), n); },
        [&](const void* s, int n) { return veksCubrt_32f(static_cast<const float*>(s), dst.data(), n); },
        [&](const void* s, int n) { return veksSumLn_32f(static_cast<const float*>(s), n, dst.data()); },
        [&](const void* s, int n) { return veksMagnitude_32fc(static_cast<const Vek32fc*>(s), dst.data(), n); },
        [&](const void* s, int n) { return veksPhase_32fc(static_cast<const Vek32fc*>(s), dst.data(), n); },
        [&](const void* s, int n) { return veksPowerSpectr_32fc(static_cast<const Vek32fc*>(s), dst.data(), n); },
        [&](const void* s, int n) { return veksMagnitude_32f(static_cast<const float*>(s), src, dst.data(), n); },
        [&](const void* s, int n) { return veksPhase_32f(src, static_cast<const float*>(s), dst.data(), n); },
        [&](const void* s, int n) { return veksSqrt_16s_Sfs(static_cast<const Vek16s*>(s), d16.data(), n, 0); },
        [&](const void* s, int n) { return veksSqr_16s_Sfs(static_cast<const Vek16s*>(s), d16.data(), n, 0); },
        [&](const void* s, int n) { return veksLn_16s_Sfs(static_cast<const Vek16s*>(s), d16.data(), n, 0); },
        [&](const void* s, int n) { return veksExp_16s_Sfs(static_cast<const Vek16s*>(s), d16.data(), n, 0); },
        [&](const void* s, int n) { return veksMagnitude_16sc_Sfs(static_cast<const Vek16sc*>(s), d16.data(), n, 0); },
        [&](const void* s, int n) { return veksPhase_16sc_Sfs(static_cast<const Vek16sc*>(s), d16.data(), n, 0); },
        [&](const void* s, int n) { return veksPowerSpectr_16s_Sfs(static_cast<const Vek16s*>(s), s16, d16.data(), n, 0); },
        [&](const void* s, int n) { return veksPolarToCart_16sc(static_cast<const Vek16s*>(s), s16, 99, reinterpret_cast<Vek16sc*>(d16.data()), n); },
        [&](const void* s, int n) { return veksConj_16sc(static_cast<const Vek16sc*>(s), reinterpret_cast<Vek16sc*>(d16.data()), n); },
        [&](const void* s, int n) { return veksConjFlip_32fc(static_cast<const Vek32fc*>(s), reinterpret_cast<Vek32fc*>(dst.data()), n / 2); },
        [&](const void* s, int n) { return veksCartToPolar_16sc_Sfs(static_cast<const Vek16sc*>(s), d16.data(), d16.data() + 8, n, 0, 0); },
    };
    (void)c16;
    (void)cf;
    int k = 0;
    for (const auto& call : calls) {
        EXPECT_EQ(call(nullptr, 4), vekStsNullPtrErr) << k;
        EXPECT_EQ(call(nullptr, 0), vekStsNullPtrErr) << k;  // pointers come first
        EXPECT_EQ(call(s16, 0), vekStsSizeErr) << k;
        EXPECT_EQ(call(s16, -1), vekStsSizeErr) << k;
        EXPECT_TRUE(dst.untouched() && d16.untouched()) << k;
        ++k;
    }
    EXPECT_EQ(veksMagnitude_32f(src, nullptr, dst.data(), 4), vekStsNullPtrErr);
    EXPECT_EQ(veksPolarToCart_16sc(s16, s16, 16, reinterpret_cast<Vek16sc*>(d16.data()), 4), vekStsSizeErr);
    EXPECT_TRUE(dst.untouched() && d16.untouched());
}

}  // namespace
