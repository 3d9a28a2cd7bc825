#include "dialog/drawing.h"

namespace Quorvantile_B {

void Paint_Back(const toolkit::Surface& texture, toolkit::Picture_Box& target) {
  const int W = texture.Width(), H = texture.Height();
  if (W <= 0 || H <= 0) return;
  // Each column runs down to the first tile that starts below the target, and columns run to the first
  // that starts right of it: the whole target is covered.
  int x = 0, y = 0;
  for (;;) {
    BitBlt(target.Hdc(), x, y, W, H, texture.Hdc(), 0, 0, SRCCOPY);
    if (y > target.Height()) {
      if (x > target.Width()) break;
      x += W;
      y = 0;
    } else {
      y += H;
    }
  }
  target.Surface_Changed();
}

void Draw_Edge(toolkit::Picture_Box& target, std::int32_t edge) {
  RECT r{0, 0, target.Width(), target.Height()};
  DrawEdge(target.Hdc(), &r, static_cast<UINT>(edge), BF_RECT);
  target.Surface_Changed();
  target.Refresh();
}

void Zoom_Open(HWND window, std::int16_t Cursor_X, std::int16_t Cursor_Y) {
  const RECT from{Cursor_X, Cursor_Y, Cursor_X, Cursor_Y};
  RECT to{};
  GetWindowRect(window, &to);
  DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

void Zoom_Close(HWND window, std::int16_t Cursor_X, std::int16_t Cursor_Y) {
  RECT from{};
  GetWindowRect(window, &from);
  const RECT to{Cursor_X, Cursor_Y, Cursor_X, Cursor_Y};
  DrawAnimatedRects(window, IDANI_CAPTION, &from, &to);
}

}  // namespace Quorvantile_B
