#include "fft_sizes.h"

#include <algorithm>

namespace veks {
namespace fft {
namespace {

std::int64_t br(std::int64_t n) { return up32(4 * (n / 4) + 4); }

// Table bytes and work bytes of the long-transform plan of order m: the
// transform splits into 2^b blocks of order m - b, repeatedly while the
// block order is still in the long range.
struct Large {
    std::int64_t tables, work;
};

Large large32(int order) {
    static const int b[] = {4, 4, 4, 5, 8};   // orders 18, 19, 20, 21, 22+
    static const int u[] = {10, 10, 10, 13, 15};
    auto idx = [](int m) { return std::min(m - 18, 4); };
    int r = order;
    while (r >= 18) r -= b[idx(r)];
    Large l{up32(8 * (std::int64_t(1) << r) + 8), up32(8 * (std::int64_t(1) << r))};
    // Walk the levels again from the innermost outward.
    int levels[32], nl = 0;
    for (int m = order; m >= 18; m -= b[idx(m)]) levels[nl++] = m;
    for (int i = nl - 1; i >= 0; --i) {
        const int m = levels[i];
        l.tables += 8 * (std::int64_t(1) << m);
        l.work = std::max<std::int64_t>(l.work, 8 * (std::int64_t(1) << u[idx(m)]));
    }
    if (order >= 19 && l.work < 65536) l.work = 65536;
    return l;
}

Large large64(int order) {
    const std::int64_t n = std::int64_t(1) << order;
    if (order == 13) return {up32(16 * (n / 4)) + 65568, 0};
    auto bof = [](int m) { return m == 14 || m == 19 ? 4 : 6; };
    auto uof = [](int m) { return m >= 22 ? 12 : 10; };
    int levels[32], nl = 0, r = order;
    for (; r >= 13; r -= bof(r)) levels[nl++] = r;
    Large l{up32(16 * (std::int64_t(1) << r) + 16), 0};
    for (int i = nl - 1; i >= 0; --i) {
        const int m = levels[i];
        l.tables += 16 * (std::int64_t(1) << m);
        l.work = std::max<std::int64_t>(l.work, 16 * (std::int64_t(1) << uof(m)));
    }
    if (order >= 14 && l.work < 32768) l.work = 32768;
    return l;
}

// Table and work bytes of the complex part of order c (no header).
template <class T>
Large complex_part(int c) {
    const std::int64_t n = std::int64_t(1) << c;
    if (c <= 5) return {0, 0};
    if (sizeof(T) == 4) {
        if (c < 18) return {up32(8 * n + 8) + br(n), up32(8 * n)};
        const Large l = large32(c);
        return {l.tables + br(n), l.work};
    }
    if (c < 13) return {up32(16 * n + 16) + br(n), 0};
    const Large l = large64(c);
    return {l.tables + br(n), l.work};
}

}  // namespace

template <class T>
VekStatus check_size_query(int order, int flag, const void* a, const void* b, const void* c) {
    if (order < 0 || order > 30) return vekStsFftOrderErr;
    if (!a || !b || !c) return vekStsNullPtrErr;
    if (!valid_flag(flag)) return vekStsFftFlagErr;
    if (order > max_order<T>()) return vekStsFftOrderErr;
    return vekStsNoErr;
}

template <class T>
Sizes float_sizes(Domain dom, int order) {
    Sizes s;
    const std::int64_t n = std::int64_t(1) << order, q = n / 4;
    if (order <= fixed_upto<T>(dom)) {
        s.spec = 168;
        return s;
    }
    const Large c = complex_part<T>(dom == Domain::Complex ? order : order - 1);
    s.spec = c.tables + 192;
    if (dom == Domain::Real) s.spec += 2 * up32(2 * sizeof(T) * q);
    if (order > 10) s.init = up32(sizeof(T) * (q + 1)) + 32;
    s.work = c.work > 0 ? c.work + 32 : 0;
    return s;
}

template VekStatus check_size_query<float>(int, int, const void*, const void*, const void*);
template VekStatus check_size_query<double>(int, int, const void*, const void*, const void*);
template Sizes float_sizes<float>(Domain, int);
template Sizes float_sizes<double>(Domain, int);

}  // namespace fft
}  // namespace veks
