// Comparison sorts: the value quicksort (on order-preserving keys, so floats
// get a total order) and the index quicksort (on the values themselves, so
// equal values keep the index order its pivot and partition rules give).
#include <utility>

#include "sort_keys.h"
#include "sort_kernels.h"

namespace veks {
namespace {

// Segments of at most this many elements are finished by selection.
constexpr int kSelectionMax = 9;
constexpr int kStackDepth = 32;

struct Segment {
    int first, last;
};

// Selection finish of a short segment of keys: the first of the largest
// keys of the unsorted prefix goes to the prefix's end.
template <class U>
void select_keys(U* a, int first, int last) {
    for (int end = last; end > first; --end) {
        int best = first;
        for (int k = first + 1; k <= end; ++k)
            if (a[k] > a[best]) best = k;
        std::swap(a[best], a[end]);
    }
}

template <class U>
void quick_sort_keys(U* a, int len) {
    Segment stack[kStackDepth];
    int top = 0;
    int first = 0, last = len - 1;
    for (;;) {
        if (last - first + 1 <= kSelectionMax) {
            select_keys(a, first, last);
            if (top == 0) return;
            --top;
            first = stack[top].first;
            last = stack[top].last;
            continue;
        }
        const int mid = first + (last - first + 1) / 2;
        if (a[mid] < a[first]) std::swap(a[mid], a[first]);
        if (a[last] < a[first]) std::swap(a[last], a[first]);
        if (a[last] < a[mid]) std::swap(a[last], a[mid]);
        const U pivot = a[mid];

        // a[first] <= pivot bounds the downward scan; the upward one is
        // bounded by `last`.
        int i = first + 1, j = last;
        for (;;) {
            while (i <= last && a[i] <= pivot) ++i;
            while (a[j] > pivot) --j;
            if (i >= j) break;
            std::swap(a[i], a[j]);
            ++i;
            --j;
        }
        // [first, j] <= pivot < [j + 1, last]. Gather the pivot's equals at
        // the end of the left part so that runs of duplicates drop out.
        int left_end = j;
        for (int k = j; k >= first; --k)
            if (a[k] == pivot) std::swap(a[k], a[left_end--]);
        const int right_first = j + 1;

        const int left_n = left_end - first + 1, right_n = last - right_first + 1;
        Segment big{first, left_end}, small{right_first, last};
        if (left_n < right_n) std::swap(big, small);
        const int small_n = small.last - small.first + 1, big_n = big.last - big.first + 1;
        if (big_n > 1) stack[top++] = big;
        if (small_n > 1) {
            first = small.first;
            last = small.last;
        } else {
            if (top == 0) return;
            --top;
            first = stack[top].first;
            last = stack[top].last;
        }
    }
}

// Value order of the index sort; descending reverses every comparison.
template <class T, bool Descend>
struct Before {
    static bool lt(T x, T y) { return Descend ? y < x : x < y; }
};

template <class T, bool Descend>
void quick_sort_index_impl(T* a, int* idx, int len) {
    using B = Before<T, Descend>;
    auto swap_at = [&](int x, int y) {
        std::swap(a[x], a[y]);
        std::swap(idx[x], idx[y]);
    };
    Segment stack[kStackDepth];
    int top = 0;
    int first = 0, last = len - 1;
    auto pop = [&]() {
        if (top == 0) return false;
        --top;
        first = stack[top].first;
        last = stack[top].last;
        return true;
    };
    for (;;) {
        const int n = last - first + 1;
        if (n <= kSelectionMax) {
            // The last of the largest values goes to the end.
            for (int end = last; end > first; --end) {
                int best = first;
                for (int k = first + 1; k <= end; ++k)
                    if (!B::lt(a[k], a[best])) best = k;
                swap_at(best, end);
            }
            if (!pop()) return;
            continue;
        }
        if (B::lt(a[first], a[first + 1])) swap_at(first, first + 1);
        const int mid = first + n / 2;
        // Order the three candidates; an equal earlier one counts smaller.
        int pos[3] = {first, mid, last};
        T val[3] = {a[first], a[mid], a[last]};
        int who[3] = {idx[first], idx[mid], idx[last]};
        for (int s = 1; s < 3; ++s)
            for (int t = s; t > 0 && B::lt(val[t], val[t - 1]); --t) {
                std::swap(val[t], val[t - 1]);
                std::swap(who[t], who[t - 1]);
            }
        for (int s = 0; s < 3; ++s) {
            a[pos[s]] = val[s];
            idx[pos[s]] = who[s];
        }
        const T pivot = a[mid];

        int i = first + 1, j = last;
        while (i < j) {
            if (!B::lt(pivot, a[i])) {  // a[i] <= pivot
                ++i;
                continue;
            }
            while (j > i && B::lt(pivot, a[j])) --j;
            if (i != j) swap_at(i, j);
        }
        // Left [first, i - 1] minus its trailing run equal to the pivot,
        // right [i, last].
        int left_end = i - 1;
        while (left_end > first && !B::lt(a[left_end], pivot) && !B::lt(pivot, a[left_end])) --left_end;
        Segment left{first, left_end}, right{i, last};
        const int left_n = left_end - first + 1, right_n = last - i + 1;
        if (right_n == 1 && left_n > 1) {  // a single last element is in place
            first = left.first;
            last = left.last;
            continue;
        }
        Segment big = left_n >= right_n ? left : right;
        Segment small = left_n >= right_n ? right : left;
        if (big.last > big.first) stack[top++] = big;
        if (small.last > small.first) {
            first = small.first;
            last = small.last;
        } else if (!pop()) {
            return;
        }
    }
}

template <class T, bool Descend>
void quick_sort_values(T* a, int len) {
    using Key = SortKey<T, Descend>;
    using U = typename Key::U;
    U* k = reinterpret_cast<U*>(a);
    for (int i = 0; i < len; ++i) k[i] = Key::to(k[i]);
    quick_sort_keys(k, len);
    for (int i = 0; i < len; ++i) k[i] = Key::from(k[i]);
}

}  // namespace

template <class T>
void quick_sort(T* a, int len, bool descend) {
    if (len < 2) return;
    if (descend) quick_sort_values<T, true>(a, len);
    else quick_sort_values<T, false>(a, len);
}

template <class T>
void quick_sort_index(T* a, int* idx, int len, bool descend) {
    for (int i = 0; i < len; ++i) idx[i] = i;
    if (len < 2) return;
    if (descend) quick_sort_index_impl<T, true>(a, idx, len);
    else quick_sort_index_impl<T, false>(a, idx, len);
}

#define VEKS_QUICK_SORT_TYPES(T)                          \
    template void quick_sort<T>(T*, int, bool);           \
    template void quick_sort_index<T>(T*, int*, int, bool);
VEKS_QUICK_SORT_TYPES(Vek8u)
VEKS_QUICK_SORT_TYPES(Vek16u)
VEKS_QUICK_SORT_TYPES(Vek16s)
VEKS_QUICK_SORT_TYPES(Vek32s)
VEKS_QUICK_SORT_TYPES(Vek32f)
VEKS_QUICK_SORT_TYPES(Vek64f)
#undef VEKS_QUICK_SORT_TYPES

}  // namespace veks
