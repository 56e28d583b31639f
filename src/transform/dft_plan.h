// The complex DFT of any length, as a plan built once and then run on any
// number of inputs. A plan picks one method for its length:
//
//   power of two  - a nested FFT specification;
//   factor        - mixed-radix decimation in time over the recorded
//                   factors, twiddles read from one base table;
//   direct        - O(N^2) sums over the same table (lengths without usable
//                   factors, up to the direct limit);
//   chirp         - Bluestein: the DFT as a convolution carried out with a
//                   nested plan of a well-factorable length M >= 2N - 1.
//
// Plans are read-only after build and never allocate while running: the
// caller supplies `work_elems()` complex values of scratch.
#ifndef VEKS_TRANSFORM_DFT_PLAN_H
#define VEKS_TRANSFORM_DFT_PLAN_H

#include <cstddef>
#include <cstdint>

#include "veks.h"

namespace veks {
namespace dft {

template <class T>
struct Cx {
    T re, im;
};

enum class Method : std::int32_t { Pow2 = 1, Factor = 2, Direct = 3, Chirp = 4 };

template <class T>
struct Plan {
    static constexpr int kMaxFactors = 32;

    std::int32_t n = 0;
    Method method = Method::Direct;
    std::int32_t nfactors = 0;             // factor method: factors[0..nfactors), last is the cofactor
    std::int32_t factors[kMaxFactors] = {};
    Cx<T>* base = nullptr;                 // exp(-2 pi i k / n), k < n
    void* fft = nullptr;                   // power of two: nested complex FFT specification
    std::int32_t fft_work_bytes = 0;
    std::int32_t m = 0;                    // chirp: convolution length
    Cx<T>* chirp = nullptr;                // exp(-pi i k^2 / n), k < n
    Cx<T>* kernel = nullptr;               // spectrum of the conjugate chirp, times 1/m
    Plan* nested = nullptr;                // chirp: plan of length m

    // Builds the plan for length n with the precision's method limits.
    // `fft_flag`/`hint` go to a nested FFT. Returns 0, -6 or -9; on failure
    // everything obtained is released.
    VekStatus build(int len, int fft_flag, int hint);
    void release();

    // Scratch the run needs, in complex values (src and dst distinct).
    std::size_t work_elems() const;
    // Unscaled transform (the nested FFT of the power-of-two method scales
    // by its own flag). src and dst must not overlap.
    VekStatus run(const Cx<T>* src, Cx<T>* dst, bool inverse, Cx<T>* work) const;
};

// Plan memory comes from the core allocator, like every other table.
template <class T>
Plan<T>* new_plan();
template <class T>
void delete_plan(Plan<T>* p);

}  // namespace dft
}  // namespace veks

#endif
