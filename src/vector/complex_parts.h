// Splitting complex vectors into parts and building them from parts.
#ifndef VEKS_VECTOR_COMPLEX_PARTS_H
#define VEKS_VECTOR_COMPLEX_PARTS_H

#include <cstddef>

namespace veks {

// re or im may be null (not both): that part is skipped.
template <class T>
void split_complex(const T* src, T* re, T* im, std::size_t len);
// re or im may be null (not both): that part becomes zero.
template <class T>
void join_complex(const T* re, const T* im, T* dst, std::size_t len);

}  // namespace veks

#endif
