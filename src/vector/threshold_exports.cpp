// Exported thresholds (all but the reciprocal ones). Every operation is
// one rule from threshold_rules.h applied element by element; the in-place
// forms run the same kernel with the source as destination.
#include <cstdint>
#include <type_traits>

#include "core/check.h"
#include "core/fpenv.h"
#include "core/simd.h"
#include "threshold_rules.h"
#include "veks.h"
#include "wide_table.h"

namespace veks {
namespace thr {
namespace {

template <class T, class Rule>
void apply(const T* src, T* dst, int len, Rule rule) {
    for (int i = 0; i < len; ++i) dst[i] = rule(src[i]);
}

// Less and Greater on 16s, 32f and 64f are max and min against the level,
// with the level as first operand so a NaN element is kept.
template <class T, bool IsLess>
void clamp_one_side(const T* src, T* dst, int len, T level) {
    using P = simd::Packet<T>;
    const typename P::V l = P::set1(level);
    constexpr int B = 4 * P::lanes;
    simd::sweep<B>(
        dst, len,
        [&](std::ptrdiff_t i) { dst[i] = IsLess ? Less<T>{level}(src[i]) : Greater<T>{level}(src[i]); },
        [&](std::ptrdiff_t i) {
            for (int k = 0; k < B; k += P::lanes) {
                const typename P::V x = P::loadu(src + i + k);
                P::storeu(dst + i + k, IsLess ? P::max(l, x) : P::min(l, x));
            }
        });
}

template <class T>
constexpr bool kHasMinMax = std::is_same_v<T, float> || std::is_same_v<T, double> || std::is_same_v<T, std::int16_t>;

template <class T>
VekStatus less_greater(const T* src, T* dst, int len, T level, bool is_less) {
    if constexpr (std::is_same_v<T, float>) {
        const WideKernels* w = wide_kernels();
        if (w && is_less) {
            w->threshold_lt_32f(src, dst, len, level);
            return vekStsNoErr;
        }
    }
    if constexpr (kHasMinMax<T>) {
        if (is_less) clamp_one_side<T, true>(src, dst, len, level);
        else clamp_one_side<T, false>(src, dst, len, level);
    } else {
        if (is_less) apply(src, dst, len, Less<T>{level});
        else apply(src, dst, len, Greater<T>{level});
    }
    return vekStsNoErr;
}

template <class C>
VekStatus cplx_less_greater(const C* src, C* dst, int len, typename Cplx<C>::Level level, bool is_less) {
    FpEnvGuard env(Rounding::Nearest);
    const auto l2 = square_level<C>(level);
    if (is_less) {
        apply(src, dst, len, CplxScale<C, true>{l2});
    } else if (level == 0) {
        apply(src, dst, len, [](C) { return C{}; });
    } else {
        apply(src, dst, len, CplxScale<C, false>{l2});
    }
    return vekStsNoErr;
}

inline VekStatus check_rel(int relOp) { return check_param(relOp != vekCmpLess && relOp != vekCmpGreater, vekStsBadArgErr); }

template <class L>
VekStatus check_level(L level) { return check_param(level < 0, vekStsThreshNegLevelErr); }

// ---- the operations, in the order of the checks ---------------------------

template <class T>
VekStatus threshold(const T* src, T* dst, int len, T level, int relOp) {
    VEKS_CHECK(check_vec(len, src, dst));
    VEKS_CHECK(check_rel(relOp));
    return less_greater(src, dst, len, level, relOp == vekCmpLess);
}

template <class C>
VekStatus threshold_c(const C* src, C* dst, int len, typename Cplx<C>::Level level, int relOp) {
    VEKS_CHECK(check_vec(len, src, dst));
    VEKS_CHECK(check_rel(relOp));
    VEKS_CHECK(check_level(level));
    return cplx_less_greater(src, dst, len, level, relOp == vekCmpLess);
}

template <class T, int Rel>
VekStatus threshold_fixed(const T* src, T* dst, int len, T level) { return threshold(src, dst, len, level, Rel); }
template <class C, int Rel>
VekStatus threshold_fixed_c(const C* src, C* dst, int len, typename Cplx<C>::Level level) {
    return threshold_c(src, dst, len, level, Rel);
}

// The 32s forms have no relation argument to check.
template <class T, int Rel>
VekStatus threshold_32s(const T* src, T* dst, int len, T level) {
    VEKS_CHECK(check_vec(len, src, dst));
    return less_greater(src, dst, len, level, Rel == vekCmpLess);
}

template <class T, template <class> class Rule>
VekStatus with_value(const T* src, T* dst, int len, T level, T value) {
    VEKS_CHECK(check_vec(len, src, dst));
    apply(src, dst, len, Rule<T>{level, value});
    return vekStsNoErr;
}

template <class C, bool IsLess>
VekStatus with_value_c(const C* src, C* dst, int len, typename Cplx<C>::Level level, C value) {
    VEKS_CHECK(check_vec(len, src, dst));
    VEKS_CHECK(check_level(level));
    apply(src, dst, len, CplxVal<C, IsLess>{square_level<C>(level), value});
    return vekStsNoErr;
}

template <class T>
VekStatus lt_val_gt_val(const T* src, T* dst, int len, T level_lt, T value_lt, T level_gt, T value_gt) {
    VEKS_CHECK(check_vec(len, src, dst));
    VEKS_CHECK(check_param(level_gt < level_lt, vekStsThreshLevelOrderErr));
    apply(src, dst, len, LessGreaterVal<T>{level_lt, value_lt, level_gt, value_gt});
    return vekStsNoErr;
}

template <class T, bool RaiseToLevel>
VekStatus abs_level(const T* src, T* dst, int len, T level) {
    VEKS_CHECK(check_vec(len, src, dst));
    VEKS_CHECK(check_level(level));
    apply(src, dst, len, AbsRule<T, RaiseToLevel>{level});
    return vekStsNoErr;
}

}  // namespace
}  // namespace thr
}  // namespace veks

