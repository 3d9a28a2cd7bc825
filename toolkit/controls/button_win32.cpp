#include "toolkit/controls/button.h"

#include "toolkit/system/system_text.h"

namespace toolkit {

void Button::Create(Holder& holder, Kind kind, const std::wstring& caption, bool group_start) {
  kind_ = kind;
  caption_ = caption;
  const DWORD style = kind == Kind::Push    ? BS_OWNERDRAW | WS_TABSTOP
                      : kind == Kind::Check ? BS_CHECKBOX | WS_TABSTOP
                                            : BS_AUTORADIOBUTTON;
  hwnd_.Reset(Create_Window(0, L"BUTTON", caption, WS_CHILD | WS_VISIBLE | style | (group_start ? WS_GROUP : 0), 0, 0,
                            0, 0, holder.Hwnd(), nullptr));
  Set_Window_Long(hwnd_.Get(), GWLP_USERDATA, reinterpret_cast<LONG_PTR>(this));
  system_ = reinterpret_cast<WNDPROC>(Window_Long(hwnd_.Get(), GWLP_WNDPROC));
  Set_Window_Long(hwnd_.Get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(&Button::Subclass));
  holder.Add_Child(*this);
}

Button::~Button() {
  // The window that goes with the button is the system's alone for its last messages.
  if (hwnd_) Set_Window_Long(hwnd_.Get(), GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(system_));
}

void Button::Set_Checked(bool checked) {
  Send_Message(hwnd_.Get(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void Button::Set_Tab_Stop(bool stop) {
  const LONG_PTR style = Window_Long(hwnd_.Get(), GWL_STYLE);
  Set_Window_Long(hwnd_.Get(), GWL_STYLE, stop ? style | WS_TABSTOP : style & ~static_cast<LONG_PTR>(WS_TABSTOP));
}

void Button::Reflected_Draw(const DRAWITEMSTRUCT& item) {
  if (Paint) Paint(item.hDC, item.rcItem, {(item.itemState & ODS_SELECTED) != 0, (item.itemState & ODS_FOCUS) != 0});
}

LRESULT CALLBACK Button::Subclass(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  // The window's end may come after the holder's, which let go of it: the handle is the one the system gives.
  auto* self = reinterpret_cast<Button*>(Window_Long(hwnd, GWLP_USERDATA));
  return self->Handle(hwnd, msg, wp, lp);
}

void Button::Paint_Now(HWND hwnd, HDC dc) {
  RECT r;
  GetClientRect(hwnd, &r);
  if (Paint) Paint(dc, r, {false, GetFocus() == hwnd});
}

// A push button the system draws through its holder. For a check or a radio button the program paints every time the
// system would: the system's own drawing, which it does at once on a change of state, is kept off the screen while
// the state changes.
LRESULT Button::Handle(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (kind_ == Kind::Push) {
    // Enter on a push button with the focus presses it: the button asks IsDialogMessage for the key. It claims no
    // default or plain push button's code, and takes no new style, so that the dialog manager, which moves the
    // default by restyling such buttons, never makes an owner-drawn one the system's own.
    const auto* key = reinterpret_cast<const MSG*>(lp);
    if (msg == WM_GETDLGCODE)
      return DLGC_BUTTON | (key && key->message == WM_KEYDOWN && key->wParam == VK_RETURN ? DLGC_WANTMESSAGE : 0);
    if (msg == WM_KEYDOWN && wp == VK_RETURN) {
      if (On_Click) On_Click();
      return 0;
    }
    if (msg == BM_SETSTYLE) return 0;
    return Call_Procedure(system_, hwnd, msg, wp, lp);
  }
  switch (msg) {
    case WM_PAINT: {
      PAINTSTRUCT ps;
      const HDC dc = BeginPaint(hwnd, &ps);
      Paint_Now(hwnd, dc);
      EndPaint(hwnd, &ps);
      return 0;
    }
    case WM_PRINTCLIENT:
      Paint_Now(hwnd, reinterpret_cast<HDC>(wp));
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
      // The press acts, and the system, which never sees it, neither takes the mouse nor clicks at the release.
      if (On_Click) On_Click();
      return 0;
    case WM_ENABLE:
    case WM_SETTEXT:
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CAPTURECHANGED:
    case BM_SETCHECK:
    case BM_SETSTATE:
    case BM_CLICK:
    case WM_UPDATEUISTATE:
      return Unseen(hwnd, msg, wp, lp);
    default:
      return Call_Procedure(system_, hwnd, msg, wp, lp);
  }
}

LRESULT Button::Unseen(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  Call_Procedure(system_, hwnd, WM_SETREDRAW, FALSE, 0);
  const LRESULT result = Call_Procedure(system_, hwnd, msg, wp, lp);
  if (IsWindow(hwnd)) {
    Call_Procedure(system_, hwnd, WM_SETREDRAW, TRUE, 0);
    InvalidateRect(hwnd, nullptr, FALSE);
  }
  return result;
}

void Static_Text::Create(Holder& holder) {
  hwnd_.Reset(Create_Window(0, L"STATIC", L"", WS_CHILD | WS_VISIBLE | SS_OWNERDRAW, 0, 0, 0, 0, holder.Hwnd(), nullptr));
  holder.Add_Child(*this);
}

void Static_Text::Set_Caption(std::wstring caption) {
  caption_ = std::move(caption);
  Set_Window_Text(hwnd_.Get(), caption_);
  InvalidateRect(hwnd_.Get(), nullptr, FALSE);
}

void Static_Text::Reflected_Draw(const DRAWITEMSTRUCT& item) {
  if (Paint) Paint(item.hDC, item.rcItem, caption_);
}

}  // namespace toolkit
