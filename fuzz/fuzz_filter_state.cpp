// Filter states with random taps, lengths and delay lines: FIR (size query,
// Init into exactly that many bytes, block and one-sample calls across the
// direct, FFT and threaded paths), IIR (arbitrary order and biquad cascades
// built from stable poles) and LMS. Outputs and delay lines are compared
// with plain scalar models of the filters.
#include "fuzz_input.h"
#include "vekcore.h"

#include <complex>

namespace {

using fz::Exact;
using fz::Input;
using cf = std::complex<float>;
using cd = std::complex<double>;
using cld = std::complex<long double>;

template <class T> struct Wide { using type = long double; };
template <> struct Wide<cf> { using type = cld; };
template <class T> double mag(T v) { return std::abs(v); }
template <class T> T draw(Input& in) { return T(in.unit()); }
template <> cf draw<cf>(Input& in) { const float re = float(in.unit()); return cf(re, float(in.unit())); }

// ---- FIR ----------------------------------------------------------------

#define FIR_KIND(NAME, T, VT)                                                                       \
    struct FIR_##NAME {                                                                             \
        using Elem = T;                                                                             \
        using State = VekFIRState_##NAME;                                                           \
        static VekStatus size(int l, int* s) { return veksFIRGetStateSize_##NAME(l, s); }           \
        static VekStatus init(State** p, const T* h, int l, const T* d, Vek8u* b) {                \
            return veksFIRInit_##NAME(p, (const VT*)h, l, (const VT*)d, b);                         \
        }                                                                                           \
        static VekStatus block(const T* x, T* y, int n, State* s) {                                 \
            return veksFIR_##NAME((const VT*)x, (VT*)y, n, s);                                      \
        }                                                                                           \
        static VekStatus one(T x, T* y, State* s) {                                                 \
            VT v;                                                                                   \
            std::memcpy(&v, &x, sizeof v);                                                          \
            return veksFIROne_##NAME(v, (VT*)y, s);                                                 \
        }                                                                                           \
        static VekStatus dly(const State* s, T* d) { return veksFIRGetDlyLine_##NAME(s, (VT*)d); } \
        static VekStatus set_dly(State* s, const T* d) { return veksFIRSetDlyLine_##NAME(s, (const VT*)d); } \
        static VekStatus set_taps(const T* h, State* s) { return veksFIRSetTaps_##NAME((const VT*)h, s); } \
    };
FIR_KIND(32f, float, Vek32f)
FIR_KIND(64f, double, Vek64f)
FIR_KIND(32fc, cf, Vek32fc)

template <class K>
void run_fir(Input& in) {
    using T = typename K::Elem;
    using W = typename Wide<T>::type;
    // Tap counts cross the replicated-table (31), FFT (16/64) and block
    // capacity limits; blocks cross 255/511 (FFT path) and 800/1600 (threads).
    const int taps = in.range(-1, in.coin() ? 40 : 300);
    const int threads = in.range(1, 2);
    vekcoreSetNumThreads(threads);
    FZ_TRACE("FIR %zu-byte taps=%d threads=%d\n", sizeof(T), taps, threads);
    int bytes = -1;
    const VekStatus st = K::size(taps, &bytes);
    if (taps < 1) {
        fz::expect_eq(st, vekStsFIRLenErr, "FIR GetStateSize length");
        uint8_t dummy[16];
        typename K::State* s = nullptr;
        const T h[1] = {T(1)};
        fz::expect_eq(K::init(&s, h, taps, nullptr, dummy), vekStsFIRLenErr, "FIR Init length");
        return vekcoreSetNumThreads(0);
    }
    fz::expect_eq(st, 0, "FIR GetStateSize");
    std::vector<T> h(taps), line(taps);
    for (auto& v : h) v = draw<T>(in);
    const bool zero_line = in.coin();
    for (auto& v : line) v = zero_line ? T(0) : draw<T>(in);
    Exact mem(bytes);
    typename K::State* s = nullptr;
    fz::expect_eq(K::init(&s, h.data(), taps, zero_line ? nullptr : line.data(), mem.p), 0, "FIR Init");

    // The whole signal seen so far, oldest first; the public delay line is
    // newest first, so it enters reversed.
    std::vector<T> seen(line.rbegin(), line.rend());
    double hsum = 0;
    for (auto v : h) hsum += mag(v);
    const double eps = sizeof(T) == 8 && !std::is_same<T, cf>::value ? 1e-14 : 2e-6;
    const int calls = in.range(1, 3);
    for (int c = 0; c < calls; ++c) {
        // Between blocks, new taps (the FFT spectrum is recomputed) or a new
        // history may replace the old ones.
        const uint8_t change = in.u8();
        if (change < 40) {
            for (auto& v : h) v = draw<T>(in);
            hsum = 0;
            for (auto v : h) hsum += mag(v);
            fz::expect_eq(K::set_taps(h.data(), s), 0, "FIR SetTaps");
        } else if (change < 64) {
            for (auto& v : line) v = draw<T>(in);
            fz::expect_eq(K::set_dly(s, line.data()), 0, "FIR SetDlyLine");
            seen.assign(line.rbegin(), line.rend());
        }
        const bool single = in.u8() < 48;
        const int n = single ? in.range(1, 8) : in.range(1, in.coin() ? 700 : 2100);
        FZ_TRACE("FIR %s %d\n", single ? "one-sample x" : "block", n);
        std::vector<T> x(n), y(n, T(0));
        for (auto& v : x) v = draw<T>(in);
        if (single) {
            for (int i = 0; i < n; ++i) fz::expect_eq(K::one(x[i], &y[i], s), 0, "FIROne");
        } else {
            fz::expect_eq(K::block(x.data(), y.data(), n, s), 0, "FIR block");
        }
        const size_t base = seen.size();
        seen.insert(seen.end(), x.begin(), x.end());
        std::vector<T> want(n);
        for (int k = 0; k < n; ++k) {
            W acc = 0;
            for (int j = 0; j < taps; ++j) acc += W(h[j]) * W(seen[base + k - j]);
            want[k] = T(acc);
        }
        for (int k = 0; k < n; ++k)
            if (!(mag(y[k] - want[k]) <= eps * (8 + taps / 8) * (hsum + 1e-30))) {
                std::fprintf(stderr, "FIR taps %d block %d sample %d: got %g want %g\n", taps, n, k, mag(y[k]),
                             mag(want[k]));
                fz::fail("FIR output vs scalar model", k, n);
            }
    }
    // The delay line now holds the last taps inputs, newest first, exactly.
    std::vector<T> d(taps);
    fz::expect_eq(K::dly(s, d.data()), 0, "FIR GetDlyLine");
    for (int i = 0; i < taps; ++i)
        if (!(d[i] == seen[seen.size() - 1 - i])) fz::fail("FIR delay line", i, taps);
    vekcoreSetNumThreads(0);
}

// Multirate FIR (32f): up-sample by U with the input at phase P, filter,
// keep every D-th sample from phase Q. The model builds the up-sampled
// stream, history included, and sums the taps directly.
void run_fir_mr(Input& in) {
    const int taps = in.range(0, 90), up = in.range(0, 9), down = in.range(0, 9);
    const int up_phase = in.range(-1, std::max(up, 0)), down_phase = in.range(-1, std::max(down, 0));
    const int threads = in.range(1, 2);
    FZ_TRACE("FIRMR taps=%d up=%d/%d down=%d/%d threads=%d\n", taps, up, up_phase, down, down_phase, threads);
    vekcoreSetNumThreads(threads);
    int bytes = -1;
    const VekStatus st = veksFIRMRGetStateSize_32f(taps, up, down, &bytes);
    const int size_want = taps < 1 ? vekStsFIRLenErr : up < 1 || down < 1 ? vekStsFIRMRFactorErr : vekStsNoErr;
    fz::expect_eq(st, size_want, "FIRMR GetStateSize");
    const int init_want = size_want != vekStsNoErr ? size_want
                          : up_phase < 0 || up_phase >= up || down_phase < 0 || down_phase >= down
                              ? vekStsFIRMRPhaseErr
                              : vekStsNoErr;
    std::vector<float> h(std::max(taps, 1));
    for (auto& v : h) v = float(in.unit());
    const int hist = taps >= 1 && up >= 1 ? (taps + up - 1) / up : 1;
    std::vector<float> line(hist);
    for (auto& v : line) v = float(in.unit());
    Exact mem(st == vekStsNoErr ? bytes : 64);
    VekFIRState_32f* s = nullptr;
    fz::expect_eq(veksFIRMRInit_32f(&s, h.data(), taps, up, up_phase, down, down_phase, line.data(), mem.p),
                  init_want, "FIRMR Init");
    if (init_want != vekStsNoErr) return vekcoreSetNumThreads(0);
    std::vector<float> seen(line.rbegin(), line.rend());  // inputs, oldest first
    long t0 = 0;  // up-sampled time of the first output of the next call
    double hsum = 0;
    for (auto v : h) hsum += std::fabs(v);
    for (int c = in.range(1, 2); c > 0; --c) {
        const int iters = in.range(1, in.coin() ? 40 : 400);
        std::vector<float> x(size_t(iters) * down), y(size_t(iters) * up, 0.0f);
        for (auto& v : x) v = float(in.unit());
        fz::expect_eq(veksFIR_32f(x.data(), y.data(), iters, s), 0, "FIRMR block");
        seen.insert(seen.end(), x.begin(), x.end());
        for (size_t i = 0; i < y.size(); ++i) {
            const long t = t0 + long(i) * down + down_phase;
            long double acc = 0;
            for (int j = 0; j < taps; ++j) {
                const long tj = t - j - up_phase;  // input k sits at k * up + up_phase
                if (tj % up != 0) continue;
                const long k = tj / up + hist;     // index into seen
                if (k >= 0 && k < long(seen.size())) acc += (long double)h[j] * seen[size_t(k)];
            }
            if (!(std::fabs(y[i] - double(acc)) <= 4e-6 * (hsum + 1e-30)))
                fz::fail("FIRMR output vs up-sampled model", long(i), iters);
        }
        t0 += long(iters) * up * down;
    }
    vekcoreSetNumThreads(0);
}

// ---- IIR ----------------------------------------------------------------

#define IIR_KIND(S, T)                                                                              \
    struct IIR_##S {                                                                                \
        using Elem = T;                                                                             \
        using State = VekIIRState_##S;                                                              \
        static VekStatus size(int o, int* b) { return veksIIRGetStateSize_##S(o, b); }              \
        static VekStatus init(State** p, const T* t, int o, const T* d, Vek8u* b) { return veksIIRInit_##S(p, t, o, d, b); } \
        static VekStatus bq_size(int o, int* b) { return veksIIRGetStateSize_BiQuad_##S(o, b); }    \
        static VekStatus bq_init(State** p, const T* t, int o, const T* d, Vek8u* b) {             \
            return veksIIRInit_BiQuad_##S(p, t, o, d, b);                                           \
        }                                                                                           \
        static VekStatus run(const T* x, T* y, int n, State* s) { return veksIIR_##S(x, y, n, s); } \
    };
IIR_KIND(32f, float)
IIR_KIND(64f, double)

// One stable section: poles at radius r, angle th; zeros free.
struct Section { double b[3], a[3]; };

Section draw_section(Input& in, double rmax) {
    const double r = rmax * (in.u8() / 255.0), th = 3.14159 * (in.u8() / 255.0);
    Section s{{in.unit(), in.unit(), in.unit()}, {1.0, -2 * r * std::cos(th), r * r}};
    if (s.b[0] == 0) s.b[0] = 0.5;
    return s;
}

template <class K>
void run_iir(Input& in) {
    using T = typename K::Elem;
    const bool biquad = in.coin();
    const int count = in.range(-1, biquad ? 6 : 8);  // sections, or the order
    // A0 a power of two keeps the normalised taps exact, so the reference
    // sees the same filter; sometimes A0 (or a biquad's B0) is 0.
    const int zero_at = in.u8() < 24 ? in.range(0, std::max(count - 1, 0)) : -1;
    const double a0 = std::ldexp(1.0, in.range(-3, 3));
    std::vector<T> taps;
    std::vector<double> b, a;  // normalised, for the reference
    if (biquad) {
        for (int i = 0; i < count; ++i) {
            Section s = draw_section(in, 0.85);
            const bool zero = i == zero_at;
            if (zero && in.coin()) s.b[0] = 0; else if (zero) s.a[0] = 0;
            const double g = zero ? 1.0 : a0;
            for (double v : s.b) taps.push_back(T(v * g));
            for (double v : s.a) taps.push_back(T(v * g));
        }
    } else if (count >= 1) {
        // Multiply stable sections (and one first-order factor for odd orders).
        b.assign(1, 1.0);
        a.assign(1, 1.0);
        auto mul = [](std::vector<double>& p, const double* q, int m) {
            std::vector<double> r(p.size() + m - 1, 0.0);
            for (size_t i = 0; i < p.size(); ++i)
                for (int j = 0; j < m; ++j) r[i + j] += p[i] * q[j];
            p = r;
        };
        for (int i = 0; i + 1 < count; i += 2) {
            // Clustered poles make a long direct-form recursion ill-conditioned.
            const Section s = draw_section(in, 0.7);
            mul(b, s.b, 3);
            mul(a, s.a, 3);
        }
        if (count & 1) {
            const double qb[2] = {in.unit() + 1.5, in.unit()}, qa[2] = {1.0, 0.8 * in.unit()};
            mul(b, qb, 2);
            mul(a, qa, 2);
        }
        for (double v : b) taps.push_back(T(v * a0));
        for (size_t i = 0; i < a.size(); ++i) taps.push_back(T(i == 0 && zero_at >= 0 ? 0.0 : a[i] * a0));
    }
    if (taps.empty()) taps.assign(6, T(1));
    const int dly_len = biquad ? 2 * std::max(count, 1) : std::max(count, 1);
    std::vector<T> dly(dly_len);
    for (auto& v : dly) v = T(in.unit());
    FZ_TRACE("IIR %zu-byte %s count=%d zero_at=%d a0=%g\n", sizeof(T), biquad ? "biquad" : "order", count, zero_at, a0);
    int bytes = -1;
    const VekStatus st = biquad ? K::bq_size(count, &bytes) : K::size(count, &bytes);
    if (count < 1) return fz::expect_eq(st, vekStsIIROrderErr, "IIR GetStateSize order");
    fz::expect_eq(st, 0, "IIR GetStateSize");
    Exact mem(bytes);
    typename K::State* s = nullptr;
    const VekStatus is = biquad ? K::bq_init(&s, taps.data(), count, dly.data(), mem.p)
                                : K::init(&s, taps.data(), count, dly.data(), mem.p);
    if (zero_at >= 0) return fz::expect_eq(is, vekStsDivByZeroErr, "IIR zero leading tap");
    fz::expect_eq(is, 0, "IIR Init");

    const int n = in.range(1, in.coin() ? 40 : 2500);
    FZ_TRACE("IIR block %d, taps:", n);
    for (auto t : taps) FZ_TRACE(" %.9g", double(t));
    FZ_TRACE("\n");
    std::vector<T> x(n), y(n);
    for (auto& v : x) v = T(in.unit());
    fz::expect_eq(K::run(x.data(), y.data(), n, s), 0, "IIR block");
    // Transposed direct form II in long double over the stored taps.
    std::vector<long double> want(x.begin(), x.end());
    const int sections = biquad ? count : 1;
    for (int q = 0; q < sections; ++q) {
        const int ord = biquad ? 2 : count;
        const T* t = &taps[biquad ? 6 * q : 0];
        std::vector<long double> d(ord + 1, 0.0L);
        for (int i = 0; i < ord; ++i) d[i] = dly[biquad ? 2 * q + i : i];
        const long double g = 1.0L / (long double)t[ord + 1];
        for (auto& v : want) {
            const long double xin = v, out = t[0] * g * xin + d[0];
            for (int i = 0; i < ord; ++i) d[i] = t[i + 1] * g * xin - t[ord + 2 + i] * g * out + d[i + 1];
            v = out;
        }
    }
    // The rounding error of the recursion grows with the denominator's
    // 1-norm (how strongly past outputs feed back).
    double peak = 1, feedback = 1;
    for (auto v : want) peak = std::max(peak, double(std::fabs(v)));
    for (int q = 0; q < sections; ++q) {
        const int ord = biquad ? 2 : count;
        const T* t = &taps[biquad ? 6 * q : 0];
        double norm = 0;
        for (int i = 0; i <= ord; ++i) norm += std::fabs(double(t[ord + 1 + i]) / double(t[ord + 1]));
        feedback *= norm;
    }
    const double tol = sizeof(T) == 4 ? 2e-6 : 1e-14;
    fz::expect_close(y.data(), want.data(), n, peak * (1 + count) * feedback * feedback, tol,
                     "IIR output vs scalar model");
}

// ---- LMS ----------------------------------------------------------------

void run_lms(Input& in) {
    const int taps = in.range(-1, 64);
    const int n = in.range(1, 600);
    const float mu = float(0.05 / std::max(taps, 1) * (in.u8() / 255.0));
    std::vector<float> h(std::max(taps, 1));
    for (auto& v : h) v = float(in.unit());
    const int64_t live = vekcoreLiveBlocks();
    VekFIRLMSState_32f* s = nullptr;
    const bool fail = in.u8() < 24;
    if (fail) vekcoreFailAllocation(1);
    const VekStatus st = veksFIRLMSInitAlloc_32f(&s, h.data(), taps, nullptr, in.range(0, std::max(taps - 1, 0)));
    vekcoreFailAllocation(0);
    if (taps < 1) return fz::expect_eq(st, vekStsSizeErr, "LMS tapsLen");
    if (fail) {
        fz::expect_eq(st, vekStsMemAllocErr, "LMS InitAlloc failing");
        return fz::expect_eq(vekcoreLiveBlocks(), live, "blocks after a failed LMS InitAlloc");
    }
    fz::expect_eq(st, 0, "LMS InitAlloc");
    std::vector<float> x(n), ref(n), y(n);
    for (auto& v : x) v = float(in.unit());
    for (auto& v : ref) v = float(in.unit());
    fz::expect_eq(veksFIRLMS_32f(x.data(), ref.data(), y.data(), n, s, mu), 0, "FIRLMS block");
    // y[k] = sum h[j] x[k-j]; then every tap moves by 2 mu (ref - y) x[k-j].
    std::vector<double> w(h.begin(), h.end());
    double peak = 1;
    for (int k = 0; k < n; ++k) {
        double acc = 0;
        for (int j = 0; j < taps && j <= k; ++j) acc += w[j] * x[k - j];
        const double g = 2.0 * mu * (ref[k] - acc);
        for (int j = 0; j < taps && j <= k; ++j) w[j] += g * x[k - j];
        peak = std::max(peak, std::fabs(acc));
        if (!(std::fabs(y[k] - acc) <= 1e-4 * peak * taps)) fz::fail("LMS output vs scalar model", k, taps);
    }
    std::vector<float> got(taps);
    fz::expect_eq(veksFIRLMSGetTaps_32f(s, got.data()), 0, "LMS GetTaps");
    fz::expect_close(got.data(), w.data(), taps, peak * taps, 1e-4, "LMS taps vs scalar model");
    fz::expect_eq(veksFIRLMSFree_32f(s), 0, "LMS Free");
    fz::expect_eq(vekcoreLiveBlocks(), live, "blocks after LMS Free");

    // The stateless step refuses a delay index outside [0, tapsLen).
    const int idx = in.range(-2, taps + 1);
    std::vector<float> line(2 * size_t(taps), 0.0f), t(h.begin(), h.end());
    int index = idx;
    float out = 0;
    const VekStatus one = veksFIRLMSOne_Direct_32f(x[0], ref[0], &out, t.data(), taps, mu, line.data(), &index);
    fz::expect_eq(one, idx < 0 || idx >= taps ? vekStsDlyLineIndexErr : vekStsNoErr, "FIRLMSOne_Direct index");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
    Input in(data, size);
    switch (in.u8() % 7) {
        case 6: run_fir_mr(in); break;
        case 0: run_fir<FIR_32f>(in); break;
        case 1: run_fir<FIR_64f>(in); break;
        case 2: run_fir<FIR_32fc>(in); break;
        case 3: run_iir<IIR_32f>(in); break;
        case 4: run_iir<IIR_64f>(in); break;
        default: run_lms(in); break;
    }
    return 0;
}
