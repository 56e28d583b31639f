// Forward and inverse complex FFT of 256 points with the C++ layer: the
// specification and the work buffer are owned, lengths come from the
// vectors, and any error arrives as a veks::error.
#include <veks.hpp>

#include <cmath>
#include <complex>
#include <cstdio>
#include <vector>

int main() try {
    const int order = 8, n = 1 << order;
    // The inverse divides by n, so a round trip returns the input.
    auto spec = veks::init_alloc_or_throw(veksFFTInitAlloc_C_32fc, order, VEK_FFT_SCALE_INV_N, vekAlgHintNone);
    int bufSize = 0;
    veks::call_or_throw(veksFFTGetBufSize_C_32fc, spec, &bufSize);
    auto work = veks::allocate_or_throw<Vek8u>(bufSize);

    std::vector<std::complex<float>> x(n), spectrum(n), back(n);
    for (int i = 0; i < n; ++i) x[i] = {std::cos(0.3f * i), std::sin(0.05f * i * i)};

    // std::complex<float> vectors stand for Vek32fc ones: same layout.
    veks::call_or_throw(veksFFTFwd_CToC_32fc, x, spectrum, spec, work);
    veks::call_or_throw(veksFFTInv_CToC_32fc, spectrum, back, spec, work);

    // Bin 0 of the forward transform is the plain sum of the input.
    std::complex<double> sum = 0;
    for (auto v : x) sum += std::complex<double>(v);
    double worst = std::abs(std::complex<double>(spectrum[0]) - sum) / n;
    for (int i = 0; i < n; ++i) worst = std::fmax(worst, std::abs(back[i] - x[i]));
    std::printf("FFT round trip of %d points: largest error %.3g\n", n, worst);
    return worst < 1e-5 ? 0 : 1;
} catch (const veks::error& e) {
    std::printf("%s\n", e.what());
    return 2;
}
