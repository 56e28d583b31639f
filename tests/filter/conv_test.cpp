// Convolution and correlation against long double direct sums, at lengths
// that select the direct and the FFT routes and at the switch points;
// 1, 2 and 4 threads give identical bits; argument and allocation errors.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <complex>
#include <vector>

#include "test_util.h"

namespace {

using ld = long double;
using cld = std::complex<ld>;

template <class T> cld wide(const T& v) { return cld(ld(v), 0); }
template <> cld wide(const Vek32fc& v) { return cld(v.re, v.im); }
template <> cld wide(const Vek64fc& v) { return cld(v.re, v.im); }

template <class T> T one(vt::Rng& r) {
    if constexpr (std::is_same_v<T, Vek16s>) return Vek16s(r.raw() % 2001) - 1000;
    else if constexpr (std::is_same_v<T, Vek32fc>) return {float(r.next<double>(1.0)), float(r.next<double>(1.0))};
    else if constexpr (std::is_same_v<T, Vek64fc>) return {r.next<double>(1.0), r.next<double>(1.0)};
    else return T(r.next<double>(1.0));
}
template <class T> std::vector<T> rnd(int n, vt::Rng& rng) {
    std::vector<T> v(n);
    for (auto& e : v) e = one<T>(rng);
    return v;
}

// sum_k conj(a[k]) b[k + lag]; *mag gets the sum of the terms' magnitudes,
// the scale of the rounding error a float sum may carry.
template <class T> cld corr_ref(const std::vector<T>& a, const std::vector<T>& b, long lag, ld* mag = nullptr) {
    cld s = 0;
    ld m = 0;
    for (long k = 0; k < long(a.size()); ++k)
        if (k + lag >= 0 && k + lag < long(b.size())) {
            const cld t = std::conj(wide(a[k])) * wide(b[k + lag]);
            s += t;
            m += std::abs(t);
        }
    if (mag) *mag = m;
    return s;
}

template <class T> ld tol() { return std::is_same_v<T, Vek64f> || std::is_same_v<T, Vek64fc> ? 1e-14L : 1e-6L; }

TEST(Conv, AgainstDirectSumAcrossRoutes) {
    vt::Rng rng(41);
    // Direct below 512 outputs or a short input below 64; single FFT when
    // the inputs are comparable; overlap-save from 3x; parallel above 4096.
    const std::pair<int, int> sizes[] = {{1, 1}, {1, 37}, {3, 5}, {17, 200}, {63, 1000}, {64, 448}, {64, 449},
                                         {100, 1000}, {300, 301}, {64, 192}, {100, 300}, {50, 5000}, {700, 9000}};
    for (auto [n1, n2] : sizes)
        for (int swap : {0, 1}) {
            const int na = swap ? n2 : n1, nb = swap ? n1 : n2, nd = na + nb - 1;
            auto a = rnd<Vek32f>(na, rng), b = rnd<Vek32f>(nb, rng);
            auto a64 = rnd<Vek64f>(na, rng), b64 = rnd<Vek64f>(nb, rng);
            vt::Guarded<Vek32f> d(nd);
            vt::Guarded<Vek64f> d64(nd);
            ASSERT_EQ(veksConv_32f(a.data(), na, b.data(), nb, d.data()), 0);
            ASSERT_EQ(veksConv_64f(a64.data(), na, b64.data(), nb, d64.data()), 0);
            ASSERT_TRUE(d.guards_intact() && d64.guards_intact());
            for (int n = 0; n < nd; ++n) {
                ld s = 0, s64 = 0;
                for (int k = std::max(0, n - nb + 1); k <= std::min(n, na - 1); ++k) {
                    s += ld(a[k]) * b[n - k];
                    s64 += ld(a64[k]) * b64[n - k];
                }
                const ld scale = std::sqrt(ld(std::min(na, nb))) + 1;
                ASSERT_NEAR(d[n], double(s), double(2e-6L * scale)) << na << "x" << nb << " " << n;
                ASSERT_NEAR(d64[n], double(s64), double(1e-14L * scale)) << na << "x" << nb << " " << n;
            }
        }
    // 16-bit: the float result scaled, rounded and saturated.
    auto a = rnd<Vek16s>(90, rng), b = rnd<Vek16s>(700, rng);
    std::vector<Vek16s> d(789);
    ASSERT_EQ(veksConv_16s_Sfs(a.data(), 90, b.data(), 700, d.data(), 6), 0);
    for (int n = 0; n < 789; ++n) {
        ld s = 0;
        for (int k = std::max(0, n - 699); k <= std::min(n, 89); ++k) s += ld(a[k]) * b[n - k];
        ASSERT_LE(std::fabs(d[n] - std::max(-32768.0L, std::min(32767.0L, std::nearbyint(s / 64)))), 1) << n;
    }
}

TEST(Conv, ThreadsGiveIdenticalBits) {
    vt::Rng rng(8);
    auto a = rnd<Vek32f>(20000, rng), b = rnd<Vek32f>(300, rng);
    std::vector<std::vector<Vek32f>> out;
    for (int t : vt::thread_counts()) {
        vt::Threads threads(t);
        out.emplace_back(20299);
        ASSERT_EQ(veksConv_32f(a.data(), 20000, b.data(), 300, out.back().data()), 0);
    }
    for (auto& o : out) EXPECT_TRUE(vt::same_bits(o.data(), out[0].data(), o.size()));
}

TEST(Conv, BiasedAndCyclic) {
    vt::Rng rng(4);
    struct Case { int len2, len1, dstLen, bias; };
    const Case cases[] = {{45, 4, 41, 4}, {50, 11, 40, 10}, {110, 31, 80, 30}, {40, 40, 40, 0},
                          {60, 60, 60, 0}, {50, 11, 50, 3}, {20, 7, 30, 0}, {33, 9, 10, 20}};
    for (const Case& c : cases) {
        auto h = rnd<Vek32f>(c.len1, rng), sig = rnd<Vek32f>(c.len2, rng);
        std::vector<Vek32f> d(c.dstLen);
        ASSERT_EQ(veksConvBiased_32f(h.data(), c.len1, sig.data() + c.bias, c.len2, d.data(), c.dstLen, c.bias), 0);
        for (int n = 0; n < c.dstLen; ++n) {
            ld s = 0;
            for (int k = 0; k < c.len1; ++k) {
                const int i = n - k + c.bias;  // index into the signal
                if (i >= 0 && i < c.len2) s += ld(h[k]) * sig[i];
            }
            ASSERT_NEAR(d[n], double(s), 1e-5) << c.len2 << " " << n;
        }
    }
    float x[8], h[8], y[8];
    Vek32fc hc[4], yc[4];
    for (int i = 0; i < 8; ++i) x[i] = float(i + 1), h[i] = float(i * i - 3);
    for (int i = 0; i < 4; ++i) hc[i] = {float(i), float(2 - i)};
    ASSERT_EQ(veksConvCyclic8x8_32f(x, h, y), 0);
    ASSERT_EQ(veksConvCyclic4x4_32f32fc(x, hc, yc), 0);
    for (int n = 0; n < 8; ++n) {
        float s = 0;
        for (int k = 0; k < 8; ++k) s += x[k] * h[(n - k + 8) % 8];
        EXPECT_EQ(y[n], s);
    }
    for (int n = 0; n < 4; ++n) {
        float re = 0, im = 0;
        for (int k = 0; k < 4; ++k) re += x[k] * hc[(n - k + 4) % 4].re, im += x[k] * hc[(n - k + 4) % 4].im;
        EXPECT_EQ(yc[n].re, re);
        EXPECT_EQ(yc[n].im, im);
    }
    const Vek16s xs[8] = {30000, -30000, 1234, 5, -7, 32767, -32768, 100};
    const Vek16s hs[8] = {2, 3, -4, 5, 32767, -1, 9, 10};
    for (int sf : {0, 3, 17, 31, 40, -1, -5, -32}) {
        Vek16s ys[8];
        ASSERT_EQ(veksConvCyclic8x8_16s_Sfs(xs, hs, ys, sf), 0);
        for (int n = 0; n < 8; ++n) {
            std::int64_t s = 0;
            for (int k = 0; k < 8; ++k) s += std::int64_t(xs[k]) * hs[(n - k + 8) % 8];
            std::int32_t w = std::int32_t(std::uint32_t(s));
            std::int64_t v = sf >= 0 ? (w >> std::min(sf, 31)) : (-sf >= 32 ? 0 : std::int32_t(std::uint32_t(w) << -sf));
            EXPECT_EQ(ys[n], Vek16s(std::max<std::int64_t>(-32768, std::min<std::int64_t>(32767, v)))) << sf << " " << n;
        }
    }
}

template <class T, class F>
void check_cross(F fn, int thresholds_scale) {
    vt::Rng rng(12);
    struct Case { int n1, n2, dst, low; };
    const Case cases[] = {{1, 1, 1, 0}, {10, 40, 60, -15}, {40, 10, 60, -45}, {5, 8, 30, -9}, {300, 3000, 385, 0},
                          {300, 3000, 384, 0}, {1000, 1000, 600, -300}, {1000, 1000, 383, -90}, {1000, 1000, 384, -90},
                          {1000, 1000, 255, 7}, {1000, 1000, 256, 7}, {1000, 1000, 511, -5}, {1000, 1000, 512, -5}, {400, 1300, 1000, -350}, {2000, 500, 400, -1000}, {3, 7, 4, 20},
                          // overlap-save with the reversed input as the long and as the short one
                          {4000, 1000, 3000, -3500}, {1000, 4000, 3000, -500}};
    for (const Case& c : cases) {
        auto a = rnd<T>(c.n1, rng), b = rnd<T>(c.n2, rng);
        vt::Guarded<T> d(c.dst);
        ASSERT_EQ(fn(a.data(), c.n1, b.data(), c.n2, d.data(), c.dst, c.low), 0);
        ASSERT_TRUE(d.guards_intact());
        for (int n = 0; n < c.dst; ++n) {
            ld mag = 0;
            const cld want = corr_ref(a, b, long(n) + c.low, &mag);
            ASSERT_LE(std::abs(wide(d[n]) - want), tol<T>() * (mag + 1))
                << c.n1 << "x" << c.n2 << " lag " << n + c.low;
        }
    }
}

TEST(Corr, CrossCorrEveryType) {
    check_cross<Vek32f>(veksCrossCorr_32f, 383);
    check_cross<Vek64f>(veksCrossCorr_64f, 511);
    check_cross<Vek32fc>(veksCrossCorr_32fc, 255);
    check_cross<Vek64fc>(veksCrossCorr_64fc, 255);
    vt::Rng rng(3);
    auto a = rnd<Vek16s>(300, rng), b = rnd<Vek16s>(1200, rng);
    std::vector<Vek16s> d(500);
    std::vector<Vek64s> e(500);
    ASSERT_EQ(veksCrossCorr_16s_Sfs(a.data(), 300, b.data(), 1200, d.data(), 500, -305, 8), 0);
    ASSERT_EQ(veksCrossCorr_16s64s(a.data(), 300, b.data(), 1200, e.data(), 500, -305), 0);
    for (int n = 0; n < 500; ++n) {
        const ld s = corr_ref(a, b, n - 305).real();
        ASSERT_EQ(e[n], Vek64s(s)) << n;
        ASSERT_LE(std::fabs(d[n] - std::max(-32768.0L, std::min(32767.0L, std::nearbyint(s / 256)))), 1) << n;
    }
    for (int n = 0; n < 5; ++n) EXPECT_EQ(e[n], 0);  // lags below -(len1 - 1)
}

template <class T, class F>
void check_auto(F plain, F norm_a, F norm_b) {
    vt::Rng rng(14);
    for (auto [n, dst] : std::vector<std::pair<int, int>>{{1, 1}, {1, 4}, {20, 30}, {151, 151}, {152, 160}, {367, 368}, {400, 100}, {855, 900}, {856, 856}, {1000, 1200}}) {
        auto x = rnd<T>(n, rng);
        ld energy = 0;  // the FFT route's rounding scales with it
        for (const T& v : x) energy += std::norm(wide(v));
        std::vector<T> p(dst), a(dst), b(dst);
        ASSERT_EQ(plain(x.data(), n, p.data(), dst), 0);
        ASSERT_EQ(norm_a(x.data(), n, a.data(), dst), 0);
        ASSERT_EQ(norm_b(x.data(), n, b.data(), dst), 0);
        for (int k = 0; k < dst; ++k) {
            ld mag = 0;
            const cld want = k < n ? corr_ref(x, x, k, &mag) : cld(0);
            const ld t = tol<T>() * (mag + energy / 16 + 1);
            ASSERT_LE(std::abs(wide(p[k]) - want), t) << n << " " << k;
            ASSERT_LE(std::abs(wide(a[k]) - want / ld(n)), t) << n << " " << k;
            ASSERT_LE(std::abs(wide(b[k]) - (k < n ? want / ld(n - k) : 0)), t) << n << " " << k;
        }
    }
}

TEST(Corr, AutoCorrEveryTypeAndNorm) {
    check_auto<Vek32f>(veksAutoCorr_32f, veksAutoCorr_NormA_32f, veksAutoCorr_NormB_32f);
    check_auto<Vek64f>(veksAutoCorr_64f, veksAutoCorr_NormA_64f, veksAutoCorr_NormB_64f);
    check_auto<Vek32fc>(veksAutoCorr_32fc, veksAutoCorr_NormA_32fc, veksAutoCorr_NormB_32fc);
    check_auto<Vek64fc>(veksAutoCorr_64fc, veksAutoCorr_NormA_64fc, veksAutoCorr_NormB_64fc);
    vt::Rng rng(2);
    auto x = rnd<Vek16s>(900, rng);
    std::vector<Vek16s> p(950), b(950);
    ASSERT_EQ(veksAutoCorr_16s_Sfs(x.data(), 900, p.data(), 950, 10), 0);
    ASSERT_EQ(veksAutoCorr_NormB_16s_Sfs(x.data(), 900, b.data(), 950, 4), 0);
    ld energy = 0;
    for (Vek16s v : x) energy += ld(v) * v;
    for (int k = 0; k < 950; ++k) {
        const ld s = k < 900 ? corr_ref(x, x, k).real() : 0;
        ASSERT_LE(std::fabs(p[k] - std::max(-32768.0L, std::min(32767.0L, std::nearbyint(s / 1024)))), 1) << k;
        const ld nb = k < 900 ? s / (900 - k) / 16 : 0;
        const ld fft_err = k < 900 ? 1e-6L * energy / (900 - k) / 16 : 0;
        ASSERT_LE(std::fabs(b[k] - std::max(-32768.0L, std::min(32767.0L, std::nearbyint(nb)))), 1 + fft_err) << k;
    }
    std::vector<Vek16s> a1(3);
    ASSERT_EQ(veksAutoCorr_NormA_16s_Sfs(x.data(), 3, a1.data(), 3, 0), 0);
}

TEST(Corr, ArgumentAndAllocationErrors) {
    std::vector<Vek32f> a(600, 1.0f), b(600, 1.0f);
    vt::Guarded<Vek32f> d(1200);
    struct Row { const char* what; VekStatus got, want; };
    const Row rows[] = {
        {"conv null", veksConv_32f(nullptr, 4, b.data(), 4, d.data()), vekStsNullPtrErr},
        {"conv len", veksConv_32f(a.data(), 0, b.data(), 4, d.data()), vekStsSizeErr},
        {"conv null len 0", veksConv_64f(nullptr, 0, nullptr, 0, nullptr), vekStsNullPtrErr},
        {"biased dst 0", veksConvBiased_32f(a.data(), 4, b.data(), 8, d.data(), 0, 0), vekStsSizeErr},
        {"biased null", veksConvBiased_32f(a.data(), 4, nullptr, 8, d.data(), 4, 0), vekStsNullPtrErr},
        {"cross dst 0", veksCrossCorr_32f(a.data(), 4, b.data(), 4, d.data(), 0, 0), vekStsSizeErr},
        {"cross null", veksCrossCorr_32f(a.data(), 4, b.data(), 4, nullptr, 4, 0), vekStsNullPtrErr},
        {"auto len 0", veksAutoCorr_NormB_32f(a.data(), 0, d.data(), 4), vekStsSizeErr},
        {"auto null", veksAutoCorr_32f(nullptr, 4, d.data(), 4), vekStsNullPtrErr},
    };
    for (const Row& r : rows) EXPECT_EQ(r.got, r.want) << r.what;
    EXPECT_TRUE(d.untouched());
    const auto live = vekcoreLiveBlocks();
    for (int nth = 1; nth <= 3; ++nth) {
        vekcoreFailAllocation(nth);
        const VekStatus s1 = veksConv_32f(a.data(), 600, b.data(), 600, d.data());
        vekcoreFailAllocation(nth);
        const VekStatus s2 = veksAutoCorr_NormB_32f(a.data(), 600, d.data(), 600);
        vekcoreFailAllocation(0);
        EXPECT_TRUE(s1 == vekStsMemAllocErr || s1 == vekStsNoErr) << nth;
        EXPECT_TRUE(s2 == vekStsMemAllocErr || s2 == vekStsNoErr) << nth;
    }
    vekcoreFailAllocation(1);
    EXPECT_EQ(veksConv_32f(a.data(), 600, b.data(), 600, d.data()), vekStsMemAllocErr);
    vekcoreFailAllocation(0);
    EXPECT_EQ(vekcoreLiveBlocks(), live);
}

}  // namespace
