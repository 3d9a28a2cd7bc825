#pragma once
// The named seam through which tests and tools drive the saver's steps in their own process.
#include <windows.h>

#include <vector>

#include "saver/quorvantile_s.h"
#include "toolkit/controls/app.h"

namespace Quorvantile_B {

struct Saver_Test_Seam {
  using Monitor = Quorvantile_S::Monitor;

  // A surface's pixels as 0x00RRGGBB, row by row from the top.
  static std::vector<DWORD> Pixels(const toolkit::Surface& box) {
    const int w = box.Width(), h = box.Height();
    std::vector<DWORD> px(static_cast<std::size_t>(w) * h);
    BITMAPINFO bi{};
    bi.bmiHeader = {sizeof(BITMAPINFOHEADER), w, -h, 1, 32, BI_RGB, 0, 0, 0, 0, 0};
    GetDIBits(box.Hdc(), box.Image(), 0, static_cast<UINT>(h), px.data(), &bi, DIB_RGB_COLORS);
    for (DWORD& p : px) p &= 0xFFFFFF;
    return px;
  }

  // The saver on one monitor the size of the screen, shown, without its slideshow: its pictures taken and painted
  // step by step, the messages taken between two steps as the loop does.
  class Road {
   public:
    // The pictures as their paths, in the order and size the settings say.
    Road(toolkit::App& app, const std::vector<std::wstring>& pictures, const Settings& settings)
        : app_(app), saver_(app, settings, Catalogue_Of(pictures), L"") {
      const int w = GetSystemMetrics(SM_CXSCREEN), h = GetSystemMetrics(SM_CYSCREEN);
      saver_.Create_Window();
      saver_.Move_Twips(0, 0, w * 15.0, h * 15.0);
      saver_.Add_Monitor({0, 0, w, h});
      saver_.Show();
      monitor_ = saver_.monitors_.front().get();
    }
    // The next picture read and placed into Master, the loop running meanwhile.
    void Next() {
      saver_.Ask_Next_Picture(*monitor_);
      std::optional<toolkit::Picture_Loader::Answer> answer;
      app_.Run_Until([&] { return (answer = saver_.loader_.Take()).has_value(); });
      saver_.Receive_Picture(std::move(*answer));
    }
    bool Step() { return saver_.Paint_Step(*monitor_); }
    // Paints the picture to its end; the steps taken.
    long Paint() {
      long steps = 0;
      for (; Step(); ++steps) app_.Run_Until([] { return true; });
      return steps;
    }
    const toolkit::Surface& Master() const { return monitor_->Master; }
    const toolkit::Surface& Display() const { return monitor_->Display.Surface(); }
    const toolkit::Surface& Pic_Orgn() const { return saver_.Pic_Orgn; }
    // The path that the next picture comes from.
    const std::wstring& Next_Path() const {
      return saver_.pictures_.Pict_List[static_cast<std::size_t>(
          saver_.play_->Play_Order[static_cast<std::size_t>(saver_.play_->Play_Pos + 1)])];
    }

   private:
    static Catalogue Catalogue_Of(const std::vector<std::wstring>& pictures) {
      Catalogue c;
      c.Pict_List.insert(c.Pict_List.end(), pictures.begin(), pictures.end());
      c.Pict_Count = static_cast<std::int16_t>(pictures.size());
      return c;
    }
    toolkit::App& app_;
    Quorvantile_S saver_;
    Monitor* monitor_ = nullptr;
  };
};

}  // namespace Quorvantile_B
