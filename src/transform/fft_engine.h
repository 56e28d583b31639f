// The power-of-two FFT engine as the rest of the library uses it.
//
// A plan is a read-only view of the tables a specification holds (or of the
// built-in tables for the small orders); the functions below run complex
// and real transforms against it and never allocate. The public
// veksFFT* functions, and the DFT, DCT, Hilbert and FFT-based filters, all
// reach the same kernels through this interface:
//
//     const auto* spec = reinterpret_cast<const FloatSpec<float>*>(pSpec);
//     cfft(complex_plan(*spec), src, dst, /*inverse=*/false, scale_ptr);
#ifndef VEKS_TRANSFORM_FFT_ENGINE_H
#define VEKS_TRANSFORM_FFT_ENGINE_H

#include <cstdint>

namespace veks {
namespace fft {

template <class T>
struct LargePlan;  // fft_large.h

// One direction of the self-sorting transform of one order, resolved when a
// specification is built (fft_wide.h), so that a call reaches the passes of
// a short transform through a single indirect call.
template <class T>
using WideRun = void (*)(int order, const T* tw, const T* src, T* dst, T* scratch, const T* scale);

// A complex transform of length 2^order.
template <class T>
struct ComplexPlan {
    int order = 0;
    const std::int32_t* bitrev = nullptr;  // rev_{order-2}(g) for the N/4 groups
    const T* twiddle = nullptr;            // stage tables (float) or records (double)
    int tw_order = 0;                      // double: the order the records were built for
    int wide = 0;                          // self-sorting kernels (kWide* level) on wide-layout twiddles
    const LargePlan<T>* large = nullptr;   // the four-step plan of the long orders
    WideRun<T> wide_run[2] = {};           // forward and inverse kernels of the wide level
};

// A real transform of length 2^order: the half-length complex plan plus the
// recombination tables T_r[k] = (0.5 cos, 0.5 - 0.5 sin) and
// T_c[k] = (cos, -sin) of 2*pi*k/N, k < N/4.
template <class T>
struct RealPlan {
    int order = 0;
    ComplexPlan<T> half;
    const T* real_tw = nullptr;
    const T* ccs_tw = nullptr;
    bool small = false;  // order <= 5: computed as a full-length complex transform
};

// Plans of the orders that need no specification tables (complex order <= 5,
// `order` outside that range gives an empty plan); `wide` asks for the
// self-sorting path's tables at orders 4 and 5, for the kernels of that
// level (kWide*).
template <class T>
ComplexPlan<T> builtin_complex_plan(int order, int wide = 0);
template <class T>
const T* builtin_real_table(int order, bool ccs);

// Complex FFT, forward (exp(-i...)) or inverse (exp(+i...)), interleaved or
// split data; src may equal dst. `scale` null means unscaled, otherwise
// every output is multiplied by *scale. `work` (32-byte aligned, N complex
// values, or null) is scratch: wide plans run through it (or through a
// scratch of their own when it is null), single precision orders 6 to 17
// of the other plans run in split form there.
constexpr int kSplitBufferUpTo = 17;
template <class T>
void cfft(const ComplexPlan<T>& plan, const T* src, T* dst, bool inverse, const T* scale, T* work = nullptr);
template <class T>
void cfft_split(const ComplexPlan<T>& plan, const T* src_re, const T* src_im, T* dst_re, T* dst_im,
                bool inverse, const T* scale);

// Real forward FFT of 2^order values into the Perm layout (src may equal
// dst); `work` as for cfft at the half length.
template <class T>
void rfft_to_perm(const RealPlan<T>& plan, const T* src, T* dst, const T* scale, T* work = nullptr);
// Inverse real FFT of a Perm spectrum held in `data`, in place.
template <class T>
void rfft_from_perm(const RealPlan<T>& plan, T* data, const T* scale, T* work = nullptr);

// The three packed layouts of a real spectrum.
enum class Packed { Perm, Pack, CCS };
// Rewrites a Perm spectrum of n reals held in d (room for n + 2 for CCS)
// into `to`, in place.
template <class T>
void perm_to(Packed to, T* d, int n);
// Writes the Perm form of a packed spectrum `src` into dst (may be equal).
template <class T>
void to_perm(Packed from, const T* src, T* dst, int n);
// Inverse real FFT of a packed spectrum into 2^order reals at dst (may
// equal src); `work` as for rfft_to_perm.
template <class T>
void rfft_from_packed(const RealPlan<T>& plan, Packed from, const T* src, T* dst, const T* scale,
                      T* work = nullptr);

}  // namespace fft
}  // namespace veks

#endif
