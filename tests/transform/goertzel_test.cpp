// Goertzel values against a direct long-double DTFT sum, Haar transforms
// against exact integer rounding and perfect reconstruction; status paths.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstdint>
#include <limits>
#include <vector>

#include "test_util.h"

namespace {

using cl = std::complex<long double>;

// sum x[n] e^(-i w (n - len)), w = 2 pi f, in long double.
template <class F>
cl direct(F x, int len, double f) {
    const long double w = 2.0L * 3.141592653589793238462643383279502884L * f;
    cl s = 0;
    for (int n = 0; n < len; ++n) s += x(n) * std::polar(1.0L, -w * (n - len));
    return s;
}

TEST(Goertzel, MatchesDirectSum) {
    vt::Rng rng(3);
    for (int len : {1, 2, 3, 8, 17, 100, 1000}) {
        std::vector<double> x(2 * len);
        rng.fill(x.data(), x.size(), 1.0);
        std::vector<float> xf(x.begin(), x.end());
        for (double f : {0.0, 0.125, 0.25, 1.0 / 3, 0.49, 0.5, 0.9}) {
            const double fs[2] = {f, 0.5 * f + 0.1};
            const float ff[2] = {float(fs[0]), float(fs[1])};
            const cl r = direct([&](int n) { return cl(x[n]); }, len, f);
            const cl c = direct([&](int n) { return cl(x[2 * n], x[2 * n + 1]); }, len, f);
            const cl rf = direct([&](int n) { return cl(xf[n]); }, len, ff[0]);
            const cl r2 = direct([&](int n) { return cl(x[n]); }, len, fs[1]);
            Vek64fc v, v2[2];
            Vek32fc w, w2[2];
            ASSERT_EQ(veksGoertz_64f(x.data(), len, &v, f), vekStsNoErr);
            const double tol = 1e-12 * len;
            EXPECT_NEAR(v.re, double(r.real()), tol) << len << " " << f;
            EXPECT_NEAR(v.im, double(r.imag()), tol);
            ASSERT_EQ(veksGoertz_64fc(reinterpret_cast<const Vek64fc*>(x.data()), len, &v, f), vekStsNoErr);
            EXPECT_NEAR(v.re, double(c.real()), tol);
            EXPECT_NEAR(v.im, double(c.imag()), tol);
            ASSERT_EQ(veksGoertz_32f(xf.data(), len, &w, ff[0]), vekStsNoErr);
            EXPECT_NEAR(w.re, double(rf.real()), 1e-5 * len);
            EXPECT_NEAR(w.im, double(rf.imag()), 1e-5 * len);
            ASSERT_EQ(veksGoertzTwo_64f(x.data(), len, v2, fs), vekStsNoErr);
            EXPECT_NEAR(v2[0].re, double(r.real()), tol);
            EXPECT_NEAR(v2[1].im, double(r2.imag()), tol);
            ASSERT_EQ(veksGoertzTwo_32fc(reinterpret_cast<const Vek32fc*>(xf.data()), len, w2, ff), vekStsNoErr);
            Vek32fc one;
            veksGoertz_32fc(reinterpret_cast<const Vek32fc*>(xf.data()), len, &one, ff[1]);
            EXPECT_EQ(w2[1].re, one.re);
            EXPECT_EQ(w2[1].im, one.im);
        }
    }
}

TEST(Goertzel, DftBinAndIntegerForms) {
    // A cosine at bin 2 of 8 gives (4 A, 0).
    std::vector<Vek16s> x(8);
    std::vector<Vek16sc> z(8);
    for (int n = 0; n < 8; ++n) {
        x[n] = Vek16s(std::lround(1000 * std::cos(2 * M_PI * 2 * n / 8)));
        z[n] = {x[n], Vek16s(-x[n])};
    }
    Vek16sc v, two[2];
    ASSERT_EQ(veksGoertz_16s_Sfs(x.data(), 8, &v, 0.25f, 0), vekStsNoErr);
    EXPECT_EQ(v.re, 4000);
    EXPECT_EQ(v.im, 0);
    ASSERT_EQ(veksGoertz_16s_Sfs(x.data(), 8, &v, 0.25f, 3), vekStsNoErr);
    EXPECT_EQ(v.re, 500);
    ASSERT_EQ(veksGoertz_16s_Sfs(x.data(), 8, &v, 0.25f, -4), vekStsNoErr);
    EXPECT_EQ(v.re, 32767);  // saturated
    ASSERT_EQ(veksGoertzQ15_16sc_Sfs(z.data(), 8, &v, 8192, 0), vekStsNoErr);
    EXPECT_EQ(v.re, 4000);
    EXPECT_EQ(v.im, -4000);
    const Vek16s q[2] = {8192, 0};
    ASSERT_EQ(veksGoertzTwoQ15_16sc_Sfs(z.data(), 8, two, q, 1), vekStsNoErr);
    EXPECT_EQ(two[0].re, 2000);
    const float fr[2] = {0.25f, 0.0f};
    Vek16sc three[2];
    ASSERT_EQ(veksGoertzTwo_16sc_Sfs(z.data(), 8, three, fr, 1), vekStsNoErr);
    EXPECT_EQ(three[0].re, two[0].re);
    EXPECT_EQ(three[1].im, two[1].im);
    // rFreq 0 is the plain sum.
    Vek32fc s;
    const float ones[3] = {1, 2, 3};
    ASSERT_EQ(veksGoertz_32f(ones, 3, &s, -0.0f), vekStsNoErr);
    EXPECT_NEAR(s.re, 6.0f, 1e-6f);
    EXPECT_NEAR(s.im, 0.0f, 1e-6f);
}

TEST(Goertzel, StatusesInOrderAndNothingWritten) {
    const float x[4] = {1, 2, 3, 4};
    Vek32fc v = {7, 7};
    const Vek16sc z[2] = {};
    Vek16sc w = {7, 7};
    EXPECT_EQ(veksGoertz_32f(nullptr, 4, &v, 0.1f), vekStsNullPtrErr);
    EXPECT_EQ(veksGoertz_32f(x, 4, nullptr, 0.1f), vekStsNullPtrErr);
    EXPECT_EQ(veksGoertz_32f(x, 0, &v, 2.0f), vekStsSizeErr);
    EXPECT_EQ(veksGoertz_32f(x, 4, &v, 1.0f), vekStsRelFreqErr);
    EXPECT_EQ(veksGoertz_32f(x, 4, &v, -1e-9f), vekStsRelFreqErr);
    EXPECT_EQ(veksGoertz_32f(x, 4, &v, std::numeric_limits<float>::quiet_NaN()), vekStsRelFreqErr);
    const float bad[2] = {0.1f, 1.5f};
    EXPECT_EQ(veksGoertzTwo_32f(x, 4, &v, bad), vekStsRelFreqErr);
    EXPECT_EQ(veksGoertzTwo_32f(x, 4, &v, nullptr), vekStsNullPtrErr);
    EXPECT_EQ(veksGoertzQ15_16sc_Sfs(nullptr, 0, nullptr, -1, 0), vekStsRelFreqErr);
    EXPECT_EQ(veksGoertzQ15_16sc_Sfs(nullptr, 2, &w, 5, 0), vekStsNullPtrErr);
    const Vek16s neg[2] = {5, -1};
    EXPECT_EQ(veksGoertzTwoQ15_16sc_Sfs(nullptr, 0, &w, neg, 0), vekStsRelFreqErr);
    EXPECT_EQ(veksGoertz_16sc_Sfs(z, -1, &w, 0.1f, 0), vekStsSizeErr);
    EXPECT_TRUE(v.re == 7 && v.im == 7 && w.re == 7 && w.im == 7);
}

// Exact rounding of r / 2^s to nearest with ties to even (s may be <= 0).
template <class T>
T rne_ref(long double r, int s) {
    const long double v = std::ldexp(r, -s);
    long double f = std::floor(v);
    const long double d = v - f;
    if (d > 0.5L || (d == 0.5L && std::fmod(f, 2.0L) != 0)) f += 1;
    if (f > (long double)std::numeric_limits<T>::max()) return std::numeric_limits<T>::max();
    if (f < (long double)std::numeric_limits<T>::min()) return std::numeric_limits<T>::min();
    return static_cast<T>(f);
}

template <class T>
void check_haar(VekStatus (*fwd)(const T*, int, T*, T*), VekStatus (*inv)(const T*, const T*, T*, int),
                VekStatus (*fwds)(const T*, int, T*, T*, int), VekStatus (*invs)(const T*, const T*, T*, int, int)) {
    vt::Rng rng(sizeof(T));
    for (int len : {1, 2, 3, 16, 33}) {
        std::vector<T> x(len);
        rng.fill(x.data(), len);
        if (len >= 4) x[0] = std::numeric_limits<T>::min(), x[1] = std::numeric_limits<T>::max();
        std::vector<T> lo((len + 1) / 2), hi(len / 2 + 1), y(len);
        ASSERT_EQ(fwd(x.data(), len, lo.data(), hi.data()), vekStsNoErr);
        for (int i = 0; i < len / 2; ++i) {
            const long double a = x[2 * i], b = x[2 * i + 1];
            if (b - a == 2.0L * std::numeric_limits<T>::max() + 1) continue;  // the documented corner
            ASSERT_EQ(lo[i], rne_ref<T>(a + b, 1)) << i;
            ASSERT_EQ(hi[i], rne_ref<T>(b - a, 1)) << i;
        }
        if (len & 1) ASSERT_EQ(lo[len / 2], x[len - 1]);
        ASSERT_EQ(inv(lo.data(), hi.data(), y.data(), len), vekStsNoErr);
        for (int i = 0; i < len / 2; ++i) {
            ASSERT_EQ(y[2 * i], rne_ref<T>((long double)lo[i] - hi[i], 0));
            ASSERT_EQ(y[2 * i + 1], rne_ref<T>((long double)lo[i] + hi[i], 0));
        }
        for (int s : {-70, -3, -1, 1, 2, 5, 70}) {
            ASSERT_EQ(fwds(x.data(), len, lo.data(), hi.data(), s), vekStsNoErr);
            for (int i = 0; i < len / 2; ++i) {
                const long double a = x[2 * i], b = x[2 * i + 1];
                ASSERT_EQ(lo[i], rne_ref<T>(a + b, s + 1)) << s;
                ASSERT_EQ(hi[i], rne_ref<T>(b - a, s + 1)) << s;
            }
            if (len & 1) ASSERT_EQ(lo[len / 2], rne_ref<T>(x[len - 1], s));
            ASSERT_EQ(invs(lo.data(), hi.data(), y.data(), len, s), vekStsNoErr);
            for (int i = 0; i < len / 2; ++i) ASSERT_EQ(y[2 * i + 1], rne_ref<T>((long double)lo[i] + hi[i], s));
        }
    }
}

TEST(Haar, IntegerRoundingAndScaling) {
    check_haar<Vek8s>(veksWTHaarFwd_8s, veksWTHaarInv_8s, veksWTHaarFwd_8s_Sfs, veksWTHaarInv_8s_Sfs);
    check_haar<Vek16s>(veksWTHaarFwd_16s, veksWTHaarInv_16s, veksWTHaarFwd_16s_Sfs, veksWTHaarInv_16s_Sfs);
    check_haar<Vek32s>(veksWTHaarFwd_32s, veksWTHaarInv_32s, veksWTHaarFwd_32s_Sfs, veksWTHaarInv_32s_Sfs);
    const Vek32s p[4] = {1, 2, 2, 5};
    Vek32s lo[2], hi[2];
    ASSERT_EQ(veksWTHaarFwd_32s(p, 4, lo, hi), vekStsNoErr);
    EXPECT_TRUE(lo[0] == 2 && hi[0] == 0 && lo[1] == 4 && hi[1] == 2);
    const Vek64s q[2] = {std::numeric_limits<Vek64s>::min(), std::numeric_limits<Vek64s>::max()};
    Vek64s l, h;
    ASSERT_EQ(veksWTHaarFwd_64s(q, 2, &l, &h), vekStsNoErr);
    EXPECT_EQ(l, 0);
    EXPECT_EQ(h, std::numeric_limits<Vek64s>::max());
    const Vek64s r[2] = {-7, 9};
    ASSERT_EQ(veksWTHaarFwd_64s(r, 2, &l, &h), vekStsNoErr);
    EXPECT_TRUE(l == 1 && h == 8);
}

TEST(Haar, FloatingRoundTripAndStatuses) {
    for (int len : {1, 2, 7, 64}) {
        std::vector<double> x(len), lo((len + 1) / 2), hi(len / 2 + 1), y(len);
        for (int i = 0; i < len; ++i) x[i] = (i * 37 % 11) - 5.0;
        std::vector<float> xf(x.begin(), x.end()), lf(lo.size()), hf(hi.size()), yf(len);
        ASSERT_EQ(veksWTHaarFwd_64f(x.data(), len, lo.data(), hi.data()), vekStsNoErr);
        ASSERT_EQ(veksWTHaarInv_64f(lo.data(), hi.data(), y.data(), len), vekStsNoErr);
        EXPECT_EQ(x, y);
        ASSERT_EQ(veksWTHaarFwd_32f(xf.data(), len, lf.data(), hf.data()), vekStsNoErr);
        ASSERT_EQ(veksWTHaarInv_32f(lf.data(), hf.data(), yf.data(), len), vekStsNoErr);
        EXPECT_EQ(xf, yf);
        if (len >= 2) EXPECT_EQ(lf[0], (xf[0] + xf[1]) / 2);
    }
    vt::Guarded<Vek16s> lo(4), hi(4);
    const Vek16s x[4] = {1, 2, 3, 4};
    EXPECT_EQ(veksWTHaarFwd_16s(nullptr, 4, lo.data(), hi.data()), vekStsNullPtrErr);
    EXPECT_EQ(veksWTHaarFwd_16s(x, 4, lo.data(), nullptr), vekStsNullPtrErr);
    EXPECT_EQ(veksWTHaarFwd_16s_Sfs(x, 0, lo.data(), hi.data(), 1), vekStsSizeErr);
    EXPECT_EQ(veksWTHaarInv_16s_Sfs(x, x, lo.data(), -2, 1), vekStsSizeErr);
    EXPECT_TRUE(lo.untouched() && hi.untouched());
}

}  // namespace
