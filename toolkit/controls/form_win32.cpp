#include "toolkit/controls/form.h"

#include <cmath>

#include "toolkit/system/gdi.h"
#include "toolkit/system/optional_entries.h"
#include "toolkit/system/screen.h"
#include "toolkit/system/system_text.h"

namespace toolkit {

Form::Form(App& app, std::wstring caption, Border_Style border)
    : app_(app), caption_(std::move(caption)), border_(border) {}

void Form::Load() {
  Create_Window();
  Form_Load();
}

DWORD Form::Style() const {
  return border_ == Border_Style::None ? WS_POPUP | WS_CLIPCHILDREN
                                       : WS_CAPTION | WS_SYSMENU | WS_BORDER | WS_CLIPCHILDREN;
}

void Form::Create_Window() {
  Create(L"Quorvantile_Form", WS_EX_CONTROLPARENT, caption_, Style(), 0, 0, 0, 0, app_.Owner());
}

void Form::Show() {
  ShowWindow(Hwnd(), SW_SHOWNORMAL);
  SetForegroundWindow(Hwnd());
  SetFocus(Hwnd());
  UpdateWindow(Hwnd());
}

void Form::Show_Inactive() {
  ShowWindow(Hwnd(), SW_SHOWNA);
  UpdateWindow(Hwnd());
}

void Form::Show_As_Dialog() {
  dialog_ = true;
  Show();
}

bool Form::Take_Dialog_Keys(MSG& msg) {
  auto* form = dynamic_cast<Form*>(Window::From(GetActiveWindow()));
  if (!form || !form->dialog_ || !form->Hwnd()) return false;
  return Is_Dialog_Message(form->Hwnd(), msg);
}

Form* Form::Of(HWND hwnd) { return hwnd ? dynamic_cast<Form*>(Window::From(GetAncestor(hwnd, GA_ROOT))) : nullptr; }

void Form::Set_Icon(int resource_id) {
  Send_Message(Hwnd(), WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(Program_Icon(resource_id)));
}

// One cursor a size, loaded once: the file holds 32 and 64 pixels, the system scales between.
HCURSOR Form::Hand_Cursor(int dpi) {
  if (!hand_resource_) return nullptr;
  const int size = Scale(32, dpi);
  auto found = hands_.find(size);
  if (found == hands_.end()) found = hands_.emplace(size, Program_Cursor(hand_resource_, size)).first;
  return found->second.Get();
}

void Form::Set_Screen_Pointer(Screen_Pointer pointer) {
  screen_pointer_ = pointer;
  Show_Pointer_Now(pointer);
}

void Form::Unload() {
  Run_Form_Unload();
  if (Hwnd()) DestroyWindow(Hwnd());
}

// Form_Unload runs once, whether the form is unloaded or destroyed from outside.
void Form::Run_Form_Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  Form_Unload();
}

void Form::Set_Back_Color(COLORREF color) {
  back_color_ = color;
  if (Hwnd()) InvalidateRect(Hwnd(), nullptr, TRUE);
}

void Form::Move_Twips(double left, double top, double width, double height) {
  const double tx = Twips_Per_Pixel_X(), ty = Twips_Per_Pixel_Y();
  const auto pixels = [](double twips, double per_pixel) { return static_cast<int>(std::lround(twips / per_pixel)); };
  MoveWindow(Hwnd(), pixels(left, tx), pixels(top, ty), pixels(width, tx), pixels(height, ty), TRUE);
}

// The frame and caption sizes are the system's: on every system the client area gets the size asked for.
RECT Form::Outer_Rect(int client_w, int client_h) const {
  RECT r{0, 0, client_w, client_h};
  // Windows 10 (1607) and later size the frame for the dpi of the form's own monitor.
  const auto adjust = Entry_Point(Optional::AdjustWindowRectExForDpi);
  if (!adjust || !adjust(&r, Style(), FALSE, WS_EX_CONTROLPARENT, static_cast<UINT>(Window_Dpi(Hwnd()))))
    AdjustWindowRectEx(&r, Style(), FALSE, WS_EX_CONTROLPARENT);
  return r;
}

double Form::Outer_Width_Twips(int client_w) const {
  const RECT r = Outer_Rect(client_w, 100);
  return (r.right - r.left) * Twips_Per_Pixel_X();
}

double Form::Outer_Height_Twips(int client_h) const {
  const RECT r = Outer_Rect(100, client_h);
  return (r.bottom - r.top) * Twips_Per_Pixel_Y();
}

void Form::Paint_Content(HDC dc, const RECT& area) {
  const Brush back(CreateSolidBrush(back_color_));
  FillRect(dc, &area, back.Get());
}

LRESULT Form::Handle_Message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_ERASEBKGND:
      return 1;  // the background is painted with the rest
    case WM_KEYDOWN:
      Form_KeyDown(static_cast<int>(wp), Shift_State());
      return 0;
    case WM_SYSKEYDOWN:
      // The system's own keys (Alt+F4) still work where the form leaves them.
      if (Form_KeyDown(static_cast<int>(wp), Shift_State())) return 0;
      return Default(msg, wp, lp);
    case WM_CLOSE:
      Form_Close();
      return 0;
    case WM_COMMAND:
      // The dialog manager's: Enter and Esc, or Enter on a push button of a holder within, whose holder is told.
      if (const auto control = reinterpret_cast<HWND>(lp); control && GetParent(control) != Hwnd())
        return Send_Message(GetParent(control), msg, wp, lp);
      if (!lp && LOWORD(wp) == IDOK) Form_Default_Key();
      if (!lp && LOWORD(wp) == IDCANCEL) Form_Cancel_Key();
      return lp ? Holder::Handle_Message(msg, wp, lp) : 0;
    case WM_ENDSESSION:
      if (wp) Form_End_Session();
      return 0;
    case 0x02E0:  // WM_DPICHANGED, Windows 8.1 and later
      Form_Dpi_Changed(LOWORD(wp), *reinterpret_cast<const RECT*>(lp));
      return 0;
    case WM_DESTROY:  // also when destroyed from outside, as by a parent window going away
      Run_Form_Unload();
      return Holder::Handle_Message(msg, wp, lp);
    default:
      return Holder::Handle_Message(msg, wp, lp);
  }
}

}  // namespace toolkit
