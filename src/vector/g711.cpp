// ITU-T G.711 A-law and mu-law companding. Code words are in their
// transmitted form (A-law with the even bits inverted, mu-law with all bits
// inverted). Decoding and transcoding are table look-ups; the tables are
// built at compile time from the decoding rules.
#include <array>
#include <cmath>
#include <cstdint>

#include "core/check.h"
#include "veks.h"

namespace veks {
namespace {

constexpr std::int16_t alaw_decode(std::uint8_t code) {
    const int a = code ^ 0x55;
    int t = (a & 0x0F) << 4;
    const int seg = (a >> 4) & 7;
    t = seg == 0 ? t + 8 : (t + 0x108) << (seg - 1);
    return std::int16_t((a & 0x80) ? t : -t);
}

constexpr std::int16_t mulaw_decode(std::uint8_t code) {
    const int u = ~code & 0xFF;
    const int t = (((u & 0x0F) << 3) + 0x84) << ((u >> 4) & 7);
    return std::int16_t((u & 0x80) ? 0x84 - t : t - 0x84);
}

template <std::int16_t (*Decode)(std::uint8_t)>
constexpr std::array<std::int16_t, 256> decode_table() {
    std::array<std::int16_t, 256> t{};
    for (int c = 0; c < 256; ++c) t[c] = Decode(std::uint8_t(c));
    return t;
}

constexpr auto kALawToLin = decode_table<alaw_decode>();
constexpr auto kMuLawToLin = decode_table<mulaw_decode>();

// Transcoding tables: the low half as listed by G.711; code c | 0x80 maps
// to the entry of c with bit 7 set.
constexpr std::uint8_t kALawToMuLawLow[128] = {
    42, 43, 40, 41, 46, 47, 44, 45, 34, 35, 32, 33, 38, 39, 36, 37,
    57, 58, 55, 56, 61, 62, 59, 60, 49, 50, 47, 48, 53, 54, 51, 52,
    10, 11, 8, 9, 14, 15, 12, 13, 2, 3, 0, 1, 6, 7, 4, 5,
    26, 27, 24, 25, 30, 31, 28, 29, 18, 19, 16, 17, 22, 23, 20, 21,
    98, 99, 96, 97, 102, 103, 100, 101, 93, 93, 92, 92, 95, 95, 94, 94,
    116, 118, 112, 114, 124, 126, 120, 122, 106, 107, 104, 105, 110, 111, 108, 109,
    72, 73, 70, 71, 76, 77, 74, 75, 64, 65, 63, 63, 68, 69, 66, 67,
    86, 87, 84, 85, 90, 91, 88, 89, 79, 79, 78, 78, 82, 83, 80, 81};
constexpr std::uint8_t kMuLawToALawLow[128] = {
    42, 43, 40, 41, 46, 47, 44, 45, 34, 35, 32, 33, 38, 39, 36, 37,
    58, 59, 56, 57, 62, 63, 60, 61, 50, 51, 48, 49, 54, 55, 52, 53,
    10, 11, 8, 9, 14, 15, 12, 13, 2, 3, 0, 1, 6, 7, 4, 26,
    27, 24, 25, 30, 31, 28, 29, 18, 19, 16, 17, 22, 23, 20, 21, 106,
    104, 105, 110, 111, 108, 109, 98, 99, 96, 97, 102, 103, 100, 101, 122, 120,
    126, 127, 124, 125, 114, 115, 112, 113, 118, 119, 116, 117, 75, 73, 79, 77,
    66, 67, 64, 65, 70, 71, 68, 69, 90, 91, 88, 89, 94, 95, 92, 93,
    82, 82, 83, 83, 80, 80, 81, 81, 86, 86, 87, 87, 84, 84, 85, 85};

inline std::uint8_t transcode(const std::uint8_t* low, std::uint8_t c) {
    return std::uint8_t(low[c & 0x7F] | (c & 0x80));
}

// The segment search of the A-law encoder on the 13-bit magnitude.
inline std::uint8_t alaw_encode(std::int16_t x) {
    const int v = x >> 3;
    const int m = v < 0 ? ~v : v;
    const int mask = x < 0 ? 0x55 : 0xD5;
    int s = 0;
    while (s < 7 && m > (((256 << s) - 1) >> 3)) ++s;
    const int mant = (m >> (s < 2 ? 1 : s)) & 15;
    return std::uint8_t(((s << 4) | mant) ^ mask);
}

// The biased 14-bit magnitude of the mu-law encoder; the sign bit is added
// by the caller.
inline std::uint8_t mulaw_encode_magnitude(std::int16_t x) {
    int m = (x < 0 ? (~x >> 2) : (x >> 2)) + 33;
    if (m > 8191) m = 8191;
    int e = 1;
    for (int h = m >> 6; h != 0; h >>= 1) ++e;
    return std::uint8_t(((8 - e) << 4) | (15 - ((m >> e) & 15)));
}

inline std::uint8_t mulaw_encode(std::int16_t x) {
    return std::uint8_t(mulaw_encode_magnitude(x) | (x >= 0 ? 0x80 : 0));
}

// Full-scale float to the 16-bit encoder input: x * 32768, saturated,
// rounded half away from zero. NaN becomes 0.
inline std::int16_t float_to_linear(float x) {
    const float v = x * 32768.0f;
    if (v > 32767.0f) return 32767;
    if (v < -32768.0f) return -32768;
    if (v != v) return 0;
    return std::int16_t(std::trunc(v >= 0 ? v + 0.5f : v - 0.5f));
}

template <class S, class D, class Fn>
VekStatus map(const S* src, D* dst, int len, Fn&& fn) {
    VEKS_CHECK(check_vec(len, src, dst));
    for (int i = 0; i < len; ++i) dst[i] = fn(src[i]);
    return vekStsNoErr;
}

constexpr float kInv32768 = 1.0f / 32768.0f;

}  // namespace
}  // namespace veks

