#include "test_util.h"

namespace vt {

void Rng::fill_bytes(void* p, std::size_t bytes) {
    auto* b = static_cast<unsigned char*>(p);
    for (std::size_t i = 0; i < bytes; ++i) b[i] = static_cast<unsigned char>(gen_() >> 56);
}

std::vector<int> sweep_lengths(int max_small) {
    std::vector<int> lens;
    for (int n = 1; n <= max_small; ++n) lens.push_back(n);
    for (int p : {127, 128, 129, 255, 256, 257, 1000, 1023, 1024, 1025, 4095, 4097})
        if (p > max_small) lens.push_back(p);
    return lens;
}

}  // namespace vt
