// Median filter against a brute-force sort of every window, with the
// border samples repeated; even masks, short vectors and argument checks.
#include <gtest/gtest.h>

#include <algorithm>
#include <vector>

#include "test_util.h"

namespace {

template <class T>
std::vector<T> brute_median(const std::vector<T>& x, int mask) {
    const int len = int(x.size());
    int m = mask % 2 ? mask : mask - 1;
    if (m == 1 || len <= 2) return x;
    if (len == 3) m = 3;
    const int h = m / 2;
    std::vector<T> out(len), w(m);
    for (int n = 0; n < len; ++n) {
        for (int i = 0; i < m; ++i) w[i] = x[std::min(std::max(n - h + i, 0), len - 1)];
        std::sort(w.begin(), w.end());
        out[n] = w[h];
    }
    return out;
}

template <class T>
struct MedianFns {
    VekStatus (*out)(const T*, T*, int, int);
    VekStatus (*in)(T*, int, int);
};

template <class T>
void check_median(MedianFns<T> f, int value_range) {
    vt::Rng rng(7);
    for (int mask : {1, 2, 3, 4, 5, 7, 9, 10, 11, 13, 31, 32, 101}) {
        for (int len : {1, 2, 3, 4, 5, 8, 17, 64, 200, 1000}) {
            std::vector<T> x(len);
            // A narrow value range makes ties frequent.
            for (auto& v : x) v = T(int(rng.raw() % (2 * value_range)) - value_range + (std::is_unsigned_v<T> ? value_range : 0));
            const auto want = brute_median(x, mask);
            const VekStatus st = mask % 2 ? vekStsNoErr : vekStsEvenMedianMaskSize;
            vt::Guarded<T> dst(len);
            ASSERT_EQ(f.out(x.data(), dst.data(), len, mask), st);
            ASSERT_TRUE(std::equal(want.begin(), want.end(), dst.data())) << mask << " " << len;
            ASSERT_TRUE(dst.guards_intact());
            auto y = x;
            ASSERT_EQ(f.in(y.data(), len, mask), st);
            ASSERT_EQ(y, want) << mask << " " << len;
        }
    }
}

TEST(Median, EveryTypeAgainstBruteForce) {
    check_median<Vek8u>({veksFilterMedian_8u, veksFilterMedian_8u_I}, 20);
    check_median<Vek16s>({veksFilterMedian_16s, veksFilterMedian_16s_I}, 30000);
    check_median<Vek32s>({veksFilterMedian_32s, veksFilterMedian_32s_I}, 5);
    check_median<Vek32f>({veksFilterMedian_32f, veksFilterMedian_32f_I}, 1000);
    check_median<Vek64f>({veksFilterMedian_64f, veksFilterMedian_64f_I}, 3);
}

TEST(Median, SmallCasesAndChecks) {
    std::vector<Vek32f> a{5, 1, 5};
    EXPECT_EQ(veksFilterMedian_32f_I(a.data(), 3, 3), 0);
    EXPECT_EQ(a, (std::vector<Vek32f>{5, 5, 5}));
    std::vector<Vek16s> b{1, 2};
    EXPECT_EQ(veksFilterMedian_16s_I(b.data(), 2, 4), vekStsEvenMedianMaskSize);
    EXPECT_EQ(b, (std::vector<Vek16s>{1, 2}));
    vt::Guarded<Vek32s> d(4);
    std::vector<Vek32s> s(4);
    EXPECT_EQ(veksFilterMedian_32s(nullptr, d.data(), 4, 3), vekStsNullPtrErr);
    EXPECT_EQ(veksFilterMedian_32s(s.data(), d.data(), 0, 3), vekStsSizeErr);
    EXPECT_EQ(veksFilterMedian_32s(s.data(), d.data(), 4, 0), vekStsSizeErr);
    EXPECT_EQ(veksFilterMedian_64f_I(nullptr, 4, 3), vekStsNullPtrErr);
    EXPECT_TRUE(d.untouched());
    // A failed work allocation of a large mask is reported and writes nothing.
    std::vector<Vek32f> c{3, 1, 2, 5, 4};
    vekcoreFailAllocation(1);
    EXPECT_EQ(veksFilterMedian_32f_I(c.data(), 5, 31), vekStsMemAllocErr);
    vekcoreFailAllocation(0);
    EXPECT_EQ(c, (std::vector<Vek32f>{3, 1, 2, 5, 4}));
}

}  // namespace
