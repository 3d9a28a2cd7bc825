#pragma once
// How the settings dialog's controls look: captions, the skinned faces of its push buttons, and its options, each a
// picture of the artwork beside a caption. Each draws into a device context over a control's whole rectangle.
#include <windows.h>

#include <string>

#include "toolkit/controls/button.h"
#include "toolkit/system/surface.h"

namespace Quorvantile_B {

struct Caption_Look {
  enum class Align { Left, Center, Right };
  HFONT Font = nullptr;  // owned by whoever made it
  Align Alignment = Align::Left;
  bool Border = false;    // a single black line around it
  bool White = false;     // on white rather than over what lies beneath
  COLORREF Color = RGB(0, 0, 0);
  bool Focus_Mark = false;  // the dotted mark of the keyboard's focus around the caption
};
void Draw_Caption(HDC dc, RECT r, const std::wstring& caption, const Caption_Look& look);
// The size of a one-line caption in the font.
SIZE Caption_Extent(const std::wstring& caption, HFONT font);

// The face centred on the button, a raised edge or, pressed, a sunken one, the caption over it, the focus mark inside.
void Draw_Face(HDC dc, const RECT& r, const toolkit::Surface& face, const std::wstring& caption, HFONT font,
               const toolkit::Button::Look& look);

// An option: its picture (none: blank) at the left, its caption from caption_x on, the focus mark around the caption.
void Draw_Option(HDC dc, const RECT& r, const toolkit::Surface* picture, int caption_x, const std::wstring& caption,
                 HFONT font, bool focused);

}  // namespace Quorvantile_B
