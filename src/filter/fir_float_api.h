// The public operations of the float-tap FIR states, written once over the
// tap type T, the data type D and the narrowing rule N; fir_float_exports
// binds them to names.
#ifndef VEKS_FILTER_FIR_FLOAT_API_H
#define VEKS_FILTER_FIR_FLOAT_API_H

#include "filter/fir_mr.h"
#include "filter/fir_single.h"
#include "filter/fir_state.h"

namespace veks {
namespace fir {

template <class P>
struct Cast {
    template <class T>
    P operator()(T v) const {
        if constexpr (std::is_integral_v<P>) return round_even_sat<P>(v);
        else return static_cast<P>(v);
    }
};
template <class R>
struct Cast<Cx<R>> {
    template <class T>
    Cx<R> operator()(T v) const {
        return {Cast<R>()(v.re), Cast<R>()(v.im)};
    }
};

// P is the public tap type (T itself except for the 32s-tap form).
template <class T, class P>
inline auto tap_reader(const P* taps) {
    return [taps](int j) { return widen<T>(taps[j]); };
}

template <class T>
VekStatus api_size(int L, int* size) {
    VEKS_CHECK(check_ptrs(size));
    VEKS_CHECK(check_param(L < 1, vekStsFIRLenErr));
    return single_size<T>(L, size);
}

template <class T, class P, class D>
VekStatus api_init(Ids ids, void** pp, const P* taps, int L, const D* dly, Vek8u* buf, bool withFft = true) {
    VEKS_CHECK(check_ptrs(pp, taps, buf));
    VEKS_CHECK(check_param(L < 1, vekStsFIRLenErr));
    int fft[4] = {-1, 0, 0, 0};
    if (withFft) fft_sizes<T>(L, fft);
    State<T>* s = build_single<T>(ids.single, L, buf, nullptr, fft, tap_reader<T>(taps));
    write_history(s, dly);
    *pp = s;
    return vekStsNoErr;
}

template <class T, class P, class D>
VekStatus api_init_alloc(Ids ids, void** pp, const P* taps, int L, const D* dly, bool withFft = true) {
    VEKS_CHECK(check_ptrs(pp, taps));
    VEKS_CHECK(check_param(L < 1, vekStsFIRLenErr));
    State<T>* s;
    void* spec;
    int fft[4];
    VEKS_CHECK(alloc_single<T>(ids.single, L, withFft, &s, &spec, fft));
    write_taps(s, tap_reader<T>(taps));
    finish_single(s, nullptr, spec, fft);
    write_history(s, dly);
    *pp = s;
    return vekStsNoErr;
}

template <class T>
VekStatus api_free(Ids ids, void* st) {
    VEKS_CHECK(check_ptrs(st));
    VEKS_CHECK(check_mix(st, ids));
    free_state(static_cast<State<T>*>(st));
    return vekStsNoErr;
}

template <class T, class P>
VekStatus api_get_taps(Ids ids, const void* st, P* taps) {
    VEKS_CHECK(check_ptrs(st, taps));
    VEKS_CHECK(check_mix(st, ids));
    read_taps(static_cast<const State<T>*>(st), taps, Cast<P>());
    return vekStsNoErr;
}

template <class T, class P>
VekStatus api_set_taps(Ids ids, const P* taps, void* st) {
    VEKS_CHECK(check_ptrs(taps, st));
    VEKS_CHECK(check_mix(st, ids));
    auto* s = static_cast<State<T>*>(st);
    write_taps(s, tap_reader<T>(taps));
    return taps_changed(s);
}

template <class T, class D>
VekStatus api_get_dly(Ids ids, const void* st, D* dly) {
    VEKS_CHECK(check_ptrs(st, dly));
    VEKS_CHECK(check_mix(st, ids));
    read_history(static_cast<const State<T>*>(st), dly);
    return vekStsNoErr;
}

template <class T, class D>
VekStatus api_set_dly(Ids ids, void* st, const D* dly) {
    VEKS_CHECK(check_ptrs(st));
    VEKS_CHECK(check_mix(st, ids));
    write_history(static_cast<State<T>*>(st), dly);
    return vekStsNoErr;
}

template <class T, class D, Narrow N>
VekStatus api_block(Ids ids, const D* src, D* dst, int n, void* st, int sf) {
    VEKS_CHECK(check_ptrs(st, src, dst));
    VEKS_CHECK(check_len(n));
    const std::uint32_t id = id_of(st);
    auto* s = static_cast<State<T>*>(st);
    if (id == ids.single) return single_block<T, D, N>(s, src, dst, n, sf);
    if (id == ids.multi) return mr_block<T, D, N>(s, src, dst, n, sf);
    return vekStsContextMatchErr;
}

template <class T, class D, Narrow N>
VekStatus api_one(Ids ids, D x, D* y, void* st, int sf) {
    VEKS_CHECK(check_ptrs(st, y));
    VEKS_CHECK(check_id(st, ids.single));
    *y = narrow<N, D>(one_sample(static_cast<State<T>*>(st), widen<T>(x)), narrow_scale<N>(sf));
    return vekStsNoErr;
}

// ---- multirate ----------------------------------------------------------------

template <class T>
VekStatus api_mr_size(int L, int up, int down, int* size) {
    VEKS_CHECK(check_ptrs(size));
    VEKS_CHECK(check_param(L < 1, vekStsFIRLenErr));
    VEKS_CHECK(check_param(up < 1 || down < 1, vekStsFIRMRFactorErr));
    if (up == 1 && down == 1) return single_size<T>(L, size);
    const std::size_t bytes = mr_size<T>(L, up, down);
    VEKS_CHECK(check_param(bytes > 0x7FFFFFFFu, vekStsSizeErr));
    *size = static_cast<int>(bytes);
    return vekStsNoErr;
}

template <class T, class P, class D>
VekStatus api_mr_init(Ids ids, void** pp, const P* taps, int L, int up, int upPhase, int down, int downPhase,
                      const D* dly, Vek8u* buf) {
    VEKS_CHECK(check_ptrs(pp, taps, buf));
    VEKS_CHECK(check_param(L < 1, vekStsFIRLenErr));
    VEKS_CHECK(check_factors(up, upPhase, down, downPhase));
    if (up == 1 && down == 1) return api_init<T>(ids, pp, taps, L, dly, buf);
    State<T>* s = lay_multi<T>(ids.multi, L, up, upPhase, down, downPhase, buf);
    write_taps(s, tap_reader<T>(taps));
    taps_changed(s);
    write_history(s, dly);
    *pp = s;
    return vekStsNoErr;
}

template <class T, class P, class D>
VekStatus api_mr_init_alloc(Ids ids, void** pp, const P* taps, int L, int up, int upPhase, int down, int downPhase,
                            const D* dly) {
    VEKS_CHECK(check_ptrs(pp, taps));
    VEKS_CHECK(check_param(L < 1, vekStsFIRLenErr));
    VEKS_CHECK(check_factors(up, upPhase, down, downPhase));
    if (up == 1 && down == 1) return api_init_alloc<T>(ids, pp, taps, L, dly);
    const std::size_t bytes = mr_size<T>(L, up, down);
    Vek8u* raw = bytes <= 0x7FFFFFFFu ? veksMalloc_8u(static_cast<int>(bytes)) : nullptr;
    if (!raw) return vekStsMemAllocErr;
    VEKS_CHECK(api_mr_init<T>(ids, pp, taps, L, up, upPhase, down, downPhase, dly, raw));
    auto* s = static_cast<State<T>*>(*pp);
    s->raw = raw;
    s->allocated = 1;
    return vekStsNoErr;
}

}  // namespace fir
}  // namespace veks

#endif
