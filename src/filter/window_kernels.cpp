#include "window_kernels.h"

#include <algorithm>
#include <cmath>
#include <cstring>

#include "core/scale.h"

namespace veks {
namespace {

constexpr double kPi = 3.14159265358979323846;
constexpr int kBlock = 64;  // weights computed per pass

// Cosines cos(theta*n) for n = start .. start+count-1 (count <= kBlock):
// one cosine and sine of the block start rotated by a table of exact
// cos/sin(theta*j), so every value carries only a few roundings and the
// block loop vectorises.
class CosineBlocks {
public:
    explicit CosineBlocks(double theta) : theta_(theta) {
        for (int j = 0; j < kBlock; ++j) {
            cj_[j] = std::cos(theta * j);
            sj_[j] = std::sin(theta * j);
        }
    }
    void fill(int start, int count, double* c) const {
        const double c0 = std::cos(theta_ * start), s0 = std::sin(theta_ * start);
        for (int j = 0; j < count; ++j) c[j] = c0 * cj_[j] - s0 * sj_[j];
    }

private:
    double theta_;
    double cj_[kBlock], sj_[kBlock];
};

// Fills w[0..count) with the weights of positions start .. start+count-1,
// all in the first half of the window.
class WeightGen {
public:
    explicit WeightGen(const WindowShape& s)
        : s_(s), cos_(s.len > 1 ? 2.0 * kPi / (s.len - 1) : 0.0) {
        if (s.kind == WinKind::Kaiser) kaiser_norm_ = 1.0 / bessel_i0(s.alpha * (s.len - 1) / 2.0);
    }
    void fill(int start, int count, double* w) const {
        const double m = s_.len - 1;
        switch (s_.kind) {
        case WinKind::Bartlett:
            for (int j = 0; j < count; ++j) w[j] = 2.0 * (start + j) / m;
            return;
        case WinKind::Hann:
            cos_.fill(start, count, w);
            for (int j = 0; j < count; ++j) w[j] = 0.5 - 0.5 * w[j];
            return;
        case WinKind::Hamming:
            cos_.fill(start, count, w);
            for (int j = 0; j < count; ++j) w[j] = 0.54 - 0.46 * w[j];
            return;
        case WinKind::Blackman: {
            // (alpha+1)/2 - cos/2 - alpha/2 cos(2x) written with c = cos/2.
            const double a0 = 0.5 + s_.alpha, a2 = -4.0 * s_.alpha;
            cos_.fill(start, count, w);
            for (int j = 0; j < count; ++j) {
                const double c = 0.5 * w[j];
                w[j] = a0 - c + a2 * c * c;
            }
            return;
        }
        case WinKind::Kaiser:
            for (int j = 0; j < count; ++j) {
                const double n = start + j;
                w[j] = bessel_i0(s_.alpha * std::sqrt(n * (m - n))) * kaiser_norm_;
            }
            return;
        }
    }

private:
    WindowShape s_;
    CosineBlocks cos_;
    double kaiser_norm_ = 1.0;
};

inline float store(double v, float*) { return static_cast<float>(v); }
inline double store(double v, double*) { return v; }
// Nearest integer, ties to even (exact for |v| < 2^51), then saturation.
inline std::int16_t store(double v, std::int16_t*) {
    const double magic = 6755399441055744.0;
    return saturate<std::int16_t>((v + magic) - magic);
}

template <class P>
void apply(const WindowShape& s, const P* src, P* dst, int ch, double scale) {
    const WeightGen gen(s);
    const int half = s.len / 2;
    double w[kBlock];
    for (int start = 0; start < half; start += kBlock) {
        const int count = std::min(kBlock, half - start);
        gen.fill(start, count, w);
        if (scale != 1.0)
            for (int j = 0; j < count; ++j) w[j] *= scale;
        const P* lo_s = src + std::size_t(start) * ch;
        P* lo_d = dst + std::size_t(start) * ch;
        const P* hi_s = src + std::size_t(s.len - 1 - start) * ch;
        P* hi_d = dst + std::size_t(s.len - 1 - start) * ch;
        for (int j = 0; j < count; ++j)
            for (int c = 0; c < ch; ++c) {
                const double a = static_cast<double>(lo_s[j * ch + c]) * w[j];
                const double b = static_cast<double>(hi_s[-j * ch + c]) * w[j];
                lo_d[j * ch + c] = store(a, dst);
                hi_d[-j * ch + c] = store(b, dst);
            }
    }
    if (s.len % 2 == 1) {  // the middle weight is 1
        const std::size_t mid = std::size_t(half) * ch;
        for (int c = 0; c < ch; ++c)
            dst[mid + c] = scale == 1.0 ? src[mid + c] : store(static_cast<double>(src[mid + c]) * scale, dst);
    }
}

}  // namespace

double blackman_opt_alpha(int len) {
    const double c = std::cos(kPi / (len - 1));
    return -0.25 / (c * c);
}

double bessel_i0(double x) {
    x = std::fabs(x);
    if (x < 3.75) {
        const double t = x / 3.75, t2 = t * t;
        return 1.0 + t2 * (3.5156229 + t2 * (3.0899424 + t2 * (1.2067492 +
                     t2 * (0.2659732 + t2 * (0.0360768 + t2 * 0.0045813)))));
    }
    const double u = 3.75 / x;
    const double p = 0.39894228 + u * (0.01328592 + u * (0.00225319 + u * (-0.00157565 + u * (0.00916281 +
                     u * (-0.02057706 + u * (0.02635537 + u * (-0.01647633 + u * 0.00392377)))))));
    return std::exp(x) / std::sqrt(x) * p;
}

void apply_window(const WindowShape& w, const float* src, float* dst, int channels) {
    apply(w, src, dst, channels, 1.0);
}
void apply_window(const WindowShape& w, const double* src, double* dst, int channels) {
    apply(w, src, dst, channels, 1.0);
}
void apply_window(const WindowShape& w, const std::int16_t* src, std::int16_t* dst, int channels, double scale) {
    apply(w, src, dst, channels, scale);
}

}  // namespace veks
