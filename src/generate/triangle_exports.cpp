// Exported triangles: direct forms with the continuation phase, and the Q15
// forms whose state keeps the running phase between calls.
#include <cstdint>

#include "generate/q15_state.h"
#include "generate/round_away.h"
#include "generate/triangle_kernels.h"

namespace veks {
namespace {

template <class M, class P>
VekStatus triangle_checks(const void* dst, int len, M magn, P rFreq, P asym, const P* pPhase) {
    VEKS_CHECK(check_ptrs(pPhase));
    VEKS_CHECK(check_param(!(magn > M(0)), vekStsTrnglMagnErr));
    VEKS_CHECK(check_param(!freq_ok(rFreq), vekStsTrnglFreqErr));
    VEKS_CHECK(check_param(!(asym >= -kPi && asym < kPi), vekStsTrnglAsymErr));
    VEKS_CHECK(check_param(!phase_ok(*pPhase), vekStsTrnglPhaseErr));
    return check_vec(len, dst);
}

template <class T, class M, class P>
VekStatus triangle_real(T* dst, int len, M magn, P rFreq, P asym, P* pPhase) {
    VEKS_CHECK(triangle_checks(dst, len, magn, rFreq, asym, pPhase));
    const tri::Shape s = tri::make_shape(magn, rFreq, asym);
    tri::generate(s, *pPhase, len, [dst](int n, double v) { dst[n] = round_away<T>(v); });
    *pPhase = continuation_phase<P>(*pPhase, s.w, len);
    return vekStsNoErr;
}

template <class C, class M, class P>
VekStatus triangle_complex(C* dst, int len, M magn, P rFreq, P asym, P* pPhase) {
    VEKS_CHECK(triangle_checks(dst, len, magn, rFreq, asym, pPhase));
    using Part = decltype(dst->re);
    const tri::Shape s = tri::make_shape(magn, rFreq, asym);
    tri::generate_complex(s, *pPhase, len, [dst](int n, double re, double im) {
        dst[n].re = round_away<Part>(re);
        dst[n].im = round_away<Part>(im);
    });
    *pPhase = continuation_phase<P>(*pPhase, s.w, len);
    return vekStsNoErr;
}

// Q15 state: parameters, the generator context and the bookkeeping words.
struct TriangleQ15 {
    std::uint32_t id;
    std::uint32_t reserved;
    double magn, rfreq, phase, asym;
    double h1, fall, rise, w, qshift;  // the shape, kept from Init
    double position;                   // phase of the next sample
    double last;                       // the last value generated
    double spare[3];
    std::int32_t counter;
    std::uint32_t owned;
    std::uint32_t valid;  // position is set (after the first call)
};
static_assert(sizeof(TriangleQ15) == 136, "triangle state size");

tri::Shape shape_of(const TriangleQ15& s) { return tri::Shape{s.magn, s.h1, s.fall, s.rise, s.w, s.qshift}; }

TriangleQ15 make_state(Vek16s magn, Vek16s rFreqQ15, Vek32s phaseQ15, Vek32s asymQ15) {
    TriangleQ15 s{};
    s.id = q15::kTriangleId;
    s.magn = magn;
    s.rfreq = rFreqQ15 * kQ15;
    s.phase = phaseQ15 * kQ15;
    s.asym = asymQ15 * kQ15;
    const tri::Shape sh = tri::make_shape(s.magn, s.rfreq, s.asym);
    s.h1 = sh.h1;
    s.fall = sh.fall;
    s.rise = sh.rise;
    s.w = sh.w;
    s.qshift = sh.qshift;
    return s;
}

VekStatus check_q15(Vek16s magn, Vek16s rFreqQ15, Vek32s phaseQ15, Vek32s asymQ15) {
    VEKS_CHECK(q15::check_params(q15::kTriangleSts, magn, rFreqQ15, phaseQ15));
    return q15::check_asym(asymQ15);
}

double store_q15(Vek16s* dst, const tri::Shape& sh, double p, int len) {
    return tri::generate(sh, p, len, [dst](int n, double v) { dst[n] = round_away<Vek16s>(v); });
}

}  // namespace
}  // namespace veks

using namespace veks;

#define VEKS_TRIANGLE(code, T, C, M, P)                                                              \
    VekStatus veksTriangle_Direct_##code(T* pDst, int len, M magn, P rFreq, P asym, P* pPhase) {     \
        return triangle_real(pDst, len, magn, rFreq, asym, pPhase);                                  \
    }                                                                                                \
    VekStatus veksTriangle_Direct_##code##c(C* pDst, int len, M magn, P rFreq, P asym, P* pPhase) {  \
        return triangle_complex(pDst, len, magn, rFreq, asym, pPhase);                               \
    }

VEKS_TRIANGLE(32f, Vek32f, Vek32fc, Vek32f, Vek32f)
VEKS_TRIANGLE(64f, Vek64f, Vek64fc, Vek64f, Vek64f)
VEKS_TRIANGLE(16s, Vek16s, Vek16sc, Vek16s, Vek32f)

VekStatus veksTriangleGetStateSizeQ15_16s(int* pSize) { return q15::report_size(pSize, sizeof(TriangleQ15)); }

VekStatus veksTriangleInitQ15_16s(VekTriangleState_16s* pState, Vek16s magn, Vek16s rFreqQ15, Vek32s phaseQ15,
                                  Vek32s asymQ15) {
    VEKS_CHECK(check_ptrs(pState));
    VEKS_CHECK(check_q15(magn, rFreqQ15, phaseQ15, asymQ15));
    q15::store(pState, make_state(magn, rFreqQ15, phaseQ15, asymQ15));
    return vekStsNoErr;
}

VekStatus veksTriangleInitAllocQ15_16s(VekTriangleState_16s** ppState, Vek16s magn, Vek16s rFreqQ15,
                                       Vek32s phaseQ15, Vek32s asymQ15) {
    VEKS_CHECK(check_ptrs(ppState));
    VEKS_CHECK(check_q15(magn, rFreqQ15, phaseQ15, asymQ15));
    return q15::alloc_state(ppState, make_state(magn, rFreqQ15, phaseQ15, asymQ15));
}

VekStatus veksTriangleQ15_16s(Vek16s* pDst, int len, VekTriangleState_16s* pState) {
    VEKS_CHECK(check_vec(len, pDst, pState));
    VEKS_CHECK(check_id(pState, q15::kTriangleId));
    auto s = q15::load<TriangleQ15>(pState);
    if (!s.valid) s.position = s.phase;
    s.position = store_q15(pDst, shape_of(s), s.position, len);
    s.last = pDst[len - 1];
    s.counter = static_cast<std::int32_t>(static_cast<std::uint32_t>(s.counter) + static_cast<std::uint32_t>(len));
    s.valid = 1;
    q15::store(pState, s);
    return vekStsNoErr;
}

VekStatus veksTriangleQ15_Direct_16s(Vek16s* pDst, int len, Vek16s magn, Vek16s rFreqQ15, Vek32s phaseQ15,
                                     Vek32s asymQ15) {
    VEKS_CHECK(check_vec(len, pDst));
    VEKS_CHECK(check_q15(magn, rFreqQ15, phaseQ15, asymQ15));
    const TriangleQ15 s = make_state(magn, rFreqQ15, phaseQ15, asymQ15);
    store_q15(pDst, shape_of(s), s.phase, len);
    return vekStsNoErr;
}

VekStatus veksTriangleFree(VekTriangleState_16s* pState) {
    return q15::free_state<TriangleQ15>(pState, q15::kTriangleId);
}
