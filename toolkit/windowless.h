#pragma once
// A control without a window of its own (image, label): its form draws it and routes mouse presses to it.
#include <windows.h>

#include <functional>

namespace toolkit {

class Windowless_Control {
 public:
  virtual ~Windowless_Control() = default;

  // Position and size in pixels, relative to the form's client area.
  void Move(int left, int top, int width, int height) { rect_ = {left, top, left + width, top + height}; }
  const RECT& Rect() const { return rect_; }
  bool Visible() const { return visible_; }
  void Set_Visible(bool v) { visible_ = v; }

  virtual void Paint(HDC dc) const = 0;

  // Button: 1 left, 2 right, 4 middle. x, y relative to the control.
  std::function<void(int Button, int Shift, int X, int Y)> Mouse_Down;

 private:
  RECT rect_{};
  bool visible_ = true;
};

}  // namespace toolkit
