// Exported size queries, Init, InitAlloc, Free and GetBufSize of the
// floating FFT kinds, one line per kind.
#include "core/check.h"
#include "fft_spec.h"

using namespace veks;
using namespace veks::fft;

namespace {

template <class T>
VekStatus get_size(Domain dom, int order, int flag, int* spec, int* init, int* work) {
    VEKS_CHECK(check_size_query<T>(order, flag, spec, init, work));
    const Sizes s = float_sizes<T>(dom, order);
    *spec = static_cast<int>(s.spec);
    *init = static_cast<int>(s.init);
    *work = static_cast<int>(s.work);
    return vekStsNoErr;
}

// The split-layout kinds are the interleaved object under another identifier.
template <class T, class S>
VekStatus retag(VekStatus st, S** pp, std::uint32_t id) {
    if (st == vekStsNoErr) reinterpret_cast<FloatSpec<T>*>(*pp)->id = id;
    return st;
}

}  // namespace

#define VEKS_FFT_KIND_COMMON(K, T, ID)                                                          \
    VekStatus veksFFTFree_##K(VekFFTSpec_##K* pSpec) { return free_float_spec<T>(ID, pSpec); }   \
    VekStatus veksFFTGetBufSize_##K(const VekFFTSpec_##K* pSpec, int* pBufferSize) {             \
        return float_buf_size<T>(ID, pSpec, pBufferSize);                                        \
    }

#define VEKS_FFT_KIND(K, T, DOM, ID)                                                             \
    VekStatus veksFFTGetSize_##K(int order, int flag, int hint, int* pSpecSize, int* pSpecBufferSize, \
                                 int* pBufferSize) {                                              \
        return get_size<T>(Domain::DOM, order, flag, pSpecSize, pSpecBufferSize, pBufferSize);    \
    }                                                                                             \
    VekStatus veksFFTInit_##K(VekFFTSpec_##K** ppSpec, int order, int flag, int hint, Vek8u* pSpec, \
                              Vek8u* pSpecBuffer) {                                               \
        return init_float_spec<T>(ID, Domain::DOM, reinterpret_cast<void**>(ppSpec), order, flag, hint, \
                                  pSpec, pSpecBuffer);                                            \
    }                                                                                             \
    VekStatus veksFFTInitAlloc_##K(VekFFTSpec_##K** ppSpec, int order, int flag, int hint) {      \
        return init_alloc_float_spec<T>(ID, Domain::DOM, reinterpret_cast<void**>(ppSpec), order, flag, hint); \
    }                                                                                             \
    VEKS_FFT_KIND_COMMON(K, T, ID)

// Split kinds: same sizes and build as their interleaved twin, new identifier.
#define VEKS_FFT_SPLIT_KIND(K, TWIN, T, ID)                                                      \
    VekStatus veksFFTGetSize_##K(int order, int flag, int hint, int* pSpecSize, int* pSpecBufferSize, \
                                 int* pBufferSize) {                                              \
        return veksFFTGetSize_##TWIN(order, flag, hint, pSpecSize, pSpecBufferSize, pBufferSize);  \
    }                                                                                             \
    VekStatus veksFFTInit_##K(VekFFTSpec_##K** ppSpec, int order, int flag, int hint, Vek8u* pSpec, \
                              Vek8u* pSpecBuffer) {                                               \
        return retag<T>(veksFFTInit_##TWIN(reinterpret_cast<VekFFTSpec_##TWIN**>(ppSpec), order, flag, \
                                           hint, pSpec, pSpecBuffer), ppSpec, ID);                \
    }                                                                                             \
    VekStatus veksFFTInitAlloc_##K(VekFFTSpec_##K** ppSpec, int order, int flag, int hint) {      \
        return retag<T>(veksFFTInitAlloc_##TWIN(reinterpret_cast<VekFFTSpec_##TWIN**>(ppSpec), order, flag, \
                                                hint), ppSpec, ID);                               \
    }                                                                                             \
    VEKS_FFT_KIND_COMMON(K, T, ID)

VEKS_FFT_KIND(C_32fc, float, Complex, kIdC32fc)
VEKS_FFT_KIND(R_32f, float, Real, kIdR32f)
VEKS_FFT_KIND(C_64fc, double, Complex, kIdC64fc)
VEKS_FFT_KIND(R_64f, double, Real, kIdR64f)
VEKS_FFT_SPLIT_KIND(C_32f, C_32fc, float, kIdC32f)
VEKS_FFT_SPLIT_KIND(C_64f, C_64fc, double, kIdC64f)
