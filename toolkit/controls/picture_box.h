#pragma once
// A picture box: a child window with its own device context and a persistent surface (a 32-bit DIB
// selected into a memory DC). Whatever is drawn into the surface stays there; the window shows it.
#include <windows.h>

#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

#include "toolkit/system/gdi.h"
#include "toolkit/controls/holder.h"
#include "toolkit/system/picture.h"

namespace toolkit {

class Picture_Box : public Holder {
 public:
  // Creates the window (hidden unless visible) and a surface of the given size in the back colour.
  void Create(HWND parent, int left, int top, int width, int height, bool visible, COLORREF back_color);

  // The surface's device context and bitmap: draw here, read pixels here.
  HDC Hdc() const { return dc_.Get(); }
  HBITMAP Image() const { return bitmap_.Get(); }
  int Width() const { return width_; }
  int Height() const { return height_; }

  void Set_Visible(bool visible);
  void Set_Back_Color(COLORREF color) { back_color_ = color; }
  void Move(int left, int top);
  // A new size keeps what the surface holds; an added area takes the back colour.
  void Resize(int width, int height);
  // Fills the whole surface with the back colour.
  void Cls();
  // Sets one pixel of the surface to a colour value (red + 256 green + 65536 blue); shown at the next Refresh.
  void Pset(int x, int y, std::uint32_t color) {
    if (static_cast<unsigned>(x) >= static_cast<unsigned>(width_) ||
        static_cast<unsigned>(y) >= static_cast<unsigned>(height_))
      return;
    bits_[static_cast<std::size_t>(y) * width_ + x] =
        ((color & 0xFF) << 16) | (color & 0xFF00) | ((color >> 16) & 0xFF);
    Mark_Dirty(x, y);
  }
  // Tells the box that its whole surface was drawn on through Hdc(), for the next Refresh.
  void Surface_Changed() { all_dirty_ = true; }
  // Brings what changed in the surface to the screen.
  void Refresh();
  // Takes the picture at its natural size: the box resizes to it and its surface shows it on the back colour.
  void Load_Picture(const Picture& picture);
  // Draws the picture over the whole surface, at the box's own size.
  void Draw_Picture(const Picture& picture);
  // Makes the surface anew at width x height, its pixels (rows from the top, 0x00RRGGBB) written by fill from
  // the old ones, which stand until it returns.
  void Remake_Surface(int width, int height,
                      const std::function<void(const std::uint32_t* old, std::uint32_t* fresh)>& fill);

  std::function<void(int Button, int Shift, int X, int Y)> Mouse_Down;

 protected:
  LRESULT Handle_Message(UINT msg, WPARAM wp, LPARAM lp) override;
  void Paint_Background(HDC dc, const RECT& area) override;
  void Unrouted_Mouse_Down(int Button, int Shift, POINT p) override {
    if (Mouse_Down) Mouse_Down(Button, Shift, p.x, p.y);
  }

 private:
  // A fresh surface, which fill paints through a DC on it or its pixels, takes the old one's place.
  void New_Surface(int width, int height, const std::function<void(HDC, std::uint32_t*)>& fill);
  void New_Surface(int width, int height, bool keep);
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

  // Declared in this order, so that the surface leaves the DC before either goes.
  Memory_Dc dc_{CreateCompatibleDC(nullptr)};
  Bitmap bitmap_;
  std::optional<Selection> selected_;
  std::uint32_t* bits_ = nullptr;
  int width_ = 0, height_ = 0;
  COLORREF back_color_ = RGB(0, 0, 0);
  bool all_dirty_ = false;
  int tiles_across_ = 0;
  std::vector<unsigned char> tile_dirty_;
  std::vector<std::uint32_t> dirty_tiles_;
};

}  // namespace toolkit
