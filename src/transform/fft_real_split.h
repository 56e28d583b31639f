// The recombination pass of the real FFT on AVX2 and FMA (chosen at run
// time; fft_real.cpp keeps the SSE pass as the baseline).
#ifndef VEKS_TRANSFORM_FFT_REAL_SPLIT_H
#define VEKS_TRANSFORM_FFT_REAL_SPLIT_H

#include <cstddef>

namespace veks {
namespace fft {

// Recombines the pairs (k, m - k), 1 <= k < m/2, of the m complex values at
// `in` into `out` (may be equal) with the table tw: the forward split with
// the halved recombination table, or the inverse with the CCS table.
template <class T>
void avx2_real_split(const T* in, T* out, const T* tw, std::ptrdiff_t m, bool inverse);

// The forward recombination, in place, of a[i] with its partner b[-i]
// (complex indices) for lo <= i < hi, where a[i] = Z[k] and b[-i] = Z[M-k]:
// the pairs of two mirrored rows of a four-step transform. The twiddle
// exp(-2 pi i k / 2M) is formed as rot * v[i], rot also carrying the
// factor i/2 of the recombination.
template <class T>
void avx2_real_split_mirror(T* a, T* b, const T* v, const T* rot, std::ptrdiff_t lo, std::ptrdiff_t hi);

}  // namespace fft
}  // namespace veks

#endif