using namespace veks;
using namespace veks::thr;

// One line per export pair: the out-of-place form and its in-place twin.
#define VEKS_THRESH_PAIR(name, impl, T, PARAMS, ARGS)                                    \
    VekStatus name(const T* pSrc, T* pDst, int len PARAMS) { return impl(pSrc, pDst, len ARGS); } \
    VekStatus name##_I(T* pSrcDst, int len PARAMS) { return impl(pSrcDst, pSrcDst, len ARGS); }
#define P_LEVEL(L) , L level
#define A_LEVEL , level
#define P_REL(L) , L level, int relOp
#define A_REL , level, relOp
#define P_VAL(L, T) , L level, T value
#define A_VAL , level, value
#define P_LTGT(T) , T levelLT, T valueLT, T levelGT, T valueGT
#define A_LTGT , levelLT, valueLT, levelGT, valueGT

VEKS_THRESH_PAIR(veksThreshold_16s, threshold<Vek16s>, Vek16s, P_REL(Vek16s), A_REL)
VEKS_THRESH_PAIR(veksThreshold_32f, threshold<Vek32f>, Vek32f, P_REL(Vek32f), A_REL)
VEKS_THRESH_PAIR(veksThreshold_64f, threshold<Vek64f>, Vek64f, P_REL(Vek64f), A_REL)
VEKS_THRESH_PAIR(veksThreshold_16sc, threshold_c<Vek16sc>, Vek16sc, P_REL(Vek16s), A_REL)
VEKS_THRESH_PAIR(veksThreshold_32fc, threshold_c<Vek32fc>, Vek32fc, P_REL(Vek32f), A_REL)
VEKS_THRESH_PAIR(veksThreshold_64fc, threshold_c<Vek64fc>, Vek64fc, P_REL(Vek64f), A_REL)

