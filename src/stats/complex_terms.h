// Real and complex terms of the dot products and norms, in a chosen
// accumulation type: operands are converted first, then multiplied.
#ifndef VEKS_STATS_COMPLEX_TERMS_H
#define VEKS_STATS_COMPLEX_TERMS_H

#include <type_traits>

#include "veks.h"

namespace veks {

template <class Acc>
struct Cx {
    Acc re{}, im{};
    Cx& operator+=(const Cx& o) {
        re += o.re;
        im += o.im;
        return *this;
    }
};

template <class T> struct IsComplex : std::false_type {};
template <> struct IsComplex<Vek16sc> : std::true_type {};
template <> struct IsComplex<Vek32sc> : std::true_type {};
template <> struct IsComplex<Vek32fc> : std::true_type {};
template <> struct IsComplex<Vek64fc> : std::true_type {};

// Plain (not conjugated) products.
template <class Acc, class A, class B>
auto product(const A& a, const B& b) {
    if constexpr (!IsComplex<A>::value && !IsComplex<B>::value) {
        return Acc(a) * Acc(b);
    } else if constexpr (!IsComplex<A>::value) {
        return Cx<Acc>{Acc(a) * Acc(b.re), Acc(a) * Acc(b.im)};
    } else {
        return Cx<Acc>{Acc(a.re) * Acc(b.re) - Acc(a.im) * Acc(b.im),
                       Acc(a.re) * Acc(b.im) + Acc(a.im) * Acc(b.re)};
    }
}

}  // namespace veks

#endif
