// The hot element-wise kernels (which run on the widest registers the
// processor has) against plain scalar references, bit for bit: every
// length up to several registers plus block boundaries, sources and
// destinations offset independently so that heads, masked tails and
// unaligned registers all occur, in-place calls, and guard bytes around
// the destination. The suite also runs with VEKS_CPU_CAP set to avx2 and
// ssse3, so each instruction set meets the same references.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <cstring>
#include <functional>
#include <initializer_list>
#include <limits>
#include <vector>

#include <xmmintrin.h>

#include "arith_ref.h"
#include "test_util.h"

namespace {

using vt::Guarded;

std::vector<int> lengths() {
    std::vector<int> l = vt::sweep_lengths(70);
    for (int n : {95, 96, 97, 191, 192, 193}) l.push_back(n);
    return l;
}

// Random values with zeros of both signs, infinities, NaN, subnormals and
// exact halves spread through the data.
template <class T>
std::vector<T> fdata(int n, std::uint64_t seed, double scale = 1000.0) {
    vt::Rng rng(seed);
    std::vector<T> v(n);
    rng.fill(v.data(), n, scale);
    const T special[] = {T(0), -T(0), T(INFINITY), -T(INFINITY), T(NAN), T(1e-40), T(2.5), T(-3.5), T(0.5)};
    for (int i = 3; i < n; i += 7) v[i] = special[(i / 7) % 9];
    return v;
}

// Source offsets x destination offset, in elements.
struct Offsets {
    int a, b, d;
};
const Offsets kOffsets[] = {{0, 0, 0}, {1, 1, 1}, {0, 3, 1}, {2, 0, 5}, {7, 5, 3}};

// One floating form: `call` runs the library on (a, b, d, n); `ref`
// computes element i from a[i], b[i] (and the old d[i] for accumulations).
template <class T>
struct FCase {
    const char* name;
    std::function<VekStatus(const T*, const T*, T*, int)> call;
    std::function<T(T, T, T, int)> ref;  // (a, b, old d, index)
    VekStatus status_if_zero = vekStsNoErr;  // status when some b[i] is 0
};

template <class T>
void run_cases(const std::vector<FCase<T>>& cases) {
    for (const FCase<T>& c : cases) {
        for (int len : lengths()) {
            for (const Offsets& o : kOffsets) {
                const auto a = fdata<T>(len + 8, len), b = fdata<T>(len + 8, len + 99);
                Guarded<T> d(len + 8);
                const auto old = fdata<T>(len + 8, 7 * len);
                std::memcpy(d.data(), old.data(), (len + 8) * sizeof(T));
                bool zero = false;
                std::vector<T> want(old.begin(), old.end());
                for (int i = 0; i < len; ++i) {
                    zero |= b[o.b + i] == 0;
                    want[o.d + i] = c.ref(a[o.a + i], b[o.b + i], old[o.d + i], i);
                }
                const VekStatus st = c.call(a.data() + o.a, b.data() + o.b, d.data() + o.d, len);
                ASSERT_EQ(st, zero ? c.status_if_zero : vekStsNoErr) << c.name << " " << len;
                ASSERT_TRUE(vt::same_bits(d.data(), want.data(), len + 8)) << c.name << " len " << len << " offsets " << o.a
                                                                           << o.b << o.d;
                ASSERT_TRUE(d.guards_intact()) << c.name;
            }
        }
    }
}

template <class T>
T divide(T x, T y) {
    if (y != 0) return x / y;
    if (x == 0) {
        T q;
        if constexpr (sizeof(T) == 4) { const std::uint32_t u = 0x7FBFFFFFu; std::memcpy(&q, &u, 4); }
        else { const std::uint64_t u = 0x7FF8000000000000ull; std::memcpy(&q, &u, 8); }
        return q;
    }
    return x != x ? x : std::copysign(T(INFINITY), x);
}

TEST(WidePaths, RealFloatForms) {
    using F = float;
    run_cases<F>({
        {"Add_32f", [](auto a, auto b, auto d, int n) { return veksAdd_32f(a, b, d, n); }, [](F x, F y, F, int) { return x + y; }},
        {"Sub_32f", [](auto a, auto b, auto d, int n) { return veksSub_32f(a, b, d, n); }, [](F x, F y, F, int) { return y - x; }},
        {"Mul_32f", [](auto a, auto b, auto d, int n) { return veksMul_32f(a, b, d, n); }, [](F x, F y, F, int) { return x * y; }},
        {"Mul_32f_I", [](auto a, auto, auto d, int n) { return veksMul_32f_I(a, d, n); }, [](F x, F, F o, int) { return o * x; }},
        {"AddC_32f", [](auto a, auto, auto d, int n) { return veksAddC_32f(a, 1.25f, d, n); }, [](F x, F, F, int) { return x + 1.25f; }},
        {"SubC_32f", [](auto a, auto, auto d, int n) { return veksSubC_32f(a, 3.0f, d, n); }, [](F x, F, F, int) { return x - 3.0f; }},
        {"SubCRev_32f", [](auto a, auto, auto d, int n) { return veksSubCRev_32f(a, -2.0f, d, n); }, [](F x, F, F, int) { return -2.0f - x; }},
        {"MulC_32f", [](auto a, auto, auto d, int n) { return veksMulC_32f(a, 1.5f, d, n); }, [](F x, F, F, int) { return x * 1.5f; }},
        {"MulC_32f_I", [](auto, auto, auto d, int n) { return veksMulC_32f_I(-0.75f, d, n); }, [](F, F, F o, int) { return o * -0.75f; }},
        {"AddProduct_32f", [](auto a, auto b, auto d, int n) { return veksAddProduct_32f(a, b, d, n); },
         [](F x, F y, F o, int) { return o + x * y; }},
        {"AddProductC_32f", [](auto a, auto, auto d, int n) { return veksAddProductC_32f(a, 0.3f, d, n); },
         [](F x, F, F o, int) { return o + x * 0.3f; }},
        {"Div_32f", [](auto a, auto b, auto d, int n) { return veksDiv_32f(b, a, d, n); }, [](F x, F y, F, int) { return divide(x, y); },
         vekStsDivByZero},
        {"Threshold_LT_32f", [](auto a, auto, auto d, int n) { return veksThreshold_LT_32f(a, d, n, 2.5f); },
         [](F x, F, F, int) { return x < 2.5f ? 2.5f : x; }},
        {"Threshold_LT_32f_I", [](auto, auto, auto d, int n) { return veksThreshold_LT_32f_I(d, n, -0.0f); },
         [](F, F, F o, int) { return o < -0.0f ? -0.0f : o; }},
    });
}

TEST(WidePaths, DoubleForms) {
    using D = double;
    run_cases<D>({
        {"Add_64f", [](auto a, auto b, auto d, int n) { return veksAdd_64f(a, b, d, n); }, [](D x, D y, D, int) { return x + y; }},
        {"Sub_64f_I", [](auto a, auto, auto d, int n) { return veksSub_64f_I(a, d, n); }, [](D x, D, D o, int) { return o - x; }},
        {"Mul_64f", [](auto a, auto b, auto d, int n) { return veksMul_64f(a, b, d, n); }, [](D x, D y, D, int) { return x * y; }},
        {"MulC_64f", [](auto a, auto, auto d, int n) { return veksMulC_64f(a, -3.0, d, n); }, [](D x, D, D, int) { return x * -3.0; }},
        {"SubCRev_64f", [](auto a, auto, auto d, int n) { return veksSubCRev_64f(a, 0.5, d, n); }, [](D x, D, D, int) { return 0.5 - x; }},
        {"AddProduct_64f", [](auto a, auto b, auto d, int n) { return veksAddProduct_64f(a, b, d, n); },
         [](D x, D y, D o, int) { return o + x * y; }},
        {"Div_64f", [](auto a, auto b, auto d, int n) { return veksDiv_64f(b, a, d, n); }, [](D x, D y, D, int) { return divide(x, y); },
         vekStsDivByZero},
    });
}

// Divisors so small that any product of four underflows to zero, but none
// zero: no warning, and every lane the true quotient.
template <class T>
void check_tiny_divisors(VekStatus (*div)(const T*, const T*, T*, int), T tiny) {
    for (int len : {1, 8, 31, 32, 33, 64, 100}) {
        std::vector<T> d(len), x(len), q(len);
        for (int i = 0; i < len; ++i) d[i] = (i % 3 == 1 ? -tiny : tiny) * T(1 + i % 5), x[i] = T(i % 7) * T(1e-3);
        ASSERT_EQ(div(d.data(), x.data(), q.data(), len), vekStsNoErr) << len;
        for (int i = 0; i < len; ++i) ASSERT_TRUE(vt::same_bits(&q[i], std::vector<T>{x[i] / d[i]}.data(), 1)) << len << " " << i;
    }
}

TEST(WidePaths, DivTinyDivisorsAreNotZero) {
    check_tiny_divisors<float>(veksDiv_32f, 1e-30f);
    check_tiny_divisors<double>(veksDiv_64f, 1e-300);
}

// Complex forms: element i of the parts depends on both parts of its
// complex element, so they get a loop of their own over lengths in
// complex elements. A constant operand is the repeated pair k.
template <class C, class T, class Call, class Part>
void check_complex(const char* name, Call call, bool acc, bool by_const, Part part) {
    const C k{T(0.75), T(-1.5)};
    for (int len : lengths()) {
        for (const Offsets& o : kOffsets) {
            const auto a = fdata<T>(2 * len + 16, len), old = fdata<T>(2 * len + 16, len + 9);
            auto b = fdata<T>(2 * len + 16, len + 5);
            if (by_const)
                for (std::size_t i = 0; i < b.size(); ++i) b[i] = (i & 1) ? k.im : k.re;
            Guarded<C> d(len + 8);
            std::memcpy(d.data(), old.data(), (len + 8) * sizeof(C));
            const T* pa = a.data() + 2 * o.a;
            const T* pb = b.data() + 2 * o.b;
            std::vector<T> want(old.begin(), old.begin() + 2 * (len + 8));
            for (int i = 0; i < 2 * len; ++i) {
                T& w = want[2 * o.d + i];
                w = acc ? w + part(pa, pb, i) : part(pa, pb, i);
            }
            ASSERT_EQ(call((const C*)pa, (const C*)pb, k, d.data() + o.d, len), vekStsNoErr);
            ASSERT_TRUE(vt::same_bits((const T*)d.data(), want.data(), 2 * (len + 8))) << name << " len " << len;
            ASSERT_TRUE(d.guards_intact()) << name;
        }
    }
}

// (ar*br - ai*bi, ar*bi + ai*br) on parts.
template <class T>
T cmul_part(const T* a, const T* b, int i) {
    const int k = i & ~1;
    return (i & 1) ? a[k] * b[k + 1] + a[k + 1] * b[k] : a[k] * b[k] - a[k + 1] * b[k + 1];
}
template <class T>
T add_part(const T* a, const T* b, int i) { return a[i] + b[i]; }
template <class T>
T rsub_part(const T* a, const T* b, int i) { return b[i] - a[i]; }

TEST(WidePaths, ComplexForms) {
    using C = Vek32fc;
    using Z = Vek64fc;
    check_complex<C, float>("Mul_32fc", [](auto a, auto b, auto, auto d, int n) { return veksMul_32fc(a, b, d, n); }, false, false,
                            cmul_part<float>);
    check_complex<C, float>("MulC_32fc", [](auto a, auto, auto k, auto d, int n) { return veksMulC_32fc(a, k, d, n); }, false, true,
                            cmul_part<float>);
    check_complex<C, float>("AddProduct_32fc", [](auto a, auto b, auto, auto d, int n) { return veksAddProduct_32fc(a, b, d, n); },
                            true, false, cmul_part<float>);
    check_complex<C, float>("AddC_32fc", [](auto a, auto, auto k, auto d, int n) { return veksAddC_32fc(a, k, d, n); }, false, true,
                            add_part<float>);
    check_complex<Z, double>("Mul_64fc", [](auto a, auto b, auto, auto d, int n) { return veksMul_64fc(a, b, d, n); }, false, false,
                             cmul_part<double>);
    check_complex<Z, double>("MulC_64fc", [](auto a, auto, auto k, auto d, int n) { return veksMulC_64fc(a, k, d, n); }, false, true,
                             cmul_part<double>);
    check_complex<Z, double>("SubCRev_64fc", [](auto a, auto, auto k, auto d, int n) { return veksSubCRev_64fc(a, k, d, n); }, false,
                             true, rsub_part<double>);
}

// The complex products take a wider path when the sources and the
// destination share their offset within a 64-byte line; every such shift.
template <class C, class T>
void check_complex_in_step() {
    const C k{T(0.75), T(-1.5)};
    constexpr int per_line = 64 / sizeof(C);
    for (int len : lengths()) {
        const int n = 2 * (len + 2 * per_line);
        const auto a = fdata<T>(n + 16, len), b = fdata<T>(n + 16, len + 5), old = fdata<T>(n + 16, len + 9);
        std::vector<T> d(n + 16), want(n + 16), kb(n);
        for (int i = 0; i < n; ++i) kb[i] = (i & 1) ? k.im : k.re;
        auto line = [](const std::vector<T>& v) {
            const auto at = reinterpret_cast<std::uintptr_t>(v.data());
            return static_cast<int>(((64 - at % 64) % 64) / sizeof(T));
        };
        for (int shift = 0; shift < per_line; ++shift) {
            const T* pa = a.data() + line(a) + 2 * shift;
            const T* pb = b.data() + line(b) + 2 * shift;
            T* pd = d.data() + line(d) + 2 * shift;
            for (int form = 0; form < 3; ++form) {
                std::memcpy(d.data(), old.data(), d.size() * sizeof(T));
                want = old;
                T* pw = want.data() + (pd - d.data());
                const T* src_b = form == 1 ? kb.data() : pb;
                for (int i = 0; i < 2 * len; ++i)
                    pw[i] = form == 2 ? pw[i] + cmul_part(pa, src_b, i) : cmul_part(pa, src_b, i);
                const C* ca = reinterpret_cast<const C*>(pa);
                const C* cb = reinterpret_cast<const C*>(pb);
                C* cd = reinterpret_cast<C*>(pd);
                VekStatus st;
                if constexpr (sizeof(T) == 4)
                    st = form == 0 ? veksMul_32fc(ca, cb, cd, len) : form == 1 ? veksMulC_32fc(ca, k, cd, len) : veksAddProduct_32fc(ca, cb, cd, len);
                else
                    st = form == 0 ? veksMul_64fc(ca, cb, cd, len) : form == 1 ? veksMulC_64fc(ca, k, cd, len) : veksAddProduct_64fc(ca, cb, cd, len);
                ASSERT_EQ(st, vekStsNoErr);
                // The data hold infinities, so a product's part can be an
                // invalid-operation NaN; its sign is not the formula's to fix.
                ASSERT_TRUE(vt::same_bits_any_nan(d.data(), want.data(), d.size()))
                    << "form " << form << " len " << len << " shift " << shift;
            }
        }
    }
}

TEST(WidePaths, ComplexFormsInStep) {
    check_complex_in_step<Vek32fc, float>();
    check_complex_in_step<Vek64fc, double>();
}

// Scaled integer forms against the exact 128-bit reference, on every
// scale-factor path: sign only, left shift, plain, one, right shift.
template <class T>
struct SCase {
    const char* name;
    VekStatus (*vv)(const T*, const T*, T*, int, int);
    VekStatus (*vc)(const T*, T, T*, int, int);
    ref::i128 (*op)(ref::i128, ref::i128);  // (first, second)
};

template <class T>
void check_scaled(std::initializer_list<SCase<T>> cases, std::initializer_list<int> sfs) {
    vt::Rng rng(5);
    for (const SCase<T>& c : cases) {
        for (int sf : sfs) {
            for (int len : lengths()) {
                for (const Offsets& o : kOffsets) {
                    std::vector<T> a(len + 8), b(len + 8);
                    rng.fill(a.data(), a.size());
                    rng.fill(b.data(), b.size());
                    for (int i = 0; i < len + 8; i += 11) a[i] = (i & 16) ? std::numeric_limits<T>::lowest() : std::numeric_limits<T>::max();
                    for (int i = 5; i < len + 8; i += 13) b[i] = T(a[i] >> (i & 3));  // small results and ties
                    const T k = T(rng.raw() % 700 - 350);
                    for (int form = 0; form < 2; ++form) {
                        if ((form == 0 && !c.vv) || (form == 1 && !c.vc)) continue;
                        Guarded<T> d(len + 8);
                        std::vector<T> want(len);
                        for (int i = 0; i < len; ++i) want[i] = ref::scaled<T>(c.op(a[o.a + i], form ? k : b[o.b + i]), sf);
                        const VekStatus st = form ? c.vc(a.data() + o.a, k, d.data() + o.d, len, sf)
                                                  : c.vv(a.data() + o.a, b.data() + o.b, d.data() + o.d, len, sf);
                        ASSERT_EQ(st, vekStsNoErr);
                        ASSERT_TRUE(vt::same_bits(d.data() + o.d, want.data(), len))
                            << c.name << (form ? "C" : "") << " sf " << sf << " len " << len;
                        ASSERT_TRUE(d.guards_intact()) << c.name;
                    }
                }
            }
        }
    }
}

using ref::i128;
i128 add(i128 x, i128 y) { return x + y; }
i128 rsub(i128 x, i128 y) { return y - x; }
i128 sub(i128 x, i128 y) { return x - y; }
i128 mul(i128 x, i128 y) { return x * y; }

TEST(WidePaths, Scaled16s) {
    check_scaled<Vek16s>({{"Add_16s", veksAdd_16s_Sfs, veksAddC_16s_Sfs, add},
                          {"Sub_16s", veksSub_16s_Sfs, veksSubCRev_16s_Sfs, rsub},
                          {"SubC_16s", nullptr, veksSubC_16s_Sfs, sub},
                          {"Mul_16s", veksMul_16s_Sfs, veksMulC_16s_Sfs, mul}},
                         {-20, -3, 0, 1, 2, 9});
}

TEST(WidePaths, Scaled32s) {
    check_scaled<Vek32s>({{"Add_32s", veksAdd_32s_Sfs, veksAddC_32s_Sfs, add},
                          {"Sub_32s", veksSub_32s_Sfs, veksSubCRev_32s_Sfs, rsub},
                          {"SubC_32s", nullptr, veksSubC_32s_Sfs, sub},
                          {"Mul_32s", veksMul_32s_Sfs, veksMulC_32s_Sfs, mul}},
                         {-40, -31, -5, 0, 1, 2, 17, 31, 62});
}

// The ends of the 32-bit range and exact halves, a full register of each,
// through sums and differences at the scale factors of the 32-bit path.
TEST(WidePaths, Scaled32sBoundsAndTies) {
    const Vek32s lo = INT32_MIN, hi = INT32_MAX;
    const Vek32s pairs[][2] = {{hi, lo}, {lo, hi}, {hi, hi}, {lo, lo}, {-1, 0}, {1, 0}, {3, 0}, {-3, 0}, {5, -2}, {-6, 1}};
    for (int sf : {1, 2, 3, 30, 31}) {
        for (const auto& p : pairs) {
            std::vector<Vek32s> a(16, p[0]), b(16, p[1]), sum(16), diff(16);
            ASSERT_EQ(veksAdd_32s_Sfs(a.data(), b.data(), sum.data(), 16, sf), vekStsNoErr);
            ASSERT_EQ(veksSub_32s_Sfs(b.data(), a.data(), diff.data(), 16, sf), vekStsNoErr);
            for (int i = 0; i < 16; ++i) {
                ASSERT_EQ(sum[i], ref::scaled<Vek32s>(add(p[0], p[1]), sf)) << p[0] << " + " << p[1] << " sf " << sf;
                ASSERT_EQ(diff[i], ref::scaled<Vek32s>(sub(p[0], p[1]), sf)) << p[0] << " - " << p[1] << " sf " << sf;
            }
        }
    }
}

// Conversions. Float to integer: the scaled value x * 2^-sf (one rounding
// in single precision), then toward zero, to nearest even, or with one
// half added to the magnitude in single precision; clamped, NaN to the
// minimum (or to the maximum in the half-away mode).
template <class D>
D to_int(float x, int mode, int sf) {
    const double lo = double(std::numeric_limits<D>::lowest()), hi = double(std::numeric_limits<D>::max());
    const float v = x * std::ldexp(1.0f, -sf);
    if (v != v) return D(mode == 2 ? hi : lo);
    double r;
    if (mode == 0) r = std::trunc(double(v));
    else if (mode == 1) r = std::nearbyint(double(v));
    else {
        const float c = std::fmin(std::fmax(v, float(lo) - 1), float(hi));
        r = std::copysign(std::trunc(double(std::fabs(c) + 0.5f)), c);
    }
    return D(std::fmin(std::fmax(r, lo), hi));
}

template <class S, class D, class Call, class Ref>
void check_convert(const char* name, Call call, Ref ref, double scale) {
    const unsigned saved = _mm_getcsr();
    const unsigned up = (saved & ~0x6000u) | 0x4000u;  // the caller rounds up
    for (int len : lengths()) {
        for (const Offsets& o : kOffsets) {
            std::vector<S> a(len + 8);
            if constexpr (std::is_floating_point_v<S>) a = fdata<S>(len + 8, len, scale);
            else vt::Rng(len).fill(a.data(), a.size());
            Guarded<D> d(len + 8);
            std::vector<D> want(len);
            for (int i = 0; i < len; ++i) want[i] = ref(a[o.a + i]);
            _mm_setcsr(up);
            const VekStatus st = call(a.data() + o.a, d.data() + o.d, len);
            const unsigned after = _mm_getcsr();
            _mm_setcsr(saved);
            ASSERT_EQ(st, vekStsNoErr) << name;
            ASSERT_EQ(after & ~0x3Fu, up & ~0x3Fu) << name;
            ASSERT_TRUE(vt::same_bits(d.data() + o.d, want.data(), len)) << name << " len " << len;
            ASSERT_TRUE(d.guards_intact()) << name;
        }
    }
}

TEST(WidePaths, Conversions) {
    check_convert<Vek16s, float>("16s32f", veksConvert_16s32f, [](Vek16s x) { return float(x); }, 0);
    check_convert<Vek16s, float>(
        "16s32f_Sfs", [](auto s, auto d, int n) { return veksConvert_16s32f_Sfs(s, d, n, 3); },
        [](Vek16s x) { return float(x) * 0.125f; }, 0);
    check_convert<Vek8u, float>("8u32f", veksConvert_8u32f, [](Vek8u x) { return float(x); }, 0);
    for (int mode : {0, 1, 2}) {
        for (int sf : {0, -2, 3}) {
            const double scale = sf ? 40000.0 : 300.0;
            check_convert<float, Vek16s>(
                "32f16s_Sfs", [=](auto s, auto d, int n) { return veksConvert_32f16s_Sfs(s, d, n, mode, sf); },
                [=](float x) { return to_int<Vek16s>(x, mode, sf); }, scale * 100);
            check_convert<float, Vek8u>(
                "32f8u_Sfs", [=](auto s, auto d, int n) { return veksConvert_32f8u_Sfs(s, d, n, mode, sf); },
                [=](float x) { return to_int<Vek8u>(x, mode, sf); }, scale);
        }
    }
}

}  // namespace
