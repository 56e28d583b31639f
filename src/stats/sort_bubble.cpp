// Bubble sorts for the short windows of the median filter, where a fixed
// sequence of neighbour compares beats any setup cost.
#include <utility>

#include "sort_kernels.h"

namespace {

template <class T>
void bubble_ascend(T* a, int n) {
    for (int p = 0; p < n - 1; ++p)
        for (int k = 0; k < n - 1 - p; ++k)
            if (a[k] > a[k + 1]) std::swap(a[k], a[k + 1]);
}

}  // namespace

void ownveksVek32sSort(Vek32s* a, int n) { bubble_ascend(a, n); }
void ownveksVek32fSort(Vek32f* a, int n) { bubble_ascend(a, n); }
void ownveksVek64fSort(Vek64f* a, int n) { bubble_ascend(a, n); }
