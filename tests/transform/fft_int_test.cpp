// Integer FFT forms against the long double reference rounded the same way
// (nearest-even for the floating paths, half up for the 16-bit fixed-point
// path), saturation, sizes and argument checks of the integer kinds.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>

#include "fft_reference.h"
#include "test_util.h"

namespace {

using ref::LC;

template <class I>
I rounded(long double v, int sf) {
    const long double x = std::nearbyint(std::ldexp(v, -sf));
    if (x > std::numeric_limits<I>::max()) return std::numeric_limits<I>::max();
    if (x < std::numeric_limits<I>::min()) return std::numeric_limits<I>::min();
    return static_cast<I>(x);
}

long double scale_of(int flag, bool inverse, int n) {
    if (flag == VEK_FFT_SCALE_SQRT_N) return 1 / std::sqrt(static_cast<long double>(n));
    if ((flag == VEK_FFT_SCALE_FWD_N && !inverse) || (flag == VEK_FFT_SCALE_INV_N && inverse)) return 1.0L / n;
    return 1;
}

// Expected integer spectrum of interleaved integer data.
template <class I>
std::vector<I> expected(const std::vector<I>& x, bool inverse, int flag, int sf) {
    const int n = static_cast<int>(x.size() / 2);
    std::vector<LC> w(n);
    for (int i = 0; i < n; ++i) w[i] = LC(x[2 * i], x[2 * i + 1]);
    const auto X = ref::dft(w, inverse ? +1 : -1);
    const long double s = scale_of(flag, inverse, n);
    std::vector<I> y(2 * n);
    for (int i = 0; i < n; ++i) y[2 * i] = rounded<I>(X[i].real() * s, sf), y[2 * i + 1] = rounded<I>(X[i].imag() * s, sf);
    return y;
}

template <class I>
void expect_close(const std::vector<I>& got, const std::vector<I>& want, int tol) {
    for (std::size_t i = 0; i < want.size(); ++i) ASSERT_LE(std::abs(double(got[i]) - double(want[i])), tol) << i;
}

struct CaseRow {
    int order, flag, hint, sf;
};

TEST(IntegerFFT, Complex16scEveryPath) {
    // Orders 1..3 with hint 0/1 take the fixed-point path, others the float path.
    const CaseRow rows[] = {{0, 8, 0, 0}, {0, 8, 0, 2}, {0, 8, 0, -3}, {1, 8, 0, 0}, {2, 8, 0, 0}, {3, 8, 1, 1},
                            {1, 1, 0, 0}, {2, 2, 0, -1}, {3, 4, 0, 0}, {3, 4, 2, 0}, {2, 4, 0, 0}, {4, 8, 0, 3},
                            {7, 1, 0, -4}, {10, 4, 0, 0}, {12, 2, 0, 2}};
    vt::Rng rng(3);
    for (const auto& r : rows) {
        const int n = 1 << r.order;
        SCOPED_TRACE(testing::Message() << "order " << r.order << " flag " << r.flag << " hint " << r.hint << " sf " << r.sf);
        VekFFTSpec_C_16sc* spec = nullptr;
        ASSERT_EQ(veksFFTInitAlloc_C_16sc(&spec, r.order, r.flag, r.hint), vekStsNoErr);
        VekFFTSpec_C_16s* split = nullptr;
        ASSERT_EQ(veksFFTInitAlloc_C_16s(&split, r.order, r.flag, r.hint), vekStsNoErr);
        std::vector<Vek16s> x(2 * n);
        for (auto& v : x) v = static_cast<Vek16s>(static_cast<int>(rng.raw() % 2001) - 1000);
        for (bool inv : {false, true}) {
            std::vector<Vek16s> y(2 * n), yr(n), yi(n), xr(n), xi(n);
            for (int i = 0; i < n; ++i) xr[i] = x[2 * i], xi[i] = x[2 * i + 1];
            auto* xc = reinterpret_cast<const Vek16sc*>(x.data());
            auto* yc = reinterpret_cast<Vek16sc*>(y.data());
            ASSERT_EQ((inv ? veksFFTInv_CToC_16sc_Sfs : veksFFTFwd_CToC_16sc_Sfs)(xc, yc, spec, r.sf, nullptr), vekStsNoErr);
            ASSERT_EQ((inv ? veksFFTInv_CToC_16s_Sfs : veksFFTFwd_CToC_16s_Sfs)(xr.data(), xi.data(), yr.data(), yi.data(),
                                                                                split, r.sf, nullptr), vekStsNoErr);
            // Fixed point rounds twiddle products; both paths stay within one unit.
            expect_close(y, expected(x, inv, r.flag, r.sf), 1);
            for (int i = 0; i < n; ++i) { EXPECT_EQ(yr[i], y[2 * i]); EXPECT_EQ(yi[i], y[2 * i + 1]); }
        }
        veksFFTFree_C_16sc(spec);
        veksFFTFree_C_16s(split);
    }
}

TEST(IntegerFFT, FixedPointIsExactAtOrderTwo) {
    VekFFTSpec_C_16sc* spec = nullptr;
    ASSERT_EQ(veksFFTInitAlloc_C_16sc(&spec, 2, VEK_FFT_NO_SCALE, 0), vekStsNoErr);
    const Vek16sc x[4] = {{1, 2}, {-3, 4}, {5, 0}, {7, -8}};
    Vek16sc y[4];
    ASSERT_EQ(veksFFTFwd_CToC_16sc_Sfs(x, y, spec, 0, nullptr), vekStsNoErr);
    // X0 = (10, -2); X1 = (x0 - x2) - i(x1 - x3) = (-4, 2) - i(-10, 12) = (8, 12); X2 = (2, 6); X3 = (-16, -8)
    const Vek16s want[8] = {10, -2, 8, 12, 2, 6, -16, -8};
    for (int i = 0; i < 4; ++i) { EXPECT_EQ(y[i].re, want[2 * i]); EXPECT_EQ(y[i].im, want[2 * i + 1]); }
    // Ties round up: 10 / 4 -> 3 (2.5 up), -2 / 4 -> 0 (-0.5 up).
    ASSERT_EQ(veksFFTFwd_CToC_16sc_Sfs(x, y, spec, 2, nullptr), vekStsNoErr);
    EXPECT_EQ(y[0].re, 3);
    EXPECT_EQ(y[0].im, 0);
    // Saturation.
    const Vek16sc big[4] = {{32767, -32768}, {32767, -32768}, {32767, -32768}, {32767, -32768}};
    ASSERT_EQ(veksFFTFwd_CToC_16sc_Sfs(big, y, spec, 0, nullptr), vekStsNoErr);
    EXPECT_EQ(y[0].re, 32767);
    EXPECT_EQ(y[0].im, -32768);
    EXPECT_EQ(y[1].re, 0);
    veksFFTFree_C_16sc(spec);
}

TEST(IntegerFFT, Complex32Bit) {
    vt::Rng rng(4);
    for (const CaseRow& r : {CaseRow{0, 8, 0, 0}, CaseRow{3, 8, 0, -2}, CaseRow{6, 1, 0, 0}, CaseRow{9, 4, 0, 3},
                             CaseRow{13, 2, 0, 1}}) {
        const int n = 1 << r.order;
        VekFFTSpec_C_32sc* spec = nullptr;
        VekFFTSpec_C_32s* split = nullptr;
        ASSERT_EQ(veksFFTInitAlloc_C_32sc(&spec, r.order, r.flag, 0), vekStsNoErr);
        ASSERT_EQ(veksFFTInitAlloc_C_32s(&split, r.order, r.flag, 0), vekStsNoErr);
        std::vector<Vek32s> x(2 * n);
        for (auto& v : x) v = static_cast<Vek32s>(static_cast<std::int64_t>(rng.raw() % 2000001) - 1000000);
        for (bool inv : {false, true}) {
            std::vector<Vek32s> y(x), yr(n), yi(n);
            for (int i = 0; i < n; ++i) yr[i] = x[2 * i], yi[i] = x[2 * i + 1];
            ASSERT_EQ((inv ? veksFFTInv_CToC_32sc_ISfs : veksFFTFwd_CToC_32sc_ISfs)(reinterpret_cast<Vek32sc*>(y.data()), spec, r.sf, nullptr), vekStsNoErr);
            ASSERT_EQ((inv ? veksFFTInv_CToC_32s_ISfs : veksFFTFwd_CToC_32s_ISfs)(yr.data(), yi.data(), split, r.sf, nullptr), vekStsNoErr);
            expect_close(y, expected(x, inv, r.flag, r.sf), 1);
            for (int i = 0; i < n; ++i) { EXPECT_EQ(yr[i], y[2 * i]); EXPECT_EQ(yi[i], y[2 * i + 1]); }
        }
        veksFFTFree_C_32sc(spec);
        veksFFTFree_C_32s(split);
    }
}

// Real integer forms in every layout against the rounded reference spectrum.
template <class I, class O, class Spec>
void check_real_int(const char* name, VekStatus (*init)(Spec**, int, int, int), VekStatus (*fr)(Spec*),
                    VekStatus (*fwd[3])(const I*, O*, const Spec*, int, Vek8u*), int order, int flag, int hint, int sf) {
    SCOPED_TRACE(testing::Message() << name << " order " << order << " flag " << flag << " hint " << hint << " sf " << sf);
    const int n = 1 << order;
    Spec* spec = nullptr;
    ASSERT_EQ(init(&spec, order, flag, hint), vekStsNoErr);
    vt::Rng rng(order * 31 + flag);
    std::vector<I> x(n);
    for (auto& v : x) v = static_cast<I>(static_cast<int>(rng.raw() % 4001) - 2000);
    std::vector<LC> w(x.begin(), x.end());
    const auto X = ref::dft(w, -1);
    const long double s = scale_of(flag, false, n);
    std::vector<O> ccs(n == 1 ? 2 : n + 2);
    for (int k = 0; 2 * k <= n; ++k) ccs[2 * k] = rounded<O>(X[k].real() * s, sf), ccs[2 * k + 1] = rounded<O>(X[k].imag() * s, sf);
    for (int l = 0; l < 3; ++l) {
        if (!fwd[l]) continue;
        std::vector<O> want(l == 0 ? ccs.size() : n);
        if (l == 0) want = ccs;
        else if (n == 1) want[0] = ccs[0];
        else {
            const int off = l == 1 ? -1 : 0;  // Pack shifts the pairs down by one
            for (int k = 1; 2 * k < n; ++k) want[2 * k + off] = ccs[2 * k], want[2 * k + 1 + off] = ccs[2 * k + 1];
            want[0] = ccs[0];
            want[l == 1 ? n - 1 : 1] = ccs[n];
        }
        std::vector<O> y(want.size());
        ASSERT_EQ(fwd[l](x.data(), y.data(), spec, sf, nullptr), vekStsNoErr) << l;
        expect_close(y, want, 1);
    }
    fr(spec);
}

TEST(IntegerFFT, RealEveryLayout) {
    VekStatus (*f16[3])(const Vek16s*, Vek16s*, const VekFFTSpec_R_16s*, int, Vek8u*) = {
        veksFFTFwd_RToCCS_16s_Sfs, veksFFTFwd_RToPack_16s_Sfs, veksFFTFwd_RToPerm_16s_Sfs};
    VekStatus (*f32[3])(const Vek32s*, Vek32s*, const VekFFTSpec_R_32s*, int, Vek8u*) = {
        veksFFTFwd_RToCCS_32s_Sfs, veksFFTFwd_RToPack_32s_Sfs, veksFFTFwd_RToPerm_32s_Sfs};
    VekStatus (*f1632[3])(const Vek16s*, Vek32s*, const VekFFTSpec_R_16s32s*, int, Vek8u*) = {
        veksFFTFwd_RToCCS_16s32s_Sfs, nullptr, nullptr};
    for (const CaseRow& r : {CaseRow{0, 8, 0, 1}, CaseRow{1, 8, 0, 0}, CaseRow{2, 1, 0, 0}, CaseRow{3, 4, 0, -1},
                             CaseRow{3, 8, 2, 2}, CaseRow{4, 8, 0, 3}, CaseRow{8, 2, 0, 0}, CaseRow{11, 4, 0, 1}}) {
        check_real_int("16s", veksFFTInitAlloc_R_16s, veksFFTFree_R_16s, f16, r.order, r.flag, r.hint, r.sf);
        check_real_int("32s", veksFFTInitAlloc_R_32s, veksFFTFree_R_32s, f32, r.order, r.flag, r.hint, r.sf - 4);
        check_real_int("16s32s", veksFFTInitAlloc_R_16s32s, veksFFTFree_R_16s32s, f1632, r.order, r.flag, r.hint, r.sf);
    }
}

TEST(IntegerFFT, RealRoundTrips) {
    vt::Rng rng(8);
    for (int order : {0, 1, 2, 3, 4, 9}) {
        const int n = 1 << order;
        for (int hint : {0, 2}) {
            VekFFTSpec_R_16s* s16 = nullptr;
            ASSERT_EQ(veksFFTInitAlloc_R_16s(&s16, order, VEK_FFT_SCALE_INV_N, hint), vekStsNoErr);
            std::vector<Vek16s> x(n), spec(n + 2), back(n);
            for (auto& v : x) v = static_cast<Vek16s>(static_cast<int>(rng.raw() % 2001) - 1000);
            for (int l = 0; l < 3; ++l) {
                const auto fwd = l == 0 ? veksFFTFwd_RToCCS_16s_Sfs : l == 1 ? veksFFTFwd_RToPack_16s_Sfs : veksFFTFwd_RToPerm_16s_Sfs;
                const auto inv = l == 0 ? veksFFTInv_CCSToR_16s_Sfs : l == 1 ? veksFFTInv_PackToR_16s_Sfs : veksFFTInv_PermToR_16s_Sfs;
                ASSERT_EQ(fwd(x.data(), spec.data(), s16, 0, nullptr), vekStsNoErr);
                ASSERT_EQ(inv(spec.data(), back.data(), s16, 0, nullptr), vekStsNoErr);
                for (int i = 0; i < n; ++i) EXPECT_NEAR(back[i], x[i], 1 + order / 2) << order << " " << hint << " " << l;
            }
            veksFFTFree_R_16s(s16);
        }
        VekFFTSpec_R_16s32s* s = nullptr;
        ASSERT_EQ(veksFFTInitAlloc_R_16s32s(&s, order, VEK_FFT_SCALE_INV_N, 0), vekStsNoErr);
        std::vector<Vek16s> x(n), back(n);
        std::vector<Vek32s> ccs(n + 2);
        for (auto& v : x) v = static_cast<Vek16s>(static_cast<int>(rng.raw() % 2001) - 1000);
        ASSERT_EQ(veksFFTFwd_RToCCS_16s32s_Sfs(x.data(), ccs.data(), s, 0, nullptr), vekStsNoErr);
        ASSERT_EQ(veksFFTInv_CCSToR_32s16s_Sfs(ccs.data(), back.data(), s, 0, nullptr), vekStsNoErr);
        for (int i = 0; i < n; ++i) EXPECT_NEAR(back[i], x[i], 1);
        veksFFTFree_R_16s32s(s);
    }
}

TEST(IntegerFFT, ReportedSizes) {
    struct Row {
        VekStatus (*q)(int, int, int, int*, int*, int*);
        int order, hint, spec, init, work;
    } rows[] = {
        {veksFFTGetSize_C_16sc, 0, 0, 104, 0, 0},   {veksFFTGetSize_C_16sc, 2, 0, 192, 64, 80},
        {veksFFTGetSize_C_16s, 2, 2, 296, 32, 64},  {veksFFTGetSize_R_16s, 3, 1, 256, 64, 72},
        {veksFFTGetSize_C_32sc, 6, 0, 1408, 0, 1056}, {veksFFTGetSize_R_32s, 7, 0, 2432, 0, 1072},
        {veksFFTGetSize_R_16s32s, 7, 0, 1408, 0, 1096},
    };
    for (const auto& r : rows) {
        int s = -1, i = -1, w = -1;
        ASSERT_EQ(r.q(r.order, 8, r.hint, &s, &i, &w), vekStsNoErr);
        EXPECT_EQ(s, r.spec) << r.order;
        EXPECT_EQ(i, r.init) << r.order;
        EXPECT_EQ(w, r.work) << r.order;
    }
    int s, i, w;
    EXPECT_EQ(veksFFTGetSize_C_16sc(28, 8, 0, &s, &i, &w), vekStsFftOrderErr);
    EXPECT_EQ(veksFFTGetSize_C_32sc(27, 8, 0, &s, &i, &w), vekStsFftOrderErr);
    EXPECT_EQ(veksFFTGetSize_R_16s32s(27, 8, 0, &s, &i, &w), vekStsNoErr);
    EXPECT_EQ(veksFFTGetSize_R_32s(5, 6, 0, &s, &i, &w), vekStsFftFlagErr);
}

TEST(IntegerFFT, ChecksAndFailuresWriteNothing) {
    VekFFTSpec_C_16sc* spec = nullptr;
    VekFFTSpec_R_32s* rspec = nullptr;
    EXPECT_EQ(veksFFTInitAlloc_C_16sc(&spec, 29, 8, 0), vekStsFftOrderErr);
    EXPECT_EQ(veksFFTInitAlloc_C_16sc(&spec, 5, 0, 0), vekStsFftFlagErr);
    std::vector<Vek8u> mem(2048);
    EXPECT_EQ(veksFFTInit_C_16sc(&spec, 2, 8, 0, mem.data(), nullptr), vekStsNullPtrErr);
    EXPECT_EQ(veksFFTInit_R_32s(&rspec, 3, 3, 0, mem.data(), nullptr), vekStsFftFlagErr);
    EXPECT_EQ(spec, nullptr);
    EXPECT_EQ(rspec, nullptr);
    const std::int64_t live = vekcoreLiveBlocks();
    for (int nth : {1, 2}) {
        vekcoreFailAllocation(nth);
        EXPECT_EQ(veksFFTInitAlloc_R_32s(&rspec, 12, 8, 0), vekStsMemAllocErr);
        vekcoreFailAllocation(0);
        EXPECT_EQ(vekcoreLiveBlocks(), live);
    }
    ASSERT_EQ(veksFFTInitAlloc_R_32s(&rspec, 6, 8, 0), vekStsNoErr);
    ASSERT_EQ(veksFFTInitAlloc_C_16sc(&spec, 6, 8, 0), vekStsNoErr);
    std::vector<Vek32s> x(64);
    vt::Guarded<Vek32s> y(66);
    EXPECT_EQ(veksFFTFwd_RToCCS_32s_Sfs(x.data(), y.data(), nullptr, 0, nullptr), vekStsNullPtrErr);
    EXPECT_EQ(veksFFTFwd_RToCCS_32s_Sfs(nullptr, y.data(), reinterpret_cast<VekFFTSpec_R_32s*>(spec), 0, nullptr),
              vekStsContextMatchErr);
    EXPECT_EQ(veksFFTInv_PermToR_32s_Sfs(x.data(), nullptr, rspec, 0, nullptr), vekStsNullPtrErr);
    vekcoreFailAllocation(1);
    EXPECT_EQ(veksFFTFwd_RToPerm_32s_Sfs(x.data(), y.data(), rspec, 0, nullptr), vekStsMemAllocErr);
    vekcoreFailAllocation(0);
    EXPECT_TRUE(y.untouched());
    vt::Guarded<Vek16s> z(128);
    Vek16s* zr = z.data();
    EXPECT_EQ(veksFFTFwd_CToC_16s_Sfs(zr, zr, zr, zr, reinterpret_cast<VekFFTSpec_C_16s*>(spec), 0, nullptr),
              vekStsContextMatchErr);
    EXPECT_EQ(veksFFTInv_CToC_16sc_Sfs(reinterpret_cast<Vek16sc*>(zr), nullptr, spec, 0, nullptr), vekStsNullPtrErr);
    EXPECT_TRUE(z.untouched());
    EXPECT_EQ(veksFFTFree_C_16sc(spec), vekStsNoErr);
    // A block without a specification in it is refused, not released.
    alignas(64) Vek8u blank[512] = {};
    EXPECT_EQ(veksFFTFree_C_16sc(reinterpret_cast<VekFFTSpec_C_16sc*>(blank)), vekStsContextMatchErr);
    veksFFTFree_R_32s(rspec);
    EXPECT_EQ(vekcoreLiveBlocks(), live);
}

TEST(IntegerFFT, ScratchFailureStillTransforms) {
    // Order 14 runs the nested transform through scratch of its own; when
    // that allocation fails the call still completes, on a slower path.
    const int order = 14, n = 1 << order;
    VekFFTSpec_C_16sc* spec = nullptr;
    ASSERT_EQ(veksFFTInitAlloc_C_16sc(&spec, order, VEK_FFT_SCALE_SQRT_N, 0), vekStsNoErr);
    int bytes = 0;
    ASSERT_EQ(veksFFTGetBufSize_C_16sc(spec, &bytes), vekStsNoErr);
    std::vector<Vek8u> buf(bytes);
    vt::Rng rng(14);
    std::vector<Vek16s> x(2 * n), y(2 * n), z(2 * n);
    for (auto& v : x) v = static_cast<Vek16s>(static_cast<int>(rng.raw() % 2001) - 1000);
    auto* xc = reinterpret_cast<const Vek16sc*>(x.data());
    const std::int64_t live = vekcoreLiveBlocks();
    for (bool inv : {false, true}) {
        auto call = inv ? veksFFTInv_CToC_16sc_Sfs : veksFFTFwd_CToC_16sc_Sfs;
        ASSERT_EQ(call(xc, reinterpret_cast<Vek16sc*>(y.data()), spec, 0, buf.data()), vekStsNoErr);
        vekcoreFailAllocation(1);
        ASSERT_EQ(call(xc, reinterpret_cast<Vek16sc*>(z.data()), spec, 0, buf.data()), vekStsNoErr);
        vekcoreFailAllocation(0);
        EXPECT_EQ(vekcoreLiveBlocks(), live);
        expect_close(z, y, 1);
        expect_close(z, expected(x, inv, VEK_FFT_SCALE_SQRT_N, 0), 1);
    }
    veksFFTFree_C_16sc(spec);
}

}  // namespace
