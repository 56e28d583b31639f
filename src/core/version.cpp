// The library's version record: one constant object.
#include "veks.h"

namespace {
const VekLibraryVersion kVersion = {
    6, 1, 137, 847, {'n', '8', '\0', '\0'}, "libveksn8.so.6.1", "6.1 build 137.56", "Mar 17 2010",
};
}  // namespace

const VekLibraryVersion* veksGetLibVersion(void) { return &kVersion; }
