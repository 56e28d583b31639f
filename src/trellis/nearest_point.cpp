// Nearest lattice point of every 2-D subset around a received point: the
// four corners of its cell, and for the eight-subset labellings four more
// subsets, each the nearer of two candidates one cell further out.
#include "core/check.h"
#include "trellis/lattice.h"
#include "veks.h"

using namespace veks;
using namespace veks::trellis;

VekStatus veksGetVarPointDV_16sc(const Vek16sc* pSrc, Vek32u* pDstVar, Vek32u* pDstDist, const Vek8u* pLabel,
                                 int numStates) {
    VEKS_CHECK(check_ptrs(pSrc, pDstVar, pDstDist, pLabel));
    const Axis x = axis(pSrc->re), y = axis(pSrc->im);
    *pDstVar = std::uint32_t(x.base) | (std::uint32_t(y.base) << 16);

    const std::uint32_t mask = numStates == 16 ? 3u : 7u;
    // Writes `dist` with `code` to the subset labelled at (row + dr, col + dc).
    auto put = [&](int dr, int dc, std::uint32_t dist, std::uint32_t code) {
        const std::uint32_t r = (y.cell + dr) & 3u, c = (x.cell + dc) & 3u;
        pDstDist[pLabel[4 * r + c] & mask] = entry(dist, code);
    };
    const std::uint32_t dx0 = sq(x.offset), dx1 = sq(256 - x.offset);
    const std::uint32_t dy0 = sq(y.offset), dy1 = sq(256 - y.offset);
    put(0, 0, dx0 + dy0, 0);
    put(0, 1, dx1 + dy0, 1);
    put(1, 1, dx1 + dy1, 2);
    put(1, 0, dx0 + dy1, 3);
    if (numStates == 16) return vekStsNoErr;

    const std::uint32_t dx2 = sq(512 - x.offset), dxm = sq(256 + x.offset);
    const std::uint32_t dy2 = sq(512 - y.offset), dym = sq(256 + y.offset);
    // The first candidate only when strictly nearer.
    auto nearer = [&](int dr, int dc, std::uint32_t d1, std::uint32_t c1, std::uint32_t d2, std::uint32_t c2) {
        if (d1 < d2)
            put(dr, dc, d1, c1);
        else
            put(dr, dc, d2, c2);
    };
    nearer(2, 0, dx0 + dy2, 4, dx2 + dy0, 8);
    nearer(2, 1, dx1 + dy2, 5, dxm + dy0, 9);
    nearer(-1, 1, dx2 + dy1, 6, dx0 + dym, 10);
    nearer(-1, 0, dx1 + dym, 7, dxm + dy1, 11);
    return vekStsNoErr;
}
