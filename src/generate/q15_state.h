// What the Q15 tone and triangle states share: identifiers, parameter
// checks and the Init / InitAlloc / Free protocol over states of any
// alignment (loaded into a local copy and stored back).
#ifndef VEKS_GENERATE_Q15_STATE_H
#define VEKS_GENERATE_Q15_STATE_H

#include <cstdint>
#include <cstring>

#include "core/check.h"
#include "generate/phase.h"
#include "veks.h"

namespace veks {
namespace q15 {

// In memory the identifiers read as the bytes "HAMC" and "IAMC".
constexpr std::uint32_t kToneId = fourcc('C', 'M', 'A', 'H');
constexpr std::uint32_t kTriangleId = fourcc('C', 'M', 'A', 'I');

// Statuses of one generator kind, in check order after the pointer.
struct Statuses {
    VekStatus magn, freq, phase, asym;
};
constexpr Statuses kToneSts{vekStsToneMagnErr, vekStsToneFreqErr, vekStsTonePhaseErr, vekStsNoErr};
constexpr Statuses kTriangleSts{vekStsTrnglMagnErr, vekStsTrnglFreqErr, vekStsTrnglPhaseErr, vekStsTrnglAsymErr};

inline VekStatus check_params(const Statuses& st, int magn, int rFreqQ15, int phaseQ15) {
    VEKS_CHECK(check_param(magn < 1, st.magn));
    VEKS_CHECK(check_param(rFreqQ15 < 0 || rFreqQ15 > 16383, st.freq));
    return check_param(phaseQ15 < 0 || phaseQ15 > 205886, st.phase);
}

inline VekStatus check_asym(int asymQ15) {
    return check_param(asymQ15 < -102943 || asymQ15 > 102943, vekStsTrnglAsymErr);
}

template <class S>
S load(const void* p) {
    S s;
    std::memcpy(&s, p, sizeof s);
    return s;
}
template <class S>
void store(void* p, const S& s) {
    std::memcpy(p, &s, sizeof s);
}

// InitAlloc tail: allocate a state of S, lay `s` with the owned flag set.
template <class Public, class S>
VekStatus alloc_state(Public** pp, S s) {
    Vek8u* mem = veksMalloc_8u(static_cast<int>(sizeof(S)));
    if (!mem) return vekStsMemAllocErr;
    s.owned = 1;
    store(mem, s);
    *pp = reinterpret_cast<Public*>(mem);
    return vekStsNoErr;
}

// Free: releases only what InitAlloc obtained.
template <class S>
VekStatus free_state(void* p, std::uint32_t id) {
    VEKS_CHECK(check_ptrs(p));
    VEKS_CHECK(check_id(p, id));
    if (load<S>(p).owned == 1) veksFree(p);
    return vekStsNoErr;
}

inline VekStatus report_size(int* size, int bytes) {
    VEKS_CHECK(check_ptrs(size));
    *size = bytes;
    return vekStsNoErr;
}

}  // namespace q15
}  // namespace veks

#endif
