// Two-channel wavelet filter banks with persistent history, so that a long
// signal can be processed in consecutive blocks. Forward: each channel
// filters the stream and keeps every second output (the channel's offset
// picks the phase); inverse: each channel upsamples by two with zeros,
// filters, and the two channel results are summed.
//
// A channel's history is kept in time order (oldest first) and read
// through `sample`, which maps negative stream indices into it.
#include <algorithm>
#include <cstring>

#include "core/check.h"
#include "core/support/vekcore.h"
#include "veks.h"

namespace veks {
namespace {

enum : std::uint32_t {
    kFwd32f = 41, kFwd8u = 42, kFwd8s = 43, kFwd16u = 44, kFwd16s = 45,
    kInv32f = 50, kInv8u = 51, kInv8s = 52, kInv16u = 53, kInv16s = 54,
};
constexpr int kChunk = 1024;  // conversion buffer of the integer kinds, in Vek32f

struct Channel {
    std::int32_t len;
    std::int32_t offset;
    std::int32_t phase;      // 1 for offset -1
    std::int32_t hist_len;
    float* taps;
    float* hist;             // hist_len values, oldest first
};

struct WtState {
    std::uint32_t id;
    Channel* low;
    Channel* high;
    float* conv;
    std::int32_t conv_len;
};

void free_channel(Channel* c) {
    if (!c) return;
    vekFree(c->taps), vekFree(c->hist), vekFree(c);
}

Channel* new_channel(const float* taps, int len, int offset, int hist_len) {
    auto* c = static_cast<Channel*>(vekMalloc(sizeof(Channel)));
    if (!c) return nullptr;
    *c = Channel{len, offset, offset == -1 ? 1 : 0, std::max(0, hist_len), nullptr, nullptr};
    c->taps = static_cast<float*>(vekMalloc(sizeof(float) * static_cast<std::size_t>(len)));
    if (c->hist_len > 0) c->hist = static_cast<float*>(vekMalloc(sizeof(float) * static_cast<std::size_t>(c->hist_len)));
    if (!c->taps || (c->hist_len > 0 && !c->hist)) {
        free_channel(c);
        return nullptr;
    }
    std::memcpy(c->taps, taps, sizeof(float) * static_cast<std::size_t>(len));
    if (c->hist) std::memset(c->hist, 0, sizeof(float) * static_cast<std::size_t>(c->hist_len));
    return c;
}

// History lengths: the forward bank keeps input samples, the inverse one
// low-rate input values.
int fwd_history(int len, int d) { return len + d - 1; }
int inv_history(int len, int d) { return (len + d - 1) >= 0 ? (len + d - 1) / 2 : 0; }

bool is_inverse(std::uint32_t id) { return id >= kInv32f; }

VekStatus init_alloc(std::uint32_t id, void** pp, const float* tl, int ll, int dl, const float* th, int lh, int dh) {
    VEKS_CHECK(check_ptrs(pp, tl));
    VEKS_CHECK(check_len(ll));
    VEKS_CHECK(check_ptrs(th));
    VEKS_CHECK(check_len(lh));
    VEKS_CHECK(check_param(dl < -1 || dh < -1, vekStsWtOffsetErr));
    const auto history = is_inverse(id) ? inv_history : fwd_history;
    auto* s = static_cast<WtState*>(vekMalloc(sizeof(WtState)));
    if (s) {
        *s = WtState{0, nullptr, nullptr, nullptr, 0};
        s->low = new_channel(tl, ll, dl, history(ll, dl));
        s->high = new_channel(th, lh, dh, history(lh, dh));
        const bool convert = id != kFwd32f && id != kInv32f;
        if (convert) {
            s->conv_len = kChunk;
            s->conv = static_cast<float*>(vekMalloc(sizeof(float) * kChunk));
        }
        if (s->low && s->high && (!convert || s->conv)) {
            s->id = id;
            *pp = s;
            return vekStsNoErr;
        }
        free_channel(s->low), free_channel(s->high), vekFree(s->conv), vekFree(s);
    }
    *pp = nullptr;
    return vekStsMemAllocErr;
}

bool channel_ok(const Channel* c) {
    return c && c->len > 0 && (c->phase == 0 || c->phase == 1) && c->taps && (c->hist_len == 0 || c->hist);
}

VekStatus check_state(const void* p, std::uint32_t id) {
    VEKS_CHECK(check_ptrs(p));
    VEKS_CHECK(check_id(p, id));
    const auto* s = static_cast<const WtState*>(p);
    const bool consistent = channel_ok(s->low) && channel_ok(s->high) && ((s->conv_len > 0) == (s->conv != nullptr));
    return consistent ? vekStsNoErr : vekStsContextMatchErr;
}

VekStatus free_state(void* p, std::uint32_t id) {
    VEKS_CHECK(check_state(p, id));
    auto* s = static_cast<WtState*>(p);
    s->id = 0;
    free_channel(s->low), free_channel(s->high), vekFree(s->conv), vekFree(s);
    return vekStsNoErr;
}

VekStatus dly_line(void* p, std::uint32_t id, float* low, float* high, bool set) {
    VEKS_CHECK(check_state(p, id));
    VEKS_CHECK(check_ptrs(low, high));
    auto* s = static_cast<WtState*>(p);
    for (auto [c, d] : {std::pair<Channel*, float*>{s->low, low}, {s->high, high}}) {
        const std::size_t bytes = sizeof(float) * static_cast<std::size_t>(c->hist_len);
        if (bytes) set ? std::memcpy(c->hist, d, bytes) : std::memcpy(d, c->hist, bytes);
    }
    return vekStsNoErr;
}

// Stream value at index i: this call's data for i >= 0, history before.
inline double sample(const Channel& c, const float* x, long i) {
    return i >= 0 ? x[i] : c.hist[c.hist_len + i];
}

// The history after consuming n new values: the last hist_len of the stream.
void advance(Channel& c, const float* x, int n) {
    const int h = c.hist_len;
    if (h == 0) return;
    if (n >= h) {
        std::memcpy(c.hist, x + n - h, sizeof(float) * static_cast<std::size_t>(h));
    } else {
        std::memmove(c.hist, c.hist + n, sizeof(float) * static_cast<std::size_t>(h - n));
        std::memcpy(c.hist + h - n, x, sizeof(float) * static_cast<std::size_t>(n));
    }
}

// y[m] = sum_k h[k] x[2m - d - k], accumulated in double.
void forward_channel(Channel& c, const float* x, float* y, int count) {
    for (int m = 0; m < count; ++m) {
        const long base = 2L * m - c.offset;
        double acc = 0;
        if (base - (c.len - 1) >= 0) {
            const float* p = x + base;
            for (int k = 0; k < c.len; ++k) acc += double(c.taps[k]) * p[-k];
        } else {
            for (int k = 0; k < c.len; ++k) acc += double(c.taps[k]) * sample(c, x, base - k);
        }
        y[m] = static_cast<float>(acc);
    }
    advance(c, x, 2 * count);
}

// z[n] = sum_k h[k] u[n - d - k] with u the zero-stuffed input; added to
// (or written into) out.
void inverse_channel(Channel& c, const float* v, float* out, int count, bool add) {
    for (int n = 0; n < 2 * count; ++n) {
        double acc = 0;
        for (int k = 0; k < c.len; ++k) {
            const long j = long(n) - c.offset - k;
            // Skip the zeros of the upsampled stream, and, for offset -1,
            // the one value that has not arrived yet.
            if (j % 2 != 0 || j / 2 >= count) continue;
            acc += double(c.taps[k]) * sample(c, v, j / 2);
        }
        out[n] = add ? out[n] + static_cast<float>(acc) : static_cast<float>(acc);
    }
    advance(c, v, count);
}

template <class In>
VekStatus forward(void* p, std::uint32_t id, const In* src, float* low, float* high, int len) {
    VEKS_CHECK(check_state(p, id));
    VEKS_CHECK(check_ptrs(src, low, high));
    VEKS_CHECK(check_len(len));
    auto* s = static_cast<WtState*>(p);
    if constexpr (std::is_same_v<In, float>) {
        forward_channel(*s->low, src, low, len);
        forward_channel(*s->high, src, high, len);
    } else {
        for (int done = 0; done < len;) {
            const int n = std::min(kChunk / 2, len - done);
            for (int i = 0; i < 2 * n; ++i) s->conv[i] = static_cast<float>(src[2 * done + i]);
            forward_channel(*s->low, s->conv, low + done, n);
            forward_channel(*s->high, s->conv, high + done, n);
            done += n;
        }
    }
    return vekStsNoErr;
}

template <class Out>
VekStatus narrow(const float* f, Out* d, int n);
template <> VekStatus narrow(const float* f, Vek8u* d, int n) { return veksConvert_32f8u_Sfs(f, d, n, vekRndNear, 0); }
template <> VekStatus narrow(const float* f, Vek8s* d, int n) { return veksConvert_32f8s_Sfs(f, d, n, vekRndNear, 0); }
template <> VekStatus narrow(const float* f, Vek16u* d, int n) { return veksConvert_32f16u_Sfs(f, d, n, vekRndNear, 0); }
template <> VekStatus narrow(const float* f, Vek16s* d, int n) { return veksConvert_32f16s_Sfs(f, d, n, vekRndNear, 0); }

template <class Out>
VekStatus inverse(void* p, std::uint32_t id, const float* low, const float* high, int len, Out* dst) {
    VEKS_CHECK(check_state(p, id));
    VEKS_CHECK(check_ptrs(low, high));
    VEKS_CHECK(check_len(len));
    VEKS_CHECK(check_ptrs(dst));
    auto* s = static_cast<WtState*>(p);
    if constexpr (std::is_same_v<Out, float>) {
        inverse_channel(*s->low, low, dst, len, false);
        inverse_channel(*s->high, high, dst, len, true);
    } else {
        for (int done = 0; done < len;) {
            const int n = std::min(kChunk / 2, len - done);
            inverse_channel(*s->low, low + done, s->conv, n, false);
            inverse_channel(*s->high, high + done, s->conv, n, true);
            narrow(s->conv, dst + 2 * done, 2 * n);
            done += n;
        }
    }
    return vekStsNoErr;
}

}  // namespace
}  // namespace veks

