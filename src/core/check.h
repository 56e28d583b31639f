// Argument checks shared by every exported function.
//
// The fixed order is: pointers (-8), lengths (-6), the operation's own
// parameters, object identifiers (-17), then shortcuts and the kernel.
// Each helper returns the first failing status or vekStsNoErr, so a public
// function reads as a short chain:
//
//     VEKS_CHECK(check_ptrs(pSrc, pDst));
//     VEKS_CHECK(check_len(len));
//
// or, for the common "pointers then one length" case, one call:
//
//     VEKS_CHECK(check_vec(len, pSrc, pDst));
#ifndef VEKS_CORE_CHECK_H
#define VEKS_CORE_CHECK_H

#include <cstdint>
#include <cstring>

#include "veks.h"

#define VEKS_CHECK(expr)                                 \
    do {                                                 \
        const VekStatus veks_check_status_ = (expr);     \
        if (veks_check_status_ != vekStsNoErr) return veks_check_status_; \
    } while (0)

namespace veks {

// -8 when any pointer is null.
template <class... P>
constexpr VekStatus check_ptrs(const P*... p) {
    return ((p == nullptr) || ...) ? vekStsNullPtrErr : vekStsNoErr;
}

// -6 when any length is below `minimum` (1 unless a family says otherwise).
inline VekStatus check_len(int len, int minimum = 1) {
    return len < minimum ? vekStsSizeErr : vekStsNoErr;
}

// Pointers first, then the length: the order of every element-wise call.
template <class... P>
inline VekStatus check_vec(int len, const P*... p) {
    const VekStatus s = check_ptrs(p...);
    return s != vekStsNoErr ? s : check_len(len);
}

// A parameter test: `failed` yields `status`.
inline VekStatus check_param(bool failed, VekStatus status) {
    return failed ? status : vekStsNoErr;
}

// Every state and specification object begins with a 32-bit identifier.
inline VekStatus check_id(const void* object, std::uint32_t expected) {
    std::uint32_t id;
    std::memcpy(&id, object, sizeof id);
    return id == expected ? vekStsNoErr : vekStsContextMatchErr;
}

// Identifiers spelled as four characters ("FI01", "HAMC") read big-endian.
constexpr std::uint32_t fourcc(char a, char b, char c, char d) {
    return (std::uint32_t(std::uint8_t(a)) << 24) | (std::uint32_t(std::uint8_t(b)) << 16) |
           (std::uint32_t(std::uint8_t(c)) << 8) | std::uint32_t(std::uint8_t(d));
}

}  // namespace veks

#endif
