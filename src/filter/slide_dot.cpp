#include "slide_dot.h"

#include <cstring>

#include "core/cpu.h"

namespace veks {
namespace {

typedef float v4f __attribute__((vector_size(16)));
typedef float v8f __attribute__((vector_size(32)));
typedef double v2d __attribute__((vector_size(16)));
typedef double v4d __attribute__((vector_size(32)));

// Unaligned loads and stores; vectors pass by reference so that no
// function signature carries a wide vector type.
template <class V, class T>
[[gnu::always_inline]] inline void load(V& v, const T* p) {
    std::memcpy(&v, p, sizeof v);
}
template <class V, class T>
[[gnu::always_inline]] inline void store(T* p, const V& v) {
    std::memcpy(p, &v, sizeof v);
}

// Blocks of four vectors of outputs (four independent sums per k hide the
// add latency), then single vectors, then scalars.
template <class V, class T>
[[gnu::always_inline]] inline void slide_body(const T* h, int K, const T* x, T* out, int J) {
    constexpr int L = int(sizeof(V) / sizeof(T));
    int j = 0;
    for (; j + 4 * L <= J; j += 4 * L) {
        V a0 = V{}, a1 = V{}, a2 = V{}, a3 = V{};
        const T* xj = x + j;
        for (int k = 0; k < K; ++k) {
            const V hk = V{} + h[k];
            V x0, x1, x2, x3;
            load(x0, xj + k);
            load(x1, xj + k + L);
            load(x2, xj + k + 2 * L);
            load(x3, xj + k + 3 * L);
            a0 += hk * x0;
            a1 += hk * x1;
            a2 += hk * x2;
            a3 += hk * x3;
        }
        store(out + j, a0);
        store(out + j + L, a1);
        store(out + j + 2 * L, a2);
        store(out + j + 3 * L, a3);
    }
    for (; j + L <= J; j += L) {
        V a = V{};
        for (int k = 0; k < K; ++k) {
            V xv;
            load(xv, x + j + k);
            a += (V{} + h[k]) * xv;
        }
        store(out + j, a);
    }
    for (; j < J; ++j) {
        T a = T(0);
        for (int k = 0; k < K; ++k) a += h[k] * x[j + k];
        out[j] = a;
    }
}

__attribute__((target("avx2"))) void slide_avx2(const float* h, int K, const float* x, float* out, int J) {
    slide_body<v8f>(h, K, x, out, J);
}
__attribute__((target("avx2"))) void slide_avx2(const double* h, int K, const double* x, double* out, int J) {
    slide_body<v4d>(h, K, x, out, J);
}

}  // namespace

void slide_dot(const float* h, int K, const float* x, float* out, int J) {
    if (cpu_info().avx2) return slide_avx2(h, K, x, out, J);
    slide_body<v4f>(h, K, x, out, J);
}

void slide_dot(const double* h, int K, const double* x, double* out, int J) {
    if (cpu_info().avx2) return slide_avx2(h, K, x, out, J);
    slide_body<v2d>(h, K, x, out, J);
}

template <class R>
static void slide_conj(const Cx<R>* h, int K, const Cx<R>* x, Cx<R>* out, int J) {
    for (int j = 0; j < J; ++j) {
        R re = 0, im = 0;
        for (int k = 0; k < K; ++k) {
            // conj(h) * x
            re += h[k].re * x[j + k].re + h[k].im * x[j + k].im;
            im += h[k].re * x[j + k].im - h[k].im * x[j + k].re;
        }
        out[j] = Cx<R>(re, im);
    }
}

void slide_dot(const Cx<float>* h, int K, const Cx<float>* x, Cx<float>* out, int J) { slide_conj(h, K, x, out, J); }
void slide_dot(const Cx<double>* h, int K, const Cx<double>* x, Cx<double>* out, int J) { slide_conj(h, K, x, out, J); }

void slide_dot(const std::int16_t* h, int K, const std::int16_t* x, std::int64_t* out, int J) {
    for (int j = 0; j < J; ++j) {
        std::int64_t a = 0;
        for (int k = 0; k < K; ++k) a += std::int32_t(h[k]) * x[j + k];
        out[j] = a;
    }
}

}  // namespace veks
