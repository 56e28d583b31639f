// The straight-line kernels themselves, included by one file per
// instruction set: everything sits in an anonymous namespace, so each
// includer compiles its own copy for its own target.
//
// The forward transform of N reals splits into the real transform U of the
// N/2 even samples and the real transforms Z and Y of the samples 4n+1 and
// 4n+3; with a = w^k Z[k], b = w^3k Y[k], s = a + b, d = a - b
// (w = exp(-2 pi i/N), 0 <= k <= N/8) the half spectrum is
//     X[k]       = U[k] + s           X[N/2 - k] = conj(U[k] - s)
//     X[N/4 - k] = U[N/4 - k] - i conj(d)
//     X[N/4 + k] = conj(U[N/4 - k]) - i d.
// The inverse runs the same relations backwards without halving, which
// gives the unnormalised inverse (N times the true one) directly. Each
// half spectrum lives in local arrays of N/2 + 1 real and imaginary parts
// indexed by constants only, so the compiler keeps them in registers.
#ifndef VEKS_TRANSFORM_FFT_REAL_SMALL_KERNELS_H
#define VEKS_TRANSFORM_FFT_REAL_SMALL_KERNELS_H

#include "fft_builtin.h"
#include "fft_real_small.h"

namespace veks {
namespace fft {
namespace {

#define VEKS_INLINE inline __attribute__((always_inline))

template <class T>
VEKS_INLINE const T* sines() {
    if constexpr (sizeof(T) == 4)
        return kSine1024_32f;
    else
        return kSine1024_64f;
}

// cos and sin of 2 pi m / N for 0 <= m <= N/2, from the quarter-wave table.
template <class T, int N>
VEKS_INLINE void root(int m, T& c, T& s) {
    const T* t = sines<T>();
    const int j = m * (1024 / N);
    if (j <= 256) {
        c = t[256 - j], s = t[j];
    } else {
        c = -t[j - 256], s = t[512 - j];
    }
}

template <bool Scaled, class T>
VEKS_INLINE T scaled(T v, T f) {
    if constexpr (Scaled) return v * f; else return v;
}

// A half spectrum X[0..H] held in local arrays.
template <class T, int H>
struct Half {
    T re[H + 1], im[H + 1];
    VEKS_INLINE void put(int k, T r, T i) { re[k] = r, im[k] = i; }
};

// Forward: x[S*n], n < N, into the half spectrum X[0..N/2], handed to
// out.put(k, re, im) once per k (the imaginary parts at 0 and N/2 are 0).
template <class T, int N, int S>
struct Fwd {
    template <class Out>
    static VEKS_INLINE void run(const T* x, Out& out) {
        constexpr int Q = N / 4, E = N / 8;
        Half<T, Q> u;
        Half<T, E> z, y;
        Fwd<T, N / 2, 2 * S>::run(x, u);
        Fwd<T, N / 4, 4 * S>::run(x + S, z);
        Fwd<T, N / 4, 4 * S>::run(x + 3 * S, y);
        {
            const T s = z.re[0] + y.re[0], d = z.re[0] - y.re[0];
            out.put(0, u.re[0] + s, 0);
            out.put(2 * Q, u.re[0] - s, 0);
            out.put(Q, u.re[Q], -d);
        }
#pragma GCC unroll 8
        for (int k = 1; k < E; ++k) {
            T c1, s1, c3, s3;
            root<T, N>(k, c1, s1);
            root<T, N>(3 * k, c3, s3);
            const T ar = z.re[k] * c1 + z.im[k] * s1, ai = z.im[k] * c1 - z.re[k] * s1;
            const T br = y.re[k] * c3 + y.im[k] * s3, bi = y.im[k] * c3 - y.re[k] * s3;
            const T sr = ar + br, si = ai + bi, dr = ar - br, di = ai - bi;
            out.put(k, u.re[k] + sr, u.im[k] + si);
            out.put(2 * Q - k, u.re[k] - sr, si - u.im[k]);
            out.put(Q - k, u.re[Q - k] - di, u.im[Q - k] - dr);
            out.put(Q + k, u.re[Q - k] + di, -u.im[Q - k] - dr);
        }
        if constexpr (E > 0) {
            // w^(N/8) = c(1 - i), w^(3N/8) = -c(1 + i), Z and Y real here.
            const T c = sines<T>()[128];
            const T sr = c * (z.re[E] - y.re[E]), si = -c * (z.re[E] + y.re[E]);
            out.put(E, u.re[E] + sr, u.im[E] + si);
            out.put(3 * E, u.re[E] - sr, si - u.im[E]);
        }
    }
};

template <class T, int S>
struct Fwd<T, 2, S> {
    template <class Out>
    static VEKS_INLINE void run(const T* x, Out& out) {
        const T a = x[0], b = x[S];
        out.put(0, a + b, 0);
        out.put(1, a - b, 0);
    }
};

template <class T, int S>
struct Fwd<T, 1, S> {
    template <class Out>
    static VEKS_INLINE void run(const T* x, Out& out) { out.put(0, x[0], 0); }
};

// Inverse: the half spectrum re/im[0..N/2] (imaginary parts at 0 and N/2
// ignored) into x[S*n], n < N, unnormalised or times f.
template <class T, int N, int S, bool Scaled>
struct Inv {
    static VEKS_INLINE void run(const T* re, const T* im, T* x, T f) {
        constexpr int Q = N / 4, E = N / 8;
        T ur[Q + 1], ui[Q + 1], zr[E + 1], zi[E + 1], yr[E + 1], yi[E + 1];
        {
            const T s = re[0] - re[2 * Q], d = -2 * im[Q];
            ur[0] = re[0] + re[2 * Q], ui[0] = 0;
            ur[Q] = 2 * re[Q], ui[Q] = 0;
            zr[0] = s + d, zi[0] = 0;
            yr[0] = s - d, yi[0] = 0;
        }
#pragma GCC unroll 8
        for (int k = 1; k < E; ++k) {
            T c1, s1, c3, s3;
            root<T, N>(k, c1, s1);
            root<T, N>(3 * k, c3, s3);
            const int j = 2 * Q - k;
            ur[k] = re[k] + re[j], ui[k] = im[k] - im[j];
            const T sr = re[k] - re[j], si = im[k] + im[j];
            ur[Q - k] = re[Q - k] + re[Q + k], ui[Q - k] = im[Q - k] - im[Q + k];
            const T dr = -im[Q + k] - im[Q - k], di = re[Q + k] - re[Q - k];
            const T pr = sr + dr, pi = si + di, qr = sr - dr, qi = si - di;
            zr[k] = pr * c1 - pi * s1, zi[k] = pi * c1 + pr * s1;
            yr[k] = qr * c3 - qi * s3, yi[k] = qi * c3 + qr * s3;
        }
        if constexpr (E > 0) {
            // Z[N/8] and Y[N/8] are real: sqrt(2) (s.re -+ s.im).
            const T r2 = 2 * sines<T>()[128];
            ur[E] = re[E] + re[3 * E], ui[E] = im[E] - im[3 * E];
            const T sr = re[E] - re[3 * E], si = im[E] + im[3 * E];
            zr[E] = r2 * (sr - si), zi[E] = 0;
            yr[E] = -r2 * (sr + si), yi[E] = 0;
        }
        Inv<T, N / 2, 2 * S, Scaled>::run(ur, ui, x, f);
        Inv<T, N / 4, 4 * S, Scaled>::run(zr, zi, x + S, f);
        Inv<T, N / 4, 4 * S, Scaled>::run(yr, yi, x + 3 * S, f);
    }
};

template <class T, int S, bool Scaled>
struct Inv<T, 2, S, Scaled> {
    static VEKS_INLINE void run(const T* re, const T*, T* x, T f) {
        x[0] = scaled<Scaled>(re[0] + re[1], f), x[S] = scaled<Scaled>(re[0] - re[1], f);
    }
};

template <class T, int S, bool Scaled>
struct Inv<T, 1, S, Scaled> {
    static VEKS_INLINE void run(const T* re, const T*, T* x, T f) { x[0] = scaled<Scaled>(re[0], f); }
};

// Where X[k] = (body[2k], body[2k+1]) starts relative to dst (Pack lacks
// the Nyquist slot at 1) and where the real X[N/2] goes.
inline int body_shift(Packed p) { return p == Packed::Pack ? 1 : 0; }
inline int nyquist_at(Packed p, int n) { return p == Packed::Perm ? 1 : p == Packed::Pack ? n - 1 : n; }

// The spectrum of N points stored straight into a packed layout. Both
// directions read every input before they write the first output, so src
// may equal dst.
template <class T, int N, bool Scaled>
struct PackedOut {
    T* d;
    int shift, nyquist;
    T f;
    VEKS_INLINE void put(int k, T r, T i) {
        if (k == 0) {
            d[0] = scaled<Scaled>(r, f);
        } else if (2 * k == N) {
            d[nyquist] = scaled<Scaled>(r, f);
        } else {
            d[2 * k - shift] = scaled<Scaled>(r, f);
            d[2 * k + 1 - shift] = scaled<Scaled>(i, f);
        }
    }
};

template <class T, int Order, bool Scaled>
void forward(const T* src, T* dst, Packed to, T scale) {
    constexpr int N = 1 << Order;
    PackedOut<T, N, Scaled> out{dst, body_shift(to), nyquist_at(to, N), scale};
    Fwd<T, N, 1>::run(src, out);
    if (to == Packed::CCS) {
        dst[1] = 0;
        if (N > 1) dst[N + 1] = 0;
    }
}

template <class T, int Order, bool Scaled>
void inverse(const T* src, T* dst, Packed from, T scale) {
    constexpr int N = 1 << Order, H = N / 2;
    T re[H + 1], im[H + 1];
    re[0] = src[0], im[0] = 0;
    if constexpr (N > 1) {
        const int b = body_shift(from);
        for (int k = 1; k < H; ++k) re[k] = src[2 * k - b], im[k] = src[2 * k + 1 - b];
        re[H] = src[nyquist_at(from, N)], im[H] = 0;
    }
    Inv<T, N, 1, Scaled>::run(re, im, dst, scale);
}

template <class T>
constexpr SmallRealSet<T> small_real_set() {
    return {{{forward<T, 0, false>, forward<T, 1, false>, forward<T, 2, false>, forward<T, 3, false>,
              forward<T, 4, false>, forward<T, 5, false>},
             {forward<T, 0, true>, forward<T, 1, true>, forward<T, 2, true>, forward<T, 3, true>,
              forward<T, 4, true>, forward<T, 5, true>}},
            {{inverse<T, 0, false>, inverse<T, 1, false>, inverse<T, 2, false>, inverse<T, 3, false>,
              inverse<T, 4, false>, inverse<T, 5, false>},
             {inverse<T, 0, true>, inverse<T, 1, true>, inverse<T, 2, true>, inverse<T, 3, true>,
              inverse<T, 4, true>, inverse<T, 5, true>}}};
}

}  // namespace
}  // namespace fft
}  // namespace veks

#endif
