#pragma once
// Display as the painting's surface: pixels go into its persistent surface and reach the screen, with the
// window messages, at every yield.
#include "paint/paint_pass.h"
#include "toolkit/app.h"
#include "toolkit/picture_box.h"

namespace Quorvantile_B {

class Display_Surface : public Paint_Surface {
 public:
  explicit Display_Surface(toolkit::Picture_Box& display) : display_(display) {}
  void Set_Pixel(int x, int y, std::uint32_t colour_value) override { display_.Pset(x, y, colour_value); }
  void Yield_To_Events() override {
    display_.Refresh();
    toolkit::Do_Events();
  }

 private:
  toolkit::Picture_Box& display_;
};

}  // namespace Quorvantile_B
