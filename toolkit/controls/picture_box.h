#pragma once
// A picture box: a child window that shows a persistent surface (toolkit/system/surface.h). Whatever is drawn into
// the surface stays there; the window shows it, bringing what changed to the screen at each refresh.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <vector>

#include "toolkit/controls/holder.h"
#include "toolkit/system/picture.h"
#include "toolkit/system/surface.h"

namespace toolkit {

class Picture_Box : public Holder {
 public:
  // Creates the window (hidden unless visible) and a surface of the given size in the back colour.
  void Create(HWND parent, int left, int top, int width, int height, bool visible, COLORREF back_color);

  // The surface's device context and bitmap: draw here, read pixels here.
  HDC Hdc() const { return surface_.Hdc(); }
  HBITMAP Image() const { return surface_.Image(); }
  const toolkit::Surface& Surface() const { return surface_; }
  int Width() const { return surface_.Width(); }
  int Height() const { return surface_.Height(); }

  void Set_Visible(bool visible);
  void Move(int left, int top);
  // A new size keeps what the surface holds; an added area takes the back colour.
  void Resize(int width, int height);
  // Fills the whole surface with the back colour.
  void Cls();
  // Sets one pixel of the surface to a colour value (red + 256 green + 65536 blue); shown at the next Refresh.
  void Pset(int x, int y, std::uint32_t color) {
    if (surface_.Pset(x, y, color)) Mark_Dirty(x, y);
  }
  // Tells the box that its whole surface was drawn on through Hdc(), for the next Refresh.
  void Surface_Changed() { all_dirty_ = true; }
  // Brings what changed in the surface to the screen.
  void Refresh();
  // Takes a decoded picture at its natural size: the box resizes to it.
  void Adopt(Decoded_Picture&& picture);
  // Draws the picture over the whole surface, at the box's own size.
  void Draw_Picture(const Picture& picture);

  std::function<void(int Button, int Shift, int X, int Y)> Mouse_Down;
  void Paint_Behind(HDC dc, HWND child) const override;

 protected:
  LRESULT Handle_Message(UINT msg, WPARAM wp, LPARAM lp) override;
  void Paint_Content(HDC dc, const RECT& area) override;
  void Holder_Mouse_Down(int Button, int Shift, POINT p) override {
    if (Mouse_Down) Mouse_Down(Button, Shift, p.x, p.y);
  }

 private:
  // The window and the record of changes follow the surface's size.
  void Sized();
  // What changed since the last Refresh is kept as tiles, so that a thin ring of pixels across the surface
  // brings only its own tiles to the screen, not the rectangle around it.
  static constexpr int Tile_Shift = 4;  // 16 x 16 pixels
  void Mark_Dirty(int x, int y) {
    const std::size_t t = static_cast<std::size_t>(y >> Tile_Shift) * tiles_across_ + (x >> Tile_Shift);
    if (!tile_dirty_[t]) {
      tile_dirty_[t] = 1;
      dirty_tiles_.push_back(static_cast<std::uint32_t>(t));
    }
  }
  HRGN Dirty_Region();

  toolkit::Surface surface_;
  bool all_dirty_ = false;
  int tiles_across_ = 0;
  std::vector<unsigned char> tile_dirty_;
  std::vector<std::uint32_t> dirty_tiles_;
};

}  // namespace toolkit
