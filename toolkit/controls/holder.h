#pragma once
// A window that holds controls: windowless ones (images, labels), which it draws over its own content and to
// which it routes the mouse, and child windows (buttons, list box), whose notifications it passes on. Over
// every control that asks for it, the pointer is the hand.
#include <vector>

#include "toolkit/controls/accessible.h"
#include "toolkit/controls/window.h"
#include "toolkit/controls/windowless.h"

namespace toolkit {

// A control with a window of its own.
class Child_Control {
 public:
  virtual ~Child_Control() = default;
  virtual HWND Control_Hwnd() const = 0;
  // A notification that the system sent to the holder about this control.
  virtual void Reflected_Command(int /*code*/) {}
  // The holder's window is going, and the system takes the control's window with it.
  virtual void Holder_Destroyed() {}
  bool Hand_Pointer = false;
};

class Holder : public Window {
 public:
  // Windowless controls are drawn in the order added, later ones above earlier ones.
  void Add_Control(Windowless_Control& control) { host_.Add(control); }
  void Add_Child(Child_Control& child) { children_.push_back(&child); }
  // What a screen reader is told of the holder and of the windowless controls it draws; none when empty.
  Accessible_Tree Accessibility;

 protected:
  LRESULT Handle_Message(UINT msg, WPARAM wp, LPARAM lp) override;
  void Paint_Content(HDC dc, const RECT& area) override;
  // What lies under the windowless controls.
  virtual void Paint_Background(HDC dc, const RECT& area) = 0;
  // A button pressed where no windowless control lies.
  virtual void Unrouted_Mouse_Down(int /*Button*/, int /*Shift*/, POINT /*p*/) {}
  bool Has_Windowless() const { return !host_.Empty(); }
  void Bind_Windowless() { host_.Set_Window(Hwnd()); }

 private:
  Windowless_Host host_;
  std::vector<Child_Control*> children_;
};

}  // namespace toolkit
