// Sampled cosine tones magn * cos(w n + phase), without a cos call per
// sample.
//
// Three generators, all computing in double whatever the output type:
//  - the short recurrence: three samples by cos, the fourth from
//    y3 = 2cos(w) y2 - y1, then y[n] = 2cos(2w) y[n-2] - y[n-4]; two
//    independent chains, the real tone's accurate setup;
//  - the rotator: eight lanes advanced together by the rotation e^(8iw),
//    re-anchored by cos/sin every block so errors cannot build up; it gives
//    cosine and sine parts at once and serves the complex tones, the double
//    tones;
//  - the long stride: y[n] = 2cos(8w) y[n-8] - y[n-16], eight independent
//    chains that vectorise, restarted from sixteen exact samples every block
//    (the real tone's fast setup).
#ifndef VEKS_GENERATE_TONE_KERNELS_H
#define VEKS_GENERATE_TONE_KERNELS_H

#include <cmath>

namespace veks {
namespace tone {

// Real samples by the short recurrence.
template <class Store>
void recurrence(int len, double magn, double w, double phase, Store&& store) {
    double y[4];
    const int first = len < 3 ? len : 3;
    for (int n = 0; n < first; ++n) {
        y[n] = magn * std::cos(w * n + phase);
        store(n, y[n]);
    }
    if (len <= 3) return;
    const double c1 = 2.0 * std::cos(w);
    const double c2 = c1 * c1 - 2.0;
    y[3] = c1 * y[2] - y[1];
    store(3, y[3]);
    // Rolling window y[n-4], y[n-3], y[n-2], y[n-1].
    double a = y[0], b = y[1], c = y[2], d = y[3];
    int n = 4;
    for (; n + 2 <= len; n += 2) {
        const double e = c2 * c - a;
        const double f = c2 * d - b;
        store(n, e);
        store(n + 1, f);
        a = c;
        b = d;
        c = e;
        d = f;
    }
    if (n < len) store(n, c2 * c - a);
}

constexpr int kLanes = 8;
constexpr int kBlock = 256;  // samples between anchors

// Cosine and sine parts by the rotator; `store(n0, re, im, count)` receives
// count (<= kBlock) consecutive samples starting at n0.
template <class Store>
void rotator(int len, double magn, double w, double phase, Store&& store) {
    if (len < 2 * kLanes) {  // too short to pay for the lane tables
        double re[2 * kLanes], im[2 * kLanes];
        for (int n = 0; n < len; ++n) {
            const double theta = w * n + phase;
            re[n] = magn * std::cos(theta);
            im[n] = magn * std::sin(theta);
        }
        store(0, re, im, len);
        return;
    }
    double tc[kLanes], ts[kLanes];
    for (int k = 0; k < kLanes; ++k) {
        tc[k] = std::cos(w * k);
        ts[k] = std::sin(w * k);
    }
    const double rc = std::cos(w * kLanes), rs = std::sin(w * kLanes);
    alignas(16) double re[kBlock], im[kBlock];
    for (int n0 = 0; n0 < len; n0 += kBlock) {
        const int count = len - n0 < kBlock ? len - n0 : kBlock;
        const double theta = w * static_cast<double>(n0) + phase;
        const double a = magn * std::cos(theta), b = magn * std::sin(theta);
        double c[kLanes], s[kLanes];
        for (int k = 0; k < kLanes; ++k) {
            c[k] = a * tc[k] - b * ts[k];
            s[k] = a * ts[k] + b * tc[k];
        }
        for (int j = 0; j < count; j += kLanes) {
            for (int k = 0; k < kLanes; ++k) {
                re[j + k] = c[k];
                im[j + k] = s[k];
                const double nc = c[k] * rc - s[k] * rs;
                s[k] = c[k] * rs + s[k] * rc;
                c[k] = nc;
            }
        }
        store(n0, re, im, count);
    }
}

// Real samples by the stride-8 recurrence; `store(n0, y, count)` as above.
template <class Store>
void long_stride(int len, double magn, double w, double phase, Store&& store) {
    constexpr int kStart = 2 * kLanes;
    double tc[kStart], ts[kStart];
    for (int k = 0; k < kStart; ++k) {
        tc[k] = std::cos(w * k);
        ts[k] = std::sin(w * k);
    }
    const double c8 = 2.0 * std::cos(w * kLanes);
    alignas(16) double y[kBlock];
    for (int n0 = 0; n0 < len; n0 += kBlock) {
        const int count = len - n0 < kBlock ? len - n0 : kBlock;
        const double theta = w * static_cast<double>(n0) + phase;
        const double a = magn * std::cos(theta), b = magn * std::sin(theta);
        for (int k = 0; k < kStart; ++k) y[k] = a * tc[k] - b * ts[k];
        for (int k = kStart; k < count; ++k) y[k] = c8 * y[k - kLanes] - y[k - kStart];
        store(n0, y, count);
    }
}

}  // namespace tone
}  // namespace veks

#endif
