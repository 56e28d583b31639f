// Picks the widest kernel table once; the answer never changes afterwards.
#include <cstdint>

#include "core/cpu.h"
#include "wide_table.h"

namespace veks {
namespace {

// The complex products run on 64-byte registers only when the sources and
// the destination sit at the same offset within a 64-byte line, so that
// the head which aligns the destination aligns all three. With the streams
// out of step, the split 64-byte loads ran at half the speed of 32-byte
// registers once the data left the caches.
template <class C>
bool in_step(const C* a, const C* b, const C* dst) {
    const auto line = [](const void* p) { return reinterpret_cast<std::uintptr_t>(p) % 64; };
    return line(a) == line(dst) && (!b || line(b) == line(dst));
}

void cmul_32fc(bool acc, const Vek32fc* a, const Vek32fc* b, Vek32fc bc, Vek32fc* dst, std::ptrdiff_t len) {
    static const auto wide = wide_kernels_avx512().cmul_32fc, narrow = wide_kernels_avx2().cmul_32fc;
    (in_step(a, b, dst) ? wide : narrow)(acc, a, b, bc, dst, len);
}
void cmul_64fc(bool acc, const Vek64fc* a, const Vek64fc* b, Vek64fc bc, Vek64fc* dst, std::ptrdiff_t len) {
    static const auto wide = wide_kernels_avx512().cmul_64fc, narrow = wide_kernels_avx2().cmul_64fc;
    (in_step(a, b, dst) ? wide : narrow)(acc, a, b, bc, dst, len);
}

const WideKernels& avx512_table() {
    static const WideKernels t = [] {
        WideKernels k = wide_kernels_avx512();
        k.cmul_32fc = cmul_32fc;
        k.cmul_64fc = cmul_64fc;
        return k;
    }();
    return t;
}

}  // namespace

const WideKernels* wide_kernels() {
    static const WideKernels* const table = [] {
        const CpuInfo& cpu = cpu_info();
        if (cpu.avx512) return &avx512_table();
        if (cpu.avx2) return &wide_kernels_avx2();
        return static_cast<const WideKernels*>(nullptr);
    }();
    return table;
}

}  // namespace veks
