// The float FIR state: one header followed by the tap tables, the delay
// buffer and the buffers of the FFT path, all inside one caller block.
//
// The same header carries single-rate, multirate and stream states of every
// float tap type; the identifier tells them apart.
#ifndef VEKS_FILTER_FIR_STATE_H
#define VEKS_FILTER_FIR_STATE_H

#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/check.h"
#include "filter/fir_direct_kernels.h"
#include "filter/fir_types.h"
#include "veks.h"

namespace veks {
namespace fir {

// Identifiers: "FI" and two digits, big-endian.
constexpr std::uint32_t fi(int n) { return fourcc('F', 'I', char('0' + n / 10), char('0' + n % 10)); }

// Single-rate and multirate identifiers of one type mix.
struct Ids {
    std::uint32_t single, multi;
};

// Thresholds of the block call, by tap kind.
template <class T>
struct Limits {
    static constexpr bool complex = is_cx<T>::value;
    static constexpr int fft_above = complex ? 255 : 511;      // FFT path from numIters above this
    static constexpr int parallel_above = complex ? 800 : 1600;  // threads from numIters above this
    static constexpr int fft_min_taps = complex ? (sizeof(Part<T>) == 4 ? 16 : 32) : 64;
};

constexpr std::size_t align16(std::size_t n) { return (n + 15) & ~std::size_t(15); }

// Header fields in their contract order; pointers are typed through the
// accessors of State<T> below.
struct Header {
    std::uint32_t id;
    void* rev;        // four reversed copies of the taps, copy k at k*(P+1)
    void* dly;        // delay buffer (single-rate: 3*tapsLen + 4 elements)
    std::int32_t tapsLen;
    std::int32_t upFactor;
    std::int32_t capacity;  // direct-block capacity C
    std::int32_t downFactor;
    void* fftSpec;
    void* spectrum;   // tap spectrum, N elements
    std::int32_t fftLen;    // -1 without FFT
    std::int32_t dlyIndex;
    void* rep;        // replicated taps
    std::int32_t algorithm; // multirate variant
    std::int32_t dlyLen;    // public delay-line length
    void* blockBufs;  // per-thread blocks of N elements
    void* fftWork;    // per-thread FFT work buffers
    std::int32_t fftWorkSize;
    void* inplace;    // in-place work buffer
    std::int32_t* status;   // per-thread FFT status
    std::int32_t allocated;
    std::int32_t upPhase, downPhase;
    std::int32_t threads;   // thread count the block was sized for
    std::int32_t revStride; // P + 1
    std::int32_t fftOwned;  // 1 when the FFT specification has its own block
    void* mr;         // multirate phase tables
    void* raw;        // start of the InitAlloc block
};
static_assert(sizeof(Header) <= 160, "the state header takes 160 bytes");
constexpr std::size_t kHeaderBytes = 160;

template <class T>
struct State : Header {
    T* rev_t() const { return static_cast<T*>(rev); }
    T* dly_t() const { return static_cast<T*>(dly); }
    T* rep_t() const { return static_cast<T*>(rep); }
    T* spectrum_t() const { return static_cast<T*>(spectrum); }
    T* inplace_t() const { return static_cast<T*>(inplace); }
    T* block_t(int thread) const { return static_cast<T*>(blockBufs) + std::size_t(thread) * fftLen; }
    Vek8u* work_t(int thread) const { return static_cast<Vek8u*>(fftWork) + std::size_t(thread) * fftWorkSize; }
};

// Byte offsets of the arrays of a float state, relative to the 16-byte
// aligned header, and the total size including the alignment slack.
struct Layout {
    int P = 0, capacity = 0, threads = 1, fftOrder = -1, fftLen = 0;
    int specSize = 0, specBufSize = 0, workSize = 0;
    std::size_t rev = 0, dly = 0, rep = 0, status = 0, spec = 0, specBuf = 0, spectrum = 0, work = 0, blocks = 0,
                inplace = 0, end = 0;
    std::size_t total() const { return end + 16; }  // slack to align the header
};

// Elements of the in-place work buffer: at least 4096.
inline int inplace_elems(int threads) { return 4 * threads + 4092; }

Layout float_layout(std::size_t elem, bool complex, int tapsLen, int threads, const int fft[4]);

// Rounds `p` up to 16 bytes.
inline Vek8u* align_up16(Vek8u* p) {
    return reinterpret_cast<Vek8u*>((reinterpret_cast<std::uintptr_t>(p) + 15) & ~std::uintptr_t(15));
}

// Tap tables from natural-order taps, tap(j) giving h[j]: the reversed
// copies (table zeroed first) and the replicated table.
template <class T, class F>
void write_taps(State<T>* s, F&& tap) {
    const int L = s->tapsLen, P = s->revStride - 1;
    T* r = s->rev_t();
    std::memset(static_cast<void*>(r), 0, sizeof(T) * 4 * std::size_t(P));
    for (int j = 0; j < L; ++j) {
        const T h = tap(j);
        for (int k = 0; k < 4; ++k) r[k * (P + 1) + L - 1 - j] = h;
        replicate(h, s->rep_t() + 4 * j);
    }
}

// The public delay line (most recent first, null: zeros) into the buffer.
template <class T, class D>
void write_history(State<T>* s, const D* line) {
    const int L = s->dlyLen;
    T* b = s->dly_t();
    s->dlyIndex = 0;
    for (int i = 0; i < L; ++i) b[L - 1 - i] = line ? widen<T>(line[i]) : zero<T>();
}

template <class T, class D>
void read_history(const State<T>* s, D* line) {
    const int L = s->dlyLen;
    const T* b = s->dly_t() + s->dlyIndex;
    for (int i = 0; i < L; ++i) line[i] = narrow_history<D>(b[L - 1 - i]);
}

template <class T, class P, class F>
void read_taps(const State<T>* s, P* taps, F&& conv) {
    const T* r = s->rev_t();
    for (int i = 0; i < s->tapsLen; ++i) taps[i] = conv(r[s->tapsLen - 1 - i]);
}

// Operations of a type mix accept its single-rate and multirate states.
inline VekStatus check_mix(const void* state, Ids ids) {
    std::uint32_t id;
    std::memcpy(&id, state, sizeof id);
    return id == ids.single || id == ids.multi ? vekStsNoErr : vekStsContextMatchErr;
}

inline std::uint32_t id_of(const void* state) {
    std::uint32_t id;
    std::memcpy(&id, state, sizeof id);
    return id;
}

// Lifecycle, in fir_state.cpp. `fft` holds the FFT sizes (order -1: none);
// `ownSpec` is a specification made by its own allocation, or null when the
// specification is laid into the state block.
int state_threads();
// Lays the block out with zero taps; the caller writes taps, then attaches
// the FFT with finish_single.
template <class T>
State<T>* lay_single(std::uint32_t id, int L, Vek8u* buffer, void* ownSpec, const int fft[4]);
template <class T>
void finish_single(State<T>* s, Vek8u* buffer, void* ownSpec, const int fft[4]);
template <class T>
VekStatus single_size(int L, int* size);
template <class T>
VekStatus alloc_single(std::uint32_t id, int L, bool withFft, State<T>** out, void** spec, int fft[4]);
template <class T>
void free_state(State<T>* s);
// After the tap tables changed: multirate phases, tap spectrum.
template <class T>
VekStatus taps_changed(State<T>* s);

template <class T, class F>
State<T>* build_single(std::uint32_t id, int L, Vek8u* buffer, void* ownSpec, const int fft[4], F&& tap) {
    State<T>* s = lay_single<T>(id, L, buffer, ownSpec, fft);
    write_taps(s, tap);
    finish_single(s, buffer, ownSpec, fft);
    return s;
}

}  // namespace fir
}  // namespace veks

#endif
