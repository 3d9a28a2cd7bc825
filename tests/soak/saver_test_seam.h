#pragma once
// The named seam through which tests and tools drive the saver's steps in their own process.
#include <windows.h>

#include <vector>

#include "catalogue/pict_list.h"
#include "catalogue/play_order.h"
#include "saver/quorvantile_s.h"
#include "settings/settings_values.h"
#include "toolkit/system/app.h"

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

  // A surface's pixels as 0x00RRGGBB, row by row from the top.
  static std::vector<DWORD> Pixels(const toolkit::Picture_Box& box) {
    const int w = box.Width(), h = box.Height();
    std::vector<DWORD> px(static_cast<std::size_t>(w) * h);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    GetDIBits(box.Hdc(), box.Image(), 0, static_cast<UINT>(h), px.data(), &bi, DIB_RGB_COLORS);
    for (DWORD& p : px) p &= 0xFFFFFF;
    return px;
  }

  // A saver on one monitor the size of the screen, over a list of pictures in sequential order.
  class Road {
   public:
    Road(const std::vector<std::wstring>& pictures, int size_mode) {
      Pict_List = {L""};
      Pict_List.insert(Pict_List.end(), pictures.begin(), pictures.end());
      Pict_Count = static_cast<std::int16_t>(pictures.size());
      Size_Mode = static_cast<std::int16_t>(size_mode);
      Change_Mode = 0;
      Quorvantile_B::Play_Order.assign(pictures.size() + 1, 0);
      Make_Play_Order();
      monitor_ = &Open(saver_);
    }
    void Next() { Next_Picture(saver_, *monitor_); }
    bool Step() { return Saver_Test_Seam::Step(saver_, *monitor_); }
    long Paint() { return Saver_Test_Seam::Paint(saver_, *monitor_); }
    const toolkit::Picture_Box& Master() const { return monitor_->Master; }
    const toolkit::Picture_Box& Display() const { return monitor_->Display; }
    std::int16_t Play_Pos() { return Saver_Test_Seam::Play_Pos(saver_); }
    std::vector<std::int16_t>& Play_Order() { return Quorvantile_B::Play_Order; }

   private:
    Quorvantile_S saver_;
    Monitor* monitor_ = nullptr;
  };
};

}  // namespace Quorvantile_B
