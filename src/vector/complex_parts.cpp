// De-interleave and interleave kernels, one per part type. Each block reads
// two registers of complex input (or one of each part) and writes the other
// side; scalar loops take the tails.
#include "complex_parts.h"

#include <tmmintrin.h>

#include <cstdint>

namespace veks {
namespace {

using VI = __m128i;

// Packet ops for each part type: deinterleave two registers of complex
// values into (re, im); interleave two part registers back.
template <class T>
struct Lanes;

template <>
struct Lanes<float> {
    static constexpr std::size_t n = 4;  // complex values per register pair -> per part register
    static void split(const float* s, float* re, float* im) {
        const __m128 a = _mm_loadu_ps(s), b = _mm_loadu_ps(s + 4);
        if (re) _mm_storeu_ps(re, _mm_shuffle_ps(a, b, _MM_SHUFFLE(2, 0, 2, 0)));
        if (im) _mm_storeu_ps(im, _mm_shuffle_ps(a, b, _MM_SHUFFLE(3, 1, 3, 1)));
    }
    static void join(const float* re, const float* im, float* d) {
        const __m128 r = re ? _mm_loadu_ps(re) : _mm_setzero_ps();
        const __m128 i = im ? _mm_loadu_ps(im) : _mm_setzero_ps();
        _mm_storeu_ps(d, _mm_unpacklo_ps(r, i));
        _mm_storeu_ps(d + 4, _mm_unpackhi_ps(r, i));
    }
};

template <>
struct Lanes<double> {
    static constexpr std::size_t n = 2;
    static void split(const double* s, double* re, double* im) {
        const __m128d a = _mm_loadu_pd(s), b = _mm_loadu_pd(s + 2);
        if (re) _mm_storeu_pd(re, _mm_unpacklo_pd(a, b));
        if (im) _mm_storeu_pd(im, _mm_unpackhi_pd(a, b));
    }
    static void join(const double* re, const double* im, double* d) {
        const __m128d r = re ? _mm_loadu_pd(re) : _mm_setzero_pd();
        const __m128d i = im ? _mm_loadu_pd(im) : _mm_setzero_pd();
        _mm_storeu_pd(d, _mm_unpacklo_pd(r, i));
        _mm_storeu_pd(d + 2, _mm_unpackhi_pd(r, i));
    }
};

template <>
struct Lanes<std::int16_t> {
    static constexpr std::size_t n = 8;
    static void split(const std::int16_t* s, std::int16_t* re, std::int16_t* im) {
        const VI a = _mm_loadu_si128(reinterpret_cast<const VI*>(s));
        const VI b = _mm_loadu_si128(reinterpret_cast<const VI*>(s + 8));
        // Sign-extended 32-bit lanes pack back to 16 bits without saturating.
        if (re) {
            const VI ra = _mm_srai_epi32(_mm_slli_epi32(a, 16), 16), rb = _mm_srai_epi32(_mm_slli_epi32(b, 16), 16);
            _mm_storeu_si128(reinterpret_cast<VI*>(re), _mm_packs_epi32(ra, rb));
        }
        if (im) {
            const VI ia = _mm_srai_epi32(a, 16), ib = _mm_srai_epi32(b, 16);
            _mm_storeu_si128(reinterpret_cast<VI*>(im), _mm_packs_epi32(ia, ib));
        }
    }
    static void join(const std::int16_t* re, const std::int16_t* im, std::int16_t* d) {
        const VI r = re ? _mm_loadu_si128(reinterpret_cast<const VI*>(re)) : _mm_setzero_si128();
        const VI i = im ? _mm_loadu_si128(reinterpret_cast<const VI*>(im)) : _mm_setzero_si128();
        _mm_storeu_si128(reinterpret_cast<VI*>(d), _mm_unpacklo_epi16(r, i));
        _mm_storeu_si128(reinterpret_cast<VI*>(d + 8), _mm_unpackhi_epi16(r, i));
    }
};

}  // namespace

template <class T>
void split_complex(const T* src, T* re, T* im, std::size_t len) {
    constexpr std::size_t n = Lanes<T>::n;
    std::size_t i = 0;
    for (; i + n <= len; i += n) Lanes<T>::split(src + 2 * i, re ? re + i : nullptr, im ? im + i : nullptr);
    for (; i < len; ++i) {
        if (re) re[i] = src[2 * i];
        if (im) im[i] = src[2 * i + 1];
    }
}

template <class T>
void join_complex(const T* re, const T* im, T* dst, std::size_t len) {
    constexpr std::size_t n = Lanes<T>::n;
    std::size_t i = 0;
    for (; i + n <= len; i += n) Lanes<T>::join(re ? re + i : nullptr, im ? im + i : nullptr, dst + 2 * i);
    for (; i < len; ++i) {
        dst[2 * i] = re ? re[i] : T(0);
        dst[2 * i + 1] = im ? im[i] : T(0);
    }
}

template void split_complex<float>(const float*, float*, float*, std::size_t);
template void split_complex<double>(const double*, double*, double*, std::size_t);
template void split_complex<std::int16_t>(const std::int16_t*, std::int16_t*, std::int16_t*, std::size_t);
template void join_complex<float>(const float*, const float*, float*, std::size_t);
template void join_complex<double>(const double*, const double*, double*, std::size_t);
template void join_complex<std::int16_t>(const std::int16_t*, const std::int16_t*, std::int16_t*, std::size_t);

}  // namespace veks
