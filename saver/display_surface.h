#pragma once
// A picture box as the painting's surface: pixels go into its persistent surface, and reach the screen with
// its Refresh.
#include "paint/paint_pass.h"
#include "toolkit/controls/picture_box.h"

namespace Quorvantile_B {

class Display_Surface : public Paint_Surface {
 public:
  explicit Display_Surface(toolkit::Picture_Box& display) : display_(display) {}
  void Set_Pixel(int x, int y, std::uint32_t colour_value) override { display_.Pset(x, y, colour_value); }

 private:
  toolkit::Picture_Box& display_;
};

}  // namespace Quorvantile_B
