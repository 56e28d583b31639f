// Reference transforms for the FFT tests: a direct long double DFT and,
// when the FFTW libraries are installed, FFTW in long double (reference),
// single and double precision (the peer whose error sets our bound).
#ifndef VEKS_TESTS_FFT_REFERENCE_H
#define VEKS_TESTS_FFT_REFERENCE_H

#include <cmath>
#include <complex>
#include <vector>

#if defined(VEKS_HAVE_FFTW3) && defined(VEKS_HAVE_FFTW3F) && defined(VEKS_HAVE_FFTW3L)
#include <fftw3.h>
#define VEKS_TEST_FFTW 1
#endif

namespace ref {

using LC = std::complex<long double>;

// sign -1: forward, +1: inverse; unscaled.
inline std::vector<LC> direct_dft(const std::vector<LC>& x, int sign) {
    const std::size_t n = x.size();
    std::vector<LC> y(n);
    const long double pi = 3.141592653589793238462643383279502884L;
    for (std::size_t k = 0; k < n; ++k) {
        LC acc = 0;
        for (std::size_t j = 0; j < n; ++j) {
            const long double a = sign * 2 * pi * static_cast<long double>((j * k) % n) / n;
            acc += x[j] * LC(std::cos(a), std::sin(a));
        }
        y[k] = acc;
    }
    return y;
}

// The exact-as-we-can transform: FFTW long double when present, else the
// direct DFT (then keep the orders small).
inline std::vector<LC> dft(const std::vector<LC>& x, int sign) {
#ifdef VEKS_TEST_FFTW
    const int n = static_cast<int>(x.size());
    std::vector<LC> y(n);
    std::vector<LC> in(x);
    fftwl_plan p = fftwl_plan_dft_1d(n, reinterpret_cast<fftwl_complex*>(in.data()),
                                     reinterpret_cast<fftwl_complex*>(y.data()), sign, FFTW_ESTIMATE);
    fftwl_execute(p);
    fftwl_destroy_plan(p);
    return y;
#else
    return direct_dft(x, sign);
#endif
}

// Relative RMS distance of `got` (re, im pairs) from `want`.
template <class T>
long double rel_rms(const T* got, const std::vector<LC>& want, long double scale = 1) {
    long double num = 0, den = 0;
    for (std::size_t k = 0; k < want.size(); ++k) {
        const LC w = want[k] * scale;
        num += std::norm(LC(got[2 * k], got[2 * k + 1]) - w);
        den += std::norm(w);
    }
    return den > 0 ? std::sqrt(num / den) : std::sqrt(num);
}

// The error FFTW itself makes in precision T on the same input, or a
// generous fixed bound when FFTW is missing. Our bound is 1.5 times this.
// A normalised transform is compared with FFTW's output times the same
// scale rounded to T.
template <class T>
long double peer_error(const std::vector<LC>& x, int sign, const std::vector<LC>& want, long double scale = 1) {
    const int n = static_cast<int>(x.size());
#ifdef VEKS_TEST_FFTW
    if constexpr (sizeof(T) == 4) {
        std::vector<float> in(2 * n), out(2 * n);
        for (int i = 0; i < n; ++i) in[2 * i] = float(x[i].real()), in[2 * i + 1] = float(x[i].imag());
        fftwf_plan p = fftwf_plan_dft_1d(n, reinterpret_cast<fftwf_complex*>(in.data()),
                                         reinterpret_cast<fftwf_complex*>(out.data()), sign, FFTW_ESTIMATE);
        fftwf_execute(p);
        fftwf_destroy_plan(p);
        for (float& v : out) v *= static_cast<float>(scale);
        return rel_rms(out.data(), want, scale);
    } else {
        std::vector<double> in(2 * n), out(2 * n);
        for (int i = 0; i < n; ++i) in[2 * i] = double(x[i].real()), in[2 * i + 1] = double(x[i].imag());
        fftw_plan p = fftw_plan_dft_1d(n, reinterpret_cast<fftw_complex*>(in.data()),
                                       reinterpret_cast<fftw_complex*>(out.data()), sign, FFTW_ESTIMATE);
        fftw_execute(p);
        fftw_destroy_plan(p);
        for (double& v : out) v *= static_cast<double>(scale);
        return rel_rms(out.data(), want, scale);
    }
#else
    (void)want;
    const long double eps = sizeof(T) == 4 ? 6e-8L : 1.1e-16L;
    return eps * (1 + std::log2(static_cast<long double>(n)));
#endif
}

// Bound on our relative RMS error: 1.5 x the peer's, with a floor of a few
// units in the last place for the tiny lengths where both are exact (and
// where our scaling step is most of the error).
template <class T>
long double bound(long double peer) {
    return 1.5L * peer + (sizeof(T) == 4 ? 1e-8L : 2e-16L);
}

}  // namespace ref

#endif
