// Windows against their closed forms evaluated in long double, over every
// type code, in place and not, lengths across the block size; argument
// checks and the Kaiser limits.
#include <gtest/gtest.h>

#include <cmath>
#include <functional>
#include <string>
#include <vector>

#include "test_util.h"

namespace {

using ld = long double;
const ld kPi = 3.141592653589793238462643383279503L;

ld i0_as(ld x) {  // the Abramowitz-Stegun polynomials, in long double
    x = std::fabs(x);
    if (x < 3.75L) {
        const ld t = x / 3.75L, t2 = t * t;
        return 1 + t2 * (3.5156229L + t2 * (3.0899424L + t2 * (1.2067492L + t2 * (0.2659732L + t2 * (0.0360768L + t2 * 0.0045813L)))));
    }
    const ld u = 3.75L / x;
    const ld p = 0.39894228L + u * (0.01328592L + u * (0.00225319L + u * (-0.00157565L + u * (0.00916281L +
                 u * (-0.02057706L + u * (0.02635537L + u * (-0.01647633L + u * 0.00392377L)))))));
    return std::exp(x) / std::sqrt(x) * p;
}

enum Kind { Bartlett, Hann, Hamming, Blackman, BlackmanStd, BlackmanOpt, Kaiser };

ld weight(Kind k, int N, int n, ld alpha) {
    const ld m = N - 1, c = std::cos(2 * kPi * n / m), c2 = std::cos(4 * kPi * n / m);
    switch (k) {
    case Bartlett: return n <= m / 2 ? 2 * n / m : 2 - 2 * n / m;
    case Hann: return 0.5L - 0.5L * c;
    case Hamming: return n == (N - 1) / 2 && N % 2 ? 1 : 0.54L - 0.46L * c;
    case BlackmanStd: alpha = -0.16L; [[fallthrough]];
    case Blackman: return (alpha + 1) / 2 - 0.5L * c - alpha / 2 * c2;
    case BlackmanOpt: {
        const ld a = -0.25L / std::pow(std::cos(kPi / m), 2);
        return (a + 1) / 2 - 0.5L * c - a / 2 * c2;
    }
    case Kaiser: return N == 1 ? 1 : i0_as(alpha * std::sqrt(ld(n) * (m - n))) / i0_as(alpha * m / 2);
    }
    return 0;
}

// One window on one type: out of place and in place through std::function.
template <class T>
struct WinCase {
    std::string name;
    Kind kind;
    double alpha;
    std::function<VekStatus(const T*, T*, int)> run;
    std::function<VekStatus(T*, int)> run_i;
};

template <class P> double tol() { return std::is_same_v<P, float> ? 2e-7 : 1e-13; }

template <class T, class P, int C>
void check_windows(const std::vector<WinCase<T>>& cases) {
    vt::Rng rng(3);
    std::vector<int> lens = vt::sweep_lengths();
    lens.insert(lens.end(), {129, 1000, 4097});
    for (const auto& wc : cases) {
        SCOPED_TRACE(wc.name);
        for (int N : lens) {
            const int min_len = wc.kind == BlackmanOpt ? 4 : wc.kind == Kaiser ? 1 : 3;
            if (N < min_len) continue;
            std::vector<P> src(N * C);
            for (auto& v : src) v = std::is_integral_v<P> ? P(rng.raw() % 65536 - 32768) : P(rng.next<double>(1.0));
            vt::Guarded<T> dst(N);
            const double limit = std::is_same_v<P, float> ? 38 : 308;
            if (wc.kind == Kaiser && std::fabs(wc.alpha) * (N - 1) / 2 > limit) {
                ASSERT_EQ(wc.run(reinterpret_cast<const T*>(src.data()), dst.data(), N), vekStsHugeWinErr);
                ASSERT_TRUE(dst.untouched());
                continue;
            }
            ASSERT_EQ(wc.run(reinterpret_cast<const T*>(src.data()), dst.data(), N), vekStsNoErr);
            ASSERT_TRUE(dst.guards_intact());
            std::vector<P> inplace = src;
            ASSERT_EQ(wc.run_i(reinterpret_cast<T*>(inplace.data()), N), vekStsNoErr);
            const P* d = reinterpret_cast<const P*>(dst.data());
            ASSERT_TRUE(vt::same_bits(d, inplace.data(), N * C)) << N;
            for (int n = 0; n < N; ++n)
                for (int c = 0; c < C; ++c) {
                    const ld want = ld(src[n * C + c]) * weight(wc.kind, N, n, wc.alpha);
                    if constexpr (std::is_integral_v<P>) {
                        const ld r = std::max(-32768.0L, std::min(32767.0L, std::nearbyint(want)));
                        ASSERT_LE(std::fabs(ld(d[n * C + c]) - r), 1) << N << " " << n;
                    } else {
                        ASSERT_NEAR(double(d[n * C + c]), double(want), tol<P>() * 4) << N << " " << n;
                    }
                }
        }
    }
}

#define WIN(name, kind, code, ...)                                                              \
    WinCase<T>{#name, kind, ALPHA_##kind,                                                     \
               [](const T* s, T* d, int n) { return veksWin##name##_##code(s, d, n __VA_ARGS__); }, \
               [](T* d, int n) { return veksWin##name##_##code##_I(d, n __VA_ARGS__); }}
constexpr double ALPHA_Bartlett = 0, ALPHA_Hann = 0, ALPHA_Hamming = 0, ALPHA_BlackmanStd = 0, ALPHA_BlackmanOpt = 0;
constexpr double ALPHA_Blackman = 0.125, ALPHA_Kaiser = 0.0625;

#define ALL_WINDOWS(code)                                                                       \
    {WIN(Bartlett, Bartlett, code), WIN(Hann, Hann, code), WIN(Hamming, Hamming, code),          \
     WIN(BlackmanStd, BlackmanStd, code), WIN(BlackmanOpt, BlackmanOpt, code),                   \
     WIN(Blackman, Blackman, code, , 0.125f), WIN(Kaiser, Kaiser, code, , 0.0625f)}

TEST(Window, EveryTypeAgainstClosedForm) {
    { using T = Vek32f; check_windows<T, float, 1>(ALL_WINDOWS(32f)); }
    { using T = Vek32fc; check_windows<T, float, 2>(ALL_WINDOWS(32fc)); }
    { using T = Vek64f; check_windows<T, double, 1>(ALL_WINDOWS(64f)); }
    { using T = Vek64fc; check_windows<T, double, 2>(ALL_WINDOWS(64fc)); }
    { using T = Vek16s; check_windows<T, Vek16s, 1>(ALL_WINDOWS(16s)); }
    { using T = Vek16sc; check_windows<T, Vek16s, 2>(ALL_WINDOWS(16sc)); }
}

TEST(Window, Q15FormsMatchTheirFloatAlpha) {
    using T = Vek16s;
    // alphaQ15 = 3277 is alpha = 3277 / 32768.
    const double a = 3277 / 32768.0;
    std::vector<WinCase<T>> q15{
        {"BlackmanQ15", Blackman, a, [](const T* s, T* d, int n) { return veksWinBlackmanQ15_16s(s, d, n, 3277); },
         [](T* d, int n) { return veksWinBlackmanQ15_16s_I(d, n, 3277); }},
        {"KaiserQ15", Kaiser, a, [](const T* s, T* d, int n) { return veksWinKaiserQ15_16s(s, d, n, 3277); },
         [](T* d, int n) { return veksWinKaiserQ15_16s_I(d, n, 3277); }}};
    check_windows<T, Vek16s, 1>(q15);
    using C = Vek16sc;
    std::vector<WinCase<C>> q15c{
        {"BlackmanQ15c", Blackman, a, [](const C* s, C* d, int n) { return veksWinBlackmanQ15_16sc(s, d, n, 3277); },
         [](C* d, int n) { return veksWinBlackmanQ15_16sc_I(d, n, 3277); }},
        {"KaiserQ15c", Kaiser, a, [](const C* s, C* d, int n) { return veksWinKaiserQ15_16sc(s, d, n, 3277); },
         [](C* d, int n) { return veksWinKaiserQ15_16sc_I(d, n, 3277); }}};
    check_windows<C, Vek16s, 2>(q15c);
    // The scaled form: round(x * w * 2^-sf), ties to even.
    std::vector<Vek16s> x(37, 20001), ref(37, 20001);
    ASSERT_EQ(veksWinBlackmanQ15_16s_I(ref.data(), 37, -5243), 0);
    ASSERT_EQ(veksWinBlackmanQ15_16s_ISfs(x.data(), 37, -5243, 2), 0);
    for (int n = 0; n < 37; ++n) {
        const ld want = 20001.0L * weight(Blackman, 37, n, -5243 / 32768.0L) / 4;
        ASSERT_LE(std::fabs(x[n] - std::nearbyint(want)), 1) << n;
    }
}

TEST(Window, ShortLengthsByHand) {
    std::vector<Vek32f> v(5, 1.0f);
    ASSERT_EQ(veksWinBartlett_32f_I(v.data(), 3), 0);
    EXPECT_EQ(v, (std::vector<Vek32f>{0, 1, 0, 1, 1}));
    v.assign(5, 1.0f);
    ASSERT_EQ(veksWinBartlett_32f_I(v.data(), 5), 0);
    EXPECT_EQ(v, (std::vector<Vek32f>{0, 0.5f, 1, 0.5f, 0}));
    std::vector<Vek64f> h(3, 1.0);
    ASSERT_EQ(veksWinHamming_64f_I(h.data(), 3), 0);
    EXPECT_NEAR(h[0], 0.08, 1e-15);
    EXPECT_EQ(h[1], 1.0);
    EXPECT_NEAR(h[2], 0.08, 1e-15);
    std::vector<Vek64f> b(5, 1.0);
    ASSERT_EQ(veksWinBlackmanStd_64f_I(b.data(), 5), 0);
    EXPECT_NEAR(b[0], 0, 1e-15);
    EXPECT_NEAR(b[1], 0.34, 1e-15);
    EXPECT_EQ(b[2], 1.0);
    // Kaiser with alpha 0 leaves the data; length 1 copies.
    std::vector<Vek32f> k{3, -4, 5, 6};
    ASSERT_EQ(veksWinKaiser_32f_I(k.data(), 4, 0.0f), 0);
    EXPECT_EQ(k, (std::vector<Vek32f>{3, -4, 5, 6}));
    Vek16s one = -77, out = 0;
    ASSERT_EQ(veksWinKaiser_16s(&one, &out, 1, 5.0f), 0);
    EXPECT_EQ(out, -77);
}

TEST(Window, ArgumentChecks) {
    vt::Guarded<Vek32f> d(8);
    std::vector<Vek32f> s(8, 1.0f);
    struct Row { const char* what; VekStatus got, want; };
    const Row rows[] = {
        {"null src", veksWinHann_32f(nullptr, d.data(), 8), vekStsNullPtrErr},
        {"null dst", veksWinBartlett_32f(s.data(), nullptr, 8), vekStsNullPtrErr},
        {"len 2", veksWinHamming_32f(s.data(), d.data(), 2), vekStsSizeErr},
        {"null with len 0", veksWinBlackman_32f(nullptr, d.data(), 0, 0.1f), vekStsNullPtrErr},
        {"opt len 3 null", veksWinBlackmanOpt_32f(nullptr, nullptr, 3), vekStsSizeErr},
        {"opt null", veksWinBlackmanOpt_32f(nullptr, d.data(), 4), vekStsNullPtrErr},
        {"kaiser len 0", veksWinKaiser_32f(s.data(), d.data(), 0, 1.0f), vekStsSizeErr},
        {"kaiser 38 ok", veksWinKaiser_32f(s.data(), d.data(), 3, 38.0f), vekStsNoErr},
        {"kaiser 38.0001", veksWinKaiser_32f(s.data(), d.data(), 3, 38.0001f), vekStsHugeWinErr},
        {"kaiser 64f 308", veksWinKaiser_64f(std::vector<Vek64f>(3).data(), std::vector<Vek64f>(3).data(), 3, 308.0), vekStsNoErr},
        {"kaiser 64f 309", veksWinKaiser_64f(std::vector<Vek64f>(3).data(), std::vector<Vek64f>(3).data(), 3, -308.5), vekStsHugeWinErr},
        {"kaiser q15 neg", veksWinKaiserQ15_16s_I(std::vector<Vek16s>(3).data(), 3, -32768), vekStsNoErr},
    };
    for (const Row& r : rows) EXPECT_EQ(r.got, r.want) << r.what;
    vt::Guarded<Vek32f> untouched(8);
    EXPECT_EQ(veksWinKaiser_32f(s.data(), untouched.data(), 8, 20.0f), vekStsHugeWinErr);
    EXPECT_EQ(veksWinHann_32f(s.data(), untouched.data(), 2), vekStsSizeErr);
    EXPECT_TRUE(untouched.untouched());
}

}  // namespace
