// The call frame shared by the scaled integer exports: the zero-fill and
// copy shortcuts go through the public copy-family functions (so they make
// the same checks), everything else through one scaler per call.
#ifndef VEKS_VECTOR_ARITH_SCALED_H
#define VEKS_VECTOR_ARITH_SCALED_H

#include <type_traits>

#include "arith_kernels.h"
#include "veks.h"

namespace veks {
namespace arith {

template <class T, class U>
inline U* as(T* p) { return reinterpret_cast<U*>(p); }
template <class T, class U>
inline const U* as(const T* p) { return reinterpret_cast<const U*>(p); }

inline VekStatus zero(Vek8u* d, int n) { return veksZero_8u(d, n); }
inline VekStatus zero(Vek16s* d, int n) { return veksZero_16s(d, n); }
inline VekStatus zero(Vek16u* d, int n) { return veksZero_16s(as<Vek16u, Vek16s>(d), n); }
inline VekStatus zero(Vek32s* d, int n) { return veksZero_32s(d, n); }
inline VekStatus zero(Vek32u* d, int n) { return veksZero_32s(as<Vek32u, Vek32s>(d), n); }
inline VekStatus zero(Vek64s* d, int n) { return veksZero_64s(d, n); }
inline VekStatus zero(Vek16sc* d, int n) { return veksZero_16sc(d, n); }
inline VekStatus zero(Vek32sc* d, int n) { return veksZero_32sc(d, n); }
inline VekStatus zero(Vek32f* d, int n) { return veksZero_32f(d, n); }
inline VekStatus zero(Vek64f* d, int n) { return veksZero_64f(d, n); }
inline VekStatus zero(Vek32fc* d, int n) { return veksZero_32fc(d, n); }
inline VekStatus zero(Vek64fc* d, int n) { return veksZero_64fc(d, n); }

inline VekStatus copy(const Vek8u* s, Vek8u* d, int n) { return veksCopy_8u(s, d, n); }
inline VekStatus copy(const Vek16s* s, Vek16s* d, int n) { return veksCopy_16s(s, d, n); }
inline VekStatus copy(const Vek16u* s, Vek16u* d, int n) {
    return veksCopy_16s(as<const Vek16u, const Vek16s>(s), as<Vek16u, Vek16s>(d), n);
}
inline VekStatus copy(const Vek32s* s, Vek32s* d, int n) { return veksCopy_32s(s, d, n); }
inline VekStatus copy(const Vek32u* s, Vek32u* d, int n) {
    return veksCopy_32s(as<const Vek32u, const Vek32s>(s), as<Vek32u, Vek32s>(d), n);
}
inline VekStatus copy(const Vek64s* s, Vek64s* d, int n) { return veksCopy_64s(s, d, n); }
inline VekStatus copy(const Vek16sc* s, Vek16sc* d, int n) { return veksCopy_16sc(s, d, n); }
inline VekStatus copy(const Vek32sc* s, Vek32sc* d, int n) { return veksCopy_32sc(s, d, n); }
inline VekStatus copy(const Vek32f* s, Vek32f* d, int n) { return veksCopy_32f(s, d, n); }
inline VekStatus copy(const Vek64f* s, Vek64f* d, int n) { return veksCopy_64f(s, d, n); }
inline VekStatus copy(const Vek32fc* s, Vek32fc* d, int n) { return veksCopy_32fc(s, d, n); }
inline VekStatus copy(const Vek64fc* s, Vek64fc* d, int n) { return veksCopy_64fc(s, d, n); }

// In place a copy is nothing to do.
template <class T>
inline VekStatus copy_or_keep(const T* s, T* d, int n) { return s == d ? vekStsNoErr : copy(s, d, n); }

// An unsigned destination at its maximum everywhere.
inline VekStatus fill_max(Vek8u* d, int n) { return veksSet_8u(255, d, n); }
inline VekStatus fill_max(Vek16u* d, int n) { return veksSet_16s(-1, as<Vek16u, Vek16s>(d), n); }

// Scale-factor thresholds of one family and type.
struct Limits {
    int zero_above;  // every result rounds to 0 above this
    int bound_at;    // every non-zero result saturates at or below this
};

// The scaled element-wise call: zero fill above the zero threshold,
// otherwise the kernel with the scaler of `sf`. T is the (part) type the
// scaler saturates to, W the exact intermediate type.
// Signed 32-bit element by element forms have wide kernels.
template <class D, class A, class B>
constexpr bool kWide32s = std::is_same_v<D, Vek32s> && std::is_same_v<A, Vec<Vek32s>> &&
                          (std::is_same_v<B, Vec<Vek32s>> || std::is_same_v<B, Cst<Vek32s>>);

template <class T, class W, class D, class A, class B, class Op>
VekStatus scaled(D* dst, int len, int sf, Limits lim, A a, B b, Op op) {
    if (sfs::zero_fill(sf, lim.zero_above)) return zero(dst, len);
    if constexpr (kWide32s<D, A, B>) {
        if (const WideKernels* w = wide_kernels()) {
            if constexpr (std::is_same_v<B, Vec<Vek32s>>) w->run32s(Op::kind, a.p, b.p, 0, dst, len, sf, lim.bound_at);
            else w->run32s(Op::kind, a.p, nullptr, b.v, dst, len, sf, lim.bound_at);
            return vekStsNoErr;
        }
    }
    sfs::with_scaler<T, W>(sf, lim.bound_at, [&](auto s) { map2(dst, len, a, b, op, s); });
    return vekStsNoErr;
}

}  // namespace arith
}  // namespace veks

#endif
