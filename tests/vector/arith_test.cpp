// Scaled integer arithmetic against exact 128-bit references over every
// type code, a sweep of scale factors across both thresholds, lengths that
// cross the SIMD heads and tails, and the in-place twins; floating forms
// against plain scalar loops bit for bit.
#include <gtest/gtest.h>

#include <cmath>
#include <cstring>
#include <functional>
#include <limits>
#include <vector>

#include <xmmintrin.h>

#include "arith_ref.h"
#include "test_util.h"

namespace {

using ref::i128;
using vt::Guarded;

template <class T>
using Part = std::conditional_t<std::is_class_v<T>, decltype(T{}.re), T>;

// Scale one exact value, or each part of a complex one.
template <class D>
D finish(i128 re, i128 im, int sf) {
    if constexpr (std::is_class_v<D>) return D{ref::scaled<Part<D>>(re, sf), ref::scaled<Part<D>>(im, sf)};
    else return ref::scaled<D>(re, sf);
}

// Exact element operations: x op y, complex on {re, im}.
struct RAdd { template <class X, class Y> i128 operator()(X x, Y y) const { return i128(x) + i128(y); } };
struct RSub { template <class X, class Y> i128 operator()(X x, Y y) const { return i128(x) - i128(y); } };
struct RMul { template <class X, class Y> i128 operator()(X x, Y y) const { return i128(x) * i128(y); } };

template <class D, class Op, class X, class Y>
D apply(Op op, X x, Y y, int sf) {
    if constexpr (std::is_class_v<D> && std::is_class_v<X> && std::is_class_v<Y>) {
        if constexpr (std::is_same_v<Op, RMul>)
            return finish<D>(i128(x.re) * y.re - i128(x.im) * y.im, i128(x.re) * y.im + i128(x.im) * y.re, sf);
        else return finish<D>(op(x.re, y.re), op(x.im, y.im), sf);
    } else if constexpr (std::is_class_v<D> && std::is_class_v<X>) {
        return apply<D>(op, y, x, sf);
    } else if constexpr (std::is_class_v<D>) {  // real times complex
        return finish<D>(i128(x) * y.re, i128(x) * y.im, sf);
    } else {
        return finish<D>(op(x, y), 0, sf);
    }
}

template <class D>
void expect_same(const D* got, const std::vector<D>& want, const char* name, int len, int sf) {
    for (int i = 0; i < len; ++i)
        ASSERT_TRUE(vt::same_bits(got + i, &want[i], 1)) << name << " len " << len << " sf " << sf << " at " << i;
}

// Two-vector scaled form: dst = op(second, first) when `reversed` (Sub).
template <class A, class B, class D, class Op>
void check_vv(const char* name, VekStatus (*fn)(const A*, const B*, D*, int, int),
              VekStatus (*fnI)(const A*, D*, int, int), Op op, bool reversed, int zero_above, int bound_at,
              int open_sf = 0) {
    for (int len : ref::lengths()) {
        const auto a = ref::data<A>(len + 1, len), b = ref::data<B>(len + 1, len + 7);
        for (int sf : ref::scale_factors(zero_above, bound_at)) {
            if (open_sf != 0 && sf == open_sf) continue;
            std::vector<D> want(len);
            for (int i = 0; i < len; ++i)
                want[i] = reversed ? apply<D>(op, b[i + 1], a[i + 1], sf) : apply<D>(op, a[i + 1], b[i + 1], sf);
            Guarded<D> dst(len + 1);
            ASSERT_EQ(fn(a.data() + 1, b.data() + 1, dst.data() + 1, len, sf), vekStsNoErr) << name;
            expect_same(dst.data() + 1, want, name, len, sf);
            ASSERT_TRUE(dst.guards_intact()) << name;
            if constexpr (std::is_same_v<B, D>) {
                if (!fnI) continue;
                Guarded<D> io(len + 1);
                std::memcpy(io.data() + 1, b.data() + 1, len * sizeof(D));
                ASSERT_EQ(fnI(a.data() + 1, io.data() + 1, len, sf), vekStsNoErr) << name;
                expect_same(io.data() + 1, want, name, len, sf);
            }
        }
    }
    // Errors write nothing.
    std::vector<A> a(4);
    std::vector<B> b(4);
    Guarded<D> dst(4);
    EXPECT_EQ(fn(nullptr, b.data(), dst.data(), 4, 0), vekStsNullPtrErr) << name;
    EXPECT_EQ(fn(a.data(), b.data(), nullptr, 4, 0), vekStsNullPtrErr) << name;
    EXPECT_EQ(fn(a.data(), b.data(), dst.data(), 0, 0), vekStsSizeErr) << name;
    EXPECT_EQ(fn(a.data(), b.data(), dst.data(), -3, 100), vekStsSizeErr) << name;
    EXPECT_TRUE(dst.untouched()) << name;
}

// Element and constant: dst = op(x, val), or op(val, x) when `reversed`.
template <class T, class Op>
void check_vc(const char* name, VekStatus (*fn)(const T*, T, T*, int, int), VekStatus (*fnI)(T, T*, int, int), Op op,
              bool reversed, int zero_above, int bound_at) {
    const auto consts = ref::data<T>(6, 99);
    for (int len : ref::lengths()) {
        const auto a = ref::data<T>(len + 1, len);
        for (T val : consts) {
            for (int sf : ref::scale_factors(zero_above, bound_at)) {
                std::vector<T> want(len);
                for (int i = 0; i < len; ++i)
                    want[i] = reversed ? apply<T>(op, val, a[i + 1], sf) : apply<T>(op, a[i + 1], val, sf);
                Guarded<T> dst(len + 1);
                ASSERT_EQ(fn(a.data() + 1, val, dst.data() + 1, len, sf), vekStsNoErr) << name;
                expect_same(dst.data() + 1, want, name, len, sf);
                ASSERT_TRUE(dst.guards_intact()) << name;
                Guarded<T> io(len + 1);
                std::memcpy(io.data() + 1, a.data() + 1, len * sizeof(T));
                ASSERT_EQ(fnI(val, io.data() + 1, len, sf), vekStsNoErr) << name;
                expect_same(io.data() + 1, want, name, len, sf);
            }
        }
    }
    std::vector<T> a(4);
    Guarded<T> dst(4);
    EXPECT_EQ(fn(nullptr, T{}, dst.data(), 4, 0), vekStsNullPtrErr) << name;
    EXPECT_EQ(fn(a.data(), T{}, dst.data(), 0, 0), vekStsSizeErr) << name;
    EXPECT_EQ(fnI(T{}, nullptr, 4, 0), vekStsNullPtrErr) << name;
    EXPECT_EQ(fnI(T{}, dst.data(), 0, 0), vekStsSizeErr) << name;
    EXPECT_TRUE(dst.untouched()) << name;
}

#define VV(name, A, B, D, op, rev, z, b, ...) check_vv<A, B, D>(#name, veks##name, nullptr, op, rev, z, b, ##__VA_ARGS__)
#define VVI(name, T, op, rev, z, b) check_vv<T, T, T>(#name "_Sfs", veks##name##_Sfs, veks##name##_ISfs, op, rev, z, b)
#define VC(name, T, op, rev, z, b) check_vc<T>(#name "_Sfs", veks##name##_Sfs, veks##name##_ISfs, op, rev, z, b)

TEST(ScaledArith, TwoVectorForms) {
    VVI(Add_8u, Vek8u, RAdd{}, false, 9, -8);
    VVI(Add_16s, Vek16s, RAdd{}, false, 16, -16);
    VVI(Add_16u, Vek16u, RAdd{}, false, 17, -16);
    VVI(Add_32s, Vek32s, RAdd{}, false, 32, -31);
    VVI(Add_16sc, Vek16sc, RAdd{}, false, 16, -16);
    VVI(Add_32sc, Vek32sc, RAdd{}, false, 32, -31);
    VVI(Sub_8u, Vek8u, RSub{}, true, 8, -8);
    VVI(Sub_16s, Vek16s, RSub{}, true, 16, -16);
    VVI(Sub_16u, Vek16u, RSub{}, true, 16, -16);
    VVI(Sub_32s, Vek32s, RSub{}, true, 32, -31);
    VVI(Sub_16sc, Vek16sc, RSub{}, true, 16, -16);
    VVI(Sub_32sc, Vek32sc, RSub{}, true, 32, -31);
    VVI(Mul_8u, Vek8u, RMul{}, false, 16, -8);
    VVI(Mul_16s, Vek16s, RMul{}, false, 30, -16);
    VVI(Mul_16u, Vek16u, RMul{}, false, 32, -16);
    VVI(Mul_32s, Vek32s, RMul{}, false, 62, -32);
    VVI(Mul_16sc, Vek16sc, RMul{}, false, 31, -16);
    VVI(Mul_32sc, Vek32sc, RMul{}, false, 63, -32);
    check_vv<Vek32s, Vek32sc, Vek32sc>("Mul_32s32sc", veksMul_32s32sc_Sfs, veksMul_32s32sc_ISfs, RMul{}, false, 62, -32);
    VV(Add_64s_Sfs, Vek64s, Vek64s, Vek64s, RAdd{}, false, 63, -63, 64);  // 64 may zero-fill
    VV(Mul_16s32s_Sfs, Vek16s, Vek16s, Vek32s, RMul{}, false, 30, -31);
    VV(Mul_16u16s_Sfs, Vek16u, Vek16s, Vek16s, RMul{}, false, 31, -15);
}

TEST(ScaledArith, ConstantForms) {
    VC(AddC_8u, Vek8u, RAdd{}, false, 9, -8);
    VC(SubC_8u, Vek8u, RSub{}, false, 8, -8);
    VC(SubCRev_8u, Vek8u, RSub{}, true, 8, -8);
    VC(MulC_8u, Vek8u, RMul{}, false, 16, -8);
    VC(AddC_16s, Vek16s, RAdd{}, false, 16, -16);
    VC(SubC_16s, Vek16s, RSub{}, false, 16, -16);
    VC(SubCRev_16s, Vek16s, RSub{}, true, 16, -16);
    VC(MulC_16s, Vek16s, RMul{}, false, 30, -16);
    VC(AddC_16u, Vek16u, RAdd{}, false, 17, -16);
    VC(SubC_16u, Vek16u, RSub{}, false, 16, -16);
    VC(SubCRev_16u, Vek16u, RSub{}, true, 16, -16);
    VC(MulC_16u, Vek16u, RMul{}, false, 32, -16);
    VC(AddC_32s, Vek32s, RAdd{}, false, 32, -31);
    VC(SubC_32s, Vek32s, RSub{}, false, 32, -31);
    VC(SubCRev_32s, Vek32s, RSub{}, true, 32, -31);
    VC(MulC_32s, Vek32s, RMul{}, false, 62, -32);
    VC(AddC_16sc, Vek16sc, RAdd{}, false, 16, -16);
    VC(SubC_16sc, Vek16sc, RSub{}, false, 16, -16);
    VC(SubCRev_16sc, Vek16sc, RSub{}, true, 16, -16);
    VC(MulC_16sc, Vek16sc, RMul{}, false, 31, -16);
    VC(AddC_32sc, Vek32sc, RAdd{}, false, 32, -31);
    VC(SubC_32sc, Vek32sc, RSub{}, false, 32, -31);
    VC(SubCRev_32sc, Vek32sc, RSub{}, true, 32, -31);
    VC(MulC_32sc, Vek32sc, RMul{}, false, 63, -32);
}

// AddProduct: acc = scale(acc + a * b).
template <class X, class D>
void check_add_product(const char* name, VekStatus (*fn)(const X*, const X*, D*, int, int), int zero_above,
                       int bound_at) {
    for (int len : ref::lengths()) {
        const auto a = ref::data<X>(len, 1), b = ref::data<X>(len, 2);
        const auto acc = ref::data<D>(len, 3);
        for (int sf : ref::scale_factors(zero_above, bound_at)) {
            Guarded<D> io(len);
            std::memcpy(io.data(), acc.data(), len * sizeof(D));
            ASSERT_EQ(fn(a.data(), b.data(), io.data(), len, sf), vekStsNoErr);
            for (int i = 0; i < len; ++i)
                ASSERT_EQ(io[i], ref::scaled<D>(i128(acc[i]) + i128(a[i]) * b[i], sf)) << name << " sf " << sf;
        }
    }
    Guarded<D> io(4);
    EXPECT_EQ(fn(nullptr, nullptr, io.data(), 4, 0), vekStsNullPtrErr);
    EXPECT_EQ(fn(io.data() == nullptr ? nullptr : reinterpret_cast<const X*>(&io), reinterpret_cast<const X*>(&io),
                 io.data(), 0, 0),
              vekStsSizeErr);
    EXPECT_TRUE(io.untouched());
}

TEST(ScaledArith, AddProduct) {
    check_add_product<Vek16s, Vek16s>("16s", veksAddProduct_16s_Sfs, 31, -15);
    check_add_product<Vek16s, Vek32s>("16s32s", veksAddProduct_16s32s_Sfs, 32, -31);
    check_add_product<Vek32s, Vek32s>("32s", veksAddProduct_32s_Sfs, 62, -31);
}

TEST(ScaledArith, UnscaledAndWideningForms) {
    for (int len : ref::lengths()) {
        const auto a = ref::data<Vek16s>(len, 1), b = ref::data<Vek16s>(len, 2);
        std::vector<Vek16s> d(len), e(len);
        ASSERT_EQ(veksAdd_16s(a.data(), b.data(), d.data(), len), 0);
        ASSERT_EQ(veksAdd_16s_Sfs(a.data(), b.data(), e.data(), len, 0), 0);
        EXPECT_EQ(d, e);
        ASSERT_EQ(veksSub_16s(a.data(), b.data(), d.data(), len), 0);
        for (int i = 0; i < len; ++i) ASSERT_EQ(d[i], ref::clamp<Vek16s>(i128(b[i]) - a[i]));
        ASSERT_EQ(veksMul_16s(a.data(), b.data(), d.data(), len), 0);
        for (int i = 0; i < len; ++i) ASSERT_EQ(d[i], ref::clamp<Vek16s>(i128(b[i]) * a[i]));
        std::vector<Vek32f> f(len);
        ASSERT_EQ(veksMul_16s32f(a.data(), b.data(), f.data(), len), 0);
        for (int i = 0; i < len; ++i) ASSERT_EQ(f[i], float(int(a[i]) * b[i]));
        ASSERT_EQ(veksSub_16s32f(a.data(), b.data(), f.data(), len), 0);
        for (int i = 0; i < len; ++i) ASSERT_EQ(f[i], float(b[i] - a[i]));
        const auto u = ref::data<Vek32u>(len, 4), v = ref::data<Vek32u>(len, 5);
        std::vector<Vek32u> w(len);
        ASSERT_EQ(veksAdd_32u(u.data(), v.data(), w.data(), len), 0);
        for (int i = 0; i < len; ++i) ASSERT_EQ(w[i], ref::clamp<Vek32u>(i128(u[i]) + v[i]));
        const auto p = ref::data<Vek8u>(len, 6), q = ref::data<Vek8u>(len, 7);
        std::vector<Vek16u> h(len);
        ASSERT_EQ(veksMul_8u16u(p.data(), q.data(), h.data(), len), 0);
        for (int i = 0; i < len; ++i) ASSERT_EQ(h[i], p[i] * q[i]);
        std::vector<Vek32s> acc(len, 2147483000);
        ASSERT_EQ(veksAdd_16s32s_I(a.data(), acc.data(), len), 0);
        for (int i = 0; i < len; ++i) ASSERT_EQ(acc[i], ref::clamp<Vek32s>(i128(2147483000) + a[i]));
    }
    Vek32u big = 4294967295u, one = 1, out = 0;
    EXPECT_EQ(veksAdd_32u(&big, &one, &out, 1), 0);
    EXPECT_EQ(out, 4294967295u);
}

TEST(ScaledArith, EdgeValues) {
    const Vek16s x1[] = {1, 1, 3, -1}, x2[] = {2, 4, 4, -2};
    Vek16s d[4];
    ASSERT_EQ(veksAdd_16s_Sfs(x1, x2, d, 4, 1), 0);
    EXPECT_EQ(std::vector<Vek16s>(d, d + 4), (std::vector<Vek16s>{2, 2, 4, -2}));
    const Vek16s m = -32768;
    ASSERT_EQ(veksMul_16s_Sfs(&m, &m, d, 1, 30), 0);
    EXPECT_EQ(d[0], 1);
    ASSERT_EQ(veksMul_16s_Sfs(&m, &m, d, 1, 31), 0);
    EXPECT_EQ(d[0], 0);
    Vek8u z[3] = {0, 7, 255};
    ASSERT_EQ(veksSubC_8u_ISfs(0, z, 3, -8), 0);
    EXPECT_EQ(z[0] + z[1] + z[2], 510);
    const Vek32s big[] = {65536};
    Vek32s low;
    ASSERT_EQ(veksMul_Low_32s_Sfs(big, big, &low, 1, 0), 0);
    EXPECT_EQ(low, 0);
    // Complex forms on doubled lengths test the length first.
    EXPECT_EQ(veksAdd_16sc_Sfs(nullptr, nullptr, nullptr, 0, 0), vekStsSizeErr);
    EXPECT_EQ(veksAdd_32fc(nullptr, nullptr, nullptr, 0), vekStsSizeErr);
}

TEST(ScaledArith, MulLowMatchesTruncatedProduct) {
    for (int len : ref::lengths()) {
        const auto a = ref::data<Vek32s>(len, 1), b = ref::data<Vek32s>(len, 2);
        for (int sf : {-40, -32, -31, -5, 0, 3, 31, 40, 62, 63}) {
            std::vector<Vek32s> d(len);
            ASSERT_EQ(veksMul_Low_32s_Sfs(a.data(), b.data(), d.data(), len, sf), 0);
            for (int i = 0; i < len; ++i) {
                const std::int64_t p = std::int64_t(a[i]) * b[i];
                const Vek32s want = sf > 62    ? 0
                                    : sf < -31 ? (p > 0 ? INT32_MAX : p < 0 ? INT32_MIN : 0)
                                    : sf >= 0  ? Vek32s(p >> sf)
                                               : Vek32s(std::uint64_t(p) << -sf);
                ASSERT_EQ(d[i], want) << sf;
            }
        }
    }
}

TEST(ScaledArith, MulC64sAndDoubleConstant) {
    const auto x = ref::data<Vek64s>(67, 3);
    for (Vek64s val : {Vek64s(3), Vek64s(-7), Vek64s(INT64_MAX), Vek64s(INT64_MIN), Vek64s(0)}) {
        for (int sf : {-70, -63, -62, -1, 0, 1, 2, 63, 64, 100, 126, 127}) {
            std::vector<Vek64s> io = x;
            ASSERT_EQ(veksMulC_64s_ISfs(val, io.data(), 67, sf), 0);
            for (int i = 0; i < 67; ++i) {
                if (sf < -62 && x[i] == 0) continue;  // left open on the bound path
                ASSERT_EQ(io[i], ref::scaled<Vek64s>(i128(x[i]) * val, sf)) << val << " " << sf;
            }
        }
    }
    // A double constant is its integer mantissa with a moved scale factor.
    for (double val : {0.75, -3.0, 1e-300, 4.9e-324, 12345678.9}) {
        for (int sf : {-10, 0, 5}) {
            int e;
            const double fr = std::frexp(val, &e);
            std::vector<Vek64s> a = x, b = x;
            ASSERT_EQ(veksMulC_64f64s_ISfs(val, a.data(), 67, sf), 0);
            const Vek64s m = static_cast<Vek64s>(std::ldexp(fr, 53));  // val = m * 2^(e-53)
            const int shift = sf + 53 - e;
            for (int i = 0; i < 67; ++i) b[i] = ref::scaled<Vek64s>(i128(x[i]) * m, shift > 1000 ? 1000 : shift);
            if (val >= 1e-300) {
                EXPECT_EQ(a, b) << val;
            }
        }
    }
    std::vector<Vek64s> io{5, -5, 0};
    ASSERT_EQ(veksMulC_64f64s_ISfs(-INFINITY, io.data(), 3, 0), 0);
    EXPECT_EQ(io[0], INT64_MIN);
    EXPECT_EQ(io[1], INT64_MAX);
}

TEST(ScaledArith, FloatConstantTo16sRestoresRounding) {
    const unsigned saved = _mm_getcsr();
    const unsigned up = (saved & ~0x6000u) | 0x4000u;
    auto even = [](float c) {  // nearest integer, ties to even
        double r = std::floor(double(c));
        const double f = double(c) - r;
        if (f > 0.5 || (f == 0.5 && std::fmod(r, 2.0) != 0)) r += 1;
        return static_cast<Vek16s>(r);
    };
    for (int len : ref::lengths()) {
        vt::Rng rng(len);
        std::vector<float> x(len);
        rng.fill(x.data(), len, 70000.0);
        if (len > 3) x[3] = NAN;
        for (int sf : {-200, -3, 0, 1, 4, 200}) {
            const float v = 0.37f * std::ldexp(1.0f, -std::min(std::max(sf, -127), 126));
            std::vector<Vek16s> d(len), want(len);
            for (int i = 0; i < len; ++i) {
                const float y = x[i] * v;
                want[i] = even(std::isnan(y) ? -32768.0f : std::min(std::max(y, -32768.0f), 32767.0f));
            }
            _mm_setcsr(up);
            const VekStatus st = veksMulC_32f16s_Sfs(x.data(), 0.37f, d.data(), len, sf);
            const unsigned after = _mm_getcsr();
            _mm_setcsr(saved);
            ASSERT_EQ(st, 0);
            ASSERT_EQ(after & ~0x3Fu, up & ~0x3Fu);
            ASSERT_EQ(d, want) << len << " " << sf;
        }
    }
}

// Floating forms against a plain loop, bitwise, with special values.
template <class T>
std::vector<T> fdata(int n, int seed) {
    vt::Rng rng(seed);
    std::vector<T> v(n);
    rng.fill(v.data(), n);
    const T special[] = {T(0), -T(0), T(INFINITY), -T(INFINITY), T(NAN), T(1), T(1e-40)};
    for (int i = 0; i < n; i += 5) v[i] = special[(i / 5) % 7];
    return v;
}

template <class T, class F, class G>
void check_float(const char* name, F call, G plain) {
    for (int len : ref::lengths()) {
        const auto a = fdata<T>(len + 2, len), b = fdata<T>(len + 2, len + 3);
        Guarded<T> d(len + 1);
        std::vector<T> want(len);
        ASSERT_EQ(call(a.data() + 1, b.data() + 1, d.data() + 1, len), vekStsNoErr) << name;
        plain(a.data() + 1, b.data() + 1, want.data(), len);
        ASSERT_TRUE(vt::same_bits(d.data() + 1, want.data(), len)) << name << " " << len;
        ASSERT_TRUE(d.guards_intact());
    }
}

TEST(FloatArith, MatchesPlainLoops) {
    auto loop = [](auto op) {
        return [op](const auto* a, const auto* b, auto* d, int n) {
            for (int i = 0; i < n; ++i) d[i] = op(a[i], b[i]);
        };
    };
    auto add = [](auto x, auto y) { return x + y; };
    auto sub = [](auto x, auto y) { return y - x; };
    auto mul = [](auto x, auto y) { return x * y; };
    check_float<float>("Add_32f", veksAdd_32f, loop(add));
    check_float<float>("Sub_32f", veksSub_32f, loop(sub));
    check_float<float>("Mul_32f", veksMul_32f, loop(mul));
    check_float<double>("Add_64f", veksAdd_64f, loop(add));
    check_float<double>("Sub_64f", veksSub_64f, loop(sub));
    check_float<double>("Mul_64f", veksMul_64f, loop(mul));
    check_float<float>("AddC_32f", [](const float* a, const float* b, float* d, int n) { return veksAddC_32f(a, b[0], d, n); },
                       [](const float* a, const float* b, float* d, int n) { for (int i = 0; i < n; ++i) d[i] = a[i] + b[0]; });
    check_float<float>("SubCRev_32f", [](const float* a, const float* b, float* d, int n) { return veksSubCRev_32f(a, b[0], d, n); },
                       [](const float* a, const float* b, float* d, int n) { for (int i = 0; i < n; ++i) d[i] = b[0] - a[i]; });
    check_float<float>("MulC_32f", [](const float* a, const float* b, float* d, int n) { return veksMulC_32f(a, b[0], d, n); },
                       [](const float* a, const float* b, float* d, int n) { for (int i = 0; i < n; ++i) d[i] = a[i] * b[0]; });
    check_float<float>("AddProduct_32f",
                       [](const float* a, const float* b, float* d, int n) {
                           for (int i = 0; i < n; ++i) d[i] = 0.5f * a[i];
                           return veksAddProduct_32f(a, b, d, n);
                       },
                       [](const float* a, const float* b, float* d, int n) { for (int i = 0; i < n; ++i) d[i] = 0.5f * a[i] + a[i] * b[i]; });
    // Complex products as parts: (ar*br - ai*bi, ar*bi + ai*br).
    auto cmul32 = [](const float* a, const float* b, float* d, int n) {
        for (int i = 0; i + 1 < n; i += 2) {
            d[i] = a[i] * b[i] - a[i + 1] * b[i + 1];
            d[i + 1] = a[i] * b[i + 1] + a[i + 1] * b[i];
        }
        if (n & 1) d[n - 1] = 0;
    };
    check_float<float>("Mul_32fc",
                       [](const float* a, const float* b, float* d, int n) {
                           if (n & 1) d[n - 1] = 0;
                           return n < 2 ? veksZero_32f(d, n)
                                        : veksMul_32fc(reinterpret_cast<const Vek32fc*>(a), reinterpret_cast<const Vek32fc*>(b),
                                                       reinterpret_cast<Vek32fc*>(d), n / 2);
                       },
                       cmul32);
    auto cmul64 = [](const double* a, const double* b, double* d, int n) {
        for (int i = 0; i + 1 < n; i += 2) {
            d[i] = a[i] * b[i] - a[i + 1] * b[i + 1];
            d[i + 1] = a[i] * b[i + 1] + a[i + 1] * b[i];
        }
        if (n & 1) d[n - 1] = 0;
    };
    check_float<double>("Mul_64fc",
                        [](const double* a, const double* b, double* d, int n) {
                            if (n & 1) d[n - 1] = 0;
                            return n < 2 ? veksZero_64f(d, n)
                                         : veksMul_64fc(reinterpret_cast<const Vek64fc*>(a), reinterpret_cast<const Vek64fc*>(b),
                                                        reinterpret_cast<Vek64fc*>(d), n / 2);
                        },
                        cmul64);
    check_float<float>("SubC_32fc",
                       [](const float* a, const float* b, float* d, int n) {
                           if (n & 1) d[n - 1] = 0;
                           return n < 2 ? veksZero_32f(d, n)
                                        : veksSubC_32fc(reinterpret_cast<const Vek32fc*>(a), Vek32fc{b[0], b[1]},
                                                        reinterpret_cast<Vek32fc*>(d), n / 2);
                       },
                       [](const float* a, const float* b, float* d, int n) {
                           for (int i = 0; i + 1 < n; i += 2) d[i] = a[i] - b[0], d[i + 1] = a[i + 1] - b[1];
                           if (n & 1) d[n - 1] = 0;
                       });
}

TEST(FloatArith, ConstantShortcuts) {
    const float x[] = {NAN, INFINITY, -0.0f, 2.0f};
    float d[4];
    ASSERT_EQ(veksMulC_32f(x, 0.0f, d, 4), 0);
    for (float v : d) EXPECT_TRUE(v == 0.0f && !std::signbit(v));
    ASSERT_EQ(veksAddC_32f(x, 0.0f, d, 4), 0);
    EXPECT_TRUE(vt::same_bits(d, x, 4));  // -0.0 stays -0.0
    // A destination one element past the source takes the plain loop.
    std::vector<float> buf(40, 1.0f), b(40, 2.0f);
    ASSERT_EQ(veksAddProduct_32f(buf.data(), b.data(), buf.data() + 1, 39), 0);
    float want = 1.0f;
    for (int i = 1; i < 40; ++i) {
        want = 1.0f + want * 2.0f;
        ASSERT_EQ(buf[i], want);
    }
}

}  // namespace
