// Exported uniform and Gaussian generators. A state object lives in caller
// or library memory of any alignment, so it is loaded into a local copy,
// advanced and stored back; a call that fails its checks never touches it.
#include <cstddef>
#include <cstdint>
#include <cstring>

#include "core/check.h"
#include "generate/rand_kernels.h"
#include "veks.h"

namespace veks {
namespace {

using rng::Engine;

template <class T>
struct UniformLayout {
    std::uint32_t id;
    std::uint32_t seed;
    T low, high;
    double mid;
    double step;
    Engine eng;
};

template <class T>
struct GaussLayout {
    std::uint32_t id;
    std::uint32_t seed;
    T mean, std_dev;
    Engine eng;
    std::uint32_t need_pair;
    double factor;
    double cached;
};

static_assert(sizeof(UniformLayout<float>) == 56 && sizeof(UniformLayout<std::uint8_t>) == 56, "uniform state");
static_assert(offsetof(UniformLayout<std::int16_t>, mid) == 16, "uniform state");
static_assert(sizeof(GaussLayout<float>) <= 64 && sizeof(GaussLayout<std::uint8_t>) <= 64, "gauss state");

constexpr int kUniformBytes = 56;
constexpr int kGaussBytes = 64;

// Identifiers and allocation sizes per element type.
template <class T> struct Ids;
template <> struct Ids<std::uint8_t> { static constexpr std::uint32_t uniform = 35, gauss = 38; static constexpr int gauss_alloc = 64; };
template <> struct Ids<std::int16_t> { static constexpr std::uint32_t uniform = 36, gauss = 39; static constexpr int gauss_alloc = 64; };
template <> struct Ids<float>        { static constexpr std::uint32_t uniform = 37, gauss = 40; static constexpr int gauss_alloc = 72; };

template <class S>
S load(const void* p) {
    S s;
    std::memcpy(&s, p, sizeof s);
    return s;
}
template <class S>
void store(void* p, const S& s) {
    std::memcpy(p, &s, sizeof s);
}

inline double mid_of(double low, double high) { return (low + high) / 2.0; }
inline double step_of(double low, double high) { return (high - low) * rng::kTwoPowM32; }

template <class T>
void uniform_lay(void* p, T low, T high, std::uint32_t seed) {
    UniformLayout<T> s;
    std::memset(&s, 0, sizeof s);
    s.id = Ids<T>::uniform;
    s.seed = seed;
    s.low = low;
    s.high = high;
    s.mid = mid_of(low, high);
    s.step = step_of(low, high);
    s.eng = Engine::seeded(seed);
    store(p, s);
}

template <class T>
void gauss_lay(void* p, T mean, T std_dev, std::uint32_t seed) {
    GaussLayout<T> s;
    std::memset(&s, 0, sizeof s);
    s.id = Ids<T>::gauss;
    s.seed = seed;
    s.mean = mean;
    s.std_dev = std_dev;
    s.eng = Engine::seeded(seed);
    s.need_pair = 1;
    store(p, s);
}

// InitAlloc: allocate `bytes`, lay the state, hand it out; *pp stays as it
// was when the allocation fails.
template <class St, class Lay>
VekStatus init_alloc(St** pp, int bytes, Lay lay) {
    VEKS_CHECK(check_ptrs(pp));
    Vek8u* mem = veksMalloc_8u(bytes);
    if (!mem) return vekStsMemAllocErr;
    lay(mem);
    *pp = reinterpret_cast<St*>(mem);
    return vekStsNoErr;
}

template <class T>
VekStatus uniform_gen(T* dst, int len, void* state) {
    VEKS_CHECK(check_vec(len, dst, state));
    VEKS_CHECK(check_id(state, Ids<T>::uniform));
    auto s = load<UniformLayout<T>>(state);
    rng::uniform_fill(dst, len, s.mid, s.step, s.eng);
    store(state, s);
    return vekStsNoErr;
}

template <class T>
VekStatus gauss_gen(T* dst, int len, void* state) {
    VEKS_CHECK(check_vec(len, dst, state));
    VEKS_CHECK(check_id(state, Ids<T>::gauss));
    auto s = load<GaussLayout<T>>(state);
    rng::GaussCache c{s.need_pair, s.factor, s.cached};
    rng::gauss_fill(dst, len, s.mean, s.std_dev, s.eng, c);
    s.need_pair = c.need_pair;
    s.factor = c.factor;
    s.cached = c.cached;
    store(state, s);
    return vekStsNoErr;
}

VekStatus release(void* state, std::uint32_t id) {
    VEKS_CHECK(check_ptrs(state));
    VEKS_CHECK(check_id(state, id));
    veksFree(state);
    return vekStsNoErr;
}

// Direct forms: a fresh engine from the seed; the last z(n) is the new seed.
template <class T>
VekStatus uniform_direct(T* dst, int len, T low, T high, unsigned int* seed) {
    VEKS_CHECK(check_vec(len, dst, seed));
    Engine e = Engine::seeded(*seed);
    rng::uniform_fill(dst, len, mid_of(low, high), step_of(low, high), e);
    *seed = e.z1;
    return vekStsNoErr;
}

template <class T>
VekStatus gauss_direct(T* dst, int len, T mean, T std_dev, unsigned int* seed) {
    VEKS_CHECK(check_vec(len, dst, seed));
    Engine e = Engine::seeded(*seed);
    rng::GaussCache c;  // an odd tail's x1 is dropped with it
    rng::gauss_fill(dst, len, mean, std_dev, e, c);
    *seed = e.z1;
    return vekStsNoErr;
}

VekStatus report_size(int* size, int bytes) {
    VEKS_CHECK(check_ptrs(size));
    *size = bytes;
    return vekStsNoErr;
}

}  // namespace
}  // namespace veks

