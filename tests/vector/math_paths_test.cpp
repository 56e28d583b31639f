// The single-precision kernels give the same bits on every path: the
// library's run-time choice (AVX2 where available), the SSE2 instantiation
// compiled here from the same templates, and the scalar head/tail path
// (one element at a time), for random and special inputs at many lengths
// and alignments.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <limits>
#include <vector>

#include "test_util.h"
#include "vector/math_fdrive.h"

namespace {

using namespace veks;

std::vector<float> inputs(int n, std::uint64_t seed) {
    vt::Rng rng(seed);
    std::vector<float> v(n);
    for (auto& x : v) {
        const std::uint64_t r = rng.raw();
        if (r & 1) {
            std::uint32_t b = static_cast<std::uint32_t>(r >> 32);
            std::memcpy(&x, &b, 4);
        } else {
            x = rng.next<float>(100.0);
        }
    }
    const float specials[] = {0.0f, -0.0f, std::numeric_limits<float>::infinity(),
                              -std::numeric_limits<float>::infinity(), std::numeric_limits<float>::quiet_NaN(),
                              std::numeric_limits<float>::denorm_min(), 1.0f, -1.0f};
    for (std::size_t i = 0; i < std::size(specials) && i < v.size(); ++i) v[i * 3 % v.size()] = specials[i];
    return v;
}

using Lib1 = VekStatus (*)(const Vek32f*, Vek32f*, int);
template <class K>
void same_as_sse(const char* name, Lib1 lib) {
    SCOPED_TRACE(name);
    for (int len : vt::sweep_lengths(70)) {
        const auto x = inputs(len + 1, len);
        std::vector<float> a(len + 1), b(len + 1), one(1);
        lib(x.data() + 1, a.data() + 1, len);  // odd alignment: scalar head
        fmap<SseF, K>(x.data(), b.data(), len + 1);
        ASSERT_TRUE(vt::same_bits(a.data() + 1, b.data() + 1, len)) << len;
        lib(x.data() + len / 2 + 1, one.data(), 1);  // the scalar path alone
        ASSERT_TRUE(vt::same_bits(one.data(), &b[len / 2 + 1], 1)) << len;
    }
}

TEST(KernelPaths, OneArgumentKernelsAgreeBitForBit) {
    same_as_sse<ExpF>("Exp", veksExp_32f);
    same_as_sse<AtanF>("Arctan", veksArctan_32f);
    same_as_sse<LnF>("Ln", veksLn_32f);
    same_as_sse<SqrtF>("Sqrt", veksSqrt_32f);
}

TEST(KernelPaths, TwoArgumentKernelsAgreeBitForBit) {
    for (int len : vt::sweep_lengths(70)) {
        const auto z = inputs(2 * len, len + 7);
        const auto* c = reinterpret_cast<const Vek32fc*>(z.data());
        std::vector<float> a(len), b(len);
        veksPhase_32fc(c, a.data(), len);
        fmap2<SseF, PhaseF>(z.data(), nullptr, b.data(), len);
        ASSERT_TRUE(vt::same_bits(a.data(), b.data(), len)) << len;
        veksPhase_32f(z.data(), z.data() + len, a.data(), len);
        fmap2<SseF, PhaseF>(z.data(), z.data() + len, b.data(), len);
        ASSERT_TRUE(vt::same_bits(a.data(), b.data(), len)) << len;
        veksMagnitude_32fc(c, a.data(), len);
        fmap2<SseF, MagnitudeF>(z.data(), nullptr, b.data(), len);
        ASSERT_TRUE(vt::same_bits(a.data(), b.data(), len)) << len;
        veksPowerSpectr_32f(z.data(), z.data() + len, a.data(), len);
        fmap2<SseF, PowerF>(z.data(), z.data() + len, b.data(), len);
        ASSERT_TRUE(vt::same_bits(a.data(), b.data(), len)) << len;
    }
}

// Warnings: the first special kind in vector order on every path.
TEST(KernelPaths, LogarithmWarningIsTheFirstKind) {
    for (int len : {1, 5, 8, 17, 64, 300}) {
        for (int at = 0; at < len; at += 3) {
            std::vector<float> x(len, 2.0f), y(len);
            x[at] = 0.0f;
            if (at + 1 < len) x[at + 1] = -3.0f;
            EXPECT_EQ(veksLn_32f(x.data(), y.data(), len), vekStsLnZeroArg);
            EXPECT_EQ((fmap_flagged<SseF, LnF>(x.data(), y.data(), len)), 1);
            x[at] = -0.0f;
            EXPECT_EQ(veksLn_32f(x.data(), y.data(), len), vekStsLnNegArg);
            EXPECT_TRUE(std::isnan(y[at]));
        }
    }
    const double z[] = {2.0, -0.0, 0.0}, w[] = {2.0, 0.0, -1.0};
    double out[3];
    EXPECT_EQ(veksLn_64f(z, out, 3), vekStsLnNegArg);
    std::uint64_t bits;
    std::memcpy(&bits, &out[1], 8);
    EXPECT_EQ(bits, 0xFFF8000000000000ull);
    EXPECT_EQ(out[2], -std::numeric_limits<double>::infinity());
    EXPECT_EQ(veksLn_64f(w, out, 3), vekStsLnZeroArg);
    const double inf = std::numeric_limits<double>::infinity();
    const double edge[] = {inf, std::numeric_limits<double>::quiet_NaN(), 1e-320};  // upper word 0
    EXPECT_EQ(veksLn_64f(edge, out, 3), vekStsLnZeroArg);
    EXPECT_EQ(out[0], inf);
    EXPECT_EQ(out[1], inf);
    EXPECT_EQ(out[2], -inf);
    float s;
    const float logs[] = {1.0f, 2.0f, 0.0f};
    EXPECT_EQ(veksSumLn_32f(logs, 2, &s), vekStsNoErr);
    EXPECT_FLOAT_EQ(s, std::log(2.0f));
    EXPECT_EQ(veksSumLn_32f(logs, 3, &s), vekStsLnZeroArg);
    const Vek16s l16[] = {3, 7};
    EXPECT_EQ(veksSumLn_16s32f(l16, 2, &s), vekStsNoErr);
    EXPECT_FLOAT_EQ(s, std::log(21.0f));
}

}  // namespace
