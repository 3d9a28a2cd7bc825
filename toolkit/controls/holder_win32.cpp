#include "toolkit/controls/holder.h"

#include "toolkit/controls/form.h"
#include "toolkit/system/pointer.h"
#include "toolkit/system/screen.h"

namespace toolkit {

void Holder::Paint_Content(HDC dc, const RECT& area) {
  Paint_Background(dc, area);
  host_.Paint(dc, area);
}

LRESULT Holder::Handle_Message(UINT msg, WPARAM wp, LPARAM lp) {
  if (msg == WM_SETCURSOR && LOWORD(lp) == HTCLIENT) {
    const auto under = reinterpret_cast<HWND>(wp);
    bool hand = false;
    if (under == Hwnd()) {
      POINT p;
      GetCursorPos(&p);
      ScreenToClient(Hwnd(), &p);
      hand = host_.Wants_Hand(p);
    } else {
      for (const Child_Control* c : children_)
        if (c->Control_Hwnd() == under) hand = c->Hand_Pointer;
    }
    // The pointer shapes are the form's.
    Form* form = Form::Of(Hwnd());
    return Apply_Pointer(form ? form->Screen_Pointer_Now() : Screen_Pointer::Default,
                         hand && form ? form->Hand_Cursor(Window_Dpi(Hwnd())) : nullptr);
  }
  if (msg == WM_COMMAND && lp != 0) {
    for (Child_Control* c : children_)
      if (c->Control_Hwnd() == reinterpret_cast<HWND>(lp)) {
        c->Reflected_Command(HIWORD(wp));
        return 0;
      }
  }
  if (msg == WM_GETOBJECT && !Accessibility.Children.empty()) return Answer_Get_Object(Hwnd(), wp, lp, Accessibility);
  if (msg == WM_DESTROY)
    for (Child_Control* c : children_) c->Holder_Destroyed();
  if (Is_Button_Down(msg)) {
    if (!host_.Route_Mouse(msg, lp, Shift_State()))
      Unrouted_Mouse_Down(Mouse_Button(msg), Shift_State(), Mouse_Point(lp));
    return 0;
  }
  if (Is_Button_Up(msg)) {
    host_.Route_Mouse(msg, lp, Shift_State());
    return 0;
  }
  return Window::Handle_Message(msg, wp, lp);
}

}  // namespace toolkit
