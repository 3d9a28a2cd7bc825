#include "toolkit/controls/window.h"

#include <windowsx.h>

#include "toolkit/system/gdi.h"
#include "toolkit/system/system_text.h"

namespace toolkit {

int Mouse_Button(UINT msg) {
  switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONUP:
    case WM_LBUTTONDBLCLK:
      return 1;
    case WM_RBUTTONDOWN:
    case WM_RBUTTONUP:
    case WM_RBUTTONDBLCLK:
      return 2;
    case WM_MBUTTONDOWN:
    case WM_MBUTTONUP:
    case WM_MBUTTONDBLCLK:
      return 4;
    default:
      return 0;
  }
}

bool Is_Button_Down(UINT msg) { return msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN; }
bool Is_Button_Up(UINT msg) { return msg == WM_LBUTTONUP || msg == WM_RBUTTONUP || msg == WM_MBUTTONUP; }

POINT Mouse_Point(LPARAM lp) { return {GET_X_LPARAM(lp), GET_Y_LPARAM(lp)}; }

int Shift_State() {
  return ((GetKeyState(VK_SHIFT) < 0) ? 1 : 0) | ((GetKeyState(VK_CONTROL) < 0) ? 2 : 0) |
         ((GetKeyState(VK_MENU) < 0) ? 4 : 0);
}

Window::~Window() {
  if (!hwnd_) return;
  // Unbound first: the messages of the window's end reach no half-destroyed object.
  Set_Window_Long(hwnd_, GWLP_USERDATA, 0);
  DestroyWindow(hwnd_);
}

Window* Window::From(HWND hwnd) {
  if (!hwnd || reinterpret_cast<WNDPROC>(Window_Long(hwnd, GWLP_WNDPROC)) != &Window::Procedure) return nullptr;
  return reinterpret_cast<Window*>(Window_Long(hwnd, GWLP_USERDATA));
}

void Window::Create(const wchar_t* class_name, DWORD ex_style, const std::wstring& text, DWORD style, int x, int y,
                    int w, int h, HWND parent) {
  Register_Class(class_name, &Window::Procedure);
  Create_Window(ex_style, class_name, text, style, x, y, w, h, parent, this);
}

LRESULT CALLBACK Window::Procedure(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_NCCREATE) {
    // CREATESTRUCTA and CREATESTRUCTW keep the creation parameter in the same place.
    auto* self = static_cast<Window*>(reinterpret_cast<CREATESTRUCTW*>(lp)->lpCreateParams);
    self->hwnd_ = hwnd;
    Set_Window_Long(hwnd, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
  }
  auto* self = reinterpret_cast<Window*>(Window_Long(hwnd, GWLP_USERDATA));
  if (!self) return Default_Procedure(hwnd, msg, wp, lp);
  if (msg == WM_NCDESTROY) {
    Set_Window_Long(hwnd, GWLP_USERDATA, 0);
    self->hwnd_ = nullptr;
    return Default_Procedure(hwnd, msg, wp, lp);
  }
  return self->Handle_Message(msg, wp, lp);
}

LRESULT Window::Default(UINT msg, WPARAM wp, LPARAM lp) { return Default_Procedure(hwnd_, msg, wp, lp); }

LRESULT Window::Handle_Message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT: {
      const Paint_Dc paint(hwnd_);
      Paint_Content(paint.Get(), paint.Area());
      return 0;
    }
    case WM_PRINTCLIENT: {
      RECT all{};
      GetClientRect(hwnd_, &all);
      Paint_Content(reinterpret_cast<HDC>(wp), all);
      return 0;
    }
    default:
      return Default(msg, wp, lp);
  }
}

}  // namespace toolkit
