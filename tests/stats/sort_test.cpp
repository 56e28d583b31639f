// Sorts against std::sort / std::stable_sort over every type code, data
// shape and length class, including the two-thread radix path.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <limits>
#include <numeric>
#include <vector>

#include "test_util.h"

namespace {

// Total order the radix sorts promise: -0 before +0 (NaN-free data).
template <class T>
bool total_less(T x, T y) {
    if constexpr (std::is_floating_point_v<T>) {
        if (x == y) return std::signbit(x) && !std::signbit(y);
    }
    return x < y;
}

enum Shape { Random, FewValues, Sorted, Reversed, AllEqual };

template <class T>
std::vector<T> make_data(int n, Shape shape, vt::Rng& rng) {
    std::vector<T> v(n);
    rng.fill(v.data(), n);
    if (shape == FewValues)
        for (auto& x : v) x = T(int(rng.raw() % 5) - 2);  // duplicates; 0 and -0 for floats
    if constexpr (std::is_floating_point_v<T>)
        if (shape == FewValues)
            for (auto& x : v) if (x == 0 && rng.raw() % 2) x = -x;
    if (shape == Sorted) std::sort(v.begin(), v.end());
    if (shape == Reversed) std::sort(v.rbegin(), v.rend());
    if (shape == AllEqual) std::fill(v.begin(), v.end(), v[0]);
    return v;
}

template <class T>
struct SortFns {
    const char* name;
    VekStatus (*asc)(T*, int);
    VekStatus (*desc)(T*, int);
    VekStatus (*iasc)(T*, int*, int);
    VekStatus (*idesc)(T*, int*, int);
};
#define SORT_FNS(c, T) SortFns<T>{#c, veksSortAscend_##c##_I, veksSortDescend_##c##_I, veksSortIndexAscend_##c##_I, veksSortIndexDescend_##c##_I}

template <class T>
void check_comparison_sorts(const SortFns<T>& f) {
    SCOPED_TRACE(f.name);
    vt::Rng rng(7);
    std::vector<int> lens = vt::sweep_lengths();
    lens.push_back(30000);
    for (int n : lens)
        for (Shape s : {Random, FewValues, Sorted, Reversed, AllEqual}) {
            const std::vector<T> src = make_data<T>(n, s, rng);
            std::vector<T> up = src, want = src;
            std::sort(want.begin(), want.end());
            ASSERT_EQ(f.asc(up.data(), n), vekStsNoErr);
            ASSERT_TRUE(up == want) << n << " shape " << s;  // == so that -0 equals +0
            std::vector<T> down = src;
            ASSERT_EQ(f.desc(down.data(), n), vekStsNoErr);
            ASSERT_TRUE(std::equal(down.begin(), down.end(), want.rbegin())) << n;

            for (bool descend : {false, true}) {
                std::vector<T> v = src;
                std::vector<int> idx(n, -1);
                ASSERT_EQ((descend ? f.idesc : f.iasc)(v.data(), idx.data(), n), vekStsNoErr);
                ASSERT_TRUE(descend ? std::equal(v.begin(), v.end(), want.rbegin()) : v == want) << n;
                std::vector<int> seen(n, 0);
                for (int k = 0; k < n; ++k) {
                    ASSERT_TRUE(idx[k] >= 0 && idx[k] < n && !seen[idx[k]]++);
                    ASSERT_TRUE(vt::same_bits(&src[idx[k]], &v[k], 1)) << n << " at " << k;
                }
            }
        }
}

TEST(SortComparison, EveryTypeMatchesStdSort) {
    check_comparison_sorts(SORT_FNS(8u, Vek8u));
    check_comparison_sorts(SORT_FNS(16u, Vek16u));
    check_comparison_sorts(SORT_FNS(16s, Vek16s));
    check_comparison_sorts(SORT_FNS(32s, Vek32s));
    check_comparison_sorts(SORT_FNS(32f, Vek32f));
    check_comparison_sorts(SORT_FNS(64f, Vek64f));
}

TEST(SortComparison, IndexOrderOfSmallCases) {
    Vek16s v[2] = {2, 1};
    int idx[2];
    ASSERT_EQ(veksSortIndexAscend_16s_I(v, idx, 2), vekStsNoErr);
    EXPECT_EQ(v[0], 1); EXPECT_EQ(v[1], 2); EXPECT_EQ(idx[0], 1); EXPECT_EQ(idx[1], 0);
    // Short segments move the last of the equal largest values to the end:
    // [3,1,3,1,3] -> positions 4; 2<->3; 0<->2.
    Vek32s w[5] = {3, 1, 3, 1, 3};
    int wi[5];
    ASSERT_EQ(veksSortIndexAscend_32s_I(w, wi, 5), vekStsNoErr);
    const int want[5] = {3, 1, 0, 2, 4};
    for (int k = 0; k < 5; ++k) EXPECT_EQ(wi[k], want[k]);
    Vek32s one = 42;
    EXPECT_EQ(veksSortAscend_32s_I(&one, 1), vekStsNoErr);
    EXPECT_EQ(one, 42);
}

template <class T>
struct RadixFns {
    const char* name;
    VekStatus (*asc)(T*, T*, int);
    VekStatus (*desc)(T*, T*, int);
};
#define RADIX_FNS(c, T) RadixFns<T>{#c, veksSortRadixAscend_##c##_I, veksSortRadixDescend_##c##_I}

template <class T>
void check_radix(const RadixFns<T>& f, std::vector<int> lens, std::vector<int> threads_list,
                 std::vector<Shape> shapes = {Random, FewValues, Sorted, Reversed, AllEqual}) {
    SCOPED_TRACE(f.name);
    vt::Rng rng(11);
    for (int threads : threads_list) {
        vt::Threads scope(threads);
        for (int n : lens)
            for (Shape s : shapes) {
                const std::vector<T> src = make_data<T>(n, s, rng);
                std::vector<T> want = src;
                std::stable_sort(want.begin(), want.end(), total_less<T>);
                std::vector<T> v = src, tmp(n);
                ASSERT_EQ(f.asc(v.data(), tmp.data(), n), vekStsNoErr);
                ASSERT_TRUE(vt::same_bits(v.data(), want.data(), n)) << n << " shape " << s << " threads " << threads;
                std::reverse(want.begin(), want.end());
                v = src;
                ASSERT_EQ(f.desc(v.data(), tmp.data(), n), vekStsNoErr);
                ASSERT_TRUE(vt::same_bits(v.data(), want.data(), n)) << n << " shape " << s;
            }
    }
}

TEST(SortRadix, EveryTypeMatchesStableSortOnAnyThreadCount) {
    const std::vector<int> lens = vt::sweep_lengths(), one{1};
    const std::vector<int> around_threshold{8191, 8192, 8193, 30001};
    check_radix(RADIX_FNS(8u, Vek8u), lens, one);
    check_radix(RADIX_FNS(16u, Vek16u), lens, one);
    check_radix(RADIX_FNS(16s, Vek16s), lens, one);
    check_radix(RADIX_FNS(32u, Vek32u), around_threshold, vt::thread_counts());
    check_radix(RADIX_FNS(32s, Vek32s), around_threshold, vt::thread_counts());
    check_radix(RADIX_FNS(32f, Vek32f), lens, one);
    check_radix(RADIX_FNS(32f, Vek32f), around_threshold, vt::thread_counts());
    check_radix(RADIX_FNS(64f, Vek64f), lens, vt::thread_counts());  // two threads from 32 elements
}

TEST(SortRadix, MillionElements) {
    check_radix(RADIX_FNS(32f, Vek32f), {1000000}, {1, 2}, {Random, FewValues});
    check_radix(RADIX_FNS(32s, Vek32s), {1000003}, {2}, {Random});
}

TEST(SortRadix, FloatOrderOfZerosAndNaNs) {
    Vek32f v[4] = {0.0f, -0.0f, -1.0f, 1.0f}, tmp[4];
    ASSERT_EQ(veksSortRadixAscend_32f_I(v, tmp, 4), vekStsNoErr);
    EXPECT_EQ(v[0], -1.0f); EXPECT_TRUE(std::signbit(v[1]) && v[1] == 0);
    EXPECT_TRUE(!std::signbit(v[2]) && v[2] == 0); EXPECT_EQ(v[3], 1.0f);

    const double nan = std::numeric_limits<double>::quiet_NaN();
    Vek64f d[5] = {nan, 2.0, -std::numeric_limits<double>::infinity(), -nan, 0.5}, dt[5];
    ASSERT_EQ(veksSortRadixAscend_64f_I(d, dt, 5), vekStsNoErr);
    EXPECT_TRUE(std::isnan(d[0]) && std::signbit(d[0]));
    EXPECT_TRUE(std::isinf(d[1]) && d[2] == 0.5 && d[3] == 2.0);
    EXPECT_TRUE(std::isnan(d[4]) && !std::signbit(d[4]));

    Vek32s s[4] = {3, -1, 3, 2}, st[4];
    ASSERT_EQ(veksSortRadixDescend_32s_I(s, st, 4), vekStsNoErr);
    const Vek32s want[4] = {3, 3, 2, -1};
    for (int k = 0; k < 4; ++k) EXPECT_EQ(s[k], want[k]);
}

template <class T>
struct RadixIndexFns {
    const char* name;
    VekStatus (*asc)(const T*, Vek32s, int*, int*, int);
    VekStatus (*desc)(const T*, Vek32s, int*, int*, int);
};
#define RADIX_INDEX_FNS(c, T) RadixIndexFns<T>{#c, veksSortRadixIndexAscend_##c, veksSortRadixIndexDescend_##c}

// Keys sit in records of 3 elements (stride 3*sizeof(T)) or back to back.
template <class T>
void check_radix_index(const RadixIndexFns<T>& f) {
    SCOPED_TRACE(f.name);
    vt::Rng rng(5);
    std::vector<int> lens = vt::sweep_lengths();
    lens.push_back(70000);
    for (int n : lens)
        for (int width : {1, 3})
            for (Shape s : {Random, FewValues, Sorted, AllEqual}) {
                const std::vector<T> keys = make_data<T>(n, s, rng);
                std::vector<T> rec(std::size_t(n) * width);
                rng.fill(rec.data(), rec.size());
                for (int k = 0; k < n; ++k) rec[std::size_t(k) * width] = keys[k];
                const std::vector<T> before = rec;
                for (bool descend : {false, true}) {
                    std::vector<int> want(n), dst(n, -1), tmp(n, -1);
                    std::iota(want.begin(), want.end(), 0);
                    std::stable_sort(want.begin(), want.end(), [&](int a, int b) {
                        return descend ? total_less(keys[b], keys[a]) : total_less(keys[a], keys[b]);
                    });
                    ASSERT_EQ((descend ? f.desc : f.asc)(rec.data(), int(width * sizeof(T)), dst.data(), tmp.data(), n),
                              vekStsNoErr);
                    ASSERT_TRUE(dst == want) << n << " width " << width << " shape " << s << " desc " << descend;
                    ASSERT_TRUE(vt::same_bits(rec.data(), before.data(), rec.size()));
                }
            }
}

TEST(SortRadixIndex, EveryTypeIsStableInBothDirections) {
    check_radix_index(RADIX_INDEX_FNS(8u, Vek8u));
    check_radix_index(RADIX_INDEX_FNS(16u, Vek16u));
    check_radix_index(RADIX_INDEX_FNS(16s, Vek16s));
    check_radix_index(RADIX_INDEX_FNS(32u, Vek32u));
    check_radix_index(RADIX_INDEX_FNS(32s, Vek32s));
    check_radix_index(RADIX_INDEX_FNS(32f, Vek32f));
    Vek32s k[4] = {5, 1, 5, 0};
    int d[4], t[4];
    ASSERT_EQ(veksSortRadixIndexAscend_32s(k, 4, d, t, 4), vekStsNoErr);
    EXPECT_EQ(std::vector<int>(d, d + 4), (std::vector<int>{3, 1, 0, 2}));
    ASSERT_EQ(veksSortRadixIndexDescend_32s(k, 4, d, t, 4), vekStsNoErr);
    EXPECT_EQ(std::vector<int>(d, d + 4), (std::vector<int>{0, 2, 1, 3}));
}

TEST(SortStatus, ErrorsComeInOrderAndWriteNothing) {
    vt::Guarded<Vek32f> v(4), tmp(4);
    vt::Guarded<int> i1(4), i2(4);
    EXPECT_EQ(veksSortAscend_32f_I(nullptr, 4), vekStsNullPtrErr);
    EXPECT_EQ(veksSortDescend_64f_I(nullptr, 0), vekStsNullPtrErr);
    EXPECT_EQ(veksSortAscend_32f_I(v.data(), 0), vekStsSizeErr);
    EXPECT_EQ(veksSortIndexAscend_32f_I(v.data(), nullptr, 4), vekStsNullPtrErr);
    EXPECT_EQ(veksSortIndexDescend_32f_I(v.data(), i1.data(), -1), vekStsSizeErr);
    EXPECT_EQ(veksSortRadixAscend_32f_I(v.data(), nullptr, 4), vekStsNullPtrErr);
    EXPECT_EQ(veksSortRadixAscend_8u_I(reinterpret_cast<Vek8u*>(v.data()), nullptr, 4), vekStsNullPtrErr);
    EXPECT_EQ(veksSortRadixDescend_32f_I(v.data(), tmp.data(), 0), vekStsSizeErr);
    EXPECT_EQ(veksSortRadixIndexAscend_32f(v.data(), 4, nullptr, i2.data(), 4), vekStsNullPtrErr);
    EXPECT_EQ(veksSortRadixIndexAscend_32f(v.data(), 4, i1.data(), i2.data(), 0), vekStsSizeErr);
    EXPECT_EQ(veksSortRadixIndexAscend_32f(v.data(), 2, i1.data(), i2.data(), 4), vekStsSizeErr);
    EXPECT_EQ(veksSortRadixIndexAscend_8u(reinterpret_cast<Vek8u*>(v.data()), 0, i1.data(), i2.data(), 4), vekStsSizeErr);
    EXPECT_EQ(veksSortRadixIndexDescend_16s(reinterpret_cast<Vek16s*>(v.data()), 1, i1.data(), i2.data(), 4), vekStsSizeErr);
    EXPECT_TRUE(v.untouched() && tmp.untouched() && i1.untouched() && i2.untouched());
}

}  // namespace
