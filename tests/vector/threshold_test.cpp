// Thresholds against plain element loops written from the rules (real
// forms) and long double arithmetic (complex forms), out of place and in
// place, over lengths that cross every SIMD head and tail.
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
std::vector<T> sample(vt::Rng& rng, int n) {
    std::vector<T> v(n);
    rng.fill(v.data(), n, 100.0);
    if constexpr (std::is_floating_point_v<T>) {
        for (int i = 0; i < n; i += 9) v[i] = T(std::floor(v[i] / 10));  // hits the levels exactly
        if (n > 3) v[3] = std::numeric_limits<T>::quiet_NaN();
        if (n > 5) v[5] = T(-0.0);
    } else {
        for (int i = 0; i < n; i += 5) v[i] = T(v[i] % 64);
        if (n > 2) v[2] = std::numeric_limits<T>::lowest();
    }
    return v;
}

// One real operation: the library's two forms and the expected element.
template <class T>
struct RealOp {
    const char* name;
    std::function<VekStatus(const T*, T*, int)> out_of_place;
    std::function<VekStatus(T*, int)> in_place;
    std::function<T(T)> expect;
};

template <class T>
void check_real(const RealOp<T>& op) {
    SCOPED_TRACE(op.name);
    vt::Rng rng(2);
    for (int len : vt::sweep_lengths()) {
        for (int off = 0; off < 2; ++off) {
            const auto x = sample<T>(rng, len + off);
            Guarded<T> y(len + off);
            ASSERT_EQ(op.out_of_place(x.data() + off, y.data() + off, len), vekStsNoErr);
            std::vector<T> z(x);
            ASSERT_EQ(op.in_place(z.data() + off, len), vekStsNoErr);
            for (int i = off; i < len + off; ++i) {
                const T want = op.expect(x[i]);
                ASSERT_TRUE(vt::same_bits(&y[i], &want, 1) || (want != want && y[i] != y[i])) << i << " " << +x[i];
                ASSERT_TRUE(vt::same_bits(&z[i], &y[i], 1));
            }
            ASSERT_TRUE(y.guards_intact());
        }
    }
}

