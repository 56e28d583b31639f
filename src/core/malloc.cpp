// Vector allocation: element counts to byte counts in 64-bit unsigned
// arithmetic (so they cannot overflow), handed to the core allocator.
#include <cstdint>

#include "support/vekcore.h"
#include "veks.h"

namespace {

template <class T>
T* allocate(int len) {
    if (len < 1) return nullptr;
    return static_cast<T*>(vekMalloc(static_cast<std::uint64_t>(len) * sizeof(T)));
}

}  // namespace

#define VEKS_MALLOC(code, T) \
    T* veksMalloc_##code(int len) { return allocate<T>(len); }

VEKS_MALLOC(8u, Vek8u)
VEKS_MALLOC(8s, Vek8s)
VEKS_MALLOC(8sc, Vek8sc)
VEKS_MALLOC(16u, Vek16u)
VEKS_MALLOC(16s, Vek16s)
VEKS_MALLOC(16sc, Vek16sc)
VEKS_MALLOC(32u, Vek32u)
VEKS_MALLOC(32s, Vek32s)
VEKS_MALLOC(32sc, Vek32sc)
VEKS_MALLOC(32f, Vek32f)
VEKS_MALLOC(32fc, Vek32fc)
VEKS_MALLOC(64s, Vek64s)
VEKS_MALLOC(64sc, Vek64sc)
VEKS_MALLOC(64f, Vek64f)
VEKS_MALLOC(64fc, Vek64fc)

void veksFree(void* ptr) { vekFree(ptr); }
