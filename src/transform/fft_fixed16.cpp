#include "fft_fixed16.h"

#include <cmath>
#include <utility>

#include "core/scale.h"

namespace veks {
namespace fft {
namespace {

using W = std::int64_t;

// x * t / 2^14 for a Q14 twiddle t, on the high and low halves of x.
inline W twiddle_product(W x, W t) {
    const W hi = x >> 16, lo = (x & 0xFFFF) >> 1;
    return 4 * (hi * t) + ((lo * t + 4096) >> 13);
}

inline W inv_sqrt2(W x) { return (x >> 16) * 46340 + (((x & 0xFFFF) * 23170) >> 15); }

struct C {
    W re, im;
};

// x * (c - i*s): the forward twiddle of record k.
inline C rotate(C x, const std::int16_t* rec) {
    const W c = rec[0], s = rec[1];
    return {twiddle_product(x.re, c) + twiddle_product(x.im, s), twiddle_product(x.im, c) - twiddle_product(x.re, s)};
}

inline int rev_bits(int i, int bits) {
    int r = 0;
    for (int b = 0; b < bits; ++b) r |= ((i >> b) & 1) << (bits - 1 - b);
    return r;
}

// Decimation in frequency of 2^order points, output in bit-reversed order.
void core(C* x, int order, const std::int16_t* tw) {
    const int n = 1 << order;
    int size = n;
    if (order >= 2) {  // one radix-4 stage of the full size
        const int q = n / 4;
        for (int k = 0; k < q; ++k) {
            const C a0 = x[k], a1 = x[k + q], a2 = x[k + 2 * q], a3 = x[k + 3 * q];
            const C s02{a0.re + a2.re, a0.im + a2.im}, d02{a0.re - a2.re, a0.im - a2.im};
            const C s13{a1.re + a3.re, a1.im + a3.im}, d13{a1.re - a3.re, a1.im - a3.im};
            C b0{s02.re + s13.re, s02.im + s13.im}, b2{s02.re - s13.re, s02.im - s13.im};
            C b1{d02.re + d13.im, d02.im - d13.re}, b3{d02.re - d13.im, d02.im + d13.re};
            if (k > 0) {
                b1 = rotate(b1, tw + 4 * k);
                b2 = rotate(b2, tw + 8 * k);
                b3 = rotate(b3, tw + 12 * k);
            }
            // Quarters in bit-reversed order of the residues: 0, 2, 1, 3.
            x[k] = b0;
            x[k + q] = b2;
            x[k + 2 * q] = b1;
            x[k + 3 * q] = b3;
        }
        size = q;
    }
    if (size == 2)  // radix-2 stage: order 1, or order 3 after the radix-4 stage
        for (int i = 0; i < n; i += 2) {
            const C a = x[i], b = x[i + 1];
            x[i] = {a.re + b.re, a.im + b.im};
            x[i + 1] = {a.re - b.re, a.im - b.im};
        }
}

void bit_reverse(C* x, int order) {
    const int n = 1 << order;
    for (int i = 0; i < n; ++i) {
        const int r = rev_bits(i, order);
        if (i < r) std::swap(x[i], x[r]);
    }
}

}  // namespace

std::int16_t narrow_half_up(W x, int t) {
    if (t > 0) return t > 50 ? 0 : saturate<std::int16_t>((x + (W(1) << (t - 1))) >> t);
    if (t < 0) {
        if (x == 0) return 0;
        if (-t >= 24) return x > 0 ? 32767 : -32768;
        return saturate<std::int16_t>(x * (W(1) << -t));
    }
    return saturate<std::int16_t>(x);
}

void build_q14_twiddles(int order, std::int16_t* out) {
    const int n = 1 << order;
    auto q14 = [](double v) { return static_cast<std::int16_t>(std::trunc(v * 16384.0 + 0.5)); };
    for (int k = 0; k < n; ++k) {
        // First quarter from the sine values, the rest by symmetry.
        const int r = k % (n >= 4 ? n / 4 : 1), quadrant = n >= 4 ? k / (n / 4) : 2 * k;
        const double th = 2 * 3.14159265358979323846 * r / n;
        std::int16_t c = n >= 4 ? q14(std::cos(th)) : 16384, s = n >= 4 ? q14(std::sin(th)) : 0;
        if (n >= 4 && r == 0) c = 16384, s = 0;
        for (int q = 0; q < quadrant; ++q) {
            const std::int16_t nc = static_cast<std::int16_t>(-s), ns = c;
            c = nc, s = ns;
        }
        out[4 * k] = c;
        out[4 * k + 1] = s;
        out[4 * k + 2] = static_cast<std::int16_t>(-s);
        out[4 * k + 3] = c;
    }
}

void fixed_cfft16(const Fixed16Params& p, const std::int16_t* src, std::int16_t* dst, bool inverse, int sf) {
    const int n = 1 << p.order, pre = 15 - p.order;
    C x[8];
    for (int i = 0; i < n; ++i) x[i] = {W(src[2 * i]) * (W(1) << pre), W(src[2 * i + 1]) * (W(1) << pre)};
    if (inverse)  // x[n] <-> x[N-n] turns the forward kernel into the inverse
        for (int i = 1, j = n - 1; i < j; ++i, --j) std::swap(x[i], x[j]);
    core(x, p.order, p.tw);
    if (p.odd_factor)
        for (int i = 0; i < n; ++i) x[i] = {inv_sqrt2(x[i].re), inv_sqrt2(x[i].im)};
    bit_reverse(x, p.order);
    const int t = p.shift + sf + pre;
    for (int i = 0; i < n; ++i) {
        dst[2 * i] = narrow_half_up(x[i].re, t);
        dst[2 * i + 1] = narrow_half_up(x[i].im, t);
    }
}

void fixed_rfft16_to_perm(const Fixed16Params& p, const std::int16_t* src, std::int16_t* dst, int sf) {
    const int n = 1 << p.order, m = n / 2, pre = 16 - p.order;
    C z[4];
    for (int i = 0; i < m; ++i) z[i] = {W(src[2 * i]) * (W(1) << pre), W(src[2 * i + 1]) * (W(1) << pre)};
    if (m > 1) {
        core(z, p.order - 1, p.tw_half);
        bit_reverse(z, p.order - 1);
    }
    // X[k] = E + (-i) w^k O, E and O the halved sum and difference of
    // Z[k] and conj(Z[M-k]).
    for (int k = 1, j = m - 1; k < j; ++k, --j) {
        const C a = z[k], b = z[j];
        const W er = (a.re + b.re) >> 1, ei = (a.im - b.im) >> 1, orr = (a.re - b.re) >> 1, oi = (a.im + b.im) >> 1;
        const W c = p.tw[4 * k], s = p.tw[4 * k + 1];
        const W u = twiddle_product(oi, c) - twiddle_product(orr, s);
        const W v = -twiddle_product(oi, s) - twiddle_product(orr, c);
        z[k] = {er + u, ei + v};
        z[j] = {er - u, v - ei};
    }
    if (m >= 2) z[m / 2].im = -z[m / 2].im;
    const W a = z[0].re, b = z[0].im;
    z[0] = {a + b, a - b};
    if (p.odd_factor)
        for (int i = 0; i < m; ++i) z[i] = {inv_sqrt2(z[i].re), inv_sqrt2(z[i].im)};
    const int t = p.shift + sf + pre;
    for (int i = 0; i < m; ++i) {
        dst[2 * i] = narrow_half_up(z[i].re, t);
        dst[2 * i + 1] = narrow_half_up(z[i].im, t);
    }
}

void fixed_rfft16_from_perm(const Fixed16Params& p, const std::int16_t* perm, std::int16_t* dst, int sf) {
    // The full conjugate-symmetric spectrum through the complex core.
    const int n = 1 << p.order, pre = 16 - p.order;
    const W f = W(1) << pre;
    C x[8];
    x[0] = {perm[0] * f, 0};
    x[n / 2] = {perm[1] * f, 0};
    for (int k = 1; 2 * k < n; ++k) {
        x[k] = {perm[2 * k] * f, perm[2 * k + 1] * f};
        x[n - k] = {perm[2 * k] * f, -perm[2 * k + 1] * f};
    }
    for (int i = 1, j = n - 1; i < j; ++i, --j) std::swap(x[i], x[j]);
    core(x, p.order, p.tw);
    bit_reverse(x, p.order);
    const int t = p.shift + sf + pre;
    for (int i = 0; i < n; ++i) dst[i] = narrow_half_up(p.odd_factor ? inv_sqrt2(x[i].re) : x[i].re, t);
}

}  // namespace fft
}  // namespace veks
