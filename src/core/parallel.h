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
#include <type_traits>

#include "support/vekcore.h"
#include "team.h"

namespace veks {

// Team size cap of the element-wise families; 0 means "no cap" (Div_Round).
constexpr int kElementwiseThreadCap = 2;

// The driver (an `_omp` function): splits when the budget allows and merges
// the pieces' flags. Returns 0, or non-zero when any piece reported. The
// pieces go to the helper threads of core/team.h: a piece that no helper
// has picked up by the time the caller is free again runs on the caller,
// so a loaded machine costs at most the serial time plus a wake-up.
template <class Piece>
int run_omp(int len, int cap, Piece&& piece) {
    const int n = ownGetNumThreads();
    if (n <= 1 || len < n) return piece(0, len);
    const int team = std::min(cap > 0 ? std::min(n, cap) : n, kMaxTeam);

    struct Split {
        std::remove_reference_t<Piece>* piece;
        int chunk, rest, team;
    } split{&piece, len / team, len % team, team};
    return team_run(
        team,
        [](void* c, int t) {
            const Split& s = *static_cast<const Split*>(c);
            return (*s.piece)(t * s.chunk, s.chunk + (t == s.team - 1 ? s.rest : 0));
        },
        &split);
}

// The public-function side: serial below `threshold`, the driver from it on.
template <class Piece>
int run_split(int len, int threshold, int cap, Piece&& piece) {
    if (len < threshold) return piece(0, len);
    return run_omp(len, cap, piece);
}

}  // namespace veks

#endif
