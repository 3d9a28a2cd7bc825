#pragma once
// A window that holds child windows (buttons, texts, a list box) and passes on what the system tells it of them: their
// notifications, their drawing, and the mouse over a text that lets it through. Over every control that asks for it,
// the pointer is the hand.
#include <vector>

#include "toolkit/controls/window.h"

namespace toolkit {

// A control with a window of its own.
class Child_Control {
 public:
  virtual ~Child_Control() = default;
  virtual HWND Control_Hwnd() const = 0;
  // A notification that the system sent to the holder about this control.
  virtual void Reflected_Command(int /*code*/) {}
  // The control's drawing, which the system asked of the holder (owner-drawn controls).
  virtual void Reflected_Draw(const DRAWITEMSTRUCT& /*item*/) {}
  // A mouse button (1 left, 2 right, 4 middle) released over a control that lets the mouse through to its holder.
  virtual void Passed_Mouse_Up(int /*Button*/) {}
  // The holder's window is going, and the system takes the control's window with it.
  virtual void Holder_Destroyed() {}
  bool Hand_Pointer = false;
};

class Holder : public Window {
 public:
  void Add_Child(Child_Control& child) { children_.push_back(&child); }
  // What lies behind a child window, for a child that draws itself over its holder: its part of the holder's
  // surface, into dc at the child's own coordinates.
  virtual void Paint_Behind(HDC /*dc*/, HWND /*child*/) const {}

 protected:
  LRESULT Handle_Message(UINT msg, WPARAM wp, LPARAM lp) override;
  // A button pressed on the holder itself, or on a control that lets the mouse through.
  virtual void Holder_Mouse_Down(int /*Button*/, int /*Shift*/, POINT /*p*/) {}

 private:
  // The control whose window is at the point of the holder's client area, or null.
  Child_Control* Child_At(POINT p) const;
  Child_Control* Child_Of(HWND hwnd) const;
  std::vector<Child_Control*> children_;
};

}  // namespace toolkit
