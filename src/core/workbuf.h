// A working buffer obtained through the library's own allocator for the
// duration of one call, released on every return path.
#ifndef VEKS_CORE_WORKBUF_H
#define VEKS_CORE_WORKBUF_H

#include <cstddef>
#include <cstdint>

#include "veks.h"

namespace veks {

class WorkBuffer {
public:
    WorkBuffer() = default;
    // Asks for `bytes` plus room to align the usable area to `align` bytes.
    explicit WorkBuffer(std::size_t bytes, std::size_t align = 64) { acquire(bytes, align); }
    ~WorkBuffer() { release(); }
    WorkBuffer(const WorkBuffer&) = delete;
    WorkBuffer& operator=(const WorkBuffer&) = delete;

    bool acquire(std::size_t bytes, std::size_t align = 64) {
        release();
        const std::size_t total = bytes + align;
        if (total > 0x7FFFFFFFu) return false;
        raw_ = veksMalloc_8u(static_cast<int>(total));
        if (!raw_) return false;
        const std::uintptr_t a = reinterpret_cast<std::uintptr_t>(raw_);
        data_ = raw_ + ((align - a % align) % align);
        return true;
    }
    void release() {
        if (raw_) veksFree(raw_);
        raw_ = data_ = nullptr;
    }
    explicit operator bool() const { return data_ != nullptr; }
    template <class T>
    T* as() const { return reinterpret_cast<T*>(data_); }

private:
    Vek8u* raw_ = nullptr;
    Vek8u* data_ = nullptr;
};

}  // namespace veks

#endif
