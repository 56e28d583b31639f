// Binary order of the largest magnitude of a vector.
#include <cstdint>
#include <cstring>

#include "core/check.h"
#include "veks.h"

namespace veks {
namespace {

// Integers: bit length of the OR of all magnitudes, each taken as the
// unsigned two's complement negation (so the most negative value counts
// as 2^(bits-1)).
template <class T, class U>
VekStatus int_order(const T* src, int len, int* order) {
    VEKS_CHECK(check_len(len));
    VEKS_CHECK(check_ptrs(src, order));
    U acc = 0;
    for (int i = 0; i < len; ++i) {
        const U u = static_cast<U>(src[i]);
        acc |= src[i] < 0 ? U(0u - u) : u;
    }
    int bits = 0;
    while (acc) {
        ++bits;
        acc >>= 1;
    }
    *order = bits;
    return vekStsNoErr;
}

// Floats: exponent field of the largest finite magnitude, unbiased, plus
// one; infinities and NaNs are skipped and reported.
template <class T, class U, int Mantissa, int Bias>
VekStatus float_order(const T* src, int len, int* order) {
    VEKS_CHECK(check_len(len));
    VEKS_CHECK(check_ptrs(src, order));
    constexpr U magnitude = U(~U(0)) >> 1;
    constexpr U exp_all = magnitude & ~((U(1) << Mantissa) - 1);
    U largest = 0;
    bool not_finite = false;
    for (int i = 0; i < len; ++i) {
        U b;
        std::memcpy(&b, &src[i], sizeof b);
        b &= magnitude;
        if ((b & exp_all) == exp_all) {
            not_finite = true;
            continue;
        }
        if (b > largest) largest = b;
    }
    *order = largest == 0 ? 0 : static_cast<int>(largest >> Mantissa) - Bias;
    return not_finite ? vekStsNotFiniteArg : vekStsNoErr;
}

}  // namespace
}  // namespace veks

using namespace veks;

VekStatus veksMaxOrder_16s(const Vek16s* pSrc, int len, int* pOrder) { return int_order<Vek16s, std::uint16_t>(pSrc, len, pOrder); }
VekStatus veksMaxOrder_32s(const Vek32s* pSrc, int len, int* pOrder) { return int_order<Vek32s, std::uint32_t>(pSrc, len, pOrder); }
VekStatus veksMaxOrder_32f(const Vek32f* pSrc, int len, int* pOrder) { return float_order<Vek32f, std::uint32_t, 23, 126>(pSrc, len, pOrder); }
VekStatus veksMaxOrder_64f(const Vek64f* pSrc, int len, int* pOrder) { return float_order<Vek64f, std::uint64_t, 52, 1022>(pSrc, len, pOrder); }
