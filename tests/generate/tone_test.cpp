// Tones and triangles of every shape against long double closed forms,
// phase continuation across calls, the Q15 state forms, and the status
// paths in their documented order.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <cstring>
#include <vector>

#include "test_util.h"

namespace {

constexpr long double kPiL = 3.14159265358979323846264338327950288L;

template <class T> struct PartOf { using type = T; };
template <> struct PartOf<Vek32fc> { using type = Vek32f; };
template <> struct PartOf<Vek64fc> { using type = Vek64f; };
template <> struct PartOf<Vek16sc> { using type = Vek16s; };
template <class T> constexpr bool is_cplx = !std::is_same_v<typename PartOf<T>::type, T>;

template <class T>
long double re_of(const T& v) { if constexpr (is_cplx<T>) return v.re; else return v; }
template <class T>
long double im_of(const T& v) { if constexpr (is_cplx<T>) return v.im; else return 0; }

// Allowed error per sample for an output part type and magnitude.
template <class Part>
long double tolerance(long double magn, long double arg) {
    if constexpr (std::is_same_v<Part, Vek16s>) return 0.5L + 1e-6L * magn;
    const long double eps = std::is_same_v<Part, float> ? 1.2e-7L : 2.3e-16L;
    return magn * (4 * eps + 2.3e-16L * (16 + std::fabs(arg)));  // the double argument's own error
}

template <class T, class M, class P>
using ToneFn = VekStatus (*)(T*, int, M, P, P*, VekHintAlgorithm);

template <class T, class M, class P>
void check_tone(const char* name, ToneFn<T, M, P> fn, M magn) {
    SCOPED_TRACE(name);
    using Part = typename PartOf<T>::type;
    std::vector<int> lens = vt::sweep_lengths(20);
    for (int big : {1500, 5000}) lens.push_back(big);
    for (double f : {0.0, 1e-3, 0.1, 0.25, 0.3712, 0.4999}) {
        for (double ph : {0.0, 1.0, 6.28}) {
            for (VekHintAlgorithm hint : {vekAlgHintNone, vekAlgHintFast}) {
                for (int len : lens) {
                    vt::Guarded<T> out(len);
                    P phase = P(ph);
                    ASSERT_EQ(fn(out.data(), len, magn, P(f), &phase, hint), vekStsNoErr);
                    ASSERT_TRUE(out.guards_intact());
                    const long double w = 2 * kPiL * (long double)P(f);
                    for (int n = 0; n < len; ++n) {
                        const long double arg = w * n + (long double)P(ph);
                        const long double tol = tolerance<Part>(magn, arg);
                        ASSERT_NEAR(re_of(out[n]), magn * std::cos(arg), tol) << f << " " << len << " " << n;
                        if (is_cplx<T>) ASSERT_NEAR(im_of(out[n]), magn * std::sin(arg), tol) << f << " " << n;
                    }
                    long double cont = std::fmod((long double)P(ph) + w * len, 2 * kPiL);
                    const long double got = phase;
                    // Either side of the wrap at 2 pi is the same phase.
                    const long double d = std::fabs(got - cont);
                    ASSERT_LT(std::min(d, 2 * kPiL - d), (std::is_same_v<P, float> ? 5e-7L : 1e-12L) * (1 + w * len)) << f << " " << len;
                }
            }
        }
    }
    // Continuation: two calls join into one waveform.
    P phase = P(0.5);
    std::vector<T> a(700), b(700);
    ASSERT_EQ(fn(a.data(), 300, magn, P(0.0123), &phase, vekAlgHintNone), vekStsNoErr);
    ASSERT_EQ(fn(a.data() + 300, 400, magn, P(0.0123), &phase, vekAlgHintNone), vekStsNoErr);
    phase = P(0.5);
    ASSERT_EQ(fn(b.data(), 700, magn, P(0.0123), &phase, vekAlgHintNone), vekStsNoErr);
    for (int n = 0; n < 700; ++n) ASSERT_NEAR(re_of(a[n]), re_of(b[n]), 2 * tolerance<Part>(magn, 30) + 1e-5L * magn);
}

TEST(Tone, EveryShapeAgainstLongDouble) {
    check_tone<Vek32f, Vek32f, Vek32f>("32f", veksTone_Direct_32f, 2.5f);
    check_tone<Vek64f, Vek64f, Vek64f>("64f", veksTone_Direct_64f, 1.0);
    check_tone<Vek16s, Vek16s, Vek32f>("16s", veksTone_Direct_16s, 32767);
    check_tone<Vek32fc, Vek32f, Vek32f>("32fc", veksTone_Direct_32fc, 1.0f);
    check_tone<Vek64fc, Vek64f, Vek64f>("64fc", veksTone_Direct_64fc, 3.0);
    check_tone<Vek16sc, Vek16s, Vek32f>("16sc", veksTone_Direct_16sc, 1000);
}

TEST(Tone, QuarterRateAndStatusOrder) {
    float v[4], phase = 0.f;
    ASSERT_EQ(veksTone_Direct_32f(v, 4, 2.f, 0.25f, &phase, vekAlgHintNone), vekStsNoErr);
    const float want[4] = {2, 0, -2, 0};
    for (int i = 0; i < 4; ++i) EXPECT_NEAR(v[i], want[i], 1e-6);
    EXPECT_EQ(phase, 0.f);

    vt::Guarded<float> g(4);
    float ph = 1.f, big = 6.2831855f;
    EXPECT_EQ(veksTone_Direct_32f(g.data(), 4, 0.f, 0.5f, nullptr, vekAlgHintNone), vekStsNullPtrErr);
    EXPECT_EQ(veksTone_Direct_32f(nullptr, 0, 0.f, 0.1f, &ph, vekAlgHintNone), vekStsToneMagnErr);
    EXPECT_EQ(veksTone_Direct_32f(g.data(), 4, 1.f, 0.5f, &ph, vekAlgHintNone), vekStsToneFreqErr);
    EXPECT_EQ(veksTone_Direct_32f(g.data(), 4, 1.f, -0.1f, &ph, vekAlgHintNone), vekStsToneFreqErr);
    EXPECT_EQ(veksTone_Direct_32f(g.data(), 4, 1.f, 0.1f, &big, vekAlgHintNone), vekStsTonePhaseErr);
    EXPECT_EQ(veksTone_Direct_32f(nullptr, 4, 1.f, 0.1f, &ph, vekAlgHintNone), vekStsNullPtrErr);
    EXPECT_EQ(veksTone_Direct_32f(g.data(), 0, 1.f, 0.1f, &ph, vekAlgHintNone), vekStsSizeErr);
    Vek16sc c[2];
    EXPECT_EQ(veksTone_Direct_16sc(c, 2, 0, 0.1f, &ph, vekAlgHintNone), vekStsToneMagnErr);
    double dph = 2 * M_PI;
    EXPECT_EQ(veksTone_Direct_64fc(nullptr, 2, 1.0, 0.1, &dph, vekAlgHintNone), vekStsTonePhaseErr);
    EXPECT_TRUE(g.untouched());
    EXPECT_EQ(ph, 1.f);
}

// value(p) of the triangle, in long double.
long double tri_value(long double magn, long double asym, long double p) {
    const long double h1 = kPiL + asym, h2 = kPiL - asym;
    return p < h1 ? magn * (1 - 2 * p / h1) : magn * (2 * (p - h1) / h2 - 1);
}

template <class T, class M, class P>
using TriFn = VekStatus (*)(T*, int, M, P, P, P*);

template <class T, class M, class P>
void check_triangle(const char* name, TriFn<T, M, P> fn, M magn) {
    SCOPED_TRACE(name);
    using Part = typename PartOf<T>::type;
    for (double f : {0.0, 0.01, 0.125, 0.3, 0.4999}) {
        for (double asym : {0.0, -3.14, 1.0, 3.1}) {
            for (double ph : {0.0, 2.0, 6.28}) {
                for (int len : {1, 2, 3, 8, 17, 100, 3000}) {
                    vt::Guarded<T> out(len);
                    P phase = P(ph);
                    ASSERT_EQ(fn(out.data(), len, magn, P(f), P(asym), &phase), vekStsNoErr);
                    ASSERT_TRUE(out.guards_intact());
                    const long double w = 2 * kPiL * (long double)P(f), a = (long double)P(asym);
                    const long double h1 = kPiL + a, slope = 2 * magn / std::min(h1, kPiL - a);
                    for (int n = 0; n < len; ++n) {
                        const long double p = std::fmod((long double)P(ph) + w * n, 2 * kPiL);
                        long double q = p + (2 * kPiL + h1) / 2;
                        if (q >= 2 * kPiL) q -= 2 * kPiL;
                        // Phase rounding moves a sample along the slope.
                        const long double tol = tolerance<Part>(magn, 0) + slope * 1e-15L * (n + 10);
                        ASSERT_NEAR(re_of(out[n]), tri_value(magn, a, p), tol) << f << " " << asym << " " << n;
                        if (is_cplx<T>) ASSERT_NEAR(im_of(out[n]), tri_value(magn, a, q), tol) << n;
                    }
                }
            }
        }
    }
}

TEST(Triangle, EveryShapeAgainstLongDouble) {
    check_triangle<Vek32f, Vek32f, Vek32f>("32f", veksTriangle_Direct_32f, 2.f);
    check_triangle<Vek64f, Vek64f, Vek64f>("64f", veksTriangle_Direct_64f, 1.5);
    check_triangle<Vek16s, Vek16s, Vek32f>("16s", veksTriangle_Direct_16s, 30000);
    check_triangle<Vek32fc, Vek32f, Vek32f>("32fc", veksTriangle_Direct_32fc, 1.f);
    check_triangle<Vek64fc, Vek64f, Vek64f>("64fc", veksTriangle_Direct_64fc, 4.0);
    check_triangle<Vek16sc, Vek16s, Vek32f>("16sc", veksTriangle_Direct_16sc, 777);
}

TEST(Triangle, EighthRateAndStatusOrder) {
    float v[8], phase = 0.f;
    ASSERT_EQ(veksTriangle_Direct_32f(v, 8, 4.f, 0.125f, 0.f, &phase), vekStsNoErr);
    const float want[8] = {4, 2, 0, -2, -4, -2, 0, 2};
    for (int i = 0; i < 8; ++i) EXPECT_NEAR(v[i], want[i], 1e-5);
    vt::Guarded<float> g(4);
    float ph = 1.f, big = 6.2831855f;
    const float pi_f = 3.14159274f;
    EXPECT_EQ(veksTriangle_Direct_32f(g.data(), 4, 0.f, 0.1f, 0.f, nullptr), vekStsNullPtrErr);
    EXPECT_EQ(veksTriangle_Direct_32f(g.data(), 4, -1.f, 0.6f, 9.f, &big), vekStsTrnglMagnErr);
    EXPECT_EQ(veksTriangle_Direct_32f(g.data(), 4, 1.f, 0.5f, 9.f, &big), vekStsTrnglFreqErr);
    EXPECT_EQ(veksTriangle_Direct_32f(g.data(), 4, 1.f, 0.1f, pi_f, &big), vekStsTrnglAsymErr);
    EXPECT_EQ(veksTriangle_Direct_32f(g.data(), 4, 1.f, 0.1f, 0.f, &big), vekStsTrnglPhaseErr);
    EXPECT_EQ(veksTriangle_Direct_32f(nullptr, 4, 1.f, 0.1f, 0.f, &ph), vekStsNullPtrErr);
    EXPECT_EQ(veksTriangle_Direct_32f(g.data(), 0, 1.f, 0.1f, 0.f, &ph), vekStsSizeErr);
    EXPECT_TRUE(g.untouched());
    EXPECT_EQ(ph, 1.f);
}

// Q15 state forms: split calls equal one call; values follow the formula.
TEST(Q15, TonesAndTrianglesContinueAcrossCalls) {
    int size = 0;
    ASSERT_EQ(veksToneGetStateSizeQ15_16s(&size), vekStsNoErr);
    ASSERT_EQ(size, 48);
    std::vector<unsigned char> mem(size + 3);
    auto* st = reinterpret_cast<VekToneState_16s*>(mem.data() + 3);
    const Vek16s magn = 12000, fq = 1234;
    const Vek32s pq = 100000;
    Vek16s a[16], b[16], d[16];
    ASSERT_EQ(veksToneInitQ15_16s(st, magn, fq, pq), vekStsNoErr);
    ASSERT_EQ(veksToneQ15_16s(a, 8, st), vekStsNoErr);
    ASSERT_EQ(veksToneQ15_16s(a + 8, 8, st), vekStsNoErr);
    ASSERT_EQ(veksToneInitQ15_16s(st, magn, fq, pq), vekStsNoErr);
    ASSERT_EQ(veksToneQ15_16s(b, 16, st), vekStsNoErr);
    ASSERT_EQ(veksToneQ15_Direct_16s(d, 16, magn, fq, pq), vekStsNoErr);
    EXPECT_EQ(std::memcmp(a, b, sizeof a), 0);
    EXPECT_EQ(std::memcmp(a, d, sizeof a), 0);
    for (int n = 0; n < 16; ++n)
        EXPECT_NEAR(a[n], magn * std::cos(2 * kPiL * fq / 32768.0L * n + pq / 32768.0L), 0.5001L);
    const auto live = vekcoreLiveBlocks();
    EXPECT_EQ(veksToneFree(st), vekStsNoErr);  // caller memory: nothing released
    EXPECT_EQ(vekcoreLiveBlocks(), live);

    ASSERT_EQ(veksTriangleGetStateSizeQ15_16s(&size), vekStsNoErr);
    ASSERT_EQ(size, 136);
    VekTriangleState_16s* ts = nullptr;
    ASSERT_EQ(veksTriangleInitAllocQ15_16s(&ts, 20000, 3000, 50000, -40000), vekStsNoErr);
    EXPECT_EQ(vekcoreLastRequest(), 136u);
    Vek16s t[40], u[40];
    for (int k = 0; k < 40; k += 5) ASSERT_EQ(veksTriangleQ15_16s(t + k, 5, ts), vekStsNoErr);
    ASSERT_EQ(veksTriangleQ15_Direct_16s(u, 40, 20000, 3000, 50000, -40000), vekStsNoErr);
    EXPECT_EQ(std::memcmp(t, u, sizeof t), 0);
    for (int n = 0; n < 40; ++n) {
        const long double p = std::fmod(50000 / 32768.0L + 2 * kPiL * 3000 / 32768.0L * n, 2 * kPiL);
        EXPECT_NEAR(t[n], tri_value(20000, -40000 / 32768.0L, p), 0.51L) << n;
    }
    EXPECT_EQ(veksToneQ15_16s(t, 4, reinterpret_cast<VekToneState_16s*>(ts)), vekStsContextMatchErr);
    EXPECT_EQ(veksToneFree(reinterpret_cast<VekToneState_16s*>(ts)), vekStsContextMatchErr);
    EXPECT_EQ(veksTriangleFree(ts), vekStsNoErr);
    EXPECT_EQ(vekcoreLiveBlocks(), live);
}

TEST(Q15, StatusPaths) {
    std::vector<unsigned char> mem(136, 0x5A), copy = mem;
    auto* st = reinterpret_cast<VekToneState_16s*>(mem.data());
    auto* tr = reinterpret_cast<VekTriangleState_16s*>(mem.data());
    vt::Guarded<Vek16s> g(4);
    struct Case { VekStatus got, want; };
    const Case cases[] = {
        {veksToneInitQ15_16s(nullptr, 0, -1, -1), vekStsNullPtrErr},
        {veksToneInitQ15_16s(st, 0, 0, 0), vekStsToneMagnErr},
        {veksToneInitQ15_16s(st, 1, 16384, 0), vekStsToneFreqErr},
        {veksToneInitQ15_16s(st, 1, -1, 0), vekStsToneFreqErr},
        {veksToneInitQ15_16s(st, 1, 0, 205887), vekStsTonePhaseErr},
        {veksToneInitAllocQ15_16s(nullptr, 1, 0, 0), vekStsNullPtrErr},
        {veksToneQ15_Direct_16s(nullptr, 0, 0, 0, 0), vekStsNullPtrErr},
        {veksToneQ15_Direct_16s(g.data(), 0, 0, 0, 0), vekStsSizeErr},
        {veksToneQ15_Direct_16s(g.data(), 4, 1, 0, -1), vekStsTonePhaseErr},
        {veksToneQ15_16s(g.data(), 4, st), vekStsContextMatchErr},
        {veksToneQ15_16s(nullptr, 4, st), vekStsNullPtrErr},
        {veksToneFree(nullptr), vekStsNullPtrErr},
        {veksToneGetStateSizeQ15_16s(nullptr), vekStsNullPtrErr},
        {veksTriangleInitQ15_16s(tr, 0, 0, 0, 0), vekStsTrnglMagnErr},
        {veksTriangleInitQ15_16s(tr, 1, 16384, 0, 0), vekStsTrnglFreqErr},
        {veksTriangleInitQ15_16s(tr, 1, 0, 205887, 0), vekStsTrnglPhaseErr},
        {veksTriangleInitQ15_16s(tr, 1, 0, 0, 102944), vekStsTrnglAsymErr},
        {veksTriangleInitQ15_16s(tr, 1, 0, 0, -102944), vekStsTrnglAsymErr},
        {veksTriangleQ15_Direct_16s(g.data(), 4, 1, 0, 0, 200000), vekStsTrnglAsymErr},
        {veksTriangleQ15_16s(g.data(), 4, tr), vekStsContextMatchErr},
        {veksTriangleQ15_16s(g.data(), 0, tr), vekStsSizeErr},
        {veksTriangleFree(tr), vekStsContextMatchErr},
        {veksTriangleGetStateSizeQ15_16s(nullptr), vekStsNullPtrErr},
    };
    for (std::size_t i = 0; i < sizeof cases / sizeof cases[0]; ++i) EXPECT_EQ(cases[i].got, cases[i].want) << i;
    EXPECT_TRUE(g.untouched());
    EXPECT_EQ(mem, copy);
    VekToneState_16s* keep = st;
    vekcoreFailAllocation(1);
    EXPECT_EQ(veksToneInitAllocQ15_16s(&keep, 1, 0, 0), vekStsMemAllocErr);
    EXPECT_EQ(keep, st);
}

}  // namespace
