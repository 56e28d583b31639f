#include "fft_tables.h"

#include <cmath>

#include "fft_builtin.h"
#include "fft_wide.h"

namespace veks {
namespace fft {

template <class T>
void SineBase<T>::twiddle(std::int64_t e, int m, T& re, T& im) const {
    const std::int64_t quarter = (std::int64_t(1) << m) / 4;
    const int shift = order - m;
    if (quarter == 0) {  // m < 2: only e = 0 (and e = 1 of m = 1) occur
        re = (e == 0) ? T(1) : T(-1);
        im = T(0);
        return;
    }
    const std::int64_t q = e >> (m - 2), r = e & (quarter - 1);  // quarter = 2^(m-2)
    const T s = base[r << shift], c = base[(quarter - r) << shift];
    switch (q & 3) {
        case 0: re = c; im = -s; break;
        case 1: re = -s; im = -c; break;
        case 2: re = -c; im = s; break;
        default: re = s; im = c; break;
    }
}

template <class T>
SineBase<T> make_base(int order, T* mem) {
    if (order <= 10) {
        if constexpr (sizeof(T) == 4)
            return {kSine1024_32f, 10};
        else
            return {kSine1024_64f, 10};
    }
    // sin(t + f) for t on the built-in grid of 2*pi/1024 and the offsets
    // f = 2*pi*r/N, r < N/1024, as sin t + (sin t (cos f - 1) + cos t sin f)
    // with cos f - 1 = -2 sin^2(f/2): the correction is small against sin t,
    // so the values round about as well as a direct sine, for two sines per
    // offset instead of one per value.
    const std::int64_t n = std::int64_t(1) << order, q = n / 4, fine = n >> 10;
    const double step = 2.0 * 3.14159265358979323846 / double(n);
    const double* grid = kSine1024_64f;
    for (std::int64_t r = 0; r < fine; ++r) {
        const double sf = std::sin(double(r) * step), h = std::sin(double(r) * (0.5 * step)), cm1 = -2.0 * h * h;
        for (std::int64_t a = 0; a * fine + r <= q; ++a)
            mem[a * fine + r] = static_cast<T>(grid[a] + (grid[a] * cm1 + grid[256 - a] * sf));
    }
    return {mem, order};
}

template SineBase<float> make_base<float>(int, float*);
template SineBase<double> make_base<double>(int, double*);

std::int64_t build_bitrev(int order, std::int32_t* out) {
    const int m = order - 2;
    const std::int64_t groups = std::int64_t(1) << m;
    out[0] = 0;
    for (std::int64_t g = 1; g < groups; ++g)  // rev(g) from rev(g >> 1)
        out[g] = (out[g >> 1] >> 1) | static_cast<std::int32_t>((g & 1) << (m - 1));
    out[groups] = 0;
    return groups + 1;
}

template <>
std::int64_t build_twiddles<float>(const SineBase<float>& b, int order, float* out) {
    const std::int64_t n = std::int64_t(1) << order;
    float* o = out;
    int m = order & 1 ? 5 : 4;
    for (std::int64_t M = std::int64_t(1) << m; M <= n; M *= 4, m += 2)
        for (std::int64_t g = 0; g < M / 4; g += 4)
            for (int j = 1; j <= 3; ++j) {
                for (int l = 0; l < 4; ++l) b.twiddle((j * (g + l)) & (M - 1), m, o[l], o[4 + l]);
                o += 8;
            }
    return o - out;
}

template <>
std::int64_t build_twiddles<double>(const SineBase<double>& b, int order, double* out) {
    const std::int64_t q = (std::int64_t(1) << order) / 4;
    for (std::int64_t k = 0; k < q; ++k)
        for (int j = 1; j <= 3; ++j) b.twiddle(j * k, order, out[6 * k + 2 * j - 2], out[6 * k + 2 * j - 1]);
    return 6 * q;
}

template <class T>
std::int64_t build_wide_twiddles(const SineBase<T>& b, int order, int level, T* out, bool spec_table) {
    const std::int64_t q = (std::int64_t(1) << order) / 4, g = wide_group<T>(order);
    const bool split = wide_split_table<T>(order, level), pass = spec_table && pass_table<T>(order, level);
    // The double pass table takes the place of the k >= N/8.
    const std::int64_t first_k = pass && sizeof(T) == 8 ? q / 2 : q;
    for (std::int64_t k = 0; k < first_k; ++k)
        for (int j = 1; j <= 3; ++j) {
            std::int64_t re, im;
            wide_parts<T>(k, j, g, split, re, im);
            b.twiddle(j * k, order, out[re], out[im]);
        }
    std::int64_t count = 6 * q;
    if (!spec_table) return count;
    if (first8_table<T>(order, level)) {
        T* extra = out + count;
        for (std::int64_t k = 0; k < q / 2; ++k)
            for (int j = 5; j <= 7; j += 2) {
                const std::int64_t re = (k / 4) * 16 + (j == 7 ? 8 : 0) + split_lane(k % 4, 4);
                b.twiddle(j * k, order, extra[re], extra[re + 4]);
            }
        count += 2 * q;
    }
    if (pass) {
        T* table = out + pass_table_at<T>(order);
        const std::int64_t kk = pass_k<T>(), pair = sizeof(T) == 4 ? 1 : 0;
        for (std::int64_t p = 0; p < q / kk; ++p)
            for (int j = 1; j <= 3; ++j) {
                T* r = table + pass_record<T>(p & ~pair, j) + (p & pair);
                b.twiddle(j * kk * p, order, r[0], r[pass_im<T>()]);
            }
        if (sizeof(T) == 4) count += 6 * (q / kk);
    }
    return count;
}

template <class T>
std::int64_t build_real_table(const SineBase<T>& b, int order, bool ccs, T* out) {
    const std::int64_t q = order >= 2 ? (std::int64_t(1) << order) / 4 : 1;
    for (std::int64_t k = 0; k < q; ++k) {
        T c, ms;
        b.twiddle(k, order, c, ms);
        out[2 * k] = ccs ? c : T(0.5) * c;
        out[2 * k + 1] = ccs ? ms : T(0.5) + T(0.5) * ms;
    }
    return 2 * q;
}

template struct SineBase<float>;
template struct SineBase<double>;
template std::int64_t build_wide_twiddles<float>(const SineBase<float>&, int, int, float*, bool);
template std::int64_t build_wide_twiddles<double>(const SineBase<double>&, int, int, double*, bool);
template std::int64_t build_real_table<float>(const SineBase<float>&, int, bool, float*);
template std::int64_t build_real_table<double>(const SineBase<double>&, int, bool, double*);

}  // namespace fft
}  // namespace veks
