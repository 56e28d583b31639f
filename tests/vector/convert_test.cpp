// Conversions between integer widths, 24-bit storage and floating point,
// against exact references: long double arithmetic (exact for every value
// and scale factor used here) and integer quotient/remainder rounding.
#include <gtest/gtest.h>
#include <xmmintrin.h>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <functional>
#include <limits>
#include <vector>

#include "test_util.h"

namespace {

using vt::Guarded;

// ---- argument checks -------------------------------------------------------

struct Form {
    const char* name;
    std::function<VekStatus(const void*, void*, int)> call;
};

template <class S, class D, class... A>
Form form(const char* name, VekStatus (*f)(const S*, D*, int, A...), A... a) {
    return {name, [=](const void* s, void* d, int n) { return f(static_cast<const S*>(s), static_cast<D*>(d), n, a...); }};
}

const std::vector<Form>& all_forms() {
    static const std::vector<Form> forms = {
        form("8s16s", veksConvert_8s16s), form("16s32s", veksConvert_16s32s), form("24s32s", veksConvert_24s32s),
        form("24u32u", veksConvert_24u32u), form("8s32f", veksConvert_8s32f), form("8u32f", veksConvert_8u32f),
        form("16s32f", veksConvert_16s32f), form("16u32f", veksConvert_16u32f), form("24s32f", veksConvert_24s32f),
        form("24u32f", veksConvert_24u32f), form("32s32f", veksConvert_32s32f), form("32s64f", veksConvert_32s64f),
        form("64s64f", veksConvert_64s64f), form("32f64f", veksConvert_32f64f), form("64f32f", veksConvert_64f32f),
        form("32s16s", veksConvert_32s16s), form("16s32f_Sfs", veksConvert_16s32f_Sfs, 3),
        form("32s32f_Sfs", veksConvert_32s32f_Sfs, 3), form("16s64f_Sfs", veksConvert_16s64f_Sfs, 3),
        form("32s64f_Sfs", veksConvert_32s64f_Sfs, 3), form("16s8s_Sfs", veksConvert_16s8s_Sfs, 1, 3),
        form("32s16s_Sfs", veksConvert_32s16s_Sfs, 3), form("32s24s_Sfs", veksConvert_32s24s_Sfs, 3),
        form("32u24u_Sfs", veksConvert_32u24u_Sfs, 3), form("64s32s_Sfs", veksConvert_64s32s_Sfs, 1, 3),
        form("32f8s_Sfs", veksConvert_32f8s_Sfs, 1, 3), form("32f8u_Sfs", veksConvert_32f8u_Sfs, 1, 3),
        form("32f16s_Sfs", veksConvert_32f16s_Sfs, 1, 3), form("32f16u_Sfs", veksConvert_32f16u_Sfs, 1, 3),
        form("32f32s_Sfs", veksConvert_32f32s_Sfs, 1, 3), form("64f16s_Sfs", veksConvert_64f16s_Sfs, 1, 3),
        form("64f32s_Sfs", veksConvert_64f32s_Sfs, 1, 3), form("64f64s_Sfs", veksConvert_64f64s_Sfs, 1, 3),
        form("32f24s_Sfs", veksConvert_32f24s_Sfs, 3), form("32f24u_Sfs", veksConvert_32f24u_Sfs, 3),
        form("16s16f", veksConvert_16s16f, 1), form("32f16f", veksConvert_32f16f, 1),
        form("16f32f", veksConvert_16f32f), form("16f16s_Sfs", veksConvert_16f16s_Sfs, 1, 3),
    };
    return forms;
}

TEST(Convert, BadArgumentsFailInOrderAndWriteNothing) {
    for (const Form& f : all_forms()) {
        SCOPED_TRACE(f.name);
        Guarded<std::uint64_t> src(8), dst(8);
        EXPECT_EQ(f.call(nullptr, dst.data(), 4), vekStsNullPtrErr);
        EXPECT_EQ(f.call(src.data(), nullptr, 4), vekStsNullPtrErr);
        EXPECT_EQ(f.call(nullptr, dst.data(), 0), vekStsNullPtrErr);
        EXPECT_EQ(f.call(src.data(), dst.data(), 0), vekStsSizeErr);
        EXPECT_EQ(f.call(src.data(), dst.data(), -7), vekStsSizeErr);
        EXPECT_TRUE(dst.untouched());
        EXPECT_EQ(f.call(src.data(), dst.data(), 8), vekStsNoErr);
        EXPECT_TRUE(dst.guards_intact());
    }
}

// ---- exact references -------------------------------------------------------

enum Mode { Zero = 0, Near = 1, Fin = 2 };

// Rounds the exact value v by mode (Fin: half away from zero).
long double round_by(long double v, int mode) {
    if (mode == Zero) return std::trunc(v);
    if (mode == Near) return std::nearbyint(v);  // default direction: ties to even
    return std::round(v);
}

long double sat(long double v, long double lo, long double hi) { return v < lo ? lo : v > hi ? hi : v; }

// x * 2^-sf rounded on the magnitude with quotient and remainder.
std::int64_t int_ref(std::int64_t x, int sf, int mode, std::int64_t lo, std::int64_t hi) {
    __int128 v;
    if (sf <= 0) {
        v = sf < -70 ? (x > 0 ? __int128(1) << 100 : x < 0 ? -(__int128(1) << 100) : 0) : __int128(x) * (__int128(1) << -sf);
    } else {
        const __int128 a = x < 0 ? -__int128(x) : x;
        const __int128 d = sf > 120 ? (__int128(1) << 120) : __int128(1) << sf;
        __int128 q = sf > 120 ? 0 : a / d;
        const __int128 r2 = sf > 120 ? 2 * a : 2 * (a % d);
        if (mode == Near && (r2 > d || (r2 == d && (q & 1)))) ++q;
        if (mode == Fin && r2 >= d) ++q;
        v = x < 0 ? -q : q;
    }
    return v < lo ? lo : v > hi ? hi : std::int64_t(v);
}

TEST(Convert, IntegerNarrowingMatchesQuotientRounding) {
    for (int mode : {0, 1, 2, 7}) {
        const int m = mode == 7 ? Fin : mode;  // other values act as half away
        for (int sf = -9; sf <= 20; ++sf) {
            std::vector<Vek16s> x(65536);
            for (int i = 0; i < 65536; ++i) x[i] = Vek16s(i - 32768);
            std::vector<Vek8s> y(65536);
            ASSERT_EQ(veksConvert_16s8s_Sfs(x.data(), y.data(), 65536, mode, sf), vekStsNoErr);
            for (int i = 0; i < 65536; ++i) ASSERT_EQ(y[i], int_ref(x[i], sf, m, -128, 127)) << x[i] << " sf " << sf;
        }
    }
    // The worked example: -32768 at scale factor 16.
    Vek16s v = -32768;
    Vek8s out;
    for (auto [mode, want] : {std::pair{Near, 0}, {Fin, -1}, {Zero, 0}}) {
        veksConvert_16s8s_Sfs(&v, &out, 1, mode, 16);
        EXPECT_EQ(out, want);
    }

    vt::Rng rng(3);
    std::vector<Vek64s> w(2000);
    rng.fill(w.data(), w.size());
    for (Vek64s b : {std::numeric_limits<Vek64s>::min(), std::numeric_limits<Vek64s>::max(), 0ll, -1ll, 1ll})
        w.push_back(b);
    for (std::size_t i = 0; i < 500; ++i) w.push_back(w[i] >> (i % 64));
    std::vector<Vek32s> d(w.size());
    std::vector<Vek32s> s32(w.begin(), w.end());
    std::vector<Vek32u> u32(w.begin(), w.end());
    std::vector<Vek16s> d16(w.size());
    std::vector<Vek24s> d24(w.size());
    const int n = int(w.size());
    for (int sf : {-40, -31, -5, 0, 1, 7, 31, 32, 40, 63, 64, 90}) {
        const int c63 = std::clamp(sf, -31, 63), c31 = std::clamp(sf, -15, 31), c24 = std::clamp(sf, -31, 31);
        for (int mode : {Zero, Near, Fin}) {
            ASSERT_EQ(veksConvert_64s32s_Sfs(w.data(), d.data(), n, mode, sf), vekStsNoErr);
            for (int i = 0; i < n; ++i) ASSERT_EQ(d[i], int_ref(w[i], c63, mode, INT32_MIN, INT32_MAX)) << w[i];
        }
        ASSERT_EQ(veksConvert_32s16s_Sfs(s32.data(), d16.data(), n, sf), vekStsNoErr);
        for (int i = 0; i < n; ++i) ASSERT_EQ(d16[i], int_ref(s32[i], c31, Near, -32768, 32767)) << s32[i];
        ASSERT_EQ(veksConvert_32s24s_Sfs(s32.data(), d24.data(), n, sf), vekStsNoErr);
        std::vector<Vek32s> back(n);
        ASSERT_EQ(veksConvert_24s32s(d24.data(), back.data(), n), vekStsNoErr);
        for (int i = 0; i < n; ++i) ASSERT_EQ(back[i], int_ref(s32[i], c24, Near, -8388608, 8388607)) << s32[i];
        ASSERT_EQ(veksConvert_32u24u_Sfs(u32.data(), reinterpret_cast<Vek24u*>(d24.data()), n, sf), vekStsNoErr);
        std::vector<Vek32u> ub(n);
        ASSERT_EQ(veksConvert_24u32u(reinterpret_cast<Vek24u*>(d24.data()), ub.data(), n), vekStsNoErr);
        for (int i = 0; i < n; ++i) ASSERT_EQ(ub[i], int_ref(u32[i], c24, Near, 0, 16777215)) << u32[i];
    }
}

TEST(Convert, TwentyFourBitSignExtensionAndByteOrder) {
    const Vek8u bytes[] = {0xFF, 0xFF, 0x7F, 0x00, 0x00, 0x80, 0xFF, 0xFF, 0xFF, 0x01, 0x02, 0x03, 0, 0, 0};
    const auto* s = reinterpret_cast<const Vek24s*>(bytes);
    const auto* u = reinterpret_cast<const Vek24u*>(bytes);
    Vek32s i[5];
    Vek32u w[5];
    Vek32f f[5], g[5];
    ASSERT_EQ(veksConvert_24s32s(s, i, 5), vekStsNoErr);
    ASSERT_EQ(veksConvert_24u32u(u, w, 5), vekStsNoErr);
    ASSERT_EQ(veksConvert_24s32f(s, f, 5), vekStsNoErr);
    ASSERT_EQ(veksConvert_24u32f(u, g, 5), vekStsNoErr);
    const Vek32s want_s[] = {8388607, -8388608, -1, 0x030201, 0};
    const Vek32u want_u[] = {8388607, 8388608, 16777215, 0x030201, 0};
    for (int k = 0; k < 5; ++k) {
        EXPECT_EQ(i[k], want_s[k]);
        EXPECT_EQ(w[k], want_u[k]);
        EXPECT_EQ(f[k], float(want_s[k]));
        EXPECT_EQ(g[k], float(want_u[k]));
    }
    // Saturation and rounding into 24 bits, and byte order on the way out.
    const Vek32f in[] = {8388607.4f, 8388608.0f, -9e6f, 2.5f, 3.5f, NAN, -0.5f};
    Vek8u out[21];
    ASSERT_EQ(veksConvert_32f24s_Sfs(in, reinterpret_cast<Vek24s*>(out), 7, 0), vekStsNoErr);
    const Vek32s want24[] = {8388607, 8388607, -8388608, 2, 4, -8388608, 0};
    ASSERT_EQ(veksConvert_24s32s(reinterpret_cast<Vek24s*>(out), i, 5), vekStsNoErr);
    Vek32s all[7];
    veksConvert_24s32s(reinterpret_cast<Vek24s*>(out), all, 7);
    for (int k = 0; k < 7; ++k) EXPECT_EQ(all[k], want24[k]) << k;
    EXPECT_EQ(out[0], 0xFF);
    EXPECT_EQ(out[2], 0x7F);
    ASSERT_EQ(veksConvert_32f24u_Sfs(in, reinterpret_cast<Vek24u*>(out), 7, -1), vekStsNoErr);
    Vek32u allu[7];
    veksConvert_24u32u(reinterpret_cast<Vek24u*>(out), allu, 7);
    const Vek32u want24u[] = {16777215, 16777215, 0, 5, 7, 0, 0};
    for (int k = 0; k < 7; ++k) EXPECT_EQ(allu[k], want24u[k]) << k;
}

// ---- float to integer -------------------------------------------------------

struct FloatToInt {
    const char* name;
    bool from_double;
    long double lo, hi;
    bool clamp_first;  // the 64f16s form clamps before rounding: NaN -> max
    std::function<VekStatus(const void*, void*, int, int, int)> call;
    std::function<long double(const void*, int)> get;
};

template <class S, class D>
FloatToInt f2i(const char* name, VekStatus (*f)(const S*, D*, int, int, int), bool clamp_first = false) {
    return {name,
            sizeof(S) == 8,
            (long double)std::numeric_limits<D>::lowest(),
            (long double)std::numeric_limits<D>::max(),
            clamp_first,
            [f](const void* s, void* d, int n, int m, int sf) { return f((const S*)s, (D*)d, n, m, sf); },
            [](const void* d, int i) { return (long double)((const D*)d)[i]; }};
}

// Values that exercise ties, bounds and specials for a destination range.
std::vector<double> probe_values(long double lo, long double hi, vt::Rng& rng) {
    std::vector<double> v = {0.0, -0.0, 0.5, -0.5, 1.5, -1.5, 2.5, -2.5, 0.25, -0.75, 1e10, -1e10,
                             INFINITY, -INFINITY, NAN, 32767.5, -32768.5, 127.5, -128.5, 255.5};
    for (long double b : {lo, hi})
        for (double d : {-1.0, -0.5, -0.25, 0.0, 0.25, 0.5, 1.0}) v.push_back(double(b) + d);
    for (int i = 0; i < 400; ++i) v.push_back(rng.next<double>(double(hi) * 1.2));
    for (int i = 0; i < 100; ++i) v.push_back(std::floor(rng.next<double>(200.0)) + 0.5);
    return v;
}

// Fin adds the half in the source precision; away from [0.25, 0.5) and
// from magnitudes of 2^22 and more this equals exact rounding half away.
bool fin_exact_zone(long double v, bool dbl) {
    const long double a = std::fabs(v);
    return !(a >= 0.25L && a < 0.5L) && a < (dbl ? 4503599627370496.0L : 4194304.0L);
}

TEST(Convert, FloatToIntegerEveryModeAgainstExactRounding) {
    const std::vector<FloatToInt> table = {
        f2i("32f8s", veksConvert_32f8s_Sfs),   f2i("32f8u", veksConvert_32f8u_Sfs),
        f2i("32f16s", veksConvert_32f16s_Sfs), f2i("32f16u", veksConvert_32f16u_Sfs),
        f2i("32f32s", veksConvert_32f32s_Sfs), f2i("64f16s", veksConvert_64f16s_Sfs, true),
        f2i("64f32s", veksConvert_64f32s_Sfs), f2i("64f64s", veksConvert_64f64s_Sfs),
    };
    vt::Rng rng(9);
    for (const auto& t : table) {
        SCOPED_TRACE(t.name);
        std::vector<double> vals = probe_values(t.lo, t.hi, rng);
        const int n = int(vals.size());
        std::vector<float> singles(vals.begin(), vals.end());
        const void* src = t.from_double ? (const void*)vals.data() : (const void*)singles.data();
        std::vector<std::int64_t> out(n);
        for (int sf : {-3, 0, 2, 9}) {
            for (int mode : {Zero, Near, Fin}) {
                ASSERT_EQ(t.call(src, out.data(), n, mode, sf), vekStsNoErr);
                for (int i = 0; i < n; ++i) {
                    const long double x = t.from_double ? (long double)vals[i] : (long double)singles[i];
                    const long double v = std::ldexp(x, -sf);
                    // Fin clamps singles to the largest single below 2^31.
                    const long double hi =
                        mode == Fin && !t.from_double && t.hi == INT32_MAX ? 2147483520.0L : t.hi;
                    long double want;
                    if (std::isnan(x)) {
                        const bool is64 = t.hi > 1e18L;
                        want = t.clamp_first ? hi : (mode == Fin && !is64) ? hi : t.lo;
                    } else {
                        if (mode == Fin && !fin_exact_zone(v, t.from_double)) continue;
                        want = sat(round_by(v, mode), t.lo, hi);
                    }
                    ASSERT_EQ(t.get(out.data(), i), want) << "x " << double(x) << " sf " << sf << " mode " << mode;
                }
            }
        }
    }
}

TEST(Convert, FloatToIntegerWorkedCases) {
    struct Case {
        float x;
        int mode, sf;
        Vek16s want;
    } cases[] = {{32767.5f, Near, 0, 32767}, {-0.5f, Near, 0, 0},     {-0.5f, Fin, 0, -1},
                 {1e10f, Zero, 0, 32767},    {1e10f, Near, 0, 32767}, {1e10f, Fin, 0, 32767},
                 {0.49999997f, Fin, 0, 1},   {NAN, Zero, 0, -32768},  {NAN, Fin, 0, 32767},
                 {3e38f, Near, -200, 32767}, {5.0f, Near, 127, 0},    {5.0f, Zero, 300, 0}};
    for (const Case& c : cases) {
        Vek16s y;
        ASSERT_EQ(veksConvert_32f16s_Sfs(&c.x, &y, 1, c.mode, c.sf), vekStsNoErr);
        EXPECT_EQ(y, c.want) << c.x << " mode " << c.mode;
    }
    // Odd magnitudes above 2^23 round to even when the half is added in
    // single precision.
    const float odd = 8388609.0f;
    Vek32s r;
    veksConvert_32f32s_Sfs(&odd, &r, 1, Fin, 0);
    EXPECT_EQ(r, 8388610);
    const double d[] = {-2.5, -3.5, NAN, 9.3e18, -1e300};
    Vek64s q[5];
    ASSERT_EQ(veksConvert_64f64s_Sfs(d, q, 5, Near, 0), vekStsNoErr);
    EXPECT_EQ(q[0], -2);
    EXPECT_EQ(q[1], -4);
    EXPECT_EQ(q[2], std::numeric_limits<Vek64s>::min());
    EXPECT_EQ(q[3], std::numeric_limits<Vek64s>::max());
    EXPECT_EQ(q[4], std::numeric_limits<Vek64s>::min());
}

// Lengths across every head and tail, every misalignment: the vector
// kernels agree with one-element calls.
TEST(Convert, VectorPathsMatchSingleElementCalls) {
    vt::Rng rng(5);
    for (int len : vt::sweep_lengths()) {
        for (int off = 0; off < 3; ++off) {
            std::vector<float> x(len + 3);
            rng.fill(x.data(), x.size(), 300.0);
            for (int i = 0; i < len + 3; i += 7) x[i] = std::floor(x[i]) + 0.5f;
            for (int mode : {Zero, Near, Fin}) {
                Guarded<Vek16s> a(len + 3);
                Guarded<Vek8u> b(len + 3);
                ASSERT_EQ(veksConvert_32f16s_Sfs(x.data() + off, a.data() + off, len, mode, -4), vekStsNoErr);
                ASSERT_EQ(veksConvert_32f8u_Sfs(x.data() + off, b.data() + off, len, mode, 1), vekStsNoErr);
                for (int i = 0; i < len; ++i) {
                    Vek16s one;
                    Vek8u one8;
                    veksConvert_32f16s_Sfs(&x[off + i], &one, 1, mode, -4);
                    veksConvert_32f8u_Sfs(&x[off + i], &one8, 1, mode, 1);
                    ASSERT_EQ(a[off + i], one);
                    ASSERT_EQ(b[off + i], one8);
                }
                ASSERT_TRUE(a.guards_intact() && b.guards_intact());
            }
            std::vector<Vek16s> s(len + 3);
            std::vector<Vek8u> u(len + 3);
            rng.fill(s.data(), s.size());
            rng.fill(u.data(), u.size());
            Guarded<Vek32f> f(len + 3), g(len + 3);
            ASSERT_EQ(veksConvert_16s32f_Sfs(s.data() + off, f.data() + off, len, 5), vekStsNoErr);
            ASSERT_EQ(veksConvert_8u32f(u.data() + off, g.data() + off, len), vekStsNoErr);
            for (int i = 0; i < len; ++i) {
                ASSERT_EQ(f[off + i], std::ldexp(float(s[off + i]), -5));
                ASSERT_EQ(g[off + i], float(u[off + i]));
            }
            ASSERT_TRUE(f.guards_intact() && g.guards_intact());
        }
    }
}

// ---- integer to floating point -------------------------------------------------

TEST(Convert, IntegerToFloatExactOrNearestEven) {
    vt::Rng rng(11);
    const int n = 4000;
    std::vector<Vek32s> i32(n);
    std::vector<Vek64s> i64(n);
    std::vector<Vek64f> f64(n);
    rng.fill(i32.data(), n);
    rng.fill(i64.data(), n);
    for (int i = 0; i < n; ++i) f64[i] = std::ldexp(rng.next<double>(1.0), int(rng.raw() % 300) - 150);
    std::vector<Vek32f> o32(n), o32b(n);
    std::vector<Vek64f> o64(n);
    // The caller's rounding direction must not leak into the results and
    // must come back unchanged.
    const unsigned csr = _mm_getcsr();
    _mm_setcsr((csr & ~0x6000u) | 0x6000u);
    ASSERT_EQ(veksConvert_32s32f(i32.data(), o32.data(), n), vekStsNoErr);
    ASSERT_EQ(veksConvert_64s64f(i64.data(), o64.data(), n), vekStsNoErr);
    ASSERT_EQ(veksConvert_64f32f(f64.data(), o32b.data(), n), vekStsNoErr);
    EXPECT_EQ(_mm_getcsr() & ~0x3Fu, ((csr & ~0x6000u) | 0x6000u) & ~0x3Fu);
    _mm_setcsr(csr);
    for (int i = 0; i < n; ++i) {
        ASSERT_EQ(o32[i], float(i32[i]));
        ASSERT_EQ(o64[i], double(i64[i]));
        ASSERT_EQ(o32b[i], float(f64[i]));
    }
    std::vector<Vek16s> i16(65536);
    for (int i = 0; i < 65536; ++i) i16[i] = Vek16s(i - 32768);
    std::vector<Vek32f> f(65536);
    std::vector<Vek64f> d(65536);
    for (auto [sf, clamped] : {std::pair{-200, -112}, {-112, -112}, {-1, -1}, {0, 0}, {126, 126}, {300, 126}}) {
        ASSERT_EQ(veksConvert_16s32f_Sfs(i16.data(), f.data(), 65536, sf), vekStsNoErr);
        for (int i = 0; i < 65536; ++i) ASSERT_EQ(f[i], std::ldexp(float(i16[i]), -clamped)) << sf;
    }
    for (auto [sf, clamped] : {std::pair{-2000, -1008}, {5, 5}, {3000, 1022}}) {
        ASSERT_EQ(veksConvert_16s64f_Sfs(i16.data(), d.data(), 65536, sf), vekStsNoErr);
        for (int i = 0; i < 65536; ++i) ASSERT_EQ(d[i], std::ldexp(double(i16[i]), -clamped));
    }
    for (auto [sf, clamped] : {std::pair{-100, -96}, {3, 3}, {200, 126}}) {
        ASSERT_EQ(veksConvert_32s32f_Sfs(i32.data(), o32.data(), n, sf), vekStsNoErr);
        for (int i = 0; i < n; ++i) ASSERT_EQ(o32[i], std::ldexp(float(i32[i]), -clamped));
    }
    for (auto [sf, clamped] : {std::pair{-1000, -992}, {3, 3}, {2000, 1022}}) {
        ASSERT_EQ(veksConvert_32s64f_Sfs(i32.data(), o64.data(), n, sf), vekStsNoErr);
        for (int i = 0; i < n; ++i) ASSERT_EQ(o64[i], std::ldexp(double(i32[i]), -clamped));
    }
    const Vek32s wide[] = {40000, -40000, 32767, -32768, 5};
    Vek16s narrow[5];
    ASSERT_EQ(veksConvert_32s16s(wide, narrow, 5), vekStsNoErr);
    const Vek16s want[] = {32767, -32768, 32767, -32768, 5};
    for (int k = 0; k < 5; ++k) EXPECT_EQ(narrow[k], want[k]);
}

TEST(Convert, RoundingDirectionRestoredOnEveryPath) {
    const unsigned csr = _mm_getcsr();
    for (unsigned dir : {0x2000u, 0x4000u, 0x6000u}) {
        const unsigned mine = (csr & ~0x6000u) | dir;
        _mm_setcsr(mine);
        float x[20] = {1.5f, -2.5f, NAN};
        Vek16s y[20];
        Vek16f h[20];
        veksConvert_32f16s_Sfs(x, y, 20, Near, 0);
        EXPECT_EQ(_mm_getcsr() & ~0x3Fu, mine & ~0x3Fu);
        EXPECT_EQ(y[0], 2);  // nearest even despite the caller's direction
        EXPECT_EQ(y[1], -2);
        veksConvert_32f16s_Sfs(x, y, 20, Zero, 1);
        veksConvert_32f16s_Sfs(x, y, 20, Fin, -1);
        veksConvert_32f16f(x, h, 20, 1);
        EXPECT_EQ(veksConvert_32f16f(x, h, 20, 2), vekStsRoundModeErr);
        EXPECT_EQ(veksConvert_32f16s_Sfs(x, y, 0, Near, 0), vekStsSizeErr);
        EXPECT_EQ(_mm_getcsr() & ~0x3Fu, mine & ~0x3Fu);
        _mm_setcsr(csr);
    }
}

}  // namespace

