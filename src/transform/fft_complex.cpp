// The complex transform driver: bit reversal fused with the twiddle-free
// first stage, then the radix stages. Long transforms run the stages that
// fit in a cache-sized block block by block before the wide stages.
#include <utility>

#include "fft_builtin.h"
#include "fft_engine.h"
#include "fft_radix.h"

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

template <class L, bool Inv>
void stages(const ComplexPlan<typename L::T>& plan, const typename L::D& d, ptrdiff_t n, ptrdiff_t from,
            ptrdiff_t to) {
    const bool odd = plan.order & 1;
    const ptrdiff_t first = odd ? 32 : 16;
    if (odd && from <= 8 && 8 <= to) radix2_stage8<L, Inv>(d, n);
    for (ptrdiff_t M = first; M <= to; M *= 4)
        if (M >= from) radix4_stage<L, Inv>(d, n, M, stage_tw(plan, M, first));
}

template <class L, bool Inv>
void run(const ComplexPlan<typename L::T>& plan, const typename L::D& s, const typename L::D& d,
         const typename L::T* scale) {
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
        // Largest stage size that still fits one cache block.
        ptrdiff_t block = order & 1 ? 8 : 4;
        while (block * 4 <= n && block * 4 * ptrdiff_t(2 * sizeof(T)) <= kBlockBytes) block *= 4;
        if (block < n) {
            for (ptrdiff_t b = 0; b < n; b += block) stages<L, Inv>(plan, d.offset(b), block, 8, block);
            stages<L, Inv>(plan, d, n, block * 2, n);
        } else {
            stages<L, Inv>(plan, d, n, 8, n);
        }
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
              bool inverse, const typename L::T* scale) {
    if (inverse)
        run<L, true>(plan, s, d, scale);
    else
        run<L, false>(plan, s, d, scale);
}

}  // namespace

template <class T>
void cfft(const ComplexPlan<T>& plan, const T* src, T* dst, bool inverse, const T* scale) {
    dispatch<Lanes<T, Inter>>(plan, {const_cast<T*>(src)}, {dst}, inverse, scale);
}

template <class T>
void cfft_split(const ComplexPlan<T>& plan, const T* src_re, const T* src_im, T* dst_re, T* dst_im,
                bool inverse, const T* scale) {
    dispatch<Lanes<T, Split>>(plan, {const_cast<T*>(src_re), const_cast<T*>(src_im)}, {dst_re, dst_im},
                              inverse, scale);
}

template <class T>
ComplexPlan<T> builtin_complex_plan(int order) {
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
    return p;
}

template ComplexPlan<float> builtin_complex_plan<float>(int);
template ComplexPlan<double> builtin_complex_plan<double>(int);
template void cfft<float>(const ComplexPlan<float>&, const float*, float*, bool, const float*);
template void cfft<double>(const ComplexPlan<double>&, const double*, double*, bool, const double*);
template void cfft_split<float>(const ComplexPlan<float>&, const float*, const float*, float*, float*, bool,
                                const float*);
template void cfft_split<double>(const ComplexPlan<double>&, const double*, const double*, double*, double*,
                                 bool, const double*);

}  // namespace fft
}  // namespace veks
