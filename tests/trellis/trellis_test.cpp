// Trellis decoding support against brute force: nearest points by searching
// every lattice point around the received one, 4-D tables by scanning every
// pair of 2-D subsets, add-compare-select by collecting every branch into
// each next state, renormalisation by a plain minimum.
#include <gtest/gtest.h>

#include <cstring>
#include <vector>

#include "test_util.h"

namespace {

// Eight-subset labelling: (col - row) mod 4 plus 4 * (row mod 2); the
// four-subset one keeps the column and row parities.
std::vector<Vek8u> labels(bool eight) {
    std::vector<Vek8u> t(16);
    for (int r = 0; r < 4; ++r)
        for (int c = 0; c < 4; ++c) t[4 * r + c] = Vek8u(eight ? ((c - r + 4) % 4) + 4 * (r % 2) : (c % 2) + 2 * (r % 2));
    return t;
}

int cell_of(int coord) { return (((coord - 128) >> 8) + 2) & 3; }
int sqd(int d) { return (d * d) >> 4; }

const int kCorner[12][2] = {{0, 0}, {1, 0}, {1, 1}, {0, 1}, {0, 2}, {1, 2}, {2, 1}, {1, -1}, {2, 0}, {-1, 0}, {0, -1}, {-1, 1}};

TEST(Trellis, NearestPointsMatchAnExhaustiveSearch) {
    vt::Rng rng(21);
    for (bool eight : {false, true}) {
        const auto lab = labels(eight);
        const int subsets = eight ? 8 : 4;
        for (int trial = 0; trial < 3000; ++trial) {
            Vek16sc p{Vek16s(int(rng.raw() % 40000) - 20000), Vek16s(int(rng.raw() % 40000) - 20000)};
            if (trial < 4) p = {Vek16s(128 + 256 * trial), Vek16s(-128)};  // exactly on the lattice
            Vek32u var = 0, dist[8];
            std::memset(dist, 0xEE, sizeof dist);
            ASSERT_EQ(veksGetVarPointDV_16sc(&p, &var, dist, lab.data(), eight ? 32 : 16), vekStsNoErr);
            const int x0 = Vek16s(var & 0xFFFF), y0 = Vek16s(var >> 16);
            ASSERT_TRUE(x0 <= p.re && p.re - x0 < 256 && ((x0 - 128) & 255) == 0);
            ASSERT_TRUE(y0 <= p.im && p.im - y0 < 256 && ((y0 - 128) & 255) == 0);
            // Best distance per subset over a 9 x 9 block of lattice points.
            std::vector<int> best(subsets, 1 << 30);
            for (int i = -4; i <= 4; ++i)
                for (int j = -4; j <= 4; ++j) {
                    const int px = x0 + 256 * i, py = y0 + 256 * j;
                    const int s = lab[4 * ((cell_of(y0) + j) & 3) + ((cell_of(x0) + i) & 3)];
                    best[s] = std::min(best[s], sqd(px - p.re) + sqd(py - p.im));
                }
            // The entries read at (row-1, col+1) and (row-1, col) take the pairs
            // (code 6, code 10) and (code 7, code 11), whose points lie in the
            // other one's cell: those two follow the listed rule, not geometry.
            const int r = cell_of(y0), c = cell_of(x0);
            const int swapped1 = eight ? lab[4 * ((r + 3) & 3) + ((c + 1) & 3)] : -1;
            const int swapped2 = eight ? lab[4 * ((r + 3) & 3) + c] : -1;
            auto point_dist = [&](int code) {
                return sqd(x0 + 256 * kCorner[code][0] - p.re) + sqd(y0 + 256 * kCorner[code][1] - p.im);
            };
            for (int s = 0; s < subsets; ++s) {
                const int d = int(dist[s] & 0xFFFF), code = int(dist[s] >> 16);
                ASSERT_LT(code, 12);
                ASSERT_EQ(d, point_dist(code));
                if (s == swapped1 || s == swapped2) {
                    const int c1 = s == swapped1 ? 6 : 7, c2 = c1 + 4;
                    ASSERT_EQ(code, point_dist(c1) < point_dist(c2) ? c1 : c2);
                    continue;
                }
                // The coded point is in the subset and is its nearest.
                ASSERT_EQ(lab[4 * ((r + kCorner[code][1]) & 3) + ((c + kCorner[code][0]) & 3)], s);
                ASSERT_EQ(d, best[s]) << p.re << " " << p.im << " subset " << s;
            }
            if (!eight) ASSERT_EQ(dist[4], 0xEEEEEEEEu);  // four subsets write four entries
        }
    }
    // On a lattice point: distance 0 with code 0, the diagonal 8192 with code 2;
    // halfway in x: 1024 to both neighbours.
    const auto lab = labels(false);
    Vek16sc on{128, 384};
    Vek32u var, d[8];
    ASSERT_EQ(veksGetVarPointDV_16sc(&on, &var, d, lab.data(), 16), vekStsNoErr);
    const int r = cell_of(384), c = cell_of(128);
    EXPECT_EQ(d[lab[4 * r + c]], 0u);
    EXPECT_EQ(d[lab[4 * ((r + 1) & 3) + ((c + 1) & 3)]], 8192u | (2u << 16));
    Vek16sc half{256, 384};
    ASSERT_EQ(veksGetVarPointDV_16sc(&half, &var, d, lab.data(), 16), vekStsNoErr);
    EXPECT_EQ(d[lab[4 * r + c]], 1024u);
    EXPECT_EQ(d[lab[4 * r + ((c + 1) & 3)]], 1024u | (1u << 16));
}

// Which 4-D subset a pair of 2-D subsets (A, B) belongs to, and whether it is
// the pair listed first; the inverse of the partition for 16 and 64 states.
struct Member {
    int subset;
    bool first;
};
Member member16(int A, int B) {
    if (A < 2) return {4 * A + ((B - A) & 3), true};
    const int a = A - 2, b = (B + 2) & 3;
    return {4 * a + ((b - a) & 3), false};
}
Member member64(int A, int B) {
    if (B < 4) return {4 * A + ((B - A) & 3), true};
    const int a = (A + 4) & 7, b = B - 4;
    return {4 * a + ((b - a) & 3), false};
}

TEST(Trellis, SubsetTablesMatchAScanOfAllPairs) {
    vt::Rng rng(22);
    for (int trial = 0; trial < 500; ++trial) {
        Vek32u dist[16];
        for (auto& e : dist) e = Vek32u(rng.raw() % 12) << 16 | Vek32u(rng.raw() % (trial < 100 ? 4 : 20000));
        for (int states : {16, 64}) {
            const int n = states == 16 ? 8 : 32, side = states == 16 ? 4 : 8;
            std::vector<int> best(n, 1 << 30), code(n, -1);
            std::vector<bool> best_first(n, false);
            for (int A = 0; A < side; ++A)
                for (int B = 0; B < side; ++B) {
                    const Member m = states == 16 ? member16(A, B) : member64(A, B);
                    const int d = int((dist[A] & 0xFFFF) + (dist[8 + B] & 0xFFFF)) & 0xFFFF;
                    // A later candidate wins only when strictly smaller.
                    const bool better = d < best[m.subset] || (d == best[m.subset] && m.first);
                    if (better) {
                        best[m.subset] = d;
                        code[m.subset] = int((dist[A] >> 16) | (dist[8 + B] >> 16) << 8);
                        best_first[m.subset] = m.first;
                    }
                }
            vt::Guarded<Vek16u> table(2 * n);
            ASSERT_EQ(veksBuildSymblTableDV4D_16sc(dist, table.data(), states, 0), vekStsNoErr);
            ASSERT_TRUE(table.guards_intact());
            for (int i = 0; i < n; ++i) {
                ASSERT_EQ(table[2 * i + 1], best[i]) << states << " " << i;
                ASSERT_EQ(table[2 * i], code[i]) << states << " " << i;
            }
            // subsetXor relabels the entries.
            for (int x : {1, 5, n - 1}) {
                std::vector<Vek16u> t2(2 * n);
                ASSERT_EQ(veksBuildSymblTableDV4D_16sc(dist, t2.data(), states, x), vekStsNoErr);
                for (int i = 0; i < n; ++i) ASSERT_EQ(t2[2 * i + 1], table[2 * (i ^ x) + 1]);
            }
        }
        // 32 states: the four listed candidates per entry.
        vt::Guarded<Vek16u> t32(32);
        ASSERT_EQ(veksBuildSymblTableDV4D_16sc(dist, t32.data(), 32, 0), vekStsNoErr);
        for (int i = 0; i < 16; ++i) {
            const int s = i >= 8 ? i + 16 : i, t = s ^ 8;
            const int a2 = t >> 2, b2 = (t + a2) & 3, a = s >> 2, b = (s + a) & 3;
            const int cand[4][2] = {{a2, b2}, {(a2 + 4) & 7, b2 + 4}, {a, b}, {(a + 4) & 7, b + 4}};
            int bd = 1 << 30;
            for (auto& c : cand) bd = std::min(bd, int((dist[c[0]] & 0xFFFF) + (dist[8 + c[1]] & 0xFFFF)) & 0xFFFF);
            ASSERT_EQ(t32[2 * i + 1], bd) << i;
        }
    }
}

// Fixed opening connections of the 32-state trellis.
const int kFixedSub[2][8] = {{0, 8, 2, 10, 4, 12, 6, 14}, {1, 9, 3, 11, 5, 13, 7, 15}};
const int kFixedNext[4][8] = {{0, 2, 4, 6, 9, 11, 13, 15}, {16, 18, 20, 22, 25, 27, 29, 31},
                              {1, 3, 5, 7, 8, 10, 12, 14}, {17, 19, 21, 23, 24, 26, 28, 30}};

TEST(Trellis, AddCompareSelectMatchesEveryBranch) {
    vt::Rng rng(23);
    for (int states : {16, 32, 64}) {
        const int B = states == 16 ? 4 : states == 32 ? 8 : 16, entries = states / 2;
        for (int trial = 0; trial < 200; ++trial) {
            std::vector<Vek16u> path(states), branch(states, 0xFFFF), table(2 * entries);
            std::vector<Vek8u> next(states * B);
            for (auto& v : path) v = Vek16u(rng.raw() % (trial < 50 ? 3 : 30000));
            for (int e = 0; e < entries; ++e) {
                table[2 * e] = Vek16u(rng.raw());
                table[2 * e + 1] = Vek16u(rng.raw() % (trial < 50 ? 3 : 30000));
            }
            for (auto& v : next) v = Vek8u(rng.raw() % states);
            if (trial % 2) branch[rng.raw() % states] = 5;  // a metric already held
            // Brute force: every (state, branch) reaching n, in visiting order.
            std::vector<long> want_metric(states);
            std::vector<long> want_dec(states, -1);
            for (int n = 0; n < states; ++n) {
                long m = branch[n];
                for (int s = 0; s < states; ++s) {
                    for (int j = 0; j < B; ++j) {
                        int e, to;
                        bool fixed = states == 32 && s < 4;
                        if (fixed) {
                            e = kFixedSub[s & 1][j];
                            to = kFixedNext[s][j];
                        } else {
                            if (states == 32 && s < 4) continue;
                            e = (s & 1) + 2 * j;
                            to = next[B * s + j];
                        }
                        if (to != n) continue;
                        const long cand = (path[s] + table[2 * e + 1]) & 0xFFFF;
                        if (fixed || cand < m) {
                            m = cand;
                            want_dec[n] = long(table[2 * e]) | long(s) << 16;
                        }
                    }
                }
                want_metric[n] = m;
            }
            const int offset = 3 * states;
            vt::Guarded<Vek32u> dec(4 * states);
            ASSERT_EQ(veksCalcStatesDV_16sc(path.data(), next.data(), branch.data(), table.data(), dec.data(), states,
                                            offset),
                      vekStsNoErr);
            ASSERT_TRUE(dec.guards_intact());
            for (int n = 0; n < states; ++n) {
                ASSERT_EQ(branch[n], want_metric[n]) << states << " " << n;
                if (want_dec[n] >= 0) ASSERT_EQ(dec[offset + n], Vek32u(want_dec[n])) << states << " " << n;
            }
            // Renormalisation: minimum, its first state, rebased metrics.
            std::vector<Vek16u> before = branch, pe(states);
            branch[states - 1] = *std::min_element(before.begin(), before.end());  // a later tie
            before = branch;
            Vek16u minv = 0;
            Vek8u mins = 0;
            ASSERT_EQ(veksUpdatePathMetricsDV_16u(branch.data(), &minv, &mins, pe.data(), states), vekStsNoErr);
            const auto it = std::min_element(before.begin(), before.end());
            EXPECT_EQ(minv, *it);
            EXPECT_EQ(mins, it - before.begin());
            for (int n = 0; n < states; ++n) {
                ASSERT_EQ(pe[n], Vek16u(before[n] - *it));
                ASSERT_EQ(branch[n], 0xFFFF);
            }
        }
    }
}

TEST(Trellis, NullPointers) {
    Vek16sc p{0, 0};
    Vek32u v, d[16];
    Vek16u t[64], m[64];
    Vek8u lab[16] = {}, ns[1024] = {}, ms;
    EXPECT_EQ(veksGetVarPointDV_16sc(nullptr, &v, d, lab, 16), vekStsNullPtrErr);
    EXPECT_EQ(veksGetVarPointDV_16sc(&p, &v, d, nullptr, 16), vekStsNullPtrErr);
    EXPECT_EQ(veksBuildSymblTableDV4D_16sc(d, nullptr, 16, 0), vekStsNullPtrErr);
    EXPECT_EQ(veksCalcStatesDV_16sc(m, ns, m, t, nullptr, 16, 0), vekStsNullPtrErr);
    EXPECT_EQ(veksCalcStatesDV_16sc(m, nullptr, m, t, d, 16, 0), vekStsNullPtrErr);
    EXPECT_EQ(veksUpdatePathMetricsDV_16u(m, nullptr, &ms, t, 16), vekStsNullPtrErr);
    EXPECT_EQ(veksUpdatePathMetricsDV_16u(m, t, &ms, nullptr, 16), vekStsNullPtrErr);
}

}  // namespace
