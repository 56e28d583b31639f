// The 16-bit DFT kinds: the data are widened to single precision in the
// work buffer, transformed in place by a nested floating specification, and
// narrowed back with the caller's scale factor (round to nearest even,
// saturate). Length 1 is only the narrowing.
#include "dft_int.h"

#include <cmath>
#include <cstring>

#include "core/check.h"
#include "core/support/vekcore.h"
#include "transform_util.h"

namespace veks {
namespace dft {
namespace {

// Floats the widened data occupy.
std::size_t widened_floats(Layout layout, int n) {
    return layout == Layout::Real ? static_cast<std::size_t>(n) + 2 : 2 * static_cast<std::size_t>(n);
}

std::uint32_t nested_id(Layout layout) {
    return layout == Layout::Complex ? kIdC32fc : layout == Layout::Split ? kIdC32f : kIdR32f;
}

void widen(const Vek16s* src, float* dst, std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) dst[i] = static_cast<float>(src[i]);
}

VekStatus narrow(const float* src, Vek16s* dst, std::size_t count, int sf) {
    return veksConvert_32f16s_Sfs(src, dst, static_cast<int>(count), vekRndNear, sf);
}

}  // namespace

VekStatus create_int_spec(std::uint32_t id, Layout layout, int len, int flag, int hint, IntSpec** out) {
    VEKS_CHECK(check_ptrs(out));
    VEKS_CHECK(check_len(len));
    void* mem = vekMalloc(sizeof(IntSpec));
    if (!mem) return vekStsMemAllocErr;
    std::memset(mem, 0, sizeof(IntSpec));
    auto* s = static_cast<IntSpec*>(mem);
    s->n = len, s->hint = hint, s->layout = layout;
    VekStatus st = vekStsNoErr;
    if (flag != VEK_FFT_SCALE_FWD_N && flag != VEK_FFT_SCALE_INV_N && flag != VEK_FFT_SCALE_SQRT_N &&
        flag != VEK_FFT_NO_SCALE) {
        st = vekStsFftFlagErr;
    } else if (len > 1) {
        st = create_float_spec<float>(nested_id(layout), layout, len, flag, 1, &s->nested);
        if (st == vekStsNoErr)
            s->work_size = static_cast<std::int32_t>(s->nested->work_size +
                                                     up32(widened_floats(layout, len) * sizeof(float)) + 32);
    }
    if (st != vekStsNoErr) {
        vekFree(s);
        return st;
    }
    s->id = id;
    *out = s;
    return vekStsNoErr;
}

VekStatus free_int_spec(std::uint32_t id, void* spec) {
    VEKS_CHECK(check_ptrs(spec));
    VEKS_CHECK(check_id(spec, id));
    auto* s = static_cast<IntSpec*>(spec);
    s->id = 0;
    if (s->nested) free_float_spec<float>(s->nested->id, s->nested);
    vekFree(s);
    return vekStsNoErr;
}

namespace {
// The widened area at the start of the work buffer, the nested
// specification's buffer behind it.
struct IntWork {
    float* data;
    Vek8u* nested;
    IntWork(const IntSpec& s, Vek8u* work)
        : data(reinterpret_cast<float*>(work)), nested(work + up32(widened_floats(s.layout, s.n) * sizeof(float))) {}
};
}  // namespace

VekStatus int_complex(const IntSpec& s, const Vek16sc* src, Vek16sc* dst, bool inverse, int sf, Vek8u* work) {
    if (s.n == 1) {
        dst[0] = {narrow_one(src[0].re, sf), narrow_one(src[0].im, sf)};
        return vekStsNoErr;
    }
    IntWork w(s, work);
    const std::size_t count = 2 * static_cast<std::size_t>(s.n);
    widen(&src[0].re, w.data, count);
    auto* c = reinterpret_cast<Cx<float>*>(w.data);
    VEKS_CHECK(complex_transform<float>(*s.nested, c, c, inverse, w.nested));
    return narrow(w.data, &dst[0].re, count, sf);
}

VekStatus int_split(const IntSpec& s, const Vek16s* sre, const Vek16s* sim, Vek16s* dre, Vek16s* dim, bool inverse,
                    int sf, Vek8u* work) {
    if (s.n == 1) {
        dre[0] = narrow_one(sre[0], sf), dim[0] = narrow_one(sim[0], sf);
        return vekStsNoErr;
    }
    IntWork w(s, work);
    const std::size_t n = static_cast<std::size_t>(s.n);
    float* re = w.data;
    float* im = w.data + n;
    widen(sre, re, n), widen(sim, im, n);
    VEKS_CHECK(split_transform<float>(*s.nested, re, im, re, im, inverse, w.nested));
    VEKS_CHECK(narrow(re, dre, n, sf));
    return narrow(im, dim, n, sf);
}

VekStatus int_real_forward(const IntSpec& s, const Vek16s* src, Vek16s* dst, Packed to, int sf, Vek8u* work) {
    if (s.n == 1) {
        dst[0] = narrow_one(src[0], sf);
        if (to == Packed::CCS) dst[1] = 0;
        return vekStsNoErr;
    }
    IntWork w(s, work);
    widen(src, w.data, static_cast<std::size_t>(s.n));
    VEKS_CHECK(real_forward<float>(*s.nested, w.data, w.data, to, w.nested));
    return narrow(w.data, dst, static_cast<std::size_t>(packed_length(to, s.n)), sf);
}

VekStatus int_real_inverse(const IntSpec& s, const Vek16s* src, Vek16s* dst, Packed from, int sf, Vek8u* work) {
    if (s.n == 1) {
        dst[0] = narrow_one(src[0], sf);
        return vekStsNoErr;
    }
    IntWork w(s, work);
    widen(src, w.data, static_cast<std::size_t>(packed_length(from, s.n)));
    VEKS_CHECK(real_inverse<float>(*s.nested, w.data, w.data, from, w.nested));
    return narrow(w.data, dst, static_cast<std::size_t>(s.n), sf);
}

}  // namespace dft
}  // namespace veks
