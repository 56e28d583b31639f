// IIR design from the Butterworth or Chebyshev type I analog prototype by
// the bilinear transform s = 4 (z-1)/(z+1), prewarped to the cut-off.
#include <cmath>
#include <complex>

#include "core/check.h"
#include "veks.h"

namespace veks {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kMaxOrder = 12;
using cplx = std::complex<double>;

// Poles of the unit-cut-off prototype, conjugate pairs first and the real
// pole (odd order) last.
void prototype_poles(int order, bool cheby, double eps, cplx* p) {
    int k = 0;
    if (!cheby) {
        for (int i = 0; i < order / 2; ++i) {
            const double ang = kPi / 2.0 + (2 * i + 1) * kPi / (2.0 * order);
            p[k++] = cplx(std::cos(ang), std::sin(ang));
            p[k++] = cplx(std::cos(ang), -std::sin(ang));
        }
        if (order % 2) p[k++] = cplx(-1.0, 0.0);
        return;
    }
    const double ie = 1.0 / eps;
    const double mu = std::log(ie + std::sqrt(ie * ie + 1.0)) / order;
    for (int i = 0; i < order / 2; ++i) {
        const double th = (2 * i + 1) * kPi / (2.0 * order);
        const double re = -std::sinh(mu) * std::sin(th), im = std::cosh(mu) * std::cos(th);
        p[k++] = cplx(re, im);
        p[k++] = cplx(re, -im);
    }
    if (order % 2) p[k++] = cplx(-std::sinh(mu), 0.0);
}

// Monic polynomial with the given roots, coefficients of z^0, z^-1, ...
void poly_from_roots(const cplx* r, int n, double* a) {
    cplx c[kMaxOrder + 1] = {};
    c[0] = 1.0;
    for (int i = 0; i < n; ++i)
        for (int j = i + 1; j >= 1; --j) c[j] -= r[i] * c[j - 1];
    for (int j = 0; j <= n; ++j) a[j] = c[j].real();
}

VekStatus design(bool high, double rFreq, double ripple, int order, double* taps, VekIIRFilterType type) {
    VEKS_CHECK(check_ptrs(taps));
    VEKS_CHECK(check_param(!(rFreq > 0.0 && rFreq < 0.5), vekStsIIRGenFreqErr));
    VEKS_CHECK(check_param(order < 1 || order > kMaxOrder, vekStsIIRGenOrderErr));
    if (type != vekButterworth && type != vekChebyshev1) return vekStsNoErr;
    const bool cheby = type == vekChebyshev1;
    if (cheby) VEKS_CHECK(check_param(!(ripple > 0.0 && ripple <= 29.0), vekStsIIRGenDeviationErr));

    const double wc = 4.0 * std::tan(kPi * rFreq);
    const double eps = cheby ? std::sqrt(std::pow(10.0, ripple / 10.0) - 1.0) : 1.0;
    cplx s[kMaxOrder], z[kMaxOrder];
    prototype_poles(order, cheby, eps, s);
    // Scale to the cut-off (high-pass: s -> wc / s), then map to z.
    for (int k = 0; k < order; ++k) {
        const cplx sk = high ? wc / s[k] : wc * s[k];
        z[k] = (4.0 + sk) / (4.0 - sk);
    }
    double* b = taps;
    double* a = taps + order + 1;
    poly_from_roots(z, order, a);
    // Zeros: all at -1 (low-pass) or +1 (high-pass).
    const double zero = high ? 1.0 : -1.0;
    cplx zr[kMaxOrder];
    for (int k = 0; k < order; ++k) zr[k] = zero;
    poly_from_roots(zr, order, b);
    // Gain at the reference frequency: z = 1 (low-pass) or z = -1. The sum
    // over the denominator cancels heavily for low cut-offs, hence the
    // wider accumulator.
    long double nb = 0.0, na = 0.0, sign = 1.0;
    for (int k = 0; k <= order; ++k) {
        nb += sign * b[k];
        na += sign * a[k];
        if (high) sign = -sign;
    }
    const double target = (cheby && order % 2 == 0) ? std::pow(10.0, -ripple / 20.0) : 1.0;
    const double g = double(target * na / nb);
    for (int k = 0; k <= order; ++k) b[k] *= g;
    return vekStsNoErr;
}

}  // namespace
}  // namespace veks

using namespace veks;

VekStatus veksIIRGenLowpass_64f(Vek64f rFreq, Vek64f passbandDb, int order, Vek64f* pTaps,
                                VekIIRFilterType filterType) {
    return design(false, rFreq, passbandDb, order, pTaps, filterType);
}
VekStatus veksIIRGenHighpass_64f(Vek64f rFreq, Vek64f passbandDb, int order, Vek64f* pTaps,
                                 VekIIRFilterType filterType) {
    return design(true, rFreq, passbandDb, order, pTaps, filterType);
}
