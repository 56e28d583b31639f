// Single-rate float-tap FIR states against a long-double model that carries
// the history across blocks of random sizes (1, below and above the direct
// capacity, across the FFT and the parallel thresholds), plus the get/set
// calls, the one-sample call, thread counts and every error path.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <limits>
#include <cstring>
#include <vector>

#include "fir_model.h"
#include "test_util.h"

namespace {

using fm::LC;

template <class St, class Tp, class D>
struct Mix {
    const char* name;
    VekStatus (*size)(int, int*);
    VekStatus (*init)(St**, const Tp*, int, const D*, Vek8u*);
    VekStatus (*init_alloc)(St**, const Tp*, int, const D*);
    VekStatus (*free_)(St*);
    VekStatus (*get_taps)(const St*, Tp*);
    VekStatus (*set_taps)(const Tp*, St*);
    VekStatus (*get_dly)(const St*, D*);
    VekStatus (*set_dly)(St*, const D*);
    VekStatus (*block)(const D*, D*, int, St*, int);
    VekStatus (*block_i)(D*, int, St*, int);
    VekStatus (*one)(D, D*, St*, int);
    long double rel_tol;  // of the sum of |h||x|
    int sf;               // scale factor of integer data
    bool exact = false;   // integer taps: bit-exact rounding of the exact sum
    int tf = 0;           // tapsFactor of integer taps
};

#define STATE_FNS(sfx) veksFIRGetStateSize##sfx, veksFIRInit##sfx, veksFIRInitAlloc##sfx, veksFIRFree##sfx, \
    veksFIRGetTaps##sfx, veksFIRSetTaps##sfx, veksFIRGetDlyLine##sfx, veksFIRSetDlyLine##sfx
#define PLAIN(sfx, St, D)                                                                              \
    STATE_FNS(sfx), +[](const D* s, D* d, int n, St* st, int) { return veksFIR##sfx(s, d, n, st); },   \
        +[](D* p, int n, St* st, int) { return veksFIR##sfx##_I(p, n, st); },                         \
        +[](D x, D* y, St* st, int) { return veksFIROne##sfx(x, y, st); }
#define SFS(sfx) STATE_FNS(sfx), veksFIR##sfx##_Sfs, veksFIR##sfx##_ISfs, veksFIROne##sfx##_Sfs

template <class T>
T random_elem(vt::Rng& rng, double scale) {
    if constexpr (std::is_floating_point_v<T>) return T(rng.next<double>(scale));
    else if constexpr (std::is_integral_v<T>) return T(std::lround(rng.next<double>(scale)));
    else return T{random_elem<decltype(T::re)>(rng, scale), random_elem<decltype(T::re)>(rng, scale)};
}

template <class D>
constexpr bool integer_data() {
    if constexpr (std::is_arithmetic_v<D>) return std::is_integral_v<D>;
    else return std::is_integral_v<decltype(D::re)>;
}

template <class D>
struct PartOf {
    using type = D;
};
template <>
struct PartOf<Vek16sc> {
    using type = Vek16s;
};
template <>
struct PartOf<Vek32sc> {
    using type = Vek32s;
};
template <>
struct PartOf<Vek32fc> {
    using type = float;
};
template <>
struct PartOf<Vek64fc> {
    using type = double;
};

template <class D>
long double exact_part(long double v) {
    using P = typename PartOf<D>::type;
    const long double r = std::nearbyintl(v);  // default mode: halves to even
    return std::clamp<long double>(r, std::numeric_limits<P>::lowest(), std::numeric_limits<P>::max());
}

template <class D>
void expect_close(const D& got, LC ref, long double bound, long double tol, int sf, const char* what, int n,
                  bool exact = false) {
    const long double scale = std::ldexp(1.0L, -sf);
    if (exact) {
        const LC g = fm::to_lc(got);
        ASSERT_EQ(g.real(), exact_part<D>(ref.real() * scale)) << what << " at " << n;
        ASSERT_EQ(g.imag(), exact_part<D>(ref.imag() * scale)) << what << " at " << n;
        return;
    }
    const LC want = ref * scale;
    const LC g = fm::to_lc(got);
    const long double slack = integer_data<D>() ? 1.0L + tol * bound * scale : tol * bound + 1e-30L;
    ASSERT_LE(std::abs(g.real() - want.real()), slack) << what << " at " << n;
    ASSERT_LE(std::abs(g.imag() - want.imag()), slack) << what << " at " << n;
}

template <class St, class Tp, class D>
void run_mix(const Mix<St, Tp, D>& m) {
    SCOPED_TRACE(m.name);
    vt::Rng rng(7);
    const double amp = integer_data<D>() ? 2000.0 : 1.0;
    for (int L : {1, 2, 3, 5, 17, 32, 63, 64, 65, 257}) {
        SCOPED_TRACE(L);
        std::vector<Tp> h(L);
        std::vector<D> dly(L);
        for (auto& v : h) v = random_elem<Tp>(rng, integer_data<Tp>() ? 3000.0 : 1.0 / std::sqrt(double(L)));
        for (auto& v : dly) v = random_elem<D>(rng, amp);
        fm::Model model;
        for (auto& v : h) model.h.push_back(fm::to_lc(v));
        for (auto& v : dly) model.past.push_back(fm::to_lc(v));

        St* st = nullptr;
        int bytes = 0;
        ASSERT_EQ(m.size(L, &bytes), vekStsNoErr);
        std::vector<Vek8u> mem(bytes);
        const bool alloc = L % 2 == 1;
        if (alloc) ASSERT_EQ(m.init_alloc(&st, h.data(), L, dly.data()), vekStsNoErr);
        else ASSERT_EQ(m.init(&st, h.data(), L, dly.data(), mem.data() + 3), vekStsNoErr);

        std::vector<Tp> back(L);
        ASSERT_EQ(m.get_taps(st, back.data()), vekStsNoErr);
        ASSERT_TRUE(vt::same_bits(back.data(), h.data(), L));

        const int sizes[] = {1, 2, 3, 4, 5, 7, 9, 33, 67, 130, 255, 256, 511, 512, 513, 800, 801, 1600, 1601, 2500, 4097};
        int step = 0;
        for (int done = 0; done < 2000; ++step) {
            const int n = sizes[rng.raw() % (sizeof sizes / sizeof *sizes)];
            std::vector<D> x(n);
            for (auto& v : x) v = random_elem<D>(rng, amp);
            std::vector<LC> xl;
            for (auto& v : x) xl.push_back(fm::to_lc(v));
            std::vector<long double> bound;
            const std::vector<LC> ref = model.run(xl, &bound);
            vt::Guarded<D> y(n);
            const int how = step % 3;
            if (how == 0) {
                ASSERT_EQ(m.block(x.data(), y.data(), n, st, m.sf), vekStsNoErr);
            } else if (how == 1) {
                std::memcpy(y.data(), x.data(), sizeof(D) * n);
                ASSERT_EQ(m.block_i(y.data(), n, st, m.sf), vekStsNoErr);
            } else {
                for (int i = 0; i < n; ++i) ASSERT_EQ(m.one(x[i], &y[i], st, m.sf), vekStsNoErr);
            }
            ASSERT_TRUE(y.guards_intact());
            for (int i = 0; i < n; ++i) expect_close(y[i], ref[i], bound[i], m.rel_tol, m.sf - m.tf, "output", done + i, m.exact);
            done += n;
        }
        // The public delay line is the last L inputs, most recent first.
        std::vector<D> line(L);
        ASSERT_EQ(m.get_dly(st, line.data()), vekStsNoErr);
        for (int i = 0; i < L; ++i) expect_close(line[i], model.past[i], 0, 0, 0, "delay line", i);
        ASSERT_EQ(m.free_(st), vekStsNoErr);
    }
}

constexpr long double kTol32 = 2e-6L, kTol64 = 1e-14L;

TEST(FirState, MatchesModelAcrossBlocks) {
    run_mix(Mix<VekFIRState_32f, Vek32f, Vek32f>{"32f", PLAIN(_32f, VekFIRState_32f, Vek32f), kTol32, 0});
    run_mix(Mix<VekFIRState_64f, Vek64f, Vek64f>{"64f", PLAIN(_64f, VekFIRState_64f, Vek64f), kTol64, 0});
    run_mix(Mix<VekFIRState_32fc, Vek32fc, Vek32fc>{"32fc", PLAIN(_32fc, VekFIRState_32fc, Vek32fc), kTol32, 0});
    run_mix(Mix<VekFIRState_64fc, Vek64fc, Vek64fc>{"64fc", PLAIN(_64fc, VekFIRState_64fc, Vek64fc), kTol64, 0});
    run_mix(Mix<VekFIRState64f_32f, Vek64f, Vek32f>{"64f_32f", PLAIN(64f_32f, VekFIRState64f_32f, Vek32f), 1e-7L, 0});
    run_mix(Mix<VekFIRState64fc_32fc, Vek64fc, Vek32fc>{"64fc_32fc", PLAIN(64fc_32fc, VekFIRState64fc_32fc, Vek32fc), 1e-7L, 0});
    run_mix(Mix<VekFIRState32f_16s, Vek32f, Vek16s>{"32f_16s", SFS(32f_16s), kTol32, 2});
    run_mix(Mix<VekFIRState32fc_16sc, Vek32fc, Vek16sc>{"32fc_16sc", SFS(32fc_16sc), kTol32, 1});
    run_mix(Mix<VekFIRState64f_16s, Vek64f, Vek16s>{"64f_16s", SFS(64f_16s), kTol64, -1});
    run_mix(Mix<VekFIRState64fc_16sc, Vek64fc, Vek16sc>{"64fc_16sc", SFS(64fc_16sc), kTol64, 0});
    run_mix(Mix<VekFIRState64f_32s, Vek64f, Vek32s>{"64f_32s", SFS(64f_32s), kTol64, 3});
    run_mix(Mix<VekFIRState64fc_32sc, Vek64fc, Vek32sc>{"64fc_32sc", SFS(64fc_32sc), kTol64, 0});
}

// Integer taps: the exact sum scaled by 2^(tapsFactor - scaleFactor).
#define INT_FNS(sfx, St, PT, PD, tf)                                                                             \
    veksFIRGetStateSize##sfx,                                                                                    \
        +[](St** pp, const PT* t, int L, const PD* d, Vek8u* b) { return veksFIRInit##sfx(pp, t, L, tf, d, b); }, \
        +[](St** pp, const PT* t, int L, const PD* d) { return veksFIRInitAlloc##sfx(pp, t, L, tf, d); },        \
        veksFIRFree##sfx, +[](const St* st, PT* t) {                                                             \
            int f = 0;                                                                                           \
            return veksFIRGetTaps##sfx(st, t, &f) != 0 || f != tf ? -1 : 0;                                      \
        },                                                                                                       \
        +[](const PT* t, St* st) { return veksFIRSetTaps##sfx(t, st, tf); }, veksFIRGetDlyLine##sfx,             \
        veksFIRSetDlyLine##sfx, veksFIR##sfx##_Sfs, veksFIR##sfx##_ISfs, veksFIROne##sfx##_Sfs

TEST(FirState, IntegerTapsExact) {
    run_mix(Mix<VekFIRState32s_16s, Vek32s, Vek16s>{"32s_16s", INT_FNS(32s_16s, VekFIRState32s_16s, Vek32s, Vek16s, 3), 0, 5, true, 3});
    run_mix(Mix<VekFIRState_16s, Vek16s, Vek16s>{"16s", INT_FNS(_16s, VekFIRState_16s, Vek16s, Vek16s, -2), 0, 9, true, -2});
    run_mix(Mix<VekFIRState32sc_16sc, Vek32sc, Vek16sc>{"32sc_16sc", INT_FNS(32sc_16sc, VekFIRState32sc_16sc, Vek32sc, Vek16sc, 0), 0, 7, true, 0});
}

// ---- stateless, stream and sparse forms, threads, errors -----------------------

TEST(FirDirect, MatchesStateAcrossCalls) {
    vt::Rng rng(17);
    for (int L : {1, 4, 13, 63, 64, 90}) {
        SCOPED_TRACE(L);
        std::vector<Vek32f> h(L), dly(2 * L, 0.0f);
        for (auto& v : h) v = rng.next<float>(1);
        fm::Model model;
        for (auto& v : h) model.h.push_back(fm::to_lc(v));
        model.past.assign(L, 0);
        int idx = 0;
        for (int n : {1, 2, L, 3 * L + 5, 700, 1, 2000}) {
            std::vector<Vek32f> x(n), y(n);
            for (auto& v : x) v = rng.next<float>(1);
            std::vector<LC> xl;
            for (auto& v : x) xl.push_back(fm::to_lc(v));
            std::vector<long double> bound;
            const auto ref = model.run(xl, &bound);
            if (n % 2) {
                ASSERT_EQ(veksFIR_Direct_32f(x.data(), y.data(), n, h.data(), L, dly.data(), &idx), vekStsNoErr);
            } else {  // one sample at a time, in place
                for (int i = 0; i < n; ++i) {
                    y[i] = x[i];
                    ASSERT_EQ(veksFIROne_Direct_32f_I(&y[i], h.data(), L, dly.data(), &idx), vekStsNoErr);
                }
            }
            for (int i = 0; i < n; ++i) expect_close(y[i], ref[i], bound[i], kTol32, 0, "direct", i);
        }
    }
    Vek32f h[4] = {1, 2, 3, 4}, d[8] = {0}, y;
    int idx = 4;
    EXPECT_EQ(veksFIROne_Direct_32f(1, &y, h, 4, d, &idx), vekStsDlyLineIndexErr);
    EXPECT_EQ(veksFIROne_Direct_32f(1, &y, h, 0, d, &idx), vekStsFIRLenErr);
    EXPECT_EQ(veksFIR_Direct_32f(h, d, 0, h, 4, d, &idx), vekStsSizeErr);
}

TEST(FirDirect, Q15IsExact) {
    vt::Rng rng(4);
    const int L = 11, n = 300, sf = 1;
    std::vector<Vek16s> h(L), x(n), y(n), line(2 * L, 0);
    for (auto& v : h) v = Vek16s(rng.next<double>(20000));
    for (auto& v : x) v = Vek16s(rng.next<double>(20000));
    int idx = 0;
    ASSERT_EQ(veksFIR_Direct_16s_Sfs(x.data(), y.data(), n, h.data(), L, line.data(), &idx, sf), vekStsNoErr);
    for (int k = 0; k < n; ++k) {
        long long acc = 0;
        for (int j = 0; j < L && j <= k; ++j) acc += (long long)h[j] * x[k - j];
        const long double want = std::clamp<long double>(std::nearbyintl(std::ldexp((long double)acc, -(sf + 15))), -32768, 32767);
        ASSERT_EQ(y[k], (Vek16s)want) << k;
    }
    // The history comes back most recent first at index 0.
    EXPECT_EQ(idx, 0);
    for (int i = 0; i < L; ++i) EXPECT_EQ(line[i], x[n - 1 - i]);
}

TEST(FirStream, SumsFromTheSource) {
    vt::Rng rng(8);
    const int L = 21, n = 77;
    std::vector<Vek32f> h(L), x(n + L - 1), y(n);
    for (auto& v : h) v = rng.next<float>(1);
    for (auto& v : x) v = rng.next<float>(1);
    VekFIRState_32f* st;
    ASSERT_EQ(veksFIRStreamInitAlloc_32f(&st, h.data(), L), vekStsNoErr);
    ASSERT_EQ(veksFIR_32f(x.data(), y.data(), n, st), vekStsNoErr);
    for (int k = 0; k < n; ++k) {
        long double want = 0;
        for (int i = 0; i < L; ++i) want += (long double)h[L - 1 - i] * x[k + i];
        ASSERT_NEAR(y[k], (double)want, 1e-5) << k;
    }
    EXPECT_EQ(veksFIRFree_32f(st), vekStsNoErr);
    // 16s: each rounding mode on sums that end in a half (y = x[k] - 16384 x[k+1]).
    const Vek16s t16[2] = {-32768, 2};
    VekFIRState_16s* s16;
    EXPECT_EQ(veksFIRStreamInitAlloc_16s(&s16, t16, 2, 0, 3), vekStsRoundModeErr);
    for (int mode = 0; mode < 3; ++mode) {
        ASSERT_EQ(veksFIRStreamInitAlloc_16s(&s16, t16, 2, 0, mode), vekStsNoErr);
        Vek16s tf[2];
        int f = 0;
        ASSERT_EQ(veksFIRGetTaps_16s(s16, tf, &f), vekStsNoErr);
        EXPECT_EQ(f, 1);  // halved because of -32768
        EXPECT_EQ(tf[0], -16384);
        const Vek16s src[4] = {5, 0, -5, 0};
        Vek16s out[3];
        ASSERT_EQ(veksFIR_16s_Sfs(src, out, 3, s16, 2), vekStsNoErr);  // e = -1: halve
        const Vek16s want[3][3] = {{2, 32767, -3}, {2, 32767, -2}, {3, 32767, -3}};
        for (int k = 0; k < 3; ++k) EXPECT_EQ(out[k], want[mode][k]) << mode << " " << k;
        EXPECT_EQ(veksFIRFree_16s(s16), vekStsNoErr);
    }
}

TEST(FirSparse, MatchesDenseModel) {
    const Vek32f taps[3] = {0.5f, -1, 2};
    const Vek32s pos[3] = {0, 3, 7};
    int size;
    ASSERT_EQ(veksFIRSparseGetStateSize_32f(3, 7, &size), vekStsNoErr);
    std::vector<Vek8u> mem(size);
    VekFIRSparseState_32f* st;
    const Vek32s bad[3] = {0, 3, 3};
    EXPECT_EQ(veksFIRSparseInit_32f(&st, taps, bad, 3, nullptr, mem.data()), vekStsTapPositionErr);
    const Vek32f dly[7] = {1, 2, 3, 4, 5, 6, 7};
    ASSERT_EQ(veksFIRSparseInit_32f(&st, taps, pos, 3, dly, mem.data()), vekStsNoErr);
    fm::Model model;
    model.h.assign(8, 0);
    for (int j = 0; j < 3; ++j) model.h[pos[j]] = taps[j];
    for (auto v : dly) model.past.push_back(v);
    model.past.push_back(0);
    vt::Rng rng(2);
    for (int n : {1, 3, 7, 8, 40, 2}) {
        std::vector<Vek32f> x(n), y(n);
        for (auto& v : x) v = rng.next<float>(1);
        std::vector<LC> xl;
        for (auto& v : x) xl.push_back(fm::to_lc(v));
        const auto ref = model.run(xl);
        if (n == 40) {
            y = x;
            ASSERT_EQ(veksFIRSparse_32f(y.data(), y.data(), n, st), vekStsNoErr);
        } else {
            ASSERT_EQ(veksFIRSparse_32f(x.data(), y.data(), n, st), vekStsNoErr);
        }
        for (int i = 0; i < n; ++i) ASSERT_NEAR(y[i], (double)ref[i].real(), 1e-5) << n << " " << i;
    }
}

TEST(FirState, ThreadCountsGiveSameBits) {
    vt::Rng rng(12);
    for (int L : {20, 128, 1024}) {
        std::vector<Vek32f> h(L), x(20000);
        for (auto& v : h) v = rng.next<float>(0.1);
        for (auto& v : x) v = rng.next<float>(1);
        std::vector<Vek32f> first;
        for (int threads : vt::thread_counts()) {
            vt::Threads scope(threads);
            VekFIRState_32f* st;
            ASSERT_EQ(veksFIRInitAlloc_32f(&st, h.data(), L, nullptr), vekStsNoErr);
            std::vector<Vek32f> y(x.size());
            ASSERT_EQ(veksFIR_32f(x.data(), y.data(), 3000, st), vekStsNoErr);
            ASSERT_EQ(veksFIR_32f(x.data() + 3000, y.data() + 3000, 17000, st), vekStsNoErr);
            if (first.empty()) first = y;
            EXPECT_TRUE(vt::same_bits(first.data(), y.data(), y.size())) << L << " " << threads;
            veksFIRFree_32f(st);
        }
    }
}

TEST(FirState, ErrorsWriteNothing) {
    const Vek32f h[70] = {1, 2, 3};
    int size = 0;
    EXPECT_EQ(veksFIRGetStateSize_32f(0, &size), vekStsFIRLenErr);
    EXPECT_EQ(veksFIRGetStateSize_32f(4, nullptr), vekStsNullPtrErr);
    ASSERT_EQ(veksFIRGetStateSize_32f(70, &size), vekStsNoErr);
    std::vector<Vek8u> mem(size);
    VekFIRState_32f* st = nullptr;
    EXPECT_EQ(veksFIRInit_32f(&st, h, 0, nullptr, mem.data()), vekStsFIRLenErr);
    EXPECT_EQ(veksFIRInit_32f(&st, h, 70, nullptr, nullptr), vekStsNullPtrErr);
    ASSERT_EQ(veksFIRInit_32f(&st, h, 70, nullptr, mem.data()), vekStsNoErr);
    const std::vector<Vek8u> before = mem;
    vt::Guarded<Vek32f> y(600);
    std::vector<Vek32f> x(600, 1.0f);
    EXPECT_EQ(veksFIR_32f(nullptr, y.data(), 600, st), vekStsNullPtrErr);
    EXPECT_EQ(veksFIR_32f(x.data(), y.data(), 0, st), vekStsSizeErr);
    EXPECT_EQ(veksFIR64f_32f(x.data(), y.data(), 600, reinterpret_cast<VekFIRState64f_32f*>(st)), vekStsContextMatchErr);
    EXPECT_EQ(veksFIR32f_16s_Sfs(nullptr, nullptr, 1, reinterpret_cast<VekFIRState32f_16s*>(st), 0), vekStsNullPtrErr);
    Vek16s s16[4];
    EXPECT_EQ(veksFIR32f_16s_Sfs(s16, s16, 4, reinterpret_cast<VekFIRState32f_16s*>(st), 0), vekStsContextMatchErr);
    EXPECT_EQ(veksFIRSetTaps_64f(reinterpret_cast<const Vek64f*>(h), reinterpret_cast<VekFIRState_64f*>(st)), vekStsContextMatchErr);
    EXPECT_TRUE(y.untouched());
    EXPECT_EQ(mem, before);
    EXPECT_EQ(veksFIRFree_32f(st), vekStsNoErr);  // made by Init: left alone
    EXPECT_EQ(mem, before);
    // Allocation failures release everything: the state block, the FFT
    // specification and its tables, the stateless temporary state.
    for (int fail = 1; fail <= 4; ++fail) {
        const int64_t live = vekcoreLiveBlocks();
        vekcoreFailAllocation(fail);
        const VekStatus s = veksFIRInitAlloc_32f(&st, h, 70, nullptr);
        vekcoreFailAllocation(0);
        if (s == vekStsNoErr) {
            veksFIRFree_32f(st);
        } else {
            EXPECT_EQ(s, vekStsMemAllocErr);
        }
        EXPECT_EQ(vekcoreLiveBlocks(), live) << fail;
    }
    Vek32f line[140] = {0};
    int idx = 0;
    const int64_t live = vekcoreLiveBlocks();
    vekcoreFailAllocation(1);
    EXPECT_EQ(veksFIR_Direct_32f(x.data(), y.data(), 10, h, 70, line, &idx), vekStsMemAllocErr);
    vekcoreFailAllocation(0);
    EXPECT_EQ(vekcoreLiveBlocks(), live);
}

}  // namespace
