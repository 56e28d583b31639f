// LSD radix sort of values in place through a caller scratch buffer, and
// its two-thread form: each thread sorts its chunk, then the two sorted
// runs are merged into the destination, each thread writing one half.

#include <algorithm>
#include <cstdint>
#include <cstring>

#include "core/support/vekcore.h"
#include "core/team.h"
#include "sort_keys.h"
#include "sort_kernels.h"

namespace veks {
namespace {

// Lengths from which the radix sort may use two threads.
template <class T>
constexpr int parallel_from() {
    return sizeof(T) == 8 ? 32 : 8192;
}

template <class U>
using Hist = std::uint32_t[RadixDigits<U>::count][RadixDigits<U>::max_buckets];

// Sorts n elements of `a` (using `b` as scratch) by key. The elements are
// turned into keys and every digit is counted in one read; then one stable
// scatter per digit. A digit that every key shares is skipped. With
// `to_values` the result is converted back to element bits and ends in
// `a`; otherwise the sorted keys are left where the last pass put them,
// which is returned.
template <class T, bool Descend>
typename SortKey<T, Descend>::U* radix_keys(typename SortKey<T, Descend>::U* a,
                                            typename SortKey<T, Descend>::U* b, std::size_t n,
                                            bool to_values) {
    using Key = SortKey<T, Descend>;
    using U = typename Key::U;
    using D = RadixDigits<U>;
    static_assert(sizeof(U) >= 2, "bytes use the counting sort");

    Hist<U> hist;
    std::memset(hist, 0, sizeof hist);
    for (std::size_t i = 0; i < n; ++i) {
        const U k = Key::to(a[i]);
        a[i] = k;
        for (int d = 0; d < D::count; ++d) ++hist[d][D::digit(k, d)];
    }
    int passes[D::count];
    int npass = 0;
    for (int d = 0; d < D::count; ++d) {
        if (hist[d][D::digit(a[0], d)] == n) continue;  // one bucket holds everything
        std::uint32_t sum = 0;
        for (int v = 0; v < (1 << D::bits(d)); ++v) {
            const std::uint32_t c = hist[d][v];
            hist[d][v] = sum;
            sum += c;
        }
        passes[npass++] = d;
    }

    U* src = a;
    U* dst = b;
    for (int p = 0; p < npass; ++p) {
        const int d = passes[p];
        std::uint32_t* pos = hist[d];
        if (to_values && p == npass - 1) {
            for (std::size_t i = 0; i < n; ++i) {
                const U k = src[i];
                dst[pos[D::digit(k, d)]++] = Key::from(k);
            }
        } else {
            for (std::size_t i = 0; i < n; ++i) {
                const U k = src[i];
                dst[pos[D::digit(k, d)]++] = k;
            }
        }
        std::swap(src, dst);
    }
    if (!to_values) return src;
    if (npass == 0)
        for (std::size_t i = 0; i < n; ++i) a[i] = Key::from(a[i]);
    else if (src != a)
        std::memcpy(a, src, n * sizeof(U));
    return a;
}

// Number of elements of run x among the first k outputs of the merge of
// x (nx) and y (ny); x wins ties.
template <class U>
std::size_t merge_split(const U* x, std::size_t nx, const U* y, std::size_t ny, std::size_t k) {
    std::size_t lo = k > ny ? k - ny : 0, hi = std::min(k, nx);
    while (lo < hi) {
        const std::size_t m = lo + (hi - lo) / 2;
        if (x[m] <= y[k - m - 1]) lo = m + 1;
        else hi = m;
    }
    return lo;
}

// Writes `count` merged outputs starting at x[i], y[j], converted back to
// element bits.
template <class T, bool Descend>
void merge_to_values(const typename SortKey<T, Descend>::U* x, std::size_t nx, std::size_t i,
                     const typename SortKey<T, Descend>::U* y, std::size_t ny, std::size_t j,
                     typename SortKey<T, Descend>::U* out, std::size_t count) {
    using Key = SortKey<T, Descend>;
    std::size_t o = 0;
    while (o < count && i < nx && j < ny) {
        const bool take_y = y[j] < x[i];
        out[o++] = Key::from(take_y ? y[j] : x[i]);
        j += take_y;
        i += !take_y;
    }
    while (o < count && i < nx) out[o++] = Key::from(x[i++]);
    while (o < count && j < ny) out[o++] = Key::from(y[j++]);
}

// Two-thread sort; returns false (having done nothing) when the thread
// budget is below two.
template <class T, bool Descend>
bool radix_parallel(typename SortKey<T, Descend>::U* a, typename SortKey<T, Descend>::U* b,
                    std::size_t n) {
    using U = typename SortKey<T, Descend>::U;
    const int budget = ownGetNumThreads();
    if (budget < 2) return false;
    // Each half is radix-sorted on its own and gathered in b; then each
    // half of the result is merged from both runs into a.
    const std::size_t chunk = n / 2;
    team_for(2, [&](int t) {
        const std::size_t off = static_cast<std::size_t>(t) * chunk;
        const std::size_t cnt = t == 1 ? n - off : chunk;
        U* run = radix_keys<T, Descend>(a + off, b + off, cnt, false);
        if (run != b + off) std::memcpy(b + off, run, cnt * sizeof(U));
        return 0;
    });
    const U* x = b;
    const U* y = b + chunk;
    const std::size_t ny = n - chunk;
    const std::size_t half = n / 2;
    team_for(2, [&](int t) {
        const std::size_t k0 = t == 0 ? 0 : half, k1 = t == 0 ? half : n;
        const std::size_t i = merge_split(x, chunk, y, ny, k0);
        merge_to_values<T, Descend>(x, chunk, i, y, ny, k0 - i, a + k0, k1 - k0);
        return 0;
    });
    return true;
}

template <class T, bool Descend>
void radix_sort_impl(T* data, T* tmp, int len) {
    using U = typename SortKey<T, Descend>::U;
    U* a = reinterpret_cast<U*>(data);
    U* b = reinterpret_cast<U*>(tmp);
    const std::size_t n = static_cast<std::size_t>(len);
    if constexpr (sizeof(T) == 1) {
        // Bytes: count the 256 values and rewrite.
        std::size_t count[256] = {};
        for (std::size_t i = 0; i < n; ++i) ++count[a[i]];
        std::size_t o = 0;
        for (int v = 0; v < 256; ++v) {
            const U value = U(Descend ? 255 - v : v);
            std::memset(a + o, value, count[value]);
            o += count[value];
        }
    } else {
        if constexpr (sizeof(T) >= 4)
            if (len >= parallel_from<T>() && radix_parallel<T, Descend>(a, b, n)) return;
        radix_keys<T, Descend>(a, b, n, true);
    }
}

}  // namespace

template <class T>
void radix_sort(T* a, T* tmp, int len, bool descend) {
    if (len < 2) return;
    if (descend) radix_sort_impl<T, true>(a, tmp, len);
    else radix_sort_impl<T, false>(a, tmp, len);
}

template void radix_sort<Vek8u>(Vek8u*, Vek8u*, int, bool);
template void radix_sort<Vek16u>(Vek16u*, Vek16u*, int, bool);
template void radix_sort<Vek16s>(Vek16s*, Vek16s*, int, bool);
template void radix_sort<Vek32u>(Vek32u*, Vek32u*, int, bool);
template void radix_sort<Vek32s>(Vek32s*, Vek32s*, int, bool);
template void radix_sort<Vek32f>(Vek32f*, Vek32f*, int, bool);
template void radix_sort<Vek64f>(Vek64f*, Vek64f*, int, bool);

}  // namespace veks
