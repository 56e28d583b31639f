// Ramps, slopes and Jaehne chirps of every type against long double lines
// and chirps, with guard bytes, misaligned destinations and the status paths.
#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <vector>

#include "test_util.h"

namespace {

template <class T>
long double clamp_to(long double v) {
    using L = std::numeric_limits<T>;
    if constexpr (std::is_floating_point_v<T>) return v;
    return std::min<long double>(std::max<long double>(v, L::lowest()), L::max());
}

template <class T, class S>
struct LineOps {
    const char* name;
    VekStatus (*ramp)(T*, int, Vek32f, Vek32f);
    VekStatus (*slope)(T*, int, S, S);
    VekStatus (*jaehne)(T*, int, T);
};
#define LINES(code, T, S) LineOps<T, S>{#code, veksVectorRamp_##code, veksVectorSlope_##code, veksVectorJaehne_##code}

struct Line {
    float offset, slope;
};

template <class T, class S>
void check_lines(const LineOps<T, S>& ops) {
    SCOPED_TRACE(ops.name);
    const bool is_float = std::is_floating_point_v<T>;
    const long double eps = std::is_same_v<T, double> ? 1e-15L : 1e-6L;
    for (Line ln : {Line{0.5f, 1.f}, Line{-2.5f, 0.3f}, Line{100.f, -7.25f}, Line{40000.f, 0.f}, Line{-3.f, 1e6f},
                    Line{2.5f, 0.f}}) {
        for (int len : vt::sweep_lengths()) {
            for (int shift = 0; shift < 2; ++shift) {
                vt::Guarded<T> r(len + 1), s(len + 1);
                ASSERT_EQ(ops.ramp(r.data() + shift, len, ln.offset, ln.slope), vekStsNoErr);
                ASSERT_EQ(ops.slope(s.data() + shift, len, S(ln.offset), S(ln.slope)), vekStsNoErr);
                ASSERT_TRUE(r.guards_intact() && s.guards_intact());
                for (int i = 0; i < len; ++i) {
                    const long double exact = (long double)ln.offset + (long double)ln.slope * i;
                    const T rv = r[shift + i], sv = s[shift + i];
                    if (is_float) {
                        const long double tol = eps * (std::fabs(exact) + std::fabs(ln.slope) * i + 1) * 4;
                        ASSERT_NEAR(rv, exact, tol) << len << " " << i;
                        ASSERT_NEAR(sv, exact, tol * (1 + i / 4)) << len << " " << i;
                    } else {
                        // Ramp rounds half away from zero; 0.5 steps are exact here.
                        ASSERT_EQ((long double)rv, clamp_to<T>(std::round(exact))) << len << " " << i;
                        if (ln.slope == 0.f)
                            ASSERT_EQ((long double)sv, clamp_to<T>(std::round(exact)));
                        else  // float accumulation: within one step of nearest
                            ASSERT_NEAR((long double)sv, clamp_to<T>(std::nearbyint(exact)),
                                        1 + 1e-6L * std::fabs(exact) * (1 + i / 4)) << len << " " << i;
                    }
                }
            }
        }
    }
    // Jaehne against a long double chirp.
    for (double m : {0.0, 1.0, 100.0, 127.0}) {
        for (int len : {1, 2, 7, 64, 1000}) {
            vt::Guarded<T> j(len);
            ASSERT_EQ(ops.jaehne(j.data(), len, T(m)), vekStsNoErr);
            ASSERT_TRUE(j.guards_intact());
            for (int i = 0; i < len; ++i) {
                const long double e = m * std::sin(3.14159265358979323846L * i * (long double)i / (2.0L * len));
                if (is_float)  // the double argument carries a relative error
                    ASSERT_NEAR((long double)j[i], e, 4 * eps * (m + 1) * (1 + i * (long double)i / len));
                else
                    ASSERT_EQ((long double)j[i], clamp_to<T>(std::round(e))) << len << " " << i;
            }
            if (len == 1) EXPECT_EQ(j[0], T(0));
        }
    }
    // Status paths write nothing.
    vt::Guarded<T> g(4);
    EXPECT_EQ(ops.ramp(nullptr, 4, 0, 1), vekStsNullPtrErr);
    EXPECT_EQ(ops.ramp(g.data(), 0, 0, 1), vekStsSizeErr);
    EXPECT_EQ(ops.slope(nullptr, 0, 0, 1), vekStsNullPtrErr);
    EXPECT_EQ(ops.slope(g.data(), -1, 0, 1), vekStsSizeErr);
    EXPECT_EQ(ops.jaehne(nullptr, 4, T(1)), vekStsNullPtrErr);
    EXPECT_EQ(ops.jaehne(g.data(), 0, T(1)), vekStsSizeErr);
    if (std::is_signed_v<T>) EXPECT_EQ(ops.jaehne(g.data(), 4, T(-1)), vekStsJaehneErr);
    EXPECT_TRUE(g.untouched());
}

TEST(Lines, EveryTypeAgainstLongDouble) {
    check_lines(LINES(8u, Vek8u, Vek32f));
    check_lines(LINES(8s, Vek8s, Vek32f));
    check_lines(LINES(16u, Vek16u, Vek32f));
    check_lines(LINES(16s, Vek16s, Vek32f));
    check_lines(LINES(32u, Vek32u, Vek32f));
    check_lines(LINES(32s, Vek32s, Vek32f));
    check_lines(LINES(32f, Vek32f, Vek32f));
    check_lines(LINES(64f, Vek64f, Vek64f));
}

TEST(Lines, DocumentedValues) {
    Vek16s v[5];
    ASSERT_EQ(veksVectorRamp_16s(v, 5, 0.5f, 1.f), vekStsNoErr);
    for (int i = 0; i < 5; ++i) EXPECT_EQ(v[i], i + 1);
    ASSERT_EQ(veksVectorRamp_16s(v, 5, 40000.f, 0.f), vekStsNoErr);
    for (Vek16s x : v) EXPECT_EQ(x, 32767);
    float j;
    ASSERT_EQ(veksVectorJaehne_32f(&j, 1, 5.f), vekStsNoErr);
    EXPECT_EQ(j, 0.f);
    EXPECT_EQ(veksVectorJaehne_32f(&j, 1, -1.f), vekStsJaehneErr);
}

}  // namespace
