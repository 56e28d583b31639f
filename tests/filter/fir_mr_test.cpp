// Multirate FIR against the stepwise definition (zero-stuffing by upFactor
// at upPhase, filtering, keeping every downFactor-th sample from
// downPhase), run in long double and carried across blocks; state forms of
// several type mixes, the stateless form, thread counts and error paths.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <vector>

#include "test_util.h"

namespace {

using LC = std::complex<long double>;

template <class T>
LC lc(const T& v) {
    if constexpr (std::is_arithmetic_v<T>) return LC((long double)v, 0);
    else return LC((long double)v.re, (long double)v.im);
}

// The definition, step by step over the up-sampled time.
struct MrModel {
    std::vector<LC> h, dly;  // dly: most recent first, ceil(L/up) long
    int up, upPhase, down, downPhase;
    std::vector<LC> run(const std::vector<LC>& x, int n) {
        std::vector<LC> y;
        int p = (up - upPhase) % up, d = (down - downPhase) % down;
        size_t next = 0;
        const int L = int(h.size());
        for (long s = 0; s < long(n) * up * down; ++s) {
            if (p == 0) {
                dly.insert(dly.begin(), x[next++]);
                dly.pop_back();
            }
            if (d == 0) {
                LC acc = 0;
                for (int k = 0; p + k * up < L; ++k) acc += h[p + k * up] * dly[k];
                y.push_back(acc);
            }
            p = (p + 1) % up, d = (d + 1) % down;
        }
        return y;
    }
};

struct Rate {
    int up, upPhase, down, downPhase;
};
const Rate kRates[] = {{1, 0, 2, 1}, {1, 0, 4, 3}, {2, 1, 1, 0}, {3, 2, 1, 0}, {2, 0, 3, 2},
                       {3, 1, 2, 0}, {5, 4, 4, 1}, {4, 0, 7, 5}, {1, 0, 1, 0}};

template <class T>
T rnd(vt::Rng& r, double a) {
    if constexpr (std::is_floating_point_v<T>) return T(r.next<double>(a));
    else if constexpr (std::is_integral_v<T>) return T(std::lround(r.next<double>(a)));
    else return T{rnd<decltype(T::re)>(r, a), rnd<decltype(T::re)>(r, a)};
}

// A state-form mix: init (with buffer), block call (scale factor last),
// delay-line read, plus tolerance and scale.
template <class St, class Tp, class D>
struct MrMix {
    const char* name;
    VekStatus (*size)(int, int, int, int*);
    VekStatus (*init)(St**, const Tp*, int, int, int, int, int, const D*, Vek8u*);
    VekStatus (*block)(const D*, D*, int, St*, int);
    VekStatus (*get_dly)(const St*, D*);
    long double tol;
    int sf;
    double tap_amp, data_amp;
};

template <class St, class Tp, class D>
void run_mr(const MrMix<St, Tp, D>& m) {
    SCOPED_TRACE(m.name);
    vt::Rng rng(11);
    for (const Rate& r : kRates) {
        for (int L : {1, 5, 16, 33}) {
            SCOPED_TRACE(testing::Message() << "L " << L << " up " << r.up << "/" << r.upPhase << " down " << r.down
                                            << "/" << r.downPhase);
            const int D_ = (L + r.up - 1) / r.up;
            std::vector<Tp> h(L);
            std::vector<D> dly(D_);
            for (auto& v : h) v = rnd<Tp>(rng, m.tap_amp);
            for (auto& v : dly) v = rnd<D>(rng, m.data_amp);
            MrModel model{{}, {}, r.up, r.upPhase, r.down, r.downPhase};
            for (auto& v : h) model.h.push_back(lc(v));
            for (auto& v : dly) model.dly.push_back(lc(v));
            int bytes = 0;
            ASSERT_EQ(m.size(L, r.up, r.down, &bytes), vekStsNoErr);
            std::vector<Vek8u> mem(bytes);
            St* st = nullptr;
            ASSERT_EQ(m.init(&st, h.data(), L, r.up, r.upPhase, r.down, r.downPhase, dly.data(), mem.data() + 1),
                      vekStsNoErr);
            for (int n : {1, 3, 17, 200, 1, 1700 / r.up + 1, 5}) {
                std::vector<D> x(size_t(n) * r.down);
                for (auto& v : x) v = rnd<D>(rng, m.data_amp);
                std::vector<LC> xl;
                for (auto& v : x) xl.push_back(lc(v));
                const std::vector<LC> ref = model.run(xl, n);
                vt::Guarded<D> y(size_t(n) * r.up);
                ASSERT_EQ(m.block(x.data(), y.data(), n, st, m.sf), vekStsNoErr);
                ASSERT_TRUE(y.guards_intact());
                const long double scale = std::ldexp(1.0L, -m.sf);
                for (size_t i = 0; i < ref.size(); ++i) {
                    const LC g = lc(y[i]), w = ref[i] * scale;
                    const long double slack = m.tol * (1 + std::abs(w));
                    ASSERT_LE(std::abs(g.real() - w.real()), slack) << i;
                    ASSERT_LE(std::abs(g.imag() - w.imag()), slack) << i;
                }
            }
            std::vector<D> line(D_);
            ASSERT_EQ(m.get_dly(st, line.data()), vekStsNoErr);
            for (int i = 0; i < D_; ++i) ASSERT_EQ(lc(line[i]), model.dly[i]) << i;
        }
    }
}

#define PLAIN_MR(sfx, St, D) \
    veksFIRMRGetStateSize##sfx, veksFIRMRInit##sfx, +[](const D* s, D* d, int n, St* st, int) { return veksFIR##sfx(s, d, n, st); }, veksFIRGetDlyLine##sfx

TEST(FirMultirate, MatchesDefinition) {
    run_mr(MrMix<VekFIRState_32f, Vek32f, Vek32f>{"32f", PLAIN_MR(_32f, VekFIRState_32f, Vek32f), 1e-5L, 0, 1, 1});
    run_mr(MrMix<VekFIRState_64f, Vek64f, Vek64f>{"64f", PLAIN_MR(_64f, VekFIRState_64f, Vek64f), 1e-13L, 0, 1, 1});
    run_mr(MrMix<VekFIRState_32fc, Vek32fc, Vek32fc>{"32fc", PLAIN_MR(_32fc, VekFIRState_32fc, Vek32fc), 1e-5L, 0, 1, 1});
    run_mr(MrMix<VekFIRState32f_16s, Vek32f, Vek16s>{"32f_16s", veksFIRMRGetStateSize32f_16s, veksFIRMRInit32f_16s,
                                                     veksFIR32f_16s_Sfs, veksFIRGetDlyLine32f_16s, 1.0L, 3, 1, 1000});
    // Integer taps, scaled by 2^(tapsFactor - scaleFactor) = 2^-10.
    run_mr(MrMix<VekFIRState32s_16s, Vek32s, Vek16s>{
        "32s_16s", veksFIRMRGetStateSize32s_16s,
        +[](VekFIRState32s_16s** pp, const Vek32s* t, int L, int u, int up, int d, int dp, const Vek16s* dl, Vek8u* b) {
            return veksFIRMRInit32s_16s(pp, t, L, 0, u, up, d, dp, dl, b);
        },
        veksFIR32s_16s_Sfs, veksFIRGetDlyLine32s_16s, 0.5L, 10, 200, 1000});
}

TEST(FirMultirate, HoldAndOddOutputs) {
    const Vek32f ones[2] = {1, 1}, x[4] = {1, 2, 3, 4};
    Vek32f y[8], dly[1] = {0};
    ASSERT_EQ(veksFIRMR_Direct_32f(x, y, 4, ones, 2, 2, 0, 1, 0, dly), vekStsNoErr);
    const Vek32f hold[8] = {1, 1, 2, 2, 3, 3, 4, 4};
    for (int i = 0; i < 8; ++i) EXPECT_EQ(y[i], hold[i]);
    // Down by two from phase 1 keeps outputs 1, 3, 5 of the plain filter.
    const Vek32f h[3] = {0.5f, 0.25f, 2};
    const Vek32f s[6] = {1, -2, 3, 5, -1, 4};
    Vek32f d2[3] = {0, 0, 0}, out[3];
    ASSERT_EQ(veksFIRMR_Direct_32f(s, out, 3, h, 3, 1, 0, 2, 1, d2), vekStsNoErr);
    for (int i = 0; i < 3; ++i) {
        const int n = 2 * i + 1;
        float want = 0;
        for (int j = 0; j < 3; ++j) want += n - j >= 0 ? h[j] * s[n - j] : 0;
        EXPECT_FLOAT_EQ(out[i], want) << i;
    }
}

TEST(FirMultirate, StatelessMatchesStateAndThreads) {
    vt::Rng rng(3);
    const int L = 37, up = 3, upPh = 1, down = 2, downPh = 1, n = 1500;
    std::vector<Vek32f> h(L), x(n * down);
    for (auto& v : h) v = rnd<float>(rng, 1);
    for (auto& v : x) v = rnd<float>(rng, 1);
    std::vector<Vek32f> ref;
    for (int threads : vt::thread_counts()) {
        vt::Threads scope(threads);
        VekFIRState_32f* st;
        ASSERT_EQ(veksFIRMRInitAlloc_32f(&st, h.data(), L, up, upPh, down, downPh, nullptr), vekStsNoErr);
        std::vector<Vek32f> y(n * up), z(n * up), dly((L + up - 1) / up, 0.0f);
        ASSERT_EQ(veksFIR_32f(x.data(), y.data(), n, st), vekStsNoErr);
        ASSERT_EQ(veksFIRMR_Direct_32f(x.data(), z.data(), n, h.data(), L, up, upPh, down, downPh, dly.data()), vekStsNoErr);
        EXPECT_TRUE(vt::same_bits(y.data(), z.data(), y.size()));
        if (ref.empty()) ref = y;
        EXPECT_TRUE(vt::same_bits(ref.data(), y.data(), y.size())) << threads;
        // In place with up > down copies the input first.
        std::vector<Vek32f> io(n * up);
        std::copy(x.begin(), x.end(), io.begin());
        VekFIRState_32f* st2;
        ASSERT_EQ(veksFIRMRInitAlloc_32f(&st2, h.data(), L, up, upPh, down, downPh, nullptr), vekStsNoErr);
        ASSERT_EQ(veksFIR_32f_I(io.data(), n, st2), vekStsNoErr);
        EXPECT_TRUE(vt::same_bits(io.data(), y.data(), y.size()));
        const int64_t live = vekcoreLiveBlocks();
        vekcoreFailAllocation(1);
        EXPECT_EQ(veksFIR_32f_I(io.data(), n, st2), vekStsMemAllocErr);
        vekcoreFailAllocation(0);
        EXPECT_EQ(vekcoreLiveBlocks(), live);
        veksFIRFree_32f(st);
        veksFIRFree_32f(st2);
    }
}

TEST(FirMultirate, ErrorOrderAndUntouched) {
    const Vek32f h[4] = {1, 2, 3, 4};
    int size = 0;
    EXPECT_EQ(veksFIRMRGetStateSize_32f(4, 0, 1, nullptr), vekStsNullPtrErr);
    EXPECT_EQ(veksFIRMRGetStateSize_32f(0, 0, 1, &size), vekStsFIRLenErr);
    EXPECT_EQ(veksFIRMRGetStateSize_32f(4, 0, 1, &size), vekStsFIRMRFactorErr);
    ASSERT_EQ(veksFIRMRGetStateSize_32f(4, 2, 3, &size), vekStsNoErr);
    std::vector<Vek8u> mem(size);
    VekFIRState_32f* st = nullptr;
    EXPECT_EQ(veksFIRMRInit_32f(&st, h, 4, 0, 5, 3, 0, nullptr, mem.data()), vekStsFIRMRFactorErr);
    EXPECT_EQ(veksFIRMRInit_32f(&st, h, 4, 2, 2, 3, 0, nullptr, mem.data()), vekStsFIRMRPhaseErr);
    EXPECT_EQ(veksFIRMRInit_32f(&st, h, 4, 2, 0, 3, 3, nullptr, mem.data()), vekStsFIRMRPhaseErr);
    EXPECT_EQ(veksFIRMRInit_32f(&st, nullptr, 4, 2, 0, 3, 0, nullptr, mem.data()), vekStsNullPtrErr);
    EXPECT_EQ(st, nullptr);
    ASSERT_EQ(veksFIRMRInit_32f(&st, h, 4, 2, 0, 3, 0, nullptr, mem.data()), vekStsNoErr);
    vt::Guarded<Vek32f> y(8);
    const Vek32f x[6] = {1, 2, 3, 4, 5, 6};
    EXPECT_EQ(veksFIR_32f(x, y.data(), 0, st), vekStsSizeErr);
    EXPECT_EQ(veksFIR64f_32f(x, y.data(), 2, reinterpret_cast<VekFIRState64f_32f*>(st)), vekStsContextMatchErr);
    EXPECT_TRUE(y.untouched());
    Vek32f one;
    EXPECT_EQ(veksFIROne_32f(1, &one, st), vekStsContextMatchErr);  // one-sample call is single-rate only
    Vek32f d[1];
    EXPECT_EQ(veksFIRMR_Direct_32f(x, y.data(), 1, h, 4, 2, 0, 3, 3, d), vekStsFIRMRPhaseErr);
    EXPECT_EQ(veksFIRMR_Direct_32f(x, y.data(), 1, h, 4, 2, 0, 3, 0, nullptr), vekStsNullPtrErr);
    EXPECT_TRUE(y.untouched());
    // Up and down by one is a single-rate state.
    ASSERT_EQ(veksFIRMRInit_32f(&st, h, 4, 1, 0, 1, 0, nullptr, mem.data()), vekStsNoErr);
    EXPECT_EQ(veksFIROne_32f(1, &one, st), vekStsNoErr);
}

TEST(FirMultirate, StreamForms) {
    vt::Rng rng(5);
    const int L = 9, up = 2, upPh = 1, down = 3, downPh = 2, n = 40;
    std::vector<Vek32f> h(L), x(n * down + L);
    for (auto& v : h) v = rnd<float>(rng, 1);
    for (auto& v : x) v = rnd<float>(rng, 1);
    int size;
    ASSERT_EQ(veksFIRMRStreamGetStateSize_32f(L, up, down, &size), vekStsNoErr);
    std::vector<Vek8u> mem(size);
    VekFIRState_32f* st;
    ASSERT_EQ(veksFIRMRStreamInit_32f(&st, h.data(), L, up, upPh, down, downPh, mem.data()), vekStsNoErr);
    std::vector<Vek32f> y(n * up);
    ASSERT_EQ(veksFIR_32f(x.data(), y.data(), n, st), vekStsNoErr);
    for (int i = 0; i < n * up; ++i) {  // v at up-sampled time downPhase + i*down + L - 1
        const long t = downPh + long(i) * down + L - 1;
        long double want = 0;
        for (int j = 0; j < L; ++j)
            if ((t - j - upPh) >= 0 && (t - j - upPh) % up == 0) want += (long double)h[j] * x[(t - j - upPh) / up];
        ASSERT_NEAR(y[i], (double)want, 1e-5) << i;
    }
    EXPECT_EQ(veksFIRFree_32f(st), vekStsNoErr);
}

}  // namespace
