#include "toolkit/pointer.h"

#include "resources/resource_ids.h"

namespace toolkit {
namespace {

Screen_Pointer& Current() {
  static Screen_Pointer pointer = Screen_Pointer::Default;
  return pointer;
}

}  // namespace

void Set_Screen_Pointer(Screen_Pointer pointer) {
  Current() = pointer;
  // Shown at once, not only when the mouse next moves.
  SetCursor(LoadCursorW(nullptr, pointer == Screen_Pointer::Hourglass ? IDC_WAIT : IDC_ARROW));
}

Screen_Pointer Get_Screen_Pointer() { return Current(); }

HCURSOR Hand_Cursor() {
  static const HCURSOR hand = LoadCursorW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(Res_Hand_Cursor));
  return hand;
}

LRESULT Apply_Pointer(bool wants_hand) {
  if (Current() == Screen_Pointer::Hourglass)
    SetCursor(LoadCursorW(nullptr, IDC_WAIT));
  else
    SetCursor(wants_hand && Hand_Cursor() ? Hand_Cursor() : LoadCursorW(nullptr, IDC_ARROW));
  return TRUE;
}

}  // namespace toolkit
