// The operations of every IIR type mix, written once over a mix trait:
// size queries, Init/InitAlloc/Free, taps and delay-line access, block and
// one-sample filtering. The exports file binds each public name to one of
// these with one macro line per mix.
#ifndef VEKS_FILTER_IIR_ENGINE_H
#define VEKS_FILTER_IIR_ENGINE_H

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstring>
#include <type_traits>

#include "core/check.h"
#include "core/scale.h"
#include "core/workbuf.h"
#include "cplx.h"
#include "iir_kernels.h"
#include "iir_state.h"
#include "round_sat.h"
#include "veks.h"

namespace veks {

// The part type of a public element type (the type of .re for complex).
template <class D, class = void> struct part_of { using type = D; };
template <class D> struct part_of<D, std::void_t<decltype(D::re)>> { using type = decltype(D::re); };
template <class D> using part_t = typename part_of<D>::type;

// A data element widened to the tap type.
template <class T, class D>
inline T to_tap(const D& v) {
    if constexpr (is_cx<T>::value) return T(real_t<T>(v.re), real_t<T>(v.im));
    else return T(v);
}

// A filter output written to the data type: integers get the caller's
// scale, rounding and saturation; floating data a plain conversion.
template <class D, class T>
inline D from_tap(const T& y, double scale) {
    using P = part_t<D>;
    auto part = [&](real_t<T> v) -> P {
        if constexpr (std::is_floating_point_v<P>) return P(v);
        else return round_sat<P>(double(v) * scale);
    };
    if constexpr (is_cx<T>::value) return D{part(y.re), part(y.im)};
    else return part(y);
}

template <class TT, class D, class Dly, std::uint32_t ArbId, std::uint32_t BqId, std::uint32_t Df1Id = 0>
struct IirMix {
    using T = TT;
    using Data = D;
    using DlyT = Dly;
    using State = IirState<T>;
    // Data held in the tap type itself: filtered in place in the destination.
    static constexpr bool same_repr = std::is_floating_point_v<part_t<D>> && sizeof(D) == sizeof(T);
    static constexpr bool mixed = !same_repr;

