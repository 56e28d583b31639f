// One generated case of the null-pointer sweep.
#ifndef VEKS_TEST_NULL_SWEEP_H
#define VEKS_TEST_NULL_SWEEP_H

#include "veks.h"

struct SweepCase {
    const char* function;
    const char* parameter;  // the pointer passed as null
    int pointers;           // pointer parameters of the function
    VekStatus (*call)();
};

// The pattern-filled buffer standing in for the k-th pointer argument.
void* vt_buf(int k);

extern const SweepCase kSweepCases[];
extern const int kSweepCount;

#endif
