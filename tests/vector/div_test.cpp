// Division against exact 128-bit rational references (signed truncating
// division plus an explicit remainder test per rounding mode), the zero
// divisor values and warnings, the constant-divisor statuses, and the
// parallel split for 1, 2 and 4 threads.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <vector>

#include "arith_ref.h"
#include "test_util.h"

namespace {

using ref::i128;
using L = std::numeric_limits<Vek16s>;

// round(x * 2^-sf / d): mode 0 toward zero, 1 ties to even, 2 ties away.
template <class T>
T rdiv(i128 x, i128 d, int sf, int mode) {
    using Lim = std::numeric_limits<T>;
    if (d == 0) return x > 0 ? Lim::max() : x < 0 ? (Lim::is_signed ? Lim::lowest() : Lim::max()) : T(0);
    if (x == 0 || sf > 66) return T(0);
    if (sf < -66) return ((x < 0) != (d < 0)) ? Lim::lowest() : Lim::max();
    const i128 n = sf < 0 ? x * (i128(1) << -sf) : x, m = sf > 0 ? d * (i128(1) << sf) : d;
    i128 q = n / m, r = n % m;
    const i128 ar = r < 0 ? -r : r, am = m < 0 ? -m : m;
    const int sign = ((n < 0) != (m < 0)) ? -1 : 1;
    if (mode != 0 && (2 * ar > am || (2 * ar == am && (mode == 2 || (q & 1))))) q += sign;
    return ref::clamp<T>(q);
}

template <class D, class X, class T>
void check_div(const char* name, VekStatus (*fn)(const D*, const X*, T*, int, int), VekStatus (*fnI)(const D*, T*, int, int),
               int lo, int hi, int round = -1, VekStatus (*fr)(const D*, const X*, T*, int, int, int) = nullptr) {
    for (int len : {1, 7, 16, 33, 100}) {
        auto d = ref::data<D>(len, len);
        auto x = ref::data<X>(len, len + 1);
        for (int i = 0; i < len; i += 9) d[i] = 0;
        for (int sf = lo - 3; sf <= hi + 3; ++sf) {
            for (int mode = 0; mode < 3; ++mode) {
                if (round < 0 && mode != 1) continue;
                std::vector<T> out(len), want(len);
                bool zero_seen = false;
                for (int i = 0; i < len; ++i) {
                    want[i] = rdiv<T>(x[i], d[i], sf, mode);
                    zero_seen |= d[i] == 0;
                }
                const VekStatus st = round < 0 ? fn(d.data(), x.data(), out.data(), len, sf)
                                               : fr(d.data(), x.data(), out.data(), len, mode, sf);
                ASSERT_EQ(st, zero_seen ? vekStsDivByZero : vekStsNoErr) << name;
                ASSERT_EQ(out, want) << name << " sf " << sf << " mode " << mode << " len " << len;
                if constexpr (std::is_same_v<X, T>) {
                    if (fnI && round < 0) {
                        std::vector<T> io(x.begin(), x.end());
                        ASSERT_EQ(fnI(d.data(), io.data(), len, sf), st);
                        ASSERT_EQ(io, want) << name;
                    }
                }
            }
        }
    }
    vt::Guarded<T> g(4);
    std::vector<D> d(4, D(1));
    std::vector<X> x(4);
    EXPECT_EQ(fn(nullptr, x.data(), g.data(), 4, 0), vekStsNullPtrErr);
    EXPECT_EQ(fn(d.data(), x.data(), g.data(), 0, 0), vekStsSizeErr);
    if (fr) {
        EXPECT_EQ(fr(d.data(), x.data(), g.data(), 4, 3, 0), vekStsRoundModeErr);
        EXPECT_EQ(fr(d.data(), x.data(), g.data(), 4, -1, 0), vekStsRoundModeErr);
    }
    EXPECT_TRUE(g.untouched()) << name;
}

TEST(IntDiv, VectorForms) {
    check_div<Vek8u, Vek8u, Vek8u>("8u", veksDiv_8u_Sfs, veksDiv_8u_ISfs, -15, 8);
    check_div<Vek16s, Vek16s, Vek16s>("16s", veksDiv_16s_Sfs, veksDiv_16s_ISfs, -30, 15);
    check_div<Vek16u, Vek16u, Vek16u>("16u", veksDiv_16u_Sfs, veksDiv_16u_ISfs, -31, 16);
    check_div<Vek32s, Vek32s, Vek32s>("32s", veksDiv_32s_Sfs, veksDiv_32s_ISfs, -62, 32);
    check_div<Vek16s, Vek32s, Vek16s>("32s16s", veksDiv_32s16s_Sfs, nullptr, -29, 31);
    check_div<Vek8u, Vek8u, Vek8u>("Round 8u", veksDiv_8u_Sfs, nullptr, -15, 8, 0, veksDiv_Round_8u_Sfs);
    check_div<Vek16s, Vek16s, Vek16s>("Round 16s", veksDiv_16s_Sfs, nullptr, -30, 16, 0, veksDiv_Round_16s_Sfs);
    check_div<Vek16u, Vek16u, Vek16u>("Round 16u", veksDiv_16u_Sfs, nullptr, -31, 16, 0, veksDiv_Round_16u_Sfs);
}

TEST(IntDiv, RoundingModesAndZeroDivisor) {
    const Vek16s d[] = {2, 2, 0, 0, 0}, x[] = {7, 5, 5, -5, 0};
    Vek16s out[5];
    const Vek16s want[3][2] = {{3, 2}, {4, 2}, {4, 3}};
    for (int mode = 0; mode < 3; ++mode) {
        ASSERT_EQ(veksDiv_Round_16s_Sfs(d, x, out, 2, mode, 0), 0);
        EXPECT_EQ(out[0], want[mode][0]);
        EXPECT_EQ(out[1], want[mode][1]);
    }
    ASSERT_EQ(veksDiv_16s_Sfs(d + 2, x + 2, out, 3, 0), vekStsDivByZero);
    EXPECT_EQ(out[0], 32767);
    EXPECT_EQ(out[1], -32768);
    EXPECT_EQ(out[2], 0);
}

TEST(IntDiv, ConstantForms) {
    for (int len : {1, 15, 40}) {
        const auto x8 = ref::data<Vek8u>(len, 1);
        const auto x16 = ref::data<Vek16s>(len, 2);
        const auto xu = ref::data<Vek16u>(len, 3);
        for (int sf : {-40, -31, -30, -16, -15, -3, 0, 1, 5, 8, 9, 15, 16, 17, 40}) {
            for (int val : {1, 3, 7, 255}) {
                std::vector<Vek8u> o8(len);
                ASSERT_EQ(veksDivC_8u_Sfs(x8.data(), Vek8u(val), o8.data(), len, sf), 0);
                for (int i = 0; i < len; ++i) ASSERT_EQ(o8[i], rdiv<Vek8u>(x8[i], val, sf, 1)) << sf;
                std::vector<Vek16u> ou(len);
                ASSERT_EQ(veksDivC_16u_Sfs(xu.data(), Vek16u(val), ou.data(), len, sf), 0);
                for (int i = 0; i < len; ++i) ASSERT_EQ(ou[i], rdiv<Vek16u>(xu[i], val, sf, 1)) << sf;
            }
            for (int val : {1, -1, 3, -32768, 32767}) {
                std::vector<Vek16s> o(len), io = x16;
                ASSERT_EQ(veksDivC_16s_Sfs(x16.data(), Vek16s(val), o.data(), len, sf), 0);
                ASSERT_EQ(veksDivC_16s_ISfs(Vek16s(val), io.data(), len, sf), 0);
                ASSERT_EQ(o, io);
                for (int i = 0; i < len; ++i) ASSERT_EQ(o[i], rdiv<Vek16s>(x16[i], val, sf, 1)) << sf << " " << val;
            }
        }
        // 64s constants and the zero constant.
        const auto x64 = ref::data<Vek64s>(len, 4);
        for (Vek64s val : {Vek64s(3), Vek64s(-1), Vek64s(INT64_MIN), Vek64s(1000000007)}) {
            for (int sf : {-64, -63, -10, 0, 1, 30, 62, 63}) {
                std::vector<Vek64s> io = x64;
                ASSERT_EQ(veksDivC_64s_ISfs(val, io.data(), len, sf), 0);
                for (int i = 0; i < len; ++i) {
                    if (val == -1 && sf < -62 && x64[i] == 0) continue;  // bound path of the product form
                    ASSERT_EQ(io[i], sf < -66 ? (x64[i] == 0 ? 0 : ((x64[i] < 0) != (val < 0)) ? INT64_MIN : INT64_MAX)
                                              : rdiv<Vek64s>(x64[i], val, sf, 1))
                        << val << " sf " << sf;
                }
            }
        }
        std::vector<Vek64s> io = x64;
        ASSERT_EQ(veksDivC_64s_ISfs(0, io.data(), len, 0), vekStsDivByZero);
        for (int i = 0; i < len; ++i) ASSERT_EQ(io[i], rdiv<Vek64s>(x64[i], 0, 0, 1));
    }
    vt::Guarded<Vek16s> g(4);
    std::vector<Vek16s> x(4, 5);
    EXPECT_EQ(veksDivC_16s_Sfs(x.data(), 0, g.data(), 4, 0), vekStsDivByZeroErr);
    EXPECT_EQ(veksDivC_16s_Sfs(x.data(), 0, g.data(), 4, 100), vekStsDivByZeroErr);
    EXPECT_EQ(veksDivC_8u_Sfs(reinterpret_cast<const Vek8u*>(x.data()), 0, reinterpret_cast<Vek8u*>(g.data()), 4, 0),
              vekStsDivByZeroErr);
    EXPECT_EQ(veksDivC_16u_Sfs(reinterpret_cast<const Vek16u*>(x.data()), 0, reinterpret_cast<Vek16u*>(g.data()), 4, 0),
              vekStsDivByZeroErr);
    EXPECT_EQ(veksDivC_32f(reinterpret_cast<const Vek32f*>(x.data()), 0.0f, reinterpret_cast<Vek32f*>(g.data()), 2),
              vekStsDivByZeroErr);
    EXPECT_EQ(veksDivC_32fc(reinterpret_cast<const Vek32fc*>(x.data()), Vek32fc{0, 0}, reinterpret_cast<Vek32fc*>(g.data()), 1),
              vekStsDivByZeroErr);
    EXPECT_TRUE(g.untouched());
    // 16u refuses a zero constant only inside the kernel range.
    Vek16u u[2] = {0, 9};
    ASSERT_EQ(veksDivC_16u_ISfs(0, u, 2, -32), 0);
    EXPECT_EQ(u[0], 0);
    EXPECT_EQ(u[1], 65535);
}

TEST(IntDiv, ComplexAndReversed) {
    const auto d = ref::data<Vek16sc>(50, 1), x = ref::data<Vek16sc>(50, 2);
    for (int sf : {-40, -32, -5, 0, 1, 7, 32, 40}) {
        std::vector<Vek16sc> o(50), oc(50);
        const VekStatus st = veksDiv_16sc_Sfs(d.data(), x.data(), o.data(), 50, sf);
        bool zero_seen = false;
        for (int i = 0; i < 50; ++i) {
            const i128 m = i128(d[i].re) * d[i].re + i128(d[i].im) * d[i].im;
            zero_seen |= m == 0;
            if (m == 0) continue;
            EXPECT_EQ(o[i].re, rdiv<Vek16s>(i128(x[i].re) * d[i].re + i128(x[i].im) * d[i].im, m, sf, 1));
            EXPECT_EQ(o[i].im, rdiv<Vek16s>(i128(x[i].im) * d[i].re - i128(x[i].re) * d[i].im, m, sf, 1));
        }
        EXPECT_EQ(st, zero_seen ? vekStsDivByZero : vekStsNoErr);
        const Vek16sc v{3, -32768};
        ASSERT_EQ(veksDivC_16sc_Sfs(x.data(), v, oc.data(), 50, sf), 0);
        const i128 m = 9 + i128(32768) * 32768;
        for (int i = 0; i < 50; ++i) {
            EXPECT_EQ(oc[i].re, rdiv<Vek16s>(i128(x[i].re) * 3 + i128(x[i].im) * -32768, m, sf, 1));
            EXPECT_EQ(oc[i].im, rdiv<Vek16s>(i128(x[i].im) * 3 - i128(x[i].re) * -32768, m, sf, 1));
        }
    }
    const auto xu = ref::data<Vek16u>(60, 5);
    for (Vek16u val : {Vek16u(0), Vek16u(1), Vek16u(1000), Vek16u(65535)}) {
        std::vector<Vek16u> o(60);
        ASSERT_EQ(veksDivCRev_16u(xu.data(), val, o.data(), 60), vekStsDivByZero);  // the data holds zeros
        for (int i = 0; i < 60; ++i) ASSERT_EQ(o[i], val == 0 ? 0 : rdiv<Vek16u>(val, xu[i], 0, 1));
    }
}

// Float division against a scalar loop with the documented zero-divisor values.
template <class T, class U>
void check_float_div(VekStatus (*fn)(const T*, const T*, T*, int), U nan00) {
    for (int len : ref::lengths()) {
        vt::Rng rng(len);
        std::vector<T> d(len), x(len);
        rng.fill(d.data(), len);
        rng.fill(x.data(), len);
        const T sp[] = {T(0), -T(0), T(INFINITY), T(NAN), T(1)};
        for (int i = 0; i < len; i += 3) d[i] = sp[(i / 3) % 5], x[i] = sp[(i / 7) % 5];
        std::vector<T> o(len + 1);
        const VekStatus st = fn(d.data(), x.data(), o.data() + 1, len);
        EXPECT_EQ(st, vekStsDivByZero);
        for (int i = 0; i < len; ++i) {
            T want = x[i] / d[i];
            if (d[i] == 0 && x[i] == 0) std::memcpy(&want, &nan00, sizeof want);
            else if (d[i] == 0 && !std::isnan(x[i])) want = std::copysign(T(INFINITY), x[i]);
            ASSERT_TRUE(vt::same_bits(&o[i + 1], &want, 1) || (std::isnan(want) && std::isnan(o[i + 1]) && !(d[i] == 0 && x[i] == 0)))
                << len << " " << i << " " << x[i] << "/" << d[i];
        }
    }
}

TEST(FloatDiv, RealComplexAndConstant) {
    check_float_div<float>(veksDiv_32f, std::uint32_t(0x7FBFFFFF));
    check_float_div<double>(veksDiv_64f, std::uint64_t(0x7FF8000000000000ull));
    const float one = 1.0f, mzero = -0.0f;
    float q;
    ASSERT_EQ(veksDiv_32f(&mzero, &one, &q, 1), vekStsDivByZero);
    EXPECT_EQ(q, INFINITY);
    const Vek32fc a[] = {{1, 2}, {0, 0}}, b[] = {{3, -4}, {1, 1}};
    Vek32fc c[2];
    ASSERT_EQ(veksDiv_32fc(a, b, c, 2), vekStsDivByZero);
    EXPECT_FLOAT_EQ(c[0].re, (3 * 1 + -4 * 2) / 5.0f);
    EXPECT_FLOAT_EQ(c[0].im, (-4 * 1 - 3 * 2) / 5.0f);
    std::vector<float> x(37, 3.0f), y(37);
    ASSERT_EQ(veksDivC_32f(x.data(), 4.0f, y.data(), 37), 0);
    for (float v : y) EXPECT_EQ(v, 0.75f);
    ASSERT_EQ(veksDivCRev_32f(x.data(), 6.0f, y.data(), 37), 0);
    for (float v : y) EXPECT_EQ(v, 6.0f * (1.0f / 3.0f));
}

// Long vectors split between threads give the same bits and warnings.
TEST(Div, ParallelSplitIsInvisible) {
    const int len = 5003;
    auto d = ref::data<Vek16s>(len, 1), x = ref::data<Vek16s>(len, 2);
    std::vector<float> fd(len, 3.0f), fx(len, 1.0f);
    for (auto& v : d) v = v == 0 ? 1 : v;
    d[4000] = 0;  // only in the second piece
    fd[4000] = 0;
    std::vector<Vek16s> base;
    std::vector<float> fbase;
    for (int t : vt::thread_counts()) {
        vt::Threads th(t);
        std::vector<Vek16s> o(len), r(len);
        std::vector<float> fo(len);
        ASSERT_EQ(veksDiv_16s_Sfs(d.data(), x.data(), o.data(), len, -3), vekStsDivByZero);
        ASSERT_EQ(veksDiv_Round_16s_Sfs(d.data(), x.data(), r.data(), len, 2, 2), vekStsDivByZero);
        ASSERT_EQ(veksDiv_32f(fd.data(), fx.data(), fo.data(), len), vekStsDivByZero);
        for (int i = 0; i < len; i += 97) ASSERT_EQ(r[i], rdiv<Vek16s>(x[i], d[i], 2, 2));
        if (base.empty()) base = o, fbase = fo;
        EXPECT_EQ(o, base) << t;
        EXPECT_TRUE(vt::same_bits(fo.data(), fbase.data(), len)) << t;
    }
}

}  // namespace
