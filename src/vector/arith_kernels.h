// Element-wise integer arithmetic, written once over operand accessors and
// a scaler. An operand is a vector (`Vec`) or a broadcast constant (`Cst`);
// an operation forms the exact wide result of one element and hands it to
// the scaler chosen for the call's scale factor (core/scaled_int.h).
#ifndef VEKS_VECTOR_ARITH_KERNELS_H
#define VEKS_VECTOR_ARITH_KERNELS_H

#include <cstddef>
#include <cstdint>

#include "core/scaled_int.h"
#include "veks.h"
#include "vector/wide_table.h"

namespace veks {
namespace arith {

using std::ptrdiff_t;

template <class T>
struct Vec {
    const T* p;
    T at(ptrdiff_t i) const { return p[i]; }
    Vec shifted(ptrdiff_t off) const { return Vec{p + off}; }
};

template <class T>
struct Cst {
    T v;
    T at(ptrdiff_t) const { return v; }
    Cst shifted(ptrdiff_t) const { return *this; }
};

template <class T>
Vec<T> vec(const T* p) { return Vec<T>{p}; }
template <class T>
Cst<T> cst(T v) { return Cst<T>{v}; }

// Real operations: x op y in the wide type W, then scaled. `kind` names
// the operation for the wide kernels.
template <class W>
struct Add {
    static constexpr IntOp kind = IntOp::Add;
    template <class X, class Y, class S>
    auto operator()(X x, Y y, S s) const { return s(W(x) + W(y)); }
};
template <class W>
struct Sub {
    static constexpr IntOp kind = IntOp::Sub;
    template <class X, class Y, class S>
    auto operator()(X x, Y y, S s) const { return s(W(x) - W(y)); }
};
template <class W>
struct Mul {
    static constexpr IntOp kind = IntOp::Mul;
    template <class X, class Y, class S>
    auto operator()(X x, Y y, S s) const { return s(W(x) * W(y)); }
};

// Complex operations on {re, im} structs; each part is scaled by itself.
template <class C, class W>
struct CAdd {
    template <class X, class Y, class S>
    C operator()(X x, Y y, S s) const { return C{s(W(x.re) + W(y.re)), s(W(x.im) + W(y.im))}; }
};
template <class C, class W>
struct CSub {
    template <class X, class Y, class S>
    C operator()(X x, Y y, S s) const { return C{s(W(x.re) - W(y.re)), s(W(x.im) - W(y.im))}; }
};
template <class C, class W>
struct CMul {
    template <class X, class Y, class S>
    C operator()(X x, Y y, S s) const {
        return C{s(W(x.re) * W(y.re) - W(x.im) * W(y.im)), s(W(x.re) * W(y.im) + W(x.im) * W(y.re))};
    }
};
// Real times complex.
template <class C, class W>
struct RCMul {
    template <class X, class Y, class S>
    C operator()(X x, Y y, S s) const { return C{s(W(x) * W(y.re)), s(W(x) * W(y.im))}; }
};

// dst[i] = op(a[i], b[i], scale), on whole vectors.
template <class D, class A, class B, class Op, class S>
void map2(D* dst, ptrdiff_t len, A a, B b, Op op, S scale) {
    for (ptrdiff_t i = 0; i < len; ++i) dst[i] = op(a.at(i), b.at(i), scale);
}

// dst[i] = scale(dst[i] + a[i] * b[i]), the accumulator in W.
template <class W, class D, class X, class S>
void add_product(const X* a, const X* b, D* acc, ptrdiff_t len, S scale) {
    for (ptrdiff_t i = 0; i < len; ++i) acc[i] = scale(W(acc[i]) + W(a[i]) * W(b[i]));
}

// 16s kernels (arith_16s.cpp): a op b, where b is the vector `b` or, when
// it is null, the constant `bval`. RSub is b - a.
void run16s(IntOp op, const Vek16s* a, const Vek16s* b, Vek16s bval, Vek16s* dst, ptrdiff_t len, int sf, int bound_at);

}  // namespace arith
}  // namespace veks

#endif
