// Element-wise drivers of the single-precision kernels over any lane type
// L: scalar lanes until the destination is aligned to a whole vector, L
// blocks, scalar lanes on the tail (the same bits on every path).
//
// A kernel K provides `template <class L> static V eval(V)` (or eval(V, V)
// for two operands); flagged kernels also `flag_a` / `flag_b` masks, and
// the driver returns the kind (1 or 2) of the first flagged element.
// Self-contained on purpose: the AVX2 unit includes it under a wider target.
#ifndef VEKS_VECTOR_MATH_FDRIVE_H
#define VEKS_VECTOR_MATH_FDRIVE_H

#include <cstdint>

#include "math_fkernels.h"
#include "math_flanes.h"

namespace veks {
namespace {

template <class L>
int aligned_head(const float* dst, int len) {
    if (len < 4 * L::lanes) return len;  // short vectors stay scalar
    const auto a = reinterpret_cast<std::uintptr_t>(dst);
    const std::uintptr_t bytes = sizeof(float) * L::lanes;
    if (a % sizeof(float)) return 0;
    const int head = static_cast<int>(((bytes - a % bytes) % bytes) / sizeof(float));
    return head < len ? head : len;
}

// Lowest set lane of a | b, reported as 1 (a) or 2 (b); 0 when none.
inline int first_flag(int a, int b) {
    const int any = a | b;
    if (!any) return 0;
    return (b & any & -any) ? 2 : 1;
}

template <class L, class K>
void fmap(const float* src, float* dst, int len) {
    int i = 0;
    const int head = aligned_head<L>(dst, len);
    for (; i < head; ++i) dst[i] = K::template eval<ScalarF>(src[i]);
    for (; i + L::lanes <= len; i += L::lanes) L::storeu(dst + i, K::template eval<L>(L::loadu(src + i)));
    for (; i < len; ++i) dst[i] = K::template eval<ScalarF>(src[i]);
}

template <class L, class K>
int fmap_flagged(const float* src, float* dst, int len) {
    int kind = 0;
    auto step = [&](auto lanes, int at) {
        using T = decltype(lanes);
        const auto x = T::loadu(src + at);
        if (!kind) kind = first_flag(T::movemask(K::template flag_a<T>(x)), T::movemask(K::template flag_b<T>(x)));
        T::storeu(dst + at, K::template eval<T>(x));
    };
    int i = 0;
    const int head = aligned_head<L>(dst, len);
    for (; i < head; ++i) step(ScalarF{}, i);
    for (; i + L::lanes <= len; i += L::lanes) step(L{}, i);
    for (; i < len; ++i) step(ScalarF{}, i);
    return kind;
}

// Kernels whose flag only tells whether any element met it (square roots):
// the vector masks are gathered with one OR a block and read once at the
// end, two blocks a step, so the loop holds nothing but the operation.
template <class L, class K>
int fmap_any(const float* src, float* dst, int len) {
    int i = 0, flagged = 0;
    auto scalar = [&](int at) {
        flagged |= ScalarF::movemask(K::template flag_a<ScalarF>(src[at]));
        dst[at] = K::template eval<ScalarF>(src[at]);
    };
    const int head = aligned_head<L>(dst, len);
    for (; i < head; ++i) scalar(i);
    typename L::M m = L::lt(L::set1(0.0f), L::set1(0.0f));
    for (; i + 2 * L::lanes <= len; i += 2 * L::lanes) {
        const auto x0 = L::loadu(src + i), x1 = L::loadu(src + i + L::lanes);
        m = L::m_or(m, L::m_or(K::template flag_a<L>(x0), K::template flag_a<L>(x1)));
        L::storeu(dst + i, K::template eval<L>(x0));
        L::storeu(dst + i + L::lanes, K::template eval<L>(x1));
    }
    for (; i + L::lanes <= len; i += L::lanes) {
        const auto x = L::loadu(src + i);
        m = L::m_or(m, K::template flag_a<L>(x));
        L::storeu(dst + i, K::template eval<L>(x));
    }
    for (; i < len; ++i) scalar(i);
    return flagged | (L::movemask(m) != 0);
}

// Two operands (re, im) from split vectors or, with im == nullptr, from
// interleaved complex elements at re (whose lanes L may deliver in another
// order, restored by L::in_order on the result).
template <class L, class K>
void fmap2(const float* re, const float* im, float* dst, int len) {
    auto step = [&](auto lanes, int at) {
        using T = decltype(lanes);
        if (im) return T::storeu(dst + at, K::template eval<T>(T::loadu(re + at), T::loadu(im + at)));
        typename T::V r, m;
        T::deinterleave(re + 2 * at, r, m);
        T::storeu(dst + at, T::in_order(K::template eval<T>(r, m)));
    };
    int i = 0;
    const int head = aligned_head<L>(dst, len);
    for (; i < head; ++i) step(ScalarF{}, i);
    for (; i + L::lanes <= len; i += L::lanes) step(L{}, i);
    for (; i < len; ++i) step(ScalarF{}, i);
}

struct ExpF {
    template <class L>
    static typename L::V eval(typename L::V x) { return expf_k<L>(x); }
};
struct AtanF {
    template <class L>
    static typename L::V eval(typename L::V x) { return atanf_k<L>(x); }
};
struct LnF {
    template <class L>
    static typename L::V eval(typename L::V x) { return lnf_k<L>(x); }
    template <class L>
    static typename L::M flag_a(typename L::V x) { return lnf_zero<L>(x); }
    template <class L>
    static typename L::M flag_b(typename L::V x) { return lnf_negative<L>(x); }
};
struct PhaseF {
    template <class L>
    static typename L::V eval(typename L::V re, typename L::V im) { return atan2f_k<L>(im, re); }
};

// IEEE square root; the flag marks negative elements (not -0).
struct SqrtF {
    template <class L>
    static typename L::V eval(typename L::V x) { return L::sqrt(x); }
    template <class L>
    static typename L::M flag_a(typename L::V x) { return L::lt(x, L::set1(0.0f)); }
};
// re^2 + im^2 and its square root, in single precision.
struct PowerF {
    template <class L>
    static typename L::V eval(typename L::V re, typename L::V im) {
        return L::add(L::mul(re, re), L::mul(im, im));
    }
};
struct MagnitudeF {
    template <class L>
    static typename L::V eval(typename L::V re, typename L::V im) { return L::sqrt(PowerF::eval<L>(re, im)); }
};

}  // namespace
}  // namespace veks

#endif
