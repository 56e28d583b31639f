#include "fft_int_spec.h"

#include <cstring>

#include "core/check.h"
#include "fft_fixed16.h"
#include "fft_spec.h"

namespace veks {
namespace fft {
namespace {

bool fixed_path(const IntKind& k, int order, int hint) {
    return !k.wide && order >= 1 && order <= 3 && (hint == 0 || hint == 1);
}

std::uint32_t nested_id(const IntKind& k) {
    if (k.dom == Domain::Real) return k.nested_double ? kIdR64f : kIdR32f;
    if (k.nested_double) return k.nested_split ? kIdC64f : kIdC64fc;
    return k.nested_split ? kIdC32f : kIdC32fc;
}

// Bytes of the conversion area the compute calls put in front of the
// nested transform's own buffer.
std::int64_t conversion_bytes(const IntKind& k, std::int64_t n) {
    if (k.dom == Domain::Complex) return (k.nested_double ? 16 : 8) * n;
    return (k.nested_double ? 8 : 4) * n + (k.nested_double ? 16 : 8);
}

Sizes nested_sizes(const IntKind& k, int order) {
    return k.nested_double ? float_sizes<double>(k.dom, order) : float_sizes<float>(k.dom, order);
}

}  // namespace

VekStatus int_get_size(const IntKind& k, int order, int flag, int hint, int* spec, int* init, int* work) {
    VEKS_CHECK(k.nested_double ? check_size_query<double>(order, flag, spec, init, work)
                               : check_size_query<float>(order, flag, spec, init, work));
    const std::int64_t n = std::int64_t(1) << order, q = n / 4;
    Sizes s;
    if (k.wide) {
        s = nested_sizes(k, order);
        s.spec += 64;
        if (s.init > 0) s.init += 32;
        s.work += conversion_bytes(k, n);
        if (s.work > 0) s.work += 32;
    } else if (order == 0) {
        s.spec = 104;
    } else if (fixed_path(k, order, hint)) {
        const std::int64_t br = up32(4 * (n / 4) + 4), br_half = up32(4 * (n / 8) + 4);
        s.spec = k.dom == Domain::Complex ? up32(8 * n) + br + 128 : up32(4 * n) + br_half + up32(8 * n) + 128;
        s.init = up32(2 * q + 2) + 32;
        s.work = (k.dom == Domain::Complex ? 12 * n : 4 * (n + 2)) + 32;
    } else {
        s = nested_sizes(k, order);
        s.spec += 128;
        s.init += 32;
        s.work += conversion_bytes(k, n) + 32;
    }
    *spec = static_cast<int>(s.spec);
    *init = static_cast<int>(s.init);
    *work = static_cast<int>(s.work);
    return vekStsNoErr;
}

namespace {

// Builds the nested floating specification at `mem` through the public
// Init of its kind; returns its status and its GetBufSize.
VekStatus build_nested(const IntKind& k, void** out, int order, int flag, Vek8u* mem, Vek8u* init, int* buf) {
    VekStatus st;
    const std::uint32_t id = nested_id(k);
    const Domain d = k.dom;
    st = k.nested_double ? init_float_spec<double>(id, d, out, order, flag, 0, mem, init)
                         : init_float_spec<float>(id, d, out, order, flag, 0, mem, init);
    if (st != vekStsNoErr) return st;
    return k.nested_double ? float_buf_size<double>(id, *out, buf) : float_buf_size<float>(id, *out, buf);
}

}  // namespace

VekStatus int_init(const IntKind& k, void** pp, int order, int flag, int hint, Vek8u* spec_mem, Vek8u* init_mem) {
    VEKS_CHECK(check_ptrs(pp));
    VEKS_CHECK(check_param(order < 0 || order > 30, vekStsFftOrderErr));
    VEKS_CHECK(check_ptrs(spec_mem));
    Vek8u* base = align32(spec_mem);
    const std::int64_t n = std::int64_t(1) << order;
    if (k.wide) {
        auto* s = reinterpret_cast<Int32Spec*>(base);
        std::memset(static_cast<void*>(s), 0, 32);
        s->order = order;
        s->hint = hint;
        int buf = 0;
        void* nested = nullptr;
        VEKS_CHECK(build_nested(k, &nested, order, flag, base + 32, init_mem, &buf));
        s->nested = nested;
        s->work_size = static_cast<std::int32_t>(buf + conversion_bytes(k, n));
        s->id = k.id;
        *pp = s;
        return vekStsNoErr;
    }
    auto* s = reinterpret_cast<Int16Spec*>(base);
    std::memset(static_cast<void*>(s), 0, 72);
    s->order = order;
    s->hint = hint;
    if (!valid_flag(flag)) return vekStsFftFlagErr;
    s->fwd_shift = flag == 1 ? order : flag == 4 ? order >> 1 : 0;
    s->inv_shift = flag == 2 ? order : flag == 4 ? order >> 1 : 0;
    s->odd_factor = flag == 4 ? order & 1 : 0;
    if (order > 0) {
        if (!init_mem) return vekStsNullPtrErr;
        if (fixed_path(k, order, hint)) {
            auto* tw = reinterpret_cast<std::int16_t*>(base + 96);
            build_q14_twiddles(order, tw);
            s->twiddle = tw;
            if (k.dom == Domain::Real) {
                build_q14_twiddles(order - 1, tw + 4 * n);
                s->twiddle_half = tw + 4 * n;
            }
            s->work_size = static_cast<std::int32_t>(k.dom == Domain::Complex ? 12 * n : 4 * (n + 2));
        } else {
            int buf = 0;
            void* nested = nullptr;
            VEKS_CHECK(build_nested(k, &nested, order, flag, base + 72, init_mem, &buf));
            s->floating = 1;
            s->nested = nested;
            s->work_size = static_cast<std::int32_t>(buf + conversion_bytes(k, n));
        }
    }
    s->id = k.id;
    *pp = s;
    return vekStsNoErr;
}

VekStatus int_init_alloc(const IntKind& k, void** pp, int order, int flag, int hint) {
    VEKS_CHECK(check_ptrs(pp));
    int spec = 0, init = 0, work = 0;
    VEKS_CHECK(int_get_size(k, order, flag, hint, &spec, &init, &work));
    Vek8u* mem = veksMalloc_8u(spec);
    if (!mem) return vekStsMemAllocErr;
    Vek8u* scratch = nullptr;
    if (init > 0 && !(scratch = veksMalloc_8u(init))) {
        veksFree(mem);
        return vekStsMemAllocErr;
    }
    void* made = nullptr;
    const VekStatus st = int_init(k, &made, order, flag, hint, mem, scratch);
    veksFree(scratch);
    if (st != vekStsNoErr) {
        veksFree(mem);
        return st;
    }
    // The allocator's blocks are 64-byte aligned, so the object starts at
    // the block and Free can hand the object itself back.
    if (k.wide)
        static_cast<Int32Spec*>(made)->owned = 1;
    else
        static_cast<Int16Spec*>(made)->owned = 1;
    *pp = made;
    return vekStsNoErr;
}

VekStatus int_free(const IntKind& k, void* spec) {
    VEKS_CHECK(check_ptrs(spec));
    VEKS_CHECK(check_id(spec, k.id));
    const bool owned = k.wide ? static_cast<Int32Spec*>(spec)->owned : static_cast<Int16Spec*>(spec)->owned;
    static_cast<std::uint32_t*>(spec)[0] = 0;
    if (owned) veksFree(static_cast<Vek8u*>(spec));
    return vekStsNoErr;
}

VekStatus int_buf_size(const IntKind& k, const void* spec, int* size) {
    VEKS_CHECK(check_ptrs(spec, size));
    VEKS_CHECK(check_id(spec, k.id));
    const int w = k.wide ? static_cast<const Int32Spec*>(spec)->work_size : static_cast<const Int16Spec*>(spec)->work_size;
    *size = w > 0 ? w + 32 : 0;
    return vekStsNoErr;
}

}  // namespace fft
}  // namespace veks
