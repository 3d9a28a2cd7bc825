#pragma once
// The working data of the painting, rebuilt for every picture.
#include <cstdint>
#include <vector>

namespace Quorvantile_B {

// Marks a pixel of the border, or one already painted in this pass; larger than any colour value.
constexpr std::int32_t Done_Mark = 20000000;

// A two-dimensional array with index ranges 0..W and 0..H, as (x, y); the last column and row are spare.
template <class T>
class Grid {
 public:
  Grid() = default;
  Grid(int w, int h) : stride_(w + 1), rows_(h + 1), cells_(static_cast<std::size_t>(w + 1) * (h + 1)) {}
  T& operator()(int x, int y) { return cells_[Index(x, y)]; }
  const T& operator()(int x, int y) const { return cells_[Index(x, y)]; }
  std::size_t Index(int x, int y) const { return static_cast<std::size_t>(y) * stride_ + x; }
  T* Data() { return cells_.data(); }
  const T* Data() const { return cells_.data(); }
  int Stride() const { return stride_; }
  int Rows() const { return rows_; }

 private:
  int stride_ = 0, rows_ = 0;
  std::vector<T> cells_;
};

struct Point16 {
  std::int16_t X, Y;
};

// Raw pixels of the picture, 0x00RRGGBB, top row first.
inline Grid<std::int32_t> Src_Bits;
// Colour value (red + 256 green + 65536 blue) of each pixel, or Done_Mark.
inline Grid<std::int32_t> Work_Color;
// Work_Color as it was before any pass, border already marked.
inline Grid<std::int32_t> Base_Color;
// Entries 1..Pix_Count: the pixels in the order they serve as seeds.
inline std::vector<Point16> Seed_Order;
inline std::int32_t Pix_Count = 0;
// The layer now being grown, and the layer now being expanded (entries from 0).
inline std::vector<Point16> Next_Pts, Cur_Pts;

}  // namespace Quorvantile_B
