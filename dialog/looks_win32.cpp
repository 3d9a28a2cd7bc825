#include "dialog/looks.h"

#include "toolkit/system/gdi.h"
#include "toolkit/system/system_text.h"

namespace Quorvantile_B {

void Draw_Caption(HDC dc, RECT r, const std::wstring& caption, const Caption_Look& look) {
  if (look.White) FillRect(dc, &r, static_cast<HBRUSH>(GetStockObject(WHITE_BRUSH)));
  if (look.Border) {
    FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&r, -1, -1);
  }
  const int saved = SaveDC(dc);
  if (look.Font) SelectObject(dc, look.Font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, look.Color);
  using Align = Caption_Look::Align;
  const UINT align = look.Alignment == Align::Center ? DT_CENTER : look.Alignment == Align::Right ? DT_RIGHT : DT_LEFT;
  // A bordered caption keeps its text inside the border; a plain one-line caption may run past its box rather than
  // lose its end where the font is wider than the layout expects.
  const UINT flow = look.Border ? DT_WORDBREAK : DT_SINGLELINE | DT_NOCLIP;
  toolkit::Draw_Text(dc, caption, r, align | DT_NOPREFIX | flow);
  if (look.Focus_Mark) {
    // Around the caption's own extent, where the alignment puts it.
    RECT text = r;
    toolkit::Draw_Text(dc, caption, text, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    const int w = text.right - text.left;
    const int left = look.Alignment == Align::Center  ? (r.left + r.right - w) / 2
                     : look.Alignment == Align::Right ? r.right - w
                                                      : r.left;
    text = {left - 1, r.top, left + w + 1, r.bottom};
    DrawFocusRect(dc, &text);
  }
  RestoreDC(dc, saved);
}

SIZE Caption_Extent(const std::wstring& caption, HFONT font) {
  const toolkit::Window_Dc screen(nullptr);
  const int saved = SaveDC(screen.Get());
  SelectObject(screen.Get(), font);
  RECT text{};
  toolkit::Draw_Text(screen.Get(), caption, text, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
  RestoreDC(screen.Get(), saved);
  return {text.right - text.left, text.bottom - text.top};
}

void Draw_Face(HDC dc, const RECT& r, const toolkit::Surface& face, const std::wstring& caption, HFONT font,
               const toolkit::Button::Look& look) {
  const int w = r.right - r.left, h = r.bottom - r.top, shift = look.Pressed ? 1 : 0;
  const toolkit::Brush face_colour(CreateSolidBrush(RGB(212, 212, 216)));
  FillRect(dc, &r, face_colour.Get());
  // What is larger than the button is cut off.
  const int left = r.left + (w - face.Width()) / 2 + shift, top = r.top + (h - face.Height()) / 2 + shift;
  const RECT whole{left, top, left + face.Width(), top + face.Height()};
  RECT inside{};
  IntersectRect(&inside, &whole, &r);
  BitBlt(dc, inside.left, inside.top, inside.right - inside.left, inside.bottom - inside.top, face.Hdc(),
         inside.left - left, inside.top - top, SRCCOPY);
  RECT edge = r;
  DrawEdge(dc, &edge, look.Pressed ? EDGE_SUNKEN : EDGE_RAISED, BF_RECT);
  RECT text = r;
  OffsetRect(&text, shift, shift);
  const int saved = SaveDC(dc);
  SelectObject(dc, font);
  SetBkMode(dc, TRANSPARENT);
  toolkit::Draw_Text(dc, caption, text, DT_CENTER | DT_VCENTER | DT_SINGLELINE | DT_NOPREFIX);
  RestoreDC(dc, saved);
  if (look.Focused) {
    RECT mark = r;
    InflateRect(&mark, -3, -3);
    DrawFocusRect(dc, &mark);
  }
}

void Draw_Option(HDC dc, const RECT& r, const toolkit::Surface* picture, int caption_x, const std::wstring& caption,
                 HFONT font, bool focused) {
  if (picture)
    BitBlt(dc, r.left, r.top, picture->Width(), picture->Height(), picture->Hdc(), 0, 0, SRCCOPY);
  Caption_Look look;
  look.Font = font;
  look.Focus_Mark = focused;
  Draw_Caption(dc, {r.left + caption_x, r.top, r.right, r.bottom}, caption, look);
}

}  // namespace Quorvantile_B
