// The long complex transforms (2^19 to 2^22 points) on processors with AVX2
// and FMA, in a cache-blocked four-step order. With N = N1 x M (N1 = M for
// even orders, 2M for odd ones) the data are an N1 x M matrix, and
//
//  1. column pass: strips of a few adjacent columns are gathered into the
//     work buffer, transformed there over their N1 rows (radix-4
//     decimation in frequency, bit-reversed result), multiplied by the
//     twiddles w_N^(column * row) and scattered back, each result row to
//     the memory row that the last step expects;
//  2. row pass: every row of M values is transformed in place by the
//     self-sorting kernels, which also scale;
//  3. the M x M matrix (two of them, rows interleaved, for odd orders) is
//     transposed in place, which leaves the spectrum in natural order.
//
// The real forward transform runs the same steps with the recombination of
// the pairs (k, N - k) done on mirrored rows in the row pass.
//
// Each step keeps its working set (one strip, one row, one tile pair) in
// the caches, so the whole array is streamed three times, whatever N is.
#ifndef VEKS_TRANSFORM_FFT_LARGE_H
#define VEKS_TRANSFORM_FFT_LARGE_H

#include <cstddef>
#include <cstdint>

#include "fft_tables.h"

namespace veks {
namespace fft {

// Complex orders the four-step path serves. Below them the data stay in
// the last-level cache and the self-sorting path is faster; above them the
// work buffers are too small for a strip of the longer columns.
template <class T>
constexpr bool large_order(int order) {
    return order >= 19 && order <= 22;
}

// The plan, laid in the specification memory with its tables behind it.
template <class T>
struct LargePlan {
    int order;              // log2 N
    int rows;               // log2 N1
    int cols;               // log2 M
    int row_kernel;         // kWide* level of the row transforms
    const T* col_tw;        // w_N1^e, e < N1, as (re, im)
    const T* row_tw;        // wide twiddle table of order `cols`
    // The twiddle w_N^(c * k) of column c in memory row r (frequency k) is
    // coarse[c / F][r] * fine[r][c % F], F = fine_cols.
    const T* coarse;
    const T* fine;
    int fine_cols;
    const std::int32_t* from;  // the strip row (bit-reversed frequency) that memory row r takes
};

// Builds the plan of `order` at `mem` (32-byte aligned) and returns the
// first byte behind it.
template <class T>
unsigned char* build_large_plan(const SineBase<T>& base, int order, unsigned char* mem, const LargePlan<T>** plan);

// The transform from src to dst (may be equal), scaled by *scale unless
// null. `work` is the specification's work buffer (32-byte aligned, the
// reported size) or null.
template <class T>
void large_cfft(const LargePlan<T>& p, const T* src, T* dst, bool inverse, const T* scale, T* work);

// The real forward transform of the 2N reals at src, read as N complex
// values, through the plan of length N, into dst (may equal src) in the
// Perm layout: the transform, then every pair (k, N - k) recombined.
// `ccs_tw` holds exp(-2 pi i k / 2N), k < N/2.
template <class T>
void large_rfft(const LargePlan<T>& p, const T* src, T* dst, const T* scale, T* work, const T* ccs_tw);

// The AVX2 kernels (fft_large_avx2.cpp). One strip of `width` columns
// starting at column c0 through buf (N1 * width complex values).
template <class T>
void large_column_strip(const LargePlan<T>& p, const T* src, T* dst, std::ptrdiff_t c0, std::ptrdiff_t width,
                        T* buf, bool inverse);
// In-place transpose of the n x n complex matrix at a with row stride
// `stride` complex values.
template <class T>
void large_transpose(T* a, std::ptrdiff_t n, std::ptrdiff_t stride);

}  // namespace fft
}  // namespace veks

#endif
