// IIR states of every type mix against a long double model that carries
// its own delay line: random block splits, one-sample calls, delay-line
// read-back, scaled integer output, and the argument and identifier checks.
#include <gtest/gtest.h>

#include <cmath>
#include <complex>
#include <functional>
#include <string>
#include <vector>

#include "test_util.h"

namespace {

using ld = long double;
using cld = std::complex<ld>;

template <class T> struct is_c : std::false_type {};
template <> struct is_c<Vek16sc> : std::true_type {};
template <> struct is_c<Vek32sc> : std::true_type {};
template <> struct is_c<Vek32fc> : std::true_type {};
template <> struct is_c<Vek64fc> : std::true_type {};

template <class T> cld widen(const T& v) {
    if constexpr (is_c<T>::value) return cld(v.re, v.im);
    else return cld(ld(v), 0);
}
template <class T> T narrow(cld v) {
    if constexpr (is_c<T>::value) return T{decltype(T::re)(v.real()), decltype(T::re)(v.imag())};
    else return T(v.real());
}

enum class Form { Arb, Bq, Df1 };

// The model: taps normalised by A0 in long double, one sample at a time.
struct Model {
    Form form;
    int order;
    std::vector<cld> t;  // raw taps
    std::vector<cld> d;  // TDF2 delays (arbitrary: order; biquad: 2 per section) or DF1 history
    cld step(cld x) {
        if (form == Form::Arb) {
            const cld a0 = t[order + 1];
            const cld y = t[0] / a0 * x + d[0];
            for (int i = 0; i < order; ++i)
                d[i] = t[i + 1] / a0 * x - t[order + 2 + i] / a0 * y + (i + 1 < order ? d[i + 1] : cld(0));
            return y;
        }
        for (int q = 0; q < order; ++q) {
            const cld* s = &t[6 * q];
            const cld b0 = s[0] / s[3], b1 = s[1] / s[3], b2 = s[2] / s[3], a1 = s[4] / s[3], a2 = s[5] / s[3];
            cld y;
            if (form == Form::Bq) {
                cld* e = &d[2 * q];
                y = b0 * x + e[0];
                e[0] = b1 * x - a1 * y + e[1];
                e[1] = b2 * x - a2 * y;
            } else {
                cld* h = &d[4 * q];
                y = b0 * x + b1 * h[0] + b2 * h[1] - a1 * h[2] - a2 * h[3];
                h[1] = h[0];
                h[0] = x;
                h[3] = h[2];
                h[2] = y;
            }
            x = y;
        }
        return x;
    }
};

// Stable taps: feedback coefficients with sum |a| < 1 / |A0| after scaling.
template <class TI>
std::vector<TI> random_taps(Form f, int order, vt::Rng& rng) {
    std::vector<cld> t;
    auto c = [&](double s) { return is_c<TI>::value ? cld(rng.next<double>(s), rng.next<double>(s)) : cld(rng.next<double>(s), 0); };
    if (f == Form::Arb) {
        const cld a0 = cld(1.5, 0) + c(0.4);
        for (int i = 0; i <= order; ++i) t.push_back(c(1.0));
        t.push_back(a0);
        for (int i = 1; i <= order; ++i) t.push_back(c(0.9 / order / 1.5) * (std::abs(a0) * 0.7L));
    } else {
        for (int q = 0; q < order; ++q) {
            const cld a0 = cld(2.0, 0) + c(0.5);
            for (int i = 0; i < 3; ++i) t.push_back(c(1.0) + (i == 0 ? cld(1.5, 0) : cld(0)));
            t.push_back(a0);
            t.push_back(c(0.45) * std::abs(a0));
            t.push_back(c(0.4) * std::abs(a0));
        }
    }
    std::vector<TI> out;
    for (cld v : t) out.push_back(narrow<TI>(v));
    return out;
}

template <class TI, class D, class S>
struct Api {
    std::string name;
    bool wide;  // taps in double precision
    std::function<VekStatus(Form, int, int*)> size;
    std::function<VekStatus(Form, S**, const TI*, int, const TI*, Vek8u*)> init;
    std::function<VekStatus(Form, S**, const TI*, int, const TI*)> alloc;
    VekStatus (*free)(S*);
    VekStatus (*get_dly)(const S*, TI*);
    VekStatus (*set_dly)(S*, const TI*);
    VekStatus (*set_taps)(const TI*, S*);
    std::function<VekStatus(const D*, D*, int, S*, int)> block;
    std::function<VekStatus(D*, int, S*, int)> block_i;
    std::function<VekStatus(D, D*, S*, int)> one;
};

template <class D> struct part { using type = D; };
template <> struct part<Vek16sc> { using type = Vek16s; };
template <> struct part<Vek32sc> { using type = Vek32s; };
template <> struct part<Vek32fc> { using type = Vek32f; };
template <> struct part<Vek64fc> { using type = Vek64f; };

template <class D> D random_data(vt::Rng& rng) {
    using P = typename part<D>::type;
    const double s = std::is_same_v<P, Vek16s> ? 8000 : std::is_same_v<P, Vek32s> ? 1e6 : 1.0;
    return narrow<D>(cld(std::round(rng.next<double>(s)), is_c<D>::value ? std::round(rng.next<double>(s)) : 0.0));
}

template <class TI, class D, class S>
void check_mix(const Api<TI, D, S>& api) {
    SCOPED_TRACE(api.name);
    using P = typename part<D>::type;
    constexpr bool integer = std::is_integral_v<P>;
    vt::Rng rng(21);
    std::vector<Form> forms{Form::Arb, Form::Bq};
    for (Form f : forms)
        for (int order : {1, 2, 3, 5, 8}) {
            const auto taps = random_taps<TI>(f, order, rng);
            const int ndly = f == Form::Arb ? order : 2 * order;
            std::vector<TI> dly0(ndly);
            for (auto& v : dly0) v = narrow<TI>(widen(random_taps<TI>(Form::Arb, 1, rng)[0]) * ld(0.1));
            int bytes = 0;
            ASSERT_EQ(api.size(f, order, &bytes), 0);
            std::vector<Vek8u> buf(bytes + 1);
            S* st = nullptr;
            ASSERT_EQ(api.init(f, &st, taps.data(), order, dly0.data(), buf.data() + 1), 0);  // any alignment
            Model m{f, order, {}, {}};
            for (const TI& v : taps) m.t.push_back(widen(v));
            for (const TI& v : dly0) m.d.push_back(widen(v));
            const int sf = integer ? int(rng.raw() % 3) - 1 : 0;
            const int total = 3000;
            std::vector<D> x(total), y(total);
            for (auto& v : x) v = random_data<D>(rng);
            ld peak = 0, err = 0;
            // Random block splits, some in place, some one sample at a time.
            for (int off = 0; off < total;) {
                const int kind = int(rng.raw() % 4);
                const int n = std::min<int>(total - off, kind == 3 ? 1 : 1 + int(rng.raw() % 1500));
                if (kind == 3) {
                    ASSERT_EQ(api.one(x[off], &y[off], st, sf), 0);
                } else if (kind == 2) {
                    std::copy(x.begin() + off, x.begin() + off + n, y.begin() + off);
                    ASSERT_EQ(api.block_i(y.data() + off, n, st, sf), 0);
                } else {
                    ASSERT_EQ(api.block(x.data() + off, y.data() + off, n, st, sf), 0);
                }
                for (int k = off; k < off + n; ++k) {
                    const cld want = m.step(widen(x[k])) * std::ldexp(ld(1), -sf);
                    const cld got = widen(y[k]);
                    if constexpr (integer) {
                        const ld lo = std::numeric_limits<P>::lowest(), hi = std::numeric_limits<P>::max();
                        auto r = [&](ld v) { return std::max(lo, std::min(hi, std::nearbyint(v))); };
                        ASSERT_LE(std::abs(got - cld(r(want.real()), r(want.imag()))), 1.5L) << k;
                    } else {
                        peak = std::max(peak, std::abs(want));
                        err = std::max(err, std::abs(got - want));
                    }
                }
                off += n;
            }
            if constexpr (!integer) EXPECT_LE(err, (api.wide && sizeof(P) == 8 ? 1e-11L : 2e-5L) * (1 + peak)) << order;
            // The delay line reads back as the model's.
            std::vector<TI> dly(ndly);
            ASSERT_EQ(api.get_dly(st, dly.data()), 0);
            for (int i = 0; i < ndly; ++i)
                ASSERT_LE(std::abs(widen(dly[i]) - m.d[i]), (api.wide ? 1e-9L : 1e-3L) * (1 + std::abs(m.d[i]))) << i;
            // SetDlyLine with null clears the history: zero input gives zero output.
            ASSERT_EQ(api.set_dly(st, nullptr), 0);
            std::vector<D> zeros(16), out(16, random_data<D>(rng));
            ASSERT_EQ(api.block(zeros.data(), out.data(), 16, st, 0), 0);
            for (const D& v : out) ASSERT_EQ(std::abs(widen(v)), 0);
            // SetTaps keeps the state working; a zero A0 is refused.
            ASSERT_EQ(api.set_taps(taps.data(), st), 0);
            auto bad = taps;
            bad[f == Form::Arb ? order + 1 : 3] = TI{};
            EXPECT_EQ(api.set_taps(bad.data(), st), vekStsDivByZeroErr);
            S* st2 = nullptr;
            std::vector<Vek8u> buf2(bytes);
            EXPECT_EQ(api.init(f, &st2, bad.data(), order, nullptr, buf2.data()), vekStsDivByZeroErr);
            if (f == Form::Bq) {
                bad = taps;
                bad[0] = TI{};
                EXPECT_EQ(api.alloc(f, &st2, bad.data(), order, nullptr), vekStsDivByZeroErr);
            }
            EXPECT_EQ(api.free(st), 0);  // laid by Init: nothing to release
        }
    // Checks and the identifier: an allocated state, a foreign state.
    const auto taps = random_taps<TI>(Form::Bq, 2, rng);
    S* st = nullptr;
    const auto live = vekcoreLiveBlocks();
    ASSERT_EQ(api.alloc(Form::Bq, &st, taps.data(), 2, nullptr), 0);
    std::vector<std::uint32_t> foreign(64, 0x46493031u);  // an "FI01" identifier
    S* other = reinterpret_cast<S*>(foreign.data());
    vt::Guarded<D> dst(8);
    std::vector<D> src(8);
    int size = 0;
    struct Row { const char* what; VekStatus got, want; };
    const Row rows[] = {
        {"size null", api.size(Form::Arb, 3, nullptr), vekStsNullPtrErr},
        {"size order 0", api.size(Form::Bq, 0, &size), vekStsIIROrderErr},
        {"init null taps", api.init(Form::Arb, &st, nullptr, 2, nullptr, reinterpret_cast<Vek8u*>(foreign.data())), vekStsNullPtrErr},
        {"init null buf", api.init(Form::Arb, &st, taps.data(), 2, nullptr, nullptr), vekStsNullPtrErr},
        {"init order 0", api.init(Form::Arb, &st, taps.data(), 0, nullptr, reinterpret_cast<Vek8u*>(foreign.data())), vekStsIIROrderErr},
        {"block null state", api.block(src.data(), dst.data(), 8, nullptr, 0), vekStsNullPtrErr},
        {"block null dst", api.block(src.data(), nullptr, 8, st, 0), vekStsNullPtrErr},
        {"block len 0", api.block(src.data(), dst.data(), 0, st, 0), vekStsSizeErr},
        {"block foreign", api.block(src.data(), dst.data(), 8, other, 0), vekStsContextMatchErr},
        {"one foreign", api.one(src[0], dst.data(), other, 0), vekStsContextMatchErr},
        {"one null", api.one(src[0], nullptr, st, 0), vekStsNullPtrErr},
        {"dly foreign", api.set_dly(other, nullptr), vekStsContextMatchErr},
        {"free foreign", api.free(other), vekStsContextMatchErr},
        {"free null", api.free(nullptr), vekStsNullPtrErr},
    };
    for (const Row& r : rows) EXPECT_EQ(r.got, r.want) << r.what;
    EXPECT_TRUE(dst.untouched());
    vekcoreFailAllocation(1);
    S* st3 = nullptr;
    EXPECT_EQ(api.alloc(Form::Arb, &st3, random_taps<TI>(Form::Arb, 2, rng).data(), 2, nullptr), vekStsMemAllocErr);
    vekcoreFailAllocation(0);
    EXPECT_EQ(api.free(st), 0);
    EXPECT_EQ(vekcoreLiveBlocks(), live);
}

#define FORMS(OP, P, D, ...) [](Form f, auto... a) { return f == Form::Arb ? veksIIR##OP##P##_##D(a...) : veksIIR##OP##P##_BiQuad_##D(a...); }

#define FLOAT_API(P, D, S, TI, DT, WIDE)                                                         \
    Api<TI, DT, S>{#P "_" #D, WIDE, FORMS(GetStateSize, P, D), FORMS(Init, P, D), FORMS(InitAlloc, P, D), \
        veksIIRFree##P##_##D, veksIIRGetDlyLine##P##_##D, veksIIRSetDlyLine##P##_##D, veksIIRSetTaps##P##_##D, \
        [](const DT* s, DT* d, int n, S* st, int) { return veksIIR##P##_##D(s, d, n, st); },         \
        [](DT* d, int n, S* st, int) { return veksIIR##P##_##D##_I(d, n, st); },                   \
        [](DT x, DT* y, S* st, int) { return veksIIROne##P##_##D(x, y, st); }}

#define INT_API(P, D, S, TI, DT, WIDE, FT, FREE)                                                  \
    Api<TI, DT, S>{#P "_" #D #FT, WIDE, FORMS(GetStateSize, P, D##FT), FORMS(Init, P, D##FT), FORMS(InitAlloc, P, D##FT), \
        veksIIRFree##P##_##D, veksIIRGetDlyLine##P##_##D, veksIIRSetDlyLine##P##_##D, veksIIRSetTaps##P##_##D##FT, \
        veksIIR##P##_##D##_Sfs, veksIIR##P##_##D##_ISfs, veksIIROne##P##_##D##_Sfs}

TEST(Iir, FloatDataMixesAgainstModel) {
    check_mix(FLOAT_API(, 32f, VekIIRState_32f, Vek32f, Vek32f, false));
    check_mix(FLOAT_API(, 32fc, VekIIRState_32fc, Vek32fc, Vek32fc, false));
    check_mix(FLOAT_API(, 64f, VekIIRState_64f, Vek64f, Vek64f, true));
    check_mix(FLOAT_API(, 64fc, VekIIRState_64fc, Vek64fc, Vek64fc, true));
    check_mix(FLOAT_API(64f, 32f, VekIIRState64f_32f, Vek64f, Vek32f, false));
    check_mix(FLOAT_API(64fc, 32fc, VekIIRState64fc_32fc, Vek64fc, Vek32fc, false));
}

TEST(Iir, IntegerDataMixesAgainstModel) {
    check_mix(INT_API(32f, 16s, VekIIRState32f_16s, Vek32f, Vek16s, false, , ));
    check_mix(INT_API(32fc, 16sc, VekIIRState32fc_16sc, Vek32fc, Vek16sc, false, , ));
    check_mix(INT_API(32s, 16s, VekIIRState32s_16s, Vek32f, Vek16s, false, 32f, ));
    check_mix(INT_API(32sc, 16sc, VekIIRState32sc_16sc, Vek32fc, Vek16sc, false, 32fc, ));
    check_mix(INT_API(64f, 32s, VekIIRState64f_32s, Vek64f, Vek32s, true, , ));
    check_mix(INT_API(64fc, 32sc, VekIIRState64fc_32sc, Vek64fc, Vek32sc, true, , ));
    check_mix(INT_API(64f, 16s, VekIIRState64f_16s, Vek64f, Vek16s, true, , ));
    check_mix(INT_API(64fc, 16sc, VekIIRState64fc_16sc, Vek64fc, Vek16sc, true, , ));
}

}  // namespace
