// Everything in this file is compiled for AVX2 and FMA and reached only
// through avx2_radix4_stage after avx2_usable() said yes. The lane type
// lives in an anonymous namespace so that no inline function compiled here
// can stand in for a baseline one elsewhere.
#include "fft_avx2.h"

#pragma GCC push_options
#pragma GCC target("avx2,fma")
#include <immintrin.h>

#include "fft_radix.h"

namespace veks {
namespace fft {
namespace {

struct Data8 {
    float* r;
    float* i_;
    Data8 offset(ptrdiff_t k) const { return {r + k, i_ + k}; }
};

struct Lanes8 {
    using T = float;
    static constexpr int W = 8;
    using D = Data8;
    struct V { __m256 r, i; };
    using TW = V;
    static V load(const D& d, ptrdiff_t k) { return {_mm256_loadu_ps(d.r + k), _mm256_loadu_ps(d.i_ + k)}; }
    static void store(const D& d, ptrdiff_t k, V v) {
        _mm256_storeu_ps(d.r + k, v.r);
        _mm256_storeu_ps(d.i_ + k, v.i);
    }
    static V add(V a, V b) { return {_mm256_add_ps(a.r, b.r), _mm256_add_ps(a.i, b.i)}; }
    static V sub(V a, V b) { return {_mm256_sub_ps(a.r, b.r), _mm256_sub_ps(a.i, b.i)}; }
    template <bool Inv>
    static V rot(V a) {
        const __m256 z = _mm256_set1_ps(-0.f);
        return Inv ? V{_mm256_xor_ps(a.i, z), a.r} : V{a.i, _mm256_xor_ps(a.r, z)};
    }
    template <bool Inv>
    static V cmul(V a, const TW& w) {
        if (Inv)
            return {_mm256_fmadd_ps(a.r, w.r, _mm256_mul_ps(a.i, w.i)), _mm256_fmsub_ps(a.i, w.r, _mm256_mul_ps(a.r, w.i))};
        return {_mm256_fmsub_ps(a.r, w.r, _mm256_mul_ps(a.i, w.i)), _mm256_fmadd_ps(a.i, w.r, _mm256_mul_ps(a.r, w.i))};
    }
};

// Eight consecutive k span two groups of four in the stage table.
struct StageTw8 {
    const float* st;
    template <class L>
    void get(ptrdiff_t k, typename L::TW& w1, typename L::TW& w2, typename L::TW& w3) const {
        const float* g = st + (k >> 2) * 24;
        w1 = pair(g);
        w2 = pair(g + 8);
        w3 = pair(g + 16);
    }
    static Lanes8::V pair(const float* g) {
        return {_mm256_loadu2_m128(g + 24, g), _mm256_loadu2_m128(g + 28, g + 4)};
    }
};

// Two interleaved double-precision complex values per register.
struct Data2 {
    double* p;
    Data2 offset(ptrdiff_t k) const { return {p + 2 * k}; }
};

struct Lanes2d {
    using T = double;
    static constexpr int W = 2;
    using D = Data2;
    using V = __m256d;
    struct TW { __m256d r, i; };
    static V load(const D& d, ptrdiff_t k) { return _mm256_loadu_pd(d.p + 2 * k); }
    static void store(const D& d, ptrdiff_t k, V v) { _mm256_storeu_pd(d.p + 2 * k, v); }
    static V add(V a, V b) { return _mm256_add_pd(a, b); }
    static V sub(V a, V b) { return _mm256_sub_pd(a, b); }
    static V swap(V a) { return _mm256_permute_pd(a, 0x5); }
    template <bool Inv>
    static V rot(V a) {
        const __m256d sign = Inv ? _mm256_setr_pd(-0.0, 0.0, -0.0, 0.0) : _mm256_setr_pd(0.0, -0.0, 0.0, -0.0);
        return _mm256_xor_pd(swap(a), sign);
    }
    // Lanes k and k+1 from (re, im) records lane_step doubles apart.
    static TW tw_pairs(const double* p, ptrdiff_t lane_step) {
        const __m256d w = _mm256_loadu2_m128d(p + lane_step, p);
        return {_mm256_movedup_pd(w), _mm256_permute_pd(w, 0xF)};
    }
    template <bool Inv>
    static V cmul(V a, const TW& w) {
        const __m256d wi = Inv ? _mm256_xor_pd(w.i, _mm256_set1_pd(-0.0)) : w.i;
        return _mm256_fmaddsub_pd(a, w.r, _mm256_mul_pd(swap(a), wi));
    }
};

}  // namespace

void avx2_radix4_stage64(double* data, ptrdiff_t n, ptrdiff_t M, const double* rec, ptrdiff_t step, bool inverse) {
    const Data2 d{data};
    if (inverse)
        radix4_stage<Lanes2d, true>(d, n, M, StageTw<double>{rec, step});
    else
        radix4_stage<Lanes2d, false>(d, n, M, StageTw<double>{rec, step});
}

void avx2_radix4_stage(float* re, float* im, ptrdiff_t n, ptrdiff_t M, const float* st, bool inverse) {
    const Data8 d{re, im};
    if (inverse)
        radix4_stage<Lanes8, true>(d, n, M, StageTw8{st});
    else
        radix4_stage<Lanes8, false>(d, n, M, StageTw8{st});
}

}  // namespace fft
}  // namespace veks
#pragma GCC pop_options
