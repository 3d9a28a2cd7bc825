#pragma once
// Controls without a window of their own (image, label): the window that holds them draws them over its
// own surface and routes mouse presses to them.
#include <windows.h>

#include <functional>
#include <vector>

namespace toolkit {

class Windowless_Host;

class Windowless_Control {
 public:
  virtual ~Windowless_Control() = default;

  // Position and size in pixels, relative to the holder's client area.
  void Move(int left, int top, int width, int height) {
    Invalidate();
    rect_ = {left, top, left + width, top + height};
    Invalidate();
  }
  const RECT& Rect() const { return rect_; }
  bool Visible() const { return visible_; }
  void Set_Visible(bool v) {
    visible_ = v;
    Invalidate();
  }
  // Shows the custom pointer (the hand) while the mouse is over the control.
  bool Hand_Pointer = false;

  virtual void Paint(HDC dc) const = 0;
  // Asks the holder to draw the control again.
  void Invalidate() const;

  // Button: 1 left, 2 right, 4 middle. x, y relative to the control.
  std::function<void(int Button, int Shift, int X, int Y)> Mouse_Down;
  std::function<void(int Button, int Shift, int X, int Y)> Mouse_Up;

 private:
  friend class Windowless_Host;
  RECT rect_{};
  bool visible_ = true;
  const Windowless_Host* holder_ = nullptr;
};

// The windowless controls of one window, in the order they were added (later ones on top).
class Windowless_Host {
 public:
  void Add(Windowless_Control& control) {
    control.holder_ = this;
    controls_.push_back(&control);
  }
  // The window that draws the controls, once it exists.
  void Set_Window(HWND hwnd) { hwnd_ = hwnd; }
  HWND Window() const { return hwnd_; }
  bool Empty() const { return controls_.empty(); }
  // Draws the controls that meet the area being painted.
  void Paint(HDC dc, const RECT& area) const {
    RECT meet;
    for (const Windowless_Control* c : controls_)
      if (c->Visible() && IntersectRect(&meet, &c->Rect(), &area)) c->Paint(dc);
  }
  // The topmost visible control under the point, or null.
  Windowless_Control* At(POINT p) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it)
      if ((*it)->Visible() && PtInRect(&(*it)->Rect(), p)) return *it;
    return nullptr;
  }
  // Routes a mouse message to the control under the pointer; false when none took it.
  bool Route_Mouse(UINT msg, LPARAM lp, int shift) const;
  // Whether the hand pointer belongs at the point.
  bool Wants_Hand(POINT p) const {
    const Windowless_Control* c = At(p);
    return c && c->Hand_Pointer;
  }

 private:
  std::vector<Windowless_Control*> controls_;
  HWND hwnd_ = nullptr;
};

inline void Windowless_Control::Invalidate() const {
  if (holder_ && holder_->Window()) InvalidateRect(holder_->Window(), &rect_, FALSE);
}

}  // namespace toolkit
