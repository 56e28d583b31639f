// Planning and running the complex DFT of any length.
#include "dft_plan.h"

#include <cmath>
#include <cstring>
#include <new>
#include <utility>

#include "fft_api.h"
#include "transform_util.h"
#include "core/support/vekcore.h"

namespace veks {
namespace dft {
namespace {

// Method limits of one precision: trial-division limit, direct limit,
// largest chirp length, largest length.
struct Limits {
    int pf, dir, conv, max;
};
template <class T>
constexpr Limits limits() {
    if constexpr (sizeof(T) == 8) return {75, 75, (1 << 25) - 1, (1 << 26) - 1};
    return {50, 50, (1 << 26) - 1, (1 << 27) - 1};
}

// The convolution lengths 2^a 3^b 5^c of the chirp method up to 8192.
constexpr int kConvLengths[] = {128,  144,  160,  192,  200,  256,  288,  320,  384,  400,  512,
                                576,  640,  768,  800,  1024, 1152, 1280, 1536, 1600, 2048, 2304,
                                2560, 3072, 3200, 4096, 4608, 5120, 6144, 6400, 8192};

int conv_length(int n) {
    const long need = 2L * n - 1;
    if (need <= 8192) {
        for (int m : kConvLengths)
            if (m >= need) return m;
    }
    long m = 1;
    while (m < need) m <<= 1;
    return static_cast<int>(m);
}

template <class E>
E* alloc(std::size_t count) {
    return static_cast<E*>(vekMalloc(count * sizeof(E)));
}

// Records the factors of n (4s, one 2, odd trial divisors, the cofactor);
// false when n has no usable factorisation.
template <class T>
bool factorise(int n, Plan<T>& p) {
    const Limits lim = limits<T>();
    int rest = n, count = 0;
    auto record = [&](int f) { p.factors[count++] = f; };
    while (rest % 4 == 0) record(4), rest /= 4;
    if (rest % 2 == 0) record(2), rest /= 2;
    if (rest >= 9) {
        for (int d = 3; rest >= d * d;) {
            if (rest % d == 0) {
                record(d), rest /= d;
            } else if ((d += 2) > lim.pf) {
                return false;
            }
        }
    }
    const int cofactor_limit = (sizeof(T) == 4 && n % 4 == 0) ? 150 : lim.pf;
    if (count == 0 || rest > cofactor_limit) return false;
    record(rest);
    p.nfactors = count;
    return true;
}

template <class T>
Cx<T> mul(Cx<T> a, Cx<T> b) {
    return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}

template <class T, bool Inv>
Cx<T> twiddle(const Cx<T>* base, std::size_t k) {
    const Cx<T> w = base[k];
    return Inv ? Cx<T>{w.re, -w.im} : w;
}

// y[k] = sum_j x[j*stride] w^(jk), w = exp(-+2 pi i / q), for one group.
template <class T, bool Inv>
void leaf(const Plan<T>& p, const Cx<T>* x, std::size_t stride, Cx<T>* y, int q) {
    if (q == 1) {
        y[0] = x[0];
        return;
    }
    const std::size_t step = static_cast<std::size_t>(p.n / q);
    for (int k = 0; k < q; ++k) {
        T re = 0, im = 0;
        std::size_t idx = 0;  // (j*k) mod q
        for (int j = 0; j < q; ++j) {
            const Cx<T> v = mul(x[j * stride], twiddle<T, Inv>(p.base, idx * step));
            re += v.re, im += v.im;
            idx += static_cast<std::size_t>(k);
            if (idx >= static_cast<std::size_t>(q)) idx -= static_cast<std::size_t>(q);
        }
        y[k] = {re, im};
    }
}

// Radix-f combination of f consecutive transforms of length m in place.
template <class T, bool Inv>
void combine(const Plan<T>& p, Cx<T>* y, int f, int m, std::size_t tw_step) {
    Cx<T> t[160];
    const std::size_t fstep = static_cast<std::size_t>(p.n / f);
    for (int b = 0; b < m; ++b) {
        t[0] = y[b];
        for (int a = 1; a < f; ++a)
            t[a] = mul(y[a * m + b], twiddle<T, Inv>(p.base, tw_step * static_cast<std::size_t>(a) * b));
        if (f == 2) {
            y[b] = {t[0].re + t[1].re, t[0].im + t[1].im};
            y[m + b] = {t[0].re - t[1].re, t[0].im - t[1].im};
        } else if (f == 4) {
            const Cx<T> s02{t[0].re + t[2].re, t[0].im + t[2].im}, d02{t[0].re - t[2].re, t[0].im - t[2].im};
            const Cx<T> s13{t[1].re + t[3].re, t[1].im + t[3].im}, d13{t[1].re - t[3].re, t[1].im - t[3].im};
            // -i*d13 forward, +i*d13 inverse
            const Cx<T> r = Inv ? Cx<T>{-d13.im, d13.re} : Cx<T>{d13.im, -d13.re};
            y[b] = {s02.re + s13.re, s02.im + s13.im};
            y[m + b] = {d02.re + r.re, d02.im + r.im};
            y[2 * m + b] = {s02.re - s13.re, s02.im - s13.im};
            y[3 * m + b] = {d02.re - r.re, d02.im - r.im};
        } else {
            for (int k = 0; k < f; ++k) {
                T re = t[0].re, im = t[0].im;
                std::size_t idx = static_cast<std::size_t>(k);
                for (int a = 1; a < f; ++a) {
                    const Cx<T> v = mul(t[a], twiddle<T, Inv>(p.base, idx * fstep));
                    re += v.re, im += v.im;
                    idx += static_cast<std::size_t>(k);
                    if (idx >= static_cast<std::size_t>(f)) idx -= static_cast<std::size_t>(f);
                }
                y[k * m + b] = {re, im};
            }
        }
    }
}

// Decimation in time: the f subsequences of stride f are transformed into
// consecutive blocks, then combined.
template <class T, bool Inv>
void factor_rec(const Plan<T>& p, const Cx<T>* x, std::size_t stride, Cx<T>* y, int len, int level) {
    if (level == p.nfactors - 1) return leaf<T, Inv>(p, x, stride, y, len);
    const int f = p.factors[level], m = len / f;
    for (int r = 0; r < f; ++r) factor_rec<T, Inv>(p, x + r * stride, stride * f, y + r * m, m, level + 1);
    combine<T, Inv>(p, y, f, m, static_cast<std::size_t>(p.n / len));
}

template <class T>
VekStatus build_base(Plan<T>& p) {
    p.base = alloc<Cx<T>>(static_cast<std::size_t>(p.n));
    if (!p.base) return vekStsMemAllocErr;
    const double w = -2.0 * M_PI / p.n;
    for (int k = 0; k < p.n; ++k) p.base[k] = {T(std::cos(w * k)), T(std::sin(w * k))};
    return vekStsNoErr;
}

template <class T>
VekStatus build_chirp(Plan<T>& p, int hint) {
    const int n = p.n;
    p.m = conv_length(n);
    p.chirp = alloc<Cx<T>>(static_cast<std::size_t>(n));
    p.kernel = alloc<Cx<T>>(static_cast<std::size_t>(p.m));
    p.nested = new_plan<T>();
    if (!p.chirp || !p.kernel || !p.nested) return vekStsMemAllocErr;
    // n^2 mod 2n advances by 2n + 1 per step.
    const long two_n = 2L * n;
    long idx = 0;
    for (int k = 0; k < n; ++k) {
        const double a = -M_PI * static_cast<double>(idx) / n;
        p.chirp[k] = {T(std::cos(a)), T(std::sin(a))};
        idx = (idx + 2L * k + 1) % two_n;
    }
    VekStatus s = p.nested->build(p.m, VEK_FFT_NO_SCALE, hint);
    if (s != vekStsNoErr) return s;
    // Kernel b[k] = conj(chirp[k]) mirrored to b[m - k], transformed, / m.
    Cx<T>* b = alloc<Cx<T>>(static_cast<std::size_t>(p.m));
    Cx<T>* work = alloc<Cx<T>>(p.nested->work_elems() + 1);
    if (!b || !work) {
        vekFree(b), vekFree(work);
        return vekStsMemAllocErr;
    }
    std::memset(b, 0, sizeof(Cx<T>) * static_cast<std::size_t>(p.m));
    for (int k = 0; k < n; ++k) b[k] = {p.chirp[k].re, -p.chirp[k].im};
    for (int k = 1; k < n; ++k) b[p.m - k] = b[k];
    s = p.nested->run(b, p.kernel, false, work);
    vekFree(b), vekFree(work);
    if (s != vekStsNoErr) return s;
    const T inv_m = T(1) / T(p.m);
    for (int k = 0; k < p.m; ++k) p.kernel[k].re *= inv_m, p.kernel[k].im *= inv_m;
    return vekStsNoErr;
}

template <class T>
VekStatus build_pow2(Plan<T>& p, int flag, int hint) {
    using Api = FftApi<T>;
    typename Api::CSpec* spec = nullptr;
    VekStatus s = Api::c_init_alloc(&spec, log2_of(p.n), flag, hint);
    if (s != vekStsNoErr) return s;
    p.fft = spec;
    return Api::c_buf_size(spec, &p.fft_work_bytes);
}

}  // namespace

template <class T>
VekStatus Plan<T>::build(int len, int fft_flag, int hint) {
    n = len;
    VekStatus s;
    if (is_pow2(len)) {
        method = Method::Pow2;
        s = build_pow2(*this, fft_flag, hint);
    } else if (len > limits<T>().max) {
        s = vekStsSizeErr;
    } else if (factorise(len, *this)) {
        method = Method::Factor;
        s = build_base(*this);
    } else if (len <= limits<T>().dir) {
        method = Method::Direct;
        nfactors = 1;
        factors[0] = len;
        s = build_base(*this);
    } else if (len <= limits<T>().conv) {
        method = Method::Chirp;
        s = build_chirp(*this, hint);
    } else {
        s = vekStsSizeErr;
    }
    if (s != vekStsNoErr) release();
    return s;
}

template <class T>
void Plan<T>::release() {
    vekFree(base), vekFree(chirp), vekFree(kernel);
    base = chirp = kernel = nullptr;
    if (nested) delete_plan(nested);
    nested = nullptr;
    if (fft) FftApi<T>::c_free(static_cast<typename FftApi<T>::CSpec*>(fft));
    fft = nullptr;
}

template <class T>
std::size_t Plan<T>::work_elems() const {
    switch (method) {
        case Method::Pow2: return (static_cast<std::size_t>(fft_work_bytes) + 32 + sizeof(Cx<T>) - 1) / sizeof(Cx<T>);
        case Method::Chirp: return 2 * static_cast<std::size_t>(m) + nested->work_elems();
        default: return 0;
    }
}

template <class T>
VekStatus Plan<T>::run(const Cx<T>* src, Cx<T>* dst, bool inverse, Cx<T>* work) const {
    using Api = FftApi<T>;
    using C = typename Api::Complex;
    switch (method) {
        case Method::Pow2: {
            const auto* spec = static_cast<const typename Api::CSpec*>(fft);
            auto* buf = reinterpret_cast<Vek8u*>(work);
            return inverse ? Api::c_inv(reinterpret_cast<const C*>(src), reinterpret_cast<C*>(dst), spec, buf)
                           : Api::c_fwd(reinterpret_cast<const C*>(src), reinterpret_cast<C*>(dst), spec, buf);
        }
        case Method::Factor:
        case Method::Direct:
            if (inverse) {
                factor_rec<T, true>(*this, src, 1, dst, n, 0);
            } else {
                factor_rec<T, false>(*this, src, 1, dst, n, 0);
            }
            return vekStsNoErr;
        case Method::Chirp: {
            Cx<T>* y = work;
            Cx<T>* z = work + m;
            Cx<T>* rest = work + 2 * static_cast<std::size_t>(m);
            for (int k = 0; k < n; ++k) y[k] = mul(chirp[k], src[k]);
            std::memset(static_cast<void*>(y + n), 0, sizeof(Cx<T>) * static_cast<std::size_t>(m - n));
            VekStatus s = nested->run(y, z, false, rest);
            if (s != vekStsNoErr) return s;
            for (int k = 0; k < m; ++k) z[k] = mul(z[k], kernel[k]);
            s = nested->run(z, y, true, rest);
            if (s != vekStsNoErr) return s;
            for (int k = 0; k < n; ++k) dst[k] = mul(chirp[k], y[k]);
            // The inverse is the forward transform read backwards.
            if (inverse)
                for (int k = 1, j = n - 1; k < j; ++k, --j) std::swap(dst[k], dst[j]);
            return vekStsNoErr;
        }
    }
    return vekStsNoErr;
}

template <class T>
Plan<T>* new_plan() {
    void* mem = vekMalloc(sizeof(Plan<T>));
    return mem ? new (mem) Plan<T>() : nullptr;
}

template <class T>
void delete_plan(Plan<T>* p) {
    if (!p) return;
    p->release();
    p->~Plan<T>();
    vekFree(p);
}

template struct Plan<float>;
template struct Plan<double>;
template Plan<float>* new_plan<float>();
template Plan<double>* new_plan<double>();
template void delete_plan<float>(Plan<float>*);
template void delete_plan<double>(Plan<double>*);

}  // namespace dft
}  // namespace veks
