// Running median filter. The window of m values is kept sorted: each step
// removes the value that leaves and inserts the one that enters (binary
// search, then a short move), so a step costs O(log m + m) moves of
// contiguous data instead of a selection over the whole window.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "core/check.h"
#include "core/workbuf.h"
#include "veks.h"

namespace veks {
namespace {

// Windows up to this size live on the stack; larger ones in a work buffer.
constexpr int kStackMask = 9;

inline int round8(int v) { return (v + 7) & ~7; }

// Order that puts NaNs after every number.
template <class T>
inline bool less_nan_last(T a, T b) {
    if (a == a && b == b) return a < b;
    return a == a && !(b == b);
}

// Removes `out` from and inserts `in` into the sorted window w[0..m).
template <class T>
inline void slide(T* w, int m, T out, T in) {
    const int pos = int(std::lower_bound(w, w + m, out, less_nan_last<T>) - w);
    const int ins = int(std::upper_bound(w, w + m, in, less_nan_last<T>) - w);
    if (ins > pos) {
        std::memmove(w + pos, w + pos + 1, sizeof(T) * std::size_t(ins - 1 - pos));
        w[ins - 1] = in;
    } else {
        std::memmove(w + ins + 1, w + ins, sizeof(T) * std::size_t(pos - ins));
        w[ins] = in;
    }
}

// x filtered in place with odd mask m; `ring` holds m inputs still needed
// after they are overwritten, `w` the sorted window.
template <class T>
void median_in_place(T* x, int len, int m, T* w, T* ring) {
    const int h = (m - 1) / 2;
    auto at = [&](int i) { return x[std::min(std::max(i, 0), len - 1)]; };
    // The first window: x[-h..h] with the border repeated.
    for (int i = 0; i < m; ++i) w[i] = at(i - h);
    std::sort(w, w + m, less_nan_last<T>);
    // ring[i % m] keeps the input at position i - h .. i + h.
    for (int i = -h; i <= h; ++i) ring[(i + m) % m] = at(i);
    for (int n = 0; n < len; ++n) {
        x[n] = w[h];
        if (n + 1 == len) break;
        const T out = ring[(n - h + m) % m];
        const T in = at(n + h + 1);
        ring[(n - h + m) % m] = in;  // position n + h + 1 takes the slot of n - h
        slide(w, m, out, in);
    }
}

// Mask 3: a three-value sorting network per output, keeping the one
// overwritten input it still needs.
template <class T>
void median3_in_place(T* x, int len) {
    T prev = x[0];
    for (int n = 0; n < len; ++n) {
        T a = prev, b = x[n], c = x[std::min(n + 1, len - 1)];
        prev = b;
        if (less_nan_last(b, a)) std::swap(a, b);
        if (less_nan_last(c, b)) std::swap(b, c);
        if (less_nan_last(b, a)) std::swap(a, b);
        x[n] = b;
    }
}

template <class T>
VekStatus filter_median_i(T* x, int len, int mask) {
    VEKS_CHECK(check_ptrs(x));
    VEKS_CHECK(check_param(len < 1 || mask < 1, vekStsSizeErr));
    const VekStatus done = mask % 2 == 0 ? vekStsEvenMedianMaskSize : vekStsNoErr;
    int m = mask % 2 == 0 ? mask - 1 : mask;
    if (m == 1 || len <= 2) return done;
    if (len == 3) m = 3;
    if (m == 3) {
        median3_in_place(x, len);
        return done;
    }
    if (m <= kStackMask) {
        T w[kStackMask], ring[kStackMask];
        median_in_place(x, len, m, w, ring);
        return done;
    }
    const int slots = round8(m);
    WorkBuffer buf(sizeof(T) * 2 * std::size_t(slots));
    if (!buf) return vekStsMemAllocErr;
    median_in_place(x, len, m, buf.as<T>(), buf.as<T>() + slots);
    return done;
}

template <class T>
VekStatus filter_median(const T* src, T* dst, int len, int mask) {
    VEKS_CHECK(check_ptrs(src, dst));
    VEKS_CHECK(check_param(len < 1 || mask < 1, vekStsSizeErr));
    std::memmove(dst, src, sizeof(T) * std::size_t(len));
    return filter_median_i(dst, len, mask);
}

}  // namespace
}  // namespace veks

using namespace veks;

#define VEKS_MEDIAN(code, T)                                                                   \
    VekStatus veksFilterMedian_##code(const T* pSrc, T* pDst, int len, int maskSize) {         \
        return filter_median(pSrc, pDst, len, maskSize);                                       \
    }                                                                                          \
    VekStatus veksFilterMedian_##code##_I(T* pSrcDst, int len, int maskSize) {                 \
        return filter_median_i(pSrcDst, len, maskSize);                                        \
    }

VEKS_MEDIAN(8u, Vek8u)
VEKS_MEDIAN(16s, Vek16s)
VEKS_MEDIAN(32s, Vek32s)
VEKS_MEDIAN(32f, Vek32f)
VEKS_MEDIAN(64f, Vek64f)
