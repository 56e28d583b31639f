// The long complex transforms (orders 19 to 22, the four-step range on
// AVX2, the blocked bit-reversed engine elsewhere; 18 below that range) against FFTW in double
// precision, with FFTW's single-precision error as the yardstick; in place
// and not, with a caller buffer (checked for overruns) and without; and the
// real transforms whose half-length transform falls in that range.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "test_util.h"
#include "veks.h"

#if defined(VEKS_HAVE_FFTW3) && defined(VEKS_HAVE_FFTW3F)
#include <fftw3.h>
#define LARGE_FFTW 1
#endif

namespace {

// The functions of one complex type, by its suffix.
#define COMPLEX_KIND(Name, Real, S)                                \
    struct Name {                                                  \
        using T = Real;                                            \
        using Spec = VekFFTSpec_C_##S;                             \
        using C = Vek##S;                                          \
        static constexpr auto init_alloc = veksFFTInitAlloc_C_##S; \
        static constexpr auto buf_size = veksFFTGetBufSize_C_##S;  \
        static constexpr auto fwd = veksFFTFwd_CToC_##S;           \
        static constexpr auto inv = veksFFTInv_CToC_##S;           \
        static constexpr auto inv_i = veksFFTInv_CToC_##S##_I;     \
        static constexpr auto free_ = veksFFTFree_C_##S;           \
    }
COMPLEX_KIND(Complex32, float, 32fc);
COMPLEX_KIND(Complex64, double, 64fc);

// Relative RMS distance between two interleaved arrays, b scaled by s.
template <class A, class B>
double rel_rms(const A* a, const B* b, std::size_t count, double s = 1) {
    double num = 0, den = 0;
    for (std::size_t i = 0; i < count; ++i) {
        const double w = double(b[i]) * s;
        num += (double(a[i]) - w) * (double(a[i]) - w);
        den += w * w;
    }
    return std::sqrt(num / den);
}

#ifdef LARGE_FFTW
// FFTW's transform of x (interleaved) in double and, for the yardstick, in
// single precision; sign -1 forward.
std::vector<double> fftw_double(const std::vector<double>& x, int sign) {
    const int n = int(x.size() / 2);
    std::vector<double> in(x), out(x.size());
    fftw_plan p = fftw_plan_dft_1d(n, reinterpret_cast<fftw_complex*>(in.data()),
                                   reinterpret_cast<fftw_complex*>(out.data()), sign, FFTW_ESTIMATE);
    fftw_execute(p);
    fftw_destroy_plan(p);
    return out;
}
std::vector<float> fftw_single(const std::vector<float>& x, int sign) {
    const int n = int(x.size() / 2);
    std::vector<float> in(x), out(x.size());
    fftwf_plan p = fftwf_plan_dft_1d(n, reinterpret_cast<fftwf_complex*>(in.data()),
                                     reinterpret_cast<fftwf_complex*>(out.data()), sign, FFTW_ESTIMATE);
    fftwf_execute(p);
    fftwf_destroy_plan(p);
    return out;
}
#endif

// Forward out of place with a misaligned caller buffer, forward in place
// (identical bits), inverse in place without a buffer on the conjugated
// input (whose exact result is the conjugated forward one); against FFTW,
// then back to the input.
template <class K>
void check_order(int order, int flag) {
    using T = typename K::T;
    using C = typename K::C;
    SCOPED_TRACE(testing::Message() << "order " << order << " flag " << flag << " bytes " << sizeof(T));
    const std::size_t n = std::size_t(1) << order;
    std::vector<T> x(2 * n);
    vt::Rng(order).fill(x.data(), x.size(), 1.0);
    typename K::Spec* spec = nullptr;
    ASSERT_EQ(K::init_alloc(&spec, order, flag, 0), vekStsNoErr);
    int bytes = 0;
    ASSERT_EQ(K::buf_size(spec, &bytes), vekStsNoErr);
    vt::Guarded<Vek8u> buf(bytes);
    vt::Guarded<T> y(2 * n);
    ASSERT_EQ(K::fwd(reinterpret_cast<const C*>(x.data()), reinterpret_cast<C*>(y.data()), spec, buf.data() + 1),
              vekStsNoErr);
    EXPECT_TRUE(buf.guards_intact());
    EXPECT_TRUE(y.guards_intact());
    std::vector<T> z(x);
    ASSERT_EQ(K::fwd(reinterpret_cast<C*>(z.data()), reinterpret_cast<C*>(z.data()), spec, nullptr), vekStsNoErr);
    EXPECT_EQ(std::memcmp(z.data(), y.data(), z.size() * sizeof(T)), 0);
    const double root = 1 / std::sqrt(double(n));
    const double fs = flag == VEK_FFT_SCALE_SQRT_N ? root : flag == VEK_FFT_SCALE_FWD_N ? 1.0 / n : 1;
    const double is = flag == VEK_FFT_SCALE_SQRT_N ? root : flag == VEK_FFT_SCALE_INV_N ? 1.0 / n : 1;
    std::vector<T> w(x);
    for (std::size_t i = 1; i < w.size(); i += 2) w[i] = -w[i];
    ASSERT_EQ(K::inv_i(reinterpret_cast<C*>(w.data()), spec, nullptr), vekStsNoErr);
    for (std::size_t i = 1; i < w.size(); i += 2) w[i] = -w[i];
#ifdef LARGE_FFTW
    const auto want = fftw_double(std::vector<double>(x.begin(), x.end()), -1);
    // FFTW in our precision sets the bound for single precision; double
    // precision is held to a few units in the last place.
    double peer = 6.7e-16;
    if constexpr (sizeof(T) == 4) peer = rel_rms(fftw_single(x, -1).data(), want.data(), 2 * n);
    EXPECT_LE(rel_rms(y.data(), want.data(), 2 * n, fs), 1.5 * peer);
    EXPECT_LE(rel_rms(w.data(), want.data(), 2 * n, is), 1.5 * peer);
#endif
    // Back to the input, times N fs is.
    ASSERT_EQ(K::inv(reinterpret_cast<C*>(y.data()), reinterpret_cast<C*>(z.data()), spec, buf.data()), vekStsNoErr);
    EXPECT_LE(rel_rms(z.data(), x.data(), 2 * n, fs * is * double(n)), sizeof(T) == 4 ? 1e-6 : 1e-15);
    EXPECT_EQ(K::free_(spec), vekStsNoErr);
}

TEST(LargeFFT, ComplexOrders18To22) {
    const int flags[] = {VEK_FFT_NO_SCALE, VEK_FFT_SCALE_SQRT_N, VEK_FFT_SCALE_FWD_N, VEK_FFT_SCALE_INV_N};
    for (int order = 18; order <= 22; ++order) {
        // Single precision: order 22 is the one whose work buffer holds a
        // strip exactly. Double precision: strips on the stack, wider than
        // the fine twiddle table at orders 19 and 20, narrower from 21.
        check_order<Complex32>(order, flags[order % 4]);
        check_order<Complex64>(order, flags[(order + 1) % 4]);
    }
}

#define REAL_KIND(Name, Real, S)                                       \
    struct Name {                                                      \
        using T = Real;                                                \
        using Spec = VekFFTSpec_R_##S;                                 \
        static constexpr auto init_alloc = veksFFTInitAlloc_R_##S;     \
        static constexpr auto buf_size = veksFFTGetBufSize_R_##S;      \
        static constexpr auto fwd = veksFFTFwd_RToCCS_##S;             \
        static constexpr auto fwd_perm_i = veksFFTFwd_RToPerm_##S##_I; \
        static constexpr auto to_perm = veksFFTFwd_RToPerm_##S;        \
        static constexpr auto inv = veksFFTInv_CCSToR_##S;             \
        static constexpr auto inv_perm_i = veksFFTInv_PermToR_##S##_I; \
        static constexpr auto free_ = veksFFTFree_R_##S;               \
    }
REAL_KIND(Real32, float, 32f);
REAL_KIND(Real64, double, 64f);

// A real transform whose half-length transform takes the long path:
// forward against FFTW's real transform, in place without a buffer (same
// bits as out of place with one), then back out of place and in place.
template <class K>
void check_real_order(int order) {
    using T = typename K::T;
    SCOPED_TRACE(testing::Message() << "order " << order << " bytes " << sizeof(T));
    const int n = 1 << order;
    std::vector<T> x(n), y(n + 2), back(n);
    vt::Rng(order).fill(x.data(), x.size(), 1.0);
    typename K::Spec* spec = nullptr;
    ASSERT_EQ(K::init_alloc(&spec, order, VEK_FFT_SCALE_INV_N, 0), vekStsNoErr);
    int bytes = 0;
    ASSERT_EQ(K::buf_size(spec, &bytes), vekStsNoErr);
    vt::Guarded<Vek8u> buf(bytes);
    ASSERT_EQ(K::fwd(x.data(), y.data(), spec, nullptr), vekStsNoErr);
    vt::Guarded<T> perm(n);
    ASSERT_EQ(K::to_perm(x.data(), perm.data(), spec, buf.data()), vekStsNoErr);
    EXPECT_TRUE(buf.guards_intact());
    EXPECT_TRUE(perm.guards_intact());
    std::vector<T> z(x);
    ASSERT_EQ(K::fwd_perm_i(z.data(), spec, nullptr), vekStsNoErr);
    EXPECT_EQ(std::memcmp(z.data(), perm.data(), n * sizeof(T)), 0);
#ifdef LARGE_FFTW
    std::vector<double> xd(x.begin(), x.end()), want(n + 2);
    fftw_plan p = fftw_plan_dft_r2c_1d(n, xd.data(), reinterpret_cast<fftw_complex*>(want.data()), FFTW_ESTIMATE);
    fftw_execute(p);
    fftw_destroy_plan(p);
    double peer = 6.7e-16;
    if constexpr (sizeof(T) == 4) {
        std::vector<float> xs(x), ys(n + 2);
        fftwf_plan q = fftwf_plan_dft_r2c_1d(n, xs.data(), reinterpret_cast<fftwf_complex*>(ys.data()), FFTW_ESTIMATE);
        fftwf_execute(q);
        fftwf_destroy_plan(q);
        peer = rel_rms(ys.data(), want.data(), n + 2);
    }
    EXPECT_LE(rel_rms(y.data(), want.data(), n + 2), 1.5 * peer);
#endif
    ASSERT_EQ(K::inv(y.data(), back.data(), spec, nullptr), vekStsNoErr);
    EXPECT_LE(rel_rms(back.data(), x.data(), n), sizeof(T) == 4 ? 1e-6 : 1e-15);
    ASSERT_EQ(K::inv_perm_i(z.data(), spec, buf.data()), vekStsNoErr);
    EXPECT_TRUE(buf.guards_intact());
    EXPECT_EQ(std::memcmp(z.data(), back.data(), n * sizeof(T)), 0);
    EXPECT_EQ(K::free_(spec), vekStsNoErr);
}

// Half-length orders 19 to 21: both shapes of the four-step matrix, strips
// wider and narrower than the fine twiddle table.
TEST(LargeFFT, RealOnTheLongComplexPath) {
    for (int order : {20, 21, 22}) {
        check_real_order<Real32>(order);
        check_real_order<Real64>(order);
    }
}

}  // namespace

