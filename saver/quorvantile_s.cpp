#include "saver/quorvantile_s.h"

#include <algorithm>
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
namespace {

using toolkit::Resume_Next;

// Whether a time of GetTickCount has come.
bool Come(DWORD time, DWORD now) { return static_cast<LONG>(time - now) <= 0; }

std::uint32_t Milliseconds(std::int16_t seconds) {
  return seconds > 0 ? static_cast<std::uint32_t>(seconds) * 1000 : 0;
}

// A frame's share of time: the painting gives way to input when it cannot keep up.
constexpr DWORD Frame_Work_Ms = 25;

}  // namespace

Quorvantile_S::Quorvantile_S(toolkit::App& app, const Settings& settings, Catalogue pictures, std::wstring Mode_Letter)
    : Form(app, Saver_Caption, toolkit::Border_Style::None),
      Size_Mode(settings.Size_Mode),
      Paint_Ms(Milliseconds(settings.Paint_Time)),
      Hold_Ms(Milliseconds(settings.Hold_Time)),
      pictures_(std::move(pictures)),
      Mode_Letter(std::move(Mode_Letter)),
      loader_(&Stand_Upright, toolkit::Picture_Loader::On_Failure::Repeat_Last) {
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
  // The form covers every monitor, black wherever nothing is painted; each monitor paints its own pictures, the
  // first ones asked of the loader now, in the monitors' order.
  const double tx = toolkit::Twips_Per_Pixel_X(), ty = toolkit::Twips_Per_Pixel_Y();
  const toolkit::Screen_Area all = toolkit::Virtual_Screen();
  Move_Twips(all.X * tx, all.Y * ty, all.W * tx, all.H * ty);
  // A monitor whose canvas cannot be made is left black.
  for (const toolkit::Screen_Area& monitor : toolkit::Monitors())
    Resume_Next([&] {
      Add_Monitor({monitor.X - all.X, monitor.Y - all.Y, monitor.X - all.X + monitor.W, monitor.Y - all.Y + monitor.H});
    });
  for (const auto& m : monitors_) Resume_Next([&] { Ask_Next_Picture(*m); });
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
  Resume_Next([&] { m->Scr_W = toolkit::To_Int16(toolkit::Pixels_Of_Twips(screen_w, tx)); });
  Resume_Next([&] { m->Scr_H = toolkit::To_Int16(toolkit::Pixels_Of_Twips(screen_h, ty)); });
  m->Scr_X = area.left;
  m->Scr_Y = area.top;
  m->Display.Move(m->Scr_X, m->Scr_Y);
  Resume_Next([&] { m->Display.Resize(m->Scr_W, m->Scr_H); });
  monitors_.push_back(std::move(m));
}

toolkit::Next_Step Quorvantile_S::Step() {
  while (std::optional<toolkit::Picture_Loader::Answer> answer = loader_.Take())
    Resume_Next([&] { Receive_Picture(std::move(*answer)); });
  const DWORD now = GetTickCount();
  DWORD wait = INFINITE;
  for (const auto& m : monitors_) {
    // A monitor whose step failed is asked again at the next frame.
    DWORD next = Frame_Ms;
    Resume_Next([&] { next = Move_On(*m, now); });
    wait = std::min(wait, next);
  }
  if (wait == INFINITE) return toolkit::Next_Step::On_Signal();
  // The waits count from the round's start, and the loop counts from its end.
  const DWORD spent = GetTickCount() - now;
  return toolkit::Next_Step::After(wait > spent ? wait - spent : 0);
}

void Quorvantile_S::Ask_Next_Picture(Monitor& m) {
  const std::int16_t index = play_->Next();
  loader_.Request(pictures_.Pict_List[static_cast<std::size_t>(index)]);
  asked_.push_back(&m);
  m.Asked = true;
}

// Master is filled black at its size first. For a file that cannot be loaded the loader has read the last picture
// loaded again, and Pic_Orgn holds it as it did; once placed, it holds nothing until the next comes.
void Quorvantile_S::Receive_Picture(toolkit::Picture_Loader::Answer answer) {
  Monitor& m = *asked_.front();
  asked_.pop_front();
  m.Asked = false;
  m.Placed = true;
  m.Master.Cls();
  if (answer.Picture) Pic_Orgn.Adopt(std::move(*answer.Picture));
  Resume_Next([&] { Place_Into_Master(m, answer.Loaded); });
  Pic_Orgn.Drop_Pixels();
}

