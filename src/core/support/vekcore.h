// Core support library: raw allocation, release and the thread budget.
// libveksn8 takes exactly these three services from it; the setters below
// belong to the core library alone and exist for applications and tests.
#ifndef VEKCORE_H
#define VEKCORE_H

#include <stdint.h>

#ifdef __cplusplus
extern "C" {
#endif

#define VEKCORE_API __attribute__((visibility("default")))

// A block of at least `size` bytes (size >= 1), 64-byte aligned, or null.
VEKCORE_API void* vekMalloc(uint64_t size);
// Releases a block from vekMalloc; null is ignored.
VEKCORE_API void vekFree(void* ptr);
// Threads one operation may use; 1 or less means serial.
VEKCORE_API int ownGetNumThreads(void);

// Sets the thread budget; n < 1 restores the default (online processors).
VEKCORE_API void vekcoreSetNumThreads(int n);

// Test hook: the n-th vekMalloc call from now fails (returns null); n = 0
// disarms. Counting is process-wide.
VEKCORE_API void vekcoreFailAllocation(int64_t n);
// Test hook: number of blocks currently held (allocated and not freed).
VEKCORE_API int64_t vekcoreLiveBlocks(void);
// Test hook: number of vekMalloc calls since the process started.
VEKCORE_API int64_t vekcoreAllocCalls(void);
// Test hook: the byte count of the latest vekMalloc call.
VEKCORE_API uint64_t vekcoreLastRequest(void);

#ifdef __cplusplus
}
#endif

#endif
