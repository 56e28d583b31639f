// Run-time choice between the AVX2 and SSE2 single-precision kernels.
#include "core/cpu.h"
#include "math_fdrive.h"
#include "math_float.h"

namespace veks {

void exp_32f(const float* src, float* dst, int len) {
    if (cpu_info().avx2) return exp_32f_avx2(src, dst, len);
    fmap<SseF, ExpF>(src, dst, len);
}
void atan_32f(const float* src, float* dst, int len) {
    if (cpu_info().avx2) return atan_32f_avx2(src, dst, len);
    fmap<SseF, AtanF>(src, dst, len);
}
int ln_32f(const float* src, float* dst, int len) {
    if (cpu_info().avx2) return ln_32f_avx2(src, dst, len);
    return fmap_flagged<SseF, LnF>(src, dst, len);
}
void phase_32f(const float* re, const float* im, float* dst, int len) {
    if (cpu_info().avx2) return phase_32f_avx2(re, im, dst, len);
    fmap2<SseF, PhaseF>(re, im, dst, len);
}

}  // namespace veks
