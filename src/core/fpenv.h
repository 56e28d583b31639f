// Scoped control of the SSE floating-point environment. A kernel that needs
// a rounding direction sets it for its duration; the caller's MXCSR comes
// back on every return path (the guard restores it in its destructor).
#ifndef VEKS_CORE_FPENV_H
#define VEKS_CORE_FPENV_H

#include <xmmintrin.h>

namespace veks {

enum class Rounding : unsigned { Nearest = 0x0000, Down = 0x2000, Up = 0x4000, Zero = 0x6000 };

// The exception flags are sticky: those raised before or during the call
// are still set afterwards. When the caller's control bits already are the
// ones wanted (the usual case), MXCSR is neither written nor restored,
// which keeps short calls short.
class FpEnvGuard {
public:
    // All exceptions masked, the given rounding direction, no FTZ/DAZ.
    explicit FpEnvGuard(Rounding r = Rounding::Nearest) : saved_(_mm_getcsr()) {
        const unsigned want = 0x1F80u | static_cast<unsigned>(r);
        changed_ = (saved_ & ~0x3Fu) != want;
        if (changed_) _mm_setcsr(want | (saved_ & 0x3Fu));
    }
    ~FpEnvGuard() {
        if (changed_) _mm_setcsr((_mm_getcsr() & 0x3Fu) | (saved_ & ~0x3Fu));
    }
    FpEnvGuard(const FpEnvGuard&) = delete;
    FpEnvGuard& operator=(const FpEnvGuard&) = delete;

private:
    unsigned saved_;
    bool changed_;
};

}  // namespace veks

#endif