// Init in caller memory keeps every table of the long plans inside the
// reported sizes, from a misaligned start.
TEST(LargeFFT, TablesFitTheReportedSizes) {
    struct Row {
        VekStatus (*get_size)(int, int, int, int*, int*, int*);
        VekStatus (*init)(int, Vek8u*, Vek8u*, void**);
    };
    const Row kinds[] = {
        {veksFFTGetSize_C_32fc,
         [](int o, Vek8u* m, Vek8u* b, void** pp) {
             return veksFFTInit_C_32fc(reinterpret_cast<VekFFTSpec_C_32fc**>(pp), o, VEK_FFT_NO_SCALE, 0, m, b);
         }},
        {veksFFTGetSize_C_64fc,
         [](int o, Vek8u* m, Vek8u* b, void** pp) {
             return veksFFTInit_C_64fc(reinterpret_cast<VekFFTSpec_C_64fc**>(pp), o, VEK_FFT_NO_SCALE, 0, m, b);
         }},
    };
    for (const Row& k : kinds)
        for (int order : {21, 22}) {
            SCOPED_TRACE(order);
            int s = 0, i = 0, w = 0;
            ASSERT_EQ(k.get_size(order, VEK_FFT_NO_SCALE, 0, &s, &i, &w), vekStsNoErr);
            vt::Guarded<Vek8u> mem(s + 3), init(i + 3);
            void* spec = nullptr;
            ASSERT_EQ(k.init(order, mem.data() + 3, init.data() + 3, &spec), vekStsNoErr);
            EXPECT_TRUE(mem.guards_intact());
            EXPECT_TRUE(init.guards_intact());
        }
}
