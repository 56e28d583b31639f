// Window-method FIR design: the ideal (sinc) response of the band, a
// window, and an optional scaling to unit gain at the reference frequency.
#include <cmath>

#include "core/check.h"
#include "veks.h"
#include "window_kernels.h"

namespace veks {
namespace {

constexpr double kPi = 3.14159265358979323846;

enum class Band { Low, High, Pass, Stop };

// Ideal low-pass response h[n] = sin(2 pi fc (n-M)) / (pi (n-M)) added
// `sign` times into taps; M = (len-1)/2, the centre (odd len) is 2 fc.
void add_lowpass(double fc, double sign, double* h, int len) {
    const double mid = (len - 1) / 2.0;
    for (int n = 0; n < len / 2; ++n) {
        const double t = n - mid;
        const double v = sign * std::sin(2.0 * kPi * fc * t) / (kPi * t);
        h[n] += v;
        h[len - 1 - n] += v;
    }
    if (len % 2 == 1) h[len / 2] += sign * 2.0 * fc;
}

// Even-length high-pass: the antisymmetric response whose first half is
// cos(2 pi fc (k+1/2)) / (pi (k+1/2)), k = len/2 - 1 - n.
void even_highpass(double fc, double* h, int len) {
    const int half = len / 2;
    for (int n = 0; n < half; ++n) {
        const double k = half - 1 - n + 0.5;
        h[n] = std::cos(2.0 * kPi * fc * k) / (kPi * k);
        h[len - 1 - n] = -h[n];
    }
}

void apply_design_window(VekWinType type, double* h, int len) {
    WinKind kind;
    double alpha = 0.0;
    switch (static_cast<int>(type)) {
    case 0: kind = WinKind::Bartlett; break;
    case 1: kind = WinKind::Blackman; alpha = blackman_opt_alpha(len); break;
    case 2: kind = WinKind::Hamming; break;
    case 3: kind = WinKind::Hann; break;
    default: return;  // no window
    }
    apply_window(WindowShape{kind, len, alpha}, h, h, 1);
}

// The gain whose magnitude the taps are divided by.
double reference_gain(Band band, const double* h, int len, double f0) {
    const double mid = (len - 1) / 2.0;
    double g = 0.0;
    switch (band) {
    case Band::Low:
    case Band::Stop:
        for (int n = 0; n < len; ++n) g += h[n];
        return g;
    case Band::High:
        if (len % 2 == 0) {
            for (int n = 0; n < len / 2; ++n) g += (n % 2 == 0 ? -h[n] : h[n]);
            return 2.0 * g;
        }
        for (int n = 0; n < len; ++n) g += ((n - len / 2) % 2 == 0 ? h[n] : -h[n]);
        return g;
    case Band::Pass:
        for (int n = 0; n < len; ++n) g += h[n] * std::cos(2.0 * kPi * f0 * (n - mid));
        return g;
    }
    return g;
}

VekStatus design(Band band, double lo, double hi, double* h, int len, VekWinType win, int normal) {
    VEKS_CHECK(check_ptrs(h));
    const bool two = band == Band::Pass || band == Band::Stop;
    const bool bad_freq = !(lo > 0.0 && lo < 0.5) || (two && (!(hi > 0.0 && hi < 0.5) || lo >= hi));
    VEKS_CHECK(check_param(len < 5 || bad_freq, vekStsSizeErr));
    for (int n = 0; n < len; ++n) h[n] = 0.0;
    switch (band) {
    case Band::Low: add_lowpass(lo, 1.0, h, len); break;
    case Band::High:
        if (len % 2 == 0) {
            even_highpass(lo, h, len);
        } else {  // a unit impulse minus the low-pass
            add_lowpass(lo, -1.0, h, len);
            h[len / 2] += 1.0;
        }
        break;
    case Band::Pass:
        add_lowpass(hi, 1.0, h, len);
        add_lowpass(lo, -1.0, h, len);
        break;
    case Band::Stop:
        // The band-limited impulse (a low-pass at 0.5) minus the band-pass:
        // the centre is 1 - 2 (hi - lo) for odd lengths, symmetric for even.
        add_lowpass(0.5, 1.0, h, len);
        add_lowpass(hi, -1.0, h, len);
        add_lowpass(lo, 1.0, h, len);
        break;
    }
    apply_design_window(win, h, len);
    if (normal) {
        const double g = std::fabs(reference_gain(band, h, len, (lo + hi) / 2.0));
        const double r = 1.0 / g;
        for (int n = 0; n < len; ++n) h[n] *= r;
    }
    return vekStsNoErr;
}

}  // namespace
}  // namespace veks

using namespace veks;

VekStatus veksFIRGenLowpass_64f(Vek64f rFreq, Vek64f* pTaps, int tapsLen, VekWinType winType, int doNormal) {
    return design(Band::Low, rFreq, 0.0, pTaps, tapsLen, winType, doNormal);
}
VekStatus veksFIRGenHighpass_64f(Vek64f rFreq, Vek64f* pTaps, int tapsLen, VekWinType winType, int doNormal) {
    return design(Band::High, rFreq, 0.0, pTaps, tapsLen, winType, doNormal);
}
VekStatus veksFIRGenBandpass_64f(Vek64f rLowFreq, Vek64f rHighFreq, Vek64f* pTaps, int tapsLen,
                                 VekWinType winType, int doNormal) {
    return design(Band::Pass, rLowFreq, rHighFreq, pTaps, tapsLen, winType, doNormal);
}
VekStatus veksFIRGenBandstop_64f(Vek64f rLowFreq, Vek64f rHighFreq, Vek64f* pTaps, int tapsLen,
                                 VekWinType winType, int doNormal) {
    return design(Band::Stop, rLowFreq, rHighFreq, pTaps, tapsLen, winType, doNormal);
}
