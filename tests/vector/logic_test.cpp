// Bitwise operations and constant shifts against plain scalar loops, over
// lengths across the SIMD heads and tails, with the shortcut and range
// statuses.
#include <gtest/gtest.h>

#include <vector>

#include "arith_ref.h"
#include "test_util.h"

namespace {

template <class T>
struct LogicFns {
    VekStatus (*vv[3])(const T*, const T*, T*, int);
    VekStatus (*vvI[3])(const T*, T*, int);
    VekStatus (*vc[3])(const T*, T, T*, int);
    VekStatus (*vcI[3])(T, T*, int);
    VekStatus (*not_)(const T*, T*, int);
    VekStatus (*notI)(T*, int);
};

#define LOGIC(code)                                                                          \
    LogicFns<Vek##code>{{veksAnd_##code, veksOr_##code, veksXor_##code},                     \
                        {veksAnd_##code##_I, veksOr_##code##_I, veksXor_##code##_I},         \
                        {veksAndC_##code, veksOrC_##code, veksXorC_##code},                  \
                        {veksAndC_##code##_I, veksOrC_##code##_I, veksXorC_##code##_I},      \
                        veksNot_##code, veksNot_##code##_I}

template <class T>
T bitop(int k, T x, T y) {
    return T(k == 0 ? x & y : k == 1 ? x | y : x ^ y);
}

template <class T>
void check_logic(const LogicFns<T>& f) {
    for (int len : ref::lengths()) {
        const auto a = ref::data<T>(len, 1), b = ref::data<T>(len, 2);
        for (int k = 0; k < 3; ++k) {
            vt::Guarded<T> d(len);
            ASSERT_EQ(f.vv[k](a.data(), b.data(), d.data(), len), 0);
            for (int i = 0; i < len; ++i) ASSERT_EQ(d[i], bitop(k, a[i], b[i]));
            std::vector<T> io = b;
            ASSERT_EQ(f.vvI[k](a.data(), io.data(), len), 0);
            for (int i = 0; i < len; ++i) ASSERT_EQ(io[i], bitop(k, b[i], a[i]));
            for (T val : {T(0), T(0x5A), T(~T(0))}) {
                ASSERT_EQ(f.vc[k](a.data(), val, d.data(), len), 0);
                for (int i = 0; i < len; ++i) ASSERT_EQ(d[i], bitop(k, a[i], val));
                io = a;
                ASSERT_EQ(f.vcI[k](val, io.data(), len), 0);
                for (int i = 0; i < len; ++i) ASSERT_EQ(io[i], bitop(k, a[i], val));
            }
            ASSERT_TRUE(d.guards_intact());
        }
        std::vector<T> d(len);
        ASSERT_EQ(f.not_(a.data(), d.data(), len), 0);
        for (int i = 0; i < len; ++i) ASSERT_EQ(d[i], T(~a[i]));
    }
    vt::Guarded<T> d(4);
    std::vector<T> a(4);
    EXPECT_EQ(f.vv[0](a.data(), nullptr, d.data(), 4), vekStsNullPtrErr);
    EXPECT_EQ(f.vc[2](a.data(), 0, d.data(), 0), vekStsSizeErr);
    EXPECT_EQ(f.vc[0](a.data(), 0, nullptr, 4), vekStsNullPtrErr);  // the zero fill checks too
    EXPECT_EQ(f.notI(d.data(), -1), vekStsSizeErr);
    EXPECT_TRUE(d.untouched());
}

TEST(Logic, EveryTypeMatchesScalarLoop) {
    check_logic(LOGIC(8u));
    check_logic(LOGIC(16u));
    check_logic(LOGIC(32u));
}

template <class T>
struct ShiftFns {
    VekStatus (*l)(const T*, int, T*, int);
    VekStatus (*r)(const T*, int, T*, int);
    VekStatus (*lI)(int, T*, int);
    VekStatus (*rI)(int, T*, int);
};
#define SHIFT(code) ShiftFns<Vek##code>{veksLShiftC_##code, veksRShiftC_##code, veksLShiftC_##code##_I, veksRShiftC_##code##_I}

template <class T>
void check_shift(const ShiftFns<T>& f) {
    constexpr int bits = 8 * sizeof(T);
    using U = std::make_unsigned_t<T>;
    for (int len : ref::lengths()) {
        const auto a = ref::data<T>(len, 3);
        for (int s : {0, 1, 3, bits - 1, bits, bits + 5, 100}) {
            vt::Guarded<T> dl(len), dr(len);
            ASSERT_EQ(f.l(a.data(), s, dl.data(), len), 0);
            ASSERT_EQ(f.r(a.data(), s, dr.data(), len), 0);
            std::vector<T> il = a, ir = a;
            ASSERT_EQ(f.lI(s, il.data(), len), 0);
            ASSERT_EQ(f.rI(s, ir.data(), len), 0);
            for (int i = 0; i < len; ++i) {
                const T l = s >= bits ? T(0) : T(U(U(a[i]) << s));
                const T r = s >= bits ? T(a[i] < 0 ? -1 : 0) : T(a[i] >> s);
                ASSERT_EQ(dl[i], l) << s;
                ASSERT_EQ(dr[i], r) << s;
                ASSERT_EQ(il[i], l);
                ASSERT_EQ(ir[i], r);
            }
            ASSERT_TRUE(dl.guards_intact() && dr.guards_intact());
        }
    }
    vt::Guarded<T> d(4);
    std::vector<T> a(4);
    EXPECT_EQ(f.l(a.data(), -1, d.data(), 4), vekStsShiftErr);
    EXPECT_EQ(f.rI(-5, d.data(), 4), vekStsShiftErr);
    EXPECT_EQ(f.l(a.data(), 0, nullptr, 4), vekStsNullPtrErr);
    EXPECT_EQ(f.r(a.data(), -1, d.data(), 0), vekStsSizeErr);
    EXPECT_TRUE(d.untouched());
}

TEST(Shift, EveryTypeMatchesScalarLoop) {
    check_shift(SHIFT(8u));
    check_shift(SHIFT(16u));
    check_shift(SHIFT(16s));
    check_shift(SHIFT(32s));
}

TEST(Shift, EdgeValues) {
    const Vek16s x[] = {-5, 5, -1, 16384};
    Vek16s d[4];
    ASSERT_EQ(veksRShiftC_16s(x, 20, d, 2), 0);
    EXPECT_EQ(d[0], -1);
    EXPECT_EQ(d[1], 0);
    ASSERT_EQ(veksLShiftC_16s(x + 2, 1, d, 1), 0);
    EXPECT_EQ(d[0], -2);
    ASSERT_EQ(veksLShiftC_16s(x + 3, 2, d, 1), 0);
    EXPECT_EQ(d[0], 0);
}

}  // namespace
