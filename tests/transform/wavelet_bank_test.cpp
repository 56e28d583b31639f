// Wavelet filter banks against direct models of the decimating and
// interpolating filters, with the stream split into calls of random sizes.
#include <gtest/gtest.h>

#include <vector>

#include "test_util.h"
#include "veks.h"

namespace {

// y[m] = sum_k h[k] x[2m - d - k], x zero before the stream starts.
std::vector<double> fwd_model(const std::vector<float>& x, const std::vector<float>& h, int d) {
    std::vector<double> y(x.size() / 2);
    for (long m = 0; m < long(y.size()); ++m)
        for (long k = 0; k < long(h.size()); ++k) {
            const long i = 2 * m - d - k;
            if (i >= 0 && i < long(x.size())) y[m] += double(h[k]) * x[i];
        }
    return y;
}

// z[n] = sum_k h[k] u[n - d - k], u the input with a zero after each value.
std::vector<double> inv_model(const std::vector<float>& v, const std::vector<float>& h, int d) {
    std::vector<double> z(2 * v.size());
    for (long n = 0; n < long(z.size()); ++n)
        for (long k = 0; k < long(h.size()); ++k) {
            const long j = n - d - k;
            if (j >= 0 && j % 2 == 0 && j / 2 < long(v.size())) z[n] += double(h[k]) * v[j / 2];
        }
    return z;
}

struct Bank {
    std::vector<float> low, high;
    int dl, dh;
};

const Bank kBanks[] = {
    {{0.5f, 0.5f}, {-0.5f, 0.5f}, 0, 0},
    {{0.1f, 0.4f, 0.4f, 0.1f}, {0.2f, -0.7f, 0.3f}, -1, 2},
    {{0.25f, 0.5f, 0.25f, 0.1f, -0.3f}, {1.0f}, 3, -1},
    {{0.25f, 0.5f, 0.25f, 0.1f, -0.3f}, {0.6f, -0.2f}, 3, 1},
};

TEST(WaveletBank, ForwardAndInverseAcrossCallSplits) {
    vt::Rng rng(5);
    for (const Bank& b : kBanks) {
        const int pairs = 700;
        std::vector<float> x(2 * pairs);
        rng.fill(x.data(), x.size(), 1.0);
        const std::vector<double> want_low = fwd_model(x, b.low, b.dl), want_high = fwd_model(x, b.high, b.dh);
        VekWTFwdState_32f* f = nullptr;
        ASSERT_EQ(veksWTFwdInitAlloc_32f(&f, b.low.data(), int(b.low.size()), b.dl, b.high.data(), int(b.high.size()),
                                         b.dh),
                  vekStsNoErr);
        std::vector<float> lo(pairs), hi(pairs);
        for (int done = 0; done < pairs;) {
            const int n = std::min<int>(pairs - done, 1 + int(rng.raw() % 97));
            ASSERT_EQ(veksWTFwd_32f(x.data() + 2 * done, lo.data() + done, hi.data() + done, n, f), vekStsNoErr);
            done += n;
        }
        for (int m = 0; m < pairs; ++m) {
            ASSERT_NEAR(lo[m], want_low[m], 1e-5) << m;
            ASSERT_NEAR(hi[m], want_high[m], 1e-5) << m;
        }
        veksWTFwdFree_32f(f);
        // With offset -1 the inverse reaches one value ahead of each call.
        if (b.dl < 0 || b.dh < 0) continue;

        VekWTInvState_32f* inv = nullptr;
        ASSERT_EQ(veksWTInvInitAlloc_32f(&inv, b.low.data(), int(b.low.size()), b.dl, b.high.data(),
                                         int(b.high.size()), b.dh),
                  vekStsNoErr);
        std::vector<float> y(2 * pairs);
        for (int done = 0; done < pairs;) {
            const int n = std::min<int>(pairs - done, 1 + int(rng.raw() % 97));
            ASSERT_EQ(veksWTInv_32f(lo.data() + done, hi.data() + done, n, y.data() + 2 * done, inv), vekStsNoErr);
            done += n;
        }
        const std::vector<double> zl = inv_model(lo, b.low, b.dl), zh = inv_model(hi, b.high, b.dh);
        for (int i = 0; i < 2 * pairs; ++i) ASSERT_NEAR(y[i], zl[i] + zh[i], 1e-5) << i;
        veksWTInvFree_32f(inv);
    }
}

TEST(WaveletBank, IntegerKindsDelayLinesAndStatuses) {
    const Bank& b = kBanks[1];
    VekWTFwdState_16s32f* f = nullptr;
    ASSERT_EQ(veksWTFwdInitAlloc_16s32f(&f, b.low.data(), 4, b.dl, b.high.data(), 3, b.dh), vekStsNoErr);
    std::vector<Vek16s> xs(3000);
    std::vector<float> xf(3000);
    for (int i = 0; i < 3000; ++i) xs[i] = Vek16s((i * 7919) % 4001 - 2000), xf[i] = xs[i];
    std::vector<float> lo(1500), hi(1500);
    ASSERT_EQ(veksWTFwd_16s32f(xs.data(), lo.data(), hi.data(), 1500, f), vekStsNoErr);
    const std::vector<double> want = fwd_model(xf, b.low, b.dl);
    for (int m = 0; m < 1500; ++m) ASSERT_NEAR(lo[m], want[m], 1e-2) << m;
    // The delay lines hold the newest samples in time order: L + d - 1 of them.
    std::vector<float> dl(b.low.size() + b.dl - 1), dh(b.high.size() + b.dh - 1);
    ASSERT_EQ(veksWTFwdGetDlyLine_16s32f(f, dl.data(), dh.data()), vekStsNoErr);
    EXPECT_EQ(dl.back(), xf.back());
    EXPECT_EQ(dh.front(), xf[3000 - dh.size()]);
    ASSERT_EQ(veksWTFwdSetDlyLine_16s32f(f, dl.data(), dh.data()), vekStsNoErr);
    EXPECT_EQ(veksWTFwdSetDlyLine_16s32f(f, nullptr, dh.data()), vekStsNullPtrErr);
    EXPECT_EQ(veksWTInv_32f(lo.data(), hi.data(), 4, xf.data(), reinterpret_cast<VekWTInvState_32f*>(f)),
              vekStsContextMatchErr);
    EXPECT_EQ(veksWTFwd_16s32f(xs.data(), lo.data(), hi.data(), 0, f), vekStsSizeErr);
    ASSERT_EQ(veksWTFwdFree_16s32f(f), vekStsNoErr);

    VekWTInvState_32f* s = nullptr;
    EXPECT_EQ(veksWTInvInitAlloc_32f(&s, b.low.data(), 4, -2, b.high.data(), 3, 0), vekStsWtOffsetErr);
    EXPECT_EQ(veksWTInvInitAlloc_32f(&s, b.low.data(), 0, 0, b.high.data(), 3, 0), vekStsSizeErr);
    EXPECT_EQ(veksWTInvInitAlloc_32f(&s, b.low.data(), 4, 0, nullptr, 3, 0), vekStsNullPtrErr);
    const std::int64_t live = vekcoreLiveBlocks();
    for (int nth = 1; nth <= 6; ++nth) {
        VekWTInvState_32f16s* t = reinterpret_cast<VekWTInvState_32f16s*>(xs.data());
        vekcoreFailAllocation(nth);
        const VekStatus st = veksWTInvInitAlloc_32f16s(&t, b.low.data(), 4, 1, b.high.data(), 3, 2);
        vekcoreFailAllocation(0);
        if (st == vekStsNoErr) {
            veksWTInvFree_32f16s(t);
            break;
        }
        EXPECT_EQ(st, vekStsMemAllocErr);
        EXPECT_EQ(t, nullptr);
        EXPECT_EQ(vekcoreLiveBlocks(), live);
    }
}

}  // namespace
