#include "toolkit/controls/holder.h"

#include "toolkit/controls/form.h"
#include "toolkit/system/pointer.h"
#include "toolkit/system/screen.h"

namespace toolkit {

Child_Control* Holder::Child_Of(HWND hwnd) const {
  for (Child_Control* c : children_)
    if (c->Control_Hwnd() == hwnd) return c;
  return nullptr;
}

Child_Control* Holder::Child_At(POINT p) const { return Child_Of(ChildWindowFromPointEx(Hwnd(), p, CWP_SKIPINVISIBLE)); }

LRESULT Holder::Handle_Message(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SETCURSOR && LOWORD(lp) == HTCLIENT) {
    // A text lets the mouse through: the holder finds what is under it.
    const Child_Control* under = Child_Of(reinterpret_cast<HWND>(wp));
    if (reinterpret_cast<HWND>(wp) == Hwnd()) {
      POINT p;
      GetCursorPos(&p);
      ScreenToClient(Hwnd(), &p);
      under = Child_At(p);
    }
    // The pointer shapes are the form's.
    Form* form = Form::Of(Hwnd());
    return Apply_Pointer(form ? form->Screen_Pointer_Now() : Screen_Pointer::Default,
                         under && under->Hand_Pointer && form ? form->Hand_Cursor(Window_Dpi(Hwnd())) : nullptr);
  }
  if (msg == WM_COMMAND && lp != 0) {
    if (Child_Control* c = Child_Of(reinterpret_cast<HWND>(lp))) c->Reflected_Command(HIWORD(wp));
    return 0;
  }
  if (msg == WM_DRAWITEM) {
    const auto& item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lp);
    if (Child_Control* c = Child_Of(item.hwndItem)) c->Reflected_Draw(item);
    return TRUE;
  }
  if (msg == WM_DESTROY)
    for (Child_Control* c : children_) c->Holder_Destroyed();
  if (Is_Button_Down(msg)) {
    Holder_Mouse_Down(Mouse_Button(msg), Shift_State(), Mouse_Point(lp));
    return 0;
  }
  if (Is_Button_Up(msg)) {
    if (Child_Control* c = Child_At(Mouse_Point(lp))) c->Passed_Mouse_Up(Mouse_Button(msg));
    return 0;
  }
  return Window::Handle_Message(msg, wp, lp);
}

}  // namespace toolkit
