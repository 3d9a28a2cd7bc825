#pragma once
// The named seam through which the soak and the big-picture bench drive the saver's steps in their own process.
#include <windows.h>

#include "saver/quorvantile_s.h"
#include "toolkit/app.h"

namespace Quorvantile_B {

// The saver's steps, picture by picture, on one monitor the size of the screen.
struct Saver_Test_Seam {
  using Monitor = Quorvantile_S::Monitor;
  // The saver's window, shown, without its slideshow.
  static Monitor& Open(Quorvantile_S& saver) {
    const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
    saver.Create_Window();
    saver.Move_Twips(0, 0, w * 15.0, h * 15.0);
    saver.Add_Monitor({0, 0, w, h});
    saver.Show();
    return *saver.monitors_.front();
  }
  static void Next_Picture(Quorvantile_S& saver, Monitor& m) { saver.Next_Picture(m); }
  static bool Step(Quorvantile_S& saver, Monitor& m) { return saver.Paint_Step(m); }
  // Paints the monitor's picture to its end, yielding after every step as the saver does; the steps taken.
  static long Paint(Quorvantile_S& saver, Monitor& m) {
    long steps = 0;
    for (; saver.Paint_Step(m); ++steps) toolkit::Do_Events();
    return steps;
  }
  static std::int16_t& Play_Pos(Quorvantile_S& saver) { return saver.Play_Pos; }
};

}  // namespace Quorvantile_B
