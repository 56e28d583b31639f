// Picks the widest kernel table once; the answer never changes afterwards.
#include "core/cpu.h"
#include "wide_table.h"

namespace veks {

const WideKernels* wide_kernels() {
    static const WideKernels* const table = [] {
        const CpuInfo& cpu = cpu_info();
        if (cpu.avx512) return &wide_kernels_avx512();
        if (cpu.avx2) return &wide_kernels_avx2();
        return static_cast<const WideKernels*>(nullptr);
    }();
    return table;
}

}  // namespace veks
