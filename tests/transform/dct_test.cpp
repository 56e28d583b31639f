// DCT and Hilbert transform against long-double evaluations of their
// definitions, at lengths that select every method.
#include <gtest/gtest.h>

#include <cmath>
#include <vector>

#include "test_util.h"
#include "veks.h"

namespace {

using LD = long double;
const LD kPi = 3.141592653589793238462643383279502884L;

std::vector<LD> dct2(const std::vector<LD>& x) {
    const std::size_t n = x.size();
    std::vector<LD> y(n);
    for (std::size_t k = 0; k < n; ++k) {
        LD acc = 0;
        for (std::size_t i = 0; i < n; ++i) acc += x[i] * std::cos(kPi * LD((2 * i + 1) * k) / LD(2 * n));
        y[k] = acc * (k == 0 ? std::sqrt(1 / LD(n)) : std::sqrt(2 / LD(n)));
    }
    return y;
}

// fixed 1..8, halving 16/32, FFT powers of two, direct, convolution
const std::vector<int> kLengths = {1, 2, 3, 4, 7, 8, 16, 32, 50, 64, 100, 101, 128, 200, 1000};

template <class T, class Fs, class Is>
struct DctKind {
    VekStatus (*fwd_alloc)(Fs**, int, int);
    VekStatus (*inv_alloc)(Is**, int, int);
    VekStatus (*fwd)(const T*, T*, const Fs*, Vek8u*);
    VekStatus (*inv_i)(T*, const Is*, Vek8u*);
    VekStatus (*fwd_free)(Fs*);
    VekStatus (*inv_free)(Is*);
    double tol;
};

template <class T, class Fs, class Is>
void check_dct(const DctKind<T, Fs, Is>& k) {
    vt::Rng rng(3);
    for (int n : kLengths) {
        SCOPED_TRACE(n);
        Fs* f = nullptr;
        Is* inv = nullptr;
        ASSERT_EQ(k.fwd_alloc(&f, n, vekAlgHintNone), vekStsNoErr);
        ASSERT_EQ(k.inv_alloc(&inv, n, vekAlgHintNone), vekStsNoErr);
        std::vector<T> x(n), y(n);
        std::vector<LD> xl(n);
        for (int i = 0; i < n; ++i) x[i] = rng.next<T>(1), xl[i] = x[i];
        const std::vector<LD> want = dct2(xl);
        ASSERT_EQ(k.fwd(x.data(), y.data(), f, nullptr), vekStsNoErr);
        for (int i = 0; i < n; ++i) ASSERT_NEAR(double(y[i]), double(want[i]), k.tol) << i;
        ASSERT_EQ(k.inv_i(y.data(), inv, nullptr), vekStsNoErr);
        for (int i = 0; i < n; ++i) ASSERT_NEAR(double(y[i]), double(x[i]), k.tol) << i;
        // A forward specification is not an inverse one.
        EXPECT_EQ(k.inv_i(y.data(), reinterpret_cast<Is*>(f), nullptr), vekStsContextMatchErr);
        ASSERT_EQ(k.fwd_free(f), vekStsNoErr);
        ASSERT_EQ(k.inv_free(inv), vekStsNoErr);
    }
}

TEST(Dct, EveryMethodBothPrecisions) {
    check_dct(DctKind<double, VekDCTFwdSpec_64f, VekDCTInvSpec_64f>{
        veksDCTFwdInitAlloc_64f, veksDCTInvInitAlloc_64f, veksDCTFwd_64f, veksDCTInv_64f_I, veksDCTFwdFree_64f,
        veksDCTInvFree_64f, 1e-12});
    check_dct(DctKind<float, VekDCTFwdSpec_32f, VekDCTInvSpec_32f>{
        veksDCTFwdInitAlloc_32f, veksDCTInvInitAlloc_32f, veksDCTFwd_32f, veksDCTInv_32f_I, veksDCTFwdFree_32f,
        veksDCTInvFree_32f, 2e-5});
}

TEST(Dct, SizesOfEachMethod) {
    struct Row { int len, spec, init, work; };
    int rs, ri, rw, cs, ci, cw;
    ASSERT_EQ(veksFFTGetSize_R_64f(8, VEK_FFT_NO_SCALE, 0, &rs, &ri, &rw), vekStsNoErr);
    ASSERT_EQ(veksFFTGetSize_C_64fc(8, VEK_FFT_NO_SCALE, 0, &cs, &ci, &cw), vekStsNoErr);
    const Row rows[] = {
        {8, 160, 0, 0},
        {16, 128 + 160, 0, 8 * 16 + 32},
        {50, 32 * 50 + 160, 0, 8 * 50 + 32},
        {128, rs + 16 * 128 + 160, ri > 0 ? ri + 32 : 0, rw + 16 * 128 + 32},
        {101, cs + 48 * 101 + 16 * 256 + 160, std::max(ci, cw) > 0 ? std::max(ci, cw) + 32 : 0, cw + 16 * 256 + 32},
    };
    for (const Row& r : rows) {
        int spec = -1, init = -1, work = -1;
        ASSERT_EQ(veksDCTFwdGetSize_64f(r.len, 0, &spec, &init, &work), vekStsNoErr);
        EXPECT_EQ(spec, r.spec) << r.len;
        EXPECT_EQ(init, r.init) << r.len;
        EXPECT_EQ(work, r.work) << r.len;
    }
    int a, b, c;
    EXPECT_EQ(veksDCTFwdGetSize_32f(8, 0, &a, &b, &c), vekStsNoErr);
    EXPECT_EQ(a, 152);
    EXPECT_EQ(veksDCTFwdGetSize_16s(1, 0, &a, &b, &c), vekStsNoErr);
    EXPECT_EQ(a, 64);
    EXPECT_EQ(veksDCTFwdGetSize_64f(0, 0, &a, &b, &c), vekStsSizeErr);
    EXPECT_EQ(veksDCTFwdGetSize_64f(4, 0, nullptr, &b, &c), vekStsNullPtrErr);
}

// Init into caller memory at an odd address, a caller work buffer, and the
// 16-bit form against the float result.
TEST(Dct, CallerMemoryAndSixteenBit) {
    for (int n : {8, 32, 64, 77, 300}) {
        SCOPED_TRACE(n);
        int spec_size, init_size, work_size;
        ASSERT_EQ(veksDCTFwdGetSize_32f(n, 0, &spec_size, &init_size, &work_size), vekStsNoErr);
        std::vector<Vek8u> spec_mem(spec_size + 1), init_mem(init_size + 1), work(work_size + 1);
        VekDCTFwdSpec_32f* f = nullptr;
        ASSERT_EQ(veksDCTFwdInit_32f(&f, n, 0, spec_mem.data() + 1, init_mem.data() + 1), vekStsNoErr);
        std::vector<float> x(n), y(n);
        std::vector<Vek16s> xs(n), ys(n);
        for (int i = 0; i < n; ++i) xs[i] = Vek16s((i * 37) % 200 - 100), x[i] = xs[i];
        ASSERT_EQ(veksDCTFwd_32f(x.data(), y.data(), f, work.data() + 1), vekStsNoErr);
        VekDCTFwdSpec_16s* fs = nullptr;
        ASSERT_EQ(veksDCTFwdInitAlloc_16s(&fs, n, 0), vekStsNoErr);
        ASSERT_EQ(veksDCTFwd_16s_Sfs(xs.data(), ys.data(), fs, 1, nullptr), vekStsNoErr);
        for (int i = 0; i < n; ++i) EXPECT_NEAR(ys[i], y[i] / 2, 1.0) << i;
        ASSERT_EQ(veksDCTFwdFree_32f(f), vekStsNoErr);
        ASSERT_EQ(veksDCTFwdFree_16s(fs), vekStsNoErr);
    }
}

TEST(Dct, AllocationFailuresReleaseEverything) {
    for (int n : {8, 64, 101}) {
        const std::int64_t live = vekcoreLiveBlocks();
        for (int nth = 1; nth <= 3; ++nth) {
            VekDCTInvSpec_64f* s = nullptr;
            vekcoreFailAllocation(nth);
            const VekStatus st = veksDCTInvInitAlloc_64f(&s, n, 0);
            vekcoreFailAllocation(0);
            if (st == vekStsNoErr) {
                veksDCTInvFree_64f(s);
                break;
            }
            EXPECT_EQ(st, vekStsMemAllocErr);
            EXPECT_EQ(s, nullptr);
            EXPECT_EQ(vekcoreLiveBlocks(), live);
        }
    }
}

// The analytic signal of a cosine with a whole number of cycles is
// cos + i sin; short lengths pass through with zero imaginary parts.
TEST(Hilbert, AnalyticSignalOfCosines) {
    for (int n : {1, 2, 3, 8, 15, 64, 100, 101}) {
        SCOPED_TRACE(n);
        VekHilbertSpec_32f32fc* s = nullptr;
        ASSERT_EQ(veksHilbertInitAlloc_32f32fc(&s, n, 0), vekStsNoErr);
        const int cycles = n >= 4 ? std::max(1, n / 5) : 0;
        std::vector<float> x(n);
        std::vector<Vek32fc> y(n);
        for (int i = 0; i < n; ++i) x[i] = float(std::cos(2 * M_PI * cycles * i / n)) + (n <= 2 ? float(i) : 0.0f);
        ASSERT_EQ(veksHilbert_32f32fc(x.data(), y.data(), s), vekStsNoErr);
        for (int i = 0; i < n; ++i) {
            EXPECT_NEAR(y[i].re, x[i], 1e-5);
            const double want = n <= 2 ? 0.0 : std::sin(2 * M_PI * cycles * i / n);
            EXPECT_NEAR(y[i].im, want, 1e-5);
        }
        std::vector<Vek16s> xs(n);
        std::vector<Vek16sc> ys(n);
        for (int i = 0; i < n; ++i) xs[i] = Vek16s(std::lround(x[i] * 1000));
        VekHilbertSpec_16s16sc* s16 = nullptr;
        ASSERT_EQ(veksHilbertInitAlloc_16s16sc(&s16, n, 0), vekStsNoErr);
        ASSERT_EQ(veksHilbert_16s16sc_Sfs(xs.data(), ys.data(), s16, 0), vekStsNoErr);
        for (int i = 0; i < n; ++i) EXPECT_NEAR(ys[i].im, std::lround(y[i].im * 1000), 2.0);
        // A 16s16sc specification is not a 32f32fc one.
        EXPECT_EQ(veksHilbert_32f32fc(x.data(), y.data(), reinterpret_cast<VekHilbertSpec_32f32fc*>(s16)),
                  vekStsContextMatchErr);
        EXPECT_EQ(veksHilbert_32f32fc(nullptr, y.data(), nullptr), vekStsNullPtrErr);
        ASSERT_EQ(veksHilbertFree_32f32fc(s), vekStsNoErr);
        ASSERT_EQ(veksHilbertFree_16s16sc(s16), vekStsNoErr);
    }
}

}  // namespace
