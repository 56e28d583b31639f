// A 31-tap low-pass FIR filter run over a signal in blocks: the state is
// owned, keeps its delay line between blocks, and is released on return.
#include <veks.hpp>

#include <cmath>
#include <cstdio>
#include <vector>

int main() try {
    const int tapsLen = 31, blocks = 4, blockLen = 200;
    const double pi = 3.14159265358979323846;
    std::vector<Vek32f> taps(tapsLen);
    for (int j = 0; j < tapsLen; ++j) {  // windowed sinc, cut-off at a tenth of the rate
        const double t = j - (tapsLen - 1) / 2.0;
        const double sinc = t == 0 ? 0.2 : std::sin(0.2 * pi * t) / (pi * t);
        taps[j] = static_cast<Vek32f>(sinc * (0.54 - 0.46 * std::cos(2 * pi * j / (tapsLen - 1))));
    }
    // The delay line pointer is null: the filter starts from silence.
    auto state = veks::init_alloc_or_throw(veksFIRInitAlloc_32f, taps, nullptr);

    std::vector<Vek32f> x(blocks * blockLen), y(x.size());
    for (std::size_t i = 0; i < x.size(); ++i) x[i] = static_cast<Vek32f>(std::sin(0.05 * i) + std::sin(2.5 * i));

    for (int b = 0; b < blocks; ++b) {
        veks::span<const Vek32f> in(x.data() + b * blockLen, blockLen);
        veks::span<Vek32f> out(y.data() + b * blockLen, blockLen);
        veks::call_or_throw(veksFIR_32f, in, out, state);
    }

    // The same convolution written out, in double precision.
    double worst = 0;
    for (std::size_t n = 0; n < x.size(); ++n) {
        double acc = 0;
        for (int j = 0; j < tapsLen && j <= static_cast<int>(n); ++j) acc += double(taps[j]) * x[n - j];
        worst = std::fmax(worst, std::fabs(acc - y[n]));
    }
    std::printf("FIR of %d taps over %zu samples: largest error %.3g\n", tapsLen, x.size(), worst);
    return worst < 1e-4 ? 0 : 1;
} catch (const veks::error& e) {
    std::printf("%s\n", e.what());
    return 2;
}
