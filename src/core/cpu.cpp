// CPU feature and cache detection through CPUID. Detection runs once (a
// function-local static) and the result never changes afterwards.
#include "cpu.h"

#include <cpuid.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>

namespace veks {
namespace {

std::uint64_t xgetbv0() {
    std::uint32_t lo, hi;
    __asm__ volatile("xgetbv" : "=a"(lo), "=d"(hi) : "c"(0));
    return (std::uint64_t(hi) << 32) | lo;
}

// Deterministic cache parameters: leaf 4 (Intel) or 0x8000001D (AMD).
std::size_t deterministic_cache_size(unsigned leaf) {
    std::size_t largest = 0;
    for (unsigned sub = 0; sub < 16; ++sub) {
        unsigned a, b, c, d;
        __cpuid_count(leaf, sub, a, b, c, d);
        const unsigned type = a & 0x1F;
        if (type == 0) break;
        if (type == 2) continue;  // instruction cache
        const std::size_t ways = ((b >> 22) & 0x3FF) + 1;
        const std::size_t parts = ((b >> 12) & 0x3FF) + 1;
        const std::size_t line = (b & 0xFFF) + 1;
        const std::size_t sets = std::size_t(c) + 1;
        largest = std::max(largest, ways * parts * line * sets);
    }
    return largest;
}

// VEKS_CPU_CAP=ssse3 or =avx2 keeps the library on that instruction set and
// below: for comparing paths and for running the baseline on any machine.
void cap(CpuInfo& info) {
    const char* c = std::getenv("VEKS_CPU_CAP");
    if (c == nullptr) return;
    if (std::strcmp(c, "ssse3") == 0) info.avx2 = info.fma = info.avx512 = false;
    if (std::strcmp(c, "avx2") == 0) info.avx512 = false;
}

CpuInfo detect() {
    CpuInfo info;
    unsigned a, b, c, d;
    const unsigned max_leaf = __get_cpuid_max(0, nullptr);
    const unsigned max_ext = __get_cpuid_max(0x80000000u, nullptr);
    bool os_avx = false, os_avx512 = false;
    if (max_leaf >= 1) {
        __cpuid(1, a, b, c, d);
        const bool osxsave = c & (1u << 27);
        if (osxsave) {
            const std::uint64_t x = xgetbv0();
            os_avx = (x & 0x6) == 0x6;
            os_avx512 = os_avx && (x & 0xE0) == 0xE0;
        }
        info.fma = os_avx && (c & (1u << 12));
    }
    if (max_leaf >= 7) {
        __cpuid_count(7, 0, a, b, c, d);
        info.avx2 = os_avx && (b & (1u << 5));
        info.avx512 = os_avx512 && (b & (1u << 16)) && (b & (1u << 30)) && (b & (1u << 31));
    }
    if (max_ext >= 0x8000001Du) {
        __cpuid(0x80000001u, a, b, c, d);
        if (c & (1u << 22)) info.largest_cache = deterministic_cache_size(0x8000001Du);  // topology ext.
    }
    if (info.largest_cache == 0 && max_leaf >= 4) info.largest_cache = deterministic_cache_size(4);
    if (info.largest_cache == 0 && max_ext >= 0x80000006u) {
        __cpuid(0x80000006u, a, b, c, d);
        const std::size_t l3 = std::size_t((d >> 18) & 0x3FFF) * 512 * 1024;
        const std::size_t l2 = std::size_t((c >> 16) & 0xFFFF) * 1024;
        info.largest_cache = std::max(l3, l2);
    }
    cap(info);
    return info;
}

}  // namespace

const CpuInfo& cpu_info() {
    static const CpuInfo info = detect();
    return info;
}

}  // namespace veks
