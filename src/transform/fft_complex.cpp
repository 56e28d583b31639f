// The complex transform driver: bit reversal fused with the twiddle-free
// first stage, then the radix stages. Long transforms run the stages that
// fit in a cache-sized block block by block before the wide stages.
#include <type_traits>
#include <utility>

#include "fft_avx2.h"
#include "fft_builtin.h"
#include "fft_engine.h"
#include "fft_large.h"
#include "fft_radix.h"
#include "fft_sizes.h"
#include "fft_wide.h"
#include "core/workbuf.h"

namespace veks {
namespace fft {
namespace {

// Blocks of this many bytes are transformed completely before the stages
// that span several of them.
constexpr ptrdiff_t kBlockBytes = 128 * 1024;

inline ptrdiff_t rev2(ptrdiff_t q) { return ((q & 1) << 1) | (q >> 1); }

// One twiddle-free radix-4 butterfly on bit-reversed y0..y3 (y1 holds the
// residue-2 element): natural-order outputs into dst[o..o+3].
template <bool Inv, class D, class T>
inline void dft4(T y0r, T y0i, T y1r, T y1i, T y2r, T y2i, T y3r, T y3i, const D& d, ptrdiff_t o) {
    const T sr = y0r + y1r, si = y0i + y1i, dr = y0r - y1r, di = y0i - y1i;
    const T tr = y2r + y3r, ti = y2i + y3i, er = y2r - y3r, ei = y2i - y3i;
    // -i*e forward, +i*e inverse
    const T fr = Inv ? -ei : ei, fi = Inv ? er : -er;
    d.re(o) = sr + tr;
    d.im(o) = si + ti;
    d.re(o + 1) = dr + fr;
    d.im(o + 1) = di + fi;
    d.re(o + 2) = sr - tr;
    d.im(o + 2) = si - ti;
    d.re(o + 3) = dr - fr;
    d.im(o + 3) = di - fi;
}

// Bit reversal and first stage. Out of place the four inputs of each group
// are gathered straight from src; in place the data are permuted first.
template <bool Inv, class D>
void first_stage(const D& s, const D& d, int order, const std::int32_t* rev) {
    const ptrdiff_t n = ptrdiff_t(1) << order, q = n / 4;
    if (!s.same(d)) {
        for (ptrdiff_t g = 0; g < q; ++g) {
            const ptrdiff_t b = rev[g];
            dft4<Inv>(s.re(b), s.im(b), s.re(b + 2 * q), s.im(b + 2 * q), s.re(b + q), s.im(b + q),
                      s.re(b + 3 * q), s.im(b + 3 * q), d, 4 * g);
        }
        return;
    }
    for (ptrdiff_t e = 1; e < n; ++e) {
        const ptrdiff_t r = rev2(e & 3) * q + rev[e >> 2];
        if (e < r) {
            std::swap(d.re(e), d.re(r));
            std::swap(d.im(e), d.im(r));
        }
    }
    for (ptrdiff_t g = 0; g < q; ++g) {
        const ptrdiff_t o = 4 * g;
        dft4<Inv>(d.re(o), d.im(o), d.re(o + 1), d.im(o + 1), d.re(o + 2), d.im(o + 2), d.re(o + 3),
                  d.im(o + 3), d, o);
    }
}

// Twiddle source of the radix-4 stage of size M.
inline StageTw<float> stage_tw(const ComplexPlan<float>& p, ptrdiff_t M, ptrdiff_t first) {
    // Stage tables are stored one after another, 1.5*M floats each.
    ptrdiff_t off = 0;
    for (ptrdiff_t m = first; m < M; m *= 4) off += m + m / 2;
    return {p.twiddle + off};
}
inline StageTw<double> stage_tw(const ComplexPlan<double>& p, ptrdiff_t M, ptrdiff_t) {
    return {p.twiddle, 6 * ((ptrdiff_t(1) << p.tw_order) / M)};
}

// The stages of sizes from..to. `wide` sends the single-precision split
// stages with at least eight butterflies per block, and the interleaved
// double-precision stages, to the AVX2 kernels.
template <class L, bool Inv>
void stages(const ComplexPlan<typename L::T>& plan, const typename L::D& d, ptrdiff_t n, ptrdiff_t from,
            ptrdiff_t to, bool wide) {
    const bool odd = plan.order & 1;
    const ptrdiff_t first = odd ? 32 : 16;
    if (odd && from <= 8 && 8 <= to) radix2_stage8<L, Inv>(d, n);
    for (ptrdiff_t M = first; M <= to; M *= 4) {
        if (M < from) continue;
        const auto tw = stage_tw(plan, M, first);
        if constexpr (std::is_same_v<L, Lanes<float, Split>>) {
            if (wide && M >= 32) {
                avx2_radix4_stage(d.r, d.i_, n, M, tw.st, Inv);
                continue;
            }
        }
        if constexpr (std::is_same_v<L, Lanes<double, Inter>>) {
            if (wide) {
                avx2_radix4_stage64(d.p, n, M, tw.rec, tw.step, Inv);
                continue;
            }
        }
        radix4_stage<L, Inv>(d, n, M, tw);
    }
}

// Every twiddled stage; the stages that fit one cache block run block by
// block before the wider ones.
template <class L, bool Inv>
void all_stages(const ComplexPlan<typename L::T>& plan, const typename L::D& d, bool wide = false) {
    const ptrdiff_t n = ptrdiff_t(1) << plan.order;
    ptrdiff_t block = plan.order & 1 ? 8 : 4;
    while (block * 4 <= n && block * 4 * ptrdiff_t(2 * sizeof(typename L::T)) <= kBlockBytes) block *= 4;
    if (block < n) {
        for (ptrdiff_t b = 0; b < n; b += block) stages<L, Inv>(plan, d.offset(b), block, 8, block, wide);
        stages<L, Inv>(plan, d, n, block * 2, n, wide);
    } else {
        stages<L, Inv>(plan, d, n, 8, n, wide);
    }
}

// Single precision with a work buffer of N complex values: the bit
// reversal and first stage gather four groups at a time from the
// interleaved source into separate real and imaginary arrays in the buffer,
// the stages run there four butterflies per register, and one last pass
// interleaves (and scales) into the destination.
inline void transpose4(__m128& a, __m128& b, __m128& c, __m128& d) { _MM_TRANSPOSE4_PS(a, b, c, d); }

template <bool Inv>
void first_stage_to_split(const float* src, const Split<float>& w, int order, const std::int32_t* rev) {
    const ptrdiff_t n = ptrdiff_t(1) << order, q = n / 4;
    const ptrdiff_t off[4] = {0, 4 * q, 2 * q, 6 * q};  // floats: elements 0, N/2, N/4, 3N/4
    for (ptrdiff_t g = 0; g < q; g += 4) {
        const float* p0 = src + 2 * rev[g];
        const float* p1 = src + 2 * rev[g + 1];
        const float* p2 = src + 2 * rev[g + 2];
        const float* p3 = src + 2 * rev[g + 3];
        __m128 yr[4], yi[4];
        for (int j = 0; j < 4; ++j) {
            const __m128 lo = _mm_loadh_pi(simd::load_float_pair(p0 + off[j]),
                                           reinterpret_cast<const __m64*>(p1 + off[j]));
            const __m128 hi = _mm_loadh_pi(simd::load_float_pair(p2 + off[j]),
                                           reinterpret_cast<const __m64*>(p3 + off[j]));
            yr[j] = _mm_shuffle_ps(lo, hi, _MM_SHUFFLE(2, 0, 2, 0));
            yi[j] = _mm_shuffle_ps(lo, hi, _MM_SHUFFLE(3, 1, 3, 1));
        }
        const __m128 sr = _mm_add_ps(yr[0], yr[1]), si = _mm_add_ps(yi[0], yi[1]);
        const __m128 dr = _mm_sub_ps(yr[0], yr[1]), di = _mm_sub_ps(yi[0], yi[1]);
        const __m128 tr = _mm_add_ps(yr[2], yr[3]), ti = _mm_add_ps(yi[2], yi[3]);
        const __m128 er = _mm_sub_ps(yr[2], yr[3]), ei = _mm_sub_ps(yi[2], yi[3]);
        const __m128 z = _mm_set1_ps(-0.f);
        const __m128 fr = Inv ? _mm_xor_ps(ei, z) : ei, fi = Inv ? er : _mm_xor_ps(er, z);
        __m128 r0 = _mm_add_ps(sr, tr), r1 = _mm_add_ps(dr, fr), r2 = _mm_sub_ps(sr, tr), r3 = _mm_sub_ps(dr, fr);
        __m128 i0 = _mm_add_ps(si, ti), i1 = _mm_add_ps(di, fi), i2 = _mm_sub_ps(si, ti), i3 = _mm_sub_ps(di, fi);
        transpose4(r0, r1, r2, r3);
        transpose4(i0, i1, i2, i3);
        float* wr = w.r + 4 * g;
        float* wi = w.i_ + 4 * g;
        _mm_store_ps(wr, r0), _mm_store_ps(wr + 4, r1), _mm_store_ps(wr + 8, r2), _mm_store_ps(wr + 12, r3);
        _mm_store_ps(wi, i0), _mm_store_ps(wi + 4, i1), _mm_store_ps(wi + 8, i2), _mm_store_ps(wi + 12, i3);
    }
}

void interleave(const Split<float>& w, float* dst, ptrdiff_t n, const float* scale) {
    const __m128 f = _mm_set1_ps(scale ? *scale : 1.f);
    for (ptrdiff_t i = 0; i < n; i += 4) {
        __m128 re = _mm_load_ps(w.r + i), im = _mm_load_ps(w.i_ + i);
        if (scale) re = _mm_mul_ps(re, f), im = _mm_mul_ps(im, f);
        _mm_storeu_ps(dst + 2 * i, _mm_unpacklo_ps(re, im));
        _mm_storeu_ps(dst + 2 * i + 4, _mm_unpackhi_ps(re, im));
    }
}

template <bool Inv>
void run_via_split(const ComplexPlan<float>& plan, const float* src, float* dst, float* work, const float* scale) {
    const ptrdiff_t n = ptrdiff_t(1) << plan.order;
    const Split<float> w{work, work + n};
    first_stage_to_split<Inv>(src, w, plan.order, plan.bitrev);
    all_stages<Lanes<float, Split>, Inv>(plan, w, avx2_usable());
    interleave(w, dst, n, scale);
}

template <class L, bool Inv>
void run(const ComplexPlan<typename L::T>& plan, const typename L::D& s, const typename L::D& d,
         const typename L::T* scale, bool wide) {
    using T = typename L::T;
    const int order = plan.order;
    const ptrdiff_t n = ptrdiff_t(1) << order;
    if (order == 0) {
        d.re(0) = s.re(0);
        d.im(0) = s.im(0);
    } else if (order == 1) {
        const T ar = s.re(0), ai = s.im(0), br = s.re(1), bi = s.im(1);
        d.re(0) = ar + br;
        d.im(0) = ai + bi;
        d.re(1) = ar - br;
        d.im(1) = ai - bi;
    } else {
        first_stage<Inv>(s, d, order, plan.bitrev);
        all_stages<L, Inv>(plan, d, wide);
    }
    if (scale) {
        const T f = *scale;
        for (ptrdiff_t i = 0; i < n; ++i) {
            d.re(i) *= f;
            d.im(i) *= f;
        }
    }
}

template <class L>
void dispatch(const ComplexPlan<typename L::T>& plan, const typename L::D& s, const typename L::D& d,
              bool inverse, const typename L::T* scale, bool wide) {
    if (inverse)
        run<L, true>(plan, s, d, scale, wide);
    else
        run<L, false>(plan, s, d, scale, wide);
}

// In-place radix-2 transform reading the wide table, for the rare call
// that finds no scratch for the self-sorting path (allocation failed).
template <class T>
void wide_fallback(int level, int order, const T* table, const T* src, T* d, bool inverse, const T* scale) {
    const ptrdiff_t n = ptrdiff_t(1) << order, q = n / 4, g = wide_group<T>(order);
    const bool split = wide_split_table<T>(order, level);
    if (src != d)
        for (ptrdiff_t i = 0; i < 2 * n; ++i) d[i] = src[i];
    for (ptrdiff_t i = 1, j = 0; i < n; ++i) {
        ptrdiff_t bit = n >> 1;
        for (; j & bit; bit >>= 1) j ^= bit;
        j |= bit;
        if (i < j) std::swap(d[2 * i], d[2 * j]), std::swap(d[2 * i + 1], d[2 * j + 1]);
    }
    for (ptrdiff_t half = 1; half < n; half *= 2)
        for (ptrdiff_t j = 0; j < half; ++j) {
            // w_N^k, k = j*N/(2*half) < N/2: w^(k - N/4) times -i above N/4.
            const ptrdiff_t k = j * (n / (2 * half));
            std::int64_t re, im;
            wide_parts<T>(k % q, 1, g, split, re, im);
            const T* t = table;
            T wr = k < q ? t[re] : t[im], wi = k < q ? t[im] : -t[re];
            if (inverse) wi = -wi;
            for (ptrdiff_t b = j; b < n; b += 2 * half) {
                T* x = d + 2 * b;
                T* y = x + 2 * half;
                const T yr = y[0] * wr - y[1] * wi, yi = y[0] * wi + y[1] * wr;
                y[0] = x[0] - yr, y[1] = x[1] - yi;
                x[0] += yr, x[1] += yi;
            }
        }
    if (scale)
        for (ptrdiff_t i = 0; i < 2 * n; ++i) d[i] *= *scale;
}

}  // namespace

// Scratch on the stack.
template <class T>
void wide_on_stack(WideRun<T> run, int order, const T* tw, const T* src, T* dst, const T* scale) {
    run(order, tw, src, dst, cache_line_in<T>(__builtin_alloca(stack_area<T>(order))), scale);
}

template <class T>
void wide_on_heap(WideRun<T> run, int level, int order, const T* tw, const T* src, T* dst, bool inverse,
                  const T* scale) {
    WorkBuffer own;
    if (own.acquire(scratch_bytes<T>(order), 64))
        run(order, tw, src, dst, own.as<T>(), scale);
    else
        wide_fallback(level, order, tw, src, dst, inverse, scale);
}

namespace {

// Transforms that stay in registers go straight to their kernel.
template <class T>
void cfft_wide(const ComplexPlan<T>& plan, const T* src, T* dst, bool inverse, const T* scale, T* work) {
    const WideRun<T> run = plan.wide_run[inverse];
    if (plan.order > kWideRegisterOrders)
        return cfft_wide_scratch(run, plan.wide, plan.order, plan.twiddle, src, dst, inverse, scale, work);
    run(plan.order, plan.twiddle, src, dst, nullptr, scale);
}

}  // namespace

template <class T>
void cfft(const ComplexPlan<T>& plan, const T* src, T* dst, bool inverse, const T* scale, T* work) {
    if (plan.large) return large_cfft(*plan.large, src, dst, inverse, scale, work);
    if (plan.wide) return cfft_wide(plan, src, dst, inverse, scale, work);
    if constexpr (sizeof(T) == 4) {
        // The split form needs a buffer of N complex values (orders 6 to 17).
        if (work && plan.order >= 6 && plan.order <= kSplitBufferUpTo) {
            if (inverse)
                run_via_split<true>(plan, src, dst, work, scale);
            else
                run_via_split<false>(plan, src, dst, work, scale);
            return;
        }
    }
    // Interleaved double precision takes the AVX2 stages where available;
    // the split kinds keep the SSE kernels everywhere.
    dispatch<Lanes<T, Inter>>(plan, {const_cast<T*>(src)}, {dst}, inverse, scale, sizeof(T) == 8 && avx2_usable());
}

template <class T>
void cfft_split(const ComplexPlan<T>& plan, const T* src_re, const T* src_im, T* dst_re, T* dst_im,
                bool inverse, const T* scale) {
    dispatch<Lanes<T, Split>>(plan, {const_cast<T*>(src_re), const_cast<T*>(src_im)}, {dst_re, dst_im},
                              inverse, scale, false);
}

template <class T>
ComplexPlan<T> builtin_complex_plan(int order, int wide) {
    static constexpr const std::int32_t* rev[6] = {nullptr, nullptr, kBitRev_2, kBitRev_3, kBitRev_4, kBitRev_5};
    ComplexPlan<T> p;
    if (order < 0 || order > 5) return p;
    p.order = order;
    p.bitrev = rev[order];
    if constexpr (sizeof(T) == 4)
        p.twiddle = order == 4 ? kStages32f_4 : order == 5 ? kStages32f_5 : nullptr;
    else
        p.twiddle = order == 4 ? kRecords64f_4 : order == 5 ? kRecords64f_5 : nullptr;
    p.tw_order = order;
    if (wide && order >= 4) {
        if constexpr (sizeof(T) == 4)
            p.twiddle = order == 4 ? kWide32f_4 : kWide32f_5;
        else
            p.twiddle = order == 4 ? kWide64f_4 : kWide64f_5;
        p.wide = wide;
        for (int inverse = 0; inverse < 2; ++inverse) p.wide_run[inverse] = wide_run<T>(wide, order, inverse);
    }
    return p;
}

template ComplexPlan<float> builtin_complex_plan<float>(int, int);
template ComplexPlan<double> builtin_complex_plan<double>(int, int);
template void wide_on_stack<float>(WideRun<float>, int, const float*, const float*, float*, const float*);
template void wide_on_stack<double>(WideRun<double>, int, const double*, const double*, double*, const double*);
template void wide_on_heap<float>(WideRun<float>, int, int, const float*, const float*, float*, bool, const float*);
template void wide_on_heap<double>(WideRun<double>, int, int, const double*, const double*, double*, bool,
                                   const double*);
template void cfft<float>(const ComplexPlan<float>&, const float*, float*, bool, const float*, float*);
template void cfft<double>(const ComplexPlan<double>&, const double*, double*, bool, const double*, double*);
template void cfft_split<float>(const ComplexPlan<float>&, const float*, const float*, float*, float*, bool,
                                const float*);
template void cfft_split<double>(const ComplexPlan<double>&, const double*, const double*, double*, double*,
                                 bool, const double*);

}  // namespace fft
}  // namespace veks
