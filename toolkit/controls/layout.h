#pragma once
// A form's 96-dpi layout put at any dpi. Every edge is scaled, so that controls that meet at 96 dpi still meet; at
// 96 dpi every place is exactly the layout's.
#include <windows.h>

#include "toolkit/system/screen.h"

namespace toolkit {

class Layout {
 public:
  int Dpi() const { return dpi_; }
  void Set_Dpi(int dpi) { dpi_ = dpi; }
  // A length of the layout at the current dpi.
  int operator()(int length) const { return Scale(length, dpi_); }
  // A place of the layout, x, y, w, h, as a rectangle at the current dpi.
  RECT operator()(int x, int y, int w, int h) const { return {(*this)(x), (*this)(y), (*this)(x + w), (*this)(y + h)}; }

 private:
  int dpi_ = 96;
};

}  // namespace toolkit
