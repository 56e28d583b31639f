// SSE and AVX2 direct-form FIR kernels. A lane traits type supplies the
// multiply-accumulate of one register of outputs; the block driver is the
// same for every element type and instruction set.
#include "filter/fir_direct_kernels.h"

#include <immintrin.h>

#include "core/cpu.h"

namespace veks {
namespace fir {

namespace {

// ---- lane traits: per = outputs per register ------------------------------

struct SseF32 {
    using T = float;
    using V = __m128;
    static constexpr int per = 4;
    static V zero() { return _mm_setzero_ps(); }
    static V mac(V acc, const T* r, const T* x) { return _mm_add_ps(acc, _mm_mul_ps(_mm_load_ps(r), _mm_loadu_ps(x))); }
    static void store(T* y, V v) { _mm_storeu_ps(y, v); }
};

struct SseF64 {
    using T = double;
    using V = __m128d;
    static constexpr int per = 2;
    static V zero() { return _mm_setzero_pd(); }
    static V mac(V acc, const T* r, const T* x) { return _mm_add_pd(acc, _mm_mul_pd(_mm_load_pd(r), _mm_loadu_pd(x))); }
    static void store(T* y, V v) { _mm_storeu_pd(y, v); }
};

// Complex: acc += (a,a)*(xr,xi) + (-b,b)*(xi,xr), per lane pair.
struct SseC32 {
    using T = Cx<float>;
    using V = __m128;
    static constexpr int per = 2;
    static V zero() { return _mm_setzero_ps(); }
    static V mac(V acc, const T* r, const T* x) {
        const float* rp = reinterpret_cast<const float*>(r);
        const __m128 v = _mm_loadu_ps(reinterpret_cast<const float*>(x));
        const __m128 s = _mm_shuffle_ps(v, v, _MM_SHUFFLE(2, 3, 0, 1));
        return _mm_add_ps(acc, _mm_add_ps(_mm_mul_ps(_mm_load_ps(rp), v), _mm_mul_ps(_mm_load_ps(rp + 4), s)));
    }
    static void store(T* y, V v) { _mm_storeu_ps(reinterpret_cast<float*>(y), v); }
};

struct SseC64 {
    using T = Cx<double>;
    using V = __m128d;
    static constexpr int per = 1;
    static V zero() { return _mm_setzero_pd(); }
    static V mac(V acc, const T* r, const T* x) {
        const double* rp = reinterpret_cast<const double*>(r);
        const __m128d v = _mm_loadu_pd(reinterpret_cast<const double*>(x));
        const __m128d s = _mm_shuffle_pd(v, v, 1);
        return _mm_add_pd(acc, _mm_add_pd(_mm_mul_pd(_mm_load_pd(rp), v), _mm_mul_pd(_mm_load_pd(rp + 2), s)));
    }
    static void store(T* y, V v) { _mm_storeu_pd(reinterpret_cast<double*>(y), v); }
};

#define VEKS_AVX2 __attribute__((target("avx2")))

struct AvxF32 {
    using T = float;
    using V = __m256;
    static constexpr int per = 8;
    VEKS_AVX2 static V zero() { return _mm256_setzero_ps(); }
    VEKS_AVX2 static V mac(V acc, const T* r, const T* x) {
        return _mm256_add_ps(acc, _mm256_mul_ps(_mm256_broadcast_ss(r), _mm256_loadu_ps(x)));
    }
    VEKS_AVX2 static void store(T* y, V v) { _mm256_storeu_ps(y, v); }
};

struct AvxF64 {
    using T = double;
    using V = __m256d;
    static constexpr int per = 4;
    VEKS_AVX2 static V zero() { return _mm256_setzero_pd(); }
    VEKS_AVX2 static V mac(V acc, const T* r, const T* x) {
        return _mm256_add_pd(acc, _mm256_mul_pd(_mm256_broadcast_sd(r), _mm256_loadu_pd(x)));
    }
    VEKS_AVX2 static void store(T* y, V v) { _mm256_storeu_pd(y, v); }
};

// ---- block driver ----------------------------------------------------------
// Four registers of outputs share every tap load; then single registers;
// then scalar outputs. The body is expanded once per instruction set.
#define VEKS_FIR_DOT_BODY(Ln)                                                           \
    using T = typename Ln::T;                                                           \
    constexpr int P = Ln::per;                                                          \
    int k = 0;                                                                          \
    for (; k + 4 * P <= n; k += 4 * P) {                                                \
        auto a0 = Ln::zero(), a1 = Ln::zero(), a2 = Ln::zero(), a3 = Ln::zero();        \
        const T* x = w + k;                                                             \
        const T* r = rep + 4 * (L - 1);                                                 \
        for (int i = 0; i < L; ++i, ++x, r -= 4) {                                      \
            a0 = Ln::mac(a0, r, x);                                                     \
            a1 = Ln::mac(a1, r, x + P);                                                 \
            a2 = Ln::mac(a2, r, x + 2 * P);                                             \
            a3 = Ln::mac(a3, r, x + 3 * P);                                             \
        }                                                                               \
        Ln::store(y + k, a0);                                                           \
        Ln::store(y + k + P, a1);                                                       \
        Ln::store(y + k + 2 * P, a2);                                                   \
        Ln::store(y + k + 3 * P, a3);                                                   \
    }                                                                                   \
    for (; k + P <= n; k += P) {                                                        \
        auto a0 = Ln::zero();                                                           \
        const T* r = rep + 4 * (L - 1);                                                 \
        for (int i = 0; i < L; ++i, r -= 4) a0 = Ln::mac(a0, r, w + k + i);             \
        Ln::store(y + k, a0);                                                           \
    }                                                                                   \
    for (; k < n; ++k) y[k] = fir_dot_one(rep, L, w + k);

template <class Ln>
void dot_sse(const typename Ln::T* rep, int L, const typename Ln::T* w, typename Ln::T* y, int n) {
    VEKS_FIR_DOT_BODY(Ln)
}

template <class Ln>
VEKS_AVX2 void dot_avx2(const typename Ln::T* rep, int L, const typename Ln::T* w, typename Ln::T* y, int n) {
    VEKS_FIR_DOT_BODY(Ln)
}

}  // namespace

template <>
void fir_dot<float>(const float* rep, int L, const float* w, float* y, int n) {
    if (cpu_info().avx2) dot_avx2<AvxF32>(rep, L, w, y, n);
    else dot_sse<SseF32>(rep, L, w, y, n);
}
template <>
void fir_dot<double>(const double* rep, int L, const double* w, double* y, int n) {
    if (cpu_info().avx2) dot_avx2<AvxF64>(rep, L, w, y, n);
    else dot_sse<SseF64>(rep, L, w, y, n);
}
template <>
void fir_dot<Cx<float>>(const Cx<float>* rep, int L, const Cx<float>* w, Cx<float>* y, int n) {
    dot_sse<SseC32>(rep, L, w, y, n);
}
template <>
void fir_dot<Cx<double>>(const Cx<double>* rep, int L, const Cx<double>* w, Cx<double>* y, int n) {
    dot_sse<SseC64>(rep, L, w, y, n);
}

// ---- 16-bit integer kernels -----------------------------------------------
// Integer sums wrap modulo 2^32, so any order gives the same result; pairs
// of taps meet pairs of neighbouring samples in one pmaddwd.
void fir_dot_16s(const std::int32_t* pairs, int L, const std::int16_t* w, std::int32_t* y, int n) {
    int k = 0;
    const __m128i z = _mm_setzero_si128();
    for (; k + 8 <= n; k += 8) {
        __m128i lo = z, hi = z;
        const std::int16_t* x = w + k;
        int i = 0;
        for (; i + 2 <= L; i += 2) {
            const __m128i t = _mm_set1_epi32(pairs[i / 2]);
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(x + i));
            const __m128i b = _mm_loadu_si128(reinterpret_cast<const __m128i*>(x + i + 1));
            lo = _mm_add_epi32(lo, _mm_madd_epi16(_mm_unpacklo_epi16(a, b), t));
            hi = _mm_add_epi32(hi, _mm_madd_epi16(_mm_unpackhi_epi16(a, b), t));
        }
        if (i < L) {  // odd tap count: the last tap pairs with zero
            const __m128i t = _mm_set1_epi32(pairs[i / 2]);
            const __m128i a = _mm_loadu_si128(reinterpret_cast<const __m128i*>(x + i));
            lo = _mm_add_epi32(lo, _mm_madd_epi16(_mm_unpacklo_epi16(a, z), t));
            hi = _mm_add_epi32(hi, _mm_madd_epi16(_mm_unpackhi_epi16(a, z), t));
        }
        _mm_storeu_si128(reinterpret_cast<__m128i*>(y + k), lo);
        _mm_storeu_si128(reinterpret_cast<__m128i*>(y + k + 4), hi);
    }
    for (; k < n; ++k) {
        std::uint32_t acc = 0;
        for (int i = 0; i < L; ++i) {
            const std::int16_t r = static_cast<std::int16_t>(i % 2 == 0 ? pairs[i / 2] & 0xFFFF : pairs[i / 2] >> 16);
            acc += static_cast<std::uint32_t>(std::int32_t(r) * w[k + i]);
        }
        y[k] = static_cast<std::int32_t>(acc);
    }
}

void fir_dot_16sc(const Cx<std::int16_t>* rev, int L, const Cx<std::int16_t>* w, Cx<std::int32_t>* y, int n) {
    for (int k = 0; k < n; ++k) {
        std::uint32_t re = 0, im = 0;
        for (int i = 0; i < L; ++i) {
            const std::int32_t a = rev[i].re, b = rev[i].im, c = w[k + i].re, d = w[k + i].im;
            re += static_cast<std::uint32_t>(a * c) - static_cast<std::uint32_t>(b * d);
            im += static_cast<std::uint32_t>(a * d) + static_cast<std::uint32_t>(b * c);
        }
        y[k] = {static_cast<std::int32_t>(re), static_cast<std::int32_t>(im)};
    }
}

// ---- contiguous dot products (multirate sub-filters) ---------------------------
// Sixteen float lanes (eight double lanes) accumulate i mod lanes; the
// lanes are then added pairwise in a fixed order and the tail is added
// last, so one output always gets the same bits.
float dot_contig(const float* h, const float* x, int n) {
    __m128 a0 = _mm_setzero_ps(), a1 = a0, a2 = a0, a3 = a0;
    int i = 0;
    for (; i + 16 <= n; i += 16) {
        a0 = _mm_add_ps(a0, _mm_mul_ps(_mm_loadu_ps(h + i), _mm_loadu_ps(x + i)));
        a1 = _mm_add_ps(a1, _mm_mul_ps(_mm_loadu_ps(h + i + 4), _mm_loadu_ps(x + i + 4)));
        a2 = _mm_add_ps(a2, _mm_mul_ps(_mm_loadu_ps(h + i + 8), _mm_loadu_ps(x + i + 8)));
        a3 = _mm_add_ps(a3, _mm_mul_ps(_mm_loadu_ps(h + i + 12), _mm_loadu_ps(x + i + 12)));
    }
    for (; i + 4 <= n; i += 4) a0 = _mm_add_ps(a0, _mm_mul_ps(_mm_loadu_ps(h + i), _mm_loadu_ps(x + i)));
    const __m128 s = _mm_add_ps(_mm_add_ps(a0, a1), _mm_add_ps(a2, a3));
    alignas(16) float l[4];
    _mm_store_ps(l, s);
    float acc = (l[0] + l[1]) + (l[2] + l[3]);
    for (; i < n; ++i) acc += h[i] * x[i];
    return acc;
}

double dot_contig(const double* h, const double* x, int n) {
    __m128d a0 = _mm_setzero_pd(), a1 = a0, a2 = a0, a3 = a0;
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        a0 = _mm_add_pd(a0, _mm_mul_pd(_mm_loadu_pd(h + i), _mm_loadu_pd(x + i)));
        a1 = _mm_add_pd(a1, _mm_mul_pd(_mm_loadu_pd(h + i + 2), _mm_loadu_pd(x + i + 2)));
        a2 = _mm_add_pd(a2, _mm_mul_pd(_mm_loadu_pd(h + i + 4), _mm_loadu_pd(x + i + 4)));
        a3 = _mm_add_pd(a3, _mm_mul_pd(_mm_loadu_pd(h + i + 6), _mm_loadu_pd(x + i + 6)));
    }
    for (; i + 2 <= n; i += 2) a0 = _mm_add_pd(a0, _mm_mul_pd(_mm_loadu_pd(h + i), _mm_loadu_pd(x + i)));
    const __m128d s = _mm_add_pd(_mm_add_pd(a0, a1), _mm_add_pd(a2, a3));
    alignas(16) double l[2];
    _mm_store_pd(l, s);
    double acc = l[0] + l[1];
    for (; i < n; ++i) acc += h[i] * x[i];
    return acc;
}

}  // namespace fir
}  // namespace veks
