// Integer roots, squares, exponentials and logarithms: every result against
// an MPFR value rounded by the family's rule (nearest-even, half-up, or
// the threshold tables), over random inputs and every scale-factor path.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

#include "test_util.h"

#ifdef VEKS_HAVE_MPFR
#include <mpfr.h>

namespace {

// value(r) sets r to the exact real result; the return is r * 2^-sf rounded
// (nearest-even, or half up) and clamped to [lo, hi].
__int128 reference(const std::function<void(mpfr_ptr)>& value, int sf, bool half_up, __int128 lo, __int128 hi) {
    mpfr_t r;
    mpfr_init2(r, 256);
    value(r);
    mpfr_mul_2si(r, r, -sf, MPFR_RNDN);
    if (half_up)
        mpfr_round(r, r);  // values are positive: half away from zero is half up
    else
        mpfr_rint(r, r, MPFR_RNDN);
    __int128 out;
    if (mpfr_cmp_d(r, double(hi)) >= 0)
        out = hi;
    else if (mpfr_cmp_d(r, double(lo)) <= 0)
        out = lo;
    else
        out = mpfr_get_sj(r, MPFR_RNDN);
    mpfr_clear(r);
    return out;
}

const int kScales[] = {-70, -40, -31, -16, -15, -14, -8, -3, -1, 0, 1, 2, 3, 5, 8, 9, 15, 16, 17, 30, 31, 32, 63, 71};

template <class T>
std::vector<T> int_inputs(std::size_t n, std::uint64_t seed) {
    vt::Rng rng(seed);
    std::vector<T> v = {T(0), T(1), T(2), T(3), T(4), std::numeric_limits<T>::max(), std::numeric_limits<T>::min()};
    while (v.size() < n) {
        const std::uint64_t b = rng.raw();
        T x = static_cast<T>(b);
        if (b & 1) x = static_cast<T>(x >> ((b >> 58) % (8 * sizeof(T))));  // small magnitudes too
        v.push_back(x);
    }
    return v;
}

template <class S, class D>
struct RootCase {
    const char* name;
    VekStatus (*fn)(const S*, D*, int, int);
    bool signed_in;
};

template <class S, class D>
void check_sqrt(const RootCase<S, D>& c) {
    SCOPED_TRACE(c.name);
    const auto x = int_inputs<S>(600, 3);
    std::vector<D> y(x.size());
    for (int sf : kScales) {
        const VekStatus st = c.fn(x.data(), y.data(), static_cast<int>(x.size()), sf);
        EXPECT_EQ(st, c.signed_in ? vekStsSqrtNegArg : vekStsNoErr) << sf;
        for (std::size_t i = 0; i < x.size(); ++i) {
            if (x[i] < 0) continue;  // negative elements only raise the warning
            const auto want = reference([&](mpfr_ptr r) { mpfr_set_sj(r, x[i], MPFR_RNDN), mpfr_sqrt(r, r, MPFR_RNDN); },
                                        sf, false, std::numeric_limits<D>::min(), std::numeric_limits<D>::max());
            ASSERT_EQ(static_cast<long long>(y[i]), static_cast<long long>(want)) << "x=" << x[i] << " sf=" << sf;
        }
    }
}

TEST(IntegerRoots, SquareRootsAreCorrectlyRounded) {
    check_sqrt(RootCase<Vek8u, Vek8u>{"8u", veksSqrt_8u_Sfs, false});
    check_sqrt(RootCase<Vek16s, Vek16s>{"16s", veksSqrt_16s_Sfs, true});
    check_sqrt(RootCase<Vek16u, Vek16u>{"16u", veksSqrt_16u_Sfs, false});
    check_sqrt(RootCase<Vek64s, Vek64s>{"64s", veksSqrt_64s_Sfs, true});
    check_sqrt(RootCase<Vek32s, Vek16s>{"32s16s", veksSqrt_32s16s_Sfs, true});
    check_sqrt(RootCase<Vek64s, Vek16s>{"64s16s", veksSqrt_64s16s_Sfs, true});
}

TEST(IntegerRoots, SquareRootTiesGoToEven) {
    // sqrt(1) / 2 = 0.5 -> 0, sqrt(9) / 2 = 1.5 -> 2, sqrt(25) / 2 = 2.5 -> 2.
    const Vek16s x[] = {1, 9, 25, 49};
    Vek16s y[4];
    ASSERT_EQ(veksSqrt_16s_Sfs(x, y, 4, 1), vekStsNoErr);
    EXPECT_EQ(y[0], 0);
    EXPECT_EQ(y[1], 2);
    EXPECT_EQ(y[2], 2);
    EXPECT_EQ(y[3], 4);
    const Vek64s big[] = {std::numeric_limits<Vek64s>::max(), (Vek64s(1) << 62)};
    Vek64s r[2];
    ASSERT_EQ(veksSqrt_64s_Sfs(big, r, 2, -32), vekStsNoErr);
    EXPECT_EQ(r[0], std::numeric_limits<Vek64s>::max());  // 3.0e9 * 2^32 saturates
    EXPECT_EQ(r[1], std::numeric_limits<Vek64s>::max());  // exactly 2^63
}

TEST(IntegerRoots, ComplexAndCubeRoots) {
    vt::Rng rng(5);
    std::vector<Vek16sc> z(400);
    rng.fill(z.data(), z.size());
    z[0] = {0, 0};
    z[1] = {-32768, 0};
    z[2] = {-4, -0};
    std::vector<Vek16sc> w(z.size());
    for (int sf : {-8, -1, 0, 1, 4}) {
        ASSERT_EQ(veksSqrt_16sc_Sfs(z.data(), w.data(), static_cast<int>(z.size()), sf), vekStsNoErr);
        for (std::size_t i = 0; i < z.size(); ++i) {
            // Principal root: re = sqrt((|z| + a) / 2), im = b / (2 re).
            auto part = [&](bool imag) {
                return reference(
                    [&](mpfr_ptr r) {
                        mpfr_t m, t;
                        mpfr_inits2(256, m, t, static_cast<mpfr_ptr>(nullptr));
                        mpfr_set_si(m, z[i].re, MPFR_RNDN);
                        mpfr_set_si(t, z[i].im, MPFR_RNDN);
                        mpfr_hypot(m, m, t, MPFR_RNDN);
                        mpfr_add_si(t, m, imag ? -z[i].re : z[i].re, MPFR_RNDN);
                        mpfr_div_2ui(t, t, 1, MPFR_RNDN);
                        mpfr_sqrt(r, t, MPFR_RNDN);
                        if (imag && z[i].im < 0) mpfr_neg(r, r, MPFR_RNDN);
                        mpfr_clears(m, t, static_cast<mpfr_ptr>(nullptr));
                    },
                    sf, false, -32768, 32767);
            };
            ASSERT_EQ(w[i].re, part(false)) << z[i].re << "," << z[i].im << " sf " << sf;
            ASSERT_EQ(w[i].im, part(true)) << z[i].re << "," << z[i].im << " sf " << sf;
        }
    }
    const auto x = int_inputs<Vek32s>(2000, 8);
    std::vector<Vek16s> c(x.size());
    for (int sf : {-10, -1, 0, 1, 3, 10, 129, -130}) {
        ASSERT_EQ(veksCubrt_32s16s_Sfs(x.data(), c.data(), static_cast<int>(x.size()), sf), vekStsNoErr);
        const int m = sf < 0 ? -((-sf) & 127) : (sf & 127);
        for (std::size_t i = 0; i < x.size(); ++i) {
            const auto want = reference([&](mpfr_ptr r) { mpfr_set_si(r, x[i], MPFR_RNDN), mpfr_cbrt(r, r, MPFR_RNDN); },
                                        m, false, -32768, 32767);
            ASSERT_EQ(c[i], want) << x[i] << " sf " << sf;
        }
    }
}

TEST(IntegerSquares, ExactSquaresScaled) {
    const auto x8 = int_inputs<Vek8u>(256, 1);
    const auto x16 = int_inputs<Vek16s>(500, 2);
    const auto xu = int_inputs<Vek16u>(500, 3);
    std::vector<Vek8u> y8(x8.size());
    std::vector<Vek16s> y16(x16.size());
    std::vector<Vek16u> yu(xu.size());
    for (int sf : kScales) {
        ASSERT_EQ(veksSqr_8u_Sfs(x8.data(), y8.data(), 256, sf), vekStsNoErr);
        ASSERT_EQ(veksSqr_16s_Sfs(x16.data(), y16.data(), 500, sf), vekStsNoErr);
        ASSERT_EQ(veksSqr_16u_Sfs(xu.data(), yu.data(), 500, sf), vekStsNoErr);
        auto sq = [&](long long v) { return [v](mpfr_ptr r) { mpfr_set_sj(r, v * v, MPFR_RNDN); }; };
        for (int i = 0; i < 256; ++i) ASSERT_EQ(y8[i], reference(sq(x8[i]), sf, false, 0, 255)) << sf;
        for (int i = 0; i < 500; ++i) ASSERT_EQ(y16[i], reference(sq(x16[i]), sf, false, -32768, 32767)) << sf;
        for (int i = 0; i < 500; ++i) ASSERT_EQ(yu[i], reference(sq(xu[i]), sf, false, 0, 65535)) << sf;
    }
    const Vek16sc z[] = {{3, 4}, {-32768, -32768}, {-32768, 32767}};
    Vek16sc w[3];
    ASSERT_EQ(veksSqr_16sc_Sfs(z, w, 3, 0), vekStsNoErr);
    EXPECT_EQ(w[0].re, -7);
    EXPECT_EQ(w[0].im, 24);
    EXPECT_EQ(w[1].re, 0);
    EXPECT_EQ(w[1].im, 32767);
    ASSERT_EQ(veksSqr_16sc_Sfs(z, w, 3, 16), vekStsNoErr);
    EXPECT_EQ(w[2].re, 1);       // (2^30 - 32767^2) / 2^16 = 65535 / 65536 -> 1
    EXPECT_EQ(w[2].im, -32767);  // -2 * 32768 * 32767 / 2^16 = -32767
}

TEST(IntegerExp, RoundsHalfUpAndSaturates) {
    std::vector<Vek32s> x;
    for (int v = -60; v <= 100; ++v) x.push_back(v);
    std::vector<Vek32s> y(x.size());
    std::vector<Vek16s> x16(x.begin(), x.end()), y16(x.size());
    std::vector<Vek64s> x64(x.begin(), x.end()), y64(x.size());
    for (int sf = -70; sf <= 70; ++sf) {
        const int n = static_cast<int>(x.size());
        ASSERT_EQ(veksExp_32s_Sfs(x.data(), y.data(), n, sf), vekStsNoErr);
        ASSERT_EQ(veksExp_16s_Sfs(x16.data(), y16.data(), n, sf), vekStsNoErr);
        ASSERT_EQ(veksExp_64s_Sfs(x64.data(), y64.data(), n, sf), vekStsNoErr);
        for (int i = 0; i < n; ++i) {
            auto e = [&](mpfr_ptr r) { mpfr_set_si(r, x[i], MPFR_RNDN), mpfr_exp(r, r, MPFR_RNDN); };
            const long long max64 = std::numeric_limits<Vek64s>::max();
            ASSERT_EQ(y[i], reference(e, sf, true, 0, 2147483647)) << x[i] << " sf " << sf;
            ASSERT_EQ(y16[i], reference(e, sf, true, 0, 32767)) << x[i] << " sf " << sf;
            if (std::abs(sf) <= 64) ASSERT_EQ(y64[i], reference(e, sf, true, 0, max64)) << x[i] << " sf " << sf;
        }
    }
    const Vek32s zero = 0;
    Vek32s one;
    ASSERT_EQ(veksExp_32s_Sfs(&zero, &one, 1, 1), vekStsNoErr);
    EXPECT_EQ(one, 1);  // the only tie, 0.5, rounds up
}

TEST(IntegerLog, TablesAndWarnings) {
    const Vek32s x[] = {1, 2, 268337, 268338, 729416, 729417, 799902177, 799902178, 2147483647};
    const Vek32s want_ln[] = {0, 1, 12, 13, 13, 14, 20, 21, 21};
    Vek32s y[9];
    ASSERT_EQ(veksLn_32s_Sfs(x, y, 9, 0), vekStsNoErr);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(y[i], want_ln[i]) << x[i];
    ASSERT_EQ(veksLn_32s_Sfs(x, y, 9, 2), vekStsNoErr);
    for (int i = 0; i < 9; ++i) EXPECT_EQ(y[i], want_ln[i] >> 2);

    const Vek32s d[] = {2, 3, 4, 5, 6, 7, 8, 9, 10, 14, 15, 20, 22, 23, 1412537545, 1412537546, 1778279410,
                        1778279411, 2147483647};
    const Vek32s want_db[] = {3, 5, 6, 7, 8, 8, 9, 10, 10, 11, 12, 12, 12, 14, 90, 92, 92, 93, 93};
    Vek32s e[19];
    ASSERT_EQ(veks10Log10_32s_Sfs(d, e, 19, 0), vekStsNoErr);
    for (int i = 0; i < 19; ++i) EXPECT_EQ(e[i], want_db[i]) << d[i];
    ASSERT_EQ(veks10Log10_32s_Sfs(d, e, 19, 1), vekStsNoErr);
    EXPECT_EQ(e[7], 5);

    // Every even step boundary 10^((v + 1.5) / 10) against MPFR.
    mpfr_t r;
    mpfr_init2(r, 128);
    for (int v = 12; v <= 88; v += 2) {
        mpfr_set_si(r, v * 2 + 3, MPFR_RNDN);
        mpfr_div_si(r, r, 20, MPFR_RNDN);
        mpfr_ui_pow(r, 10, r, MPFR_RNDN);
        const Vek32s b[2] = {static_cast<Vek32s>(mpfr_get_si(r, MPFR_RNDD)), 0};
        Vek32s b2[2] = {b[0], b[0] + 1}, o[2];
        veks10Log10_32s_Sfs(b2, o, 2, 0);
        EXPECT_EQ(o[0], v);
        EXPECT_EQ(o[1], v + 2);
    }
    mpfr_clear(r);

    // Warnings name the first special kind; all elements are written.
    const Vek32s w1[] = {5, 0, -5, 1};
    const Vek32s w2[] = {5, -5, 0, 1};
    for (int sf : {0, -3}) {
        ASSERT_EQ(veksLn_32s_Sfs(w1, y, 4, sf), vekStsLnZeroArg);
        EXPECT_EQ(y[1], std::numeric_limits<Vek32s>::min());
        EXPECT_EQ(y[2], std::numeric_limits<Vek32s>::min());
        EXPECT_EQ(y[3], 0);
        ASSERT_EQ(veksLn_32s_Sfs(w2, y, 4, sf), vekStsLnNegArg);
        ASSERT_EQ(veks10Log10_32s_Sfs(w2, y, 4, sf), vekStsLnNegArg);
    }
    const Vek16s h[] = {3, 0, -1};
    Vek16s hy[3];
    ASSERT_EQ(veksLn_16s_Sfs(h, hy, 3, 0), vekStsLnZeroArg);
    EXPECT_EQ(hy[0], 1);
    EXPECT_EQ(hy[1], -32768);
}

TEST(IntegerLog, ScaledLogarithmsAgainstMpfr) {
    const auto x16 = int_inputs<Vek16s>(1500, 4);
    const auto x32 = int_inputs<Vek32s>(1500, 5);
    std::vector<Vek16s> y(1500), z(1500);
    std::vector<Vek32s> w(1500);
    for (int sf : {-12, -5, -1, 0, 1, 2, 5}) {
        if (sf != 0) veksLn_16s_Sfs(x16.data(), y.data(), 1500, sf);
        veksLn_32s16s_Sfs(x32.data(), z.data(), 1500, sf);
        if (sf < 0) veksLn_32s_Sfs(x32.data(), w.data(), 1500, sf);
        for (int i = 0; i < 1500; ++i) {
            auto ln = [](long v) { return [v](mpfr_ptr r) { mpfr_set_si(r, v, MPFR_RNDN), mpfr_log(r, r, MPFR_RNDN); }; };
            if (sf != 0 && x16[i] > 0) ASSERT_EQ(y[i], reference(ln(x16[i]), sf, false, -32768, 32767)) << x16[i];
            if (x32[i] > 0) ASSERT_EQ(z[i], reference(ln(x32[i]), sf, false, -32768, 32767)) << x32[i] << " " << sf;
            // The single-precision path is within one unit of the exact value.
            if (sf < 0 && x32[i] > 0) {
                const long long want = reference(ln(x32[i]), sf, false, INT32_MIN, INT32_MAX);
                ASSERT_LE(std::llabs(w[i] - want), 1 + std::llabs(want) / 4000000) << x32[i];
            }
        }
    }
}

}  // namespace

#else
TEST(IntegerRoots, NeedsMpfr) { GTEST_SKIP() << "MPFR not found"; }
#endif
