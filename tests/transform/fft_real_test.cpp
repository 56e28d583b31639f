// Real FFT into and out of the CCS, Pack and Perm layouts against the long
// double reference; packed products against complex products of expanded
// spectra; conjugate expansion; argument checks.
#include <gtest/gtest.h>

#include <cstring>

#include "fft_reference.h"
#include "test_util.h"

namespace {

using ref::LC;

enum Layout { CCS, Pack, Perm };
const Layout kLayouts[] = {CCS, Pack, Perm};
const int kFlags[] = {VEK_FFT_SCALE_FWD_N, VEK_FFT_SCALE_INV_N, VEK_FFT_SCALE_SQRT_N, VEK_FFT_NO_SCALE};

// One real kind: its spec operations and the six transforms.
template <class T>
struct RealKind {
    const char* name;
    VekStatus (*init_alloc)(void**, int, int, int);
    VekStatus (*free_)(void*);
    VekStatus (*fwd[3])(const T*, T*, const void*, Vek8u*);
    VekStatus (*inv[3])(const T*, T*, const void*, Vek8u*);
    VekStatus (*fwd_i[3])(T*, const void*, Vek8u*);
    VekStatus (*inv_i[3])(T*, const void*, Vek8u*);
};

#define RK(R, T)                                                                                  \
    RealKind<T> {                                                                                 \
        #R, [](void** pp, int o, int f, int h) { return veksFFTInitAlloc_R_##R(reinterpret_cast<VekFFTSpec_R_##R**>(pp), o, f, h); }, \
            [](void* s) { return veksFFTFree_R_##R(static_cast<VekFFTSpec_R_##R*>(s)); },            \
            {LAYOUTS(FWD, R, T)}, {LAYOUTS(INV, R, T)}, {LAYOUTS(FWDI, R, T)}, { LAYOUTS(INVI, R, T) } \
    }
#define LAYOUTS(M, R, T) M(CCS, R, T), M(Pack, R, T), M(Perm, R, T)
#define FWD(L, R, T) [](const T* x, T* y, const void* s, Vek8u* b) { return veksFFTFwd_RTo##L##_##R(x, y, static_cast<const VekFFTSpec_R_##R*>(s), b); }
#define INV(L, R, T) [](const T* x, T* y, const void* s, Vek8u* b) { return veksFFTInv_##L##ToR_##R(x, y, static_cast<const VekFFTSpec_R_##R*>(s), b); }
#define FWDI(L, R, T) [](T* x, const void* s, Vek8u* b) { return veksFFTFwd_RTo##L##_##R##_I(x, static_cast<const VekFFTSpec_R_##R*>(s), b); }
#define INVI(L, R, T) [](T* x, const void* s, Vek8u* b) { return veksFFTInv_##L##ToR_##R##_I(x, static_cast<const VekFFTSpec_R_##R*>(s), b); }

const RealKind<float> k32f = RK(32f, float);
const RealKind<double> k64f = RK(64f, double);

// Packs the first N/2 + 1 values of a conjugate-symmetric spectrum.
template <class T>
std::vector<T> packed(const std::vector<LC>& X, Layout l, long double scale) {
    const int n = static_cast<int>(X.size());
    std::vector<T> p(l == CCS ? (n == 1 ? 2 : n + 2) : n);
    auto re = [&](int k) { return static_cast<T>(X[k].real() * scale); };
    auto im = [&](int k) { return static_cast<T>(X[k].imag() * scale); };
    if (l == CCS) {
        for (int k = 0; k <= n / 2; ++k) p[2 * k] = re(k), p[2 * k + 1] = k == 0 || 2 * k == n ? T(0) : im(k);
        return p;
    }
    p[0] = re(0);
    if (n == 1) return p;
    const int off = l == Pack ? -1 : 0;
    for (int k = 1; k < n / 2; ++k) p[2 * k + off] = re(k), p[2 * k + 1 + off] = im(k);
    p[l == Pack ? n - 1 : 1] = re(n / 2);
    return p;
}

long double scale_of(int flag, bool inverse, int n) {
    if (flag == VEK_FFT_SCALE_SQRT_N) return 1 / std::sqrt(static_cast<long double>(n));
    if ((flag == VEK_FFT_SCALE_FWD_N && !inverse) || (flag == VEK_FFT_SCALE_INV_N && inverse)) return 1.0L / n;
    return 1;
}

template <class T>
long double rel_err(const T* got, const std::vector<T>& want_t, const std::vector<long double>& want) {
    long double num = 0, den = 0;
    for (std::size_t i = 0; i < want.size(); ++i) {
        num += (got[i] - want[i]) * (got[i] - want[i]);
        den += want[i] * want[i];
    }
    (void)want_t;
    return den > 0 ? std::sqrt(num / den) : std::sqrt(num);
}

template <class T>
void check_real(const RealKind<T>& k, int top) {
    SCOPED_TRACE(k.name);
    vt::Rng rng(5);
    for (int order = 0; order <= top; ++order) {
        const int n = 1 << order;
        std::vector<T> x(n);
        rng.fill(x.data(), n, 1.0);
        std::vector<LC> wx(n);
        for (int i = 0; i < n; ++i) wx[i] = x[i];
        const auto X = ref::dft(wx, -1);
        // The inverse starts from the spectrum rounded to T.
        const auto Xt = packed<T>(X, CCS, 1);
        std::vector<LC> full(n);
        for (int kk = 0; kk < n; ++kk) {
            const int m = kk <= n / 2 ? kk : n - kk;
            full[kk] = LC(Xt[2 * m], kk <= n / 2 ? Xt[2 * m + 1] : -Xt[2 * m + 1]);
        }
        const auto xr = ref::dft(full, +1);
        for (int flag : kFlags) {
            void* spec = nullptr;
            ASSERT_EQ(k.init_alloc(&spec, order, flag, 0), vekStsNoErr);
            const long double peer_f = ref::peer_error<T>(wx, -1, X, scale_of(flag, false, n));
            const long double peer_i = ref::peer_error<T>(full, +1, xr, scale_of(flag, true, n));
            for (Layout l : kLayouts) {
                SCOPED_TRACE(testing::Message() << "order " << order << " flag " << flag << " layout " << l);
                const auto want = packed<T>(X, l, scale_of(flag, false, n));
                std::vector<long double> want_l(want.size());
                {  // long double copy of the expected packed spectrum
                    const auto wl = packed<long double>(X, l, scale_of(flag, false, n));
                    for (std::size_t i = 0; i < wl.size(); ++i) want_l[i] = wl[i];
                }
                vt::Guarded<T> y(want.size());
                ASSERT_EQ(k.fwd[l](x.data(), y.data(), spec, nullptr), vekStsNoErr);
                ASSERT_TRUE(y.guards_intact());
                EXPECT_LE(rel_err(y.data(), want, want_l), ref::bound<T>(peer_f));
                if (l == CCS) {  // the zero imaginary parts are exact
                    EXPECT_EQ(y[1], T(0));
                    if (l == CCS && n > 1) EXPECT_EQ(y[n + 1], T(0));
                }
                std::vector<T> z(want.size());
                std::memcpy(z.data(), x.data(), n * sizeof(T));
                ASSERT_EQ(k.fwd_i[l](z.data(), spec, nullptr), vekStsNoErr);
                EXPECT_TRUE(vt::same_bits(z.data(), y.data(), want.size()));

                // Inverse from the rounded reference spectrum.
                const auto in = packed<T>(full, l, 1);
                vt::Guarded<T> back(n);
                ASSERT_EQ(k.inv[l](in.data(), back.data(), spec, nullptr), vekStsNoErr);
                ASSERT_TRUE(back.guards_intact());
                const long double s = scale_of(flag, true, n);
                std::vector<long double> xl(n);
                for (int i = 0; i < n; ++i) xl[i] = xr[i].real() * s;
                EXPECT_LE(rel_err(back.data(), in, xl), ref::bound<T>(peer_i));
                std::vector<T> w(in);
                ASSERT_EQ(k.inv_i[l](w.data(), spec, nullptr), vekStsNoErr);
                EXPECT_TRUE(vt::same_bits(w.data(), back.data(), n));
            }
            k.free_(spec);
        }
    }
}

TEST(RealFFT, EveryLayoutOrderAndFlag) {
    check_real(k32f, 15);
    check_real(k64f, 14);
}

// One input per case lets either side be lucky at the shortest lengths;
// over many inputs the mean squared error of the straight-line kernels and
// of the first split orders stays within that of FFTW's own transform.
template <class T>
void check_mean_error(const RealKind<T>& k) {
    SCOPED_TRACE(k.name);
    vt::Rng rng(17);
    for (int order = 1; order <= 7; ++order) {
        const int n = 1 << order;
        for (int flag : kFlags) {
            void* spec = nullptr;
            ASSERT_EQ(k.init_alloc(&spec, order, flag, 0), vekStsNoErr);
            const long double sf = scale_of(flag, false, n), si = scale_of(flag, true, n);
            long double ours_f = 0, peer_f = 0, ours_i = 0, peer_i = 0;
            for (int trial = 0; trial < 24; ++trial) {
                std::vector<T> x(n), y(n + 2), back(n);
                rng.fill(x.data(), n, 1.0);
                std::vector<LC> wx(x.begin(), x.end());
                const auto X = ref::dft(wx, -1);
                ASSERT_EQ(k.fwd[CCS](x.data(), y.data(), spec, nullptr), vekStsNoErr);
                const std::vector<LC> half(X.begin(), X.begin() + n / 2 + 1);
                ours_f += std::pow(ref::rel_rms(y.data(), half, sf), 2);
                peer_f += std::pow(ref::peer_error<T>(wx, -1, X, sf), 2);
                // Inverse of the rounded spectrum, read back as complex
                // values with zero imaginary parts.
                const auto in = packed<T>(X, CCS, 1);
                std::vector<LC> full(n);
                for (int j = 0; j < n; ++j) {
                    const int m = j <= n / 2 ? j : n - j;
                    full[j] = LC(in[2 * m], j <= n / 2 ? in[2 * m + 1] : -in[2 * m + 1]);
                }
                const auto xr = ref::dft(full, +1);
                ASSERT_EQ(k.inv[CCS](in.data(), back.data(), spec, nullptr), vekStsNoErr);
                std::vector<T> as_complex(2 * n);
                for (int j = 0; j < n; ++j) as_complex[2 * j] = back[j];
                ours_i += std::pow(ref::rel_rms(as_complex.data(), xr, si), 2);
                peer_i += std::pow(ref::peer_error<T>(full, +1, xr, si), 2);
            }
            EXPECT_LE(std::sqrt(ours_f), 1.25L * std::sqrt(peer_f) + 1e-20L) << "order " << order << " flag " << flag;
            EXPECT_LE(std::sqrt(ours_i), 1.25L * std::sqrt(peer_i) + 1e-20L) << "order " << order << " flag " << flag;
            k.free_(spec);
        }
    }
}

TEST(RealFFT, MeanErrorAtShortLengths) {
    check_mean_error(k32f);
    check_mean_error(k64f);
}

TEST(RealFFT, LargeOrders) {
    vt::Rng rng(9);
    for (int order : {18, 19}) {
        const int n = 1 << order;
        std::vector<float> x(n);
        rng.fill(x.data(), n, 1.0);
        std::vector<LC> wx(x.begin(), x.end());
        const auto X = ref::dft(wx, -1);
        void* spec = nullptr;
        ASSERT_EQ(k32f.init_alloc(&spec, order, VEK_FFT_SCALE_INV_N, 0), vekStsNoErr);
        std::vector<float> y(n + 2);
        ASSERT_EQ(k32f.fwd[CCS](x.data(), y.data(), spec, nullptr), vekStsNoErr);
        EXPECT_LE(ref::rel_rms(y.data(), std::vector<LC>(X.begin(), X.begin() + n / 2 + 1)),
                  ref::bound<float>(ref::peer_error<float>(wx, -1, X)));
        std::vector<float> back(n);
        ASSERT_EQ(k32f.inv[CCS](y.data(), back.data(), spec, nullptr), vekStsNoErr);
        for (int i = 0; i < n; i += 97) EXPECT_NEAR(back[i], x[i], 1e-5);
        k32f.free_(spec);
    }
}

TEST(RealFFT, SmallLayoutsElementByElement) {
    void* spec = nullptr;
    ASSERT_EQ(k32f.init_alloc(&spec, 1, VEK_FFT_NO_SCALE, 0), vekStsNoErr);
    const float x2[2] = {3, 5};
    float y[4];
    k32f.fwd[Perm](x2, y, spec, nullptr);
    EXPECT_EQ(y[0], 8.f);
    EXPECT_EQ(y[1], -2.f);
    k32f.fwd[Pack](x2, y, spec, nullptr);
    EXPECT_EQ(y[0], 8.f);
    EXPECT_EQ(y[1], -2.f);
    k32f.fwd[CCS](x2, y, spec, nullptr);
    const float ccs[4] = {8, 0, -2, 0};
    EXPECT_EQ(std::memcmp(y, ccs, sizeof ccs), 0);
    k32f.free_(spec);
    ASSERT_EQ(k32f.init_alloc(&spec, 0, VEK_FFT_SCALE_FWD_N, 0), vekStsNoErr);
    float y1[2] = {9, 9};
    k32f.fwd[CCS](x2, y1, spec, nullptr);
    EXPECT_EQ(y1[0], 3.f);
    EXPECT_EQ(y1[1], 0.f);
    k32f.free_(spec);
    // N = 4, x = (1, 2, 3, 4): X = (10, -2+2i, -2, -2-2i).
    ASSERT_EQ(k32f.init_alloc(&spec, 2, VEK_FFT_NO_SCALE, 0), vekStsNoErr);
    const float x4[4] = {1, 2, 3, 4};
    float p[6];
    k32f.fwd[Perm](x4, p, spec, nullptr);
    EXPECT_EQ(p[0], 10.f); EXPECT_EQ(p[1], -2.f); EXPECT_EQ(p[2], -2.f); EXPECT_EQ(p[3], 2.f);
    k32f.fwd[Pack](x4, p, spec, nullptr);
    EXPECT_EQ(p[0], 10.f); EXPECT_EQ(p[1], -2.f); EXPECT_EQ(p[2], 2.f); EXPECT_EQ(p[3], -2.f);
    k32f.fwd[CCS](x4, p, spec, nullptr);
    const float c4[6] = {10, 0, -2, 2, -2, 0};
    EXPECT_EQ(std::memcmp(p, c4, sizeof c4), 0);
    k32f.free_(spec);
}

TEST(RealFFT, PackedProductIsCyclicConvolution) {
    const int order = 7, n = 1 << order;
    vt::Rng rng(11);
    std::vector<double> a(n), b(n), conv(n, 0.0);
    rng.fill(a.data(), n, 1.0);
    rng.fill(b.data(), n, 1.0);
    for (int i = 0; i < n; ++i)
        for (int j = 0; j < n; ++j) conv[(i + j) % n] += a[i] * b[j];
    void* spec = nullptr;
    ASSERT_EQ(k64f.init_alloc(&spec, order, VEK_FFT_SCALE_INV_N, 0), vekStsNoErr);
    for (Layout l : {Pack, Perm}) {
        std::vector<double> fa(n), fb(n), prod(n), out(n);
        k64f.fwd[l](a.data(), fa.data(), spec, nullptr);
        k64f.fwd[l](b.data(), fb.data(), spec, nullptr);
        ASSERT_EQ((l == Pack ? veksMulPack_64f : veksMulPerm_64f)(fa.data(), fb.data(), prod.data(), n), vekStsNoErr);
        k64f.inv[l](prod.data(), out.data(), spec, nullptr);
        for (int i = 0; i < n; ++i) EXPECT_NEAR(out[i], conv[i], 1e-12) << l << " " << i;
    }
    k64f.free_(spec);
}

// Expansion of a packed spectrum, read naively from the layout tables.
std::vector<LC> expand(const std::vector<double>& p, Layout l, int len) {
    std::vector<LC> d(len);
    auto pair = [&](int k) -> LC {
        if (l == CCS) return LC(p[2 * k], p[2 * k + 1]);
        const int at = (l == Pack || len % 2) ? 2 * k - 1 : 2 * k;
        return LC(p[at], p[at + 1]);
    };
    d[0] = l == CCS ? LC(p[0], p[1]) : LC(p[0], 0);
    for (int k = 1; 2 * k < len; ++k) d[k] = pair(k), d[len - k] = std::conj(pair(k));
    if (len % 2 == 0 && len >= 2)
        d[len / 2] = l == CCS ? LC(p[len], p[len + 1]) : LC(p[l == Pack ? len - 1 : 1], 0);
    return d;
}

TEST(PackedSpectra, ProductsAgreeWithComplexProducts) {
    vt::Rng rng(21);
    for (int len = 1; len <= 40; ++len) {
        for (Layout l : {Pack, Perm}) {
            std::vector<double> a(len), b(len), d(len), di(len);
            rng.fill(a.data(), len, 4.0);
            rng.fill(b.data(), len, 4.0);
            const auto ea = expand(a, l, len), eb = expand(b, l, len);
            ASSERT_EQ((l == Pack ? veksMulPack_64f : veksMulPerm_64f)(a.data(), b.data(), d.data(), len), vekStsNoErr);
            const auto ed = expand(d, l, len);
            for (int k = 0; k < len; ++k) EXPECT_LT(std::abs(ed[k] - ea[k] * eb[k]), 1e-12L) << len << " " << l;
            di = b;
            (l == Pack ? veksMulPack_64f_I : veksMulPerm_64f_I)(a.data(), di.data(), len);
            EXPECT_EQ(di, d);
            // The single-precision forms compute the same products.
            std::vector<float> af(a.begin(), a.end()), bf(b.begin(), b.end()), df(len);
            (l == Pack ? veksMulPack_32f : veksMulPerm_32f)(af.data(), bf.data(), df.data(), len);
            for (int i = 0; i < len; ++i) EXPECT_NEAR(df[i], d[i], 1e-4);
            // Every pair, in vector blocks or the tail, rounds as the
            // single-precision formula does.
            for (int i = (l == Perm && len % 2 == 0) ? 2 : 1; i + 1 < len; i += 2) {
                EXPECT_EQ(df[i], af[i] * bf[i] - af[i + 1] * bf[i + 1]) << len << " " << i;
                EXPECT_EQ(df[i + 1], af[i] * bf[i + 1] + af[i + 1] * bf[i]) << len << " " << i;
            }
            if (l == Pack) {
                std::vector<double> c(b);
                ASSERT_EQ(veksMulPackConj_64f_I(a.data(), c.data(), len), vekStsNoErr);
                const auto ec = expand(c, l, len);
                for (int k = 0; k < len; ++k) EXPECT_LT(std::abs(ec[k] - ea[k] * std::conj(eb[k])), 1e-12L);
                std::vector<float> cf(bf);
                veksMulPackConj_32f_I(af.data(), cf.data(), len);
                for (int i = 0; i < len; ++i) EXPECT_NEAR(cf[i], c[i], 1e-4);
            }
        }
    }
}

TEST(PackedSpectra, IntegerProductsShiftAndSaturate) {
    // Pack, len 4: reals at 0 and 3, one pair at (1, 2).
    const Vek16s a[4] = {300, -32768, -32768, 7}, b[4] = {300, -32768, 0, -5};
    Vek16s d[4];
    ASSERT_EQ(veksMulPack_16s_Sfs(a, b, d, 4, 3), vekStsNoErr);
    EXPECT_EQ(d[0], 11250);           // 90000 >> 3
    EXPECT_EQ(d[1], 32767);           // 2^30 >> 3 saturates
    EXPECT_EQ(d[2], 32767);           // (-32768 * -32768 + 0) >> 3 saturates
    EXPECT_EQ(d[3], -5);              // -35 >> 3 truncates toward minus infinity
    ASSERT_EQ(veksMulPerm_16s_Sfs(a, b, d, 3, -2), vekStsNoErr);  // odd: pair at (1, 2)
    EXPECT_EQ(d[0], 32767);
    Vek16s s[3] = {1, 2, 3}, t[3] = {1, 1, 1};
    ASSERT_EQ(veksMulPerm_16s_ISfs(s, t, 3, 0), vekStsNoErr);
    EXPECT_EQ(t[0], 1); EXPECT_EQ(t[1], -1); EXPECT_EQ(t[2], 5);
}

TEST(PackedSpectra, ConjugateExpansionOfEveryLayout) {
    for (int order = 0; order <= 6; ++order) {
        const int n = 1 << order;
        vt::Rng rng(order);
        std::vector<double> x(n);
        rng.fill(x.data(), n, 1.0);
        std::vector<LC> wx(x.begin(), x.end());
        const auto X = ref::dft(wx, -1);
        void* spec = nullptr;
        ASSERT_EQ(k64f.init_alloc(&spec, order, VEK_FFT_NO_SCALE, 0), vekStsNoErr);
        for (Layout l : kLayouts) {
            std::vector<double> p(n + 2);
            k64f.fwd[l](x.data(), p.data(), spec, nullptr);
            std::vector<Vek64fc> full(n), inplace(n + 1);
            const auto conj = l == CCS ? veksConjCcs_64fc : l == Pack ? veksConjPack_64fc : veksConjPerm_64fc;
            const auto conj_i = l == CCS ? veksConjCcs_64fc_I : l == Pack ? veksConjPack_64fc_I : veksConjPerm_64fc_I;
            ASSERT_EQ(conj(p.data(), full.data(), n), vekStsNoErr);
            for (int k = 0; k < n; ++k) EXPECT_LT(std::abs(LC(full[k].re, full[k].im) - X[k]), 1e-12L * n) << l;
            std::memcpy(inplace.data(), p.data(), (l == CCS ? n + 2 : n) * sizeof(double));
            ASSERT_EQ(conj_i(inplace.data(), n), vekStsNoErr);
            EXPECT_EQ(std::memcmp(inplace.data(), full.data(), n * sizeof(Vek64fc)), 0) << l;
        }
        k64f.free_(spec);
    }
    // Odd lengths: Pack and Perm agree, and the 16-bit mirror saturates.
    const Vek16s p[5] = {1, 2, -32768, 4, 5};
    Vek16sc a[5], b[5];
    ASSERT_EQ(veksConjPack_16sc(p, a, 5), vekStsNoErr);
    ASSERT_EQ(veksConjPerm_16sc(p, b, 5), vekStsNoErr);
    EXPECT_EQ(std::memcmp(a, b, sizeof a), 0);
    EXPECT_EQ(a[1].im, -32768);
    EXPECT_EQ(a[4].im, 32767);
    EXPECT_EQ(a[3].re, 4); EXPECT_EQ(a[3].im, -5);
}

TEST(RealFFT, BadArgumentsWriteNothing) {
    VekFFTSpec_R_32f* spec = nullptr;
    VekFFTSpec_C_32fc* cspec = nullptr;
    ASSERT_EQ(veksFFTInitAlloc_R_32f(&spec, 8, 8, 0), vekStsNoErr);
    ASSERT_EQ(veksFFTInitAlloc_C_32fc(&cspec, 7, 8, 0), vekStsNoErr);
    std::vector<float> x(256);
    vt::Guarded<float> y(258);
    EXPECT_EQ(veksFFTFwd_RToPerm_32f(x.data(), y.data(), nullptr, nullptr), vekStsNullPtrErr);
    EXPECT_EQ(veksFFTFwd_RToPerm_32f(nullptr, y.data(), reinterpret_cast<VekFFTSpec_R_32f*>(cspec), nullptr),
              vekStsContextMatchErr);
    EXPECT_EQ(veksFFTInv_CCSToR_32f(x.data(), nullptr, spec, nullptr), vekStsNullPtrErr);
    EXPECT_EQ(veksFFTFwd_RToCCS_32f_I(nullptr, spec, nullptr), vekStsNullPtrErr);
    vekcoreFailAllocation(1);
    EXPECT_EQ(veksFFTFwd_RToPack_32f(x.data(), y.data(), spec, nullptr), vekStsMemAllocErr);
    vekcoreFailAllocation(0);
    EXPECT_TRUE(y.untouched());
    EXPECT_EQ(veksMulPack_32f(x.data(), x.data(), nullptr, 4), vekStsNullPtrErr);
    EXPECT_EQ(veksMulPerm_32f(x.data(), x.data(), y.data(), 0), vekStsSizeErr);
    EXPECT_EQ(veksMulPackConj_32f_I(x.data(), y.data(), -3), vekStsSizeErr);
    EXPECT_EQ(veksConjCcs_32fc(x.data(), nullptr, 4), vekStsNullPtrErr);
    EXPECT_EQ(veksConjPerm_32fc_I(reinterpret_cast<Vek32fc*>(y.data()), 0), vekStsSizeErr);
    EXPECT_TRUE(y.untouched());
    veksFFTFree_R_32f(spec);
    veksFFTFree_C_32fc(cspec);
}

}  // namespace
