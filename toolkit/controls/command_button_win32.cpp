#include "toolkit/controls/command_button.h"

#include "toolkit/system/gdi.h"
#include "toolkit/system/system_text.h"

namespace toolkit {

void Command_Button::Create(Holder& holder, int left, int top, int width, int height, std::wstring caption,
                            HFONT font) {
  caption_ = std::move(caption);
  font_ = font;
  Window::Create(L"Quorvantile_Button", 0, caption_, WS_CHILD | WS_VISIBLE | WS_TABSTOP, left, top, width, height,
                 holder.Hwnd());
  holder.Add_Child(*this);
}

void Command_Button::Set_Face(std::shared_ptr<Picture> face, int face_w, int face_h) {
  face_ = std::move(face);
  face_w_ = face_w;
  face_h_ = face_h;
  InvalidateRect(Hwnd(), nullptr, FALSE);
}

void Command_Button::Set_Pressed(bool pressed) {
  if (pressed == pressed_) return;
  pressed_ = pressed;
  InvalidateRect(Hwnd(), nullptr, FALSE);
}

LRESULT Command_Button::Handle_Message(UINT msg, WPARAM wp, LPARAM lp) {
  switch (msg) {
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
        const POINT p = Mouse_Point(lp);
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
      return Window::Handle_Message(msg, wp, lp);
  }
}

void Command_Button::Paint_Content(HDC dc, const RECT&) {
  RECT r;
  GetClientRect(Hwnd(), &r);
  const int w = r.right, h = r.bottom, shift = pressed_ ? 1 : 0;
  const Brush face_colour(CreateSolidBrush(RGB(212, 212, 216)));
  FillRect(dc, &r, face_colour.Get());
  if (face_) face_->Render(dc, (w - face_w_) / 2 + shift, (h - face_h_) / 2 + shift, face_w_, face_h_);
  DrawEdge(dc, &r, pressed_ ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  const int saved = SaveDC(dc);
  SelectObject(dc, font_);
  SetBkMode(dc, TRANSPARENT);
  RECT text = r;
  OffsetRect(&text, shift, shift);
  Draw_Text(dc, caption_, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  RestoreDC(dc, saved);
  if (GetFocus() == Hwnd()) {
    InflateRect(&r, -3, -3);
    DrawFocusRect(dc, &r);
  }
}

}  // namespace toolkit
