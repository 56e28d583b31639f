// Exported Goertzel evaluations of one or two relative frequencies.
//
// The recurrence s[n] = x[n] + 2 cos(w) s[n-1] - s[n-2] runs in double
// precision for every element type (real or complex state), one pass over
// the data for both frequencies of the two-frequency forms; the value is
// e^(iw) s[len-1] - s[len-2], the DTFT sum of x[n] e^(-iw(n - len)).
#include <algorithm>
#include <cmath>
#include <complex>
#include <cstdint>

#include "core/check.h"
#include "core/fpenv.h"
#include "core/scale.h"
#include "veks.h"

namespace veks {
namespace {

using cd = std::complex<double>;

// Relative frequencies are accepted in [0, 1) (-0 included, NaN refused).
inline VekStatus check_freq(double f) { return check_param(!(f >= 0.0 && f < 1.0), vekStsRelFreqErr); }

template <class T>
inline cd sample(const T& x) {
    if constexpr (std::is_arithmetic_v<T>)
        return cd(static_cast<double>(x), 0.0);
    else
        return cd(static_cast<double>(x.re), static_cast<double>(x.im));
}

// Goertzel values of `nf` frequencies (1 or 2) in one pass.
template <class T, int nf>
void goertzel(const T* src, int len, const double* freq, cd* out) {
    double c2[nf];
    cd s1[nf], s2[nf];
    for (int f = 0; f < nf; ++f) {
        c2[f] = 2.0 * std::cos(2.0 * M_PI * freq[f]);
        s1[f] = s2[f] = 0.0;
    }
    for (int n = 0; n < len; ++n) {
        const cd x = sample(src[n]);
        for (int f = 0; f < nf; ++f) {
            // Real and imaginary parts share the real coefficient.
            const cd s(x.real() + c2[f] * s1[f].real() - s2[f].real(), x.imag() + c2[f] * s1[f].imag() - s2[f].imag());
            s2[f] = s1[f];
            s1[f] = s;
        }
    }
    for (int f = 0; f < nf; ++f) {
        const double w = 2.0 * M_PI * freq[f];
        out[f] = cd(std::cos(w), std::sin(w)) * s1[f] - s2[f];
    }
}

template <class C>
inline void store(const cd& v, C* dst) {
    using P = decltype(dst->re);
    dst->re = static_cast<P>(v.real());
    dst->im = static_cast<P>(v.imag());
}

// 16-bit results: scaled by 2^-sf, rounded to nearest, saturated.
inline void store_16sc(const cd& v, Vek16sc* dst, int sf) {
    const double k = double_scale(std::clamp(sf, -200, 200));
    auto q = [&](double x) { return saturate<Vek16s>(std::nearbyint(std::clamp(x * k, -65536.0, 65536.0))); };
    dst->re = q(v.real());
    dst->im = q(v.imag());
}

template <class T, class C, class F>
VekStatus goertz_one(const T* src, int len, C* val, F rfreq) {
    VEKS_CHECK(check_vec(len, src, val));
    VEKS_CHECK(check_freq(rfreq));
    const double f = rfreq;
    cd v;
    goertzel<T, 1>(src, len, &f, &v);
    store(v, val);
    return vekStsNoErr;
}

template <class T, class C, class F>
VekStatus goertz_two(const T* src, int len, C* val, const F* rfreq) {
    VEKS_CHECK(check_vec(len, src, val, rfreq));
    VEKS_CHECK(check_freq(rfreq[0]));
    VEKS_CHECK(check_freq(rfreq[1]));
    const double f[2] = {double(rfreq[0]), double(rfreq[1])};
    cd v[2];
    goertzel<T, 2>(src, len, f, v);
    store(v[0], val);
    store(v[1], val + 1);
    return vekStsNoErr;
}

template <class T>
VekStatus goertz_16(const T* src, int len, Vek16sc* val, float rfreq, int sf) {
    VEKS_CHECK(check_vec(len, src, val));
    VEKS_CHECK(check_freq(rfreq));
    FpEnvGuard env;
    const double f = rfreq;
    cd v;
    goertzel<T, 1>(src, len, &f, &v);
    store_16sc(v, val, sf);
    return vekStsNoErr;
}

VekStatus goertz_two_16sc(const Vek16sc* src, int len, Vek16sc* val, const double* f, int sf) {
    FpEnvGuard env;
    cd v[2];
    goertzel<Vek16sc, 2>(src, len, f, v);
    store_16sc(v[0], val, sf);
    store_16sc(v[1], val + 1, sf);
    return vekStsNoErr;
}

}  // namespace
}  // namespace veks

