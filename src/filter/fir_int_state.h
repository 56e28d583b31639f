// FIR states with integer taps over 16-bit data (32s, 16s and float taps
// quantised to 16 bits). Sums are 32-bit wrap-around sums of 16x16-bit
// products, scaled by 2^(tapsFactor - scaleFactor) and saturated.
#ifndef VEKS_FILTER_FIR_INT_STATE_H
#define VEKS_FILTER_FIR_INT_STATE_H

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <new>

#include "core/parallel.h"
#include "core/workbuf.h"
#include "filter/fir_direct_kernels.h"
#include "filter/fir_int_scale.h"
#include "filter/fir_mr.h"
#include "filter/fir_state.h"

namespace veks {
namespace fir {

using i16 = std::int16_t;
using c16 = Cx<std::int16_t>;

template <class R>
struct Wide;
template <>
struct Wide<i16> {
    using type = std::int32_t;
};
template <>
struct Wide<c16> {
    using type = Cx<std::int32_t>;
};

struct IntHeader {
    std::uint32_t id;
    void* taps32;   // stored taps, 32-bit, reversed
    void* dly;      // 16-bit delay buffer
    std::int32_t tapsLen;
    std::int32_t S;
    std::int32_t tapsFactor;
    void* rev4;     // 16-bit reversed taps (real: packed in pairs)
    std::int32_t dlyIndex;
    std::int32_t S2;
    void* inplace;
    std::int32_t allocated;
    std::int32_t up, upPhase, down, downPhase, dlyLen, algorithm;
    void* mr;
    void* raw;
};

template <class R>
struct IntState : IntHeader {
    using W = typename Wide<R>::type;
    W* taps32_t() const { return static_cast<W*>(taps32); }
    R* dly_t() const { return static_cast<R*>(dly); }
    R* rev_t() const { return static_cast<R*>(rev4); }
    R* inplace_t() const { return static_cast<R*>(inplace); }
};

constexpr int kIntInplace = 4096;

inline int int_cap(int L) { return (L + 11) & ~7; }

template <class R>
std::size_t int_size(int L, int up, int down, bool multi) {
    const std::size_t e = sizeof(R), len = std::size_t(L), S = std::size_t(int_cap(L));
    std::size_t b = align16(2 * e * len) + 112 + align16(e * (2 * len + S + 4)) + 4 * e * S + align16(e * 8200) + 16 + 96;
    if (multi) b += align16(e * std::size_t(mr_stage_elems(L, up, down))) + mr_table_bytes(up) + align16(e * len);
    return b;
}

template <class R>
IntState<R>* int_lay(std::uint32_t id, int L, int up, int upPhase, int down, int downPhase, bool multi, Vek8u* buf) {
    const std::size_t e = sizeof(R), len = std::size_t(L);
    const int S = int_cap(L);
    Vek8u* base = align_up16(buf);
    std::memset(base, 0, 208);
    IntState<R>* s = new (base) IntState<R>();
    std::size_t at = 208;
    auto take = [&](std::size_t bytes) {
        Vek8u* p = base + at;
        at += align16(bytes);
        return p;
    };
    s->id = id;
    s->taps32 = take(2 * e * len);
    s->dly = take(e * (2 * len + S + 4));
    s->rev4 = take(4 * e * S);
    s->inplace = take(e * kIntInplace);
    s->tapsLen = L;
    s->S = s->S2 = S;
    s->up = up, s->upPhase = upPhase, s->down = down, s->downPhase = downPhase;
    s->dlyLen = multi ? mr_history(L, up) : L;
    if (multi) {
        s->dly = take(e * std::size_t(mr_stage_elems(L, up, down)));
        s->mr = take(mr_table_bytes(up));
        take(e * len);
        s->algorithm = mr_variant(L, up, down);
        build_phases(static_cast<const R*>(nullptr), L, up, down, upPhase, downPhase, mr_tables(s->mr, up),
                     static_cast<R*>(nullptr));
        std::memset(s->dly, 0, e * std::size_t(mr_stage_elems(L, up, down)));
    } else {
        std::memset(s->dly, 0, e * (2 * len + S + 4));
    }
    return s;
}

template <class R>
R* int_sub(const IntState<R>* s) {
    return reinterpret_cast<R*>(static_cast<Vek8u*>(s->mr) + mr_table_bytes(s->up));
}

inline i16 lo16(std::int32_t v) { return static_cast<i16>(v); }
inline c16 lo16(Cx<std::int32_t> v) { return {static_cast<i16>(v.re), static_cast<i16>(v.im)}; }

// Writes the stored 32-bit taps (natural order in, reversed kept) and the
// 16-bit tables the kernels read.
template <class R, class F>
void int_write_taps(IntState<R>* s, int tapsFactor, F&& tap) {
    const int L = s->tapsLen;
    s->tapsFactor = tapsFactor;
    std::memset(s->rev4, 0, 4 * sizeof(R) * std::size_t(s->S));
    for (int j = 0; j < L; ++j) s->taps32_t()[L - 1 - j] = tap(j);
    if constexpr (std::is_same_v<R, i16>) {
        auto* pairs = static_cast<std::int32_t*>(s->rev4);
        const std::int32_t* r = s->taps32_t();
        for (int i = 0; i < L; i += 2) {
            const std::uint16_t a = std::uint16_t(lo16(r[i])), b = i + 1 < L ? std::uint16_t(lo16(r[i + 1])) : 0;
            pairs[i / 2] = std::int32_t(std::uint32_t(a) | (std::uint32_t(b) << 16));
        }
    } else {
        for (int i = 0; i < L; ++i) s->rev_t()[i] = lo16(s->taps32_t()[i]);
    }
    if (s->mr) {
        R* sub = int_sub(s);
        const MrTables t = mr_tables(s->mr, s->up);
        for (int p = 0; p < s->up; ++p)
            for (int m = 0; m < t.count[p]; ++m) sub[t.offset[p] + m] = lo16(s->taps32_t()[L - 1 - (p + (t.count[p] - 1 - m) * s->up)]);
    }
}

// ---- tap normalisation -------------------------------------------------------

inline long long mag(std::int32_t v) { return v < 0 ? -(long long)v : v; }
inline long long mag(Cx<std::int32_t> v) { return std::max(mag(v.re), mag(v.im)); }
inline double mag(float v) { return std::fabs(double(v)); }
inline double mag(Cx<float> v) { return std::max(mag(v.re), mag(v.im)); }
inline std::int32_t shr(std::int32_t v, int s) { return v >> s; }
inline Cx<std::int32_t> shr(Cx<std::int32_t> v, int s) { return {v.re >> s, v.im >> s}; }

// 32-bit taps: halve until the largest magnitude is below 32767.
template <class P>
int norm_shift_32s(const P* taps, int L) {
    long long m = 0;
    for (int i = 0; i < L; ++i) m = std::max(m, mag(taps[i]));
    int s = 0;
    while (m >= 32767) m >>= 1, ++s;
    return s;
}

// Float taps: the power of two f that brings the largest magnitude into
// (16383.5, 32767].
template <class P>
int norm_exp_32f(const P* taps, int L) {
    double m = 0;
    for (int i = 0; i < L; ++i) m = std::max(m, mag(taps[i]));
    int f = 0;
    if (!(m > 0) || !std::isfinite(m)) return 0;
    if (m > 32767) {
        while (m > 32767) m *= 0.5, ++f;
    } else {
        while (2 * m < 32767) m *= 2, --f;
    }
    return f;
}

inline std::int32_t quantise(float v, int f) { return round_away_sat<std::int32_t>(std::ldexp(double(v), -f)); }
inline Cx<std::int32_t> quantise(Cx<float> v, int f) { return {quantise(v.re, f), quantise(v.im, f)}; }

// ---- filtering -----------------------------------------------------------------

template <class R>
inline void int_dot(const IntState<R>* s, const R* w, typename Wide<R>::type* y, int n) {
    if constexpr (std::is_same_v<R, i16>) fir_dot_16s(static_cast<const std::int32_t*>(s->rev4), s->tapsLen, w, y, n);
    else fir_dot_16sc(s->rev_t(), s->tapsLen, w, y, n);
}

// Outputs k < n from windows w + k, scaled and stored.
template <class R>
void int_outputs(const IntState<R>* s, const R* w, R* dst, int n, int e, bool parallel) {
    auto piece = [&](int off, int cnt) {
        typename Wide<R>::type sums[256];
        for (int at = 0; at < cnt; at += 256) {
            const int c = std::min(256, cnt - at);
            int_dot(s, w + off + at, sums, c);
            for (int i = 0; i < c; ++i) dst[off + at + i] = scale_sum(sums[i], e);
        }
        return 0;
    };
    if (parallel) run_omp(n, 0, piece);
    else piece(0, n);
}

template <class R>
void int_block_direct(IntState<R>* s, const R* src, R* dst, int n, int e) {
    const int L = s->tapsLen, C = s->S;
    R* W = s->dly_t() + s->dlyIndex;
    auto copy = [](const R* a, R* b, int c) { std::memcpy(static_cast<void*>(b), a, sizeof(R) * std::size_t(c)); };
    if (n <= C) {
        copy(src, W + L, n);
        int_outputs(s, W + 1, dst, n, e, false);
        std::memmove(static_cast<void*>(s->dly_t()), W + n, sizeof(R) * std::size_t(L));
    } else {
        copy(src, W + L, C);
        int_outputs(s, W + 1, dst, C, e, false);
        int_outputs(s, src + C - L + 1, dst + C, n - C, e, n > (is_cx<R>::value ? 800 : 1600));
        copy(src + n - L, s->dly_t(), L);
    }
    s->dlyIndex = 0;
}

template <class R>
inline typename Wide<R>::type int_dot_seq(const R* h, const R* x, int n) {
    if constexpr (std::is_same_v<R, i16>) {
        std::uint32_t acc = 0;
        for (int i = 0; i < n; ++i) acc += std::uint32_t(std::int32_t(h[i]) * x[i]);
        return std::int32_t(acc);
    } else {
        std::uint32_t re = 0, im = 0;
        for (int i = 0; i < n; ++i) {
            const std::int32_t a = h[i].re, b = h[i].im, c = x[i].re, d = x[i].im;
            re += std::uint32_t(a * c) - std::uint32_t(b * d);
            im += std::uint32_t(a * d) + std::uint32_t(b * c);
        }
        return {std::int32_t(re), std::int32_t(im)};
    }
}

template <class R>
VekStatus int_block(IntState<R>* s, const R* src, R* dst, int n, int sf) {
    const int e = sum_exponent(s->tapsFactor, sf);
    if (s->mr) {
        WorkBuffer copy;
        if (src == dst && s->up > s->down) {
            const std::size_t bytes = sizeof(R) * std::size_t(n) * std::size_t(s->down);
            if (!copy.acquire(bytes)) return vekStsMemAllocErr;
            std::memcpy(copy.as<R>(), src, bytes);
            src = copy.as<R>();
        }
        mr_run(
            mr_tables(s->mr, s->up), int_sub(s), s->dly_t(), s->dlyLen, s->up, s->down, n, is_cx<R>::value,
            [&](long from, R* to, int cnt) { std::memcpy(static_cast<void*>(to), src + from, sizeof(R) * std::size_t(cnt)); },
            [](const R* h, const R* x, int cnt) { return int_dot_seq(h, x, cnt); },
            [&](long o, typename Wide<R>::type v) { dst[o] = scale_sum(v, e); });
        return vekStsNoErr;
    }
    if (src != dst) {
        int_block_direct(s, src, dst, n, e);
        return vekStsNoErr;
    }
    R* buf = s->inplace_t();
    for (int off = 0; off < n; off += kIntInplace) {
        const int c = std::min(kIntInplace, n - off);
        int_block_direct(s, dst + off, buf, c, e);
        std::memcpy(static_cast<void*>(dst + off), buf, sizeof(R) * std::size_t(c));
    }
    return vekStsNoErr;
}

template <class R>
R int_one(IntState<R>* s, R x, int sf) {
    const int L = s->tapsLen;
    R* b = s->dly_t();
    int d = s->dlyIndex;
    b[d] = x;
    b[d + L] = x;
    d = d + 1 == L ? 0 : d + 1;
    s->dlyIndex = d;
    // Reversed 16-bit taps from the stored 32-bit ones.
    typename Wide<R>::type acc{};
    if constexpr (std::is_same_v<R, i16>) {
        std::uint32_t a = 0;
        for (int i = 0; i < L; ++i) a += std::uint32_t(std::int32_t(lo16(s->taps32_t()[i])) * b[d + i]);
        acc = std::int32_t(a);
    } else {
        acc = int_dot_seq(s->rev_t(), b + d, L);
    }
    return scale_sum(acc, sum_exponent(s->tapsFactor, sf));
}

template <class R>
void int_write_history(IntState<R>* s, const R* line) {
    const int L = s->dlyLen;
    s->dlyIndex = 0;
    for (int i = 0; i < L; ++i) s->dly_t()[L - 1 - i] = line ? line[i] : R{};
}

template <class R>
void int_read_history(const IntState<R>* s, R* line) {
    const int L = s->dlyLen;
    const R* b = s->dly_t() + s->dlyIndex;
    for (int i = 0; i < L; ++i) line[i] = b[L - 1 - i];
}

}  // namespace fir
}  // namespace veks

#endif
