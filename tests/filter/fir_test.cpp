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
        for (int done = 0; done < 3000; ++step) {
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

}  // namespace
