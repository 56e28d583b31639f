// Complex FFT of the floating kinds against a long double reference, with
// FFTW's own error in the same precision as the yardstick; every order,
// flag, direction, layout and in-place form; sizes, checks and allocation
// failures of the specification operations.
#include <gtest/gtest.h>

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string>
#include <thread>

#include <unistd.h>

#include "fft_reference.h"
#include "test_util.h"
#include "transform/fft_wide.h"

namespace {

using ref::LC;

// One floating complex kind, with its split and interleaved calls folded
// into "transform interleaved data x into y".
template <class T>
struct Kind {
    const char* name;
    bool split;
    int max_order;
    VekStatus (*get_size)(int, int, int, int*, int*, int*);
    VekStatus (*init)(void**, int, int, int, Vek8u*, Vek8u*);
    VekStatus (*init_alloc)(void**, int, int, int);
    VekStatus (*free_)(void*);
    VekStatus (*buf_size)(const void*, int*);
    // (src, dst) interleaved; split kinds copy through separate arrays.
    VekStatus (*fwd)(const void*, const void*, void*, Vek8u*);
    VekStatus (*inv)(const void*, const void*, void*, Vek8u*);
};

#define SPEC_OPS(K)                                                                               \
    veksFFTGetSize_##K,                                                                           \
        [](void** pp, int o, int f, int h, Vek8u* m, Vek8u* b) {                                  \
            return veksFFTInit_##K(reinterpret_cast<VekFFTSpec_##K**>(pp), o, f, h, m, b);        \
        },                                                                                        \
        [](void** pp, int o, int f, int h) {                                                      \
            return veksFFTInitAlloc_##K(reinterpret_cast<VekFFTSpec_##K**>(pp), o, f, h);         \
        },                                                                                        \
        [](void* s) { return veksFFTFree_##K(static_cast<VekFFTSpec_##K*>(s)); },                  \
        [](const void* s, int* n) { return veksFFTGetBufSize_##K(static_cast<const VekFFTSpec_##K*>(s), n); }

#define INTERLEAVED_CALL(DIR, C, T)                                                               \
    [](const void* s, const void* x, void* y, Vek8u* b) {                                         \
        return veksFFT##DIR##_CToC_##C(static_cast<const Vek##C*>(x), static_cast<Vek##C*>(y),     \
                                       static_cast<const VekFFTSpec_C_##C*>(s), b);                \
    }

// Split calls: de-interleave, transform (in place when x == y), re-interleave.
template <class T, class F>
VekStatus via_split(const void* x, void* y, int n, F call) {
    std::vector<T> xr(n), xi(n), yr(n), yi(n);
    for (int i = 0; i < n; ++i) xr[i] = static_cast<const T*>(x)[2 * i], xi[i] = static_cast<const T*>(x)[2 * i + 1];
    const bool inplace = x == y;
    const VekStatus st = inplace ? call(xr.data(), xi.data(), xr.data(), xi.data()) : call(xr.data(), xi.data(), yr.data(), yi.data());
    if (st == vekStsNoErr)
        for (int i = 0; i < n; ++i) {
            static_cast<T*>(y)[2 * i] = inplace ? xr[i] : yr[i];
            static_cast<T*>(y)[2 * i + 1] = inplace ? xi[i] : yi[i];
        }
    return st;
}

int order_of(const void* spec) { return reinterpret_cast<const int*>(spec)[1]; }

#define SPLIT_CALL(DIR, R, T)                                                                     \
    [](const void* s, const void* x, void* y, Vek8u* b) {                                         \
        return via_split<T>(x, y, 1 << order_of(s), [&](T* sr, T* si, T* dr, T* di) {             \
            return veksFFT##DIR##_CToC_##R(sr, si, dr, di, static_cast<const VekFFTSpec_C_##R*>(s), b); \
        });                                                                                       \
    }

const Kind<float> k32fc{"32fc", false, 27, SPEC_OPS(C_32fc), INTERLEAVED_CALL(Fwd, 32fc, float), INTERLEAVED_CALL(Inv, 32fc, float)};
const Kind<float> k32f{"32f", true, 27, SPEC_OPS(C_32f), SPLIT_CALL(Fwd, 32f, float), SPLIT_CALL(Inv, 32f, float)};
const Kind<double> k64fc{"64fc", false, 26, SPEC_OPS(C_64fc), INTERLEAVED_CALL(Fwd, 64fc, double), INTERLEAVED_CALL(Inv, 64fc, double)};
const Kind<double> k64f{"64f", true, 26, SPEC_OPS(C_64f), SPLIT_CALL(Fwd, 64f, double), SPLIT_CALL(Inv, 64f, double)};

const int kFlags[] = {VEK_FFT_SCALE_FWD_N, VEK_FFT_SCALE_INV_N, VEK_FFT_SCALE_SQRT_N, VEK_FFT_NO_SCALE};

long double direction_scale(int flag, bool inverse, int n) {
    if (flag == VEK_FFT_SCALE_SQRT_N) return 1 / std::sqrt(static_cast<long double>(n));
    if ((flag == VEK_FFT_SCALE_FWD_N && !inverse) || (flag == VEK_FFT_SCALE_INV_N && inverse)) return 1.0L / n;
    return 1;
}

template <class T>
std::vector<T> random_signal(int n, std::uint64_t seed) {
    vt::Rng rng(seed);
    std::vector<T> x(2 * n);
    rng.fill(x.data(), x.size(), 1.0);
    return x;
}

template <class T>
std::vector<LC> widen(const std::vector<T>& x) {
    std::vector<LC> w(x.size() / 2);
    for (std::size_t i = 0; i < w.size(); ++i) w[i] = LC(x[2 * i], x[2 * i + 1]);
    return w;
}

// Every order up to `top`, every flag, both directions, in place and not,
// with and without a caller buffer.
template <class T>
void check_accuracy(const Kind<T>& k, int top) {
    SCOPED_TRACE(k.name);
    for (int order = 0; order <= top; ++order) {
        const int n = 1 << order;
        const auto x = random_signal<T>(n, 100 + order);
        const auto wx = widen(x);
        const auto want_f = ref::dft(wx, -1), want_i = ref::dft(wx, +1);
        for (int flag : kFlags) {
            void* spec = nullptr;
            ASSERT_EQ(k.init_alloc(&spec, order, flag, 0), vekStsNoErr) << order;
            int bytes = -1;
            ASSERT_EQ(k.buf_size(spec, &bytes), vekStsNoErr);
            std::vector<Vek8u> buf(bytes + 1);
            const long double peer_f = ref::peer_error<T>(wx, -1, want_f, direction_scale(flag, false, n));
            const long double peer_i = ref::peer_error<T>(wx, +1, want_i, direction_scale(flag, true, n));
            for (int variant = 0; variant < 4; ++variant) {
                const bool inverse = variant & 1, inplace = variant & 2;
                SCOPED_TRACE(testing::Message() << "order " << order << " flag " << flag << " inverse " << inverse
                                                << " inplace " << inplace);
                vt::Guarded<T> y(2 * n);
                std::memcpy(y.data(), x.data(), x.size() * sizeof(T));
                std::vector<T> out(2 * n);
                Vek8u* b = (order % 2) ? buf.data() + 1 : nullptr;  // odd orders: a misaligned caller buffer
                const auto call = inverse ? k.inv : k.fwd;
                ASSERT_EQ(call(spec, inplace ? y.data() : x.data(), inplace ? y.data() : out.data(), b), vekStsNoErr);
                const T* got = inplace ? y.data() : out.data();
                ASSERT_TRUE(y.guards_intact());
                const long double err = ref::rel_rms(got, inverse ? want_i : want_f, direction_scale(flag, inverse, n));
                EXPECT_LE(err, ref::bound<T>(inverse ? peer_i : peer_f));
            }
            ASSERT_EQ(k.free_(spec), vekStsNoErr);
        }
    }
}

TEST(ComplexFFT, MatchesReferenceAtEveryOrder) {
    check_accuracy(k32fc, 16);
    check_accuracy(k32f, 16);
    check_accuracy(k64fc, 14);
    check_accuracy(k64f, 14);
}

TEST(ComplexFFT, LargeOrders) {
    // The long-transform range: float from 18, double from 13.
    for (int order : {17, 18, 19}) {
        SCOPED_TRACE(order);
        const int n = 1 << order;
        const auto x = random_signal<float>(n, order);
        const auto wx = widen(x);
        const auto want = ref::dft(wx, -1);
        void* spec = nullptr;
        ASSERT_EQ(k32fc.init_alloc(&spec, order, VEK_FFT_NO_SCALE, 0), vekStsNoErr);
        std::vector<float> y(x);
        ASSERT_EQ(k32fc.fwd(spec, y.data(), y.data(), nullptr), vekStsNoErr);
        EXPECT_LE(ref::rel_rms(y.data(), want), ref::bound<float>(ref::peer_error<float>(wx, -1, want)));
        k32fc.free_(spec);
    }
    for (int order : {15, 17}) {
        SCOPED_TRACE(order);
        const int n = 1 << order;
        const auto x = random_signal<double>(n, order);
        const auto wx = widen(x);
        const auto want = ref::dft(wx, +1);
        void* spec = nullptr;
        ASSERT_EQ(k64fc.init_alloc(&spec, order, VEK_FFT_NO_SCALE, 0), vekStsNoErr);
        std::vector<double> y(2 * n);
        ASSERT_EQ(k64fc.inv(spec, x.data(), y.data(), nullptr), vekStsNoErr);
        EXPECT_LE(ref::rel_rms(y.data(), want), ref::bound<double>(ref::peer_error<double>(wx, +1, want)));
        k64fc.free_(spec);
    }
}

// With a caller buffer too short for the self-sorting path's scratch and
// no memory for one of its own, the transform runs in place on the
// specification's table (float from 2^18, double from 2^13 points).
template <class T>
void check_without_scratch(const Kind<T>& k, int order, bool inverse) {
    SCOPED_TRACE(testing::Message() << k.name << " order " << order << " inverse " << inverse);
    const int n = 1 << order;
    const auto x = random_signal<T>(n, order);
    const auto wx = widen(x);
    const auto want = ref::dft(wx, inverse ? +1 : -1);
    void* spec = nullptr;
    ASSERT_EQ(k.init_alloc(&spec, order, VEK_FFT_NO_SCALE, 0), vekStsNoErr);
    int bytes = -1;
    ASSERT_EQ(k.buf_size(spec, &bytes), vekStsNoErr);
    std::vector<Vek8u> buf(bytes);
    std::vector<T> y(2 * n);
    vekcoreFailAllocation(1);
    const VekStatus st = (inverse ? k.inv : k.fwd)(spec, x.data(), y.data(), buf.data());
    vekcoreFailAllocation(0);
    ASSERT_EQ(st, vekStsNoErr);
    EXPECT_LE(ref::rel_rms(y.data(), want), ref::bound<T>(ref::peer_error<T>(wx, inverse ? +1 : -1, want)));
    k.free_(spec);
}

TEST(ComplexFFT, WithoutScratchMemory) {
    check_without_scratch(k32fc, 18, false);
    check_without_scratch(k32fc, 18, true);
    check_without_scratch(k64fc, 13, false);
    check_without_scratch(k64fc, 14, true);
}

// Data off a 32-byte boundary (one or two complex values of float, one of
// double) takes other buffer routes through the passes; the values must
// not change by a bit, in place or not, with or without a caller buffer.
template <class T>
void check_offsets(const Kind<T>& k, int top) {
    SCOPED_TRACE(k.name);
    for (int order = 4; order <= top; ++order) {
        const int n = 1 << order;
        const auto x = random_signal<T>(n, 300 + order);
        void* spec = nullptr;
        ASSERT_EQ(k.init_alloc(&spec, order, VEK_FFT_SCALE_SQRT_N, 0), vekStsNoErr);
        int bytes = -1;
        ASSERT_EQ(k.buf_size(spec, &bytes), vekStsNoErr);
        std::vector<Vek8u> buf(bytes + 32);
        for (int inverse = 0; inverse < 2; ++inverse) {
            const auto call = inverse ? k.inv : k.fwd;
            vt::Guarded<T> want(2 * n);
            ASSERT_EQ(call(spec, x.data(), want.data(), buf.data()), vekStsNoErr);
            for (int off : {2, 4}) {
                if (off * sizeof(T) % 32 == 0) continue;
                for (int variant = 0; variant < 4; ++variant) {
                    const bool inplace = variant & 1, own_buffer = variant & 2;
                    SCOPED_TRACE(testing::Message() << "order " << order << " inverse " << inverse << " offset "
                                                    << off << " inplace " << inplace);
                    vt::Guarded<T> src(2 * n + off), dst(2 * n + off);
                    std::memcpy(src.data() + off, x.data(), x.size() * sizeof(T));
                    T* out = (inplace ? src.data() : dst.data()) + off;
                    ASSERT_EQ(call(spec, src.data() + off, out, own_buffer ? nullptr : buf.data()), vekStsNoErr);
                    ASSERT_TRUE(src.guards_intact() && dst.guards_intact());
                    EXPECT_EQ(std::memcmp(out, want.data(), 2 * n * sizeof(T)), 0);
                }
            }
        }
        ASSERT_EQ(k.free_(spec), vekStsNoErr);
    }
}

TEST(ComplexFFT, OffBoundaryDataGivesTheSameBits) {
    check_offsets(k32fc, 15);
    check_offsets(k64fc, 14);
}

// One line "digest <kind> <order> <inverse> <hash>" for each direction of
// the transform of a fixed signal, at the orders from 128 to 2^18 points
// where both builds of the 256-bit kernels run the same passes.
template <class T>
std::string digests(const Kind<T>& k) {
    std::string out;
    for (int order = 7; order <= 18; ++order) {
        if (veks::fft::has_long_plan<T>(order)) continue;
        const auto x = random_signal<T>(1 << order, 500 + order);
        std::vector<T> y(x.size());
        void* spec = nullptr;
        if (k.init_alloc(&spec, order, VEK_FFT_SCALE_INV_N, 0) != vekStsNoErr) return "init failed";
        for (int inverse = 0; inverse < 2; ++inverse) {
            (inverse ? k.inv : k.fwd)(spec, x.data(), y.data(), nullptr);
            std::uint64_t h = 1469598103934665603u;
            const auto* bytes = reinterpret_cast<const unsigned char*>(y.data());
            for (std::size_t i = 0; i < y.size() * sizeof(T); ++i) h = (h ^ bytes[i]) * 1099511628211u;
            out += "digest " + std::string(k.name) + " " + std::to_string(order) + " " + std::to_string(inverse) + " " +
                   std::to_string(h) + "\n";
        }
        k.free_(spec);
    }
    return out;
}

// On a processor with AVX-512 the 256-bit kernels run as compiled for
// AVX-512 VL; capped at AVX2 they run as compiled for AVX2. Where both take
// the same passes they must give the same bits: the test runs this binary
// again, capped, and compares.
TEST(ComplexFFT, SameBitsWithAndWithoutAvx512) {
    const std::string mine = digests(k32fc) + digests(k64fc);
    if (std::getenv("VEKS_FFT_DIGESTS")) {
        std::fputs(mine.c_str(), stdout);
        return;
    }
    if (!__builtin_cpu_supports("avx512f") || std::getenv("VEKS_CPU_CAP")) GTEST_SKIP() << "no AVX-512 path here";
    char self[4096] = {};
    ASSERT_GT(readlink("/proc/self/exe", self, sizeof self - 1), 0);
    const std::string cmd = std::string("VEKS_CPU_CAP=avx2 VEKS_FFT_DIGESTS=1 '") + self +
                            "' --gtest_filter=ComplexFFT.SameBitsWithAndWithoutAvx512";
    FILE* child = popen(cmd.c_str(), "r");
    ASSERT_NE(child, nullptr);
    std::string capped;
    char line[256];
    while (std::fgets(line, sizeof line, child))
        if (std::strncmp(line, "digest ", 7) == 0) capped += line;
    EXPECT_EQ(pclose(child), 0);
    EXPECT_EQ(capped, mine);
}

TEST(ComplexFFT, ReferenceAgreesWithDirectDft) {
    // Keeps the FFTW-based reference honest at small orders.
    for (int order = 0; order <= 7; ++order) {
        const auto wx = widen(random_signal<double>(1 << order, order));
        const auto a = ref::dft(wx, -1), b = ref::direct_dft(wx, -1);
        for (std::size_t i = 0; i < a.size(); ++i) EXPECT_LT(std::abs(a[i] - b[i]), 1e-12L);
    }
}

template <class T>
void check_round_trip(const Kind<T>& k) {
    SCOPED_TRACE(k.name);
    for (int order : {0, 1, 2, 3, 5, 6, 9, 12}) {
        const int n = 1 << order;
        for (int flag : kFlags) {
            void* spec = nullptr;
            ASSERT_EQ(k.init_alloc(&spec, order, flag, 0), vekStsNoErr);
            const auto x = random_signal<T>(n, 7);
            std::vector<T> y(x);
            ASSERT_EQ(k.fwd(spec, y.data(), y.data(), nullptr), vekStsNoErr);
            ASSERT_EQ(k.inv(spec, y.data(), y.data(), nullptr), vekStsNoErr);
            const long double gain = flag == VEK_FFT_NO_SCALE ? n : 1;
            const long double tol = (sizeof(T) == 4 ? 2e-6L : 4e-15L) * (order + 1);
            for (int i = 0; i < 2 * n; ++i) EXPECT_NEAR(y[i], gain * x[i], tol * gain) << order << " " << flag;
            k.free_(spec);
        }
    }
}

TEST(ComplexFFT, RoundTripWithEveryFlag) {
    check_round_trip(k32fc);
    check_round_trip(k32f);
    check_round_trip(k64fc);
    check_round_trip(k64f);
}

TEST(ComplexFFT, SmallLengthsExactly) {
    void* spec = nullptr;
    ASSERT_EQ(k32fc.init_alloc(&spec, 1, VEK_FFT_SCALE_FWD_N, 0), vekStsNoErr);
    float x[4] = {1, 2, 5, -3}, y[4];
    ASSERT_EQ(k32fc.fwd(spec, x, y, nullptr), vekStsNoErr);
    EXPECT_EQ(y[0], 3.0f);
    EXPECT_EQ(y[1], -0.5f);
    EXPECT_EQ(y[2], -2.0f);
    EXPECT_EQ(y[3], 2.5f);
    k32fc.free_(spec);
    ASSERT_EQ(k32fc.init_alloc(&spec, 0, VEK_FFT_SCALE_SQRT_N, 0), vekStsNoErr);
    ASSERT_EQ(k32fc.inv(spec, x, y, nullptr), vekStsNoErr);
    EXPECT_EQ(y[0], 1.0f);
    EXPECT_EQ(y[1], 2.0f);
    k32fc.free_(spec);
}

// Exact sizes (specification, init buffer, work buffer) at the boundaries
// of every size formula.
struct SizeRow {
    const char* kind;
    int order, spec, init, work;
};

TEST(FFTSpec, ReportedSizes) {
    const SizeRow rows[] = {
        {"C_32fc", 0, 168, 0, 0},        {"C_32fc", 5, 168, 0, 0},       {"C_32fc", 6, 832, 0, 544},
        {"C_32fc", 11, 18688, 2112, 16416}, {"C_32fc", 18, 2490624, 262208, 131104},
        {"C_64fc", 5, 168, 0, 0},        {"C_64fc", 6, 1344, 0, 0},      {"C_64fc", 13, 106752, 16448, 0},
        {"C_64fc", 14, 295168, 32832, 32800},
        {"R_32f", 4, 168, 0, 0},         {"R_32f", 5, 320, 0, 0},        {"R_32f", 7, 1344, 0, 544},
        {"R_64f", 5, 168, 0, 0},         {"R_64f", 6, 704, 0, 0},        {"R_64f", 7, 2368, 0, 0},
    };
    for (const auto& r : rows) {
        int s = -1, i = -1, w = -1;
        const std::string k = r.kind;
        VekStatus st = k == "C_32fc" ? veksFFTGetSize_C_32fc(r.order, 8, 0, &s, &i, &w)
                     : k == "C_64fc" ? veksFFTGetSize_C_64fc(r.order, 8, 0, &s, &i, &w)
                     : k == "R_32f"  ? veksFFTGetSize_R_32f(r.order, 8, 0, &s, &i, &w)
                                     : veksFFTGetSize_R_64f(r.order, 8, 0, &s, &i, &w);
        ASSERT_EQ(st, vekStsNoErr);
        EXPECT_EQ(s, r.spec) << k << " " << r.order;
        EXPECT_EQ(i, r.init) << k << " " << r.order;
        EXPECT_EQ(w, r.work) << k << " " << r.order;
    }
}

// Init lays every table inside the reported size, from any start alignment
// (one byte past a boundary needs the most padding), and GetBufSize repeats
// the size query.
template <class T>
void check_fits(const Kind<T>& k, int top) {
    SCOPED_TRACE(k.name);
    for (int off : {1, 3, 17})
        for (int order = 0; order <= top; ++order) {
            SCOPED_TRACE(off);
            int s, i, w;
            ASSERT_EQ(k.get_size(order, 4, 0, &s, &i, &w), vekStsNoErr);
            vt::Guarded<Vek8u> mem(s + off), init(i + off);
            void* spec = nullptr;
            ASSERT_EQ(k.init(&spec, order, 4, 0, mem.data() + off, init.data() + off), vekStsNoErr) << order;
            ASSERT_EQ(reinterpret_cast<std::uintptr_t>(spec) % 32, 0u);
            int bytes = -1;
            ASSERT_EQ(k.buf_size(spec, &bytes), vekStsNoErr);
            EXPECT_EQ(bytes, w);
            // Only [off, off + size) may change.
            const Vek8u* raw = mem.data();
            for (int j = 0; j < off; ++j) ASSERT_EQ(raw[j], 0xA5);
            ASSERT_TRUE(mem.guards_intact()) << order;
            ASSERT_TRUE(init.guards_intact()) << order;
            EXPECT_EQ(k.free_(spec), vekStsNoErr);
            EXPECT_EQ(k.free_(spec), vekStsContextMatchErr);  // Init memory: only invalidated
        }
}

TEST(FFTSpec, TablesFitTheReportedSizes) {
    check_fits(k32fc, 20);
    check_fits(k64fc, 19);
    // The real kinds lay their recombination tables behind the complex ones.
    check_fits(Kind<float>{"R_32f", false, 27, SPEC_OPS(R_32f), nullptr, nullptr}, 21);
    check_fits(Kind<double>{"R_64f", false, 26, SPEC_OPS(R_64f), nullptr, nullptr}, 20);
}

TEST(FFTSpec, ArgumentChecks) {
    int s, i, w;
    EXPECT_EQ(veksFFTGetSize_C_32fc(-1, 8, 0, nullptr, nullptr, nullptr), vekStsFftOrderErr);
    EXPECT_EQ(veksFFTGetSize_C_32fc(31, 8, 0, nullptr, nullptr, nullptr), vekStsFftOrderErr);
    EXPECT_EQ(veksFFTGetSize_C_32fc(5, 8, 0, &s, nullptr, &w), vekStsNullPtrErr);
    for (int bad : {0, 3, 16, -1}) EXPECT_EQ(veksFFTGetSize_R_64f(5, bad, 0, &s, &i, &w), vekStsFftFlagErr);
    EXPECT_EQ(veksFFTGetSize_C_32fc(28, 8, 0, &s, &i, &w), vekStsFftOrderErr);
    EXPECT_EQ(veksFFTGetSize_C_32fc(27, 8, 0, &s, &i, &w), vekStsNoErr);
    EXPECT_EQ(veksFFTGetSize_C_64fc(27, 8, 0, &s, &i, &w), vekStsFftOrderErr);
    EXPECT_EQ(veksFFTGetSize_R_64f(26, 8, 0, &s, &i, &w), vekStsNoErr);

    std::vector<Vek8u> mem(4096);
    VekFFTSpec_C_32fc* spec = nullptr;
    EXPECT_EQ(veksFFTInit_C_32fc(nullptr, 3, 8, 0, mem.data(), nullptr), vekStsNullPtrErr);
    EXPECT_EQ(veksFFTInit_C_32fc(&spec, 3, 8, 0, nullptr, nullptr), vekStsNullPtrErr);
    EXPECT_EQ(veksFFTInit_C_32fc(&spec, 28, 8, 0, mem.data(), nullptr), vekStsFftOrderErr);
    EXPECT_EQ(veksFFTInit_C_32fc(&spec, 3, 3, 0, mem.data(), nullptr), vekStsFftFlagErr);
    EXPECT_EQ(spec, nullptr);
    // The refused object keeps identifier 0, so nothing accepts it.
    auto* half = reinterpret_cast<VekFFTSpec_C_32fc*>(mem.data() + ((32 - reinterpret_cast<std::uintptr_t>(mem.data()) % 32) % 32));
    EXPECT_EQ(veksFFTFree_C_32fc(half), vekStsContextMatchErr);
    std::vector<Vek8u> big(20000);
    EXPECT_EQ(veksFFTInit_C_32fc(&spec, 11, 8, 0, big.data(), nullptr), vekStsNullPtrErr);
    EXPECT_EQ(veksFFTInitAlloc_C_32fc(nullptr, 3, 8, 0), vekStsNullPtrErr);
    EXPECT_EQ(veksFFTInitAlloc_C_32fc(&spec, 3, 5, 0), vekStsFftFlagErr);
    EXPECT_EQ(veksFFTFree_C_32fc(nullptr), vekStsNullPtrErr);
    EXPECT_EQ(veksFFTGetBufSize_C_32fc(nullptr, &s), vekStsNullPtrErr);
}

TEST(ComplexFFT, BadArgumentsWriteNothing) {
    VekFFTSpec_C_32fc* spec = nullptr;
    VekFFTSpec_C_32f* split = nullptr;
    VekFFTSpec_C_64fc* spec64 = nullptr;
    ASSERT_EQ(veksFFTInitAlloc_C_32fc(&spec, 6, 8, 0), vekStsNoErr);
    ASSERT_EQ(veksFFTInitAlloc_C_32f(&split, 6, 8, 0), vekStsNoErr);
    ASSERT_EQ(veksFFTInitAlloc_C_64fc(&spec64, 6, 8, 0), vekStsNoErr);
    std::vector<Vek32fc> x(64);
    vt::Guarded<Vek32fc> y(64);
    // Specification first: null beats null data, identifier beats null data.
    EXPECT_EQ(veksFFTFwd_CToC_32fc(nullptr, nullptr, nullptr, nullptr), vekStsNullPtrErr);
    EXPECT_EQ(veksFFTFwd_CToC_32fc(nullptr, y.data(), reinterpret_cast<VekFFTSpec_C_32fc*>(split), nullptr),
              vekStsContextMatchErr);
    EXPECT_EQ(veksFFTInv_CToC_32fc(x.data(), nullptr, spec, nullptr), vekStsNullPtrErr);
    EXPECT_EQ(veksFFTFwd_CToC_32fc(x.data(), y.data(), reinterpret_cast<VekFFTSpec_C_32fc*>(spec64), nullptr),
              vekStsContextMatchErr);
    Vek32f* r = reinterpret_cast<Vek32f*>(y.data());
    EXPECT_EQ(veksFFTFwd_CToC_32f(r, r, r, r, reinterpret_cast<VekFFTSpec_C_32f*>(spec), nullptr), vekStsContextMatchErr);
    EXPECT_EQ(veksFFTFwd_CToC_32f(r, nullptr, r, r, split, nullptr), vekStsNullPtrErr);
    EXPECT_TRUE(y.untouched());
    // A block that holds no specification (zero-filled) is refused.
    alignas(64) Vek8u blank[512] = {};
    EXPECT_EQ(veksFFTFwd_CToC_32fc(x.data(), y.data(), reinterpret_cast<VekFFTSpec_C_32fc*>(blank), nullptr),
              vekStsContextMatchErr);
    EXPECT_EQ(veksFFTFree_C_32fc(reinterpret_cast<VekFFTSpec_C_32fc*>(blank)), vekStsContextMatchErr);
    EXPECT_TRUE(y.untouched());
    veksFFTFree_C_32fc(spec);
    veksFFTFree_C_32f(split);
    veksFFTFree_C_64fc(spec64);
}

TEST(ComplexFFT, AllocationFailuresLeakNothing) {
    const std::int64_t live = vekcoreLiveBlocks();
    VekFFTSpec_C_32fc* spec = nullptr;
    // Order 12 takes a specification block and an init block.
    for (int nth : {1, 2}) {
        vekcoreFailAllocation(nth);
        EXPECT_EQ(veksFFTInitAlloc_C_32fc(&spec, 12, 8, 0), vekStsMemAllocErr);
        vekcoreFailAllocation(0);
        EXPECT_EQ(vekcoreLiveBlocks(), live);
    }
    ASSERT_EQ(veksFFTInitAlloc_C_32fc(&spec, 12, 8, 0), vekStsNoErr);
    std::vector<Vek32fc> x(4096);
    vt::Guarded<Vek32fc> y(4096);
    vekcoreFailAllocation(1);
    EXPECT_EQ(veksFFTFwd_CToC_32fc(x.data(), y.data(), spec, nullptr), vekStsMemAllocErr);
    vekcoreFailAllocation(0);
    EXPECT_TRUE(y.untouched());
    EXPECT_EQ(veksFFTFwd_CToC_32fc(x.data(), y.data(), spec, nullptr), vekStsNoErr);
    veksFFTFree_C_32fc(spec);
    EXPECT_EQ(vekcoreLiveBlocks(), live);
}

TEST(ComplexFFT, SharedSpecificationAcrossThreads) {
    VekFFTSpec_C_32fc* spec = nullptr;
    ASSERT_EQ(veksFFTInitAlloc_C_32fc(&spec, 13, VEK_FFT_SCALE_INV_N, 0), vekStsNoErr);
    const int n = 1 << 13;
    const auto x = random_signal<float>(n, 3);
    std::vector<float> serial(2 * n);
    ASSERT_EQ(veksFFTFwd_CToC_32fc(reinterpret_cast<const Vek32fc*>(x.data()), reinterpret_cast<Vek32fc*>(serial.data()),
                                   spec, nullptr), vekStsNoErr);
    std::vector<std::vector<float>> out(8, std::vector<float>(2 * n));
    std::vector<std::thread> pool;
    for (int t = 0; t < 8; ++t)
        pool.emplace_back([&, t] {
            int bytes = 0;
            veksFFTGetBufSize_C_32fc(spec, &bytes);
            std::vector<Vek8u> buf(bytes);
            for (int rep = 0; rep < 4; ++rep)
                veksFFTFwd_CToC_32fc(reinterpret_cast<const Vek32fc*>(x.data()), reinterpret_cast<Vek32fc*>(out[t].data()),
                                     spec, t % 2 ? buf.data() : nullptr);
        });
    for (auto& th : pool) th.join();
    for (int t = 0; t < 8; ++t) EXPECT_TRUE(vt::same_bits(out[t].data(), serial.data(), serial.size())) << t;
    veksFFTFree_C_32fc(spec);
}

}  // namespace
