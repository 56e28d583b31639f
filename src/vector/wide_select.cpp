// Picks the widest kernel table once; the answer never changes afterwards.
#include "core/cpu.h"
#include "wide_table.h"

namespace veks {
namespace {

// The AVX-512 table, except for the complex products: on 64-byte registers
// they ran at half the speed of the 32-byte ones once the data left the
// caches (and no faster inside them), so they stay on AVX2.
const WideKernels& avx512_table() {
    static const WideKernels t = [] {
        WideKernels k = wide_kernels_avx512();
        k.cmul_32fc = wide_kernels_avx2().cmul_32fc;
        k.cmul_64fc = wide_kernels_avx2().cmul_64fc;
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
