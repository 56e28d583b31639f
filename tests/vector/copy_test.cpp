// Fill, copy, move, reverse, complex parts, byte swaps and bit copies
// against plain element loops, over lengths that cross every SIMD head and
// tail, with guard bytes around each destination.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <vector>

#include "test_util.h"

namespace {

using vt::Guarded;

// Every type code of Copy, Move, Set and Zero, bound to its functions.
template <class T>
struct CopyFamily {
    const char* name;
    VekStatus (*copy)(const T*, T*, int);
    VekStatus (*move)(const T*, T*, int);
    VekStatus (*set)(T, T*, int);
    VekStatus (*zero)(T*, int);
};

#define FAMILY(code, T) CopyFamily<T>{#code, veksCopy_##code, veksMove_##code, veksSet_##code, veksZero_##code}

template <class T>
void check_copy_family(const CopyFamily<T>& f) {
    SCOPED_TRACE(f.name);
    vt::Rng rng(1);
    for (int len : vt::sweep_lengths()) {
        for (int shift = 0; shift < 4; ++shift) {  // element misalignment of src and dst
            std::vector<T> src(len + 4);
            rng.fill(src.data(), src.size());
            Guarded<T> dst(len + 4);
            ASSERT_EQ(f.copy(src.data() + shift, dst.data() + (3 - shift), len), vekStsNoErr);
            ASSERT_TRUE(vt::same_bits(dst.data() + (3 - shift), src.data() + shift, len)) << len;

            Guarded<T> filled(len + 4);
            T val;
            rng.fill(&val, 1);
            ASSERT_EQ(f.set(val, filled.data() + shift, len), vekStsNoErr);
            for (int i = 0; i < len; ++i) ASSERT_TRUE(vt::same_bits(&filled[shift + i], &val, 1)) << len;
            ASSERT_EQ(f.zero(filled.data() + shift, len), vekStsNoErr);
            std::vector<unsigned char> zeros(len * sizeof(T), 0);
            ASSERT_EQ(std::memcmp(filled.data() + shift, zeros.data(), zeros.size()), 0);
            // Outside [shift, shift + len) the fill byte is still there.
            const auto* raw = reinterpret_cast<const unsigned char*>(filled.data());
            for (std::size_t i = 0; i < shift * sizeof(T); ++i) ASSERT_EQ(raw[i], 0xA5);
            for (std::size_t i = (shift + len) * sizeof(T); i < (len + 4) * sizeof(T); ++i) ASSERT_EQ(raw[i], 0xA5);
            ASSERT_TRUE(filled.guards_intact());
        }
    }
    // The move of a non-overlapping range is a copy too.
    std::vector<T> a(100), b(100);
    rng.fill(a.data(), 100);
    ASSERT_EQ(f.move(a.data(), b.data(), 100), vekStsNoErr);
    ASSERT_TRUE(vt::same_bits(a.data(), b.data(), 100));
}

TEST(Copy, EveryTypeCopiesSetsAndZeroes) {
    check_copy_family(FAMILY(8u, Vek8u));
    check_copy_family(FAMILY(16s, Vek16s));
    check_copy_family(FAMILY(16sc, Vek16sc));
    check_copy_family(FAMILY(32s, Vek32s));
    check_copy_family(FAMILY(32sc, Vek32sc));
    check_copy_family(FAMILY(32f, Vek32f));
    check_copy_family(FAMILY(32fc, Vek32fc));
    check_copy_family(FAMILY(64s, Vek64s));
    check_copy_family(FAMILY(64sc, Vek64sc));
    check_copy_family(FAMILY(64f, Vek64f));
    check_copy_family(FAMILY(64fc, Vek64fc));
}

TEST(Set, ComplexValueRepeatsAsParts) {
    Vek16s out[8];
    ASSERT_EQ(veksSet_16sc(Vek16sc{1, -1}, reinterpret_cast<Vek16sc*>(out), 4), vekStsNoErr);
    for (int i = 0; i < 8; ++i) EXPECT_EQ(out[i], i % 2 ? -1 : 1);
}

// Sizes around the 128 KiB and streaming thresholds, and one beyond any
// cache, so the non-temporal paths run.
TEST(Copy, LargeBuffersTakeTheStreamingPaths) {
    vt::Rng rng(2);
    for (std::size_t n : {131071u, 131073u, 524289u, 1u << 21, 96u << 20}) {
        std::vector<Vek8u> src(n + 1), dst(n + 1, 0);
        rng.fill_bytes(src.data(), n + 1);
        ASSERT_EQ(veksCopy_8u(src.data() + 1, dst.data(), int(n)), vekStsNoErr);
        ASSERT_EQ(std::memcmp(src.data() + 1, dst.data(), n), 0) << n;
        ASSERT_EQ(veksSet_8u(0x3C, dst.data() + 1, int(n)), vekStsNoErr);
        ASSERT_TRUE(std::all_of(dst.begin() + 1, dst.end(), [](Vek8u c) { return c == 0x3C; })) << n;
        ASSERT_EQ(veksZero_32f(reinterpret_cast<Vek32f*>(dst.data()), int(n / 4)), vekStsNoErr);
        ASSERT_TRUE(std::all_of(dst.begin(), dst.begin() + n / 4 * 4, [](Vek8u c) { return c == 0; })) << n;
        const Vek64f v = -2.5;
        std::vector<Vek64f> d64(n / 8);
        ASSERT_EQ(veksSet_64f(v, d64.data(), int(d64.size())), vekStsNoErr);
        ASSERT_TRUE(std::all_of(d64.begin(), d64.end(), [&](Vek64f x) { return x == v; }));
    }
}

// Move with the destination ahead of and behind the source by 0..67
// elements: the result is always the source as it was before the call.
template <class T>
void check_move(VekStatus (*move)(const T*, T*, int), std::initializer_list<int> lens) {
    vt::Rng rng(3);
    for (int len : lens) {
        for (int off = 0; off <= 67; ++off) {
            for (int dir : {+1, -1}) {
                std::vector<T> buf(len + 2 * 68);
                rng.fill(buf.data(), buf.size());
                T* src = buf.data() + 68;
                T* dst = src + dir * off;
                const std::vector<T> before(src, src + len);
                ASSERT_EQ(move(src, dst, len), vekStsNoErr);
                ASSERT_TRUE(vt::same_bits(dst, before.data(), len)) << len << " " << dir * off;
            }
        }
    }
}

TEST(Move, EveryOverlapDirectionAndOffset) {
    check_move<Vek8u>(veksMove_8u, {1, 2, 15, 16, 17, 63, 64, 127, 128, 129, 300, 5000, 140000});
    check_move<Vek32f>(veksMove_32f, {1, 3, 4, 5, 31, 32, 33, 1000});
    check_move<Vek64fc>(veksMove_64fc, {1, 2, 7, 8, 9, 257});
}

template <class T>
void check_flip(VekStatus (*flip)(const T*, T*, int), VekStatus (*flip_i)(T*, int)) {
    vt::Rng rng(4);
    for (int len : vt::sweep_lengths()) {
        for (int shift = 0; shift < 2; ++shift) {
            std::vector<T> src(len + 1);
            rng.fill(src.data(), src.size());
            std::vector<T> expect(src.begin() + shift, src.begin() + shift + len);
            std::reverse(expect.begin(), expect.end());
            Guarded<T> dst(len + 1);
            ASSERT_EQ(flip(src.data() + shift, dst.data() + 1 - shift, len), vekStsNoErr);
            ASSERT_TRUE(vt::same_bits(dst.data() + 1 - shift, expect.data(), len)) << len;
            ASSERT_TRUE(dst.guards_intact());
            ASSERT_EQ(flip_i(src.data() + shift, len), vekStsNoErr);
            ASSERT_TRUE(vt::same_bits(src.data() + shift, expect.data(), len)) << len;
        }
    }
}

TEST(Flip, EveryWidthOutOfPlaceAndInPlace) {
    check_flip<Vek8u>(veksFlip_8u, veksFlip_8u_I);
    check_flip<Vek16u>(veksFlip_16u, veksFlip_16u_I);
    check_flip<Vek32f>(veksFlip_32f, veksFlip_32f_I);
    check_flip<Vek64f>(veksFlip_64f, veksFlip_64f_I);
    check_flip<Vek32fc>(veksFlip_32fc, veksFlip_32fc_I);
    check_flip<Vek64fc>(veksFlip_64fc, veksFlip_64fc_I);
}

template <class C, class T>
struct PartsFamily {
    VekStatus (*real)(const C*, T*, int);
    VekStatus (*imag)(const C*, T*, int);
    VekStatus (*both)(const C*, T*, T*, int);
    VekStatus (*join)(const T*, const T*, C*, int);
};

template <class C, class T>
void check_parts(const PartsFamily<C, T>& f) {
    vt::Rng rng(5);
    for (int len : vt::sweep_lengths()) {
        std::vector<C> src(len);
        rng.fill(src.data(), len);
        Guarded<T> re(len), im(len), re2(len), im2(len);
        ASSERT_EQ(f.both(src.data(), re.data(), im.data(), len), vekStsNoErr);
        ASSERT_EQ(f.real(src.data(), re2.data(), len), vekStsNoErr);
        ASSERT_EQ(f.imag(src.data(), im2.data(), len), vekStsNoErr);
        for (int i = 0; i < len; ++i) {
            ASSERT_TRUE(vt::same_bits(&re[i], &src[i].re, 1) && vt::same_bits(&im[i], &src[i].im, 1)) << len;
            ASSERT_TRUE(vt::same_bits(&re2[i], &src[i].re, 1) && vt::same_bits(&im2[i], &src[i].im, 1)) << len;
        }
        ASSERT_TRUE(re.guards_intact() && im.guards_intact() && re2.guards_intact() && im2.guards_intact());

        const T zero{};
        for (int which = 0; which < 3; ++which) {  // both, real only, imaginary only
            Guarded<C> out(len);
            ASSERT_EQ(f.join(which == 2 ? nullptr : re.data(), which == 1 ? nullptr : im.data(), out.data(), len),
                      vekStsNoErr);
            for (int i = 0; i < len; ++i) {
                ASSERT_TRUE(vt::same_bits(&out[i].re, which == 2 ? &zero : &src[i].re, 1));
                ASSERT_TRUE(vt::same_bits(&out[i].im, which == 1 ? &zero : &src[i].im, 1));
            }
            ASSERT_TRUE(out.guards_intact());
        }
        Guarded<C> out(len);
        ASSERT_EQ(f.join(nullptr, nullptr, out.data(), len), vekStsNullPtrErr);
        ASSERT_TRUE(out.untouched());
    }
}

TEST(ComplexParts, SplitAndJoinWithTheNullRule) {
    check_parts(PartsFamily<Vek16sc, Vek16s>{veksReal_16sc, veksImag_16sc, veksCplxToReal_16sc, veksRealToCplx_16s});
    check_parts(PartsFamily<Vek32fc, Vek32f>{veksReal_32fc, veksImag_32fc, veksCplxToReal_32fc, veksRealToCplx_32f});
    check_parts(PartsFamily<Vek64fc, Vek64f>{veksReal_64fc, veksImag_64fc, veksCplxToReal_64fc, veksRealToCplx_64f});
    // Real parts of zero are +0.0, not -0.0.
    Vek32f im[2] = {1, 2};
    Vek32fc out[2];
    ASSERT_EQ(veksRealToCplx_32f(nullptr, im, out, 2), vekStsNoErr);
    EXPECT_FALSE(std::signbit(out[0].re) || std::signbit(out[1].re));
}

template <class T>
void check_swap(VekStatus (*swap)(const T*, T*, int), VekStatus (*swap_i)(T*, int), int width) {
    vt::Rng rng(6);
    for (int len : vt::sweep_lengths()) {
        const std::size_t bytes = std::size_t(len) * width;
        std::vector<Vek8u> src(bytes), expect(bytes);
        rng.fill_bytes(src.data(), bytes);
        for (std::size_t e = 0; e < bytes; e += width)
            for (int b = 0; b < width; ++b) expect[e + b] = src[e + width - 1 - b];
        Guarded<Vek8u> dst(bytes);
        ASSERT_EQ(swap(reinterpret_cast<const T*>(src.data()), reinterpret_cast<T*>(dst.data()), len), vekStsNoErr);
        ASSERT_EQ(std::memcmp(dst.data(), expect.data(), bytes), 0) << len;
        ASSERT_TRUE(dst.guards_intact());
        ASSERT_EQ(swap_i(reinterpret_cast<T*>(src.data()), len), vekStsNoErr);
        ASSERT_EQ(src, expect) << len;
    }
}

TEST(SwapBytes, EveryWidth) {
    check_swap<Vek16u>(veksSwapBytes_16u, veksSwapBytes_16u_I, 2);
    check_swap<Vek8u>(veksSwapBytes_24u, veksSwapBytes_24u_I, 3);
    check_swap<Vek32u>(veksSwapBytes_32u, veksSwapBytes_32u_I, 4);
    check_swap<Vek64u>(veksSwapBytes_64u, veksSwapBytes_64u_I, 8);
    Vek8u b[6] = {1, 2, 3, 4, 5, 6};
    ASSERT_EQ(veksSwapBytes_24u_I(b, 2), vekStsNoErr);
    EXPECT_EQ(std::vector<Vek8u>(b, b + 6), (std::vector<Vek8u>{3, 2, 1, 6, 5, 4}));
}

// Bit k of a byte string counted from the most significant bit.
int bit(const Vek8u* p, long k) { return (p[k / 8] >> (7 - k % 8)) & 1; }

TEST(Copy1u, EveryBitOffsetPair) {
    vt::Rng rng(8);
    for (int so = 0; so < 8; ++so) {
        for (int dof = 0; dof < 8; ++dof) {
            for (int len : {1, 2, 3, 5, 7, 8, 9, 15, 16, 17, 31, 64, 65, 127, 200, 1000}) {
                const int nbytes = (len + 16) / 8 + 2;
                std::vector<Vek8u> src(nbytes), before(nbytes);
                rng.fill_bytes(src.data(), nbytes);
                rng.fill_bytes(before.data(), nbytes);
                Guarded<Vek8u> dst(nbytes);
                std::memcpy(dst.data(), before.data(), nbytes);
                ASSERT_EQ(veksCopy_1u(src.data(), so, dst.data(), dof, len), vekStsNoErr);
                for (long k = 0; k < long(nbytes) * 8; ++k) {
                    const bool copied = k >= dof && k < dof + len;
                    const int expect = copied ? bit(src.data(), so + k - dof) : bit(before.data(), k);
                    ASSERT_EQ(bit(dst.data(), k), expect) << so << " " << dof << " " << len << " bit " << k;
                }
                ASSERT_TRUE(dst.guards_intact());
            }
        }
    }
    // Offsets of a byte or more continue into the following bytes.
    const Vek8u src[4] = {0x00, 0x00, 0xF0, 0x00};
    Vek8u dst[3] = {0, 0, 0};
    ASSERT_EQ(veksCopy_1u(src, 12, dst, 9, 8), vekStsNoErr);
    EXPECT_EQ(dst[1], 0x07);
    EXPECT_EQ(dst[2], 0x80);
}

// Null pointers give -8 before lengths give -6; nothing is written.
TEST(BadArguments, StatusOrderAndNothingWritten) {
    Guarded<Vek32f> dst(16), dst2(16);
    const Vek32f src[16] = {};
    const Vek32fc csrc[16] = {};
    Vek8u bits[4] = {};
    auto* d8 = reinterpret_cast<Vek8u*>(dst.data());
    struct Case {
        const char* name;
        VekStatus got, expect;
    };
    const Case cases[] = {
        {"copy null src", veksCopy_32f(nullptr, dst.data(), 16), vekStsNullPtrErr},
        {"copy null dst len 0", veksCopy_32f(src, nullptr, 0), vekStsNullPtrErr},
        {"copy len 0", veksCopy_32f(src, dst.data(), 0), vekStsSizeErr},
        {"copy len -1", veksCopy_32f(src, dst.data(), -1), vekStsSizeErr},
        {"move null", veksMove_32f(nullptr, dst.data(), 4), vekStsNullPtrErr},
        {"move len -3", veksMove_32f(src, dst.data(), -3), vekStsSizeErr},
        {"set null", veksSet_32f(1.0f, nullptr, 4), vekStsNullPtrErr},
        {"set len 0", veksSet_32f(1.0f, dst.data(), 0), vekStsSizeErr},
        {"zero null", veksZero_32f(nullptr, 0), vekStsNullPtrErr},
        {"zero len -1", veksZero_32f(dst.data(), -1), vekStsSizeErr},
        {"flip null", veksFlip_32f(src, nullptr, 4), vekStsNullPtrErr},
        {"flip len 0", veksFlip_32f(src, dst.data(), 0), vekStsSizeErr},
        {"flip_I null", veksFlip_32f_I(nullptr, 4), vekStsNullPtrErr},
        {"flip_I len 0", veksFlip_32f_I(dst.data(), 0), vekStsSizeErr},
        {"real null", veksReal_32fc(nullptr, dst.data(), 4), vekStsNullPtrErr},
        {"imag len 0", veksImag_32fc(csrc, dst.data(), 0), vekStsSizeErr},
        {"cplxtoreal null im", veksCplxToReal_32fc(csrc, dst.data(), nullptr, 4), vekStsNullPtrErr},
        {"cplxtoreal len -1", veksCplxToReal_32fc(csrc, dst.data(), dst2.data(), -1), vekStsSizeErr},
        {"realtocplx null dst", veksRealToCplx_32f(src, src, nullptr, 4), vekStsNullPtrErr},
        {"realtocplx len 0 both null",
         veksRealToCplx_32f(nullptr, nullptr, reinterpret_cast<Vek32fc*>(dst.data()), 0), vekStsSizeErr},
        {"swap null", veksSwapBytes_32u(nullptr, reinterpret_cast<Vek32u*>(dst.data()), 4), vekStsNullPtrErr},
        {"swap len 0", veksSwapBytes_24u_I(d8, 0), vekStsSizeErr},
        {"bits null", veksCopy_1u(nullptr, 0, d8, 0, 4), vekStsNullPtrErr},
        {"bits len 0", veksCopy_1u(bits, 0, d8, 0, 0), vekStsSizeErr},
        {"bits src offset -1", veksCopy_1u(bits, -1, d8, 0, 4), vekStsSizeErr},
        {"bits dst offset -1", veksCopy_1u(bits, 0, d8, -1, 4), vekStsSizeErr},
    };
    for (const auto& c : cases) EXPECT_EQ(c.got, c.expect) << c.name;
    EXPECT_TRUE(dst.untouched());
    EXPECT_TRUE(dst2.untouched());
}

}  // namespace
