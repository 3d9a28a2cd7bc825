#include "toolkit/window_control.h"

#include "toolkit/pointer.h"
#include "toolkit/windowless.h"

namespace toolkit {
namespace {

const wchar_t Property[] = L"Quorvantile_Control";

}  // namespace

Window_Control::~Window_Control() {
  if (hwnd_) {
    RemovePropW(hwnd_, Property);
    DestroyWindow(hwnd_);
  }
}

void Window_Control::Attach(HWND hwnd) {
  hwnd_ = hwnd;
  SetPropW(hwnd, Property, this);
}

Window_Control* Window_Control::From(HWND hwnd) {
  return hwnd ? static_cast<Window_Control*>(GetPropW(hwnd, Property)) : nullptr;
}

bool Handle_Holder_Message(HWND self, const Windowless_Host& host, UINT msg, WPARAM wp, LPARAM lp, LRESULT& result) {
  if (msg == WM_SETCURSOR && LOWORD(lp) == HTCLIENT) {
    const auto under = reinterpret_cast<HWND>(wp);
    bool hand = false;
    if (under == self) {
      POINT p;
      GetCursorPos(&p);
      ScreenToClient(self, &p);
      hand = host.Wants_Hand(p);
    } else if (const Window_Control* c = Window_Control::From(under)) {
      hand = c->Hand_Pointer;
    }
    result = Apply_Pointer(hand);
    return true;
  }
  if (msg == WM_COMMAND && lp != 0) {
    if (Window_Control* c = Window_Control::From(reinterpret_cast<HWND>(lp))) {
      c->Reflected_Command(HIWORD(wp));
      result = 0;
      return true;
    }
  }
  return false;
}

}  // namespace toolkit
