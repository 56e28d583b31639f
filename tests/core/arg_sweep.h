// The generated bad-argument sweep: cases built from the public header's
// declarations (tools/gen_arg_sweep.py) and the buffers they point at.
#ifndef VEKS_TEST_ARG_SWEEP_H
#define VEKS_TEST_ARG_SWEEP_H

#include <type_traits>

#include "veks.h"

// Expected status of a null case whose pointer may be null: anything but
// vekStsNullPtrErr, and the call may write its outputs.
constexpr int kOptional = 1000;
// As kOptional, but a refusal may follow a write to the object's memory.
constexpr int kOptionalLate = 1002;
// Expected status of a null case that returns vekStsNullPtrErr after an
// earlier stage of the operation has written its own output.
constexpr int kWritesFirst = 1001;
// vt_buf(kZeroBuffer + j) are zero-filled: targets of pointers that carry a
// checked parameter (a phase, a frequency, a delay index).
constexpr int kZeroBuffer = 20;

struct SweepCase {
    const char* function;
    const char* what;      // the parameter made null, or "len = 0" and kin
    int expected;          // status, or kOptional
    unsigned buffers;      // pattern buffers the call received (bit k: vt_buf(k))
    unsigned tables;       // pointer tables the call received
    VekStatus (*call)();
    void (*release)();  // frees what an accepted optional-null InitAlloc made
};

// One call with every argument valid (or an optional pointer null), for
// the allocation-failure sweep.
struct ValidCall {
    const char* function;
    const char* what;
    unsigned buffers;
    unsigned tables;
    VekStatus (*call)();
    void (*release)();  // frees the object an InitAlloc wrote into vt_buf(0)
    bool nulls_output;  // a failing InitAlloc stores a null object pointer
};

// The k-th pattern-filled buffer.
void* vt_buf(int k);
// The k-th table of channel pointers (each into pattern-filled storage).
void* vt_table(int k);
// Taps of value one, increasing positions, zeros: for building objects.
template <class T, class = void>
struct Unit {
    static T get() { return T(1); }
};
template <class T>
struct Unit<T, std::void_t<decltype(T::re)>> {
    static T get() { return T{1, 0}; }
};
template <class T>
const T* vt_ones() {
    static T a[1024];
    static const bool filled = [] {
        for (T& x : a) x = Unit<T>::get();
        return true;
    }();
    (void)filled;
    return a;
}
const Vek32s* vt_iota();
void* vt_zeros();
// Fresh caller memory for objects laid by Init.
void* vt_arena();
// Records a live object (and how to release it at exit).
void vt_made_object(VekStatus status, const char* type, void* object, void (*release)(void*));
template <class T>
void vt_made(VekStatus status, const char* type, T* object, void (*release)(void*)) {
    vt_made_object(status, type, object, release);
}

void vt_make_objects();

extern const SweepCase kNullCases[];
extern const int kNullCasesCount;
extern const SweepCase kLengthCases[];
extern const int kLengthCasesCount;
extern const ValidCall kValidCalls[];
extern const int kValidCallsCount;

#endif