using namespace veks;

#define VEKS_WT_FWD(K, In, ID)                                                                                   \
    VekStatus veksWTFwdInitAlloc_##K(VekWTFwdState_##K** pp, const Vek32f* tl, int ll, int dl, const Vek32f* th, \
                                     int lh, int dh) {                                                          \
        return init_alloc(ID, reinterpret_cast<void**>(pp), tl, ll, dl, th, lh, dh);                             \
    }                                                                                                            \
    VekStatus veksWTFwdFree_##K(VekWTFwdState_##K* p) { return free_state(p, ID); }                              \
    VekStatus veksWTFwdSetDlyLine_##K(VekWTFwdState_##K* p, const Vek32f* l, const Vek32f* h) {                  \
        return dly_line(p, ID, const_cast<Vek32f*>(l), const_cast<Vek32f*>(h), true);                            \
    }                                                                                                            \
    VekStatus veksWTFwdGetDlyLine_##K(VekWTFwdState_##K* p, Vek32f* l, Vek32f* h) {                              \
        return dly_line(p, ID, l, h, false);                                                                     \
    }                                                                                                            \
    VekStatus veksWTFwd_##K(const In* src, Vek32f* low, Vek32f* high, int dstLen, VekWTFwdState_##K* p) {        \
        return forward(p, ID, src, low, high, dstLen);                                                           \
    }

