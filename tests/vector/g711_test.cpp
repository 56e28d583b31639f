// G.711 companding against the spandsp library's encoders and decoders,
// and bit packing against a one-bit-at-a-time writer.
#include <gtest/gtest.h>

#include <cmath>
#include <cstdint>
#include <vector>

#include "test_util.h"

#ifdef VEKS_HAVE_SPANDSP
#include <spandsp/telephony.h>
#include <spandsp/bit_operations.h>
#include <spandsp/g711.h>
#endif

namespace {

std::vector<Vek8u> all_codes() {
    std::vector<Vek8u> c(256);
    for (int i = 0; i < 256; ++i) c[i] = Vek8u(i);
    return c;
}
std::vector<Vek16s> all_linear() {
    std::vector<Vek16s> x(65536);
    for (int i = 0; i < 65536; ++i) x[i] = Vek16s(i - 32768);
    return x;
}

#ifdef VEKS_HAVE_SPANDSP
TEST(G711, DecodersAndTranscodersMatchSpandsp) {
    const auto c = all_codes();
    std::vector<Vek16s> a(256), u(256);
    std::vector<Vek32f> af(256), uf(256);
    std::vector<Vek8u> au(256), ua(256);
    ASSERT_EQ(veksALawToLin_8u16s(c.data(), a.data(), 256), vekStsNoErr);
    ASSERT_EQ(veksMuLawToLin_8u16s(c.data(), u.data(), 256), vekStsNoErr);
    ASSERT_EQ(veksALawToLin_8u32f(c.data(), af.data(), 256), vekStsNoErr);
    ASSERT_EQ(veksMuLawToLin_8u32f(c.data(), uf.data(), 256), vekStsNoErr);
    ASSERT_EQ(veksALawToMuLaw_8u(c.data(), au.data(), 256), vekStsNoErr);
    ASSERT_EQ(veksMuLawToALaw_8u(c.data(), ua.data(), 256), vekStsNoErr);
    for (int i = 0; i < 256; ++i) {
        EXPECT_EQ(a[i], alaw_to_linear(Vek8u(i))) << i;
        EXPECT_EQ(u[i], ulaw_to_linear(Vek8u(i))) << i;
        EXPECT_EQ(af[i], float(alaw_to_linear(Vek8u(i))) / 32768.0f);
        EXPECT_EQ(uf[i], float(ulaw_to_linear(Vek8u(i))) / 32768.0f);
        EXPECT_EQ(au[i], alaw_to_ulaw(Vek8u(i))) << i;
        EXPECT_EQ(ua[i], ulaw_to_alaw(Vek8u(i))) << i;
    }
}

TEST(G711, EncodersMatchSpandspOnEveryLinearValue) {
    const auto x = all_linear();
    std::vector<Vek8u> a(65536), u(65536);
    ASSERT_EQ(veksLinToALaw_16s8u(x.data(), a.data(), 65536), vekStsNoErr);
    ASSERT_EQ(veksLinToMuLaw_16s8u(x.data(), u.data(), 65536), vekStsNoErr);
    for (int i = 0; i < 65536; ++i) {
        ASSERT_EQ(a[i], linear_to_alaw(x[i])) << x[i];
        // G.711 takes the ones' complement of a negative sample where
        // spandsp negates it; shifted by one the two encoders agree.
        const int ref_in = x[i] <= -2 ? x[i] + 1 : x[i];
        ASSERT_EQ(u[i], linear_to_ulaw(ref_in)) << x[i];
    }
}
#endif

TEST(G711, WorkedValues) {
    const Vek16s lin[] = {0, -1};
    Vek8u code[2];
    veksLinToMuLaw_16s8u(lin, code, 2);
    EXPECT_EQ(code[0], 0xFF);
    EXPECT_EQ(code[1], 0x7F);
    veksLinToALaw_16s8u(lin, code, 1);
    EXPECT_EQ(code[0], 0xD5);
    const Vek8u mu[] = {0x00, 0x80}, al[] = {0xD5};
    Vek16s out[2];
    veksMuLawToLin_8u16s(mu, out, 2);
    EXPECT_EQ(out[0], -32124);
    EXPECT_EQ(out[1], 32124);
    veksALawToLin_8u16s(al, out, 1);
    EXPECT_EQ(out[0], 8);
}

// The float encoders round x * 32768 half away from zero and saturate; the
// mu-law sign follows the float.
TEST(G711, FloatEncodersRoundThenEncode) {
    vt::Rng rng(4);
    std::vector<float> x = {0.0f, -0.0f, -1e-7f, NAN, 2.0f, -2.0f, 0.99999f, -1.0f, 1.5f / 32768, -1.5f / 32768};
    for (int i = 0; i < 5000; ++i) x.push_back(rng.next<float>(1.1));
    const int n = int(x.size());
    std::vector<Vek16s> lin(n);
    for (int i = 0; i < n; ++i) {
        const double v = double(x[i]) * 32768.0;
        lin[i] = std::isnan(v) ? 0 : v > 32767 ? 32767 : v < -32768 ? -32768 : Vek16s(std::round(v));
    }
    std::vector<Vek8u> af(n), uf(n), ai(n), ui(n);
    ASSERT_EQ(veksLinToALaw_32f8u(x.data(), af.data(), n), vekStsNoErr);
    ASSERT_EQ(veksLinToMuLaw_32f8u(x.data(), uf.data(), n), vekStsNoErr);
    veksLinToALaw_16s8u(lin.data(), ai.data(), n);
    veksLinToMuLaw_16s8u(lin.data(), ui.data(), n);
    for (int i = 0; i < n; ++i) {
        ASSERT_EQ(af[i], ai[i]) << x[i];
        ASSERT_EQ(uf[i], Vek8u((ui[i] & 0x7F) | (x[i] >= 0 ? 0x80 : 0))) << x[i];
    }
    EXPECT_EQ(uf[2], 0x7F);  // small negative rounds to 0 but keeps its sign
    EXPECT_EQ(uf[3], 0x7F);  // NaN
    EXPECT_EQ(af[3], 0xD5);
}

TEST(G711, BadArguments) {
    vt::Guarded<Vek8u> d(4);
    const Vek16s s[4] = {};
    EXPECT_EQ(veksLinToALaw_16s8u(nullptr, d.data(), 4), vekStsNullPtrErr);
    EXPECT_EQ(veksLinToALaw_16s8u(s, nullptr, 4), vekStsNullPtrErr);
    EXPECT_EQ(veksLinToMuLaw_16s8u(s, d.data(), 0), vekStsSizeErr);
    EXPECT_EQ(veksALawToMuLaw_8u(d.data(), d.data(), -1), vekStsSizeErr);
    EXPECT_TRUE(d.untouched());
}

// ---- bit packing -----------------------------------------------------------

// Writes bit by bit, most significant first.
void pack_ref(const std::vector<Vek32u>& v, const std::vector<int>& n, std::vector<Vek8u>& dst, int offset,
              int& total) {
    int pos = offset & 7;
    total = 0;
    for (std::size_t i = 0; i < v.size(); ++i) {
        const int k = std::clamp(n[i], 0, 32);
        for (int b = k - 1; b >= 0; --b, ++pos, ++total) {
            const int bit = (v[i] >> b) & 1;
            Vek8u& byte = dst[pos / 8];
            byte = Vek8u((byte & ~(0x80 >> (pos % 8))) | (bit << (7 - pos % 8)));
        }
    }
}

TEST(PackBits, MatchesBitWriter) {
    vt::Rng rng(8);
    for (int trial = 0; trial < 400; ++trial) {
        const int len = 1 + int(rng.raw() % 40);
        const bool allow_bad = trial % 3 == 0;
        std::vector<Vek32u> v(len);
        std::vector<int> n(len);
        bool bad = false;
        for (int i = 0; i < len; ++i) {
            v[i] = Vek32u(rng.raw());
            n[i] = allow_bad ? int(rng.raw() % 45) - 6 : int(rng.raw() % 33);
            bad |= n[i] < 0 || n[i] > 32;
        }
        const int offset = int(rng.raw() % 20);
        std::vector<Vek8u> want(len * 4 + 8), got;
        rng.fill(want.data(), want.size());
        got = want;
        int want_bits = 0, got_bits = -1;
        pack_ref(v, n, want, offset, want_bits);
        ASSERT_EQ(veksPackBits_32u8u(v.data(), n.data(), len, got.data(), offset, &got_bits),
                  bad ? vekStsBitLenClamped : vekStsNoErr);
        ASSERT_EQ(got_bits, want_bits);
        ASSERT_EQ(got, want) << "trial " << trial;
    }
    Vek32u v = 5;
    int n = 3, bits = 0;
    Vek8u byte = 0xFF;
    ASSERT_EQ(veksPackBits_32u8u(&v, &n, 1, &byte, 2, &bits), vekStsNoErr);
    EXPECT_EQ(byte, 0xEF);
    EXPECT_EQ(bits, 3);
}

TEST(PackBits, BadArgumentsWriteNothing) {
    Vek32u v = 1;
    int n = 1, bits = 77;
    Vek8u byte = 0x12;
    EXPECT_EQ(veksPackBits_32u8u(nullptr, &n, 1, &byte, 0, &bits), vekStsNullPtrErr);
    EXPECT_EQ(veksPackBits_32u8u(&v, nullptr, 1, &byte, 0, &bits), vekStsNullPtrErr);
    EXPECT_EQ(veksPackBits_32u8u(&v, &n, 1, nullptr, 0, &bits), vekStsNullPtrErr);
    EXPECT_EQ(veksPackBits_32u8u(&v, &n, 1, &byte, 0, nullptr), vekStsNullPtrErr);
    EXPECT_EQ(veksPackBits_32u8u(&v, &n, 0, &byte, 0, &bits), vekStsSizeErr);
    EXPECT_EQ(veksPackBits_32u8u(&v, &n, 1, &byte, -1, &bits), vekStsSizeErr);
    EXPECT_EQ(byte, 0x12);
    EXPECT_EQ(bits, 77);
}

}  // namespace
