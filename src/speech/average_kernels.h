// Running averages y = alpha * y + (1 - alpha) * term(n) of 16-bit samples
// into a 32-bit accumulator, alpha an integer.
//
// Blocks of four samples fold into one step with precomputed powers,
//     y4 = alpha^4 y + (1-alpha) (alpha^3 t0 + alpha^2 t1 + alpha t2 + t3),
// so the dependency chain is one multiply-add per block. Folding is used
// only where its partial sums cannot overflow the accumulating type; the
// sample-by-sample recurrence covers the rest.
#ifndef VEKS_SPEECH_AVERAGE_KERNELS_H
#define VEKS_SPEECH_AVERAGE_KERNELS_H

#include <cmath>
#include <cstdint>

namespace veks {
namespace avg {

template <class R, class Term>
R recurrence(const std::int16_t* src, int len, R y, R alpha, Term term) {
    const R beta = R(1) - alpha;
    for (int n = 0; n < len; ++n) y = alpha * y + beta * static_cast<R>(term(src[n]));
    return y;
}

template <class R, class Term>
R folded(const std::int16_t* src, int len, R y, R alpha, Term term) {
    const R beta = R(1) - alpha;
    const R p0 = beta, p1 = beta * alpha, p2 = p1 * alpha, p3 = p2 * alpha;
    const R a4 = alpha * alpha * alpha * alpha;
    int n = 0;
    for (; n + 4 <= len; n += 4) {
        const R t0 = static_cast<R>(term(src[n])), t1 = static_cast<R>(term(src[n + 1]));
        const R t2 = static_cast<R>(term(src[n + 2])), t3 = static_cast<R>(term(src[n + 3]));
        y = a4 * y + ((p3 * t0 + p2 * t1) + (p1 * t2 + p0 * t3));
    }
    return recurrence(src + n, len - n, y, alpha, term);
}

// Rounds the accumulator to nearest-even after clamping it to [lo, hi].
template <class R>
std::int32_t to_accumulator(R y, R lo, R hi) {
    if (y != y) return 0;  // unreachable for integer alpha; keeps the cast defined
    if (y < lo) y = lo;
    if (y > hi) y = hi;
    return static_cast<std::int32_t>(std::nearbyint(static_cast<double>(y)));
}

}  // namespace avg
}  // namespace veks

#endif
