// Real FFT of length N through the complex FFT of length N/2: the N reals
// are read as N/2 complex values z[n] = x[2n] + i*x[2n+1], transformed, and
// split into the spectrum of x by one recombination pass (and the reverse
// for the inverse). The packed layouts are rearranged in place.
#include <emmintrin.h>

#include <cstring>
#include <type_traits>

#include "fft_avx2.h"
#include "fft_builtin.h"
#include "fft_engine.h"
#include "fft_large.h"
#include "fft_real_small.h"
#include "fft_real_split.h"

namespace veks {
namespace fft {

template <class T>
const T* builtin_real_table(int order, bool ccs) {
    if constexpr (sizeof(T) == 4) {
        static constexpr const float* rec[3] = {kRealTw32f_8, kRealTw32f_16, kRealTw32f_32};
        static constexpr const float* inv[3] = {kCcsTw32f_8, kCcsTw32f_16, kCcsTw32f_32};
        return order >= 3 && order <= 5 ? (ccs ? inv : rec)[order - 3] : nullptr;
    } else {
        static constexpr const double* rec[3] = {kRealTw64f_8, kRealTw64f_16, kRealTw64f_32};
        static constexpr const double* inv[3] = {kCcsTw64f_8, kCcsTw64f_16, kCcsTw64f_32};
        return order >= 3 && order <= 5 ? (ccs ? inv : rec)[order - 3] : nullptr;
    }
}

template const float* builtin_real_table<float>(int, bool);
template const double* builtin_real_table<double>(int, bool);

namespace {

// The recombination of the pairs (k, M - k) runs on vectors of consecutive
// k: `Pairs<T, wide>` loads the values at k, k+1, ... split into real and
// imaginary parts, and those at M-k, M-k-1, ... in the same lane order, and
// stores them back. Each lane computes exactly the scalar formulas, so
// block and tail give the same bits.
template <class T, bool wide> struct Pairs;

// One pair at a time: the scalar tail of either precision.
template <class T>
struct Pairs<T, false> {
    using V = T;
    static constexpr int lanes = 1;
    static void load(const T* p, T& re, T& im) { re = p[0], im = p[1]; }
    static void load_rev(const T* p, T& re, T& im) { re = p[0], im = p[1]; }
    static void store(T* p, T re, T im) { p[0] = re, p[1] = im; }
    static void store_rev(T* p, T re, T im) { p[0] = re, p[1] = im; }
};

// Four single-precision pairs; the reversed forms take the address of the
// highest index (M - k) and cover M - k - 3 .. M - k.
template <>
struct Pairs<float, true> {
    using V = __m128;
    static constexpr int lanes = 4;
    static void load(const float* p, __m128& re, __m128& im) {
        const __m128 a = _mm_loadu_ps(p), b = _mm_loadu_ps(p + 4);
        re = _mm_shuffle_ps(a, b, _MM_SHUFFLE(2, 0, 2, 0));
        im = _mm_shuffle_ps(a, b, _MM_SHUFFLE(3, 1, 3, 1));
    }
    static void load_rev(const float* p, __m128& re, __m128& im) {
        const __m128 lo = _mm_loadu_ps(p - 6), hi = _mm_loadu_ps(p - 2);
        re = _mm_shuffle_ps(hi, lo, _MM_SHUFFLE(0, 2, 0, 2));
        im = _mm_shuffle_ps(hi, lo, _MM_SHUFFLE(1, 3, 1, 3));
    }
    static void store(float* p, __m128 re, __m128 im) {
        _mm_storeu_ps(p, _mm_unpacklo_ps(re, im));
        _mm_storeu_ps(p + 4, _mm_unpackhi_ps(re, im));
    }
    static void store_rev(float* p, __m128 re, __m128 im) {
        const __m128 lo = _mm_unpacklo_ps(re, im), hi = _mm_unpackhi_ps(re, im);
        _mm_storeu_ps(p - 6, _mm_shuffle_ps(hi, hi, _MM_SHUFFLE(1, 0, 3, 2)));
        _mm_storeu_ps(p - 2, _mm_shuffle_ps(lo, lo, _MM_SHUFFLE(1, 0, 3, 2)));
    }
};

template <>
struct Pairs<double, true> {
    using V = __m128d;
    static constexpr int lanes = 2;
    static void load(const double* p, __m128d& re, __m128d& im) {
        const __m128d a = _mm_loadu_pd(p), b = _mm_loadu_pd(p + 2);
        re = _mm_unpacklo_pd(a, b);
        im = _mm_unpackhi_pd(a, b);
    }
    static void load_rev(const double* p, __m128d& re, __m128d& im) {
        const __m128d lo = _mm_loadu_pd(p - 2), hi = _mm_loadu_pd(p);
        re = _mm_unpacklo_pd(hi, lo);
        im = _mm_unpackhi_pd(hi, lo);
    }
    static void store(double* p, __m128d re, __m128d im) {
        _mm_storeu_pd(p, _mm_unpacklo_pd(re, im));
        _mm_storeu_pd(p + 2, _mm_unpackhi_pd(re, im));
    }
    static void store_rev(double* p, __m128d re, __m128d im) {
        _mm_storeu_pd(p - 2, _mm_unpackhi_pd(re, im));
        _mm_storeu_pd(p, _mm_unpacklo_pd(re, im));
    }
};

// Forward: with (tr, ti) = T_r[k], a = Z[k], b = Z[M-k], writes X[k] and
// X[M-k] over them.
struct ForwardSplit {
    template <class V>
    static void pair(V ar, V ai, V br, V bi, V tr, V ti, V& kr, V& ki, V& jr, V& ji) {
        const V dre = ar - br, dim = ai + bi;
        const V u = ti * dre + tr * dim, v = ti * dim - tr * dre;
        kr = br + u, ki = v - bi, jr = ar - u, ji = v - ai;
    }
};
// Inverse: with (c, s) = T_c[k], a = X[k], b = X[M-k], writes 2 Z[k] and
// 2 Z[M-k] over them.
struct InverseSplit {
    template <class V>
    static void pair(V ar, V ai, V br, V bi, V c, V s, V& kr, V& ki, V& jr, V& ji) {
        const V p = ar + br, q = ai - bi, dre = ar - br, dim = ai + bi;
        const V g = s * dre - c * dim, h = c * dre + s * dim;
        kr = p + g, ki = q + h, jr = p - g, ji = h - q;
    }
};

// The pairs from k up to M/2 - 1 in whole blocks of lanes, read from `in`
// and written to `out` (may be equal); returns where the blocks stopped.
template <bool wide, class Op, class T>
std::ptrdiff_t split_run(const T* in, T* out, const T* tw, std::ptrdiff_t k, std::ptrdiff_t m) {
    using P = Pairs<T, wide>;
    using V = typename P::V;
    for (; k + P::lanes <= m / 2; k += P::lanes) {
        V ar, ai, br, bi, c, s, kr, ki, jr, ji;
        P::load(in + 2 * k, ar, ai);
        P::load_rev(in + 2 * (m - k), br, bi);
        P::load(tw + 2 * k, c, s);
        Op::pair(ar, ai, br, bi, c, s, kr, ki, jr, ji);
        P::store(out + 2 * k, kr, ki);
        P::store_rev(out + 2 * (m - k), jr, ji);
    }
    return k;
}

template <class Op, class T>
void split_all(const T* in, T* out, const T* tw, std::ptrdiff_t m) {
    if (avx2_usable()) return avx2_real_split(in, out, tw, m, std::is_same_v<Op, InverseSplit>);
    split_run<false, Op>(in, out, tw, split_run<true, Op>(in, out, tw, 1, m), m);
}

}  // namespace

template <class T>
void rfft_to_perm(const RealPlan<T>& plan, const T* src, T* dst, const T* scale, T* work) {
    if (plan.small) return small_real_forward(plan.order, src, dst, Packed::Perm, scale);
    const std::ptrdiff_t m = std::ptrdiff_t(1) << (plan.order - 1);
    if (plan.half.large) return large_rfft(*plan.half.large, src, dst, scale, work, plan.ccs_tw);
    cfft(plan.half, src, dst, false, scale, work);
    const T a = dst[0], b = dst[1];
    dst[0] = a + b;
    dst[1] = a - b;
    split_all<ForwardSplit>(dst, dst, plan.real_tw, m);
    if (m >= 2) dst[m + 1] = -dst[m + 1];
}

// Out of place the recombination reads the spectrum where the caller left
// it (Perm and CCS hold X[k] at 2k), so the spectrum is never copied.
template <class T>
void rfft_from_packed(const RealPlan<T>& plan, Packed from, const T* src, T* dst, const T* scale, T* work) {
    const int n = 1 << plan.order;
    if (plan.small) return small_real_inverse(plan.order, src, dst, from, scale);
    if (from == Packed::Pack) {
        to_perm(from, src, dst, n);
        src = dst;
    }
    const std::ptrdiff_t m = n / 2;
    const T r0 = src[0], rh = src[from == Packed::CCS ? n : 1];
    split_all<InverseSplit>(src, dst, plan.ccs_tw, m);
    dst[0] = r0 + rh;
    dst[1] = r0 - rh;
    dst[m] = 2 * src[m];
    dst[m + 1] = -2 * src[m + 1];
    cfft(plan.half, dst, dst, true, scale, work);
}

template <class T>
void rfft_from_perm(const RealPlan<T>& plan, T* data, const T* scale, T* work) {
    rfft_from_packed(plan, Packed::Perm, data, data, scale, work);
}

template <class T>
void perm_to(Packed to, T* d, int n) {
    if (to == Packed::Perm) return;
    if (to == Packed::CCS) {
        if (n > 1) {
            d[n] = d[1];
            d[n + 1] = 0;
        }
        d[1] = 0;
        return;
    }
    if (n <= 2) return;
    const T nyq = d[1];
    std::memmove(d + 1, d + 2, sizeof(T) * std::size_t(n - 2));
    d[n - 1] = nyq;
}

template <class T>
void to_perm(Packed from, const T* src, T* dst, int n) {
    if (n == 1) {
        dst[0] = src[0];
        return;
    }
    if (from == Packed::Pack) {
        const T nyq = src[n - 1];
        std::memmove(dst + 2, src + 1, sizeof(T) * std::size_t(n - 2));
        dst[0] = src[0];
        dst[1] = nyq;
        return;
    }
    const T nyq = from == Packed::CCS ? src[n] : src[1];
    dst[0] = src[0];
    dst[1] = nyq;
    if (src != dst) std::memcpy(dst + 2, src + 2, sizeof(T) * std::size_t(n - 2));
}

template void rfft_to_perm<float>(const RealPlan<float>&, const float*, float*, const float*, float*);
template void rfft_to_perm<double>(const RealPlan<double>&, const double*, double*, const double*, double*);
template void rfft_from_perm<float>(const RealPlan<float>&, float*, const float*, float*);
template void rfft_from_packed<float>(const RealPlan<float>&, Packed, const float*, float*, const float*, float*);
template void rfft_from_packed<double>(const RealPlan<double>&, Packed, const double*, double*, const double*,
                                       double*);
template void rfft_from_perm<double>(const RealPlan<double>&, double*, const double*, double*);
template void perm_to<float>(Packed, float*, int);
template void perm_to<double>(Packed, double*, int);
template void to_perm<float>(Packed, const float*, float*, int);
template void to_perm<double>(Packed, const double*, double*, int);
template void perm_to<std::int16_t>(Packed, std::int16_t*, int);
template void to_perm<std::int16_t>(Packed, const std::int16_t*, std::int16_t*, int);

}  // namespace fft
}  // namespace veks
