// The IIR state laid into caller memory: a fixed header, the normalised
// taps, the delay line and the block work buffer, each 32-byte aligned.
#ifndef VEKS_FILTER_IIR_STATE_H
#define VEKS_FILTER_IIR_STATE_H

#include <cstddef>
#include <cstdint>

namespace veks {

enum class IirKind : std::int32_t { Arbitrary, BiQuad, BiQuadDF1 };

// Samples per chunk of the block call.
constexpr int kIirChunk = 1024;
constexpr std::size_t kIirHeaderBytes = 96;

template <class T>
struct IirState {
    std::uint32_t id;
    IirKind kind;
    std::int32_t order;      // arbitrary order: the order; biquads: the sections
    std::int32_t allocated;  // 1 when InitAlloc obtained the memory
    T* taps;  // arbitrary: b[0..order], a[1..order]; biquad: b0 b1 b2 a1 a2 per section
    T* dly;   // arbitrary: d[0..order-1] and a constant 0; TDF2 biquad: 2, DF1: 4 per section
    T* work;  // kIirChunk samples of the block call in the tap type
    void* raw;  // start of the caller's (or the allocated) block
};
static_assert(sizeof(IirState<double>) <= kIirHeaderBytes, "header exceeds its reserved bytes");

inline std::size_t round_up(std::size_t v, std::size_t m) { return (v + m - 1) / m * m; }

// Tap and delay counts kept by a state.
inline int iir_tap_count(IirKind k, int order) { return k == IirKind::Arbitrary ? 2 * order + 1 : 5 * order; }
inline int iir_dly_count(IirKind k, int order) {
    return k == IirKind::Arbitrary ? order : (k == IirKind::BiQuad ? 2 : 4) * order;
}

// Bytes a state needs: the header, its tables and a work buffer of W
// elements (1024 when data and taps share a type, 2048 otherwise), plus
// room to align the header to 32 bytes.
inline std::int64_t iir_state_bytes(IirKind k, std::int64_t order, std::size_t elem, bool mixed) {
    const std::int64_t e = std::int64_t(elem), w = mixed ? 2048 : 1024;
    auto down16 = [](std::int64_t v) { return v / 16 * 16; };
    auto up16 = [](std::int64_t v) { return (v + 15) / 16 * 16; };
    if (k == IirKind::Arbitrary)
        return e * (8 * order + 16 + w + 10) + 96 + down16(8 * order + 19) * e / 4 + down16(4 * order + 19) * e / 4 + 32;
    return e * (40 * order + w + 10) + 96 + up16(20 * order) * e / 4 + up16(8 * order) * e / 4 + 32;
}

// Lays the state into buf (at the first 32-byte boundary).
template <class T>
IirState<T>* iir_lay(void* buf, IirKind k, int order, std::uint32_t id) {
    const std::uintptr_t a = reinterpret_cast<std::uintptr_t>(buf);
    auto* base = reinterpret_cast<unsigned char*>(buf) + ((32 - a % 32) % 32);
    auto* s = reinterpret_cast<IirState<T>*>(base);
    unsigned char* p = base + kIirHeaderBytes;
    s->id = id;
    s->kind = k;
    s->order = order;
    s->allocated = 0;
    s->raw = buf;
    s->taps = reinterpret_cast<T*>(p);
    p += round_up(std::size_t(iir_tap_count(k, order)) * sizeof(T), 32);
    s->dly = reinterpret_cast<T*>(p);
    p += round_up(std::size_t(iir_dly_count(k, order) + 1) * sizeof(T), 32);
    s->work = reinterpret_cast<T*>(p);
    return s;
}

}  // namespace veks

#endif
