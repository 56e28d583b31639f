// The C++ layer: owners and buffers release exactly once (moves, resets,
// exceptions, allocation failures), calls place the container length in the
// right parameter, and statuses map to the header's values, throwing only
// for errors.
#include <gtest/gtest.h>

#include <array>
#include <climits>
#include <complex>
#include <cstdio>
#include <cstring>
#include <vector>

#include "owner_check.h"
#include "test_util.h"
#include "veks.hpp"

namespace {

using veks::status;

auto fft_spec(int order) { return veks::init_alloc(veksFFTInitAlloc_C_32fc, order, VEK_FFT_SCALE_INV_N, vekAlgHintNone); }

TEST(WrapperCoverage, EveryInitAllocHasAnOwnerReleasingWithItsFree) {
    ASSERT_GT(kOwnerRowCount, 0);
    for (int i = 0; i < kOwnerRowCount; ++i) {
        const OwnerRow& r = kOwnerRows[i];
        EXPECT_TRUE(r.has_owner) << r.init_alloc << ": no veks::owner for its object type";
        EXPECT_TRUE(r.frees_right) << r.init_alloc << ": owner does not release with " << r.free_fn;
    }
    std::printf("%d InitAlloc functions, %d owned object types\n", kOwnerRowCount, kOwnedTypeCount);
}

TEST(WrapperCoverage, EveryStatusIsNamedAndOnlyErrorsThrow) {
    for (int i = 0; i < kStatusRowCount; ++i) {
        const StatusRow& r = kStatusRows[i];
        const auto s = static_cast<status>(r.value);
        EXPECT_STREQ(veks::status_name(s), r.name);
        EXPECT_STRNE(veks::status_message(s), "unknown status") << r.name;
        if (r.value < 0) {
            try {
                veks::check(r.value);
                ADD_FAILURE() << r.name << " did not throw";
            } catch (const veks::error& e) {
                EXPECT_EQ(e.code(), s);
                EXPECT_NE(std::strstr(e.what(), r.name), nullptr) << e.what();
                EXPECT_NE(std::strstr(e.what(), std::to_string(r.value).c_str()), nullptr) << e.what();
            }
        } else {
            EXPECT_EQ(veks::check(r.value), s);
        }
    }
    EXPECT_STREQ(veks::status_name(static_cast<status>(-1000)), "unknown status");
}

// Real calls that end in a warning or an error: the plain form returns the
// header's value; the throwing form throws exactly for errors; an error
// leaves the destination as it was.
template <class F, class... A>
status either(bool throwing, F fn, A&&... args) {
    return throwing ? veks::call_or_throw(fn, std::forward<A>(args)...) : veks::call(fn, std::forward<A>(args)...);
}

struct Vectors {
    std::vector<Vek32f> neg{4, -1, 9}, zero{1, 0, 2}, dst = std::vector<Vek32f>(3, -7.0f);
};

TEST(WrapperCall, StatusesFromTheLibrary) {
    struct Case {
        const char* what;
        status expected;
        status (*run)(bool throwing, Vectors& v);
    };
    const Case cases[] = {
        {"sqrt of a negative", status::sqrt_neg_arg, [](bool t, Vectors& v) { return either(t, veksSqrt_32f, v.neg, v.dst); }},
        {"division by zero", status::div_by_zero, [](bool t, Vectors& v) { return either(t, veksDiv_32f, v.zero, v.neg, v.dst); }},
        {"log of zero", status::ln_zero_arg, [](bool t, Vectors& v) { return either(t, veksLn_32f, v.zero, v.dst); }},
        {"null destination", status::null_ptr_err,
         [](bool t, Vectors& v) { return either(t, veksCopy_32f, v.neg, static_cast<Vek32f*>(nullptr), 3); }},
        {"zero length", status::size_err,
         [](bool t, Vectors& v) {
             return either(t, veksCopy_32f, veks::span<Vek32f>(v.neg.data(), 0), veks::span<Vek32f>(v.dst.data(), 0));
         }},
        {"unknown relation", status::bad_arg_err,
         [](bool t, Vectors& v) { return either(t, veksThreshold_32f, v.neg, v.dst, 0.0f, 1); }},
    };
    for (const Case& c : cases) {
        for (bool throwing : {false, true}) {
            Vectors v;
            status got = status::no_err;
            bool thrown = false;
            try {
                got = c.run(throwing, v);
            } catch (const veks::error& e) {
                thrown = true;
                got = e.code();
            }
            EXPECT_EQ(got, c.expected) << c.what;
            EXPECT_EQ(thrown, throwing && veks::is_error(c.expected)) << c.what;
            if (veks::is_error(c.expected)) {
                EXPECT_EQ(v.dst, Vectors().dst) << c.what;
            }
        }
    }
}

// The inferred length lands in the right parameter whatever sits around it:
// a constant before the destination, a scalar output after the length, a
// constant first. Each is compared with the plain C call at several lengths.
TEST(WrapperCall, LengthGoesIntoTheRightParameter) {
    vt::Rng rng;
    for (int n : {1, 3, 16, 33, 100}) {
        std::vector<Vek32s> a(n), got(n), want(n);
        rng.fill(a.data(), a.size());
        ASSERT_EQ(veks::call(veksAddC_32s_Sfs, a, 12345, got, 1), status::no_err);
        ASSERT_EQ(veksAddC_32s_Sfs(a.data(), 12345, want.data(), n, 1), vekStsNoErr);
        EXPECT_EQ(got, want) << n;

        std::vector<Vek16s> h(n);
        rng.fill(h.data(), h.size());
        Vek16s sum = 0, sumWant = 1;
        ASSERT_EQ(veks::call(veksSum_16s_Sfs, h, &sum, 3), status::no_err);
        ASSERT_EQ(veksSum_16s_Sfs(h.data(), n, &sumWant, 3), vekStsNoErr);
        EXPECT_EQ(sum, sumWant) << n;

        std::vector<Vek32s> inPlace = a;
        ASSERT_EQ(veks::call(veksAddC_32s_ISfs, -77, inPlace, 0), status::no_err);
        ASSERT_EQ(veksAddC_32s_ISfs(-77, a.data(), n, 0), vekStsNoErr);
        EXPECT_EQ(inPlace, a) << n;
    }
}

TEST(WrapperCall, AcceptsEveryContiguousKind) {
    std::array<Vek32f, 4> arr{1, 2, 3, 4};
    Vek32f carr[4] = {5, 6, 7, 8};
    const std::vector<Vek32f> cvec{1, 1, 1, 1};
    auto buf = veks::allocate_or_throw<Vek32f>(4);
    vt::Guarded<Vek32f> guarded(4);
    ASSERT_EQ(veks::call(veksAdd_32f, arr, carr, buf), status::no_err);
    ASSERT_EQ(veks::call(veksAdd_32f, veks::span<const Vek32f>(cvec), buf, guarded), status::no_err);
    for (int i = 0; i < 4; ++i) EXPECT_EQ(guarded[i], 1 + arr[i] + carr[i]);
    EXPECT_TRUE(guarded.guards_intact());
    veks::span<Vek32f> s(carr);
    EXPECT_EQ(s.size(), 4u);
    EXPECT_EQ(s.subspan(1, 2)[1], 7);
    EXPECT_EQ(s.last(1)[0], 8);
}

// std::complex data stands for the library's complex types, const or not.
TEST(WrapperCall, StdComplexServesAsVekComplex) {
    const std::vector<std::complex<double>> z{{3, 4}, {-5, 12}, {0, -1}, {8, 15}, {1e-3, 0}};
    std::vector<Vek64f> mag(z.size()), want(z.size());
    ASSERT_EQ(veks::call(veksMagnitude_64fc, z, mag), status::no_err);
    ASSERT_EQ(veksMagnitude_64fc(reinterpret_cast<const Vek64fc*>(z.data()), want.data(), 5), vekStsNoErr);
    EXPECT_EQ(mag, want);
    std::vector<std::complex<float>> c{{1, 2}, {3, -4}}, conj(2);
    ASSERT_EQ(veks::call(veksConj_32fc, c, conj), status::no_err);
    EXPECT_EQ(conj[1], std::complex<float>(3, 4));
    auto view = veks::as_vek(c);
    EXPECT_EQ(view[0].im, 2.0f);
}

// Sizes that disagree, or exceed a 32-bit length, are refused before the
// library runs: nothing is written.
TEST(WrapperCall, RefusesLengthsItCannotPass) {
    vt::Guarded<Vek32f> src(8), dst(7);
    EXPECT_EQ(veks::call(veksCopy_32f, src, dst), status::size_err);
    EXPECT_TRUE(dst.untouched());
    veks::span<Vek32f> huge(src.data(), static_cast<std::size_t>(INT_MAX) + 1);
    EXPECT_EQ(veks::call(veksCopy_32f, huge, huge), status::size_err);
    EXPECT_THROW(veks::call_or_throw(veksCopy_32f, src, dst), veks::error);
    EXPECT_TRUE(dst.untouched());
}

TEST(WrapperOwner, ReleasesOnceThroughMovesAndResets) {
    const auto base = vekcoreLiveBlocks();
    {
        auto a = fft_spec(6);
        ASSERT_TRUE(a.ok());
        const auto one = vekcoreLiveBlocks() - base;
        ASSERT_GT(one, 0);

        veks::owner<VekFFTSpec_C_32fc> b = std::move(*a);
        EXPECT_FALSE(*a);
        EXPECT_TRUE(b);
        auto c = fft_spec(5).value();
        c = std::move(b);  // the order-5 object is released here
        EXPECT_FALSE(b);
        EXPECT_EQ(vekcoreLiveBlocks() - base, one);

        VekFFTSpec_C_32fc* raw = c.release();
        EXPECT_FALSE(c);
        c.reset(raw);
        EXPECT_EQ(c.free(), status::no_err);
        EXPECT_EQ(c.free(), status::no_err);  // empty: nothing to do
        EXPECT_EQ(vekcoreLiveBlocks(), base);
    }
    EXPECT_EQ(vekcoreLiveBlocks(), base);
}

TEST(WrapperOwner, ReleasesWhenAnExceptionUnwinds) {
    const auto base = vekcoreLiveBlocks();
    const std::vector<Vek32f> taps(100, 0.01f);
    try {
        auto spec = fft_spec(8).value();
        auto fir = veks::init_alloc_or_throw(veksFIRInitAlloc_32f, taps, nullptr);
        auto buf = veks::allocate_or_throw<Vek32fc>(256);
        EXPECT_GT(vekcoreLiveBlocks(), base);
        std::vector<Vek32f> in(10), out(9);
        veks::call_or_throw(veksFIR_32f, in, out, fir);
        ADD_FAILURE() << "size mismatch did not throw";
    } catch (const veks::error& e) {
        EXPECT_EQ(e.code(), status::size_err);
    }
    EXPECT_EQ(vekcoreLiveBlocks(), base);
}

// Each allocation of an InitAlloc failing in turn: the plain form reports
// mem_alloc_err with an empty owner, the throwing form throws it, and
// nothing leaks; once every allocation succeeds the state filters.
TEST(WrapperOwner, AllocationFailureLeavesNothing) {
    const std::vector<Vek32f> taps(80, 0.5f);  // long enough to hold an FFT
    const auto base = vekcoreLiveBlocks();
    for (int nth = 1;; ++nth) {
        ASSERT_LT(nth, 64) << "InitAlloc never succeeded";
        vekcoreFailAllocation(nth);
        auto r = veks::init_alloc(veksFIRInitAlloc_32f, taps, nullptr);
        vekcoreFailAllocation(0);
        if (r.ok()) {
            std::vector<Vek32f> x(600, 1.0f), y(600);
            EXPECT_EQ(veks::call(veksFIR_32f, x, y, *r), status::no_err);
            EXPECT_NEAR(y[599], 40.0f, 1e-3);
            break;
        }
        EXPECT_EQ(r.code(), status::mem_alloc_err) << nth;
        EXPECT_FALSE(*r);
        EXPECT_EQ(vekcoreLiveBlocks(), base) << nth;
        vekcoreFailAllocation(nth);
        EXPECT_THROW(veks::init_alloc_or_throw(veksFIRInitAlloc_32f, taps, nullptr), veks::error) << nth;
        vekcoreFailAllocation(0);
        EXPECT_EQ(vekcoreLiveBlocks(), base) << nth;
    }
    EXPECT_EQ(vekcoreLiveBlocks(), base);
}

TEST(WrapperOwner, InvalidParametersGiveAnEmptyOwner) {
    auto bad = fft_spec(40);
    EXPECT_EQ(bad.code(), status::fft_order_err);
    EXPECT_FALSE(*bad);
    EXPECT_THROW(bad.value(), veks::error);
    auto badFlag = veks::init_alloc(veksFFTInitAlloc_C_32fc, 4, 3, vekAlgHintNone);
    EXPECT_EQ(badFlag.code(), status::fft_flag_err);
}

TEST(WrapperBuffer, AllocatesReleasesAndReportsFailure) {
    const auto base = vekcoreLiveBlocks();
    {
        auto b = veks::allocate<Vek64fc>(10);
        ASSERT_TRUE(b.ok());
        EXPECT_EQ(b->size(), 10u);
        EXPECT_EQ(vekcoreLastRequest(), 160u);
        veks::buffer<Vek64fc> moved = std::move(*b);
        EXPECT_TRUE(b->empty());
        EXPECT_EQ(b->data(), nullptr);
        EXPECT_EQ(vekcoreLiveBlocks(), base + 1);
    }
    EXPECT_EQ(vekcoreLiveBlocks(), base);
    EXPECT_TRUE(veks::allocate<Vek8u>(0).ok());
    EXPECT_EQ(veks::allocate<Vek8u>(-1).code(), status::size_err);
    vekcoreFailAllocation(1);
    EXPECT_EQ(veks::allocate<Vek16s>(8).code(), status::mem_alloc_err);
    vekcoreFailAllocation(1);
    EXPECT_THROW(veks::allocate_or_throw<Vek16s>(8), veks::error);
    vekcoreFailAllocation(0);
    EXPECT_EQ(vekcoreLiveBlocks(), base);
}

}  // namespace
