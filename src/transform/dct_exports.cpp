// Exported DCT functions. The 16-bit kinds wrap a single-precision
// specification laid behind their own 32-byte header: the data are widened
// in the work buffer, transformed in place and narrowed with the caller's
// scale factor.
#include <cmath>
#include <cstring>

#include "core/check.h"
#include "core/support/vekcore.h"
#include "dct_spec.h"
#include "fft_call.h"
#include "transform_util.h"
#include "veks.h"

namespace veks {
namespace dct {
namespace {

struct IntSpec {
    std::uint32_t id;
    std::int32_t n;
    std::int32_t hint;
    std::int32_t work_size;
    std::int32_t owned;
    Spec<float>* nested;
};
static_assert(sizeof(IntSpec) <= 32, "16-bit header is 32 bytes");

template <class S>
struct Kind;
template <class T>
struct Kind<Spec<T>> {
    static VekStatus sizes(int n, int hint, Sizes* out) { return float_sizes<T>(n, hint, out); }
    static VekStatus init(std::uint32_t id, Spec<T>** pp, int n, int hint, Vek8u* mem, Vek8u* init) {
        return init_float<T>(id, pp, n, hint, mem, init);
    }
};
template <>
struct Kind<IntSpec> {
    static VekStatus sizes(int n, int hint, Sizes* out) {
        if (n == 1) return *out = {64, 0, 0}, vekStsNoErr;
        VEKS_CHECK(float_sizes<float>(n, hint, out));
        out->spec += 64;
        out->work += 4 * n + 32;
        return vekStsNoErr;
    }
    static VekStatus init(std::uint32_t id, IntSpec** pp, int n, int hint, Vek8u* mem, Vek8u* init_mem) {
        VEKS_CHECK(check_ptrs(pp));
        VEKS_CHECK(check_len(n));
        VEKS_CHECK(check_ptrs(mem));
        const auto a = reinterpret_cast<std::uintptr_t>(mem);
        auto* s = reinterpret_cast<IntSpec*>(mem + ((32 - a % 32) % 32));
        std::memset(s, 0, sizeof(IntSpec));
        s->n = n, s->hint = hint;
        if (n > 1) {
            Sizes sz;
            VEKS_CHECK(float_sizes<float>(n, 1, &sz));
            const std::uint32_t nested_id = id == kIdFwd16s ? kIdFwd32f : kIdInv32f;
            VEKS_CHECK(init_float<float>(nested_id, &s->nested, n, 1, reinterpret_cast<Vek8u*>(s) + 32, init_mem));
            s->work_size = sz.work + 4 * n;
        }
        s->id = id;
        *pp = s;
        return vekStsNoErr;
    }
};

template <class S>
VekStatus get_size(int n, int hint, int* spec, int* init, int* work) {
    VEKS_CHECK(check_len(n));
    VEKS_CHECK(check_ptrs(spec, init, work));
    Sizes sz;
    VEKS_CHECK(Kind<S>::sizes(n, hint, &sz));
    *spec = sz.spec, *init = sz.init, *work = sz.work;
    return vekStsNoErr;
}

template <class S, class Public>
VekStatus init(std::uint32_t id, Public** pp, int n, int hint, Vek8u* mem, Vek8u* init_mem) {
    S* made = nullptr;
    const VekStatus s = Kind<S>::init(id, pp ? &made : nullptr, n, hint, mem, init_mem);
    if (s == vekStsNoErr) *pp = reinterpret_cast<Public*>(made);
    return s;
}

template <class S, class Public>
VekStatus init_alloc(std::uint32_t id, Public** pp, int n, int hint) {
    VEKS_CHECK(check_ptrs(pp));
    Sizes sz;
    VEKS_CHECK(check_len(n));
    VEKS_CHECK(Kind<S>::sizes(n, hint, &sz));
    auto* mem = static_cast<Vek8u*>(vekMalloc(static_cast<std::uint64_t>(sz.spec)));
    if (!mem) return vekStsMemAllocErr;
    Vek8u* init_mem = nullptr;
    if (sz.init > 0 && !(init_mem = static_cast<Vek8u*>(vekMalloc(static_cast<std::uint64_t>(sz.init))))) {
        vekFree(mem);
        return vekStsMemAllocErr;
    }
    S* made = nullptr;
    const VekStatus s = Kind<S>::init(id, &made, n, hint, mem, init_mem);
    vekFree(init_mem);
    if (s != vekStsNoErr) {
        vekFree(mem);
        return s;
    }
    // vekMalloc blocks are 64-byte aligned, so the header starts the block
    // and Free can release it by the header's address.
    made->owned = 1;
    *pp = reinterpret_cast<Public*>(made);
    return vekStsNoErr;
}

template <class S>
VekStatus free_spec(std::uint32_t id, void* p) {
    VEKS_CHECK(check_ptrs(p));
    VEKS_CHECK(check_id(p, id));
    auto* s = static_cast<S*>(p);
    s->id = 0;
    if (s->owned) vekFree(s);
    return vekStsNoErr;
}

template <class S>
VekStatus buf_size(std::uint32_t id, const void* p, int* size) {
    VEKS_CHECK(check_ptrs(p, size));
    VEKS_CHECK(check_id(p, id));
    const int w = static_cast<const S*>(p)->work_size;
    *size = w > 0 ? w + 32 : 0;
    return vekStsNoErr;
}

template <class S, class E, class Run>
VekStatus run(std::uint32_t id, const void* p, const E* src, E* dst, Vek8u* given, Run&& fn) {
    VEKS_CHECK(fft::check_spec_then(p, id, src, dst));
    const S& s = *static_cast<const S*>(p);
    fft::CallBuffer buf;
    VEKS_CHECK(buf.settle(s.work_size > 0 ? s.work_size + 32 : 0, given));
    return fn(s, buf.as<Vek8u>());
}

VekStatus run_16s(const IntSpec& s, const Vek16s* src, Vek16s* dst, int sf, Vek8u* work) {
    if (s.n == 1) {
        dst[0] = narrow_one(src[0], sf);
        return vekStsNoErr;
    }
    auto* f = reinterpret_cast<float*>(work);
    for (int i = 0; i < s.n; ++i) f[i] = static_cast<float>(src[i]);
    transform<float>(*s.nested, f, f, work + up32(4 * static_cast<std::size_t>(s.n)));
    return veksConvert_32f16s_Sfs(f, dst, s.n, vekRndNear, sf);
}

}  // namespace
}  // namespace dct
}  // namespace veks

