// Extremes, magnitudes, element-wise extremes, orders and nearest search
// against plain first-occurrence loops, over lengths that cross the packet
// blocks and the rescan blocks, with the extreme planted at every kind of
// position (head, block edge, tail, repeated).
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <limits>
#include <vector>

#include "test_util.h"

namespace {

template <class T>
long long mag(T x) {  // saturated magnitude, computed wide
    const long long a = std::llabs(static_cast<long long>(x));
    return std::min<long long>(a, std::numeric_limits<T>::max());
}

// Reference: strict first-occurrence scan over f(x).
template <class T, class F>
int ref_index(const std::vector<T>& v, int off, int n, bool max, F f) {
    int best = off;
    for (int i = off + 1; i < off + n; ++i)
        if (max ? f(v[i]) > f(v[best]) : f(v[i]) < f(v[best])) best = i;
    return best - off;
}

std::vector<int> extreme_lengths() {
    std::vector<int> l = vt::sweep_lengths();
    for (int n : {2047, 2048, 2049, 4096, 4097, 9000}) l.push_back(n);
    return l;
}

template <class T>
std::vector<T> data_with_ties(int n, vt::Rng& rng, int plant) {
    std::vector<T> v(n + 3);
    rng.fill(v.data(), v.size());
    if constexpr (!std::is_floating_point_v<T>)
        if (rng.raw() % 2)  // small values: many ties
            for (auto& x : v) x = T(x % 7);
    if (plant >= 0 && plant < n) {  // repeat an extreme twice, the first copy at `plant`
        const T big = std::numeric_limits<T>::max(), small = std::numeric_limits<T>::lowest();
        v[plant + 1] = rng.raw() % 2 ? big : small;
        v[n / 2 + 1] = v[plant + 1];
    }
    return v;
}

template <class T>
struct Fns {
    const char* name;
    VekStatus (*max)(const T*, int, T*);
    VekStatus (*min)(const T*, int, T*);
    VekStatus (*maxi)(const T*, int, T*, int*);
    VekStatus (*mini)(const T*, int, T*, int*);
};
#define FNS(c, T) Fns<T>{#c, veksMax_##c, veksMin_##c, veksMaxIndx_##c, veksMinIndx_##c}
#define ABS_FNS(c, T) Fns<T>{#c "abs", veksMaxAbs_##c, veksMinAbs_##c, veksMaxAbsIndx_##c, veksMinAbsIndx_##c}

template <class T, class F>
void check_family(const Fns<T>& f, F map) {
    SCOPED_TRACE(f.name);
    vt::Rng rng(21);
    for (int n : extreme_lengths())
        for (int plant : {-1, 0, n - 1, n / 3}) {
            const std::vector<T> v = data_with_ties<T>(n, rng, plant);
            for (int off : {0, 1}) {  // misaligned start
                const T* p = v.data() + off;
                for (bool max : {true, false}) {
                    const int want = ref_index(v, off, n, max, map);
                    T val{}, val2{};
                    int idx = -1;
                    ASSERT_EQ((max ? f.max : f.min)(p, n, &val), vekStsNoErr);
                    ASSERT_EQ((max ? f.maxi : f.mini)(p, n, &val2, &idx), vekStsNoErr);
                    ASSERT_EQ(idx, want) << n << " off " << off << " max " << max;
                    ASSERT_EQ((long double)map(val), (long double)map(p[want])) << n;
                    ASSERT_EQ((long double)val2, (long double)map(p[want]));
                    T val3{};
                    ASSERT_EQ((max ? f.maxi : f.mini)(p, n, &val3, nullptr), vekStsNoErr);
                    ASSERT_EQ(val3, val);
                }
            }
        }
}

TEST(Extremes, ValueAndFirstIndexMatchScan) {
    auto id = [](auto x) { return x; };
    check_family(FNS(16s, Vek16s), id);
    check_family(FNS(32s, Vek32s), id);
    check_family(FNS(32f, Vek32f), id);
    check_family(FNS(64f, Vek64f), id);
    check_family(ABS_FNS(16s, Vek16s), [](Vek16s x) { return mag(x); });
    check_family(ABS_FNS(32s, Vek32s), [](Vek32s x) { return mag(x); });
}

template <class T>
void check_min_max(VekStatus (*mm)(const T*, int, T*, T*), VekStatus (*mmi)(const T*, int, T*, int*, T*, int*)) {
    vt::Rng rng(4);
    for (int n : extreme_lengths()) {
        const std::vector<T> v = data_with_ties<T>(n, rng, n / 2);
        auto id = [](T x) { return x; };
        const int lo = ref_index(v, 1, n, false, id), hi = ref_index(v, 1, n, true, id);
        T mn, mx;
        int imn = -1, imx = -1;
        ASSERT_EQ(mm(v.data() + 1, n, &mn, &mx), vekStsNoErr);
        ASSERT_TRUE(mn == v[1 + lo] && mx == v[1 + hi]) << n;
        ASSERT_EQ(mmi(v.data() + 1, n, &mn, &imn, &mx, &imx), vekStsNoErr);
        ASSERT_TRUE(mn == v[1 + lo] && mx == v[1 + hi] && imn == lo && imx == hi) << n;
    }
}

TEST(Extremes, MinMaxOfEveryType) {
    check_min_max(veksMinMax_8u, veksMinMaxIndx_8u);
    check_min_max(veksMinMax_16u, veksMinMaxIndx_16u);
    check_min_max(veksMinMax_16s, veksMinMaxIndx_16s);
    check_min_max(veksMinMax_32u, veksMinMaxIndx_32u);
    check_min_max(veksMinMax_32s, veksMinMaxIndx_32s);
    check_min_max(veksMinMax_32f, veksMinMaxIndx_32f);
    check_min_max(veksMinMax_64f, veksMinMaxIndx_64f);
    Vek32f f[4] = {2, 1, 2, 1}, mn, mx;
    int i0, i1;
    ASSERT_EQ(veksMinMaxIndx_32f(f, 4, &mn, &i0, &mx, &i1), vekStsNoErr);
    EXPECT_TRUE(mn == 1 && i0 == 1 && mx == 2 && i1 == 0);
}

TEST(Extremes, SaturatedMagnitudes) {
    Vek16s a[1] = {-32768}, r16;
    ASSERT_EQ(veksMaxAbs_16s(a, 1, &r16), vekStsNoErr);
    EXPECT_EQ(r16, 32767);
    Vek32s b[2] = {std::numeric_limits<Vek32s>::min(), 2147483647}, r32;
    int idx = -1;
    ASSERT_EQ(veksMaxAbsIndx_32s(b, 2, &r32, &idx), vekStsNoErr);
    EXPECT_TRUE(r32 == 2147483647 && idx == 0);
}

template <class T>
void check_every(VekStatus (*op)(const T*, T*, int), bool max) {
    vt::Rng rng(8);
    for (int n : vt::sweep_lengths()) {
        std::vector<T> s(n), d(n);
        rng.fill(s.data(), n);
        rng.fill(d.data(), n);
        vt::Guarded<T> out(n);
        for (int i = 0; i < n; ++i) out[i] = d[i];
        ASSERT_EQ(op(s.data(), out.data(), n), vekStsNoErr);
        for (int i = 0; i < n; ++i) ASSERT_EQ(out[i], max ? std::max(s[i], d[i]) : std::min(s[i], d[i])) << n;
        ASSERT_TRUE(out.guards_intact());
    }
}

TEST(Extremes, ElementWiseEvery) {
    check_every(veksMaxEvery_8u_I, true);
    check_every(veksMaxEvery_16u_I, true);
    check_every(veksMaxEvery_16s_I, true);
    check_every(veksMaxEvery_32s_I, true);
    check_every(veksMaxEvery_32f_I, true);
    check_every(veksMinEvery_8u_I, false);
    check_every(veksMinEvery_16u_I, false);
    check_every(veksMinEvery_16s_I, false);
    check_every(veksMinEvery_32s_I, false);
    check_every(veksMinEvery_32f_I, false);
    check_every(veksMinEvery_64f_I, false);
}

TEST(Extremes, MaxOrder) {
    struct Case16 { std::vector<Vek16s> v; int order; };
    for (const Case16& c : std::vector<Case16>{{{0, 0}, 0}, {{-32768}, 16}, {{-1, -1}, 1}, {{1}, 1}, {{32767}, 15}, {{3, -4}, 3}}) {
        int o = -1;
        ASSERT_EQ(veksMaxOrder_16s(c.v.data(), int(c.v.size()), &o), vekStsNoErr);
        EXPECT_EQ(o, c.order);
    }
    Vek32s m[2] = {std::numeric_limits<Vek32s>::min(), 5};
    int o = -1;
    ASSERT_EQ(veksMaxOrder_32s(m, 2, &o), vekStsNoErr);
    EXPECT_EQ(o, 32);
    const float inf = std::numeric_limits<float>::infinity();
    struct CaseF { std::vector<float> v; int order; VekStatus st; };
    for (const CaseF& c : std::vector<CaseF>{{{0.75f}, 0, vekStsNoErr}, {{1.0f}, 1, vekStsNoErr}, {{inf, 4.0f}, 3, vekStsNotFiniteArg},
                                             {{0.0f, -0.0f}, 0, vekStsNoErr}, {{-5.0f, std::nanf("")}, 3, vekStsNotFiniteArg}}) {
        ASSERT_EQ(veksMaxOrder_32f(c.v.data(), int(c.v.size()), &o), c.st);
        EXPECT_EQ(o, c.order);
        std::vector<double> d(c.v.begin(), c.v.end());
        ASSERT_EQ(veksMaxOrder_64f(d.data(), int(d.size()), &o), c.st);
        EXPECT_EQ(o, c.order);
    }
    // Against frexp over random data.
    vt::Rng rng(2);
    std::vector<double> d(1000);
    rng.fill(d.data(), d.size(), 1e6);
    double big = 0;
    for (double x : d) big = std::max(big, std::fabs(x));
    int e;
    std::frexp(big, &e);
    ASSERT_EQ(veksMaxOrder_64f(d.data(), 1000, &o), vekStsNoErr);
    EXPECT_EQ(o, e);
    EXPECT_EQ(veksMaxOrder_32f(nullptr, 0, &o), vekStsSizeErr);
    EXPECT_EQ(veksMaxOrder_16s(nullptr, 1, &o), vekStsNullPtrErr);
}

TEST(Extremes, FindNearest) {
    const Vek16u t[2] = {10, 20};
    struct Case { Vek16u v, val; int idx; };
    for (const Case& c : std::vector<Case>{{15, 10, 0}, {16, 20, 1}, {65535, 20, 1}, {0, 10, 0}, {14, 10, 0}}) {
        Vek16u out;
        int idx;
        ASSERT_EQ(veksFindNearestOne_16u(c.v, &out, &idx, t, 2), vekStsNoErr);
        EXPECT_TRUE(out == c.val && idx == c.idx) << c.v;
    }
    // Against a linear search over a random table with duplicates.
    vt::Rng rng(9);
    for (int tl : {1, 2, 3, 7, 100, 1001}) {
        std::vector<Vek16u> table(tl), vals(500), out(500);
        std::vector<int> idx(500);
        for (auto& x : table) x = Vek16u(rng.raw() % 3000);
        std::sort(table.begin(), table.end());
        for (auto& x : vals) x = Vek16u(rng.raw() % 3200);
        ASSERT_EQ(veksFindNearest_16u(vals.data(), out.data(), idx.data(), 500, table.data(), tl), vekStsNoErr);
        for (int i = 0; i < 500; ++i) {
            int best = 0;  // first index of the smallest distance, among the last of equal values
            for (int k = 1; k < tl; ++k) {
                const int dk = std::abs(int(table[k]) - vals[i]), db = std::abs(int(table[best]) - vals[i]);
                if (dk < db || (dk == db && table[k] == table[best] && table[k] <= vals[i])) best = k;
            }
            ASSERT_EQ(out[i], table[best]) << tl;
            ASSERT_EQ(idx[i], best) << tl;
        }
    }
}

TEST(Extremes, StatusesAndNothingWrittenOnError) {
    vt::Guarded<Vek32f> v(4), r(1);
    vt::Guarded<int> i(1), j(1);
    EXPECT_EQ(veksMax_32f(nullptr, 4, r.data()), vekStsNullPtrErr);
    EXPECT_EQ(veksMax_32f(v.data(), 4, nullptr), vekStsNullPtrErr);
    EXPECT_EQ(veksMaxIndx_32f(v.data(), 0, r.data(), i.data()), vekStsSizeErr);
    EXPECT_EQ(veksMaxIndx_32f(v.data(), 0, r.data(), nullptr), vekStsSizeErr);
    EXPECT_EQ(veksMinIndx_32f(v.data(), 4, nullptr, i.data()), vekStsNullPtrErr);
    EXPECT_EQ(veksMinMaxIndx_32f(v.data(), 4, r.data(), i.data(), r.data(), nullptr), vekStsNullPtrErr);
    EXPECT_EQ(veksMinMax_32f(v.data(), 0, r.data(), r.data()), vekStsSizeErr);
    EXPECT_EQ(veksMinEvery_32f_I(v.data(), nullptr, 4), vekStsNullPtrErr);
    EXPECT_EQ(veksMaxEvery_32f_I(v.data(), v.data(), 0), vekStsSizeErr);
    Vek16u t = 5, out;
    EXPECT_EQ(veksFindNearestOne_16u(1, &out, i.data(), &t, 0), vekStsSizeErr);
    EXPECT_EQ(veksFindNearestOne_16u(1, nullptr, i.data(), &t, 1), vekStsNullPtrErr);
    EXPECT_EQ(veksFindNearest_16u(&t, &out, i.data(), 0, &t, 1), vekStsSizeErr);
    EXPECT_EQ(veksFindNearest_16u(&t, &out, i.data(), 1, &t, 0), vekStsSizeErr);
    EXPECT_EQ(veksFindNearest_16u(&t, &out, nullptr, 1, &t, 1), vekStsNullPtrErr);
    EXPECT_TRUE(v.untouched() && r.untouched() && i.untouched() && j.untouched());
    Vek32f x[4] = {1, 3, 3, 2}, m;
    int k = -1;
    ASSERT_EQ(veksMaxIndx_32f(x, 4, &m, &k), vekStsNoErr);
    EXPECT_TRUE(m == 3 && k == 1);
}

}  // namespace
