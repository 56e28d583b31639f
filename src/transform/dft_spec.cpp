// Building DFT specifications and running their transforms. Lengths that
// are powers of two go to a nested FFT specification of the same layout
// (which also applies the scaling); every other length runs the complex plan
// on interleaved data in the work buffer and scales afterwards.
#include "dft_spec.h"

#include <cmath>
#include <cstring>
#include <new>

#include "core/check.h"
#include "fft_api.h"
#include "transform_util.h"
#include "core/support/vekcore.h"

namespace veks {
namespace dft {
namespace {

constexpr int kStackLength = 16;  // lengths up to this run without a work buffer

template <class T>
VekStatus decode_flag(FloatSpec<T>& s, int flag) {
    switch (flag) {
        case VEK_FFT_SCALE_FWD_N: s.fwd_scaled = 1, s.scale = T(1) / T(s.n); break;
        case VEK_FFT_SCALE_INV_N: s.inv_scaled = 1, s.scale = T(1) / T(s.n); break;
        case VEK_FFT_SCALE_SQRT_N: s.fwd_scaled = s.inv_scaled = 1, s.scale = T(1.0 / std::sqrt(double(s.n))); break;
        case VEK_FFT_NO_SCALE: s.scale = T(1); break;
        default: return vekStsFftFlagErr;
    }
    return vekStsNoErr;
}

template <class T>
VekStatus build_pow2(FloatSpec<T>& s, int flag, int hint) {
    using Api = FftApi<T>;
    const int order = log2_of(s.n);
    VekStatus st;
    int bytes = 0;
    if (s.layout == Layout::Complex) {
        typename Api::CSpec* f = nullptr;
        st = Api::c_init_alloc(&f, order, flag, hint);
        if (st == vekStsNoErr) s.fft = f, st = Api::c_buf_size(f, &bytes);
    } else if (s.layout == Layout::Split) {
        typename Api::SSpec* f = nullptr;
        st = Api::s_init_alloc(&f, order, flag, hint);
        if (st == vekStsNoErr) s.fft = f, st = Api::s_buf_size(f, &bytes);
    } else {
        typename Api::RSpec* f = nullptr;
        st = Api::r_init_alloc(&f, order, flag, hint);
        if (st == vekStsNoErr) s.fft = f, st = Api::r_buf_size(f, &bytes);
    }
    s.work_size = bytes;
    return st;
}

template <class T>
void release(FloatSpec<T>& s) {
    using Api = FftApi<T>;
    if (s.plan) delete_plan(s.plan);
    if (s.fft) {
        if (s.layout == Layout::Complex) Api::c_free(static_cast<typename Api::CSpec*>(s.fft));
        if (s.layout == Layout::Split) Api::s_free(static_cast<typename Api::SSpec*>(s.fft));
        if (s.layout == Layout::Real) Api::r_free(static_cast<typename Api::RSpec*>(s.fft));
    }
    s.plan = nullptr, s.fft = nullptr;
}

// Complex values the non-power-of-two paths keep besides the plan's own
// scratch: a copy of the input and, for split and real data, the output.
template <class T>
std::size_t staging_elems(const FloatSpec<T>& s) {
    return static_cast<std::size_t>(s.n) * (s.layout == Layout::Complex ? 1 : 2);
}

template <class T>
void scale_all(T* p, std::size_t count, T scale) {
    for (std::size_t i = 0; i < count; ++i) p[i] *= scale;
}

template <class T>
const T* scale_of(const FloatSpec<T>& s, bool inverse) {
    return (inverse ? s.inv_scaled : s.fwd_scaled) ? &s.scale : nullptr;
}

// Runs the plan src -> dst through a copy of the input (src may be dst).
template <class T>
VekStatus run_plan(const FloatSpec<T>& s, const Cx<T>* src, Cx<T>* dst, bool inverse, Cx<T>* stage, Cx<T>* rest) {
    std::memcpy(static_cast<void*>(stage), src, sizeof(Cx<T>) * static_cast<std::size_t>(s.n));
    return s.plan->run(stage, dst, inverse, rest);
}

// Scratch for one call of a non-power-of-two length: the settled buffer, or
// a stack block for the short lengths that report no buffer.
template <class T>
struct Scratch {
    Cx<T> small[2 * kStackLength];
    Cx<T>* base;
    Scratch(const FloatSpec<T>& s, Vek8u* work) : base(s.work_size > 0 ? reinterpret_cast<Cx<T>*>(work) : small) {}
};

template <class T>
void write_packed(Packed to, const Cx<T>* x, T* d, int n) {
    const int half = n / 2;
    const bool even = n % 2 == 0;
    if (to == Packed::CCS) {
        for (int k = 0; k <= half; ++k) d[2 * k] = x[k].re, d[2 * k + 1] = x[k].im;
        d[1] = 0;
        if (even) d[2 * half + 1] = 0;
        return;
    }
    d[0] = x[0].re;
    const int pairs = (n - 1) / 2;
    const int off = (to == Packed::Perm && even) ? 2 : 1;
    for (int k = 1; k <= pairs; ++k) d[off + 2 * (k - 1)] = x[k].re, d[off + 2 * (k - 1) + 1] = x[k].im;
    if (even && n > 1) d[to == Packed::Perm ? 1 : n - 1] = x[half].re;
}

// The full conjugate-symmetric spectrum of a packed one.
template <class T>
void read_packed(Packed from, const T* d, Cx<T>* x, int n) {
    const int half = n / 2;
    const bool even = n % 2 == 0;
    if (from == Packed::CCS) {
        for (int k = 0; k <= half; ++k) x[k] = {d[2 * k], d[2 * k + 1]};
        x[0].im = 0;
        if (even) x[half].im = 0;
    } else {
        x[0] = {d[0], 0};
        const int pairs = (n - 1) / 2;
        const int off = (from == Packed::Perm && even) ? 2 : 1;
        for (int k = 1; k <= pairs; ++k) x[k] = {d[off + 2 * (k - 1)], d[off + 2 * (k - 1) + 1]};
        if (even && n > 1) x[half] = {d[from == Packed::Perm ? 1 : n - 1], 0};
    }
    for (int k = half + 1; k < n; ++k) x[k] = {x[n - k].re, -x[n - k].im};
}

}  // namespace

template <class T>
VekStatus create_float_spec(std::uint32_t id, Layout layout, int len, int flag, int hint, FloatSpec<T>** out) {
    VEKS_CHECK(check_ptrs(out));
    VEKS_CHECK(check_len(len));
    void* mem = vekMalloc(sizeof(FloatSpec<T>));
    if (!mem) return vekStsMemAllocErr;
    std::memset(mem, 0, sizeof(FloatSpec<T>));
    auto* s = static_cast<FloatSpec<T>*>(mem);
    s->n = len, s->hint = hint, s->layout = layout;
    s->odd_real = layout == Layout::Real && len % 2 == 1;
    s->out_of_order = id == kIdOutOrd32fc || id == kIdOutOrd64fc;
    VekStatus st = decode_flag(*s, flag);
    if (st == vekStsNoErr && is_pow2(len)) {
        s->pow2 = 1;
        st = build_pow2(*s, flag, hint);
    } else if (st == vekStsNoErr) {
        s->plan = new_plan<T>();
        st = s->plan ? s->plan->build(len, VEK_FFT_NO_SCALE, hint) : vekStsMemAllocErr;
        if (st == vekStsNoErr && len > kStackLength)
            s->work_size = static_cast<std::int32_t>((staging_elems(*s) + s->plan->work_elems()) * sizeof(Cx<T>) + 32);
    }
    if (st != vekStsNoErr) {
        release(*s);
        vekFree(s);
        return st;
    }
    s->id = id;
    *out = s;
    return vekStsNoErr;
}

template <class T>
VekStatus free_float_spec(std::uint32_t id, void* spec) {
    VEKS_CHECK(check_ptrs(spec));
    VEKS_CHECK(check_id(spec, id));
    auto* s = static_cast<FloatSpec<T>*>(spec);
    s->id = 0;
    release(*s);
    vekFree(s);
    return vekStsNoErr;
}

template <class T>
VekStatus complex_transform(const FloatSpec<T>& s, const Cx<T>* src, Cx<T>* dst, bool inverse, Vek8u* work) {
    using Api = FftApi<T>;
    using C = typename Api::Complex;
    if (s.pow2) {
        const auto* f = static_cast<const typename Api::CSpec*>(s.fft);
        const auto* x = reinterpret_cast<const C*>(src);
        auto* y = reinterpret_cast<C*>(dst);
        return inverse ? Api::c_inv(x, y, f, work) : Api::c_fwd(x, y, f, work);
    }
    Scratch<T> w(s, work);
    VEKS_CHECK(run_plan(s, src, dst, inverse, w.base, w.base + s.n));
    if (const T* k = scale_of(s, inverse)) scale_all(&dst[0].re, 2 * static_cast<std::size_t>(s.n), *k);
    return vekStsNoErr;
}

template <class T>
VekStatus split_transform(const FloatSpec<T>& s, const T* sre, const T* sim, T* dre, T* dim, bool inverse,
                          Vek8u* work) {
    using Api = FftApi<T>;
    if (s.pow2) {
        const auto* f = static_cast<const typename Api::SSpec*>(s.fft);
        return inverse ? Api::s_inv(sre, sim, dre, dim, f, work) : Api::s_fwd(sre, sim, dre, dim, f, work);
    }
    Scratch<T> w(s, work);
    Cx<T>* in = w.base;
    Cx<T>* outc = w.base + s.n;
    for (int k = 0; k < s.n; ++k) in[k] = {sre[k], sim[k]};
    VEKS_CHECK(s.plan->run(in, outc, inverse, w.base + 2 * s.n));
    const T* k = scale_of(s, inverse);
    const T f = k ? *k : T(1);
    for (int i = 0; i < s.n; ++i) dre[i] = outc[i].re * f, dim[i] = outc[i].im * f;
    return vekStsNoErr;
}

template <class T>
VekStatus real_forward(const FloatSpec<T>& s, const T* src, T* dst, Packed to, Vek8u* work) {
    using Api = FftApi<T>;
    if (s.pow2) {
        const auto* f = static_cast<const typename Api::RSpec*>(s.fft);
        switch (to) {
            case Packed::CCS: return Api::r_fwd_ccs(src, dst, f, work);
            case Packed::Pack: return Api::r_fwd_pack(src, dst, f, work);
            case Packed::Perm: return Api::r_fwd_perm(src, dst, f, work);
        }
    }
    Scratch<T> w(s, work);
    Cx<T>* in = w.base;
    Cx<T>* spec = w.base + s.n;
    for (int k = 0; k < s.n; ++k) in[k] = {src[k], T(0)};
    VEKS_CHECK(s.plan->run(in, spec, false, w.base + 2 * s.n));
    write_packed(to, spec, dst, s.n);
    if (s.fwd_scaled) scale_all(dst, static_cast<std::size_t>(packed_length(to, s.n)), s.scale);
    return vekStsNoErr;
}

template <class T>
VekStatus real_inverse(const FloatSpec<T>& s, const T* src, T* dst, Packed from, Vek8u* work) {
    using Api = FftApi<T>;
    if (s.pow2) {
        const auto* f = static_cast<const typename Api::RSpec*>(s.fft);
        switch (from) {
            case Packed::CCS: return Api::r_inv_ccs(src, dst, f, work);
            case Packed::Pack: return Api::r_inv_pack(src, dst, f, work);
            case Packed::Perm: return Api::r_inv_perm(src, dst, f, work);
        }
    }
    Scratch<T> w(s, work);
    Cx<T>* spec = w.base;
    Cx<T>* out = w.base + s.n;
    read_packed(from, src, spec, s.n);
    VEKS_CHECK(s.plan->run(spec, out, true, w.base + 2 * s.n));
    const T f = s.inv_scaled ? s.scale : T(1);
    for (int k = 0; k < s.n; ++k) dst[k] = out[k].re * f;
    return vekStsNoErr;
}

#define VEKS_DFT_INSTANTIATE(T)                                                                                  \
    template VekStatus create_float_spec<T>(std::uint32_t, Layout, int, int, int, FloatSpec<T>**);              \
    template VekStatus free_float_spec<T>(std::uint32_t, void*);                                                 \
    template VekStatus complex_transform<T>(const FloatSpec<T>&, const Cx<T>*, Cx<T>*, bool, Vek8u*);            \
    template VekStatus split_transform<T>(const FloatSpec<T>&, const T*, const T*, T*, T*, bool, Vek8u*);        \
    template VekStatus real_forward<T>(const FloatSpec<T>&, const T*, T*, Packed, Vek8u*);                       \
    template VekStatus real_inverse<T>(const FloatSpec<T>&, const T*, T*, Packed, Vek8u*);
VEKS_DFT_INSTANTIATE(float)
VEKS_DFT_INSTANTIATE(double)
#undef VEKS_DFT_INSTANTIATE

}  // namespace dft
}  // namespace veks
