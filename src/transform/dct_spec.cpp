// Planning and running the orthonormal DCT. Methods by length: fixed
// kernels (1, 2, 4, 8), a recursive halving with stored tables (16, 32), a
// real FFT of length 2N (powers of two from 64), direct sums over a cosine
// table (other lengths up to 100), and a chirp convolution through a
// power-of-two complex FFT (other lengths above 100).
#include "dct_spec.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/check.h"
#include "fft_api.h"
#include "transform_util.h"

namespace veks {
namespace dct {
namespace {

constexpr std::size_t kHeaderBytes = 128;
static_assert(sizeof(Spec<double>) <= kHeaderBytes, "header outgrew its slot");

int conv_length(int n) { return 1 << log2_of(2L * n - 1); }

Method method_for(int n) {
    if (n == 1 || n == 2 || n == 4 || n == 8) return Method::Fixed;
    if (n == 16 || n == 32) return Method::Table;
    if (is_pow2(n)) return Method::Fft;
    return n <= 100 ? Method::Direct : Method::Conv;
}

// cos(pi (2n+1) k / 16): the 8-point kernel; the shorter fixed lengths read
// it with a stride.
const double* cos8() {
    static const struct Table {
        double v[64];
        Table() {
            for (int n = 0; n < 8; ++n)
                for (int k = 0; k < 8; ++k) v[n * 8 + k] = std::cos(M_PI * (2 * n + 1) * k / 16.0);
        }
    } t;
    return t.v;
}

// Unnormalised DCT-II (Inverse false) or DCT-III (Inverse true) of length
// n in {1, 2, 4, 8}: the same cosine matrix, read transposed for the
// inverse, each output summed over the inputs in ascending order.
template <bool Inverse, class T>
void fixed_dct(const T* x, T* y, int n) {
    const double* c = cos8();
    const int s = 8 / n;
    T in[8] = {};
    for (int i = 0; i < n && i < 8; ++i) in[i] = x[i];
    for (int o = 0; o < n; ++o) {
        T acc = 0;
        for (int j = 0; j < n; ++j) acc += in[j] * T(Inverse ? c[o * 8 + j * s] : c[j * 8 + o * s]);
        y[o] = acc;
    }
}

// The halving recursion: tables T_M[i] = 0.5 / cos((2i+1) pi / 2M) for
// M = N, N/2, ..., 16, one after the other.
template <class T>
void halving_dct2(const T* x, T* y, int m, const T* tab) {
    if (m == 8) return fixed_dct<false>(x, y, 8);
    const int h = m / 2;
    T u[16] = {}, v[16] = {}, U[16] = {}, V[17] = {};
    for (int i = 0; i < h; ++i) {
        u[i] = x[i] + x[m - 1 - i];
        v[i] = (x[i] - x[m - 1 - i]) * tab[i];
    }
    halving_dct2(u, U, h, tab + h);
    halving_dct2(v, V, h, tab + h);
    V[h] = 0;
    for (int k = 0; k < h; ++k) y[2 * k] = U[k], y[2 * k + 1] = V[k] + V[k + 1];
}
template <class T>
void halving_dct3(const T* c, T* y, int m, const T* tab) {
    if (m == 8) return fixed_dct<true>(c, y, 8);
    const int h = m / 2;
    T ev[16] = {}, od[16] = {}, P[16] = {}, Q[16] = {};
    for (int k = 0; k < h; ++k) {
        ev[k] = c[2 * k];
        od[k] = c[2 * k + 1] + (k > 0 ? c[2 * k - 1] : T(0));
    }
    halving_dct3(ev, P, h, tab + h);
    halving_dct3(od, Q, h, tab + h);
    for (int i = 0; i < h; ++i) {
        const T q = Q[i] * tab[i];
        y[i] = P[i] + q;
        y[m - 1 - i] = P[i] - q;
    }
}

template <class T>
struct Cpx {
    T re, im;
};
template <class T>
Cpx<T> cmul(Cpx<T> a, Cpx<T> b) {
    return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}

// Where the tables of a specification start, given its header.
template <class T>
T* tables_of(Spec<T>* s) {
    return reinterpret_cast<T*>(reinterpret_cast<Vek8u*>(s) + kHeaderBytes);
}

template <class T>
VekStatus build_fft(Spec<T>& s, bool inverse, Vek8u* init_mem) {
    using Api = FftApi<T>;
    const int n = s.n;
    s.table = tables_of(&s);
    const double half = inverse ? 0.5 : 1.0;
    for (int k = 0; k < n; ++k) {
        const double c = k == 0 ? 1.0 / std::sqrt(double(n)) : std::sqrt(2.0) / std::sqrt(double(n));
        const double a = M_PI * k / (2.0 * n);
        s.table[2 * k] = T(k == 0 ? c : half * c * std::cos(a));
        s.table[2 * k + 1] = T(k == 0 ? 0.0 : half * c * std::sin(a));
    }
    auto* fft_mem = reinterpret_cast<Vek8u*>(s.table + 2 * n);
    typename Api::RSpec* f = nullptr;
    VEKS_CHECK(Api::r_init(&f, log2_of(n) + 1, VEK_FFT_NO_SCALE, s.hint, fft_mem, init_mem));
    s.fft = f;
    return vekStsNoErr;
}

template <class T>
VekStatus build_conv(Spec<T>& s, bool inverse, Vek8u* init_mem) {
    using Api = FftApi<T>;
    using C = typename Api::Complex;
    const int n = s.n, m = s.m;
    T* p = tables_of(&s);
    s.chirp = p, s.post = p + 2 * n, s.pre = p + 4 * n, s.kernel = p + 6 * n;
    auto* chirp = reinterpret_cast<Cpx<T>*>(s.chirp);
    auto* post = reinterpret_cast<Cpx<T>*>(s.post);
    auto* pre = reinterpret_cast<Cpx<T>*>(s.pre);
    auto* kernel = reinterpret_cast<Cpx<T>*>(s.kernel);
    const double c0 = 1.0 / std::sqrt(double(n)), ck = std::sqrt(2.0) / std::sqrt(double(n));
    long sq = 0;  // k^2 mod 2n
    for (int k = 0; k < n; ++k) {
        const double a = -M_PI * double(sq) / n;
        const double b = -M_PI * k / (2.0 * n);
        chirp[k] = {T(std::cos(a)), T(std::sin(a))};
        // post = c(k) e^{-i pi k / 2n} chirp[k]; pre = chirp[k] e^{-i pi k / 2n} / n
        const double c = k == 0 ? c0 : ck;
        post[k] = {T(c * std::cos(a + b)), T(c * std::sin(a + b))};
        pre[k] = {T(std::cos(a + b) / n), T(std::sin(a + b) / n)};
        sq = (sq + 2L * k + 1) % (2L * n);
    }
    (void)inverse;
    auto* fft_mem = reinterpret_cast<Vek8u*>(s.kernel + 2 * static_cast<std::size_t>(m));
    typename Api::CSpec* f = nullptr;
    VEKS_CHECK(Api::c_init(&f, log2_of(m), VEK_FFT_NO_SCALE, s.hint, fft_mem, init_mem));
    s.fft = f;
    // Kernel: the conjugate chirp, mirrored, transformed and divided by m.
    std::memset(static_cast<void*>(kernel), 0, sizeof(Cpx<T>) * static_cast<std::size_t>(m));
    for (int k = 0; k < n; ++k) kernel[k] = {chirp[k].re, -chirp[k].im};
    for (int k = 1; k < n; ++k) kernel[m - k] = kernel[k];
    VEKS_CHECK(Api::c_fwd(reinterpret_cast<C*>(kernel), reinterpret_cast<C*>(kernel), f, init_mem));
    const T inv_m = T(1) / T(m);
    for (int k = 0; k < m; ++k) kernel[k].re *= inv_m, kernel[k].im *= inv_m;
    return vekStsNoErr;
}

template <class T>
void run_conv(const Spec<T>& s, const T* src, T* dst, bool inverse, Vek8u* work) {
    using Api = FftApi<T>;
    using C = typename Api::Complex;
    const int n = s.n, m = s.m;
    const auto* chirp = reinterpret_cast<const Cpx<T>*>(s.chirp);
    const auto* post = reinterpret_cast<const Cpx<T>*>(s.post);
    const auto* pre = reinterpret_cast<const Cpx<T>*>(s.pre);
    const auto* kernel = reinterpret_cast<const Cpx<T>*>(s.kernel);
    auto* y = reinterpret_cast<Cpx<T>*>(work);
    Vek8u* fft_work = work + sizeof(Cpx<T>) * static_cast<std::size_t>(m);
    const auto* f = static_cast<const typename Api::CSpec*>(s.fft);
    if (!inverse) {
        // The even samples ascending, then the odd ones descending.
        for (int i = 0; i < n; ++i) {
            const T v = 2 * i < n ? src[2 * i] : src[2 * (n - 1 - i) + 1];
            y[i] = {chirp[i].re * v, chirp[i].im * v};
        }
    } else {
        const T ia = T(std::sqrt(double(n))), ib = T(std::sqrt(double(n) / 2.0));
        for (int k = 0; k < n; ++k) {
            const Cpx<T> u{src[k] * (k == 0 ? ia : ib), k == 0 ? T(0) : src[n - k] * ib};
            y[k] = cmul(pre[k], u);
        }
    }
    std::memset(static_cast<void*>(y + n), 0, sizeof(Cpx<T>) * static_cast<std::size_t>(m - n));
    Api::c_fwd(reinterpret_cast<C*>(y), reinterpret_cast<C*>(y), f, fft_work);
    for (int k = 0; k < m; ++k) y[k] = cmul(y[k], kernel[k]);
    Api::c_inv(reinterpret_cast<C*>(y), reinterpret_cast<C*>(y), f, fft_work);
    if (!inverse) {
        for (int k = 0; k < n; ++k) dst[k] = post[k].re * y[k].re - post[k].im * y[k].im;
    } else {
        for (int i = 0; i < n; ++i) {
            const T v = chirp[i].re * y[i].re - chirp[i].im * y[i].im;
            if (2 * i < n) {
                dst[2 * i] = v;
            } else {
                dst[2 * (n - 1 - i) + 1] = v;
            }
        }
    }
}

}  // namespace

template <class T>
VekStatus float_sizes(int n, int hint, Sizes* out) {
    using Api = FftApi<T>;
    const int b = sizeof(T);
    const auto add = [](int v) { return v > 0 ? v + 32 : 0; };
    switch (method_for(n)) {
        case Method::Fixed: *out = {b == 8 ? 160 : 152, 0, 0}; break;
        case Method::Table: *out = {int(up32(std::size_t(b) * n)) + 160, 0, b * n + 32}; break;
        case Method::Fft: {
            int rs, ri, rw;
            VEKS_CHECK(Api::r_get_size(log2_of(n) + 1, VEK_FFT_NO_SCALE, hint, &rs, &ri, &rw));
            *out = {rs + 2 * b * n + 160, add(ri), rw + 2 * b * n + 32};
            break;
        }
        case Method::Direct:
            *out = {int(b == 8 ? 32 * n : up32(16 * std::size_t(n))) + 160, 0, b * n + 32};
            break;
        case Method::Conv: {
            const int m = conv_length(n);
            int cs, ci, cw;
            VEKS_CHECK(Api::c_get_size(log2_of(m), VEK_FFT_NO_SCALE, hint, &cs, &ci, &cw));
            *out = {cs + 6 * b * n + 2 * b * m + 160, add(std::max(ci, cw)), cw + 2 * b * m + 32};
            break;
        }
    }
    return vekStsNoErr;
}

template <class T>
VekStatus init_float(std::uint32_t id, Spec<T>** pp, int n, int hint, Vek8u* spec_mem, Vek8u* init_mem) {
    VEKS_CHECK(check_ptrs(pp));
    VEKS_CHECK(check_len(n));
    VEKS_CHECK(check_ptrs(spec_mem));
    Sizes sz;
    VEKS_CHECK(float_sizes<T>(n, hint, &sz));
    const auto a = reinterpret_cast<std::uintptr_t>(spec_mem);
    auto* s = reinterpret_cast<Spec<T>*>(spec_mem + ((32 - a % 32) % 32));
    std::memset(static_cast<void*>(s), 0, sizeof(Spec<T>));
    s->n = n, s->hint = hint, s->method = method_for(n);
    s->work_size = sz.work > 0 ? sz.work - 32 : 0;
    s->c0 = T(1.0 / std::sqrt(double(n)));
    s->ck = T(std::sqrt(2.0) / std::sqrt(double(n)));
    const bool inverse = id == kIdInv32f || id == kIdInv64f;
    switch (s->method) {
        case Method::Fixed: break;
        case Method::Table: {
            s->table = tables_of(s);
            T* t = s->table;
            for (int m = n; m >= 16; m /= 2)
                for (int i = 0; i < m / 2; ++i) *t++ = T(0.5 / std::cos((2 * i + 1) * M_PI / (2.0 * m)));
            break;
        }
        case Method::Fft: VEKS_CHECK(build_fft(*s, inverse, init_mem)); break;
        case Method::Direct:
            s->table = tables_of(s);
            for (int j = 0; j < 4 * n; ++j) s->table[j] = T(std::cos(2.0 * M_PI * j / (4.0 * n)));
            break;
        case Method::Conv:
            s->m = conv_length(n);
            VEKS_CHECK(build_conv(*s, inverse, init_mem));
            break;
    }
    s->id = id;
    *pp = s;
    return vekStsNoErr;
}

template <class T>
void transform(const Spec<T>& s, const T* src, T* dst, Vek8u* work) {
    using Api = FftApi<T>;
    const int n = s.n;
    const bool inverse = s.id == kIdInv32f || s.id == kIdInv64f;
    const auto norm = [&](int k) { return k == 0 ? s.c0 : s.ck; };
    switch (s.method) {
        case Method::Fixed:
        case Method::Table: {
            T c[32] = {};
            if (!inverse) {
                if (s.method == Method::Fixed) fixed_dct<false>(src, c, n); else halving_dct2(src, c, n, s.table);
                for (int k = 0; k < n; ++k) dst[k] = c[k] * norm(k);
            } else {
                for (int k = 0; k < n; ++k) c[k] = src[k] * norm(k);
                if (s.method == Method::Fixed) fixed_dct<true>(c, dst, n); else halving_dct3(c, dst, n, s.table);
            }
            return;
        }
        case Method::Direct: {
            T* x = reinterpret_cast<T*>(work);
            const std::size_t period = 4 * static_cast<std::size_t>(n);
            if (!inverse) {
                std::copy(src, src + n, x);
                for (int k = 0; k < n; ++k) {
                    T acc = 0;
                    std::size_t idx = static_cast<std::size_t>(k), step = 2 * static_cast<std::size_t>(k);
                    for (int i = 0; i < n; ++i, idx = (idx + step) % period) acc += x[i] * s.table[idx];
                    dst[k] = acc * norm(k);
                }
            } else {
                for (int k = 0; k < n; ++k) x[k] = src[k] * norm(k);
                for (int i = 0; i < n; ++i) {
                    T acc = 0;
                    const std::size_t step = 2 * static_cast<std::size_t>(i) + 1;
                    std::size_t idx = 0;
                    for (int k = 0; k < n; ++k, idx = (idx + step) % period) acc += x[k] * s.table[idx];
                    dst[i] = acc;
                }
            }
            return;
        }
        case Method::Fft: {
            T* y = reinterpret_cast<T*>(work);
            Vek8u* fft_work = work + 2 * sizeof(T) * static_cast<std::size_t>(n);
            const auto* f = static_cast<const typename Api::RSpec*>(s.fft);
            const T* t = s.table;
            if (!inverse) {
                std::copy(src, src + n, y);
                std::fill(y + n, y + 2 * n, T(0));
                Api::r_fwd_perm(y, y, f, fft_work);
                dst[0] = t[0] * y[0];
                for (int k = 1; k < n; ++k) dst[k] = t[2 * k] * y[2 * k] + t[2 * k + 1] * y[2 * k + 1];
            } else {
                y[0] = t[0] * src[0];
                y[1] = 0;
                for (int k = 1; k < n; ++k) y[2 * k] = t[2 * k] * src[k], y[2 * k + 1] = t[2 * k + 1] * src[k];
                Api::r_inv_perm(y, y, f, fft_work);
                std::copy(y, y + n, dst);
            }
            return;
        }
        case Method::Conv: return run_conv(s, src, dst, inverse, work);
    }
}

#define VEKS_DCT_INSTANTIATE(T)                                                           \
    template VekStatus float_sizes<T>(int, int, Sizes*);                                  \
    template VekStatus init_float<T>(std::uint32_t, Spec<T>**, int, int, Vek8u*, Vek8u*); \
    template void transform<T>(const Spec<T>&, const T*, T*, Vek8u*);
VEKS_DCT_INSTANTIATE(float)
VEKS_DCT_INSTANTIATE(double)
#undef VEKS_DCT_INSTANTIATE

}  // namespace dct
}  // namespace veks
