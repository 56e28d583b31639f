// DFT of any length (InitAlloc with random length, flag and hint, and an
// injected allocation failure) and the DCT (size query, Init into blocks
// of exactly the reported sizes). Transforms are checked against direct
// long-double sums and forward/inverse round trips.
#include "fuzz_input.h"
#include "vekcore.h"

#include <complex>

namespace {

using fz::Exact;
using fz::Input;
using cld = std::complex<long double>;
const long double kPi = 3.141592653589793238462643383279L;

bool valid_flag(int f) { return f == 1 || f == 2 || f == 4 || f == 8; }

template <class T>
double tol_of() { return sizeof(T) == 4 ? 2e-6 : 4e-15; }

// ---- DFT ----------------------------------------------------------------

#define DFT_KIND(NAME, SPEC, T, REAL, FWD, INV)                                                    \
    struct DFT_##NAME {                                                                            \
        using Spec = SPEC;                                                                         \
        using Elem = T;                                                                            \
        static constexpr bool real = REAL;                                                         \
        static VekStatus init_alloc(Spec** s, int n, int f, int h) { return veksDFTInitAlloc_##NAME(s, n, f, h); } \
        static VekStatus free_spec(Spec* s) { return veksDFTFree_##NAME(s); }                      \
        static VekStatus buf_size(const Spec* s, int* b) { return veksDFTGetBufSize_##NAME(s, b); } \
        static VekStatus fwd(const T* x, T* y, const Spec* s, Vek8u* b) { return FWD; }           \
        static VekStatus inv(const T* x, T* y, const Spec* s, Vek8u* b) { return INV; }           \
    };

DFT_KIND(C_32fc, VekDFTSpec_C_32fc, float, false, veksDFTFwd_CToC_32fc((const Vek32fc*)x, (Vek32fc*)y, s, b),
         veksDFTInv_CToC_32fc((const Vek32fc*)x, (Vek32fc*)y, s, b))
DFT_KIND(C_64fc, VekDFTSpec_C_64fc, double, false, veksDFTFwd_CToC_64fc((const Vek64fc*)x, (Vek64fc*)y, s, b),
         veksDFTInv_CToC_64fc((const Vek64fc*)x, (Vek64fc*)y, s, b))
DFT_KIND(R_32f, VekDFTSpec_R_32f, float, true, veksDFTFwd_RToCCS_32f(x, y, s, b), veksDFTInv_CCSToR_32f(x, y, s, b))
DFT_KIND(R_64f, VekDFTSpec_R_64f, double, true, veksDFTFwd_RToCCS_64f(x, y, s, b), veksDFTInv_CCSToR_64f(x, y, s, b))

template <class K>
void run_dft(Input& in) {
    using T = typename K::Elem;
    // Lengths cover the fixed kernels, small primes, the direct and factor
    // limits (50/75) and chirp lengths; a few are far out of range.
    int n = in.range(-2, in.coin() ? 130 : 3000);
    // Far beyond the largest length (2^27 - 1 or 2^26 - 1) the plan must be
    // refused; powers of two there would plan a real (huge) FFT.
    if (in.u8() == 0xFF) {
        n = (1 << 27) + int(in.u32() % uint32_t(INT32_MAX - (1 << 27)));
        if ((n & (n - 1)) == 0) ++n;
    }
    const int flag = in.pick_or_any({1, 2, 4, 8, 0, 5});
    const int hint = in.pick_or_any({0, 1, 2});
    const int fail_at = in.range(0, 4);
    FZ_TRACE("DFT %s n=%d flag=%d hint=%d fail_at=%d\n", K::real ? "real" : "complex", n, flag, hint, fail_at);
    typename K::Spec* spec = nullptr;
    const int64_t live = vekcoreLiveBlocks();
    vekcoreFailAllocation(fail_at);
    const VekStatus st = K::init_alloc(&spec, n, flag, hint);
    vekcoreFailAllocation(0);
    if (n < 1) return fz::expect_eq(st, vekStsSizeErr, "DFT length");
    if (n > (1 << 27)) {
        fz::expect_status(st, {vekStsSizeErr, vekStsFftFlagErr, vekStsMemAllocErr}, "DFT beyond the largest length");
        return fz::expect_eq(vekcoreLiveBlocks(), live, "blocks after a refused DFT");
    }
    if (st != vekStsNoErr) {
        // An injected failure gives -9 (the header allocation comes before the
        // flag check, so a bad flag may also end in -9); without one only a
        // bad flag may fail.
        const int flag_st = valid_flag(flag) ? vekStsMemAllocErr : vekStsFftFlagErr;
        if (fail_at == 0) fz::expect_eq(st, valid_flag(flag) ? vekStsNoErr : vekStsFftFlagErr, "DFT InitAlloc");
        fz::expect_status(st, {vekStsMemAllocErr, flag_st}, "DFT InitAlloc under a failing allocation");
        return fz::expect_eq(vekcoreLiveBlocks(), live, "blocks after a failed DFT InitAlloc");
    }
    if (!valid_flag(flag)) fz::fail("DFT accepted a bad flag", flag);

    int work = -1;
    fz::expect_eq(K::buf_size(spec, &work), 0, "DFT GetBufSize");
    Exact buf(in.coin() ? 0 : work);
    const int bins = K::real ? n / 2 + 1 : n;
    const size_t len = K::real ? size_t(2 * bins) : 2 * size_t(n);
    const size_t filled = K::real ? size_t(n) : len;
    std::vector<T> x(len, T(0)), y(len, T(0)), z(len, T(0));
    for (size_t i = 0; i < filled; ++i) x[i] = T(in.unit());
    fz::expect_eq(K::fwd(x.data(), y.data(), spec, buf.p), 0, "DFT forward");
    double fs = 1, is = 1;
    if (flag == 1) fs = 1.0 / n;
    if (flag == 2) is = 1.0 / n;
    if (flag == 4) fs = is = 1.0 / std::sqrt(double(n));
    double mag = 0;
    for (size_t i = 0; i < filled; ++i) mag += std::fabs(double(x[i]));
    if (n <= 160) {
        std::vector<double> want(2 * size_t(bins));
        for (int k = 0; k < bins; ++k) {
            cld acc = 0;
            for (int j = 0; j < n; ++j) {
                const long double a = -2 * kPi * ((long long)k * j % n) / n;
                acc += (K::real ? cld(x[j], 0) : cld(x[2 * j], x[2 * j + 1])) * cld(std::cos(a), std::sin(a));
            }
            want[2 * k] = double(acc.real() * fs);
            want[2 * k + 1] = double(acc.imag() * fs);
        }
        fz::expect_close(y.data(), want.data(), 2 * bins, mag * fs + 1e-30, 8 * tol_of<T>(), "DFT vs direct sum");
    }
    fz::expect_eq(K::inv(y.data(), z.data(), spec, buf.p), 0, "DFT inverse");
    std::vector<double> back(filled);
    for (size_t i = 0; i < filled; ++i) back[i] = double(x[i]) * fs * is * n;
    fz::expect_close(z.data(), back.data(), int(filled), mag * fs * is * n + 1e-30, 16 * tol_of<T>(), "DFT round trip");
    fz::expect_eq(K::free_spec(spec), 0, "DFT Free");
    fz::expect_eq(vekcoreLiveBlocks(), live, "blocks after DFT Free");
}

// ---- DCT ----------------------------------------------------------------

#define DCT_KIND(T, S)                                                                               \
    struct DCT_##S {                                                                                 \
        using Elem = T;                                                                              \
        using Fwd = VekDCTFwdSpec_##S;                                                               \
        using Inv = VekDCTInvSpec_##S;                                                               \
        static VekStatus fsize(int n, int h, int* a, int* b, int* c) { return veksDCTFwdGetSize_##S(n, h, a, b, c); } \
        static VekStatus isize(int n, int h, int* a, int* b, int* c) { return veksDCTInvGetSize_##S(n, h, a, b, c); } \
        static VekStatus finit(Fwd** p, int n, int h, Vek8u* m, Vek8u* i) { return veksDCTFwdInit_##S(p, n, h, m, i); } \
        static VekStatus iinit(Inv** p, int n, int h, Vek8u* m, Vek8u* i) { return veksDCTInvInit_##S(p, n, h, m, i); } \
        static VekStatus fbuf(const Fwd* p, int* b) { return veksDCTFwdGetBufSize_##S(p, b); }      \
        static VekStatus ibuf(const Inv* p, int* b) { return veksDCTInvGetBufSize_##S(p, b); }      \
        static VekStatus fwd(const T* x, T* y, const Fwd* p, Vek8u* b) { return veksDCTFwd_##S(x, y, p, b); } \
        static VekStatus inv(const T* x, T* y, const Inv* p, Vek8u* b) { return veksDCTInv_##S(x, y, p, b); } \
        static VekStatus fwd_alloc(Fwd** p, int n, int h) { return veksDCTFwdInitAlloc_##S(p, n, h); } \
        static VekStatus ffree(Fwd* p) { return veksDCTFwdFree_##S(p); }                             \
    };
DCT_KIND(float, 32f)
DCT_KIND(double, 64f)

template <class K>
void run_dct(Input& in) {
    using T = typename K::Elem;
    const int n = in.range(-2, in.coin() ? 140 : 1100);
    const int hint = in.pick_or_any({0, 1, 2});
    FZ_TRACE("DCT %zu-byte n=%d hint=%d\n", sizeof(T), n, hint);
    int fs = -1, fi = -1, fw = -1, is = -1, ii = -1, iw = -1;
    const VekStatus st = K::fsize(n, hint, &fs, &fi, &fw);
    fz::expect_eq(K::isize(n, hint, &is, &ii, &iw), st, "DCT Fwd/Inv GetSize agree");
    if (n < 1) return fz::expect_eq(st, vekStsSizeErr, "DCT GetSize length");
    fz::expect_eq(st, 0, "DCT GetSize");
    if (in.u8() < 32) {
        // InitAlloc with an injected failure: -9 and nothing held, or success.
        const int64_t live = vekcoreLiveBlocks();
        typename K::Fwd* p = nullptr;
        vekcoreFailAllocation(in.range(1, 4));
        const VekStatus a = K::fwd_alloc(&p, n, hint);
        vekcoreFailAllocation(0);
        fz::expect_status(a, {vekStsNoErr, vekStsMemAllocErr}, "DCT InitAlloc");
        if (a == vekStsNoErr) fz::expect_eq(K::ffree(p), 0, "DCT Free");
        return fz::expect_eq(vekcoreLiveBlocks(), live, "blocks after DCT InitAlloc/Free");
    }
    Exact fmem(fs), finit(fi), imem(is), iinit(ii);
    typename K::Fwd* fwd = nullptr;
    typename K::Inv* inv = nullptr;
    fz::expect_eq(K::finit(&fwd, n, hint, fmem.p, finit.p), 0, "DCT Fwd Init");
    fz::expect_eq(K::iinit(&inv, n, hint, imem.p, iinit.p), 0, "DCT Inv Init");
    int fb = -1, ib = -1;
    fz::expect_eq(K::fbuf(fwd, &fb), 0, "DCT Fwd GetBufSize");
    fz::expect_eq(K::ibuf(inv, &ib), 0, "DCT Inv GetBufSize");
    Exact fbuf(fb), ibuf(ib);
    std::vector<T> x(n), y(n), z(n);
    double mag = 0;
    for (auto& v : x) mag += std::fabs(double(v = T(in.unit())));
    fz::expect_eq(K::fwd(x.data(), y.data(), fwd, fbuf.p), 0, "DCT forward");
    if (n <= 300) {
        std::vector<double> want(n);
        for (int k = 0; k < n; ++k) {
            long double acc = 0;
            for (int j = 0; j < n; ++j) acc += x[j] * std::cos(kPi * ((2LL * j + 1) * k % (4LL * n)) / (2.0L * n));
            want[k] = double(acc * (k == 0 ? std::sqrt(1.0L / n) : std::sqrt(2.0L / n)));
        }
        fz::expect_close(y.data(), want.data(), n, mag + 1e-30, 8 * tol_of<T>(), "DCT vs direct sum");
    }
    fz::expect_eq(K::inv(y.data(), z.data(), inv, ibuf.p), 0, "DCT inverse");
    fz::expect_close(z.data(), x.data(), n, mag + 1e-30, 16 * tol_of<T>(), "DCT round trip");
    // The inverse refuses a forward specification.
    fz::expect_eq(K::inv(y.data(), z.data(), reinterpret_cast<const typename K::Inv*>(fwd), ibuf.p),
                  vekStsContextMatchErr, "DCT Inv with a forward specification");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in(data, size);
    switch (in.u8() % 6) {
        case 0: run_dft<DFT_C_32fc>(in); break;
        case 1: run_dft<DFT_C_64fc>(in); break;
        case 2: run_dft<DFT_R_32f>(in); break;
        case 3: run_dft<DFT_R_64f>(in); break;
        case 4: run_dct<DCT_32f>(in); break;
        default: run_dct<DCT_64f>(in); break;
    }
    return 0;
}
