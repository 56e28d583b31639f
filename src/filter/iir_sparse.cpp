// Sparse IIR filter: a few numerator taps at increasing input delays and a
// few feedback taps at increasing output delays, added as given.
#include <algorithm>
#include <cstdint>
#include <cstring>

#include "core/check.h"
#include "iir_state.h"
#include "veks.h"

namespace veks {
namespace {

constexpr std::uint32_t kSparseId = fourcc('I', 'I', '4', '0');

struct SparseState {
    std::uint32_t id;
    std::int32_t nb, na;          // numerator and feedback tap counts
    std::int32_t order_b, order_a;  // largest input and output delays
    float* b;
    float* a;
    std::int32_t* p;
    std::int32_t* q;
    float* hx;  // x[-1], x[-2], ... x[-order_b]
    float* hy;  // y[-1], ... y[-order_a]
};

std::int64_t sparse_bytes(int nb, int na, int ob, int oa) {
    return std::int64_t(round_up(sizeof(SparseState), 32)) + 8 * std::int64_t(nb + na) +
           4 * std::int64_t(ob + oa) + 32 + 32;
}

bool increasing(const std::int32_t* v, int n) {
    for (int i = 1; i < n; ++i)
        if (v[i] <= v[i - 1]) return false;
    return true;
}

// History of one side: position n - delay, from the block or the history.
inline float at(const float* block, const float* hist, int idx) { return idx >= 0 ? block[idx] : hist[-idx - 1]; }

// New history: the last `order` samples of the block, older ones shifted in.
void refresh(float* hist, int order, const float* block, int len) {
    for (int k = order - 1; k >= 0; --k) hist[k] = at(block, hist, len - 1 - k);
}

}  // namespace
}  // namespace veks

using namespace veks;

VekStatus veksIIRSparseGetStateSize_32f(int nzTapsLen, int nzTapsLen2, int orderB, int orderA, int* pStateSize) {
    VEKS_CHECK(check_ptrs(pStateSize));
    VEKS_CHECK(check_param(nzTapsLen < 1 || nzTapsLen2 < 0, vekStsIIROrderErr));
    VEKS_CHECK(check_param(orderB < 0 || orderA < 0, vekStsTapPositionErr));
    *pStateSize = int(sparse_bytes(nzTapsLen, nzTapsLen2, orderB, orderA));
    return vekStsNoErr;
}

VekStatus veksIIRSparseInit_32f(VekIIRSparseState_32f** ppState, const Vek32f* pTaps, const Vek32s* pTapPos,
                                int nzTapsLen, int nzTapsLen2, const Vek32f* pDlyLine, Vek8u* pBuf) {
    VEKS_CHECK(check_ptrs(ppState, pTaps, pTapPos, pBuf));
    VEKS_CHECK(check_param(nzTapsLen < 1 || nzTapsLen2 < 1, vekStsIIROrderErr));
    const Vek32s* p = pTapPos;
    const Vek32s* q = pTapPos + nzTapsLen;
    VEKS_CHECK(check_param(p[0] < 0 || q[0] <= 0 || !increasing(p, nzTapsLen) || !increasing(q, nzTapsLen2),
                           vekStsTapPositionErr));
    const int nb = nzTapsLen, na = nzTapsLen2, ob = p[nb - 1], oa = q[na - 1];
    const std::uintptr_t addr = reinterpret_cast<std::uintptr_t>(pBuf);
    unsigned char* base = pBuf + ((32 - addr % 32) % 32);
    auto* s = reinterpret_cast<SparseState*>(base);
    unsigned char* m = base + round_up(sizeof(SparseState), 32);
    s->id = kSparseId;
    s->nb = nb;
    s->na = na;
    s->order_b = ob;
    s->order_a = oa;
    s->b = reinterpret_cast<float*>(m);
    s->a = s->b + nb;
    s->p = reinterpret_cast<std::int32_t*>(s->a + na);
    s->q = s->p + nb;
    s->hx = reinterpret_cast<float*>(s->q + na);
    s->hy = s->hx + ob;
    std::memcpy(s->b, pTaps, sizeof(float) * std::size_t(nb + na));
    std::memcpy(s->p, pTapPos, sizeof(std::int32_t) * std::size_t(nb + na));
    for (int i = 0; i < ob + oa; ++i) s->hx[i] = pDlyLine ? pDlyLine[i] : 0.0f;
    *ppState = reinterpret_cast<VekIIRSparseState_32f*>(s);
    return vekStsNoErr;
}

VekStatus veksIIRSparse_32f(const Vek32f* pSrc, Vek32f* pDst, int len, VekIIRSparseState_32f* pState) {
    VEKS_CHECK(check_ptrs(pState, pSrc, pDst));
    VEKS_CHECK(check_len(len));
    VEKS_CHECK(check_id(pState, kSparseId));
    auto* s = reinterpret_cast<SparseState*>(pState);
    const int head = std::min(len, std::max(s->order_b, s->order_a));
    // Outputs that reach into the history test each index.
    for (int n = 0; n < head; ++n) {
        float acc = 0.0f;
        for (int i = 0; i < s->nb; ++i) acc += s->b[i] * at(pSrc, s->hx, n - s->p[i]);
        for (int j = 0; j < s->na; ++j) acc += s->a[j] * at(pDst, s->hy, n - s->q[j]);
        pDst[n] = acc;
    }
    for (int n = head; n < len; ++n) {
        float acc = 0.0f;
        for (int i = 0; i < s->nb; ++i) acc += s->b[i] * pSrc[n - s->p[i]];
        for (int j = 0; j < s->na; ++j) acc += s->a[j] * pDst[n - s->q[j]];
        pDst[n] = acc;
    }
    refresh(s->hx, s->order_b, pSrc, len);
    refresh(s->hy, s->order_a, pDst, len);
    return vekStsNoErr;
}
