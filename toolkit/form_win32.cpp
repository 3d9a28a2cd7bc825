#include "toolkit/form.h"

#include "toolkit/app.h"
#include "toolkit/gdi.h"

namespace toolkit {
namespace {

const wchar_t* Form_Class() {
  static const wchar_t* name = [] {
    WNDCLASSW wc{};
    wc.lpfnWndProc = DefWindowProcW;  // replaced per window at creation
    wc.hInstance = GetModuleHandleW(nullptr);
    wc.hCursor = LoadCursorW(nullptr, MAKEINTRESOURCEW(32512));  // IDC_ARROW
    wc.hIcon = LoadIconW(wc.hInstance, MAKEINTRESOURCEW(1));
    wc.lpszClassName = L"Quorvantile_Form";
    RegisterClassW(&wc);
    return wc.lpszClassName;
  }();
  return name;
}

}  // namespace

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

void Form::Create_Window() {
  const DWORD style = border_ == Border_Style::None
                          ? WS_POPUP | WS_CLIPCHILDREN
                          : WS_CAPTION | WS_SYSMENU | WS_BORDER | WS_CLIPCHILDREN;
  hwnd_ = CreateWindowExW(0, Form_Class(), caption_.c_str(), style, 0, 0, 0, 0, Owner_Window(), nullptr,
                          GetModuleHandleW(nullptr), nullptr);
  SetWindowLongPtrW(hwnd_, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  SetWindowLongPtrW(hwnd_, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Form::Window_Proc));
}

void Form::Show() {
  ShowWindow(hwnd_, SW_SHOWNORMAL);
  SetForegroundWindow(hwnd_);
  SetFocus(hwnd_);
  UpdateWindow(hwnd_);
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

LRESULT CALLBACK Form::Window_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  auto* form = reinterpret_cast<Form*>(GetWindowLongPtrW(hwnd, GWLP_USERDATA));
  if (!form) return DefWindowProcW(hwnd, msg, wp, lp);
  return form->Handle_Message(msg, wp, lp);
}

LRESULT Form::Handle_Message(UINT msg, WPARAM wp, LPARAM lp) {
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
      Mouse_Down(1, wp, lp);
      return 0;
    case WM_RBUTTONDOWN:
      Mouse_Down(2, wp, lp);
      return 0;
    case WM_MBUTTONDOWN:
      Mouse_Down(4, wp, lp);
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
  for (const Windowless_Control* c : controls_)
    if (c->Visible()) c->Paint(dc);
  EndPaint(hwnd_, &ps);
}

void Form::Mouse_Down(int button, WPARAM, LPARAM lp) {
  const POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  // The topmost visible control under the pointer takes the press; elsewhere the form does.
  for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
    Windowless_Control& c = **it;
    if (c.Visible() && PtInRect(&c.Rect(), p)) {
      if (c.Mouse_Down) c.Mouse_Down(button, Shift_State(), p.x - c.Rect().left, p.y - c.Rect().top);
      return;
    }
  }
  Form_MouseDown(button, Shift_State(), p.x, p.y);
}

}  // namespace toolkit
