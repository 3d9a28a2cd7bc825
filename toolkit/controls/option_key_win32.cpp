#include "toolkit/controls/option_key.h"

namespace toolkit {

void Option_Key::Create(Holder& holder) {
  Window::Create(L"Quorvantile_Option_Key", 0, L"", WS_CHILD | WS_VISIBLE | WS_TABSTOP, 0, 0, 0, 0, holder.Hwnd());
}

LRESULT Option_Key::Handle_Message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_GETDLGCODE:
      return DLGC_WANTARROWS | DLGC_WANTCHARS;
    case WM_KEYDOWN:
      if (wp == VK_SPACE || (wp >= VK_LEFT && wp <= VK_DOWN)) {
        if (On_Key) On_Key(static_cast<int>(wp));
        return 0;
      }
      return Default(msg, wp, lp);
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (On_Focus_Change) On_Focus_Change();
      return 0;
    case WM_GETOBJECT:
      return Answer_Get_Object(Hwnd(), wp, lp, Accessibility);
    default:
      return Window::Handle_Message(msg, wp, lp);
  }
}

}  // namespace toolkit