using namespace veks;

#define VEKS_RAND_DIRECT(code, T)                                                                  \
    VekStatus veksRandUniform_Direct_##code(T* pDst, int len, T low, T high, unsigned int* pSeed) { \
        return uniform_direct(pDst, len, low, high, pSeed);                                        \
    }                                                                                              \
    VekStatus veksRandGauss_Direct_##code(T* pDst, int len, T mean, T stdDev, unsigned int* pSeed) { \
        return gauss_direct(pDst, len, mean, stdDev, pSeed);                                       \
    }

VEKS_RAND_DIRECT(16s, Vek16s)
VEKS_RAND_DIRECT(32f, Vek32f)
VEKS_RAND_DIRECT(64f, Vek64f)

#define VEKS_RAND_STATE(code, T)                                                                          \
    VekStatus veksRandUniformInitAlloc_##code(VekRandUniformState_##code** ppState, T low, T high,        \
                                              unsigned int seed) {                                        \
        return init_alloc(ppState, kUniformBytes, [&](void* p) { uniform_lay<T>(p, low, high, seed); }); \
    }                                                                                                     \
    VekStatus veksRandGaussInitAlloc_##code(VekRandGaussState_##code** ppState, T mean, T stdDev,         \
                                            unsigned int seed) {                                          \
        return init_alloc(ppState, Ids<T>::gauss_alloc,                                                   \
                          [&](void* p) { gauss_lay<T>(p, mean, stdDev, seed); });                         \
    }                                                                                                     \
    VekStatus veksRandUniform_##code(T* pDst, int len, VekRandUniformState_##code* pState) {              \
        return uniform_gen(pDst, len, pState);                                                            \
    }                                                                                                     \
    VekStatus veksRandGauss_##code(T* pDst, int len, VekRandGaussState_##code* pState) {                  \
        return gauss_gen(pDst, len, pState);                                                              \
    }                                                                                                     \
    VekStatus veksRandUniformFree_##code(VekRandUniformState_##code* pState) {                            \
        return release(pState, Ids<T>::uniform);                                                          \
    }                                                                                                     \
    VekStatus veksRandGaussFree_##code(VekRandGaussState_##code* pState) {                                \
        return release(pState, Ids<T>::gauss);                                                            \
    }

VEKS_RAND_STATE(8u, Vek8u)
VEKS_RAND_STATE(16s, Vek16s)
VEKS_RAND_STATE(32f, Vek32f)

VekStatus veksRandUniformGetSize_16s(int* pSize) { return report_size(pSize, kUniformBytes); }
VekStatus veksRandGaussGetSize_16s(int* pSize) { return report_size(pSize, kGaussBytes); }

VekStatus veksRandUniformInit_16s(VekRandUniformState_16s* pState, Vek16s low, Vek16s high, unsigned int seed) {
    VEKS_CHECK(check_ptrs(pState));
    uniform_lay<Vek16s>(pState, low, high, seed);
    return vekStsNoErr;
}

VekStatus veksRandGaussInit_16s(VekRandGaussState_16s* pState, Vek16s mean, Vek16s stdDev, unsigned int seed) {
    VEKS_CHECK(check_ptrs(pState));
    gauss_lay<Vek16s>(pState, mean, stdDev, seed);
    return vekStsNoErr;
}
