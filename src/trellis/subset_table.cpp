// Four-dimensional subset table: for every 4-D subset, the best of its
// candidate pairs of 2-D subsets (first point, second point). Candidate
// index rules per trellis size come from the code's subset partition.
#include <cstdint>

#include "core/check.h"
#include "trellis/lattice.h"
#include "veks.h"

namespace veks {
namespace {

using trellis::code_of;
using trellis::dist_of;

struct Pair {
    std::uint32_t a, b;  // 2-D subsets of the first and the second point
};

// Writes the winning candidate of output entry i; earlier candidates win ties.
template <int N>
void best_of(const std::uint32_t* dist, std::uint16_t* table, int i, const Pair (&cand)[N]) {
    std::uint16_t best = 0, code = 0;
    for (int k = 0; k < N; ++k) {
        const std::uint32_t d1 = dist[cand[k].a], d2 = dist[8 + cand[k].b];
        const std::uint16_t d = static_cast<std::uint16_t>(dist_of(d1) + dist_of(d2));
        if (k == 0 || d < best) {
            best = d;
            code = static_cast<std::uint16_t>((code_of(d1) & 0xFF) | (code_of(d2) << 8));
        }
    }
    table[2 * i] = code;
    table[2 * i + 1] = best;
}

// Subset indices are kept inside the eight-entry halves whatever subsetXor holds.
void build16(const std::uint32_t* d, std::uint16_t* t, std::uint32_t x) {
    for (std::uint32_t i = 0; i < 8; ++i) {
        const std::uint32_t s = (i ^ x) & 7u, a = s >> 2, b = (s + a) & 3u;
        best_of<2>(d, t, int(i), {{a, b}, {(a + 2) & 3u, (b + 2) & 3u}});
    }
}

void build32(const std::uint32_t* d, std::uint16_t* t, std::uint32_t x) {
    for (std::uint32_t i = 0; i < 16; ++i) {
        const std::uint32_t s = ((i ^ x) & 15u) + (i >= 8 ? 16u : 0u);
        const std::uint32_t u = s ^ 8u;
        const std::uint32_t a2 = (u >> 2) & 7u, b2 = (u + a2) & 3u;
        const std::uint32_t a = (s >> 2) & 7u, b = (s + a) & 3u;
        best_of<4>(d, t, int(i), {{a2, b2}, {(a2 + 4) & 7u, b2 + 4}, {a, b}, {(a + 4) & 7u, b + 4}});
    }
}

void build64(const std::uint32_t* d, std::uint16_t* t, std::uint32_t x) {
    for (std::uint32_t i = 0; i < 32; ++i) {
        const std::uint32_t s = (i ^ x) & 31u, a = s >> 2, b = (s + a) & 3u;
        best_of<2>(d, t, int(i), {{a, b}, {(a + 4) & 7u, b + 4}});
    }
}

}  // namespace
}  // namespace veks

using namespace veks;

VekStatus veksBuildSymblTableDV4D_16sc(const Vek32u* pDist, Vek16u* pTable, int numStates, int subsetXor) {
    VEKS_CHECK(check_ptrs(pDist, pTable));
    const std::uint32_t x = static_cast<std::uint32_t>(subsetXor);
    switch (trellis::states_of(numStates)) {
        case 16: build16(pDist, pTable, x); break;
        case 32: build32(pDist, pTable, x); break;
        default: build64(pDist, pTable, x); break;
    }
    return vekStsNoErr;
}
