// What every FFT compute call does before its kernel: check the
// specification (null, identifier), then the data pointers, then settle the
// work buffer (the caller's, aligned, or one of our own for this call).
#ifndef VEKS_TRANSFORM_FFT_CALL_H
#define VEKS_TRANSFORM_FFT_CALL_H

#include <cstdint>

#include "core/check.h"
#include "core/workbuf.h"
#include "veks.h"

namespace veks {
namespace fft {

template <class... P>
inline VekStatus check_spec_then(const void* spec, std::uint32_t id, const P*... data) {
    VEKS_CHECK(check_ptrs(spec));
    VEKS_CHECK(check_id(spec, id));
    return check_ptrs(data...);
}

class CallBuffer {
public:
    // bytes: the specification's stored work size (no slack).
    VekStatus settle(std::int64_t bytes, Vek8u* given) {
        if (bytes <= 0) return vekStsNoErr;
        if (given) {
            const auto a = reinterpret_cast<std::uintptr_t>(given);
            ptr_ = given + ((32 - a % 32) % 32);
            return vekStsNoErr;
        }
        if (!own_.acquire(static_cast<std::size_t>(bytes), 32)) return vekStsMemAllocErr;
        ptr_ = own_.as<Vek8u>();
        return vekStsNoErr;
    }
    template <class T>
    T* as() const { return reinterpret_cast<T*>(ptr_); }

private:
    WorkBuffer own_;
    Vek8u* ptr_ = nullptr;
};

}  // namespace fft
}  // namespace veks

#endif
