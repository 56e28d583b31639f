// Constant tables compiled into the library (see fft_builtin.cpp).
#ifndef VEKS_TRANSFORM_FFT_BUILTIN_H
#define VEKS_TRANSFORM_FFT_BUILTIN_H

#include <cstdint>

namespace veks {
namespace fft {

// sin(2*pi*k/1024), k = 0..256.
extern const double kSine1024_64f[257];
extern const float kSine1024_32f[257];
// Stage twiddles of orders 4 and 5 (32-bit layout) and the twiddle records
// of orders 4 and 5 (64-bit layout).
extern const float kStages32f_4[24];
extern const float kStages32f_5[48];
extern const double kRecords64f_4[24];
extern const double kRecords64f_5[48];
// Twiddle tables of orders 4 and 5 for the self-sorting path.
extern const float kWide32f_4[24];
extern const float kWide32f_5[48];
extern const double kWide64f_4[24];
extern const double kWide64f_5[48];
// Group bit-reversal tables rev_{n-2}(g) of orders 2 to 5.
extern const std::int32_t kBitRev_2[1];
extern const std::int32_t kBitRev_3[2];
extern const std::int32_t kBitRev_4[4];
extern const std::int32_t kBitRev_5[8];
// Real recombination and inverse (CCS) tables of the small real lengths.
extern const double kRealTw64f_8[4], kCcsTw64f_8[4], kRealTw64f_16[8], kCcsTw64f_16[8];
extern const double kRealTw64f_32[16], kCcsTw64f_32[16];
extern const float kRealTw32f_8[4], kCcsTw32f_8[4], kRealTw32f_16[8], kCcsTw32f_16[8];
extern const float kRealTw32f_32[16], kCcsTw32f_32[16];

}  // namespace fft
}  // namespace veks

#endif