#define VEKS_WT_INV(K, Out, ID)                                                                                  \
    VekStatus veksWTInvInitAlloc_##K(VekWTInvState_##K** pp, const Vek32f* tl, int ll, int dl, const Vek32f* th, \
                                     int lh, int dh) {                                                          \
        return init_alloc(ID, reinterpret_cast<void**>(pp), tl, ll, dl, th, lh, dh);                             \
    }                                                                                                            \
    VekStatus veksWTInvFree_##K(VekWTInvState_##K* p) { return free_state(p, ID); }                              \
    VekStatus veksWTInvSetDlyLine_##K(VekWTInvState_##K* p, const Vek32f* l, const Vek32f* h) {                  \
        return dly_line(p, ID, const_cast<Vek32f*>(l), const_cast<Vek32f*>(h), true);                            \
    }                                                                                                            \
    VekStatus veksWTInvGetDlyLine_##K(VekWTInvState_##K* p, Vek32f* l, Vek32f* h) {                              \
        return dly_line(p, ID, l, h, false);                                                                     \
    }                                                                                                            \
    VekStatus veksWTInv_##K(const Vek32f* low, const Vek32f* high, int srcLen, Out* dst, VekWTInvState_##K* p) { \
        return inverse(p, ID, low, high, srcLen, dst);                                                           \
    }

VEKS_WT_FWD(32f, Vek32f, kFwd32f)
VEKS_WT_FWD(8u32f, Vek8u, kFwd8u)
VEKS_WT_FWD(8s32f, Vek8s, kFwd8s)
VEKS_WT_FWD(16u32f, Vek16u, kFwd16u)
VEKS_WT_FWD(16s32f, Vek16s, kFwd16s)
VEKS_WT_INV(32f, Vek32f, kInv32f)
VEKS_WT_INV(32f8u, Vek8u, kInv8u)
VEKS_WT_INV(32f8s, Vek8s, kInv8s)
VEKS_WT_INV(32f16u, Vek16u, kInv16u)
VEKS_WT_INV(32f16s, Vek16s, kInv16s)
