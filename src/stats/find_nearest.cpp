// Nearest entries of an ascending Vek16u table.
#include "core/check.h"
#include "veks.h"

namespace veks {
namespace {

// Index of the entry nearest to v; on equal distance the lower entry.
int nearest(int v, const Vek16u* table, int n) {
    if (n == 1 || v <= table[0]) return 0;
    if (v >= table[n - 1]) return n - 1;
    int lo = 0, hi = n - 1;  // table[lo] <= v < table[hi]
    while (hi - lo > 1) {
        const int mid = lo + (hi - lo) / 2;
        if (table[mid] <= v) lo = mid;
        else hi = mid;
    }
    return v - table[lo] > table[lo + 1] - v ? lo + 1 : lo;
}

}  // namespace
}  // namespace veks

using namespace veks;

VekStatus veksFindNearestOne_16u(Vek16u inpVal, Vek16u* pOutVal, int* pOutIndex, const Vek16u* pTable, int tblLen) {
    VEKS_CHECK(check_vec(tblLen, pOutVal, pOutIndex, pTable));
    const int k = nearest(inpVal, pTable, tblLen);
    *pOutVal = pTable[k];
    *pOutIndex = k;
    return vekStsNoErr;
}

VekStatus veksFindNearest_16u(const Vek16u* pVals, Vek16u* pOutVals, int* pOutIndexes, int len, const Vek16u* pTable,
                              int tblLen) {
    VEKS_CHECK(check_ptrs(pVals, pOutVals, pOutIndexes, pTable));
    VEKS_CHECK(check_param(len < 1 || tblLen < 1, vekStsSizeErr));
    for (int i = 0; i < len; ++i) {
        const int k = nearest(pVals[i], pTable, tblLen);
        pOutVals[i] = pTable[k];
        pOutIndexes[i] = k;
    }
    return vekStsNoErr;
}
