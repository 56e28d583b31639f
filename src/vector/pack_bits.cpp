// Packing of variable-length bit fields into a byte stream, most
// significant bit first.
#include <cstdint>

#include "core/check.h"
#include "veks.h"

using namespace veks;

VekStatus veksPackBits_32u8u(const Vek32u* pSrc, const int* pSrcBitsLen, int len, Vek8u* pDst, int dstBitOffset,
                             int* pDstLenBit) {
    VEKS_CHECK(check_ptrs(pSrc, pSrcBitsLen, pDst, pDstLenBit));
    VEKS_CHECK(check_param(len < 1 || dstBitOffset < 0, vekStsSizeErr));

    // Only the bit position within the first byte counts; its leading bits
    // are kept and the packed bits follow them.
    const int kept = dstBitOffset & 7;
    std::uint64_t acc = kept ? std::uint64_t(pDst[0] >> (8 - kept)) : 0;
    int pending = kept;  // bits in acc not yet written, at most 39
    long long written = 0;
    bool clamped = false;
    Vek8u* out = pDst;

    for (int i = 0; i < len; ++i) {
        int n = pSrcBitsLen[i];
        if (n < 0 || n > 32) {
            clamped = true;
            n = n < 0 ? 0 : 32;
        }
        if (n == 0) continue;
        const std::uint64_t field = std::uint64_t(pSrc[i]) & ((std::uint64_t(1) << n) - 1);
        acc = (acc << n) | field;
        pending += n;
        written += n;
        while (pending >= 8) {
            pending -= 8;
            *out++ = Vek8u(acc >> pending);
        }
        acc &= (std::uint64_t(1) << pending) - 1;
    }
    // The last partial byte keeps its trailing bits.
    if (pending > 0) {
        const unsigned keep_mask = (1u << (8 - pending)) - 1;
        *out = Vek8u((unsigned(acc) << (8 - pending)) | (*out & keep_mask));
    }
    *pDstLenBit = int(written);
    return clamped ? vekStsBitLenClamped : vekStsNoErr;
}
