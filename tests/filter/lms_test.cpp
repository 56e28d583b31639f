// LMS filters: tap and output trajectories against a double model of the
// update rule, the one-sample stateless forms against the block call, the
// fixed-point multirate filter against an exact integer model, and the
// status paths.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "test_util.h"

namespace {

// y = sum t[i] w[i]; t += 2 mu (ref - y) w, with t reversed (t[L-1] meets
// the newest sample).
struct LmsModel {
    std::vector<double> t, line;  // line: oldest first
    double step(double x, double ref, double mu) {
        line.erase(line.begin());
        line.push_back(x);
        double y = 0;
        for (size_t i = 0; i < t.size(); ++i) y += t[i] * line[i];
        const double g = 2 * mu * (ref - y);
        for (size_t i = 0; i < t.size(); ++i) t[i] += g * line[i];
        return y;
    }
};

TEST(Lms, FloatTrajectoryMatchesModel) {
    vt::Rng rng(21);
    for (int L : {1, 4, 7, 32}) {
        SCOPED_TRACE(L);
        std::vector<Vek32f> taps(L), dly(L);
        for (auto& v : taps) v = rng.next<float>(0.3);
        for (auto& v : dly) v = rng.next<float>(1);
        const int idx = L / 2;
        VekFIRLMSState_32f* st;
        ASSERT_EQ(veksFIRLMSInitAlloc_32f(&st, taps.data(), L, dly.data(), idx), vekStsNoErr);
        LmsModel m;
        for (int i = 0; i < L; ++i) m.t.push_back(taps[L - 1 - i]);
        for (int i = 0; i < L; ++i) m.line.push_back(dly[(idx + i) % L]);
        // The stateless form follows the same samples from the same start.
        std::vector<Vek32f> tinv(m.t.begin(), m.t.end()), line2(2 * L);
        for (int i = 0; i < 2 * L; ++i) line2[i] = dly[i % L];
        int idx2 = idx;
        const float mu = 0.01f;
        for (int n : {1, 5, 64, 300}) {
            std::vector<Vek32f> x(n), ref(n), y(n);
            for (int i = 0; i < n; ++i) x[i] = rng.next<float>(1), ref[i] = 0.5f * x[i] + rng.next<float>(0.1);
            ASSERT_EQ(veksFIRLMS_32f(x.data(), ref.data(), y.data(), n, st, mu), vekStsNoErr);
            for (int i = 0; i < n; ++i) {
                const double want = m.step(x[i], ref[i], mu);
                ASSERT_NEAR(y[i], want, 1e-4 * (1 + std::fabs(want))) << i;
                Vek32f one;
                ASSERT_EQ(veksFIRLMSOne_Direct_32f(x[i], ref[i], &one, tinv.data(), L, mu, line2.data(), &idx2), vekStsNoErr);
                ASSERT_EQ(one, y[i]) << i;
            }
            std::vector<Vek32f> got(L);
            ASSERT_EQ(veksFIRLMSGetTaps_32f(st, got.data()), vekStsNoErr);
            for (int i = 0; i < L; ++i) ASSERT_NEAR(got[i], m.t[L - 1 - i], 1e-4) << i;
        }
        // The block call leaves the newest inputs at index 0.
        std::vector<Vek32f> line(L);
        int at = -1;
        ASSERT_EQ(veksFIRLMSGetDlyLine_32f(st, line.data(), &at), vekStsNoErr);
        EXPECT_EQ(at, 0);
        for (int i = 0; i < L; ++i) EXPECT_EQ(line[i], (float)m.line[i]);
        EXPECT_EQ(veksFIRLMSFree_32f(st), vekStsNoErr);
    }
}

TEST(Lms, ZeroMuIsPlainFirAnd16s) {
    const Vek32f taps[3] = {1, -2, 0.5f};
    VekFIRLMSState32f_16s* st;
    ASSERT_EQ(veksFIRLMSInitAlloc32f_16s(&st, taps, 3, nullptr, 0), vekStsNoErr);
    const Vek16s x[6] = {100, 200, -300, 7, 9, 11}, ref[6] = {0};
    Vek16s y[6];
    ASSERT_EQ(veksFIRLMS32f_16s(x, ref, y, 6, st, 0.0f), vekStsNoErr);
    for (int n = 0; n < 6; ++n) {
        double want = 0;
        for (int j = 0; j < 3; ++j) want += n - j >= 0 ? taps[j] * x[n - j] : 0;
        EXPECT_EQ(y[n], (Vek16s)std::nearbyint(want)) << n;
    }
    Vek32f back[3];
    ASSERT_EQ(veksFIRLMSGetTaps32f_16s(st, back), vekStsNoErr);
    EXPECT_TRUE(vt::same_bits(back, taps, 3));
    EXPECT_EQ(veksFIRLMSGetTaps_32f(reinterpret_cast<VekFIRLMSState_32f*>(st), back), vekStsContextMatchErr);
    EXPECT_EQ(veksFIRLMSFree32f_16s(st), vekStsNoErr);
}

TEST(Lms, Errors) {
    EXPECT_EQ(veksFIRLMSFree_32f(nullptr), vekStsNoErr);
    VekFIRLMSState_32f* st = nullptr;
    EXPECT_EQ(veksFIRLMSInitAlloc_32f(nullptr, nullptr, 4, nullptr, 0), vekStsNullPtrErr);
    EXPECT_EQ(veksFIRLMSInitAlloc_32f(&st, nullptr, 0, nullptr, 0), vekStsSizeErr);
    const int64_t live = vekcoreLiveBlocks();
    vekcoreFailAllocation(1);
    EXPECT_EQ(veksFIRLMSInitAlloc_32f(&st, nullptr, 4, nullptr, 0), vekStsMemAllocErr);
    vekcoreFailAllocation(0);
    EXPECT_EQ(vekcoreLiveBlocks(), live);
    Vek32f taps[4] = {0}, line[8] = {0}, y = 7;
    int idx = 4;
    EXPECT_EQ(veksFIRLMSOne_Direct_32f(1, 1, &y, taps, 4, 0.1f, line, &idx), vekStsDlyLineIndexErr);
    EXPECT_EQ(veksFIRLMSOne_Direct_32f(1, 1, &y, taps, 0, 0.1f, line, &idx), vekStsSizeErr);
    EXPECT_EQ(veksFIRLMSOne_Direct_32f(1, 1, nullptr, taps, 4, 0.1f, line, &idx), vekStsNullPtrErr);
    EXPECT_EQ(y, 7);
    ASSERT_EQ(veksFIRLMSInitAlloc_32f(&st, nullptr, 4, nullptr, 0), vekStsNoErr);
    Vek32f x[2] = {1, 2}, out[2] = {9, 9};
    EXPECT_EQ(veksFIRLMS_32f(x, x, out, 0, st, 0.1f), vekStsSizeErr);
    EXPECT_EQ(veksFIRLMS_32f(x, nullptr, out, 2, st, 0.1f), vekStsNullPtrErr);
    EXPECT_EQ(out[0], 9);
    veksFIRLMSFree_32f(st);
}

TEST(Lms, Q15StepsTowardTheReference) {
    // Identify a one-tap gain of 0.5 from a Q15 signal.
    Vek32s taps[1] = {0};
    Vek16s line[2] = {0, 0};
    int idx = 0;
    Vek16s y = 0;
    for (int k = 0; k < 400; ++k) {
        const Vek16s x = (k % 2) ? 12000 : -9000;
        ASSERT_EQ(veksFIRLMSOne_DirectQ15_16s(x, Vek16s(x / 2), &y, taps, 1, 8000, line, &idx), vekStsNoErr);
    }
    EXPECT_NEAR(taps[0] / 2147483648.0, 0.5, 1e-3);
}

// Exact model of the multirate fixed-point filter.
TEST(LmsMultirate, MatchesIntegerModel) {
    const int L = 3, step = 2, upd = 1, dlyLen = L * step + upd, mu = 3000;
    const Vek32s taps[L] = {1 << 16, -(3 << 16), 5 << 15};
    VekFIRLMSMRState32s_16s* st;
    ASSERT_EQ(veksFIRLMSMRInitAlloc32s_16s(&st, taps, L, nullptr, 0, step, upd, mu), vekStsNoErr);
    std::vector<long long> t = {taps[2], taps[1], taps[0]};  // reversed
    std::vector<int> hist;  // every sample fed, oldest first
    vt::Rng rng(9);
    for (int k = 0; k < 50; ++k) {
        const Vek16s v = Vek16s(rng.next<double>(3000));
        Vek32s out;
        ASSERT_EQ(veksFIRLMSMROneVal32s_16s(v, &out, st), vekStsNoErr);
        hist.push_back(v);
        auto sample = [&](long back) { return back < long(hist.size()) ? hist[hist.size() - 1 - back] : 0; };
        // Tap i meets the sample (L-1-i)*step back from the newest.
        long long want = 0;
        for (int i = 0; i < L; ++i) want += (t[i] >> 16) * sample((L - 1 - i) * step);
        ASSERT_EQ(out, Vek32s(want)) << k;
        Vek16s dv;
        ASSERT_EQ(veksFIRLMSMRGetDlyVal32s_16s(st, &dv, 0), vekStsNoErr);
        ASSERT_EQ(dv, sample((L - 1) * step)) << k;
        const Vek32s err = 40 - out / 4;
        ASSERT_EQ(veksFIRLMSMRUpdateTaps32s_16s(err, st), vekStsNoErr);
        const long long g = (long long)(int)((long long)mu * err + 16384) >> 15;
        for (int i = 0; i < L; ++i) t[i] += sample((L - 1 - i) * step + upd) * g;
        Vek32s now[L];
        ASSERT_EQ(veksFIRLMSMRGetTaps32s_16s(st, now), vekStsNoErr);
        for (int i = 0; i < L; ++i) ASSERT_EQ(now[i], t[L - 1 - i]) << k;
    }
    Vek16s dv;
    EXPECT_EQ(veksFIRLMSMRGetDlyVal32s_16s(st, &dv, dlyLen + 1), vekStsBadArgErr);
    EXPECT_EQ(veksFIRLMSMRGetDlyVal32s_16s(st, &dv, -1), vekStsBadArgErr);
    EXPECT_EQ(veksFIRLMSMRSetMu32sc_16sc(reinterpret_cast<VekFIRLMSMRState32sc_16sc*>(st), 1), vekStsContextMatchErr);
    EXPECT_EQ(veksFIRLMSMRFree32s_16s(st), vekStsNoErr);
    VekFIRLMSMRState32s_16s* bad = nullptr;
    EXPECT_EQ(veksFIRLMSMRInitAlloc32s_16s(&bad, nullptr, 0, nullptr, 0, 1, 0, 1), vekStsSizeErr);
    EXPECT_EQ(veksFIRLMSMRInitAlloc32s_16s(&bad, nullptr, 2, nullptr, 2, 1, 0, 1), vekStsSizeErr);
    for (int fail = 1; fail <= 3; ++fail) {  // any of the three blocks
        const int64_t live = vekcoreLiveBlocks();
        vekcoreFailAllocation(fail);
        EXPECT_EQ(veksFIRLMSMRInitAlloc32s_16s(&bad, nullptr, 4, nullptr, 0, 1, 0, 1), vekStsMemAllocErr);
        vekcoreFailAllocation(0);
        EXPECT_EQ(vekcoreLiveBlocks(), live);
    }
}

}  // namespace
