// Building, releasing and querying the floating FFT specifications.
#include "fft_spec.h"

#include <cmath>
#include <cstring>

#include "core/check.h"
#include "core/cpu.h"
#include "fft_avx2.h"
#include "fft_large.h"
#include "fft_tables.h"
#include "fft_wide.h"

namespace veks {
namespace fft {

// Defined here, in a baseline file, because it runs before anything may
// use AVX2.
bool avx2_usable() {
    const CpuInfo& c = cpu_info();
    return c.avx2 && c.fma;
}

namespace {

// Sequential placement of 32-byte aligned tables behind the header.
struct Cursor {
    Vek8u* p;
    template <class T>
    T* take(std::int64_t count) {
        T* t = reinterpret_cast<T*>(p);
        p = align32(p + count * std::int64_t(sizeof(T)));
        return t;
    }
};

}  // namespace

template <class T>
int wide_level(int order) {
    if (!wide_order<T>(order) || !avx2_usable()) return kWideNone;
    return cpu_info().avx512 && avx512_pays<T>(order) ? kWideAvx512 : kWideAvx2;
}

template <class T>
WideRun<T> wide_run(int level, int order, bool inverse) {
    if (level == kWideAvx512) return wide_run_avx512<T>(order, inverse);
    if (level != kWideAvx2) return nullptr;
    return cpu_info().avx512 ? wide_run_ymm_avx512<T>(order, inverse) : wide_run_avx2<T>(order, inverse);
}

template <class T>
VekStatus init_float_spec(std::uint32_t id, Domain dom, void** pp, int order, int flag, int hint,
                          Vek8u* spec_mem, Vek8u* init_mem, bool split_data) {
    VEKS_CHECK(check_ptrs(pp));
    VEKS_CHECK(check_param(order < 0 || order > max_order<T>(), vekStsFftOrderErr));
    VEKS_CHECK(check_ptrs(spec_mem));
    auto* s = reinterpret_cast<FloatSpec<T>*>(align32(spec_mem));
    std::memset(static_cast<void*>(s), 0, kFloatHeaderBytes);
    s->order = order;
    s->hint = hint;
    if (!valid_flag(flag)) return vekStsFftFlagErr;  // identifier stays 0
    const std::int64_t n = std::int64_t(1) << order;
    s->fwd_scaled = flag == 1 || flag == 4;
    s->inv_scaled = flag == 2 || flag == 4;
    if (flag == 1 || flag == 2) s->scale = T(1) / T(n);
    if (flag == 4) s->scale = static_cast<T>(1.0 / std::sqrt(double(n)));
    // Interleaved data of the wide orders take the self-sorting path where
    // the processor has it; split data keep the bit-reversed tables.
    const int c = dom == Domain::Complex ? order : order - 1;
    const bool large = avx2_usable() && !split_data && large_order<T>(c);
    s->wide = split_data || large ? kWideNone : wide_level<T>(c);
    for (int inverse = 0; inverse < 2; ++inverse) s->wide_run[inverse] = wide_run<T>(s->wide, c, inverse);
    if (order > fixed_upto<T>(dom)) {
        if (order > 10 && !init_mem) return vekStsNullPtrErr;
        const SineBase<T> base = make_base<T>(order, align32(reinterpret_cast<T*>(init_mem)));
        Cursor cur{align32(reinterpret_cast<Vek8u*>(s) + kFloatHeaderBytes)};
        if (large) {
            cur.p = build_large_plan<T>(base, c, cur.p, &s->large);
            s->twiddle = s->large->col_tw;
            s->tw_order = c;
        } else if (c > 5 && s->wide) {
            T* tw = cur.take<T>(0);
            cur.take<T>(build_wide_twiddles<T>(base, c, s->wide, tw, true));
            s->twiddle = tw;
            s->tw_order = c;
        } else if (c > 5) {
            std::int32_t* rev = cur.take<std::int32_t>(0);
            cur.take<std::int32_t>(build_bitrev(c, rev));
            T* tw = cur.take<T>(0);
            cur.take<T>(build_twiddles<T>(base, c, tw));
            s->bitrev = rev;
            s->twiddle = tw;
            s->tw_order = c;
        }
        if (dom == Domain::Real) {
            T* rt = cur.take<T>(0);
            cur.take<T>(build_real_table<T>(base, order, false, rt));
            T* ct = cur.take<T>(0);
            cur.take<T>(build_real_table<T>(base, order, true, ct));
            s->real_tw = rt;
            s->ccs_tw = ct;
        }
        const std::int64_t work = float_sizes<T>(dom, order).work;
        s->work_size = static_cast<std::int32_t>(work > 0 ? work - 32 : 0);
    }
    if (dom == Domain::Complex && !s->twiddle) {
        // The short transforms read built-in tables; keeping them here makes
        // complex_plan a plain copy on every call.
        const ComplexPlan<T> p = builtin_complex_plan<T>(order, s->wide);
        s->bitrev = p.bitrev;
        s->twiddle = p.twiddle;
        s->tw_order = p.tw_order;
    }
    s->id = id;
    *pp = s;
    return vekStsNoErr;
}

template <class T>
VekStatus init_alloc_float_spec(std::uint32_t id, Domain dom, void** pp, int order, int flag, int hint,
                                bool split_data) {
    VEKS_CHECK(check_ptrs(pp));
    int dummy = 0;
    VEKS_CHECK(check_size_query<T>(order, flag, &dummy, &dummy, &dummy));
    const Sizes sz = float_sizes<T>(dom, order);
    Vek8u* spec = veksMalloc_8u(static_cast<int>(sz.spec));
    if (!spec) return vekStsMemAllocErr;
    Vek8u* init = nullptr;
    if (sz.init > 0) {
        init = veksMalloc_8u(static_cast<int>(sz.init));
        if (!init) {
            veksFree(spec);
            return vekStsMemAllocErr;
        }
    }
    void* made = nullptr;
    const VekStatus st = init_float_spec<T>(id, dom, &made, order, flag, hint, spec, init, split_data);
    veksFree(init);
    if (st != vekStsNoErr) {
        veksFree(spec);
        return st;
    }
    auto* s = static_cast<FloatSpec<T>*>(made);
    s->owned = 1;
    s->block = spec;
    *pp = s;
    return vekStsNoErr;
}

template <class T>
VekStatus free_float_spec(std::uint32_t id, void* spec) {
    VEKS_CHECK(check_ptrs(spec));
    VEKS_CHECK(check_id(spec, id));
    auto* s = static_cast<FloatSpec<T>*>(spec);
    s->id = 0;
    if (s->owned) veksFree(static_cast<Vek8u*>(s->block));
    return vekStsNoErr;
}

template <class T>
VekStatus float_buf_size(std::uint32_t id, const void* spec, int* size) {
    VEKS_CHECK(check_ptrs(spec, size));
    VEKS_CHECK(check_id(spec, id));
    const auto* s = static_cast<const FloatSpec<T>*>(spec);
    *size = s->work_size > 0 ? s->work_size + 32 : 0;
    return vekStsNoErr;
}

template <class T>
RealPlan<T> real_plan(const FloatSpec<T>& s) {
    RealPlan<T> p;
    p.order = s.order;
    const int c = s.order > 0 ? s.order - 1 : 0;
    p.half = s.twiddle ? ComplexPlan<T>{c, s.bitrev, s.twiddle, s.tw_order, s.wide, s.large,
                                        {s.wide_run[0], s.wide_run[1]}}
                       : builtin_complex_plan<T>(c, s.wide);
    p.real_tw = s.real_tw ? s.real_tw : builtin_real_table<T>(s.order, false);
    p.ccs_tw = s.ccs_tw ? s.ccs_tw : builtin_real_table<T>(s.order, true);
    p.small = s.order <= 5;
    return p;
}

#define VEKS_FFT_SPEC_INSTANTIATE(T)                                                                  \
    template VekStatus init_float_spec<T>(std::uint32_t, Domain, void**, int, int, int, Vek8u*, Vek8u*, bool); \
    template VekStatus init_alloc_float_spec<T>(std::uint32_t, Domain, void**, int, int, int, bool);  \
    template VekStatus free_float_spec<T>(std::uint32_t, void*);                                      \
    template VekStatus float_buf_size<T>(std::uint32_t, const void*, int*);                           \
    template int wide_level<T>(int);                                                                  \
    template WideRun<T> wide_run<T>(int, int, bool);                                                  \
    template RealPlan<T> real_plan<T>(const FloatSpec<T>&);
VEKS_FFT_SPEC_INSTANTIATE(float)
VEKS_FFT_SPEC_INSTANTIATE(double)

}  // namespace fft
}  // namespace veks
