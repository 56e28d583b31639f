// The parallel execution frame of the element-wise families.
//
// A family supplies its serial kernel as a callable on a piece of the
// vector: piece(offset, count) -> int, non-zero when an element met the
// operation's special case. The frame decides whether to fork, cuts the
// vector into T contiguous pieces (the last one takes the remainder), runs
// the kernel on each and merges the special-case flags. The split never
// changes results: kernels are position-independent.
#ifndef VEKS_CORE_PARALLEL_H
#define VEKS_CORE_PARALLEL_H

#include <algorithm>
#include <atomic>

#include <omp.h>

#include "support/vekcore.h"

namespace veks {

// Team size cap of the element-wise families; 0 means "no cap" (Div_Round).
constexpr int kElementwiseThreadCap = 2;

// The driver (an `_omp` function): forks when the budget allows and merges
// the pieces' flags. Returns 0, or non-zero when any piece reported.
template <class Piece>
int run_omp(int len, int cap, Piece&& piece) {
    const int n = ownGetNumThreads();
    if (n <= 1 || len < n) return piece(0, len);
    const int team = cap > 0 ? std::min(n, cap) : n;

    std::atomic<int> flag{0};
    int granted = 1, chunk = len, rest = 0;
#pragma omp parallel num_threads(team)
    {
#pragma omp master
        {
            granted = omp_get_num_threads();
            chunk = len / granted;
            rest = len % granted;
        }
#pragma omp barrier
        const int t = omp_get_thread_num();
        const int offset = t * chunk;
        const int count = chunk + (t == granted - 1 ? rest : 0);
        if (piece(offset, count) != 0) flag.store(1, std::memory_order_relaxed);
    }
    return flag.load(std::memory_order_relaxed);
}

// The public-function side: serial below `threshold`, the driver from it on.
template <class Piece>
int run_split(int len, int threshold, int cap, Piece&& piece) {
    if (len < threshold) return piece(0, len);
    return run_omp(len, cap, piece);
}

}  // namespace veks

#endif
