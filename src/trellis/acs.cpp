// Add-compare-select through the trellis and the renormalisation of the
// path metrics after each 4-D symbol.
#include <cstdint>

#include "core/check.h"
#include "trellis/lattice.h"
#include "veks.h"

namespace veks {
namespace {

struct Acs {
    const std::uint16_t* path;
    std::uint16_t* branch;
    const std::uint16_t* table;  // (code, distance) per 4-D subset
    std::uint32_t* decision;
    int offset;

    std::uint16_t candidate(int s, int e) const { return static_cast<std::uint16_t>(path[s] + table[2 * e + 1]); }
    std::uint32_t label(int s, int e) const { return std::uint32_t(table[2 * e]) | (std::uint32_t(s) << 16); }

    // Keeps the candidate only when strictly better than the metric held.
    void relax(int s, int e, int n) {
        const std::uint16_t m = candidate(s, e);
        if (m < branch[n]) {
            branch[n] = m;
            decision[n + offset] = label(s, e);
        }
    }
    void assign(int s, int e, int n) {
        branch[n] = candidate(s, e);
        decision[n + offset] = label(s, e);
    }
};

// The 32-state trellis opens with fixed connections from states 0 .. 3 that
// reach every next state exactly once.
constexpr int kSubsetsEven[8] = {0, 8, 2, 10, 4, 12, 6, 14};
constexpr int kSubsetsOdd[8] = {1, 9, 3, 11, 5, 13, 7, 15};
constexpr int kFixedNext[4][8] = {
    {0, 2, 4, 6, 9, 11, 13, 15},
    {16, 18, 20, 22, 25, 27, 29, 31},
    {1, 3, 5, 7, 8, 10, 12, 14},
    {17, 19, 21, 23, 24, 26, 28, 30},
};

}  // namespace
}  // namespace veks

using namespace veks;

VekStatus veksCalcStatesDV_16sc(const Vek16u* pPathError, const Vek8u* pNextState, Vek16u* pBranchError,
                                const Vek16u* pTable, Vek32u* pDecision, int numStates, int offset) {
    VEKS_CHECK(check_ptrs(pPathError, pNextState, pBranchError, pTable, pDecision));
    const int states = trellis::states_of(numStates);
    const int branches = states == 16 ? 4 : states == 32 ? 8 : 16;
    Acs acs{pPathError, pBranchError, pTable, pDecision, offset};
    int first = 0;
    if (states == 32) {
        for (int s = 0; s < 4; ++s)
            for (int j = 0; j < 8; ++j) acs.assign(s, (s & 1) ? kSubsetsOdd[j] : kSubsetsEven[j], kFixedNext[s][j]);
        first = 4;
    }
    // Next states are taken modulo the trellis size, so no table can send a
    // write outside the caller's arrays.
    for (int s = first; s < states; ++s)
        for (int j = 0; j < branches; ++j)
            acs.relax(s, (s & 1) + 2 * j, pNextState[branches * s + j] & (states - 1));
    return vekStsNoErr;
}

VekStatus veksUpdatePathMetricsDV_16u(Vek16u* pBranchError, Vek16u* pMinPathError, Vek8u* pMinState,
                                      Vek16u* pPathError, int numStates) {
    VEKS_CHECK(check_ptrs(pBranchError, pMinPathError, pMinState, pPathError));
    const int states = trellis::states_of(numStates);
    int best = 0;
    for (int s = 1; s < states; ++s)
        if (pBranchError[s] < pBranchError[best]) best = s;
    const std::uint16_t min = pBranchError[best];
    for (int s = 0; s < states; ++s) {
        pPathError[s] = static_cast<std::uint16_t>(pBranchError[s] - min);
        pBranchError[s] = 0xFFFF;
    }
    *pMinPathError = min;
    *pMinState = static_cast<Vek8u>(best);
    return vekStsNoErr;
}
