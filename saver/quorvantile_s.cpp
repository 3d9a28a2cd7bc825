#include "saver/quorvantile_s.h"

#include <utility>

#include "toolkit/portable/error_styles.h"
#include "toolkit/portable/numbers.h"
#include "toolkit/system/clock.h"
#include "toolkit/system/process.h"
#include "toolkit/system/screen.h"
#include "toolkit/system/system_text.h"

namespace Quorvantile_B {
namespace {

using toolkit::Resume_Next;

std::uint32_t Milliseconds(std::int16_t seconds) {
  return seconds > 0 ? static_cast<std::uint32_t>(seconds) * 1000 : 0;
}

}  // namespace

Quorvantile_S::Quorvantile_S(toolkit::App& app, const Settings& settings, Catalogue pictures, std::wstring Mode_Letter)
    : Form(app, Saver_Caption, toolkit::Border_Style::None),
      pictures_(std::move(pictures)),
      Mode_Letter(std::move(Mode_Letter)),
      road_(pictures_, settings.Size_Mode) {
  // The play order's draws re-seed the generator from the clock before each one.
  if (pictures_.Pict_Count != 0) {
    play_.emplace(pictures_.Pict_Count, settings.Change_Mode, [this] {
      Rnd.Reseed(toolkit::Timer());
      return Rnd.Next();
    });
    show_.emplace(*play_, Milliseconds(settings.Paint_Time), Milliseconds(settings.Hold_Time),
                  static_cast<Slideshow_Clock&>(*this), road_);
  }
  // Started with /s the saver hides the pointer; started without a switch it leaves it.
  if (this->Mode_Letter == L"S") Cursor_Count = ShowCursor(FALSE);
}

void Quorvantile_S::Form_Load() {
  if (pictures_.Pict_Count == 0) {
    if (Mode_Letter == L"S") Cursor_Count = ShowCursor(TRUE);
    toolkit::Message_Box(nullptr, L"画像ﾌｧｲﾙを指定して下さい ！", L"Quorvantile (Saver Screen)",
                         MB_OK | MB_ICONEXCLAMATION);
    toolkit::End_Program();
  }
  // The form covers every monitor, black wherever nothing is painted; each monitor paints its own pictures, the
  // first ones asked for at the slideshow's first round, in the monitors' order.
  const double tx = toolkit::Twips_Per_Pixel_X(), ty = toolkit::Twips_Per_Pixel_Y();
  const toolkit::Screen_Area all = toolkit::Virtual_Screen();
  Move_Twips(all.X * tx, all.Y * ty, all.W * tx, all.H * ty);
  // A monitor whose canvas cannot be made is left black.
  for (const toolkit::Screen_Area& monitor : toolkit::Monitors())
    Resume_Next([&] {
      Add_Monitor({monitor.X - all.X, monitor.Y - all.Y, monitor.X - all.X + monitor.W, monitor.Y - all.Y + monitor.H});
    });
  Set_Back_Color(RGB(0, 0, 0));
  Show();
  SetWindowPos(Hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  Program().Start(*this);
}

// The canvas first: without it the monitor has nothing to show.
void Quorvantile_S::Add_Monitor(const RECT& area) {
  auto m = std::make_unique<Monitor>();
  m->Display.Create(Hwnd(), 0, 0, 0, 0, false, RGB(255, 255, 255));
  m->Display.Mouse_Down = [this](int b, int s, int x, int y) { Display_MouseDown(b, s, x, y); };
  // The monitor's size goes through twips, as the form's own sizes do.
  const double tx = toolkit::Twips_Per_Pixel_X(), ty = toolkit::Twips_Per_Pixel_Y();
  const double screen_w = (area.right - area.left) * tx, screen_h = (area.bottom - area.top) * ty;
  std::int16_t Scr_W = 0, Scr_H = 0;
  Resume_Next([&] { Scr_W = toolkit::To_Int16(toolkit::Pixels_Of_Twips(screen_w, tx)); });
  Resume_Next([&] { Scr_H = toolkit::To_Int16(toolkit::Pixels_Of_Twips(screen_h, ty)); });
  m->Display.Move(area.left, area.top);
  Resume_Next([&] { m->Display.Resize(Scr_W, Scr_H); });
  m->Canvas.emplace(m->Display, area.left, area.top, Scr_W, Scr_H);
  show_->Add_Monitor(*m->Canvas, Scr_W, Scr_H);
  monitors_.push_back(std::move(m));
}

toolkit::Next_Step Quorvantile_S::Step() {
  const std::uint32_t wait = show_->Move_On();
  return wait == Slideshow::Forever ? toolkit::Next_Step::On_Signal() : toolkit::Next_Step::After(wait);
}

std::uint32_t Quorvantile_S::Now() { return toolkit::Precise_Ms(); }

bool Quorvantile_S::Form_KeyDown(int, int) {
  End_Saver();
  return true;
}
void Quorvantile_S::Form_MouseDown(int, int, int, int) { End_Saver(); }
void Quorvantile_S::Display_MouseDown(int, int, int, int) { End_Saver(); }

void Quorvantile_S::End_Saver() {
  if (Mode_Letter == L"S" && !toolkit::Nt_Family()) {
    // The 95 family leaves the password to the saver.
    Cursor_Count = ShowCursor(TRUE);
    bool may_leave = true;
    Resume_Next([&] { may_leave = Password_Check_Passes(Hwnd()); });
    if (!may_leave) {
      Cursor_Count = ShowCursor(FALSE);
      return;
    }
  }
  Quit_Saver();
}

void Quorvantile_S::Quit_Saver() {
  if (Mode_Letter == L"S") {
    toolkit::Set_System_Parameter(SPI_SETSCREENSAVERRUNNING, 0);
    Cursor_Count = ShowCursor(TRUE);
  }
  toolkit::Set_System_Parameter(SPI_SETSCREENSAVEACTIVE, 1);
  toolkit::End_Program();
}

}  // namespace Quorvantile_B