#define OP2(f, ...)                                                                             \
    [=](const T* s, T* d, int n) { return f(s, d, n, __VA_ARGS__); }, [=](T* p, int n) { return f##_I(p, n, __VA_ARGS__); }

#define REAL_FAMILY(TT, code, level, value)                                                                         \
    {                                                                                                               \
        using T = TT;                                                                                               \
        const T l = level, v = value, hi = T(l + 20);                                                               \
        check_real<T>({"LT", OP2(veksThreshold_LT_##code, l), [=](T x) { return x < l ? l : x; }});                 \
        check_real<T>({"GT", OP2(veksThreshold_GT_##code, l), [=](T x) { return x > l ? l : x; }});                 \
        check_real<T>({"LTValGTVal", OP2(veksThreshold_LTValGTVal_##code, l, v, hi, T(-v)),                          \
                       [=](T x) { return x > hi ? T(-v) : x < l ? v : x != x ? v : x; }});                          \
        check_real<T>({"LTAbs", OP2(veksThreshold_LTAbs_##code, l), [=](T x) {                                      \
                           const long double a = std::fabs((long double)x);                                         \
                           return a < l ? (std::signbit((long double)x) ? T(-l) : l) : x;                           \
                       }});                                                                                         \
        check_real<T>({"GTAbs", OP2(veksThreshold_GTAbs_##code, l), [=](T x) {                                      \
                           const long double a = std::fabs((long double)x);                                         \
                           return a > l ? (std::signbit((long double)x) ? T(-l) : l) : x;                           \
                       }});                                                                                         \
    }
#define GENERAL_FAMILY(TT, code, level, value)                                                                       \
    {                                                                                                               \
        using T = TT;                                                                                               \
        const T l = level, v = value;                                                                               \
        check_real<T>({"Less", OP2(veksThreshold_##code, l, 0), [=](T x) { return x < l ? l : x; }});               \
        check_real<T>({"Greater", OP2(veksThreshold_##code, l, 4), [=](T x) { return x > l ? l : x; }});            \
        check_real<T>({"LTVal", OP2(veksThreshold_LTVal_##code, l, v), [=](T x) { return x >= l ? x : v; }});       \
        check_real<T>({"GTVal", OP2(veksThreshold_GTVal_##code, l, v), [=](T x) { return x > l ? v : x; }});        \
    }

TEST(Threshold, RealFormsMatchElementRules) {
    REAL_FAMILY(Vek16s, 16s, 17, -5)
    REAL_FAMILY(Vek32s, 32s, 17, -5)
    REAL_FAMILY(Vek32f, 32f, 7.0f, -1.5f)
    REAL_FAMILY(Vek64f, 64f, 7.0, -1.5)
    GENERAL_FAMILY(Vek16s, 16s, 17, -5)
    GENERAL_FAMILY(Vek32f, 32f, 7.0f, -1.5f)
    GENERAL_FAMILY(Vek64f, 64f, 7.0, -1.5)
    GENERAL_FAMILY(Vek32f, 32f, -0.0f, 2.0f)
}

TEST(Threshold, WorkedCases) {
    const float a[] = {1, 3};
    float b[2];
    EXPECT_EQ(veksThreshold_32f(a, b, 2, 2.0f, 4), vekStsNoErr);
    EXPECT_EQ(b[1], 2.0f);
    const Vek16s c[] = {4, 5, 6};
    Vek16s d[3];
    EXPECT_EQ(veksThreshold_LTValGTVal_16s(c, d, 3, 5, -1, 5, 99), vekStsNoErr);
    EXPECT_EQ(d[0], -1);
    EXPECT_EQ(d[1], 5);
    EXPECT_EQ(d[2], 99);
    const float e[] = {-1, 0.5f, -3, -0.0f};
    float f[4];
    veksThreshold_LTAbs_32f(e, f, 4, 2.0f);
    EXPECT_EQ(f[0], -2.0f);
    EXPECT_EQ(f[1], 2.0f);
    EXPECT_EQ(f[2], -3.0f);
    EXPECT_EQ(f[3], -2.0f);
    Vek16s m = -32768;
    veksThreshold_GTAbs_16s_I(&m, 1, 100);
    EXPECT_EQ(m, -100);
}

// ---- complex -----------------------------------------------------------------

template <class C, class L>
void check_complex(const char* name, VekStatus (*thr)(const C*, C*, int, L, int), VekStatus (*thr_i)(C*, int, L, int),
                   VekStatus (*ltval)(const C*, C*, int, L, C), VekStatus (*gtval)(const C*, C*, int, L, C), L level,
                   double tol) {
    SCOPED_TRACE(name);
    using P = decltype(C{}.re);
    vt::Rng rng(6);
    const int n = 300;
    std::vector<C> x(n);
    for (auto& z : x) z = C{P(rng.next<double>(20.0)), P(rng.next<double>(20.0))};
    x[0] = C{P(level), 0};  // exactly on the level: unchanged
    std::vector<C> lt(n), gt(n), ltv(n), gtv(n);
    const C val{P(1), P(-2)};
    ASSERT_EQ(thr(x.data(), lt.data(), n, level, 0), vekStsNoErr);
    ASSERT_EQ(thr(x.data(), gt.data(), n, level, 4), vekStsNoErr);
    ASSERT_EQ(ltval(x.data(), ltv.data(), n, level, val), vekStsNoErr);
    ASSERT_EQ(gtval(x.data(), gtv.data(), n, level, val), vekStsNoErr);
    std::vector<C> ip(x);
    ASSERT_EQ(thr_i(ip.data(), n, level, 0), vekStsNoErr);
    for (int i = 0; i < n; ++i) {
        const long double re = x[i].re, im = x[i].im, m = std::sqrt(re * re + im * im);
        for (int k = 0; k < 2; ++k) {
            const bool act = k == 0 ? m < level : m > level;
            const C got = k == 0 ? lt[i] : gt[i];
            const long double wr = act ? re * level / m : re, wi = act ? im * level / m : im;
            ASSERT_NEAR(got.re, wr, tol * (1 + std::fabs(wr))) << i;
            ASSERT_NEAR(got.im, wi, tol * (1 + std::fabs(wi))) << i;
        }
        ASSERT_TRUE(vt::same_bits(&ip[i], &lt[i], 1));
        ASSERT_TRUE(vt::same_bits(&ltv[i], m < level ? &val : &x[i], 1));
        ASSERT_TRUE(vt::same_bits(&gtv[i], m > level ? &val : &x[i], 1));
    }
    // Level 0: Less copies, Greater writes zeros.
    ASSERT_EQ(thr(x.data(), lt.data(), n, L(0), 0), vekStsNoErr);
    ASSERT_EQ(thr(x.data(), gt.data(), n, L(0), 4), vekStsNoErr);
    const C zero{};
    for (int i = 0; i < n; ++i) {
        ASSERT_TRUE(vt::same_bits(&lt[i], &x[i], 1));
        ASSERT_TRUE(vt::same_bits(&gt[i], &zero, 1));
    }
}

TEST(Threshold, ComplexFormsScaleToTheLevel) {
    check_complex<Vek32fc, Vek32f>("32fc", veksThreshold_32fc, veksThreshold_32fc_I, veksThreshold_LTVal_32fc,
                                   veksThreshold_GTVal_32fc, 9.0f, 2e-6);
    check_complex<Vek64fc, Vek64f>("64fc", veksThreshold_64fc, veksThreshold_64fc_I, veksThreshold_LTVal_64fc,
                                   veksThreshold_GTVal_64fc, 9.0, 1e-14);
    check_complex<Vek16sc, Vek16s>("16sc", veksThreshold_16sc, veksThreshold_16sc_I, veksThreshold_LTVal_16sc,
                                   veksThreshold_GTVal_16sc, Vek16s(9), 0.5);
}

// ---- argument checks -------------------------------------------------------------

TEST(Threshold, BadArgumentsWriteNothing) {
    Guarded<Vek32f> d(4);
    Guarded<Vek32fc> dc(4);
    Guarded<Vek16s> d16(4);
    const Vek32f s[4] = {};
    const Vek32fc sc[4] = {};
    const Vek16s s16[4] = {};
    const struct {
        VekStatus got, want;
    } cases[] = {
        {veksThreshold_32f(s, d.data(), 4, 1.0f, 1), vekStsBadArgErr},
        {veksThreshold_32f(nullptr, d.data(), 4, 1.0f, 1), vekStsNullPtrErr},
        {veksThreshold_32f(s, d.data(), 0, 1.0f, 1), vekStsSizeErr},
        {veksThreshold_32f_I(d.data(), 4, 1.0f, 3), vekStsBadArgErr},
        {veksThreshold_32fc(sc, dc.data(), 4, -1.0f, 4), vekStsThreshNegLevelErr},
        {veksThreshold_32fc(sc, dc.data(), 4, -1.0f, 2), vekStsBadArgErr},
        {veksThreshold_LT_32fc(sc, dc.data(), 4, -1.0f), vekStsThreshNegLevelErr},
        {veksThreshold_LTVal_32fc(sc, dc.data(), 4, -1.0f, Vek32fc{}), vekStsThreshNegLevelErr},
        {veksThreshold_LTValGTVal_16s(s16, d16.data(), 4, 5, 0, 4, 0), vekStsThreshLevelOrderErr},
        {veksThreshold_LTAbs_16s(s16, d16.data(), 4, -1), vekStsThreshNegLevelErr},
        {veksThreshold_GTAbs_32f_I(d.data(), 4, -1.0f), vekStsThreshNegLevelErr},
        {veksThreshold_LTInv_32f(s, d.data(), 4, -1.0f), vekStsThreshNegLevelErr},
        {veksThreshold_LTInv_32fc_I(dc.data(), 0, -1.0f), vekStsSizeErr},
        {veksThreshold_LTInv_64f(nullptr, nullptr, 4, 1.0), vekStsNullPtrErr},
        {veksThreshold_LT_32s(nullptr, nullptr, 0, 1), vekStsNullPtrErr},
        {veksThreshold_GT_16sc_I(nullptr, -2, 1), vekStsNullPtrErr},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.want);
    EXPECT_TRUE(d.untouched() && dc.untouched() && d16.untouched());
}

// ---- reciprocal threshold ---------------------------------------------------------

template <class T>
void check_inv_real(VekStatus (*f)(const T*, T*, int, T), VekStatus (*fi)(T*, int, T), int parallel_from) {
    vt::Rng rng(7);
    const int n = parallel_from * 3 + 5;
    std::vector<T> x(n);
    rng.fill(x.data(), n, 4.0);
    std::vector<T> y(n), ref(n);
    for (T level : {T(0.5), T(0)}) {
        for (int i = 0; i < n; ++i) {
            const T a = std::fabs(x[i]) < level ? level : std::fabs(x[i]);
            ref[i] = T(1) / std::copysign(a, x[i]);
        }
        for (int threads : vt::thread_counts()) {
            vt::Threads scope(threads);
            ASSERT_EQ(f(x.data(), y.data(), n, level), vekStsNoErr);
            ASSERT_TRUE(vt::same_bits(y.data(), ref.data(), n)) << threads;
        }
    }
    // Zeros with level 0: the warning depends on the length alone.
    x[1] = 0;
    for (int threads : vt::thread_counts()) {
        vt::Threads scope(threads);
        EXPECT_EQ(f(x.data(), y.data(), parallel_from - 1, T(0)), vekStsInvOfZero);
        EXPECT_EQ(f(x.data(), y.data(), parallel_from, T(0)), vekStsDivByZero);
        EXPECT_EQ(y[1], std::numeric_limits<T>::infinity());
        std::vector<T> z(x);
        EXPECT_EQ(fi(z.data(), n, T(0)), vekStsDivByZero);
        EXPECT_TRUE(vt::same_bits(z.data(), y.data(), parallel_from));
    }
    const T two[] = {T(0.25), T(-0.25)};
    T out[2];
    EXPECT_EQ(f(two, out, 2, T(0.5)), vekStsNoErr);
    EXPECT_EQ(out[0], T(2));
    EXPECT_EQ(out[1], T(-2));
}

TEST(ThresholdInv, RealBitIdenticalOverThreadCounts) {
    check_inv_real<Vek32f>(veksThreshold_LTInv_32f, veksThreshold_LTInv_32f_I, 8192);
    check_inv_real<Vek64f>(veksThreshold_LTInv_64f, veksThreshold_LTInv_64f_I, 2048);
    // The worked case: [0, 2] repeated.
    std::vector<Vek64f> x(2048), y(2048);
    for (int i = 0; i < 2048; ++i) x[i] = i % 2 ? 2.0 : 0.0;
    EXPECT_EQ(veksThreshold_LTInv_64f(x.data(), y.data(), 2, 0.0), vekStsInvOfZero);
    EXPECT_EQ(y[0], INFINITY);
    EXPECT_EQ(y[1], 0.5);
    EXPECT_EQ(veksThreshold_LTInv_64f(x.data(), y.data(), 2048, 0.0), vekStsDivByZero);
    EXPECT_EQ(veksThreshold_LTInv_64f(x.data(), y.data(), 2046, 0.0), vekStsInvOfZero);
}

template <class C, class L>
void check_inv_cplx(VekStatus (*f)(const C*, C*, int, L), int parallel_from, double tol) {
    using P = decltype(C{}.re);
    vt::Rng rng(8);
    const int n = parallel_from * 2 + 3;
    std::vector<C> x(n), y(n), first(n);
    for (auto& z : x) z = C{P(rng.next<double>(3.0)), P(rng.next<double>(3.0))};
    x[4] = C{0, 0};
    const L level = L(1);
    for (int threads : vt::thread_counts()) {
        vt::Threads scope(threads);
        ASSERT_EQ(f(x.data(), y.data(), n, level), vekStsNoErr);
        if (threads == 1) first = y;
        ASSERT_TRUE(vt::same_bits(y.data(), first.data(), n));
    }
    for (int i = 0; i < n; ++i) {
        long double re = x[i].re, im = x[i].im, m = std::sqrt(re * re + im * im);
        if (m < level) {
            re = m == 0 ? level : re * level / m;
            im = m == 0 ? 0 : im * level / m;
        }
        const long double d = re * re + im * im;
        ASSERT_NEAR(y[i].re, re / d, tol) << i;
        ASSERT_NEAR(y[i].im, -im / d, tol) << i;
    }
    EXPECT_EQ(f(x.data(), y.data(), parallel_from - 1, L(0)), vekStsInvOfZero);
    EXPECT_EQ(f(x.data(), y.data(), parallel_from, L(0)), vekStsDivByZero);
    EXPECT_TRUE(std::isinf(y[4].re) && std::isinf(y[4].im));
}

TEST(ThresholdInv, ComplexBitIdenticalOverThreadCounts) {
    check_inv_cplx<Vek32fc, Vek32f>(veksThreshold_LTInv_32fc, 2048, 1e-6);
    check_inv_cplx<Vek64fc, Vek64f>(veksThreshold_LTInv_64fc, 512, 1e-14);
}

}  // namespace
