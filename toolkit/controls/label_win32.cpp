#include "toolkit/controls/label.h"

#include "toolkit/system/gdi.h"
#include "toolkit/system/system_text.h"

namespace toolkit {

void Label::Paint(HDC dc) const {
  RECT r = Rect();
  if (!Transparent) {
    const Brush back(CreateSolidBrush(Back_Color));
    FillRect(dc, &r, back.Get());
  }
  if (Border) {
    FrameRect(dc, &r, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
    InflateRect(&r, -1, -1);
  }
  const int saved = SaveDC(dc);
  if (Font) SelectObject(dc, Font);
  SetBkMode(dc, TRANSPARENT);
  SetTextColor(dc, Fore_Color);
  const UINT align = Align == Alignment::Center ? DT_CENTER : Align == Alignment::Right ? DT_RIGHT : DT_LEFT;
  // A bordered label keeps its text inside the border; a plain one-line caption may run past its box
  // rather than lose its end where the font is wider than the layout expects.
  const UINT flow = Border ? DT_WORDBREAK : DT_SINGLELINE | DT_NOCLIP;
  Draw_Text(dc, caption_, r, align | DT_NOPREFIX | flow);
  if (Focus_Mark) {
    // Around the caption's own extent, where the alignment puts it.
    RECT text = r;
    Draw_Text(dc, caption_, text, DT_CALCRECT | DT_SINGLELINE | DT_NOPREFIX);
    const int w = text.right - text.left;
    const int left = Align == Alignment::Center  ? (r.left + r.right - w) / 2
                     : Align == Alignment::Right ? r.right - w
                                                 : r.left;
    text = {left - 1, r.top, left + w + 1, r.bottom};
    DrawFocusRect(dc, &text);
  }
  RestoreDC(dc, saved);
}

}  // namespace toolkit
