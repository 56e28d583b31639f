// The sixteen float partials of the single-precision dot product in two
// 256-bit registers: lane k of the pair holds exactly the sums of the
// four-packet loop (elements k mod 16, in order, products rounded before
// each sum), so the bits match; the loop just issues half the loads and
// adds. Reached only after the run-time AVX2 check.
#include <immintrin.h>

#include "reduce_dot.h"

namespace veks {

std::size_t dot_32f_partials_avx2(const float* a, const float* b, std::size_t n, float* p) {
    __m256 s0 = _mm256_setzero_ps(), s1 = s0;
    std::size_t i = 0;
    for (; i + 16 <= n; i += 16) {
        s0 = _mm256_add_ps(s0, _mm256_mul_ps(_mm256_loadu_ps(a + i), _mm256_loadu_ps(b + i)));
        s1 = _mm256_add_ps(s1, _mm256_mul_ps(_mm256_loadu_ps(a + i + 8), _mm256_loadu_ps(b + i + 8)));
    }
    _mm256_storeu_ps(p, s0);
    _mm256_storeu_ps(p + 8, s1);
    return i;
}

}  // namespace veks
