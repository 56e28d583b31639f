// Memory sizes of the floating FFT specifications: the specification block,
// the init scratch block and the work buffer, as reported to callers.
#ifndef VEKS_TRANSFORM_FFT_SIZES_H
#define VEKS_TRANSFORM_FFT_SIZES_H

#include <cstdint>

#include "veks.h"

namespace veks {
namespace fft {

enum class Domain { Complex, Real };

struct Sizes {
    std::int64_t spec = 0, init = 0, work = 0;
};

// Highest order of each precision: 2^order must stay below 2^28 (float)
// or 2^27 (double).
template <class T>
constexpr int max_order() { return sizeof(T) == 4 ? 27 : 26; }

// The checks of every size query: order range, null outputs, flag, and the
// precision's order limit, in that order.
template <class T>
VekStatus check_size_query(int order, int flag, const void* a, const void* b, const void* c);

// Sizes of a floating kind of the given order (already checked).
template <class T>
Sizes float_sizes(Domain dom, int order);

// Complex orders at or above this use the long-transform plan.
template <class T>
constexpr int large_from() { return sizeof(T) == 4 ? 18 : 13; }

// Orders at or below this need no tables at all.
template <class T>
constexpr int fixed_upto(Domain dom) {
    return dom == Domain::Complex ? 5 : (sizeof(T) == 4 ? 4 : 5);
}

inline bool valid_flag(int flag) { return flag == 1 || flag == 2 || flag == 4 || flag == 8; }

constexpr std::int64_t up32(std::int64_t x) { return (x + 31) & ~std::int64_t(31); }

// Every specification and table starts on a 32-byte boundary.
template <class P>
P* align32(P* p) {
    const auto a = reinterpret_cast<std::uintptr_t>(p);
    return reinterpret_cast<P*>((a + 31) & ~std::uintptr_t(31));
}

}  // namespace fft
}  // namespace veks

#endif
