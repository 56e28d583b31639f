// Sparse FIR: y[n] = sum over j of tap[j] * x[n - pos[j]], non-zero taps at
// strictly increasing positions. The state keeps order = pos[last] samples
// of history; outputs are accumulated tap by tap (positions ascending), the
// same order for outputs from the history and from the source.
#include <cstring>
#include <new>

#include "core/check.h"
#include "filter/fir_state.h"
#include "veks.h"

using namespace veks;
using namespace veks::fir;

namespace {

struct Sparse {
    float* taps;
    std::int32_t* pos;
    float* dly;  // history (oldest first), the first inputs, the last inputs
    std::int32_t nz, order;
};

std::size_t sparse_bytes(int nz, int order) {
    return 16 + align16(sizeof(Sparse)) + align16(4 * std::size_t(nz)) * 2 + align16(12 * std::size_t(order));
}

// y[k] for k < n, from x where x[k - pos] is the sample pos steps back.
void accumulate(const Sparse* s, const float* x, float* y, int n) {
    std::memset(y, 0, sizeof(float) * std::size_t(n));
    for (int j = 0; j < s->nz; ++j) {
        const float t = s->taps[j];
        const float* xs = x - s->pos[j];
        for (int k = 0; k < n; ++k) y[k] += t * xs[k];
    }
}

}  // namespace

VekStatus veksFIRSparseGetStateSize_32f(int nzTapsLen, int order, int* pSize) {
    VEKS_CHECK(check_ptrs(pSize));
    VEKS_CHECK(check_param(nzTapsLen < 1 || order < 1, vekStsFIRLenErr));
    const std::size_t b = sparse_bytes(nzTapsLen, order);
    VEKS_CHECK(check_param(b > 0x7FFFFFFFu, vekStsSizeErr));
    *pSize = static_cast<int>(b);
    return vekStsNoErr;
}

VekStatus veksFIRSparseInit_32f(VekFIRSparseState_32f** pp, const Vek32f* pNzTaps, const Vek32s* pPos, int nz,
                                const Vek32f* pDly, Vek8u* pBuf) {
    VEKS_CHECK(check_ptrs(pp, pNzTaps, pPos, pBuf));
    VEKS_CHECK(check_param(nz < 1, vekStsFIRLenErr));
    bool bad = pPos[0] < 0;
    for (int j = 1; j < nz && !bad; ++j) bad = pPos[j] <= pPos[j - 1];
    VEKS_CHECK(check_param(bad, vekStsTapPositionErr));
    const int order = pPos[nz - 1];
    Vek8u* base = align_up16(pBuf);
    Sparse* s = new (base) Sparse();
    Vek8u* at = base + align16(sizeof(Sparse));
    s->taps = reinterpret_cast<float*>(at);
    at += align16(4 * std::size_t(nz));
    s->pos = reinterpret_cast<std::int32_t*>(at);
    at += align16(4 * std::size_t(nz));
    s->dly = reinterpret_cast<float*>(at);
    s->nz = nz, s->order = order;
    std::memcpy(s->taps, pNzTaps, sizeof(float) * std::size_t(nz));
    std::memcpy(s->pos, pPos, sizeof(std::int32_t) * std::size_t(nz));
    for (int i = 0; i < order; ++i) s->dly[order - 1 - i] = pDly ? pDly[i] : 0.0f;
    *pp = reinterpret_cast<VekFIRSparseState_32f*>(s);
    return vekStsNoErr;
}

VekStatus veksFIRSparse_32f(const Vek32f* pSrc, Vek32f* pDst, int len, VekFIRSparseState_32f* pState) {
    VEKS_CHECK(check_ptrs(pState, pSrc, pDst));
    VEKS_CHECK(check_len(len));
    Sparse* s = reinterpret_cast<Sparse*>(pState);
    const int order = s->order;
    if (order == 0) {
        accumulate(s, pSrc, pDst, len);
        return vekStsNoErr;
    }
    const int m = len < order ? len : order;
    float* b = s->dly;
    float* tail = b + 2 * order;
    std::memcpy(b + order, pSrc, sizeof(float) * std::size_t(m));
    if (len > order) std::memcpy(tail, pSrc + len - order, sizeof(float) * std::size_t(order));
    if (pSrc == pDst && len > order) {
        // In place: the direct stretch reads inputs up to order behind the
        // output, so run it from the top down before the head is written.
        for (int k = len - 1; k >= order; --k) {
            float acc = 0.0f;
            for (int j = 0; j < s->nz; ++j) acc += s->taps[j] * pSrc[k - s->pos[j]];
            pDst[k] = acc;
        }
    } else if (len > order) {
        accumulate(s, pSrc + order, pDst + order, len - order);
    }
    float head[256];
    for (int off = 0; off < m; off += 256) {
        const int c = m - off < 256 ? m - off : 256;
        accumulate(s, b + order + off, head, c);
        std::memcpy(pDst + off, head, sizeof(float) * std::size_t(c));
    }
    std::memmove(b, len > order ? tail : b + len, sizeof(float) * std::size_t(order));
    return vekStsNoErr;
}
