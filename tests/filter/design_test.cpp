// FIR design against the window-method closed forms in long double; IIR
// design by its magnitude response, which for a bilinear design of an
// analog prototype is known in closed form at every frequency.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <vector>

#include "test_util.h"

namespace {

using ld = long double;
const ld kPi = 3.141592653589793238462643383279503L;

ld win(int type, int N, int n) {
    const ld m = N - 1, c = std::cos(2 * kPi * n / m), c2 = std::cos(4 * kPi * n / m);
    switch (type) {
    case 0: return n <= m / 2 ? 2 * n / m : 2 - 2 * n / m;
    case 1: {
        const ld a = -0.25L / std::pow(std::cos(kPi / m), 2);
        return (a + 1) / 2 - 0.5L * c - a / 2 * c2;
    }
    case 2: return 0.54L - 0.46L * c;
    case 3: return 0.5L - 0.5L * c;
    }
    return 1;
}

ld sinc_lp(ld fc, ld t) { return t == 0 ? 2 * fc : std::sin(2 * kPi * fc * t) / (kPi * t); }

enum Band { Low, High, Pass, Stop };

// Ideal responses: a low-pass difference for the band-pass, the complement
// for odd high-pass and band-stop, the antisymmetric form for even
// high-pass, a band-limited impulse for even band-stop.
std::vector<ld> reference(Band b, ld lo, ld hi, int N, int type, bool normal) {
    std::vector<ld> h(N);
    const ld M = (N - 1) / 2.0L;
    for (int n = 0; n < N; ++n) {
        const ld t = n - M;
        switch (b) {
        case Low: h[n] = sinc_lp(lo, t); break;
        case High: h[n] = N % 2 ? (t == 0 ? 1 : 0) - sinc_lp(lo, t) : -std::cos(2 * kPi * lo * t) / (kPi * t); break;
        case Pass: h[n] = sinc_lp(hi, t) - sinc_lp(lo, t); break;
        case Stop: h[n] = sinc_lp(0.5L, t) - sinc_lp(hi, t) + sinc_lp(lo, t); break;
        }
        h[n] *= win(type, N, n);
    }
    if (normal) {
        std::complex<ld> g = 0;
        const ld f = b == Low || b == Stop ? 0 : b == High ? 0.5L : (lo + hi) / 2;
        for (int n = 0; n < N; ++n) g += h[n] * std::exp(std::complex<ld>(0, -2 * kPi * f * (n - M)));
        for (auto& v : h) v /= std::abs(g);
    }
    return h;
}

TEST(FirDesign, AgainstClosedForms) {
    struct Case { Band b; ld lo, hi; };
    const Case cases[] = {{Low, 0.1L, 0}, {Low, 0.37L, 0}, {High, 0.2L, 0}, {High, 0.05L, 0},
                          {Pass, 0.1L, 0.3L}, {Stop, 0.15L, 0.25L}};
    for (const Case& c : cases)
        for (int N : {5, 6, 7, 8, 31, 64, 129})
            for (int type : {0, 1, 2, 3, 4})
                for (int normal : {0, 1}) {
                    if (c.b == Stop && N % 2 == 0 && normal) continue;  // unit gain rule shown for odd lengths
                    std::vector<Vek64f> h(N);
                    VekStatus st;
                    const VekWinType w = VekWinType(type);
                    switch (c.b) {
                    case Low: st = veksFIRGenLowpass_64f(double(c.lo), h.data(), N, w, normal); break;
                    case High: st = veksFIRGenHighpass_64f(double(c.lo), h.data(), N, w, normal); break;
                    case Pass: st = veksFIRGenBandpass_64f(double(c.lo), double(c.hi), h.data(), N, w, normal); break;
                    default: st = veksFIRGenBandstop_64f(double(c.lo), double(c.hi), h.data(), N, w, normal); break;
                    }
                    ASSERT_EQ(st, 0);
                    const auto want = reference(c.b, c.lo, c.hi, N, type, normal);
                    for (int n = 0; n < N; ++n)
                        ASSERT_NEAR(h[n], double(want[n]), 1e-13) << c.b << " " << N << " " << type << " " << normal << " " << n;
                }
    std::vector<Vek64f> h(33);
    ASSERT_EQ(veksFIRGenLowpass_64f(0.2, h.data(), 33, vekWinHamming, 1), 0);
    ld sum = 0;
    for (double v : h) sum += v;
    EXPECT_NEAR(double(sum), 1.0, 1e-14);
}

TEST(FirDesign, ArgumentChecks) {
    vt::Guarded<Vek64f> h(8);
    struct Row { const char* what; VekStatus got, want; };
    const Row rows[] = {
        {"null", veksFIRGenLowpass_64f(0.1, nullptr, 8, vekWinHann, 0), vekStsNullPtrErr},
        {"len 4", veksFIRGenHighpass_64f(0.1, h.data(), 4, vekWinHann, 0), vekStsSizeErr},
        {"freq 0", veksFIRGenLowpass_64f(0.0, h.data(), 8, vekWinHann, 0), vekStsSizeErr},
        {"freq 0.5", veksFIRGenHighpass_64f(0.5, h.data(), 8, vekWinHann, 0), vekStsSizeErr},
        {"edges swapped", veksFIRGenBandpass_64f(0.3, 0.2, h.data(), 8, vekWinHann, 0), vekStsSizeErr},
        {"edges equal", veksFIRGenBandstop_64f(0.2, 0.2, h.data(), 8, vekWinHann, 0), vekStsSizeErr},
        {"high edge 0.5", veksFIRGenBandstop_64f(0.2, 0.5, h.data(), 8, vekWinHann, 0), vekStsSizeErr},
    };
    for (const Row& r : rows) EXPECT_EQ(r.got, r.want) << r.what;
    EXPECT_TRUE(h.untouched());
}

ld cheb(int n, ld x) { return std::fabs(x) <= 1 ? std::cos(n * std::acos(x)) : std::cosh(n * std::acosh(std::fabs(x))) * (x < 0 && n % 2 ? -1 : 1); }

TEST(IirDesign, MagnitudeResponseAndPoles) {
    for (int high : {0, 1})
        for (int type : {0, 1})
            for (int order = 1; order <= 12; ++order)
                for (double fc : {0.01, 0.1, 0.25, 0.4}) {
                    if (fc < 0.05 && order > 6) continue;  // beyond double-precision taps
                    const double db = 0.5 + order % 3;
                    std::vector<Vek64f> t(2 * (order + 1), 0.0);
                    const auto fn = high ? veksIIRGenHighpass_64f : veksIIRGenLowpass_64f;
                    ASSERT_EQ(fn(fc, db, order, t.data(), VekIIRFilterType(type)), 0);
                    ASSERT_EQ(t[order + 1], 1.0);
                    const ld eps2 = std::pow(10.0L, db / 10) - 1;
                    for (double f = 0.0; f < 0.5; f += 0.0123) {
                        std::complex<ld> num = 0, den = 0, z = std::exp(std::complex<ld>(0, -2 * kPi * f));
                        std::complex<ld> zk = 1;
                        for (int k = 0; k <= order; ++k, zk *= z) {
                            num += ld(t[k]) * zk;
                            den += ld(t[order + 1 + k]) * zk;
                        }
                        ld x = std::tan(kPi * f) / std::tan(kPi * fc);
                        if (high) x = 1 / x;
                        const ld want2 = type == 0 ? 1 / (1 + std::pow(x, 2 * order)) : 1 / (1 + eps2 * std::pow(cheb(order, x), 2));
                        if (f == 0.0 && high) continue;  // the zero of the high-pass
                        // Taps of low cut-offs are ill-conditioned: their rounding alone moves
                        // the response by more than 1e-8.
                        ASSERT_NEAR(double(std::norm(num / den)), double(want2), fc < 0.05 ? 1e-5 : order > 8 ? 1e-6 : 1e-8)
                            << high << type << " order " << order << " fc " << fc << " f " << f;
                    }
                    // Stable: every pole inside the unit circle, so the
                    // impulse response decays.
                    std::vector<ld> y(4000, 0), x(4000, 0);
                    x[0] = 1;
                    for (int n = 0; n < 4000; ++n) {
                        ld acc = 0;
                        for (int k = 0; k <= order && k <= n; ++k) acc += t[k] * x[n - k] - (k ? t[order + 1 + k] * y[n - k] : 0);
                        y[n] = acc;
                    }
                    if (fc >= 0.1) EXPECT_LT(std::fabs(double(y[3999])), 1e-6) << order;
                }
}

TEST(IirDesign, ArgumentChecks) {
    vt::Guarded<Vek64f> t(26);
    struct Row { const char* what; VekStatus got, want; };
    const Row rows[] = {
        {"null", veksIIRGenLowpass_64f(0.1, 1, 2, nullptr, vekButterworth), vekStsNullPtrErr},
        {"freq 0", veksIIRGenLowpass_64f(0.0, 1, 2, t.data(), vekButterworth), vekStsIIRGenFreqErr},
        {"freq 0.5", veksIIRGenHighpass_64f(0.5, 1, 2, t.data(), vekButterworth), vekStsIIRGenFreqErr},
        {"order 0", veksIIRGenLowpass_64f(0.1, 1, 0, t.data(), vekButterworth), vekStsIIRGenOrderErr},
        {"order 13", veksIIRGenLowpass_64f(0.1, 1, 13, t.data(), vekButterworth), vekStsIIRGenOrderErr},
        {"type 2", veksIIRGenLowpass_64f(0.1, 1, 3, t.data(), VekIIRFilterType(2)), vekStsNoErr},
        {"ripple 0", veksIIRGenLowpass_64f(0.1, 0, 3, t.data(), vekChebyshev1), vekStsIIRGenDeviationErr},
        {"ripple 29.5", veksIIRGenHighpass_64f(0.1, 29.5, 3, t.data(), vekChebyshev1), vekStsIIRGenDeviationErr},
        {"butterworth ignores ripple", veksIIRGenHighpass_64f(0.1, 0, 3, nullptr, vekButterworth), vekStsNullPtrErr},
    };
    for (const Row& r : rows) EXPECT_EQ(r.got, r.want) << r.what;
    EXPECT_TRUE(t.untouched());
}

}  // namespace
