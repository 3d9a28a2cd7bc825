#include "toolkit/command_button.h"

#include "toolkit/gdi.h"
#include "toolkit/window_class.h"

namespace toolkit {

void Command_Button::Create(HWND parent, int left, int top, int width, int height, std::wstring caption, HFONT font) {
  caption_ = std::move(caption);
  font_ = font;
  Attach(CreateWindowExW(0, Window_Class(L"Quorvantile_Button", &Command_Button::Window_Proc), caption_.c_str(),
                         WS_CHILD | WS_VISIBLE | WS_TABSTOP, left, top, width, height, parent, nullptr,
                         GetModuleHandleW(nullptr), nullptr));
}

void Command_Button::Set_Face(std::shared_ptr<Picture> face) {
  face_ = std::move(face);
  InvalidateRect(Hwnd(), nullptr, FALSE);
}

LRESULT CALLBACK Command_Button::Window_Proc(HWND hwnd, UINT msg, WPARAM wp, LPARAM lp) {
  if (auto* button = static_cast<Command_Button*>(From(hwnd))) return button->Handle(msg, wp, lp);
  return DefWindowProcW(hwnd, msg, wp, lp);
}

void Command_Button::Set_Pressed(bool pressed) {
  if (pressed == pressed_) return;
  pressed_ = pressed;
  InvalidateRect(Hwnd(), nullptr, FALSE);
}

LRESULT Command_Button::Handle(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
    case WM_PAINT:
      Paint();
      return 0;
    case WM_ERASEBKGND:
      return 1;
    case WM_GETDLGCODE:
      return DLGC_BUTTON | DLGC_UNDEFPUSHBUTTON;
    case WM_SETFOCUS:
    case WM_KILLFOCUS:
      if (msg == WM_KILLFOCUS) Set_Pressed(false);
      InvalidateRect(Hwnd(), nullptr, FALSE);
      return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
      SetFocus(Hwnd());
      SetCapture(Hwnd());
      tracking_ = true;
      Set_Pressed(true);
      return 0;
    case WM_MOUSEMOVE:
      if (tracking_) {
        RECT r;
        GetClientRect(Hwnd(), &r);
        const POINT p{static_cast<short>(LOWORD(lp)), static_cast<short>(HIWORD(lp))};
        Set_Pressed(PtInRect(&r, p) != 0);
      }
      return 0;
    case WM_LBUTTONUP:
      if (tracking_) {
        // Releasing the capture resets the pressed look, so whether the release was inside is read first.
        const bool inside = pressed_;
        tracking_ = false;
        ReleaseCapture();
        Set_Pressed(false);
        if (inside) Click();
      }
      return 0;
    case WM_CAPTURECHANGED:
      tracking_ = false;
      Set_Pressed(false);
      return 0;
    case WM_KEYDOWN:
      if (wp == VK_SPACE) Set_Pressed(true);
      return 0;
    case WM_KEYUP:
      if (wp == VK_SPACE && pressed_) {
        Set_Pressed(false);
        Click();
      }
      return 0;
    default:
      return DefWindowProcW(Hwnd(), msg, wp, lp);
  }
}

void Command_Button::Paint() {
  PAINTSTRUCT ps;
  const HDC dc = BeginPaint(Hwnd(), &ps);
  RECT r;
  GetClientRect(Hwnd(), &r);
  const int w = r.right, h = r.bottom, shift = pressed_ ? 1 : 0;
  const Brush face_colour(CreateSolidBrush(RGB(212, 212, 216)));
  FillRect(dc, &r, face_colour.Get());
  if (face_) {
    // The face is centred on the button; what is larger than the button is cut off.
    const int fx = (w - face_->Width()) / 2 + shift, fy = (h - face_->Height()) / 2 + shift;
    face_->Render(dc, fx, fy, face_->Width(), face_->Height());
  }
  DrawEdge(dc, &r, pressed_ ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  const int saved = SaveDC(dc);
  SelectObject(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  RECT text = r;
  OffsetRect(&text, shift, shift);
  DrawTextW(dc, caption_.c_str(), static_cast<int>(caption_.size()), &text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  RestoreDC(dc, saved);
  if (GetFocus() == Hwnd()) {
    InflateRect(&r, -3, -3);
    DrawFocusRect(dc, &r);
  }
  EndPaint(Hwnd(), &ps);
}

}  // namespace toolkit
