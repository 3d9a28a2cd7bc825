#pragma once
// The places of a form's controls in its 96-dpi layout, put at any dpi. Every edge is scaled, so that
// controls that meet at 96 dpi still meet; at 96 dpi every place is exactly the layout's.
#include <windows.h>

#include <functional>
#include <vector>

#include "toolkit/system/screen.h"

namespace toolkit {

class Picture_Box;
class Windowless_Control;

class Layout {
 public:
  int Dpi() const { return dpi_; }
  // A length of the layout at the current dpi.
  int operator()(int length) const { return Scale(length, dpi_); }

  // Each records the control's place and puts it there at the current dpi.
  void Place(Windowless_Control& control, int x, int y, int w, int h);
  void Place(Picture_Box& box, int x, int y, int w, int h);
  void Place(HWND child, int x, int y, int w, int h);

  // Puts every recorded control at its place for this dpi.
  void Set_Dpi(int dpi);

 private:
  struct Entry {
    RECT At_96;
    std::function<void(const RECT&)> Put;
  };
  void Add(RECT at_96, std::function<void(const RECT&)> put);
  RECT Scaled(const RECT& r) const { return {(*this)(r.left), (*this)(r.top), (*this)(r.right), (*this)(r.bottom)}; }

  std::vector<Entry> entries_;
  int dpi_ = 96;
};

}  // namespace toolkit