#define VEKS_THRESH_LT_GT(op, rel)                                                                                    \
    VEKS_THRESH_PAIR(veksThreshold_##op##_16s, (threshold_fixed<Vek16s, rel>), Vek16s, P_LEVEL(Vek16s), A_LEVEL)     \
    VEKS_THRESH_PAIR(veksThreshold_##op##_32s, (threshold_32s<Vek32s, rel>), Vek32s, P_LEVEL(Vek32s), A_LEVEL)       \
    VEKS_THRESH_PAIR(veksThreshold_##op##_32f, (threshold_fixed<Vek32f, rel>), Vek32f, P_LEVEL(Vek32f), A_LEVEL)     \
    VEKS_THRESH_PAIR(veksThreshold_##op##_64f, (threshold_fixed<Vek64f, rel>), Vek64f, P_LEVEL(Vek64f), A_LEVEL)     \
    VEKS_THRESH_PAIR(veksThreshold_##op##_16sc, (threshold_fixed_c<Vek16sc, rel>), Vek16sc, P_LEVEL(Vek16s), A_LEVEL) \
    VEKS_THRESH_PAIR(veksThreshold_##op##_32fc, (threshold_fixed_c<Vek32fc, rel>), Vek32fc, P_LEVEL(Vek32f), A_LEVEL) \
    VEKS_THRESH_PAIR(veksThreshold_##op##_64fc, (threshold_fixed_c<Vek64fc, rel>), Vek64fc, P_LEVEL(Vek64f), A_LEVEL)
VEKS_THRESH_LT_GT(LT, vekCmpLess)
VEKS_THRESH_LT_GT(GT, vekCmpGreater)

#define VEKS_THRESH_VAL(op, rule, is_less)                                                                             \
    VEKS_THRESH_PAIR(veksThreshold_##op##_16s, (with_value<Vek16s, rule>), Vek16s, P_VAL(Vek16s, Vek16s), A_VAL)      \
    VEKS_THRESH_PAIR(veksThreshold_##op##_32f, (with_value<Vek32f, rule>), Vek32f, P_VAL(Vek32f, Vek32f), A_VAL)      \
    VEKS_THRESH_PAIR(veksThreshold_##op##_64f, (with_value<Vek64f, rule>), Vek64f, P_VAL(Vek64f, Vek64f), A_VAL)      \
    VEKS_THRESH_PAIR(veksThreshold_##op##_16sc, (with_value_c<Vek16sc, is_less>), Vek16sc, P_VAL(Vek16s, Vek16sc), A_VAL) \
    VEKS_THRESH_PAIR(veksThreshold_##op##_32fc, (with_value_c<Vek32fc, is_less>), Vek32fc, P_VAL(Vek32f, Vek32fc), A_VAL) \
    VEKS_THRESH_PAIR(veksThreshold_##op##_64fc, (with_value_c<Vek64fc, is_less>), Vek64fc, P_VAL(Vek64f, Vek64fc), A_VAL)
VEKS_THRESH_VAL(LTVal, LessVal, true)
VEKS_THRESH_VAL(GTVal, GreaterVal, false)

VEKS_THRESH_PAIR(veksThreshold_LTValGTVal_16s, lt_val_gt_val<Vek16s>, Vek16s, P_LTGT(Vek16s), A_LTGT)
VEKS_THRESH_PAIR(veksThreshold_LTValGTVal_32s, lt_val_gt_val<Vek32s>, Vek32s, P_LTGT(Vek32s), A_LTGT)
VEKS_THRESH_PAIR(veksThreshold_LTValGTVal_32f, lt_val_gt_val<Vek32f>, Vek32f, P_LTGT(Vek32f), A_LTGT)
VEKS_THRESH_PAIR(veksThreshold_LTValGTVal_64f, lt_val_gt_val<Vek64f>, Vek64f, P_LTGT(Vek64f), A_LTGT)

#define VEKS_THRESH_ABS(op, raise)                                                                                 \
    VEKS_THRESH_PAIR(veksThreshold_##op##_16s, (abs_level<Vek16s, raise>), Vek16s, P_LEVEL(Vek16s), A_LEVEL) \
    VEKS_THRESH_PAIR(veksThreshold_##op##_32s, (abs_level<Vek32s, raise>), Vek32s, P_LEVEL(Vek32s), A_LEVEL) \
    VEKS_THRESH_PAIR(veksThreshold_##op##_32f, (abs_level<Vek32f, raise>), Vek32f, P_LEVEL(Vek32f), A_LEVEL) \
    VEKS_THRESH_PAIR(veksThreshold_##op##_64f, (abs_level<Vek64f, raise>), Vek64f, P_LEVEL(Vek64f), A_LEVEL)
VEKS_THRESH_ABS(LTAbs, true)
VEKS_THRESH_ABS(GTAbs, false)
