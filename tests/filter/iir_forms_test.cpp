// The remaining IIR forms: direct form I biquads, 32s taps with their
// factor, multichannel calls, the stateless 16-bit filters against their
// integer recursion, and the sparse filter against a long double sum.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "test_util.h"

namespace {

using ld = long double;

std::vector<Vek64f> biquads(int nbq, vt::Rng& rng) {
    std::vector<Vek64f> t;
    for (int q = 0; q < nbq; ++q) {
        const double a0 = 2.0 + rng.next<double>(0.5);
        t.insert(t.end(), {1.0 + rng.next<double>(0.5), rng.next<double>(1.0), rng.next<double>(1.0), a0,
                           rng.next<double>(0.45) * a0, rng.next<double>(0.4) * a0});
    }
    return t;
}

// Direct form I in long double, history x1 x2 y1 y2 per section.
ld df1_step(const std::vector<Vek64f>& t, std::vector<ld>& h, ld x) {
    for (size_t q = 0; q < t.size() / 6; ++q) {
        const Vek64f* s = &t[6 * q];
        ld* e = &h[4 * q];
        const ld y = (s[0] * x + s[1] * e[0] + s[2] * e[1] - s[4] * e[2] - s[5] * e[3]) / s[3];
        e[1] = e[0], e[0] = x, e[3] = e[2], e[2] = y;
        x = y;
    }
    return x;
}

TEST(IirForms, DirectFormOneBiquads) {
    vt::Rng rng(31);
    const int nbq = 3, len = 2500;
    const auto t64 = biquads(nbq, rng);
    std::vector<Vek32f> t32(t64.begin(), t64.end());
    std::vector<Vek64f> t32w(t32.begin(), t32.end());
    VekIIRState_32f* s32 = nullptr;
    VekIIRState64f_32s* s64 = nullptr;
    ASSERT_EQ(veksIIRInitAlloc_BiQuad_DF1_32f(&s32, t32.data(), nbq, nullptr), 0);
    int bytes = 0;
    ASSERT_EQ(veksIIRGetStateSize64f_BiQuad_DF1_32s(nbq, &bytes), 0);
    std::vector<Vek8u> buf(bytes);
    ASSERT_EQ(veksIIRInit64f_BiQuad_DF1_32s(&s64, t64.data(), nbq, nullptr, buf.data()), 0);
    std::vector<Vek32f> x(len), y(len);
    std::vector<Vek32s> xi(len), yi(len);
    for (int i = 0; i < len; ++i) xi[i] = Vek32s(rng.next<double>(1e6)), x[i] = float(xi[i]) * 1e-6f;
    std::vector<ld> h32(4 * nbq), h64(4 * nbq);
    for (int off = 0; off < len;) {
        const int n = std::min(len - off, 1 + int(rng.raw() % 1300));
        ASSERT_EQ(veksIIR_32f(x.data() + off, y.data() + off, n, s32), 0);
        ASSERT_EQ(veksIIR64f_32s_Sfs(xi.data() + off, yi.data() + off, n, s64, 1), 0);
        off += n;
    }
    for (int i = 0; i < len; ++i) {
        ASSERT_NEAR(y[i], double(df1_step(t32w, h32, x[i])), 2e-5) << i;
        ASSERT_LE(std::fabs(yi[i] - std::nearbyint(df1_step(t64, h64, xi[i]) / 2)), 1) << i;
    }
    std::vector<Vek64f> h(4 * nbq);
    ASSERT_EQ(veksIIRGetDlyLine64f_DF1_32s(s64, h.data()), 0);
    for (int i = 0; i < 4 * nbq; ++i) EXPECT_NEAR(h[i], double(h64[i]), 1e-6 * (1 + std::fabs(double(h64[i]))));
    // The one-sample call refuses direct form I states.
    Vek32f out = 0;
    EXPECT_EQ(veksIIROne_32f(1.0f, &out, s32), vekStsContextMatchErr);
    EXPECT_EQ(veksIIRFree_32f(s32), 0);
}

TEST(IirForms, IntegerTapsWithFactorAndChannels) {
    vt::Rng rng(5);
    // 32s taps with tapsFactor 12 are the float taps tap / 4096.
    const std::vector<Vek32s> ti{4096, 2048, -1024, 8192, -4096, 1000};
    std::vector<Vek32f> tf;
    for (Vek32s v : ti) tf.push_back(float(v) / 4096.0f);
    VekIIRState32s_16s *a = nullptr, *b = nullptr;
    ASSERT_EQ(veksIIRInitAlloc32s_BiQuad_16s(&a, ti.data(), 1, 12, nullptr), 0);
    ASSERT_EQ(veksIIRInitAlloc32s_BiQuad_16s32f(&b, tf.data(), 1, nullptr), 0);
    std::vector<Vek16s> x(500), ya(500), yb(500);
    for (auto& v : x) v = Vek16s(rng.raw() % 20000 - 10000);
    ASSERT_EQ(veksIIR32s_16s_Sfs(x.data(), ya.data(), 500, a, 0), 0);
    ASSERT_EQ(veksIIR32s_16s_Sfs(x.data(), yb.data(), 500, b, 0), 0);
    EXPECT_EQ(ya, yb);
    EXPECT_EQ(veksIIRSetTaps32s_16s(ti.data(), a, 12), 0);
    veksIIRFree32s_16s(a);
    veksIIRFree32s_16s(b);

    // Order 1, B = (1, 0), A = (1, -0.5): y[n] = x[n] + 0.5 y[n-1].
    const Vek32f t1[] = {1, 0, 1, -0.5f};
    VekIIRState_32f* s1 = nullptr;
    ASSERT_EQ(veksIIRInitAlloc_32f(&s1, t1, 1, nullptr), 0);
    std::vector<Vek32f> imp(6, 0), r(6);
    imp[0] = 1;
    ASSERT_EQ(veksIIR_32f(imp.data(), r.data(), 6, s1), 0);
    EXPECT_EQ(r, (std::vector<Vek32f>{1, 0.5f, 0.25f, 0.125f, 0.0625f, 0.03125f}));
    veksIIRFree_32f(s1);

    // Every channel of the multichannel call equals a single-channel call.
    const int ch = 3, len = 777;
    const auto t = biquads(2, rng);
    std::vector<Vek32f> t32(t.begin(), t.end());
    std::vector<VekIIRState_32f*> st(ch), ref(ch);
    std::vector<std::vector<Vek32f>> in(ch, std::vector<Vek32f>(len)), out(ch, std::vector<Vek32f>(len)), want = out;
    std::vector<const Vek32f*> ps(ch);
    std::vector<Vek32f*> pd(ch);
    for (int c = 0; c < ch; ++c) {
        ASSERT_EQ(veksIIRInitAlloc_BiQuad_32f(&st[c], t32.data(), 2, nullptr), 0);
        ASSERT_EQ(c == 1 ? veksIIRInitAlloc_BiQuad_DF1_32f(&ref[c], t32.data(), 2, nullptr)
                         : veksIIRInitAlloc_BiQuad_32f(&ref[c], t32.data(), 2, nullptr), 0);
        if (c == 1) {  // a direct-form-I channel
            veksIIRFree_32f(st[c]);
            veksIIRInitAlloc_BiQuad_DF1_32f(&st[c], t32.data(), 2, nullptr);
        }
        rng.fill(in[c].data(), len, 1.0);
        ps[c] = in[c].data();
        pd[c] = out[c].data();
        ASSERT_EQ(veksIIR_32f(in[c].data(), want[c].data(), len, ref[c]), 0);
    }
    ASSERT_EQ(veksIIR_32f_P(ps.data(), pd.data(), len, ch, st.data()), 0);
    for (int c = 0; c < ch; ++c) EXPECT_TRUE(vt::same_bits(out[c].data(), want[c].data(), len)) << c;
    EXPECT_EQ(veksIIR_32f_P(ps.data(), pd.data(), len, 0, st.data()), vekStsChannelErr);
    EXPECT_EQ(veksIIR_32f_IP(nullptr, len, ch, st.data()), vekStsNullPtrErr);
    EXPECT_EQ(veksIIR_32f_P(ps.data(), pd.data(), 0, ch, st.data()), vekStsSizeErr);
    for (int c = 0; c < ch; ++c) veksIIRFree_32f(st[c]), veksIIRFree_32f(ref[c]);
}

// The integer recursion of the stateless forms, written from its rule.
std::int64_t shr_even(std::int64_t acc, int s) {
    if (s == 0) return acc;
    const std::int64_t q = acc >> s, rem = acc - q * (std::int64_t(1) << s), half = std::int64_t(1) << (s - 1);
    return rem > half || (rem == half && (q & 1)) ? q + 1 : q;
}
std::int16_t sat16(std::int64_t v) { return Vek16s(std::max<std::int64_t>(-32768, std::min<std::int64_t>(32767, v))); }

TEST(IirForms, StatelessSixteenBit) {
    vt::Rng rng(9);
    const int order = 3, s = 12;
    const std::vector<Vek16s> t{1200, -800, 600, 300, Vek16s(s), -1500, 700, -200};
    std::vector<Vek32s> d(order, 0), d2(order, 0);
    std::vector<std::int64_t> dm(order, 0);
    std::vector<Vek16s> x(1500), y(1500), yb(1500);
    for (auto& v : x) v = Vek16s(rng.raw() % 30000 - 15000);
    for (int n = 0; n < 1500; ++n) {
        ASSERT_EQ(veksIIROne_Direct_16s(x[n], &y[n], t.data(), order, d.data()), 0);
        const std::int64_t yy = shr_even(std::int32_t(t[0] * x[n] + dm[0]), s);
        for (int i = 0; i < order; ++i)
            dm[i] = std::int32_t(t[i + 1] * x[n] - t[order + 2 + i] * yy + (i + 1 < order ? dm[i + 1] : 0));
        ASSERT_EQ(y[n], sat16(yy)) << n;
    }
    for (int i = 0; i < order; ++i) EXPECT_EQ(d[i], dm[i]);
    // The block form agrees within rounding and leaves a close history.
    ASSERT_EQ(veksIIR_Direct_16s(x.data(), yb.data(), 1500, t.data(), order, d2.data()), 0);
    for (int n = 0; n < 1500; ++n) ASSERT_LE(std::abs(yb[n] - y[n]), 2) << n;
    // The integer recursion rounds y every step: the histories differ by
    // about one output step times the taps.
    for (int i = 0; i < order; ++i) EXPECT_LE(std::abs(d2[i] - d[i]), 4096) << i;

    const std::vector<Vek16s> bq{2000, 1000, -500, 11, -900, 300, 1500, -700, 200, 10, 600, -250};
    std::vector<Vek32s> e(4, 0), e2(4, 0);
    std::vector<std::int64_t> em(4, 0);
    for (int n = 0; n < 1500; ++n) {
        ASSERT_EQ(veksIIROne_BiQuadDirect_16s(x[n], &y[n], bq.data(), 2, e.data()), 0);
        std::int64_t v = x[n];
        for (int q = 0; q < 2; ++q) {
            const Vek16s* k = &bq[6 * q];
            const std::int64_t yy = shr_even(std::int32_t(k[0] * v + em[2 * q]), k[3]);
            em[2 * q] = std::int32_t(k[1] * v + em[2 * q + 1] - k[4] * yy);
            em[2 * q + 1] = std::int32_t(k[2] * v - k[5] * yy);
            v = yy;
        }
        ASSERT_EQ(y[n], sat16(v)) << n;
    }
    ASSERT_EQ(veksIIR_BiQuadDirect_16s(x.data(), yb.data(), 1500, bq.data(), 2, e2.data()), 0);
    for (int n = 0; n < 1500; ++n) ASSERT_LE(std::abs(yb[n] - y[n]), 2) << n;

    auto neg = t;
    neg[order + 1] = -1;
    vt::Guarded<Vek16s> g(4);
    EXPECT_EQ(veksIIR_Direct_16s(x.data(), g.data(), 0, neg.data(), order, d.data()), vekStsScaleRangeErr);
    EXPECT_EQ(veksIIR_Direct_16s(x.data(), g.data(), 0, t.data(), order, d.data()), vekStsSizeErr);
    EXPECT_EQ(veksIIR_Direct_16s(x.data(), g.data(), 4, t.data(), 0, d.data()), vekStsIIROrderErr);
    EXPECT_EQ(veksIIROne_Direct_16s(1, nullptr, t.data(), order, d.data()), vekStsNullPtrErr);
    EXPECT_EQ(veksIIR_BiQuadDirect_16s(x.data(), g.data(), 4, bq.data(), 0, e.data()), vekStsIIROrderErr);
    EXPECT_TRUE(g.untouched());
}

TEST(IirForms, SparseAgainstSum) {
    vt::Rng rng(17);
    const std::vector<Vek32f> taps{0.5f, -0.25f, 0.125f, 0.3f, -0.2f};
    const std::vector<Vek32s> pos{0, 3, 10, 2, 7};  // p = 0 3 10, q = 2 7
    int bytes = 0;
    ASSERT_EQ(veksIIRSparseGetStateSize_32f(3, 2, 10, 7, &bytes), 0);
    std::vector<Vek8u> buf(bytes);
    VekIIRSparseState_32f* st = nullptr;
    ASSERT_EQ(veksIIRSparseInit_32f(&st, taps.data(), pos.data(), 3, 2, nullptr, buf.data()), 0);
    const int len = 1000;
    std::vector<Vek32f> x(len), y(len);
    rng.fill(x.data(), len, 1.0);
    for (int off = 0; off < len;) {
        const int n = std::min(len - off, 1 + int(rng.raw() % 25));
        ASSERT_EQ(veksIIRSparse_32f(x.data() + off, y.data() + off, n, st), 0);
        off += n;
    }
    std::vector<ld> m(len);
    for (int n = 0; n < len; ++n) {
        ld acc = 0;
        for (int i = 0; i < 3; ++i) acc += n >= pos[i] ? taps[i] * ld(x[n - pos[i]]) : 0;
        for (int j = 0; j < 2; ++j) acc += n >= pos[3 + j] ? taps[3 + j] * m[n - pos[3 + j]] : 0;
        m[n] = acc;
        ASSERT_NEAR(y[n], double(m[n]), 1e-5) << n;
    }
    const std::vector<Vek32s> bad{0, 3, 3, 2, 7}, badq{0, 3, 10, 0, 7};
    EXPECT_EQ(veksIIRSparseInit_32f(&st, taps.data(), bad.data(), 3, 2, nullptr, buf.data()), vekStsTapPositionErr);
    EXPECT_EQ(veksIIRSparseInit_32f(&st, taps.data(), badq.data(), 3, 2, nullptr, buf.data()), vekStsTapPositionErr);
    EXPECT_EQ(veksIIRSparseInit_32f(&st, taps.data(), pos.data(), 3, 0, nullptr, buf.data()), vekStsIIROrderErr);
    EXPECT_EQ(veksIIRSparseGetStateSize_32f(3, 0, 10, -1, &bytes), vekStsTapPositionErr);
    EXPECT_EQ(veksIIRSparse_32f(x.data(), nullptr, 4, st), vekStsNullPtrErr);
}

}  // namespace
