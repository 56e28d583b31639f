// Power-of-two FFT specifications: random order, flag and hint through the
// size query, Init into blocks of exactly the reported sizes (or InitAlloc
// with an injected allocation failure), then a transform pair checked
// against a long-double DFT and the forward/inverse round trip.
#include "fuzz_input.h"
#include "vekcore.h"

#include <complex>

namespace {

using fz::Exact;
using fz::Input;

bool valid_flag(int f) { return f == 1 || f == 2 || f == 4 || f == 8; }

// The status GetSize and Init must return for these parameters.
int expected_status(int order, int flag, int max_order) {
    if (order < 0 || order > 30) return vekStsFftOrderErr;
    if (!valid_flag(flag)) return vekStsFftFlagErr;
    if (order > max_order) return vekStsFftOrderErr;
    return vekStsNoErr;
}

// Factors the forward and inverse transforms apply for a flag.
void flag_scales(int flag, int n, double& fwd, double& inv) {
    fwd = inv = 1.0;
    if (flag == 1) fwd = 1.0 / n;
    if (flag == 2) inv = 1.0 / n;
    if (flag == 4) fwd = inv = 1.0 / std::sqrt(double(n));
}

// One table row per floating kind: its calls, element type and whether the
// spectrum is complex-to-complex or real-to-CCS.
#define KIND(NAME, SPEC, T, REAL, MAXO, FWD, INV)                                                    \
    struct NAME {                                                                                    \
        using Spec = SPEC;                                                                           \
        using Elem = T;                                                                              \
        static constexpr bool real = REAL;                                                           \
        static constexpr int max_order = MAXO;                                                       \
        static VekStatus get_size(int o, int f, int h, int* a, int* b, int* c) {                   \
            return veksFFTGetSize_##NAME(o, f, h, a, b, c);                                          \
        }                                                                                            \
        static VekStatus init(Spec** s, int o, int f, int h, Vek8u* m, Vek8u* i) {                 \
            return veksFFTInit_##NAME(s, o, f, h, m, i);                                             \
        }                                                                                            \
        static VekStatus init_alloc(Spec** s, int o, int f, int h) {                                 \
            return veksFFTInitAlloc_##NAME(s, o, f, h);                                              \
        }                                                                                            \
        static VekStatus free_spec(Spec* s) { return veksFFTFree_##NAME(s); }                        \
        static VekStatus buf_size(const Spec* s, int* b) { return veksFFTGetBufSize_##NAME(s, b); } \
        static VekStatus fwd(const T* x, T* y, const Spec* s, Vek8u* b) { return FWD; }             \
        static VekStatus inv(const T* x, T* y, const Spec* s, Vek8u* b) { return INV; }             \
    };

KIND(C_32fc, VekFFTSpec_C_32fc, float, false, 27,
     veksFFTFwd_CToC_32fc((const Vek32fc*)x, (Vek32fc*)y, s, b), veksFFTInv_CToC_32fc((const Vek32fc*)x, (Vek32fc*)y, s, b))
KIND(C_64fc, VekFFTSpec_C_64fc, double, false, 26,
     veksFFTFwd_CToC_64fc((const Vek64fc*)x, (Vek64fc*)y, s, b), veksFFTInv_CToC_64fc((const Vek64fc*)x, (Vek64fc*)y, s, b))
KIND(R_32f, VekFFTSpec_R_32f, float, true, 27, veksFFTFwd_RToCCS_32f(x, y, s, b), veksFFTInv_CCSToR_32f(x, y, s, b))
KIND(R_64f, VekFFTSpec_R_64f, double, true, 26, veksFFTFwd_RToCCS_64f(x, y, s, b), veksFFTInv_CCSToR_64f(x, y, s, b))

// Forward transform of n points against the direct sum; the real kinds
// produce n/2 + 1 CCS bins.
template <class K>
void check_forward(const std::vector<typename K::Elem>& x, const std::vector<typename K::Elem>& y, int n,
                   double fwd_scale) {
    const int bins = K::real ? n / 2 + 1 : n;
    const long double two_pi = 6.283185307179586476925286766559L;
    double mag = 0;
    for (auto v : x) mag += std::fabs(double(v));
    std::vector<double> want(2 * size_t(bins)), got(2 * size_t(bins));
    for (int k = 0; k < bins; ++k) {
        std::complex<long double> acc = 0;
        for (int j = 0; j < n; ++j) {
            const long double a = -two_pi * ((long long)k * j % n) / n;
            const std::complex<long double> v = K::real ? std::complex<long double>(x[j], 0)
                                                        : std::complex<long double>(x[2 * j], x[2 * j + 1]);
            acc += v * std::complex<long double>(std::cos(a), std::sin(a));
        }
        want[2 * k] = double(acc.real() * fwd_scale);
        want[2 * k + 1] = double(acc.imag() * fwd_scale);
        got[2 * k] = double(y[2 * k]);
        got[2 * k + 1] = double(y[2 * k + 1]);
    }
    const double eps = sizeof(typename K::Elem) == 4 ? 1e-6 : 1e-14;
    fz::expect_close(got.data(), want.data(), 2 * bins, mag * fwd_scale + 1e-30, eps * 8, "forward FFT vs DFT");
}

template <class K>
void transform_pair(Input& in, const typename K::Spec* spec, int order, int flag) {
    using T = typename K::Elem;
    const int n = 1 << order;
    int work = -1;
    fz::expect_status(K::buf_size(spec, &work), {vekStsNoErr}, "GetBufSize");
    if (work < 0) fz::fail("negative work size", work);
    // A null work buffer makes the call allocate its own; both ways must agree.
    Exact buf(in.coin() ? 0 : work);
    const size_t len = K::real ? size_t(n) + 2 : 2 * size_t(n);
    std::vector<T> x(len, T(0)), y(len, T(0)), z(len, T(0));
    const size_t filled = K::real ? size_t(n) : len;
    for (size_t i = 0; i < filled; ++i) x[i] = T(in.unit());
    fz::expect_status(K::fwd(x.data(), y.data(), spec, buf.p), {vekStsNoErr}, "forward FFT");
    double fs, is;
    flag_scales(flag, n, fs, is);
    if (order <= 8) check_forward<K>(x, y, n, fs);
    fz::expect_status(K::inv(y.data(), z.data(), spec, buf.p), {vekStsNoErr}, "inverse FFT");
    double mag = 0;
    for (size_t i = 0; i < filled; ++i) mag = std::max(mag, std::fabs(double(x[i])));
    const double eps = sizeof(T) == 4 ? 1e-6 : 1e-14;
    std::vector<double> want(filled);
    for (size_t i = 0; i < filled; ++i) want[i] = double(x[i]) * fs * is * n;
    fz::expect_close(z.data(), want.data(), int(filled), mag * fs * is * n * std::sqrt(double(n)) + 1e-30,
                     eps * 4 * (order + 2), "FFT round trip");
}

template <class K>
void run_kind(Input& in) {
    const int order = in.range(-2, 32);
    const int flag = in.pick_or_any({1, 2, 4, 8, 0, 3, 16});
    const int hint = in.pick_or_any({0, 1, 2});
    int spec_size = -1, init_size = -1, work_size = -1;
    const int want = expected_status(order, flag, K::max_order);
    fz::expect_eq(K::get_size(order, flag, hint, &spec_size, &init_size, &work_size), want, "GetSize status");
    // Transforms run up to order 14 to keep one input fast.
    if (order < 0 || order > 14) {
        typename K::Spec* spec = nullptr;
        if (order < 0 || order > K::max_order)
            fz::expect_eq(K::init(&spec, order, flag, hint, nullptr, nullptr), vekStsFftOrderErr, "Init order");
        return;
    }
    if (want != vekStsNoErr) {
        // Init needs real memory even to refuse a flag: size it with a valid flag.
        fz::expect_eq(K::get_size(order, 8, hint, &spec_size, &init_size, &work_size), vekStsNoErr, "GetSize");
    }
    if (spec_size < 1 || init_size < 0 || work_size < 0) fz::fail("bad reported sizes", spec_size, init_size);

    const int how = in.range(0, 3);
    typename K::Spec* spec = nullptr;
    if (how == 3) {
        // InitAlloc with the k-th allocation failing: -9 and nothing held,
        // or success when k is past the allocations the call makes.
        const int64_t live = vekcoreLiveBlocks();
        vekcoreFailAllocation(in.range(0, 3));
        const VekStatus st = K::init_alloc(&spec, order, flag, hint);
        vekcoreFailAllocation(0);
        if (want != vekStsNoErr) {
            fz::expect_eq(st, want, "InitAlloc status");
            return;
        }
        fz::expect_status(st, {vekStsNoErr, vekStsMemAllocErr}, "InitAlloc");
        if (st == vekStsNoErr) {
            transform_pair<K>(in, spec, order, flag);
            fz::expect_eq(K::free_spec(spec), vekStsNoErr, "Free");
        }
        fz::expect_eq(vekcoreLiveBlocks(), live, "blocks held after InitAlloc/Free");
        return;
    }
    Exact mem(spec_size), scratch(init_size);
    // Order above 10 needs the init buffer: passing none must give -8.
    const bool drop_init = how == 2 && init_size > 0;
    const VekStatus st = K::init(&spec, order, flag, hint, mem.p, drop_init ? nullptr : scratch.p);
    const int expect = want != vekStsNoErr ? want : drop_init ? vekStsNullPtrErr : vekStsNoErr;
    fz::expect_eq(st, expect, "Init status");
    if (st != vekStsNoErr) return;
    transform_pair<K>(in, spec, order, flag);
    fz::expect_eq(K::free_spec(spec), vekStsNoErr, "Free of an Init object");
    fz::expect_eq(K::free_spec(spec), vekStsContextMatchErr, "second Free");
}

// Integer kinds: size query, Init, one forward call; the status must be a
// documented one and the sanitizers must stay quiet.
#define INT_KIND(NAME, T, CALL)                                                                       \
    void run_##NAME(Input& in) {                                                                     \
        const int order = in.range(0, 12), flag = in.pick_or_any({1, 2, 4, 8}), hint = in.range(-1, 3); \
        const int sf = in.range(-40, 40);                                                            \
        int ss = 0, is = 0, ws = 0;                                                                  \
        const int want = expected_status(order, flag, 27);                                           \
        fz::expect_eq(veksFFTGetSize_##NAME(order, flag, hint, &ss, &is, &ws), want, "GetSize " #NAME); \
        if (want != vekStsNoErr) return;                                                             \
        Exact mem(ss), scratch(is);                                                                  \
        VekFFTSpec_##NAME* spec = nullptr;                                                           \
        fz::expect_eq(veksFFTInit_##NAME(&spec, order, flag, hint, mem.p, scratch.p), 0, "Init " #NAME); \
        int bs = -1;                                                                                 \
        fz::expect_eq(veksFFTGetBufSize_##NAME(spec, &bs), 0, "GetBufSize " #NAME);                  \
        Exact buf(bs);                                                                               \
        const size_t n = size_t(1) << order;                                                         \
        std::vector<T> x(2 * n + 2), y(2 * n + 2);                                                   \
        for (auto& v : x) v = T(in.u32());                                                           \
        fz::expect_eq(CALL, 0, "transform " #NAME);                                                  \
    }

INT_KIND(C_16sc, int16_t, veksFFTFwd_CToC_16sc_Sfs((const Vek16sc*)x.data(), (Vek16sc*)y.data(), spec, sf, buf.p))
INT_KIND(C_32sc, int32_t, veksFFTFwd_CToC_32sc_Sfs((const Vek32sc*)x.data(), (Vek32sc*)y.data(), spec, sf, buf.p))
INT_KIND(R_16s, int16_t, veksFFTFwd_RToCCS_16s_Sfs(x.data(), y.data(), spec, sf, buf.p))

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in(data, size);
    switch (in.u8() % 7) {
        case 0: run_kind<C_32fc>(in); break;
        case 1: run_kind<C_64fc>(in); break;
        case 2: run_kind<R_32f>(in); break;
        case 3: run_kind<R_64f>(in); break;
        case 4: run_C_16sc(in); break;
        case 5: run_C_32sc(in); break;
        default: run_R_16s(in); break;
    }
    return 0;
}