// ---- channel join and split --------------------------------------------------

namespace {

TEST(Channels, JoinInterleavesAndSplitInverts) {
    const int nch = 3, len = 37;
    vt::Rng rng(12);
    std::vector<std::vector<float>> ch(nch, std::vector<float>(len));
    for (auto& c : ch) rng.fill(c.data(), len, 1.2);
    ch[0][0] = 2.0f, ch[1][0] = -1.0f, ch[2][0] = 1.0f, ch[0][1] = 1234.5f, ch[1][1] = 1e6f;
    const float* src[nch] = {ch[0].data(), ch[1].data(), ch[2].data()};
    std::vector<Vek16s> plain(nch * len), scaled(nch * len);
    std::vector<Vek8u> s24(3 * nch * len);
    ASSERT_EQ(veksJoin_32f16s_D2L(src, nch, len, plain.data()), vekStsNoErr);
    ASSERT_EQ(veksJoinScaled_32f16s_D2L(src, nch, len, scaled.data()), vekStsNoErr);
    ASSERT_EQ(veksJoinScaled_32f24s_D2L(src, nch, len, reinterpret_cast<Vek24s*>(s24.data())), vekStsNoErr);
    std::vector<Vek32s> wide(nch * len);
    veksConvert_24s32s(reinterpret_cast<Vek24s*>(s24.data()), wide.data(), nch * len);
    for (int j = 0; j < len; ++j)
        for (int c = 0; c < nch; ++c) {
            const float x = ch[c][j], u = std::clamp(x, -1.0f, 1.0f);
            const int k = j * nch + c;
            ASSERT_EQ(plain[k], std::clamp(std::nearbyint(x), -32768.0f, 32767.0f));
            ASSERT_EQ(scaled[k], std::nearbyint(u * 32767.5f - 0.5f));
            ASSERT_EQ(wide[k], std::nearbyint(double(u) * 8388607.5 - 0.5));
        }
    EXPECT_EQ(scaled[0], 32767);
    EXPECT_EQ(scaled[1], -32768);

    std::vector<std::vector<float>> back(nch, std::vector<float>(len));
    float* dst[nch] = {back[0].data(), back[1].data(), back[2].data()};
    scaled[0] = -32768;
    ASSERT_EQ(veksSplitScaled_16s32f_D2L(scaled.data(), dst, nch, len), vekStsNoErr);
    EXPECT_EQ(back[0][0], -1.0f);
    for (int j = 0; j < len; ++j)
        for (int c = 0; c < nch; ++c) {
            const float want = float(scaled[j * nch + c]) * float(2.0 / 65535) + float(1.0 / 65535);
            ASSERT_EQ(back[c][j], want);
        }
    ASSERT_EQ(veksSplitScaled_24s32f_D2L(reinterpret_cast<Vek24s*>(s24.data()), dst, nch, len), vekStsNoErr);
    for (int j = 0; j < len; ++j)
        for (int c = 0; c < nch; ++c)
            ASSERT_EQ(back[c][j], float(wide[j * nch + c] * (2.0 / 16777215) + 1.0 / 16777215));
}

TEST(Channels, ChecksInOrder) {
    float a[4] = {}, b[4] = {};
    const float* src[2] = {a, nullptr};
    float* dst[2] = {a, b};
    vt::Guarded<Vek16s> out(8);
    EXPECT_EQ(veksJoin_32f16s_D2L(src, 2, 4, nullptr), vekStsNullPtrErr);
    EXPECT_EQ(veksJoin_32f16s_D2L(nullptr, 0, 4, out.data()), vekStsSizeErr);
    EXPECT_EQ(veksJoin_32f16s_D2L(src, 2, 0, out.data()), vekStsSizeErr);
    EXPECT_EQ(veksJoin_32f16s_D2L(nullptr, 2, 4, out.data()), vekStsNullPtrErr);
    EXPECT_EQ(veksJoinScaled_32f16s_D2L(src, 2, 4, out.data()), vekStsNullPtrErr);
    EXPECT_EQ(veksJoinScaled_32f24s_D2L(src, 2, 4, reinterpret_cast<Vek24s*>(out.data())), vekStsNullPtrErr);
    EXPECT_TRUE(out.untouched());
    const Vek16s in[8] = {};
    EXPECT_EQ(veksSplitScaled_16s32f_D2L(nullptr, dst, 2, 4), vekStsNullPtrErr);
    EXPECT_EQ(veksSplitScaled_16s32f_D2L(in, nullptr, -1, 4), vekStsSizeErr);
    EXPECT_EQ(veksSplitScaled_16s32f_D2L(in, nullptr, 2, 4), vekStsNullPtrErr);
    dst[1] = nullptr;
    EXPECT_EQ(veksSplitScaled_24s32f_D2L(reinterpret_cast<const Vek24s*>(in), dst, 2, 2), vekStsNullPtrErr);
    EXPECT_EQ(a[0], 0.0f);
}

}  // namespace