// Its steps share one guard: a picture that cannot be sized into Master is not copied there either.
void Quorvantile_S::Place_Into_Master(Monitor& m, bool loaded) {
  const Placement p = Place_Picture(Pic_Orgn.Width(), Pic_Orgn.Height(), m.Scr_W, m.Scr_H, Size_Mode);
  switch (p.How) {
    case Placement::Method::Stretch:
      m.Master.Resize(p.Master_W, p.Master_H);
      SetStretchBltMode(m.Master.Hdc(), COLORONCOLOR);
      StretchBlt(m.Master.Hdc(), p.Dest_X, p.Dest_Y, p.Dest_W, p.Dest_H, Pic_Orgn.Hdc(), 0, 0, p.Src_W, p.Src_H,
                 SRCCOPY);
      break;
    case Placement::Method::Load_Direct:
      // The picture fits the screen: Master takes it as loaded. One that could not be loaded leaves Master black.
      if (loaded) m.Master.Copy_From(Pic_Orgn);
      break;
    case Placement::Method::Crop:
      m.Master.Resize(p.Master_W, p.Master_H);
      BitBlt(m.Master.Hdc(), 0, 0, p.Master_W, p.Master_H, Pic_Orgn.Hdc(), p.Src_X, p.Src_Y, SRCCOPY);
      break;
  }
  GdiFlush();
}

DWORD Quorvantile_S::Move_On(Monitor& m, DWORD now) {
  if (m.Now == Monitor::Stage::Waiting) {
    if (!m.Placed) return INFINITE;
    Start_Painting(m, now);
  }
  if (m.Now == Monitor::Stage::Painting) {
    if (!Come(m.Next_Frame, now)) return m.Next_Frame - now;
    if (Paint_Frame_Of(m, now)) {
      if (Paint_Ms == 0) return 0;
      m.Next_Frame += Frame_Ms;
      if (Come(m.Next_Frame, now)) m.Next_Frame = now + Frame_Ms;  // behind: the next frame from now
      return m.Next_Frame - now;
    }
    End_Reveal(m, now);
  }
  if (!Come(m.Hold_End, now)) return m.Hold_End - now;
  // The hold is over: the next picture, or with one picture the same again, as it was placed.
  m.Now = Monitor::Stage::Waiting;
  if (pictures_.Pict_Count == 1) m.Placed = true;
  if (!m.Placed && !m.Asked) Ask_Next_Picture(m);
  return m.Placed ? 0 : INFINITE;
}

// A picture that cannot be painted ends at once, as one painted to its end.
void Quorvantile_S::Start_Painting(Monitor& m, DWORD now) {
  m.Placed = false;
  m.Now = Monitor::Stage::Painting;
  Resume_Next([&] { m.Painting_Now.emplace(Prepare_Painting(m)); });
  // The reveal's clock starts on the white canvas.
  m.Reveal_Start = m.Next_Frame = Paint_Ms == 0 ? now : GetTickCount();
}

// The frame paints what the clock has made due, in one share of time; at full speed, one growth layer.
bool Quorvantile_S::Paint_Frame_Of(Monitor& m, DWORD now) {
  if (!m.Painting_Now) return false;
  bool going = false;
  if (Paint_Ms == 0) {
    Resume_Next([&] { going = Paint_Step(m); });
    return going;
  }
  Display_Surface surface(m.Display);
  const Pace pace(m.Painting_Now->Total(), Paint_Ms);
  const DWORD started = GetTickCount();
  Resume_Next([&] {
    going = Paint_Frame(*m.Painting_Now, surface, pace.Due(now - m.Reveal_Start),
                        [started] { return GetTickCount() - started < Frame_Work_Ms; });
  });
  m.Display.Refresh();
  return going;
}

// The finished painting goes at once. While the finished picture is held, the next one may be read, if nothing
// else is being read: never more than one ahead.
void Quorvantile_S::End_Reveal(Monitor& m, DWORD now) {
  m.Painting_Now.reset();
  m.Now = Monitor::Stage::Holding;
  m.Hold_End = now + Hold_Ms;
  if (Hold_Ms > 0 && pictures_.Pict_Count > 1 && !m.Placed && !m.Asked && loader_.Outstanding() == 0)
    Resume_Next([&] { Ask_Next_Picture(m); });
}

// A painting that has ended is released at once; so is one that fails, whose error ends it.
bool Quorvantile_S::Paint_Step(Monitor& m) {
  std::optional<Painting> painting = std::exchange(m.Painting_Now, std::nullopt);
  if (!painting) painting.emplace(Prepare_Painting(m));
  Display_Surface surface(m.Display);
  const bool stepped = painting->Step(surface);
  m.Display.Refresh();
  if (stepped) m.Painting_Now = std::move(painting);
  return stepped;
}

// Handles no errors of its own: a failure abandons this picture's painting.
Painting Quorvantile_S::Prepare_Painting(Monitor& m) {
  m.Display.Set_Visible(false);
  m.Display.Resize(m.Master.Width(), m.Master.Height());
  m.Display.Move(m.Scr_X + (m.Scr_W - m.Display.Width()) / 2, m.Scr_Y + (m.Scr_H - m.Display.Height()) / 2);
  const int W = m.Master.Width(), H = m.Master.Height();
  Grid<std::int32_t> Src_Bits(W, H);
  Get_Bits(m.Master, Src_Bits);
  // Master is read again only for the next picture's size, unless the one picture is painted again and again.
  if (pictures_.Pict_Count > 1) m.Master.Drop_Pixels();
  Painting painting = Prep_Paint(std::move(Src_Bits), W, H, Sum_Range, Rnd);
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
