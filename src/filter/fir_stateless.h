// Stateless FIR forms: the caller keeps taps, a doubled circular delay line
// of 2*tapsLen elements (the window at the index holds the last tapsLen
// inputs, oldest first; positions p and p+tapsLen hold the same sample) and
// the index. Multirate stateless forms keep ceil(tapsLen/upFactor) inputs,
// most recent first.
#ifndef VEKS_FILTER_FIR_STATELESS_H
#define VEKS_FILTER_FIR_STATELESS_H

#include "core/workbuf.h"
#include "filter/fir_int_state.h"
#include "filter/fir_mr.h"
#include "filter/fir_single.h"

namespace veks {
namespace fir {

inline VekStatus check_direct(int L, const void* line, const int* pidx) {
    VEKS_CHECK(check_param(L < 1, vekStsFIRLenErr));
    VEKS_CHECK(check_ptrs(line, pidx));
    return check_param(*pidx < 0 || *pidx >= L, vekStsDlyLineIndexErr);
}

// Writes the newest L samples (oldest first) as the window at `idx`, both
// halves of the doubled line.
template <class D, class F>
void put_window(D* line, int L, int idx, F&& oldest_first) {
    for (int i = 0; i < L; ++i) {
        const int p = idx + i;
        const D v = oldest_first(i);
        line[p] = v;
        line[p < L ? p + L : p - L] = v;
    }
}

// One sample with the caller's natural-order taps.
template <class T, class D, class P>
T direct_step(D x, const P* taps, int L, D* line, int* pidx) {
    int d = *pidx;
    line[d] = x;
    line[d + L] = x;
    d = d + 1 == L ? 0 : d + 1;
    *pidx = d;
    T acc = zero<T>();
    for (int i = 0; i < L; ++i) acc = add(acc, mul(widen<T>(taps[L - 1 - i]), widen<T>(line[d + i])));
    return acc;
}

template <class T, class D, Narrow N, class P>
VekStatus direct_one(D x, D* y, const P* taps, int L, D* line, int* pidx, int sf) {
    VEKS_CHECK(check_ptrs(y, taps));
    VEKS_CHECK(check_direct(L, line, pidx));
    *y = narrow<N, D>(direct_step<T>(x, taps, L, line, pidx), narrow_scale<N>(sf));
    return vekStsNoErr;
}

// Block call. Short pure-float filters run without allocation: the first
// L-1 outputs sample by sample, the rest straight from the source. Longer
// or mixed ones run a temporary state.
template <class T, class D, Narrow N, class P>
VekStatus direct_block(const D* src, D* dst, int n, const P* taps, int L, D* line, int* pidx, int sf) {
    VEKS_CHECK(check_ptrs(src, dst));
    VEKS_CHECK(check_len(n));
    VEKS_CHECK(check_ptrs(taps));
    VEKS_CHECK(check_direct(L, line, pidx));
    if constexpr (N == Narrow::Same) {
        if (L < 64 && src != dst) {
            alignas(16) T rep[4 * 64];
            for (int j = 0; j < L; ++j) replicate(widen<T>(taps[j]), rep + 4 * j);
            const int head = std::min(L - 1, n);
            for (int k = 0; k < head; ++k) dst[k] = direct_step<T>(src[k], taps, L, line, pidx);
            if (L <= n) {
                dot_split(rep, L, src, dst + L - 1, n - L + 1, n > Limits<T>::parallel_above);
                put_window(line, L, L - 1, [&](int i) { return src[n - L + i]; });
                *pidx = L - 1;
            }
            return vekStsNoErr;
        }
    }
    State<T>* s;
    void* spec;
    int fft[4];
    VEKS_CHECK(alloc_single<T>(fi(0), L, true, &s, &spec, fft));
    write_taps(s, [&](int j) { return widen<T>(taps[j]); });
    finish_single(s, nullptr, spec, fft);
    const int idx = *pidx;
    for (int i = 0; i < L; ++i) s->dly_t()[i] = widen<T>(line[idx + i]);
    const VekStatus st = single_block<T, D, N>(s, src, dst, n, sf);
    const T* h = s->dly_t() + s->dlyIndex;
    put_window(line, L, idx, [&](int i) { return narrow_history<D>(h[i]); });
    free_state(s);
    return st;
}

// ---- integer taps --------------------------------------------------------------

inline std::int32_t wrap_add(std::int32_t a, std::int32_t b) { return std::int32_t(std::uint32_t(a) + std::uint32_t(b)); }
inline Cx<std::int32_t> wrap_add(Cx<std::int32_t> a, Cx<std::int32_t> b) {
    return {wrap_add(a.re, b.re), wrap_add(a.im, b.im)};
}

template <class R, class P>
VekStatus int_direct_one(R x, R* y, const P* taps, int L, int tf, R* line, int* pidx, int sf) {
    VEKS_CHECK(check_ptrs(y, taps));
    VEKS_CHECK(check_direct(L, line, pidx));
    const int sh = norm_shift_32s(taps, L);
    int d = *pidx;
    line[d] = x;
    line[d + L] = x;
    d = d + 1 == L ? 0 : d + 1;
    *pidx = d;
    R rev[64];
    typename Wide<R>::type acc{};
    for (int at = 0; at < L; at += 64) {  // reversed 16-bit taps in pieces
        const int c = std::min(64, L - at);
        for (int i = 0; i < c; ++i) rev[i] = lo16(shr(taps[L - 1 - at - i], sh));
        acc = wrap_add(acc, int_dot_seq(rev, line + d + at, c));
    }
    *y = scale_sum(acc, sum_exponent(tf + sh, sf));
    return vekStsNoErr;
}

// A temporary state in a per-call block. `newestFirstAtZero` gives the
// delay-line convention of the Q15 block form.
template <class R, class P>
VekStatus int_direct_block(const R* src, R* dst, int n, const P* taps, int L, int tf, R* line, int* pidx, int sf,
                           bool newestFirstAtZero) {
    VEKS_CHECK(check_ptrs(src, dst));
    VEKS_CHECK(check_len(n));
    VEKS_CHECK(check_ptrs(taps));
    VEKS_CHECK(check_direct(L, line, pidx));
    WorkBuffer mem(int_size<R>(L, 1, 1, false), 16);
    if (!mem) return vekStsMemAllocErr;
    IntState<R>* s = int_lay<R>(fi(0), L, 1, 0, 1, 0, false, mem.as<Vek8u>());
    const int sh = norm_shift_32s(taps, L);
    int_write_taps(s, tf + sh, [&](int j) { return shr(taps[j], sh); });
    const int idx = *pidx;
    for (int i = 0; i < L; ++i) s->dly_t()[i] = newestFirstAtZero ? line[idx + L - 1 - i] : line[idx + i];
    const VekStatus st = int_block(s, src, dst, n, sf);
    const R* h = s->dly_t() + s->dlyIndex;
    if (newestFirstAtZero) {
        for (int i = 0; i < L; ++i) line[i] = h[L - 1 - i];
        *pidx = 0;
    } else {
        put_window(line, L, idx, [&](int i) { return h[i]; });
    }
    return st;
}

// ---- multirate -------------------------------------------------------------------

template <class T, class D, Narrow N, class P>
VekStatus mr_direct(const D* src, D* dst, int n, const P* taps, int L, int up, int upPh, int down, int downPh,
                    D* line, int sf) {
    VEKS_CHECK(check_ptrs(src, dst));
    VEKS_CHECK(check_len(n));
    VEKS_CHECK(check_ptrs(taps));
    VEKS_CHECK(check_param(L < 1, vekStsFIRLenErr));
    VEKS_CHECK(check_factors(up, upPh, down, downPh));
    VEKS_CHECK(check_ptrs(line));
    WorkBuffer mem(mr_size<T>(L, up, down), 16);
    if (!mem) return vekStsMemAllocErr;
    State<T>* s = lay_multi<T>(fi(0), L, up, upPh, down, downPh, mem.as<Vek8u>());
    write_taps(s, [&](int j) { return widen<T>(taps[j]); });
    rebuild_phases(s);
    write_history(s, line);
    const VekStatus st = mr_block<T, D, N>(s, src, dst, n, sf);
    read_history(s, line);
    return st;
}

template <class R, class P>
VekStatus int_mr_direct(const R* src, R* dst, int n, const P* taps, int L, int tf, int up, int upPh, int down,
                        int downPh, R* line, int sf) {
    VEKS_CHECK(check_ptrs(src, dst));
    VEKS_CHECK(check_len(n));
    VEKS_CHECK(check_ptrs(taps));
    VEKS_CHECK(check_param(L < 1, vekStsFIRLenErr));
    VEKS_CHECK(check_factors(up, upPh, down, downPh));
    VEKS_CHECK(check_ptrs(line));
    WorkBuffer mem(int_size<R>(L, up, down, true), 16);
    if (!mem) return vekStsMemAllocErr;
    IntState<R>* s = int_lay<R>(fi(0), L, up, upPh, down, downPh, true, mem.as<Vek8u>());
    const int sh = norm_shift_32s(taps, L);
    int_write_taps(s, tf + sh, [&](int j) { return shr(taps[j], sh); });
    int_write_history(s, line);
    const VekStatus st = int_block(s, src, dst, n, sf);
    int_read_history(s, line);
    return st;
}

}  // namespace fir
}  // namespace veks

#endif
