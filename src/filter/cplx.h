// A plain complex value for filter kernels: the arithmetic written out, so
// products round exactly as the formulas read (no library NaN recovery).
#ifndef VEKS_FILTER_CPLX_H
#define VEKS_FILTER_CPLX_H

#include <type_traits>

namespace veks {

template <class R>
struct Cx {
    R re, im;
    Cx() = default;
    constexpr Cx(R r, R i = R(0)) : re(r), im(i) {}
};

template <class R> inline Cx<R> operator+(Cx<R> a, Cx<R> b) { return {a.re + b.re, a.im + b.im}; }
template <class R> inline Cx<R> operator-(Cx<R> a, Cx<R> b) { return {a.re - b.re, a.im - b.im}; }
template <class R> inline Cx<R> operator*(Cx<R> a, Cx<R> b) {
    return {a.re * b.re - a.im * b.im, a.re * b.im + a.im * b.re};
}
template <class R> inline Cx<R> operator*(R a, Cx<R> b) { return {a * b.re, a * b.im}; }
template <class R> inline Cx<R>& operator+=(Cx<R>& a, Cx<R> b) { return a = a + b; }
template <class R> inline Cx<R> conj(Cx<R> a) { return {a.re, -a.im}; }

template <class T> struct is_cx : std::false_type {};
template <class R> struct is_cx<Cx<R>> : std::true_type {};

// The real type under T.
template <class T> struct real_of { using type = T; };
template <class R> struct real_of<Cx<R>> { using type = R; };
template <class T> using real_t = typename real_of<T>::type;

inline bool is_zero(float v) { return v == 0.0f; }
inline bool is_zero(double v) { return v == 0.0; }
template <class R> inline bool is_zero(Cx<R> v) { return v.re == R(0) && v.im == R(0); }

// 1/v, computed once and multiplied in.
inline float reciprocal(float v) { return 1.0f / v; }
inline double reciprocal(double v) { return 1.0 / v; }
template <class R> inline Cx<R> reciprocal(Cx<R> v) {
    const R n = v.re * v.re + v.im * v.im;
    return {v.re / n, -v.im / n};
}

}  // namespace veks

#endif