using namespace veks;

VekStatus veksLinToALaw_16s8u(const Vek16s* pSrc, Vek8u* pDst, int len) { return map(pSrc, pDst, len, alaw_encode); }
VekStatus veksLinToALaw_32f8u(const Vek32f* pSrc, Vek8u* pDst, int len) {
    return map(pSrc, pDst, len, [](float x) { return alaw_encode(float_to_linear(x)); });
}
VekStatus veksALawToLin_8u16s(const Vek8u* pSrc, Vek16s* pDst, int len) {
    return map(pSrc, pDst, len, [](Vek8u c) { return kALawToLin[c]; });
}
VekStatus veksALawToLin_8u32f(const Vek8u* pSrc, Vek32f* pDst, int len) {
    return map(pSrc, pDst, len, [](Vek8u c) { return float(kALawToLin[c]) * kInv32768; });
}
VekStatus veksLinToMuLaw_16s8u(const Vek16s* pSrc, Vek8u* pDst, int len) { return map(pSrc, pDst, len, mulaw_encode); }
// The sign bit follows the float, so small negative inputs and NaN give 0x7F.
VekStatus veksLinToMuLaw_32f8u(const Vek32f* pSrc, Vek8u* pDst, int len) {
    return map(pSrc, pDst, len, [](float x) {
        return std::uint8_t(mulaw_encode_magnitude(float_to_linear(x)) | (x >= 0 ? 0x80 : 0));
    });
}
VekStatus veksMuLawToLin_8u16s(const Vek8u* pSrc, Vek16s* pDst, int len) {
    return map(pSrc, pDst, len, [](Vek8u c) { return kMuLawToLin[c]; });
}
VekStatus veksMuLawToLin_8u32f(const Vek8u* pSrc, Vek32f* pDst, int len) {
    return map(pSrc, pDst, len, [](Vek8u c) { return float(kMuLawToLin[c]) * kInv32768; });
}
VekStatus veksALawToMuLaw_8u(const Vek8u* pSrc, Vek8u* pDst, int len) {
    return map(pSrc, pDst, len, [](Vek8u c) { return transcode(kALawToMuLawLow, c); });
}
VekStatus veksMuLawToALaw_8u(const Vek8u* pSrc, Vek8u* pDst, int len) {
    return map(pSrc, pDst, len, [](Vek8u c) { return transcode(kMuLawToALawLow, c); });
}
