// The FFT path of the float single-rate FIR: overlap-save with the tap
// spectrum kept in the state.
#ifndef VEKS_FILTER_FIR_OVERLAP_SAVE_H
#define VEKS_FILTER_FIR_OVERLAP_SAVE_H

#include "filter/fir_state.h"

namespace veks {
namespace fir {

// FFT sizes for a state of tapsLen taps: {order, specSize, specBufSize,
// workSize}; false when this tap type or length runs direct only.
template <class T>
bool fft_sizes(int tapsLen, int out[4]);

// Builds the specification inside the state (Init) or by the transform's
// own allocation (InitAlloc, specMem null), then the tap spectrum. On any
// failure the state is left without FFT (fftLen -1) and, for InitAlloc, the
// failing status is returned.
template <class T>
VekStatus fft_attach(State<T>* s, Vek8u* specMem, Vek8u* specBuf);

// Recomputes the tap spectrum from the reversed tap table.
template <class T>
VekStatus fft_spectrum(State<T>* s);

// Releases a specification that has its own block.
template <class T>
void fft_release(State<T>* s);

// The InitAlloc form: makes the specification first so that its work size
// sizes the state block. Returns the status of the transform calls.
template <class T>
VekStatus fft_alloc_spec(int tapsLen, void** spec, int out[4]);
template <class T>
void fft_free_spec(void* spec);

// Overlap-save over numIters samples; the history comes from and goes back
// to the delay buffer.
template <class T>
VekStatus fft_block(State<T>* s, const T* src, T* dst, int n);

}  // namespace fir
}  // namespace veks

#endif
