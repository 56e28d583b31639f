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

}  // namespace

#define VEKS_FFT_KIND_COMMON(K, T, ID)                                                          \
    VekStatus veksFFTFree_##K(VekFFTSpec_##K* pSpec) { return free_float_spec<T>(ID, pSpec); }   \
    VekStatus veksFFTGetBufSize_##K(const VekFFTSpec_##K* pSpec, int* pBufferSize) {             \
        return float_buf_size<T>(ID, pSpec, pBufferSize);                                        \
    }

#define VEKS_FFT_KIND(K, T, DOM, ID, SPLIT)                                                             \
    VekStatus veksFFTGetSize_##K(int order, int flag, int hint, int* pSpecSize, int* pSpecBufferSize, \
                                 int* pBufferSize) {                                              \
        return get_size<T>(Domain::DOM, order, flag, pSpecSize, pSpecBufferSize, pBufferSize);    \
    }                                                                                             \
    VekStatus veksFFTInit_##K(VekFFTSpec_##K** ppSpec, int order, int flag, int hint, Vek8u* pSpec, \
                              Vek8u* pSpecBuffer) {                                               \
        return init_float_spec<T>(ID, Domain::DOM, reinterpret_cast<void**>(ppSpec), order, flag, hint, \
                                  pSpec, pSpecBuffer, SPLIT);                                     \
    }                                                                                             \
    VekStatus veksFFTInitAlloc_##K(VekFFTSpec_##K** ppSpec, int order, int flag, int hint) {      \
        return init_alloc_float_spec<T>(ID, Domain::DOM, reinterpret_cast<void**>(ppSpec), order, flag, hint, \
                                        SPLIT);                                                   \
    }                                                                                             \
    VEKS_FFT_KIND_COMMON(K, T, ID)

// The split kinds have the sizes of their interleaved twin.
VEKS_FFT_KIND(C_32fc, float, Complex, kIdC32fc, false)
VEKS_FFT_KIND(R_32f, float, Real, kIdR32f, false)
VEKS_FFT_KIND(C_64fc, double, Complex, kIdC64fc, false)
VEKS_FFT_KIND(R_64f, double, Real, kIdR64f, false)
VEKS_FFT_KIND(C_32f, float, Complex, kIdC32f, true)
VEKS_FFT_KIND(C_64f, double, Complex, kIdC64f, true)
