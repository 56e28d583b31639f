// Plan building and the pass driver of the four-step long transform.
#include "fft_large.h"

#include <algorithm>

#include "fft_real_split.h"
#include "fft_sizes.h"
#include "fft_wide.h"

namespace veks {
namespace fft {
namespace {

using std::ptrdiff_t;

// Bytes of one strip row: whole cache lines, so that the strided gather and
// scatter use every byte they bring in. The fine twiddle table is this wide.
constexpr ptrdiff_t kStripRowBytes = 128;
// Double precision strips are twice as wide: far beyond the last-level
// cache the column pass is bound by the rows (each in its own page) that
// every strip visits, so halving the number of strips pays more than the
// larger strip costs in the level-2 cache.
template <class T>
constexpr ptrdiff_t kStripWidening = sizeof(T) == 8 ? 2 : 1;
// Strips larger than the work buffer take up to this much stack.
constexpr ptrdiff_t kStackBytes = 256 * 1024;

template <class T>
T* take(unsigned char*& cur, std::int64_t count) {
    T* t = reinterpret_cast<T*>(cur);
    cur = align32(cur + count * std::int64_t(sizeof(T)));
    return t;
}

std::int32_t bit_reverse(std::int32_t v, int bits) {
    std::int32_t r = 0;
    for (int b = 0; b < bits; ++b) r |= ((v >> b) & 1) << (bits - 1 - b);
    return r;
}

}  // namespace

template <class T>
unsigned char* build_large_plan(const SineBase<T>& base, int order, unsigned char* mem, const LargePlan<T>** out) {
    unsigned char* cur = mem;
    auto* p = take<LargePlan<T>>(cur, 1);
    p->order = order;
    p->rows = (order + 1) / 2;
    p->cols = order / 2;
    p->row_kernel = wide_level<T>(p->cols);
    const ptrdiff_t n1 = ptrdiff_t(1) << p->rows, m = ptrdiff_t(1) << p->cols;
    T* col = take<T>(cur, 2 * n1);
    for (ptrdiff_t e = 0; e < n1; ++e) base.twiddle(e, p->rows, col[2 * e], col[2 * e + 1]);
    T* row = reinterpret_cast<T*>(cur);
    take<T>(cur, build_wide_twiddles<T>(base, p->cols, p->row_kernel, row));
    auto* from = take<std::int32_t>(cur, n1);
    const ptrdiff_t f = kStripRowBytes / (2 * sizeof(T));
    T* coarse = take<T>(cur, 2 * n1 * (m / f));
    T* fine = take<T>(cur, 2 * n1 * f);
    for (ptrdiff_t j = 0; j < n1; ++j) {
        // Strip row j holds frequency k = rev(j); odd orders keep the
        // frequencies k < M on even memory rows and the others on odd ones.
        const std::int32_t k = bit_reverse(std::int32_t(j), p->rows);
        const std::int32_t r = p->rows == p->cols ? k : std::int32_t(((k << 1) | (k >> p->cols)) & (n1 - 1));
        from[r] = std::int32_t(j);
        for (ptrdiff_t c = 0; c < f; ++c) base.twiddle(c * k, order, fine[2 * (r * f + c)], fine[2 * (r * f + c) + 1]);
        for (ptrdiff_t b = 0; b < m / f; ++b) {
            T* t = coarse + 2 * (b * n1 + r);
            base.twiddle(b * f * k, order, t[0], t[1]);
        }
    }
    p->coarse = coarse;
    p->fine = fine;
    p->fine_cols = int(f);
    p->col_tw = col;
    p->row_tw = row;
    p->from = from;
    *out = p;
    return cur;
}

namespace {

// The three steps around a row pass `rows(buf)`, which gets the strip
// buffer (at least 3M/2 complex values) once the column pass is done.
template <class T, class Rows>
void four_step(const LargePlan<T>& p, const T* src, T* dst, bool inverse, T* work, Rows rows) {
    constexpr ptrdiff_t cx = 2 * sizeof(T), lanes = 32 / cx, widest = kStripWidening<T> * kStripRowBytes / cx;
    const ptrdiff_t n1 = ptrdiff_t(1) << p.rows, m = ptrdiff_t(1) << p.cols;
    const std::int64_t have = work ? float_sizes<T>(Domain::Complex, p.order).work - 32 : 0;
    ptrdiff_t width = widest;
    while (width > lanes && n1 * width * cx > have && n1 * width * cx > kStackBytes) width /= 2;
    const std::int64_t need = std::max(n1 * width * cx, m / 2 * 3 * cx);
    // The work buffers of most double-precision orders (and calls without
    // one) are too small for a strip: those take it from the stack.
    T* buf = need <= have ? work : align32(static_cast<T*>(__builtin_alloca(need + 32)));
    for (ptrdiff_t c0 = 0; c0 < m; c0 += width) large_column_strip<T>(p, src, dst, c0, width, buf, inverse);
    rows(buf);
    if (p.rows == p.cols) {
        large_transpose<T>(dst, m, m);
    } else {
        large_transpose<T>(dst, m, 2 * m);
        large_transpose<T>(dst + 2 * m, m, 2 * m);
    }
}

}  // namespace

template <class T>
void large_cfft(const LargePlan<T>& p, const T* src, T* dst, bool inverse, const T* scale, T* work) {
    four_step(p, src, dst, inverse, work, [&](T* buf) {
        const ptrdiff_t n1 = ptrdiff_t(1) << p.rows, m = ptrdiff_t(1) << p.cols;
        const auto row = wide_kernel<T>(p.row_kernel);
        for (ptrdiff_t r = 0; r < n1; ++r) row(p.cols, p.row_tw, dst + 2 * r * m, dst + 2 * r * m, buf, inverse, scale);
    });
}

// Frequency k1 + N1 k2 ends in column k2 of memory row r(k1) before the
// transpose, and its partner N - k in column M - 1 - k2 of row r(N1 - k1)
// (rows 0 and N1/2 pair with themselves). The rows are therefore
// transformed in mirrored pairs and recombined while both are in cache,
// which saves the separate pass over the whole spectrum. The twiddle of k
// is that of k1 times that of N1 k2, the latter gathered once per call
// from every N1-th entry of the table.
template <class T>
void large_rfft(const LargePlan<T>& p, const T* src, T* dst, const T* scale, T* work, const T* ccs_tw) {
    four_step(p, src, dst, false, work, [&](T* buf) {
        const ptrdiff_t n1 = ptrdiff_t(1) << p.rows, m = ptrdiff_t(1) << p.cols;
        T* v = buf + 2 * m;
        for (ptrdiff_t k2 = 0; k2 < m / 2; ++k2)
            v[2 * k2] = ccs_tw[2 * n1 * k2], v[2 * k2 + 1] = ccs_tw[2 * n1 * k2 + 1];
        const auto at = [&](ptrdiff_t k) {
            const ptrdiff_t r = p.rows == p.cols ? k : ((k << 1) | (k >> p.cols)) & (n1 - 1);
            return dst + 2 * r * m;
        };
        const auto row = wide_kernel<T>(p.row_kernel);
        const auto fft = [&](T* r) { row(p.cols, p.row_tw, r, r, buf, false, scale); };
        // With i/2 times the twiddle of k1.
        const auto split = [&](T* a, T* b, ptrdiff_t k1, ptrdiff_t lo) {
            const T rot[2] = {T(-0.5) * ccs_tw[2 * k1 + 1], T(0.5) * ccs_tw[2 * k1]};
            avx2_real_split_mirror<T>(a, b, v, rot, lo, m / 2);
        };
        // Row 0 holds bins 0 and N/2 and pairs column k2 with M - k2; row
        // N1/2 pairs column k2 with M - 1 - k2.
        T* r0 = at(0);
        fft(r0);
        split(r0, r0 + 2 * m, 0, 1);
        const T a = r0[0], b = r0[1];
        r0[0] = a + b;
        r0[1] = a - b;
        r0[m + 1] = -r0[m + 1];
        for (ptrdiff_t k1 = 1; k1 <= n1 / 2; ++k1) {
            T* x = at(k1);
            T* y = at(n1 - k1);
            fft(x);
            if (y != x) fft(y);
            split(x, y + 2 * (m - 1), k1, 0);
            if (y != x) split(y, x + 2 * (m - 1), n1 - k1, 0);
        }
    });
}

template unsigned char* build_large_plan<float>(const SineBase<float>&, int, unsigned char*, const LargePlan<float>**);
template unsigned char* build_large_plan<double>(const SineBase<double>&, int, unsigned char*,
                                                 const LargePlan<double>**);
template void large_cfft<float>(const LargePlan<float>&, const float*, float*, bool, const float*, float*);
template void large_cfft<double>(const LargePlan<double>&, const double*, double*, bool, const double*, double*);
template void large_rfft<float>(const LargePlan<float>&, const float*, float*, const float*, float*, const float*);
template void large_rfft<double>(const LargePlan<double>&, const double*, double*, const double*, double*,
                                 const double*);

}  // namespace fft
}  // namespace veks