    static std::uint32_t id_of(IirKind k) {
        return k == IirKind::Arbitrary ? ArbId : k == IirKind::BiQuad ? BqId : Df1Id;
    }
    static VekStatus check(const void* st, bool allow_df1 = true) {
        std::uint32_t id;
        std::memcpy(&id, st, sizeof id);
        const bool ok = id == ArbId || id == BqId || (allow_df1 && Df1Id != 0 && id == Df1Id);
        return ok ? vekStsNoErr : vekStsContextMatchErr;
    }
};

// -10 for a zero leading denominator (and, for biquads, a zero B0) in the
// first `sections` that would be stored.
template <class T>
VekStatus iir_taps_valid(IirKind k, const T* raw, int order) {
    if (k == IirKind::Arbitrary) return is_zero(raw[order + 1]) ? vekStsDivByZeroErr : vekStsNoErr;
    for (int q = 0; q < order; ++q)
        if (is_zero(raw[6 * q]) || is_zero(raw[6 * q + 3])) return vekStsDivByZeroErr;
    return vekStsNoErr;
}

// Stores the taps divided by A0; biquad sections are stored one by one,
// so those before a refused section stay.
template <class T>
VekStatus iir_store_taps(IirState<T>* s, const T* raw) {
    const int order = s->order;
    if (s->kind == IirKind::Arbitrary) {
        if (is_zero(raw[order + 1])) return vekStsDivByZeroErr;
        const T r = reciprocal(raw[order + 1]);
        for (int i = 0; i <= order; ++i) s->taps[i] = raw[i] * r;
        for (int i = 1; i <= order; ++i) s->taps[order + i] = raw[order + 1 + i] * r;
        return vekStsNoErr;
    }
    for (int q = 0; q < order; ++q) {
        const T* t = raw + 6 * q;
        if (is_zero(t[0]) || is_zero(t[3])) return vekStsDivByZeroErr;
        const T r = reciprocal(t[3]);
        T* o = s->taps + 5 * q;
        o[0] = t[0] * r;
        o[1] = t[1] * r;
        o[2] = t[2] * r;
        o[3] = t[4] * r;
        o[4] = t[5] * r;
    }
    return vekStsNoErr;
}

template <class T>
void iir_store_dly(IirState<T>* s, const T* d) {
    const int n = iir_dly_count(s->kind, s->order);
    for (int i = 0; i < n; ++i) s->dly[i] = d ? d[i] : T(0);
    s->dly[n] = T(0);
}

inline int iir_raw_tap_count(IirKind k, int order) { return k == IirKind::Arbitrary ? 2 * (order + 1) : 6 * order; }

template <class M>
VekStatus iir_get_size(IirKind k, int order, int* size) {
    VEKS_CHECK(check_ptrs(size));
    VEKS_CHECK(check_param(order < 1, vekStsIIROrderErr));
    *size = int(iir_state_bytes(k, order, sizeof(typename M::T), M::mixed));
    return vekStsNoErr;
}

// Init from taps already in the tap type.
template <class M, class S>
VekStatus iir_init_t(IirKind k, S** pp, const typename M::T* taps, int order, const typename M::T* dly, Vek8u* buf) {
    auto* s = iir_lay<typename M::T>(buf, k, order, M::id_of(k));
    VEKS_CHECK(iir_store_taps(s, taps));
    iir_store_dly(s, dly);
    *pp = reinterpret_cast<S*>(s);
    return vekStsNoErr;
}

template <class T, class P>
const T* as_tap(const P* p) { return reinterpret_cast<const T*>(p); }

template <class M, class S, class TI>
VekStatus iir_init(IirKind k, S** pp, const TI* taps, int order, const typename M::DlyT* dly, Vek8u* buf) {
    VEKS_CHECK(check_ptrs(taps, pp, buf));
    VEKS_CHECK(check_param(order < 1, vekStsIIROrderErr));
    using T = typename M::T;
    return iir_init_t<M>(k, pp, as_tap<T>(taps), order, as_tap<T>(dly), buf);
}

// InitAlloc: the taps are tested before anything is allocated.
template <class M, class S>
VekStatus iir_init_alloc_t(IirKind k, S** pp, const typename M::T* taps, int order, const typename M::T* dly) {
    VEKS_CHECK(iir_taps_valid(k, taps, order));
    const std::int64_t bytes = iir_state_bytes(k, order, sizeof(typename M::T), M::mixed);
    Vek8u* buf = bytes <= 0x7FFFFFFF ? veksMalloc_8u(int(bytes)) : nullptr;
    if (!buf) return vekStsMemAllocErr;
    S* s = nullptr;
    iir_init_t<M>(k, &s, taps, order, dly, buf);
    reinterpret_cast<typename M::State*>(s)->allocated = 1;
    *pp = s;
    return vekStsNoErr;
}

template <class M, class S, class TI>
VekStatus iir_init_alloc(IirKind k, S** pp, const TI* taps, int order, const typename M::DlyT* dly) {
    VEKS_CHECK(check_ptrs(taps, pp));
    VEKS_CHECK(check_param(order < 1, vekStsIIROrderErr));
    using T = typename M::T;
    return iir_init_alloc_t<M>(k, pp, as_tap<T>(taps), order, as_tap<T>(dly));
}

// 32s (32sc) taps become single precision: tap * 2^-tapsFactor, in a
// temporary vector.
template <class T, class I>
bool iir_convert_int_taps(const I* taps, int n, int factor, WorkBuffer& tmp) {
    if (!tmp.acquire(sizeof(T) * std::size_t(n))) return false;
    T* out = tmp.as<T>();
    const int* in = reinterpret_cast<const int*>(taps);
    real_t<T>* o = reinterpret_cast<real_t<T>*>(out);
    const int parts = int(sizeof(T) / sizeof(real_t<T>));
    for (int i = 0; i < n * parts; ++i) o[i] = std::ldexp(real_t<T>(in[i]), -factor);
    return true;
}

template <class M, class S, class I>
VekStatus iir_init_int(IirKind k, S** pp, const I* taps, int order, int factor, const typename M::DlyT* dly,
                       Vek8u* buf, bool alloc) {
    VEKS_CHECK(check_ptrs(taps, pp));
    if (!alloc) VEKS_CHECK(check_ptrs(buf));
    VEKS_CHECK(check_param(order < 1, vekStsIIROrderErr));
    using T = typename M::T;
    WorkBuffer tmp;
    if (!iir_convert_int_taps<T>(taps, iir_raw_tap_count(k, order), factor, tmp)) return vekStsMemAllocErr;
    if (alloc) return iir_init_alloc_t<M>(k, pp, tmp.as<T>(), order, as_tap<T>(dly));
    return iir_init_t<M>(k, pp, tmp.as<T>(), order, as_tap<T>(dly), buf);
}

template <class M, class S>
typename M::State* iir_state(S* s) { return reinterpret_cast<typename M::State*>(s); }

template <class M, class S>
VekStatus iir_free(S* st) {
    VEKS_CHECK(check_ptrs(st));
    VEKS_CHECK(M::check(st));
    auto* s = iir_state<M>(st);
    if (s->allocated) {
        s->id = 0;
        veksFree(s->raw);
    }
    return vekStsNoErr;
}

template <class M, class S, class TI>
VekStatus iir_set_taps(const TI* taps, S* st) {
    VEKS_CHECK(check_ptrs(taps, st));
    VEKS_CHECK(M::check(st));
    return iir_store_taps(iir_state<M>(st), as_tap<typename M::T>(taps));
}

template <class M, class S, class I>
VekStatus iir_set_taps_int(const I* taps, S* st, int factor) {
    VEKS_CHECK(check_ptrs(taps, st));
    VEKS_CHECK(M::check(st));
    auto* s = iir_state<M>(st);
    WorkBuffer tmp;
    if (!iir_convert_int_taps<typename M::T>(taps, iir_raw_tap_count(s->kind, s->order), factor, tmp))
        return vekStsMemAllocErr;
    return iir_store_taps(s, tmp.as<typename M::T>());
}

template <class M, class S>
VekStatus iir_get_dly(const S* st, typename M::DlyT* dly) {
    VEKS_CHECK(check_ptrs(st, dly));
    VEKS_CHECK(M::check(st));
    const auto* s = reinterpret_cast<const typename M::State*>(st);
    std::memcpy(static_cast<void*>(dly), s->dly, sizeof(typename M::T) * std::size_t(iir_dly_count(s->kind, s->order)));
    return vekStsNoErr;
}

template <class M, class S>
VekStatus iir_set_dly(S* st, const typename M::DlyT* dly) {
    VEKS_CHECK(check_ptrs(st));
    VEKS_CHECK(M::check(st));
    iir_store_dly(iir_state<M>(st), as_tap<typename M::T>(dly));
    return vekStsNoErr;
}

// The block call after its checks. Data of the tap type is filtered in
// place in the destination; other data goes through the state's work
// buffer in chunks.
template <class M>
void iir_filter_checked(const typename M::Data* src, typename M::Data* dst, int len, typename M::State* s, int sf) {
    using T = typename M::T;
    using D = typename M::Data;
    if constexpr (M::same_repr) {
        if (src != dst) std::memmove(static_cast<void*>(dst), src, sizeof(D) * std::size_t(len));
        T* v = reinterpret_cast<T*>(dst);
        for (int off = 0; off < len; off += kIirChunk) iir_run(s, v + off, std::min(kIirChunk, len - off));
    } else {
        const double scale = std::ldexp(1.0, -std::max(-2100, std::min(2100, sf)));
        for (int off = 0; off < len; off += kIirChunk) {
            const int n = std::min(kIirChunk, len - off);
            for (int k = 0; k < n; ++k) s->work[k] = to_tap<T>(src[off + k]);
            iir_run(s, s->work, n);
            for (int k = 0; k < n; ++k) dst[off + k] = from_tap<D>(s->work[k], scale);
        }
    }
}

template <class M, class S>
VekStatus iir_filter(const typename M::Data* src, typename M::Data* dst, int len, S* st, int sf = 0) {
    VEKS_CHECK(check_ptrs(st, src, dst));
    VEKS_CHECK(check_len(len));
    VEKS_CHECK(M::check(st));
    iir_filter_checked<M>(src, dst, len, iir_state<M>(st), sf);
    return vekStsNoErr;
}

template <class M, class S>
VekStatus iir_filter_one(typename M::Data x, typename M::Data* out, S* st, int sf = 0) {
    VEKS_CHECK(check_ptrs(st, out));
    VEKS_CHECK(M::check(st, false));
    using T = typename M::T;
    const T y = iir_one(iir_state<M>(st), to_tap<T>(x));
    *out = from_tap<typename M::Data>(y, std::ldexp(1.0, -std::max(-2100, std::min(2100, sf))));
    return vekStsNoErr;
}

}  // namespace veks

#endif
