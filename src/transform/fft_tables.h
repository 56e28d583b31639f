// Construction of the FFT tables from a quarter-wave sine table.
#ifndef VEKS_TRANSFORM_FFT_TABLES_H
#define VEKS_TRANSFORM_FFT_TABLES_H

#include <cstdint>

namespace veks {
namespace fft {

// base[k] = sin(2*pi*k/2^order), k = 0..2^order/4; every twiddle of a
// transform of order <= `order` is read from it by symmetry.
template <class T>
struct SineBase {
    const T* base;
    int order;
    // (cos, -sin) of 2*pi*e/2^m for 0 <= e < 2^m.
    void twiddle(std::int64_t e, int m, T& re, T& im) const;
};

// The built-in base of order 10, or one computed into `mem` (N/4 + 1
// values) for larger orders.
template <class T>
SineBase<T> make_base(int order, T* mem);

// Group bit-reversal table rev_{order-2}(g), g < N/4, followed by a zero.
// Returns the number of entries written.
std::int64_t build_bitrev(int order, std::int32_t* out);

// Twiddles of a complex plan of the given order; returns values written.
// float: one table per radix-4 stage; double: N/4 records (w^k, w^2k, w^3k).
template <class T>
std::int64_t build_twiddles(const SineBase<T>& b, int order, T* out);

// The wide twiddle table of an order for the kernels of a kWide* level
// (see fft_wide.h); returns values written: 3N/2, and where spec_table
// asks for the parts that only a specification's own kernels read, N/2
// more for the radix-8 first pass (first8_table) and 3N/8 for the pass
// table (pass_table).
template <class T>
std::int64_t build_wide_twiddles(const SineBase<T>& b, int order, int level, T* out, bool spec_table = false);

// Real recombination (0.5 cos, 0.5 - 0.5 sin) or inverse (cos, -sin)
// records of 2*pi*k/N, k < N/4 (at least one record).
template <class T>
std::int64_t build_real_table(const SineBase<T>& b, int order, bool ccs, T* out);

}  // namespace fft
}  // namespace veks

#endif
