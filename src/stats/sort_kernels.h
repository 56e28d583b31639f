// Sort kernels shared by the exported sorts and by other families that
// need to order a window of samples (the median filter).
//
// All lengths are element counts >= 1; no argument checks happen here.
#ifndef VEKS_STATS_SORT_KERNELS_H
#define VEKS_STATS_SORT_KERNELS_H

#include "veks.h"

namespace veks {

// In-place quicksort with an explicit stack of 32 segments; floats are
// ordered by bit pattern (-0 before +0, NaNs at the ends by sign).
// T: Vek8u, Vek16u, Vek16s, Vek32s, Vek32f, Vek64f.
template <class T>
void quick_sort(T* a, int len, bool descend);

// Quicksort that moves the original positions along with the values:
// on return idx[k] is where a[k] came from.
template <class T>
void quick_sort_index(T* a, int* idx, int len, bool descend);

// LSD radix sort through `tmp` (len elements). 32-bit and 64f keys split
// over two threads from their thresholds when the thread budget allows;
// the result is the same either way.
// T: Vek8u, Vek16u, Vek16s, Vek32u, Vek32s, Vek32f, Vek64f.
template <class T>
void radix_sort(T* a, T* tmp, int len, bool descend);

// Stable radix sort of indexes over keys read at byte offsets k * stride.
// T: Vek8u, Vek16u, Vek16s, Vek32u, Vek32s, Vek32f.
template <class T>
void radix_sort_index(const T* src, int stride, int* dst, int* tmp, int len, bool descend);

}  // namespace veks

// Short ascending bubble sorts for small windows: n - 1 passes of
// neighbour swaps; a count below 2 does nothing.
void ownveksVek32sSort(Vek32s* a, int n);
void ownveksVek32fSort(Vek32f* a, int n);
void ownveksVek64fSort(Vek64f* a, int n);

#endif
