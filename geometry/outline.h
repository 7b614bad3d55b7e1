// The outline of the snowflake: the start point of every drawn piece, in drawing order.
#pragma once

#include <memory>
#include <utility>
#include <vector>

struct OutlinePoint {
  double x;
  double y;
};

// Leaves new elements of a resize uninitialised: the curve sizes the outline once and
// then writes every point, and zeroing them first would cost as much as a tenth of a
// render.
template <class T>
struct UninitialisedAllocator : std::allocator<T> {
  template <class U>
  struct rebind {
    using other = UninitialisedAllocator<U>;
  };
  UninitialisedAllocator() = default;
  template <class U>
  UninitialisedAllocator(const UninitialisedAllocator<U>&) noexcept {}

  template <class U>
  void construct(U* p) noexcept {
    ::new (static_cast<void*>(p)) U;
  }
  template <class U, class... Args>
  void construct(U* p, Args&&... args) {
    ::new (static_cast<void*>(p)) U(std::forward<Args>(args)...);
  }
};

using OutlineList = std::vector<OutlinePoint, UninitialisedAllocator<OutlinePoint>>;
