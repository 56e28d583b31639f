// The two ways to receive a failure: as a typed status, or as a
// veks::error exception. Warnings are statuses in both ways.
#include <veks.hpp>

#include <cstdio>
#include <vector>

int main() {
    std::vector<Vek32f> a{4, 9, -1}, b(3), shorter(2);
    int failures = 0;
    auto expect = [&](bool ok, const char* what) {
        std::printf("%-48s %s\n", what, ok ? "ok" : "FAILED");
        failures += !ok;
    };

    // Status: nothing is thrown, the caller tests the value.
    veks::status s = veks::call(veksSqrt_32f, a, shorter);
    expect(s == veks::status::size_err, "vectors of different sizes: size_err");
    s = veks::call(veksSqrt_32f, a.data(), static_cast<Vek32f*>(nullptr), 3);
    expect(s == veks::status::null_ptr_err, "null destination: null_ptr_err");
    auto spec = veks::init_alloc(veksFFTInitAlloc_C_32f, 99, VEK_FFT_SCALE_INV_N, vekAlgHintNone);
    expect(spec.code() == veks::status::fft_order_err && !spec->get(), "FFT order 99: fft_order_err, no object");

    // Exception: errors throw, warnings come back as the status.
    try {
        s = veks::call_or_throw(veksSqrt_32f, a, b);
        expect(s == veks::status::sqrt_neg_arg && b[1] == 3, "square root of -1: warning, result written");
        veks::call_or_throw(veksSqrt_32f, a, shorter);
        expect(false, "size mismatch throws");
    } catch (const veks::error& e) {
        std::printf("caught: %s\n", e.what());
        expect(e.code() == veks::status::size_err, "size mismatch throws veks::error(size_err)");
    }
    return failures;
}
