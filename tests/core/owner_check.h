// Rows of the C++ layer's coverage test, generated from the public header.
#ifndef VEKS_OWNER_CHECK_H
#define VEKS_OWNER_CHECK_H

#include "veks.hpp"

struct OwnerRow {
    const char* init_alloc;
    const char* free_fn;
    bool has_owner;     // veks::owner accepts the object type
    bool frees_right;   // and releases it with the header's Free for it
};

// The object type is taken from the InitAlloc's first parameter; the Free
// must take the same type, else this does not compile.
template <class T, class... P>
OwnerRow owner_row(const char* init_alloc, const char* free_fn, VekStatus (*)(T**, P...),
                   VekStatus (*header_free)(T*)) {
    if constexpr (veks::has_owner<T>::value)
        return {init_alloc, free_fn, true, veks::object_traits<T>::release == header_free};
    else
        return {init_alloc, free_fn, false, false};
}

struct StatusRow {
    const char* name;
    int value;
};

extern const OwnerRow kOwnerRows[];
extern const int kOwnerRowCount;
extern const int kOwnedTypeCount;
extern const StatusRow kStatusRows[];
extern const int kStatusRowCount;

#endif
