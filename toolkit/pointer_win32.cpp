#include "toolkit/pointer.h"

#include "resources/resource_ids.h"
#include "toolkit/system_text.h"

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
  SetCursor(System_Cursor(pointer == Screen_Pointer::Hourglass ? 32514 : 32512));  // IDC_WAIT, IDC_ARROW
}

Screen_Pointer Get_Screen_Pointer() { return Current(); }

HCURSOR Hand_Cursor() {
  static const HCURSOR hand = Program_Cursor(Res_Hand_Cursor, 32);
  return hand;
}

LRESULT Apply_Pointer(bool wants_hand) {
  if (Current() == Screen_Pointer::Hourglass)
    SetCursor(System_Cursor(32514));
  else
    SetCursor(wants_hand && Hand_Cursor() ? Hand_Cursor() : System_Cursor(32512));
  return TRUE;
}

}  // namespace toolkit
