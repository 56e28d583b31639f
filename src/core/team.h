// The helper threads behind the parallel frame. A call hands out `pieces`
// numbered pieces of work; the calling thread and idle helpers claim them
// one by one, so a piece no helper has started yet is run by the caller
// itself and a busy or descheduled helper never delays the call by more
// than the piece it already holds.
#ifndef VEKS_CORE_TEAM_H
#define VEKS_CORE_TEAM_H

#include <type_traits>

namespace veks {

// The largest team one call gets (the caller and its helpers).
constexpr int kMaxTeam = 64;

// Work of one piece: non-zero when it met its special case.
using TeamPiece = int (*)(void* ctx, int index);

// Runs body(ctx, k) for every k in [0, pieces), pieces <= kMaxTeam, and
// returns when all have finished: non-zero when any returned non-zero.
// Each piece runs under the caller's MXCSR controls, and the exception
// flags the pieces raise end up in the caller's MXCSR. Nested calls, calls
// while another thread holds the helpers and calls from inside an OpenMP
// parallel region run serially.
int team_run(int pieces, TeamPiece body, void* ctx);

// team_run over a callable: f(k) for every k in [0, pieces), each piece
// returning non-zero for its special case.
template <class F>
int team_for(int pieces, F&& f) {
    using Fn = std::remove_reference_t<F>;
    return team_run(pieces, [](void* c, int k) { return int((*static_cast<Fn*>(c))(k)); }, &f);
}

}  // namespace veks

#endif
