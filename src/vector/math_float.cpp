// Exported floating-point exponential, logarithm, arc tangent, cube root
// and sum of logarithms.
#include <cfloat>
#include <cmath>
#include <type_traits>

#include "core/check.h"
#include "math_dkernels.h"
#include "math_float.h"
#include "math_map.h"
#include "veks.h"

namespace veks {
namespace {

struct ExpK {
    template <class L>
    static typename L::V eval(typename L::V x) { return exp_d<L>(x); }
};

struct AtanK {
    template <class L>
    static typename L::V eval(typename L::V x) { return atan_d<L>(x); }
};

// Single-precision logarithm classes: -0 and negatives give NaN (flag b),
// +0 gives -inf (flag a), +inf stays +inf, NaN stays NaN.
struct Ln32K {
    template <class L>
    static typename L::M flag_b(typename L::V x) { return L::m_andnot(L::isnan(x), L::sign(x)); }
    template <class L>
    static typename L::M flag_a(typename L::V x) { return L::m_andnot(L::sign(x), L::eq(x, L::set1(0.0))); }
    template <class L>
    static typename L::V eval(typename L::V x) {
        const auto inf = L::set1(__builtin_inf());
        auto r = log_d<L>(x);
        r = L::select(L::eq(x, inf), inf, r);
        r = L::select(L::isnan(x), L::add(x, x), r);
        r = L::select(flag_a<L>(x), L::set1(-__builtin_inf()), r);
        return L::select(flag_b<L>(x), L::from_bits(L::iset1(0xFFF8000000000000ull)), r);
    }
};

// Double-precision classes, read from the upper word: any sign gives NaN
// (flag b), an upper word of 0 gives -inf (flag a), +inf and NaN give +inf.
struct Ln64K {
    template <class L>
    static typename L::M flag_b(typename L::V x) { return L::sign(x); }
    template <class L>
    static typename L::M flag_a(typename L::V x) { return L::m_andnot(L::sign(x), L::lt(x, L::set1(0x1p-1042))); }
    template <class L>
    static typename L::V eval(typename L::V x) {
        auto r = L::select(L::le(x, L::set1(DBL_MAX)), log_d<L>(x), L::set1(__builtin_inf()));
        r = L::select(flag_a<L>(x), L::set1(-__builtin_inf()), r);
        return L::select(flag_b<L>(x), L::from_bits(L::iset1(0xFFF8000000000000ull)), r);
    }
};

constexpr VekStatus ln_status(int kind) {
    return kind == 0 ? vekStsNoErr : kind == 1 ? vekStsLnZeroArg : vekStsLnNegArg;
}

template <class K, class S, class D>
VekStatus ln_call(const S* src, D* dst, int len) {
    VEKS_CHECK(check_vec(len, src, dst));
    return ln_status(map_flagged<K>(src, dst, len));
}

// Sum of logarithms in double, in blocks through the vector kernels.
template <class K, class S, class R>
VekStatus sum_ln(const S* src, int len, R* sum) {
    VEKS_CHECK(check_vec(len, src, sum));
    double logs[256];
    double acc = 0.0;
    int kind = 0;
    for (int at = 0; at < len; at += 256) {
        const int n = len - at < 256 ? len - at : 256;
        int k;
        if constexpr (std::is_integral_v<S>) {
            float wide[256];
            for (int i = 0; i < n; ++i) wide[i] = static_cast<float>(src[at + i]);  // exact for 16 bits
            k = map_flagged<K>(wide, logs, n);
        } else {
            k = map_flagged<K>(src + at, logs, n);
        }
        if (!kind) kind = k;
        for (int i = 0; i < n; ++i) acc += logs[i];
    }
    *sum = static_cast<R>(acc);
    return ln_status(kind);
}

template <class T>
VekStatus cube_root(const T* src, T* dst, int len) {
    VEKS_CHECK(check_vec(len, src, dst));
    for (int i = 0; i < len; ++i) dst[i] = static_cast<T>(std::cbrt(static_cast<double>(src[i])));
    return vekStsNoErr;
}

}  // namespace

}  // namespace veks

using namespace veks;

#define VEKS_MAP_FLOAT(name, code, S, D, driver)                          \
    VekStatus veks##name##_##code(const S* pSrc, D* pDst, int len) {      \
        VEKS_CHECK(check_vec(len, pSrc, pDst));                           \
        driver(pSrc, pDst, len);                                          \
        return vekStsNoErr;                                               \
    }
#define VEKS_MAP_FLOAT_I(name, code, T, driver)                           \
    VekStatus veks##name##_##code##_I(T* pSrcDst, int len) {              \
        VEKS_CHECK(check_vec(len, pSrcDst));                              \
        driver(pSrcDst, pSrcDst, len);                                    \
        return vekStsNoErr;                                               \
    }

VEKS_MAP_FLOAT(Exp, 32f, Vek32f, Vek32f, exp_32f)
VEKS_MAP_FLOAT_I(Exp, 32f, Vek32f, exp_32f)
VEKS_MAP_FLOAT(Exp, 64f, Vek64f, Vek64f, map_64f<ExpK>)
VEKS_MAP_FLOAT_I(Exp, 64f, Vek64f, map_64f<ExpK>)
VEKS_MAP_FLOAT(Exp, 32f64f, Vek32f, Vek64f, map_32f64f<ExpK>)
VEKS_MAP_FLOAT(Arctan, 32f, Vek32f, Vek32f, atan_32f)
VEKS_MAP_FLOAT_I(Arctan, 32f, Vek32f, atan_32f)
VEKS_MAP_FLOAT(Arctan, 64f, Vek64f, Vek64f, map_64f<AtanK>)
VEKS_MAP_FLOAT_I(Arctan, 64f, Vek64f, map_64f<AtanK>)

VekStatus veksLn_32f(const Vek32f* pSrc, Vek32f* pDst, int len) {
    VEKS_CHECK(check_vec(len, pSrc, pDst));
    return ln_status(ln_32f(pSrc, pDst, len));
}
VekStatus veksLn_32f_I(Vek32f* pSrcDst, int len) { return veksLn_32f(pSrcDst, pSrcDst, len); }
VekStatus veksLn_64f(const Vek64f* pSrc, Vek64f* pDst, int len) { return ln_call<Ln64K>(pSrc, pDst, len); }
VekStatus veksLn_64f_I(Vek64f* pSrcDst, int len) { return ln_call<Ln64K>(pSrcDst, pSrcDst, len); }
VekStatus veksLn_64f32f(const Vek64f* pSrc, Vek32f* pDst, int len) { return ln_call<Ln64K>(pSrc, pDst, len); }

VekStatus veksSumLn_16s32f(const Vek16s* pSrc, int len, Vek32f* pSum) { return sum_ln<Ln32K>(pSrc, len, pSum); }
VekStatus veksSumLn_32f(const Vek32f* pSrc, int len, Vek32f* pSum) { return sum_ln<Ln32K>(pSrc, len, pSum); }
VekStatus veksSumLn_32f64f(const Vek32f* pSrc, int len, Vek64f* pSum) { return sum_ln<Ln32K>(pSrc, len, pSum); }
VekStatus veksSumLn_64f(const Vek64f* pSrc, int len, Vek64f* pSum) { return sum_ln<Ln64K>(pSrc, len, pSum); }

VekStatus veksCubrt_32f(const Vek32f* pSrc, Vek32f* pDst, int len) { return cube_root(pSrc, pDst, len); }
