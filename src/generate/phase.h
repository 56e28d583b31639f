// Phase bookkeeping shared by the tone and triangle generators.
#ifndef VEKS_GENERATE_PHASE_H
#define VEKS_GENERATE_PHASE_H

#include <cmath>

namespace veks {

constexpr double kTwoPi = 6.283185307179586;
constexpr double kInvTwoPi = 0.15915494309189535;
constexpr double kPi = 3.141592653589793;
constexpr double kQ15 = 3.0517578125e-5;  // 2^-15

// x reduced into [0, 2 pi); values the reduction cannot bring inside give 0.
inline double reduce_phase(double x) {
    const double r = x - std::floor(x * kInvTwoPi) * kTwoPi;
    return (r < 0.0 || r >= kTwoPi) ? 0.0 : r;
}

// The phase a call of `len` samples hands to its continuation, in the
// caller's precision P. A value that rounds up to 2 pi in P restarts at 0,
// so the continuation always passes the phase check.
template <class P>
inline P continuation_phase(double phase, double w, int len) {
    const P r = static_cast<P>(reduce_phase(phase + w * static_cast<double>(len)));
    return static_cast<double>(r) >= kTwoPi ? P(0) : r;
}

// True when a relative frequency lies in [0, 0.5) and a phase in [0, 2 pi)
// (NaN fails both).
inline bool freq_ok(double f) { return f >= 0.0 && f < 0.5; }
inline bool phase_ok(double p) { return p >= 0.0 && p < kTwoPi; }

}  // namespace veks

#endif
