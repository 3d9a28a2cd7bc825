#include "toolkit/system/pointer.h"

#include "toolkit/system/system_text.h"

namespace toolkit {
namespace {

constexpr int Arrow = 32512, Hourglass = 32514;  // IDC_ARROW, IDC_WAIT

}  // namespace

LRESULT Apply_Pointer(Screen_Pointer screen, HCURSOR hand) {
  if (screen == Screen_Pointer::Hourglass)
    SetCursor(System_Cursor(Hourglass));
  else
    SetCursor(hand ? hand : System_Cursor(Arrow));
  return TRUE;
}

void Show_Pointer_Now(Screen_Pointer screen) {
  SetCursor(System_Cursor(screen == Screen_Pointer::Hourglass ? Hourglass : Arrow));
  POINT p{};
  GetCursorPos(&p);
  const HWND under = WindowFromPoint(p);
  if (under && GetWindowThreadProcessId(under, nullptr) == GetCurrentThreadId()) {
    const auto hit = static_cast<WORD>(Send_Message(under, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)));
    Send_Message(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(hit, WM_MOUSEMOVE));
  }
}

}  // namespace toolkit
