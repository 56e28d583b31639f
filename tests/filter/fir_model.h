// Long-double model of an FIR filter that carries its history across
// blocks, for real and complex taps and data.
#ifndef VEKS_TEST_FIR_MODEL_H
#define VEKS_TEST_FIR_MODEL_H

#include <complex>
#include <type_traits>
#include <vector>

#include "veks.h"

namespace fm {

using LC = std::complex<long double>;

template <class T>
LC to_lc(const T& v) {
    if constexpr (std::is_arithmetic_v<T>) return LC((long double)v, 0);
    else return LC((long double)v.re, (long double)v.im);
}

template <class T>
T from_parts(long double re, long double im) {
    if constexpr (std::is_arithmetic_v<T>) return T(re);
    else return T{decltype(T::re)(re), decltype(T::re)(im)};
}

// y[n] = sum h[j] x[n-j]; `past` holds x[-1], x[-2], ... (most recent first).
struct Model {
    std::vector<LC> h, past;
    std::vector<LC> run(const std::vector<LC>& x, std::vector<long double>* bound = nullptr) {
        const int L = int(h.size());
        std::vector<LC> all(past.rbegin(), past.rend());  // oldest first
        const int P = int(all.size());
        all.insert(all.end(), x.begin(), x.end());
        std::vector<LC> y(x.size());
        if (bound) bound->assign(x.size(), 0);
        for (size_t n = 0; n < x.size(); ++n) {
            LC acc = 0;
            long double b = 0;
            for (int j = 0; j < L; ++j) {
                const long idx = long(P) + long(n) - j;
                if (idx < 0) continue;
                acc += h[j] * all[idx];
                b += std::abs(h[j]) * std::abs(all[idx]);
            }
            y[n] = acc;
            if (bound) (*bound)[n] = b;
        }
        // keep the newest samples as history
        std::vector<LC> np;
        for (long i = long(all.size()) - 1; i >= 0 && np.size() < past.size(); --i) np.push_back(all[i]);
        past = np;
        return y;
    }
};

}  // namespace fm

#endif
