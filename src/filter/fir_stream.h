// Stream FIR states: no history, the source carries the samples the first
// outputs need. Single-rate and multirate, 32f and 16s.
#ifndef VEKS_FILTER_FIR_STREAM_H
#define VEKS_FILTER_FIR_STREAM_H

#include <cstdint>

#include "veks.h"

namespace veks {
namespace fir {

bool is_stream_32f(const void* state);
VekStatus stream_block_32f(void* state, const float* src, float* dst, int n);
bool is_stream_16s(const void* state);
VekStatus stream_block_16s(void* state, const std::int16_t* src, std::int16_t* dst, int n, int sf);
// Taps in natural order and tapsFactor of a 16s stream state.
void stream_taps_16s(const void* state, std::int16_t* taps, int* tapsFactor);
void stream_free(void* state);

}  // namespace fir
}  // namespace veks

#endif
