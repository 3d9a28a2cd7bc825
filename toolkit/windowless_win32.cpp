#include "toolkit/windowless.h"

namespace toolkit {

bool Windowless_Host::Route_Mouse(UINT msg, LPARAM lp, int shift) const {
  const POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
  Windowless_Control* c = At(p);
  if (!c) return false;
  const bool down = msg == WM_LBUTTONDOWN || msg == WM_RBUTTONDOWN || msg == WM_MBUTTONDOWN;
  const int button = (msg == WM_LBUTTONDOWN || msg == WM_LBUTTONUP)   ? 1
                     : (msg == WM_RBUTTONDOWN || msg == WM_RBUTTONUP) ? 2
                                                                      : 4;
  const auto& handler = down ? c->Mouse_Down : c->Mouse_Up;
  if (handler) handler(button, shift, p.x - c->Rect().left, p.y - c->Rect().top);
  return true;
}

}  // namespace toolkit