using namespace veks;
using namespace veks::dct;

#define VEKS_DCT_FLOAT(DIR, S, T, ID)                                                                          \
    VekStatus veksDCT##DIR##GetSize_##S(int len, int hint, int* spec, int* init, int* work) {                  \
        return get_size<Spec<T>>(len, hint, spec, init, work);                                                 \
    }                                                                                                          \
    VekStatus veksDCT##DIR##Init_##S(VekDCT##DIR##Spec_##S** pp, int len, int hint, Vek8u* mem, Vek8u* im) {   \
        return init<Spec<T>>(ID, pp, len, hint, mem, im);                                                      \
    }                                                                                                          \
    VekStatus veksDCT##DIR##InitAlloc_##S(VekDCT##DIR##Spec_##S** pp, int len, int hint) {                     \
        return init_alloc<Spec<T>>(ID, pp, len, hint);                                                         \
    }                                                                                                          \
    VekStatus veksDCT##DIR##Free_##S(VekDCT##DIR##Spec_##S* p) { return free_spec<Spec<T>>(ID, p); }           \
    VekStatus veksDCT##DIR##GetBufSize_##S(const VekDCT##DIR##Spec_##S* p, int* size) {                        \
        return buf_size<Spec<T>>(ID, p, size);                                                                 \
    }                                                                                                          \
    VekStatus veksDCT##DIR##_##S(const Vek##S* src, Vek##S* dst, const VekDCT##DIR##Spec_##S* p, Vek8u* b) {   \
        return run<Spec<T>>(ID, p, src, dst, b, [&](const Spec<T>& s, Vek8u* w) {                             \
            transform<T>(s, src, dst, w);                                                                      \
            return vekStsNoErr;                                                                                \
        });                                                                                                    \
    }                                                                                                          \
    VekStatus veksDCT##DIR##_##S##_I(Vek##S* sd, const VekDCT##DIR##Spec_##S* p, Vek8u* b) {                   \
        return veksDCT##DIR##_##S(sd, sd, p, b);                                                               \
    }

VEKS_DCT_FLOAT(Fwd, 32f, float, kIdFwd32f)
VEKS_DCT_FLOAT(Inv, 32f, float, kIdInv32f)
VEKS_DCT_FLOAT(Fwd, 64f, double, kIdFwd64f)
VEKS_DCT_FLOAT(Inv, 64f, double, kIdInv64f)

#define VEKS_DCT_16S(DIR, ID)                                                                                  \
    VekStatus veksDCT##DIR##GetSize_16s(int len, int hint, int* spec, int* init, int* work) {                  \
        return get_size<IntSpec>(len, hint, spec, init, work);                                                 \
    }                                                                                                          \
    VekStatus veksDCT##DIR##Init_16s(VekDCT##DIR##Spec_16s** pp, int len, int hint, Vek8u* mem, Vek8u* im) {   \
        return init<IntSpec>(ID, pp, len, hint, mem, im);                                                      \
    }                                                                                                          \
    VekStatus veksDCT##DIR##InitAlloc_16s(VekDCT##DIR##Spec_16s** pp, int len, int hint) {                     \
        return init_alloc<IntSpec>(ID, pp, len, hint);                                                         \
    }                                                                                                          \
    VekStatus veksDCT##DIR##Free_16s(VekDCT##DIR##Spec_16s* p) { return free_spec<IntSpec>(ID, p); }           \
    VekStatus veksDCT##DIR##GetBufSize_16s(const VekDCT##DIR##Spec_16s* p, int* size) {                        \
        return buf_size<IntSpec>(ID, p, size);                                                                 \
    }                                                                                                          \
    VekStatus veksDCT##DIR##_16s_Sfs(const Vek16s* src, Vek16s* dst, const VekDCT##DIR##Spec_16s* p, int sf,   \
                                     Vek8u* b) {                                                               \
        return run<IntSpec>(ID, p, src, dst, b,                                                                \
                            [&](const IntSpec& s, Vek8u* w) { return run_16s(s, src, dst, sf, w); });          \
    }                                                                                                          \
    VekStatus veksDCT##DIR##_16s_ISfs(Vek16s* sd, const VekDCT##DIR##Spec_16s* p, int sf, Vek8u* b) {          \
        return veksDCT##DIR##_16s_Sfs(sd, sd, p, sf, b);                                                       \
    }

VEKS_DCT_16S(Fwd, kIdFwd16s)
VEKS_DCT_16S(Inv, kIdInv16s)
