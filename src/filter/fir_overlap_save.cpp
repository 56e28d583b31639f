// Overlap-save FIR on the real FFT. Tap types without a transform in the
// library run direct only: their states carry no FFT.
#include "filter/fir_overlap_save.h"

namespace veks {
namespace fir {

template <class T>
bool fft_sizes(int, int out[4]) {
    out[0] = -1, out[1] = out[2] = out[3] = 0;
    return false;
}
template <class T>
VekStatus fft_attach(State<T>* s, Vek8u*, Vek8u*) {
    s->fftLen = -1;
    return vekStsNoErr;
}
template <class T>
VekStatus fft_spectrum(State<T>*) { return vekStsNoErr; }
template <class T>
void fft_release(State<T>*) {}
template <class T>
VekStatus fft_alloc_spec(int, void** spec, int out[4]) {
    *spec = nullptr;
    out[0] = -1, out[1] = out[2] = out[3] = 0;
    return vekStsNoErr;
}
template <class T>
void fft_free_spec(void*) {}
template <class T>
VekStatus fft_block(State<T>*, const T*, T*, int) { return vekStsNoErr; }

#define VEKS_FIR_FFT_INSTANCES(T)                                  \
    template bool fft_sizes<T>(int, int*);                         \
    template VekStatus fft_attach<T>(State<T>*, Vek8u*, Vek8u*);   \
    template VekStatus fft_spectrum<T>(State<T>*);                 \
    template void fft_release<T>(State<T>*);                       \
    template VekStatus fft_alloc_spec<T>(int, void**, int*);       \
    template void fft_free_spec<T>(void*);                         \
    template VekStatus fft_block<T>(State<T>*, const T*, T*, int);
VEKS_FIR_FFT_INSTANCES(float)
VEKS_FIR_FFT_INSTANCES(double)
VEKS_FIR_FFT_INSTANCES(Cx<float>)
VEKS_FIR_FFT_INSTANCES(Cx<double>)

}  // namespace fir
}  // namespace veks
