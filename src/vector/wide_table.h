// The element-wise kernels that have wider variants than the baseline:
// one table of entry points per instruction set (AVX2, AVX-512), chosen
// once on first use. Every entry gives the bits of the baseline kernel it
// replaces (the same IEEE operation per element, no fused multiply-add),
// and accepts any len >= 1.
//
// This header declares plain function pointers only, so that the files
// compiled for a wider instruction set can include it safely.
#ifndef VEKS_VECTOR_WIDE_TABLE_H
#define VEKS_VECTOR_WIDE_TABLE_H

#include <cstddef>
#include <cstdint>

#include "veks.h"

namespace veks {

// Real floating-point element operations; RSub is b - a.
enum class FOp { Add, Sub, RSub, Mul };

// Scaled integer operations; RSub is b - a.
enum class IntOp { Add, Sub, Mul, RSub };

// Float-to-integer rounding: toward zero or to nearest under the
// direction the caller set in MXCSR, or half away from zero.
enum class WideRnd { Current, HalfAway };

// The quotient 0/0 of the real divisions.
constexpr std::uint32_t kNan00_32f = 0x7FBFFFFFu;
constexpr std::uint64_t kNan00_64f = 0x7FF8000000000000ull;

struct WideKernels {
    using idx = std::ptrdiff_t;

    // dst = op(a, b).
    void (*map_32f)(FOp, const float* a, const float* b, float* dst, idx len);
    void (*map_64f)(FOp, const double* a, const double* b, double* dst, idx len);
    // dst = op(a, c) where c alternates even, odd, even... from index 0
    // (even == odd for a real constant).
    void (*map_c_32f)(FOp, const float* a, float even, float odd, float* dst, idx len);
    void (*map_c_64f)(FOp, const double* a, double even, double odd, double* dst, idx len);
    // acc += a * b, or a * bc when b is null; acc overlaps no source.
    void (*add_product_32f)(const float* a, const float* b, float bc, float* acc, idx len);
    void (*add_product_64f)(const double* a, const double* b, double bc, double* acc, idx len);
    // dst = (acc ? dst : 0) + a * b, complex, b null meaning the constant bc.
    void (*cmul_32fc)(bool acc, const Vek32fc* a, const Vek32fc* b, Vek32fc bc, Vek32fc* dst, idx len);
    void (*cmul_64fc)(bool acc, const Vek64fc* a, const Vek64fc* b, Vek64fc bc, Vek64fc* dst, idx len);
    // dst = x / d with the zero-divisor results; returns nonzero when some
    // divisor was zero.
    int (*div_32f)(const float* d, const float* x, float* dst, idx len);
    int (*div_64f)(const double* d, const double* x, double* dst, idx len);

    // Signed 16-bit a op b (b null: the constant bval) scaled by 2^-sf with
    // ties to even and saturation; sf <= bound_at is the sign-only path.
    void (*run16s)(IntOp, const Vek16s* a, const Vek16s* b, Vek16s bval, Vek16s* dst, idx len, int sf,
                   int bound_at);

    // The same on signed 32-bit elements (exact results in 64 bits).
    void (*run32s)(IntOp, const Vek32s* a, const Vek32s* b, Vek32s bval, Vek32s* dst, idx len, int sf,
                   int bound_at);

    // Integer to single, times m when scaled.
    void (*cvt_16s32f)(const Vek16s* src, float* dst, idx len, bool scaled, float m);
    void (*cvt_8u32f)(const Vek8u* src, float* dst, idx len);
    // Single to integer: times m when scaled, then clamped and rounded.
    void (*cvt_32f16s)(WideRnd, const float* src, Vek16s* dst, idx len, bool scaled, float m);
    void (*cvt_32f8u)(WideRnd, const float* src, Vek8u* dst, idx len, bool scaled, float m);
    // dst = max(level, src): the less-than threshold (NaN kept).
    void (*threshold_lt_32f)(const float* src, float* dst, idx len, float level);
};

const WideKernels& wide_kernels_avx2();
const WideKernels& wide_kernels_avx512();

// The table of the widest instruction set this processor offers, or null
// when only the baseline is available (or VEKS_CPU_CAP keeps it there).
const WideKernels* wide_kernels();

}  // namespace veks

#endif
