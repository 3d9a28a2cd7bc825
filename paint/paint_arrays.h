#pragma once
// The shapes of the painting's working data. Their memory is had without raising (a shortage leaves an array empty),
// so that the worker can make them.
#include <cstddef>
#include <cstdint>

#include "toolkit/portable/buffer.h"

namespace Quorvantile_B {

// Marks a pixel of the border; larger than any colour value.
constexpr std::int32_t Done_Mark = 20000000;

// A two-dimensional array with index ranges 0..W and 0..H, as (x, y); the last column and row are spare. Made of
// zeros, or empty where its memory cannot be had.
template <class T>
class Grid {
 public:
  Grid() = default;
  Grid(int w, int h) : cells_(toolkit::Buffer<T>::Zeroed(static_cast<std::size_t>(w + 1) * (h + 1))) {
    if (!cells_.empty()) stride_ = w + 1, rows_ = h + 1;
  }
  bool Empty() const { return cells_.empty(); }
  T& operator()(int x, int y) { return cells_[Index(x, y)]; }
  const T& operator()(int x, int y) const { return cells_[Index(x, y)]; }
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * stride_ + x; }
  T* Data() { return cells_.data(); }
  const T* Data() const { return cells_.data(); }
  int Stride() const { return stride_; }
  int Rows() const { return rows_; }
  std::size_t Bytes() const { return cells_.size() * sizeof(T); }

 private:
  int stride_ = 0, rows_ = 0;
  toolkit::Buffer<T> cells_;
};

struct Point16 {
  std::int16_t X, Y;
};

}  // namespace Quorvantile_B
