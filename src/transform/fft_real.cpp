// Real FFT of length N through the complex FFT of length N/2: the N reals
// are read as N/2 complex values z[n] = x[2n] + i*x[2n+1], transformed, and
// split into the spectrum of x by one recombination pass (and the reverse
// for the inverse). The packed layouts are rearranged in place.
#include "fft_builtin.h"
#include "fft_engine.h"

namespace veks {
namespace fft {

template <class T>
const T* builtin_real_table(int order, bool ccs) {
    if constexpr (sizeof(T) == 4) {
        static constexpr const float* rec[3] = {kRealTw32f_8, kRealTw32f_16, kRealTw32f_32};
        static constexpr const float* inv[3] = {kCcsTw32f_8, kCcsTw32f_16, kCcsTw32f_32};
        return order >= 3 && order <= 5 ? (ccs ? inv : rec)[order - 3] : nullptr;
    } else {
        static constexpr const double* rec[3] = {kRealTw64f_8, kRealTw64f_16, kRealTw64f_32};
        static constexpr const double* inv[3] = {kCcsTw64f_8, kCcsTw64f_16, kCcsTw64f_32};
        return order >= 3 && order <= 5 ? (ccs ? inv : rec)[order - 3] : nullptr;
    }
}

template const float* builtin_real_table<float>(int, bool);
template const double* builtin_real_table<double>(int, bool);

namespace {

// The smallest lengths run as a complex transform of length N on the real
// data: for them the split step would cost more accuracy than time saved.
template <class T>
void small_to_perm(const RealPlan<T>& plan, const T* src, T* dst, const T* scale) {
    const int n = 1 << plan.order;
    T buf[2 * 64];
    for (int i = 0; i < n; ++i) buf[2 * i] = src[i], buf[2 * i + 1] = T(0);
    cfft(builtin_complex_plan<T>(plan.order), buf, buf, false, scale);
    dst[0] = buf[0];
    if (n == 1) return;
    dst[1] = buf[n];
    for (int i = 2; i < n; ++i) dst[i] = buf[i];
}

template <class T>
void small_from_perm(const RealPlan<T>& plan, T* data, const T* scale) {
    const int n = 1 << plan.order;
    T buf[2 * 64];
    buf[0] = data[0], buf[1] = T(0);
    if (n > 1) {
        buf[n] = data[1], buf[n + 1] = T(0);
        for (int k = 1; 2 * k < n; ++k) {
            buf[2 * k] = buf[2 * (n - k)] = data[2 * k];
            buf[2 * k + 1] = data[2 * k + 1];
            buf[2 * (n - k) + 1] = -data[2 * k + 1];
        }
    }
    cfft(builtin_complex_plan<T>(plan.order), buf, buf, true, scale);
    for (int i = 0; i < n; ++i) data[i] = buf[2 * i];
}

}  // namespace

template <class T>
void rfft_to_perm(const RealPlan<T>& plan, const T* src, T* dst, const T* scale, T* work) {
    if (plan.small) return small_to_perm(plan, src, dst, scale);
    const std::ptrdiff_t m = std::ptrdiff_t(1) << (plan.order - 1);
    cfft(plan.half, src, dst, false, scale, work);
    const T a = dst[0], b = dst[1];
    dst[0] = a + b;
    dst[1] = a - b;
    // X[k] = E + (-i) w^k O with E, O the halves of Z[k] +- conj(Z[M-k]).
    const T* tw = plan.ccs_tw;
    const T half = T(0.5);
    for (std::ptrdiff_t k = 1, j = m - 1; k < j; ++k, --j) {
        const T c = tw[2 * k], ms = tw[2 * k + 1];
        const T ar = dst[2 * k], ai = dst[2 * k + 1], br = dst[2 * j], bi = dst[2 * j + 1];
        const T er = half * (ar + br), ei = half * (ai - bi), orr = half * (ar - br), oi = half * (ai + bi);
        const T p = c * oi + ms * orr, q = ms * oi - c * orr;
        dst[2 * k] = er + p;
        dst[2 * k + 1] = ei + q;
        dst[2 * j] = er - p;
        dst[2 * j + 1] = q - ei;
    }
    if (m >= 2) dst[m + 1] = -dst[m + 1];
}

template <class T>
void rfft_from_perm(const RealPlan<T>& plan, T* data, const T* scale, T* work) {
    if (plan.small) return small_from_perm(plan, data, scale);
    const std::ptrdiff_t m = std::ptrdiff_t(1) << (plan.order - 1);
    const T r0 = data[0], rh = data[1];
    data[0] = r0 + rh;
    data[1] = r0 - rh;
    const T* tw = plan.ccs_tw;
    for (std::ptrdiff_t k = 1, j = m - 1; k < j; ++k, --j) {
        const T c = tw[2 * k], s = tw[2 * k + 1];
        const T ar = data[2 * k], ai = data[2 * k + 1], br = data[2 * j], bi = data[2 * j + 1];
        const T p = ar + br, q = ai - bi, dre = ar - br, dim = ai + bi;
        const T g = s * dre - c * dim, h = c * dre + s * dim;
        data[2 * k] = p + g;
        data[2 * k + 1] = q + h;
        data[2 * j] = p - g;
        data[2 * j + 1] = h - q;
    }
    if (m >= 2) {
        data[m] = 2 * data[m];
        data[m + 1] = -2 * data[m + 1];
    }
    cfft(plan.half, data, data, true, scale, work);
}

template <class T>
void perm_to(Packed to, T* d, int n) {
    if (to == Packed::Perm) return;
    if (to == Packed::CCS) {
        if (n > 1) {
            d[n] = d[1];
            d[n + 1] = 0;
        }
        d[1] = 0;
        return;
    }
    if (n <= 2) return;
    const T nyq = d[1];
    for (int i = 1; i < n - 1; ++i) d[i] = d[i + 1];
    d[n - 1] = nyq;
}

template <class T>
void to_perm(Packed from, const T* src, T* dst, int n) {
    if (n == 1) {
        dst[0] = src[0];
        return;
    }
    if (from == Packed::Pack) {
        const T nyq = src[n - 1];
        for (int i = n - 1; i >= 2; --i) dst[i] = src[i - 1];
        dst[0] = src[0];
        dst[1] = nyq;
        return;
    }
    const T nyq = from == Packed::CCS ? src[n] : src[1];
    dst[0] = src[0];
    dst[1] = nyq;
    if (src != dst)
        for (int i = 2; i < n; ++i) dst[i] = src[i];
}

template void rfft_to_perm<float>(const RealPlan<float>&, const float*, float*, const float*, float*);
template void rfft_to_perm<double>(const RealPlan<double>&, const double*, double*, const double*, double*);
template void rfft_from_perm<float>(const RealPlan<float>&, float*, const float*, float*);
template void rfft_from_perm<double>(const RealPlan<double>&, double*, const double*, double*);
template void perm_to<float>(Packed, float*, int);
template void perm_to<double>(Packed, double*, int);
template void to_perm<float>(Packed, const float*, float*, int);
template void to_perm<double>(Packed, const double*, double*, int);
template void perm_to<std::int16_t>(Packed, std::int16_t*, int);
template void to_perm<std::int16_t>(Packed, const std::int16_t*, std::int16_t*, int);

}  // namespace fft
}  // namespace veks
