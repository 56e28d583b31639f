// Expansion of a packed real spectrum (Pack, Perm or CCS) of a length-L
// signal into its full conjugate-symmetric complex spectrum. The writes
// run so that an in-place call (packed data at the start of the complex
// array) reads every packed value before it is overwritten.
#include <limits>

#include "core/check.h"
#include "veks.h"

namespace veks {
namespace {

enum class From { Pack, Perm, CCS };

template <class T>
inline T negate(T v) {
    if constexpr (std::numeric_limits<T>::is_integer)
        return v == std::numeric_limits<T>::min() ? std::numeric_limits<T>::max() : T(-v);
    else
        return -v;
}

template <class T>
VekStatus conj_expand(From from, const T* s, T* d, int len) {
    VEKS_CHECK(check_vec(len, s, d));
    const bool even = len % 2 == 0;
    const int K = even ? len / 2 - 1 : (len - 1) / 2;
    // Position of the real part of pair k in the packed input.
    auto at = [&](int k) { return from == From::Pack || (from == From::Perm && !even) ? 2 * k - 1 : 2 * k; };
    const T r0 = s[0], i0 = from == From::CCS ? s[1] : T(0);
    T nr = 0, ni = 0;
    if (even && len >= 2) {
        if (from == From::CCS) {
            nr = s[len];
            ni = s[len + 1];
        } else {
            nr = s[from == From::Pack ? len - 1 : 1];
        }
    }
    for (int k = 1; k <= K; ++k) {
        d[2 * (len - k)] = s[at(k)];
        d[2 * (len - k) + 1] = negate(s[at(k) + 1]);
    }
    if (even && len >= 2) {
        d[len] = nr;
        d[len + 1] = ni;
    }
    for (int k = K; k >= 1; --k) {
        const T re = s[at(k)], im = s[at(k) + 1];
        d[2 * k] = re;
        d[2 * k + 1] = im;
    }
    d[0] = r0;
    d[1] = i0;
    return vekStsNoErr;
}

}  // namespace
}  // namespace veks

using namespace veks;

#define VEKS_CONJ_PACKED(NAME, FROM, C, R)                                                        \
    VekStatus veks##NAME##_##C(const Vek##R* pSrc, Vek##C* pDst, int dstLen) {                     \
        return conj_expand(From::FROM, pSrc, reinterpret_cast<Vek##R*>(pDst), dstLen);             \
    }                                                                                              \
    VekStatus veks##NAME##_##C##_I(Vek##C* pSrcDst, int dstLen) {                                  \
        auto* p = reinterpret_cast<Vek##R*>(pSrcDst);                                              \
        return conj_expand(From::FROM, static_cast<const Vek##R*>(p), p, dstLen);                  \
    }

#define VEKS_CONJ_PACKED_TYPES(NAME, FROM)   \
    VEKS_CONJ_PACKED(NAME, FROM, 32fc, 32f)  \
    VEKS_CONJ_PACKED(NAME, FROM, 64fc, 64f)  \
    VEKS_CONJ_PACKED(NAME, FROM, 16sc, 16s)

VEKS_CONJ_PACKED_TYPES(ConjPack, Pack)
VEKS_CONJ_PACKED_TYPES(ConjPerm, Perm)
VEKS_CONJ_PACKED_TYPES(ConjCcs, CCS)
