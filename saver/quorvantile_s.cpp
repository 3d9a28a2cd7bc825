#include "saver/quorvantile_s.h"

#include <utility>

#include "paint/get_bits.h"
#include "paint/load_upright.h"
#include "saver/display_surface.h"
#include "saver/placement.h"
#include "toolkit/portable/error_styles.h"
#include "toolkit/portable/numbers.h"
#include "toolkit/system/process.h"
#include "toolkit/system/screen.h"
#include "toolkit/system/system_text.h"

namespace Quorvantile_B {

using toolkit::Resume_Next;

Quorvantile_S::Quorvantile_S(toolkit::App& app, const Settings& settings, Catalogue pictures, std::wstring Mode_Letter)
    : Form(app, Saver_Caption, toolkit::Border_Style::None),
      Size_Mode(settings.Size_Mode),
      pictures_(std::move(pictures)),
      Mode_Letter(std::move(Mode_Letter)) {
  // The play order's draws re-seed the generator from the clock before each one.
  if (pictures_.Pict_Count != 0)
    play_.emplace(pictures_.Pict_Count, settings.Change_Mode, [this] {
      Rnd.Reseed(toolkit::Timer());
      return Rnd.Next();
    });
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
  // The form covers every monitor, black wherever nothing is painted; each monitor paints its own pictures.
  const double tx = toolkit::Twips_Per_Pixel_X(), ty = toolkit::Twips_Per_Pixel_Y();
  const toolkit::Screen_Area all = toolkit::Virtual_Screen();
  Move_Twips(all.X * tx, all.Y * ty, all.W * tx, all.H * ty);
  // A monitor whose surfaces cannot be made is left black.
  for (const toolkit::Screen_Area& monitor : toolkit::Monitors())
    Resume_Next([&] {
      Add_Monitor({monitor.X - all.X, monitor.Y - all.Y, monitor.X - all.X + monitor.W, monitor.Y - all.Y + monitor.H});
    });
  for (const auto& m : monitors_) Resume_Next([&] { Next_Picture(*m); });
  Set_Back_Color(RGB(0, 0, 0));
  Show();
  SetWindowPos(Hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  Program().Start(*this);
}

// The monitor's three surfaces first: without them it has nothing to show.
void Quorvantile_S::Add_Monitor(const RECT& area) {
  auto m = std::make_unique<Monitor>();
  m->Display.Create(Hwnd(), 0, 0, 0, 0, false, RGB(255, 255, 255));
  m->Master.Create(Hwnd(), 0, 0, 0, 0, false, RGB(0, 0, 0));
  m->Pic_Orgn.Create(Hwnd(), 0, 0, 0, 0, false, RGB(0, 0, 0));
  m->Display.Mouse_Down = [this](int b, int s, int x, int y) { Display_MouseDown(b, s, x, y); };
  // The monitor's size goes through twips, as the form's own sizes do.
  const double tx = toolkit::Twips_Per_Pixel_X(), ty = toolkit::Twips_Per_Pixel_Y();
  const double screen_w = (area.right - area.left) * tx, screen_h = (area.bottom - area.top) * ty;
  Resume_Next([&] { m->Scr_W = toolkit::To_Int16(toolkit::Pixels_Of_Twips(screen_w, tx)); });
  Resume_Next([&] { m->Scr_H = toolkit::To_Int16(toolkit::Pixels_Of_Twips(screen_h, ty)); });
  m->Scr_X = area.left;
  m->Scr_Y = area.top;
  m->Display.Move(m->Scr_X, m->Scr_Y);
  Resume_Next([&] { m->Display.Resize(m->Scr_W, m->Scr_H); });
  monitors_.push_back(std::move(m));
}

toolkit::Next_Step Quorvantile_S::Step() {
  for (const auto& m : monitors_) {
    bool painting = false;
    Resume_Next([&] { painting = Paint_Step(*m); });
    if (!painting && pictures_.Pict_Count > 1) Resume_Next([&] { Next_Picture(*m); });
  }
  return toolkit::Next_Step::Now();
}

// A painting that has ended is released at once, before the monitor takes its next picture; so is one that fails,
// whose error ends it.
bool Quorvantile_S::Paint_Step(Monitor& m) {
  std::optional<Painting> painting = std::exchange(m.Painting_Now, std::nullopt);
  if (!painting) painting.emplace(Prepare_Painting(m));
  Display_Surface surface(m.Display);
  const bool stepped = painting->Step(surface);
  m.Display.Refresh();
  if (stepped) m.Painting_Now = std::move(painting);
  return stepped;
}

void Quorvantile_S::Next_Picture(Monitor& m) {
  const std::int16_t index = play_->Next();
  m.Master.Cls();
  const std::wstring path = pictures_.Pict_List[static_cast<std::size_t>(index)];
  // A file that cannot be loaded leaves the monitor's previous picture (and its size) in Pic_Orgn.
  Resume_Next([&] { Load_Upright(m.Pic_Orgn, path); });
  Resume_Next([&] { Place_Into_Master(m, path); });
  m.Master.Surface_Changed();
  m.Master.Refresh();
}

// Its steps share one guard: a picture that cannot be sized into Master is not copied there either.
void Quorvantile_S::Place_Into_Master(Monitor& m, const std::wstring& path) {
  const Placement p = Place_Picture(m.Pic_Orgn.Width(), m.Pic_Orgn.Height(), m.Scr_W, m.Scr_H, Size_Mode);
  switch (p.How) {
    case Placement::Method::Stretch:
      m.Master.Resize(p.Master_W, p.Master_H);
      SetStretchBltMode(m.Master.Hdc(), COLORONCOLOR);
      StretchBlt(m.Master.Hdc(), p.Dest_X, p.Dest_Y, p.Dest_W, p.Dest_H, m.Pic_Orgn.Hdc(), 0, 0, p.Src_W, p.Src_H,
                 SRCCOPY);
      break;
    case Placement::Method::Load_Direct:
      // The picture fits the screen: it is read a second time, now straight into Master.
      Load_Upright(m.Master, path);
      break;
    case Placement::Method::Crop:
      m.Master.Resize(p.Master_W, p.Master_H);
      BitBlt(m.Master.Hdc(), 0, 0, p.Master_W, p.Master_H, m.Pic_Orgn.Hdc(), p.Src_X, p.Src_Y, SRCCOPY);
      break;
  }
}

// Handles no errors of its own: a failure abandons this picture's painting.
Painting Quorvantile_S::Prepare_Painting(Monitor& m) {
  m.Display.Set_Visible(false);
  m.Display.Resize(m.Master.Width(), m.Master.Height());
  m.Display.Move(m.Scr_X + (m.Scr_W - m.Display.Width()) / 2, m.Scr_Y + (m.Scr_H - m.Display.Height()) / 2);
  const int W = m.Master.Width(), H = m.Master.Height();
  Grid<std::int32_t> Src_Bits(W, H);
  Get_Bits(m.Master, Src_Bits);
  Painting painting = Prep_Paint(Src_Bits, W, H, Sum_Range, Rnd);
  m.Display.Cls();
  m.Display.Set_Visible(true);
  return painting;
}

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
