// Arithmetic and division against VOLK's matching kernels and plain scalar
// loops, side by side in one run, at 1 Ki, 64 Ki and 1 Mi elements.
#include <benchmark/benchmark.h>

#include <cstdint>
#include <vector>

#include "veks.h"
#include "vekcore.h"

#ifdef VEKS_HAVE_VOLK
#include <volk/volk.h>
#endif

namespace {

struct Data {
    std::vector<float> a, b, d;
    std::vector<Vek32fc> ca, cb, cd;
    std::vector<Vek16s> sa, sb, sd;
    explicit Data(int n) : a(n), b(n), d(n), ca(n), cb(n), cd(n), sa(n), sb(n), sd(n) {
        for (int i = 0; i < n; ++i) {
            a[i] = 0.5f + (i % 97) * 0.25f;
            b[i] = 1.0f + (i % 13) * 0.5f;
            ca[i] = {a[i], b[i]};
            cb[i] = {b[i], -a[i]};
            sa[i] = Vek16s((i * 7919) & 0xFFFF);
            sb[i] = Vek16s((i * 104729) & 0xFFFF);
        }
    }
};

template <class F>
void run(benchmark::State& st, F f) {
    Data x(static_cast<int>(st.range(0)));
    for (auto _ : st) {
        f(x, static_cast<int>(st.range(0)));
        benchmark::ClobberMemory();
    }
    st.SetItemsProcessed(st.iterations() * st.range(0));
}

#define BENCH(name, ...) \
    void name(benchmark::State& st) { run(st, [](Data& x, int n) { __VA_ARGS__; }); } \
    BENCHMARK(name)->Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 20)

// veks
BENCH(Add_32f_veks, veksAdd_32f(x.a.data(), x.b.data(), x.d.data(), n));
BENCH(Mul_32f_veks, veksMul_32f(x.a.data(), x.b.data(), x.d.data(), n));
BENCH(MulC_32f_veks, veksMulC_32f(x.a.data(), 1.5f, x.d.data(), n));
BENCH(AddProduct_32f_veks, veksAddProduct_32f(x.a.data(), x.b.data(), x.d.data(), n));
BENCH(Div_32f_veks, veksDiv_32f(x.b.data(), x.a.data(), x.d.data(), n));
BENCH(Div_32f_veks_1thread, vekcoreSetNumThreads(1); veksDiv_32f(x.b.data(), x.a.data(), x.d.data(), n);
      vekcoreSetNumThreads(0));
BENCH(Mul_32fc_veks, veksMul_32fc(x.ca.data(), x.cb.data(), x.cd.data(), n));
BENCH(Add_16s_Sfs1_veks, veksAdd_16s_Sfs(x.sa.data(), x.sb.data(), x.sd.data(), n, 1));
BENCH(Mul_16s_Sfs1_veks, veksMul_16s_Sfs(x.sa.data(), x.sb.data(), x.sd.data(), n, 1));

// Plain loops, at -O3 as a user would build them (the benchmark target
// itself is -O2 -mssse3).
#pragma GCC optimize("O3")
BENCH(Add_32f_loop, for (int i = 0; i < n; ++i) x.d[i] = x.a[i] + x.b[i]);
BENCH(Mul_32f_loop, for (int i = 0; i < n; ++i) x.d[i] = x.a[i] * x.b[i]);
BENCH(MulC_32f_loop, for (int i = 0; i < n; ++i) x.d[i] = x.a[i] * 1.5f);
BENCH(AddProduct_32f_loop, for (int i = 0; i < n; ++i) x.d[i] += x.a[i] * x.b[i]);
BENCH(Div_32f_loop, for (int i = 0; i < n; ++i) x.d[i] = x.a[i] / x.b[i]);
BENCH(Mul_32fc_loop, for (int i = 0; i < n; ++i) {
    const Vek32fc p = x.ca[i], q = x.cb[i];
    x.cd[i] = {p.re * q.re - p.im * q.im, p.re * q.im + p.im * q.re};
});
// Scaled 16-bit sums and products: exact r, ties to even, saturation.
BENCH(Add_16s_Sfs1_loop, for (int i = 0; i < n; ++i) {
    const int r = x.sa[i] + x.sb[i];
    const int q = (r + ((r >> 1) & 1)) >> 1;
    x.sd[i] = Vek16s(q > 32767 ? 32767 : q < -32768 ? -32768 : q);
});
BENCH(Mul_16s_Sfs1_loop, for (int i = 0; i < n; ++i) {
    const int r = x.sa[i] * x.sb[i];
    const int q = (r + ((r >> 1) & 1)) >> 1;
    x.sd[i] = Vek16s(q > 32767 ? 32767 : q < -32768 ? -32768 : q);
});

// Scaled 32-bit sums, sf 1, on buffers of their own.
struct Data32 {
    std::vector<Vek32s> a, b, d;
    explicit Data32(int n) : a(n), b(n), d(n) {
        for (int i = 0; i < n; ++i) {
            a[i] = Vek32s(std::uint32_t(i) * 2654435761u);
            b[i] = Vek32s(std::uint32_t(i) * 2246822519u);
        }
    }
};
template <class F>
void run32(benchmark::State& st, F f) {
    Data32 x(static_cast<int>(st.range(0)));
    for (auto _ : st) {
        f(x, static_cast<int>(st.range(0)));
        benchmark::ClobberMemory();
    }
    st.SetItemsProcessed(st.iterations() * st.range(0));
}
#define BENCH32(name, ...) \
    void name(benchmark::State& st) { run32(st, [](Data32& x, int n) { __VA_ARGS__; }); } \
    BENCHMARK(name)->Arg(1 << 10)->Arg(1 << 16)->Arg(1 << 20)

BENCH32(Add_32s_Sfs1_veks, veksAdd_32s_Sfs(x.a.data(), x.b.data(), x.d.data(), n, 1));
BENCH32(Add_32s_Sfs1_loop, for (int i = 0; i < n; ++i) {
    const long long r = static_cast<long long>(x.a[i]) + x.b[i];
    x.d[i] = Vek32s((r + ((r >> 1) & 1)) >> 1);
});

#ifdef VEKS_HAVE_VOLK
BENCH(Add_32f_volk, volk_32f_x2_add_32f(x.d.data(), x.a.data(), x.b.data(), n));
BENCH(Mul_32f_volk, volk_32f_x2_multiply_32f(x.d.data(), x.a.data(), x.b.data(), n));
BENCH(MulC_32f_volk, volk_32f_s32f_multiply_32f(x.d.data(), x.a.data(), 1.5f, n));
BENCH(Div_32f_volk, volk_32f_x2_divide_32f(x.d.data(), x.a.data(), x.b.data(), n));
BENCH(Mul_32fc_volk, volk_32fc_x2_multiply_32fc(reinterpret_cast<lv_32fc_t*>(x.cd.data()),
                                                reinterpret_cast<const lv_32fc_t*>(x.ca.data()),
                                                reinterpret_cast<const lv_32fc_t*>(x.cb.data()), n));
#endif

}  // namespace

BENCHMARK_MAIN();
