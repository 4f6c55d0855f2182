// A list that holds its elements by value up to a fixed capacity and refuses,
// rather than grows, beyond it; the plot reader keeps its fields and rows in
// it.
#ifndef TURNEL_PLOT_BOUNDED_LIST_H_
#define TURNEL_PLOT_BOUNDED_LIST_H_

#include <algorithm>
#include <cstdint>
#include <utility>
#include <vector>

#include "winapi.h"

template <typename T, int32_t kCapacity>
class BoundedList {
 public:
  int32_t Count() const { return static_cast<int32_t>(items_.size()); }

  // The element at index, or the placeholder (ERROR_INVALID_INDEX recorded)
  // when index is outside 0 .. Count() - 1.
  const T& At(int32_t index) const {
    if (index < 0 || index >= Count()) {
      SetLastError(ERROR_INVALID_INDEX);
      return Placeholder();
    }
    return items_[index];
  }

  // Inserts a copy of element before position, -1 meaning the end, and gives
  // the stored copy. A full list (ERROR_OUTOFMEMORY) or a position outside
  // 0 .. Count() (ERROR_INVALID_INDEX) adds nothing and gives the placeholder.
  // An element handed over with std::move is moved in rather than copied.
  const T& Add(T element, int32_t position) {
    if (Count() >= kCapacity) {
      SetLastError(ERROR_OUTOFMEMORY);
      return Placeholder();
    }
    if (position == -1) position = Count();
    if (position < 0 || position > Count()) {
      SetLastError(ERROR_INVALID_INDEX);
      return Placeholder();
    }
    return *items_.insert(items_.begin() + position, std::move(element));
  }

  void Clear() { items_.clear(); }

  // Room for n elements (at most the capacity) without growing again.
  void Reserve(int32_t n) {
    items_.reserve(static_cast<size_t>(std::min(std::max(n, 0), kCapacity)));
  }

  // The one empty element that every list of this type hands out instead of
  // a stored one; it is const so that no caller can change it for the others.
  static const T& Placeholder() {
    static const T placeholder{};
    return placeholder;
  }

 private:
  std::vector<T> items_;
};

#endif  // TURNEL_PLOT_BOUNDED_LIST_H_
