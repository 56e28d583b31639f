// Shared pieces of the fuzz harnesses: a reader that turns the fuzzer's
// bytes into bounded parameters, and the failure report. A harness aborts
// (which libFuzzer records as a crash, input saved) whenever the library
// returns a status outside the documented set for the call or a result
// disagrees with the reference model.
#ifndef VEKS_FUZZ_INPUT_H
#define VEKS_FUZZ_INPUT_H

#include <veks.h>

#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <initializer_list>
#include <vector>

namespace fz {

// Reads little-endian values from the input; past the end every read is 0,
// so short inputs still drive every path with defaults.
class Input {
public:
    Input(const uint8_t* data, size_t size) : p_(data), end_(data + size) {}
    uint8_t u8() { return p_ < end_ ? *p_++ : 0; }
    uint16_t u16() { return uint16_t(u8() | (u8() << 8)); }
    uint32_t u32() { return uint32_t(u16()) | (uint32_t(u16()) << 16); }
    uint64_t u64() { return uint64_t(u32()) | (uint64_t(u32()) << 32); }
    // An integer in [lo, hi].
    int range(int lo, int hi) { return lo + int(u32() % uint32_t(int64_t(hi) - lo + 1)); }
    // Mostly one of the listed values, sometimes any 32-bit value.
    int pick_or_any(std::initializer_list<int> values) {
        const uint8_t sel = u8();
        if (sel >= 16 * values.size()) return int(u32());
        return values.begin()[sel % values.size()];
    }
    bool coin() { return u8() & 1; }
    // A value in [-1, 1] with 16 bits of resolution: keeps references well
    // conditioned so that differences point at faults, not at rounding.
    double unit() { return double(int16_t(u16())) / 32768.0; }
    float any_float() {
        const uint32_t b = u32();
        float f;
        std::memcpy(&f, &b, 4);
        return f;
    }
    size_t left() const { return size_t(end_ - p_); }

private:
    const uint8_t* p_;
    const uint8_t* end_;
};

// Parameters of the case being run, printed when VEKS_FUZZ_TRACE is set:
// rerun a saved crash input with it to see what the input stands for.
#define FZ_TRACE(...) \
    do { \
        if (std::getenv("VEKS_FUZZ_TRACE")) std::fprintf(stderr, __VA_ARGS__); \
    } while (0)

[[noreturn]] inline void fail(const char* what, long a = 0, long b = 0) {
    std::fprintf(stderr, "fuzz check failed: %s (%ld, %ld)\n", what, a, b);
    std::abort();
}

inline void expect_status(VekStatus got, std::initializer_list<int> allowed, const char* call) {
    for (int s : allowed)
        if (got == s) return;
    fail(call, long(got));
}

inline void expect_eq(long got, long want, const char* what) {
    if (got != want) fail(what, got, want);
}

// A heap block of exactly `bytes` bytes (null for 0), so that AddressSanitizer
// reports any access past the size the library asked for.
struct Exact {
    explicit Exact(int bytes) : p(bytes > 0 ? static_cast<uint8_t*>(std::malloc(size_t(bytes))) : nullptr) {
        if (p) std::memset(p, 0xA5, size_t(bytes));
    }
    ~Exact() { std::free(p); }
    Exact(const Exact&) = delete;
    Exact& operator=(const Exact&) = delete;
    uint8_t* p;
};

// |got - want| <= tol * scale for every element, else a report naming the index.
template <class G, class W>
void expect_close(const G* got, const W* want, int n, double scale, double tol, const char* what) {
    for (int i = 0; i < n; ++i) {
        const double d = std::fabs(double(got[i]) - double(want[i]));
        if (!(d <= tol * scale)) {
            std::fprintf(stderr, "%s: element %d got %.9g want %.9g (scale %g)\n", what, i, double(got[i]),
                         double(want[i]), scale);
            fail(what, i, n);
        }
    }
}

}  // namespace fz

#endif
