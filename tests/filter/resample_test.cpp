// Up- and down-sampling by index arithmetic with the phase carried across
// blocks, and pre-emphasis against its recurrence.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "test_util.h"

namespace {

template <class T>
struct SampleFns {
    VekStatus (*up)(const T*, int, T*, int*, int, int*);
    VekStatus (*down)(const T*, int, T*, int*, int, int*);
};

template <class T>
void check_sampling(SampleFns<T> f) {
    vt::Rng rng(11);
    for (int factor : {1, 2, 3, 4, 7, 16}) {
        for (int len : {1, 2, 5, 47, 48, 49, 100, 5000}) {
            std::vector<T> src(len);
            rng.fill(src.data(), len);
            for (int phase = 0; phase < factor; ++phase) {
                vt::Guarded<T> up(std::size_t(len) * factor);
                int n = -1, p = phase;
                ASSERT_EQ(f.up(src.data(), len, up.data(), &n, factor, &p), 0);
                ASSERT_EQ(n, len * factor);
                ASSERT_EQ(p, phase);
                const T zero{};
                for (int i = 0; i < n; ++i) {
                    const T& want = i % factor == phase ? src[i / factor] : zero;
                    ASSERT_TRUE(vt::same_bits(&up[i], &want, 1)) << factor << " " << len << " " << i;
                }
                ASSERT_TRUE(up.guards_intact());
            }
            // Down-sampling a stream cut into blocks equals one pass over it.
            for (int phase = 0; phase < factor; ++phase) {
                std::vector<T> joined;
                int p = phase;
                for (int start = 0; start < len;) {
                    const int blk = std::min<int>(len - start, 1 + int(rng.raw() % 37));
                    vt::Guarded<T> d(blk);
                    int n = -1;
                    ASSERT_EQ(f.down(src.data() + start, blk, d.data(), &n, factor, &p), 0);
                    ASSERT_TRUE(d.guards_intact());
                    joined.insert(joined.end(), d.data(), d.data() + n);
                    start += blk;
                }
                std::vector<T> want;
                for (int i = phase; i < len; i += factor) want.push_back(src[i]);
                ASSERT_EQ(joined.size(), want.size());
                ASSERT_TRUE(vt::same_bits(joined.data(), want.data(), want.size()));
                ASSERT_EQ(p, phase + factor * int(want.size()) - len);  // offset of the next kept sample
            }
        }
    }
}

TEST(Resample, EveryTypeByIndexArithmetic) {
    check_sampling<Vek16s>({veksSampleUp_16s, veksSampleDown_16s});
    check_sampling<Vek16sc>({veksSampleUp_16sc, veksSampleDown_16sc});
    check_sampling<Vek32f>({veksSampleUp_32f, veksSampleDown_32f});
    check_sampling<Vek32fc>({veksSampleUp_32fc, veksSampleDown_32fc});
    check_sampling<Vek64f>({veksSampleUp_64f, veksSampleDown_64f});
    check_sampling<Vek64fc>({veksSampleUp_64fc, veksSampleDown_64fc});
}

TEST(Resample, ExamplesAndChecks) {
    std::vector<Vek32f> src{0, 1, 2, 3, 4, 5, 6, 7, 8, 9}, dst(10, -1);
    int n = 0, phase = 2;
    ASSERT_EQ(veksSampleDown_32f(src.data(), 10, dst.data(), &n, 3, &phase), 0);
    EXPECT_EQ(n, 3);
    EXPECT_EQ(phase, 1);
    EXPECT_EQ(dst[0], 2);
    EXPECT_EQ(dst[2], 8);
    std::vector<Vek16s> s2{1, 2}, up(6, 9);
    phase = 1;
    ASSERT_EQ(veksSampleUp_16s(s2.data(), 2, up.data(), &n, 3, &phase), 0);
    EXPECT_EQ(up, (std::vector<Vek16s>{0, 1, 0, 0, 2, 0}));
    vt::Guarded<Vek64f> d(8);
    std::vector<Vek64f> s(8);
    int p0 = 0, p3 = 3, pm = -1;
    struct Row { const char* what; VekStatus got, want; };
    const Row rows[] = {
        {"null src", veksSampleUp_64f(nullptr, 8, d.data(), &n, 2, &p0), vekStsNullPtrErr},
        {"null len", veksSampleDown_64f(s.data(), 8, d.data(), nullptr, 2, &p0), vekStsNullPtrErr},
        {"null phase", veksSampleDown_64f(s.data(), 8, d.data(), &n, 2, nullptr), vekStsNullPtrErr},
        {"len 0", veksSampleDown_64f(s.data(), 0, d.data(), &n, 2, &p0), vekStsSizeErr},
        {"factor 0", veksSampleUp_64f(s.data(), 8, d.data(), &n, 0, &p0), vekStsSampleFactorErr},
        {"phase = factor", veksSampleUp_64f(s.data(), 8, d.data(), &n, 3, &p3), vekStsSamplePhaseErr},
        {"phase < 0", veksSampleDown_64f(s.data(), 8, d.data(), &n, 3, &pm), vekStsSamplePhaseErr},
    };
    for (const Row& r : rows) EXPECT_EQ(r.got, r.want) << r.what;
    EXPECT_TRUE(d.untouched());
}

TEST(Preemphasize, AgainstRecurrence) {
    vt::Rng rng(5);
    for (int len : vt::sweep_lengths()) {
        std::vector<Vek32f> x(len);
        rng.fill(x.data(), len);
        auto y = x;
        ASSERT_EQ(veksPreemphasize_32f(y.data(), len, 0.9375f), 0);
        for (int n = 0; n < len; ++n) ASSERT_EQ(y[n], x[n] - 0.9375f * (n ? x[n - 1] : 0.0f)) << n;
        std::vector<Vek16s> s(len);
        for (auto& v : s) v = Vek16s(rng.raw());
        auto t = s;
        ASSERT_EQ(veksPreemphasize_16s(t.data(), len, -0.7f), 0);
        for (int n = 0; n < len; ++n) {
            const float r = std::nearbyint(float(s[n]) - -0.7f * (n ? float(s[n - 1]) : 0.0f));
            ASSERT_EQ(t[n], Vek16s(std::max(-32768.0f, std::min(32767.0f, r)))) << n;
        }
    }
    std::vector<Vek32f> z{1, 2, 3};
    ASSERT_EQ(veksPreemphasize_32f(z.data(), 3, 0.0f), 0);
    EXPECT_EQ(z, (std::vector<Vek32f>{1, 2, 3}));
    EXPECT_EQ(veksPreemphasize_16s(nullptr, 3, 0.5f), vekStsNullPtrErr);
    EXPECT_EQ(veksPreemphasize_32f(z.data(), 0, 0.5f), vekStsSizeErr);
}

}  // namespace
