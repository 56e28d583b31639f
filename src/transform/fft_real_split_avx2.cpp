// The recombination pass of the real FFT on 256-bit registers with fused
// multiply-add, reached only after avx2_usable() said yes. The pairs stay
// interleaved: with b' = conj(Z[M-k]) and d = a - b', the forward writes
//     X[k] = b' + w d,  X[M-k] = conj(a - w d),   w d = (ti, -tr) * d,
// and the inverse, with e = a + b',
//     Z[k] = e + w d,   Z[M-k] = conj(e - w d),   w d = (s, c) * d.
// Blocks of two (double) or four (float) pairs run on 256-bit vectors, the
// remainder on 128-bit vectors or a single pair with the same operations,
// so every pair rounds the same way wherever it falls.
#include "fft_real_split.h"

#include <type_traits>

#pragma GCC push_options
#pragma GCC target("avx2,fma")
#include <immintrin.h>

namespace veks {
namespace fft {
namespace {

// Two double pairs k, k+1; the reversed forms hold M-k, M-k-1 and take the
// address of element M-k.
struct D2 {
    using T = double;
    using V = __m256d;
    static constexpr int lanes = 2;
    static V load(const T* p) { return _mm256_loadu_pd(p); }
    static V load_rev(const T* p) { return halves(_mm256_loadu_pd(p - 2)); }
    static void store(T* p, V v) { _mm256_storeu_pd(p, v); }
    static void store_rev(T* p, V v) { _mm256_storeu_pd(p - 2, halves(v)); }
    static V halves(V v) { return _mm256_permute2f128_pd(v, v, 1); }
    static V dup_re(V t) { return _mm256_movedup_pd(t); }
    static V dup_im(V t) { return _mm256_permute_pd(t, 0xF); }
    static V swap(V v) { return _mm256_permute_pd(v, 0x5); }
    static V conj(V v) { return _mm256_xor_pd(v, _mm256_setr_pd(0.0, -0.0, 0.0, -0.0)); }
    static V add(V a, V b) { return _mm256_add_pd(a, b); }
    static V sub(V a, V b) { return _mm256_sub_pd(a, b); }
    static V mul(V a, V b) { return _mm256_mul_pd(a, b); }
    static V fmaddsub(V a, V b, V c) { return _mm256_fmaddsub_pd(a, b, c); }
    static V fmsubadd(V a, V b, V c) { return _mm256_fmsubadd_pd(a, b, c); }
    static V bcast(T x) { return _mm256_set1_pd(x); }
};

struct D1 {
    using T = double;
    using V = __m128d;
    static constexpr int lanes = 1;
    static V load(const T* p) { return _mm_loadu_pd(p); }
    static V load_rev(const T* p) { return _mm_loadu_pd(p); }
    static void store(T* p, V v) { _mm_storeu_pd(p, v); }
    static void store_rev(T* p, V v) { _mm_storeu_pd(p, v); }
    static V dup_re(V t) { return _mm_movedup_pd(t); }
    static V dup_im(V t) { return _mm_permute_pd(t, 0x3); }
    static V swap(V v) { return _mm_permute_pd(v, 0x1); }
    static V conj(V v) { return _mm_xor_pd(v, _mm_setr_pd(0.0, -0.0)); }
    static V add(V a, V b) { return _mm_add_pd(a, b); }
    static V sub(V a, V b) { return _mm_sub_pd(a, b); }
    static V mul(V a, V b) { return _mm_mul_pd(a, b); }
    static V fmaddsub(V a, V b, V c) { return _mm_fmaddsub_pd(a, b, c); }
    static V fmsubadd(V a, V b, V c) { return _mm_fmsubadd_pd(a, b, c); }
    static V bcast(T x) { return _mm_set1_pd(x); }
};

// Single-precision pairs; the widths differ only in moving the data.
template <int Bytes> struct FloatVec { using V = __m128; };
template <> struct FloatVec<32> { using V = __m256; };

template <int Bytes>
struct FloatOps {
    using T = float;
    using V = typename FloatVec<Bytes>::V;
    static V dup_re(V t) {
        if constexpr (sizeof(V) == 32) return _mm256_moveldup_ps(t); else return _mm_moveldup_ps(t);
    }
    static V dup_im(V t) {
        if constexpr (sizeof(V) == 32) return _mm256_movehdup_ps(t); else return _mm_movehdup_ps(t);
    }
    static V swap(V v) {
        if constexpr (sizeof(V) == 32) return _mm256_permute_ps(v, 0xB1); else return _mm_permute_ps(v, 0xB1);
    }
    static V conj(V v) {
        if constexpr (sizeof(V) == 32)
            return _mm256_xor_ps(v, _mm256_setr_ps(0.f, -0.f, 0.f, -0.f, 0.f, -0.f, 0.f, -0.f));
        else
            return _mm_xor_ps(v, _mm_setr_ps(0.f, -0.f, 0.f, -0.f));
    }
    static V add(V a, V b) {
        if constexpr (sizeof(V) == 32) return _mm256_add_ps(a, b); else return _mm_add_ps(a, b);
    }
    static V sub(V a, V b) {
        if constexpr (sizeof(V) == 32) return _mm256_sub_ps(a, b); else return _mm_sub_ps(a, b);
    }
    static V mul(V a, V b) {
        if constexpr (sizeof(V) == 32) return _mm256_mul_ps(a, b); else return _mm_mul_ps(a, b);
    }
    static V fmaddsub(V a, V b, V c) {
        if constexpr (sizeof(V) == 32) return _mm256_fmaddsub_ps(a, b, c); else return _mm_fmaddsub_ps(a, b, c);
    }
    static V fmsubadd(V a, V b, V c) {
        if constexpr (sizeof(V) == 32) return _mm256_fmsubadd_ps(a, b, c); else return _mm_fmsubadd_ps(a, b, c);
    }
    static V bcast(T x) {
        if constexpr (sizeof(V) == 32) return _mm256_set1_ps(x); else return _mm_set1_ps(x);
    }
};

struct F4 : FloatOps<32> {
    static constexpr int lanes = 4;
    static V load(const T* p) { return _mm256_loadu_ps(p); }
    static V load_rev(const T* p) { return reverse(_mm256_loadu_ps(p - 6)); }
    static void store(T* p, V v) { _mm256_storeu_ps(p, v); }
    static void store_rev(T* p, V v) { _mm256_storeu_ps(p - 6, reverse(v)); }
    static V reverse(V v) { return _mm256_castpd_ps(_mm256_permute4x64_pd(_mm256_castps_pd(v), 0x1B)); }
};

struct F2 : FloatOps<16> {
    static constexpr int lanes = 2;
    static V load(const T* p) { return _mm_loadu_ps(p); }
    static V load_rev(const T* p) { return reverse(_mm_loadu_ps(p - 2)); }
    static void store(T* p, V v) { _mm_storeu_ps(p, v); }
    static void store_rev(T* p, V v) { _mm_storeu_ps(p - 2, reverse(v)); }
    static V reverse(V v) { return _mm_permute_ps(v, 0x4E); }
};

struct F1 : FloatOps<16> {
    static constexpr int lanes = 1;
    static V load(const T* p) { return _mm_castpd_ps(_mm_load_sd(reinterpret_cast<const double*>(p))); }
    static V load_rev(const T* p) { return load(p); }
    static void store(T* p, V v) { _mm_store_sd(reinterpret_cast<double*>(p), _mm_castps_pd(v)); }
    static void store_rev(T* p, V v) { store(p, v); }
};

// The pairs from k up to M/2 - 1 in whole blocks of P::lanes, from `in`
// to `out` (may be equal); returns where the blocks stopped.
template <class P, bool Inv, class T = typename P::T>
std::ptrdiff_t run(const T* in, T* out, const T* tw, std::ptrdiff_t k, std::ptrdiff_t m) {
    using V = typename P::V;
    for (; k + P::lanes <= m / 2; k += P::lanes) {
        T* pk = out + 2 * k;
        T* pj = out + 2 * (m - k);
        const V a = P::load(in + 2 * k), b = P::conj(P::load_rev(in + 2 * (m - k))), t = P::load(tw + 2 * k);
        const V diff = P::sub(a, b);
        const V cross = P::mul(P::swap(diff), P::dup_re(t));
        if constexpr (Inv) {
            const V e = P::add(a, b), r = P::fmaddsub(diff, P::dup_im(t), cross);
            P::store(pk, P::add(e, r));
            P::store_rev(pj, P::conj(P::sub(e, r)));
        } else {
            const V r = P::fmsubadd(diff, P::dup_im(t), cross);
            P::store(pk, P::add(b, r));
            P::store_rev(pj, P::conj(P::sub(a, r)));
        }
    }
    return k;
}

// The forward recombination of a[i] = Z[k] with b[-i] = Z[M-k] for i
// from `i` up in whole blocks of P::lanes below `end`, in place. The
// twiddle is formed as rot * v[i] = i w / 2, w = exp(-2 pi i k / 2M); then
//     X[k] = e/2 - (i w / 2) d,  X[M-k] = conj(e/2 + (i w / 2) d),
// the same recombination as above written with the plain twiddle.
template <class P, class T = typename P::T>
std::ptrdiff_t mirror_run(T* a, T* b, const T* v, const T* rot, std::ptrdiff_t i, std::ptrdiff_t end) {
    using V = typename P::V;
    const V rr = P::bcast(rot[0]), ri = P::bcast(rot[1]), half = P::bcast(T(0.5));
    for (; i + P::lanes <= end; i += P::lanes) {
        T* pk = a + 2 * i;
        T* pj = b - 2 * i;
        const V x = P::load(pk), y = P::conj(P::load_rev(pj)), t = P::load(v + 2 * i);
        const V w = P::fmaddsub(t, rr, P::mul(P::swap(t), ri));
        const V diff = P::sub(x, y), e = P::mul(P::add(x, y), half);
        const V u = P::fmaddsub(diff, P::dup_re(w), P::mul(P::swap(diff), P::dup_im(w)));
        P::store(pk, P::sub(e, u));
        P::store_rev(pj, P::conj(P::add(e, u)));
    }
    return i;
}

// The register widths of a precision, widest first: each runs from where
// the wider one stopped, so every pair is taken by exactly one of them.
template <class... P>
struct Widths {
    // step(P{}, i) runs one width from i and returns where it stopped.
    template <class Step>
    static std::ptrdiff_t run(std::ptrdiff_t i, Step step) {
        ((i = step(P{}, i)), ...);
        return i;
    }
};
template <class T>
using WidthsOf = std::conditional_t<std::is_same_v<T, double>, Widths<D2, D1>, Widths<F4, F2, F1>>;

template <bool Inv, class T>
void split(const T* in, T* out, const T* tw, std::ptrdiff_t m) {
    WidthsOf<T>::run(1, [&](auto w, std::ptrdiff_t k) { return run<decltype(w), Inv>(in, out, tw, k, m); });
}

}  // namespace

template <class T>
void avx2_real_split_mirror(T* a, T* b, const T* v, const T* rot, std::ptrdiff_t lo, std::ptrdiff_t hi) {
    WidthsOf<T>::run(lo, [&](auto w, std::ptrdiff_t i) { return mirror_run<decltype(w)>(a, b, v, rot, i, hi); });
}

template <class T>
void avx2_real_split(const T* in, T* out, const T* tw, std::ptrdiff_t m, bool inverse) {
    if (inverse)
        split<true>(in, out, tw, m);
    else
        split<false>(in, out, tw, m);
}

template void avx2_real_split<float>(const float*, float*, const float*, std::ptrdiff_t, bool);
template void avx2_real_split<double>(const double*, double*, const double*, std::ptrdiff_t, bool);
template void avx2_real_split_mirror<float>(float*, float*, const float*, const float*, std::ptrdiff_t,
                                            std::ptrdiff_t);
template void avx2_real_split_mirror<double>(double*, double*, const double*, const double*, std::ptrdiff_t,
                                             std::ptrdiff_t);

}  // namespace fft
}  // namespace veks

#pragma GCC pop_options
