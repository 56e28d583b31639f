// What the library asks of the processor at run time.
#ifndef VEKS_CORE_CPU_H
#define VEKS_CORE_CPU_H

#include <cstddef>

namespace veks {

struct CpuInfo {
    bool avx2 = false;        // AVX2 usable (CPU and OS both agree)
    bool fma = false;
    bool avx512 = false;      // AVX-512 F/BW/VL usable
    std::size_t largest_cache = 0;  // bytes of the outermost cache, 0 if unknown
};

// Detected once, on first use; read-only afterwards.
const CpuInfo& cpu_info();

}  // namespace veks

#endif
