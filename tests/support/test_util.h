// Helpers shared by every test suite: guard-checked buffers, a seeded
// random source, and a scope that fixes the core library's thread budget.
#ifndef VEKS_TEST_UTIL_H
#define VEKS_TEST_UTIL_H

#include <cstdint>
#include <cstring>
#include <random>
#include <type_traits>
#include <vector>

#include "veks.h"
#include "vekcore.h"

namespace vt {

// A buffer of n elements with guard bytes on both sides. Every byte of the
// guards and (until written) of the body holds `fill`, so a test can check
// that an error path wrote nothing and that a kernel stayed inside its range.
template <class T>
class Guarded {
public:
    static constexpr std::size_t kGuard = 64;

    explicit Guarded(std::size_t n, unsigned char fill = 0xA5)
        : n_(n), fill_(fill), raw_(n * sizeof(T) + 2 * kGuard + 64, fill) {
        // Keep the body 64-byte aligned; tests that want misalignment offset
        // the pointer themselves with at().
        const auto base = reinterpret_cast<std::uintptr_t>(raw_.data()) + kGuard;
        off_ = static_cast<std::size_t>((64 - base % 64) % 64) + kGuard;
    }
    T* data() { return reinterpret_cast<T*>(raw_.data() + off_); }
    const T* data() const { return reinterpret_cast<const T*>(raw_.data() + off_); }
    T& operator[](std::size_t i) { return data()[i]; }
    std::size_t size() const { return n_; }

    // True when nothing outside [0, n) elements was written.
    bool guards_intact() const {
        for (std::size_t i = 0; i < raw_.size(); ++i) {
            const bool inside = i >= off_ && i < off_ + n_ * sizeof(T);
            if (!inside && raw_[i] != fill_) return false;
        }
        return true;
    }
    // True when the whole buffer, body included, still holds the fill byte.
    bool untouched() const {
        for (unsigned char b : raw_)
            if (b != fill_) return false;
        return true;
    }

private:
    std::size_t n_;
    unsigned char fill_;
    std::vector<unsigned char> raw_;
    std::size_t off_ = 0;
};

// Deterministic random data: integers over the whole range, floats in
// [-scale, scale).
class Rng {
public:
    explicit Rng(std::uint64_t seed = 12345) : gen_(seed) {}
    template <class T>
    T next(double scale = 1000.0) {
        if constexpr (std::is_floating_point_v<T>) {
            return static_cast<T>(std::uniform_real_distribution<double>(-scale, scale)(gen_));
        } else {
            return static_cast<T>(gen_());
        }
    }
    template <class T>
    void fill(T* p, std::size_t n, double scale = 1000.0) {
        if constexpr (std::is_floating_point_v<T> || std::is_integral_v<T>) {
            for (std::size_t i = 0; i < n; ++i) p[i] = next<T>(scale);
        } else {  // structs of bytes (complex, 24-bit): random bytes
            fill_bytes(p, n * sizeof(T));
        }
    }
    void fill_bytes(void* p, std::size_t bytes);
    std::uint64_t raw() { return gen_(); }

private:
    std::mt19937_64 gen_;
};

// Fixes the thread budget for the lifetime of the scope.
class Threads {
public:
    explicit Threads(int n) { vekcoreSetNumThreads(n); }
    ~Threads() { vekcoreSetNumThreads(0); }
    Threads(const Threads&) = delete;
    Threads& operator=(const Threads&) = delete;
};

// The thread counts every parallel kernel is checked with.
inline const std::vector<int>& thread_counts() {
    static const std::vector<int> counts{1, 2, 4};
    return counts;
}

// Lengths that cross every SIMD head and tail: 1..67, then a few larger
// ones around powers of two.
std::vector<int> sweep_lengths(int max_small = 67);

// Byte-wise equality of two arrays (distinguishes -0/+0 and NaN payloads).
template <class T>
bool same_bits(const T* a, const T* b, std::size_t n) {
    return n == 0 || std::memcmp(a, b, n * sizeof(T)) == 0;
}

// As same_bits, except that any NaN equals any NaN: for comparisons with a
// scalar formula, whose NaN sign and payload depend on operand order.
template <class T>
bool same_bits_any_nan(const T* a, const T* b, std::size_t n) {
    for (std::size_t i = 0; i < n; ++i)
        if (!(a[i] != a[i] && b[i] != b[i]) && !same_bits(a + i, b + i, 1)) return false;
    return true;
}

}  // namespace vt

#endif
