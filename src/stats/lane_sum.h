// Interleaved partial sums, the accumulation model of the reductions whose
// rounding is fixed: term k goes to partial k mod L, each partial is added
// in order, and the partials are combined by halving (p[j] += p[j + L/2]
// until one is left). Each partial is an independent sequential sum, so
// the compiler may keep the partials in vector lanes without changing a
// bit.
#ifndef VEKS_STATS_LANE_SUM_H
#define VEKS_STATS_LANE_SUM_H

#include <cstddef>

namespace veks {

template <int L, class Acc>
Acc combine_halving(Acc* p) {
    for (int w = L / 2; w >= 1; w /= 2)
        for (int j = 0; j < w; ++j) p[j] += p[j + w];
    return p[0];
}

// Partials of term(k) for k in [0, n), without the final combination.
template <int L, class Acc, class Term>
void lane_partials(Acc* p, std::size_t n, Term term) {
    std::size_t k = 0;
    for (; k + L <= n; k += L)
        for (int j = 0; j < L; ++j) p[j] += term(k + j);
    for (int j = 0; k < n; ++k, ++j) p[j] += term(k);
}

template <int L, class Acc, class Term>
Acc lane_sum(std::size_t n, Term term) {
    Acc p[L] = {};
    lane_partials<L>(p, n, term);
    return combine_halving<L>(p);
}

}  // namespace veks

#endif
