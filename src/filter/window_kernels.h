// Symmetric window tapers: weight generators and the kernel that applies a
// weight to element n and to its mirror len-1-n in one pass.
#ifndef VEKS_FILTER_WINDOW_KERNELS_H
#define VEKS_FILTER_WINDOW_KERNELS_H

#include <cstdint>

namespace veks {

enum class WinKind { Bartlett, Hann, Hamming, Blackman, Kaiser };

// A window of length len: its kind and, for Blackman and Kaiser, alpha.
struct WindowShape {
    WinKind kind;
    int len;
    double alpha;
};

// alpha of the optimal Blackman window of length len (>= 4).
double blackman_opt_alpha(int len);

// Modified Bessel function I0 by the Abramowitz-Stegun polynomials.
double bessel_i0(double x);

// Multiplies the len elements of src (channels interleaved parts per
// element: 1 real, 2 complex) by the window into dst, which may equal src;
// every product is further multiplied by `scale` (a power of two).
void apply_window(const WindowShape& w, const float* src, float* dst, int channels);
void apply_window(const WindowShape& w, const double* src, double* dst, int channels);
void apply_window(const WindowShape& w, const std::int16_t* src, std::int16_t* dst, int channels,
                  double scale = 1.0);

}  // namespace veks

#endif
