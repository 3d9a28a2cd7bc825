#pragma once
// A monitor's Display as the slideshow's canvas: pixels go into its persistent surface, and reach the screen with
// its Refresh.
#include "saver/slideshow.h"
#include "toolkit/controls/picture_box.h"

namespace Quorvantile_B {

class Display_Canvas : public Monitor_Canvas {
 public:
  // The monitor's area in the saver's form.
  Display_Canvas(toolkit::Picture_Box& display, int Scr_X, int Scr_Y, int Scr_W, int Scr_H)
      : display_(display), Scr_X(Scr_X), Scr_Y(Scr_Y), Scr_W(Scr_W), Scr_H(Scr_H) {}
  void Set_Pixel(int x, int y, std::uint32_t colour_value) override { display_.Pset(x, y, colour_value); }
  // Centred on its monitor: an odd margin leaves the pixel over on the right and at the bottom.
  void Start(int W, int H) override {
    display_.Set_Visible(false);
    display_.Resize(W, H);
    display_.Move(Scr_X + (Scr_W - W) / 2, Scr_Y + (Scr_H - H) / 2);
    display_.Cls();
    display_.Set_Visible(true);
  }
  void Refresh() override { display_.Refresh(); }
  Pixel_View Shown() const override {
    const toolkit::Surface& s = display_.Surface();
    return s.Bits() ? Pixel_View{s.Bits(), s.Width(), s.Height()} : Pixel_View{};
  }

 private:
  toolkit::Picture_Box& display_;
  const int Scr_X, Scr_Y, Scr_W, Scr_H;
};

}  // namespace Quorvantile_B
