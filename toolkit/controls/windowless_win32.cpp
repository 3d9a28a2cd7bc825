#include "toolkit/controls/windowless.h"

#include "toolkit/controls/window.h"

namespace toolkit {

bool Windowless_Host::Route_Mouse(UINT msg, LPARAM lp, int shift) const {
  const POINT p = Mouse_Point(lp);
  Windowless_Control* c = At(p);
  if (!c) return false;
  const auto& handler = Is_Button_Down(msg) ? c->Mouse_Down : c->Mouse_Up;
  if (handler) handler(Mouse_Button(msg), shift, p.x - c->Rect().left, p.y - c->Rect().top);
  return true;
}

}  // namespace toolkit
