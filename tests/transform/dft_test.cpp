// DFT of any length against a long-double evaluation of the definition,
// over lengths that select every method (short kernels, powers of two,
// factors, direct sums, chirp convolution) in both precisions.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <vector>

#include "test_util.h"
#include "veks.h"

namespace {

using LD = long double;
using CL = std::complex<LD>;

std::vector<CL> reference(const std::vector<CL>& x, bool inverse) {
    const std::size_t n = x.size();
    std::vector<CL> y(n), w(n);
    const LD pi = 3.141592653589793238462643383279502884L;
    for (std::size_t m = 0; m < n; ++m) {
        const LD a = (inverse ? 2 : -2) * pi * LD(m) / LD(n);
        w[m] = CL(std::cos(a), std::sin(a));
    }
    for (std::size_t k = 0; k < n; ++k) {
        CL acc = 0;
        for (std::size_t j = 0, m = 0; j < n; ++j, m = (m + k) % n) acc += x[j] * w[m];
        y[k] = acc;
    }
    return y;
}

LD flag_scale(int flag, int n, bool inverse) {
    if (flag == VEK_FFT_SCALE_SQRT_N) return 1 / std::sqrt(LD(n));
    if ((flag == VEK_FFT_SCALE_FWD_N && !inverse) || (flag == VEK_FFT_SCALE_INV_N && inverse)) return 1 / LD(n);
    return 1;
}

// Largest error relative to the largest reference magnitude.
template <class C>
double rel_error(const C* got, const std::vector<CL>& want) {
    LD err = 0, mag = 1e-30L;
    for (std::size_t i = 0; i < want.size(); ++i) {
        err = std::max(err, std::abs(CL(got[i].re, got[i].im) - want[i]));
        mag = std::max(mag, std::abs(want[i]));
    }
    return double(err / mag);
}

const std::vector<int> kLengths = {1,  2,  3,  4,  5,  6,  7,   8,   9,   10,  11,  12,   13,   14,  15, 16,
                                   17, 18, 30, 49, 53, 64, 79,  100, 101, 127, 360, 404,  1000, 1009, 2048};
const int kFlags[] = {VEK_FFT_SCALE_FWD_N, VEK_FFT_SCALE_INV_N, VEK_FFT_SCALE_SQRT_N, VEK_FFT_NO_SCALE};

template <class T, class C, class Spec>
struct ComplexKind {
    VekStatus (*init)(Spec**, int, int, int);
    VekStatus (*fwd)(const C*, C*, const Spec*, Vek8u*);
    VekStatus (*inv)(const C*, C*, const Spec*, Vek8u*);
    VekStatus (*free)(Spec*);
    VekStatus (*bufsize)(const Spec*, int*);
    double tol;
};

template <class T, class C, class Spec>
void check_complex(const ComplexKind<T, C, Spec>& k) {
    vt::Rng rng(7);
    for (int n : kLengths) {
        for (int flag : kFlags) {
            SCOPED_TRACE(testing::Message() << "n=" << n << " flag=" << flag);
            Spec* spec = nullptr;
            ASSERT_EQ(k.init(&spec, n, flag, vekAlgHintNone), vekStsNoErr);
            int bytes = -1;
            ASSERT_EQ(k.bufsize(spec, &bytes), vekStsNoErr);
            if (n <= 16) EXPECT_EQ(bytes, 0);
            std::vector<C> x(n), y(n), z(n);
            std::vector<CL> xl(n);
            for (int i = 0; i < n; ++i) {
                x[i] = {rng.next<T>(1), rng.next<T>(1)};
                xl[i] = CL(x[i].re, x[i].im);
            }
            std::vector<CL> want = reference(xl, false);
            for (auto& w : want) w *= flag_scale(flag, n, false);
            std::vector<Vek8u> buf(bytes + 64);
            ASSERT_EQ(k.fwd(x.data(), y.data(), spec, bytes ? buf.data() + 3 : nullptr), vekStsNoErr);
            EXPECT_LT(rel_error(y.data(), want), k.tol);
            // Inverse in place, with a buffer obtained by the call itself.
            z = y;
            ASSERT_EQ(k.inv(z.data(), z.data(), spec, nullptr), vekStsNoErr);
            const LD back = flag_scale(flag, n, false) * flag_scale(flag, n, true) * n;
            for (auto& w : xl) w *= back;
            EXPECT_LT(rel_error(z.data(), xl), k.tol);
            ASSERT_EQ(k.free(spec), vekStsNoErr);
        }
    }
}

TEST(Dft, ComplexEveryMethodAndFlag) {
    check_complex(ComplexKind<float, Vek32fc, VekDFTSpec_C_32fc>{veksDFTInitAlloc_C_32fc, veksDFTFwd_CToC_32fc,
                                                                 veksDFTInv_CToC_32fc, veksDFTFree_C_32fc,
                                                                 veksDFTGetBufSize_C_32fc, 2e-5});
    check_complex(ComplexKind<double, Vek64fc, VekDFTSpec_C_64fc>{veksDFTInitAlloc_C_64fc, veksDFTFwd_CToC_64fc,
                                                                  veksDFTInv_CToC_64fc, veksDFTFree_C_64fc,
                                                                  veksDFTGetBufSize_C_64fc, 1e-12});
    check_complex(ComplexKind<double, Vek64fc, VekDFTOutOrdSpec_C_64fc>{
        veksDFTOutOrdInitAlloc_C_64fc, veksDFTOutOrdFwd_CToC_64fc, veksDFTOutOrdInv_CToC_64fc,
        veksDFTOutOrdFree_C_64fc, veksDFTOutOrdGetBufSize_C_64fc, 1e-12});
}

// Real transforms in each layout, checked element by element against the
// reference spectrum, and split-complex against the interleaved result.
TEST(Dft, RealLayoutsAndSplit) {
    vt::Rng rng(8);
    for (int n : kLengths) {
        SCOPED_TRACE(n);
        VekDFTSpec_R_64f* rs = nullptr;
        ASSERT_EQ(veksDFTInitAlloc_R_64f(&rs, n, VEK_FFT_SCALE_INV_N, vekAlgHintNone), vekStsNoErr);
        std::vector<double> x(n);
        std::vector<CL> xl(n);
        for (int i = 0; i < n; ++i) x[i] = rng.next<double>(1), xl[i] = x[i];
        const std::vector<CL> X = reference(xl, false);
        std::vector<double> ccs(n + 2), pack(n), perm(n), back(n);
        ASSERT_EQ(veksDFTFwd_RToCCS_64f(x.data(), ccs.data(), rs, nullptr), vekStsNoErr);
        ASSERT_EQ(veksDFTFwd_RToPack_64f(x.data(), pack.data(), rs, nullptr), vekStsNoErr);
        ASSERT_EQ(veksDFTFwd_RToPerm_64f(x.data(), perm.data(), rs, nullptr), vekStsNoErr);
        const double tol = 1e-11 * std::max(1, n);
        for (int k = 0; k <= n / 2; ++k) {
            EXPECT_NEAR(ccs[2 * k], double(X[k].real()), tol);
            EXPECT_NEAR(ccs[2 * k + 1], double(X[k].imag()), tol);
        }
        EXPECT_EQ(ccs[1], 0.0);
        EXPECT_EQ(pack[0], ccs[0]);
        for (int k = 1; k < (n + 1) / 2; ++k) {
            EXPECT_EQ(pack[2 * k - 1], ccs[2 * k]);
            EXPECT_EQ(pack[2 * k], ccs[2 * k + 1]);
            EXPECT_EQ(perm[n % 2 ? 2 * k - 1 : 2 * k], ccs[2 * k]);
        }
        if (n % 2 == 0 && n > 1) {
            EXPECT_EQ(perm[1], ccs[n]);
            EXPECT_EQ(pack[n - 1], ccs[n]);
        }
        ASSERT_EQ(veksDFTInv_PermToR_64f(perm.data(), back.data(), rs, nullptr), vekStsNoErr);
        for (int i = 0; i < n; ++i) EXPECT_NEAR(back[i], x[i], 1e-12);
        ASSERT_EQ(veksDFTInv_CCSToR_64f(ccs.data(), back.data(), rs, nullptr), vekStsNoErr);
        for (int i = 0; i < n; ++i) EXPECT_NEAR(back[i], x[i], 1e-12);
        ASSERT_EQ(veksDFTFree_R_64f(rs), vekStsNoErr);

        VekDFTSpec_C_32f* ss = nullptr;
        ASSERT_EQ(veksDFTInitAlloc_C_32f(&ss, n, VEK_FFT_NO_SCALE, vekAlgHintNone), vekStsNoErr);
        std::vector<float> re(n), im(n, 0.0f), ore(n), oim(n);
        for (int i = 0; i < n; ++i) re[i] = float(x[i]);
        ASSERT_EQ(veksDFTFwd_CToC_32f(re.data(), im.data(), ore.data(), oim.data(), ss, nullptr), vekStsNoErr);
        for (int k = 0; k < n; ++k) {
            EXPECT_NEAR(ore[k], double(X[k].real()), 1e-5 * n);
            EXPECT_NEAR(oim[k], double(X[k].imag()), 1e-5 * n);
        }
        ASSERT_EQ(veksDFTFree_C_32f(ss), vekStsNoErr);
    }
}

// The 16-bit kinds: forward with a scale factor equals the float result
// scaled and rounded, within one unit.
TEST(Dft, IntegerFormsFollowTheFloatTransform) {
    for (int n : {1, 5, 8, 12, 17}) {
        SCOPED_TRACE(n);
        VekDFTSpec_C_16sc* is = nullptr;
        VekDFTSpec_C_64fc* fs = nullptr;
        ASSERT_EQ(veksDFTInitAlloc_C_16sc(&is, n, VEK_FFT_NO_SCALE, vekAlgHintNone), vekStsNoErr);
        ASSERT_EQ(veksDFTInitAlloc_C_64fc(&fs, n, VEK_FFT_NO_SCALE, vekAlgHintNone), vekStsNoErr);
        std::vector<Vek16sc> x(n), y(n);
        std::vector<Vek64fc> xf(n), yf(n);
        for (int i = 0; i < n; ++i) x[i] = {Vek16s(i * 300 - 1000), Vek16s(700 - i * 90)}, xf[i] = {double(x[i].re), double(x[i].im)};
        ASSERT_EQ(veksDFTFwd_CToC_16sc_Sfs(x.data(), y.data(), is, 3, nullptr), vekStsNoErr);
        ASSERT_EQ(veksDFTFwd_CToC_64fc(xf.data(), yf.data(), fs, nullptr), vekStsNoErr);
        for (int i = 0; i < n; ++i) {
            EXPECT_NEAR(y[i].re, yf[i].re / 8, 1.0);
            EXPECT_NEAR(y[i].im, yf[i].im / 8, 1.0);
        }
        veksDFTFree_C_16sc(is), veksDFTFree_C_64fc(fs);

        VekDFTSpec_R_16s* rs = nullptr;
        ASSERT_EQ(veksDFTInitAlloc_R_16s(&rs, n, VEK_FFT_NO_SCALE, vekAlgHintNone), vekStsNoErr);
        std::vector<Vek16s> r(n), ccs(n + 2), back(n);
        for (int i = 0; i < n; ++i) r[i] = Vek16s(100 * i - 250);
        ASSERT_EQ(veksDFTFwd_RToCCS_16s_Sfs(r.data(), ccs.data(), rs, 0, nullptr), vekStsNoErr);
        long sum = 0;
        for (Vek16s v : r) sum += v;
        EXPECT_EQ(ccs[0], sum);
        ASSERT_EQ(veksDFTInv_CCSToR_16s_Sfs(ccs.data(), back.data(), rs, 0, nullptr), vekStsNoErr);
        for (int i = 0; i < n; ++i) EXPECT_NEAR(back[i], r[i] * n, n);
        veksDFTFree_R_16s(rs);
    }
}

TEST(Dft, StatusPathsWriteNothingAndReleaseEverything) {
    VekDFTSpec_C_32fc* spec = nullptr;
    EXPECT_EQ(veksDFTInitAlloc_C_32fc(nullptr, 8, 8, 0), vekStsNullPtrErr);
    EXPECT_EQ(veksDFTInitAlloc_C_32fc(&spec, 0, 8, 0), vekStsSizeErr);
    EXPECT_EQ(veksDFTInitAlloc_C_32fc(&spec, 12, 3, 0), vekStsFftFlagErr);
    EXPECT_EQ(spec, nullptr);
    ASSERT_EQ(veksDFTInitAlloc_C_32fc(&spec, 101, 8, 0), vekStsNoErr);
    vt::Guarded<Vek32fc> dst(101);
    Vek32fc src[101] = {};
    EXPECT_EQ(veksDFTFwd_CToC_32fc(src, dst.data(), nullptr, nullptr), vekStsNullPtrErr);
    EXPECT_EQ(veksDFTFwd_CToC_32fc(nullptr, dst.data(), spec, nullptr), vekStsNullPtrErr);
    EXPECT_EQ(veksDFTFwd_CToC_64fc(reinterpret_cast<Vek64fc*>(src), reinterpret_cast<Vek64fc*>(dst.data()),
                                   reinterpret_cast<VekDFTSpec_C_64fc*>(spec), nullptr),
              vekStsContextMatchErr);
    EXPECT_TRUE(dst.untouched());
    // A transform that must obtain its own buffer and cannot: -9, no output.
    vekcoreFailAllocation(1);
    EXPECT_EQ(veksDFTFwd_CToC_32fc(src, dst.data(), spec, nullptr), vekStsMemAllocErr);
    vekcoreFailAllocation(0);
    EXPECT_TRUE(dst.untouched());
    ASSERT_EQ(veksDFTFree_C_32fc(spec), vekStsNoErr);

    // Every allocation of planning failing in turn: -9 and nothing held.
    for (int len : {12, 64, 79, 1009}) {
        const std::int64_t live = vekcoreLiveBlocks();
        for (int nth = 1; nth < 40; ++nth) {
            VekDFTSpec_R_64f* rs = nullptr;
            vekcoreFailAllocation(nth);
            const VekStatus s = veksDFTInitAlloc_R_64f(&rs, len, 8, 0);
            vekcoreFailAllocation(0);
            if (s == vekStsNoErr) {
                veksDFTFree_R_64f(rs);
                break;
            }
            EXPECT_EQ(s, vekStsMemAllocErr);
            EXPECT_EQ(rs, nullptr);
            EXPECT_EQ(vekcoreLiveBlocks(), live) << len << " " << nth;
        }
    }
}

}  // namespace
