// One DFT or FFT specification used by eight threads at once: a
// specification is read-only after init, so every thread must get exactly
// the bits of a serial run, whether it passes its own work buffer or lets
// the call allocate one. Each case covers a different method behind the
// same interface (power of two, mixed factors, chirp convolution, real and
// integer forms).
#include <gtest/gtest.h>

#include <functional>
#include <thread>
#include <vector>

#include "test_util.h"
#include "veks.h"

namespace {

constexpr int kThreads = 8;
constexpr int kRepeats = 4;

// transform(dst, buffer) writes `n` output values of type Out.
template <class Out>
void expect_shared_use_matches_serial(std::size_t n, int buffer_bytes,
                                      const std::function<VekStatus(Out*, Vek8u*)>& transform) {
    std::vector<Out> serial(n);
    ASSERT_EQ(transform(serial.data(), nullptr), vekStsNoErr);
    std::vector<std::vector<Out>> out(kThreads, std::vector<Out>(n));
    std::vector<VekStatus> status(kThreads, vekStsNoErr);
    std::vector<std::thread> pool;
    for (int t = 0; t < kThreads; ++t)
        pool.emplace_back([&, t] {
            std::vector<Vek8u> buffer(buffer_bytes + 1);
            for (int rep = 0; rep < kRepeats && status[t] == vekStsNoErr; ++rep)
                status[t] = transform(out[t].data(), t % 2 ? buffer.data() : nullptr);
        });
    for (auto& th : pool) th.join();
    for (int t = 0; t < kThreads; ++t) {
        EXPECT_EQ(status[t], vekStsNoErr) << "thread " << t;
        EXPECT_TRUE(vt::same_bits(out[t].data(), serial.data(), n)) << "thread " << t;
    }
}

TEST(SharedSpecification, ComplexDftEveryMethod) {
    for (int n : {64, 360, 1000, 1009, 2048}) {
        SCOPED_TRACE(testing::Message() << "n=" << n);
        VekDFTSpec_C_32fc* spec = nullptr;
        ASSERT_EQ(veksDFTInitAlloc_C_32fc(&spec, n, VEK_FFT_SCALE_INV_N, vekAlgHintNone), vekStsNoErr);
        int bytes = 0;
        ASSERT_EQ(veksDFTGetBufSize_C_32fc(spec, &bytes), vekStsNoErr);
        std::vector<Vek32fc> x(n);
        vt::Rng(n).fill(reinterpret_cast<float*>(x.data()), 2 * n, 1.0);
        expect_shared_use_matches_serial<Vek32fc>(
            n, bytes, [&](Vek32fc* y, Vek8u* buf) { return veksDFTFwd_CToC_32fc(x.data(), y, spec, buf); });
        veksDFTFree_C_32fc(spec);
    }
}

TEST(SharedSpecification, RealDft) {
    for (int n : {256, 1000, 1009}) {
        SCOPED_TRACE(testing::Message() << "n=" << n);
        VekDFTSpec_R_64f* spec = nullptr;
        ASSERT_EQ(veksDFTInitAlloc_R_64f(&spec, n, VEK_FFT_NO_SCALE, vekAlgHintNone), vekStsNoErr);
        int bytes = 0;
        ASSERT_EQ(veksDFTGetBufSize_R_64f(spec, &bytes), vekStsNoErr);
        std::vector<Vek64f> x(n);
        vt::Rng(n).fill(x.data(), n, 1.0);
        expect_shared_use_matches_serial<Vek64f>(
            n + 2, bytes, [&](Vek64f* y, Vek8u* buf) { return veksDFTFwd_RToCCS_64f(x.data(), y, spec, buf); });
        veksDFTFree_R_64f(spec);
    }
}

TEST(SharedSpecification, RealAndIntegerFft) {
    const int order = 12, n = 1 << order;
    VekFFTSpec_R_32f* real = nullptr;
    ASSERT_EQ(veksFFTInitAlloc_R_32f(&real, order, VEK_FFT_SCALE_FWD_N, vekAlgHintNone), vekStsNoErr);
    int bytes = 0;
    ASSERT_EQ(veksFFTGetBufSize_R_32f(real, &bytes), vekStsNoErr);
    std::vector<Vek32f> x(n);
    vt::Rng(5).fill(x.data(), n, 1.0);
    expect_shared_use_matches_serial<Vek32f>(
        n + 2, bytes, [&](Vek32f* y, Vek8u* buf) { return veksFFTFwd_RToCCS_32f(x.data(), y, real, buf); });
    veksFFTFree_R_32f(real);

    VekFFTSpec_C_16sc* cint = nullptr;
    ASSERT_EQ(veksFFTInitAlloc_C_16sc(&cint, order, VEK_FFT_NO_SCALE, vekAlgHintNone), vekStsNoErr);
    ASSERT_EQ(veksFFTGetBufSize_C_16sc(cint, &bytes), vekStsNoErr);
    std::vector<Vek16sc> z(n);
    vt::Rng(6).fill(z.data(), n);
    expect_shared_use_matches_serial<Vek16sc>(
        n, bytes, [&](Vek16sc* y, Vek8u* buf) { return veksFFTFwd_CToC_16sc_Sfs(z.data(), y, cint, order, buf); });
    veksFFTFree_C_16sc(cint);
}

}  // namespace
