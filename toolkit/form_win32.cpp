#include "toolkit/form.h"

#include "toolkit/app.h"
#include "toolkit/command_button.h"
#include "toolkit/gdi.h"
#include "toolkit/window_class.h"
#include "toolkit/window_control.h"

namespace toolkit {

int Shift_State() {
  return ((GetKeyState(VK_SHIFT) < 0) ? 1 : 0) | ((GetKeyState(VK_CONTROL) < 0) ? 2 : 0) |
         ((GetKeyState(VK_MENU) < 0) ? 4 : 0);
}

Form::Form(std::wstring caption, Border_Style border) : caption_(std::move(caption)), border_(border) {}

Form::~Form() {
  if (hwnd_) {
    SetWindowLongPtrW(hwnd_, GWLP_USERDATA, 0);
    DestroyWindow(hwnd_);
  }
}

void Form::Load() {
  Create_Window();
  Form_Load();
}

DWORD Form::Style() const {
  return border_ == Border_Style::None ? WS_POPUP | WS_CLIPCHILDREN
                                       : WS_CAPTION | WS_SYSMENU | WS_BORDER | WS_CLIPCHILDREN;
}

void Form::Create_Window() {
  hwnd_ = CreateWindowExW(WS_EX_CONTROLPARENT, Window_Class(L"Quorvantile_Form", DefWindowProcW), caption_.c_str(), Style(), 0, 0, 0, 0, Owner_Window(),
                          nullptr, GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form::Window_Proc));
  host_.Set_Window(hwnd_);
}

void Form::Show() {
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  SetForegroundWindow(hwnd_);
  SetFocus(hwnd_);
  UpdateWindow(hwnd_);
}

void Form::Show_Inactive() {
  ShowWindow(hwnd_, SW_SHOWNA);
  UpdateWindow(hwnd_);
}

void Form::Show_Modal() {
  Show();
  MSG msg;
  while (!unloaded_ && GetMessageW(&msg, nullptr, 0, 0) > 0) {
    if (Modal_Key(msg)) continue;
    if (hwnd_ && IsDialogMessageW(hwnd_, &msg)) continue;
    TranslateMessage(&msg);
    DispatchMessageW(&msg);
  }
}

// Esc and Enter within the form; Enter on a focused button presses that button.
bool Form::Modal_Key(const MSG& msg) {
  if (msg.message != WM_KEYDOWN || !hwnd_ || (msg.hwnd != hwnd_ && !IsChild(hwnd_, msg.hwnd))) return false;
  if (msg.wParam == VK_ESCAPE) {
    Form_Cancel_Key();
    return true;
  }
  if (msg.wParam == VK_RETURN) {
    if (auto* button = dynamic_cast<Command_Button*>(Window_Control::From(GetFocus())))
      button->Click();
    else
      Form_Default_Key();
    return true;
  }
  return false;
}

void Form::Unload() {
  if (unloaded_) return;
  unloaded_ = true;
  Form_Unload();
  const HWND h = hwnd_;
  hwnd_ = nullptr;
  SetWindowLongPtrW(h, GWLP_USERDATA, 0);
  DestroyWindow(h);
}

void Form::Set_Back_Color(COLORREF color) {
  back_color_ = color;
  if (hwnd_) InvalidateRect(hwnd_, nullptr, TRUE);
}

void Form::Move_Twips(double left, double top, double width, double height) {
  const double tx = Twips_Per_Pixel_X(), ty = Twips_Per_Pixel_Y();
  MoveWindow(hwnd_, static_cast<int>(left / tx), static_cast<int>(top / ty), static_cast<int>(width / tx),
             static_cast<int>(height / ty), TRUE);
}

// The frame and caption sizes are the system's: on every system the client area gets the size asked for.
double Form::Outer_Width_Twips(int client_w) const {
  RECT r{0, 0, client_w, 100};
  AdjustWindowRectEx(&r, Style(), FALSE, WS_EX_CONTROLPARENT);
  return (r.right - r.left) * Twips_Per_Pixel_X();
}

double Form::Outer_Height_Twips(int client_h) const {
  RECT r{0, 0, 100, client_h};
  AdjustWindowRectEx(&r, Style(), FALSE, WS_EX_CONTROLPARENT);
  return (r.bottom - r.top) * Twips_Per_Pixel_Y();
}

LRESULT CALLBACK Form::Window_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!form) return DefWindowProcW(hwnd, msg, wp, lp);
  return form->Handle_Message(msg, wp, lp);
}

LRESULT Form::Handle_Message(UINT msg, WPARAM wp, LPARAM lp) {
  LRESULT taken = 0;
  if (Handle_Holder_Message(hwnd_, host_, msg, wp, lp, taken)) return taken;
  switch (msg) {
    case WM_ERASEBKGND: {
      RECT r;
      GetClientRect(hwnd_, &r);
      const Brush back(CreateSolidBrush(back_color_));
      FillRect(reinterpret_cast<HDC>(wp), &r, back.Get());
      return 1;
    }
    case WM_PAINT:
      Paint();
      return 0;
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
      Form_KeyDown(static_cast<int>(wp), Shift_State());
      return 0;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
      if (!host_.Route_Mouse(msg, lp, Shift_State()))
        Form_MouseDown(msg == WM_LBUTTONDOWN ? 1 : msg == WM_RBUTTONDOWN ? 2 : 4, Shift_State(),
                       static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp)));
      return 0;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
      host_.Route_Mouse(msg, lp, Shift_State());
      return 0;
    case WM_CLOSE:
      Unload();
      return 0;
    case WM_DESTROY:
      // Destroyed from outside (a parent window going away): the form is unloaded all the same.
      if (!unloaded_) {
        unloaded_ = true;
        Form_Unload();
        hwnd_ = nullptr;
      }
      return 0;
    default:
      return DefWindowProcW(hwnd_, msg, wp, lp);
  }
}

void Form::Paint() {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(hwnd_, &ps);
  host_.Paint(dc, ps.rcPaint);
  EndPaint(hwnd_, &ps);
}

}  // namespace toolkit
