// Stable LSD radix sort of indexes over strided keys: the source is only
// read, the permutation moves between the two index buffers and ends in
// the destination.
#include <cstdint>
#include <cstring>
#include <type_traits>
#include <utility>

#include "sort_keys.h"
#include "sort_kernels.h"

namespace veks {
namespace {

template <class T, bool Descend>
void radix_index_impl(const T* src, int stride, int* dst, int* tmp, int len) {
    using Key = SortKey<T, Descend>;
    using U = std::remove_cv_t<typename Key::U>;
    using D = RadixDigits<U>;
    const unsigned char* base = reinterpret_cast<const unsigned char*>(src);
    const std::size_t step = static_cast<std::size_t>(stride);
    auto key = [&](std::size_t k) {
        U bits;
        std::memcpy(&bits, base + k * step, sizeof bits);
        return Key::to(bits);
    };
    const std::size_t n = static_cast<std::size_t>(len);

    std::uint32_t hist[D::count][D::max_buckets];
    std::memset(hist, 0, sizeof hist);
    for (std::size_t k = 0; k < n; ++k) {
        const U kk = key(k);
        for (int d = 0; d < D::count; ++d) ++hist[d][D::digit(kk, d)];
    }
    int passes[D::count];
    int npass = 0;
    const U first = key(0);
    for (int d = 0; d < D::count; ++d) {
        if (hist[d][D::digit(first, d)] == n) continue;
        std::uint32_t sum = 0;
        for (int v = 0; v < (1 << D::bits(d)); ++v) {
            const std::uint32_t c = hist[d][v];
            hist[d][v] = sum;
            sum += c;
        }
        passes[npass++] = d;
    }
    if (npass == 0) {  // all keys equal: the identity is the stable order
        for (std::size_t k = 0; k < n; ++k) dst[k] = static_cast<int>(k);
        return;
    }
    // Start in the buffer that makes the last pass land in dst.
    int* out = npass % 2 ? dst : tmp;
    int* in = npass % 2 ? tmp : dst;
    {
        std::uint32_t* pos = hist[passes[0]];
        for (std::size_t k = 0; k < n; ++k) out[pos[D::digit(key(k), passes[0])]++] = static_cast<int>(k);
    }
    for (int p = 1; p < npass; ++p) {
        std::swap(in, out);
        std::uint32_t* pos = hist[passes[p]];
        for (std::size_t k = 0; k < n; ++k) {
            const int i = in[k];
            out[pos[D::digit(key(static_cast<std::size_t>(i)), passes[p])]++] = i;
        }
    }
}

}  // namespace

template <class T>
void radix_sort_index(const T* src, int stride, int* dst, int* tmp, int len, bool descend) {
    if (descend) radix_index_impl<T, true>(src, stride, dst, tmp, len);
    else radix_index_impl<T, false>(src, stride, dst, tmp, len);
}

template void radix_sort_index<Vek8u>(const Vek8u*, int, int*, int*, int, bool);
template void radix_sort_index<Vek16u>(const Vek16u*, int, int*, int*, int, bool);
template void radix_sort_index<Vek16s>(const Vek16s*, int, int*, int*, int, bool);
template void radix_sort_index<Vek32u>(const Vek32u*, int, int*, int*, int, bool);
template void radix_sort_index<Vek32s>(const Vek32s*, int, int*, int*, int, bool);
template void radix_sort_index<Vek32f>(const Vek32f*, int, int*, int*, int, bool);

}  // namespace veks
