// Random generators against an independent model of the two sequences
// (written over a growing word history in 64-bit arithmetic), state
// continuity across calls of random sizes, distribution checks over 10^6
// samples, and every status path.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <vector>

#include "test_util.h"

namespace {

// z history with z[0..2] = z(-2), z(-1), z(0); L(n) kept as a 64-bit value
// reduced modulo 2^32 each step.
struct Model {
    std::vector<std::uint32_t> z;
    std::uint64_t L = 1131199209u;
    std::int64_t d = -1;
    explicit Model(std::uint32_t seed) {
        const std::uint32_t zm1 = std::uint32_t(69069ull * seed + 1013904243ull);
        const std::uint32_t zm2 = std::uint32_t(69069ull * zm1 + 1013904243ull);
        z = {zm2, zm1, seed};
    }
    std::int32_t next() {
        const std::size_t n = z.size();
        std::int64_t t = std::int64_t(z[n - 2]) - std::int64_t(z[n - 3]) + d;
        t &= 0xFFFFFFFFll;
        std::uint32_t zn;
        if (t >= 0x80000000ll) {  // negative as a signed word
            d = -1;
            zn = std::uint32_t((t - 18) & 0xFFFFFFFFll);
        } else {
            d = 0;
            zn = std::uint32_t(t);
        }
        z.push_back(zn);
        L = (69069ull * L + 1013904243ull) & 0xFFFFFFFFull;
        const std::uint32_t u = std::uint32_t((zn + L) & 0xFFFFFFFFull);
        return std::int32_t(u);
    }
    std::uint32_t last_z() const { return z.back(); }
};

template <class T>
T model_uniform(Model& m, double low, double high) {
    const double v = (low + high) / 2.0 + (high - low) * std::ldexp(1.0, -32) * m.next();
    if constexpr (std::is_floating_point_v<T>) return T(v);
    return T(std::trunc(v));
}

// Polar-method pairs; the stream of values in output order.
struct GaussModel {
    Model m;
    double pending_f = 0, pending_x1 = 0;
    bool pending = false;
    explicit GaussModel(std::uint32_t seed) : m(seed) {}
    // Returns stdDev * factor * x as a double, and the order of emission.
    double next(double sd) {
        if (pending) {
            pending = false;
            return sd * pending_f * pending_x1;
        }
        for (;;) {
            const double x1 = m.next() / 2147483648.0, x2 = m.next() / 2147483648.0;
            const double s = x1 * x1 + x2 * x2;
            if (s >= 1.0 || s == 0.0) continue;
            pending_f = std::sqrt(-2.0 * std::log(s) / s);
            pending_x1 = x1;
            pending = true;
            return sd * pending_f * x2;
        }
    }
};

template <class T>
T gauss_out(double prod, double mean) {
    if constexpr (std::is_same_v<T, float>) return float(prod) + float(mean);
    if constexpr (std::is_same_v<T, double>) return prod + mean;
    const double v = std::trunc(prod + mean);
    const double lo = std::is_same_v<T, Vek8u> ? 0 : -32768, hi = std::is_same_v<T, Vek8u> ? 255 : 32767;
    return T(v < lo ? lo : v > hi ? hi : v);
}

// Expected value streams: uniform words scaled, or polar-method values.
template <class T>
struct Uniform {
    Model m;
    double low, high;
    T next() { return model_uniform<T>(m, low, high); }
    std::uint32_t last_z() const { return m.last_z(); }
};
template <class T>
struct Gauss {
    GaussModel g;
    double mean, sd;
    T next() { return gauss_out<T>(g.next(sd), mean); }
    std::uint32_t last_z() const { return g.m.last_z(); }
};

TEST(RandUniform, SeedZeroStartsAsDocumented) {
    Model m(0);
    EXPECT_EQ(m.z[1], 1013904243u);
    EXPECT_EQ(m.z[0], 924302730u);
    EXPECT_EQ(m.next(), -2143376656);
    EXPECT_EQ(m.last_z(), 89601512u);
    unsigned seed = 0;
    float v[3];
    ASSERT_EQ(veksRandUniform_Direct_32f(v, 3, 0.f, 1.f, &seed), vekStsNoErr);
    EXPECT_NEAR(v[0], 0.00095623359, 1e-9);
}

// Direct forms over the lengths that cross every block edge; the seed
// written back is the last z(n) (a Gauss odd tail's x1 is not carried).
template <class T, class Fn, class Make>
void check_direct(Fn fn, double p1, double p2, Make make) {
    for (std::uint32_t seed : {0u, 1u, 123456789u, 0xFFFFFFFFu}) {
        for (int len : vt::sweep_lengths()) {
            unsigned s = seed;
            vt::Guarded<T> out(len);
            ASSERT_EQ(fn(out.data(), len, T(p1), T(p2), &s), vekStsNoErr);
            ASSERT_TRUE(out.guards_intact());
            auto model = make(seed, double(T(p1)), double(T(p2)));
            for (int i = 0; i < len; ++i) ASSERT_EQ(out[i], model.next()) << len << " " << i;
            ASSERT_EQ(s, model.last_z());
        }
    }
}
template <class T>
auto uniform_of = [](std::uint32_t seed, double a, double b) { return Uniform<T>{Model(seed), a, b}; };
template <class T>
auto gauss_of = [](std::uint32_t seed, double a, double b) { return Gauss<T>{GaussModel(seed), a, b}; };

TEST(Rand, DirectFormsFollowTheModel) {
    check_direct<Vek32f>(veksRandUniform_Direct_32f, -3.5, 7.25, uniform_of<Vek32f>);
    check_direct<Vek64f>(veksRandUniform_Direct_64f, -1e3, 1e-3, uniform_of<Vek64f>);
    check_direct<Vek16s>(veksRandUniform_Direct_16s, -32768, 32767, uniform_of<Vek16s>);
    check_direct<Vek16s>(veksRandUniform_Direct_16s, 100, -20, uniform_of<Vek16s>);  // low above high
    check_direct<Vek32f>(veksRandGauss_Direct_32f, 1.5, 2.0, gauss_of<Vek32f>);
    check_direct<Vek64f>(veksRandGauss_Direct_64f, -3.0, 0.25, gauss_of<Vek64f>);
    check_direct<Vek16s>(veksRandGauss_Direct_16s, 100, 20000, gauss_of<Vek16s>);  // saturates often
    Vek16s same[40];
    unsigned s = 5;
    ASSERT_EQ(veksRandUniform_Direct_16s(same, 40, 77, 77, &s), vekStsNoErr);
    for (Vek16s v : same) EXPECT_EQ(v, 77);
    ASSERT_EQ(veksRandGauss_Direct_16s(same, 33, -7, 0, &s), vekStsNoErr);
    for (int i = 0; i < 33; ++i) EXPECT_EQ(same[i], -7);
}

TEST(RandUniform, FarIntoTheStream) {
    const int n = 1 << 20;
    std::vector<float> v(n);
    unsigned s = 2024;
    ASSERT_EQ(veksRandUniform_Direct_32f(v.data(), n, 0.f, 1.f, &s), vekStsNoErr);
    Uniform<float> m{Model(2024), 0, 1};
    float last = 0;
    for (int i = 0; i < n; ++i) last = m.next();
    EXPECT_EQ(v[n - 1], last);
    EXPECT_EQ(s, m.last_z());
}

// State forms: calls of random sizes (odd ones leave a cached Gauss half)
// continue one sequence; InitAlloc asks for the documented byte count.
template <class T, class St, class Make>
void check_state(VekStatus (*alloc)(St**, T, T, unsigned), VekStatus (*gen)(T*, int, St*),
                 VekStatus (*release)(St*), T p1, T p2, std::uint64_t bytes, Make make) {
    St* st = nullptr;
    ASSERT_EQ(alloc(&st, p1, p2, 99u), vekStsNoErr);
    EXPECT_EQ(vekcoreLastRequest(), bytes);
    auto model = make(99u, double(p1), double(p2));
    vt::Rng r(3);
    for (int call = 0; call < 80; ++call) {
        const int len = 1 + int(r.raw() % (call % 2 ? 9 : 300));
        std::vector<T> out(len);
        ASSERT_EQ(gen(out.data(), len, st), vekStsNoErr);
        for (int i = 0; i < len; ++i) ASSERT_EQ(out[i], model.next()) << call;
    }
    EXPECT_EQ(release(st), vekStsNoErr);
}

TEST(Rand, StatesContinueAcrossCalls) {
    check_state<Vek8u>(veksRandUniformInitAlloc_8u, veksRandUniform_8u, veksRandUniformFree_8u, 3, 250, 56,
                       uniform_of<Vek8u>);
    check_state<Vek16s>(veksRandUniformInitAlloc_16s, veksRandUniform_16s, veksRandUniformFree_16s, -500, 4000, 56,
                        uniform_of<Vek16s>);
    check_state<Vek32f>(veksRandUniformInitAlloc_32f, veksRandUniform_32f, veksRandUniformFree_32f, -1.f, 1.f, 56,
                        uniform_of<Vek32f>);
    check_state<Vek8u>(veksRandGaussInitAlloc_8u, veksRandGauss_8u, veksRandGaussFree_8u, 128, 60, 64, gauss_of<Vek8u>);
    check_state<Vek16s>(veksRandGaussInitAlloc_16s, veksRandGauss_16s, veksRandGaussFree_16s, 0, 1000, 64,
                        gauss_of<Vek16s>);
    check_state<Vek32f>(veksRandGaussInitAlloc_32f, veksRandGauss_32f, veksRandGaussFree_32f, 0.5f, 3.f, 72,
                        gauss_of<Vek32f>);
    // Init in caller memory of any alignment behaves the same.
    int usize = 0, gsize = 0;
    ASSERT_EQ(veksRandUniformGetSize_16s(&usize), vekStsNoErr);
    ASSERT_EQ(veksRandGaussGetSize_16s(&gsize), vekStsNoErr);
    ASSERT_EQ(usize, 56);
    ASSERT_EQ(gsize, 64);
    std::vector<unsigned char> mem(gsize + 1);
    auto* us = reinterpret_cast<VekRandUniformState_16s*>(mem.data() + 1);
    ASSERT_EQ(veksRandUniformInit_16s(us, -10, 10, 7u), vekStsNoErr);
    Uniform<Vek16s> um{Model(7u), -10, 10};
    Vek16s v[5];
    for (int k = 0; k < 3; ++k) {
        ASSERT_EQ(veksRandUniform_16s(v, 5, us), vekStsNoErr);
        for (Vek16s x : v) EXPECT_EQ(x, um.next());
    }
    auto* gs = reinterpret_cast<VekRandGaussState_16s*>(mem.data() + 1);
    ASSERT_EQ(veksRandGaussInit_16s(gs, 10, 300, 11u), vekStsNoErr);
    Gauss<Vek16s> gm{GaussModel(11u), 10, 300};
    for (int i = 0; i < 7; ++i) {
        ASSERT_EQ(veksRandGauss_16s(v, 1, gs), vekStsNoErr);
        EXPECT_EQ(v[0], gm.next());
    }
}

// Chi-square against the expected bin probabilities (40 bins; the 99.99%
// point of chi-square with 39 degrees of freedom is about 80).
double chi_square(const std::vector<double>& counts, const std::vector<double>& probs, double n) {
    double c2 = 0;
    for (std::size_t i = 0; i < counts.size(); ++i) {
        const double e = probs[i] * n;
        c2 += (counts[i] - e) * (counts[i] - e) / e;
    }
    return c2;
}

TEST(RandDistribution, UniformAndGaussOverAMillionSamples) {
    const int n = 1000000, bins = 40;
    std::vector<float> v(n);
    unsigned s = 31337;
    ASSERT_EQ(veksRandUniform_Direct_32f(v.data(), n, -2.f, 6.f, &s), vekStsNoErr);
    std::vector<double> counts(bins, 0), probs(bins, 1.0 / bins);
    double sum = 0, sq = 0;
    for (float x : v) {
        ASSERT_TRUE(x >= -2.f && x < 6.f);
        counts[std::min(bins - 1, int((x + 2.0) / 8.0 * bins))] += 1;
        sum += x;
        sq += double(x) * x;
    }
    EXPECT_NEAR(sum / n, 2.0, 0.01);
    EXPECT_NEAR(sq / n - (sum / n) * (sum / n), 64.0 / 12.0, 0.03);
    EXPECT_LT(chi_square(counts, probs, n), 80.0);

    ASSERT_EQ(veksRandGauss_Direct_32f(v.data(), n, 1.f, 2.f, &s), vekStsNoErr);
    std::fill(counts.begin(), counts.end(), 0.0);
    sum = sq = 0;
    auto cdf = [](double z) { return 0.5 * std::erfc(-z / std::sqrt(2.0)); };
    for (int b = 0; b < bins; ++b) {  // bins over [-4, 4) sigma, outer bins open
        const double lo = b == 0 ? -1e9 : -4.0 + 8.0 * b / bins, hi = b == bins - 1 ? 1e9 : -4.0 + 8.0 * (b + 1) / bins;
        probs[b] = cdf(hi) - cdf(lo);
    }
    for (float x : v) {
        const double z = (x - 1.0) / 2.0;
        counts[std::clamp(int(std::floor((z + 4.0) / 8.0 * bins)), 0, bins - 1)] += 1;
        sum += x;
        sq += double(x) * x;
    }
    EXPECT_NEAR(sum / n, 1.0, 0.01);
    EXPECT_NEAR(sq / n - (sum / n) * (sum / n), 4.0, 0.03);
    EXPECT_LT(chi_square(counts, probs, n), 80.0);
}

TEST(RandStatus, ChecksComeFirstAndWriteNothing) {
    unsigned seed = 3;
    vt::Guarded<Vek32f> out(8);
    EXPECT_EQ(veksRandUniform_Direct_32f(nullptr, 8, 0, 1, &seed), vekStsNullPtrErr);
    EXPECT_EQ(veksRandUniform_Direct_32f(out.data(), 8, 0, 1, nullptr), vekStsNullPtrErr);
    EXPECT_EQ(veksRandUniform_Direct_32f(out.data(), 0, 0, 1, &seed), vekStsSizeErr);
    EXPECT_EQ(veksRandGauss_Direct_32f(out.data(), -1, 0, 1, &seed), vekStsSizeErr);
    EXPECT_EQ(veksRandGauss_Direct_64f(nullptr, 0, 0, 1, &seed), vekStsNullPtrErr);
    EXPECT_TRUE(out.untouched());
    EXPECT_EQ(seed, 3u);

    EXPECT_EQ(veksRandUniformGetSize_16s(nullptr), vekStsNullPtrErr);
    EXPECT_EQ(veksRandGaussGetSize_16s(nullptr), vekStsNullPtrErr);
    EXPECT_EQ(veksRandUniformInit_16s(nullptr, 0, 1, 0), vekStsNullPtrErr);
    EXPECT_EQ(veksRandGaussInit_16s(nullptr, 0, 1, 0), vekStsNullPtrErr);
    EXPECT_EQ(veksRandUniformInitAlloc_32f(nullptr, 0, 1, 0), vekStsNullPtrErr);

    // Allocation failure leaves *ppState alone and leaks nothing.
    const auto live = vekcoreLiveBlocks();
    VekRandGaussState_32f* keep = reinterpret_cast<VekRandGaussState_32f*>(&seed);
    vekcoreFailAllocation(1);
    EXPECT_EQ(veksRandGaussInitAlloc_32f(&keep, 0, 1, 0), vekStsMemAllocErr);
    EXPECT_EQ(keep, reinterpret_cast<VekRandGaussState_32f*>(&seed));
    EXPECT_EQ(vekcoreLiveBlocks(), live);

    // Identifier mismatches: a Gauss state on a uniform call, a 32f state on a 16s Free.
    VekRandGaussState_32f* g = nullptr;
    VekRandUniformState_32f* u = nullptr;
    ASSERT_EQ(veksRandGaussInitAlloc_32f(&g, 0, 1, 0), vekStsNoErr);
    ASSERT_EQ(veksRandUniformInitAlloc_32f(&u, 0, 1, 0), vekStsNoErr);
    std::vector<unsigned char> before(56);
    std::memcpy(before.data(), u, 56);
    EXPECT_EQ(veksRandUniform_32f(out.data(), 8, reinterpret_cast<VekRandUniformState_32f*>(g)), vekStsContextMatchErr);
    EXPECT_EQ(veksRandGauss_32f(out.data(), 8, reinterpret_cast<VekRandGaussState_32f*>(u)), vekStsContextMatchErr);
    EXPECT_EQ(veksRandUniformFree_16s(reinterpret_cast<VekRandUniformState_16s*>(u)), vekStsContextMatchErr);
    EXPECT_EQ(veksRandGaussFree_8u(reinterpret_cast<VekRandGaussState_8u*>(g)), vekStsContextMatchErr);
    EXPECT_EQ(veksRandUniform_32f(out.data(), 0, u), vekStsSizeErr);
    EXPECT_EQ(veksRandUniform_32f(nullptr, 8, u), vekStsNullPtrErr);
    EXPECT_EQ(veksRandUniform_32f(out.data(), 8, nullptr), vekStsNullPtrErr);
    EXPECT_EQ(std::memcmp(before.data(), u, 56), 0);
    EXPECT_TRUE(out.untouched());
    EXPECT_EQ(veksRandUniformFree_32f(nullptr), vekStsNullPtrErr);
    EXPECT_EQ(veksRandGaussFree_32f(g), vekStsNoErr);
    EXPECT_EQ(veksRandUniformFree_32f(u), vekStsNoErr);
    EXPECT_EQ(vekcoreLiveBlocks(), live);
}

}  // namespace
