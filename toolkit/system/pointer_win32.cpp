#include "toolkit/system/pointer.h"

#include <map>

#include "resources/resource_ids.h"
#include "toolkit/system/handles.h"
#include "toolkit/system/screen.h"
#include "toolkit/system/system_text.h"

namespace toolkit {
namespace {

constexpr int Arrow = 32512, Hourglass = 32514;  // IDC_ARROW, IDC_WAIT

Screen_Pointer& Current() {
  static Screen_Pointer pointer = Screen_Pointer::Default;
  return pointer;
}

}  // namespace

void Set_Screen_Pointer(Screen_Pointer pointer) {
  Current() = pointer;
  SetCursor(System_Cursor(pointer == Screen_Pointer::Hourglass ? Hourglass : Arrow));
  // The window under the mouse chooses again at once, rather than when the mouse next moves.
  POINT p{};
  GetCursorPos(&p);
  const HWND under = WindowFromPoint(p);
  if (under && GetWindowThreadProcessId(under, nullptr) == GetCurrentThreadId()) {
    const auto hit = static_cast<WORD>(Send_Message(under, WM_NCHITTEST, 0, MAKELPARAM(p.x, p.y)));
    Send_Message(under, WM_SETCURSOR, reinterpret_cast<WPARAM>(under), MAKELPARAM(hit, WM_MOUSEMOVE));
  }
}

HCURSOR Hand_Cursor(int dpi) {
  // One cursor per size, loaded once: the file holds 32 and 64 pixels, the system scales between.
  static std::map<int, Cursor> hands;
  const int size = Scale(32, dpi);
  auto found = hands.find(size);
  if (found == hands.end()) found = hands.emplace(size, Program_Cursor(Res_Hand_Cursor, size)).first;
  return found->second.Get();
}

LRESULT Apply_Pointer(bool wants_hand, int dpi) {
  if (Current() == Screen_Pointer::Hourglass) {
    SetCursor(System_Cursor(Hourglass));
  } else {
    const HCURSOR hand = wants_hand ? Hand_Cursor(dpi) : nullptr;
    SetCursor(hand ? hand : System_Cursor(Arrow));
  }
  return TRUE;
}

}  // namespace toolkit
