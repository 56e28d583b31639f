// Complex data as the radix kernels see it: two layouts (interleaved pairs
// or separate real and imaginary arrays) and, per element type and layout,
// a lane type that holds W consecutive complex values in SSE registers.
// The butterflies are written once against these operations.
#ifndef VEKS_TRANSFORM_FFT_LANES_H
#define VEKS_TRANSFORM_FFT_LANES_H

#include <pmmintrin.h>

#include <cstddef>

#include "core/simd.h"

namespace veks {
namespace fft {

using std::ptrdiff_t;

// (re, im) pairs at p[2i], p[2i+1].
template <class T>
struct Inter {
    T* p;
    T& re(ptrdiff_t i) const { return p[2 * i]; }
    T& im(ptrdiff_t i) const { return p[2 * i + 1]; }
    Inter offset(ptrdiff_t i) const { return {p + 2 * i}; }
    bool same(const Inter& o) const { return p == o.p; }
};

// Real parts in one array, imaginary parts in another.
template <class T>
struct Split {
    T* r;
    T* i_;
    T& re(ptrdiff_t i) const { return r[i]; }
    T& im(ptrdiff_t i) const { return i_[i]; }
    Split offset(ptrdiff_t i) const { return {r + i, i_ + i}; }
    bool same(const Split& o) const { return r == o.r && i_ == o.i_; }
};

template <class T, template <class> class Layout>
struct Lanes;

// Two interleaved single-precision complex values per register.
template <>
struct Lanes<float, Inter> {
    using T = float;
    static constexpr int W = 2;
    using D = Inter<float>;
    using V = __m128;
    struct TW { __m128 r, i; };
    static V load(const D& d, ptrdiff_t k) { return _mm_loadu_ps(d.p + 2 * k); }
    static void store(const D& d, ptrdiff_t k, V v) { _mm_storeu_ps(d.p + 2 * k, v); }
    static V add(V a, V b) { return _mm_add_ps(a, b); }
    static V sub(V a, V b) { return _mm_sub_ps(a, b); }
    static V scale(V a, float s) { return _mm_mul_ps(a, _mm_set1_ps(s)); }
    static V swap(V a) { return _mm_shuffle_ps(a, a, _MM_SHUFFLE(2, 3, 0, 1)); }
    // Multiplication by -i (forward) or +i (inverse).
    template <bool Inv>
    static V rot(V a) {
        const __m128 sign = Inv ? _mm_setr_ps(-0.f, 0.f, -0.f, 0.f) : _mm_setr_ps(0.f, -0.f, 0.f, -0.f);
        return _mm_xor_ps(swap(a), sign);
    }
    // Twiddles of lanes k, k+1 from separate real and imaginary arrays.
    static TW tw(const float* wr, const float* wi) {
        const __m128 r = simd::load_float_pair(wr);
        const __m128 i = simd::load_float_pair(wi);
        return {_mm_unpacklo_ps(r, r), _mm_unpacklo_ps(i, i)};
    }
    // a * w (forward) or a * conj(w) (inverse).
    template <bool Inv>
    static V cmul(V a, const TW& w) {
        const __m128 wi = Inv ? _mm_xor_ps(w.i, _mm_set1_ps(-0.f)) : w.i;
        return _mm_addsub_ps(_mm_mul_ps(a, w.r), _mm_mul_ps(swap(a), wi));
    }
};

// Four single-precision complex values as a real and an imaginary register.
template <>
struct Lanes<float, Split> {
    using T = float;
    static constexpr int W = 4;
    using D = Split<float>;
    struct V { __m128 r, i; };
    using TW = V;
    static V load(const D& d, ptrdiff_t k) { return {_mm_loadu_ps(d.r + k), _mm_loadu_ps(d.i_ + k)}; }
    static void store(const D& d, ptrdiff_t k, V v) {
        _mm_storeu_ps(d.r + k, v.r);
        _mm_storeu_ps(d.i_ + k, v.i);
    }
    static V add(V a, V b) { return {_mm_add_ps(a.r, b.r), _mm_add_ps(a.i, b.i)}; }
    static V sub(V a, V b) { return {_mm_sub_ps(a.r, b.r), _mm_sub_ps(a.i, b.i)}; }
    static V scale(V a, float s) {
        const __m128 f = _mm_set1_ps(s);
        return {_mm_mul_ps(a.r, f), _mm_mul_ps(a.i, f)};
    }
    template <bool Inv>
    static V rot(V a) {
        const __m128 z = _mm_set1_ps(-0.f);
        return Inv ? V{_mm_xor_ps(a.i, z), a.r} : V{a.i, _mm_xor_ps(a.r, z)};
    }
    static TW tw(const float* wr, const float* wi) { return {_mm_loadu_ps(wr), _mm_loadu_ps(wi)}; }
    template <bool Inv>
    static V cmul(V a, const TW& w) {
        if (Inv)
            return {_mm_add_ps(_mm_mul_ps(a.r, w.r), _mm_mul_ps(a.i, w.i)),
                    _mm_sub_ps(_mm_mul_ps(a.i, w.r), _mm_mul_ps(a.r, w.i))};
        return {_mm_sub_ps(_mm_mul_ps(a.r, w.r), _mm_mul_ps(a.i, w.i)),
                _mm_add_ps(_mm_mul_ps(a.i, w.r), _mm_mul_ps(a.r, w.i))};
    }
};

// One interleaved double-precision complex value per register.
template <>
struct Lanes<double, Inter> {
    using T = double;
    static constexpr int W = 1;
    using D = Inter<double>;
    using V = __m128d;
    struct TW { __m128d r, i; };
    static V load(const D& d, ptrdiff_t k) { return _mm_loadu_pd(d.p + 2 * k); }
    static void store(const D& d, ptrdiff_t k, V v) { _mm_storeu_pd(d.p + 2 * k, v); }
    static V add(V a, V b) { return _mm_add_pd(a, b); }
    static V sub(V a, V b) { return _mm_sub_pd(a, b); }
    static V scale(V a, double s) { return _mm_mul_pd(a, _mm_set1_pd(s)); }
    static V swap(V a) { return _mm_shuffle_pd(a, a, 1); }
    template <bool Inv>
    static V rot(V a) {
        const __m128d sign = Inv ? _mm_setr_pd(-0.0, 0.0) : _mm_setr_pd(0.0, -0.0);
        return _mm_xor_pd(swap(a), sign);
    }
    // Twiddle of lane k from a (re, im) pair; lane_step is unused (one lane).
    static TW tw_pairs(const double* p, ptrdiff_t) {
        const __m128d w = _mm_loadu_pd(p);
        return {_mm_unpacklo_pd(w, w), _mm_unpackhi_pd(w, w)};
    }
    template <bool Inv>
    static V cmul(V a, const TW& w) {
        const __m128d wi = Inv ? _mm_xor_pd(w.i, _mm_set1_pd(-0.0)) : w.i;
        return _mm_addsub_pd(_mm_mul_pd(a, w.r), _mm_mul_pd(swap(a), wi));
    }
};

// Two double-precision complex values as a real and an imaginary register.
template <>
struct Lanes<double, Split> {
    using T = double;
    static constexpr int W = 2;
    using D = Split<double>;
    struct V { __m128d r, i; };
    using TW = V;
    static V load(const D& d, ptrdiff_t k) { return {_mm_loadu_pd(d.r + k), _mm_loadu_pd(d.i_ + k)}; }
    static void store(const D& d, ptrdiff_t k, V v) {
        _mm_storeu_pd(d.r + k, v.r);
        _mm_storeu_pd(d.i_ + k, v.i);
    }
    static V add(V a, V b) { return {_mm_add_pd(a.r, b.r), _mm_add_pd(a.i, b.i)}; }
    static V sub(V a, V b) { return {_mm_sub_pd(a.r, b.r), _mm_sub_pd(a.i, b.i)}; }
    static V scale(V a, double s) {
        const __m128d f = _mm_set1_pd(s);
        return {_mm_mul_pd(a.r, f), _mm_mul_pd(a.i, f)};
    }
    template <bool Inv>
    static V rot(V a) {
        const __m128d z = _mm_set1_pd(-0.0);
        return Inv ? V{_mm_xor_pd(a.i, z), a.r} : V{a.i, _mm_xor_pd(a.r, z)};
    }
    // Twiddles of lanes k, k+1 from (re, im) pairs lane_step doubles apart.
    static TW tw_pairs(const double* p, ptrdiff_t lane_step) {
        const __m128d w0 = _mm_loadu_pd(p), w1 = _mm_loadu_pd(p + lane_step);
        return {_mm_unpacklo_pd(w0, w1), _mm_unpackhi_pd(w0, w1)};
    }
    template <bool Inv>
    static V cmul(V a, const TW& w) {
        if (Inv)
            return {_mm_add_pd(_mm_mul_pd(a.r, w.r), _mm_mul_pd(a.i, w.i)),
                    _mm_sub_pd(_mm_mul_pd(a.i, w.r), _mm_mul_pd(a.r, w.i))};
        return {_mm_sub_pd(_mm_mul_pd(a.r, w.r), _mm_mul_pd(a.i, w.i)),
                _mm_add_pd(_mm_mul_pd(a.i, w.r), _mm_mul_pd(a.r, w.i))};
    }
};

}  // namespace fft
}  // namespace veks

#endif
