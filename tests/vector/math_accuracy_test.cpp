// Accuracy of the floating-point elementary functions in units in the last
// place, against correctly rounded MPFR values: random inputs spread over
// the whole domain (uniform bit patterns and a dense central range) plus the
// special values, run through the vector kernels at several alignments.
#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <limits>
#include <vector>

#include "test_util.h"

#ifdef VEKS_HAVE_MPFR
#include <mpfr.h>

namespace {

// Error of `got` against the exact value `x`, in ulps of the format with
// `prec` bits and minimum exponent `emin` (of the ulp of the smallest
// normal). Matching infinities and NaNs count 0; a mismatch counts huge.
double ulp_error(double got, mpfr_srcptr exact, int prec, int emin) {
    if (mpfr_nan_p(exact)) return std::isnan(got) ? 0 : 1e9;
    if (std::isnan(got)) return 1e9;
    if (mpfr_inf_p(exact)) return (std::isinf(got) && (got > 0) == (mpfr_sgn(exact) > 0)) ? 0 : 1e9;
    if (std::isinf(got)) {
        // Overflow is right when the exact value rounds beyond the format.
        const double lim = prec == 24 ? FLT_MAX : DBL_MAX;
        return std::fabs(mpfr_get_d(exact, MPFR_RNDN)) > lim ? 0 : 1e9;
    }
    mpfr_t d;
    mpfr_init2(d, 256);
    mpfr_set_d(d, got, MPFR_RNDN);
    mpfr_sub(d, d, exact, MPFR_RNDN);
    long e = mpfr_zero_p(exact) ? emin : mpfr_get_exp(exact) - 1;  // exact = m 2^e, 1 <= m < 2
    if (e < emin) e = emin;
    mpfr_mul_2si(d, d, -(e - (prec - 1)), MPFR_RNDN);
    const double r = std::fabs(mpfr_get_d(d, MPFR_RNDN));
    mpfr_clear(d);
    return r;
}

using Ref1 = int (*)(mpfr_ptr, mpfr_srcptr, mpfr_rnd_t);

template <class T>
std::vector<T> inputs(double lo, double hi, std::size_t n, std::uint64_t seed) {
    vt::Rng rng(seed);
    std::vector<T> v;
    // Every special value first.
    const T specials[] = {T(0), -T(0), std::numeric_limits<T>::denorm_min(), -std::numeric_limits<T>::denorm_min(),
                          std::numeric_limits<T>::min(), std::numeric_limits<T>::max(),
                          -std::numeric_limits<T>::max(), std::numeric_limits<T>::infinity(),
                          -std::numeric_limits<T>::infinity(), std::numeric_limits<T>::quiet_NaN(), T(1), T(-1),
                          T(0.5), T(2)};
    for (T s : specials) v.push_back(s);
    while (v.size() < n / 2) {  // uniform bit patterns: every binade equally
        T x;
        std::uint64_t b = rng.raw();
        std::memcpy(&x, &b, sizeof x);
        if (!std::isnan(x)) v.push_back(x);
    }
    while (v.size() < n) v.push_back(static_cast<T>(lo + (hi - lo) * (double(rng.raw() >> 11) * 0x1p-53)));
    return v;
}

struct Case32 {
    const char* name;
    VekStatus (*fn)(const Vek32f*, Vek32f*, int);
    Ref1 ref;
    double lo, hi, bound;
};
struct Case64 {
    const char* name;
    VekStatus (*fn)(const Vek64f*, Vek64f*, int);
    Ref1 ref;
    double lo, hi, bound;
};

template <class T, class Fn>
double max_error(Fn fn, Ref1 ref, const std::vector<T>& x, int prec, int emin, bool skip_domain_edges) {
    std::vector<T> y(x.size() + 3);
    fn(x.data(), y.data() + 1, static_cast<int>(x.size()));  // misaligned destination
    mpfr_t a, r;
    mpfr_init2(a, 80);
    mpfr_init2(r, 160);
    double worst = 0;
    for (std::size_t i = 0; i < x.size(); ++i) {
        if (skip_domain_edges && !(x[i] > 0)) continue;  // logarithm warnings are checked elsewhere
        mpfr_set_d(a, x[i], MPFR_RNDN);
        ref(r, a, MPFR_RNDN);
        const double e = ulp_error(y[i + 1], r, prec, emin);
        if (e > worst) worst = e;
        if (e > 1e8) ADD_FAILURE() << "x=" << x[i] << " got " << y[i + 1];
    }
    mpfr_clear(a);
    mpfr_clear(r);
    return worst;
}

TEST(Accuracy, SinglePrecisionWithinOneUlp) {
    const Case32 cases[] = {
        {"Exp_32f", veksExp_32f, mpfr_exp, -104, 89, 1.0},
        {"Ln_32f", veksLn_32f, mpfr_log, 0, 4, 1.0},
        {"Arctan_32f", veksArctan_32f, mpfr_atan, -8, 8, 1.0},
        {"Cubrt_32f", veksCubrt_32f, mpfr_cbrt, -100, 100, 1.0},
    };
    for (const auto& c : cases) {
        const auto x = inputs<float>(c.lo, c.hi, 100000, 7);
        const double e = max_error<float>(c.fn, c.ref, x, 24, -126, c.ref == mpfr_log);
        RecordProperty(c.name, std::to_string(e));
        std::printf("%-14s max %.3f ulp\n", c.name, e);
        EXPECT_LE(e, c.bound) << c.name;
    }
}

TEST(Accuracy, DoublePrecisionWithinTwoUlp) {
    const Case64 cases[] = {
        {"Exp_64f", veksExp_64f, mpfr_exp, -746, 710, 2.0},
        {"Ln_64f", veksLn_64f, mpfr_log, 0, 4, 2.0},
        {"Arctan_64f", veksArctan_64f, mpfr_atan, -8, 8, 2.0},
    };
    for (const auto& c : cases) {
        auto x = inputs<double>(c.lo, c.hi, 100000, 9);
        // The logarithm's contract maps inputs with an all-zero upper word
        // to -inf; they are checked with the warnings.
        if (c.ref == mpfr_log)
            for (auto& v : x)
                if (v > 0 && v < 0x1p-1042) v = 1.0;
        const double e = max_error<double>(c.fn, c.ref, x, 53, -1022, c.ref == mpfr_log);
        std::printf("%-14s max %.3f ulp\n", c.name, e);
        EXPECT_LE(e, c.bound) << c.name;
    }
}

TEST(Accuracy, MixedPrecisionForms) {
    const auto xf = inputs<float>(-104, 89, 100000, 11);
    // Exp_32f64f: double results of float inputs within 2 ulp of double.
    std::vector<double> y(xf.size());
    ASSERT_EQ(veksExp_32f64f(xf.data(), y.data(), static_cast<int>(xf.size())), vekStsNoErr);
    mpfr_t a, r;
    mpfr_init2(a, 80);
    mpfr_init2(r, 160);
    double worst = 0;
    for (std::size_t i = 0; i < xf.size(); ++i) {
        mpfr_set_d(a, xf[i], MPFR_RNDN);
        mpfr_exp(r, a, MPFR_RNDN);
        worst = std::max(worst, ulp_error(y[i], r, 53, -1022));
    }
    std::printf("%-14s max %.3f ulp\n", "Exp_32f64f", worst);
    EXPECT_LE(worst, 2.0);
    // Ln_64f32f: float results of double inputs within 1 ulp of float.
    auto xd = inputs<double>(0, 1e6, 100000, 13);
    for (auto& v : xd)
        if (!(v > 0x1p-1042)) v = 2.0;
    std::vector<float> yf(xd.size());
    veksLn_64f32f(xd.data(), yf.data(), static_cast<int>(xd.size()));
    worst = 0;
    for (std::size_t i = 0; i < xd.size(); ++i) {
        if (std::isinf(xd[i]) || std::isnan(xd[i])) continue;
        mpfr_set_d(a, xd[i], MPFR_RNDN);
        mpfr_log(r, a, MPFR_RNDN);
        worst = std::max(worst, ulp_error(yf[i], r, 24, -126));
    }
    std::printf("%-14s max %.3f ulp\n", "Ln_64f32f", worst);
    EXPECT_LE(worst, 1.0);
    mpfr_clear(a);
    mpfr_clear(r);
}

// atan2(im, re) of the phase functions against MPFR.
TEST(Accuracy, PhaseWithinBounds) {
    vt::Rng rng(17);
    const int n = 100000;
    std::vector<Vek32fc> zf(n);
    std::vector<Vek64fc> zd(n);
    for (int i = 0; i < n; ++i) {
        const double s = std::ldexp(1.0, static_cast<int>(rng.raw() % 80) - 40);
        zd[i] = Vek64fc{rng.next<double>(1) * s, rng.next<double>(1) * s};
        if (i % 7 == 0) zd[i].re = 0;
        if (i % 11 == 0) zd[i].im = -0.0;
        zf[i] = Vek32fc{static_cast<float>(zd[i].re), static_cast<float>(zd[i].im)};
    }
    zd[1] = Vek64fc{1e308, 1e300};
    zd[2] = Vek64fc{-1e-310, 1e-320};
    std::vector<float> pf(n);
    std::vector<double> pd(n);
    ASSERT_EQ(veksPhase_32fc(zf.data(), pf.data(), n), vekStsNoErr);
    ASSERT_EQ(veksPhase_64fc(zd.data(), pd.data(), n), vekStsNoErr);
    mpfr_t y, x, r;
    mpfr_inits2(160, y, x, r, static_cast<mpfr_ptr>(nullptr));
    double wf = 0, wd = 0;
    for (int i = 0; i < n; ++i) {
        mpfr_set_d(y, zf[i].im, MPFR_RNDN);
        mpfr_set_d(x, zf[i].re, MPFR_RNDN);
        mpfr_atan2(r, y, x, MPFR_RNDN);
        wf = std::max(wf, ulp_error(pf[i], r, 24, -126));
        mpfr_set_d(y, zd[i].im, MPFR_RNDN);
        mpfr_set_d(x, zd[i].re, MPFR_RNDN);
        mpfr_atan2(r, y, x, MPFR_RNDN);
        wd = std::max(wd, ulp_error(pd[i], r, 53, -1022));
    }
    mpfr_clears(y, x, r, static_cast<mpfr_ptr>(nullptr));
    std::printf("%-14s max %.3f ulp\n%-14s max %.3f ulp\n", "Phase_32fc", wf, "Phase_64fc", wd);
    EXPECT_LE(wf, 1.0);
    EXPECT_LE(wd, 2.0);
}

}  // namespace

#else
TEST(Accuracy, NeedsMpfr) { GTEST_SKIP() << "MPFR not found"; }
#endif
