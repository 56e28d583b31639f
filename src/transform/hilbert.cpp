// Analytic signals: a forward real DFT into CCS layout, the one-sided
// spectrum (positive frequencies doubled, negative ones cleared), and an
// inverse complex DFT scaled by 1/N. Both DFTs are built with the
// specification; each call obtains its own work buffers.
#include <algorithm>

#include "core/check.h"
#include "core/support/vekcore.h"
#include "core/workbuf.h"
#include "dft_spec.h"
#include "fft_call.h"
#include "veks.h"

namespace veks {
namespace {

enum : std::uint32_t { kId32f32fc = 0x434D4145, kId16s32fc = 0x434D4146, kId16s16sc = 0x434D4147 };

struct HilbertSpec {
    std::uint32_t id;
    std::int32_t n;
    std::int32_t work_size;
    std::int32_t hint;
    dft::FloatSpec<float>* complex_dft;
    dft::FloatSpec<float>* real_dft;
};

template <class Public>
VekStatus init_alloc(std::uint32_t id, Public** pp, int len, int hint) {
    VEKS_CHECK(check_ptrs(pp));
    VEKS_CHECK(check_len(len));
    auto* s = static_cast<HilbertSpec*>(vekMalloc(sizeof(HilbertSpec)));
    if (!s) return vekStsMemAllocErr;
    *s = HilbertSpec{0, len, 0, hint, nullptr, nullptr};
    VekStatus st = dft::create_float_spec<float>(dft::kIdC32fc, dft::Layout::Complex, len, VEK_FFT_SCALE_INV_N, hint,
                                                 &s->complex_dft);
    if (st == vekStsNoErr)
        st = dft::create_float_spec<float>(dft::kIdR32f, dft::Layout::Real, len, VEK_FFT_SCALE_INV_N, hint,
                                           &s->real_dft);
    if (st != vekStsNoErr) {
        if (s->complex_dft) dft::free_float_spec<float>(dft::kIdC32fc, s->complex_dft);
        vekFree(s);
        return st;
    }
    s->work_size = std::max(s->complex_dft->work_size, s->real_dft->work_size);
    s->id = id;
    *pp = reinterpret_cast<Public*>(s);
    return vekStsNoErr;
}

VekStatus free_spec(std::uint32_t id, void* p) {
    VEKS_CHECK(check_ptrs(p));
    VEKS_CHECK(check_id(p, id));
    auto* s = static_cast<HilbertSpec*>(p);
    s->id = 0;
    VekStatus st = dft::free_float_spec<float>(dft::kIdC32fc, s->complex_dft);
    const VekStatus rs = dft::free_float_spec<float>(dft::kIdR32f, s->real_dft);
    if (st == vekStsNoErr) st = rs;
    vekFree(s);
    return st;
}

// The analytic signal of n floats into n complex values.
VekStatus analytic(const HilbertSpec& s, const float* x, Vek32fc* dst) {
    const int n = s.n;
    if (n <= 2) {
        for (int i = 0; i < n; ++i) dst[i] = {x[i], 0.0f};
        return vekStsNoErr;
    }
    // Both work buffers before the first write to dst, so that a failing
    // allocation leaves the destination untouched.
    fft::CallBuffer rbuf, cbuf;
    VEKS_CHECK(rbuf.settle(s.real_dft->work_size, nullptr));
    VEKS_CHECK(cbuf.settle(s.complex_dft->work_size, nullptr));
    VEKS_CHECK(dft::real_forward<float>(*s.real_dft, x, &dst[0].re, dft::Packed::CCS, rbuf.as<Vek8u>()));
    const int k_last = n % 2 == 0 ? n / 2 - 1 : (n - 1) / 2;
    for (int k = 1; k <= k_last; ++k) dst[k].re *= 2.0f, dst[k].im *= 2.0f;
    for (int k = n / 2 + 1; k < n; ++k) dst[k] = {0.0f, 0.0f};
    auto* c = reinterpret_cast<dft::Cx<float>*>(dst);
    return dft::complex_transform<float>(*s.complex_dft, c, c, true, cbuf.as<Vek8u>());
}

template <class Fn, class... P>
VekStatus call(std::uint32_t id, const void* spec, Fn&& fn, const P*... data) {
    VEKS_CHECK(check_ptrs(spec, data...));
    VEKS_CHECK(check_id(spec, id));
    return fn(*static_cast<const HilbertSpec*>(spec));
}

// 16-bit input widened into a buffer of our own first.
VekStatus analytic_16s(const HilbertSpec& s, const Vek16s* x, Vek32fc* dst) {
    WorkBuffer in(sizeof(float) * static_cast<std::size_t>(s.n));
    if (!in) return vekStsMemAllocErr;
    float* f = in.as<float>();
    for (int i = 0; i < s.n; ++i) f[i] = x[i];
    return analytic(s, f, dst);
}

}  // namespace
}  // namespace veks

using namespace veks;

VekStatus veksHilbertInitAlloc_32f32fc(VekHilbertSpec_32f32fc** pp, int len, int hint) {
    return init_alloc(kId32f32fc, pp, len, hint);
}
VekStatus veksHilbertInitAlloc_16s32fc(VekHilbertSpec_16s32fc** pp, int len, int hint) {
    return init_alloc(kId16s32fc, pp, len, hint);
}
VekStatus veksHilbertInitAlloc_16s16sc(VekHilbertSpec_16s16sc** pp, int len, int hint) {
    return init_alloc(kId16s16sc, pp, len, hint);
}
VekStatus veksHilbertFree_32f32fc(VekHilbertSpec_32f32fc* p) { return free_spec(kId32f32fc, p); }
VekStatus veksHilbertFree_16s32fc(VekHilbertSpec_16s32fc* p) { return free_spec(kId16s32fc, p); }
VekStatus veksHilbertFree_16s16sc(VekHilbertSpec_16s16sc* p) { return free_spec(kId16s16sc, p); }

VekStatus veksHilbert_32f32fc(const Vek32f* pSrc, Vek32fc* pDst, const VekHilbertSpec_32f32fc* pSpec) {
    return call(kId32f32fc, pSpec, [&](const HilbertSpec& s) { return analytic(s, pSrc, pDst); }, pSrc, pDst);
}
VekStatus veksHilbert_16s32fc(const Vek16s* pSrc, Vek32fc* pDst, const VekHilbertSpec_16s32fc* pSpec) {
    return call(kId16s32fc, pSpec, [&](const HilbertSpec& s) { return analytic_16s(s, pSrc, pDst); }, pSrc, pDst);
}
VekStatus veksHilbert_16s16sc_Sfs(const Vek16s* pSrc, Vek16sc* pDst, const VekHilbertSpec_16s16sc* pSpec,
                                  int scaleFactor) {
    return call(kId16s16sc, pSpec, [&](const HilbertSpec& s) -> VekStatus {
        WorkBuffer out(sizeof(Vek32fc) * static_cast<std::size_t>(s.n));
        if (!out) return vekStsMemAllocErr;
        VEKS_CHECK(analytic_16s(s, pSrc, out.as<Vek32fc>()));
        return veksConvert_32f16s_Sfs(out.as<float>(), &pDst[0].re, 2 * s.n, vekRndNear, scaleFactor);
    }, pSrc, pDst);
}
