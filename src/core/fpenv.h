// Scoped control of the SSE floating-point environment. A kernel that needs
// a rounding direction sets it for its duration; the caller's MXCSR comes
// back on every return path (the guard restores it in its destructor).
#ifndef VEKS_CORE_FPENV_H
#define VEKS_CORE_FPENV_H

#include <xmmintrin.h>

namespace veks {

enum class Rounding : unsigned { Nearest = 0x0000, Down = 0x2000, Up = 0x4000, Zero = 0x6000 };

class FpEnvGuard {
public:
    // All exceptions masked, the given rounding direction, no FTZ/DAZ.
    explicit FpEnvGuard(Rounding r = Rounding::Nearest) : saved_(_mm_getcsr()) {
        _mm_setcsr(0x1F80u | static_cast<unsigned>(r));
    }
    ~FpEnvGuard() { _mm_setcsr((_mm_getcsr() & 0x3Fu) | (saved_ & ~0x3Fu)); }
    FpEnvGuard(const FpEnvGuard&) = delete;
    FpEnvGuard& operator=(const FpEnvGuard&) = delete;

private:
    unsigned saved_;
};

}  // namespace veks

#endif
