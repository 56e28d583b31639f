// Scaled conversions with random data, lengths, scale factors, rounding
// modes and caller rounding directions, compared element by element with
// a wide-integer (or exactly rounded) model of the conversion rule. Every
// call must leave the caller's MXCSR as it found it; refused calls must
// write nothing.
#include "fuzz_input.h"

#include <xmmintrin.h>

#include <limits>

namespace {

using fz::Input;
using i128 = __int128;

// Rounding of a magnitude by 2^sf (sf > 0) in the three modes.
i128 shift_magnitude(i128 a, int sf, int mode) {
    const i128 half = i128(1) << (sf - 1);
    if (mode == 0) return a >> sf;
    if (mode == 1) return (a + half - 1 + ((a >> sf) & 1)) >> sf;
    return (a + half) >> sf;
}

// x * 2^-sf, rounded by mode on the magnitude, saturated to [lo, hi].
int64_t scale_int(i128 x, int sf, int mode, int64_t lo, int64_t hi) {
    i128 r;
    if (sf <= 0) {
        if (x == 0) return 0;
        r = -sf >= 64 ? (x > 0 ? i128(hi) + 1 : i128(lo) - 1) : x * (i128(1) << -sf);
    } else {
        const i128 a = x < 0 ? -x : x;
        const i128 m = sf >= 100 ? 0 : shift_magnitude(a, sf, mode);
        r = x < 0 ? -m : m;
    }
    return int64_t(r > hi ? hi : r < lo ? lo : r);
}

int clamp(int v, int lo, int hi) { return v < lo ? lo : v > hi ? hi : v; }
int norm_mode(int m) { return m == 0 || m == 1 ? m : 2; }

template <class S>
S draw_int(Input& in) {
    const uint8_t k = in.u8() % 6;
    const S mx = std::numeric_limits<S>::max(), mn = std::numeric_limits<S>::min();
    const int bits = int(sizeof(S) * 8);
    switch (k) {
        case 0: return mx;
        case 1: return mn;
        case 2: {  // near a power of two, where rounding ties live
            const int e = in.range(0, bits - 2);
            const S p = S(S(1) << e);
            return S(p + S(in.range(-1, 1)) * (in.coin() ? S(1) : S(-1)));
        }
        case 3: return S(-S(in.range(0, 3) * (S(1) << in.range(0, bits - 3))));
        default: return S(in.u64());
    }
}

// ---- integer to narrower integer ---------------------------------------

template <class S, class D, class Call>
void int_case(Input& in, int sf_lo, int sf_hi, bool has_mode, int64_t lo, int64_t hi, int dst_bytes, Call call) {
    const int n = in.range(-1, 70);
    const int mode = has_mode ? in.pick_or_any({0, 1, 2}) : 1;
    const int sf = in.range(-80, 80);
    std::vector<S> x(std::max(n, 1));
    for (auto& v : x) v = draw_int<S>(in);
    std::vector<uint8_t> y(size_t(std::max(n, 1)) * dst_bytes + 8, 0xEE);
    const VekStatus st = call(x.data(), reinterpret_cast<D*>(y.data()), n, mode, sf);
    if (n < 1) {
        fz::expect_eq(st, vekStsSizeErr, "conversion length");
        for (auto b : y) fz::expect_eq(b, 0xEE, "refused conversion wrote");
        return;
    }
    fz::expect_eq(st, 0, "integer conversion");
    const int esf = clamp(sf, sf_lo, sf_hi);
    for (int i = 0; i < n; ++i) {
        int64_t want = scale_int(x[i], esf, norm_mode(mode), lo, hi);
        // The 8-bit conversion writes zeros from a scale factor of 18 on.
        if (sizeof(D) == 1 && sf >= 18) want = 0;
        int64_t got = 0;
        std::memcpy(&got, &y[size_t(i) * dst_bytes], size_t(dst_bytes));
        if (dst_bytes < 8) got = (got << (64 - 8 * dst_bytes)) >> (64 - 8 * dst_bytes);
        if (got != want) {
            std::fprintf(stderr, "x=%lld sf=%d mode=%d: got %lld want %lld\n", (long long)x[i], sf, mode,
                         (long long)got, (long long)want);
            fz::fail("integer conversion vs wide model", i, n);
        }
    }
    for (size_t b = size_t(n) * dst_bytes; b < y.size(); ++b) fz::expect_eq(y[b], 0xEE, "wrote past len");
}

// ---- float to integer ---------------------------------------------------

float mult32(int sf) {
    const int field = 127 - sf;
    if (field <= 0) return 0.0f;
    if (field >= 255) return std::numeric_limits<float>::infinity();
    return std::ldexp(1.0f, -sf);
}

// Multiplier of the half-away mode: |sf| halvings or doublings of 1.0 in
// single precision.
float repeated32(int sf) {
    float m = 1.0f;
    for (int i = 0; i < (sf < 0 ? -sf : sf); ++i) m *= sf > 0 ? 0.5f : 2.0f;
    return m;
}

template <class F>
F draw_float(Input& in) {
    if (in.u8() < 40) {
        if (sizeof(F) == 4) return F(in.any_float());
        const uint64_t b = in.u64();
        double d;
        std::memcpy(&d, &b, 8);
        return F(d);
    }
    // Integers, halves and near-halves at a random binary exponent.
    const double base = double(int16_t(in.u16())) + (in.coin() ? 0.5 : 0.0);
    const double nudge = in.coin() ? 0.0 : double(in.range(-2, 2)) * 1e-7;
    return F(std::ldexp(base + nudge, in.range(-20, 20)));
}

template <class F, class D>
int64_t model_float(F x, int sf, int mode, int64_t lo, int64_t hi) {
    if (mode != 2) {
        const F v = sf == 0 ? x : F(x * F(sizeof(F) == 4 ? double(mult32(sf)) : std::ldexp(1.0, -sf)));
        if (v != v) return lo;
        const long double r = mode == 0 ? std::trunc((long double)v) : std::nearbyint((long double)v);
        return r >= (long double)hi ? hi : r <= (long double)lo ? lo : int64_t(r);
    }
    F v = x * F(repeated32(sf));
    if (v != v) return hi;
    // A single cannot hold 2^31 - 1: its cap is the largest single below 2^31.
    const F cap = hi == 2147483647 && sizeof(F) == 4 ? F(2147483520.0f) : F(hi);
    if (v > cap) v = cap;
    const F a = F((v < 0 ? -v : v) + F(0.5));
    const long double t = std::trunc((long double)a);
    const long double r = v < 0 ? -t : t;
    return r >= (long double)hi ? hi : r <= (long double)lo ? lo : int64_t(r);
}

const unsigned kDirections[4] = {_MM_ROUND_NEAREST, _MM_ROUND_DOWN, _MM_ROUND_UP, _MM_ROUND_TOWARD_ZERO};

template <class F, class D, class Call>
void float_case(Input& in, int64_t lo, int64_t hi, bool fix_nan, Call call) {
    const int n = in.range(-1, 70);
    const int mode = in.pick_or_any({0, 1, 2});
    const int sf = in.range(-140, 140);
    std::vector<F> x(std::max(n, 1));
    for (auto& v : x) v = draw_float<F>(in);
    std::vector<D> y(std::max(n, 1) + 2, D(0x5A));
    const unsigned saved = _mm_getcsr();
    const unsigned dir = kDirections[in.u8() & 3];
    _mm_setcsr((saved & ~0x6000u) | dir);
    const VekStatus st = call(x.data(), y.data(), n, mode, sf);
    const unsigned after = _mm_getcsr();
    _mm_setcsr(saved);
    if ((after & 0x6000u) != dir) fz::fail("conversion left another rounding direction", int(after), int(dir));
    if (n < 1) {
        fz::expect_eq(st, vekStsSizeErr, "conversion length");
        for (auto v : y) fz::expect_eq(long(v), long(D(0x5A)), "refused conversion wrote");
        return;
    }
    fz::expect_eq(st, 0, "float conversion");
    // The half-away mode adds its half in the caller's direction; compare
    // when that is the default. Scale factors far out are compared only
    // where the multiplier is an ordinary power of two.
    if (norm_mode(mode) == 2 && dir != _MM_ROUND_NEAREST) return;
    if (sf < -120 || sf > 120) return;
    for (int i = 0; i < n; ++i) {
        if (x[i] != x[i] && !fix_nan) continue;
        const int64_t want = model_float<F, D>(x[i], sf, norm_mode(mode), lo, hi);
        if (int64_t(y[i]) != want) {
            std::fprintf(stderr, "x=%.9g sf=%d mode=%d: got %lld want %lld\n", double(x[i]), sf, mode,
                         (long long)y[i], (long long)want);
            fz::fail("float conversion vs model", i, n);
        }
    }
    for (int i = n; i < n + 2; ++i) fz::expect_eq(long(y[i]), long(D(0x5A)), "wrote past len");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in(data, size);
    switch (in.u8() % 8) {
        case 0:
            int_case<int16_t, Vek8s>(in, -1000, 1000, true, -128, 127, 1, [](auto x, auto y, int n, int m, int sf) {
                return veksConvert_16s8s_Sfs(x, y, n, m, sf);
            });
            break;
        case 1:
            int_case<int32_t, Vek16s>(in, -15, 31, false, -32768, 32767, 2, [](auto x, auto y, int n, int, int sf) {
                return veksConvert_32s16s_Sfs(x, y, n, sf);
            });
            break;
        case 2:
            int_case<int32_t, Vek24s>(in, -31, 31, false, -8388608, 8388607, 3, [](auto x, auto y, int n, int, int sf) {
                return veksConvert_32s24s_Sfs(x, y, n, sf);
            });
            break;
        case 3:
            int_case<int64_t, Vek32s>(in, -31, 63, true, INT32_MIN, INT32_MAX, 4,
                                      [](auto x, auto y, int n, int m, int sf) {
                                          return veksConvert_64s32s_Sfs((const Vek64s*)x, y, n, m, sf);
                                      });
            break;
        case 4:
            float_case<float, Vek16s>(in, -32768, 32767, true, [](auto x, auto y, int n, int m, int sf) {
                return veksConvert_32f16s_Sfs(x, y, n, m, sf);
            });
            break;
        case 5:
            float_case<float, Vek8u>(in, 0, 255, false, [](auto x, auto y, int n, int m, int sf) {
                return veksConvert_32f8u_Sfs(x, y, n, m, sf);
            });
            break;
        case 6:
            float_case<float, Vek32s>(in, INT32_MIN, INT32_MAX, false, [](auto x, auto y, int n, int m, int sf) {
                return veksConvert_32f32s_Sfs(x, y, n, m, sf);
            });
            break;
        default:
            float_case<double, Vek32s>(in, INT32_MIN, INT32_MAX, false, [](auto x, auto y, int n, int m, int sf) {
                return veksConvert_64f32s_Sfs(x, y, n, m, sf);
            });
            break;
    }
    return 0;
}
