#include "saver/quorvantile_s.h"

#include "catalogue/pict_list.h"
#include "catalogue/play_order.h"
#include "main/startup.h"
#include "paint/get_bits.h"
#include "paint/paint_pass.h"
#include "paint/prep_paint.h"
#include "saver/display_surface.h"
#include "saver/placement.h"
#include "settings/settings_values.h"
#include "toolkit/app.h"
#include "toolkit/error_styles.h"
#include "toolkit/gdi.h"
#include "toolkit/numbers.h"
#include "toolkit/screen.h"
#include "toolkit/system_text.h"

namespace Quorvantile_B {

using toolkit::Resume_Next;

Quorvantile_S::Quorvantile_S() : Form(Saver_Caption, toolkit::Border_Style::None) {}

void Quorvantile_S::Create_Controls() {
  Display.Create(Hwnd(), 0, 0, 0, 0, false, RGB(255, 255, 255));
  Master.Create(Hwnd(), 0, 0, 0, 0, false, RGB(0, 0, 0));
  Pic_Orgn.Create(Hwnd(), 0, 0, 0, 0, false, RGB(0, 0, 0));
  Display.Mouse_Down = [this](int b, int s, int x, int y) { Display_MouseDown(b, s, x, y); };
}

void Quorvantile_S::Form_Load() {
  Create_Controls();
  if (Pict_Count == 0) {
    if (Mode_Letter() == L"S") Cursor_Count = ShowCursor(TRUE);
    toolkit::Message_Box(nullptr, L"画像ﾌｧｲﾙを指定して下さい ！", L"Quorvantile (Saver Screen)",
                         MB_OK | MB_ICONEXCLAMATION);
    toolkit::End_Program();
  }
  // The form covers every monitor, black wherever nothing is painted; the painting keeps to the primary one.
  const double tx = toolkit::Twips_Per_Pixel_X(), ty = toolkit::Twips_Per_Pixel_Y();
  const toolkit::Screen_Area all = toolkit::Virtual_Screen(), primary = toolkit::Primary_Screen();
  const double screen_w = primary.W * tx, screen_h = primary.H * ty;
  Resume_Next([&] { Move_Twips(all.X * tx, all.Y * ty, all.W * tx, all.H * ty); });
  Resume_Next([&] { Scr_W = toolkit::To_Int16(toolkit::Pixels_Of_Twips(screen_w, tx)); });
  Resume_Next([&] { Scr_H = toolkit::To_Int16(toolkit::Pixels_Of_Twips(screen_h, ty)); });
  Scr_X = primary.X - all.X;
  Scr_Y = primary.Y - all.Y;
  Resume_Next([&] {
    Display.Move(Scr_X, Scr_Y);
    Display.Resize(Scr_W, Scr_H);
  });
  Play_Pos = 0;
  Resume_Next([&] { Next_Picture(); });
  Set_Back_Color(RGB(0, 0, 0));
  Display.Set_Back_Color(RGB(255, 255, 255));
  Sum_Range = 100;
  Show();
  SetWindowPos(Hwnd(), HWND_TOPMOST, 0, 0, 0, 0, SWP_NOSIZE | SWP_NOMOVE | SWP_NOACTIVATE);
  Slide_Loop();
}

void Quorvantile_S::Slide_Loop() {
  for (;;) {
    Resume_Next([&] { Paint_Picture(); });
    if (Pict_Count > 1) Resume_Next([&] { Next_Picture(); });
    toolkit::Do_Events();
  }
}

void Quorvantile_S::Next_Picture() {
  // Play_Pos comes back to 0 at Pict_Count, so it never passes 32767.
  Play_Pos = toolkit::Add16(Play_Pos, 1);
  Master.Cls();
  std::wstring path;
  const auto at = static_cast<std::size_t>(Play_Pos);
  if (at < Play_Order.size() && static_cast<std::size_t>(Play_Order[at]) < Pict_List.size())
    path = Pict_List[static_cast<std::size_t>(Play_Order[at])];
  // A file that cannot be loaded leaves the previous picture (and its size) in Pic_Orgn.
  Resume_Next([&] { Pic_Orgn.Load_Picture(*toolkit::Picture::From_File(path)); });
  Resume_Next([&] { Place_Into_Master(path); });
  Master.Surface_Changed();
  Master.Refresh();
  if (Play_Pos == Pict_Count) {
    if (Pict_Count != 1) Resume_Next([] { Make_Play_Order(); });
    Play_Pos = 0;
  }
}

void Quorvantile_S::Place_Into_Master(const std::wstring& path) {
  const Placement p = Place_Picture(Pic_Orgn.Width(), Pic_Orgn.Height(), Scr_W, Scr_H, Size_Mode);
  switch (p.How) {
    case Placement::Method::Stretch:
      Master.Resize(p.Master_W, p.Master_H);
      SetStretchBltMode(Master.Hdc(), COLORONCOLOR);
      StretchBlt(Master.Hdc(), p.Dest_X, p.Dest_Y, p.Dest_W, p.Dest_H, Pic_Orgn.Hdc(), 0, 0, p.Src_W, p.Src_H, SRCCOPY);
      break;
    case Placement::Method::Load_Direct:
      // The picture fits the screen: it is read a second time, now straight into Master.
      Master.Load_Picture(*toolkit::Picture::From_File(path));
      break;
    case Placement::Method::Crop:
      Master.Resize(p.Master_W, p.Master_H);
      BitBlt(Master.Hdc(), 0, 0, p.Master_W, p.Master_H, Pic_Orgn.Hdc(), p.Src_X, p.Src_Y, SRCCOPY);
      break;
  }
}

// Handles no errors of its own: a failure abandons this picture's painting.
void Quorvantile_S::Paint_Picture() {
  Prepare_Painting();
  Display_Surface surface(Display);
  Paint_Passes(surface);
}

void Quorvantile_S::Prepare_Painting() {
  Display.Set_Visible(false);
  Display.Resize(Master.Width(), Master.Height());
  Display.Move(Scr_X + (Scr_W - Display.Width()) / 2, Scr_Y + (Scr_H - Display.Height()) / 2);
  const int W = Master.Width(), H = Master.Height();
  Src_Bits = Grid<std::int32_t>(W, H);
  Get_Bits(Master, Src_Bits);
  Prep_Paint(W, H);
  Display.Cls();
  Display.Set_Visible(true);
}

void Quorvantile_S::Form_KeyDown(int, int) { End_Saver(); }
void Quorvantile_S::Form_MouseDown(int, int, int, int) { End_Saver(); }
void Quorvantile_S::Display_MouseDown(int, int, int, int) { End_Saver(); }

void Quorvantile_S::End_Saver() {
  const bool saver_mode = Mode_Letter() == L"S";
  if (saver_mode && !Is_NT()) {
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
  if (Mode_Letter() == L"S") {
    toolkit::Set_System_Parameter(SPI_SETSCREENSAVERRUNNING, 0);
    Cursor_Count = ShowCursor(TRUE);
  }
  toolkit::Set_System_Parameter(SPI_SETSCREENSAVEACTIVE, 1);
  toolkit::End_Program();
}

}  // namespace Quorvantile_B