using namespace veks;

VekStatus veksGoertz_32f(const Vek32f* pSrc, int len, Vek32fc* pVal, Vek32f rFreq) {
    return goertz_one(pSrc, len, pVal, rFreq);
}
VekStatus veksGoertz_32fc(const Vek32fc* pSrc, int len, Vek32fc* pVal, Vek32f rFreq) {
    return goertz_one(pSrc, len, pVal, rFreq);
}
VekStatus veksGoertz_64f(const Vek64f* pSrc, int len, Vek64fc* pVal, Vek64f rFreq) {
    return goertz_one(pSrc, len, pVal, rFreq);
}
VekStatus veksGoertz_64fc(const Vek64fc* pSrc, int len, Vek64fc* pVal, Vek64f rFreq) {
    return goertz_one(pSrc, len, pVal, rFreq);
}
VekStatus veksGoertz_16s_Sfs(const Vek16s* pSrc, int len, Vek16sc* pVal, Vek32f rFreq, int scaleFactor) {
    return goertz_16(pSrc, len, pVal, rFreq, scaleFactor);
}
VekStatus veksGoertz_16sc_Sfs(const Vek16sc* pSrc, int len, Vek16sc* pVal, Vek32f rFreq, int scaleFactor) {
    return goertz_16(pSrc, len, pVal, rFreq, scaleFactor);
}
VekStatus veksGoertzTwo_32f(const Vek32f* pSrc, int len, Vek32fc* pVal, const Vek32f* rFreq) {
    return goertz_two(pSrc, len, pVal, rFreq);
}
VekStatus veksGoertzTwo_32fc(const Vek32fc* pSrc, int len, Vek32fc* pVal, const Vek32f* rFreq) {
    return goertz_two(pSrc, len, pVal, rFreq);
}
VekStatus veksGoertzTwo_64f(const Vek64f* pSrc, int len, Vek64fc* pVal, const Vek64f* rFreq) {
    return goertz_two(pSrc, len, pVal, rFreq);
}
VekStatus veksGoertzTwo_64fc(const Vek64fc* pSrc, int len, Vek64fc* pVal, const Vek64f* rFreq) {
    return goertz_two(pSrc, len, pVal, rFreq);
}
VekStatus veksGoertzTwo_16sc_Sfs(const Vek16sc* pSrc, int len, Vek16sc* pVal, const Vek32f* rFreq, int scaleFactor) {
    VEKS_CHECK(check_vec(len, pSrc, pVal, rFreq));
    VEKS_CHECK(check_freq(rFreq[0]));
    VEKS_CHECK(check_freq(rFreq[1]));
    const double f[2] = {rFreq[0], rFreq[1]};
    return goertz_two_16sc(pSrc, len, pVal, f, scaleFactor);
}
// Q15 frequencies: a negative one is refused before any other check.
VekStatus veksGoertzQ15_16sc_Sfs(const Vek16sc* pSrc, int len, Vek16sc* pVal, Vek16s rFreqQ15, int scaleFactor) {
    VEKS_CHECK(check_param(rFreqQ15 < 0, vekStsRelFreqErr));
    return goertz_16(pSrc, len, pVal, static_cast<float>(rFreqQ15 * 0x1p-15), scaleFactor);
}
VekStatus veksGoertzTwoQ15_16sc_Sfs(const Vek16sc* pSrc, int len, Vek16sc* pVal, const Vek16s* rFreqQ15,
                                    int scaleFactor) {
    VEKS_CHECK(check_ptrs(rFreqQ15));
    VEKS_CHECK(check_param(rFreqQ15[0] < 0 || rFreqQ15[1] < 0, vekStsRelFreqErr));
    VEKS_CHECK(check_vec(len, pSrc, pVal));
    const double f[2] = {rFreqQ15[0] * 0x1p-15, rFreqQ15[1] * 0x1p-15};
    return goertz_two_16sc(pSrc, len, pVal, f, scaleFactor);
}
