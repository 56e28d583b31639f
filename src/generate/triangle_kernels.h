// Triangle waves: magn at phase 0, a straight fall to -magn at phase
// h1 = pi + asym and a straight rise back to magn at 2 pi. The phase
// advances by w = 2 pi rFreq per sample and wraps at 2 pi, so the
// generator's whole context is the current phase.
#ifndef VEKS_GENERATE_TRIANGLE_KERNELS_H
#define VEKS_GENERATE_TRIANGLE_KERNELS_H

#include "generate/phase.h"

namespace veks {
namespace tri {

struct Shape {
    double magn;
    double h1;      // phase of the minimum
    double fall;    // 2 magn / h1: drop per radian before h1
    double rise;    // 2 magn / h2: climb per radian after h1
    double w;       // phase step per sample
    double qshift;  // (2 pi + h1) / 2: the imaginary part's phase lead
};

inline Shape make_shape(double magn, double rFreq, double asym) {
    const double h1 = kPi + asym, h2 = kPi - asym;
    return Shape{magn, h1, 2.0 * magn / h1, 2.0 * magn / h2, kTwoPi * rFreq, (kTwoPi + h1) / 2.0};
}

inline double value(const Shape& s, double p) { return p < s.h1 ? s.magn - s.fall * p : s.rise * (p - s.h1) - s.magn; }

inline double advance(double p, double w) {
    p += w;
    return p >= kTwoPi ? p - kTwoPi : p;
}

// Real samples from phase p; returns the phase after the last one.
template <class Store>
double generate(const Shape& s, double p, int len, Store&& store) {
    for (int n = 0; n < len; ++n) {
        store(n, value(s, p));
        p = advance(p, s.w);
    }
    return p;
}

// Complex samples: the imaginary part runs qshift ahead in phase.
template <class Store>
double generate_complex(const Shape& s, double p, int len, Store&& store) {
    for (int n = 0; n < len; ++n) {
        double q = p + s.qshift;
        if (q >= kTwoPi) q -= kTwoPi;
        store(n, value(s, p), value(s, q));
        p = advance(p, s.w);
    }
    return p;
}

}  // namespace tri
}  // namespace veks

#endif
